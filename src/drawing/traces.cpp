#include "drawing/traces.h"

#include <algorithm>

#include "base/erreur.h"
#include "drawing/element_solide.h"

namespace km32 {

void SuppressionTraceObjet::operator()(TTraceObjet* trace) const noexcept {
    delete trace;
}

namespace {

constexpr int kPremiereTrace = 7;

// The next index of the ring: the count grows up to the capacity, then the
// newest index turns from the last entry back to the first.
void avanceAnneau(TTraceObjet& t) {
    const int capacite = capaciteTrace(t.genre);
    if (t.nombre < capacite) {
        ++t.nombre;
        t.dernier = t.nombre;
    } else {
        t.dernier = t.dernier >= capacite ? 1 : t.dernier + 1;
    }
}

void copieLigne(const TElementSolide& e, TblocTrace& b) {
    b.ligne.assign(e.ligne.begin(), e.ligne.end());
    b.ecran.clear();
    // The hatching of a circle travels with the position, as a copy.
    b.debutsCordes.clear();
    b.finsCordes.clear();
    b.partiesCordes.clear();
    if (!e.vue || !e.vue->lignesSupplementaires) return;
    const TblocSegments& c = *e.vue->lignesSupplementaires;
    const std::size_t n = std::min<std::size_t>(c.nombre, kMaxSegmentsBloc);
    b.debutsCordes.assign(c.debuts.begin(), c.debuts.begin() + std::ptrdiff_t(n));
    b.finsCordes.assign(c.fins.begin(), c.fins.begin() + std::ptrdiff_t(n));
}

void copiePolygone(const TElementSolide& e, TblocTrace& b) {
    b.octetPolyedre = e.octetPolyedre;
    b.nombreAretes = 0;
    b.aretes.clear();
    if (!e.vue) return;
    const TElementSolideVue& v = *e.vue;
    b.nombreAretes = std::min<uint16_t>(v.nombreAretes, kMaxAretesElement);
    for (int k = 1; k <= b.nombreAretes; ++k) {
        const auto i = std::size_t(k);
        b.areteOmise[i] = v.areteOmise[i];
        b.debuts[i] = v.debutsAretes[i];
        b.fins[i] = v.finsAretes[i];
    }
}

} // namespace

int capaciteTrace(uint8_t genre) {
    switch (genre) {
    case kTracePoint:
        return kCapaciteTracePoint;
    case kTraceSegment:
        return kCapaciteTraceSegment;
    case kTraceLigne:
    case kTracePolygone:
        return kCapaciteTraceBlocs;
    case kTraceMaillage:
        return kCapaciteTraceMaillage;
    default:
        return 0;
    }
}

uint8_t genreTraceDeNature(uint8_t nature) {
    switch (nature) {
    case kNaturePoint:
        return kTracePoint;
    case kNatureSegment:
    case kNatureDroite:
    case kNatureDemiDroite:
        return kTraceSegment;
    case kNatureCercle:
    case kNatureArcDeCercle:
    case kNatureCourbe:
        return kTraceLigne;
    case kNaturePolyedreConvexe:
    case kNaturePolygoneConvexe:
        return kTracePolygone;
    case kNatureMaillage:
        return kTraceMaillage;
    default:
        return 0;
    }
}

void creeTableTraces(std::unique_ptr<TtableTraces>& table) {
    libereTableTraces(table);
    table = std::make_unique<TtableTraces>();
}

void libereTableTraces(std::unique_ptr<TtableTraces>& table) {
    if (!table) return;
    for (PTraceObjet& t : table->traces)
        libereTraceObjet(t);
    table.reset();
}

void copieTableTraces(const TtableTraces& table, std::unique_ptr<TtableTraces>& copie) {
    auto c = std::make_unique<TtableTraces>();
    c->entete = table.entete;
    for (std::size_t i = 0; i < table.traces.size(); ++i)
        if (table.traces[i]) copieTraceObjet(*table.traces[i], c->traces[i]);
    copie = std::move(c);
}

void creeTraceObjet(uint8_t nature, PTraceObjet& trace) {
    libereTraceObjet(trace);
    const uint8_t genre = genreTraceDeNature(nature);
    if (genre == 0) return;
    PTraceObjet t(new TTraceObjet);
    t->genre = genre;
    // Points and segments grow as they are appended (ajouteATrace); the
    // blocks are pointers, made whole.
    if (genre != kTracePoint && genre != kTraceSegment) t->blocs.resize(std::size_t(capaciteTrace(genre)));
    trace = std::move(t);
}

void libereTraceObjet(PTraceObjet& trace) {
    trace.reset();
}

void copieTraceObjet(const TTraceObjet& trace, PTraceObjet& copie) {
    PTraceObjet c(new TTraceObjet);
    c->nombre = trace.nombre;
    c->dernier = trace.dernier;
    c->genre = trace.genre;
    c->nouvelleEntree = trace.nouvelleEntree;
    c->couleursDifferentes = trace.couleursDifferentes;
    c->premiereCouleur = trace.premiereCouleur;
    c->points = trace.points;
    c->segments = trace.segments;
    c->blocs.resize(trace.blocs.size());
    for (std::size_t k = 0; k < trace.blocs.size(); ++k)
        if (trace.blocs[k]) c->blocs[k] = std::make_unique<TblocTrace>(*trace.blocs[k]);
    copie = std::move(c);
}

TTraceObjet* traceObjet(TfigureKalmetra& f, int n) {
    if (!f.tableTraces || n < kPremiereTrace || n > kMaxObjets) return nullptr;
    return f.tableTraces->traces[std::size_t(n)].get();
}

const TTraceObjet* traceObjet(const TfigureKalmetra& f, int n) {
    if (!f.tableTraces || n < kPremiereTrace || n > kMaxObjets) return nullptr;
    return f.tableTraces->traces[std::size_t(n)].get();
}

const TentreeTracePoint& entreeTracePoint(const TTraceObjet& trace, int k) {
    verifieIndice(k, 1, int(trace.points.size()), "trace entry");
    return trace.points[std::size_t(k - 1)];
}

const TentreeTraceSegment& entreeTraceSegment(const TTraceObjet& trace, int k) {
    verifieIndice(k, 1, int(trace.segments.size()), "trace entry");
    return trace.segments[std::size_t(k - 1)];
}

const TblocTrace* blocTrace(const TTraceObjet& trace, int k) {
    verifieIndice(k, 1, int(trace.blocs.size()), "trace entry");
    return trace.blocs[std::size_t(k - 1)].get();
}

void ajouteATrace(TfigureKalmetra& f, int n) {
    verifieIndice(n, kPremiereTrace, kMaxObjets, "object");
    const TElementSolide* e = elementSolide(f, n);
    if (!e) return;
    const TObjetFigure& o = objet(f, n);
    if (!f.tableTraces) creeTableTraces(f.tableTraces);
    PTraceObjet& place = f.tableTraces->traces[std::size_t(n)];
    // A record of another kind (the object was redefined as another kind)
    // is started afresh: the object's trail is of its own kind.
    if (!place || place->genre != genreTraceDeNature(o.nature)) creeTraceObjet(o.nature, place);
    if (!place) return;
    TTraceObjet& t = *place;
    if (t.genre == kTracePoint && !marqueDessinee(o.style)) return;
    // Data of another kind than the record's is not stored.
    if ((t.genre == kTracePoint && e->genre != kElementPoint) ||
        (t.genre == kTraceSegment && e->genre != kElementSegment) ||
        (t.genre == kTraceLigne && e->genre != kElementLigne) ||
        (t.genre == kTracePolygone && e->genre != kElementPolyedre) ||
        (t.genre == kTraceMaillage && e->genre != kElementMaillage))
        return;

    avanceAnneau(t);
    const auto i = std::size_t(t.dernier - 1);
    switch (t.genre) {
    // The ring fills its entries in order before it wraps: the lists grow
    // with it up to their capacity instead of being made whole at the start.
    case kTracePoint:
        if (t.points.size() <= i) t.points.resize(i + 1);
        t.points[i] = {e->a, 0, e->dansPlan, e->couleur, 0, 0};
        break;
    case kTraceSegment:
        if (t.segments.size() <= i) t.segments.resize(i + 1);
        t.segments[i] = {e->a, e->b, e->dansPlan, e->couleur, {}};
        break;
    default: {
        if (!t.blocs[i]) t.blocs[i] = std::make_unique<TblocTrace>();
        TblocTrace& b = *t.blocs[i];
        b.dansPlan = e->dansPlan;
        b.couleur = e->couleur;
        if (t.genre == kTraceLigne) {
            copieLigne(*e, b);
        } else if (t.genre == kTraceMaillage) {
            b.grille = complementDe(*e).grille;
            b.maillage = {};
        } else {
            copiePolygone(*e, b);
        }
        break;
    }
    }
    if (t.nombre == 1)
        t.premiereCouleur = e->couleur;
    else if (!t.couleursDifferentes && e->couleur != t.premiereCouleur)
        t.couleursDifferentes = 1;
    t.nouvelleEntree = 1;
}

void enregistreTraceAvantReconstruction(TfigureKalmetra& f, int n) {
    if (!f.modeTrace && !f.modeTraceALaDemande) return;
    if (n < kPremiereTrace || n > kMaxObjets || !elementSolide(f, n)) return;
    TObjetFigure& o = objet(f, n);
    if (!selectionnePourTrace(o.style)) return;
    if (estDessine(o.style)) ajouteATrace(f, n);
    if (f.modeTraceALaDemande) fixeSelectionnePourTrace(o.style, false);
}

} // namespace km32
