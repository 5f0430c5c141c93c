// The scrolling of a list of lines of different heights: what each scroll
// bar request, wheel notch and key makes of the first line shown, and which
// line lies under a point. Lines of 10, 20, 10, 10, 30 and 10 pixels in a
// view 40 pixels high: lines 0 to 2 fill the first page exactly.
#include <gtest/gtest.h>

#include "host/fenetres/rappels/liste_defilante.h"
#include "platform/entrees.h"
#include "platform/messages.h"

namespace km32::essais {
namespace {

namespace p = platform;

constexpr int32_t kVue = 40;

TListeDefilante liste(int premiere) {
    TListeDefilante l;
    l.hauteurs = {10, 20, 10, 10, 30, 10};
    l.premiere = premiere;
    return l;
}

uint32_t pouce(uint32_t position) {
    return p::SB_THUMBPOSITION | (position << 16);
}

uint32_t molette(int crans) {
    return uint32_t(uint16_t(int16_t(crans * p::WHEEL_DELTA))) << 16;
}

TEST(ListeDefilante, TheScrollBarMovesTheFirstLineWithinTheList) {
    struct Cas {
        int avant;
        uint32_t demande;
        int apres;
    };
    for (const Cas c :
         {Cas{0, p::SB_LINEDOWN, 1}, Cas{0, p::SB_LINEUP, 0}, Cas{5, p::SB_LINEDOWN, 5},
          // A page is the lines shown whole: 10 + 20 + 10 from line 0.
          Cas{0, p::SB_PAGEDOWN, 3},
          // Lines 4 and 5 fill the view; the list stops at its last line.
          Cas{4, p::SB_PAGEDOWN, 5},
          // Back by the lines that fit above: 10 + 20 + 10.
          Cas{3, p::SB_PAGEUP, 0},
          // 30 + 10 fit above line 5, not line 2 besides.
          Cas{5, p::SB_PAGEUP, 3}, Cas{1, p::SB_PAGEUP, 0}, Cas{2, pouce(4), 4}, Cas{2, pouce(60), 5},
          Cas{3, p::SB_TOP, 0}, Cas{1, p::SB_BOTTOM, 5}, Cas{2, p::SB_THUMBTRACK | (1u << 16), 1}}) {
        TListeDefilante l = liste(c.avant);
        defileParBarre(l, kVue, c.demande);
        EXPECT_EQ(l.premiere, c.apres) << c.avant << " " << (c.demande & 0xFFFF);
    }
    // A line taller than the view still pages one line.
    TListeDefilante l = liste(2);
    defileParBarre(l, 15, p::SB_PAGEUP);
    EXPECT_EQ(l.premiere, 1);
    defileParBarre(l, 15, p::SB_PAGEDOWN);
    EXPECT_EQ(l.premiere, 2);
}

TEST(ListeDefilante, TheWheelMovesThreeLinesANotchAndTheKeysAsTheBar) {
    struct Cas {
        int avant, crans, apres;
    };
    for (const Cas c : {Cas{4, 1, 1}, Cas{2, 1, 0}, Cas{0, -1, 3}, Cas{4, -1, 5}, Cas{0, -2, 5}}) {
        TListeDefilante l = liste(c.avant);
        defileParMolette(l, molette(c.crans));
        EXPECT_EQ(l.premiere, c.apres) << c.avant << " " << c.crans;
    }
    struct CasTouche {
        int avant;
        uint32_t touche;
        int apres;
    };
    for (const CasTouche c :
         {CasTouche{2, p::VK_UP, 1}, CasTouche{2, p::VK_DOWN, 3}, CasTouche{0, p::VK_NEXT, 3},
          CasTouche{5, p::VK_PRIOR, 3}, CasTouche{3, p::VK_HOME, 0}, CasTouche{0, p::VK_END, 5}}) {
        TListeDefilante l = liste(c.avant);
        EXPECT_TRUE(defileParTouche(l, kVue, c.touche));
        EXPECT_EQ(l.premiere, c.apres) << c.avant << " " << c.touche;
    }
    TListeDefilante l = liste(2);
    EXPECT_FALSE(defileParTouche(l, kVue, p::VK_RETURN));
    EXPECT_EQ(l.premiere, 2);
}

TEST(ListeDefilante, TheLineUnderAPointCountsFromTheFirstLineShown) {
    struct Cas {
        int premiere;
        int32_t y;
        int ligne;
    };
    for (const Cas c : {Cas{0, 0, 0}, Cas{0, 9, 0}, Cas{0, 10, 1}, Cas{0, 29, 1}, Cas{0, 30, 2}, Cas{1, 0, 1},
                        Cas{1, 19, 1}, Cas{1, 20, 2}, Cas{4, 35, 5}, Cas{4, 40, -1}, Cas{0, -1, -1},
                        Cas{0, 89, 5}, Cas{0, 90, -1}}) {
        EXPECT_EQ(ligneSousOrdonnee(liste(c.premiere), c.y), c.ligne) << c.premiere << " " << c.y;
    }
}

TEST(ListeDefilante, TheBarShowsOnlyWhenTheLinesDoNotFit) {
    const p::Rectangle cadre{0, 0, 100, kVue};
    EXPECT_TRUE(defilementNecessaire(liste(0), kVue));
    EXPECT_EQ(cadreDesLignes(liste(0), cadre).droite, 100 - kLargeurBarreDefilement);
    // All 90 pixels fit in a view of 90: no bar, the lines take the frame.
    EXPECT_FALSE(defilementNecessaire(liste(0), 90));
    EXPECT_EQ(cadreDesLignes(liste(0), {0, 0, 100, 90}).droite, 100);
    // An empty list has nowhere to scroll.
    TListeDefilante vide;
    defileParBarre(vide, kVue, p::SB_BOTTOM);
    EXPECT_EQ(vide.premiere, 0);
    EXPECT_EQ(ligneSousOrdonnee(vide, 0), -1);
    EXPECT_EQ(lignesVisibles(vide, kVue), 0);
}

} // namespace
} // namespace km32::essais
