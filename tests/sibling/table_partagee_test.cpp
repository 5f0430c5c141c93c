#include "sibling/table_partagee.h"

#include <cstring>

#include <gtest/gtest.h>

#include "sibling/bibliotheque_tq.h"

namespace km32 {
namespace {

template <class T> T lisA(const TTableDesVariablesPartagees* t, std::size_t offset) {
    T v;
    std::memcpy(&v, reinterpret_cast<const unsigned char*>(t) + offset, sizeof v);
    return v;
}

TEST(TablePartagee, InitialStateIsFrenchAndEmpty) {
    reinitialiseBibliothequeTQ();
    const TTableDesVariablesPartagees* t = TQTableDesVariablesPartagees();
    EXPECT_EQ(t, TQTableDesVariablesPartagees()); // one table for the process
    EXPECT_EQ(lisA<uint16_t>(t, 5436), 1);
    EXPECT_EQ(lisA<uint16_t>(t, 5438), 1);
    EXPECT_EQ(lisA<uint32_t>(t, 6036), 0u);
    for (int k = 0; k < 100; ++k)
        EXPECT_EQ(lisA<uint32_t>(t, 5020 + 4 * k), 0u);
}

// The named fields are where other programs sharing the table read them.
TEST(TablePartagee, FieldsSitAtTheirByteOffsets) {
    reinitialiseBibliothequeTQ();
    TTableDesVariablesPartagees* t = TQTableDesVariablesPartagees();
    t->valeursCommunes[249] = 2.5;
    t->indefinisCommuns[249] = 1;
    t->fenetreMereKM = 0x11223344;
    t->clients[99] = 77;
    t->codeAnnexe = 131;
    t->langueAppliquee = 3;
    t->langueDemandee = 2;
    t->parentAnnexes = 9;
    t->dernierRepertoire[0] = 3;
    t->texteFigureDefaut = 0xABCDEF01;
    t->repertoireAide[1] = 'h';
    t->unitesParUnite = -7;

    EXPECT_EQ(lisA<double>(t, 2752 + 8 * 249), 2.5);
    EXPECT_EQ(lisA<uint8_t>(t, 4752 + 249), 1);
    EXPECT_EQ(lisA<uint32_t>(t, 5004), 0x11223344u);
    EXPECT_EQ(lisA<uint32_t>(t, 5020 + 4 * 99), 77u);
    EXPECT_EQ(lisA<uint8_t>(t, 5424), 131);
    EXPECT_EQ(lisA<uint16_t>(t, 5436), 3);
    EXPECT_EQ(lisA<uint16_t>(t, 5438), 2);
    EXPECT_EQ(lisA<uint32_t>(t, 5444), 9u);
    EXPECT_EQ(lisA<uint8_t>(t, 5453), 3);
    EXPECT_EQ(lisA<uint32_t>(t, 6036), 0xABCDEF01u);
    EXPECT_EQ(lisA<char>(t, 6049), 'h');
    EXPECT_EQ(lisA<int32_t>(t, 6340), -7);

    reinitialiseBibliothequeTQ();
    EXPECT_EQ(lisA<uint32_t>(t, 5004), 0u);
    EXPECT_EQ(lisA<uint16_t>(t, 5436), 1);
}

} // namespace
} // namespace km32
