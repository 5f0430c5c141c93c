#include "model/calcul/parametres.h"

#include "model/objets_figure.h"
#include "model/parametres_expression.h"

namespace km32::calcul {

bool lisParametre(TfigureKalmetra& f, int n, int k, int j) {
    // Marks the object undefined with reason 441 when the value does not exist.
    valeurParametreObjet(f, n, k, j);
    return !objet(f, n).nonDefini;
}

bool reevaluePasObjetLibre(TfigureKalmetra& f, int n) {
    const TObjetFigure& o = objet(f, n);
    if (!estObjetLibre(o) || o.nombreExpressions == 0 || o.nombreValeurs == 0) return true;
    return lisParametre(f, n, o.nombreExpressions, o.nombreValeurs);
}

} // namespace km32::calcul
