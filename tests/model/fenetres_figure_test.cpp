#include "model/fenetres_figure.h"
#include "model/avis_modification.h"
#include "model/table_figures.h"
#include "platform/fenetres.h"
#include "platform/messages.h"
#include "platform/plateforme.h"
#include "sibling/table_partagee.h"

#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

using namespace km32;
namespace pf = km32::platform;

namespace {

struct MessageRecu {
    uint32_t message, wParam;
};
std::vector<MessageRecu> recus;

int32_t procedureHote(pf::Fenetre, uint32_t message, uint32_t wParam, int32_t) {
    recus.push_back({message, wParam});
    return 77;
}

class FenetresFigure : public ::testing::Test {
  protected:
    void SetUp() override {
        pf::reinitialisePlateforme();
        videTableDesFigures();
        parentAnnexes = pf::creeFenetre(0, {0, 0, 300, 200}, nullptr, true);
        hote = pf::creeFenetre(0, {0, 0, 640, 480}, procedureHote, true);
        proprietaire = pf::creeFenetre(hote, {10, 10, 410, 310}, nullptr, true);
        TQTableDesVariablesPartagees()->parentAnnexes = parentAnnexes;
        recus.clear(); // the host's creation messages are not what these tests watch
    }
    void TearDown() override {
        videTableDesFigures();
        TQTableDesVariablesPartagees()->parentAnnexes = 0;
    }
    TfigureKalmetra& place(int n, bool avecHote) {
        auto f = std::make_unique<TfigureKalmetra>();
        if (avecHote) {
            f->fenetreHote = hote;
            f->fenetreProprietaire = proprietaire;
        }
        TfigureKalmetra& ref = *f;
        placeFigure(n, std::move(f));
        return ref;
    }
    pf::Fenetre parentAnnexes = 0, hote = 0, proprietaire = 0;
};

TEST_F(FenetresFigure, HostedFigureNotifiesItsHostAndReturnsTheAnswer) {
    TfigureKalmetra& f = place(3, true);
    EXPECT_EQ(signaleFigureModifiee(f), 77);
    ASSERT_EQ(recus.size(), 1u);
    EXPECT_EQ(recus[0].message, pf::WM_KEYUP);
    EXPECT_EQ(recus[0].wParam, 1025u);
}

TEST_F(FenetresFigure, FigureWithoutHostAnswersOneAndSendsNothing) {
    TfigureKalmetra& f = place(4, false);
    EXPECT_EQ(signaleFigureModifiee(f), 1);
    EXPECT_TRUE(recus.empty());
}

// The host's function hears that the flag rose once: at once outside a
// watched input, at the end of the input inside one (the outermost of
// nested inputs tells nothing more), and not for a figure already modified.
TEST_F(FenetresFigure, TheHostsFunctionHearsOfAChangeOnceWhereverItIsMarked) {
    static std::vector<std::pair<int16_t, int32_t>> entendus;
    entendus.clear();
    reinitialiseAvisModification();
    installeAvisModification([](int16_t n, int32_t m) { entendus.emplace_back(n, m); });
    TfigureKalmetra& f = place(3, true);
    f.numeroFigure = 3;
    using Avis = std::vector<std::pair<int16_t, int32_t>>;

    signaleFigureModifiee(f);
    EXPECT_EQ(entendus, (Avis{{3, 1}}));
    signaleFigureModifiee(f); // already modified
    EXPECT_EQ(entendus.size(), 1u);

    f.modifiee = 0;
    entendus.clear();
    {
        const SurveillanceModification dehors(3);
        {
            const SurveillanceModification dedans(3);
            signaleFigureModifiee(f);
            signaleFigureModifiee(f);
            EXPECT_TRUE(entendus.empty());
        }
        EXPECT_EQ(entendus, (Avis{{3, 1}}));
    }
    EXPECT_EQ(entendus, (Avis{{3, 1}}));
    EXPECT_FALSE(modificationSurveillee(3));

    // An input that saves the figure: the flag falls, and the host hears it.
    {
        const SurveillanceModification entree(3);
        f.modifiee = 0;
    }
    EXPECT_EQ(entendus, (Avis{{3, 1}, {3, 0}}));
    reinitialiseAvisModification();
}

TEST_F(FenetresFigure, WindowsAreAttachedAndMeasuredThroughTheRightParent) {
    place(1, true);
    place(2, false);
    pf::Fenetre a = pf::creeFenetre(0, {0, 0, 50, 50}, nullptr, true);
    pf::Fenetre b = pf::creeFenetre(0, {0, 0, 50, 50}, nullptr, true);
    attacheFenetreAFigure(1, a);
    attacheFenetreAFigure(2, b);
    EXPECT_EQ(pf::parentFenetre(a), proprietaire);
    EXPECT_EQ(pf::parentFenetre(b), parentAnnexes);
    EXPECT_EQ(rectangleClientFigure(1).largeur(), 400);
    EXPECT_EQ(rectangleClientFigure(2).largeur(), 300);
}

TEST_F(FenetresFigure, EmptyOrInvalidSlotsChangeNothing) {
    pf::Fenetre a = pf::creeFenetre(0, {0, 0, 50, 50}, nullptr, true);
    for (int16_t n : {int16_t(0), int16_t(9), int16_t(65), int16_t(-1)}) {
        attacheFenetreAFigure(n, a);
        activeFenetreFigure(n);
    }
    EXPECT_EQ(pf::parentFenetre(a), 0u);
}

} // namespace
