#pragma once
// A figure with the built-in objects, and helpers that add user objects by
// construction code with their parents and values. Parameter expressions are
// stored as constants: their value is the one written in the object's values.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "model/calcul/calcul_objet.h"
#include "model/catalogue.h"
#include "model/figure.h"
#include "model/objets_figure.h"
#include "model/registre_figures.h"
#include "figure_essai.h"
#include "point_essai.h"

namespace km32::essais {

class BancCalcul : public ::testing::Test {
  protected:
    std::unique_ptr<TfigureKalmetra> figure = std::make_unique<TfigureKalmetra>();
    TfigureKalmetra& f = *figure;

    BancCalcul() {
        installeObjetsIntegres(f);
        f.nombreObjets = kObjetsPredefinis;
    }

    // A user object of the code: the kind, value and expression counts of the
    // catalogue (at least as many values as given), the parents as given.
    int ajoute(uint8_t code, const std::vector<int>& parents, const std::vector<double>& valeurs = {}) {
        return ajouteObjetDeCode(f, code, parents, valeurs);
    }

    // The same object, computed.
    int calcule(uint8_t code, const std::vector<int>& parents, const std::vector<double>& valeurs = {}) {
        const int n = ajoute(code, parents, valeurs);
        calculeObjet(f, n);
        return n;
    }

    // Gives n as many constant parameter expressions as it has parents (the
    // weights of a barycentre). n must be the last object added.
    void unParametreParParent(int n) {
        TObjetFigure& o = f.objets[std::size_t(n)];
        while (o.nombreExpressions < o.nombreParents) {
            f.expressions[std::size_t(++f.expressionsUtilisees)].constante = 1;
            ++o.nombreExpressions;
        }
    }

    int point(double x, double y, double z) {
        return ajoute(construction::kPointLibreDansEspace, {}, {x, y, z});
    }
    // A line through a with direction b - a (values: point, direction).
    int droite(int a, int b) {
        const P3 p = pt(a), q = pt(b);
        return ajoute(construction::kDroite, {a, b}, {p.x, p.y, p.z, q.x - p.x, q.y - p.y, q.z - p.z});
    }
    // A circle: centre, unit normal n, radius r, and its point centre + r e.
    int cercle(P3 c, P3 n, double r, P3 e) {
        return ajoute(construction::kCercleCentreRayon, {},
                      {c.x, c.y, c.z, n.x, n.y, n.z, r, c.x + r * e.x, c.y + r * e.y, c.z + r * e.z});
    }
    int sphere(P3 c, double r) { return ajoute(construction::kSphere, {}, {c.x, c.y, c.z, r, r}); }
    // A plane stored by its equation a x + b y + c z + d = 0 (normalised here).
    int plan(double a, double b, double c, double d) {
        const double l = std::sqrt(a * a + b * b + c * c);
        return ajoute(construction::kPlanNomme, {}, {a / l, b / l, c / l, d / l});
    }

    P3 pt(int i) const { return {valeurObjet(f, i, 1), valeurObjet(f, i, 2), valeurObjet(f, i, 3)}; }
    bool defini(int i) const { return f.objets[std::size_t(i)].nonDefini == 0; }
    uint16_t raison(int i) const {
        return f.objets[std::size_t(i)].nonDefini ? f.objets[std::size_t(i)].raison : 0;
    }
    void premiereSolution(int i, bool oui) {
        changeDrapeauObjet(f.objets[std::size_t(i)], kDrapeauOption, oui);
    }
};

// A table row for the reasons of undefined cases: an object of the code with
// these parents and first values, and the reason its computation gives (0
// when it is defined).
struct CasRaison {
    uint8_t code;
    std::vector<int> parents;
    std::vector<double> valeurs;
    uint16_t raison;
};

} // namespace km32::essais
