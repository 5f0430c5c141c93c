#include "platform/trace_enregistre.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace km32::platform {

int32_t largeurCelluleEnregistree(int32_t hauteurPolice) {
    return std::max<int32_t>(1, (hauteurPolice * 3 + 2) / 5);
}

std::vector<Point> pixelsDeLigne(Point a, Point b) {
    // One pixel per step along the major axis; on the minor axis the nearest
    // pixel, a tie staying on the side of the start.
    long long dx = (long long)b.x - a.x, dy = (long long)b.y - a.y;
    bool xMajeur = std::llabs(dx) >= std::llabs(dy);
    long long majeur = xMajeur ? dx : dy, mineur = xMajeur ? dy : dx;
    long long n = std::llabs(majeur), m = std::llabs(mineur);
    int pasMajeur = majeur < 0 ? -1 : 1, pasMineur = mineur < 0 ? -1 : 1;
    std::vector<Point> r;
    r.reserve(std::size_t(n));
    for (long long k = 0; k < n; ++k) {
        long long decalage = (2 * k * m + n - 1) / (2 * n);
        long long u = k * pasMajeur, v = decalage * pasMineur;
        r.push_back(xMajeur ? Point{int32_t(a.x + u), int32_t(a.y + v)}
                            : Point{int32_t(a.x + v), int32_t(a.y + u)});
    }
    return r;
}

namespace {

bool dansRect(Rect r, Point p) {
    return p.x >= r.gauche && p.x < r.droite && p.y >= r.haut && p.y < r.bas;
}

double distanceAuSegment(Point a, Point b, double x, double y) {
    double vx = b.x - a.x, vy = b.y - a.y;
    double l2 = vx * vx + vy * vy;
    double t = l2 == 0 ? 0 : std::clamp(((x - a.x) * vx + (y - a.y) * vy) / l2, 0.0, 1.0);
    return std::hypot(x - a.x - t * vx, y - a.y - t * vy);
}

bool surLigne(const Primitive& pr, Point p) {
    if (pr.etat.stylo.style == StyleStylo::Nul) return false;
    for (std::size_t i = 1; i < pr.points.size(); ++i) {
        Point a = pr.points[i - 1], b = pr.points[i];
        if (pr.etat.stylo.largeur <= 1) {
            for (Point q : pixelsDeLigne(a, b))
                if (q == p) return true;
        } else if (distanceAuSegment(a, b, p.x, p.y) <= pr.etat.stylo.largeur / 2.0) {
            return true;
        }
    }
    return false;
}

bool dansPolygone(const std::vector<Point>& s, double x, double y) {
    bool dedans = false;
    for (std::size_t i = 0, j = s.size() - 1; i < s.size(); j = i++) {
        if ((s[i].y > y) != (s[j].y > y) &&
            x < double(s[j].x - s[i].x) * (y - s[i].y) / double(s[j].y - s[i].y) + s[i].x)
            dedans = !dedans;
    }
    return dedans;
}

// The rectangle, in device pixels, outside which a primitive marks nothing
// (by the rules of marquePixel, lines widened by their pen), narrowed to
// its clip.
Rect etendue(const Primitive& pr) {
    const int32_t marge = std::max<int32_t>(1, pr.etat.stylo.largeur);
    Rect r;
    switch (pr.type) {
    case TypePrimitive::Polyligne:
    case TypePrimitive::Polygone:
    case TypePrimitive::Pixel: {
        if (pr.points.empty()) return Rect{};
        r = Rect{pr.points[0].x, pr.points[0].y, pr.points[0].x, pr.points[0].y};
        for (Point p : pr.points)
            r = Rect{std::min(r.gauche, p.x), std::min(r.haut, p.y), std::max(r.droite, p.x),
                     std::max(r.bas, p.y)};
        r = Rect{r.gauche - marge, r.haut - marge, r.droite + marge + 1, r.bas + marge + 1};
        break;
    }
    case TypePrimitive::Rectangle:
    case TypePrimitive::Ellipse:
        // Drawn inside their rectangle; with the null pen one row and one
        // column less.
        r = pr.etat.stylo.style == StyleStylo::Nul
                ? Rect{pr.rect.gauche, pr.rect.haut, pr.rect.droite - 1, pr.rect.bas - 1}
                : pr.rect;
        break;
    case TypePrimitive::Image:
        r = pr.rect;
        break;
    case TypePrimitive::Texte: {
        const int32_t h = std::max<int32_t>(1, pr.etat.police.hauteur);
        const Point o = pr.points.empty() ? Point{} : pr.points[0];
        r = Rect{o.x, o.y, o.x + int32_t(pr.texte.size()) * largeurCelluleEnregistree(h), o.y + h};
        break;
    }
    }
    return pr.etat.decoupe ? intersection(r, *pr.etat.decoupe) : r;
}

bool contient(Rect grand, Rect petit) {
    return petit.gauche >= grand.gauche && petit.haut >= grand.haut && petit.droite <= grand.droite &&
           petit.bas <= grand.bas;
}

// The part of the surface a primitive paints over entirely, whatever lay
// there: a picture's destination, the inside of a rectangle filled with a
// solid brush; empty for anything else. Narrowed to its clip.
Rect couverture(const Primitive& pr) {
    Rect r;
    if (pr.type == TypePrimitive::Image) {
        r = pr.rect;
    } else if (pr.type == TypePrimitive::Rectangle && pr.etat.brosse.style == StyleBrosse::Pleine) {
        // With the null pen the last row and column stay out; a pen may be
        // dashed, so only the inside of the outline counts.
        const int32_t bord = pr.etat.stylo.style == StyleStylo::Nul ? 0 : 1;
        r = Rect{pr.rect.gauche + bord, pr.rect.haut + bord, pr.rect.droite - 1, pr.rect.bas - 1};
    } else {
        return Rect{};
    }
    if (r.estVide()) return Rect{};
    return pr.etat.decoupe ? intersection(r, *pr.etat.decoupe) : r;
}

} // namespace

