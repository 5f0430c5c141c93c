// The table that grows in pages: it must read and write as the fixed array
// it replaces, make only the pages written, keep its entries in place while
// it grows, and copy deeply.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <random>

#include "base/table_croissante.h"

namespace km32 {
namespace {

struct Entree {
    int32_t a = 0;
    double b = 0;
    bool operator==(const Entree&) const = default;
};

// 0 to 40 in pages of 8: six pages, the last one partly used.
using Table = TtableCroissante<Entree, 40, 8>;

TEST(TableCroissante, BehavesAsAFixedArrayUnderRandomWritesCopiesAndClears) {
    std::mt19937 hasard(20261210);
    std::uniform_int_distribution<int> indice(0, 40), operation(0, 9), nombre(-1000, 1000);
    Table table, autre;
    std::array<Entree, 41> modele{}, modeleAutre{};
    for (int pas = 0; pas < 4000; ++pas) {
        const int i = indice(hasard);
        switch (operation(hasard)) {
        case 0: // copy into the other table, then write the copy
            autre = table;
            modeleAutre = modele;
            autre[std::size_t(i)].a = 7;
            modeleAutre[std::size_t(i)].a = 7;
            break;
        case 1: // copy back
            table = autre;
            modele = modeleAutre;
            break;
        case 2:
            if (pas % 7 == 0) {
                table.efface();
                modele.fill(Entree{});
            } else {
                table.effaceDepuis(std::size_t(i));
                for (int k = i; k <= 40; ++k)
                    modele[std::size_t(k)] = Entree{};
            }
            break;
        default: {
            const Entree e{nombre(hasard), nombre(hasard) / 8.0};
            table[std::size_t(i)] = e;
            modele[std::size_t(i)] = e;
        }
        }
        const Table& lue = table;
        const Table& lueAutre = autre;
        for (int k = 0; k <= 40; ++k) {
            ASSERT_EQ(lue[std::size_t(k)], modele[std::size_t(k)]) << "step " << pas << " entry " << k;
            ASSERT_EQ(lueAutre[std::size_t(k)], modeleAutre[std::size_t(k)])
                << "step " << pas << " entry " << k;
        }
    }
}

TEST(TableCroissante, MakesOnlyThePagesWrittenAndReadsTheOthersAsEmpty) {
    Table table;
    EXPECT_EQ(table.pagesFaites(), 0);
    const Table& lue = table;
    EXPECT_EQ(lue[40], Entree{});
    EXPECT_EQ(table.pagesFaites(), 0); // a read does not make a page
    table[9].a = 3;                    // page 1 (entries 8 to 15)
    table[15].a = 4;
    EXPECT_EQ(table.pagesFaites(), 1);
    table[40].b = 2.5; // page 5
    EXPECT_EQ(table.pagesFaites(), 2);
    table.effaceDepuis(10); // clears without making a page
    EXPECT_EQ(table.pagesFaites(), 2);
    EXPECT_EQ(lue[9].a, 3);
    EXPECT_EQ(lue[15].a, 0);
    EXPECT_EQ(lue[40].b, 0);
    table.efface(); // the pages stay for the next fill
    EXPECT_EQ(table.pagesFaites(), 2);
    EXPECT_EQ(lue[9].a, 0);

    // A copy costs what its source does: the pages the source lacks are freed.
    Table petite;
    petite[1].a = 1;
    table = petite;
    EXPECT_EQ(table.pagesFaites(), 1);
    EXPECT_EQ(lue[1].a, 1);
    EXPECT_EQ(lue[9].a, 0);
}

TEST(TableCroissante, EntriesStayInPlaceWhileTheTableGrows) {
    Table table;
    Entree& premiere = table[1];
    premiere.a = 11;
    for (int k = 2; k <= 40; ++k)
        table[std::size_t(k)].a = k;
    EXPECT_EQ(&premiere, &table[1]);
    EXPECT_EQ(premiere.a, 11);
}

TEST(TableCroissante, AnIndexOutOfRangeThrowsAndChangesNothing) {
    Table table;
    const Table& lue = table;
    for (std::size_t i : {std::size_t(41), std::size_t(1000), std::size_t(-1)}) {
        EXPECT_THROW(table[i], ErreurInterne) << i;
        EXPECT_THROW(lue[i], ErreurInterne) << i;
    }
    EXPECT_EQ(table.pagesFaites(), 0);
    EXPECT_EQ(Table::size(), 41u);
}

} // namespace
} // namespace km32
