#include "model/enveloppes_plateforme.h"

#include <gtest/gtest.h>

#include "platform/contexte_dessin.h"
#include "platform/contexte_dessin_table.h"
#include "platform/fenetres.h"
#include "platform/plateforme.h"

namespace km32 {
namespace {

// The wrappers reach the context named by its handle: a logical point maps
// to the device through the extents and origins they set.
TEST(EnveloppesPlateforme, MappingThroughTheHandle) {
    auto dc = platform::creeContexteEnregistreur();
    const uint32_t h = platform::enregistreContexte(dc.get());
    platform::fixeModeProjection(*dc, platform::ModeProjection::Anisotrope); // extents count only then
    fixeEtendueFenetre(h, 100, 50);
    fixeEtendueEcran(h, 200, 200);
    fixeOrigineFenetre(h, 10, 0);
    decaleOrigineEcran(h, 5, 7);
    EXPECT_EQ(etendueFenetre(h), (50u << 16) + 100u);
    // device = (logical - window origin) * viewport / window + viewport origin
    const platform::Point p = platform::versEcran(*dc, {60, 25});
    EXPECT_EQ(p.x, (60 - 10) * 200 / 100 + 5);
    EXPECT_EQ(p.y, 25 * 200 / 50 + 7);
    platform::oublieContexte(h);
    // An unknown handle does nothing.
    deplaceVers(h, 1, 1);
    EXPECT_EQ(etendueFenetre(h), 0u);
}

TEST(EnveloppesPlateforme, RootWindowIsZeroWithoutParent) {
    platform::reinitialisePlateforme();
    const platform::Fenetre racine = platform::creeFenetre(0, {0, 0, 10, 10}, nullptr, true);
    const platform::Fenetre enfant = platform::creeFenetre(racine, {0, 0, 5, 5}, nullptr, true);
    const platform::Fenetre petit = platform::creeFenetre(enfant, {0, 0, 2, 2}, nullptr, true);
    EXPECT_EQ(fenetreRacine(racine), 0u);
    EXPECT_EQ(fenetreRacine(petit), racine);
    platform::reinitialisePlateforme();
}

// A form's window taken out of its parent becomes a top-level window and
// keeps its own children; a window without parent, or no window, is left.
TEST(EnveloppesFenetres, DetachingAWindowFromItsParent) {
    platform::reinitialisePlateforme();
    const platform::Fenetre hote = platform::creeFenetre(0, {0, 0, 100, 100}, nullptr, true);
    const platform::Fenetre forme = platform::creeFenetre(hote, {10, 10, 60, 60}, nullptr, true);
    const platform::Fenetre bouton = platform::creeFenetre(forme, {0, 0, 5, 5}, nullptr, true);
    detacheFenetre(forme);
    EXPECT_EQ(platform::parentFenetre(forme), 0u);
    EXPECT_EQ(platform::parentFenetre(bouton), forme);
    EXPECT_TRUE(platform::enfantsFenetre(hote).empty());
    EXPECT_EQ(fenetreRacine(bouton), forme);
    detacheFenetre(forme); // already top-level
    EXPECT_EQ(platform::parentFenetre(forme), 0u);
    detacheFenetre(0);
    detacheFenetre(0xFFFFu);
    EXPECT_EQ(platform::nombreDeFenetres(), 3u);
    platform::reinitialisePlateforme();
}

} // namespace
} // namespace km32
