// Parameter expressions stored in the figure and run from it, and the
// error report through the scripted message service.
#include <gtest/gtest.h>

#include <string>

#include "model/messages.h"
#include "model/parametres_expression.h"
#include "petite_figure.h"
#include "platform/boites.h"
#include "platform/fenetres.h"
#include "platform/plateforme.h"

using namespace km32;
using namespace km32::essais;

namespace {

class Parametres : public ::testing::Test {
  protected:
    PetiteFigure pf;
    TfigureKalmetra& f = pf.f;
    int a = pf.nombre("a", 2);
    int u = pf.vecteur("u", 1, 2, 3);
    int v = pf.vecteur("v", 10, 20, 30);

    // Stores a compiled expression as the figure text does and gives it to
    // object n as its next parameter expression.
    void range(int n, const std::string& texte) {
        TAnalyseExpression w;
        ASSERT_EQ(pf.compile(w, texte), 0) << texte;
        TExpressionParametre& e = f.expressions[std::size_t(++f.expressionsUtilisees)];
        TObjetFigure& o = f.objets[std::size_t(n)];
        if (o.nombreExpressions++ == 0) o.premiereExpression = f.expressionsUtilisees;
        e.constante = w.drapeauConstante;
        if (w.drapeauConstante) return;
        e.nombreConstantes = uint8_t(w.derniereCaseConstante - kCasePremiereConstante + 1);
        e.premiereConstante = uint16_t(f.constantesUtilisees + 1);
        for (int c = 0; c < e.nombreConstantes; ++c)
            f.constantesExpressions[std::size_t(++f.constantesUtilisees)] = w.constantes[std::size_t(c)];
        e.nombreOctets = w.longueurListe;
        e.debutOctets = uint16_t(f.octetsOperandesUtilises + 1);
        for (int p = 1; p <= w.longueurListe; ++p)
            f.octetsOperandes[std::size_t(++f.octetsOperandesUtilises)] = w.listeOctets[std::size_t(p)];
    }
};

TEST_F(Parametres, ValuesOfParameterExpressions) {
    const int n = pf.ajoute(kNatureNombreReel, "n", {0, 0, 0, 7});
    range(n, "2*a+1");
    range(n, "a");
    range(n, "3");
    EXPECT_EQ(valeurParametreObjet(f, n, 1, 1), 5);
    EXPECT_EQ(valeurObjet(f, n, 1), 5);
    EXPECT_EQ(valeurParametreObjet(f, n, 2, 2), 2);
    // A constant keeps the value the line stored in the object.
    EXPECT_EQ(valeurParametreObjet(f, n, 3, 4), 7);
    EXPECT_EQ(f.objets[std::size_t(n)].nonDefini, 0);

    // An object name alone takes its value even when it is undefined.
    f.objets[std::size_t(a)].nonDefini = 1;
    EXPECT_EQ(valeurParametreObjet(f, n, 2, 2), 2);
    EXPECT_EQ(f.objets[std::size_t(n)].nonDefini, 0);
}

TEST_F(Parametres, VectorExpressionWritesThreeValues) {
    const int w = pf.ajoute(kNatureVecteur, "w", {0, 0, 0});
    range(w, "vec(u)+vec(v)");
    range(w, "vec(v)");
    valeurParametreObjet(f, w, 1, 1);
    EXPECT_EQ(valeurObjet(f, w, 1), 11);
    EXPECT_EQ(valeurObjet(f, w, 2), 22);
    EXPECT_EQ(valeurObjet(f, w, 3), 33);
    valeurParametreObjet(f, w, 2, 1);
    EXPECT_EQ(valeurObjet(f, w, 3), 30);
}

TEST_F(Parametres, ImpossibleValueMakesTheObjectUndefined) {
    const int n = pf.ajoute(kNatureNombreReel, "n", {42});
    range(n, "1/(a-a)");
    valeurParametreObjet(f, n, 1, 1);
    EXPECT_EQ(f.objets[std::size_t(n)].nonDefini, 1);
    EXPECT_EQ(f.objets[std::size_t(n)].raison, 441);
    EXPECT_EQ(valeurObjet(f, n, 1), 42);
}

TEST_F(Parametres, VariablesFillTheirSlots) {
    TAnalyseExpression w;
    const int n = pf.ajoute(kNatureFonction, "g", {0});
    ASSERT_EQ(pf.compile(w, "x*y+a", "xy"), 0);
    TExpressionParametre& e = f.expressions[1];
    e.nombreOctets = w.longueurListe;
    e.debutOctets = 1;
    for (int p = 1; p <= w.longueurListe; ++p)
        f.octetsOperandes[std::size_t(p)] = w.listeOctets[std::size_t(p)];
    TvariablesParametre variables{};
    variables[1] = 3;
    variables[2] = 5;
    uint8_t nonDefini = 1;
    double x = 0, y = 0, z = 0;
    evalueExpressionParametre(f, n, 1, nonDefini, x, y, z, variables);
    EXPECT_EQ(nonDefini, 0);
    EXPECT_EQ(x, 17);
}

class RapportErreur : public ::testing::Test {
  protected:
    void SetUp() override {
        reinitialiseErreurs();
        reinitialiseMessages();
        platform::reinitialiseBoites();
    }
    void TearDown() override { platform::reinitialiseBoites(); }
};

TEST_F(RapportErreur, MarksAreReplacedByTheNames) {
    nomErreur1() = "A";
    nomErreur2() = "(d)";
    const struct {
        const char* phrase;
        const char* attendu;
    } cas[] = {
        {"Le point #1 est sur #2.", "Le point A est sur (d)."},
        {"#1 et #3", "A et A"},
        {"fin #", "fin A"},
        {"sans marque", "sans marque"},
    };
    for (const auto& c : cas)
        EXPECT_EQ(remplaceMarquesErreur(c.phrase), c.attendu) << c.phrase;
}

TEST_F(RapportErreur, SwitchingTheDisplayOffSwallowsExactlyOneReport) {
    afficheErreurDeNumero(537);
    EXPECT_EQ(platform::boitesDemandees().size(), 1u);
    etatErreurs().affichageErreurs = false;
    afficheErreurDeNumero(537);
    EXPECT_EQ(platform::boitesDemandees().size(), 1u);
    EXPECT_TRUE(etatErreurs().affichageErreurs);
    afficheErreurDeNumero(537);
    EXPECT_EQ(platform::boitesDemandees().size(), 2u);
    etatMessages().messagesMuets = 1;
    afficheErreurDeNumero(537);
    EXPECT_EQ(platform::boitesDemandees().size(), 2u);
}

// While the question is shown the library marks a box as open, and the
// window that had the keyboard focus gets it back afterwards.
uint8_t ouverteVue = 0;
platform::Fenetre fenetreDeLaQuestion = 0;
platform::ReponseSaisie repondNonEnPrenantLeFocus(const platform::DemandeBoite&) {
    ouverteVue = etatMessages().boiteMessageOuverte;
    platform::donneFocus(fenetreDeLaQuestion);
    return {platform::kReponseNon, {}};
}

TEST_F(RapportErreur, ConfirmationIsShownLikeTheOtherBoxes) {
    platform::reinitialisePlateforme();
    const platform::Fenetre editeur = platform::creeFenetre(0, {0, 0, 100, 100}, nullptr, true);
    fenetreDeLaQuestion = platform::creeFenetre(0, {0, 0, 50, 50}, nullptr, true);
    platform::donneFocus(editeur);
    platform::installeAfficheurBoite(repondNonEnPrenantLeFocus);
    EXPECT_FALSE(demandeConfirmation());
    EXPECT_EQ(ouverteVue, 1);
    EXPECT_EQ(etatMessages().boiteMessageOuverte, 0);
    EXPECT_EQ(platform::fenetreFocus(), editeur);
    ASSERT_EQ(platform::boitesDemandees().size(), 1u);
    EXPECT_EQ(platform::boitesDemandees()[0].style, platform::kBoutonsOuiNon | platform::kModalTache);
    platform::reinitialisePlateforme();
}

TEST_F(RapportErreur, ConfirmationIsAYesNoQuestion) {
    platform::reponsesPrevues().push_back({platform::kReponseNon, ""});
    EXPECT_FALSE(demandeConfirmation());
    EXPECT_TRUE(demandeConfirmation());
    ASSERT_EQ(platform::boitesDemandees().size(), 2u);
    EXPECT_EQ(platform::boitesDemandees()[0].style & platform::kMasqueBoutons, platform::kBoutonsOuiNon);
}

} // namespace
