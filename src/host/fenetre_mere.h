#pragma once
// The library's hidden mother window and the protocol of annex windows.
//
// At most one annex window (a dialog, palette, list or editor of a figure)
// is open in the whole process, whichever library opened it; the sibling's
// shared table holds its code, handle, owner window and figure. Requests to
// show or close an annex are sent to the mother window of the library that
// owns it (codes 128 and above: this library). The mother window also runs
// the stored extra lines of a new figure about one second after its
// creation, answers value requests of the shared variables and applies a
// language the sibling asks for.
#include <array>
#include <cstdint>

#include "platform/messages.h"

namespace km32 {

// Private messages.
constexpr uint32_t kMessageImportation =
    platform::WM_USER + 1050; // to a figure window: integrate shared values
constexpr uint32_t kMessageDemandeValeurs = platform::WM_USER + 1051;   // to the mother window
constexpr uint32_t kMessageMontreAnnexe = platform::WM_USER + 1052;     // to the mother window
constexpr uint32_t kMessageFermeAnnexe = platform::WM_USER + 1053;      // wParam 1: the annex closed itself
constexpr uint32_t kMessageActiverFigure = platform::WM_USER + 1057;    // to a figure window
constexpr uint32_t kMessageAppliqueLangue = platform::WM_USER + 1058;   // lParam: the language
constexpr uint32_t kMessageFigureDesactivee = platform::WM_USER + 1059; // to a figure window

constexpr int kEmplacementsMinuteriesMere = 100;
constexpr int kDecompteLignesDifferees = 10; // ticks of 100 ms

struct EtatFenetreMere {
    uint32_t fenetre = 0;
    std::array<uint32_t, kEmplacementsMinuteriesMere + 1> minuteries{}; // ids, slots 1 to 100, 0 = free
    std::array<int, 65> decomptes{};                                    // per figure 1 to 64
};
EtatFenetreMere& etatFenetreMere();

// Load: creates the mother window (hidden, caption "FenetreMereDLL") and
// stores its handle in the shared table. Unload: stops its timers, clears
// the handle in the shared table and destroys the window.
void creeFenetreMere();
void detruitFenetreMere();

// Timer slots of the mother window.
void lanceMinuterieMere(uint32_t id, uint32_t intervalleMs);
void arreteMinuterieMere(uint32_t id);
void arreteToutesMinuteriesMere();

// The show and close operations of an annex module, by annex code 129 to 139.
struct OperationsAnnexe {
    void (*montre)() = nullptr;
    void (*ferme)() = nullptr;
};
void inscritOperationsAnnexe(uint8_t code, OperationsAnnexe operations);
void oublieOperationsAnnexes();

// Protocol on the shared table.
bool dialogueCommunOuvert();
// True when the caller may open its annex (any other annex is closed first);
// false when the annex open is already the caller's (it comes forward).
bool reserveDialogueCommun(uint32_t fenetreProprietaire, int32_t figure);
void activeDialogueCommun(uint32_t fenetreProprietaire);
void fenetreCommuneFermee(uint32_t fenetre);
void remplaceFenetreInfo(uint32_t fenetre);
// Closes this library's open annex window (closing-busy set meanwhile).
void fermeFenetreAnnexe();

// True when an annex is registered and its owner is the window.
bool annexeModaleDe(uint32_t fenetre);

} // namespace km32
