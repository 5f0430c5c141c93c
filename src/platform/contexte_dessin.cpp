#include "platform/contexte_dessin.h"

#include "platform/cairo_rendu.h"
#include "platform/contexte_dessin_table.h"
#include "platform/image_bitmap.h"
#include "platform/trace_enregistre.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <utility>

namespace km32::platform {

Rect normalise(Rect r) {
    if (r.gauche > r.droite) std::swap(r.gauche, r.droite);
    if (r.haut > r.bas) std::swap(r.haut, r.bas);
    return r;
}

Rect intersection(Rect a, Rect b) {
    Rect r{std::max(a.gauche, b.gauche), std::max(a.haut, b.haut), std::min(a.droite, b.droite),
           std::min(a.bas, b.bas)};
    if (r.estVide()) return Rect{r.gauche, r.haut, r.gauche, r.haut};
    return r;
}

ContexteDessin::ContexteDessin(std::unique_ptr<Rendu> rendu, RenduEnregistre* journal)
    : rendu_(std::move(rendu)), journal_(journal) {}

ContexteDessin::~ContexteDessin() {
    if (bitmap_) selectionneBitmap(*this, nullptr);
    oublieHandlesDe(this);
}

void ContexteDessin::changeRendu(std::unique_ptr<Rendu> rendu, RenduEnregistre* journal, Bitmap* bitmap) {
    rendu_ = std::move(rendu);
    journal_ = journal;
    bitmap_ = bitmap;
}

std::unique_ptr<ContexteDessin> creeContexteEnregistreur() {
    auto rendu = std::make_unique<RenduEnregistre>();
    RenduEnregistre* journal = rendu.get();
    return std::make_unique<ContexteDessin>(std::move(rendu), journal);
}

std::unique_ptr<ContexteDessin> creeContexteMemoire() {
    return std::make_unique<ContexteDessin>();
}

Bitmap* selectionneBitmap(ContexteDessin& dc, Bitmap* bitmap) {
    Bitmap* ancien = dc.bitmap_;
    if (ancien == bitmap) return ancien;
    // Drop the backends before the old bitmap lets go of its surface.
    dc.rendu_.reset();
    dc.aide_.reset();
    dc.journal_ = nullptr;
    dc.bitmap_ = nullptr;
    if (ancien) ancien->selectionnePar_ = nullptr;
    if (!bitmap) return ancien;
    // A bitmap sits in one context at a time: take it from the one holding it.
    if (bitmap->selectionnePar_) selectionneBitmap(*bitmap->selectionnePar_, nullptr);
    auto cairo = std::make_unique<RenduCairo>(bitmap->surface());
    if (RenduEnregistre* journal = bitmap->journal()) {
        dc.aide_ = std::move(cairo);
        dc.rendu_ = std::make_unique<RenduDouble>(*journal, *dc.aide_);
        dc.journal_ = journal;
    } else {
        dc.rendu_ = std::move(cairo);
    }
    dc.bitmap_ = bitmap;
    bitmap->selectionnePar_ = &dc;
    return ancien;
}

Stylo choisitStylo(ContexteDessin& dc, const Stylo& stylo) {
    return std::exchange(dc.etat.stylo, stylo);
}
Brosse choisitBrosse(ContexteDessin& dc, const Brosse& brosse) {
    return std::exchange(dc.etat.brosse, brosse);
}
Police choisitPolice(ContexteDessin& dc, const Police& police) {
    return std::exchange(dc.etat.police, police);
}
Couleur fixeCouleurTexte(ContexteDessin& dc, Couleur c) {
    return std::exchange(dc.etat.couleurTexte, c);
}
Couleur fixeCouleurFond(ContexteDessin& dc, Couleur c) {
    return std::exchange(dc.etat.couleurFond, c);
}
ModeFond fixeModeFond(ContexteDessin& dc, ModeFond mode) {
    return std::exchange(dc.etat.modeFond, mode);
}

double fixePixelContexte(ContexteDessin& dc, double pixel) {
    if (!std::isfinite(pixel) || pixel < 1e-3 || pixel > 1e6) pixel = 1.0;
    return std::exchange(dc.etat.pixel, pixel);
}

int sauveContexte(ContexteDessin& dc) {
    dc.pile.push_back(dc.etat);
    return int(dc.pile.size());
}

bool restaureContexte(ContexteDessin& dc, int niveau) {
    long long taille = (long long)dc.pile.size();
    long long cible = niveau < 0 ? taille + niveau + 1 : niveau;
    if (niveau == 0 || cible < 1 || cible > taille) return false;
    dc.etat = dc.pile[std::size_t(cible - 1)];
    dc.pile.resize(std::size_t(cible - 1));
    return true;
}

ModeProjection fixeModeProjection(ContexteDessin& dc, ModeProjection mode) {
    return std::exchange(dc.etat.projection, mode);
}

bool fixeEtendueFenetre(ContexteDessin& dc, int32_t cx, int32_t cy) {
    if (cx == 0 || cy == 0) return false;
    dc.etat.etendueFenetre = Taille{cx, cy};
    return true;
}

bool fixeEtendueVue(ContexteDessin& dc, int32_t cx, int32_t cy) {
    if (cx == 0 || cy == 0) return false;
    dc.etat.etendueVue = Taille{cx, cy};
    return true;
}

void fixeOrigineFenetre(ContexteDessin& dc, int32_t x, int32_t y) {
    dc.etat.origineFenetre = Point{x, y};
}
void fixeOrigineVue(ContexteDessin& dc, int32_t x, int32_t y) {
    dc.etat.origineVue = Point{x, y};
}
void decaleOrigineVue(ContexteDessin& dc, int32_t dx, int32_t dy) {
    dc.etat.origineVue.x += dx;
    dc.etat.origineVue.y += dy;
}
Taille etendueFenetre(const ContexteDessin& dc) {
    return dc.etat.etendueFenetre;
}

namespace {

int32_t borne32(long long v) {
    return int32_t(
        std::clamp<long long>(v, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

bool anisotrope(const EtatContexte& e) {
    return e.projection == ModeProjection::Anisotrope;
}

// Scales a length (pen width, font height) by |viewport / window| along one axis.
int32_t longueurEcran(const EtatContexte& e, int32_t n, bool horizontal) {
    if (!anisotrope(e)) return n;
    int32_t v = horizontal ? e.etendueVue.cx : e.etendueVue.cy;
    int32_t w = horizontal ? e.etendueFenetre.cx : e.etendueFenetre.cy;
    return std::abs(mulDiv(n, v, w));
}

Rect rectEcran(const ContexteDessin& dc, int32_t g, int32_t h, int32_t d, int32_t b) {
    Point p1 = versEcran(dc, Point{g, h});
    Point p2 = versEcran(dc, Point{d, b});
    return normalise(Rect{p1.x, p1.y, p2.x, p2.y});
}

std::vector<Point> pointsEcran(const ContexteDessin& dc, const std::vector<Point>& points) {
    std::vector<Point> r;
    r.reserve(points.size());
    for (const Point& p : points)
        r.push_back(versEcran(dc, p));
    return r;
}

} // namespace

int32_t mulDiv(int32_t a, int32_t b, int32_t c) {
    long long num = (long long)a * b;
    long long den = c;
    if (den < 0) {
        num = -num;
        den = -den;
    }
    long long q = num >= 0 ? (2 * num + den) / (2 * den) : -((-2 * num + den) / (2 * den));
    return borne32(q);
}

Point versEcran(const ContexteDessin& dc, Point l) {
    const EtatContexte& e = dc.etat;
    long long dx = (long long)l.x - e.origineFenetre.x;
    long long dy = (long long)l.y - e.origineFenetre.y;
    if (anisotrope(e)) {
        dx = mulDiv(borne32(dx), e.etendueVue.cx, e.etendueFenetre.cx);
        dy = mulDiv(borne32(dy), e.etendueVue.cy, e.etendueFenetre.cy);
    }
    return Point{borne32(dx + e.origineVue.x), borne32(dy + e.origineVue.y)};
}

Point versLogique(const ContexteDessin& dc, Point p) {
    const EtatContexte& e = dc.etat;
    long long dx = (long long)p.x - e.origineVue.x;
    long long dy = (long long)p.y - e.origineVue.y;
    if (anisotrope(e)) {
        dx = mulDiv(borne32(dx), e.etendueFenetre.cx, e.etendueVue.cx);
        dy = mulDiv(borne32(dy), e.etendueFenetre.cy, e.etendueVue.cy);
    }
    return Point{borne32(dx + e.origineFenetre.x), borne32(dy + e.origineFenetre.y)};
}

void fixeDecoupe(ContexteDessin& dc, Rect l) {
    dc.etat.decoupe = rectEcran(dc, l.gauche, l.haut, l.droite, l.bas);
}

void intersecteDecoupe(ContexteDessin& dc, Rect l) {
    Rect r = rectEcran(dc, l.gauche, l.haut, l.droite, l.bas);
    dc.etat.decoupe = dc.etat.decoupe ? intersection(*dc.etat.decoupe, r) : r;
}

void retireDecoupe(ContexteDessin& dc) {
    dc.etat.decoupe.reset();
}

namespace {
// A pen width or font height in device units, times the context's pixel.
int32_t parPixel(const EtatContexte& e, int32_t n) {
    if (e.pixel == 1.0) return n;
    return int32_t(std::clamp(std::lround(n * e.pixel), 1L, long(std::numeric_limits<int32_t>::max())));
}
} // namespace

EtatTrace etatTrace(const ContexteDessin& dc) {
    const EtatContexte& e = dc.etat;
    EtatTrace t;
    t.stylo = e.stylo;
    t.stylo.largeur =
        parPixel(e, e.stylo.largeur <= 0 ? 1 : std::max(1, longueurEcran(e, e.stylo.largeur, true)));
    t.brosse = e.brosse;
    t.couleurTexte = e.couleurTexte;
    t.couleurFond = e.couleurFond;
    t.modeFond = e.modeFond;
    t.police = e.police;
    t.police.hauteur = parPixel(e, std::max(1, longueurEcran(e, e.police.hauteur, false)));
    t.decoupe = e.decoupe;
    return t;
}

Point deplaceVers(ContexteDessin& dc, int32_t x, int32_t y) {
    return std::exchange(dc.etat.position, Point{x, y});
}

void traceVers(ContexteDessin& dc, int32_t x, int32_t y) {
    Point depart = std::exchange(dc.etat.position, Point{x, y});
    if (dc.rendu()) dc.rendu()->polyligne(etatTrace(dc), {versEcran(dc, depart), versEcran(dc, Point{x, y})});
}

void polyligne(ContexteDessin& dc, const std::vector<Point>& points) {
    if (points.size() < 2 || !dc.rendu()) return;
    dc.rendu()->polyligne(etatTrace(dc), pointsEcran(dc, points));
}

void traceSegments(ContexteDessin& dc, const std::vector<Point>& extremites) {
    const std::size_t n = extremites.size() - extremites.size() % 2;
    if (n == 0) return;
    dc.etat.position = extremites[n - 1];
    if (!dc.rendu()) return;
    // Kept from call to call: a drawing sends thousands of segments a paint.
    static std::vector<Point> ecran;
    ecran.clear();
    for (std::size_t k = 0; k < n; ++k)
        ecran.push_back(versEcran(dc, extremites[k]));
    dc.rendu()->segments(etatTrace(dc), ecran);
}

void rectangle(ContexteDessin& dc, int32_t g, int32_t h, int32_t d, int32_t b) {
    if (dc.rendu()) dc.rendu()->rectangle(etatTrace(dc), rectEcran(dc, g, h, d, b));
}

void ellipse(ContexteDessin& dc, int32_t g, int32_t h, int32_t d, int32_t b) {
    if (dc.rendu()) dc.rendu()->ellipse(etatTrace(dc), rectEcran(dc, g, h, d, b));
}

void polygone(ContexteDessin& dc, const std::vector<Point>& points) {
    if (points.size() < 2 || !dc.rendu()) return;
    dc.rendu()->polygone(etatTrace(dc), pointsEcran(dc, points));
}

void remplitRectangle(ContexteDessin& dc, Rect r, const Brosse& brosse) {
    if (!dc.rendu()) return;
    EtatTrace t = etatTrace(dc);
    t.stylo = kStyloNul;
    t.brosse = brosse;
    // With the null pen a rectangle loses its last row and column: widen by one.
    Rect e = rectEcran(dc, r.gauche, r.haut, r.droite, r.bas);
    dc.rendu()->rectangle(t, Rect{e.gauche, e.haut, e.droite + 1, e.bas + 1});
}

void fixePixel(ContexteDessin& dc, int32_t x, int32_t y, Couleur c) {
    if (dc.rendu()) dc.rendu()->pixel(etatTrace(dc), versEcran(dc, Point{x, y}), c);
}

std::optional<Couleur> litPixel(const ContexteDessin& dc, int32_t x, int32_t y) {
    if (!dc.bitmap()) return std::nullopt;
    Point p = versEcran(dc, Point{x, y});
    return dc.bitmap()->pixel(p.x, p.y);
}

void ecritTexte(ContexteDessin& dc, int32_t x, int32_t y, const std::string& texte) {
    if (dc.rendu()) dc.rendu()->texte(etatTrace(dc), versEcran(dc, Point{x, y}), texte);
}

Taille mesureTexte(ContexteDessin& dc, const std::string& texte) {
    if (!dc.rendu()) return Taille{};
    Taille t = dc.rendu()->mesureTexte(etatTrace(dc).police, texte);
    const EtatContexte& e = dc.etat;
    if (!anisotrope(e)) return t;
    return Taille{std::abs(mulDiv(t.cx, e.etendueFenetre.cx, e.etendueVue.cx)),
                  std::abs(mulDiv(t.cy, e.etendueFenetre.cy, e.etendueVue.cy))};
}

void dessineImage(ContexteDessin& dc, const Image& image, Rect dest) {
    if (!dc.rendu() || image.largeur <= 0 || image.hauteur <= 0) return;
    dc.rendu()->image(etatTrace(dc), image, Rect{0, 0, image.largeur, image.hauteur},
                      rectEcran(dc, dest.gauche, dest.haut, dest.droite, dest.bas));
}

namespace {

// Adds to dest the primitives recorded in a bitmap that fall in the copied
// part, moved by (dx, dy) and clipped to the place they were copied to.
void recopieJournal(RenduEnregistre& dest, const RenduEnregistre& source, Rect zone, int32_t dx, int32_t dy) {
    auto deplace = [&](Point p) { return Point{p.x + dx, p.y + dy}; };
    auto deplaceRect = [&](Rect r) { return Rect{r.gauche + dx, r.haut + dy, r.droite + dx, r.bas + dy}; };
    Rect arrivee = deplaceRect(zone);
    for (Primitive p : source.primitives) {
        for (Point& pt : p.points)
            pt = deplace(pt);
        if (p.type == TypePrimitive::Rectangle || p.type == TypePrimitive::Ellipse ||
            p.type == TypePrimitive::Image)
            p.rect = deplaceRect(p.rect);
        p.etat.decoupe = p.etat.decoupe ? intersection(deplaceRect(*p.etat.decoupe), arrivee) : arrivee;
        p.depuisCopie = true;
        dest.primitives.push_back(std::move(p));
    }
}

} // namespace

bool copieBits(ContexteDessin& dest, int32_t xd, int32_t yd, int32_t w, int32_t h,
               const ContexteDessin& source, int32_t xs, int32_t ys) {
    const Bitmap* bitmap = source.bitmap();
    if (!bitmap) return false;
    if (!dest.rendu()) return true;
    Rect d = rectEcran(dest, xd, yd, xd + w, yd + h);
    Rect s = rectEcran(source, xs, ys, xs + w, ys + h);
    dest.rendu()->image(etatTrace(dest), bitmap->image(), s, d);
    // The copy is recorded first, then what the copied part was drawn with.
    RenduEnregistre* journalDest = dest.journal();
    if (journalDest && bitmap->journal() && journalDest != bitmap->journal() && d.largeur() == s.largeur() &&
        d.hauteur() == s.hauteur())
        recopieJournal(*journalDest, *bitmap->journal(), s, d.gauche - s.gauche, d.haut - s.haut);
    return true;
}

} // namespace km32::platform
