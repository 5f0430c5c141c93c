#include "text/ecriture_figure.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "base/texte.h"
#include "model/catalogue.h"
#include "model/objets_figure.h"
#include "model/registre_figures.h"
#include "text/prototypes_texte.h"
#include "model/nombres_texte.h"
#include "model/services_texte.h"
#include "phrases/phrase.h"
#include "phrases/phrase_messages.h"
#include "base/garde.h"
#include "sibling/table_partagee.h"
#include "text/descriptions_objets.h"
#include "text/lignes_commandes.h"
#include "model/procedures_texte.h"
#include "text/ligne_relisible.h"
#include "text/lignes_figure_texte.h"

namespace km32 {

namespace {

const std::string kFinDeLigne = "\r\n";

bool regroupe(const TObjetFigure& o);

// The user objects in the order a reading of the text gives them back: the
// objects of the object loop first, then the text displays and then the key
// commands, which the writer puts in blocks of their own after the others.
// Every list of objects is written in this order, so that the figure read
// back writes the same lists again.
std::vector<int> ordreDeRelecture(const TfigureKalmetra& f) {
    std::vector<int> ordre;
    for (int i = kPremierUtilisateur; i <= f.nombreObjets; ++i)
        if (!regroupe(objet(f, i))) ordre.push_back(i);
    for (const uint8_t nature : {kNatureAffichage, kNatureCommande})
        for (int i = kPremierUtilisateur; i <= f.nombreObjets; ++i)
            if (regroupe(objet(f, i)) && objet(f, i).nature == nature) ordre.push_back(i);
    return ordre;
}

// The text being written and the writer's working parameter.
struct Ecriture {
    const TfigureKalmetra& f;
    std::string texte;
    std::string parametre;
    // The user objects in the order the text gives them back.
    std::vector<int> ordre = ordreDeRelecture(f);

    // The objects from debut (below the user objects: the built-in ones
    // first) in the order the text gives them back.
    std::vector<int> objets(int debut) const {
        std::vector<int> r;
        for (int i = debut; i < kPremierUtilisateur && i <= f.nombreObjets; ++i)
            r.push_back(i);
        for (const int i : ordre)
            if (i >= debut) r.push_back(i);
        return r;
    }

