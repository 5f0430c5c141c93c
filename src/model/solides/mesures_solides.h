#pragma once
// Circle and sphere records, the measures of solids (area, volume, perimeter)
// and the model-space solid queries: is a point inside a solid, and which
// part of a segment lies inside it.
#include "model/figure.h"
#include "model/solides/polyedres.h"

namespace km32 {

// Fill the record from the object's values.
void calculeDonneesCercle(TfigureKalmetra& f, int objet);
void calculeDonneesSphere(TfigureKalmetra& f, int objet);

double aireSolide(const TfigureKalmetra& f, int objet);
double volumeSolide(const TfigureKalmetra& f, int objet);
double perimetrePolygone(const TPolyedre& p);
double aireFace(const TPolyedre& p, int face);

// True when the directions from j to i and from k to i are collinear; a zero
// j or k stands for the direction of i itself.
bool pointsAlignes(const TfigureKalmetra& f, int i, int j, int k);

// Inside tests and clipping by record kind, in model coordinates. The
// clipping replaces the end points by the ends of the part inside and sets
// vide when no part remains.
bool pointDansPolyedre(const TPolyedre& p, double x, double y, double z);
bool pointDansSphere(const TDonneesSphere& s, double x, double y, double z);
bool pointDansCercle(const TDonneesCercle& c, double x, double y, double z);
void coupeSegmentAuPolyedre(const TPolyedre& p, double& x1, double& y1, double& z1, double& x2, double& y2,
                            double& z2, bool& vide);
void coupeSegmentASphere(const TDonneesSphere& s, double& x1, double& y1, double& z1, double& x2, double& y2,
                         double& z2, bool& vide);
void coupeSegmentAuCercle(const TDonneesCercle& c, double& x1, double& y1, double& z1, double& x2, double& y2,
                          double& z2, bool& vide);

// Dispatch on the record of solid object n. Kinds without an inside test
// (nets among them) answer true; kinds without clipping leave the segment and
// the flag as they are.
bool pointDansSolide(const TfigureKalmetra& f, int n, double x, double y, double z);
void coupeSegmentAuSolide(const TfigureKalmetra& f, int n, double& x1, double& y1, double& z1, double& x2,
                          double& y2, double& z2, bool& vide);

} // namespace km32
