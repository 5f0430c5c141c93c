#include "model/solides/parties_cachees.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "model/catalogue.h"
#include "model/objets_figure.h"
#include "model/solides/polyedres.h"
#include "model/solides/vue_solides.h"

namespace km32 {

namespace {

// Walks the visible list in order, leaving out the given slot; stops when
// the visitor returns true.
template <typename Visiteur> bool parcourtVisibles(const TfigureKalmetra& f, int sauf, Visiteur&& visite) {
    if (!f.tableDesPolyedres) return false;
    const TtableDesPolyedres& t = *f.tableDesPolyedres;
    const int n = std::min<int>(f.nombrePolyedresVisibles, kMaxEmplacementsPolyedres);
    for (int k = 1; k <= n; ++k) {
        const int slot = t.listeVisibles[k];
        if (slot < 1 || slot > kMaxEmplacementsPolyedres || slot == sauf) continue;
        const TDonneesPolyedre* d = t.donnees[slot].get();
        if (d && visite(*d)) return true;
    }
    return false;
}

bool pointCacheParRecord(const TDonneesPolyedre& d, double x, double y, double z) {
    switch (d.genre) {
    case kGenrePolyedre:
        return pointCachePolyedre(polyedreDe(d), x, y, z);
    case kGenreSphere:
        return pointCacheSphere(sphereDe(d), x, y, z);
    case kGenreCercle:
        return pointCacheCercle(cercleDe(d), x, y, z);
    case kGenrePatron:
        return pointCachePatron(patronDe(d), x, y, z);
    case kGenreSolideRond:
        return pointDansSolideRond(solideRondDe(d), x, y, z);
    default:
        return false;
    }
}

void intervalleCacheRecord(const TDonneesPolyedre& d, TsegmentCoupe& s) {
    switch (d.genre) {
    case kGenrePolyedre:
        return intervalleCachePolyedre(polyedreDe(d), s);
    case kGenreSphere:
        return intervalleCacheSphere(sphereDe(d), s);
    case kGenreCercle:
        return intervalleCacheCercle(cercleDe(d), s);
    case kGenrePatron:
        return intervalleCachePatron(patronDe(d), s);
    case kGenreSolideRond:
        return intervalleCacheSolideRond(solideRondDe(d), s);
    default:
        return;
    }
}

int32_t arrondi32(double v) {
    constexpr double lo = std::numeric_limits<int32_t>::min(), hi = std::numeric_limits<int32_t>::max();
    if (!(v > lo)) return std::numeric_limits<int32_t>::min();
    if (v >= hi) return std::numeric_limits<int32_t>::max();
    return int32_t(std::lround(v));
}

bool dansListeVisibles(const TfigureKalmetra& f, int slot) {
    if (slot == 0 || !f.tableDesPolyedres) return false;
    const int n = std::min<int>(f.nombrePolyedresVisibles, kMaxEmplacementsPolyedres);
    for (int k = 1; k <= n; ++k)
        if (f.tableDesPolyedres->listeVisibles[k] == slot) return true;
    return false;
}

const TDonneesPolyedre* donneesDe(const TfigureKalmetra& f, int objetNumero) {
    const int slot = objet(f, objetNumero).emplacementSolide;
    if (slot < 1 || slot > kMaxEmplacementsPolyedres || !f.tableDesPolyedres) return nullptr;
    return f.tableDesPolyedres->donnees[slot].get();
}

// Restricts the segment to the part whose projection can fall in the drawing area.
void restreintALaZone(const TfigureKalmetra& f, TsegmentCoupe& s) {
    const double* c = f.coefficientsProjection;
    const double W = f.largeurZoneDessin, H = f.hauteurZoneDessin;
    if (W <= 0 || H <= 0) return;
    const double sx = c[0] * s.D.x + c[1] * s.D.y + c[2] * s.D.z;
    const double sy = c[3] * s.D.x + c[4] * s.D.y + c[5] * s.D.z;
    if (std::fabs(sx) <= W && std::fabs(sy) <= H) return;
    const bool axeY = std::fabs(sx) / W < std::fabs(sy) / H;
    const double q0 = axeY ? c[3] * s.P.x + c[4] * s.P.y + c[5] * s.P.z + f.centreEcranY
                           : c[0] * s.P.x + c[1] * s.P.y + c[2] * s.P.z + f.centreEcranX;
    const double e = axeY ? sy : sx, L = axeY ? H : W;
    if ((e > 0 && (q0 > L - 1 || q0 + e < 1.0)) || (e < 0 && (q0 < 1.0 || q0 + e > L - 1))) {
        s.hors = 1;
        return;
    }
    double a = 0, b = 1;
    double t = -q0 / e;
    if (e <= 0 && t < 1) b = t;
    if (e > 0 && t > 0) a = t;
    t = (L - q0) / e;
    if (e <= 0 && t > 0) a = t;
    if (e > 0 && t < 1) b = t;
    if (a == 0 && b == 1) return;
    if (!(a < b)) {
        s.hors = 1;
        return;
    }
    if (a > 0) s.P = {s.P.x + a * s.D.x, s.P.y + a * s.D.y, s.P.z + a * s.D.z};
    s.D = {s.D.x * (b - a), s.D.y * (b - a), s.D.z * (b - a)};
}

void remplitParties(const TfigureKalmetra& f, TsegmentCoupe& s, TpartiesVisibles& parties) {
    parties.commenceCache = s.commenceCache;
    if (s.hors) {
        parties.nombre = 0;
        return;
    }
    fusionneMorceaux(s, kMaxPointsCoupure);
    parties.nombre = uint8_t(s.dernier);
    parties.commenceCache = s.commenceCache;
    for (int k = 0; k <= s.dernier; ++k) {
        const double t = s.t[k];
        const int32_t X = arrondi32(s.P.x + t * s.D.x), Y = arrondi32(s.P.y + t * s.D.y),
                      Z = arrondi32(s.P.z + t * s.D.z);
        parties.x[k] = projetteX(f, X, Y, Z);
        parties.y[k] = projetteY(f, X, Y, Z);
    }
}

// The two ends as one wholly hidden piece.
void entierementCache(const TfigureKalmetra& f, const TpointEntier& A, const TpointEntier& B,
                      TpartiesVisibles& parties) {
    parties.commenceCache = 1;
    parties.nombre = 1;
    parties.x[0] = projetteX(f, A.x, A.y, A.z);
    parties.y[0] = projetteY(f, A.x, A.y, A.z);
    parties.x[1] = projetteX(f, B.x, B.y, B.z);
    parties.y[1] = projetteY(f, B.x, B.y, B.z);
}

void partiesBloc(const TfigureKalmetra& f, const TblocSegments& bloc, std::unique_ptr<TpartiesBloc>& parties,
                 int sauf) {
    if (!parties) parties = std::make_unique<TpartiesBloc>();
    const int n = std::min<int>(bloc.nombre, kMaxSegmentsBloc);
    for (int j = 0; j < n; ++j)
        partiesVisiblesSegment(f, bloc.debuts[j], bloc.fins[j], (*parties)[j], sauf);
    for (int j = n; j < kMaxSegmentsBloc; ++j)
        (*parties)[j].nombre = 0;
}

// Edges (and, for a polyhedron or polygon, the hatching of its faces).
void partiesVisiblesAretes(const TfigureKalmetra& f, int objetNumero, const TPolyedre& p, bool hachures,
                           TElementSolideVue& e) {
    const int slot = objet(f, objetNumero).emplacementSolide;
    const bool isole = modePlanIsole(f);
    const bool arriereCachee = dansListeVisibles(f, slot) && !isole;
    const int n = std::min<int>(e.nombreAretes, int(e.partiesAretes.size()) - 1);
    for (int k = 1; k <= n; ++k) {
        TpartiesVisibles& parties = e.partiesAretes[k];
        if (e.areteOmise[k]) {
            parties.nombre = 0;
            continue;
        }
        if (arriereCachee && k <= p.nombreAretes && arete(p, k).deFace == 0)
            entierementCache(f, e.debutsAretes[k], e.finsAretes[k], parties);
        else
            partiesVisiblesSegment(f, e.debutsAretes[k], e.finsAretes[k], parties, slot);
    }
    if (!hachures || f.filDeFer || !styleHachure(objet(f, objetNumero).style)) return;
    const int faces = std::min<int>(e.nombreFaces, kMaxFacesElement);
    for (int k = 1; k <= faces; ++k) {
        if (!e.hachuresFaces[k]) continue;
        const bool tournee = k <= p.nombreFaces && face(p, k).tourneeVersObservateur;
        if (!(tournee || isole || p.polygone)) continue;
        partiesBloc(f, *e.hachuresFaces[k], e.partiesHachuresFaces[k], slot);
    }
}

// The points of the drawn circles of a sphere or round solid, projected to
// 1/32 pixel, with their hidden flag; a change of hidden state breaks the line.
template <typename CacheParLuiMeme>
void partiesVisiblesLigne(const TfigureKalmetra& f, TligneVue& ligne, int slot,
                          CacheParLuiMeme&& parLuiMeme) {
    ligne.ecran.resize(ligne.points.size());
    bool precedentCache = false;
    for (std::size_t j = 0; j < ligne.points.size(); ++j) {
        const TentreeLigne& entree = ligne.points[j];
        const TpointEntier& p = entree.p;
        const bool cache = parLuiMeme(p) || pointCacheParAutres(f, p.x, p.y, p.z, slot);
        TpointEcran& ecran = ligne.ecran[j];
        ecran.drapeaux = kPointEcranDefini;
        if (entree.nouveauMorceau || j == 0 || cache != precedentCache) ecran.drapeaux |= kPointEcranNonRelie;
        fixePointEcranCache(ecran, cache);
        ecran.x = projetteX32(f, p.x, p.y, p.z);
        ecran.y = projetteY32(f, p.x, p.y, p.z);
        precedentCache = cache;
    }
}

} // namespace

bool modePlanIsole(const TfigureKalmetra& f) {
    return f.reglagePlanIsole != 0;
}

bool estCodeSolideCachant(uint8_t code) {
    return estConstructionConvexe(code);
}

void preparePolyedresVisibles(TfigureKalmetra& f) {
    f.nombrePolyedresVisibles = 0;
    if (f.filDeFer || modePlanIsole(f) || !f.tableDesPolyedres) return;
    TtableDesPolyedres& t = *f.tableDesPolyedres;
    int n = 0;
    for (int i = kObjetsPredefinis + 1; i <= f.nombreObjets && n < kMaxEmplacementsPolyedres; ++i) {
        const TObjetFigure& o = objet(f, i);
        if (o.nonDefini || !estCodeSolideCachant(o.codeConstruction) || !estDessine(o.style) ||
            !styleRempli(o.style))
            continue;
        const int limite = convexeLimitant(f, i);
        if (limite != 0 && objet(f, limite).nonDefini == 0) continue;
        const int slot = o.emplacementSolide;
        // An object without its record hides nothing.
        if (slot < 1 || slot > kMaxEmplacementsPolyedres || !t.donnees[slot]) continue;
        t.listeVisibles[++n] = uint8_t(slot);
    }
    f.nombrePolyedresVisibles = uint8_t(n);
    for (int k = 1; k <= n; ++k) {
        TDonneesPolyedre& d = *t.donnees[t.listeVisibles[k]];
        switch (d.genre) {
        case kGenrePolyedre:
            prepareVuePolyedre(polyedreDe(d), f);
            break;
        case kGenreSphere:
            prepareVueSphere(sphereDe(d), f);
            break;
        case kGenreCercle:
            prepareVueCercle(cercleDe(d), f);
            break;
        case kGenrePatron:
            prepareVuePatron(patronDe(d), f);
            break;
        case kGenreSolideRond:
            prepareVueSolideRond(solideRondDe(d), f);
            break;
        default:
            break;
        }
    }
}

bool partiesCacheesCalculees(const TfigureKalmetra& f) {
    return !f.filDeFer && !f.partiesCacheesPointillees && f.nombrePolyedresVisibles > 0;
}

bool pointCacheParPolyedres(const TfigureKalmetra& f, const TpointEntier& p) {
    return pointCacheParPolyedres(f, p.x, p.y, p.z);
}

bool pointCacheParPolyedres(const TfigureKalmetra& f, double x, double y, double z) {
    return pointCacheParAutres(f, x, y, z, 0);
}

bool pointCacheParAutres(const TfigureKalmetra& f, double x, double y, double z, int emplacementPropre) {
    return parcourtVisibles(f, emplacementPropre,
                            [&](const TDonneesPolyedre& d) { return pointCacheParRecord(d, x, y, z); });
}

void partiesVisiblesSegment(const TfigureKalmetra& f, const TpointEntier& A, const TpointEntier& B,
                            TpartiesVisibles& parties, int emplacementPropre) {
    TsegmentCoupe s;
    initialiseSegmentCoupe(s, {double(A.x), double(A.y), double(A.z)},
                           {double(B.x) - A.x, double(B.y) - A.y, double(B.z) - A.z});
    restreintALaZone(f, s);
    parcourtVisibles(f, emplacementPropre, [&](const TDonneesPolyedre& d) {
        if (s.hors || (s.commenceCache && s.dernier == 1)) return true;
        intervalleCacheRecord(d, s);
        return false;
    });
    remplitParties(f, s, parties);
}

void partiesVisiblesPolyedre(const TfigureKalmetra& f, int objetNumero, TElementSolideVue& e) {
    const TDonneesPolyedre* d = donneesDe(f, objetNumero);
    if (!d || d->genre != kGenrePolyedre) return;
    partiesVisiblesAretes(f, objetNumero, polyedreDe(*d), true, e);
}

void partiesVisiblesPatron(const TfigureKalmetra& f, int objetNumero, TElementSolideVue& e) {
    const TDonneesPolyedre* d = donneesDe(f, objetNumero);
    if (!d || d->genre != kGenrePatron) return;
    partiesVisiblesAretes(f, objetNumero, patronDe(*d).geometrie, false, e);
}

void partiesVisiblesCourbe(const TfigureKalmetra& f, int objetNumero, TElementSolideVue& e) {
    if (f.filDeFer || !e.lignesSupplementaires) return;
    // A disc never hides its own lines.
    partiesBloc(f, *e.lignesSupplementaires, e.partiesLignesSupplementaires,
                objet(f, objetNumero).emplacementSolide);
}

void partiesVisiblesSphere(const TfigureKalmetra& f, int objetNumero, TElementSolideVue& e) {
    const int slot = objet(f, objetNumero).emplacementSolide;
    for (TligneVue& ligne : e.lignes)
        partiesVisiblesLigne(f, ligne, slot, [](const TpointEntier&) { return false; });
}

void partiesVisiblesSolideRond(const TfigureKalmetra& f, int objetNumero, TElementSolideVue& e) {
    const int slot = objet(f, objetNumero).emplacementSolide;
    const TDonneesPolyedre* d = donneesDe(f, objetNumero);
    const TDonneesSolideRond* r = (d && d->genre == kGenreSolideRond) ? &solideRondDe(*d) : nullptr;
    const int n = std::min<int>(e.nombreGeneratrices, kMaxGeneratrices);
    for (int k = 0; k < n; ++k) {
        if (e.generatriceOmise[k])
            e.partiesGeneratrices[k].nombre = 0;
        else
            partiesVisiblesSegment(f, e.debutsGeneratrices[k], e.finsGeneratrices[k],
                                   e.partiesGeneratrices[k], slot);
    }
    // The rim of a base turned away from the viewer is hidden where the solid
    // itself hides it; the first line is the large base, the second the other.
    const bool opaque = r && dansListeVisibles(f, slot);
    for (std::size_t k = 0; k < e.lignes.size(); ++k) {
        const bool detournee = opaque && k < 2 && (k == 0 ? !r->vue.versObservateur : r->vue.versObservateur);
        partiesVisiblesLigne(f, e.lignes[k], slot, [&](const TpointEntier& p) {
            return detournee && pointDansSolideRond(*r, p.x, p.y, p.z);
        });
    }
    if (f.filDeFer) return;
    // Hatching chords are tested against every visible solid, the solid
    // itself included: its back surface is hidden by its front.
    for (int k = 0; k < 3; ++k)
        if (e.hachuresSolide[k]) partiesBloc(f, *e.hachuresSolide[k], e.partiesHachuresSolide[k], 0);
}

void partiesVisiblesListeSegments(const TfigureKalmetra& f, TlisteSegmentsVue& liste) {
    const int n = std::min<int>(liste.nombre, kMaxSegmentsListe);
    for (int k = 1; k <= n; ++k) {
        if (liste.omis[k])
            liste.parties[k].nombre = 0;
        else
            partiesVisiblesSegment(f, liste.debuts[k], liste.fins[k], liste.parties[k]);
    }
}

} // namespace km32
