#include "drawing/rendu_etiquettes.h"

#include <cmath>
#include <vector>

#include "base/texte.h"
#include "drawing/rafraichissement.h"
#include "drawing/rendu_styles.h"
#include "drawing/textes_dessin.h"
#include "drawing/vue_rafraichissement.h"
#include "model/objets_figure.h"
#include "sibling/texte_math.h"
#include "sibling/texte_math_dessin.h"

namespace km32 {

namespace {

constexpr int kCommandeSepareNoms = 85;
constexpr std::size_t kMaxBoitesPlacees = 250;

// The box of a label, right and bottom excluded.
platform::Rect boite(int32_t lx, int32_t ly, platform::Point t) {
    return {lx, ly, lx + t.x, ly + t.y};
}

bool rencontre(const platform::Rect& a, const std::vector<platform::Rect>& placees) {
    for (const platform::Rect& b : placees)
        if (!platform::intersectionRectangles(a, b).estVide()) return true;
    return false;
}

} // namespace

void dessineTexteEtiquette(platform::ContexteDessin& dc, const TelementDessin& e, platform::Couleur couleur) {
    const platform::Point p = echellePoint(e.xEtiquette, e.yEtiquette);
    if (!platform::pointDansRectangle(etatRendu().rectangleDecoupe, p)) return;
    const std::string texte = coupe(e.etiquette, 80);
    if (texte.empty()) return;
    if (e.aEtiquette) {
        const double x = double(p.x) / larg(), y = double(p.y) / haut();
        if (etatRendu().grosTexte)
            ExpFormTailleTypCol(dc, texte, x, y, tailleFonteTQ(), typeFonteTQ(), couleur);
        else
            ExpForm(dc, texte, x, y);
        return;
    }
    // A plain name: its letter (with its prime), then the rest as a
    // subscript half a cell lower, set together in the face of
    // mathematical text so that the subscript follows the letter closely.
    EmessNomG(dc, texte, p.x, p.y);
}

bool separeNomsDesPoints(TfigureKalmetra& f) {
    if (!etapesVue().commandeAutorisee(f, kCommandeSepareNoms) || !f.nomsPointsAffiches || f.modeTrace)
        return false;
    std::vector<platform::Rect> placees;
    bool considere = false, deplace = false;
    for (int i = 14; i <= f.nombreObjets; ++i) {
        TelementDessin* e = elementDessin(f, i);
        if (!e || e->type != kDessinPoint || !nomDessine(e->style)) continue;
        considere = true;
        const platform::Point t = tailleEtiquette(f, *e);
        int32_t lx = e->xEtiquette, ly = e->yEtiquette;
        if (rencontre(boite(lx, ly, t), placees)) {
            const int32_t autreY = ly > e->y ? e->y - t.y - 2 : e->y + 2;
            const int32_t autreX = lx > e->x ? e->x - t.x - 3 : e->x + 2;
            const int32_t essais[3][2] = {{lx, autreY}, {autreX, ly}, {autreX, autreY}};
            for (const auto& essai : essais) {
                lx = essai[0];
                ly = essai[1];
                if (!rencontre(boite(lx, ly, t), placees)) break;
            }
            deplace = deplace || lx != e->xEtiquette || ly != e->yEtiquette;
            e->xEtiquette = lx;
            e->yEtiquette = ly;
        }
        if (placees.size() < kMaxBoitesPlacees) placees.push_back(boite(lx, ly, t));
    }
    if (considere) f.modifiee = 1;
    repeintFigureEcran(f);
    return deplace;
}

} // namespace km32
