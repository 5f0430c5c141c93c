#include "drawing/maillages_dessin.h"

#include <cmath>

#include "base/garde.h"
#include "drawing/bloc_dessin.h"
#include "drawing/rendu_figure.h"
#include "drawing/rendu_styles.h"
#include "model/maillages.h"
#include "model/objets_figure.h"
#include "model/solides/mesures_solides.h"
#include "model/solides/parties_cachees.h"
#include "model/style.h"

namespace km32 {

void videGrilleMaillage(TgrilleMaillage& g) {
    g.nx = g.ny = g.lignes = g.colonnes = 0;
    g.complet = 0;
    g.points.clear();
}

void construitGrilleMaillage(const TfigureKalmetra& f, int n, TgrilleMaillage& g, bool& abandon) {
    const TMaillage* m = maillageDeObjet(f, n);
    if (!m || m->nx < 1 || m->ny < 1 || int64_t(m->nx) * m->ny > kMaxPointsMaillage) {
        abandon = true;
        return;
    }
    const int limite = convexeLimitant(f, n);
    const bool limitee = limite != 0 && objet(f, limite).nonDefini == 0;
    g.nx = m->nx;
    g.ny = m->ny;
    g.lignes = m->nx;
    g.colonnes = m->ny;
    g.complet = 1;
    const int total = m->nx * m->ny;
    g.points.resize(std::size_t(total));
    for (int k = 1; k <= total; ++k) {
        TpointMaillage& q = g.points[std::size_t(k - 1)];
        const double x = m->x[std::size_t(k)], y = m->y[std::size_t(k)], z = m->z[std::size_t(k)];
        q.manquant = m->nonDefini[std::size_t(k)] || !std::isfinite(x) || !std::isfinite(y) ||
                     !std::isfinite(z) || (limitee && !pointDansSolide(f, limite, x, y, z));
        if (q.manquant) {
            g.complet = 0;
            q.p = {};
            continue;
        }
        q.p = {coordonneeEntiere(f, x), coordonneeEntiere(f, y), coordonneeEntiere(f, z)};
    }
}

bool projetteGrilleMaillage(const TfigureKalmetra& f, const TgrilleMaillage& g, bool cacher,
                            TmaillageEcran& e) {
    e.lignes = g.lignes;
    e.colonnes = g.colonnes;
    e.points.resize(g.points.size());
    bool present = false;
    for (std::size_t k = 0; k < g.points.size(); ++k) {
        const TpointMaillage& q = g.points[k];
        TpointEcran& s = e.points[k];
        s = {};
        if (q.manquant) continue;
        present = true;
        s.x = projetteX32(f, q.p);
        s.y = projetteY32(f, q.p);
        s.drapeaux = kPointEcranDefini;
        if (cacher && pointCacheParPolyedres(f, q.p.x, q.p.y, q.p.z)) s.drapeaux |= kPointEcranCache;
    }
    return present;
}

namespace {

// A segment of the grid: both ends present, neither hidden when hidden parts
// are computed.
void segment(platform::ContexteDessin& dc, const TpointEcran& a, const TpointEcran& b, bool cacher) {
    if (!pointEcranDefini(a) || !pointEcranDefini(b)) return;
    if (cacher && (pointEcranCache(a) || pointEcranCache(b))) return;
    const platform::Point pa = positionPointEcran(a), pb = positionPointEcran(b);
    const GardeValeur<uint8_t> sansEchelle(etatRendu().modeEchelle, 0);
    traceSegment(dc, pa.x, pa.y, pb.x, pb.y);
}

} // namespace

void dessineMaillage(const TfigureKalmetra& f, platform::ContexteDessin& dc, const TelementDessin& e,
                     platform::Couleur couleur) {
    dessineGrilleEcran(f, dc, e.style, complementDe(e).maillage, couleur);
}

void dessineGrilleEcran(const TfigureKalmetra& f, platform::ContexteDessin& dc, const TstyleObjet& style,
                        const TmaillageEcran& m, platform::Couleur couleur) {
    if (m.lignes < 1 || m.colonnes < 1 || std::size_t(m.lignes) * std::size_t(m.colonnes) != m.points.size())
        return;
    etatRendu().taillePoints = epaisseurTrait(style) + 1;
    const bool cacher = calculPartiesCachees(f);
    if (pointsNonLies(style)) {
        const bool omis = cacher && !f.partiesCacheesPointillees;
        choisitStyloPlein(f, dc, etatRendu().taillePoints, couleur);
        for (const TpointEcran& p : m.points) {
            if (!pointEcranDefini(p) || (omis && pointEcranCache(p))) continue;
            const platform::Point q = positionPointEcran(p);
            const GardeValeur<uint8_t> sansEchelle(etatRendu().modeEchelle, 0);
            tracePointSeul(dc, q.x, q.y);
        }
        choisitStyloObjet(f, dc, style, couleur);
        return;
    }
    auto point = [&](int i, int j) -> const TpointEcran& {
        return m.points[std::size_t(i * m.colonnes + j)];
    };
    {
        const LotSegments lot(dc);
        for (int i = 0; i < m.lignes; ++i)
            for (int j = 1; j < m.colonnes; ++j)
                segment(dc, point(i, j - 1), point(i, j), cacher);
        for (int j = 0; j < m.colonnes; ++j)
            for (int i = 1; i < m.lignes; ++i)
                segment(dc, point(i - 1, j), point(i, j), cacher);
    }
    if (!f.partiesCacheesPointillees) return;
    for (const TpointEcran& p : m.points)
        if (pointEcranDefini(p) && pointEcranCache(p)) dessineMarquePoint(dc, p, couleur);
}

} // namespace km32
