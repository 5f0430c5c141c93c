// Lines of the written text against lines written by hand.
#include <gtest/gtest.h>

#include <functional>
#include <numbers>

#include "banc_ecriture.h"
#include "model/calcul/calcul_objet.h"
#include "text/descriptions_objets.h"
#include "text/lignes_figure_texte.h"
#include "text/textes_definition.h"

namespace km32::ecriture {
namespace {

const char* const kFigure = "Figure Kalmetra\r\n"
                            "A point de coordonnées (0,0,0) dans le repère Rxyz\r\n"
                            "B point de coordonnées (4,0,0) dans le repère Rxyz\r\n"
                            "C point de coordonnées (0,4,0) dans le repère Rxyz\r\n"
                            "M milieu du segment [AB]\r\n"
                            "s sphère de centre A et de rayon 2 (unité de longueur Uxyz)\r\n"
                            "P point libre sur le segment [AB]\r\n"
                            "R réel libre de [0,255]\r\n"
                            "a = AB+1\r\n"
                            "f fonction: x|->x²+a\r\n"
                            "Dessin de A: bleu, nom au-dessus, marque épaisse\r\n"
                            "Fin de la figure";

class LignesEcrites : public BancEcriture {
  protected:
    void SetUp() override {
        BancEcriture::SetUp();
        uint16_t echec = 0;
        figure = lisUtf8(kFigure, &echec);
        ASSERT_EQ(echec, 0) << premiereBoite();
    }
    int numero(const char* nom) const { return numeroObjetDeNotation(*figure, nom); }
    std::string utf8(const std::string& t) const { return utf8DeWindows1252(t); }
    std::unique_ptr<TfigureKalmetra> figure;
};

TEST_F(LignesEcrites, DefinitionLinesInEachLanguage) {
    struct Cas {
        const char* objet;
        uint16_t langue;
        const char* ligne;
    };
    const Cas cas[] = {
        {"M", kLangueFrancaise, "\r\nM milieu du segment [AB]"},
        {"M", kLangueAnglaise, "\r\nM midpoint of segment [AB]"},
        {"M", kLangueAllemande, "\r\nM Mittelpunkt der Strecke [AB]"},
        {"s", kLangueFrancaise, "\r\ns sphère de centre A et de rayon 2 (unité de longueur Uxyz)"},
        {"a", kLangueFrancaise, "\r\na = AB+1 (unité de longueur Uxyz)"},
        {"f", kLangueFrancaise, "\r\nf fonction: x|->x²+a"},
        {"R", kLangueFrancaise, "\r\nR réel libre de [0,255]"},
    };
    for (const Cas& c : cas) {
        appliqueLangueSysteme(c.langue);
        EXPECT_EQ(utf8(definitionObjetEnTexte(*figure, numero(c.objet))), c.ligne) << c.objet;
    }
    appliqueLangueSysteme(kLangueFrancaise);
}

TEST_F(LignesEcrites, DialogAndMathFormsOfFragments) {
    const int m = numero("M");
    EXPECT_EQ(phraseDefinitionParConstruction(*figure, m), "AB;M");
    bool boucle = false;
    EXPECT_EQ(phraseDefinitionObjet(*figure, m, 255, false, false, boucle), "[AB];M");
    const std::string marque(1, kMarqueAttribut);
    EXPECT_EQ(texteNomObjet(*figure, numero("A"), true), "\\A" + marque + "s:A\\");
    EXPECT_EQ(texteNomObjet(*figure, 8, true), "\\ox\\");
    // The function of x reading the number a: both named as scalars.
    EXPECT_EQ(definitionObjetEnTexteMath(*figure, numero("f")),
              "\\f;s:f\\ fonction: \\x\\|->\\x^2+a;s:x,a\\");
    EXPECT_EQ(phraseDefinitionObjet(*figure, 0, 255, false, false, boucle), "");
    EXPECT_EQ(utf8(ligneDefinitionObjet(*figure, 7)), "o origine du repère Rxyz");
}

TEST_F(LignesEcrites, StyleFreeObjectAndStepLines) {
    const int a = numero("A"), p = numero("P");
    // Blue, name above, thick mark: the words in that order.
    EXPECT_EQ(utf8(ecritLigneStyleObjet(*figure, a)),
              "\r\n   Dessin de A: bleu, nom au-dessus, marque épaisse");
    // Object ox in standard red has nothing to say.
    EXPECT_EQ(ecritLigneStyleObjet(*figure, 8), "");
    // A colour that is no standard one, with the red from a number object.
    TObjetFigure& b = figure->objets[std::size_t(numero("B"))];
    b.style.rouge = 10, b.style.vert = 20, b.style.bleu = 30;
    EXPECT_EQ(utf8(ecritLigneStyleObjet(*figure, numero("B"))), "\r\n   Dessin de B: couleur RVB(10,20,30)");
    b.sourcesCouleur[0] = uint8_t(numero("R"));
    EXPECT_EQ(utf8(ecritLigneStyleObjet(*figure, numero("B"))), "\r\n   Dessin de B: couleur RVB(R,20,30)");

    valeurObjet(*figure, p, 4) = 0.25;
    EXPECT_EQ(utf8(ecritLigneObjetLibre(*figure, p)), "\r\n   Objet libre P, paramètre: 0.25");
    // A variable of [0,255] at three fifths of its interval: its line gives
    // the variable's value, not the fraction it is moved by.
    const int r = numero("R");
    valeurObjet(*figure, r, 4) = 0.6;
    calculeObjet(*figure, r);
    EXPECT_EQ(utf8(ecritLigneObjetLibre(*figure, r)), "\r\n   Objet libre R, paramètre: 153");
    // The default step of a point on a segment writes no line; another one does.
    EXPECT_EQ(ecritLignePasClavier(*figure, p), "");
    TObjetFigure& o = figure->objets[std::size_t(p)];
    valeurObjet(*figure, p, o.nombreValeurs) = 0.05;
    EXPECT_EQ(utf8(ecritLignePasClavier(*figure, p)),
              "\r\n   Pas de pilotage au clavier de P: 0.05 (/ segment,modifiable)");
}

TEST_F(LignesEcrites, ViewLines) {
    TfigureKalmetra& f = *figure;
    f.anglesVue[0] = std::numbers::pi / 2, f.anglesVue[1] = 0.5, f.anglesVue[2] = 0;
    EXPECT_EQ(utf8(ecritLigneRotations(f)),
              "\r\nRotations de Rxyz: verticale: 90 horizontale: 28.64788975654 frontale: 0");
    EXPECT_EQ(ecritLigneDoubleCadre(f), "");
    f.cadreImage[3] = 0.95;
    EXPECT_EQ(utf8(ecritLigneDoubleCadre(f)),
              "\r\nDouble cadre limitant l'image (impression ou copie) : (0.1 , 0.1) >> "
              "(0.9 , 0.95) par rapport à la fenêtre");
}

TEST_F(LignesEcrites, SettingsAppearOnlyWhenTheyDifferFromTheDefault) {
    TfigureKalmetra& f = *figure;
    const auto texte = [&] { return utf8(ecritTexteFigure(f)); };
    struct Cas {
        std::function<void()> change;
        const char* debut; // the line's phrase before its first argument
        const char* ligne; // nullptr: no such line is written
    };
    const char* const position = "Paramètres de position de Rxyz: ";
    const char* const projection = "Paramètres de projection: ";
    const char* const pas = "Pas de rotation au clavier en degrés: ";
    const char* const horloge = "Heure mise à jour toutes les ";
    const Cas cas[] = {
        {[&] { f.fractionsCentre[0] = 0.505, f.fractionsCentre[1] = 0.495; }, position, nullptr},
        {[&] { f.fractionsCentre[0] = 0.52; }, position, "0.52, 0.495\r\n"},
        {[&] { f.parametresOblique[0] = -0.3005, f.parametresOblique[1] = -0.2995; }, projection, nullptr},
        {[&] { f.parametresOblique[0] = -0.302; }, projection, "-0.302, -0.2995\r\n"},
        {[&] { f.pasClavier = 5.0; }, pas, nullptr},
        {[&] { f.pasClavier = 5.0000001; }, pas, "5.0000001"},
        {[&] { f.intervalleHorloge = 100; }, horloge, nullptr},
        {[&] { f.intervalleHorloge = 0; }, horloge, "0 ms"},
    };
    for (const Cas& c : cas) {
        c.change();
        const std::string t = texte();
        const std::size_t p = t.find(std::string("\r\n") + c.debut);
        if (!c.ligne) {
            EXPECT_EQ(p, std::string::npos) << t;
            continue;
        }
        ASSERT_NE(p, std::string::npos) << c.debut;
        EXPECT_EQ(t.substr(p + 2 + std::string(c.debut).size(), std::string(c.ligne).size()), c.ligne);
    }
}

TEST_F(LignesEcrites, LongListsAreWrittenInChunksOfWholeNames) {
    std::string texte = "Figure Kalmetra\r\n";
    std::string noms;
    for (int k = 1; k <= 30; ++k) {
        const std::string nom = "P" + std::to_string(k);
        texte += nom + " point libre dans l'espace\r\n";
        noms += (k == 1 ? "" : ", ") + nom;
    }
    texte += "Sélection pour trace: " + noms + "\r\nFin de la figure";
    uint16_t echec = 0;
    auto f = lisUtf8(texte, &echec);
    ASSERT_EQ(echec, 0) << premiereBoite();
    const std::string ecrit = utf8(ecritTexteFigure(*f));
    std::string relus;
    std::size_t lignes = 0;
    for (std::size_t p = 0; (p = ecrit.find("\r\n", p)) != std::string::npos; p += 2) {
        const std::size_t fin = ecrit.find("\r\n", p + 2);
        const std::string ligne =
            ecrit.substr(p + 2, fin == std::string::npos ? std::string::npos : fin - p - 2);
        for (const char* debut : {"Sélection pour trace: ", "Suite de la sélection pour trace: "}) {
            if (ligne.rfind(debut, 0) != 0) continue;
            if (lignes++ == 0) {
                EXPECT_EQ(debut, std::string("Sélection pour trace: "));
            }
            const std::string liste = ligne.substr(std::string(debut).size());
            relus += (relus.empty() ? "" : ", ") + liste;
        }
    }
    EXPECT_GT(lignes, 1u);
    EXPECT_EQ(relus, noms);
}

TEST_F(LignesEcrites, FigureWithoutObjectsHasOnlyItsFrame) {
    auto f = lisUtf8("Figure Kalmetra\r\nFin de la figure");
    EXPECT_EQ(utf8(ecritTexteFigure(*f)), "Figure Kalmetra\r\n"
                                          "Numéro de version: 1\r\n"
                                          "\r\n"
                                          "Uxyz par rapport à la petite dimension de la fenêtre: 0.1\r\n"
                                          "Rotations de Rxyz: verticale: -20 horizontale: 25 frontale: 0\r\n"
                                          "\r\n"
                                          "Fin de la figure");
    appliqueLangueSysteme(kLangueAnglaise);
    EXPECT_EQ(ecritTexteFigure(*f).rfind("Kalmetra figure (English)\r\n", 0), 0u);
    appliqueLangueSysteme(kLangueFrancaise);
}

TEST_F(LignesEcrites, CodedExtraLinesComeOutInTheAppliedLanguage) {
    std::size_t p = 0;
    const std::string lignes = "  \r\n;\\;2207;\\;3\r\nligne telle quelle   \r\n";
    EXPECT_EQ(utf8(ligneSupplementaireSuivante(lignes, p)), "\r\nNuméro de version: 3");
    EXPECT_EQ(ligneSupplementaireSuivante(lignes, p), "ligne telle quelle");
    EXPECT_EQ(ligneSupplementaireSuivante(lignes, p), "");
}

TEST(MacroEtCoupure, MacroArgumentsAndMathWrapping) {
    EXPECT_EQ(remplaceArgumentsDeMacro("#2 milieu de #1", "[AB];M"), "M milieu de [AB]");
    EXPECT_EQ(remplaceArgumentsDeMacro("#1 suivi de #2", "A;B;C"), "A suivi de B;C");
    std::string court(100, 'a');
    coupeLigneTexteMath(court);
    EXPECT_EQ(court, std::string(100, 'a'));
    // 90 visible characters with blanks every 10; the break comes before the
    // last blank outside parentheses met by the 78th visible character.
    std::string t;
    for (int k = 0; k < 9; ++k)
        t += std::string(9, 'x') + " ";
    std::string coupe = t;
    coupeLigneTexteMath(coupe);
    EXPECT_EQ(coupe, t.substr(0, 69) + "\r " + t.substr(69));
}

} // namespace
} // namespace km32::ecriture
