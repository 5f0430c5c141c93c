// The sampling step of curves.
#include "model/evaluation_courbe.h"

#include "model/figure.h"
#include "model/objets_figure.h"
#include "model/vecteurs.h"

namespace km32 {

namespace {

using Tv3 = std::array<double, 3>;

// Runs one record at t; false when its value does not exist.
bool evalue(const TfigureKalmetra& f, TExpressionCompilee& e, double t, double& x) {
    e.cases[e.caseVariable] = t;
    evalueExpressionCompilee(f, e);
    if (e.arret) return false;
    x = e.cases[1];
    return true;
}

bool dansLesBornes(const TfigureKalmetra& f, const Tv3& p) {
    return !horsDesBornes(f, p[0]) && !horsDesBornes(f, p[1]) && !horsDesBornes(f, p[2]);
}

Tv3 moins(const Tv3& a, const Tv3& b) {
    return {a[0] - b[0], a[1] - b[1], a[2] - b[2]};
}

bool unitaire(Tv3& v) {
    return normaliseSiNonNul(v[0], v[1], v[2]);
}

bool evaluePoint(TechantillonnageCourbe& c, double t, Tv3& p) {
    return c.graphe ? evaluePointDeGraphe(c, t, p) : evaluePointDeCourbe(c, t, p);
}

} // namespace

bool evaluePointDeGraphe(TechantillonnageCourbe& c, double t, Tv3& p) {
    double y = 0;
    if (!evalue(*c.figure, *c.expressions[0], t, y)) return false;
    for (std::size_t k = 0; k < 3; ++k)
        p[k] = c.origine[k] + t * c.axe1[k] + y * c.axe2[k];
    return dansLesBornes(*c.figure, p);
}

bool evaluePointDeCourbe(TechantillonnageCourbe& c, double t, Tv3& p) {
    Tv3 q{};
    for (std::size_t k = 0; k < 3; ++k)
        if (!evalue(*c.figure, *c.expressions[k], t, q[k])) return false;
    if (c.repereAbsolu)
        p = q;
    else
        for (std::size_t k = 0; k < 3; ++k)
            p[k] = c.origine[k] + q[0] * c.axe1[k] + q[1] * c.axe2[k] + q[2] * c.axe3[k];
    return dansLesBornes(*c.figure, p);
}

bool directionsProches(const Tv3& a, const Tv3& b) {
    Tv3 ua = a, ub = b;
    if (!unitaire(ua) || !unitaire(ub)) return false;
    return produitScalaire(ua[0], ua[1], ua[2], ub[0], ub[1], ub[2]) > 0.95;
}

void verifieMilieu(TechantillonnageCourbe& c, double t, const Tv3& p) {
    Tv3 milieu{};
    if (!evaluePoint(c, (c.tPrecedent + t) / 2, milieu)) {
        c.etat = 1;
        return;
    }
    Tv3 h1 = moins(milieu, c.precedent), h2 = moins(p, milieu);
    const bool nuls = !unitaire(h1) || !unitaire(h2);
    if (!nuls && produitScalaire(h1[0], h1[1], h1[2], h2[0], h2[1], h2[2]) <= 0.95) {
        c.etat = 1; // a break: the new sample starts a new piece
        return;
    }
    c.etat = 2;
    c.corde = moins(p, milieu);
}

bool avanceCourbe(TechantillonnageCourbe& c, double t, Tv3& p) {
    if (!evaluePoint(c, t, p)) {
        c.etat = 0;
        return false;
    }
    switch (c.etat) {
    case 0:
        c.etat = 1;
        break;
    case 1:
        verifieMilieu(c, t, p);
        break;
    default: {
        const Tv3 corde = moins(p, c.precedent);
        Tv3 essai = corde;
        if (!unitaire(essai)) break; // no move: the direction is kept
        if (directionsProches(corde, c.corde))
            c.corde = corde;
        else
            verifieMilieu(c, t, p);
        break;
    }
    }
    return true;
}

void rangeEchantillon(TfigureKalmetra& f, TechantillonnageCourbe& c, double t) {
    Tv3 p{};
    if (!avanceCourbe(c, t, p) || c.etat == 0) return;
    Techantillon& e = echantillon(f, objet(f, c.objet).premierEchantillon + c.compteur);
    e.rupture = c.etat == 1 ? 1 : 0;
    e.x = coordonneeEntiere(f, p[0]);
    e.y = coordonneeEntiere(f, p[1]);
    e.z = coordonneeEntiere(f, p[2]);
    c.precedent = p;
    c.tPrecedent = t;
    ++c.compteur;
}

} // namespace km32
