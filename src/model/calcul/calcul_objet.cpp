#include "model/calcul/calcul_objet.h"

#include "base/erreur.h"
#include "model/calcul/parametres.h"
#include "model/calcul/raisons.h"
#include "model/calcul/route_prototype.h"
#include "model/calcul/table_calcul.h"
#include "model/catalogue.h"
#include "model/lieux.h"
#include "model/objets_figure.h"

namespace km32 {

namespace c = construction;

void verifieAntecedents(TfigureKalmetra& f, int n) {
    TObjetFigure& o = objet(f, n);
    o.nonDefini = 0;
    if (estCodeObjetDonne(o.codeConstruction)) {
        o.nonDefini = 1;
        return;
    }
    const TEnsembleObjets antecedents = ensembleDesAntecedents(f, n);
    // A table of values shows its parents: they may be undefined.
    TEnsembleObjets exemptes;
    if (o.codeConstruction == c::kToucheTableau)
        for (int k = 1; k <= o.nombreParents; ++k)
            exemptes.set(parentObjet(f, n, k));
    for (int a = 1; a < n; ++a) {
        if (!antecedents.test(a) || exemptes.test(a)) continue;
        if (objet(f, a).nonDefini) {
            o.nonDefini = 1;
            break;
        }
    }
    // A locus is still computed when only its traced point is undefined here.
    if (o.nonDefini && (o.codeConstruction == c::kLieuPoint || o.codeConstruction == c::kLieuDeuxPilotes)) {
        const int trace = parentObjet(f, n, o.codeConstruction == c::kLieuPoint ? 1 : 3);
        if (objet(f, trace).nonDefini) o.nonDefini = 0;
    }
    if (o.nonDefini) o.raison = raison::kAntecedentNonValide;
}

void calculeObjetGeneral(TfigureKalmetra& f, int n) {
    verifieAntecedents(f, n);
    TObjetFigure& o = objet(f, n);
    if (o.nonDefini) {
        o.raison = raison::kAntecedentNonValide;
        return;
    }
    const TrouteCalcul* route = routeDeCalcul(o.codeConstruction);
    if (route == nullptr) {
        // A code the catalogue does not know: undefined, reason unspecified.
        o.nonDefini = 1;
        o.raison = raison::kNonPrecise;
        return;
    }
    route->calcule(f, n);
    if (route->pasDesObjetsLibres && !o.nonDefini) calcul::reevaluePasObjetLibre(f, n);
}

void calculeObjet(TfigureKalmetra& f, int n) {
    TObjetFigure& o = objet(f, n);
    try {
        if (o.numeroPrototype == 0) {
            const bool lieu =
                o.codeConstruction == c::kLieuPoint || o.codeConstruction == c::kLieuDeuxPilotes;
            if (!lieu) return calculeObjetGeneral(f, n);
            verifieAntecedents(f, n);
            if (o.nonDefini) {
                o.raison = raison::kAntecedentNonValide;
                return;
            }
            if (o.codeConstruction == c::kLieuPoint)
                calculeLieuDePoints(f, n);
            else
                calculeLieuADeuxParametres(f, n);
            return;
        }
        verifieAntecedents(f, n);
        if (o.nonDefini) {
            o.raison = raison::kAntecedentNonValide;
            return;
        }
        calculeResultatPrototype(f, n);
    } catch (const ErreurInterne&) {
        o.nonDefini = 1;
        o.raison = raison::kCalculImpossible;
    }
}

void recalculeObjetsParticuliers(TfigureKalmetra& f) {
    for (int n = kObjetsPredefinis + 1; n <= f.nombreObjets; ++n) {
        const uint8_t code = objet(f, n).codeConstruction;
        if (code == c::kCourbeParametree || code == c::kLieuPoint || code == c::kCourbeY) calculeObjet(f, n);
    }
}

} // namespace km32
