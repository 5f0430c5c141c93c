// The clipboard's protocol: open for a window, empty (the window becomes the
// owner), put a text and a picture, close; refused while another window has
// it open or while it is unavailable.
#include <gtest/gtest.h>

#include "platform/plateforme.h"
#include "platform/presse_papiers.h"

namespace km32::platform {
namespace {

class PressePapiers : public ::testing::Test {
  protected:
    PressePapiers() { reinitialisePlateforme(); }
    ~PressePapiers() override { reinitialisePlateforme(); }
};

TEST_F(PressePapiers, WritersOpenEmptyPutAndClose) {
    // Nothing can be put while it is closed.
    EXPECT_FALSE(metTexteDansPressePapiers("a"));
    EXPECT_EQ(metImageDansPressePapiers({}), 0u);
    EXPECT_FALSE(videPressePapiers());
    EXPECT_FALSE(fermePressePapiers());

    ASSERT_TRUE(ouvrePressePapiers(7));
    EXPECT_TRUE(ouvrePressePapiers(7)) << "the same window again";
    EXPECT_FALSE(ouvrePressePapiers(8)) << "another window while it is open";
    EXPECT_TRUE(videPressePapiers());
    EXPECT_EQ(proprietairePressePapiers(), 7u);
    EXPECT_TRUE(metTexteDansPressePapiers(std::string("x\xE9\ty\r\n", 6)));
    const uint32_t premiere = metImageDansPressePapiers({});
    const uint32_t seconde = metImageDansPressePapiers({});
    EXPECT_NE(premiere, 0u);
    EXPECT_NE(seconde, premiere);
    EXPECT_TRUE(fermePressePapiers());

    ASSERT_NE(textePressePapiers(), nullptr);
    EXPECT_EQ(*textePressePapiers(), std::string("x\xE9\ty\r\n", 6));
    ASSERT_NE(imagePressePapiers(), nullptr);
    EXPECT_EQ(imagePressePapiers()->handle, seconde);

    // Another window empties it: both formats go.
    ASSERT_TRUE(ouvrePressePapiers(8));
    videPressePapiers();
    fermePressePapiers();
    EXPECT_EQ(textePressePapiers(), nullptr);
    EXPECT_EQ(imagePressePapiers(), nullptr);
    EXPECT_EQ(proprietairePressePapiers(), 8u);
}

TEST_F(PressePapiers, AnUnavailableClipboardKeepsItsContents) {
    ASSERT_TRUE(copieTexteDansPressePapiers(3, "garde"));
    const uint32_t sequence = numeroSequencePressePapiers();
    fixePressePapiersDisponible(false);
    EXPECT_FALSE(ouvrePressePapiers(3));
    EXPECT_FALSE(copieTexteDansPressePapiers(3, "autre"));
    EXPECT_EQ(*textePressePapiers(), "garde");
    EXPECT_EQ(numeroSequencePressePapiers(), sequence);
    // The platform's reset gives an empty, closed, available clipboard.
    reinitialisePlateforme();
    EXPECT_EQ(textePressePapiers(), nullptr);
    EXPECT_TRUE(copieTexteDansPressePapiers(3, "autre"));
    EXPECT_FALSE(pressePapiersOuvert());
}

} // namespace
} // namespace km32::platform
