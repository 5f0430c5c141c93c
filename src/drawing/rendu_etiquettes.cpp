#include "drawing/rendu_etiquettes.h"

#include <cmath>
#include <vector>

#include "base/texte.h"
#include "drawing/rafraichissement.h"
#include "drawing/rendu_styles.h"
#include "drawing/vue_rafraichissement.h"
#include "model/objets_figure.h"
#include "sibling/texte_math.h"
#include "sibling/texte_math_dessin.h"

namespace km32 {

namespace {

constexpr int kCommandeSepareNoms = 85;
constexpr std::size_t kMaxBoitesPlacees = 250;

bool estPrime(char c) {
    return c == '\'' || c == '"';
}

int32_t arrondi(double v) {
    return int32_t(std::lround(v));
}

// The box of a label, right and bottom excluded.
platform::Rect boite(int32_t lx, int32_t ly, TtailleEtiquette t) {
    return {lx, ly, lx + t.largeur, ly + t.hauteur};
}

bool rencontre(const platform::Rect& a, const std::vector<platform::Rect>& placees) {
    for (const platform::Rect& b : placees)
        if (!platform::intersectionRectangles(a, b).estVide()) return true;
    return false;
}

} // namespace

TtailleEtiquette tailleNomEtiquette(const std::string& nomComplet) {
    const std::string nom = coupe(nomComplet, 10);
    const int32_t n = int32_t(nom.size());
    TtailleEtiquette t{larg() * n, haut()};
    if (n > 2 && estPrime(nom[1])) t.largeur -= larg();
    if (n > 2 || (n == 2 && !estPrime(nom[1]))) t.hauteur += haut() / 2;
    return t;
}

TtailleEtiquette tailleTexteEtiquette(const TfigureKalmetra& f, const TstyleObjet& style,
                                      const std::string& texte) {
    const EncombrementTQ m = EncombrementExpG(texte);
    TtailleEtiquette t{m.largeur, m.hauteur()};
    if (f.traitsEpais) {
        if (avecMarquesNumeriques(style)) {
            t.largeur = arrondi(t.largeur * 26.0 / 8.0);
            t.hauteur = arrondi(t.hauteur * 45.0 / 15.0);
        } else {
            t.largeur = arrondi(t.largeur * 14.0 / 8.0);
            t.hauteur = arrondi(t.hauteur * 18.0 / 15.0);
        }
    }
    return t;
}

void positionEtiquette(const TfigureKalmetra& f, const TstyleObjet& s, int32_t x, int32_t y,
                       TtailleEtiquette t, int32_t& lx, int32_t& ly) {
    const int32_t w = t.largeur, h = t.hauteur;
    const bool dessus = nomAuDessus(s), dessous = nomAuDessous(s), gauche = nomAGauche(s),
               droite = nomADroite(s);
    if (dessus && gauche) {
        lx = x - w - 2, ly = y - h - 2;
    } else if (dessus && droite) {
        lx = x + 2, ly = y - h - 2;
    } else if (dessus) {
        lx = x - w / 2, ly = y - h - 4;
    } else if (dessous && gauche) {
        lx = x - w - 2, ly = y + 2;
    } else if (dessous && droite) {
        lx = x + 2, ly = y + 2;
    } else if (dessous) {
        lx = x - w / 2, ly = y + 4;
    } else if (gauche) {
        lx = x - w - 4, ly = y - h / 2;
    } else if (droite) {
        lx = x + 4, ly = y - h / 2;
    } else {
        lx = x > f.largeurImage / 2 ? x + 2 : x - w - 2;
        ly = y > f.hauteurImage / 2 ? y + 2 : y - h - 2;
    }
}

bool aTexteEtiquette(const TfigureKalmetra& f, const TelementDessin& e) {
    return e.objet >= 1 && !texteEtiquetteObjet(f, e.objet).empty();
}

void placeEtiquettePoint(const TfigureKalmetra& f, TelementDessin& e) {
    if (!nomDessine(e.style) || !f.nomsPointsAffiches) return;
    const TtailleEtiquette t = aTexteEtiquette(f, e) ? tailleTexteEtiquette(f, e.style, e.etiquette)
                                                     : tailleNomEtiquette(e.etiquette);
    positionEtiquette(f, e.style, e.x, e.y, t, e.xEtiquette, e.yEtiquette);
}

void dessineTexteEtiquette(const TfigureKalmetra& f, platform::ContexteDessin& dc, const TelementDessin& e,
                           platform::Couleur couleur) {
    const platform::Point p = echellePoint(e.xEtiquette, e.yEtiquette);
    if (!platform::pointDansRectangle(etatRendu().rectangleDecoupe, p)) return;
    const std::string texte = coupe(e.etiquette, 80);
    if (texte.empty()) return;
    if (aTexteEtiquette(f, e)) {
        const double x = double(p.x) / larg(), y = double(p.y) / haut();
        if (etatRendu().grosTexte)
            ExpFormTailleTypCol(dc, texte, x, y, tailleFonteTQ(), typeFonteTQ(), couleur);
        else
            ExpForm(dc, texte, x, y);
        return;
    }
    // A plain name: its letter (with its prime), then the rest as a subscript.
    const std::size_t tete = (texte.size() >= 2 && estPrime(texte[1])) ? 2 : 1;
    EmessG(dc, texte.substr(0, tete), p.x, p.y);
    if (texte.size() > tete) EmessG(dc, texte.substr(tete), p.x + larg(), p.y + haut() / 2);
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
        const TtailleEtiquette t = tailleNomEtiquette(e->etiquette);
        int32_t lx = e->xEtiquette, ly = e->yEtiquette;
        if (rencontre(boite(lx, ly, t), placees)) {
            const int32_t autreY = ly > e->y ? e->y - t.hauteur - 2 : e->y + 2;
            const int32_t autreX = lx > e->x ? e->x - t.largeur - 3 : e->x + 2;
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
