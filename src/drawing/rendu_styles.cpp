#include "drawing/rendu_styles.h"

#include <algorithm>
#include <cmath>

#include "drawing/impression_cadre.h"
#include "model/operations.h"
#include "sibling/table_partagee.h"

namespace km32 {

namespace {

using platform::Couleur;
using platform::Point;

bool dansDecoupe(Point p) {
    return platform::pointDansRectangle(etatRendu().rectangleDecoupe, p);
}

void selectionne(platform::ContexteDessin& dc, const platform::Stylo& stylo) {
    termineLot();
    platform::choisitStylo(dc, stylo);
    etatRendu().styloPossede = true;
}

// A segment already in device pixels: clipped, then drawn.
void traceSegmentDevice(platform::ContexteDessin& dc, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    const platform::Rect& r = etatRendu().rectangleDecoupe;
    if (coupeSegmentAuRectangle(x1, y1, x2, y2, r.gauche, r.haut, r.droite, r.bas) == 0) return;
    TetatRendu& e = etatRendu();
    if (e.lot == &dc) {
        e.extremitesLot.push_back({x1, y1});
        e.extremitesLot.push_back({x2, y2});
        return;
    }
    platform::deplaceVers(dc, x1, y1);
    platform::traceVers(dc, x2, y2);
}

// A hidden piece in scaled drawing: an odd number n of steps of about 4
// screen pixels, a dash in every second step, so the piece begins and ends
// with a gap. The step is measured in device units of a screen pixel.
void traceTirets(platform::ContexteDessin& dc, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    termineLot();
    const Point a = echellePoint(x1, y1), b = echellePoint(x2, y2);
    int32_t ax = a.x, ay = a.y, bx = b.x, by = b.y;
    const platform::Rect& r = etatRendu().rectangleDecoupe;
    if (coupeSegmentAuRectangle(ax, ay, bx, by, r.gauche, r.haut, r.droite, r.bas) == 0) return;
    const double dx = double(bx) - ax, dy = double(by) - ay;
    long n = std::lround(std::hypot(dx, dy) / (4.0 * etatRendu().pixelEchelle));
    if (n < 3) n = 3;
    if (n % 2 == 0) --n;
    const double px = dx / double(n), py = dy / double(n);
    for (long k = 1; k <= (n - 1) / 2; ++k) {
        const double debut = double(2 * k - 1) + 0.1, fin = double(2 * k - 1) + 0.8;
        platform::deplaceVers(dc, arrondiBorne(ax + debut * px), arrondiBorne(ay + debut * py));
        platform::traceVers(dc, arrondiBorne(ax + fin * px), arrondiBorne(ay + fin * py));
    }
}

} // namespace

LotSegments::LotSegments(platform::ContexteDessin& dc) : precedent_(etatRendu().lot) {
    termineLot();
    etatRendu().lot = &dc;
}

LotSegments::~LotSegments() {
    termineLot();
    etatRendu().lot = precedent_;
}

void termineLot() {
    TetatRendu& e = etatRendu();
    if (!e.lot || e.extremitesLot.empty()) return;
    platform::traceSegments(*e.lot, e.extremitesLot);
    e.extremitesLot.clear();
}

TetatRendu& etatRendu() {
    static TetatRendu etat;
    return etat;
}

void initialiseDessin() {
    etatRendu() = TetatRendu{};
    reinitialiseZoneDessin();
}

Couleur couleurAffichee(Couleur couleur) {
    if (TQTableDesVariablesPartagees()->fondSombre == 0) return couleur;
    if (couleur == 1) return platform::kBlanc;
    if (couleur == platform::kBlanc) return 1;
    return couleur;
}

void choisitStyloObjet(const TfigureKalmetra& f, platform::ContexteDessin& dc, const TstyleObjet& style,
                       Couleur couleur) {
    int32_t largeur = epaisseurTrait(style);
    if (f.traitsEpais) largeur *= 2;
    const auto forme = traitTirete(style) ? platform::StyleStylo::Tirets : platform::StyleStylo::Plein;
    selectionne(dc, platform::Stylo{forme, largeur, couleur});
}

void choisitStyloObjetSansImpression(const TfigureKalmetra& f, platform::ContexteDessin& dc,
                                     const TstyleObjet& style, Couleur couleur) {
    choisitStyloObjet(f, dc, style, couleur);
}

void choisitStyloPointille(platform::ContexteDessin& dc, Couleur couleur) {
    if (etatRendu().modeEchelle) return;
    selectionne(dc, platform::Stylo{platform::StyleStylo::Points, 1, couleur});
}

void choisitStyloPlein(const TfigureKalmetra& f, platform::ContexteDessin& dc, int32_t largeur,
                       Couleur couleur) {
    selectionne(dc, platform::styloPlein(f.traitsEpais ? 2 * largeur : largeur, couleur));
}

void choisitStyloMarque(const TfigureKalmetra& f, platform::ContexteDessin& dc, int32_t taille,
                        Couleur couleur) {
    const TetatRendu& e = etatRendu();
    int32_t largeur = f.traitsEpais ? 2 * taille : taille;
    const double minimum = taille * e.marqueMinimale;
    if (e.modeEchelle && minimum > largeur * dc.etat.pixel)
        largeur = int32_t(std::min(std::ceil(minimum / dc.etat.pixel), 1.0e6));
    selectionne(dc, platform::styloPlein(largeur, couleur));
}

void restaureStylo(platform::ContexteDessin& dc) {
    termineLot();
    if (!etatRendu().styloPossede) return;
    platform::choisitStylo(dc, platform::kStyloNoir);
    etatRendu().styloPossede = false;
}

Point echellePoint(int32_t x, int32_t y) {
    const TetatRendu& e = etatRendu();
    if (!e.modeEchelle) return {x, y};
    return {arrondiBorne(x * e.facteurEchelle), arrondiBorne(y * e.facteurEchelle)};
}

int32_t longueurPixel(int32_t n) {
    const TetatRendu& e = etatRendu();
    if (!e.modeEchelle || e.pixelEchelle == 1.0) return n;
    return arrondiBorne(n * e.pixelEchelle);
}

Point positionPointEcran(const TpointEcran& p) {
    const TetatRendu& e = etatRendu();
    if (!e.modeEchelle) return {xPointEcran(p), yPointEcran(p)};
    return {arrondiBorne(xReelPointEcran(p) * e.facteurEchelle),
            arrondiBorne(yReelPointEcran(p) * e.facteurEchelle)};
}

void traceSegment(platform::ContexteDessin& dc, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    const Point a = echellePoint(x1, y1), b = echellePoint(x2, y2);
    traceSegmentDevice(dc, a.x, a.y, b.x, b.y);
}

void tracePointSeul(platform::ContexteDessin& dc, int32_t x, int32_t y) {
    static std::vector<Point> extremitesPoint(2);
    termineLot();
    const Point p = echellePoint(x, y);
    if (!dansDecoupe(p)) return;
    // A 1-pixel pen draws nothing for a line that does not move: one pixel
    // long then. A wider pen (on the device) draws a round dot. Given as a
    // segment, the backend may draw it without a stroke of its own.
    const bool fin = dc.etat.stylo.largeur * dc.etat.pixel <= 1.0;
    extremitesPoint[0] = p;
    extremitesPoint[1] = {fin ? p.x + 1 : p.x, p.y};
    platform::traceSegments(dc, extremitesPoint);
}

void tracePartiesVisibles(platform::ContexteDessin& dc, const TpartiesVisibles& p) {
    const LotSegments lot(dc);
    for (int k = 1; k <= p.nombre && k <= kMaxPointsCoupure; ++k)
        if (!morceauCache(p, k))
            traceSegment(dc, p.x[std::size_t(k - 1)], p.y[std::size_t(k - 1)], p.x[std::size_t(k)],
                         p.y[std::size_t(k)]);
}

void tracePartiesCachees(platform::ContexteDessin& dc, const TpartiesVisibles& p) {
    for (int k = 1; k <= p.nombre && k <= kMaxPointsCoupure; ++k) {
        if (!morceauCache(p, k)) continue;
        traceMorceauCache(dc, p.x[std::size_t(k - 1)], p.y[std::size_t(k - 1)], p.x[std::size_t(k)],
                          p.y[std::size_t(k)]);
    }
}

void traceMorceauCache(platform::ContexteDessin& dc, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    if (etatRendu().modeEchelle)
        traceTirets(dc, x1, y1, x2, y2);
    else
        traceSegment(dc, x1, y1, x2, y2);
}

void dessineMarquePoint(platform::ContexteDessin& dc, const TpointEcran& p, Couleur couleur) {
    termineLot();
    const Point q = positionPointEcran(p);
    if (!dansDecoupe(q)) return;
    platform::fixePixel(dc, q.x, q.y, couleur);
    const bool cache = pointEcranCache(p);
    if (cache) {
        platform::deplaceVers(dc, q.x, q.y);
        platform::traceVers(dc, q.x, q.y);
    } else {
        const int32_t d = longueurPixel(1);
        platform::rectangle(dc, q.x - d, q.y - d, q.x + d, q.y + d);
    }
    if (etatRendu().taillePoints >= 3 && !cache) {
        const int32_t d = longueurPixel(2);
        platform::rectangle(dc, q.x - d, q.y - d, q.x + d, q.y + d);
    }
}

} // namespace km32
