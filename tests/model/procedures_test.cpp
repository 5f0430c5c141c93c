#include "model/fichiers_texte.h"
#include "model/messages.h"
#include "model/nombres_texte.h"
#include "model/procedures_texte.h"
#include "platform/boites.h"
#include "platform/fenetres.h"
#include "platform/plateforme.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <limits>
#include <string>

using namespace km32;

namespace {

TEST(NombresTexte, PlainNotation) {
    const struct {
        double x;
        const char* texte;
    } cas[] = {{2.5, "2.5"},
               {3.0, "3"},
               {0.1, "0.1"},
               {-0.25, "-0.25"},
               {0.0, "0"},
               {-0.0, "0"},
               {1.0 / 3, "0.33333333333"},
               {1e-12, "0"},
               {-17, "-17"},
               {1e15, "1000000000000000"},
               {123456789012.5, "123456789012.5"}};
    for (const auto& c : cas)
        EXPECT_EQ(texteDeReel(c.x), c.texte) << c.x;
}

TEST(NombresTexte, NotationWithDigits) {
    const struct {
        int n;
        double x;
        const char* texte;
    } cas[] = {
        {3, 1234567.891, "1.23E+06"},
        {0, 1234567.891, "1234568"},
        {8, 0.0000012, "1.20E-06"},
        {8, 0.000012, "0.000012"},
        {2, 2.125, "2.13"},
        {2, -2.125, "-2.13"}, // half up
        {0, 0.5, "1"},
        {3, 0.5, "0.5"},
        {1, 1e9, "1.00E+09"},
        {0, 999999999, "999999999"},
        {1, 123456.7, "123456.7"},
        {1, 1234567, "1.23E+06"},
        {6, 0.001, "0.001"},
        {6, 0.0009, "9.00E-04"},
        {11, 1e-20, "1.00E-20"},
        {0, 1e150, "1.00E+150"},
        {20, 0.25, "0.25"},
        {-3, 2.6, "3"},
        {2, 0, "0"},
        {2, std::numeric_limits<double>::quiet_NaN(), "0"},
        {5, -1234567, "-1.23E+06"},
    };
    for (const auto& c : cas) {
        std::string t;
        texteDeReelChiffres(c.n, t, c.x);
        EXPECT_EQ(t, c.texte) << c.n << " " << c.x;
    }
}

TEST(NombresTexte, NotationWithPowers) {
    const struct {
        int n;
        double x;
        const char* texte;
    } cas[] = {{2, 1.5e12, "1.5 x 10^(12)"},
               {2, -1.5e12, "-1.5 x 10^(12)"},
               {11, 2e-12, "2 x 10^(-12)"},
               {11, 0, "0"},
               {3, 2.5, "2.5"},
               {2, -1e-12, "0"},
               {0, 1e11, "1 x 10^(11)"},
               {2, 2.125, "2.13"},
               {0, 3e200, "3 x 10^(200)"}};
    for (const auto& c : cas) {
        std::string t;
        texteDeReelPuissance(c.n, t, c.x);
        EXPECT_EQ(t, c.texte) << c.n << " " << c.x;
    }
}

TEST(NombresTexte, ReadingNumbers) {
    const struct {
        const char* texte;
        bool ok;
        double x;
    } cas[] = {{"2.5", true, 2.5}, {"-3", true, -3},         {"1e3", true, 1000}, {" 7", true, 7},
               {"+.5", true, 0.5}, {"1.", true, 1},          {"1,5", false, 0},   {"abc", false, 0},
               {"", false, 0},     {"1e", false, 0},         {"inf", false, 0},   {"0x10", false, 0},
               {"2 ", false, 0},   {"1e999", true, HUGE_VAL}};
    for (const auto& c : cas) {
        bool ok = !c.ok;
        const double x = reelDeTexteVerifie(c.texte, ok);
        EXPECT_EQ(ok, c.ok) << c.texte;
        if (c.ok) {
            EXPECT_EQ(x, c.x) << c.texte;
        }
    }
    EXPECT_EQ(reelDeTexte("abc"), 0);
}

TEST(NombresTexte, NearbyFractions) {
    const struct {
        double x;
        bool trouve;
        int num, den;
    } cas[] = {{0.75, true, 3, 4},      {0.1234, false, 0, 0}, {21, false, 0, 0}, {-2.5, true, -5, 2},
               {1.0 / 3, true, 1, 3},   {20, true, 20, 1},     {0, true, 0, 1},   {0.05, true, 1, 20},
               {1.0 / 21, false, 0, 0}, {0.333334, true, 1, 3}};
    for (const auto& c : cas) {
        bool trouve = !c.trouve;
        int num = 99, den = 99;
        fractionProche(trouve, num, den, c.x);
        EXPECT_EQ(trouve, c.trouve) << c.x;
        EXPECT_EQ(num, c.trouve ? c.num : 99) << c.x;
        EXPECT_EQ(den, c.trouve ? c.den : 99) << c.x;
    }
}

TEST(ProceduresTexte, CountsAndSets) {
    EXPECT_EQ(nombreOccurrences("aa", "aaaa"), 2);
    EXPECT_EQ(nombreOccurrences("aa", "aaa"), 1);
    EXPECT_EQ(nombreOccurrences("", "aaa"), 0);
    const std::string texte("abab\0ab", 7);
    EXPECT_EQ(nombreOccurrencesDansTexte("ab", texte, 3), 1);
    EXPECT_EQ(nombreOccurrencesDansTexte("ab", texte, 100), 2);
    std::bitset<256> s;
    EXPECT_EQ(premierElementEnsemble(s), 255u);
    s.set(255);
    EXPECT_EQ(premierElementEnsemble(s), 255u);
    s.set(7);
    s.set(3);
    EXPECT_EQ(premierElementEnsemble(s), 3u);
}

TEST(ProceduresTexte, Editing) {
    std::string t = "  a b  ";
    oteEspacesBouts(t);
    EXPECT_EQ(t, "a b");
    t = "   abcdefghijkl ";
    oteEspacesBouts10(t);
    EXPECT_EQ(t, "abcdefghij");
    t = "    ";
    oteEspacesBouts80(t);
    EXPECT_EQ(t, "");
    EXPECT_EQ(sansEspaces(" a b c "), "abc");

    std::string partie;
    t = "abc";
    coupeAuSeparateur(t, 255, partie);
    EXPECT_EQ(partie, "abc");
    EXPECT_EQ(t, "");
    t = "a;b;c";
    coupeAuSeparateur(t, 255, partie);
    EXPECT_EQ(partie, "a");
    EXPECT_EQ(t, "b;c");

    t = "x;y;z";
    protegePointsVirgules(t);
    EXPECT_EQ(t, "x\xFFy\xFFz");
    retablitPointsVirgules(t);
    EXPECT_EQ(t, "x;y;z");
    pointsVirgulesEnVirgules(t);
    EXPECT_EQ(t, "x,y,z");
}

TEST(ProceduresTexte, NamesAtTheFront) {
    const struct {
        const char *texte, *nom, *reste;
    } cas[] = {{"A12'3 , B", "A12'", "3B"}, {" 1A", "", "1A"}, {"x\"\"", "x\"\"", ""},
               {"M, N", "M", "N"},          {"", "", ""},      {"b7c", "b7", "c"}};
    for (const auto& c : cas) {
        std::string t = c.texte, nom = "?";
        extraitNomEnTete(t, 255, nom);
        EXPECT_EQ(nom, c.nom) << c.texte;
        EXPECT_EQ(t, c.reste) << c.texte;
    }
}

TEST(ProceduresTexte, ReplacementTerminatesAndCuts) {
    const struct {
        const char *texte, *motif, *remplacement, *attendu;
    } cas[] = {{"#1 et #1", "#1", "AB", "AB et AB"},
               {"a;b", ";", ";;", "a;;b"}, // the replacement holds the pattern
               {"aaa", "a", "aa", "aaaaaa"},
               {"xabcdefghijYZ", "abcdefghijQQQ", "-", "x-YZ"}, // only 10 characters of the pattern count
               {"abc", "", "z", "abc"}};
    for (const auto& c : cas) {
        std::string t = c.texte;
        remplaceChaine(t, 255, c.motif, c.remplacement);
        EXPECT_EQ(t, c.attendu) << c.texte;
    }
    std::string t(60, 'a');
    t += "#";
    remplaceChaine80(t, "#", std::string(40, 'b'));
    EXPECT_EQ(t, std::string(60, 'a') + std::string(20, 'b'));
    std::string longue(300, '#');
    remplaceChaineLongue(longue, "#", "ab");
    EXPECT_EQ(longue.size(), 600u);
}

TEST(ProceduresTexte, FirstLineAndFileNames) {
    EXPECT_TRUE(motDansPremiereLigne("Kal", "Figure Kal\r\nx"));
    EXPECT_FALSE(motDansPremiereLigne("Kal", "x\r\nKal"));
    EXPECT_FALSE(motDansPremiereLigne("Kal", "x\nKal"));
    EXPECT_FALSE(motDansPremiereLigne("Kal", std::string("abc\0Kal", 7)));
    EXPECT_FALSE(motDansPremiereLigne("Kal", "abc"));
    const struct {
        const char *nom, *attendu;
    } cas[] = {{"C:\\dir\\fig.k3v", "fig"},
               {"C:fig.a.b", "fig"},
               {"/tmp/essai.k3v", "essai"},
               {"fig", "fig"},
               {"", ""}};
    for (const auto& c : cas)
        EXPECT_EQ(nomSansCheminNiExtension(c.nom), c.attendu) << c.nom;
}

TEST(Fichiers, ReadWholeOnlyBelowTheLimit) {
    const std::string nom = ::testing::TempDir() + "km32_lecture.txt";
    {
        std::ofstream f(nom, std::ios::binary);
        f << "abcde";
    }
    std::string tampon;
    EXPECT_FALSE(litFichierDansTampon(nom, tampon, 6));
    EXPECT_EQ(tampon, "abcde");
    EXPECT_TRUE(litFichierDansTampon(nom, tampon, 5)); // exactly n characters: refused
    EXPECT_EQ(tampon, "abcde");
    EXPECT_TRUE(litFichierDansTampon(nom, tampon, 3));
    EXPECT_EQ(tampon, "abc");
    std::remove(nom.c_str());
    EXPECT_TRUE(litFichierDansTampon(nom, tampon, 100));
    const double h = heureEnSecondes();
    EXPECT_GE(h, 0);
    EXPECT_LT(h, 86400);
}

// The open-file dialog starts in the current directory (as the file system
// reports it) with the caller's title and filter; a cancelled dialog gives an
// empty name and a long one is cut to 255 characters.
TEST(Fichiers, AskingForAFileName) {
    platform::reinitialiseBoites();
    const std::string courant = std::filesystem::current_path().string();
    platform::reponsesPrevues().push_back({platform::kReponseOk, "/tmp/figure.k3v"});
    platform::reponsesPrevues().push_back({platform::kReponseAnnuler, "/tmp/ignored.k3v"});
    platform::reponsesPrevues().push_back({platform::kReponseOk, "/" + std::string(300, 'a')});
    EXPECT_EQ(demandeNomFichier("Ouvrir une figure", "Figures (*.k3v)|*.k3v"), "/tmp/figure.k3v");
    EXPECT_EQ(demandeNomFichier("Ouvrir", "*.k3v"), "");
    const std::string long_ = demandeNomFichier("Ouvrir", "*.k3v");
    EXPECT_EQ(long_.size(), 255u);
    EXPECT_EQ(long_, "/" + std::string(254, 'a'));
    EXPECT_EQ(demandeNomFichier("Ouvrir", "*.k3v"), ""); // nobody answers: cancelled
    const auto& d = platform::boitesDemandees();
    ASSERT_EQ(d.size(), 4u);
    EXPECT_EQ(d[0].fichier, platform::kDialogueOuvrir);
    EXPECT_EQ(d[0].titre, "Ouvrir une figure");
    EXPECT_EQ(d[0].filtre, "Figures (*.k3v)|*.k3v");
    EXPECT_EQ(d[0].repertoire, courant);
    platform::reinitialiseBoites();
}

class Messages : public ::testing::Test {
  protected:
    void SetUp() override {
        reinitialiseMessages();
        platform::reinitialiseBoites();
    }
    void TearDown() override {
        reinitialiseMessages();
        platform::reinitialiseBoites();
    }
};

uint8_t ouverteVue = 0;
platform::ReponseSaisie noteOuverture(const platform::DemandeBoite&) {
    ouverteVue = etatMessages().boiteMessageOuverte;
    return {platform::kReponseNon, {}};
}

TEST_F(Messages, MutedBoxesAndQuestions) {
    afficheMessage("Bonjour", "Titre");
    ASSERT_EQ(platform::boitesDemandees().size(), 1u);
    const platform::DemandeBoite& d = platform::boitesDemandees()[0];
    EXPECT_EQ(d.texte, "Bonjour");
    EXPECT_EQ(d.titre, "Titre");
    EXPECT_EQ(d.style, platform::kBoutonOk | platform::kModalTache);

    etatMessages().messagesMuets = 1;
    afficheMessage("muet", "");
    afficheMessageType("muet", "", platform::kIconeErreur);
    afficheMessageReel("muet", 2.5);
    EXPECT_EQ(platform::boitesDemandees().size(), 1u);
    // A question is asked even when messages are muted.
    platform::installeAfficheurBoite(noteOuverture);
    EXPECT_EQ(questionOuiNonAnnuler("Sauver ?", "Q", 2), platform::kReponseNon);
    ASSERT_EQ(platform::boitesDemandees().size(), 2u);
    EXPECT_EQ(platform::boitesDemandees()[1].style,
              platform::kBoutonsOuiNonAnnuler | platform::kIconeExclamation |
                  platform::kDeuxiemeBoutonParDefaut | platform::kModalTache);
    EXPECT_EQ(ouverteVue, 1);
    EXPECT_EQ(etatMessages().boiteMessageOuverte, 0);

    etatMessages().messagesMuets = 0;
    afficheMessageReel("R", 0.1);
    EXPECT_EQ(platform::boitesDemandees().back().texte, "0.1");
}

// A box that moves the keyboard focus (as a real one takes it) gives it back
// afterwards; the variant for NUL-terminated texts leaves the focus alone.
platform::Fenetre fenetreDeLaBoite = 0;
platform::ReponseSaisie prendLeFocus(const platform::DemandeBoite&) {
    platform::donneFocus(fenetreDeLaBoite);
    return {platform::kReponseOk, {}};
}

TEST_F(Messages, TheFocusComesBackAfterABox) {
    platform::reinitialisePlateforme();
    const platform::Fenetre editeur = platform::creeFenetre(0, {0, 0, 100, 100}, nullptr, true);
    fenetreDeLaBoite = platform::creeFenetre(0, {0, 0, 50, 50}, nullptr, true);
    platform::installeAfficheurBoite(prendLeFocus);
    platform::donneFocus(editeur);
    afficheMessage("texte", "titre");
    EXPECT_EQ(platform::fenetreFocus(), editeur);
    questionOuiNonAnnuler("texte", "titre", 1);
    EXPECT_EQ(platform::fenetreFocus(), editeur);
    questionOuiNon("texte", "titre");
    EXPECT_EQ(platform::fenetreFocus(), editeur);
    afficheMessageZ("texte", "titre");
    EXPECT_EQ(platform::fenetreFocus(), fenetreDeLaBoite);
    platform::reinitialisePlateforme();
}

} // namespace
