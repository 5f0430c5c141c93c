#pragma once
// A list of lines of different heights shown in a frame from its first
// visible line, as an owner-drawn list box shows them: the scroll bar's
// requests, the mouse wheel and the scrolling keys move the first line; the
// line under a point is found from it. The list scrolls until its last line
// is the first one shown.
#include <cstdint>
#include <vector>

#include "platform/contexte_dessin.h"
#include "platform/geometrie.h"

namespace km32 {

constexpr int32_t kLargeurBarreDefilement = 16;
constexpr int kLignesParCranMolette = 3;

struct TListeDefilante {
    std::vector<int32_t> hauteurs; // the height of each line, pixels
    int premiere = 0;              // the first line shown
};

int derniereLigneEnTete(const TListeDefilante& l);
// Puts line k first, kept between 0 and the last line.
void fixePremiereLigne(TListeDefilante& l, int k);
// The lines shown whole in a view of that height from the first line, at
// least 1 while lines remain.
int lignesVisibles(const TListeDefilante& l, int32_t hauteurVue);
// True when the lines do not all fit in the view.
bool defilementNecessaire(const TListeDefilante& l, int32_t hauteurVue);
// The line under y (pixels from the top of the view), -1 when none.
int ligneSousOrdonnee(const TListeDefilante& l, int32_t y);

// WM_VSCROLL's wParam (SB_ code in the low half, thumb position in the high half).
void defileParBarre(TListeDefilante& l, int32_t hauteurVue, uint32_t wParam);
// WM_MOUSEWHEEL's wParam (signed delta in the high half): three lines a notch.
void defileParMolette(TListeDefilante& l, uint32_t wParam);
// Up, Down, Page Up, Page Down, Home and End; false for any other key.
bool defileParTouche(TListeDefilante& l, int32_t hauteurVue, uint32_t touche);

// The scroll bar at the right edge of the list's frame, when the lines do
// not fit: its track and a thumb at the first line's place.
void dessineBarreDefilement(const TListeDefilante& l, platform::ContexteDessin& dc,
                            const platform::Rectangle& cadre);
// The frame without the scroll bar's width when the bar is shown.
platform::Rectangle cadreDesLignes(const TListeDefilante& l, const platform::Rectangle& cadre);

} // namespace km32
