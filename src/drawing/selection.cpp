#include "drawing/selection.h"

#include <cmath>
#include <vector>

#include "drawing/bloc_dessin.h"
#include "drawing/designation.h"
#include "sibling/codes_annexes.h"
#include "host/fenetre_mere.h"
#include "model/fenetres_figure.h"
#include "model/operations.h"
#include "platform/ecran.h"
#include "sibling/table_partagee.h"

namespace km32 {

namespace {

constexpr double kDistanceLointaine = 1000.0;

// The rule in force: the open dialog's field or the palette's style when
// this figure asked for the annex, every drawable object otherwise.
uint16_t regleEnVigueur(const TfigureKalmetra& f) {
    if (!annexeModaleDe(fenetreDeLaFigure(f))) return kDesignationDessinables;
    const EtatSelection& e = etatSelection();
    switch (TQTableDesVariablesPartagees()->codeAnnexe) {
    case kAnnexeDialogue:
        return e.regleDuDialogue.value_or(kDesignationDessinables);
    case kAnnexeStyles:
        return designationDeStyle(styleChoisiDansPalette());
    default:
        return kDesignationDessinables;
    }
}

struct Recherche {
    TfigureKalmetra& f;
    double x, y;
    double u;
    bool cachesMesures; // hidden pieces of straight lines count
    bool cachesIgnores; // hidden points of polylines are passed over
};

// The smallest distance to the drawn pieces of a line, 1000 when none.
double distanceParties(const Recherche& r, const TpartiesVisibles& p) {
    double d = kDistanceLointaine;
    for (int k = 1; k <= p.nombre && k <= kMaxPointsCoupure; ++k) {
        if (morceauCache(p, k) && !r.cachesMesures) continue;
        d = std::min(d, distancePointSegmentEcran(r.x, r.y, p.x[std::size_t(k - 1)], p.y[std::size_t(k - 1)],
                                                  p.x[std::size_t(k)], p.y[std::size_t(k)]));
    }
    return d;
}

double distanceAretes(const Recherche& r, const TelementDessin& e) {
    const TcomplementDessin& ce = complementDe(e);
    double d = kDistanceLointaine;
    for (int k = 1; k <= ce.nombreAretes && std::size_t(k) < ce.aretes.size(); ++k) {
        if (std::size_t(k) < ce.areteCachee.size() && ce.areteCachee[std::size_t(k)]) continue;
        d = std::min(d, distanceParties(r, ce.aretes[std::size_t(k)]));
    }
    return d;
}

// Lowers the limit to the nearest point or joined segment of the polyline
// that is strictly nearer; true when it did.
bool approchePolyligne(const Recherche& r, const std::vector<TpointEcran>& points, double& limite) {
    bool pris = false;
    double px = 0, py = 0;
    for (std::size_t k = 0; k < points.size(); ++k) {
        const TpointEcran& p = points[k];
        const double x = xPointEcran(p), y = yPointEcran(p);
        const bool cache = pointEcranCache(p);
        if (!(cache && r.cachesIgnores)) {
            const double d = (k == 0 || pointEcranNonRelie(p))
                                 ? distancePointsEcran(int32_t(x), int32_t(y), int32_t(r.x), int32_t(r.y))
                                 : distancePointSegmentEcran(r.x, r.y, px, py, x, y);
            if (d < limite) {
                limite = d;
                pris = true;
            }
        }
        px = x;
        py = y;
    }
    return pris;
}

// Lowers the limit to the nearest grid point of a mesh that is strictly
// nearer; true when it did. Each point with a position counts alone.
bool approcheGrille(const Recherche& r, const std::vector<TpointEcran>& points, double& limite) {
    bool pris = false;
    for (const TpointEcran& p : points) {
        if (!pointEcranDefini(p) || (pointEcranCache(p) && r.cachesIgnores)) continue;
        const double d = distancePointsEcran(xPointEcran(p), yPointEcran(p), int32_t(r.x), int32_t(r.y));
        if (d < limite) {
            limite = d;
            pris = true;
        }
    }
    return pris;
}

struct Trouve {
    int objet = 0;
    double distance = 0;
};

bool candidat(const TfigureKalmetra& f, int i, const TelementDessin*& e) {
    if (!etatSelection().ensembleDesignable.test(std::size_t(i))) return false;
    e = elementDessin(f, i);
    return e != nullptr;
}

// Families of straight lines and polygons: the nearest object below u.
template <class Mesure> Trouve familleLignes(const Recherche& r, uint8_t nature, int premier, Mesure mesure) {
    Trouve t;
    double meilleure = r.u;
    for (int i = premier; i <= r.f.nombreObjets; ++i) {
        const TelementDessin* e = nullptr;
        if (objet(r.f, i).nature != nature || !candidat(r.f, i, e)) continue;
        const double d = mesure(*e);
        if (d < meilleure) {
            meilleure = d;
            t = {i, d};
        }
    }
    return t;
}

// Families of curves and solids: the limit starts at u and falls with each
// object taken; the family stops at an object nearer than u / 16.
template <class Approche>
Trouve familleCourbes(const Recherche& r, std::initializer_list<uint8_t> natures, Approche approche) {
    Trouve t;
    double limite = r.u;
    for (int i = 14; i <= r.f.nombreObjets; ++i) {
        const uint8_t n = objet(r.f, i).nature;
        bool dans = false;
        for (uint8_t m : natures)
            dans = dans || n == m;
        const TelementDessin* e = nullptr;
        if (!dans || !candidat(r.f, i, e)) continue;
        if (!approche(*e, limite)) continue;
        t = {i, limite};
        if (limite < r.u / 16) break;
    }
    return t;
}

uint8_t texteDuBandeau(TfigureKalmetra& f, int32_t x, int32_t y) {
    for (int i = f.nombreObjets; i >= 14; --i) {
        const TelementDessin* e = nullptr;
        if (objet(f, i).nature != kNatureAffichage || !candidat(f, i, e)) continue;
        const int32_t gauche = e->x, haut = e->y - e->decalage;
        if (gauche < x && x < gauche + e->largeur && haut < y && y < haut + e->hauteur) return uint8_t(i);
    }
    return 0;
}

} // namespace

EtatSelection& etatSelection() {
    static EtatSelection e;
    return e;
}

void reinitialiseSelection() {
    etatSelection() = EtatSelection{};
    fixeToleranceDesignation();
}

void fixeToleranceDesignation() {
    etatSelection().toleranceDesignation = int32_t(std::lround(platform::largeurBureau() * 0.03));
}

uint8_t styleChoisiDansPalette() {
    const StyleDeLaPalette s = etatSelection().styleDeLaPalette;
    return s ? s() : 0;
}

double distancePointSegmentEcran(double px, double py, double ax, double ay, double bx, double by) {
    const double abx = bx - ax, aby = by - ay;
    const double l2 = abx * abx + aby * aby;
    if (l2 == 0) return std::hypot(px - ax, py - ay);
    const double t = ((px - ax) * abx + (py - ay) * aby) / l2;
    if (t <= 0) return std::hypot(px - ax, py - ay);
    if (t >= 1) return std::hypot(px - bx, py - by);
    return std::abs((px - ax) * aby - (py - ay) * abx) / std::sqrt(l2);
}

uint8_t objetSousSouris(TfigureKalmetra& f, int32_t x, int32_t y) {
    EtatSelection& etat = etatSelection();
    objetsDesignablesPourCommande(f, regleEnVigueur(f), etat.ensembleDesignable);
    if (!f.blocDessin) return 0;
    const double u = etat.toleranceDesignation;

    if (f.hauteurZoneAffichages >= 1 && y < f.hauteurZoneAffichages) return texteDuBandeau(f, x, y);

    int resultat = 0;
    double b = 2 * u;
    // Points, from the origin o on.
    {
        Trouve t;
        double meilleure = u;
        for (int i = 7; i <= f.nombreObjets; ++i) {
            const TelementDessin* e = nullptr;
            if (objet(f, i).nature != kNaturePoint || !candidat(f, i, e)) continue;
            const double d = distancePointsEcran(e->x, e->y, x, y);
            if (d < meilleure) {
                meilleure = d;
                t = {i, d};
            }
        }
        if (t.objet != 0) {
            resultat = t.objet;
            b = 0.4 * t.distance;
            if (t.distance < u / 4) return uint8_t(resultat);
        }
    }

    const bool pointilles = f.filDeFer || f.partiesCacheesPointillees;
    const bool suppression = f.nombrePolyedresVisibles > 0;
    const Recherche r{f, double(x), double(y), u, pointilles, !pointilles && suppression};
    auto parParties = [&r](const TelementDessin& e) { return distanceParties(r, e.parties); };
    auto parAretes = [&r](const TelementDessin& e) { return distanceAretes(r, e); };
    auto parPoints = [&r](const TelementDessin& e, double& limite) {
        return approchePolyligne(r, complementDe(e).points, limite);
    };
    auto parContour = [&r](const TelementDessin& e, double& limite) {
        const TcomplementDessin& ce = complementDe(e);
        return !ce.lignes.empty() && approchePolyligne(r, ce.lignes[0], limite);
    };
    auto parGrille = [&r](const TelementDessin& e, double& limite) {
        return approcheGrille(r, complementDe(e).maillage.points, limite);
    };
    auto parSolideRond = [&r](const TelementDessin& e, double& limite) {
        const TcomplementDessin& ce = complementDe(e);
        bool pris = false;
        for (int k = 0; k < ce.nombreAretes && std::size_t(k) < ce.aretes.size(); ++k) {
            const double d = distanceParties(r, ce.aretes[std::size_t(k)]);
            if (d < limite) {
                limite = d;
                pris = true;
            }
        }
        for (std::size_t k = 0; k < ce.lignes.size() && k < 2; ++k)
            pris = approchePolyligne(r, ce.lignes[k], limite) || pris;
        return pris;
    };

    bool fini = false;
    auto retient = [&](const Trouve& t) {
        if (fini || t.objet == 0) return;
        if (0.95 * b > t.distance) {
            resultat = t.objet;
            b = t.distance;
        }
        if (t.distance < u / 16) fini = true;
    };
    retient(familleLignes(r, kNatureSegment, 7, parParties));
    if (!fini) retient(familleLignes(r, kNatureDemiDroite, 7, parParties));
    if (!fini) retient(familleLignes(r, kNatureDroite, 7, parParties));
    if (!fini) retient(familleLignes(r, kNaturePolygoneConvexe, 14, parAretes));
    if (!fini) retient(familleLignes(r, kNaturePolyedreConvexe, 14, parAretes));
    if (!fini) retient(familleLignes(r, kNaturePatronPolyedre, 14, parAretes));
    if (!fini) retient(familleCourbes(r, {kNatureArcDeCercle}, parPoints));
    if (!fini) retient(familleCourbes(r, {kNatureCercle}, parPoints));
    if (!fini) retient(familleCourbes(r, {kNatureCourbe}, parPoints));
    if (!fini) retient(familleCourbes(r, {kNatureCalotteSpherique}, parSolideRond));
    if (!fini) retient(familleCourbes(r, {kNatureSphere}, parContour));
    if (!fini) retient(familleCourbes(r, {kNatureCylindre, kNatureCone, kNatureTroncDeCone}, parSolideRond));
    if (!fini) retient(familleCourbes(r, {kNatureMaillage}, parGrille));
    return uint8_t(resultat);
}

} // namespace km32
