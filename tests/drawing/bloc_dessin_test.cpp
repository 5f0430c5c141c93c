// The display list: elements projected from the drawing data, the refresh
// after a move that rebuilds only what changed, and the paint through an
// off-screen bitmap copied to the window.
#include <cmath>

#include "banc_dessin.h"
#include "drawing/rafraichissement.h"
#include "platform/contexte_dessin.h"
#include "platform/contexte_dessin_table.h"
#include "platform/trace_enregistre.h"

namespace km32::essais {
namespace {

using BlocDessin = BancDessin;

TEST_F(BlocDessin, ElementsAreTheProjectionOfTheModelPoints) {
    const int p = point(1, 2, 3);
    const int c = cercle({0, 1, -1}, {1, 0, 0}, 3, {0, 1, 0});
    reconstruitDessin(f);
    const TelementDessin* ep = elementDessin(f, p);
    ASSERT_NE(ep, nullptr);
    EXPECT_EQ(ep->type, kDessinPoint);
    const TpointEntier P = entier({1, 2, 3});
    EXPECT_EQ(ep->x, projetteX(f, P.x, P.y, P.z));
    EXPECT_EQ(ep->y, projetteY(f, P.x, P.y, P.z));
    // The view: 30 pixels per unit, screen x = 200 + 30 y, screen y = 150 - 30 z.
    EXPECT_EQ(ep->x, 260);
    EXPECT_EQ(ep->y, 60);

    const TelementDessin* ec = elementDessin(f, c);
    ASSERT_NE(ec, nullptr);
    ASSERT_EQ(complementDe(*ec).points.size(), elementSolide(f, c)->ligne.size());
    for (std::size_t k = 0; k < complementDe(*ec).points.size(); ++k) {
        const TpointEntier& m = elementSolide(f, c)->ligne[k].p;
        EXPECT_NEAR(complementDe(*ec).points[k].x.en32emes(), 32 * projetteX(f, m.x, m.y, m.z), 16);
        EXPECT_NEAR(complementDe(*ec).points[k].y.en32emes(), 32 * projetteY(f, m.x, m.y, m.z), 16);
        // On the screen the circle is a circle of radius 90 pixels round (230, 180).
        EXPECT_NEAR(std::hypot(xReelPointEcran(complementDe(*ec).points[k]) - 230,
                               yReelPointEcran(complementDe(*ec).points[k]) - 180),
                    90, 0.05);
        EXPECT_TRUE(pointEcranDefini(complementDe(*ec).points[k]));
        EXPECT_EQ(pointEcranNonRelie(complementDe(*ec).points[k]), k == 0);
    }
}

TEST_F(BlocDessin, PointsOutsideTheWindowOrNotShownHaveNoElement) {
    const int dehors = point(0, 8, 0); // screen x = 440 > 400
    const int cache = point(0, 1, 0);
    f.nomsPointsAffiches = 0; // and no mark: not drawn
    const int marque = point(0, 1, 1);
    f.objets[std::size_t(marque)].style.drapeaux = 0x0400;
    reconstruitDessin(f);
    EXPECT_EQ(elementDessin(f, dehors), nullptr);
    EXPECT_EQ(elementDessin(f, cache), nullptr);
    EXPECT_NE(elementDessin(f, marque), nullptr);
    EXPECT_TRUE(existeElementDessin(f));
}

TEST_F(BlocDessin, SegmentPiecesRunBetweenItsProjectedEnds) {
    const int s = segment({0, -1, 1}, {0, 2, -1});
    reconstruitDessin(f);
    const TelementDessin* e = elementDessin(f, s);
    ASSERT_NE(e, nullptr);
    ASSERT_EQ(e->parties.nombre, 1);
    EXPECT_EQ(e->parties.commenceCache, 0);
    EXPECT_NEAR(e->parties.x[0], 170, 1);
    EXPECT_NEAR(e->parties.y[0], 120, 1);
    EXPECT_NEAR(e->parties.x[1], 260, 1);
    EXPECT_NEAR(e->parties.y[1], 180, 1);
}

TEST_F(BlocDessin, RefreshAfterAMoveRebuildsOnlyTheMarkedObjects) {
    const int A = point(0, 0, 0), B = point(0, 1, 1);
    const int s = segment({0, 0, 0}, {0, 1, 1});
    reconstruitDessin(f);
    const TelementDessin* avantB = elementDessin(f, B);
    const int xB = avantB->x;
    // A and the segment depend on the moved object; B does not.
    for (int n : {A, s})
        changeDrapeauObjet(f.objets[std::size_t(n)], kDrapeauDependDeObjetLibreActif, true);
    for (int n : {A, B})
        valeurObjet(f, n, 2) += 2;
    valeurObjet(f, s, 2) += 2;
    f.modifiee = 0;
    rafraichitApresDeplacement(f);
    EXPECT_EQ(elementDessin(f, A)->x, 260);
    EXPECT_EQ(elementDessin(f, B), avantB);
    EXPECT_EQ(elementDessin(f, B)->x, xB);
    EXPECT_NEAR(elementDessin(f, s)->parties.x[0], 260, 1);
    EXPECT_EQ(f.modifiee, 1);
}

TEST_F(BlocDessin, FullRefreshFollowsNewValues) {
    const int A = point(0, 0, 0);
    reconstruitDessin(f);
    valeurObjet(f, A, 3) = 1;
    redessineFigure(f);
    EXPECT_EQ(elementDessin(f, A)->y, 120);
    f.objets[std::size_t(A)].nonDefini = 1;
    redessineFigure(f);
    EXPECT_EQ(elementDessin(f, A), nullptr);
}

// The window of the figure draws into a recording context.
platform::ContexteDessin* fenetreEnregistree = nullptr;
uint32_t contexteDuDessin = 0;
platform::ContexteDessin* contexteFenetre(uint32_t fenetre) {
    return fenetre == 7 ? fenetreEnregistree : nullptr;
}
void dessineUnRectangle(TfigureKalmetra& f, platform::ContexteDessin& dc) {
    contexteDuDessin = f.contexteDessin;
    platform::rectangle(dc, 10, 20, 30, 40);
}

class Peinture : public BlocDessin {
  protected:
    std::unique_ptr<platform::ContexteDessin> fenetre = platform::creeContexteEnregistreur();
    Peinture() {
        fenetreEnregistree = fenetre.get();
        etatRafraichissement().contexteDeFenetre = contexteFenetre;
        etatRafraichissement().dessine = dessineUnRectangle;
        contexteDuDessin = 0;
    }
    ~Peinture() override {
        reinitialiseRafraichissement();
        fenetreEnregistree = nullptr;
    }
};

TEST_F(Peinture, PaintGoesOffScreenThenIsCopiedToTheWindow) {
    f.fenetreDessin = 7;
    repeintFigureEcran(f);
    const auto& primitives = fenetre->journal()->primitives;
    // Nothing was drawn straight into the window: what it holds came from the copy.
    ASSERT_FALSE(primitives.empty());
    int rectangles = 0;
    for (const auto& p : primitives) {
        EXPECT_TRUE(p.depuisCopie || p.type == platform::TypePrimitive::Image);
        rectangles += p.type == platform::TypePrimitive::Rectangle && p.depuisCopie;
    }
    EXPECT_EQ(rectangles, 1);
    // The figure painted into a context of its own, current only during the paint.
    EXPECT_NE(contexteDuDessin, 0u);
    EXPECT_EQ(platform::contexteDeHandle(contexteDuDessin), nullptr);
    EXPECT_EQ(f.contexteDessin, 0u);
}

TEST_F(Peinture, NothingIsPaintedWithoutAContext) {
    f.fenetreDessin = 8; // a window without a context
    repeintFigureEcran(f);
    EXPECT_EQ(contexteDuDessin, 0u);
    // Figure numbers outside 1 to 64 are refused.
    const uint32_t h = platform::enregistreContexte(fenetre.get());
    repeintFigureKMparNumero(0, h);
    repeintFigureKMparNumero(65, h);
    EXPECT_TRUE(fenetre->journal()->primitives.empty());
    platform::oublieContexte(h);
}

TEST_F(BlocDessin, BandHeightStaysWithinTheDrawing) {
    const struct { int32_t demande, obtenue; } cas[] = {{0, 3}, {100, 100}, {296, 295}, {1000, 295}};
    for (const auto& k : cas) {
        fixeHauteurBandeau(f, k.demande);
        EXPECT_EQ(f.hauteurZoneAffichages, k.obtenue) << k.demande;
        // The figure area starts 2 pixels below the band.
        EXPECT_EQ(f.blocDessin->rectangleFigure.haut, k.obtenue + 2);
    }
}

TEST_F(BlocDessin, CopyOfTheDisplayListOwnsItsElements) {
    const int A = point(0, 0, 0);
    reconstruitDessin(f);
    std::unique_ptr<TblocDessin> copie;
    copieBlocDessin(*f.blocDessin, copie);
    ASSERT_NE(copie->elements[std::size_t(A)], nullptr);
    EXPECT_NE(copie->elements[std::size_t(A)].get(), elementDessin(f, A));
    EXPECT_EQ(copie->elements[std::size_t(A)]->x, elementDessin(f, A)->x);
    libereBlocDessin(copie);
    EXPECT_EQ(copie, nullptr);
}

} // namespace
} // namespace km32::essais
