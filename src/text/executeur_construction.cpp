#include "text/executeur_construction.h"

#include <cmath>
#include <initializer_list>
#include <string>

#include "model/catalogue.h"
#include "model/expression_erreurs.h"
#include "model/objets_figure.h"
#include "model/operations.h"
#include "model/procedures_texte.h"
#include "model/style.h"
#include "platform/hasard.h"
#include "text/etapes_construction.h"
#include "text/ligne_creation.h"
#include "text/listes_points.h"
#include "text/noms_objets.h"
#include "text/operandes_expressions.h"
#include "text/operandes_objets.h"
#include "text/rangement_lignes.h"

namespace km32 {

// The equation of a plane from the line's next argument, evaluated at four
// probe points into value slots 5 to 8 (a service of the figure model).
void analyseEquation(const TfigureKalmetra& f, TLigneAnalysee& ligne);

namespace {

// The line being run with the shorthands its scripts use.
struct Script {
    TfigureKalmetra& f;
    TLigneAnalysee& L;
    bool finCommune = true; // false: return without the common end

    void e(uint8_t s, uint8_t a = 0, uint8_t b = 0, uint8_t c = 0) { etapeDeConstruction(f, L, s, a, b, c); }
    void unite() {
        e(65);
        if (L.erreur < kPasDeCetteForme) L.octetTravail = 1;
    }
    void angle() { e(79); }
    void touche() { e(85); }
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

// Code 66: the current values of the free objects listed.
void affectationsMemorisees(Script& s) {
    s.e(81);
    s.L.nouvelObjet.nombreValeurs = 0;
    for (int k = 1; k <= s.L.nombreParents && s.ok(); ++k) {
        const int o = s.op(k);
        // Ranks of the values that hold the object's free parameters.
        int rangs[3] = {0, 0, 0};
        int nombre = 0;
        switch (objet(s.f, o).codeConstruction) {
        case 132:
            rangs[0] = 1, rangs[1] = 2, rangs[2] = 3, nombre = 3;
            break;
        case 2:
            rangs[0] = 4, rangs[1] = 5, rangs[2] = 6, nombre = 3;
            break;
        case 3:
        case 4:
        case 5:
        case 6:
        case 7:
        case 44:
        case 45:
            rangs[0] = 4, nombre = 1;
            break;
        case 74:
        case 75:
            rangs[0] = 1, nombre = 1;
            break;
        case 148:
        case 189:
        case 206:
            rangs[0] = 4, rangs[1] = 5, nombre = 2;
            break;
        default:
            nomErreur1() = nomObjetOuVecteur(s.f, o);
            s.signale(kErreurPasLibre, 1);
            return;
        }
        for (int j = 0; j < nombre; ++j) {
            const int r = rangs[j];
            if (s.L.nouvelObjet.nombreValeurs >= kMaxValeursLigne) {
                s.signale(kErreurStructureSaturee, 1);
                return;
            }
            s.v(++s.L.nouvelObjet.nombreValeurs) = valeurObjet(s.f, o, r);
        }
    }
}

// Code 67: free objects that can take a random value.
void affectationsAleatoires(Script& s) {
    s.e(87);
    if (s.L.erreur != 0) return;
    for (int k = 1; k <= s.L.nombreParents; ++k) {
        const TObjetFigure& o = objet(s.f, s.op(k));
        const uint8_t c = o.codeConstruction;
        const bool accepte =
            estObjetLibre(o) && (c == 3 || c == 6 || c == 7 || c == 44 || c == 45 || c == 189 || c == 206);
        if (!accepte) {
            nomErreur1() = nomObjet(s.f, s.op(k));
            s.signale(kErreurAffectationAleatoire, 1);
            return;
        }
    }
}

// Code 61: objects to reproduce, objects to replace, their replacements.
void creationIterative(Script& s) {
    TLigneAnalysee& L = s.L;
    auto refuse = [&](uint16_t erreur, uint8_t argument) {
        s.signale(erreur, argument);
        s.finCommune = false;
    };
    s.e(81);
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
    s.e(83);
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
    s.e(83);
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

// Codes 101 to 103: the indices, the first terms, then the definition.
void suite(Script& s, int code) {
    s.e(63, 1, 1);
    s.entierDans(1, 1, 0, 30000, kErreurIndicesSuite, 1);
    if (code != 101) s.e(63, 3, 6);
    if (code == 103) s.e(63, 4, 7);
    analyseDefinitionDeSuite(s.f, s.L);
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
        script({1}, [](Script& s) {
            s.e(75, 1, 2);
            s.v(4) = arrondi(3 * Script::R() - 3);
            if (s.ok()) s.nc(), s.ins("1;"), s.e(63, 1, 5);
        });
        script({2}, [](Script& s) {
            s.e(62, 1);
            for (int k = 4; k <= 6; ++k)
                s.v(k) = arrondi(6 * Script::R() - 3);
            if (s.ok()) s.nc(), s.ins("1;"), s.e(63, 1, 7);
        });
        script({3}, [](Script& s) {
            s.e(90, 1, 2);
            s.v(4) = Script::R();
            if (s.ok()) s.nc(), s.ins("0.01;"), s.e(63, 1, 5);
        });
        script({4}, [](Script& s) {
            s.e(72, 1, 2);
            s.v(4) = Script::R();
            if (s.ok()) s.nc(), s.ins("0.1;"), s.e(63, 1, 5);
        });
        script({5}, [](Script& s) {
            s.e(55, 1, 2);
            s.v(4) = Script::R();
            if (s.ok()) s.nc(), s.ins("0.1;"), s.e(63, 1, 5);
        });
        script({6}, [](Script& s) {
            s.e(60, 1);
            if (s.ok()) s.nc(), s.ins("0.01;"), s.e(63, 1, 5), s.degres();
            s.v(4) = (2 * Script::R() - 1) * kPi;
        });
        script({7}, [](Script& s) {
            s.e(61, 1);
            s.v(4) = Script::R();
            if (s.ok()) s.nc(), s.ins("0.01;"), s.e(63, 1, 5), s.degres();
        });
        script({44}, [](Script& s) {
            s.e(95, 1, 2);
            if (s.ok()) s.nc(), s.ins("1;"), s.e(63, 3, 5);
            s.v(1) = 0;
            s.v(4) = s.analyse() ? s.paire0() : Script::R();
        });
        script({45}, [](Script& s) {
            s.e(95, 1, 2);
            if (s.ok()) s.nc(), s.ins("0.1;"), s.e(63, 3, 5);
            s.v(4) = s.analyse() ? s.paire0() : Script::R();
        });
        script({74}, [](Script& s) {
            s.ins("0.1;"), s.e(63, 1, 2), s.nc();
            s.v(1) = s.analyse() ? s.paire0() : 5 * Script::R() - 5;
        });
        script({75}, [](Script& s) {
            s.ins("1;"), s.e(63, 1, 2), s.nc();
            s.v(1) = s.analyse() ? double(arrondiBorne(s.paire0())) : arrondi(10 * Script::R() - 5);
        });
        script({132}, [](Script& s) { s.ins("0.1;"), s.e(63, 1, 4), s.nc(); });
        script({148}, [](Script& s) {
            s.e(66, 1);
            s.v(4) = Script::R();
            s.v(5) = Script::R();
            if (s.ok()) s.nc(), s.ins("0.1;"), s.e(63, 1, 6);
        });
        script({189}, [](Script& s) {
            s.e(98, 1);
            if (s.ok()) s.nc(), s.ins("0.01;"), s.e(63, 1, 6);
            s.v(4) = 0.5 * Script::R();
            s.v(5) = 0.5 * Script::R();
        });
        script({206}, [](Script& s) {
            s.e(97, 1);
            if (s.ok()) s.nc(), s.ins("1;"), s.e(63, 1, 6), s.degres();
            s.v(4) = (2 * Script::R() - 1) * 180;
            s.v(5) = (2 * Script::R() - 1) * 90;
        });

        // Objects built from other objects.
        script({8}, [](Script& s) { s.e(75, 1, 2), s.e(63, 1, 4); });
        script({9}, [](Script& s) { s.unite(), s.e(72, 1, 2), s.e(78, 1, 4); });
        script({10}, [](Script& s) { s.e(55, 1, 2), s.e(55, 3, 4); });
        script({11}, [](Script& s) { s.e(55, 1, 2), s.e(60, 3); });
        script({12}, [](Script& s) { s.e(55, 1, 2), s.e(60, 3), s.e(51, 4); });
        script({13}, [](Script& s) { s.e(60, 1), s.e(60, 2); });
        script({14}, [](Script& s) { s.e(60, 1), s.e(60, 2), s.e(51, 3); });
        script({15}, [](Script& s) { s.e(89, 1, 2); });
        script({16, 17, 18, 19, 35, 36, 191}, [](Script& s) { s.e(59, 1, 2, 3); });
        script({20}, [](Script& s) { s.e(60, 1); });
        script({21}, [](Script& s) { litPointsPonderes(s.f, s.L); });
        script({24}, [](Script& s) { s.e(76, 1, 4), s.e(51, 1); });
        script({25, 136}, [](Script& s) { s.e(55, 2, 3), s.e(51, 1); });
        script({26}, [](Script& s) { s.e(51, 2), s.e(51, 1); });
        script({27}, [](Script& s) {
            s.e(51, 2), s.e(63, 1, 4);
            if (s.verifiable(1) && s.v(4) == 0) s.signale(kErreurRapportNul, 2);
            s.e(51, 1);
        });
        script({28}, [](Script& s) {
            s.e(51, 2), s.e(51, 3), s.e(51, 4);
            if (s.ok() && s.op(2) == s.op(3)) s.signale(kErreurAntecedentCentre, 2);
            if (s.ok() && s.op(2) == s.op(4)) s.signale(kErreurRapportNul, 3);
            s.e(51, 1);
        });
        script({29}, [](Script& s) { s.e(68, 2), s.e(51, 1); });
        script({30, 33, 34}, pairesDePoints);
        script({31}, [](Script& s) { s.e(58, 1, 2, 3); });
        script({32}, [](Script& s) { s.e(55, 1, 2), s.e(68, 3); });
        script({38}, [](Script& s) { s.e(76, 1), s.valeursDeTransformation(1); });
        script({39}, [](Script& s) { s.e(55, 1, 2); });
        script({40}, [](Script& s) { s.e(51, 1), s.valeursDeTransformation(-1); });
        script({41}, [](Script& s) {
            s.e(51, 1);
            for (int k : {3, 4, 6, 8, 10, 11})
                s.v(k) = 0;
            s.e(63, 1, 2);
            s.v(7) = s.v(12) = s.v(2);
            if (s.verifiable(1) && s.v(2) == 0) s.signale(kErreurRapportNul, 2);
        });
        script({42}, [](Script& s) {
            s.e(51, 1), s.e(51, 2), s.e(51, 3);
            for (int k : {3, 4, 6, 8, 10, 11})
                s.v(k) = 0;
            if (s.ok() && s.op(1) == s.op(2)) s.signale(kErreurAntecedentCentre, 2);
            if (s.ok() && s.op(1) == s.op(3)) s.signale(kErreurRapportNul, 3);
        });
        script({43}, [](Script& s) { s.e(68, 1), s.e(68, 2); });
        script({46}, [](Script& s) { s.unite(), s.e(60, 1); });
        script({47}, [](Script& s) { s.unite(), s.e(59, 1, 2, 3); });
        script({48}, [](Script& s) { s.unite(), s.e(51, 1), s.e(55, 2, 3); });
        script({49}, [](Script& s) { s.e(51, 1), s.e(75, 2, 3); });
        script({50}, [](Script& s) { s.angle(), s.e(58, 1, 2, 3); });
        script({51, 52, 186}, [](Script& s) { s.e(62, 1), s.e(76, 1); });
        script({53}, [](Script& s) { s.e(63, 1, 1); });
        script({54}, [](Script& s) { s.e(77, 1), s.e(80, 1, 1); });
        script({55}, [](Script& s) { s.e(51, 1), s.e(76, 1), s.e(76, 2), s.e(76, 3); });
        script({56, 57}, [](Script& s) { s.e(76, 1); });
        script({58, 133}, [](Script& s) { s.e(62, 1), s.e(63, 1, 4), s.e(63, 2, 5), s.e(63, 3, 6); });
        script({71}, [](Script& s) { s.e(51, 1), s.e(76, 1), s.e(63, 2, 10), s.e(95, 3, 11); });
        script({104}, [](Script& s) { s.e(51, 1), s.e(51, 2), s.valeursDeTransformation(1); });
        script({105}, [](Script& s) { s.e(51, 2), s.e(51, 3), s.e(51, 1); });
        script({125}, [](Script& s) { s.e(55, 1, 2); });
        script({128}, [](Script& s) { s.e(88); });
        script({129}, [](Script& s) { s.e(96, 1); });
        script({130}, [](Script& s) { s.e(51, 1), s.e(51, 2); });
        script({134}, [](Script& s) { s.e(67, 1), s.e(63, 1, 4), s.e(63, 2, 5); });
        script({135}, [](Script& s) { pointsEtSolides(s, true); });
        script({137}, [](Script& s) { s.angle(), s.e(75, 2, 3), s.e(63, 1, 4), s.e(51, 1); });
        script({138}, [](Script& s) { s.e(70, 1), s.e(66, 2); });
        script({139, 140}, [](Script& s) { s.e(66, 2), s.e(51, 1); });
        script({141, 142}, [](Script& s) { s.e(51, 3), s.e(55, 1, 2); });
        script({143}, [](Script& s) { s.e(90, 1, 2); });
        script({144}, [](Script& s) { s.e(51, 1), s.e(76, 1); });
        script({146}, [](Script& s) { s.unite(), s.e(66, 1), s.e(51, 4), s.e(78, 1, 11); });
        script({147}, [](Script& s) { s.e(66, 1), s.e(51, 4), s.e(51, 5); });
        script({150}, [](Script& s) { s.e(70, 1), s.e(68, 2); });
        script({151}, [](Script& s) { s.e(55, 1, 2), s.e(51, 3); });
        script({153, 160}, [](Script& s) { s.e(75, 1, 2), s.e(51, 3), s.e(51, 4); });
        script({155}, [](Script& s) { pointsSommets(s, false); });
        script({156}, [](Script& s) {
            s.e(55, 1, 2), s.e(51, 3), s.e(63, 1, 1);
            s.entierDans(1, 1, 3, 40, kErreurNombreSommets, 3);
        });
        script({157}, [](Script& s) { s.e(51, 1), s.e(66, 2); });
        script({158}, [](Script& s) { s.e(51, 1), s.e(55, 2, 3); });
        script({159}, [](Script& s) { s.angle(), s.e(75, 1, 2), s.e(63, 1, 13); });
        script({161}, [](Script& s) { s.e(55, 1, 2), s.e(66, 3); });
        script({162}, [](Script& s) { s.e(51, 4), s.e(66, 1); });
        script({163}, [](Script& s) { s.unite(), s.e(99, 1); });
        script({164}, [](Script& s) { s.unite(), s.e(51, 1), s.e(66, 2); });
        script({165}, [](Script& s) { s.unite(), s.e(100, 1); });
        script({166}, [](Script& s) { s.e(51, 1), s.e(76, 1), s.e(76, 2); });
        script({167, 168, 185}, [](Script& s) { s.e(62, 1), s.e(51, 2); });
        script({172}, [](Script& s) { s.unite(), s.e(51, 1), s.e(78, 1, 5); });
        script({173}, [](Script& s) { s.e(97, 1), s.e(66, 2); });
        script({174}, [](Script& s) { s.e(66, 1), s.e(51, 4), s.e(70, 5); });
        script({175}, [](Script& s) {
            s.e(70, 1), s.e(63, 1, 1);
            if (s.verifiable(1) && (s.v(1) < 0 || s.v(1) > 1)) s.signale(kErreurValeurIncorrecte, 2);
        });
        script({176}, [](Script& s) { s.e(70, 1), s.e(70, 2); });
        script({181}, [](Script& s) { pointsSommets(s, true); });
        script({182}, [](Script& s) { s.e(52, 1, 2); });
        script({184}, [](Script& s) { s.e(66, 1), s.e(66, 4); });
        script({187}, [](Script& s) { s.e(66, 1); });
        script({188}, [](Script& s) { s.unite(), s.e(90, 1, 2), s.e(78, 1, 1); });
        script({190}, [](Script& s) { s.e(51, 1), s.e(55, 2, 3), s.e(55, 4, 5); });
        script({192}, [](Script& s) { s.e(66, 2), s.e(55, 5, 6), s.e(51, 1); });
        script({197}, [](Script& s) { s.unite(), s.e(51, 1), s.e(51, 2), s.e(78, 1, 1); });
        script({201}, [](Script& s) { s.unite(), s.e(51, 1), s.e(78, 1, 1), s.e(51, 2), s.e(78, 2, 2); });
        script({202}, [](Script& s) { s.e(55, 1, 2), s.e(97, 3); });
        script({203}, [](Script& s) { s.e(55, 1, 2), s.e(97, 3), s.e(51, 4); });
        script({204}, [](Script& s) { s.e(51, 1), s.e(55, 2, 3); });
        script({205}, [](Script& s) { s.e(55, 1, 2), s.e(55, 3, 4); });
        script({207}, [](Script& s) { s.e(66, 1), s.e(51, 4), s.e(97, 5); });
        script({208}, [](Script& s) { s.unite(), s.e(98, 1); });
        script({209}, [](Script& s) { s.e(98, 1), s.e(68, 2); });
        script({210}, [](Script& s) { s.e(97, 1), s.e(97, 2); });
        script({211, 212}, [](Script& s) {
            s.unite(), s.e(75, 1, 2), s.e(78, 1, 1), s.e(51, 3), s.e(63, 2, 2);
            s.entierDans(2, 2, 3, 40, kErreurNombreSommets, 4);
        });
        script({213}, [](Script& s) { pointsEtSolides(s, false); });
        script({214}, [](Script& s) {
            s.e(62, 1);
            analyseEquation(s.f, s.L);
            if (s.verifiable(2) && s.verifiable(3) && s.verifiable(4) && s.v(5) == s.v(8) &&
                s.v(6) == s.v(8) && s.v(7) == s.v(8))
                s.signale(kErreurCoefficientsNuls, 1);
        });
        script({216}, [](Script& s) { s.e(77, 1), s.e(107, 1), s.e(109, 1, 1); });
        script({217}, [](Script& s) { s.e(77, 1), s.e(107, 1), s.e(108, 1), s.e(110, 1, 1); });

        // Displays, curves, loci and sequences.
        script({59}, [](Script& s) {
            s.e(71, 1), s.e(63, 1, 3);
            s.entierDans(1, 3, 0, 6, kErreurValeurIncorrecte, 2);
        });
        script({60}, [](Script& s) {
            s.e(62, 1), s.e(51, 2), s.e(63, 1, 3);
            s.entierDans(1, 3, 0, 6, kErreurValeurIncorrecte, 2);
        });
        script({113}, [](Script& s) {
            s.unite(), s.e(89, 1, 2), s.e(63, 1, 3);
            s.entierDans(1, 3, 0, 6, kErreurValeurIncorrecte, 2);
        });
        script({170}, [](Script& s) {
            s.e(62, 1), s.e(66, 2), s.e(63, 1, 3);
            s.entierDans(1, 3, 0, 6, kErreurValeurIncorrecte, 2);
        });
        script({126}, [](Script& s) { s.e(101); });
        script({23}, [](Script& s) {
            s.e(62, 1), s.e(77, 4, 5), s.e(80, 4, 5), s.e(80, 5, 6), s.e(80, 6, 7), s.e(95, 1, 3),
                s.e(63, 3, 1);
            s.entierDans(3, 1, 20, 1000, kErreurNombrePoints, 6);
            echantillonsDeCourbe(s, 3);
        });
        script({131}, [](Script& s) {
            s.e(67, 1), s.e(80, 4, 5), s.e(95, 1, 3), s.e(63, 3, 1);
            s.entierDans(3, 1, 20, 1000, kErreurNombrePoints, 3);
            echantillonsDeCourbe(s, 3);
        });
        script({37}, [](Script& s) {
            s.e(73, 2), s.e(51, 1), s.e(63, 1, 1);
            s.entierDans(1, 1, 20, 1000, kErreurNombrePoints, 3);
            if (s.L.erreur == 0 && objet(s.f, s.op(2)).codeConstruction == 44) {
                TObjetFigure& o = s.L.nouvelObjet;
                TsourcesCouleur sources{o.sourcesCouleur[0], o.sourcesCouleur[1], o.sourcesCouleur[2]};
                appliqueCommandeStyle(o.style, sources, 25);
                for (int k = 0; k < 3; ++k)
                    o.sourcesCouleur[k] = sources[std::size_t(k)];
            }
            echantillonsDeCourbe(s, 1);
        });
        script({218}, [](Script& s) {
            s.e(62, 1), s.e(102, 2), s.e(95, 3, 3), s.e(63, 1, 1);
            s.entierDans(1, 1, 1, 10000, kErreurNombrePoints, 3);
            s.e(95, 5, 5), s.e(63, 2, 2);
            s.entierDans(2, 2, 1, 10000, kErreurNombrePoints, 5);
            produitDePoints(s, 5);
        });
        script({219}, [](Script& s) {
            s.e(73, 1), s.e(63, 1, 1);
            s.entierDans(1, 1, 1, 10000, kErreurNombrePoints, 2);
            s.e(73, 2);
            if (s.ok() && s.op(1) == s.op(2)) s.signale(kErreurPilotesEgaux, 3);
            s.e(63, 2, 2);
            s.entierDans(2, 2, 1, 10000, kErreurNombrePoints, 4);
            produitDePoints(s, 4);
            s.e(51, 3);
        });
        script({101}, [](Script& s) { suite(s, 101); });
        script({102}, [](Script& s) { suite(s, 102); });
        script({103}, [](Script& s) { suite(s, 103); });

        // Commands: each ends with the key.
        script({22}, [](Script& s) {
            s.e(93), s.e(63, 1, 1);
            s.entierDans(1, 1, 1, 100000000, kErreurValeurIncorrecte, 2);
            s.e(63, 2, 2);
            s.entierDans(2, 2, 50, 60000, kErreurValeurIncorrecte, 3);
            s.touche();
        });
        script({62, 63}, [](Script& s) { s.e(92), s.touche(); });
        script({64, 72}, [](Script& s) { s.e(91), s.touche(); });
        script({65}, [](Script& s) {
            s.e(87);
            litValeursAffectations(s.f, s.L);
            s.L.nouvelObjet.nombreValeurs = s.L.nombreExpressions;
            s.L.nouvelObjet.nombreExpressions = s.L.nombreExpressions;
            s.touche();
        });
        script({66}, [](Script& s) { affectationsMemorisees(s), s.touche(); });
        script({67}, [](Script& s) { affectationsAleatoires(s), s.touche(); });
        script({61}, creationIterative);
        script({73}, [](Script& s) { s.e(86, 1), s.touche(); });
        script({76}, [](Script& s) { s.touche(); });
        script({127}, [](Script& s) {
            litVariablesDuTableau(s.f, s.L);
            s.e(63, 1, 1), s.e(63, 2, 2), s.e(63, 3, 3), s.touche();
        });
        script({145}, [](Script& s) {
            s.angle(), s.e(63, 1, 5), s.e(63, 2, 6), s.e(63, 3, 7), s.e(63, 4, 8), s.touche();
        });
        script({149}, [](Script& s) {
            for (int k = 0; k < 3; ++k)
                s.v(k + 1) = s.f.anglesVue[k];
            s.touche();
        });
        script({154}, [](Script& s) {
            s.e(66, 1), s.e(63, 1, 4);
            s.entierDans(1, 4, 1, 50, kErreurValeurIncorrecte, 2);
            s.touche();
        });
        script({169}, [](Script& s) { s.angle(), s.e(76, 1, 1), s.e(63, 2, 5), s.touche(); });
        script({196}, [](Script& s) {
            s.e(63, 1, 1);
            if (s.verifiable(1) && std::fabs(s.v(1)) > 2) s.signale(kErreurValeurIncorrecte, 1);
            s.e(63, 2, 2);
            if (s.verifiable(2) && std::fabs(s.v(2)) > 2) s.signale(kErreurValeurIncorrecte, 2);
            s.touche();
        });
        // The keyboard step of a free object (held by the target object).
        script({115}, [](Script& s) {
            s.e(63, 1, 1);
            if (s.verifiable(1) && s.v(1) <= 0) s.signale(kErreurPasPositif, 1);
            const int cible = s.L.objetCible;
            if (s.verifiable(1) && cible >= 1 && cible <= s.f.nombreObjets) {
                const uint8_t c = objet(s.f, cible).codeConstruction;
                if ((c == 1 || c == 2 || c == 44 || c == 75) && s.v(1) != std::floor(s.v(1)))
                    s.signale(kErreurPasEntier, 1);
            }
        });

        // Given objects of prototypes.
        script({230, 231, 232, 233, 234, 236, 237, 238, 239, 240, 241,
                242, 246, 247, 249, 250, 251, 252, 253, 254, 255},
               [](Script& s) {
                   for (int k = 1; k <= 10; ++k)
                       s.v(k) = 0;
               });
        script({235}, [](Script& s) {
            for (int k = 1; k <= 10; ++k)
                s.v(k) = 0;
            s.v(4) = s.v(8) = 1;
        });

        // Nothing but the common end.
        auto rien = [](Script&) {};
        for (int c = 68; c <= 70; ++c)
            script({c}, rien, GenreScript::SansScript);
        for (int c = 77; c <= 100; ++c)
            script({c}, rien, GenreScript::SansScript);
        for (int c = 106; c <= 124; ++c)
            if (c != 113 && c != 115) script({c}, rien, GenreScript::SansScript);
        script({0, 152, 171, 177, 178, 179, 180, 183, 193, 194, 195, 198, 199, 200, 215, 243, 244, 245, 248},
               rien, GenreScript::SansScript);
        for (int c = 220; c <= 229; ++c)
            script({c}, rien, GenreScript::SansScript);
        return x;
    }();
    return t;
}

// The prototype replay: the given objects in the prototype's order, the
// name of the result last; no common end.
void rejouePrototype(Script& s) {
    TObjetFigure& o = s.L.nouvelObjet;
    TInterfacePrototype* p = etatExecuteur().trouvePrototype(s.f, o.numeroPrototype);
    if (p == nullptr) {
        s.L.erreur = kErreurRefusUtilisateur;
        return;
    }
    o.nombreParents = 0;
    o.nombreExpressions = 0;
    o.nombreValeurs = p->nombreValeursResultat;
    o.nombreEchantillons = p->echantillonsDernierObjet;
    auto note = [&](int k, int n) {
        // The list has places for nine given objects.
        if (k <= 9) p->operandesDonnes[std::size_t(k)] = uint8_t(n);
    };
    auto suivant = [&](int k) {
        const int n = ++o.nombreParents;
        note(k, n);
        return uint8_t(n);
    };
    const int nombre = std::min<int>(p->nombreDonnes, 10);
    for (int k = 1; k <= nombre; ++k) {
        const bool repere = p->ensembleRepere.test(std::size_t(13 + k));
        switch (p->naturesDonnes[std::size_t(k)]) {
        case kNaturePoint:
            s.e(51, suivant(k));
            break;
        case kNatureSegment: {
            const uint8_t n = suivant(k);
            s.e(89, n, uint8_t(n + 1));
            ++o.nombreParents;
            break;
        }
        case kNatureDroite: {
            const uint8_t n = suivant(k);
            s.e(repere ? 75 : 55, n, uint8_t(n + 1));
            ++o.nombreParents;
            break;
        }
        case kNatureDemiDroite: {
            const uint8_t n = suivant(k);
            s.e(72, n, uint8_t(n + 1));
            ++o.nombreParents;
            break;
        }
        case kNatureCercle:
            s.e(60, suivant(k));
            break;
        case kNatureArcDeCercle:
            s.e(61, suivant(k));
            break;
        case kNatureRepere:
            s.e(62, suivant(k));
            break;
        case kNatureFonction:
            s.e(64, suivant(k));
            break;
        case kNatureTransformation:
            s.e(68, suivant(k));
            break;
        case kNatureSuite:
            s.e(96, suivant(k));
            break;
        case kNatureFonction2Variables:
            s.e(102, suivant(k));
            break;
        case kNatureFonction3Variables:
            s.e(103, suivant(k));
            break;
        case kNaturePolyedreConvexe:
            s.e(70, suivant(k));
            break;
        case kNaturePolygoneConvexe:
            s.e(98, suivant(k));
            break;
        case kNatureSphere:
            s.e(97, suivant(k));
            break;
        case kNatureCylindre:
            s.e(105, suivant(k));
            break;
        case kNatureCone:
            s.e(104, suivant(k));
            break;
        case kNatureTroncDeCone:
            s.e(106, suivant(k));
            break;
        case kNatureUniteDeLongueur:
            suivant(k);
            s.e(65);
            break;
        case kNaturePlan: {
            const uint8_t n = suivant(k);
            s.e(repere ? 67 : 66, n, uint8_t(n + 1), uint8_t(n + 2));
            o.nombreParents = uint8_t(o.nombreParents + 2);
            break;
        }
        case kNatureNombreReel: {
            const int e = ++o.nombreExpressions, v = ++o.nombreValeurs;
            note(k, e);
            s.e(63, uint8_t(e), uint8_t(v));
            break;
        }
        case kNatureVecteur: {
            const int e = ++o.nombreExpressions, v = ++o.nombreValeurs;
            note(k, e);
            s.e(76, uint8_t(e), uint8_t(v));
            ++o.nombreValeurs;
            break;
        }
        default:
            break;
        }
    }
    s.e(o.nature);
}

// After every script but the prototype replay: the name of the new object,
// a unit of length when an expression needs one, and the starting values
// of free points in space and of displays.
void finCommune(Script& s) {
    TLigneAnalysee& L = s.L;
    TObjetFigure& o = L.nouvelObjet;
    const uint8_t code = o.codeConstruction;
    if ((code >= 230 && code <= 242) || code >= 247) o.nonDefini = 1;
    if (L.codeConstruction != 30 && L.codeConstruction != 33 && L.codeConstruction != 34 &&
        L.codeConstruction != 115)
        s.e(o.nature);
    if (s.ok() && L.besoinUnite && !L.octetTravail) {
        if (sansUniteDeLongueurAccessible(s.f)) {
            o.uniteLongueur = 2;
        } else {
            s.unite();
            if (estRefus(L.erreur)) L.erreur = kErreurUniteNecessaire;
        }
    }
    const int cible = L.objetCible;
    const bool existe = cible > kObjetsPredefinis && cible <= s.f.nombreObjets;
    if (s.ok() && L.codeConstruction == 132) {
        if (existe && !objet(s.f, cible).nonDefini) {
            for (int k = 1; k <= 3; ++k)
                s.v(k) = valeurObjet(s.f, cible, k);
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
        const EtatExecuteur& x = etatExecuteur();
        if (L.modeLecture == 0) {
            s.v(1) = x.paireHasard[0];
            s.v(2) = x.paireHasard[1];
        } else if (s.f.hauteurZoneAffichages == 0) {
            s.v(1) = 2;
            s.v(2) = 1;
        } else if (existe) {
            s.v(1) = valeurObjet(s.f, cible, 1);
            s.v(2) = valeurObjet(s.f, cible, 2);
        } else {
            s.v(1) = 2 + platform::entierAuHasard(s.f.largeurImage - 100);
            s.v(2) = 1;
        }
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
