// The sizes the controls of a form need: nothing measured headless (a model
// keeps its own sizes), the backend's measurer's answers otherwise, and a
// model's frame grown to hold them with its corner kept.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/mesures_texte.h"

namespace km32::platform {
namespace {

struct Demande {
    GenreMesure genre;
    std::string texte;
    int caracteres;
};

class MesuresTexte : public ::testing::Test {
  protected:
    ~MesuresTexte() override { installeMesureur({}); }
    std::vector<Demande> demandes_;
};

TEST_F(MesuresTexte, HeadlessNothingIsMeasuredAndAFrameKeepsItsSize) {
    ASSERT_FALSE(mesuresReelles());
    EXPECT_EQ(tailleEtiquette("Nom du point:"), TailleControle{});
    EXPECT_EQ(tailleBouton("Annuler"), TailleControle{});
    EXPECT_EQ(tailleCase("non dessin\xE9"), TailleControle{});
    EXPECT_EQ(tailleChamp(80), TailleControle{});
    EXPECT_EQ(tailleCombo({"Rxyz", "R"}), TailleControle{});
    const Rectangle cadre{8, 40, 129, 64};
    EXPECT_EQ(agrandi(cadre, tailleChamp(12)), cadre);
}

TEST_F(MesuresTexte, TheBackendsMeasurerAnswersEachKindAndAFrameGrowsToHoldIt) {
    installeMesureur([this](GenreMesure g, const std::string& t, int n) {
        demandes_.push_back({g, t, n});
        // A text of n bytes wants 7n x 17, an entry 9 per character; a
        // negative answer is no size.
        if (g == GenreMesure::Champ) return TailleControle{9 * n + 6, 21};
        if (t == "faux") return TailleControle{-4, -1};
        return TailleControle{int32_t(7 * t.size()), 17};
    });
    ASSERT_TRUE(mesuresReelles());
    EXPECT_EQ(tailleEtiquette("Nom:"), (TailleControle{28, 17}));
    EXPECT_EQ(tailleBouton("OK"), (TailleControle{14, 17}));
    EXPECT_EQ(tailleCase("faux"), TailleControle{});
    EXPECT_EQ(tailleChamp(10), (TailleControle{96, 21}));
    // An entry holds one character at least.
    EXPECT_EQ(tailleChamp(0), (TailleControle{15, 21}));
    // A combo box is measured on all its entries at once, one a line.
    EXPECT_EQ(tailleCombo({"degr\xE9", "radian"}), (TailleControle{84, 17}));
    ASSERT_EQ(demandes_.size(), 6u);
    const GenreMesure genres[] = {GenreMesure::Etiquette, GenreMesure::Bouton, GenreMesure::Case,
                                  GenreMesure::Champ,     GenreMesure::Champ,  GenreMesure::Combo};
    for (std::size_t k = 0; k < demandes_.size(); ++k)
        EXPECT_EQ(demandes_[k].genre, genres[k]) << k;
    EXPECT_EQ(demandes_[5].texte, "degr\xE9\nradian");
    EXPECT_EQ(demandes_[3].caracteres, 10);

    // Wider and taller than the frame: the frame grows right and down.
    const Rectangle cadre{8, 40, 58, 64};
    EXPECT_EQ(agrandi(cadre, tailleChamp(10)), (Rectangle{8, 40, 104, 64}));
    EXPECT_EQ(agrandi(cadre, TailleControle{20, 30}), (Rectangle{8, 40, 58, 70}));
    EXPECT_EQ(auMoins(24, tailleChamp(3).hauteur), 24);

    installeMesureur({});
    EXPECT_FALSE(mesuresReelles());
    EXPECT_EQ(tailleBouton("OK"), TailleControle{});
}

} // namespace
} // namespace km32::platform
