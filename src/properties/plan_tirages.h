#pragma once
// The sampling plan of a property test: which free objects are re-drawn at
// each trial and how each of their free components is drawn at random (from
// the platform's seedable generator). Built once per run, used at every trial;
// the values are written straight into the figure, whose caller recomputes it.
#include <array>
#include <cstdint>
#include <string>

#include "model/figure.h"

namespace km32 {

constexpr int kMaxEntreesPlan = 20;

struct TEntreePlan {
    uint8_t objet = 0;
    uint8_t nombreComposantes = 0;        // 1 to 3
    std::array<uint8_t, 3> decalages{};   // among the object's values, counted from 0
    std::array<uint8_t, 3> typesTirage{}; // 1 to 7
};

struct TPlanTirages {
    std::array<TEntreePlan, kMaxEntreesPlan> entrees{};
    uint8_t nombre = 0;
};

// The names (at most 20) of the free objects to re-draw; without a list
// (nombreNoms 255) every free object qualifies.
using TNomsObjets = std::array<std::string, kMaxEntreesPlan + 1>; // places 1 to 20

// Builds the plan (entries in increasing object number, the first 20).
void prepareTiragesAleatoires(const TfigureKalmetra& f, const TNomsObjets& noms, uint8_t nombreNoms,
                              TPlanTirages& plan);
// The set of the plan's objects.
TEnsembleObjets ensembleDuPlan(const TPlanTirages& plan);
// One random draw per component of every entry, written into the figure.
void retireValeursDuPlan(const TPlanTirages& plan, TfigureKalmetra& f);
// A value drawn by a sampling type (1 to 7).
double tirageDeType(uint8_t type);

} // namespace km32
