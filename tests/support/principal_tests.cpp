// The main program of every test program: GoogleTest's, with the library's
// random generator seeded to one fixed value before each test. Free objects
// a figure places at random, and the trials of property tests, are then the
// same on every run and in every order, so no test depends on chance.
#include <gtest/gtest.h>

#include "platform/hasard.h"

namespace {

constexpr uint64_t kGraineDesTests = 20261209;

class GraineFixe : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo&) override {
        // Also imposed on every later start of the library within the test.
        km32::platform::imposeGraineHasard(kGraineDesTests);
    }
};

} // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new GraineFixe);
    return RUN_ALL_TESTS();
}
