#include "model/calcul/courbes.h"

#include <cmath>

#include "model/calcul/geometrie.h"
#include "model/calcul/raisons.h"
#include "model/catalogue.h"
#include "model/evaluation_courbe.h"
#include "model/vecteurs.h"

namespace km32 {

using namespace calcul;

namespace {

std::array<double, 3> tableau(V3 v) {
    return {v.x, v.y, v.z};
}

// The frame of a graph: a plane with its own frame (second parent 0), or
// the affine frame of three points. False when those points are aligned.
bool repereDuGraphe(const TfigureKalmetra& f, int n, TechantillonnageCourbe& c) {
    const int p1 = parentObjet(f, n, 1), p2 = parentObjet(f, n, 2);
    if (p2 == 0) {
        c.origine = tableau(lisV3(f, p1, 11));
        c.axe1 = tableau(lisV3(f, p1, 5));
        c.axe2 = tableau(lisV3(f, p1, 8));
        return true;
    }
    const V3 o = pointObjet(f, p1);
    const V3 u = pointObjet(f, p2) - o, v = pointObjet(f, parentObjet(f, n, 3)) - o;
    if (vecteursColineaires(u.x, u.y, u.z, v.x, v.y, v.z)) return false;
    c.origine = tableau(o);
    c.axe1 = tableau(u);
    c.axe2 = tableau(v);
    return true;
}

} // namespace

void calculeCourbe(TfigureKalmetra& f, int n) {
    const double nombre = valeurObjet(f, n, 1);
    if (!(nombre >= 2 && nombre <= 1000 && nombre == std::floor(nombre))) {
        rendIndefini(f, n, raison::kNombreDePoints);
        return;
    }
    const int points = int(nombre);
    const double debut = valeurObjet(f, n, 3), fin = valeurObjet(f, n, 4);
    if (std::fabs(fin - debut) < 1e-10) {
        rendIndefini(f, n, raison::kBornesIncorrectes);
        return;
    }
    const double pas = (fin - debut) / (points - 1);

    // The expressions of the curve follow its bounds and its sample count; a
    // constant one keeps its value from value 5 on.
    const TObjetFigure& o = objet(f, n);
    const bool graphe = o.codeConstruction != construction::kCourbeParametree;
    std::array<TExpressionCompilee, 3> expressions;
    TechantillonnageCourbe c;
    c.figure = &f;
    c.objet = n;
    c.graphe = graphe;
    for (int k = 0; k < (graphe ? 1 : 3); ++k) {
        prepareExpressionDeParametre(f, n, 5 + k, numeroExpressionObjet(f, n, 4 + k),
                                     expressions[std::size_t(k)]);
        c.expressions[std::size_t(k)] = &expressions[std::size_t(k)];
    }
    if (graphe) {
        if (!repereDuGraphe(f, n, c)) {
            rendIndefini(f, n, raison::kPointsAlignes);
            return;
        }
    } else {
        const int repere = parentObjet(f, n, 1);
        c.repereAbsolu = repere == 1;
        c.origine = tableau(lisV3(f, repere, 1));
        c.axe1 = tableau(lisV3(f, repere, 4));
        c.axe2 = tableau(lisV3(f, repere, 7));
        c.axe3 = tableau(lisV3(f, repere, 10));
    }
    // Never more samples than the object reserved.
    const int place = o.nombreEchantillons;
    for (int k = 0; k < points && c.compteur < place; ++k)
        rangeEchantillon(f, c, debut + k * pas);
    valeurObjet(f, n, 2) = c.compteur;
    // No sample could be computed: the curve is undefined with a reason.
    if (c.compteur == 0) rendIndefini(f, n, raison::kCalculImpossible);
}

} // namespace km32