void RenduEnregistre::ajoute(Primitive p) {
    // What the new primitive paints over can no longer be seen: those
    // primitives go, so the recording of a surface painted again and again
    // holds what the surface shows, not every paint it ever had.
    const Rect couvert = visibleSeulement ? couverture(p) : Rect{};
    if (!couvert.estVide())
        std::erase_if(primitives, [&](const Primitive& q) { return contient(couvert, etendue(q)); });
    primitives.push_back(std::move(p));
}

bool marquePixel(const Primitive& pr, Point p) {
    if (pr.etat.decoupe && !dansRect(*pr.etat.decoupe, p)) return false;
    bool stylo = pr.etat.stylo.style != StyleStylo::Nul;
    bool brosse = pr.etat.brosse.style != StyleBrosse::Nulle;
    switch (pr.type) {
    case TypePrimitive::Polyligne:
        return surLigne(pr, p);
    case TypePrimitive::Rectangle: {
        const Rect& r = pr.rect;
        if (!stylo) return brosse && dansRect(Rect{r.gauche, r.haut, r.droite - 1, r.bas - 1}, p);
        if (!dansRect(r, p)) return false;
        bool bord = p.x == r.gauche || p.x == r.droite - 1 || p.y == r.haut || p.y == r.bas - 1;
        return bord || brosse;
    }
    case TypePrimitive::Ellipse: {
        const Rect& r = pr.rect;
        double w = r.largeur() - (stylo ? 0 : 1), h = r.hauteur() - (stylo ? 0 : 1);
        if (w <= 0 || h <= 0 || (!stylo && !brosse)) return false;
        double u = (p.x + 0.5 - r.gauche - w / 2) / (w / 2), v = (p.y + 0.5 - r.haut - h / 2) / (h / 2);
        double d = u * u + v * v;
        if (d > 1) return false;
        if (brosse) return true;
        // Outline only: the pixel lies on the ring one pen width wide.
        double iu = (w / 2 - pr.etat.stylo.largeur), iv = (h / 2 - pr.etat.stylo.largeur);
        if (iu <= 0 || iv <= 0) return true;
        double ui = (p.x + 0.5 - r.gauche - w / 2) / iu, vi = (p.y + 0.5 - r.haut - h / 2) / iv;
        return ui * ui + vi * vi >= 1;
    }
    case TypePrimitive::Polygone: {
        Primitive contour = pr;
        contour.points.push_back(pr.points.front());
        if (surLigne(contour, p)) return true;
        return brosse && pr.points.size() >= 3 && dansPolygone(pr.points, p.x + 0.5, p.y + 0.5);
    }
    case TypePrimitive::Pixel:
        return pr.points[0] == p;
    case TypePrimitive::Image:
        return dansRect(pr.rect, p);
    case TypePrimitive::Texte: {
        int32_t h = std::max<int32_t>(1, pr.etat.police.hauteur);
        Point o = pr.points[0];
        return dansRect(
            Rect{o.x, o.y, o.x + int32_t(pr.texte.size()) * largeurCelluleEnregistree(h), o.y + h}, p);
    }
    }
    return false;
}

void RenduEnregistre::polyligne(const EtatTrace& etat, const std::vector<Point>& points) {
    Primitive p;
    p.type = TypePrimitive::Polyligne;
    p.etat = etat;
    p.points = points;
    ajoute(std::move(p));
}

void RenduEnregistre::rectangle(const EtatTrace& etat, Rect r) {
    Primitive p;
    p.type = TypePrimitive::Rectangle;
    p.etat = etat;
    p.rect = r;
    ajoute(std::move(p));
}

void RenduEnregistre::ellipse(const EtatTrace& etat, Rect r) {
    Primitive p;
    p.type = TypePrimitive::Ellipse;
    p.etat = etat;
    p.rect = r;
    ajoute(std::move(p));
}

void RenduEnregistre::polygone(const EtatTrace& etat, const std::vector<Point>& points) {
    Primitive p;
    p.type = TypePrimitive::Polygone;
    p.etat = etat;
    p.points = points;
    ajoute(std::move(p));
}

void RenduEnregistre::pixel(const EtatTrace& etat, Point pt, Couleur c) {
    Primitive p;
    p.type = TypePrimitive::Pixel;
    p.etat = etat;
    p.points = {pt};
    p.couleur = c;
    ajoute(std::move(p));
}

void RenduEnregistre::texte(const EtatTrace& etat, Point pt, const std::string& texte) {
    Primitive p;
    p.type = TypePrimitive::Texte;
    p.etat = etat;
    p.points = {pt};
    p.texte = texte;
    ajoute(std::move(p));
}

Taille RenduEnregistre::mesureTexte(const Police& police, const std::string& texte) {
    int32_t h = std::max<int32_t>(1, police.hauteur);
    return Taille{int32_t(texte.size()) * largeurCelluleEnregistree(h), h};
}

void RenduEnregistre::image(const EtatTrace& etat, const Image& image, Rect source, Rect dest) {
    Primitive p;
    p.type = TypePrimitive::Image;
    p.etat = etat;
    p.rect = dest;
    p.source = source;
    p.tailleImage = Taille{image.largeur, image.hauteur};
    ajoute(std::move(p));
}

} // namespace km32::platform
