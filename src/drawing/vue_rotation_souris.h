#pragma once
// The turn that a mouse move asks for while the right button turns the view:
// an angle and a direction triple for tourneVue, or nothing when the move is
// too short.
#include "platform/geometrie.h"

namespace km32 {

struct TrotationSouris {
    double angle = 0; // radians
    double axe[3] = {0, 0, 0};
};

// Free turn: the move (dx, dy) from the anchor, in pixels, over a drawing of
// largeur by hauteur pixels. The angle is 3 (L / diagonal)^1.3 for a move of
// length L; the direction is snapped to (±1, 0, 0) for a mostly horizontal
// move and to (0, ±1, 0) for a mostly vertical one (a ratio of more than 5),
// else it is the move's unit direction (ux, uy, 0). False for a move shorter
// than one pixel or a drawing with no diagonal.
bool rotationParDeplacementSouris(double dx, double dy, double largeur, double hauteur, TrotationSouris& r);
// Turn about the line of sight while the front plane is kept: from the
// anchor to the mouse as seen from the view centre (all in pixels). The
// angle between the two directions, divided by 10 below 0.01; the axis is
// (0, 0, 1) or (0, 0, -1) by the sense of the turn. False when either point is
// within one pixel of the centre.
bool rotationPlanDeFaceSouris(platform::Point souris, platform::Point ancre, double centreX, double centreY,
                              TrotationSouris& r);

} // namespace km32
