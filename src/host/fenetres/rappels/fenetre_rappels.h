#pragma once
// The reminders window (annex code 131): every object of a figure written
// out as mathematical text, in four groups under their headings (predefined
// objects, created objects, displays, commands), with two labels explaining
// the marks " (*)" and "xx ". One window exists at a time.
//
// A retained model on a platform window whose procedure takes WM_PAINT (the
// lines from the first visible one), WM_SIZE (the list follows the form),
// WM_VSCROLL, WM_MOUSEWHEEL and the scrolling keys (the list scrolls),
// Escape and F4 (the window closes) and WM_CLOSE (FormCloseQuery), which its
// close box sends.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "sibling/codes_annexes.h"
#include "host/fenetres/rappels/item_chaine_math.h"
#include "host/fenetres/rappels/liste_defilante.h"
#include "model/figure.h"
#include "platform/geometrie.h"

namespace km32 {

struct TKMrappels {
    uint32_t fenetre = 0;
    int16_t numeroFigure = 0;
    std::string titre, labelIndisponible, labelNonValide;
    bool indisponibleVisible = false, nonValideVisible = false;
    std::vector<TItemChaineMath> items;
    TEnsembleObjets predefinis, crees, affichages, commandes;
    int32_t hauteurTotale = 0, largeurMax = 0;
    bool nonPilotable = false, nonDefini = false;
    // The line of the created objects' heading; the line heights and the
    // first line shown.
    int ligneCrees = 0;
    TListeDefilante defilement;
    platform::Rectangle cadreListe;
};

// Opens the window for figure numero (nothing for an unknown number).
void afficheRappels(int16_t numero);
TKMrappels* fenetreRappels();
void remplitRappels(TKMrappels& r);
bool FormCloseQuery(TKMrappels& r);
void FormResize(TKMrappels& r);
// The labels shown over the list, from the top, with their frames in client
// pixels.
std::vector<std::pair<platform::Rectangle, const std::string*>> labelsVisibles(const TKMrappels& r);
void peintRappels(TKMrappels& r);
void fermeRappels();

} // namespace km32
