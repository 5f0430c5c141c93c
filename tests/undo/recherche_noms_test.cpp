// Lookups by name after every road that changes the names of a figure:
// creation lines, refused lines (the figure put back), renames, deletions,
// undo and redo, a text written out and read back, writes of the name text
// outside any line, moves of objects, several figures in turn, and a figure
// copied over another. The answers are compared with the names read object
// by object; the check of the names after a line must follow the same roads.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "banc_annulation.h"
#include "model/expression_erreurs.h"
#include "text/installation_objet.h"
#include "text/noms_objets.h"
#include "text/ordre_objets.h"

namespace km32::annulation {
namespace {

using RechercheNoms = BancAnnulation;

bool estLigneParSesPoints(uint8_t code) {
    return code == 30 || code == 33 || code == 34;
}

// The object a written name designates, read object by object: the last
// object so named that is not a line by two points, else the last one.
int numeroParLecture(const TfigureKalmetra& f, const std::string& nom) {
    int dernier = 0, dernierSimple = 0;
    for (int i = 1; i <= f.nombreObjets; ++i)
        if (nomObjetOuVecteur(f, i) == nom) {
            dernier = i;
            if (!estLigneParSesPoints(objet(f, i).codeConstruction)) dernierSimple = i;
        }
    return dernierSimple != 0 ? dernierSimple : dernier;
}

// The first object of that kind and name.
int numeroDeNatureParLecture(const TfigureKalmetra& f, const std::string& nom, uint8_t nature) {
    for (int i = 1; i <= f.nombreObjets; ++i)
        if (objet(f, i).nature == nature && nomObjet(f, i) == nom) return i;
    return 0;
}

// Every name and notation of the figure, and the names given, looked up
// both ways.
void attendRecherchesJustes(const TfigureKalmetra& f, const std::vector<std::string>& autres = {}) {
    std::vector<std::string> noms = autres;
    for (int i = 1; i <= f.nombreObjets; ++i) {
        noms.push_back(nomObjet(f, i));
        noms.push_back(nomObjetOuVecteur(f, i));
    }
    for (const std::string& nom : noms) {
        // The lookups read 10 characters; (AB), [AB] and [AB) have a lookup of their own.
        if (nom.size() > 10 || (!nom.empty() && (nom[0] == '(' || nom[0] == '['))) continue;
        EXPECT_EQ(numeroObjetDeNotation(f, nom), numeroParLecture(f, nom)) << '"' << nom << '"';
        for (uint8_t nature : {kNaturePoint, kNatureVecteur, kNatureNombreReel, kNatureDroite})
            EXPECT_EQ(numeroObjetDeNomEtType(f, nom, nature), numeroDeNatureParLecture(f, nom, nature))
                << '"' << nom << "\" of kind " << int(nature);
    }
}

const char* const kFigure = "A point de coordonnées (0,0,0) dans le repère Rxyz\r\n"
                            "B point de coordonnées (4,0,0) dans le repère Rxyz\r\n"
                            "C point de coordonnées (0,2,6) dans le repère Rxyz\r\n"
                            "M milieu du segment [BC]\r\n"
                            "vec(u) = vec(A,B)\r\n"
                            "d = AB\r\n"
                            "Droite (AB)\r\n"
                            "Segment [BC]\r\n"
                            "D1 droite (AC)\r\n"
                            "S1 segment [AM]\r\n";

TEST_F(RechercheNoms, EveryRoadThatChangesNamesIsFollowed) {
    TfigureKalmetra& f = figure(1, kFigure);
    attendRecherchesJustes(f, {"vec(u)", "E", "(AB)", "AB"});
    const int b = numero(f, "B");
    ASSERT_NE(b, 0);

    struct Pas {
        const char* ligne;
        bool reussit;
        std::vector<std::string> attendus; // names that must then designate an object
        std::vector<std::string> partis;   // names that must then designate none
    };
    const Pas pas[] = {
        {"E point de coordonnées (1,1,1) dans le repère Rxyz", true, {"E"}, {}},
        {"Renommer B M: F G", true, {"F", "G"}, {"B", "M"}},
        // A name borne by an object of another kind, a name borne twice, a
        // name of the wrong syntax: refused, the figure put back.
        {"F = 3", false, {"F"}, {}},
        {"Renommer E: A", false, {"E", "A"}, {}},
        {"Renommer vec(u): 1u", false, {"vec(u)"}, {"vec(1u)"}},
        {"Renommer vec(u): w", true, {"vec(w)"}, {"vec(u)"}},
        // Built-in axes under names outside the syntax of user names; a
        // name already borne stays refused.
        {"Renommer ox oy oz: Ox Oy Oz", true, {"Ox", "Oy", "Oz"}, {"ox", "oy", "oz"}},
        {"Renommer oxy: Ox", false, {"Ox", "oxy"}, {}},
        {"Supprimer A", true, {"F", "E"}, {"A", "d", "D1", "S1", "vec(w)"}},
        {"A point de coordonnées (5,5,5) dans le repère Rxyz", true, {"A"}, {}},
    };
    for (const Pas& p : pas) {
        SCOPED_TRACE(p.ligne);
        ASSERT_TRUE(prendInstantanePourAnnuler(f, f));
        const std::string avant = noms(f);
        const uint16_t resultat = ligne(f, p.ligne);
        EXPECT_EQ(resultat == 0, p.reussit) << resultat;
        if (!p.reussit) {
            EXPECT_EQ(noms(f), avant);
        }
        for (const std::string& n : p.attendus)
            EXPECT_NE(numeroObjetDeNotation(f, n), 0) << n;
        for (const std::string& n : p.partis)
            EXPECT_EQ(numeroObjetDeNotation(f, n), 0) << n;
        attendRecherchesJustes(f, p.partis);
        EXPECT_EQ(verifieNomsFigure(f), 0);
    }
    // Back through every change, and one forward again.
    std::vector<std::string> etats{noms(f)};
    while (defaitFigure(f)) {
        attendRecherchesJustes(f, {"A", "B", "M", "F", "G", "u", "w", "vec(u)", "vec(w)"});
        etats.push_back(noms(f));
    }
    EXPECT_EQ(etats.back(), "A B C M u d AB BC D1 S1");
    EXPECT_EQ(numeroObjetDeNotation(f, "ox"), 8);
    EXPECT_EQ(numeroObjetDeNotation(f, "Ox"), 0);
    ASSERT_TRUE(refaitFigure(f));
    attendRecherchesJustes(f, {"A", "B", "M", "F", "G", "u", "w", "vec(u)", "vec(w)"});
    EXPECT_EQ(noms(f), etats[etats.size() - 2]);

    // Written out, then read back into the same record emptied: the lookups
    // answer for the figure read.
    const std::string ecrit = ecritTexteFigure(f);
    const std::string lus = noms(f);
    reinitialiseFigure(f);
    EXPECT_EQ(numeroObjetDeNotation(f, "C"), 0);
    {
        const GardeValeur<uint8_t> horsExecution(executionReelle(), 0);
        ASSERT_EQ(executeTexteDeFigure(f, ecrit, 1), 0);
    }
    EXPECT_EQ(noms(f), lus);
    attendRecherchesJustes(f, {"A", "B", "M", "F", "G", "u", "w", "vec(u)", "vec(w)"});
}

// Writes that bypass every line: the name text changed in place, an object
// moved, the object count cut. The lookups and the check of the names see
// them at once.
TEST_F(RechercheNoms, WritesOutsideTheLinesAreSeenAtOnce) {
    TfigureKalmetra& f = figure(1, kFigure);
    const int a = numero(f, "A"), c = numero(f, "C"), m = numero(f, "M");
    ASSERT_EQ(verifieNomsFigure(f), 0);

    // C takes the name of A: two points named A, and the later one wins.
    changeTexteNomObjet(f, c, "A");
    EXPECT_EQ(numero(f, "A"), c);
    EXPECT_EQ(numero(f, "C"), 0);
    EXPECT_EQ(numeroObjetDeNomEtType(f, "A", kNaturePoint), a);
    EXPECT_EQ(verifieNomsFigure(f), kErreurObjetExisteDeja);
    EXPECT_EQ(nomErreur1(), "A");
    // The line named by its points follows the name of C: (AA) now.
    attendRecherchesJustes(f, {"(AC)", "(AA)", "AC", "AA"});

    // The same bytes, put in place by hand in the text itself.
    f.texteDesNoms[objet(f, c).debutNom - 1] = 'K';
    EXPECT_EQ(numero(f, "K"), c);
    EXPECT_EQ(numero(f, "A"), a);
    EXPECT_EQ(verifieNomsFigure(f), 0);
    attendRecherchesJustes(f, {"AK", "AC"});

    // A name the syntax refuses, then set right again.
    changeTexteNomObjet(f, m, "M_");
    EXPECT_NE(verifieNomsFigure(f), 0);
    changeTexteNomObjet(f, m, "M");
    EXPECT_EQ(verifieNomsFigure(f), 0);

    // An object moved: every number after it shifts.
    ASSERT_TRUE(deplacementPossible(f, f.nombreObjets, m + 1));
    deplaceObjet(f, f.nombreObjets, m + 1);
    attendRecherchesJustes(f);
    EXPECT_EQ(numero(f, "S1"), m + 1);

    // Fewer objects: the last ones are gone for the lookups too.
    const int avant = f.nombreObjets;
    f.nombreObjets = uint8_t(m);
    EXPECT_EQ(numero(f, "S1"), 0);
    attendRecherchesJustes(f, {"S1", "D1", "u"});
    f.nombreObjets = uint8_t(avant);
    EXPECT_EQ(numero(f, "S1"), m + 1);
}

// More figures than the lookups keep at once, read in turn, and a figure
// copied over another: each lookup answers for the figure it is given.
TEST_F(RechercheNoms, ManyFiguresInTurnAndAFigureCopiedOverAnother) {
    std::vector<std::unique_ptr<TfigureKalmetra>> figures;
    for (int k = 0; k < 7; ++k)
        figures.push_back(figureSeule("P" + std::to_string(k) + " point de coordonnées (" +
                                      std::to_string(k) + ",0,0) dans le repère Rxyz\r\n"));
    for (int tour = 0; tour < 3; ++tour)
        for (int k = 0; k < 7; ++k) {
            const TfigureKalmetra& g = *figures[std::size_t(k)];
            for (int j = 0; j < 7; ++j)
                EXPECT_EQ(numeroObjetDeNotation(g, "P" + std::to_string(j)),
                          j == k ? kObjetsPredefinis + 1 : 0);
        }
    // Figure 0 becomes a copy of figure 3, in the same record.
    restaureFigure(*figures[3], *figures[0]);
    EXPECT_EQ(numeroObjetDeNotation(*figures[0], "P0"), 0);
    EXPECT_EQ(numeroObjetDeNotation(*figures[0], "P3"), kObjetsPredefinis + 1);
}

// Random changes by lines, some of them refused, and by undo and redo; after
// each, every lookup agrees with the names read object by object.
TEST_F(RechercheNoms, RandomChangesKeepTheLookupsRight) {
    TfigureKalmetra& f = figure(1, kFigure);
    std::mt19937 hasard(20261210);
    const auto tire = [&hasard](int n) { return int(hasard() % unsigned(n)); };
    const std::vector<std::string> lettres{"A", "B", "C", "E", "F", "G", "K", "M", "P1", "P2", "u", "w", "d"};
    const auto nomAuHasard = [&] { return lettres[std::size_t(tire(int(lettres.size())))]; };
    const auto objetAuHasard = [&]() -> std::string {
        if (f.nombreObjets <= kObjetsPredefinis) return "A";
        return nomObjet(f, kObjetsPredefinis + 1 + tire(f.nombreObjets - kObjetsPredefinis));
    };
    int refusees = 0, reussies = 0;
    for (int pas = 0; pas < 120; ++pas) {
        std::string l;
        switch (tire(6)) {
        case 0:
        case 1:
            l = nomAuHasard() + " point de coordonnées (" + std::to_string(tire(9)) +
                ",1,2) dans le repère Rxyz";
            break;
        case 2:
            l = "Renommer " + objetAuHasard() + ": " + nomAuHasard();
            break;
        case 3:
            l = nomAuHasard() + " milieu du segment [" + objetAuHasard() + objetAuHasard() + "]";
            break;
        case 4:
            l = "Supprimer " + objetAuHasard();
            break;
        default:
            if (tire(2) == 0)
                defaitFigure(f);
            else
                refaitFigure(f);
            break;
        }
        SCOPED_TRACE(std::to_string(pas) + ": " + l);
        if (!l.empty()) {
            (void)prendInstantanePourAnnuler(f, f);
            (ligne(f, l) == 0 ? reussies : refusees) += 1;
        }
        attendRecherchesJustes(f, lettres);
        if (HasFailure()) return;
    }
    // The walk went both ways.
    EXPECT_GT(reussies, 20);
    EXPECT_GT(refusees, 10);
}

} // namespace
} // namespace km32::annulation
