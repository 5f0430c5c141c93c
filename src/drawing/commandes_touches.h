#pragma once
// Command objects (kind 20) bound to keys: pressing a key in a figure runs
// every command bound to it, in object order. A command's construction code
// is its action, its parents and values its operands. A repetition command
// (code 22) runs its parent commands again and again on a window timer of
// its own, whose id is its object number (14 to 255, below the clock's 271).
//
// Commands fail silently: an undefined command, a refused assignment or an
// out-of-range interval leave the figure as it was. An assignment after
// which a stored start line would no longer run leaves it as it was too,
// and says so (text/garde_demarrage.h).
#include <array>
#include <cstdint>

#include "model/figure.h"
#include "model/services_dessin.h"

namespace km32 {

constexpr int kMaxCommandesParTouche = 40;
using TlisteCommandes = std::array<uint8_t, kMaxCommandesParTouche>;

// The commands bound to a key, in increasing object order (at most 40).
void objetsCommandesDeTouche(const TfigureKalmetra& f, uint8_t touche, int& nombre, TlisteCommandes& liste);
// Runs every command bound to the key; true when there was at least one
// (the figure is then marked modified).
bool executeCommandesDeTouche(TfigureKalmetra& f, uint8_t touche);
// Runs one command by its code; other objects do nothing.
void executeCommandeDeTouche(TfigureKalmetra& f, int objet);

// Starts or stops the timer of a repetition command (only for a figure with
// a drawing window).
void basculeMinuterieDeCommande(TfigureKalmetra& f, int objet);
// A tick of timer `id`: runs the repetition command's parents once, counts
// the run and stops the timer after the last one. False when the id is not
// a repetition command of the figure.
bool topMinuterieDeCommande(TfigureKalmetra& f, uint32_t id);
// Stops the figure clock and every repetition timer.
void arreteToutesLesMinuteries(TfigureKalmetra& f);
// suitMinuteriesDesCommandes (model/services_dessin.h) keeps the timers of
// running repetitions with their commands.

} // namespace km32
