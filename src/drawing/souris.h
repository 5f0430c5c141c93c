#pragma once
// The mouse in a figure's drawing window. The dispatcher hands each mouse
// message to one of these entry points (lParam: x in the low, y in the high
// 16 bits, signed, in client pixels):
//   WM_LBUTTONDOWN  sourisBoutonEnfonce   grab a free object (glisser.h), the
//                   band's bottom edge or a text of the band; designate an
//                   object for the open construction dialog; apply the
//                   palette's style (style brush); Ctrl: the information box
//   WM_MOUSEMOVE    sourisDeplacee        one step of what is held
//   WM_LBUTTONUP    sourisBoutonRelache   end of a left gesture
//   WM_RBUTTONDOWN  debutRotationVue      turn the view (pan with Ctrl or Shift)
//   WM_RBUTTONUP    termineEtatGlisser    end of any gesture
// A gesture lives in the figure's drag state (TetatGlisser) from the press to
// the release, with the mouse captured by the drawing window.
#include <cstdint>

#include "model/figure.h"

namespace km32 {

// The private message that hands a designation to the window that asked
// for it (wParam 0, lParam kDesignationFaite).
constexpr uint32_t kMessageDesignation = 0x0400 + 1001;
constexpr int32_t kDesignationFaite = 1002;
// Bit of f.drapeauxVue that locks the view against mouse turns and pans.
constexpr uint8_t kVerrouRotationSouris = 8;

// State shared by all figures (one gesture at a time, under the capture).
struct EtatSouris {
    bool ctrl = false, maj = false, alt = false; // sampled at the last press
    uint8_t actifAvantGeste = 0;                 // the active free object when the gesture began
    bool glisseTexte = false;                    // a text of the band is held
    uint8_t texteTenu = 0;
};
EtatSouris& etatSouris();
void reinitialiseSouris();

void sourisBoutonEnfonce(TfigureKalmetra& f, int32_t lParam);
void sourisDeplacee(TfigureKalmetra& f, int32_t lParam);
void sourisBoutonRelache(TfigureKalmetra& f, int32_t lParam);
void debutRotationVue(TfigureKalmetra& f, int32_t lParam);

// A new drag state (a former one is ended first), its cursors loaded, the
// active free object noted and the mouse captured by the drawing window.
void creeEtatGlisser(TfigureKalmetra& f);
// Ends the gesture (when there is one): the active free object of before
// comes back, the capture is released, the arrow shown, the state freed.
void termineEtatGlisser(TfigureKalmetra& f);

// One step of a turn or a pan at the mouse position of the drag state.
void tourneVueSouris(TfigureKalmetra& f);
void decaleVueSouris(TfigureKalmetra& f);
// The style brush: the palette's style on the object under the mouse.
void appliqueStyleAObjetClique(TfigureKalmetra& f, int32_t lParam);

} // namespace km32
