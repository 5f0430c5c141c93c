// The isolated plane follows the objects that define it: after every change
// it is computed again, keeping the orientation of its normal, and the
// figure notes whether it moved so that every display element is rebuilt.
#include <cmath>

#include "drawing/bloc_dessin.h"
#include "model/figure.h"
#include "model/objets_figure.h"
#include "model/services_dessin.h"
#include "model/solides/parties_cachees.h"

namespace km32 {

void actualisePlanIsole(TfigureKalmetra& f) {
    f.planIsoleChange = 0;
    if (!modePlanIsole(f)) return;
    const uint8_t* objets = f.plansEnregistres[kPlanIsole].objets;
    bool indefini = false;
    for (int k = 0; k < 3; ++k)
        if (objets[k] != 0 && objet(f, objets[k]).nonDefini) indefini = true;
    double n[4] = {0, 0, 0, 0};
    if (!indefini) {
        bool nul = false;
        normalePlan(f, objets[0], objets[1], nul, n[3], n[0], n[1], n[2], objets[2]);
        indefini = nul;
    }
    if (indefini) {
        if (f.aucunPlanIsole && f.planIsoleNonDefini) return;
        f.aucunPlanIsole = 1;
        f.planIsoleNonDefini = 1; // nothing lies in a plane that does not exist
        f.planIsoleChange = 1;
        return;
    }
    if (f.aucunPlanIsole || f.planIsoleNonDefini) {
        fixeCoefficientsPlanIsole(f, n[0], n[1], n[2], n[3]);
        f.aucunPlanIsole = 0;
        f.planIsoleNonDefini = 0;
        f.planIsoleChange = 1;
        return;
    }
    // The same plane turned the other way round is the same plane: the new
    // normal keeps the side of the stored one.
    for (int k = 0; k < 3; ++k)
        if (std::fabs(n[k]) > 0.5 && n[k] * f.planIsole[k] < 0) {
            for (double& c : n)
                c = -c;
            break;
        }
    const double ancien[4] = {f.planIsole[0], f.planIsole[1], f.planIsole[2], f.distancePlanIsole};
    bool change = false;
    for (int k = 0; k < 4; ++k)
        if (std::fabs(n[k] - ancien[k]) > 1e-10) change = true;
    if (!change) return;
    fixeCoefficientsPlanIsole(f, n[0], n[1], n[2], n[3]);
    f.planIsoleChange = 1;
}

bool isolePlanEnregistre(TfigureKalmetra& f) {
    const uint8_t* objets = f.plansEnregistres[kPlanIsole].objets;
    bool nul = false;
    double a = 0, b = 0, c = 0, d = 0;
    normalePlan(f, objets[0], objets[1], nul, d, a, b, c, objets[2]);
    // Three aligned points give no plane: nothing then lies in it.
    f.aucunPlanIsole = nul ? 1 : 0;
    fixeCoefficientsPlanIsole(f, a, b, c, d);
    f.reglagePlanIsole = 1;
    f.planIsoleNonDefini = 0;
    f.planIsoleChange = 0;
    return !nul;
}

void quittePlanIsole(TfigureKalmetra& f) {
    f.reglagePlanIsole = 0;
    f.planIsoleNonDefini = 0;
    f.planIsoleChange = 0;
    preparePolyedresVisibles(f);
    prepareElementsDessin(f);
    repeintFigureEcran(f);
}

} // namespace km32
