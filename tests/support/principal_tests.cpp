// The main program of every test program: GoogleTest's, with the library's
// random generator seeded to one fixed value before each test. Free objects
// a figure places at random, and the trials of property tests, are then the
// same on every run and in every order, so no test depends on chance.
// Window surfaces keep the recording of what is drawn on them, which the
// tests read as a screenshot of the window (a real host keeps none).
#include <gtest/gtest.h>

#include "platform/hasard.h"
#include "platform/surfaces_fenetres.h"

namespace {

constexpr uint64_t kGraineDesTests = 20261209;

class GraineFixe : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo&) override {
        // Also imposed on every later start of the library within the test.
        km32::platform::imposeGraineHasard(kGraineDesTests);
        km32::platform::fixeEnregistrementSurfaces(true);
    }
};

} // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new GraineFixe);
    return RUN_ALL_TESTS();
}
