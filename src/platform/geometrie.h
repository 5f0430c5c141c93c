#pragma once
// Points and rectangles in whole pixels, as windows and the mouse use them.
// A rectangle holds its left and top edges and excludes its right and bottom
// edges: its width is droite - gauche.
#include <algorithm>
#include <cstdint>

namespace km32::platform {

struct Point {
    int32_t x = 0;
    int32_t y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Rectangle {
    int32_t gauche = 0;
    int32_t haut = 0;
    int32_t droite = 0;
    int32_t bas = 0;
    int32_t largeur() const { return droite - gauche; }
    int32_t hauteur() const { return bas - haut; }
    // Nothing inside: no width or no height.
    bool estVide() const { return droite <= gauche || bas <= haut; }
    friend bool operator==(const Rectangle&, const Rectangle&) = default;
};

// The point lies inside (left and top edges included, right and bottom excluded).
inline bool pointDansRectangle(const Rectangle& r, Point p) {
    return p.x >= r.gauche && p.x < r.droite && p.y >= r.haut && p.y < r.bas;
}

// The smallest rectangle holding both; an empty rectangle adds nothing.
inline Rectangle unionRectangles(const Rectangle& a, const Rectangle& b) {
    if (a.estVide()) return b.estVide() ? Rectangle{} : b;
    if (b.estVide()) return a;
    return {std::min(a.gauche, b.gauche), std::min(a.haut, b.haut), std::max(a.droite, b.droite),
            std::max(a.bas, b.bas)};
}

// The common part of both; an empty rectangle (all zero) when they do not meet.
inline Rectangle intersectionRectangles(const Rectangle& a, const Rectangle& b) {
    Rectangle r{std::max(a.gauche, b.gauche), std::max(a.haut, b.haut), std::min(a.droite, b.droite),
                std::min(a.bas, b.bas)};
    return r.estVide() ? Rectangle{} : r;
}

// The rectangle moved by (dx, dy).
inline Rectangle decaleRectangle(const Rectangle& r, int32_t dx, int32_t dy) {
    return {r.gauche + dx, r.haut + dy, r.droite + dx, r.bas + dy};
}

} // namespace km32::platform
