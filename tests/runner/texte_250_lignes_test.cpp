// The 250-line figure text of the benchmarks runs whole, with every object
// the lines create, and its points where the text puts them.
#include <gtest/gtest.h>

#include "banc_texte.h"
#include "figure_texte_essai.h"

namespace km32::essai {
namespace {

TEST_F(BancTexte, TheBenchmarkFigureRunsWhole) {
    const std::string texte = essais::texteFigureDe250Lignes();
    const uint16_t resultat = executeTexteDeFigure(f, texte, 1);
    for (const auto& b : platform::boitesDemandees())
        ADD_FAILURE() << b.titre << ": " << b.texte;
    ASSERT_EQ(resultat, 0) << f.valeursUtilisees << " values, " << f.parentsUtilises << " parents, "
                           << f.expressionsUtilisees << " expressions, " << f.octetsOperandesUtilises
                           << " operand bytes, " << f.constantesUtilisees << " constants";
    EXPECT_EQ(f.nombreObjets, 13 + 237);
    EXPECT_LE(f.valeursUtilisees, 2000);
    // M1 is the midpoint of P1 and P2 whatever their coordinates.
    const int p1 = numeroObjetDeNomEtType(f, "P1", kNaturePoint),
              p2 = numeroObjetDeNomEtType(f, "P2", kNaturePoint);
    const int m1 = numeroObjetDeNomEtType(f, "M1", kNaturePoint);
    ASSERT_NE(m1, 0);
    for (int k = 1; k <= 3; ++k)
        EXPECT_DOUBLE_EQ(valeurObjet(f, m1, k), (valeurObjet(f, p1, k) + valeurObjet(f, p2, k)) / 2);
}

} // namespace
} // namespace km32::essai
