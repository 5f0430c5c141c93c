#include "drawing/vue_rotation_souris.h"

#include <cmath>

#include "model/operations.h"

namespace km32 {

namespace {

constexpr double kRapportAxe = 5.0;         // beyond this ratio a move follows an axis
constexpr double kDeplacementMinimal = 1.0; // pixels

} // namespace

bool rotationParDeplacementSouris(double dx, double dy, double largeur, double hauteur, TrotationSouris& r) {
    if (!std::isfinite(dx) || !std::isfinite(dy)) return false;
    const double l = std::hypot(dx, dy);
    const double diagonale = std::hypot(largeur, hauteur);
    if (!(l >= kDeplacementMinimal) || !(diagonale > 0) || !std::isfinite(diagonale)) return false;
    r.angle = 3.0 * std::pow(l / diagonale, 1.3);
    r.axe[0] = dx / l;
    r.axe[1] = dy / l;
    r.axe[2] = 0;
    const bool horizontal =
        dx != 0 && std::fabs(dy / dx) <= kRapportAxe && (dy == 0 || std::fabs(dx / dy) > kRapportAxe);
    const bool vertical = dx == 0 || std::fabs(dy / dx) > kRapportAxe;
    if (horizontal) {
        r.axe[0] = dx > 0 ? 1 : -1;
        r.axe[1] = 0;
    } else if (vertical) {
        r.axe[0] = 0;
        r.axe[1] = dy > 0 ? 1 : -1;
    }
    return true;
}

bool rotationPlanDeFaceSouris(platform::Point souris, platform::Point ancre, double centreX, double centreY,
                              TrotationSouris& r) {
    double ax = souris.x - centreX, ay = souris.y - centreY;
    double bx = ancre.x - centreX, by = ancre.y - centreY;
    const double na = std::hypot(ax, ay), nb = std::hypot(bx, by);
    if (!(na >= kDeplacementMinimal) || !(nb >= kDeplacementMinimal)) return false;
    ax /= na;
    ay /= na;
    bx /= nb;
    by /= nb;
    r.angle = arcCosinus(ax * bx + ay * by);
    r.axe[0] = 0;
    r.axe[1] = 0;
    r.axe[2] = bx * ay - by * ax <= 0 ? 1 : -1;
    if (r.angle < 0.01) r.angle /= 10;
    return true;
}

} // namespace km32
