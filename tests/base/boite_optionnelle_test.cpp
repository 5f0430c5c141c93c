// The optional part of a record: absent until written, read as a default
// value meanwhile, copied deeply with its record.
#include <gtest/gtest.h>

#include <vector>

#include "base/boite_optionnelle.h"

namespace km32 {
namespace {

struct Partie {
    int nombre = 7;
    std::vector<int> valeurs;
};

TEST(BoiteOptionnelle, AnAbsentPartReadsAsItsDefaultAndIsMadeOnlyByAWrite) {
    TboiteOptionnelle<Partie> b;
    EXPECT_FALSE(b.presente());
    EXPECT_EQ(b.lit().nombre, 7);
    EXPECT_TRUE(b.lit().valeurs.empty());
    EXPECT_FALSE(b.presente());
    b.ecrit().nombre = 3;
    ASSERT_TRUE(b.presente());
    EXPECT_EQ(b.lit().nombre, 3);
    // The default read while absent is not the written part.
    TboiteOptionnelle<Partie> autre;
    EXPECT_EQ(autre.lit().nombre, 7);
    b.libere();
    EXPECT_FALSE(b.presente());
    EXPECT_EQ(b.lit().nombre, 7);
}

TEST(BoiteOptionnelle, CopiesAreDeepAndFollowTheSource) {
    TboiteOptionnelle<Partie> source;
    source.ecrit().valeurs = {1, 2, 3};
    TboiteOptionnelle<Partie> copie(source);
    ASSERT_TRUE(copie.presente());
    copie.ecrit().valeurs[0] = 9;
    EXPECT_EQ(source.lit().valeurs[0], 1);
    EXPECT_NE(&copie.lit(), &source.lit());

    // Assigned into a part already held: the same part, its room kept.
    TboiteOptionnelle<Partie> cible;
    cible.ecrit().valeurs.reserve(100);
    const Partie* avant = &cible.lit();
    cible = source;
    EXPECT_EQ(&cible.lit(), avant);
    EXPECT_EQ(cible.lit().valeurs, (std::vector<int>{1, 2, 3}));
    EXPECT_GE(cible.lit().valeurs.capacity(), 100u);

    // An absent source leaves the copy absent.
    const TboiteOptionnelle<Partie> vide;
    cible = vide;
    EXPECT_FALSE(cible.presente());
    TboiteOptionnelle<Partie> copieVide(vide);
    EXPECT_FALSE(copieVide.presente());

    // Assigned to itself, it is unchanged.
    TboiteOptionnelle<Partie>& meme = source;
    source = meme;
    EXPECT_EQ(source.lit().valeurs, (std::vector<int>{1, 2, 3}));
}

} // namespace
} // namespace km32
