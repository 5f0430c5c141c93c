#pragma once
// The active free object of a figure and its movement by the keyboard: one
// step per key press along the direction the key gives (2 to 7: Up, Down,
// Right, Left, Page Up, Page Down), the step sizes, and the notice to the
// host after each move.
//
// A refused step leaves the values unchanged, reports false and shows
// nothing, except a step after which a stored start line would no longer
// run, which says so (text/garde_demarrage.h).
#include <cstdint>

#include "model/figure.h"

namespace km32 {

// Causes of a move, sent to the host as WM_KEYUP with wParam 1032 + cause.
enum CauseMouvement : uint8_t {
    kCauseGlisser = 0,
    kCauseClavier = 1,
    kCauseAffectationDirecte = 2,
    kCauseAffectationMemorisee = 3,
    kCauseAffectationAleatoire = 4,
    kCauseHorloge = 5,
    kCausePrise = 16,
};
constexpr uint32_t kAvisMouvement = 1032;

// One keyboard step of the active free object in direction 2..7; false when
// nothing changed (no active object, undefined, at a bound, ...).
bool deplaceObjetLibreClavier(TfigureKalmetra& f, uint8_t direction);
// The increment of one key press for the active free object (1.0 when it is
// undefined).
double incrementObjetLibre(const TfigureKalmetra& f);
// Multiplies the active free object's step (its last value); false when
// refused or unchanged.
bool multiplieObjetLibreActif(TfigureKalmetra& f, double facteur);
// The view step one rung coarser (code 246) or finer (any other code) on the
// ladder 90, 45, 30, 10, 5, 2, 1, 0.5, 0.2, 0.1, 0.05, 0.02, 0.01; a step on
// no rung becomes 5. Marks the figure modified; always true.
bool changePasClavier(TfigureKalmetra& f, uint32_t code);

// Makes a defined object the active free object and marks its dependants.
void prepareObjetActif(TfigureKalmetra& f, int objet);

// Tells the host window (when there is one) that the active free object
// moved, then publishes the shared values unless the cause is a grab.
void notifieHoteEtPublie(TfigureKalmetra& f, uint8_t cause);

// The free points in space glued to a changed object follow it; the set
// starts as the active free object and its dependants and gains every
// follower with its dependants.
void entraineLesPointsColles(TfigureKalmetra& f, TEnsembleObjets& ensemble);

} // namespace km32
