#include "text/executeur_construction.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string>

#include "base/texte.h"
#include "model/catalogue.h"
#include "model/expression_erreurs.h"
#include "model/objets_figure.h"
#include "model/operations.h"
#include "model/procedures_texte.h"
#include "model/prototypes/operandes_donnes.h"
#include "model/style.h"
#include "platform/hasard.h"
#include "text/equation_plan_analyse.h"
#include "text/etapes_construction.h"
#include "text/lignes_commandes.h"
#include "text/ligne_creation.h"
#include "text/listes_points.h"
#include "text/noms_objets.h"
#include "text/operandes_expressions.h"
#include "text/operandes_objets.h"
#include "text/rangement_lignes.h"

namespace km32 {

namespace {

using namespace construction;

// The line being run with the shorthands its scripts use.
struct Script {
    TfigureKalmetra& f;
    TLigneAnalysee& L;
    bool finCommune = true; // false: return without the common end

    void e(Etape s, uint8_t a = 0, uint8_t b = 0, uint8_t c = 0) {
        etapeDeConstruction(f, L, uint8_t(s), a, b, c);
    }
    // The naming step of the new object, whose number is its kind.
    void nomme(uint8_t nature) { etapeDeConstruction(f, L, nature); }
    void unite() {
        e(Etape::UniteDeLongueur);
        if (L.erreur < kPasDeCetteForme) L.uniteDonnee = 1;
    }
    void angle() { e(Etape::UniteAngle); }
    void touche() { e(Etape::Touche); }
    bool ok() const { return L.erreur < kPasDeCetteForme; }
    double& v(int k) { return valeurLigne(L, k); }
    uint8_t op(int k) { return parentLigne(L, k); }
    static double R() { return platform::reelAuHasard(); }
    double paire0() const { return etatExecuteur().paireHasard[0]; }
    bool analyse() const { return L.modeLecture == 0; }
    void ins(const std::string& t) { L.arguments = t + L.arguments; }
    static void nc() { --etatExecuteur().argumentCourant; }
    void degres() { changeDrapeauObjet(L.nouvelObjet, kDrapeauAngleEnDegres, true); }
    void signale(uint16_t erreur, uint8_t argument) { signaleErreurArgument(L, erreur, argument); }
    // A check on value k that expression slot x gave: only while the line
    // is not refused and the slot is constant.
    bool verifiable(int x) { return ok() && expressionLigne(L, x).drapeauConstante; }
    void entierDans(int x, int k, double bas, double haut, uint16_t erreur, uint8_t argument) {
        if (!verifiable(x)) return;
        const double w = v(k);
        if (w != std::floor(w) || w < bas || w > haut) signale(erreur, argument);
    }
    // Reads the next argument itself (list readers that take the whole
    // argument), then follows the dialog's numbering as a step does.
    std::string argumentSuivant() {
        std::string a;
        coupeAuSeparateur(L.arguments, 255, a);
        return a;
    }
    void finLecture() {
        EtatExecuteur& x = etatExecuteur();
        if (estRefus(L.erreur))
            x.argumentEnErreur = x.argumentCourant;
        else
            ++x.argumentCourant;
    }
    void valeursDeTransformation(double diagonale) {
        v(2) = v(7) = v(12) = diagonale;
        for (int k : {3, 4, 6, 8, 10, 11})
            v(k) = 0;
    }
};

double arrondi(double x) {
    return std::nearbyint(x); // ties to even
}

using FonctionScript = void (*)(Script&);

void pointsSommets(Script& s, bool polyedre) {
    TListePoints points{};
    uint8_t nombre = 0;
    const std::string a = s.argumentSuivant();
    if (polyedre)
        litSommetsPolyedre(s.f, a, s.L.modeLecture, nombre, points, s.L.erreur);
    else
        litSommetsPolygone(s.f, a, s.L.modeLecture, nombre, points, s.L.erreur);
    s.L.nombreParents = 0;
    for (int k = 1; k <= nombre; ++k)
        ajouteParentLigne(s.L, points[std::size_t(k)]);
    s.finLecture();
}

void pointsEtSolides(Script& s, bool polygone) {
    const std::string a = s.argumentSuivant();
    litPointsEtSolides(s.f, a, polygone, s.L.modeLecture, s.L.nombreParents, s.L.parents, s.L.erreur);
    s.finLecture();
}

void pairesDePoints(Script& s) {
    TListePoints points{};
    uint8_t paires = 0;
    const std::string a = s.argumentSuivant();
    litPairesDePoints(s.f, uint8_t(s.L.codeConstruction), a, s.L.modeLecture, paires, points, s.L.erreur);
    for (int k = 1; k <= 2 * paires && k <= kMaxListePoints; ++k)
        parentLigne(s.L, k) = points[std::size_t(k)];
    s.L.nombreParents = paires;
    s.finLecture();
}

// Memorised positions (kTouchePositionMemorisee): the current values of the
// free objects listed.
void affectationsMemorisees(Script& s) {
    s.e(Etape::ListeObjets);
    s.L.nouvelObjet.nombreValeurs = 0;
    for (int k = 1; k <= s.L.nombreParents && s.ok(); ++k) {
        const int o = s.op(k);
        // The values that hold the object's free parameters. The point with
        // an integer abscissa on a line is the one free object whose
        // position the command does not take.
        const uint8_t code = objet(s.f, o).codeConstruction;
        const TplaceValeursLibres place = placeValeursLibres(code);
        if (place.nombre == 0 || code == kPointLibreAbscisseEntiere) {
            nomErreur1() = nomObjetOuVecteur(s.f, o);
            s.signale(kErreurPasLibre, 1);
            return;
        }
        for (int j = 0; j < place.nombre; ++j) {
            const int r = place.decalages[j];
            if (s.L.nouvelObjet.nombreValeurs >= kMaxValeursLigne) {
                s.signale(kErreurStructureSaturee, 1);
                return;
            }
            s.v(++s.L.nouvelObjet.nombreValeurs) = valeurDepuisZero(s.f, o, r);
        }
    }
}

// Random assignment (kToucheAffectationAleatoire): free objects that can
// take a random value.
void affectationsAleatoires(Script& s) {
    s.e(Etape::ListeObjetsLibres);
    if (s.L.erreur != 0) return;
    for (int k = 1; k <= s.L.nombreParents; ++k) {
        const TObjetFigure& o = objet(s.f, s.op(k));
        const bool accepte = estObjetLibre(o) && estLibreTirableAuHasard(o.codeConstruction);
        if (!accepte) {
            nomErreur1() = nomObjet(s.f, s.op(k));
            s.signale(kErreurAffectationAleatoire, 1);
            return;
        }
    }
}

// Iteration (kToucheIteration): objects to reproduce, objects to replace, their replacements.
void creationIterative(Script& s) {
    TLigneAnalysee& L = s.L;
    auto refuse = [&](uint16_t erreur, uint8_t argument) {
        s.signale(erreur, argument);
        s.finCommune = false;
    };
    s.e(Etape::ListeObjets);
    if (estRefus(L.erreur)) {
        s.finCommune = false;
        return;
    }
    const int n = L.nombreParents;
    TEnsembleObjets reproduits;
    for (int k = 1; k <= n; ++k) {
        const uint8_t nature = objet(s.f, s.op(k)).nature;
        if (nature == kNatureAffichage || nature == kNatureCommande)
            return refuse(kErreurNonReproductible, 1);
        reproduits.set(s.op(k));
    }
    L.nouvelObjet.premierEchantillon = uint16_t(n);
    s.e(Etape::ListeObjetsAjoutee);
    if (estRefus(L.erreur)) {
        s.finCommune = false;
        return;
    }
    const int m = L.nombreParents - n;
    TEnsembleObjets remplaces;
    for (int k = n + 1; k <= n + m; ++k) {
        if (reproduits.test(s.op(k))) {
            nomErreur1() = nomObjetNotation(s.f, s.op(k));
            return refuse(kErreurReproduitEtRemplace, 2);
        }
        remplaces.set(s.op(k));
    }
    TEnsembleObjets antecedentsReproduits;
    for (int k = 1; k <= n; ++k) {
        const TEnsembleObjets a = ensembleDesAntecedents(s.f, s.op(k));
        antecedentsReproduits |= a;
        if ((a & (reproduits | remplaces)).none()) {
            nomErreur1() = nomObjetNotation(s.f, s.op(k));
            return refuse(kErreurNonUtiliseReproduit, 1);
        }
    }
    for (int k = n + 1; k <= n + m; ++k)
        if (!antecedentsReproduits.test(s.op(k))) {
            nomErreur1() = nomObjetNotation(s.f, s.op(k));
            return refuse(kErreurRemplaceInutilise, 2);
        }
    s.e(Etape::ListeObjetsAjoutee);
    if (estRefus(L.erreur)) {
        s.finCommune = false;
        return;
    }
    const int r = L.nombreParents - n - m;
    if (m == 0 || r == 0 || m != r) return refuse(kErreurListesInegales, 3);
    for (int j = 1; j <= r; ++j) {
        const int remplacant = s.op(n + m + j), remplace = s.op(n + j);
        const uint8_t a = objet(s.f, remplacant).nature, b = objet(s.f, remplace).nature;
        if (!natureCompatible(a, b)) {
            nomErreur1() = nomObjet(s.f, remplacant);
            ajouteNatureEntreParentheses(nomErreur1(), 255, a);
            nomErreur2() = nomObjet(s.f, remplace);
            ajouteNatureEntreParentheses(nomErreur2(), 255, b);
            return refuse(kErreurRemplacement, 2);
        }
    }
    for (int j = 1; j <= r; ++j)
        if (!reproduits.test(s.op(n + m + j))) return refuse(kErreurRemplacantsHorsListe, 3);
    s.touche();
}

// Sequences (kSuite, kSuitePremierTerme, kSuitePremiersTermes): the indices, the first terms, then the
// definition.
void suite(Script& s, int code) {
    s.e(Etape::Expression, 1, 1);
    s.entierDans(1, 1, 0, 30000, kErreurIndicesSuite, 1);
    if (code != kSuite) s.e(Etape::Expression, 3, 6);
    if (code == kSuitePremiersTermes) s.e(Etape::Expression, 4, 7);
    analyseDefinitionDeSuite(s.f, s.L);
    // A sequence line read back takes its name as its last argument: a unit
    // written after it would not read, so a sequence that needs one is refused.
    if (s.ok() && s.L.besoinUnite) s.signale(kErreurSuiteAvecLongueur, 1);
}

// The rule of graphs and loci of two pilots on their two numbers of points.
void produitDePoints(Script& s, uint8_t argument) {
    if (s.verifiable(1) && s.verifiable(2)) {
        const double p = s.v(1) * s.v(2);
        if (p > 10000 || p == 1) s.signale(kErreurNombrePoints, argument);
    }
}

// The count of samples of curves and loci: their number of points.
void echantillonsDeCourbe(Script& s, int x) {
    s.L.nouvelObjet.nombreEchantillons =
        s.ok() && expressionLigne(s.L, x).drapeauConstante ? uint16_t(s.v(1)) : uint16_t(1000);
}

struct TableScripts {
    std::array<FonctionScript, 256> scripts{};
    std::array<GenreScript, 256> genres{};
};

const TableScripts& tableScripts() {
    static const TableScripts t = [] {
        TableScripts x;
        auto script = [&](std::initializer_list<int> codes, FonctionScript fs,
                          GenreScript g = GenreScript::Script) {
            for (int c : codes) {
                x.scripts[std::size_t(c)] = fs;
                x.genres[std::size_t(c)] = g;
            }
        };
        // Free objects: random starting values, the default keyboard step inserted.
        script({kPointLibreAbscisseEntiere}, [](Script& s) {
            s.e(Etape::DroiteMunieDUnRepere, 1, 2);
            s.v(4) = arrondi(3 * Script::R() - 3);
            if (s.ok()) s.nc(), s.ins("1;"), s.e(Etape::Expression, 1, 5);
        });
        script({kPointLibreCoordonneesEntieres}, [](Script& s) {
            s.e(Etape::Repere, 1);
            for (int k = 4; k <= 6; ++k)
                s.v(k) = arrondi(6 * Script::R() - 3);
            if (s.ok()) s.nc(), s.ins("1;"), s.e(Etape::Expression, 1, 7);
        });
        script({kPointLibreSurSegment}, [](Script& s) {
            s.e(Etape::SegmentNonDegenere, 1, 2);
            s.v(4) = Script::R();
            if (s.ok()) s.nc(), s.ins("0.01;"), s.e(Etape::Expression, 1, 5);
        });
        script({kPointLibreSurDemiDroite}, [](Script& s) {
            s.e(Etape::Axe, 1, 2);
            s.v(4) = Script::R();
            if (s.ok()) s.nc(), s.ins("0.1;"), s.e(Etape::Expression, 1, 5);
        });
        script({kPointLibreSurDroite}, [](Script& s) {
            s.e(Etape::Droite, 1, 2);
            s.v(4) = Script::R();
            if (s.ok()) s.nc(), s.ins("0.1;"), s.e(Etape::Expression, 1, 5);
        });
        script({kPointLibreSurCercle}, [](Script& s) {
            s.e(Etape::Cercle, 1);
            if (s.ok()) s.nc(), s.ins("0.01;"), s.e(Etape::Expression, 1, 5), s.degres();
            s.v(4) = (2 * Script::R() - 1) * kPi;
        });
        script({kPointLibreSurArc}, [](Script& s) {
            s.e(Etape::ArcDeCercle, 1);
            s.v(4) = Script::R();
            if (s.ok()) s.nc(), s.ins("0.01;"), s.e(Etape::Expression, 1, 5), s.degres();
        });
        script({kEntierLibreIntervalle}, [](Script& s) {
            s.e(Etape::Intervalle, 1, 2);
            if (s.ok()) s.nc(), s.ins("1;"), s.e(Etape::Expression, 3, 5);
            s.v(1) = 0;
            s.v(4) = s.analyse() ? s.paire0() : Script::R();
        });
        script({kReelLibreIntervalle}, [](Script& s) {
            s.e(Etape::Intervalle, 1, 2);
            if (s.ok()) s.nc(), s.ins("0.1;"), s.e(Etape::Expression, 3, 5);
            s.v(4) = s.analyse() ? s.paire0() : Script::R();
        });
        script({kReelLibre}, [](Script& s) {
            s.ins("0.1;"), s.e(Etape::Expression, 1, 2), s.nc();
            s.v(1) = s.analyse() ? s.paire0() : 5 * Script::R() - 5;
        });
        script({kEntierLibre}, [](Script& s) {
            s.ins("1;"), s.e(Etape::Expression, 1, 2), s.nc();
            s.v(1) = s.analyse() ? double(arrondiBorne(s.paire0())) : arrondi(10 * Script::R() - 5);
        });
        script({kPointLibreDansEspace},
               [](Script& s) { s.ins("0.1;"), s.e(Etape::Expression, 1, 4), s.nc(); });
        script({kPointLibreDansPlan}, [](Script& s) {
            s.e(Etape::Plan, 1);
            s.v(4) = Script::R();
            s.v(5) = Script::R();
            if (s.ok()) s.nc(), s.ins("0.1;"), s.e(Etape::Expression, 1, 6);
        });
        script({kPointLibreDansPolygone}, [](Script& s) {
            s.e(Etape::PolygoneConvexe, 1);
            if (s.ok()) s.nc(), s.ins("0.01;"), s.e(Etape::Expression, 1, 6);
            s.v(4) = 0.5 * Script::R();
            s.v(5) = 0.5 * Script::R();
        });
        script({kPointLibreSurSphere}, [](Script& s) {
            s.e(Etape::Sphere, 1);
            if (s.ok()) s.nc(), s.ins("1;"), s.e(Etape::Expression, 1, 6), s.degres();
            s.v(4) = (2 * Script::R() - 1) * 180;
            s.v(5) = (2 * Script::R() - 1) * 90;
        });

        // Objects built from other objects.
        script({kPointAbscisseDansRepere},
               [](Script& s) { s.e(Etape::DroiteMunieDUnRepere, 1, 2), s.e(Etape::Expression, 1, 4); });
        script({kPointSurDemiDroiteADistance},
               [](Script& s) { s.unite(), s.e(Etape::Axe, 1, 2), s.e(Etape::ExpressionDistance, 1, 4); });
        script({kIntersectionDroites}, [](Script& s) { s.e(Etape::Droite, 1, 2), s.e(Etape::Droite, 3, 4); });
        script({kIntersectionDroiteCercle},
               [](Script& s) { s.e(Etape::Droite, 1, 2), s.e(Etape::Cercle, 3); });
        script({kIntersectionDroiteCercleAutreQue},
               [](Script& s) { s.e(Etape::Droite, 1, 2), s.e(Etape::Cercle, 3), s.e(Etape::Point, 4); });
        script({kIntersectionCercles}, [](Script& s) { s.e(Etape::Cercle, 1), s.e(Etape::Cercle, 2); });
        script({kIntersectionCerclesAutreQue},
               [](Script& s) { s.e(Etape::Cercle, 1), s.e(Etape::Cercle, 2), s.e(Etape::Point, 3); });
        script({kMilieuSegment}, [](Script& s) { s.e(Etape::Segment, 1, 2); });
        script({kCentreDeGravite, kCentreCercleInscrit, kCentreCercleCirconscrit, kOrthocentre,
                kCercleCirconscrit, kCercleInscrit, kPlanNomme},
               [](Script& s) { s.e(Etape::TroisPointsNonAlignes, 1, 2, 3); });
        script({kCentreCercle}, [](Script& s) { s.e(Etape::Cercle, 1); });
        script({kBarycentre}, [](Script& s) { litPointsPonderes(s.f, s.L); });
        script({kImageParTranslation},
               [](Script& s) { s.e(Etape::ExpressionVecteur, 1, 4), s.e(Etape::Point, 1); });
        script({kImageParSymetrieAxiale, kProjeteSurDroite},
               [](Script& s) { s.e(Etape::Droite, 2, 3), s.e(Etape::Point, 1); });
        script({kImageParSymetrieCentrale}, [](Script& s) { s.e(Etape::Point, 2), s.e(Etape::Point, 1); });
        script({kImageParHomothetieRapport}, [](Script& s) {
            s.e(Etape::Point, 2), s.e(Etape::Expression, 1, 4);
            if (s.verifiable(1) && s.v(4) == 0) s.signale(kErreurRapportNul, 2);
            s.e(Etape::Point, 1);
        });
        script({kImageParHomothetieTransformant}, [](Script& s) {
            s.e(Etape::Point, 2), s.e(Etape::Point, 3), s.e(Etape::Point, 4);
            if (s.ok() && s.op(2) == s.op(3)) s.signale(kErreurAntecedentCentre, 2);
            if (s.ok() && s.op(2) == s.op(4)) s.signale(kErreurRapportNul, 3);
            s.e(Etape::Point, 1);
        });
        script({kImagePointParTransformation},
               [](Script& s) { s.e(Etape::Transformation, 2), s.e(Etape::Point, 1); });
        script({kDroite, kDemiDroite, kSegment}, pairesDePoints);
        script({kBissectrice}, [](Script& s) { s.e(Etape::Angle, 1, 2, 3); });
        script({kImageDroiteParTransformation},
               [](Script& s) { s.e(Etape::Droite, 1, 2), s.e(Etape::Transformation, 3); });
        script({kTranslation},
               [](Script& s) { s.e(Etape::ExpressionVecteur, 1), s.valeursDeTransformation(1); });
        script({kSymetrieAxiale}, [](Script& s) { s.e(Etape::Droite, 1, 2); });
        script({kSymetrieCentrale}, [](Script& s) { s.e(Etape::Point, 1), s.valeursDeTransformation(-1); });
        script({kHomothetieRapport}, [](Script& s) {
            s.e(Etape::Point, 1);
            for (int k : {3, 4, 6, 8, 10, 11})
                s.v(k) = 0;
            s.e(Etape::Expression, 1, 2);
            s.v(7) = s.v(12) = s.v(2);
            if (s.verifiable(1) && s.v(2) == 0) s.signale(kErreurRapportNul, 2);
        });
        script({kHomothetieTransformant}, [](Script& s) {
            s.e(Etape::Point, 1), s.e(Etape::Point, 2), s.e(Etape::Point, 3);
            for (int k : {3, 4, 6, 8, 10, 11})
                s.v(k) = 0;
            if (s.ok() && s.op(1) == s.op(2)) s.signale(kErreurAntecedentCentre, 2);
            if (s.ok() && s.op(1) == s.op(3)) s.signale(kErreurRapportNul, 3);
        });
        script({kComposee}, [](Script& s) { s.e(Etape::Transformation, 1), s.e(Etape::Transformation, 2); });
        script({kRayon}, [](Script& s) { s.unite(), s.e(Etape::Cercle, 1); });
        script({kAireTriangle}, [](Script& s) { s.unite(), s.e(Etape::TroisPointsNonAlignes, 1, 2, 3); });
        script({kDistancePointDroite},
               [](Script& s) { s.unite(), s.e(Etape::Point, 1), s.e(Etape::Droite, 2, 3); });
        script({kAbscisseDansRepere},
               [](Script& s) { s.e(Etape::Point, 1), s.e(Etape::DroiteMunieDUnRepere, 2, 3); });
        script({kMesureAngle}, [](Script& s) { s.angle(), s.e(Etape::Angle, 1, 2, 3); });
        script({kAbscisseVecteur, kOrdonneeVecteur, kCoteVecteur},
               [](Script& s) { s.e(Etape::Repere, 1), s.e(Etape::ExpressionVecteur, 1); });
        script({kReelEgal}, [](Script& s) { s.e(Etape::Expression, 1, 1); });
        script({kFonction},
               [](Script& s) { s.e(Etape::VariableMuette, 1), s.e(Etape::ExpressionFonction, 1, 1); });
        script({kRepere}, [](Script& s) {
            s.e(Etape::Point, 1), s.e(Etape::ExpressionVecteur, 1), s.e(Etape::ExpressionVecteur, 2),
                s.e(Etape::ExpressionVecteur, 3);
        });
        script({kUniteDeLongueur, kVecteurEgal}, [](Script& s) { s.e(Etape::ExpressionVecteur, 1); });
        script({kVecteurCoordonnees, kPointCoordonnees}, [](Script& s) {
            s.e(Etape::Repere, 1), s.e(Etape::Expression, 1, 4), s.e(Etape::Expression, 2, 5),
                s.e(Etape::Expression, 3, 6);
        });
        script({kDroiteMunieDuRepere}, [](Script& s) {
            s.e(Etape::Point, 1), s.e(Etape::ExpressionVecteur, 1), s.e(Etape::Expression, 2, 10),
                s.e(Etape::Intervalle, 3, 11);
        });
        script({kTranslationTransformant},
               [](Script& s) { s.e(Etape::Point, 1), s.e(Etape::Point, 2), s.valeursDeTransformation(1); });
        script({kImageParTranslationTransformant},
               [](Script& s) { s.e(Etape::Point, 2), s.e(Etape::Point, 3), s.e(Etape::Point, 1); });
        script({kDroiteNommee}, [](Script& s) { s.e(Etape::Droite, 1, 2); });
        script({kFonctionParValeurs}, [](Script& s) { s.e(Etape::AvecOuSans); });
        script({kIndicePremierTermeNul}, [](Script& s) { s.e(Etape::Suite, 1); });
        script({kDemiDroiteOriginePassantPar}, [](Script& s) { s.e(Etape::Point, 1), s.e(Etape::Point, 2); });
        script({kPointCoordonneesPlan}, [](Script& s) {
            s.e(Etape::PlanMuniDUnRepere, 1), s.e(Etape::Expression, 1, 4), s.e(Etape::Expression, 2, 5);
        });
        script({kPolygoneEnveloppe}, [](Script& s) { pointsEtSolides(s, true); });
        script({kImageParRotation}, [](Script& s) {
            s.angle(), s.e(Etape::DroiteMunieDUnRepere, 2, 3), s.e(Etape::Expression, 1, 4),
                s.e(Etape::Point, 1);
        });
        script({kSectionPolyedre}, [](Script& s) { s.e(Etape::PolyedreConvexe, 1), s.e(Etape::Plan, 2); });
        script({kImageParSymetriePlan, kProjeteSurPlan},
               [](Script& s) { s.e(Etape::Plan, 2), s.e(Etape::Point, 1); });
        script({kParallele, kPerpendiculaireDroite},
               [](Script& s) { s.e(Etape::Point, 3), s.e(Etape::Droite, 1, 2); });
        script({kPlanMediateur}, [](Script& s) { s.e(Etape::SegmentNonDegenere, 1, 2); });
        script({kDroiteVecteurDirecteur},
               [](Script& s) { s.e(Etape::Point, 1), s.e(Etape::ExpressionVecteur, 1); });
        script({kCercleCentreRayon}, [](Script& s) {
            s.unite(), s.e(Etape::Plan, 1), s.e(Etape::Point, 4), s.e(Etape::ExpressionDistance, 1, 11);
        });
        script({kCercleCentrePassantPar},
               [](Script& s) { s.e(Etape::Plan, 1), s.e(Etape::Point, 4), s.e(Etape::Point, 5); });
        script({kImagePolyedre},
               [](Script& s) { s.e(Etape::PolyedreConvexe, 1), s.e(Etape::Transformation, 2); });
        script({kCercleAxe}, [](Script& s) { s.e(Etape::Droite, 1, 2), s.e(Etape::Point, 3); });
        script({kArcDeCercle, kRotationPoints}, [](Script& s) {
            s.e(Etape::DroiteMunieDUnRepere, 1, 2), s.e(Etape::Point, 3), s.e(Etape::Point, 4);
        });
        script({kPolygoneConvexe}, [](Script& s) { pointsSommets(s, false); });
        script({kPolygoneRegulier}, [](Script& s) {
            s.e(Etape::Droite, 1, 2), s.e(Etape::Point, 3), s.e(Etape::Expression, 1, 1);
            s.entierDans(1, 1, 3, 40, kErreurNombreSommets, 3);
        });
        script({kPlanParallelePlan}, [](Script& s) { s.e(Etape::Point, 1), s.e(Etape::Plan, 2); });
        script({kPlanPerpendiculaireDroite},
               [](Script& s) { s.e(Etape::Point, 1), s.e(Etape::Droite, 2, 3); });
        script({kRotationAngle}, [](Script& s) {
            s.angle(), s.e(Etape::DroiteMunieDUnRepere, 1, 2), s.e(Etape::Expression, 1, 13);
        });
        script({kIntersectionDroitePlan}, [](Script& s) { s.e(Etape::Droite, 1, 2), s.e(Etape::Plan, 3); });
        script({kPerpendiculairePlan}, [](Script& s) { s.e(Etape::Point, 4), s.e(Etape::Plan, 1); });
        script({kVolume}, [](Script& s) { s.unite(), s.e(Etape::Solide, 1); });
        script({kDistancePointPlan}, [](Script& s) { s.unite(), s.e(Etape::Point, 1), s.e(Etape::Plan, 2); });
        script({kAireConvexe}, [](Script& s) { s.unite(), s.e(Etape::ObjetConvexe, 1); });
        script({kPlanMuniDuRepere}, [](Script& s) {
            s.e(Etape::Point, 1), s.e(Etape::ExpressionVecteur, 1), s.e(Etape::ExpressionVecteur, 2);
        });
        script({kAbscissePoint, kOrdonneePoint, kCotePoint},
               [](Script& s) { s.e(Etape::Repere, 1), s.e(Etape::Point, 2); });
        script({kSphere},
               [](Script& s) { s.unite(), s.e(Etape::Point, 1), s.e(Etape::ExpressionDistance, 1, 5); });
        script({kSectionSphere}, [](Script& s) { s.e(Etape::Sphere, 1), s.e(Etape::Plan, 2); });
        script({kIntersectionPolyedreDemiEspace},
               [](Script& s) { s.e(Etape::Plan, 1), s.e(Etape::Point, 4), s.e(Etape::PolyedreConvexe, 5); });
        script({kPatron}, [](Script& s) {
            s.e(Etape::PolyedreConvexe, 1), s.e(Etape::Expression, 1, 1);
            if (s.verifiable(1) && (s.v(1) < 0 || s.v(1) > 1)) s.signale(kErreurValeurIncorrecte, 2);
        });
        script({kIntersectionPolyedres},
               [](Script& s) { s.e(Etape::PolyedreConvexe, 1), s.e(Etape::PolyedreConvexe, 2); });
        script({kPolyedreConvexe}, [](Script& s) { pointsSommets(s, true); });
        script({kSegmentNomme}, [](Script& s) { s.e(Etape::DeuxPoints, 1, 2); });
        script({kIntersectionPlans}, [](Script& s) { s.e(Etape::Plan, 1), s.e(Etape::Plan, 4); });
        script({kSymetriePlan}, [](Script& s) { s.e(Etape::Plan, 1); });
        script({kCylindre}, [](Script& s) {
            s.unite(), s.e(Etape::SegmentNonDegenere, 1, 2), s.e(Etape::ExpressionDistance, 1, 1);
        });
        script({kPlanParalleleDroites},
               [](Script& s) { s.e(Etape::Point, 1), s.e(Etape::Droite, 2, 3), s.e(Etape::Droite, 4, 5); });
        script({kProjeteParallelement},
               [](Script& s) { s.e(Etape::Plan, 2), s.e(Etape::Droite, 5, 6), s.e(Etape::Point, 1); });
        script({kCone}, [](Script& s) {
            s.unite(), s.e(Etape::Point, 1), s.e(Etape::Point, 2), s.e(Etape::ExpressionDistance, 1, 1);
        });
        script({kTroncDeCone}, [](Script& s) {
            s.unite(), s.e(Etape::Point, 1), s.e(Etape::ExpressionDistance, 1, 1), s.e(Etape::Point, 2),
                s.e(Etape::ExpressionDistance, 2, 2);
        });
        script({kIntersectionDroiteSphere},
               [](Script& s) { s.e(Etape::Droite, 1, 2), s.e(Etape::Sphere, 3); });
        script({kIntersectionDroiteSphereAutreQue},
               [](Script& s) { s.e(Etape::Droite, 1, 2), s.e(Etape::Sphere, 3), s.e(Etape::Point, 4); });
        script({kPlanPointDroite}, [](Script& s) { s.e(Etape::Point, 1), s.e(Etape::Droite, 2, 3); });
        script({kPlanDeuxDroites}, [](Script& s) { s.e(Etape::Droite, 1, 2), s.e(Etape::Droite, 3, 4); });
        script({kCalotte},
               [](Script& s) { s.e(Etape::Plan, 1), s.e(Etape::Point, 4), s.e(Etape::Sphere, 5); });
        script({kPerimetre}, [](Script& s) { s.unite(), s.e(Etape::PolygoneConvexe, 1); });
        script({kImagePolygone},
               [](Script& s) { s.e(Etape::PolygoneConvexe, 1), s.e(Etape::Transformation, 2); });
        script({kIntersectionSpheres}, [](Script& s) { s.e(Etape::Sphere, 1), s.e(Etape::Sphere, 2); });
        script({kPrismeRegulier, kPyramideReguliere}, [](Script& s) {
            s.unite(), s.e(Etape::DroiteMunieDUnRepere, 1, 2), s.e(Etape::ExpressionDistance, 1, 1),
                s.e(Etape::Point, 3), s.e(Etape::Expression, 2, 2);
            s.entierDans(2, 2, 3, 40, kErreurNombreSommets, 4);
        });
        script({kPolyedreEnveloppe}, [](Script& s) { pointsEtSolides(s, false); });
        script({kPlanEquation}, [](Script& s) {
            s.e(Etape::Repere, 1);
            analyseEquation(s.f, s.L);
            if (s.verifiable(2) && s.verifiable(3) && s.verifiable(4) && s.v(5) == s.v(8) &&
                s.v(6) == s.v(8) && s.v(7) == s.v(8))
                s.signale(kErreurCoefficientsNuls, 1);
        });
        script({kFonction2Variables}, [](Script& s) {
            s.e(Etape::VariableMuette, 1), s.e(Etape::DeuxiemeVariableMuette, 1),
                s.e(Etape::ExpressionFonction2Variables, 1, 1);
        });
        script({kFonction3Variables}, [](Script& s) {
            s.e(Etape::VariableMuette, 1), s.e(Etape::DeuxiemeVariableMuette, 1),
                s.e(Etape::TroisiemeVariableMuette, 1), s.e(Etape::ExpressionFonction3Variables, 1, 1);
        });

        // Displays, curves, loci and sequences.
        script({kAffichageScalaire}, [](Script& s) {
            s.e(Etape::NombreReel, 1), s.e(Etape::Expression, 1, 3);
            s.entierDans(1, 3, 0, 6, kErreurValeurIncorrecte, 2);
        });
        script({kAffichageCoordonnees}, [](Script& s) {
            s.e(Etape::Repere, 1), s.e(Etape::Point, 2), s.e(Etape::Expression, 1, 3);
            s.entierDans(1, 3, 0, 6, kErreurValeurIncorrecte, 2);
        });
        script({kAffichageLongueur}, [](Script& s) {
            s.unite(), s.e(Etape::Segment, 1, 2), s.e(Etape::Expression, 1, 3);
            s.entierDans(1, 3, 0, 6, kErreurValeurIncorrecte, 2);
        });
        script({kAffichageEquationPlan}, [](Script& s) {
            s.e(Etape::Repere, 1), s.e(Etape::Plan, 2), s.e(Etape::Expression, 1, 3);
            s.entierDans(1, 3, 0, 6, kErreurValeurIncorrecte, 2);
        });
        script({kAffichageTexte}, [](Script& s) { s.e(Etape::TexteAffichage); });
        script({kCourbeParametree}, [](Script& s) {
            s.e(Etape::Repere, 1), s.e(Etape::VariableMuette, 4, 5), s.e(Etape::ExpressionFonction, 4, 5),
                s.e(Etape::ExpressionFonction, 5, 6), s.e(Etape::ExpressionFonction, 6, 7),
                s.e(Etape::Intervalle, 1, 3), s.e(Etape::Expression, 3, 1);
            s.entierDans(3, 1, 20, 1000, kErreurNombrePoints, 6);
            echantillonsDeCourbe(s, 3);
        });
        script({kCourbeY}, [](Script& s) {
            s.e(Etape::PlanMuniDUnRepere, 1), s.e(Etape::ExpressionFonction, 4, 5),
                s.e(Etape::Intervalle, 1, 3), s.e(Etape::Expression, 3, 1);
            s.entierDans(3, 1, 20, 1000, kErreurNombrePoints, 3);
            echantillonsDeCourbe(s, 3);
        });
        script({kLieuPoint}, [](Script& s) {
            s.e(Etape::Pilote, 2), s.e(Etape::Point, 1), s.e(Etape::Expression, 1, 1);
            s.entierDans(1, 1, 20, 1000, kErreurNombrePoints, 3);
            if (s.L.erreur == 0 && objet(s.f, s.op(2)).codeConstruction == kEntierLibreIntervalle) {
                TObjetFigure& o = s.L.nouvelObjet;
                TsourcesCouleur sources{o.sourcesCouleur[0], o.sourcesCouleur[1], o.sourcesCouleur[2]};
                appliqueCommandeStyle(o.style, sources, 25);
                for (int k = 0; k < 3; ++k)
                    o.sourcesCouleur[k] = sources[std::size_t(k)];
            }
            echantillonsDeCourbe(s, 1);
        });
        script({kGraphe}, [](Script& s) {
            s.e(Etape::Repere, 1), s.e(Etape::Fonction2Variables, 2), s.e(Etape::Intervalle, 3, 3),
                s.e(Etape::Expression, 1, 1);
            s.entierDans(1, 1, 1, 10000, kErreurNombrePoints, 3);
            s.e(Etape::Intervalle, 5, 5), s.e(Etape::Expression, 2, 2);
            s.entierDans(2, 2, 1, 10000, kErreurNombrePoints, 5);
            produitDePoints(s, 5);
        });
        script({kLieuDeuxPilotes}, [](Script& s) {
            s.e(Etape::Pilote, 1), s.e(Etape::Expression, 1, 1);
            s.entierDans(1, 1, 1, 10000, kErreurNombrePoints, 2);
            s.e(Etape::Pilote, 2);
            if (s.ok() && s.op(1) == s.op(2)) s.signale(kErreurPilotesEgaux, 3);
            s.e(Etape::Expression, 2, 2);
            s.entierDans(2, 2, 1, 10000, kErreurNombrePoints, 4);
            produitDePoints(s, 4);
            s.e(Etape::Point, 3);
        });
        script({kSuite}, [](Script& s) { suite(s, kSuite); });
        script({kSuitePremierTerme}, [](Script& s) { suite(s, kSuitePremierTerme); });
        script({kSuitePremiersTermes}, [](Script& s) { suite(s, kSuitePremiersTermes); });

        // Commands: each ends with the key.
        script({kToucheRepeter}, [](Script& s) {
            s.e(Etape::ListeCommandes), s.e(Etape::Expression, 1, 1);
            s.entierDans(1, 1, 1, 100000000, kErreurValeurIncorrecte, 2);
            s.e(Etape::Expression, 2, 2);
            s.entierDans(2, 2, 50, 60000, kErreurValeurIncorrecte, 3);
            s.touche();
        });
        script({kToucheDessinEnBloc, kToucheDessinParEtapes},
               [](Script& s) { s.e(Etape::ListeObjetsDessinables), s.touche(); });
        script({kToucheGarderTrace, kToucheTraceALaDemande},
               [](Script& s) { s.e(Etape::ListeObjetsTracables), s.touche(); });
        script({kToucheAffectation}, [](Script& s) {
            s.e(Etape::ListeObjetsLibres);
            litValeursAffectations(s.f, s.L);
            s.L.nouvelObjet.nombreValeurs = s.L.nombreExpressions;
            s.L.nouvelObjet.nombreExpressions = s.L.nombreExpressions;
            s.touche();
        });
        script({kTouchePositionMemorisee}, [](Script& s) { affectationsMemorisees(s), s.touche(); });
        script({kToucheAffectationAleatoire}, [](Script& s) { affectationsAleatoires(s), s.touche(); });
        script({kToucheIteration}, creationIterative);
        script({kToucheSelectionPilotage},
               [](Script& s) { s.e(Etape::ObjetPiloteAuClavier, 1), s.touche(); });
        script({kToucheQuitterTrace}, [](Script& s) { s.touche(); });
        script({kToucheTableau}, [](Script& s) {
            litVariablesDuTableau(s.f, s.L);
            s.e(Etape::Expression, 1, 1), s.e(Etape::Expression, 2, 2), s.e(Etape::Expression, 3, 3),
                s.touche();
        });
        script({kToucheRotationAbsolue}, [](Script& s) {
            s.angle(), s.e(Etape::Expression, 1, 5), s.e(Etape::Expression, 2, 6),
                s.e(Etape::Expression, 3, 7), s.e(Etape::Expression, 4, 8), s.touche();
        });
        script({kToucheVueMemorisee}, [](Script& s) {
            for (int k = 0; k < 3; ++k)
                s.v(k + 1) = s.f.anglesVue[k];
            s.touche();
        });
        script({kToucheVueDeFace}, [](Script& s) {
            s.e(Etape::Plan, 1), s.e(Etape::Expression, 1, 4);
            s.entierDans(1, 4, 1, 50, kErreurValeurIncorrecte, 2);
            s.touche();
        });
        script({kToucheRotationRelative}, [](Script& s) {
            s.angle(), s.e(Etape::ExpressionVecteur, 1, 1), s.e(Etape::Expression, 2, 5), s.touche();
        });
        script({kToucheProjectionOblique}, [](Script& s) {
            s.e(Etape::Expression, 1, 1);
            if (s.verifiable(1) && std::fabs(s.v(1)) > 2) s.signale(kErreurValeurIncorrecte, 1);
            s.e(Etape::Expression, 2, 2);
            if (s.verifiable(2) && std::fabs(s.v(2)) > 2) s.signale(kErreurValeurIncorrecte, 2);
            s.touche();
        });
        // The keyboard step of a free object (held by the target object).
        script({kCodePasClavier}, [](Script& s) {
            s.e(Etape::Expression, 1, 1);
            if (s.verifiable(1) && s.v(1) <= 0) s.signale(kErreurPasPositif, 1);
            const int cible = s.L.objetCible;
            if (s.verifiable(1) && cible >= 1 && cible <= s.f.nombreObjets) {
                const uint8_t c = objet(s.f, cible).codeConstruction;
                if ((c == kPointLibreAbscisseEntiere || c == kPointLibreCoordonneesEntieres ||
                     c == kEntierLibreIntervalle || c == kEntierLibre) &&
                    s.v(1) != std::floor(s.v(1)))
                    s.signale(kErreurPasEntier, 1);
            }
        });

        // Given objects of prototypes.
        script({kPointDonne,
                kDemiDroiteDonnee,
                kCercleDonne,
                kReelDonne,
                kVecteurDonne,
                kUniteDonnee,
                kTransformationDonnee,
                kArcDonne,
                kFonctionDonnee,
                kSuiteDonnee,
                kFonction2VariablesDonnee,
                kFonction3VariablesDonnee,
                kVariableMuette,
                kDroiteDonnee,
                kSegmentDonne,
                kPolyedreDonne,
                kSphereDonnee,
                kConeDonne,
                kCylindreDonne,
                kTroncDeConeDonne,
                kPolygoneDonne,
                kPlanDonne},
               [](Script& s) {
                   for (int k = 1; k <= 10; ++k)
                       s.v(k) = 0;
               });
        script({kRepereDonne}, [](Script& s) {
            for (int k = 1; k <= 10; ++k)
                s.v(k) = 0;
            s.v(4) = s.v(8) = 1;
        });

        // Nothing but the common end: the second forms of the functions,
        // and every code outside the catalogue.
        auto rien = [](Script&) {};
        script({kFonction2VariablesBis, kFonction3VariablesBis, kFonctionBis}, rien, GenreScript::SansScript);
        for (int c = 0; c < 256; ++c)
            if (x.scripts[std::size_t(c)] == nullptr) script({c}, rien, GenreScript::SansScript);
        return x;
    }();
    return t;
}

// The prototype replay: the given objects in the prototype's order, the
// name of the result last; no common end. Each given object goes into the
// parents or the expression and values that its place among the
// instance's operands gives it.
void rejouePrototype(Script& s) {
    TObjetFigure& o = s.L.nouvelObjet;
    TInterfacePrototype* p = etatExecuteur().trouvePrototype(s.f, o.numeroPrototype);
    if (p == nullptr) {
        s.L.erreur = kErreurRefusUtilisateur;
        return;
    }
    const TOperandesInstance places =
        operandesInstance(p->nombreDonnes, p->naturesDonnes, p->nombreValeursResultat);
    o.nombreParents = uint8_t(places.nombreParents);
    o.nombreExpressions = uint8_t(places.nombreExpressions);
    o.nombreValeurs = uint8_t(places.nombreValeurs);
    o.nombreEchantillons = p->echantillonsDernierObjet;
    const int nombre = std::min<int>(p->nombreDonnes, kMaxDonnesPrototype);
    for (int k = 1; k <= nombre; ++k) {
        const TOperandesDonne& d = places.donnes[std::size_t(k)];
        p->operandesDonnes[std::size_t(k)] = operandeDonne(d);
        const bool repere = p->ensembleRepere.test(std::size_t(13 + k));
        const uint8_t a = d.parent, b = uint8_t(d.parent + 1), c = uint8_t(d.parent + 2);
        switch (p->naturesDonnes[std::size_t(k)]) {
        case kNaturePoint:
            s.e(Etape::Point, a);
            break;
        case kNatureSegment:
            s.e(Etape::Segment, a, b);
            break;
        case kNatureDroite:
            s.e(repere ? Etape::DroiteMunieDUnRepere : Etape::Droite, a, b);
            break;
        case kNatureDemiDroite:
            s.e(Etape::Axe, a, b);
            break;
        case kNatureCercle:
            s.e(Etape::Cercle, a);
            break;
        case kNatureArcDeCercle:
            s.e(Etape::ArcDeCercle, a);
            break;
        case kNatureRepere:
            s.e(Etape::Repere, a);
            break;
        case kNatureFonction:
            s.e(Etape::Fonction, a);
            break;
        case kNatureTransformation:
            s.e(Etape::Transformation, a);
            break;
        case kNatureSuite:
            s.e(Etape::Suite, a);
            break;
        case kNatureFonction2Variables:
            s.e(Etape::Fonction2Variables, a);
            break;
        case kNatureFonction3Variables:
            s.e(Etape::Fonction3Variables, a);
            break;
        case kNaturePolyedreConvexe:
            s.e(Etape::PolyedreConvexe, a);
            break;
        case kNaturePolygoneConvexe:
            s.e(Etape::PolygoneConvexe, a);
            break;
        case kNatureSphere:
            s.e(Etape::Sphere, a);
            break;
        case kNatureCylindre:
            s.e(Etape::Cylindre, a);
            break;
        case kNatureCone:
            s.e(Etape::Cone, a);
            break;
        case kNatureTroncDeCone:
            s.e(Etape::TroncDeCone, a);
            break;
        case kNatureUniteDeLongueur:
            // The step reads the unit as the object's unit of length; the
            // given object is the parent in its place.
            s.e(Etape::UniteDeLongueur);
            if (s.ok()) parentLigne(s.L, a) = o.uniteLongueur;
            break;
        case kNaturePlan:
            s.e(repere ? Etape::PlanMuniDUnRepere : Etape::Plan, a, b, c);
            break;
        case kNatureNombreReel:
            s.e(Etape::Expression, d.expression, d.valeur);
            break;
        case kNatureVecteur:
            s.e(Etape::ExpressionVecteur, d.expression, d.valeur);
            break;
        default:
            break;
        }
    }
    s.nomme(o.nature);
}

// Whether expression slot k of the line is the one that object i keeps as
// its k-th expression: the same text compiled to the same bytes.
bool memeExpression(const TfigureKalmetra& f, int i, TLigneAnalysee& L, int k) {
    if (k > objet(f, i).nombreExpressions || k > L.nombreExpressions) return false;
    const TExpressionParametre& e = expressionParametre(f, numeroExpressionObjet(f, i, k));
    const TAnalyseExpression& a = expressionLigne(L, k);
    const std::string texte = e.longueurTexte == 0 || e.debutTexte == 0
                                  ? std::string()
                                  : f.texteDesFormules.substr(std::size_t(e.debutTexte - 1), e.longueurTexte);
    if (texte != coupe(a.texte, 255) || e.nombreOctets != a.longueurListe) return false;
    for (int p = 1; p <= e.nombreOctets; ++p)
        if (octetOperande(f, e.debutOctets + p - 1) != a.listeOctets[std::size_t(p)]) return false;
    return true;
}

// A free object made again with its own construction on the same objects
// (Ctrl+M answered with the object's answers, its line run again by a host
// or read once more in a text) stays where it was rather than at the random
// place a new object takes: the figure is the same and writes the same
// text. A variable of an interval keeps its value while the new interval
// holds it, whatever its bounds; the place in the interval is what the
// object stores.
void gardeValeursLibres(Script& s, int cible) {
    TLigneAnalysee& L = s.L;
    const TObjetFigure& ancien = objet(s.f, cible);
    const uint8_t code = L.nouvelObjet.codeConstruction;
    if (ancien.codeConstruction != code || ancien.numeroPrototype != 0 ||
        L.nouvelObjet.numeroPrototype != 0 || !estConstructionLibre(code) || code == kPointLibreDansEspace)
        return;
    // The steps put the parents in the places the catalogue gives the code.
    if (ancien.nombreParents != L.nouvelObjet.nombreParents) return;
    for (int k = 1; k <= ancien.nombreParents; ++k)
        if (parentObjet(s.f, cible, k) != parentLigne(L, k)) return;
    if (code == kReelLibreIntervalle || code == kEntierLibreIntervalle) {
        if (memeExpression(s.f, cible, L, 1) && memeExpression(s.f, cible, L, 2)) {
            s.v(4) = valeurDepuisZero(s.f, cible, 3);
            return;
        }
        if (ancien.nonDefini || !s.verifiable(1) || !s.verifiable(2)) return;
        const double x = valeurDepuisZero(s.f, cible, 0), a = s.v(2), b = s.v(3);
        if (x < std::min(a, b) || x > std::max(a, b)) return;
        s.v(4) = a == b ? 0 : (x - a) / (b - a);
        return;
    }
    const TplaceValeursLibres libres = placeValeursLibres(code);
    for (int k = 0; k < libres.nombre; ++k)
        s.v(libres.decalages[k] + 1) = valeurDepuisZero(s.f, cible, libres.decalages[k]);
}

// After every script but the prototype replay: the name of the new object,
// a unit of length when an expression needs one, and the starting values
// of free points in space and of displays.
void finCommune(Script& s) {
    TLigneAnalysee& L = s.L;
    TObjetFigure& o = L.nouvelObjet;
    const uint8_t code = o.codeConstruction;
    if ((code >= kPointDonne && code <= kFonction3VariablesDonnee) || code >= kDroiteDonnee) o.nonDefini = 1;
    if (L.codeConstruction != kDroite && L.codeConstruction != kDemiDroite &&
        L.codeConstruction != kSegment && L.codeConstruction != kCodePasClavier)
        s.nomme(o.nature);
    if (s.ok() && L.besoinUnite && !L.uniteDonnee) {
        if (sansUniteDeLongueurAccessible(s.f)) {
            o.uniteLongueur = 2;
        } else {
            s.unite();
            if (estRefus(L.erreur)) L.erreur = kErreurUniteNecessaire;
        }
    }
    const int cible = L.objetCible;
    const bool existe = cible > kObjetsPredefinis && cible <= s.f.nombreObjets;
    if (s.ok() && o.nature == kNatureUniteDeLongueur && sansUniteDeLongueurAccessible(s.f)) {
        // Key commands made while the built-in unit was the only one took it
        // silently; their lines have no unit form and would then need one
        // they cannot name: the figure's text would no longer read back.
        for (int j = kObjetsPredefinis + 1; j <= s.f.nombreObjets; ++j) {
            const TObjetFigure& a = objet(s.f, j);
            if (j == cible || a.nature != kNatureCommande || a.uniteLongueur == 0 || a.numeroPrototype != 0 ||
                aVarianteDeConstruction(a.codeConstruction))
                continue;
            nomErreur1() = nomObjet(s.f, j);
            s.signale(kErreurUniteRendIlisible, 1);
            break;
        }
    }
    if (s.ok() && existe) gardeValeursLibres(s, cible);
    if (s.ok() && L.codeConstruction == kPointLibreDansEspace) {
        if (existe && !objet(s.f, cible).nonDefini) {
            for (int k = 0; k < 3; ++k)
                s.v(k + 1) = valeurDepuisZero(s.f, cible, k);
        } else {
            const double zoom = s.f.uniteSurPetiteDimension > 0 ? s.f.uniteSurPetiteDimension : 1.0;
            for (int k = 1; k <= 3; ++k)
                s.v(k) = (2 * Script::R() - 1) * 0.4 / zoom;
        }
    }
    if (s.ok() && o.nature == kNatureCommande && L.modeLecture == 4 &&
        toucheDejaUtilisee(s.f, toucheObjet(o), uint8_t(cible)) && !demandeConfirmation())
        L.erreur = kErreurRefusUtilisateur;
    if (s.ok() && o.nature == kNatureAffichage) {
        // A display stands where the reader of its written position line
        // puts it, by every road (a text, a line of a host, the dialog, an
        // undo state): at the top left while there is no display zone, where
        // it stood when it is made again, else at a random place of the top
        // of the zone. A line of a host or one only analysed (reading mode 0)
        // takes that place from the random pair of the last executed line
        // rather than from a fresh number. The place is drawn within the
        // width of a new figure, in which a file is read, so that the file
        // gives it back.
        double x = 2, y = 1;
        if (s.f.hauteurZoneAffichages != 0 && existe) {
            x = valeurDepuisZero(s.f, cible, 0);
            y = valeurDepuisZero(s.f, cible, 1);
        } else if (s.f.hauteurZoneAffichages != 0) {
            const int32_t etendue =
                std::max(std::min(s.f.largeurImage, TfigureKalmetra::kLargeurImageNeuve) - 100, 0);
            x = 2 + (L.modeLecture == 0 ? std::floor(etatExecuteur().paireHasard[0] * etendue)
                                        : platform::entierAuHasard(etendue));
        }
        bornePositionAffichage(s.f, x, y);
        s.v(1) = x;
        s.v(2) = y;
    }
}

} // namespace

EtatExecuteur& etatExecuteur() {
    static EtatExecuteur etat;
    return etat;
}

void reinitialiseExecuteur() {
    etatExecuteur() = EtatExecuteur{};
}

void signaleErreurArgument(TLigneAnalysee& ligne, uint16_t erreur, uint8_t argument) {
    if (ligne.erreur >= kPasDeCetteForme) return;
    ligne.erreur = erreur;
    etatExecuteur().argumentEnErreur = argument;
}

void etapeDeConstruction(TfigureKalmetra& f, TLigneAnalysee& ligne, uint8_t etape, uint8_t a, uint8_t b,
                         uint8_t c) {
    if (estRefus(ligne.erreur)) return;
    std::string argument;
    coupeAuSeparateur(ligne.arguments, 255, argument);
    retablitPointsVirgules(argument);
    std::string nu = argument;
    oteEspacesBouts(nu);
    if (nu.empty()) ligne.erreur = kErreurDonneeManquante;
    nomErreur1() = argument;
    creeObjetDeConstruction(f, ligne, etape, argument, a, b, c);
    EtatExecuteur& x = etatExecuteur();
    if (estRefus(ligne.erreur))
        x.argumentEnErreur = x.argumentCourant;
    else
        ++x.argumentCourant;
}

void executeConstructionDeLigne(TfigureKalmetra& f, TLigneAnalysee& ligne) {
    EtatExecuteur& x = etatExecuteur();
    x.argumentCourant = x.premierArgument;
    x.argumentEnErreur = 0;
    ligne.erreur = 0;
    if (ligne.modeLecture > 0) {
        x.paireHasard[0] = platform::reelAuHasard();
        x.paireHasard[1] = platform::reelAuHasard();
    }
    Script s{f, ligne};
    if (ligne.nouvelObjet.numeroPrototype != 0) {
        rejouePrototype(s);
        return;
    }
    const FonctionScript script = tableScripts().scripts[ligne.codeConstruction & 0xFF];
    if (script != nullptr) script(s);
    if (s.finCommune) finCommune(s);
}

GenreScript genreScript(uint8_t code) {
    return tableScripts().genres[code];
}

} // namespace km32
