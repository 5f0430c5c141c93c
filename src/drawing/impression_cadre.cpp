#include "drawing/impression_cadre.h"

#include <cmath>
#include <utility>

#include "drawing/rafraichissement.h"
#include "drawing/rendu_styles.h"
#include "model/fenetres_figure.h"
#include "model/operations.h"

namespace km32 {

TetatZoneDessin& etatZoneDessin() {
    static TetatZoneDessin e;
    return e;
}

void reinitialiseZoneDessin() {
    etatZoneDessin() = TetatZoneDessin{};
}

platform::Rect cadreImpressionEnPixels(const TfigureKalmetra& f) {
    const double l = f.largeurImage, h = f.hauteurImage;
    return {arrondiBorne(l * f.cadreImage[0]), arrondiBorne(h * f.cadreImage[1]),
            arrondiBorne(l * f.cadreImage[2]), arrondiBorne(h * f.cadreImage[3])};
}

const TzoneDessin& calculeZoneDessin(const TfigureKalmetra& f) {
    TetatZoneDessin& e = etatZoneDessin();
    const int32_t largeur = f.largeurImage, hauteur = f.hauteurImage;
    TzoneDessin z;
    z.complet = {0, 0, largeur, hauteur};
    platform::Rect& r = z.zone;
    r = z.complet;
    // Room for the host's frame.
    if (!figureSansHote(f)) {
        r.droite -= 2;
        r.bas -= 2;
    }
    if ((etatRendu().copieEnCours || e.impressionEnCours) && f.imageLimitee) {
        const platform::Rect c = cadreImpressionEnPixels(f);
        if (c.gauche > 0) r.gauche = c.gauche;
        if (c.droite < largeur) r.droite = c.droite;
        if (c.haut > 0) r.haut = c.haut;
        if (c.bas < r.bas) r.bas = c.bas;
        if (e.impressionEnCours) {
            r.gauche += 4;
            r.haut += 4;
            r.droite -= 2;
            r.bas -= 2;
        }
    }
    z.largeur = r.droite - r.gauche + 1;
    if (z.largeur < largeur) ++z.largeur;
    z.hauteur = r.bas - r.haut + 1;
    z.gauche = r.gauche;
    z.haut = r.haut;
    e.zone = z;
    return e.zone;
}

void dessineCadreImpression(const TfigureKalmetra& f, platform::ContexteDessin& dc) {
    const platform::Rect c = cadreImpressionEnPixels(f);
    for (int32_t d : {0, 2}) {
        const int32_t l = c.gauche + d, t = c.haut + d, r = c.droite - d, b = c.bas - d;
        traceSegment(dc, l, t, r, t);
        traceSegment(dc, r, t, r, b);
        traceSegment(dc, r, b, l, b);
        traceSegment(dc, l, b, l, t);
    }
}

bool deplaceCoteCadreImpression(TfigureKalmetra& f, int32_t x, int32_t y, int cote) {
    platform::Rect c = cadreImpressionEnPixels(f);
    int32_t* valeur = nullptr;
    int32_t nouvelle = 0;
    switch (cote) {
    case 1:
        valeur = &c.haut, nouvelle = y;
        break;
    case 2:
        valeur = &c.gauche, nouvelle = x;
        break;
    case 3:
        valeur = &c.bas, nouvelle = y;
        break;
    case 4:
        valeur = &c.droite, nouvelle = x;
        break;
    default:
        return false;
    }
    if (*valeur == nouvelle) return false;
    *valeur = nouvelle;
    if (c.gauche > c.droite) std::swap(c.gauche, c.droite);
    if (c.haut > c.bas) std::swap(c.haut, c.bas);
    const int32_t largeur = f.largeurImage, hauteur = f.hauteurImage;
    if (c.gauche < 2) c.gauche = 2;
    if (c.droite > largeur) c.droite = largeur - 2;
    if (c.haut < 2) c.haut = 2;
    if (c.bas > hauteur) c.bas = hauteur - 2;
    if (c.droite - c.gauche < 20 || c.bas - c.haut < 20 || largeur <= 0 || hauteur <= 0) return false;
    auto fraction = [](int32_t pixels, int32_t cote) {
        return std::nearbyint(100.0 * pixels / cote) / 100.0;
    };
    f.cadreImage[0] = fraction(c.gauche, largeur);
    f.cadreImage[1] = fraction(c.haut, hauteur);
    f.cadreImage[2] = fraction(c.droite, largeur);
    f.cadreImage[3] = fraction(c.bas, hauteur);
    f.modifiee = 1;
    redessineFigure(f);
    return true;
}

} // namespace km32
