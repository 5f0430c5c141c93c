// A line that fails: its number comes back, the lines before it stay, and
// the figure is exactly as it was before that line.
#include <gtest/gtest.h>

#include "banc_texte.h"
#include "comparaison_figure.h"
#include "model/services_texte.h"
#include "model/style.h"
#include "phrases/phrase.h"
#include "text/ecriture_figure.h"
#include "model/fonctions/fonction_valeurs.h"
#include "model/fonctions/fonctions.h"
#include "text/noms_objets.h"

namespace km32::essai {
namespace {

const char* const kDebut = "Figure Kalmetra\r\n"
                           "A point de coordonnées (0,0,0) dans le repère Rxyz\r\n"
                           "B point de coordonnées (2,0,0) dans le repère Rxyz\r\n"
                           "M milieu du segment [AB]\r\n";

struct CasEchec {
    const char* ligne;
    uint16_t attendu; // the line number: header and three lines come first
};

class LigneEnEchec : public BancTexte, public ::testing::WithParamInterface<CasEchec> {};

TEST_P(LigneEnEchec, StopsAtItsNumberAndLeavesTheFigureAsBefore) {
    const CasEchec c = GetParam();
    ASSERT_EQ(lis(kDebut), 0);
    std::unique_ptr<TfigureKalmetra> avant;
    copieFigure(f, avant);

    reinitialiseFigure(f);
    const std::string texte =
        std::string(kDebut) + c.ligne + "\r\nN milieu du segment [AM]\r\nFin de la figure";
    EXPECT_EQ(lis(texte), c.attendu);
    attendMemeFigure(f, *avant);
    // The runner showed the failing line under "Phrase incorrecte.".
    ASSERT_FALSE(platform::boitesDemandees().empty());
    EXPECT_EQ(platform::boitesDemandees().back().texte, windows1252DeUtf8(c.ligne));
    EXPECT_EQ(numero("N"), 0);
}

INSTANTIATE_TEST_SUITE_P(Lignes, LigneEnEchec,
                         ::testing::Values(
                             // No pattern matches.
                             CasEchec{"Ceci n'est pas une ligne", 5},
                             // An unknown point: refused before anything is installed.
                             CasEchec{"P milieu du segment [AZ]", 5},
                             // A redefinition of A from M, which is built from A: refused after
                             // the new definition was installed.
                             CasEchec{"A milieu du segment [MB]", 5},
                             // A view setting out of its range.
                             CasEchec{"Paramètres de position de Rxyz: 0.5, 2", 5}));

// A line that works through a list and fails on one item: the items before
// it keep their change, the line fails with the item's error, and the
// items after it are not reached.
using Etat = bool (*)(const TfigureKalmetra&);

struct CasListe {
    const char* ligne;
    uint16_t erreur;
    const char* nomVu; // the item that failed, as the message names it
    Etat avantFait;    // holds for the item before
    Etat apresFait;    // holds for the item after
};

class ListeEnEchec : public BancTexte, public ::testing::WithParamInterface<CasListe> {};

TEST_P(ListeEnEchec, ItemsBeforeTheFailingOneKeepTheirChange) {
    const CasListe& c = GetParam();
    ASSERT_EQ(lis(std::string(kDebut) + "P point libre sur le segment [AB]\r\n"
                                        "Q point libre sur le segment [AB]\r\n"
                                        "d droite (AB)\r\n"),
              0);
    platform::reinitialiseBoites();
    {
        GardeValeur<uint8_t> reelle(executionReelle(), 1);
        EXPECT_EQ(executeLigneDeFigure(&f, windows1252DeUtf8(c.ligne), 0, 1), c.erreur);
    }
    ASSERT_FALSE(platform::boitesDemandees().empty());
    EXPECT_NE(platform::boitesDemandees().front().texte.find(c.nomVu), std::string::npos)
        << platform::boitesDemandees().front().texte;
    EXPECT_TRUE(c.avantFait(f)) << "the item before the failing one";
    EXPECT_FALSE(c.apresFait(f)) << "the item after the failing one";
}

const TObjetFigure& objetNomme(const TfigureKalmetra& f, const char* nom) {
    return objet(f, numeroObjetDeNotation(f, nom));
}
bool dRouge(const TfigureKalmetra& f) {
    return couleurDuStyle(objetNomme(f, "d").style) == 255;
}
bool dTirete(const TfigureKalmetra& f) {
    return traitTirete(objetNomme(f, "d").style);
}
bool pBloque(const TfigureKalmetra& f) {
    return estObjetLibreBloque(objetNomme(f, "P"));
}
bool qBloque(const TfigureKalmetra& f) {
    return estObjetLibreBloque(objetNomme(f, "Q"));
}
bool aPasProtege(const TfigureKalmetra& f) {
    return !estProtege(objetNomme(f, "A"));
}
bool aProtege(const TfigureKalmetra& f) {
    return estProtege(objetNomme(f, "A"));
}

INSTANTIATE_TEST_SUITE_P(Listes, ListeEnEchec,
                         ::testing::Values(
                             // Colour first, then a word that is no keyword: d is red, not dashed.
                             CasListe{"Dessin de d: rouge, pourpre, tireté", 620, "pourpre", dRouge, dTirete},
                             // An empty word between two commas is no keyword.
                             CasListe{"Dessin de d: rouge, , tireté", 620, "", dRouge, dTirete},
                             // P is free, M is not: P is blocked, Q after M is not.
                             CasListe{"Objets libres bloqués: P, M, Q", 604, "M", pBloque, qBloque},
                             // A list of names is read whole before any flag is set: an unknown
                             // name leaves every object as it was.
                             CasListe{"Objets protégés: A, Z", 537, "Z", aPasProtege, aProtege}));

// A failing line is reported once: its error, then the line itself.
TEST_F(BancTexte, AFailingLineIsReportedOnce) {
    platform::boitesDemandees().clear();
    EXPECT_EQ(lis(std::string(kDebut) + "P milieu du segment [AZ]\r\n"), 5);
    ASSERT_EQ(platform::boitesDemandees().size(), 2u);
    EXPECT_EQ(platform::boitesDemandees()[1].texte, "P milieu du segment [AZ]");
}

TEST_F(BancTexte, LinesAreCountedWithLineFeedsAloneToo) {
    EXPECT_EQ(lis("Figure Kalmetra\nA point de coordonnées (0,0,0) dans le repère Rxyz\n\nZ milieu du "
                  "segment [AQ]\n"),
              4);
    EXPECT_EQ(numero("A") != 0, true);
}

TEST_F(BancTexte, LineLongerThan250CharactersStopsTheRun) {
    const std::string longue = "A point de coordonnées (0,0,0) dans le repère Rxyz" + std::string(220, 'x');
    EXPECT_EQ(lis("Figure Kalmetra\r\n" + longue + "\r\n"), 2);
}

TEST_F(BancTexte, PrototypeBlockIsRefusedUntilPrototypesExist) {
    EXPECT_EQ(
        lis("Figure Kalmetra\r\nA point de coordonnées (0,0,0) dans le repère Rxyz\r\nDébut de [proto]\r\n"
            "B point de coordonnées (1,0,0) dans le repère Rxyz\r\nFin de [proto]\r\n"),
        3);
    EXPECT_NE(numero("A"), 0);
}

// A creation whose object is made but whose names check then refuses the
// figure: with two objects of one name (538) the new object stays and the
// line still fails; with any other fault of names the figure is put back.
struct CasNoms {
    const char* preparation; // lines run first
    bool doublon;            // C is then renamed A by hand, a second A
    const char* ligne;
    uint16_t message; // the error the names check shows
    const char* nomCree;
    bool garde; // the created object stays
};

class NomsApresCreation : public BancTexte, public ::testing::WithParamInterface<CasNoms> {};

TEST_P(NomsApresCreation, OnlyTwoObjectsOfOneNameKeepTheNewObject) {
    const CasNoms& c = GetParam();
    ASSERT_EQ(
        lis(std::string(kDebut) + "C point de coordonnées (0,4,0) dans le repère Rxyz\r\n" + c.preparation),
        0);
    if (c.doublon) f.texteDesNoms[std::size_t(objet(f, numero("C")).debutNom - 1)] = 'A';
    const int avant = f.nombreObjets;
    const std::string texteAvant = ecritTexteFigure(f);
    platform::reinitialiseBoites();

    EXPECT_EQ(ligne(c.ligne), kErreurCreation);
    ASSERT_FALSE(platform::boitesDemandees().empty());
    const std::string attendu = phraseDeNumero(c.message);
    const std::string debut = attendu.substr(0, attendu.find('#'));
    EXPECT_EQ(platform::boitesDemandees().front().texte.substr(0, debut.size()), debut);
    EXPECT_EQ(etatInstantanes().nombreInstantanes(), 0);
    if (c.garde) {
        ASSERT_EQ(f.nombreObjets, avant + 1);
        EXPECT_EQ(nomObjet(f, f.nombreObjets), c.nomCree);
        // The text written afterwards is the one before with the new line.
        const std::string apres = utf8DeWindows1252(ecritTexteFigure(f));
        EXPECT_NE(apres.find(std::string("\r\n") + c.ligne + "\r\n"), std::string::npos) << apres;
        attendPoint(pt(c.nomCree), 1.5, 0, 0); // the midpoint of M(1,0,0) and B(2,0,0)
    } else {
        EXPECT_EQ(f.nombreObjets, avant);
        EXPECT_EQ(numero(c.nomCree), 0);
        EXPECT_EQ(ecritTexteFigure(f), texteAvant);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lignes, NomsApresCreation,
    ::testing::Values(
        // A second A is already there: the new midpoint is made, the check
        // finds the two A and the midpoint stays.
        CasNoms{"", true, "K milieu du segment [MB]", kErreurObjetExisteDeja, "K", true},
        // A name that begins with the letter of a sequence: undone.
        CasNoms{"u suite définie à partir de 0 par u(n)=n²-4\r\n", false, "u1 = 3", 576, "u1", false},
        // A dummy variable that is also the name of an antecedent: undone.
        CasNoms{"x = 1\r\n", false, "S plan d'équation X+Y+Z=x dans le repère Rxyz", 647, "S", false}));

TEST_F(BancTexte, FailedSingleLineLeavesTheFigureAsItWas) {
    ASSERT_EQ(lis(kDebut), 0);
    std::unique_ptr<TfigureKalmetra> avant;
    copieFigure(f, avant);
    EXPECT_NE(ligne("A milieu du segment [MB]"), 0);
    attendMemeFigure(f, *avant);
    EXPECT_EQ(etatInstantanes().nombreInstantanes(), 0);
    // A line that works changes the figure and leaves no snapshot behind.
    EXPECT_EQ(ligne("N milieu du segment [AM]"), 0);
    attendPoint(pt("N"), 0.5, 0, 0);
    EXPECT_EQ(etatInstantanes().nombreInstantanes(), 0);
}

} // namespace
} // namespace km32::essai

namespace km32::essai {
namespace {

// A refused line of values changes nothing: an unclosed point is no sentence
// (616) and adds none of the points before it; a point that cannot be read
// takes back those before it; a refused removal removes nothing.
TEST_F(BancTexte, ARefusedLineOfValuesLeavesTheTableAsItWas) {
    ASSERT_EQ(lis("Figure Kalmetra\r\ng fonction définie par valeurs (avec interpolation)\r\n"
                  "Valeurs pour g: (1,1) (2,4)\r\n"),
              0);
    const TFonctionTable& t = *fonctionDeEmplacement(f, objet(f, numero("g")).emplacementFonction)->table;
    const struct {
        const char* ligne;
        uint16_t erreur; // 0: any refusal
    } cas[] = {
        {"Valeurs pour g: (5,5) (6,6", 616},
        {"Valeurs pour g: (5,5) (6,z)", 0},
        {"Valeurs pour g: (5,5) 6,6)", 616},
        {"Supprimer pour g les images de: 1, z", 0},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.ligne);
        const uint16_t r = ligne(c.ligne);
        if (c.erreur != 0)
            EXPECT_EQ(r, c.erreur);
        else
            EXPECT_NE(r, 0);
        ASSERT_EQ(t.nombrePoints, 2);
        EXPECT_EQ(t.x[1], 1);
        EXPECT_EQ(t.y[2], 4);
    }
    // The same points in a line that reads are added.
    EXPECT_EQ(ligne("Valeurs pour g: (5,5) (6,6)"), 0);
    EXPECT_EQ(t.nombrePoints, 4);
}

// The values of a command may go on over the next line ("..."): only over
// the very next one. A line between them ends the wait, and a later line
// with too few values fails (618) leaving the command's values as they were.
TEST_F(BancTexte, ValuesThatGoOnWaitOnlyForTheNextLine) {
    ASSERT_EQ(lis("Figure Kalmetra\r\nL point libre dans l'espace\r\n"
                  "V (touche v) position mémorisée de L\r\n"
                  "Paramètres pour V: 7, 8, 9\r\n"),
              0);
    const int v = numero("V");
    ASSERT_EQ(objet(f, v).nombreValeurs, 3);
    const auto valeurs = [&] {
        return std::vector<double>{valeurObjet(f, v, 1), valeurObjet(f, v, 2), valeurObjet(f, v, 3)};
    };
    EXPECT_EQ(ligne("Paramètres pour V: 1, 2 ..."), 0);
    EXPECT_EQ(ligne("x = 1"), 0);
    EXPECT_EQ(ligne("Paramètres pour V: 3"), 618);
    EXPECT_EQ(valeurs(), (std::vector<double>{7, 8, 9}));
    // A failed line between them ends the wait too.
    EXPECT_EQ(ligne("Paramètres pour V: 1, 2 ..."), 0);
    EXPECT_NE(ligne("phrase inconnue"), 0);
    EXPECT_EQ(ligne("Paramètres pour V: 3"), 618);
    EXPECT_EQ(valeurs(), (std::vector<double>{7, 8, 9}));
    // Right after each other they make one list, as the writer writes it.
    EXPECT_EQ(ligne("Paramètres pour V: 1, 2 ..."), 0);
    EXPECT_EQ(ligne("Paramètres pour V: 3"), 0);
    EXPECT_EQ(valeurs(), (std::vector<double>{1, 2, 3}));
}

} // namespace
} // namespace km32::essai
