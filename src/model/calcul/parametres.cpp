#include "model/calcul/parametres.h"

#include "model/objets_figure.h"

namespace km32::calcul {

namespace {
constexpr uint16_t kCalculImpossible = 441;
}

bool lisParametre(TfigureKalmetra& f, int n, int k, int j) {
    const TExpressionParametre& e = expressionParametre(f, numeroExpressionObjet(f, n, k));
    // A constant keeps its value in the object's own values.
    if (e.constante) {
        (void)valeurObjet(f, n, j); // the value slot must exist
        return true;
    }
    // Expressions that need running are evaluated by the expression module.
    TObjetFigure& o = objet(f, n);
    o.nonDefini = 1;
    o.raison = kCalculImpossible;
    return false;
}

bool reevaluePasObjetLibre(TfigureKalmetra& f, int n) {
    const TObjetFigure& o = objet(f, n);
    if (!estObjetLibre(o) || o.nombreExpressions == 0 || o.nombreValeurs == 0) return true;
    return lisParametre(f, n, o.nombreExpressions, o.nombreValeurs);
}

} // namespace km32::calcul
