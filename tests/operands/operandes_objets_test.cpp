#include <gtest/gtest.h>

#include <string>

#include "figure_operandes.h"
#include "text/ligne_creation.h"
#include "text/noms_objets.h"
#include "text/operandes_objets.h"

using namespace km32;
using essai::FigureOperandes;

namespace {

using Lecteur = void (*)(const TfigureKalmetra&, std::string_view, uint8_t, TListeObjets&, uint8_t&,
                         uint16_t&);

TEST(OperandesObjets, ListNormalisation) {
    const struct {
        const char *texte, *attendu;
    } cas[] = {{"A, B,,C", "A B C "}, {"  A  B ", "A B "}, {"A", "A "}, {", ,", ""}, {"", ""},
               {"(A,B)", "(A B) "}};
    for (const auto& c : cas)
        EXPECT_EQ(normaliseListe(c.texte), c.attendu) << c.texte;
}

TEST_F(FigureOperandes, ObjectLists) {
    const struct {
        const char* nomLecteur;
        Lecteur lecteur;
        const char* texte;
        uint8_t mode;
        bool hote;
        const char* lus; // notations of the objects read
        uint16_t erreur;
        const char* nom1;
    } cas[] = {
        {"list", litListeObjets, "A, B,,C", 1, false, "A B C", 0, ""},
        {"list", litListeObjets, "[BA] (DC) [AC) vec(u)", 1, false, "[AB] (CD) [AC) vec(u)", 0, ""},
        {"list", litListeObjets, "A A", 1, false, "A A", 655, "A"},
        {"list", litListeObjets, "[AB] A [BA]", 1, false, "[AB] A [AB]", 655, "[AB]"},
        {"list", litListeObjets, "A X B", 1, false, "A", 537, "X"},
        {"list", litListeObjets, "A X B", 1, true, "A B", 0, ""},
        {"list", litListeObjets, "A X A", 1, true, "A A", 655, "A"},
        {"list", litListeObjets, ", ,", 1, false, "", 537, ""},
        {"list", litListeObjets, ", ,", 1, true, "", 0, ""},
        {"list", litListeObjets, "", 1, false, "", 0, ""},
        {"list", litListeObjets, "A H", 2, false, "A", 600, "H"},
        {"unchecked", litListeObjetsSansControle, "A A", 1, false, "A A", 0, ""},
        {"unchecked", litListeObjetsSansControle, "A X B", 1, true, "A", 537, "X"},
        {"free", litListeObjetsLibres, "A k1", 1, false, "A k1", 0, ""},
        {"free", litListeObjetsLibres, "A m k1", 1, false, "A m k1", 604, "m"},
        {"free", litListeObjetsLibres, "k1 k1", 1, false, "k1 k1", 655, "k1"},
        {"commands", litListeCommandes, "c c2 c", 1, false, "c c2 c", 0, ""},
        {"commands", litListeCommandes, "c A", 1, false, "c A", 596, "A (point)"},
        {"traceable", litListeObjetsTracables, "A [AB] d", 1, false, "A [AB] d", 0, ""},
        {"traceable", litListeObjetsTracables, "A c", 1, false, "A c", 643, "c"},
        {"modifiable", litListeObjetsModifiables, "A A G", 1, false, "A A G", 0, ""},
        {"modifiable", litListeObjetsModifiables, "A G B", 2, false, "A", 606, "G"},
        {"modifiable", litListeObjetsModifiables, "A G B", 2, true, "A B", 0, ""},
        {"modifiable", litListeObjetsModifiables, "A H B", 2, false, "A", 600, "H"},
        {"drawable", litListeObjetsDessinables, "A [AB]", 1, false, "A [AB]", 0, ""},
        {"drawable", litListeObjetsDessinables, "A c", 1, false, "A c", 619, "c"},
        {"renamable", litListeObjetsRenommables, "A (CD) d", 1, false, "A (CD) d", 0, ""},
        {"renamable", litListeObjetsRenommables, "A [AB]", 1, false, "A [AB]", 667, "[AB]"},
        {"renamable", litListeObjetsRenommables, "[AC)", 1, false, "[AC)", 667, "[AC)"},
        {"ordered", litListeObjetsOrdonnee, "C A B", 1, false, "A B C", 0, ""},
        {"ordered", litListeObjetsOrdonnee, "C A C", 1, false, "C A C", 655, "C"},
    };
    for (const auto& c : cas) {
        etatOperandes().texteHote = c.hote;
        reinitialiseErreurs();
        TListeObjets liste{};
        uint8_t nombre = 77;
        uint16_t erreur = 0;
        c.lecteur(f, c.texte, c.mode, liste, nombre, erreur);
        const std::string contexte = std::string(c.nomLecteur) + " \"" + c.texte + "\"";
        EXPECT_EQ(erreur, c.erreur) << contexte;
        EXPECT_EQ(notations(liste.data(), nombre), c.lus) << contexte;
        if (c.erreur > 532) {
            EXPECT_EQ(nomErreur1(), c.nom1) << contexte;
        }
        // A refusal on entry leaves everything as it was.
        nombre = 77;
        erreur = 600;
        c.lecteur(f, c.texte, c.mode, liste, nombre, erreur);
        EXPECT_EQ(nombre, 77) << contexte;
        EXPECT_EQ(erreur, 600) << contexte;
    }
}

TEST_F(FigureOperandes, ObjectSets) {
    TEnsembleObjets ensemble;
    ensemble.set(3);
    ensembleObjetsDeNoms(f, "A X o [AB] i", ensemble);
    TEnsembleObjets attendu;
    attendu.set(A).set(segAB);
    EXPECT_EQ(ensemble, attendu); // unknown and built-in names ignored

    uint16_t erreur = 0;
    litEnsembleObjets(f, "o A,B", 1, ensemble, erreur);
    EXPECT_EQ(erreur, 0);
    attendu.reset();
    attendu.set(7).set(A).set(B);
    EXPECT_EQ(ensemble, attendu);

    litEnsembleObjets(f, "A X B", 1, ensemble, erreur);
    EXPECT_EQ(erreur, 537);
    attendu.reset();
    attendu.set(A);
    EXPECT_EQ(ensemble, attendu);
}

TEST_F(FigureOperandes, PointDesignations) {
    using Lecteur2 =
        void (*)(const TfigureKalmetra&, std::string_view, uint8_t, uint8_t&, uint8_t&, uint16_t&);
    const struct {
        Lecteur2 lecteur;
        const char* texte;
        uint8_t mode;
        const char* lus;
        uint16_t erreur;
    } cas[] = {
        {litDeuxPoints, "AB", 1, "A B", 0},
        {litDeuxPoints, "A1'B", 1, "- -", 641}, // A1' is no name of a point
        {litDeuxPoints, "A1B'", 1, "A1 B'", 0},
        {litDeuxPoints, "A B", 1, "A B", 0},
        {litDeuxPoints, "A,B", 1, "A B", 0},
        {litDeuxPoints, "AB C", 1, "A B", 533},
        {litDeuxPoints, "A", 1, "A -", 539},
        {litDeuxPoints, "1B", 1, "- -", 533},
        {litDeuxPoints, "AX", 1, "A -", 537},
        {litDeuxPoints, "Ak1", 1, "A k1", 596},
        {litDeuxPoints, "A        BC", 1, "A B", 0}, // only 10 characters are read
        {litDeuxPoints, "AA", 1, "A A", 0},
        {litDeuxPointsDistincts, "AA", 1, "A A", 541},
        {litDeuxPointsDistincts, "AB", 1, "A B", 0},
        {litDeuxPointsNonConfondus, "BE", 1, "B E", 0},
        {litDeuxPointsNonConfondus, "BE", 2, "B E", 434},
        {litDeuxPointsNonConfondus, "AB", 2, "A B", 0},
        {litDeuxPointsNonConfondus, "AI", 4, "A I", 437},
    };
    for (const auto& c : cas) {
        uint8_t p = 99, q = 99;
        uint16_t erreur = 0;
        c.lecteur(f, c.texte, c.mode, p, q, erreur);
        EXPECT_EQ(erreur, c.erreur) << c.texte;
        EXPECT_EQ(notation(p) + " " + notation(q), c.lus) << c.texte;
    }
}

TEST_F(FigureOperandes, ThreePointsAndAngles) {
    using Lecteur3 =
        void (*)(const TfigureKalmetra&, std::string_view, uint8_t, uint8_t&, uint8_t&, uint8_t&, uint16_t&);
    const struct {
        Lecteur3 lecteur;
        const char* texte;
        uint8_t mode;
        const char* lus;
        uint16_t erreur;
    } cas[] = {
        {litTroisPoints, "ABC", 1, "A B C", 0},
        {litTroisPoints, "(A,B,C)", 1, "A B C", 0},
        {litTroisPoints, "[A B' C2]", 1, "A B' C2", 0},
        {litTroisPoints, "ABCD", 1, "A B C", 533},
        {litTroisPoints, "AB", 1, "A B -", 539},
        {litTroisPoints, "AB+", 1, "A B -", 533},
        {litAngle, "ABA", 1, "A B A", 0},
        {litAngle, "AAB", 1, "A A B", 551},
        {litAngle, "ABB", 1, "A B B", 551},
        {litAngle, "ABE", 1, "A B E", 443}, // the vertex and E share a place, at every mode
        {litTroisPointsDistincts, "ABA", 1, "A B A", 541},
        {litTroisPointsDistincts, "ABC", 1, "A B C", 0},
        {litTroisPointsNonAlignes, "ABF", 1, "A B F", 0},
        {litTroisPointsNonAlignes, "ABF", 2, "A B F", 435},
        {litTroisPointsNonAlignes, "ABC", 2, "A B C", 0},
    };
    for (const auto& c : cas) {
        uint8_t p = 99, q = 99, r = 99;
        uint16_t erreur = 0;
        c.lecteur(f, c.texte, c.mode, p, q, r, erreur);
        EXPECT_EQ(erreur, c.erreur) << c.texte;
        EXPECT_EQ(notation(p) + " " + notation(q) + " " + notation(r), c.lus) << c.texte;
    }
}

TEST_F(FigureOperandes, SegmentsAxesLinesAndPlanes) {
    enum Quoi { Segment, SegmentDistinct, Axe, Droite, Plan };
    const struct {
        Quoi quoi;
        const char* texte;
        uint8_t mode;
        const char* lus;
        uint16_t erreur;
    } cas[] = {
        {Segment, "[AB]", 1, "A B -", 0},
        {Segment, "AB", 1, "A B -", 0},
        {Segment, "[BA]", 1, "B A -", 0},
        {Segment, "s", 1, "s - -", 0},
        {Segment, "[s]", 1, "s - -", 0},
        {Segment, "[AA]", 1, "A A -", 0},
        {SegmentDistinct, "[AA]", 1, "A A -", 541},
        {SegmentDistinct, "[BE]", 2, "B E -", 434},
        {Axe, "[AB)", 1, "A B -", 0},
        {Axe, "[BA)", 1, "B A -", 0},
        {Axe, "oz", 1, "oz - -", 0},
        {Axe, "ox", 1, "ox - -", 0},
        {Axe, "h", 1, "h - -", 0},
        {Axe, "[BE)", 2, "B E -", 434},
        {Droite, "(AB)", 1, "A B -", 0},
        {Droite, "(DC)", 1, "D C -", 0},
        {Droite, "d", 1, "d - -", 0},
        {Droite, "(d)", 1, "d - -", 0},
        {Droite, "ox", 1, "ox - -", 0},
        {Droite, "A", 1, "- - -", 664},
        {Droite, "(XY)", 1, "- - -", 537},
        {Plan, "xoy", 1, "oxy - -", 0},
        {Plan, "(oxy)", 1, "oxy - -", 0},
        {Plan, "yoz", 1, "oyz - -", 0},
        {Plan, "zox", 1, "ozx - -", 0},
        {Plan, "xoz", 1, "ozx - -", 0},
        {Plan, "P", 1, "P - -", 0},
        {Plan, "Q", 1, "Q - -", 437}, // an undefined plane, at every mode
        {Plan, "ABC", 1, "A B C", 0},
        {Plan, "(ABC)", 1, "A B C", 0},
        {Plan, "ABF", 2, "A B F", 435},
        {Plan, "oxx", 1, "o - -", 666},
        {Plan, "ABX", 1, "A B -", 666},
        {Plan, "AAB", 1, "A A B", 666},
    };
    for (const auto& c : cas) {
        uint8_t p = 99, q = 99, r = 0;
        uint16_t erreur = 0;
        switch (c.quoi) {
        case Segment:
            litSegment(f, c.texte, c.mode, false, p, q, erreur);
            break;
        case SegmentDistinct:
            litSegment(f, c.texte, c.mode, true, p, q, erreur);
            break;
        case Axe:
            litAxe(f, c.texte, c.mode, p, q, erreur);
            break;
        case Droite:
            litDroite(f, c.texte, c.mode, p, q, erreur);
            break;
        case Plan:
            litPlanDeRepere(f, c.texte, c.mode, p, q, r, erreur);
            break;
        }
        EXPECT_EQ(erreur, c.erreur) << c.texte;
        EXPECT_EQ(notation(p) + " " + notation(q) + " " + notation(r), c.lus) << c.texte;
        if (c.erreur == 664 || c.erreur == 666) {
            EXPECT_EQ(nomErreur1(), c.texte[0] == '(' ? std::string(c.texte).substr(1, 3) : c.texte);
        }
    }
}

TEST_F(FigureOperandes, NamingTheNewObject) {
    const struct {
        uint8_t nature;
        const char* nom;
        uint8_t mode;
        int numero; // -1: count + 1
        uint16_t erreur;
        const char* nom1;
    } cas[] = {
        {kNaturePoint, "Z", 1, -1, 0, ""},
        {kNaturePoint, "A", 1, 0, 0, ""}, // redefinition, without a question below mode 4
        {kNaturePoint, "G", 1, 0, 0, ""},
        {kNaturePoint, "A", 2, 0, 0, ""},
        {kNaturePoint, "G", 2, 0, 538, "G (point)\r\nObjet protégé"},
        {kNaturePoint, "H", 2, 0, 538, "H\r\nObjet d'accès interdit"},
        {kNaturePoint, "o", 1, 0, 538, "o (point)\r\nObjet protégé"},
        {kNatureRepere, "Rxyz", 1, 0, 538, "Rxyz (repère)\r\nObjet protégé"},
        {kNatureDroite, "A", 1, 0, 538, "A (point)"},
        {kNaturePoint, "1Z", 1, 0, 638, ""},
        {kNaturePoint, "", 1, 0, 539, ""},
        {kNaturePlan, "k", 1, 0, 538, "k (vecteur)"},
    };
    for (const auto& c : cas) {
        reinitialiseErreurs();
        uint8_t n = 99;
        uint16_t erreur = 0;
        nommeNouvelObjet(f, c.nature, c.nom, c.mode, n, erreur);
        EXPECT_EQ(erreur, c.erreur) << c.nom;
        if (c.erreur == 0) {
            const int attendu = c.numero < 0 ? f.nombreObjets + 1 : numeroObjetDeNotation(f, c.nom);
            EXPECT_EQ(n, attendu) << c.nom;
        }
        if (c.erreur == 538) {
            EXPECT_EQ(nomErreur1(), windows1252DeUtf8(c.nom1)) << c.nom;
        }
    }
    EXPECT_TRUE(platform::boitesDemandees().empty());

    // A protected object that may be redefined is asked about at mode 4 only.
    f.objets[pointProtege].drapeaux = kDrapeauProtege | kDrapeauProtegeSaufRedefinition;
    uint8_t n = 0;
    uint16_t erreur = 0;
    nommeNouvelObjet(f, kNaturePoint, "G", 2, n, erreur);
    EXPECT_EQ(erreur, 0);
    EXPECT_TRUE(platform::boitesDemandees().empty());

    platform::reponsesPrevues().push_back({platform::kReponseNon, ""});
    nommeNouvelObjet(f, kNaturePoint, "G", 4, n, erreur);
    EXPECT_EQ(erreur, kErreurRefusUtilisateur);
    ASSERT_EQ(platform::boitesDemandees().size(), 1u);
    EXPECT_EQ(platform::boitesDemandees()[0].texte, windows1252DeUtf8("Voulez-vous redéfinir G? (O/N):"));

    erreur = 0;
    nommeNouvelObjet(f, kNatureVecteur, "u", 4, n, erreur); // answered Yes
    EXPECT_EQ(erreur, 0);
    EXPECT_EQ(n, u);
    EXPECT_EQ(platform::boitesDemandees().back().texte,
              windows1252DeUtf8("Voulez-vous redéfinir vec(u)? (O/N):"));

    // A new name held by an object of another kind.
    erreur = 0;
    nommeNouvelObjet(f, kNaturePlan, "k1", 1, n, erreur);
    EXPECT_EQ(erreur, 538);
    EXPECT_EQ(nomErreur1(), "k1 (nombre)");
}

TEST_F(FigureOperandes, ConstructedObjectNameAndOperandOfAKind) {
    auto ligne = std::make_unique<TLigneAnalysee>();
    std::string texte = "vec(w)";
    nommeObjetConstruit(f, *ligne, texte, kNatureVecteur);
    EXPECT_EQ(ligne->erreur, 0);
    EXPECT_EQ(texte, "w");
    EXPECT_EQ(ligne->nomNouvelObjet, "w");
    EXPECT_EQ(ligne->objetCible, f.nombreObjets + 1);

    texte = "w";
    nommeObjetConstruit(f, *ligne, texte, kNatureVecteur);
    EXPECT_EQ(ligne->erreur, kErreurEcrireVec);

    ligne->erreur = 0;
    litOperandeDeNature(f, *ligne, "B'", kNaturePoint, 2);
    EXPECT_EQ(ligne->erreur, 0);
    EXPECT_EQ(ligne->parents[2], Bp);
    EXPECT_THROW(litOperandeDeNature(f, *ligne, "B'", kNaturePoint, 251), ErreurInterne);
}

TEST_F(FigureOperandes, KeysOfCommands) {
    uint8_t touche = 0;
    uint16_t erreur = 0;
    litTouche("ctrl-c", touche, erreur);
    EXPECT_EQ(erreur, 0);
    EXPECT_EQ(touche, 131);
    litTouche("CTRL-", touche, erreur);
    EXPECT_EQ(erreur, kErreurTouche);
    EXPECT_EQ(nomErreur1(), "CTRL-");

    EXPECT_TRUE(toucheDejaUtilisee(f, 'K', 0));
    EXPECT_FALSE(toucheDejaUtilisee(f, 'K', uint8_t(cmd)));
    EXPECT_FALSE(toucheDejaUtilisee(f, 'L', 0));
    EXPECT_FALSE(toucheDejaUtilisee(f, 255, 0)); // c2 has no key
}

TEST(OperandesObjets, TraceableCodes) {
    int n = 0;
    for (int c = 0; c < 256; ++c)
        n += estConstructionTracable(uint8_t(c));
    EXPECT_EQ(n, 84);
    EXPECT_FALSE(estConstructionTracable(22));
    EXPECT_TRUE(estConstructionTracable(254));
}

} // namespace
