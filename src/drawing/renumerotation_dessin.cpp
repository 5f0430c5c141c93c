// What the drawing keeps per object number (its drawing data, its display
// element, its trace and the timer of a repetition command) follows the
// object when objects are deleted or moved, so that each object keeps its
// own: a trail stays the trail of the object that left it and goes on
// growing at its next step, the data an object had before its next rebuild
// is its own, not a former neighbour's, and a running repetition goes on
// ticking for its own command (a deleted command's timer stops).
#include <algorithm>

#include "base/erreur.h"
#include "drawing/bloc_dessin.h"
#include "drawing/commandes_touches.h"
#include "drawing/element_solide.h"
#include "drawing/souris.h"
#include "drawing/traces.h"
#include "model/objets_figure.h"
#include "model/services_dessin.h"
#include "text/ordre_objets.h"

namespace km32 {

namespace {

// Entries kPremierElement to 255 of the three tables, by object number.
template <typename P> void otePlace(std::array<P, 256>& t, int k) {
    t[std::size_t(k)].reset();
    std::move(t.begin() + k + 1, t.end(), t.begin() + k);
    t.back().reset();
}

// The entry at a goes to b; those between shift by one towards a.
template <typename P> void deplacePlace(std::array<P, 256>& t, int a, int b) {
    if (a < b)
        std::rotate(t.begin() + a, t.begin() + a + 1, t.begin() + b + 1);
    else if (a > b)
        std::rotate(t.begin() + b, t.begin() + a, t.begin() + a + 1);
}

// A display element names its object and copies its colour sources: both
// are read again from the object now at that number (already renumbered).
void renommeElements(TfigureKalmetra& f) {
    if (!f.blocDessin) return;
    for (int i = kPremierElement; i <= kMaxObjets; ++i) {
        PElementDessin& e = f.blocDessin->elements[std::size_t(i)];
        if (!e) continue;
        e->objet = uint8_t(i);
        const TObjetFigure& o = objet(f, i);
        e->sourcesCouleur = {o.sourcesCouleur[0], o.sourcesCouleur[1], o.sourcesCouleur[2]};
    }
}

// A gesture under way keeps the objects it names: the supports of the
// dragged free object, the active object it began with and the text it
// holds follow their objects (nouveau gives an object's new number, 0 when
// it went); a held text that went is let go.
template <typename F> void suitGeste(TfigureKalmetra& f, F nouveau) {
    if (!f.etatGlisser) return;
    TetatGlisser& g = *f.etatGlisser;
    g.support = nouveau(g.support);
    g.secondSupport = nouveau(g.secondSupport);
    EtatSouris& s = etatSouris();
    s.actifAvantGeste = nouveau(s.actifAvantGeste);
    s.texteTenu = nouveau(s.texteTenu);
    if (s.texteTenu == 0) s.glisseTexte = false;
}

} // namespace

void oteDessinObjet(TfigureKalmetra& f, int k) {
    verifieIndice(k, kPremierElement, kMaxObjets, "object deleted");
    if (f.tableElementsSolides) otePlace(f.tableElementsSolides->elements, k);
    if (f.blocDessin) otePlace(f.blocDessin->elements, k);
    if (f.tableTraces) otePlace(f.tableTraces->traces, k);
    renommeElements(f);
    suitGeste(f, [k](uint8_t x) { return uint8_t(x == k ? 0 : x > k ? x - 1 : x); });
    suitMinuteriesDesCommandes(f);
}

void deplaceDessinObjet(TfigureKalmetra& f, int a, int b) {
    verifieIndice(a, kPremierElement, kMaxObjets, "object moved");
    verifieIndice(b, kPremierElement, kMaxObjets, "place of a moved object");
    if (f.tableElementsSolides) deplacePlace(f.tableElementsSolides->elements, a, b);
    if (f.blocDessin) deplacePlace(f.blocDessin->elements, a, b);
    if (f.tableTraces) deplacePlace(f.tableTraces->traces, a, b);
    renommeElements(f);
    suitGeste(f, [a, b](uint8_t x) { return numeroApresDeplacement(x, a, b); });
    suitMinuteriesDesCommandes(f);
}

} // namespace km32
