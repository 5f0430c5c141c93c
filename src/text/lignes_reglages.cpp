#include "text/lignes_reglages.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "base/erreur.h"
#include "base/texte.h"
#include "model/calcul/calcul_objet.h"
#include "model/calcul/dependants.h"
#include "model/evaluation_expression.h"
#include "model/expression_erreurs.h"
#include "model/fonctions/fonction_valeurs.h"
#include "model/fonctions/fonctions.h"
#include "model/objets_figure.h"
#include "model/operations.h"
#include "model/services_dessin.h"
#include "model/services_hote.h"
#include "text/affectation_libres.h"
#include "text/ecriture_figure.h"
#include "text/executeur_construction.h"
#include "text/installation_objet.h"
#include "text/instantanes_figure.h"
#include "text/ligne_figure.h"
#include "text/noms_objets.h"
#include "text/operandes_objets.h"
#include "text/renommage_lignes.h"
#include "text/suppression.h"
#include "text/execution_texte.h"

namespace km32 {

namespace {

// The mode in which the lines that describe the figure's own state (labels,
// the default front plane, the isolated plane) look their objects up: a
// figure text lists the objects of forbidden access before those lines, so
// they must not be refused for it while a file is loaded.
uint8_t modeSansControleAcces(const TLigneFigure& l) {
    return std::min<uint8_t>(l.modeLecture, 1);
}

// A reader's refusal ends the handler: "named" errors show the argument.
bool evalue(TfigureKalmetra& f, TLigneFigure& l, int k, double& x) {
    x = 0;
    evalueExpressionTexte(f, l.arguments[std::size_t(k)], l.modeLecture, l.erreur, x);
    return !refusDansLigne(l, l.arguments[std::size_t(k)]);
}

// Label of a point (2001, 2002).
void afficheEnPlace(TfigureKalmetra& f, TLigneFigure& l) {
    uint8_t n = 0;
    numeroPointDeNom(f, l.arguments[1], modeSansControleAcces(l), n, l.erreur);
    if (!estRefus(l.erreur) && n < kPremierUtilisateur) l.erreur = kErreurDonneeIncorrecte;
    if (refusDansLigne(l, l.arguments[1])) return;
    l.erreur = 0;
    std::string texte;
    const std::size_t deuxPoints = l.ligne.find(':');
    if (deuxPoints != std::string::npos && deuxPoints + 2 <= l.ligne.size())
        texte = l.ligne.substr(deuxPoints + 2);
    const std::string nom = nomObjet(f, n);
    const std::string etiquette = texte == nom ? nom : coupe(nom + " " + texte, 80);
    TObjetFigure& o = objet(f, n);
    changeTexteNomObjet(f, n, etiquette);
    if (l.codeLigne == 2002)
        o.style.drapeaux = uint16_t(o.style.drapeaux | kStyleMarquesNumeriques);
    else
        o.style.drapeaux = uint16_t(o.style.drapeaux & ~kStyleMarquesNumeriques);
}

// Parameters of a free object (2202, 2203, 2232).
void parametresObjetLibre(TfigureKalmetra& f, TLigneFigure& l) {
    l.nomObjet = coupe(l.arguments[1], 10);
    uint8_t n = 0;
    numeroObjetLibreDeNom(f, l.nomObjet, l.modeLecture, l.erreur, n);
    if (refusDansLigne(l, l.arguments[1])) return;
    l.erreur = 0;
    f.ensembleParametresLibres.set(n);
    double p[3] = {0, 0, 0};
    const int nombre = std::min<int>(l.nombreArguments, 4) - 1;
    for (int k = 0; k < nombre; ++k)
        if (!evalue(f, l, k + 2, p[k])) return;
    l.erreur = 0;
    const TObjetFigure& o = objet(f, n);
    bool ok = true;
    switch (o.codeConstruction) {
    case 1:
    case 75:
        ok = p[0] == std::floor(p[0]);
        break;
    case 2:
        ok = p[0] == std::floor(p[0]) && p[1] == std::floor(p[1]) && p[2] == std::floor(p[2]);
        break;
    case 3:
    case 7:
        ok = !rameneEntreZeroEtUn(p[0]);
        break;
    case 4:
        ok = p[0] >= 0;
        break;
    case 206:
        ok = p[0] > -180 && p[0] <= 180 && p[1] >= -90 && p[1] <= 90;
        break;
    case 44:
    case 45: {
        double q[3] = {0, 0, 0};
        uint16_t erreur = 0;
        affecteObjetLibre(f, n, p[0], p[1], p[2], q[0], q[1], q[2], erreur);
        if (erreur != 0 && erreur != kPasDeCetteForme) {
            // A value outside the interval is not an error of the line: the
            // object keeps its value.
            l.erreur = 0;
            return;
        }
        // The line gives the variable's value; what is stored is its
        // parameter in the interval.
        if (erreur == 0)
            for (int k = 0; k < 3; ++k)
                p[k] = q[k];
        break;
    }
    default:
        break;
    }
    if (!ok) {
        signaleErreurLigne(l, kErreurAffectationImpossible, nomObjet(f, n));
        return;
    }
    TEnsembleObjets ensemble;
    ensemble.set(n);
    TvaleursLibres valeurs{};
    for (int k = 0; k < 3; ++k)
        valeurs[std::size_t(k)] = p[k];
    affecteValeursObjetsLibres(f, ensemble, valeurs, 3, l.redessine != 0);
}

// Reads the plane #1 into its three bytes.
bool litPlan(TfigureKalmetra& f, TLigneFigure& l, TplanEnregistre& plan) {
    uint8_t a = 0, b = 0, c = 0;
    litPlanDeRepere(f, l.arguments[1], modeSansControleAcces(l), a, b, c, l.erreur);
    if (refusDansLigne(l, l.arguments[1])) return false;
    l.erreur = 0;
    plan.objets[0] = a, plan.objets[1] = b, plan.objets[2] = c;
    return true;
}

void planDeFaceParDefaut(TfigureKalmetra& f, TLigneFigure& l) {
    TplanEnregistre plan;
    if (!litPlan(f, l, plan)) return;
    double etapes = 0;
    if (!evalue(f, l, 2, etapes)) return;
    l.erreur = 0;
    etapes = std::round(std::clamp(etapes, 1.0, 50.0));
    f.plansEnregistres[kPlanDeFace] = plan;
    f.entiersVue[0] = int32_t(etapes);
}

void planIsole(TfigureKalmetra& f, TLigneFigure& l, bool isoler) {
    // litPlan writes the plane only when it was read.
    if (!litPlan(f, l, f.plansEnregistres[kPlanIsole])) return;
    if (!isoler) return;
    isolePlanEnregistre(f);
    miseAjourMenuFigure(f);
}

void neplusIsoler(TfigureKalmetra& f) {
    quittePlanIsole(f);
    miseAjourMenuFigure(f);
}

void valeursDeFonction(TfigureKalmetra& f, TLigneFigure& l) {
    uint8_t n = 0;
    numeroObjetDeNom(f, kNatureFonction, coupe(l.arguments[1], 10), l.erreur, n, l.modeLecture);
    // An object of another kind (a number, a point) is no function defined
    // by values either: it is told so, as a function defined otherwise is.
    const bool autreNature = l.erreur == kErreurNeConvientPas && n != 0;
    if (autreNature) l.erreur = 0;
    if (refusDansLigne(l, l.arguments[1])) return;
    if (autreNature || objet(f, n).codeConstruction != 128) {
        signaleErreurLigne(l, kErreurPasDefinieParValeurs, l.arguments[1]);
        return;
    }
    l.erreur = 0;
    const uint8_t emplacement = objet(f, n).emplacementFonction;
    // A refused line changes nothing: the table is put back when one of its
    // points or intervals fails.
    TFonction* fonction = fonctionDeEmplacement(f, emplacement);
    TFonctionTable* table = fonction ? fonction->table.get() : nullptr;
    const std::optional<TFonctionTable> avant = table ? std::optional<TFonctionTable>(*table) : std::nullopt;
    if (l.codeLigne == 2218)
        ajoutePointsDeTexte(f, emplacement, l.arguments[2], l.erreur);
    else
        otePointsDeTexte(f, emplacement, l.arguments[2], l.erreur);
    if (l.erreur != 0) {
        if (avant) *table = *avant;
        afficheErreurDeNumero(l.erreur);
        return;
    }
    if (n < f.nombreObjets) f.ensembleTablesValeurs.set(n);
    // What depends on the function follows its new table.
    TEnsembleObjets change;
    change.set(n);
    if (f.lignesHoteEnCours) {
        f.objetsChangesParHote |= change;
    } else if (l.redessine) {
        recalculeDependants(f, change);
    } else {
        ajouteDependants(f, change);
        for (int i = n; i <= f.nombreObjets; ++i)
            if (change.test(std::size_t(i))) calculeObjet(f, i);
    }
}

void objetActifAuClavier(TfigureKalmetra& f, TLigneFigure& l) {
    uint8_t n = 0;
    numeroObjetLibreDeNom(f, coupe(l.arguments[1], 10), l.modeLecture, l.erreur, n);
    if (refusDansLigne(l, l.arguments[1])) return;
    if (estObjetLibreBloque(objet(f, n))) {
        signaleErreurLigne(l, kErreurPilotageInterdit, l.arguments[1]);
        return;
    }
    l.erreur = 0;
    f.objetLibreActif = n;
    marqueDependantsObjetActif(f);
}

void drapeauxDeNoms(TfigureKalmetra& f, TLigneFigure& l) {
    TEnsembleObjets ensemble;
    ensembleObjetsDeNoms(f, l.arguments[1], ensemble);
    for (int i = kPremierUtilisateur; i <= f.nombreObjets; ++i) {
        if (!ensemble.test(std::size_t(i))) continue;
        TObjetFigure& o = objet(f, i);
        if (l.codeLigne == 2274) {
            changeDrapeauObjet(o, kDrapeauAccesInterdit, false);
        } else if (l.codeLigne == 2275) {
            changeDrapeauObjet(o, kDrapeauProtege, false);
        } else {
            changeDrapeauObjet(o, kDrapeauProtege, true);
            changeDrapeauObjet(o, kDrapeauProtegeSaufRedefinition, true);
        }
    }
}

void selectionPourTrace(TfigureKalmetra& f, TLigneFigure& l) {
    TListeObjets liste{};
    uint8_t nombre = 0;
    litListeObjets(f, l.arguments[1], l.modeLecture, liste, nombre, l.erreur);
    if (refusDansLigne(l, l.arguments[1])) return;
    l.erreur = 0;
    if (l.codeLigne == 2247) f.ensembleTrace.reset();
    for (int k = 1; k <= nombre; ++k)
        if (estObjetDessinable(objet(f, liste[std::size_t(k)]))) f.ensembleTrace.set(liste[std::size_t(k)]);
}

// The default frame (2214) and the default unit of length (2215) that the
// dialogs offer for new objects.
void reglageParDefaut(TfigureKalmetra& f, TLigneFigure& l) {
    const bool repere = l.codeLigne == 2214;
    uint8_t n = 0;
    numeroObjetDeNom(f, repere ? kNatureRepere : kNatureUniteDeLongueur, coupe(l.arguments[1], 10), l.erreur,
                     n, l.modeLecture);
    // The reader names the object with its kind when the kind is wrong.
    if (refusDansLigne(l, l.arguments[1], l.erreur != kErreurNeConvientPas)) return;
    l.erreur = 0;
    (repere ? f.repereParDefaut : f.uniteLongueurParDefaut) = n;
}

void suppression(TfigureKalmetra& f, TLigneFigure& l) {
    TEnsembleObjets ensemble;
    ensembleObjetsDeNoms(f, l.arguments[1], ensemble);
    supprimeObjetsEtDependants(f, ensemble);
}

// "Objet libre #1, valeur: #2" gives a free number its value as the
// assignment of a numeric variable does.
void affectation(TfigureKalmetra& f, TLigneFigure& l) {
    if (l.codeLigne == 2277 || l.codeLigne == 2224)
        affecteVariableNumeriqueLibre(f, l.arguments[1], l.arguments[2], l.modeLecture, l.redessine != 0,
                                      l.erreur);
    else
        affectePointLibreSurPoint(f, l.arguments[1], l.arguments[2], l.modeLecture, l.redessine != 0,
                                  l.erreur);
    if (l.erreur != 0) afficheErreurDeNumero(l.erreur);
}

void vue(TfigureKalmetra& f, TLigneFigure& l) {
    switch (l.codeLigne) {
    case 2205: {
        double x = 0;
        if (!evalue(f, l, 1, x)) return;
        l.erreur = 0;
        // A zoom outside its bounds (0 or negative among them) would leave a
        // picture that the zoom keys cannot repair: an old text that holds
        // one still opens, with the nearest zoom that can be drawn.
        f.uniteSurPetiteDimension = zoomDansLesBornes(x);
        calculeProjection(f);
        recalculeObjetsParticuliers(f);
        return;
    }
    case 2206: {
        double a[3] = {0, 0, 0};
        for (int k = 0; k < 3; ++k)
            if (!evalue(f, l, k + 1, a[k])) return;
        l.erreur = 0;
        for (int k = 0; k < 3; ++k)
            f.anglesVue[k] = a[k] * kPi / 180;
        calculeProjection(f);
        return;
    }
    case 2234:
    case 2239: {
        double v[2] = {0, 0};
        for (int k = 0; k < 2; ++k) {
            if (!evalue(f, l, k + 1, v[k])) return;
            const bool ok = l.codeLigne == 2234 ? (v[k] >= 0 && v[k] <= 1) : std::fabs(v[k]) <= 2;
            if (!ok) {
                signaleErreurLigne(l, kErreurValeurIncorrecte, l.arguments[std::size_t(k + 1)]);
                return;
            }
        }
        l.erreur = 0;
        double* champ = l.codeLigne == 2234 ? f.fractionsCentre : f.parametresOblique;
        champ[0] = v[0], champ[1] = v[1];
        calculeProjection(f);
        return;
    }
    case 2238:
    case 2301:
        f.projectionOblique = l.codeLigne == 2238 ? 1 : 0;
        calculeProjection(f);
        miseAjourMenuFigure(f);
        return;
    default:
        return;
    }
}

} // namespace

uint16_t renommeObjets(TfigureKalmetra& f, uint8_t modeLecture, const std::string& texte) {
    const std::size_t p = texte.find(';');
    const std::string objets = texte.substr(0, p);
    std::string noms = p == std::string::npos ? std::string() : texte.substr(p + 1);
    TListeObjets liste{};
    uint8_t nombre = 0;
    uint16_t erreur = 0;
    // A refusal names the faulty answer line of the rename dialog (line 1
    // the objects, line 2 the names), where the dialog puts the focus back.
    auto refuse = [&](uint16_t e, uint8_t ligne) {
        afficheErreurDeNumero(e);
        if (f.dialogue) f.dialogue->ligneErreur = ligne;
        return e;
    };
    litListeObjetsRenommables(f, objets, modeLecture, liste, nombre, erreur);
    if (estRefus(erreur)) return refuse(erreur, 1);
    std::vector<std::string> nouveaux;
    std::size_t i = 0;
    while (i < noms.size() && nouveaux.size() < 100) {
        while (i < noms.size() && noms[i] == ' ')
            ++i;
        std::size_t j = i;
        while (j < noms.size() && noms[j] != ' ')
            ++j;
        if (j > i) nouveaux.push_back(coupe(noms.substr(i, j - i), 10));
        i = j;
    }
    if (nouveaux.size() != nombre) return refuse(kErreurListesInegales, 2);
    // The length of each object's longest line before the rename, for the
    // objects whose lines are already past the reader's limit (a figure read
    // from a text whose renames lengthened them): such an object refuses
    // only a rename that lengthens it further.
    std::vector<std::size_t> dejaTropLongues(std::size_t(f.nombreObjets) + 1, 0);
    const bool jugeLongueurs = textesEnLecture() == 0;
    for (int i = 1; jugeLongueurs && i <= f.nombreObjets; ++i)
        if (!lignesObjetRelisibles(f, i)) dejaTropLongues[std::size_t(i)] = longueurLignesObjet(f, i);
    const bool differeesDansLaLimite = !jugeLongueurs || lignesDiffereesDansLaLimite(f);
    Renommages renommages;
    for (int k = 1; k <= nombre; ++k) {
        const int n = liste[std::size_t(k)];
        TObjetFigure& o = objet(f, n);
        const std::string ancien = nomObjet(f, n);
        const std::string etiquette = texteEtiquetteObjet(f, n);
        const std::string nom = etiquette.empty() ? nouveaux[std::size_t(k - 1)]
                                                  : coupe(nouveaux[std::size_t(k - 1)] + " " + etiquette, 80);
        changeTexteNomObjet(f, n, nom);
        if (o.codeConstruction == 30)
            o.codeConstruction = 125;
        else if (o.codeConstruction == 33)
            o.codeConstruction = 130;
        else if (o.codeConstruction == 34)
            o.codeConstruction = 182;
        if (!ancien.empty()) renommages.emplace_back(ancien, nomObjet(f, n));
    }
    // A renamed built-in object keeps whatever name the lines can read back
    // as it (its default names already break the user names' syntax); the
    // name must be its own.
    for (int k = 1; k <= nombre; ++k)
        if (liste[std::size_t(k)] <= kObjetsPredefinis)
            if (const uint16_t e = verifieNomObjetIntegre(f, liste[std::size_t(k)])) return refuse(e, 2);
    // The start lines kept as text name objects too.
    renommeDansLignesDifferees(f, renommages);
    // Longer names lengthen the lines of every object that names them: a
    // rename by a user that would need a line the reader refuses is not made
    // (the callers put the figure back). A rename line of a text being read
    // is taken as it is.
    const auto tropLongue = [&](const std::string& nom) {
        nomErreur1() = nom;
        afficheErreurDeNumero(kErreurLigneEcriteTropLongue);
        return kErreurLigneEcriteTropLongue;
    };
    for (int i = 1; jugeLongueurs && i <= f.nombreObjets; ++i) {
        if (lignesObjetRelisibles(f, i)) continue;
        const std::size_t avant = dejaTropLongues[std::size_t(i)];
        if (avant == 0 || longueurLignesObjet(f, i) > avant) return tropLongue(nomObjetNotation(f, i));
    }
    if (jugeLongueurs && differeesDansLaLimite && !renommages.empty() && !lignesDiffereesDansLaLimite(f))
        return tropLongue(renommages.front().second);
    erreur = verifieNomsFigure(f);
    if (erreur == 0) publieVariablesPartagees(f);
    return erreur;
}

uint16_t executeLigneAvecRetourArriere(TfigureKalmetra& f, uint8_t modeLecture, const std::string& texte) {
    GardeInstantane garde(f);
    if (!garde.pris()) {
        afficheErreurDeNumero(kStructureSaturee);
        return kStructureSaturee;
    }
    const uint16_t erreur = renommeObjets(f, modeLecture, texte);
    if (erreur == 0) {
        garde.valide();
        f.modifiee = 1;
    } else {
        garde.annule();
    }
    return erreur;
}

void executeLigneDeReglage(TfigureKalmetra& f, TLigneFigure& l) {
    l.erreur = 0;
    switch (l.codeLigne) {
    case 2001:
    case 2002:
        afficheEnPlace(f, l);
        break;
    case 2202:
    case 2203:
    case 2232:
        parametresObjetLibre(f, l);
        break;
    case 2205:
    case 2206:
    case 2234:
    case 2238:
    case 2239:
    case 2301:
        vue(f, l);
        break;
    case 2240:
        planDeFaceParDefaut(f, l);
        break;
    case 2241:
        planIsole(f, l, false);
        break;
    case 2242:
        planIsole(f, l, true);
        break;
    case 2300:
        neplusIsoler(f);
        break;
    case 2218:
    case 2273:
        valeursDeFonction(f, l);
        break;
    case 2209:
        objetActifAuClavier(f, l);
        break;
    case 2214:
    case 2215:
        reglageParDefaut(f, l);
        break;
    case 2257:
    case 2274:
    case 2275:
        drapeauxDeNoms(f, l);
        break;
    case 2247:
    case 2249:
        selectionPourTrace(f, l);
        break;
    case 2311:
        suppression(f, l);
        break;
    case 2276:
        l.erreur = executeLigneAvecRetourArriere(f, l.modeLecture, l.arguments[1] + ";" + l.arguments[2]);
        if (l.erreur == 0 && l.redessine) redessineFigure(f);
        break;
    case 2224:
    case 2277:
    case 2278:
        affectation(f, l);
        break;
    default:
        break;
    }
}

} // namespace km32
