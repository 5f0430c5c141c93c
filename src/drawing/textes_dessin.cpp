#include "drawing/textes_dessin.h"

#include <algorithm>
#include <cmath>

#include "base/texte.h"
#include "model/calcul/aides_construction.h"
#include "model/constructions_codes.h"
#include "model/nombres_texte.h"
#include "model/objets_figure.h"
#include "model/services_texte.h"

namespace km32 {

namespace {

namespace c = construction;

int parentOuZero(const TfigureKalmetra& f, int n, int k) {
    return objet(f, n).nombreParents >= k ? parentObjet(f, n, k) : 0;
}

std::string nomOuRien(const TfigureKalmetra& f, int i) {
    return i > 0 ? nomObjetOuVecteur(f, i) : std::string();
}

// A value of the display with its decimals (value 3, kept to 0..6 by the engine).
std::string nombreAffiche(const TfigureKalmetra& f, int n, double x) {
    const int decimales = int(std::lround(std::clamp(valeurObjet(f, n, 3), 0.0, 11.0)));
    std::string texte;
    texteDeReelPuissance(decimales, texte, x);
    return texte;
}

// The objects a display is about, as they are named in its text.
std::string nomsAffiches(const TfigureKalmetra& f, int n) {
    const int p1 = parentOuZero(f, n, 1), p2 = parentOuZero(f, n, 2);
    switch (objet(f, n).codeConstruction) {
    case c::kAffichageScalaire:
        return nomOuRien(f, p1);
    case c::kAffichageCoordonnees:
        return nomOuRien(f, p2);
    case c::kAffichageLongueur:
        // The segment is given by its two end points (or by itself).
        return p2 > 0 ? nomOuRien(f, p1) + nomOuRien(f, p2) : nomOuRien(f, p1);
    case c::kAffichageEquationPlan: {
        // A plane given by name, or by three of its points.
        const int p3 = parentOuZero(f, n, 3), p4 = parentOuZero(f, n, 4);
        if (p3 == 0) return nomOuRien(f, p2);
        return "(" + nomOuRien(f, p2) + nomOuRien(f, p3) + nomOuRien(f, p4) + ")";
    }
    default:
        return {};
    }
}

std::string valeurAffichee(const TfigureKalmetra& f, int n) {
    switch (objet(f, n).codeConstruction) {
    case c::kAffichageScalaire: {
        const int p1 = parentOuZero(f, n, 1);
        return p1 > 0 ? " = " + nombreAffiche(f, n, valeurObjet(f, p1, 1)) : std::string();
    }
    case c::kAffichageCoordonnees:
        return "(" + nombreAffiche(f, n, valeurObjet(f, n, 4)) + ", " +
               nombreAffiche(f, n, valeurObjet(f, n, 5)) + ", " + nombreAffiche(f, n, valeurObjet(f, n, 6)) +
               ")";
    case c::kAffichageLongueur:
        return " = " + nombreAffiche(f, n, valeurObjet(f, n, 4));
    case c::kAffichageEquationPlan: {
        std::string equation;
        texteEquationPlan(f, n, equation);
        return ":" + equation;
    }
    default:
        return {};
    }
}

// The "val(" items of a label replaced by their values; false when one
// could not be computed.
bool avecValeurs(const TfigureKalmetra& f, std::string& texte, std::size_t capacite) {
    if (texte.find("val(") == std::string::npos) return true;
    bool echec = false;
    remplaceValeursDansTexte(f, texte, capacite, echec);
    texte = coupe(texte, capacite);
    return !echec;
}

int32_t arrondi(double x) {
    return int32_t(std::lround(x));
}

} // namespace

std::string texteAffichage(const TfigureKalmetra& f, int n) {
    const TObjetFigure& o = objet(f, n);
    if (o.codeConstruction == c::kAffichageTexte) {
        std::string texte = texteEtiquetteObjet(f, n);
        // A value that cannot be computed shows as the replacement leaves it.
        avecValeurs(f, texte, kLongueurTexteAffichage);
        return texte;
    }
    std::string texte = nomsAffiches(f, n);
    if (!o.nonDefini) texte += valeurAffichee(f, n);
    return coupe(texte, kLongueurTexteAffichage);
}

void construitElementTexte(const TfigureKalmetra& f, int n, TelementDessin& e) {
    e.x = arrondi(valeurObjet(f, n, 1));
    e.y = arrondi(valeurObjet(f, n, 2));
    e.texte = texteAffichage(f, n);
    const EncombrementTQ m = EncombrementExpG(e.texte, f.traitsEpais ? kTailleGrosTexte : kTailleTexteNormal);
    e.largeur = m.largeur;
    e.hauteur = m.hauteur();
    e.decalage = -m.dessus;
}

bool construitEtiquettePoint(const TfigureKalmetra& f, int n, TelementDessin& e) {
    std::string texte = texteEtiquetteObjet(f, n);
    e.aEtiquette = texte.empty() ? 0 : 1;
    if (texte.empty()) texte = nomObjet(f, n);
    const bool ok = avecValeurs(f, texte, kLongueurEtiquette);
    e.etiquette = coupe(texte, kLongueurEtiquette);
    return ok;
}

platform::Point tailleEtiquette(const TfigureKalmetra& f, const TelementDessin& e) {
    if (e.aEtiquette) {
        const EncombrementTQ m = EncombrementExpG(e.etiquette, kTailleTexteNormal);
        int32_t w = m.largeur, h = m.hauteur();
        if (f.traitsEpais) {
            const bool grand = avecMarquesNumeriques(e.style);
            w = arrondi(w * (grand ? 26.0 : 14.0) / 8);
            h = arrondi(h * (grand ? 45.0 : 18.0) / 15);
        }
        return {w, h};
    }
    const std::string nom = coupe(e.etiquette, 10);
    const int32_t l = larg(kTailleTexteNormal), hc = haut(kTailleTexteNormal);
    const std::size_t n = nom.size();
    const bool prime = n >= 2 && (nom[1] == '\'' || nom[1] == '"');
    int32_t w = l * int32_t(n), h = hc;
    if (n > 2 && prime) w -= l;
    if (n > 2 || (n == 2 && !prime)) h += hc / 2;
    return {w, h};
}

platform::Point positionEtiquette(const TstyleObjet& s, int32_t x, int32_t y, int32_t w, int32_t h,
                                  int32_t largeur, int32_t hauteur) {
    const bool dessus = nomAuDessus(s), dessous = nomAuDessous(s);
    const bool gauche = nomAGauche(s), droite = nomADroite(s);
    if (dessus && gauche) return {x - w - 2, y - h - 2};
    if (dessus && droite) return {x + 2, y - h - 2};
    if (dessus) return {x - w / 2, y - h - 4};
    if (dessous && gauche) return {x - w - 2, y + 2};
    if (dessous && droite) return {x + 2, y + 2};
    if (dessous) return {x - w / 2, y + 4};
    if (gauche) return {x - w - 4, y - h / 2};
    if (droite) return {x + 4, y - h / 2};
    // No bit: on the side of the point away from the drawing's centre.
    return {x > largeur / 2 ? x + 2 : x - w - 2, y > hauteur / 2 ? y + 2 : y - h - 2};
}

void placeEtiquette(const TfigureKalmetra& f, TelementDessin& e) {
    const platform::Point taille = tailleEtiquette(f, e);
    e.largeur = taille.x;
    e.hauteur = taille.y;
    const platform::Point coin =
        positionEtiquette(e.style, e.x, e.y, taille.x, taille.y, f.largeurImage, f.hauteurImage);
    e.xEtiquette = coin.x;
    e.yEtiquette = coin.y;
}

void placeLegende(TfigureKalmetra& f, const std::string& texte) {
    if (!f.blocDessin) creeBlocDessin(f.blocDessin);
    TblocDessin& b = *f.blocDessin;
    b.legende = texte;
    const EncombrementTQ m = EncombrementExpG(texte, f.traitsEpais ? kTailleGrosTexte : kTailleTexteNormal);
    b.encombrementLegende = {0, m.dessus, m.largeur, m.dessous};
    b.hauteurLegende = m.dessous - m.dessus + 8;
    const bool bandeau = f.hauteurZoneAffichages > 0;
    b.hautLegende = bandeau ? f.hauteurImage - b.hauteurLegende : 0;
    b.basLegende = b.hautLegende + b.hauteurLegende;
    b.ligneLegende = bandeau ? b.hautLegende : b.basLegende;
}

} // namespace km32
