#include "drawing/vue_operations.h"

#include <cmath>
#include <limits>

#include "drawing/historique_vues.h"
#include "drawing/vue_projection.h"
#include "drawing/vue_rafraichissement.h"
#include "model/fenetres_figure.h"
#include "model/services_dessin.h"
#include "model/style.h"
#include "model/table_figures.h"
#include "model/vecteurs.h"
#include "platform/fenetres.h"

namespace km32 {

namespace {

bool finis(double a, double b, double c) {
    return std::isfinite(a) && std::isfinite(b) && std::isfinite(c);
}

// After a change of angles: the visible polyhedra for the new view, then the
// display elements other than texts again from the kept 3-D data.
void reconstruitApresRotation(TfigureKalmetra& f) {
    TetapesVue& e = etapesVue();
    e.preparePolyedresVisibles(f);
    e.libereElementsSaufTextes(f);
    e.prepareElementsDessin(f);
}

// Stores the angles and rebuilds, without paint.
void placeAngles(TfigureKalmetra& f, double verticale, double horizontale, double frontale) {
    f.anglesVue[0] = verticale;
    f.anglesVue[1] = horizontale;
    f.anglesVue[2] = frontale;
    calculeProjection(f);
    reconstruitApresRotation(f);
}

} // namespace

TfigureKalmetra* figureDeLaVue(int numero) {
    if (numero < 1 || numero > kMaxFigures || !figureExiste(int16_t(numero))) return nullptr;
    return figureDeNumero(numero);
}

bool fixeAnglesVue(TfigureKalmetra& f, double verticale, double horizontale, double frontale) {
    if (!finis(verticale, horizontale, frontale)) return false;
    placeAngles(f, verticale, horizontale, frontale);
    etapesVue().repeintFigureEcran(f);
    f.modifiee = 1;
    return true;
}

void actualiseVuesLiees(const TfigureKalmetra& f) {
    if (!f.exportationRotations) return;
    for (int n = 1; n <= kMaxFigures; ++n) {
        if (n == f.numeroFigure) continue;
        TfigureKalmetra* g = figureDeLaVue(n);
        if (g == nullptr || g == &f || !g->importationRotations) continue;
        fixeAnglesVue(*g, f.anglesVue[0], f.anglesVue[1], f.anglesVue[2]);
    }
}

bool fixeAnglesVueEtVuesLiees(TfigureKalmetra& f, double verticale, double horizontale, double frontale) {
    if (!fixeAnglesVue(f, verticale, horizontale, frontale)) return false;
    actualiseVuesLiees(f);
    return true;
}

bool fixeVueEtMemorise(TfigureKalmetra& f, double verticale, double horizontale, double frontale) {
    if (!fixeAnglesVueEtVuesLiees(f, verticale, horizontale, frontale)) return false;
    memoriseVue(f);
    return true;
}

bool tourneVue(TfigureKalmetra& f, double angle, double ax, double ay, double az) {
    if (!std::isfinite(angle) || !finis(ax, ay, az)) return false;
    // The frame must stay orthonormal: an axis given with any length turns
    // about its direction.
    if (!normaliseSiNonNul(ax, ay, az)) return false;
    double t1 = f.anglesVue[0], t2 = f.anglesVue[1], t3 = f.anglesVue[2];
    tourneAnglesAutourAxe(t1, t2, t3, ax, ay, az, angle);
    if (!finis(t1, t2, t3)) return false;
    placeAngles(f, t1, t2, t3);
    return true;
}

int tourneVueEtRepeint(TfigureKalmetra& f, double angle, double ax, double ay, double az) {
    if (!tourneVue(f, angle, ax, ay, az)) return 0;
    etapesVue().repeintFigureEcran(f);
    f.modifiee = 1;
    actualiseVuesLiees(f);
    return 1;
}

int tourneVueEtMemorise(TfigureKalmetra& f, double angle, double ax, double ay, double az) {
    if (angle == 0) return 0;
    if (!tourneVueEtRepeint(f, angle, ax, ay, az)) return 0;
    memoriseVue(f);
    return 1;
}

int tourneVueAutourAxeFigure(TfigureKalmetra& f, double angle, double ax, double ay, double az) {
    Tvecteur3 i, j, k;
    repereDeLaVue(f, i, j, k);
    const double vx = ax * i.x + ay * j.x + az * k.x;
    const double vy = ax * i.y + ay * j.y + az * k.y;
    const double vz = ax * i.z + ay * j.z + az * k.z;
    return tourneVueEtRepeint(f, angle, vx, vy, vz);
}

int decaleVue(TfigureKalmetra& f, double dx, double dy) {
    if (f.cadrageInterdit) return 0;
    if (!std::isfinite(dx) || !std::isfinite(dy) || f.largeurImage <= 0 || f.hauteurImage <= 0) return 0;
    const double fx = f.fractionsCentre[0] + dx / f.largeurImage;
    if (!(fx >= 0 && fx <= 1)) return 0;
    const double fy = f.fractionsCentre[1] + dy / f.hauteurImage;
    if (!(fy >= 0 && fy <= 1)) return 0;
    f.fractionsCentre[0] = fx;
    f.fractionsCentre[1] = fy;
    calculeProjection(f);
    TetapesVue& e = etapesVue();
    e.libereElementsSaufTextes(f);
    e.prepareElementsDessin(f);
    e.repeintFigureEcran(f);
    f.modifiee = 1;
    return 1;
}

namespace {

// How far a zoom lies outside its bounds, as a ratio: 1 inside them,
// infinite for a zoom that no factor can bring back (0, negative, not a number).
double ecartAuxBornesDuZoom(double zoom) {
    if (!(zoom > 0) || !std::isfinite(zoom)) return std::numeric_limits<double>::infinity();
    if (zoom < kZoomMinimal) return kZoomMinimal / zoom;
    return zoom > kZoomMaximal ? zoom / kZoomMaximal : 1.0;
}

} // namespace

int changeEchelleVue(TfigureKalmetra& f, double facteur) {
    if (f.modeTrace || f.modeTraceALaDemande || f.cadrageInterdit) return 0;
    if (!std::isfinite(facteur) || facteur <= 0) return 0;
    const double zoom = f.uniteSurPetiteDimension * facteur;
    if (!(zoom >= kZoomMinimal && zoom <= kZoomMaximal) &&
        !(ecartAuxBornesDuZoom(zoom) < ecartAuxBornesDuZoom(f.uniteSurPetiteDimension)))
        return 0;
    f.uniteSurPetiteDimension = zoom;
    recalculeVueEtRedessine(f);
    f.modifiee = 1;
    return 1;
}

void recalculeVueEtRedessine(TfigureKalmetra& f) {
    calculeProjection(f);
    TetapesVue& e = etapesVue();
    e.recalculeObjetsParticuliers(f);
    e.redessineFigure(f);
}

bool ajusteTailleFenetre(TfigureKalmetra& f) {
    if (f.fenetreDessin == 0) return false;
    const bool hote = !figureSansHote(f);
    const platform::Rectangle r = platform::rectangleClient(hote ? f.fenetreHote : f.fenetreDessin);
    int32_t largeur = r.largeur(), hauteur = r.hauteur();
    if (hote) {
        --largeur;
        --hauteur;
    }
    if (largeur < 1 || hauteur < 1) return false;
    if (largeur == f.largeurImage && hauteur == f.hauteurImage) return false;
    f.largeurImage = largeur;
    f.hauteurImage = hauteur;
    calculeProjection(f);
    return true;
}

void ajusteTailleEtRepeint(TfigureKalmetra& f) {
    ajusteTailleFenetre(f);
    TetapesVue& e = etapesVue();
    // In trace mode the recorded traces live in the display elements' data:
    // only the elements are rebuilt.
    if (!(f.modeTrace && !f.modeTraceALaDemande)) {
        e.construitElementsSolides(f);
        e.preparePolyedresVisibles(f);
    }
    e.prepareElementsDessin(f);
    e.repeintFigureEcran(f);
}

int basculeNomsDesPoints(TfigureKalmetra& f) {
    TetapesVue& e = etapesVue();
    if (!e.commandeAutorisee(f, kCommandeNomsDesPoints)) return 0;
    f.nomsPointsAffiches = f.nomsPointsAffiches ? 0 : 1;
    for (int i = 7; i <= f.nombreObjets; ++i) {
        const TObjetFigure& o = objet(f, i);
        if (o.nature != kNaturePoint || !estDessine(o.style) || !nomDessine(o.style)) continue;
        e.construitElementSolide(f, i);
        e.prepareElementObjet(f, i);
    }
    e.repeintFigureEcran(f);
    f.modifiee = 1;
    return 1;
}

int basculeRepereAffiche(TfigureKalmetra& f) {
    TetapesVue& e = etapesVue();
    if (!e.commandeAutorisee(f, kCommandeRepereAffiche)) return 0;
    constexpr uint16_t kCacher = 37, kMontrer = 38;
    TObjetFigure& rxyz = objet(f, 1);
    TsourcesCouleur sources{rxyz.sourcesCouleur[0], rxyz.sourcesCouleur[1], rxyz.sourcesCouleur[2]};
    appliqueCommandeStyle(rxyz.style, sources, estDessine(rxyz.style) ? kCacher : kMontrer);
    for (int c = 0; c < 3; ++c)
        rxyz.sourcesCouleur[c] = sources[std::size_t(c)];
    // o, ox, oy, oz
    for (int i = 7; i <= 10; ++i)
        e.construitElementSolide(f, i);
    for (int i = 7; i <= 10; ++i)
        e.prepareElementObjet(f, i);
    f.modifiee = 1;
    e.repeintFigureEcran(f);
    return 1;
}

} // namespace km32
