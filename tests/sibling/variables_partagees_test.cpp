#include "sibling/variables_partagees.h"

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "sibling/bibliotheque_tq.h"
#include "sibling/table_partagee.h"

namespace km32 {
namespace {

struct Entree {
    std::string nom;
    double valeur;
};

std::unique_ptr<TVariablesPartagees> record(const std::vector<Entree>& entrees, uint32_t fenetre = 1) {
    auto v = std::make_unique<TVariablesPartagees>();
    *v = TVariablesPartagees{};
    v->fenetre = fenetre;
    v->nombre = uint8_t(entrees.size());
    for (std::size_t i = 0; i < entrees.size(); ++i) {
        v->noms[i][0] = uint8_t(entrees[i].nom.size());
        for (std::size_t c = 0; c < entrees[i].nom.size(); ++c)
            v->noms[i][1 + c] = uint8_t(entrees[i].nom[c]);
        v->numerosObjets[i] = uint8_t(14 + i);
        v->valeurs[i] = entrees[i].valeur;
    }
    return v;
}

int slotsOccupes() {
    int n = 0;
    for (uint32_t id : TQTableDesVariablesPartagees()->clients)
        n += id != 0;
    return n;
}

class VariablesPartagees : public ::testing::Test {
  protected:
    void SetUp() override { reinitialiseBibliothequeTQ(); }
    void TearDown() override { reinitialiseBibliothequeTQ(); }
};

TEST_F(VariablesPartagees, SameNameSharesOneCommonValue) {
    auto r1 = record({{"a", 2.0}, {"b", 3.0}});
    auto r2 = record({{"b", 9.0}, {"c", 4.0}}, 2);
    ASSERT_TRUE(inscription(r1.get()));
    ASSERT_TRUE(inscription(r2.get()));
    EXPECT_EQ(r1->inscrit, 1);
    EXPECT_EQ(r2->inscrit, 1);
    EXPECT_EQ(r1->indicesPartages[1], r2->indicesPartages[0]); // "b"
    EXPECT_NE(r1->indicesPartages[0], r1->indicesPartages[1]);
    EXPECT_NE(r2->indicesPartages[1], r1->indicesPartages[0]);
    const TTableDesVariablesPartagees* t = TQTableDesVariablesPartagees();
    // A new name brings its value into the table; a known one keeps the common value.
    EXPECT_EQ(t->valeursCommunes[r1->indicesPartages[0] - 1], 2.0);
    EXPECT_EQ(t->valeursCommunes[r1->indicesPartages[1] - 1], 3.0);
    EXPECT_EQ(t->valeursCommunes[r2->indicesPartages[1] - 1], 4.0);
    // The client slots hold ids that lead back to the records.
    std::vector<TVariablesPartagees*> trouves;
    for (uint32_t id : t->clients)
        if (id) trouves.push_back(TQVariablesDuClient(id));
    EXPECT_EQ(trouves, (std::vector<TVariablesPartagees*>{r1.get(), r2.get()}));
    EXPECT_EQ(TQVariablesDuClient(0), nullptr);
}

TEST_F(VariablesPartagees, UnregisteringFreesTheSlotAndUnusedNames) {
    auto r1 = record({{"a", 1.0}});
    auto r2 = record({{"a", 1.0}});
    ASSERT_TRUE(inscription(r1.get()));
    ASSERT_TRUE(inscription(r2.get()));
    uint8_t indiceA = r1->indicesPartages[0];
    desinscription(r1.get());
    EXPECT_EQ(r1->inscrit, 0);
    EXPECT_EQ(slotsOccupes(), 1);
    desinscription(r1.get()); // a second time: nothing
    EXPECT_EQ(slotsOccupes(), 1);
    // "a" is still used by r2: a new record with "a" gets the same index.
    auto r3 = record({{"a", 5.0}});
    ASSERT_TRUE(inscription(r3.get()));
    EXPECT_EQ(r3->indicesPartages[0], indiceA);
    // Registering again replaces the old registration instead of taking a second slot.
    ASSERT_TRUE(inscription(r3.get()));
    EXPECT_EQ(slotsOccupes(), 2);
}

TEST_F(VariablesPartagees, FullClientTableRefuses) {
    std::vector<std::unique_ptr<TVariablesPartagees>> records;
    for (int k = 0; k < kNombreClientsTQ; ++k) {
        records.push_back(record({{"x", 1.0}}));
        ASSERT_TRUE(inscription(records.back().get())) << k;
    }
    auto deTrop = record({{"x", 1.0}});
    EXPECT_FALSE(inscription(deTrop.get()));
    EXPECT_EQ(deTrop->inscrit, 0);
    EXPECT_EQ(slotsOccupes(), kNombreClientsTQ);
    desinscription(records[37].get());
    EXPECT_TRUE(inscription(deTrop.get()));
}

TEST_F(VariablesPartagees, RefusedRecordsChangeNothing) {
    auto vide = record({});
    auto tropLong = record({{"a", 1.0}});
    tropLong->nombre = 51;
    EXPECT_FALSE(inscription(nullptr));
    EXPECT_FALSE(inscription(vide.get()));
    EXPECT_FALSE(inscription(tropLong.get()));
    EXPECT_EQ(slotsOccupes(), 0);
}

TEST_F(VariablesPartagees, CommonValuesRunOutWithoutAPartialRegistration) {
    // Five records of 50 distinct names take the 250 common values.
    std::vector<std::unique_ptr<TVariablesPartagees>> records;
    for (int r = 0; r < 5; ++r) {
        std::vector<Entree> e;
        for (int i = 0; i < 50; ++i)
            e.push_back({"n" + std::to_string(r * 50 + i), double(i)});
        records.push_back(record(e));
        ASSERT_TRUE(inscription(records.back().get()));
    }
    auto nouveau = record({{"n0", 0.0}, {"zz", 1.0}});
    EXPECT_FALSE(inscription(nouveau.get()));
    EXPECT_EQ(slotsOccupes(), 5);
    auto connu = record({{"n0", 0.0}, {"n249", 1.0}});
    EXPECT_TRUE(inscription(connu.get()));
    EXPECT_EQ(connu->indicesPartages[0], records[0]->indicesPartages[0]);
}

TEST_F(VariablesPartagees, NameLengthByteBeyondFourIsCut) {
    auto r1 = record({{"abcd", 1.0}});
    r1->noms[0][0] = 200; // corrupted length: only the 4 name bytes count
    auto r2 = record({{"abcd", 2.0}});
    ASSERT_TRUE(inscription(r1.get()));
    ASSERT_TRUE(inscription(r2.get()));
    EXPECT_EQ(r1->indicesPartages[0], r2->indicesPartages[0]);
}

} // namespace
} // namespace km32
