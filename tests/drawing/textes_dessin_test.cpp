// Texts of the display list: what the text objects show and their measured
// boxes, point labels and the place their name-position bits give them, the
// text box kept in the band, and the replay caption.
#include <string>

#include "banc_dessin.h"
#include "drawing/rafraichissement.h"
#include "drawing/textes_dessin.h"
#include "model/constructions_codes.h"
#include "sibling/texte_math.h"

namespace km32::essais {
namespace {

namespace c = construction;

class TextesDessin : public BancDessin {
  protected:
    TextesDessin() { reinitialiseTexteMathTQ(); }
    ~TextesDessin() override { reinitialiseRafraichissement(); }

    // The name (and label) slice of object n.
    void nomme(int n, const std::string& nom) {
        TObjetFigure& o = f.objets[std::size_t(n)];
        o.debutNom = uint16_t(f.texteDesNoms.size() + 1);
        o.longueurNom = uint8_t(nom.size());
        f.texteDesNoms += nom;
    }
    int nomme(const std::string& nom, int n) {
        nomme(n, nom);
        return n;
    }
    // A display object at (x, y) of the band with its decimals, computed.
    int affichage(uint8_t code, std::initializer_list<int> parents, double x, double y, double decimales) {
        const int n = ajoute(code, parents, {x, y, decimales});
        calculeObjet(f, n);
        return n;
    }
    const TelementDessin& element(int n) {
        const TelementDessin* e = elementDessin(f, n);
        EXPECT_NE(e, nullptr) << n;
        static const TelementDessin vide;
        return e ? *e : vide;
    }
};

// The character cell of the normal font: the boxes below are computed from it by hand.
constexpr int32_t L = 9, H = 15;

TEST_F(TextesDessin, DisplaysShowTheNamesAndValuesInTheirBoxes) {
    ASSERT_EQ(larg(0), L);
    ASSERT_EQ(haut(0), H);
    const int a = nomme("a", ajoute(c::kReelEgal, {}, {2.456}));
    const int A = nomme("A", point(1.25, -2, 3));
    const int B = nomme("B", point(1.25, 1, 7));
    const int u = nomme("u", ajoute(c::kVecteurCoordonnees, {1}, {0.5, 0, -1}));
    const int P = nomme("P", plan(1, 1, 1, -1)); // x + y + z = 1
    const int T = nomme("T Bonjour", ajoute(c::kAffichageTexte, {}, {12.4, 30.6}));
    const int vA = affichage(c::kAffichageScalaire, {a}, 5, 20, 2);
    const int cA = affichage(c::kAffichageCoordonnees, {1, A}, 5, 40, 1);
    const int cu = affichage(c::kAffichageCoordonnees, {1, u}, 5, 60, 0);
    const int lAB = affichage(c::kAffichageLongueur, {A, B}, 5, 80, 3);
    const int eP = affichage(c::kAffichageEquationPlan, {1, P, 0, 0}, 5, 100, 2);
    for (int n : {vA, cA, cu, lAB, eP})
        ASSERT_FALSE(f.objets[std::size_t(n)].nonDefini) << n;
    reconstruitDessin(f);

    const struct {
        int objet;
        const char* texte;
        int32_t x, y;
    } cas[] = {
        {T, "Bonjour", 12, 31},         {vA, "a = 2.46", 5, 20},
        {cA, "A(1.3, -2, 3)", 5, 40},   {cu, "vec(u)(1, 0, -1)", 5, 60}, // 0.5 rounds up with no decimals
        {lAB, "AB = 5", 5, 80},                                          // sqrt(3^2 + 4^2)
        {eP, "P: X +Y +Z = 1", 5, 100},
    };
    for (const auto& k : cas) {
        const TelementDessin& e = element(k.objet);
        EXPECT_EQ(e.type, kDessinTexte);
        EXPECT_EQ(e.texte, k.texte);
        EXPECT_EQ(e.x, k.x);
        EXPECT_EQ(e.y, k.y);
        // One line of plain text: one cell per character, nothing above the line.
        EXPECT_EQ(e.largeur, L * int32_t(std::string(k.texte).size())) << k.texte;
        EXPECT_EQ(e.hauteur, H) << k.texte;
        EXPECT_EQ(e.decalage, 0) << k.texte;
    }

    // An undefined display keeps its element and shows only the names.
    f.objets[std::size_t(lAB)].nonDefini = 1;
    prepareElementObjet(f, lAB);
    EXPECT_EQ(element(lAB).texte, "AB");
    EXPECT_EQ(element(lAB).largeur, 2 * L);
}

TEST_F(TextesDessin, MathTextIsMeasuredByItsLayout) {
    // "x" then a raised "2": two cells, raised by half a cell above the line.
    const int T = nomme("T \\x^2\\", ajoute(c::kAffichageTexte, {}, {10, 40}));
    reconstruitDessin(f);
    EXPECT_EQ(element(T).largeur, 2 * L);
    EXPECT_EQ(element(T).decalage, H / 2);
    EXPECT_EQ(element(T).hauteur, H + H / 2);

    // A thick-lines figure measures its texts in the larger font.
    f.traitsEpais = 1;
    prepareElementObjet(f, T);
    EXPECT_EQ(element(T).largeur, 2 * larg(kTailleGrosTexte));
    EXPECT_EQ(element(T).hauteur, haut(kTailleGrosTexte) + haut(kTailleGrosTexte) / 2);
}

TEST_F(TextesDessin, LabelBoxSitsWhereTheNamePositionSays) {
    // The point is drawn at (260, 60): right of the centre (200, 150) and above it.
    const int A = nomme("A", point(0, 2, 3));
    const struct {
        uint16_t bits;
        int32_t x, y;
    } cas[] = {
        {kStyleNomAuDessus | kStyleNomAGauche, 260 - L - 2, 60 - H - 2},
        {kStyleNomAuDessus | kStyleNomADroite, 262, 60 - H - 2},
        {kStyleNomAuDessus, 260 - L / 2, 60 - H - 4},
        {kStyleNomAuDessous | kStyleNomAGauche, 260 - L - 2, 62},
        {kStyleNomAuDessous | kStyleNomADroite, 262, 62},
        {kStyleNomAuDessous, 260 - L / 2, 64},
        {kStyleNomAGauche, 260 - L - 4, 60 - H / 2},
        {kStyleNomADroite, 264, 60 - H / 2},
        {0, 262, 60 - H - 2}, // away from the centre: right and above
    };
    for (const auto& k : cas) {
        f.objets[std::size_t(A)].style.drapeaux = k.bits;
        reconstruitDessin(f);
        const TelementDessin& e = element(A);
        EXPECT_EQ(e.etiquette, "A");
        EXPECT_EQ(e.aEtiquette, 0);
        EXPECT_EQ(e.largeur, L);
        EXPECT_EQ(e.hauteur, H);
        EXPECT_EQ(e.xEtiquette, k.x) << k.bits;
        EXPECT_EQ(e.yEtiquette, k.y) << k.bits;
    }

    // Left of the centre and below it, with no bit: left and below.
    const int B = nomme("B", point(0, -1, -1)); // drawn at (170, 180)
    reconstruitDessin(f);
    EXPECT_EQ(element(B).xEtiquette, 170 - L - 2);
    EXPECT_EQ(element(B).yEtiquette, 182);

    // A name that is not shown gets no box.
    f.nomsPointsAffiches = 0;
    f.objets[std::size_t(B)].style.drapeaux = 0x0400; // a mark, so the point is still drawn
    reconstruitDessin(f);
    EXPECT_EQ(element(B).largeur, 0);
    EXPECT_EQ(element(B).xEtiquette, 170);
}

TEST_F(TextesDessin, LabelSizeFollowsPrimesSubscriptsAndLabelTexts) {
    const struct {
        const char* nom;
        bool epais;
        uint16_t bits;
        int32_t w, h;
    } cas[] = {
        {"A", false, 0, L, H},
        {"A1", false, 0, 2 * L, H + H / 2},                   // a subscript
        {"A'", false, 0, 2 * L, H},                           // a prime, on the line
        {"A'1", false, 0, 2 * L, H + H / 2},                  // the prime takes no cell
        {"A12", false, 0, 3 * L, H + H / 2},                  //
        {"A \\x^2\\", false, 0, 2 * L, H + H / 2},            // a label text: its layout
        {"A \\x^2\\", true, 0, 32, 26},                       // 18 x 14/8, 22 x 18/15
        {"A \\x^2\\", true, kStyleMarquesNumeriques, 59, 66}, // 18 x 26/8, 22 x 45/15
        {"A1", true, 0, 2 * L, H + H / 2},                    // names keep the normal cell
    };
    for (const auto& k : cas) {
        const std::string nom = k.nom;
        const int A = nomme(nom, point(0, 0, 0));
        f.objets[std::size_t(A)].style.drapeaux = k.bits;
        f.traitsEpais = k.epais ? 1 : 0;
        reconstruitDessin(f);
        const TelementDessin& e = element(A);
        const std::size_t blanc = nom.find(' ');
        EXPECT_EQ(e.aEtiquette, blanc != std::string::npos ? 1 : 0) << nom;
        EXPECT_EQ(e.etiquette, blanc != std::string::npos ? nom.substr(blanc + 1) : nom);
        EXPECT_EQ(e.largeur, k.w) << nom << " " << k.epais;
        EXPECT_EQ(e.hauteur, k.h) << nom << " " << k.epais;
    }
}

TEST_F(TextesDessin, TextBoxIsKeptInsideTheBand) {
    f.hauteurZoneAffichages = 100;
    const int T = nomme("T Bonjour", ajoute(c::kAffichageTexte, {}, {10, 10}));
    reconstruitDessin(f);
    const struct {
        int32_t x, y, xAttendu, yAttendu;
    } cas[] = {
        {1000, 1000, 400 - 7 * L, 100 - H}, // right edge of the drawing, bottom of the band
        {-5, -5, 2, 1},
        {50, 30, 50, 30},
    };
    for (const auto& k : cas) {
        deplaceBoiteTexte(f, T, k.x, k.y);
        EXPECT_EQ(element(T).x, k.xAttendu);
        EXPECT_EQ(element(T).y, k.yAttendu);
        EXPECT_EQ(valeurObjet(f, T, 1), k.xAttendu);
        EXPECT_EQ(valeurObjet(f, T, 2), k.yAttendu);
    }
    // The text keeps its box (and place) across a change of view.
    libereElementsSaufTextes(f);
    EXPECT_EQ(element(T).x, 50);
}

TEST_F(TextesDessin, CaptionSitsAtTheBottomUnderABandElseAtTheTop) {
    const struct {
        int32_t bande, haut, bas, ligne;
    } cas[] = {
        {40, 300 - (H + 8), 300, 300 - (H + 8)},
        {0, 0, H + 8, H + 8},
    };
    for (const auto& k : cas) {
        f.hauteurZoneAffichages = k.bande;
        placeLegende(f, "M milieu de [AB]");
        const TblocDessin& b = *f.blocDessin;
        EXPECT_EQ(b.legende, "M milieu de [AB]");
        EXPECT_EQ(b.encombrementLegende.largeur(), 16 * L);
        EXPECT_EQ(b.hauteurLegende, H + 8);
        EXPECT_EQ(b.hautLegende, k.haut);
        EXPECT_EQ(b.basLegende, k.bas);
        EXPECT_EQ(b.ligneLegende, k.ligne);
    }
}

} // namespace
} // namespace km32::essais