    void ajouteTexte(const std::string& t) { texte += t; }
    void ligneVide() { texte += kFinDeLigne; }
    void ajouteLigneDePhrase(uint16_t phrase) { texte += kFinDeLigne + phraseDeNumero(phrase); }
    void ajouteNomALaListe(const std::string& nom, const std::string& separateur = ", ") {
        if (!parametre.empty()) parametre += coupe(separateur, 10);
        parametre += coupe(nom, 80);
    }
    void ecritLigneDeParametre(uint16_t phrase) {
        texte += ligneRelisible(phrase, parametre, 0);
        parametre.clear();
    }
    void ligne(uint16_t phrase, const std::string& parametres, uint8_t indentation = 0) {
        texte += ligneRelisible(phrase, parametres, indentation);
    }
    // Names written in lines of at least 61 characters, the last excepted;
    // the lines after the first use phraseSuite.
    void listeEnMorceaux(const std::vector<std::string>& noms, uint16_t phrase, uint16_t phraseSuite) {
        parametre.clear();
        bool premiere = true;
        for (const std::string& nom : noms) {
            ajouteNomALaListe(nom);
            if (parametre.size() > 60) {
                ecritLigneDeParametre(premiere ? phrase : phraseSuite);
                premiere = false;
            }
        }
        if (!parametre.empty()) ecritLigneDeParametre(premiere ? phrase : phraseSuite);
    }
    // A list that grows with the figure, in one line while it is short, else
    // in lines of the same phrase that each begin with avant and, but the
    // last, end with suite: their readers take the lines one after another.
    void listeLongue(const std::vector<std::string>& elements, uint16_t phrase, const std::string& avant,
                     const std::string& separateur, uint8_t indentation = 0, const std::string& suite = {}) {
        std::vector<std::string> morceaux{std::string()};
        std::string tout;
        for (const std::string& e : elements) {
            tout += (tout.empty() ? "" : separateur) + e;
            if (morceaux.back().size() > 60) morceaux.emplace_back();
            morceaux.back() += (morceaux.back().empty() ? "" : separateur) + e;
        }
        if (tout.size() <= kListeEnUneLigne) morceaux = {tout};
        for (std::size_t k = 0; k < morceaux.size(); ++k)
            ligne(phrase, avant + morceaux[k] + (k + 1 < morceaux.size() ? suite : std::string()),
                  indentation);
    }
    // Longest list kept in one line: with the longest phrase and name around
    // it the line stays within the reader's 250 characters.
    static constexpr std::size_t kListeEnUneLigne = 180;
};

template <typename Condition> bool unObjetDe(const TfigureKalmetra& f, int debut, Condition c) {
    for (int i = debut; i <= f.nombreObjets; ++i)
        if (c(objet(f, i), i)) return true;
    return false;
}

// The names (in notation) of the objects from debut that fulfil c, in the
// order the text gives them back.
template <typename Condition>
std::vector<std::string> nomsNotation(const Ecriture& e, int debut, Condition c) {
    std::vector<std::string> noms;
    for (const int i : e.objets(debut))
        if (c(objet(e.f, i), i)) noms.push_back(nomObjetNotation(e.f, i));
    return noms;
}

bool estProtegeSimple(const TObjetFigure& o) {
    return estProtege(o) && !protegeSaufRedefinition(o) && !protegeARappelLimite(o);
}

// A plane kept as three object bytes: the first object's name when the
// second byte is 0, else the three names glued.
std::string nomPlanEnregistre(const TfigureKalmetra& f, const TplanEnregistre& plan) {
    if (plan.objets[1] == 0) return nomObjet(f, plan.objets[0]);
    return nomObjet(f, plan.objets[0]) + nomObjet(f, plan.objets[1]) + nomObjet(f, plan.objets[2]);
}

void ecritEntete(Ecriture& e) {
    const uint16_t langue = TQTableDesVariablesPartagees()->langueAppliquee;
    const uint16_t entete = langue == kLangueAnglaise ? 2255 : langue == kLangueAllemande ? 2256 : 2254;
    e.ajouteTexte(phraseDeNumero(entete));
    e.ligne(2207, texteDeReel(e.f.versionTexte));
    e.ligneVide();
}

// Built-in objects keep their meaning under a new name: one rename line,
// from the names of a new figure to the present ones, before any line that
// names them. Thirteen names of at most 10 characters fit in one line.
void ecritRenommagesIntegres(Ecriture& e) {
    std::string anciens, nouveaux;
    for (int i = 1; i <= kObjetsPredefinis; ++i) {
        const std::string nom = nomObjet(e.f, i);
        const std::string defaut = nomObjetIntegreParDefaut(i);
        if (nom == defaut || nom.empty()) continue;
        // A vector is named in a list as vec(i); the new name is bare, as
        // the rename stores it.
        const std::string ancien =
            e.f.objets[std::size_t(i)].nature == kNatureVecteur ? "vec(" + defaut + ")" : defaut;
        anciens += (anciens.empty() ? "" : " ") + ancien;
        nouveaux += (nouveaux.empty() ? "" : " ") + coupe(nom, 10);
    }
    if (!anciens.empty()) e.ligne(2276, anciens + ";" + nouveaux);
}

void ecritVue(Ecriture& e) {
    const TfigureKalmetra& f = e.f;
    e.ligne(2205, texteDeReel(f.uniteSurPetiteDimension));
    e.ajouteTexte(ecritLigneRotations(f));
    if (std::fabs(f.fractionsCentre[0] - 0.5) > 0.01 || std::fabs(f.fractionsCentre[1] - 0.5) > 0.01)
        e.ajouteTexte(ecritLignePosition(f));
    if (f.projectionOblique) e.ajouteLigneDePhrase(2238);
    if (std::fabs(f.parametresOblique[0] + 0.3) > 0.001 || std::fabs(f.parametresOblique[1] + 0.3) > 0.001)
        e.ajouteTexte(ecritLigneProjection(f));
    if (estDessine(objet(f, 1).style)) e.ajouteLigneDePhrase(2233);
    for (int i = 7; i <= 10; ++i)
        e.ajouteTexte(ecritLigneStyleObjet(f, i));
}

bool regroupe(const TObjetFigure& o) {
    return etatEcritureFigure().textesEtTouchesRegroupes &&
           (o.nature == kNatureAffichage || o.nature == kNatureCommande);
}

void ecritObjets(Ecriture& e) {
    const TfigureKalmetra& f = e.f;
    if (f.nombreObjets > kObjetsPredefinis) e.ligneVide();
    TEnsembleObjets differes;
    for (int i = kPremierUtilisateur; i <= f.nombreObjets; ++i) {
        const TObjetFigure& o = objet(f, i);
        if (regroupe(o)) continue;
        e.ajouteTexte(definitionObjetEnTexte(f, i));
        if (estObjetLibre(o)) {
            e.ajouteTexte(ecritLigneObjetLibre(f, i));
            e.ajouteTexte(ecritLignePasClavier(f, i));
        }
        if (estObjetDessinable(o)) {
            const bool apres = i < o.sourcesCouleur[0] || i < o.sourcesCouleur[1] || i < o.sourcesCouleur[2];
            if (apres)
                differes.set(std::size_t(i));
            else
                e.ajouteTexte(ecritLigneStyleObjet(f, i));
        }
        if (o.codeConstruction == 128)
            for (const std::string& l : ecritLignesValeursFonction(f, i))
                e.ajouteTexte(l);
    }
    for (int i = kPremierUtilisateur; i <= f.nombreObjets; ++i)
        if (differes.test(std::size_t(i))) e.ajouteTexte(ecritLigneStyleObjet(f, i));
}

void ecritAffichagesEtTouches(Ecriture& e) {
    const TfigureKalmetra& f = e.f;
    const bool regroupes = etatEcritureFigure().textesEtTouchesRegroupes;
    const bool aDesTextes = unObjetDe(
        f, kPremierUtilisateur, [](const TObjetFigure& o, int) { return o.nature == kNatureAffichage; });
    if (f.hauteurZoneAffichages > 0) {
        e.ligneVide();
        e.ligne(2210, texteDeReel(f.hauteurZoneAffichages));
        for (int i = kPremierUtilisateur; i <= f.nombreObjets; ++i) {
            if (objet(f, i).nature != kNatureAffichage) continue;
            if (regroupes) {
                e.ajouteTexte(definitionObjetEnTexte(f, i));
                e.ajouteTexte(ecritLigneStyleObjet(f, i));
            }
            e.ligne(2222,
                    coupe(nomObjet(f, i), 80) + ";" + texteDeReel(valeurDepuisZero(f, i, 0)) + ";" +
                        texteDeReel(valeurDepuisZero(f, i, 1)),
                    3);
        }
    } else if (regroupes && aDesTextes) {
        // Text objects without a display zone are still written: leaving
        // them out would lose them.
        e.ligneVide();
        for (int i = kPremierUtilisateur; i <= f.nombreObjets; ++i) {
            if (objet(f, i).nature != kNatureAffichage) continue;
            e.ajouteTexte(definitionObjetEnTexte(f, i));
            e.ajouteTexte(ecritLigneStyleObjet(f, i));
        }
    }
    if (unObjetDe(f, kPremierUtilisateur,
                  [](const TObjetFigure& o, int) { return o.nature == kNatureCommande; })) {
        e.ligneVide();
        for (int i = kPremierUtilisateur; i <= f.nombreObjets; ++i) {
            const TObjetFigure& o = objet(f, i);
            if (o.nature != kNatureCommande) continue;
            if (regroupes) e.ajouteTexte(definitionObjetEnTexte(f, i));
            if (o.codeConstruction == 66 || o.codeConstruction == 149) {
                std::vector<std::string> valeurs;
                for (int k = 0; k < o.nombreValeurs; ++k)
                    valeurs.push_back(texteDeReel(valeurDepuisZero(f, i, k)));
                e.listeLongue(valeurs, 2223, coupe(nomObjet(f, i), 80) + ";", " ", 3,
                              " " + std::string(kSuiteDeListe));
            }
        }
    }
}

void ecritListesDObjets(Ecriture& e) {
    const TfigureKalmetra& f = e.f;
    const auto noms = [&](auto condition) {
        std::vector<std::string> r;
        for (const int i : e.ordre)
            if (condition(objet(f, i))) r.push_back(nomObjet(f, i));
        return r;
    };
    const auto enBoucle =
        noms([](const TObjetFigure& o) { return estVariableLibre(o) && pilotageEnBoucle(o); });
    if (!enBoucle.empty()) {
        e.ligneVide();
        e.listeEnMorceaux(enBoucle, 2217, 2217);
    }
    const auto bloques =
        noms([](const TObjetFigure& o) { return estObjetLibre(o) && estObjetLibreBloque(o); });
    if (!bloques.empty()) {
        e.ligneVide();
        e.listeEnMorceaux(bloques, 2211, 2211);
    }
    if (f.objetLibreActif != 0) {
        e.ligneVide();
        e.ligne(2209, coupe(nomObjet(f, f.objetLibreActif), 80));
    }
    if (f.ensembleTrace.any()) {
        const auto traces = nomsNotation(e, kPremierUtilisateur, [&](const TObjetFigure&, int i) {
            return f.ensembleTrace.test(std::size_t(i));
        });
        if (!traces.empty()) {
            e.ligneVide();
            e.listeEnMorceaux(traces, 2247, 2249);
        }
    }
    const bool limites = unObjetDe(
        f, 4, [](const TObjetFigure& o, int) { return estObjetDessinable(o) && o.objetLimite != 0; });
    if (limites) {
        e.ligneVide();
        for (const int i : e.ordre) {
            // Every convex the limiting line reads, a net of a polyhedron too.
            if (!estConstructionConvexe(objet(f, i).codeConstruction)) continue;
            const auto limites = nomsNotation(e, 4, [i](const TObjetFigure& o, int) {
                return estObjetDessinable(o) && o.objetLimite == i;
            });
            if (!limites.empty()) e.listeLongue(limites, 2216, coupe(nomObjet(f, i), 80) + ";", ", ");
        }
    }
}

void ecritReglages(Ecriture& e) {
    const TfigureKalmetra& f = e.f;
    if (const std::string l = ecritLigneDoubleCadre(f); !l.empty()) {
        e.ligneVide();
        e.ajouteTexte(l);
    }
    if (f.valeurImpression > 0) {
        e.ligneVide();
        e.ajouteTexte(ecritLigneImpression(f));
    }
    if (f.valeurCopie > 0) {
        e.ligneVide();
        e.ajouteTexte(ecritLigneCopieAjustee(f));
    }
    if (f.repereParDefaut > kObjetsPredefinis) {
        e.ligneVide();
        e.ligne(2214, coupe(nomObjet(f, f.repereParDefaut), 80));
    }
    if (f.uniteLongueurParDefaut > kObjetsPredefinis) {
        e.ligneVide();
        e.ligne(2215, coupe(nomObjet(f, f.uniteLongueurParDefaut), 80));
    }
    if (f.anglesEnDegresParDefaut) {
        e.ligneVide();
        e.ajouteLigneDePhrase(2228);
    }
    if (f.pasClavier != 5) {
        e.ligneVide();
        e.ajouteTexte(ecritLignePasDeRotation(f));
    }

    const auto liste = [&](int debut, auto condition, uint16_t phrase) {
        const auto noms = nomsNotation(e, debut, [&](const TObjetFigure& o, int) { return condition(o); });
        if (noms.empty()) return;
        e.ligneVide();
        e.listeEnMorceaux(noms, phrase, phrase);
    };
    liste(kPremierUtilisateur, estProtegeSimple, 2213);
    liste(
        kPremierUtilisateur, [](const TObjetFigure& o) { return protegeARappelLimite(o); }, 2258);
    liste(
        kPremierUtilisateur, [](const TObjetFigure& o) { return protegeSaufRedefinition(o); }, 2257);
    liste(
        1, [](const TObjetFigure& o) { return accesInterdit(o); }, 2212);

    if (f.reglageNonValidesEcrit) e.ajouteLigneDePhrase(f.defautObjetsNonValides ? 2262 : 2261);
    if (f.importationActive) e.ajouteLigneDePhrase(2248);
    if (f.importationRotations) e.ajouteLigneDePhrase(2307);
    if (f.exportationRotations) e.ajouteLigneDePhrase(2309);
    if (!f.exportationPermise) e.ajouteLigneDePhrase(2259);
    if (f.filDeFer) e.ajouteLigneDePhrase(2230);
    if (f.partiesCacheesPointillees) e.ajouteLigneDePhrase(2231);
    if (!f.nomsPointsAffiches) e.ajouteLigneDePhrase(2221);

    const TplanEnregistre& face = f.plansEnregistres[kPlanDeFace];
    if (face.objets[0] != 0) {
        e.ligneVide();
        e.ligne(2240, nomPlanEnregistre(f, face) + ";" + texteDeReel(f.entiersVue[0]));
    }
    const TplanEnregistre& isole = f.plansEnregistres[kPlanIsole];
    if (f.reglagePlanIsole) {
        e.ligneVide();
        e.ligne(2242, nomPlanEnregistre(f, isole));
    } else if (isole.objets[0] != 0) {
        e.ligneVide();
        e.ligne(2241, nomPlanEnregistre(f, isole));
    }
    if (f.planDeFaceMaintenu) e.ajouteLigneDePhrase(2243);
    if (f.cadrageInterdit) e.ajouteLigneDePhrase(2229);
    if (!f.changementVuePermis) e.ajouteLigneDePhrase(2246);
    if (f.intervalleHorloge != 100) {
        e.ligneVide();
        e.ligne(2227, texteDeReel(f.intervalleHorloge));
    }
    if (f.drapeauCouleurFond) {
        e.ligneVide();
        e.ligne(2270, texteCouleurRVB(f.reglageCouleurFond));
    }
}

void ecritPointsEtEtiquettes(Ecriture& e) {
    const TfigureKalmetra& f = e.f;
    bool premiere = true;
    for (const int i : e.ordre) {
        const TObjetFigure& o = objet(f, i);
        if (o.codeConstruction != 132 || o.pointColle == 0) continue;
        if (premiere) e.ligneVide();
        premiere = false;
        e.ligne(2260, coupe(nomObjet(f, i), 80) + ";" + coupe(nomObjet(f, o.pointColle), 80));
    }
    premiere = true;
    for (const int i : e.ordre) {
        const TObjetFigure& o = objet(f, i);
        if (o.nature != kNaturePoint) continue;
        const std::string etiquette = texteEtiquetteObjet(f, i);
        if (etiquette.empty()) continue;
        if (premiere) e.ligneVide();
        premiere = false;
        // The label is the rest of the line: a "ÿ" in it stays itself.
        const std::string nom = nomObjet(f, i);
        const std::string parametres = coupe(nom + ";" + etiquette, 161);
        e.ajouteTexte(demasqueOctets255(ligneRelisible(
            avecMarquesNumeriques(o.style) ? 2002 : 2001,
            nom + ";" + masqueOctets255(std::string_view(parametres).substr(nom.size() + 1)), 0)));
    }
    const std::vector<std::string> options = ecritLignesOptionsInterdites(f);
    if (!options.empty()) e.ligneVide();
    for (const std::string& l : options)
        e.ajouteTexte(l);
}

void ecritFin(Ecriture& e) {
    const TfigureKalmetra& f = e.f;
    if (f.grosCaracteres) e.ajouteLigneDePhrase(2263);
    if (f.lignesDifferees) {
        std::size_t p = 0;
        for (;;) {
            const std::string l = ligneSupplementaireSuivante(*f.lignesDifferees, p);
            if (l.empty()) break;
            e.ajouteTexte(kFinDeLigne + l);
        }
    }
    e.ligneVide();
    if (f.texteCommentaire) {
        e.ajouteLigneDePhrase(2251);
        e.ajouteTexte(kFinDeLigne + *f.texteCommentaire);
    }
    e.ajouteLigneDePhrase(2245);
}

} // namespace

EtatEcritureFigure& etatEcritureFigure() {
    static EtatEcritureFigure e;
    return e;
}

void reinitialiseEcritureFigure() {
    etatEcritureFigure() = EtatEcritureFigure{};
}

namespace {

// Phrases taken from another language for the time of a measure (only the
// language word of the shared table changes: no pattern table is rebuilt).
class LangueProvisoire {
  public:
    explicit LangueProvisoire(uint16_t langue) : ancienne_(TQTableDesVariablesPartagees()->langueAppliquee) {
        TQTableDesVariablesPartagees()->langueAppliquee = langue;
    }
    ~LangueProvisoire() { TQTableDesVariablesPartagees()->langueAppliquee = ancienne_; }
    LangueProvisoire(const LangueProvisoire&) = delete;
    LangueProvisoire& operator=(const LangueProvisoire&) = delete;

