// The sampling plan: free objects, their components and the random draws.
#include "properties/plan_tirages.h"

#include "model/objets_figure.h"
#include "platform/hasard.h"

namespace km32 {

namespace {

struct TFormeLibre {
    uint8_t code;
    uint8_t nombre;
    uint8_t decalages[3];
    uint8_t types[3];
};

// Free constructions, their free components and how each is drawn.
constexpr TFormeLibre kFormesLibres[] = {
    {1, 1, {3, 0, 0}, {4, 0, 0}},   {2, 3, {3, 4, 5}, {4, 4, 4}},   {3, 1, {3, 0, 0}, {2, 0, 0}},
    {4, 1, {3, 0, 0}, {5, 0, 0}},   {5, 1, {3, 0, 0}, {1, 0, 0}},   {6, 1, {3, 0, 0}, {3, 0, 0}},
    {7, 1, {3, 0, 0}, {2, 0, 0}},   {44, 1, {3, 0, 0}, {2, 0, 0}},  {45, 1, {3, 0, 0}, {2, 0, 0}},
    {74, 1, {0, 0, 0}, {1, 0, 0}},  {75, 1, {0, 0, 0}, {4, 0, 0}},  {132, 3, {0, 1, 2}, {1, 1, 1}},
    {148, 2, {3, 4, 0}, {1, 1, 0}}, {189, 2, {3, 4, 0}, {2, 2, 0}}, {206, 2, {3, 4, 0}, {6, 7, 0}},
};

const TFormeLibre* formeLibre(uint8_t code) {
    for (const TFormeLibre& forme : kFormesLibres)
        if (forme.code == code) return &forme;
    return nullptr;
}

} // namespace

void prepareTiragesAleatoires(const TfigureKalmetra& f, const TNomsObjets& noms, uint8_t nombreNoms,
                              TPlanTirages& plan) {
    plan.nombre = 0;
    for (int n = kObjetsPredefinis; n <= f.nombreObjets && plan.nombre < kMaxEntreesPlan; ++n) {
        if (n < 1) continue;
        if (nombreNoms != 255) {
            const std::string nom = nomObjet(f, n);
            bool nomme = false;
            for (int k = 1; k <= nombreNoms && k <= kMaxEntreesPlan && !nomme; ++k)
                nomme = noms[std::size_t(k)] == nom;
            if (!nomme) continue;
        }
        const TObjetFigure& o = objet(f, n);
        if (o.numeroPrototype != 0) continue;
        const TFormeLibre* forme = formeLibre(o.codeConstruction);
        if (!forme) continue;
        TEntreePlan& e = plan.entrees[plan.nombre++];
        e.objet = uint8_t(n);
        e.nombreComposantes = forme->nombre;
        for (int k = 0; k < 3; ++k) {
            e.decalages[std::size_t(k)] = forme->decalages[k];
            e.typesTirage[std::size_t(k)] = forme->types[k];
        }
    }
}

TEnsembleObjets ensembleDuPlan(const TPlanTirages& plan) {
    TEnsembleObjets s;
    for (int k = 0; k < plan.nombre; ++k)
        s.set(plan.entrees[std::size_t(k)].objet);
    return s;
}

double tirageDeType(uint8_t type) {
    switch (type) {
    case 1:
        return 100 * platform::reelAuHasard() - 50;
    case 2:
        return platform::reelAuHasard();
    case 3:
        return 6.2831854 * platform::reelAuHasard() - 3.1415927;
    case 4:
        return double(platform::entierAuHasard(100) - 50);
    case 5:
        return 50 * platform::reelAuHasard();
    case 6:
        return 360 * platform::reelAuHasard() - 180;
    case 7:
        return 180 * platform::reelAuHasard() - 90;
    default:
        return 0;
    }
}

void retireValeursDuPlan(const TPlanTirages& plan, TfigureKalmetra& f) {
    for (int k = 0; k < plan.nombre; ++k) {
        const TEntreePlan& e = plan.entrees[std::size_t(k)];
        for (int c = 0; c < e.nombreComposantes; ++c)
            valeurDepuisZero(f, e.objet, e.decalages[std::size_t(c)]) =
                tirageDeType(e.typesTirage[std::size_t(c)]);
    }
}

} // namespace km32
