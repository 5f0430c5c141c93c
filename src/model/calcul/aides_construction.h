#pragma once
// The toolbox of the computation engine: routines that compute one object,
// or one piece of one object, from its parents' values, shared by several
// construction handlers. Object values and parents are counted from 1. A
// routine that fails marks the object it computes undefined with the reason
// phrase and leaves the values it had not yet written as they were.
#include <cstdint>
#include <string>

#include "model/figure.h"

namespace km32 {

// Points.
// Midpoint of the two points of deuxPointsObjet(i, j).
void milieuDesPoints(const TfigureKalmetra& f, int i, int j, double& x, double& y, double& z);
// Values 1 to 3 of n := the weighted barycentre; the sum of the weights is
// not tested (callers pass a sum that is not zero).
void barycentreDeDeuxPoints(TfigureKalmetra& f, int i, int j, int n, double wi, double wj);
void barycentreDeTroisPoints(TfigureKalmetra& f, int i, int j, int k, int n, double wi, double wj, double wk);
// The points of i and j are closer than 1e-6.
bool pointsConfondus(const TfigureKalmetra& f, int i, int j);
// The point pairs of (i1, j1) and (i2, j2) coincide within e, in the same or
// in crossed order.
bool segmentsConfondus(const TfigureKalmetra& f, int i1, int j1, int i2, int j2, double e);

// Intersections with circles and spheres: values 1 to 3 of the point object
// n, or n undefined with a reason. The object's first-solution flag chooses
// the root where there are two.
void intersectionDroiteCercle(TfigureKalmetra& f, int n); // line (P1, P2), circle P3
void secondPointDroiteCercle(TfigureKalmetra& f, int n);  // line (P1, P2), circle P3, known point P4
void intersectionDeuxCercles(TfigureKalmetra& f, int n);  // circles P1, P2
void secondPointDeuxCercles(TfigureKalmetra& f, int n);   // circles P1, P2, known point P3
void intersectionDroiteSphere(TfigureKalmetra& f, int n); // line (P1, P2), sphere P3
void secondPointDroiteSphere(TfigureKalmetra& f, int n);  // line (P1, P2), sphere P3, known point P4

// Circumcentre (18), orthocentre (19), circumscribed (35) and inscribed (36)
// circles of the triangle of the first three parents of n; reason 435 when
// the points are aligned.
void centreDuTriangle(TfigureKalmetra& f, int n);

// Distance of point p to the line through a with the unit direction from a to
// b; 0 with nul set when that direction is null.
double distancePointDroite(const TfigureKalmetra& f, int p, int a, int b, bool& nul);

// Transformations (12 values t_x, r11, r12, r13, t_y, r21, ... : p' = t + R p).
// The rotation about the axis through n's first parent with unit direction u.
void fixeMatriceRotation(TfigureKalmetra& f, int n, double ux, double uy, double uz, double sinus,
                         double cosinus);
// The same for an angle, taken in degrees when n's angles are in degrees.
void calculeRotationAxeAngle(TfigureKalmetra& f, int n, double ux, double uy, double uz, double angle);
void imageParTransformation(const TfigureKalmetra& f, int n, double x, double y, double z, double& xi,
                            double& yi, double& zi);
void imageVecteurParTransformation(const TfigureKalmetra& f, int n, double x, double y, double z, double& xi,
                                   double& yi, double& zi);
// Rotation given by an axis (P1, P2), a point P3 and its image P4: values 1
// to 11 of n are the foot H, the unit axis, the radius, the point and the
// angle in radians; reasons 454, 487, 489, 490.
void calculeRotationAxeDeuxPoints(TfigureKalmetra& f, int n);

// Frames (object 1 is the absolute frame, read as the identity).
// Components of the vector (x, y, z) in the frame's basis; false (a, b, c
// left as they were) when the frame's three vectors are dependent.
bool composantesDansRepere(const TfigureKalmetra& f, int repere, double x, double y, double z, double& a,
                           double& b, double& c);
// Coordinates of the point (x, y, z) in the frame: the components of the
// vector from the frame's origin to the point; false as above.
bool coordonneesDansRepere(const TfigureKalmetra& f, int repere, double x, double y, double z, double& a,
                           double& b, double& c);
void vecteurDeComposantesDansRepere(const TfigureKalmetra& f, int repere, double a, double b, double c,
                                    double& x, double& y, double& z);
void pointDeCoordonneesDansRepere(const TfigureKalmetra& f, int repere, double a, double b, double c,
                                  double& x, double& y, double& z);
// Components of the direction vector of m in the frame.
bool composantesVecteurObjetDansRepere(const TfigureKalmetra& f, int m, int repere, double& a, double& b,
                                       double& c);
// Values 1 to 3 of point n from its plane coordinates (its values 4 and 5):
// in the affine frame of the points premier, p2, p3 when p3 is not 0, else in
// the plane premier (its own frame when it has one, else the frame of its
// equation).
void pointDeCoordonneesDansPlan(TfigureKalmetra& f, int premier, int p2, int n, int p3);

// Equation of a plane in a frame (display object n: parents the frame and
// the plane; value 3 the decimals; values 4 to 7 := a, b, c, d, the
// coefficients simplified to small integers where possible); reason 476.
void calculeEquationPlan(TfigureKalmetra& f, int n);
// " aX +bY +cZ = d" from those values, at most 80 characters.
void texteEquationPlan(const TfigureKalmetra& f, int n, std::string& texte);

} // namespace km32