  private:
    uint16_t ancienne_;
};

} // namespace

std::size_t longueurLignesObjet(const TfigureKalmetra& f, int i) {
    std::size_t n = i > kObjetsPredefinis ? longueurDefinitionObjet(f, i) : 0;
    const auto ligne = [&n](const std::string& l) {
        if (l.size() > 2) n = std::max(n, l.size() - 2);
    };
    const TObjetFigure& o = objet(f, i);
    if (i > kObjetsPredefinis && estObjetLibre(o)) {
        ligne(ecritLigneObjetLibre(f, i));
        ligne(ecritLignePasClavier(f, i));
    }
    if (estObjetDessinable(o)) ligne(ecritLigneStyleObjet(f, i));
    return n;
}

bool lignesObjetRelisibles(const TfigureKalmetra& f, int i) {
    // Measured as written, coded form included: a line that the writer
    // codes in a language is read back in it.
    const std::size_t ici = longueurLignesObjet(f, i);
    if (ici > kLongueurMaxLigneLue) return false;
    // The patterns and keywords of the three languages differ by at most 30
    // characters, and a coded line is the same in all: a short line fits in
    // every language.
    if (ici + 120 <= kLongueurMaxLigneLue) return true;
    for (const uint16_t autre : {kLangueFrancaise, kLangueAnglaise, kLangueAllemande}) {
        if (autre == TQTableDesVariablesPartagees()->langueAppliquee) continue;
        LangueProvisoire garde(autre);
        if (longueurLignesObjet(f, i) > kLongueurMaxLigneLue) return false;
    }
    return true;
}

int objetAuxLignesIllisibles(const TfigureKalmetra& f) {
    for (int i = kObjetsPredefinis + 1; i <= f.nombreObjets; ++i)
        if (longueurLignesObjet(f, i) > kLongueurMaxLigneLue) return i;
    return 0;
}

std::string ligneSupplementaireSuivante(std::string_view t, std::size_t& p) {
    while (p < t.size() && (t[p] == ' ' || t[p] == '\t' || t[p] == '\r' || t[p] == '\n'))
        ++p;
    if (p >= t.size() || t[p] == '\0') return {};
    std::string l = resteDeLaLigne(t, p);
    while (!l.empty() && l.back() == ' ')
        l.pop_back();
    l = coupe(l, 255);
    const std::string code = ";\\;";
    if (l.compare(0, code.size(), code) != 0) return l;
    std::size_t q = code.size();
    std::string chiffres;
    while (q < l.size() && chiffres.size() < 10 && l[q] >= '0' && l[q] <= '9')
        chiffres += l[q++];
    const long numero = chiffres.empty() ? 0 : std::stol(chiffres);
    const uint16_t phrase = uint16_t(numero < 0 || numero > 65535 ? 0 : numero);
    std::string parametres;
    bool premier = true;
    for (std::size_t a = l.find(code, q); a != std::string::npos;) {
        const std::size_t debut = a + code.size();
        const std::size_t suivant = l.find(code, debut);
        parametres += (premier ? "" : ";") +
                      l.substr(debut, suivant == std::string::npos ? std::string::npos : suivant - debut);
        premier = false;
        a = suivant;
    }
    if (parametres.empty()) return phraseDeNumero(phrase);
    // A start line whose list of commands fits in the language it was read
    // in may not fit in the applied one ("Start with ... of the command(s)"
    // is longer than the French phrase): it is then written coded, as it is
    // stored, which every language reads and which is shorter than the line
    // it was read from. Splitting it would change what it does (n times the
    // whole list is not n times each part).
    const std::string ligne = ligneRelisible(phrase, parametres, 0);
    return estFormeCodee(ligne) ? kFinDeLigne + l : ligne;
}

std::string ecritTexteFigure(const TfigureKalmetra& f) {
    Ecriture e{f, {}, {}};
    ecritEntete(e);
    ecritTousLesPrototypes(f, e.texte);
    ecritRenommagesIntegres(e);
    ecritVue(e);
    ecritObjets(e);
    ecritAffichagesEtTouches(e);
    ecritListesDObjets(e);
    ecritReglages(e);
    ecritPointsEtEtiquettes(e);
    ecritFin(e);
    return e.texte;
}

} // namespace km32
