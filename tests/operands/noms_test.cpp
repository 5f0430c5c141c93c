#include <gtest/gtest.h>

#include <string>

#include "figure_operandes.h"
#include "platform/fenetres.h"
#include "phrases/phrase.h"
#include "platform/messages.h"
#include "text/noms_objets.h"

using namespace km32;
using essai::FigureOperandes;

namespace {

std::string w(const std::string& utf8) {
    return windows1252DeUtf8(utf8);
}

TEST(NomsObjets, NameTokenTakenFromTheFront) {
    const struct {
        const char *texte, *nom, *reste;
        uint16_t erreur;
    } cas[] = {
        {", P1' mot", "P1'", " mot", 0},
        {"A1234", "A123", "4", 0},
        {"AB", "A", "B", 0},
        {"B''C", "B''", "C", 0},
        {"1A", "", "1A", 638},
        {"", "", "", 0},
        {" ,  ", "", "", 0},
        {"a\"b", "a\"", "b", 0},
        {"+B", "", "+B", 638},
    };
    for (const auto& c : cas) {
        std::string texte = c.texte, nom = "x";
        uint16_t erreur = 0;
        litNomObjet(texte, nom, erreur);
        EXPECT_EQ(nom, c.nom) << c.texte;
        EXPECT_EQ(texte, c.reste) << c.texte;
        EXPECT_EQ(erreur, c.erreur) << c.texte;
    }
    // A chain of reads stops at its first refusal.
    std::string texte = "AB", nom = "x";
    uint16_t erreur = 600;
    litNomObjet(texte, nom, erreur);
    EXPECT_EQ(texte, "AB");
    EXPECT_EQ(erreur, 600);
}

TEST(NomsObjets, SyntaxOfNewNames) {
    const struct {
        uint8_t nature;
        const char* nom;
        uint16_t erreur;
        const char* mot; // "#2" of 644
    } cas[] = {
        {kNatureNombreReel, "Pi", 644, "PI"},
        {kNatureNombreReel, "P", 0, ""},
        {kNatureNombreReel, "x", 0, ""},
        {kNatureNombreReel, "cos1", 644, "COS"},
        {kNatureNombreReel, "ab", 0, ""},
        {kNatureFonction, "f2", 0, ""},
        {kNatureFonction, "fx", 0, ""},
        {kNatureFonction, "f'", 640, ""},
        {kNatureFonction, "fsin", 644, "SIN"},
        {kNaturePoint, "A''", 641, ""},
        {kNaturePoint, "A'1", 0, ""},
        {kNaturePoint, "A12'", 642, ""},
        {kNaturePoint, "AB", 640, ""},
        {kNaturePoint, "A123", 0, ""},
        {kNatureVecteur, "u2x", 641, ""},
        {kNaturePlan, "u2x", 0, ""},
        {kNaturePlan, "Pmin", 0, ""}, // planes may hold reserved words
        {kNaturePolygoneConvexe, "pq", 640, ""},
        {kNaturePolygoneConvexe, "p1a", 0, ""},
        {kNatureSuite, "n", 595, ""},
        {kNatureSuite, "u", 0, ""},
        {kNatureSuite, "un", 595, ""},
        {kNaturePoint, "", 637, ""},
        {kNaturePoint, "ABCDE", 637, ""},
        {kNaturePoint, "1", 638, ""},
        {kNatureNombreReel, "\xE9t", 638, ""}, // é is no letter A-Z
    };
    for (const auto& c : cas) {
        reinitialiseErreurs();
        uint16_t erreur = 0;
        controleNomObjet(c.nature, c.nom, erreur);
        EXPECT_EQ(erreur, c.erreur) << c.nom << " kind " << int(c.nature);
        if (c.erreur == 644) {
            EXPECT_EQ(nomErreur2(), c.mot) << c.nom;
        }
        if (c.erreur >= 640 && c.erreur <= 644) {
            EXPECT_EQ(nomErreur1(), c.nom);
        }
    }
}

TEST(NomsObjets, VectorNotation) {
    const struct {
        const char *nom, *resultat, *texteMath;
        uint16_t erreur;
    } cas[] = {
        {"vec(u)", "u", "\\vec(u);s:u\\", 0},
        {"VEC(u1)", "u1", "\\vec(u1);s:u1\\", 0},
        {"Vec(w')", "w'", "\\vec(w');s:w'\\", 0},
        {"u", "u", "", 584},
        {"vec(u", "vec(u", "", 584},
        {"vec(uab)", "uab", "", 640},
    };
    for (const auto& c : cas) {
        reinitialiseErreurs();
        std::string nom = c.nom;
        uint16_t erreur = 0;
        oteVecDuNom(nom, erreur);
        EXPECT_EQ(erreur, c.erreur == 584 ? 584 : 0) << c.nom;
        if (erreur == 0) {
            EXPECT_EQ(nom, c.resultat) << c.nom;
        }
        if (erreur == 584) {
            EXPECT_EQ(nomErreur1(), c.nom);
        }

        std::string math = c.nom;
        erreur = 0;
        nomDeVecteurEnTexteMath(math, 80, erreur);
        EXPECT_EQ(erreur, c.erreur) << c.nom;
        EXPECT_EQ(math, c.erreur ? c.nom : c.texteMath) << c.nom;
    }
    std::string court = "vec(u)";
    uint16_t erreur = 0;
    nomDeVecteurEnTexteMath(court, 6, erreur);
    EXPECT_EQ(court, "\\vec(u");
}

TEST_F(FigureOperandes, LookupOfExistingObjectsByNameAndKind) {
    const struct {
        uint8_t nature;
        const char* nom;
        uint8_t mode;
        int attendu;
        uint16_t erreur;
        const char* nom1;
    } cas[] = {
        {kNaturePoint, "A", 1, A, 0, ""},
        {kNaturePoint, " A ", 1, A, 0, ""},
        {kNaturePoint, "B'", 1, Bp, 0, ""},
        {kNatureVecteur, "u", 1, u, 0, ""},      // a vector by its bare name
        {kNatureVecteur, "vec(u)", 1, u, 0, ""}, // and as it is written
        {kNaturePoint, "X", 1, 0, 537, "X"},
        {kNaturePoint, "", 1, 0, 539, ""},
        {kNatureDroite, "A", 1, A, 596, "A (point)"},
        {kNatureNombreReel, "P", 1, P, 596, "P (plan)"},
        {kNaturePoint, "H", 1, pointInterdit, 0, ""},
        {kNaturePoint, "H", 2, pointInterdit, 600, "H"},
        {kNaturePoint, "I", 2, pointIndefini, 0, ""},
        {kNaturePoint, "I", 4, pointIndefini, 437, "I"},
        {kNatureCylindre, "Co", 1, Co, 0, ""}, // cones and cylinders share names
        {kNatureDroite, "d", 1, d, 0, ""},
        {kNatureDroite, "CD", 1, 0, 640, "CD"}, // a line through two points is no name
        {kNaturePoint, "1A", 1, 0, 638, ""},
    };
    for (const auto& c : cas) {
        reinitialiseErreurs();
        uint16_t erreur = 0;
        uint8_t n = 99;
        numeroObjetDeNom(f, c.nature, c.nom, erreur, n, c.mode);
        EXPECT_EQ(erreur, c.erreur) << c.nom;
        if (c.erreur < 532 || c.erreur == 596 || c.erreur == 600) {
            EXPECT_EQ(n, c.attendu) << c.nom;
        }
        if (*c.nom1) {
            EXPECT_EQ(nomErreur1(), c.nom1) << c.nom;
        }
    }
}

TEST_F(FigureOperandes, LookupForANewObject) {
    uint16_t erreur = 0;
    uint8_t n = 0;
    numeroObjetPourNom(f, kNaturePoint, "Z9", erreur, n, 1);
    EXPECT_EQ(erreur, 0);
    EXPECT_EQ(n, f.nombreObjets + 1);

    // An existing object is redefined.
    numeroObjetPourNom(f, kNaturePoint, "B", erreur, n, 1);
    EXPECT_EQ(n, B);

    // No number is left for a new name in a full figure.
    const uint8_t compte = f.nombreObjets;
    f.nombreObjets = 255;
    erreur = 0;
    numeroObjetPourNom(f, kNaturePoint, "Z9", erreur, n, 1);
    EXPECT_EQ(erreur, kStructureSaturee);
    EXPECT_EQ(n, 0);
    erreur = 0;
    numeroObjetDeNom(f, kNaturePoint, "Z9", erreur, n, 1);
    EXPECT_EQ(erreur, 537);
    f.nombreObjets = compte;
}

TEST_F(FigureOperandes, LookupByWrittenNameWhateverTheKind) {
    const struct {
        const char* nom;
        uint8_t mode;
        int attendu;
        uint16_t erreur;
    } cas[] = {
        {"A", 1, A, 0},
        {"[AB]", 1, segAB, 0},
        {"[BA]", 1, segAB, 0},
        {"(CD)", 1, droiteCD, 0},
        {"(DC)", 1, droiteCD, 0},
        {"[AC)", 1, demiAC, 0},
        {"[CA)", 1, 0, 537},
        {"(CA]", 1, demiAC, 0},
        {"vec(u)", 1, u, 0},
        {"AB", 1, segAB, 0},
        {"Z", 1, 0, 537},
        {"H", 2, pointInterdit, 600},
        {"H", 1, pointInterdit, 0},
        {"", 1, 0, 537},
    };
    for (const auto& c : cas) {
        uint16_t erreur = 0;
        uint8_t n = 99;
        numeroObjetDeNomEtGenre(f, c.nom, c.mode, erreur, n);
        EXPECT_EQ(erreur, c.erreur) << c.nom;
        EXPECT_EQ(n, c.attendu) << c.nom;
        EXPECT_EQ(nomErreur1(), c.nom);
    }
    uint16_t erreur = 0;
    uint8_t n = 0;
    numeroObjetLibreDeNom(f, "k1", 1, erreur, n);
    EXPECT_EQ(erreur, 0);
    numeroObjetLibreDeNom(f, "m", 1, erreur, n);
    EXPECT_EQ(erreur, 604);
    EXPECT_EQ(nomErreur1(), "m");
}

TEST_F(FigureOperandes, NameAlreadyTakenByAnotherKind) {
    const struct {
        uint8_t nature;
        const char* nom;
        uint16_t erreur;
    } cas[] = {
        {kNaturePoint, "k1", 538}, {kNatureNombreReel, "k1", 0},
        {kNatureCone, "Cy", 0},    {kNaturePoint, "AB", 0}, // segments and half-lines are not in the way
        {kNaturePoint, "a", 0},                             // case counts
    };
    for (const auto& c : cas) {
        uint16_t erreur = 0;
        controleNomLibre(f, c.nature, c.nom, erreur);
        EXPECT_EQ(erreur, c.erreur) << c.nom;
    }
}

TEST_F(FigureOperandes, KindOfATestOperand) {
    const struct {
        const char* texte;
        uint8_t nature;
    } cas[] = {
        {"A", kNaturePoint},
        {"k1", kNatureNombreReel},
        {"(CD)", kNatureDroite},
        {"(AE)", kNatureDroite},
        {"d", kNatureDroite},
        {"[AB]", kNatureSegment},
        {"[CE]", kNatureSegment},
        {"[AB)", kNatureDemiDroite},
        {"xoy", kNaturePlan},
        {"ABC", kNaturePlan},
        {"P", kNaturePlan},
        {"Z", 0},
        {"(AZ)", 0},
        {"", 0},
    };
    for (const auto& c : cas)
        EXPECT_EQ(litObjetPourTest(f, c.texte), c.nature) << c.texte;
}

TEST_F(FigureOperandes, KeyNames) {
    const struct {
        const char* texte;
        uint8_t touche;
    } cas[] = {
        {"espace", 32},  {"ESPACE", 32}, {"aucune", 255}, {"Main", 227}, {"ctrl-a", 129},
        {"CTRL-Z", 154}, {"CTRL-B", 0},  {"CTRL-M", 0},   {"7", 55},     {"a", 65},
        {"", 0},         {"AB", 0},      {"CTRL-1", 0},   {"+", 0},
    };
    for (const auto& c : cas)
        EXPECT_EQ(litNomDeTouche(c.texte), c.touche) << c.texte;
    // Without phrases no word matches, not even an empty one.
    fixeSourcePhrases([](uint16_t) { return std::string(); });
    EXPECT_EQ(litNomDeTouche(""), 0);
    EXPECT_EQ(litNomDeTouche("espace"), 0);
}

TEST(NomsObjets, ClampIntoZeroOne) {
    const struct {
        double entree;
        bool refuse;
        double sortie;
    } cas[] = {{-0.0000005, false, 0}, {1.0000005, false, 1}, {0.25, false, 0.25}, {1.01, true, 1.01},
               {-0.01, true, -0.01},   {0, false, 0},         {1, false, 1}};
    for (const auto& c : cas) {
        double p = c.entree;
        EXPECT_EQ(rameneEntreZeroEtUn(p), c.refuse) << c.entree;
        EXPECT_EQ(p, c.sortie) << c.entree;
    }
}

TEST_F(FigureOperandes, KindInParenthesesAndYesNoQuestion) {
    std::string t = "A";
    ajouteNatureEntreParentheses(t, 255, kNatureVecteur);
    EXPECT_EQ(t, "A (vecteur)");
    t = "A";
    ajouteNatureEntreParentheses(t, 5, kNatureVecteur);
    EXPECT_EQ(t, "A (ve");

    platform::reponsesPrevues().push_back({platform::kReponseNon, ""});
    EXPECT_FALSE(questionOuiNon(std::string(100, 'q')));
    EXPECT_TRUE(questionOuiNon(w("Redéfinir?"))); // default answer: Yes
    ASSERT_EQ(platform::boitesDemandees().size(), 2u);
    const auto& q = platform::boitesDemandees()[0];
    EXPECT_EQ(q.texte, std::string(80, 'q'));
    // The caption of the library's other confirmations, not an empty one.
    EXPECT_EQ(q.titre, phraseDeNumero(11307));
    EXPECT_FALSE(q.titre.empty());
    EXPECT_EQ(q.style & platform::kMasqueBoutons, platform::kBoutonsOuiNon);
    EXPECT_TRUE(q.style & platform::kModalTache);
}

TEST_F(FigureOperandes, PendingMessagesOfTheDrawingWindowDropped) {
    platform::reinitialiseMessages();
    platform::reinitialiseFenetres();
    const platform::Fenetre dessin = platform::creeFenetre(0, {0, 0, 10, 10}, nullptr, false);
    const platform::Fenetre autre = platform::creeFenetre(0, {0, 0, 10, 10}, nullptr, false);
    const uint32_t message = platform::WM_USER + 5;
    for (int i = 0; i < 3; ++i) {
        platform::posteMessage(dessin, message);
        platform::posteMessage(autre, message);
    }
    platform::posteMessage(dessin, platform::WM_USER + 6);

    // Without a window nothing is dropped (not every window's messages).
    videMessagesEnAttente(f, message);
    EXPECT_EQ(platform::nombreMessagesPostes(), 7u);

    f.fenetreDessin = dessin;
    videMessagesEnAttente(f, message);
    EXPECT_EQ(platform::nombreMessagesPostes(), 4u);
    EXPECT_FALSE(platform::regardeMessage(dessin, message, message, false).has_value());
    EXPECT_TRUE(platform::regardeMessage(dessin, platform::WM_USER + 6, platform::WM_USER + 6, false));
    EXPECT_TRUE(platform::regardeMessage(autre, message, message, false));
    platform::reinitialiseMessages();
    platform::reinitialiseFenetres();
}

} // namespace
