// The renderer's drawing of the traces: every recorded position of every
// traced object, under the live figure, clipped to the figure area.
#include "drawing/maillages_dessin.h"
#include "drawing/rendu_figure.h"
#include "drawing/rendu_styles.h"
#include "drawing/traces.h"
#include "model/solides/parties_cachees.h"

namespace km32 {

namespace {

using platform::ContexteDessin;
using platform::Couleur;

struct Pinceau {
    const TfigureKalmetra& f;
    ContexteDessin& dc;
    const TstyleObjet& style;
    Couleur couleurObjet;
    bool parEntree; // a pen per position, in that position's colour

    Couleur couleur(uint32_t couleurEntree) const {
        return parEntree ? couleurAffichee(couleurEntree) : couleurObjet;
    }
    // The object's pen (per position when the colours differ).
    void choisit(uint32_t couleurEntree) const {
        choisitStyloObjetSansImpression(f, dc, style, couleur(couleurEntree));
    }
};

// Hidden pieces are drawn dotted.
bool cachesEnPointilles(const TfigureKalmetra& f) {
    return !modePlanIsole(f) && f.partiesCacheesPointillees && !f.filDeFer && f.nombrePolyedresVisibles > 0;
}

void dessineTracePoint(const TfigureKalmetra& f, const TTraceObjet& t, const Pinceau& p) {
    const bool planIsole = modePlanIsole(f);
    const bool omettreCaches = !planIsole && partiesCacheesCalculees(f);
    const int32_t largeur = tailleMarque(p.style);
    if (!p.parEntree) choisitStyloPlein(f, p.dc, largeur, p.couleurObjet);
    for (int k = 1; k <= t.nombre; ++k) {
        const TentreeTracePoint& e = entreeTracePoint(t, k);
        if (planIsole ? !e.dansPlan : (omettreCaches && e.cache)) continue;
        if (p.parEntree) choisitStyloPlein(f, p.dc, largeur, p.couleur(e.couleur));
        tracePointSeul(p.dc, e.x, e.y);
    }
}

void dessineTraceSegment(const TfigureKalmetra& f, const TTraceObjet& t, const Pinceau& p) {
    const bool planIsole = modePlanIsole(f);
    if (!p.parEntree) p.choisit(0);
    for (int k = 1; k <= t.nombre; ++k) {
        const TentreeTraceSegment& e = entreeTraceSegment(t, k);
        if (planIsole && !e.dansPlan) continue;
        if (p.parEntree) p.choisit(e.couleur);
        tracePartiesVisibles(p.dc, e.parties);
    }
    if (!cachesEnPointilles(f)) return;
    for (int k = 1; k <= t.nombre; ++k) {
        const TentreeTraceSegment& e = entreeTraceSegment(t, k);
        choisitStyloPointille(p.dc, p.couleur(e.couleur));
        tracePartiesCachees(p.dc, e.parties);
    }
}

// Each position as the curve's element is drawn: its segments and dots,
// then the pieces of its hatching, the hidden ones dotted when asked.
void dessineTraceLigne(const TfigureKalmetra& f, const TTraceObjet& t, const Pinceau& p) {
    const bool planIsole = modePlanIsole(f);
    const bool cordesCachees = !planIsole && f.partiesCacheesPointillees;
    etatRendu().taillePoints = epaisseurTrait(p.style) + 1;
    for (int k = 1; k <= t.nombre; ++k) {
        const TblocTrace* b = blocTrace(t, k);
        if (!b || (planIsole && !b->dansPlan)) continue;
        const Couleur couleur = p.couleur(b->couleur);
        p.choisit(b->couleur);
        dessinePolyligneEcran(f, p.dc, p.style, b->ecran, couleur);
        for (const TpartiesVisibles& c : b->partiesCordes)
            tracePartiesVisibles(p.dc, c);
        if (!cordesCachees) continue;
        choisitStyloPointille(p.dc, couleur);
        for (const TpartiesVisibles& c : b->partiesCordes)
            tracePartiesCachees(p.dc, c);
    }
}

void dessineTraceMaillage(const TfigureKalmetra& f, const TTraceObjet& t, const Pinceau& p) {
    const bool planIsole = modePlanIsole(f);
    for (int k = 1; k <= t.nombre; ++k) {
        const TblocTrace* b = blocTrace(t, k);
        if (!b || (planIsole && !b->dansPlan)) continue;
        p.choisit(b->couleur);
        dessineGrilleEcran(f, p.dc, p.style, b->maillage, p.couleur(b->couleur));
    }
}

void dessineTracePolygone(const TfigureKalmetra& f, const TTraceObjet& t, const Pinceau& p) {
    const bool planIsole = modePlanIsole(f);
    const bool pointilles = cachesEnPointilles(f);
    for (int k = 1; k <= t.nombre; ++k) {
        const TblocTrace* b = blocTrace(t, k);
        if (!b || (planIsole && !b->dansPlan)) continue;
        p.choisit(b->couleur);
        for (std::size_t i = 1; i < b->aretes.size(); ++i)
            tracePartiesVisibles(p.dc, b->aretes[i]);
        if (!pointilles) continue;
        choisitStyloPointille(p.dc, p.couleur(b->couleur));
        for (std::size_t i = 1; i < b->aretes.size(); ++i)
            tracePartiesCachees(p.dc, b->aretes[i]);
    }
}

} // namespace

void dessineTraces(TfigureKalmetra& f, ContexteDessin& dc) {
    if (!f.tableTraces) return;
    TetatRendu& etat = etatRendu();
    const platform::Rect decoupe = etat.rectangleDecoupe;
    for (int n = 14; n <= f.nombreObjets; ++n) {
        const TTraceObjet* t = traceObjet(f, n);
        if (!t || t->nombre == 0) continue;
        const TObjetFigure& o = objet(f, n);
        const bool monochrome = etat.sortieMonochrome != 0;
        const Couleur couleur = couleurAffichee(monochrome ? 1 : couleurDuStyle(o.style));
        if (f.blocDessin) {
            const TrectangleDessin& r = f.blocDessin->rectangleFigure;
            etat.rectangleDecoupe = {r.gauche, r.haut, r.droite, r.bas};
        }
        const Pinceau p{f, dc, o.style, couleur, t->couleursDifferentes && !monochrome};
        switch (t->genre) {
        case kTracePoint:
            dessineTracePoint(f, *t, p);
            break;
        case kTraceSegment:
            dessineTraceSegment(f, *t, p);
            break;
        case kTraceLigne:
            dessineTraceLigne(f, *t, p);
            break;
        case kTracePolygone:
            dessineTracePolygone(f, *t, p);
            break;
        case kTraceMaillage:
            dessineTraceMaillage(f, *t, p);
            break;
        default:
            break;
        }
        restaureStylo(dc);
    }
    etat.rectangleDecoupe = decoupe;
}

} // namespace km32
