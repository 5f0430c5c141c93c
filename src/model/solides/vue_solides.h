#pragma once
// The view of each kind of solid record: the preparation for the current
// viewing direction and scale, the test whether a point is hidden by the
// record and the hidden interval of a segment behind it. Points and segments
// are in integer model units (model coordinates times the figure's scale).
#include "model/figure.h"
#include "model/solides/parties_cachees_segment.h"
#include "model/solides/polyedres.h"

namespace km32 {

// The unit viewing direction of the figure's view, pointing from the scene
// towards the viewer: the first column of the frame of its three angles.
Tvecteur3 directionVisee(const TfigureKalmetra& f);

// Polyhedron or polygon (record kind 1).
void prepareVuePolyedre(TPolyedre& p, const TfigureKalmetra& f);
bool pointCachePolyedre(const TPolyedre& p, double x, double y, double z);
void intervalleCachePolyedre(const TPolyedre& p, TsegmentCoupe& s);

// Polyhedron net (record kind 6).
void prepareVuePatron(TDonneesPatron& p, const TfigureKalmetra& f);
bool pointCachePatron(const TDonneesPatron& p, double x, double y, double z);
void intervalleCachePatron(const TDonneesPatron& p, TsegmentCoupe& s);

// Sphere (record kind 3).
void prepareVueSphere(TDonneesSphere& sp, const TfigureKalmetra& f);
bool pointCacheSphere(const TDonneesSphere& sp, double x, double y, double z);
void intervalleCacheSphere(const TDonneesSphere& sp, TsegmentCoupe& s);

// Circle, the disc it bounds (record kind 5).
void prepareVueCercle(TDonneesCercle& c, const TfigureKalmetra& f);
bool pointCacheCercle(const TDonneesCercle& c, double x, double y, double z);
void intervalleCacheCercle(const TDonneesCercle& c, TsegmentCoupe& s);

// Cylinder, cone, frustum (record kind 8).
void prepareVueSolideRond(TDonneesSolideRond& r, const TfigureKalmetra& f);
// True when the point (integer model units) is hidden by the solid.
bool pointDansSolideRond(const TDonneesSolideRond& r, double x, double y, double z);
// Narrows [a, b] to the part of P + t D that the solid hides; false when
// it hides nothing of it.
bool partiesCacheesSolideRond(const TDonneesSolideRond& r, const Tvecteur3& P, const Tvecteur3& D, double& a,
                              double& b);
void intervalleCacheSolideRond(const TDonneesSolideRond& r, TsegmentCoupe& s);

} // namespace km32
