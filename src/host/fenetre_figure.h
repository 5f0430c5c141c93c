#pragma once
// The window form of a figure created by the host. The form is normally
// hidden and the figure is painted straight into the host's window; when the
// figure is activated, the form is laid over the host window's rectangle as
// its child, the figure is painted into it and it takes the mouse and keys
// itself. Every input of the form ends in the figure's dispatcher. Timer 272
// follows the host window's rectangle; the form tells the host when the
// figure was modified.
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "host/repartiteur.h"
#include "platform/geometrie.h"

namespace km32 {

constexpr uint32_t kMinuterieSuiviHote = 272;
constexpr uint32_t kIntervalleSuiviHote = 400; // ms
// Notices to the host window (WM_KEYUP, wParam).
constexpr uint32_t kAvisFigureModifiee = 1025;
constexpr uint32_t kAvisTexteFigure = 1028;
constexpr uint32_t kAvisMouvementLibre = 1032; // + the cause
constexpr uint32_t kAvisMajAltClic = 2048;

struct TKMFen {
    uint32_t fenetre = 0; // the form's own window
    uint8_t doubleClicEnAttente = 0;
    TMessageFigure message;
    int32_t numeroFigure = 0;
    std::string chaineCreation; // at most 255
    uint32_t fenetreHote = 0;
    platform::Rectangle rectangleHote; // on screen, as last seen
    uint8_t inactive = 0;
    uint32_t couleur = 0xFFFFFF; // white
};

struct EtatFenetresFigures {
    std::array<std::unique_ptr<TKMFen>, 65> formes; // 1 to 64; empty = free number
};
EtatFenetresFigures& tableDesFenetresFigures();
// Destroys every form (at unload and for tests).
void videTableDesFenetresFigures();

// The form of figure n, nullptr for an empty entry or n outside 0..64.
TKMFen* formeDeNumero(int n);
// A new hidden form in entry n (1 to 64) for the host window; an existing
// one is destroyed first.
TKMFen& creeFormeFigure(int n, uint32_t fenetreHote);
// Destroys the form's window (timer 272 with it) and empties entry n.
void detruitFormeFigure(int n);

void activeFormeFigure(int16_t n);
void desactiveFormeFigure(int16_t n);
// The figure of the window that figure n names as its form: the number the
// form holds, figure n itself when it has no form or the form's number names
// no living figure.
int16_t figureDeSaFenetre(int16_t n);

// True when the form of figure n is shown (the figure is active).
bool formeAffichee(int16_t n);

// The input box of one line to run on figure n.
void demandeLigneAExecuter(int16_t n);

} // namespace km32
