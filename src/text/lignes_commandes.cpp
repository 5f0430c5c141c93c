#include "text/lignes_commandes.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <vector>

#include "base/texte.h"
#include "host/menus_figure_codes.h"
#include "host/services_attendus.h"
#include "model/calcul/calcul_objet.h"
#include "model/calcul/dependants.h"
#include "model/evaluation_expression.h"
#include "model/expression_erreurs.h"
#include "model/objets_figure.h"
#include "model/procedures_texte.h"
#include "model/services_hote.h"
#include "model/services_texte.h"
#include "model/style.h"
#include "phrases/phrase.h"
#include "text/affectation_libres.h"
#include "text/attributs_dessin.h"
#include "text/descriptions_objets.h"
#include "text/execution_creation.h"
#include "text/execution_ligne.h"
#include "text/ligne_creation.h"
#include "text/ligne_figure.h"
#include "text/mots_cles.h"
#include "text/noms_objets.h"
#include "text/operandes_expressions.h"
#include "text/operandes_objets.h"

namespace km32 {

namespace {

constexpr uint16_t kLigneDifferee = 98;

const std::string& argument(const TLigneFigure& l, int k) {
    return l.arguments[std::size_t(k)];
}

// The value of argument k; false (the error reported, named) on a refusal.
bool evalue(const TfigureKalmetra& f, TLigneFigure& l, int k, double& x) {
    x = 0;
    evalueExpressionTexte(f, argument(l, k), l.modeLecture, l.erreur, x);
    if (refusDansLigne(l, argument(l, k))) return false;
    l.erreur = 0;
    return true;
}

bool estEntier(double x) {
    return x == std::round(x);
}

// A whole number from min to max in argument k, else the error (named).
bool entierEntre(const TfigureKalmetra& f, TLigneFigure& l, int k, double min, double max, uint16_t erreur,
                 double& x) {
    if (!evalue(f, l, k, x)) return false;
    if (estEntier(x) && x >= min && x <= max) return true;
    signaleErreurLigne(l, erreur, argument(l, k));
    return false;
}

// Object lists: each listed object is checked, then changed; the objects
// before a failing one keep their change.
void drapeauxDeListe(TfigureKalmetra& f, TLigneFigure& l) {
    TListeObjets liste{};
    uint8_t nombre = 0;
    litListeObjets(f, argument(l, 1), l.modeLecture, liste, nombre, l.erreur);
    if (refusDansLigne(l, argument(l, 1), false)) return;
    l.erreur = 0;
    for (int k = 1; k <= nombre; ++k) {
        const int n = liste[std::size_t(k)];
        TObjetFigure& o = objet(f, n);
        switch (l.codeLigne) {
        case 2217:
            if (!estVariableLibre(o))
                return signaleErreurLigne(l, kErreurDonneeIncorrecte, nomObjetOuVecteur(f, n));
            changeDrapeauObjet(o, kDrapeauOption, true);
            break;
        case 2211:
            if (!estObjetLibre(o)) return signaleErreurLigne(l, kErreurPasLibre, nomObjet(f, n));
            changeDrapeauObjet(o, kDrapeauBloque, true);
            if (f.objetLibreActif == n) {
                // No object is driven from the keyboard any more: its
                // dependants lose their marks.
                f.objetLibreActif = 0;
                marqueDependantsObjetActif(f);
            }
            break;
        case 2281:
        case 2291:
            if (!estObjetLibre(o)) return signaleErreurLigne(l, kErreurPasLibre, nomObjet(f, n));
            changeDrapeauObjet(o, kDrapeauBloque, false);
            break;
        case 2212:
            changeDrapeauObjet(o, kDrapeauAccesInterdit, true);
            break;
        case 2213:
            changeDrapeauObjet(o, kDrapeauProtege, true);
            break;
        case 2258:
            changeDrapeauObjet(o, kDrapeauProtege | kDrapeauProtegeARappelLimite, true);
            break;
        default:
            break;
        }
    }
}

// "Dessiner #1" shows the hidden objects of the list, "Gommer #1" hides the
// drawn ones; a curve shown again is computed again.
void dessineOuGomme(TfigureKalmetra& f, TLigneFigure& l) {
    TListeObjets liste{};
    uint8_t nombre = 0;
    litListeObjetsDessinables(f, argument(l, 1), l.modeLecture, liste, nombre, l.erreur);
    if (refusDansLigne(l, argument(l, 1), false)) return;
    l.erreur = 0;
    const bool dessiner = l.codeLigne == 2289;
    for (int k = 1; k <= nombre; ++k) {
        const int n = liste[std::size_t(k)];
        TObjetFigure& o = objet(f, n);
        if (estDessine(o.style) == dessiner) continue;
        TsourcesCouleur sources{o.sourcesCouleur[0], o.sourcesCouleur[1], o.sourcesCouleur[2]};
        appliqueCommandeStyle(o.style, sources, dessiner ? 38 : 37);
        if (dessiner && o.nature == kNatureCourbe) calculeObjet(f, n);
    }
}

void zoneDesAffichages(TfigureKalmetra& f, TLigneFigure& l) {
    double v = 0;
    if (!evalue(f, l, 1, v)) return;
    if (v < 4) v = 4;
    if (v > f.hauteurImage - 10) v = f.hauteurImage - 10;
    f.hauteurZoneAffichages = int32_t(std::lround(v));
}

void pasDeRotation(TfigureKalmetra& f, TLigneFigure& l) {
    double v = 0;
    if (!evalue(f, l, 1, v)) return;
    f.pasClavier = std::clamp(v, 0.05, 90.0);
}

void intervalleHorloge(TfigureKalmetra& f, TLigneFigure& l) {
    double v = 0;
    if (!entierEntre(f, l, 1, 50, 60000, kErreurValeurIncorrecte, v)) return;
    f.rearmementsHorloge = 1;
    f.intervalleHorloge = uint16_t(v);
}

// Printing (2236) and adjusted copy (2237): colour or black and white, the
// width of the picture or the unit Uxyz, a width in millimetres.
void parametresImpression(TfigureKalmetra& f, TLigneFigure& l) {
    double v = 0;
    if (!entierEntre(f, l, 3, 1, 500, kErreurValeurIncorrecte, v)) return;
    std::string reglage = "CF";
    reglage[0] = argument(l, 1) == phraseDeNumero(2500) ? 'C' : 'N';
    reglage[1] = argument(l, 2) == phraseDeNumero(2497) ? 'F' : 'U';
    if (l.codeLigne == 2236) {
        f.texteImpression = reglage;
        f.valeurImpression = int32_t(v);
    } else {
        f.texteCopie = reglage;
        f.valeurCopie = int32_t(v);
    }
}

// The frame that limits the picture when it is printed or copied: corners
// within 0.01..0.99 of the window, rounded to hundredths, at least 20 pixels
// each way.
void doubleCadre(TfigureKalmetra& f, TLigneFigure& l) {
    double v[4] = {0, 0, 0, 0};
    for (int k = 0; k < 4; ++k) {
        if (!evalue(f, l, k + 1, v[k])) return;
        v[k] = std::round(100 * std::clamp(v[k], 0.01, 0.99)) / 100;
    }
    if (std::fabs(v[2] - v[0]) * f.largeurImage < 20)
        return signaleErreurLigne(l, kErreurValeurIncorrecte, argument(l, 3));
    if (std::fabs(v[3] - v[1]) * f.hauteurImage < 20)
        return signaleErreurLigne(l, kErreurValeurIncorrecte, argument(l, 4));
    f.cadreImage[0] = std::min(v[0], v[2]);
    f.cadreImage[1] = std::min(v[1], v[3]);
    f.cadreImage[2] = std::max(v[0], v[2]);
    f.cadreImage[3] = std::max(v[1], v[3]);
    miseAjourMenuFigure(f);
}

} // namespace

void bornePositionAffichage(const TfigureKalmetra& f, double& x, double& y) {
    x = std::max(std::min(std::round(x), double(f.largeurImage - 20)), 2.0);
    y = std::max(std::min(std::round(y), double(f.hauteurImage - 20)), 1.0);
}

namespace {

void positionAffichage(TfigureKalmetra& f, TLigneFigure& l) {
    uint8_t n = 0;
    numeroObjetDeNom(f, kNatureAffichage, coupe(argument(l, 1), 10), l.erreur, n, l.modeLecture);
    if (refusDansLigne(l, argument(l, 1))) return;
    l.erreur = 0;
    double x = 0, y = 0;
    if (!entierEntre(f, l, 2, 0, 30000, kErreurValeurIncorrecte, x)) return;
    if (!entierEntre(f, l, 3, 0, 30000, kErreurValeurIncorrecte, y)) return;
    bornePositionAffichage(f, x, y);
    valeurObjet(f, n, 1) = x;
    valeurObjet(f, n, 2) = y;
}

// The RGB notation "couleur RVB(r,g,b)": three components from 0 to 255.
bool litCouleurRVB(const TfigureKalmetra& f, TLigneFigure& l, const std::string& texte, std::size_t ouverture,
                   uint32_t& couleur) {
    const std::string corps =
        texte.size() > ouverture ? texte.substr(ouverture, texte.size() - ouverture - 1) : std::string();
    const std::size_t v1 = corps.find(',');
    const std::size_t v2 = v1 == std::string::npos ? std::string::npos : corps.find(',', v1 + 1);
    if (v2 == std::string::npos) {
        signaleErreurLigne(l, kErreurCouleurRVB, texte);
        return false;
    }
    const std::string composantes[3] = {corps.substr(0, v1), corps.substr(v1 + 1, v2 - v1 - 1),
                                        corps.substr(v2 + 1)};
    couleur = 0;
    for (int k = 0; k < 3; ++k) {
        uint16_t erreur = 0;
        double x = 0;
        evalueExpressionTexte(f, std::string(sansBlancsAuxBouts(composantes[k])), l.modeLecture, erreur, x);
        if (estRefus(erreur) || !(x >= 0 && x <= 255)) {
            signaleErreurLigne(l, kErreurCouleurRVB, texte);
            return false;
        }
        couleur |= uint32_t(std::lround(x)) << (8 * k);
    }
    return true;
}

void couleurDuFond(TfigureKalmetra& f, TLigneFigure& l) {
    const std::string texte = std::string(sansBlancsAuxBouts(coupe(argument(l, 1), 80)));
    nomErreur1() = texte;
    const std::string ouverture = phraseDeNumero(kPhraseCouleurRVB);
    uint32_t couleur = 0;
    if (!ouverture.empty() && texte.compare(0, ouverture.size(), ouverture) == 0) {
        if (!litCouleurRVB(f, l, texte, ouverture.size(), couleur)) return;
    } else {
        double x = 0;
        if (!evalue(f, l, 1, x)) return;
        if (!(x >= 0 && estEntier(x) && x <= 0xFFFFFFFF))
            return signaleErreurLigne(l, kErreurDonneeIncorrecte, texte);
        couleur = uint32_t(x);
    }
    // The colour the figure's own background is painted with.
    f.reglageCouleurFond = couleur;
    f.drapeauCouleurFond = 1;
}

// The values of a command of memorised assignments or of a saved view.
// The values of a command given over several lines: every line but the
// last ends with kSuiteDeListe, and their values wait here until the last
// line, which must come next for the same command; the whole list then has
// to hold exactly the command's values. Any other line between them ends
// the wait: its values are dropped.
struct SuiteParametres {
    const TfigureKalmetra* figure = nullptr;
    int objet = 0;
    std::vector<double> valeurs;
    uint64_t ligne = 0; // the count of lines run (etatExecutionLigne) at the line that left them
};
SuiteParametres& suiteParametres() {
    static SuiteParametres s;
    return s;
}

void parametresCommande(TfigureKalmetra& f, TLigneFigure& l) {
    uint8_t n = 0;
    numeroObjetDeNomEtGenre(f, coupe(argument(l, 1), 10), l.modeLecture, l.erreur, n);
    if (refusDansLigne(l, argument(l, 1))) return;
    l.erreur = 0;
    const TObjetFigure& o = objet(f, n);
    if (o.nature != kNatureCommande || (o.codeConstruction != 66 && o.codeConstruction != 149))
        return signaleErreurLigne(l, kErreurDonneeIncorrecte, argument(l, 1));
    std::string liste = argument(l, 2);
    oteEspacesBouts(liste);
    const bool aSuivre =
        liste.size() >= kSuiteDeListe.size() &&
        liste.compare(liste.size() - kSuiteDeListe.size(), std::string::npos, kSuiteDeListe) == 0;
    if (aSuivre) liste.erase(liste.size() - kSuiteDeListe.size());
    std::array<double, 41> valeurs{};
    uint8_t nombre = 0;
    evalueListeExpressions(f, liste, l.modeLecture, valeurs, nombre, l.erreur);
    if (refusDansLigne(l, argument(l, 2))) return;
    l.erreur = 0;
    SuiteParametres& suite = suiteParametres();
    std::vector<double> toutes;
    // A line that gives every value stands alone, whatever came before it.
    const bool enSuite =
        suite.figure == &f && suite.objet == n && suite.ligne + 1 == etatExecutionLigne().lignesExecutees;
    if (enSuite && nombre < o.nombreValeurs) toutes = suite.valeurs;
    suite = SuiteParametres{};
    toutes.insert(toutes.end(), valeurs.begin() + 1, valeurs.begin() + 1 + nombre);
    if (toutes.size() > std::size_t(o.nombreValeurs))
        return signaleErreurLigne(l, kErreurLigneNonExecutable, argument(l, 2));
    if (aSuivre) {
        suite = SuiteParametres{&f, n, std::move(toutes), etatExecutionLigne().lignesExecutees};
        return;
    }
    if (toutes.size() != std::size_t(o.nombreValeurs))
        return signaleErreurLigne(l, kErreurLigneNonExecutable, argument(l, 2));
    for (std::size_t k = 0; k < toutes.size(); ++k)
        valeurObjet(f, n, int(k) + 1) = toutes[k];
}

// The keyboard step of a free object: the step, whether it may be changed,
// the unit it is counted in and the looping, run as construction 115.
void pasDePilotage(TfigureKalmetra& f, TLigneFigure& l) {
    uint8_t n = 0;
    numeroObjetLibreDeNom(f, coupe(argument(l, 1), 10), l.modeLecture, l.erreur, n);
    if (refusDansLigne(l, argument(l, 1))) return;
    l.erreur = 0;
    std::string texte = argument(l, 2) + ";";
    std::string mots = argument(l, 3);
    while (!mots.empty()) {
        std::string mot;
        uint16_t numero = 0;
        litMotCle(mots, 80, mot, numero);
        switch (numero) {
        case 0:
            return signaleErreurLigne(l, kErreurMotNonReconnu, mot);
        case 2480: // modifiable
            texte = "1;" + texte;
            break;
        case 2481: // non modifiable
            texte = "0;" + texte;
            break;
        case 2483: // / arc
        case 2484: // / cercle
        case 2485: // / segment
        case 2486: // / repère de la demi-droite
        case 2488: // en boucle
        case 2489: // / repère de la droite
            texte += "0";
            break;
        case 2487: // / Uxyz
            texte += "1";
            break;
        default:
            break;
        }
    }
    if (!texte.empty() && texte.back() == ';') texte += "1";
    auto analyse = std::make_unique<TLigneAnalysee>();
    TLigneAnalysee& L = *analyse;
    L.modeLecture = l.modeLecture;
    L.depuisTexte = 1;
    L.objetCible = n;
    L.codeConstruction = 115;
    L.arguments = coupe(texte, 255);
    L.nouvelObjet.nature = objet(f, n).nature;
    L.nouvelObjet.codeConstruction = 115;
    executeChangementPas(f, L);
    l.erreur = L.erreur;
}

// Runs the commands of every command object that bears the key.
void executeCommandesDeLaTouche(TfigureKalmetra& f, uint8_t touche) {
    for (int i = kObjetsPredefinis + 1; i <= f.nombreObjets; ++i) {
        const TObjetFigure& o = objet(f, i);
        if (o.nature == kNatureCommande && toucheObjet(o) == touche) executeCommandeDeTouche(f, i);
    }
}

// "Exécuter n fois ..." (2297, 2298) and their start forms (2266, 2267),
// which wait while a whole text is read in.
void executeCommandes(TfigureKalmetra& f, TLigneFigure& l) {
    const bool demarrage = l.codeLigne == 2266 || l.codeLigne == 2267;
    double fois = 0;
    if (!entierEntre(f, l, 1, 1, 32000, demarrage ? kErreurDonneeIncorrecte : kErreurValeurIncorrecte, fois))
        return;
    uint8_t touche = 0;
    TListeObjets liste{};
    uint8_t nombre = 0;
    const bool parTouche = l.codeLigne == 2266 || l.codeLigne == 2297;
    if (parTouche) {
        litTouche(argument(l, 2), touche, l.erreur);
        if (refusDansLigne(l, argument(l, 2))) return;
    } else {
        litListeCommandes(f, argument(l, 2), l.modeLecture, liste, nombre, l.erreur);
        if (refusDansLigne(l, argument(l, 2), false)) return;
    }
    l.erreur = 0;
    if (demarrage && executionReelle() == 0) {
        l.erreur = kLigneDifferee;
        return;
    }
    for (int k = 0; k < int(fois); ++k) {
        if (parTouche) {
            executeCommandesDeLaTouche(f, touche);
        } else {
            for (int j = 1; j <= nombre; ++j)
                executeCommandeDeTouche(f, liste[std::size_t(j)]);
        }
    }
}

// The menu options a figure forbids (2226) or allows (2292): each item is a
// menu path code whose commands leave or join the figure's authorised set.
// The popup menu is built again on its next use. A code that names no menu
// ends the line; the items before it stay applied.
void optionsDuMenu(TfigureKalmetra& f, TLigneFigure& l) {
    std::string liste = argument(l, 1);
    while (!liste.empty()) {
        const std::string element = premierElementDeListe(liste);
        detruitMenuFigure(int16_t(f.numeroFigure));
        if (l.codeLigne == 2226)
            interditMenus(element, f.commandesAutorisees, l.erreur);
        else
            autoriseMenus(element, f.commandesAutorisees, l.erreur);
        if (l.erreur != 0) {
            signaleErreurLigne(l, l.erreur, element);
            return;
        }
    }
}

// A figure text lists the objects of forbidden access before its glued
// points: the two names are looked up without that check.
void pointColle(TfigureKalmetra& f, TLigneFigure& l) {
    const uint8_t mode = std::min<uint8_t>(l.modeLecture, 1);
    uint8_t n = 0;
    numeroObjetLibreDeNom(f, coupe(argument(l, 1), 10), mode, l.erreur, n);
    if (!estRefus(l.erreur) && objet(f, n).codeConstruction != 132) l.erreur = kErreurPasLibre;
    if (refusDansLigne(l, argument(l, 1))) return;
    l.erreur = 0;
    uint8_t point = 0;
    numeroPointDeNom(f, coupe(argument(l, 2), 10), mode, point, l.erreur);
    if (refusDansLigne(l, argument(l, 2))) return;
    l.erreur = 0;
    objet(f, n).pointColle = point;
}

} // namespace

std::string premierElementDeListe(std::string& liste) {
    const std::size_t virgule = liste.find(',');
    std::string element;
    if (virgule == std::string::npos) {
        element = liste;
        liste.clear();
    } else {
        element = liste.substr(0, virgule);
        liste.erase(0, virgule + 1);
    }
    return coupe(sansBlancsAuxBouts(element), 80);
}

void executeLigneDeCommande(TfigureKalmetra& f, TLigneFigure& l) {
    l.erreur = 0;
    switch (l.codeLigne) {
    case 2211:
    case 2212:
    case 2213:
    case 2217:
    case 2258:
    case 2281:
    case 2291:
        drapeauxDeListe(f, l);
        break;
    case 2289:
    case 2290:
        dessineOuGomme(f, l);
        break;
    case 2210:
        zoneDesAffichages(f, l);
        break;
    case 2244:
        pasDeRotation(f, l);
        break;
    case 2227:
        intervalleHorloge(f, l);
        break;
    case 2236:
    case 2237:
        parametresImpression(f, l);
        break;
    case 2235:
        doubleCadre(f, l);
        break;
    case 2222:
        positionAffichage(f, l);
        break;
    case 2270:
        couleurDuFond(f, l);
        break;
    case 2223:
        parametresCommande(f, l);
        break;
    case 2225:
        pasDePilotage(f, l);
        break;
    case 2266:
    case 2267:
    case 2297:
    case 2298:
        executeCommandes(f, l);
        break;
    case 2226:
    case 2292:
        optionsDuMenu(f, l);
        break;
    case 2260:
        pointColle(f, l);
        break;
    case 2279:
        affectePointLibreParCoordonnees(f, argument(l, 1), argument(l, 5), argument(l, 2), argument(l, 3),
                                        argument(l, 4), l.modeLecture, l.redessine != 0, l.erreur);
        if (l.erreur != 0) afficheErreurDeNumero(l.erreur);
        break;
    default:
        break;
    }
}

void executeLigneDeRequete(TfigureKalmetra& f, TLigneFigure& l) {
    l.erreur = 0;
    switch (l.codeLigne) {
    case 2313:
        f.listeReponses = ecritTexteFigure(f);
        break;
    case 2314:
    case 2315: {
        const int n = numeroObjetDeNotation(f, argument(l, 1));
        if (n == 0) {
            nomErreur1() = argument(l, 1);
            afficheErreurDeNumero(kErreurNomInconnu);
            break;
        }
        if (l.codeLigne == 2314) {
            f.listeReponses = reponsePhraseDeCreation(f, n);
        } else {
            for (int i = n + 1; i <= f.nombreObjets; ++i)
                f.listeReponses += reponsePhraseDeCreation(f, i) + "\r\n";
        }
        break;
    }
    case 2316:
        f.listeReponses = f.dernierLibreBouge != 0 ? nomObjet(f, f.dernierLibreBouge) : std::string();
        break;
    case 2317:
        f.listeReponses = f.objetLibreActif != 0 ? nomObjet(f, f.objetLibreActif) : std::string();
        break;
    default:
        break;
    }
}

} // namespace km32
