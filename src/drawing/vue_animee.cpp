#include "drawing/vue_animee.h"

#include <algorithm>
#include <cmath>

#include "drawing/historique_vues.h"
#include "drawing/vue_operations.h"
#include "model/operations.h"
#include "model/vecteurs.h"
#include "platform/affichage.h"
#include "platform/horloge.h"

namespace km32 {

namespace {

// Beyond this cosine the viewer already looks along the axis.
constexpr double kDejaDansLAxe = 0.999999;

} // namespace

void attendIntervalleTimer(const TfigureKalmetra& f, double& precedent) {
    const double intervalle = f.intervalleHorloge / 1000.0;
    for (;;) {
        const double maintenant = platform::heureDuJourEnSecondes();
        if (maintenant > precedent + intervalle || maintenant < precedent) {
            precedent = maintenant;
            return;
        }
        // Sleep (or move virtual time) to just past the end of the interval.
        const double reste = precedent + intervalle - maintenant;
        platform::attendsMillisecondes(std::max<int64_t>(1, int64_t(std::ceil(reste * 1000))));
    }
}

bool animeRotationVue(TfigureKalmetra& f, uint8_t n, double ax, double ay, double az, bool memoriser) {
    if (!std::isfinite(ax) || !std::isfinite(ay) || !std::isfinite(az)) return false;
    if (!normaliseSiNonNul(ax, ay, az)) return false;

    const double* d = f.directionVue;
    double k = produitScalaire(d[0], d[1], d[2], ax, ay, az);
    if (k < 0) {
        ax = -ax;
        ay = -ay;
        az = -az;
        k = -k;
    }
    if (k > kDejaDansLAxe) {
        tourneVueAutourAxeFigure(f, 0, ax, ay, az);
        if (memoriser) memoriseVue(f);
        return true;
    }

    double axe[3];
    produitVectoriel(axe[0], axe[1], axe[2], ax, ay, az, d[0], d[1], d[2]);
    normalise3(axe[0], axe[1], axe[2]); // not null: the axis is not along d
    // The turn is shared among the n steps; with no step nothing turns.
    const int etapes = n;
    const double pas = etapes > 0 ? arcCosinus(k) / etapes : 0;
    double precedent = platform::heureDuJourEnSecondes();
    for (int i = 0; i < etapes; ++i) {
        tourneVueAutourAxeFigure(f, pas, axe[0], axe[1], axe[2]);
        // The step is seen before the wait, even on a real screen.
        if (f.fenetreDessin != 0) platform::presenteFenetre(f.fenetreDessin);
        attendIntervalleTimer(f, precedent);
    }
    if (memoriser) memoriseVue(f);
    return true;
}

} // namespace km32
