#include "drawing/vue_animee.h"

#include <array>
#include <cmath>

#include "drawing/historique_vues.h"
#include "drawing/vue_operations.h"
#include "model/fenetres_figure.h"
#include "model/operations.h"
#include "model/table_figures.h"
#include "model/vecteurs.h"
#include "platform/minuteries.h"

namespace km32 {

namespace {

// Beyond this cosine the viewer already looks along the axis.
constexpr double kDejaDansLAxe = 0.999999;

struct TrotationAnimee {
    const TfigureKalmetra* figure = nullptr; // the figure it was started for
    uint32_t fenetre = 0;                    // where its timer runs
    double axe[3] = {0, 0, 0};               // figure coordinates
    double pas = 0;                          // radians per step
    int restants = 0;                        // steps still to take
    bool memoriser = false;
};

struct EtatRotationsAnimees {
    std::array<TrotationAnimee, kMaxFigures + 1> rotations; // by figure number
};

EtatRotationsAnimees& etat() {
    static EtatRotationsAnimees e;
    return e;
}

// The figure's slot when it is the figure registered under its number.
TrotationAnimee* emplacement(const TfigureKalmetra& f) {
    const int n = f.numeroFigure;
    if (n < 1 || n > kMaxFigures || figureDeLaVue(n) != &f) return nullptr;
    return &etat().rotations[std::size_t(n)];
}

void termine(TfigureKalmetra& f, TrotationAnimee& r) {
    if (r.fenetre != 0) platform::arreteMinuterie(r.fenetre, kMinuterieRotationAnimee);
    const bool memoriser = r.memoriser;
    r = TrotationAnimee{};
    if (memoriser) memoriseVue(f);
}

// One step; the rotation ends after the last.
void faitUnPas(TfigureKalmetra& f, TrotationAnimee& r) {
    tourneVueAutourAxeFigure(f, r.pas, r.axe[0], r.axe[1], r.axe[2]);
    if (--r.restants <= 0) termine(f, r);
}

} // namespace

bool animeRotationVue(TfigureKalmetra& f, uint8_t n, double ax, double ay, double az, bool memoriser) {
    if (!std::isfinite(ax) || !std::isfinite(ay) || !std::isfinite(az)) return false;
    if (!normaliseSiNonNul(ax, ay, az)) return false;
    arreteRotationAnimee(f);

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

    TrotationAnimee r;
    produitVectoriel(r.axe[0], r.axe[1], r.axe[2], ax, ay, az, d[0], d[1], d[2]);
    normalise3(r.axe[0], r.axe[1], r.axe[2]); // not null: the axis is not along d
    r.restants = n == 0 ? 1 : n;
    r.pas = arcCosinus(k) / r.restants;
    r.memoriser = memoriser;
    r.figure = &f;

    TrotationAnimee* place = emplacement(f);
    const uint32_t fenetre = fenetreDeLaFigure(f);
    if (place == nullptr || fenetre == 0 || r.restants == 1 ||
        !platform::lanceMinuterie(fenetre, kMinuterieRotationAnimee, f.intervalleHorloge)) {
        // No timer to wait on: every step at once.
        while (r.restants > 0)
            faitUnPas(f, r);
        return true;
    }
    r.fenetre = fenetre;
    *place = r;
    faitUnPas(f, *place);
    return true;
}

bool topRotationAnimee(TfigureKalmetra& f, uint32_t idMinuterie) {
    if (idMinuterie != kMinuterieRotationAnimee) return false;
    if (!rotationAnimeeEnCours(f)) {
        // A tick left over from a rotation that has ended: no more of them.
        const uint32_t fenetre = fenetreDeLaFigure(f);
        if (fenetre != 0) platform::arreteMinuterie(fenetre, kMinuterieRotationAnimee);
        return true;
    }
    faitUnPas(f, *emplacement(f));
    return true;
}

bool rotationAnimeeEnCours(const TfigureKalmetra& f) {
    const TrotationAnimee* r = emplacement(f);
    return r != nullptr && r->figure == &f && r->restants > 0;
}

void arreteRotationAnimee(TfigureKalmetra& f) {
    TrotationAnimee* r = emplacement(f);
    if (r == nullptr || r->restants <= 0) return;
    if (r->fenetre != 0) platform::arreteMinuterie(r->fenetre, kMinuterieRotationAnimee);
    *r = TrotationAnimee{};
}

void reinitialiseRotationsAnimees() {
    etat() = EtatRotationsAnimees{};
}

} // namespace km32
