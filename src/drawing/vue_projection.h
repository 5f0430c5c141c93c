#pragma once
// The parallel projection of a figure. From the view fields of the record
// (extent, zoom, centre fractions, the three view angles, the oblique
// correction) and the drawing size, calculeProjection derives the bounds of
// the model box, the integer units per model unit, the screen centre, the
// unit length in pixels, the viewing and projection directions and the six
// coefficients that projetteX and projetteY (model/objets_figure.h) apply to
// integer model coordinates.
//
// The view frame is the identity turned by the first angle about z, the
// second about y and the third about x (repereDAngles); its rows are i, j,
// k. With all angles 0 the screen's x axis is the model's y axis, the
// screen's upward axis is the model's z axis and the viewer looks down the
// model's x axis.
#include "model/figure.h"
#include "model/vecteurs.h"

namespace km32 {

// Integer drawing units over half the extent of the box shown.
constexpr double kUnitesDemiEtendue = 512000.0;

// Declared in model/services_dessin.h; every reset calls it.
void calculeProjection(TfigureKalmetra& f);

// The rows i, j, k of the view frame of the figure's current angles.
void repereDeLaVue(const TfigureKalmetra& f, Tvecteur3& i, Tvecteur3& j, Tvecteur3& k);

} // namespace km32
