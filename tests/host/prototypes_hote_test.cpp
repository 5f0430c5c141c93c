// A host that sets a free number through the C interface: an instance of a
// prototype given a vector that follows the number is computed again, and
// writes its three values where they belong.
#include "banc_hote.h"
#include "base/texte.h"

namespace km32::essais {
namespace {

using PrototypesHote = BancHote;

TEST_F(PrototypesHote, AnInstanceGivenAVectorLeavesTheNextObjectAloneWhenANumberIsSet) {
    const std::string texte = windows1252DeUtf8(texteDeLignes({
        "Figure Kalmetra",
        "Début de [Cote]",
        "vec(u) vecteur donné",
        "z cote du vecteur vec(u) (repère Rxyz)",
        "Description de l'interface",
        "z hauteur de vec(u)",
        "Vecteur:",
        "Cote:",
        "Fin de [Cote]",
        "c réel libre",
        "vec(w) (3,4,c) (repère Rxyz)",
        "m hauteur de vec(w)",
        "P point de coordonnées (1,2,3) dans le repère Rxyz",
        // Q follows c through w, and reads P after m was computed again.
        "Q image de P par la translation de vecteur vec(w)",
        "x abscisse du point Q (repère Rxyz)",
        "y cote du point Q (repère Rxyz)",
        "Fin de la figure",
    }));
    const int16_t n = KMCreeFigEtRenvoieNumero(hote, nullptr, texte.c_str(), nullptr);
    ASSERT_EQ(n, 1);
    ASSERT_EQ(KMObjetValide(n, "m"), 1);
    KMAffecteScalaire(n, "c", 10);
    EXPECT_EQ(KMValeurScalaireDouble(n, "c"), 10);
    EXPECT_EQ(KMValeurScalaireDouble(n, "m"), 10);
    EXPECT_EQ(KMValeurScalaireDouble(n, "x"), 1 + 3);
    EXPECT_EQ(KMValeurScalaireDouble(n, "y"), 3 + 10);
    KMAffecteScalaire(n, "c", -4.5);
    EXPECT_EQ(KMValeurScalaireDouble(n, "m"), -4.5);
    EXPECT_EQ(KMValeurScalaireDouble(n, "x"), 1 + 3);
    EXPECT_EQ(KMValeurScalaireDouble(n, "y"), 3 - 4.5);
}

} // namespace
} // namespace km32::essais
