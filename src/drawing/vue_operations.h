#pragma once
// The operations that change the view of a figure: set or turn the angles,
// pan, zoom, follow the window's size, show or hide the point names and the
// frame Rxyz; and the linked views, which copy a leading figure's angles to
// the figures that follow it.
//
// What each one rebuilds (entries of vue_rafraichissement.h):
// - angles, turns: visible polyhedra, then the display elements except those
//   of texts, rebuilt from the kept 3-D data; a repaint;
// - pan: the display elements except those of texts; a repaint;
// - zoom: everything (the view-dependent objects, then redessineFigure);
// - window size: 3-D data, visible polyhedra and elements (only the elements
//   in trace mode without trace on demand, so that the traces survive).
//
// A number that is not finite (an angle, an axis, a shift, a factor) is
// refused: the operation changes nothing and answers false or 0.
#include "model/figure.h"

namespace km32 {

// The menu commands that show or hide the point names and the frame Rxyz.
constexpr int kCommandeNomsDesPoints = 80;
constexpr int kCommandeRepereAffiche = 178;

// Stores the angles (vertical, horizontal, frontal, radians), projects again,
// rebuilds and repaints; sets the modified flag.
bool fixeAnglesVue(TfigureKalmetra& f, double verticale, double horizontale, double frontale);
// The same, then the linked views.
bool fixeAnglesVueEtVuesLiees(TfigureKalmetra& f, double verticale, double horizontale, double frontale);
// The same, then pushes the view on the history.
bool fixeVueEtMemorise(TfigureKalmetra& f, double verticale, double horizontale, double frontale);
// When f leads linked views, every other existing figure that follows them
// gets f's angles (fixeAnglesVue: no history, no further propagation).
void actualiseVuesLiees(const TfigureKalmetra& f);

// Turns the view frame by angle about the axis (in view coordinates; it is
// normalised), projects again and rebuilds; no repaint. False when refused
// (angle or axis not finite, axis of length 0).
bool tourneVue(TfigureKalmetra& f, double angle, double ax, double ay, double az);
// tourneVue, repaint, modified flag, linked views: 1; 0 when refused.
int tourneVueEtRepeint(TfigureKalmetra& f, double angle, double ax, double ay, double az);
// tourneVueEtRepeint then memoriseVue; 0 (nothing done) for an angle of exactly 0.
int tourneVueEtMemorise(TfigureKalmetra& f, double angle, double ax, double ay, double az);
// The axis given in figure coordinates: turned into view coordinates by the
// columns of the view frame, then tourneVueEtRepeint.
int tourneVueAutourAxeFigure(TfigureKalmetra& f, double angle, double ax, double ay, double az);

// Pan by (dx, dy) pixels: 1 done; 0 when framing changes are forbidden or the
// origin would leave the window (its centre fractions outside [0, 1]).
int decaleVue(TfigureKalmetra& f, double dx, double dy);
// Zoom by factor: 1 done; 0 in a trace mode, when framing changes are
// forbidden, or for a factor that is not positive or would take the zoom
// outside [kZoomMinimal, kZoomMaximal] (model/figure.h). A zoom already
// outside them may take a step that brings it nearer.
int changeEchelleVue(TfigureKalmetra& f, double facteur);
// Projects again, recomputes the view-dependent objects, full refresh.
void recalculeVueEtRedessine(TfigureKalmetra& f);

// Takes the client size of the host window (less one pixel each way) or of
// the drawing window as the drawing size: true when it changed.
bool ajusteTailleFenetre(TfigureKalmetra& f);
// ajusteTailleFenetre, rebuild, repaint (declared in model/services_dessin.h).
void ajusteTailleEtRepeint(TfigureKalmetra& f);

// Toggles the point names / the frame Rxyz: 1 done, 0 when the command is not
// authorised.
int basculeNomsDesPoints(TfigureKalmetra& f);
int basculeRepereAffiche(TfigureKalmetra& f);

// By figure number: nothing but 0 or false for a number that is not an
// existing figure (1 to 64).
TfigureKalmetra* figureDeLaVue(int numero);

} // namespace km32
