#pragma once
// Helpers shared by the predicates of the property tests: points, lines and
// planes read from the figure's values, vector algebra and the bounds of the
// current tolerance.
#include "model/figure.h"
#include "properties/predicats_test.h"

namespace km32 {

// A line: a point, its unit direction and a second point of it.
struct TDroiteTest {
    V3Test origine;
    V3Test direction;
    V3Test second;
};
// A plane normale.X + d = 0 with a unit normal.
struct TPlanTest {
    V3Test normale;
    double d = 0;
};

// The bound of angles and numbers (0.01 t) and of distances (t / P); fixe
// when the tolerance is 0.
double borneAngle(double fixe);
double borneDistance(const TfigureKalmetra& f, double fixe);

// Not an object of the figure, or an undefined one.
bool estIndefini(const TfigureKalmetra& f, int i);
V3Test pointObjet(const TfigureKalmetra& f, int i);
V3Test moins(const V3Test& a, const V3Test& b);
V3Test vectoriel(const V3Test& u, const V3Test& v);
double scalaire(const V3Test& u, const V3Test& v);
double longueur(const V3Test& u);
// Normalises u; false, u unchanged, when it is (nearly) null.
bool unitaire(V3Test& u);

// The line of a pair: two points, or a straight object and 0. False when an
// object is undefined or the pair gives no direction.
bool droiteDe(const TfigureKalmetra& f, int a, int b, TDroiteTest& d);
// The plane of a triple: three points, or a plane object and 0, 0. False
// when an object is undefined or the triple gives no normal.
bool planDe(const TfigureKalmetra& f, int a, int b, int c, TPlanTest& p);

// Collinear by the solver's tolerance when t = 0, else within 0.01 t.
bool colineaires(const V3Test& u, const V3Test& v);
// The same sense, by memeSensColineaires or memeSensAvecTolerance.
bool memeSens(const V3Test& u, const V3Test& v);
bool pointSurDroiteTest(const V3Test& p, const TDroiteTest& d, double borne);
bool pointSurPlanTest(const V3Test& p, const TPlanTest& plan);
bool valeursEgales(const double* a, const double* b, int n, double borne);

} // namespace km32
