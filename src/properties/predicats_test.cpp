// The predicate of each test code on the figure's current values.
#include "properties/predicats_test.h"

#include <cmath>
#include <numbers>

#include "model/objets_figure.h"
#include "model/operations.h"
#include "model/solides/polyedres.h"
#include "model/vecteurs.h"
#include "properties/primitives_test.h"

namespace km32 {

namespace {

constexpr double kDeuxPi = 6.2831854;

// What a scan of items (single objects, pairs or triples) found.
struct TAnalyse {
    bool tousValides = true;
    bool tousInvalides = true;
    int premierValide = 0;
    int dernierValide = 0;
    int premierInvalide = 0;
};

template <class Valide> TAnalyse analyse(int nombre, Valide valide) {
    TAnalyse a;
    for (int k = 1; k <= nombre; ++k) {
        if (valide(k)) {
            a.tousInvalides = false;
            if (a.premierValide == 0) a.premierValide = k;
            a.dernierValide = k;
        } else {
            a.tousValides = false;
            if (a.premierInvalide == 0) a.premierInvalide = k;
        }
    }
    return a;
}

int objetA(const TArgumentsTest& a, int k) {
    return k >= 1 && k <= a.nombre ? a.objets[std::size_t(k)] : 0;
}

// Two-answer form: points 1..nombrePoints against a reference that is valid
// or not, the row's predicate on each defined point.
template <class Predicat>
void pointsContreReference(const TfigureKalmetra& f, const TArgumentsTest& a, int nombrePoints,
                           bool referenceValide, Predicat predicat, bool variante, TReponseTest& r) {
    r.indecidable = 0;
    const TAnalyse an = analyse(nombrePoints, [&](int k) { return !estIndefini(f, objetA(a, k)); });
    if (an.tousInvalides || !referenceValide) {
        r.indecidable = 1;
        r.vrai = 1;
        return;
    }
    if (!an.tousValides) r.indecidable = 1;
    r.vrai = 1;
    for (int k = 1; k <= nombrePoints; ++k) {
        const int p = objetA(a, k);
        if (estIndefini(f, p)) continue;
        if (!predicat(p)) {
            r.vrai = 0;
            break;
        }
    }
    if (variante) r.vrai = !r.vrai;
}

// Four-answer form: the first valid item against every later valid one.
template <class Valide, class Egaux>
void compareQuatre(int nombre, Valide valide, Egaux egaux, TReponseTest& r) {
    const TAnalyse an = analyse(nombre, valide);
    r.indecidable = 0;
    if (an.tousInvalides) {
        r.indecidable = 1;
        r.vrai = 1;
        return;
    }
    if (!an.tousValides) {
        r.indecidable = 1;
        r.qualificatifSignale = 1;
        r.qualificatif = uint8_t(std::min(an.premierInvalide, 255));
    }
    r.vrai = 1;
    for (int k = an.premierValide + 1; k <= nombre; ++k) {
        if (!valide(k)) continue;
        if (!egaux(an.premierValide, k)) {
            r.vrai = 0;
            return;
        }
    }
}

// Objects of one kind compared by their first n values.
void objetsEgauxParValeurs(const TfigureKalmetra& f, const TArgumentsTest& a, int n, TReponseTest& r) {
    const double borne = borneAngle(0.0001);
    compareQuatre(
        a.nombre, [&](int k) { return !estIndefini(f, objetA(a, k)); },
        [&](int i, int j) { return valeursObjetsEgales(f, objetA(a, i), objetA(a, j), borne, n); }, r);
}

// ---- Points on an object ----

void pointsSurCercle(const TfigureKalmetra& f, const TArgumentsTest& a, bool arc, bool variante,
                     TReponseTest& r) {
    const int c = objetA(a, a.nombre);
    const bool valide = !estIndefini(f, c);
    auto surCercle = [&](int p) {
        const V3Test centre = pointObjet(f, c);
        const V3Test axe{valeurDepuisZero(f, c, 3), valeurDepuisZero(f, c, 4), valeurDepuisZero(f, c, 5)};
        const double rayon = valeurDepuisZero(f, c, 6);
        V3Test cp = moins(pointObjet(f, p), centre);
        if (!(std::fabs(longueur(cp) - rayon) < borneDistance(f, 0.0001))) return false;
        V3Test u = cp;
        if (unitaire(u) && !orthogonauxAvecTolerance(u, axe)) return false;
        if (!arc) return true;
        V3Test n = axe;
        double angleArc = valeurDepuisZero(f, c, 10);
        if (angleArc < 0) n = {-n.x, -n.y, -n.z}, angleArc = -angleArc;
        const V3Test debut = moins(
            V3Test{valeurDepuisZero(f, c, 7), valeurDepuisZero(f, c, 8), valeurDepuisZero(f, c, 9)}, centre);
        double angle = std::atan2(scalaire(vectoriel(debut, cp), n), scalaire(debut, cp));
        if (angle < 0) angle += kDeuxPi;
        if (angle >= kDeuxPi) angle -= kDeuxPi;
        return angle <= angleArc + 1e-9;
    };
    pointsContreReference(f, a, a.nombre - 1, valide, surCercle, variante, r);
}

void pointsAlignesTest(const TfigureKalmetra& f, const TArgumentsTest& a, bool variante, TReponseTest& r) {
    const int n = a.nombre;
    const TAnalyse an = analyse(n, [&](int k) { return !estIndefini(f, objetA(a, k)); });
    r.indecidable = an.tousValides ? 0 : 1;
    if (an.tousInvalides) {
        r.vrai = 1;
        return;
    }
    int premier = an.premierValide;
    const int dernier = an.dernierValide;
    auto confondus = [&](int i, int j) {
        V3Test u = moins(pointObjet(f, objetA(a, j)), pointObjet(f, objetA(a, i)));
        return !unitaire(u);
    };
    while (premier < dernier && confondus(premier, dernier)) {
        int suivant = premier + 1;
        while (suivant < dernier && estIndefini(f, objetA(a, suivant)))
            ++suivant;
        premier = suivant;
    }
    r.vrai = 1;
    if (dernier - premier >= 2) {
        for (int k = premier + 1; k < dernier; ++k) {
            const int p = objetA(a, k);
            if (estIndefini(f, p)) continue;
            if (!pointSurDroite(f, p, objetA(a, premier), objetA(a, dernier))) {
                r.vrai = 0;
                break;
            }
        }
    }
    if (variante) r.vrai = !r.vrai;
}

void pointsConfondus(const TfigureKalmetra& f, const TArgumentsTest& a, int debut, int nombre, bool variante,
                     TReponseTest& r) {
    auto valide = [&](int k) { return !estIndefini(f, objetA(a, debut + k - 1)); };
    const TAnalyse an = analyse(nombre, valide);
    r.indecidable = 0;
    if (an.tousInvalides) {
        r.indecidable = 1;
        r.vrai = 1;
        return;
    }
    if (!an.tousValides) {
        r.indecidable = 1;
        r.qualificatifSignale = 1;
        r.qualificatif = uint8_t(an.premierInvalide);
    }
    const int dernier = objetA(a, debut + an.dernierValide - 1);
    r.vrai = 1;
    for (int k = an.premierValide; k < an.dernierValide; ++k) {
        if (!valide(k)) continue;
        if (!pointsConfondusAvecTolerance(f, objetA(a, debut + k - 1), dernier)) {
            r.vrai = 0;
            break;
        }
    }
    if (variante) r.vrai = !r.vrai;
}

void pointsEgauxDeuxADeux(const TfigureKalmetra& f, const TArgumentsTest& a, TReponseTest& r) {
    const int m = a.nombre / 2;
    r.vrai = 1;
    r.indecidable = 0;
    for (int k = 1; k <= m; ++k) {
        TArgumentsTest paire;
        paire.nombre = 2;
        paire.objets[1] = uint8_t(objetA(a, k));
        paire.objets[2] = uint8_t(objetA(a, k + m));
        TReponseTest rp;
        pointsConfondus(f, paire, 1, 2, false, rp);
        if (rp.indecidable) r.indecidable = 1;
        if (rp.qualificatifSignale) r.qualificatifSignale = 1, r.qualificatif = rp.qualificatif;
        if (!rp.vrai) {
            r.vrai = 0;
            return;
        }
    }
}

void milieu(const TfigureKalmetra& f, const TArgumentsTest& a, bool variante, TReponseTest& r) {
    const int p = objetA(a, 1), m1 = objetA(a, 2), m2 = objetA(a, 3);
    if (estIndefini(f, p) || estIndefini(f, m1) || estIndefini(f, m2)) {
        r.indecidable = 1;
        r.vrai = 1;
        return;
    }
    r.indecidable = 0;
    const V3Test A = pointObjet(f, m1), B = pointObjet(f, m2);
    const V3Test M{(A.x + B.x) / 2, (A.y + B.y) / 2, (A.z + B.z) / 2};
    r.vrai = longueur(moins(pointObjet(f, p), M)) < borneDistance(f, 0.000001);
    if (variante) r.vrai = !r.vrai;
}

void imagesParTransformation(const TfigureKalmetra& f, const TArgumentsTest& a, TReponseTest& r) {
    const int t = objetA(a, a.nombre);
    const int m = (a.nombre - 1) / 2;
    r.indecidable = 0;
    r.vrai = 1;
    if (estIndefini(f, t) || m < 1) {
        r.indecidable = 1;
        return;
    }
    for (int k = 1; k <= m; ++k) {
        const int p = objetA(a, k), q = objetA(a, k + m);
        if (estIndefini(f, p) || estIndefini(f, q)) {
            r.indecidable = 1;
            continue;
        }
        const V3Test image = imageParTransformation(f, pointObjet(f, p), t);
        if (!(longueur(moins(pointObjet(f, q), image)) < borneDistance(f, 0.0001))) {
            r.vrai = 0;
            return;
        }
    }
}

// ---- Lines among themselves ----

int nombrePaires(int n) {
    return int(arrondiPair(n / 2.0));
}

bool paireValide(const TfigureKalmetra& f, const TArgumentsTest& a, int k, TDroiteTest& d) {
    return droiteDe(f, objetA(a, 2 * k - 1), objetA(a, 2 * k), d);
}

// Two-answer form over pairs: every earlier valid pair against the reference
// (the last valid pair, or the last pair of the list when derniere is set).
template <class Predicat>
void droitesEntreElles(const TfigureKalmetra& f, const TArgumentsTest& a, bool derniere, Predicat predicat,
                       bool variante, TReponseTest& r) {
    const int n = nombrePaires(a.nombre);
    TDroiteTest d;
    const TAnalyse an = analyse(n, [&](int k) { return paireValide(f, a, k, d); });
    r.indecidable = an.tousValides ? 0 : 1;
    if (an.tousInvalides) {
        r.vrai = 1;
        return;
    }
    const int reference = derniere ? n : an.dernierValide;
    TDroiteTest ref;
    if (!paireValide(f, a, reference, ref)) {
        r.vrai = 1;
        return;
    }
    r.vrai = 1;
    int valides = 0;
    for (int k = 1; k < reference; ++k) {
        if (!paireValide(f, a, k, d)) continue;
        ++valides;
        if (!predicat(d, ref)) {
            r.vrai = 0;
            break;
        }
    }
    if (valides == 0) r.vrai = 1;
    if (variante) r.vrai = !r.vrai;
}

bool paralleles(const TDroiteTest& d, const TDroiteTest& ref) {
    return colineaires(d.direction, ref.direction);
}

bool coplanaires(const TDroiteTest& d, const TDroiteTest& ref) {
    const V3Test w = moins(d.origine, ref.origine);
    return std::fabs(scalaire(vectoriel(d.direction, ref.direction), w)) < borneAngle(0.00000001);
}

void droitesEgales(const TfigureKalmetra& f, const TArgumentsTest& a, int genre, TReponseTest& r) {
    const int n = nombrePaires(a.nombre);
    TDroiteTest d;
    compareQuatre(
        n, [&](int k) { return paireValide(f, a, k, d); },
        [&](int i, int j) {
            TDroiteTest di, dj;
            paireValide(f, a, i, di);
            paireValide(f, a, j, dj);
            switch (genre) {
            case 24:
                return colineaires(di.direction, dj.direction) &&
                       pointSurDroiteTest(di.origine, dj, borneDistance(f, 0.0001));
            case 25:
                return memeSens(di.direction, dj.direction) &&
                       longueur(moins(di.origine, dj.origine)) < borneDistance(f, 0.0001);
            default: {
                const double e = borneDistance(f, 0.0001);
                auto proches = [&](const V3Test& p, const V3Test& q) { return longueur(moins(p, q)) < e; };
                return (proches(di.origine, dj.origine) && proches(di.second, dj.second)) ||
                       (proches(di.origine, dj.second) && proches(di.second, dj.origine));
            }
            }
        },
        r);
}

// Lines (pairs) then a plane (its last three arguments).
template <class Predicat>
void droitesEtPlan(const TfigureKalmetra& f, const TArgumentsTest& a, Predicat predicat, TReponseTest& r) {
    const int n = a.nombre;
    TPlanTest plan;
    const bool planValide = n >= 3 && planDe(f, objetA(a, n - 2), objetA(a, n - 1), objetA(a, n), plan);
    TArgumentsTest droites = a;
    droites.nombre = uint8_t(std::max(0, n - 3));
    const int paires = nombrePaires(droites.nombre);
    TDroiteTest d;
    const TAnalyse an = analyse(paires, [&](int k) { return paireValide(f, droites, k, d); });
    r.indecidable = an.tousValides ? 0 : 1;
    if (an.tousInvalides || !planValide) {
        r.indecidable = 1;
        r.vrai = 1;
        return;
    }
    r.vrai = 1;
    for (int k = 1; k <= paires; ++k) {
        if (!paireValide(f, droites, k, d)) continue;
        if (!predicat(d, plan)) {
            r.vrai = 0;
            return;
        }
    }
}

// ---- Planes ----

bool tripleValide(const TfigureKalmetra& f, const TArgumentsTest& a, int k, TPlanTest& p) {
    return planDe(f, objetA(a, 3 * k - 2), objetA(a, 3 * k - 1), objetA(a, 3 * k), p);
}

bool plansAccordes(const TPlanTest& p, const TPlanTest& q, bool avecConstante, double borne) {
    const double a[4] = {p.normale.x, p.normale.y, p.normale.z, avecConstante ? p.d : 0};
    const double b[4] = {q.normale.x, q.normale.y, q.normale.z, avecConstante ? q.d : 0};
    const double c[4] = {-b[0], -b[1], -b[2], -b[3]};
    return valeursEgales(a, b, 4, borne) || valeursEgales(a, c, 4, borne);
}

void plans(const TfigureKalmetra& f, const TArgumentsTest& a, bool egaux, TReponseTest& r) {
    const int n = int(arrondiPair(a.nombre / 3.0));
    TPlanTest p;
    const double borne = borneAngle(0.0001);
    const TAnalyse an = analyse(n, [&](int k) { return tripleValide(f, a, k, p); });
    if (egaux) {
        // Each earlier valid plane against the last valid one.
        r.indecidable = 0;
        r.vrai = 1;
        if (an.tousInvalides) {
            r.indecidable = 1;
            return;
        }
        if (!an.tousValides) {
            r.indecidable = 1;
            r.qualificatifSignale = 1;
            r.qualificatif = uint8_t(an.premierInvalide);
        }
        TPlanTest ref;
        tripleValide(f, a, an.dernierValide, ref);
        for (int k = 1; k < an.dernierValide; ++k) {
            if (tripleValide(f, a, k, p) && !plansAccordes(p, ref, true, borne)) {
                r.vrai = 0;
                return;
            }
        }
        return;
    }
    r.indecidable = an.tousValides ? 0 : 1;
    r.vrai = 1;
    if (an.tousInvalides) return;
    TPlanTest ref;
    tripleValide(f, a, an.dernierValide, ref);
    for (int k = 1; k < an.dernierValide; ++k) {
        if (!tripleValide(f, a, k, p)) continue;
        if (!plansAccordes(p, ref, false, borne)) {
            r.vrai = 0;
            return;
        }
    }
}

// ---- Circles and spheres ----

void cerclesEgaux(const TfigureKalmetra& f, const TArgumentsTest& a, TReponseTest& r) {
    const double borne = borneAngle(0.0001);
    compareQuatre(
        a.nombre, [&](int k) { return !estIndefini(f, objetA(a, k)); },
        [&](int i, int j) {
            const int c1 = objetA(a, i), c2 = objetA(a, j);
            double u[7], v[7];
            for (int k = 0; k < 7; ++k)
                u[k] = valeurDepuisZero(f, c1, k), v[k] = valeurDepuisZero(f, c2, k);
            return valeursEgales(u, v, 3, borne) && valeursEgales(u + 3, v + 3, 4, borne);
        },
        r);
}

void cerclesDansPlan(const TfigureKalmetra& f, const TArgumentsTest& a, TReponseTest& r) {
    const int n = a.nombre;
    TPlanTest plan;
    const bool planValide = n >= 4 && planDe(f, objetA(a, n - 2), objetA(a, n - 1), objetA(a, n), plan);
    const double borne = borneAngle(0.0001);
    pointsContreReference(
        f, a, n - 3, planValide,
        [&](int c) {
            const double axe[3] = {valeurDepuisZero(f, c, 3), valeurDepuisZero(f, c, 4),
                                   valeurDepuisZero(f, c, 5)};
            const double nn[3] = {plan.normale.x, plan.normale.y, plan.normale.z};
            const double no[3] = {-nn[0], -nn[1], -nn[2]};
            return (valeursEgales(axe, nn, 3, borne) || valeursEgales(axe, no, 3, borne)) &&
                   pointSurPlanTest(pointObjet(f, c), plan);
        },
        false, r);
}

void cerclesSurSphere(const TfigureKalmetra& f, const TArgumentsTest& a, TReponseTest& r) {
    const int s = objetA(a, a.nombre);
    pointsContreReference(
        f, a, a.nombre - 1, !estIndefini(f, s),
        [&](int c) {
            const V3Test centre = pointObjet(f, c);
            const V3Test axe{valeurDepuisZero(f, c, 3), valeurDepuisZero(f, c, 4), valeurDepuisZero(f, c, 5)};
            const double rayon = valeurDepuisZero(f, c, 6);
            const V3Test w = moins(centre, pointObjet(f, s));
            const double R = valeurDepuisZero(f, s, 3);
            const double w2 = scalaire(w, w);
            return colineaires(w, axe) && std::fabs(w2 + rayon * rayon - R * R) < borneAngle(0.0001);
        },
        false, r);
}

// ---- Solids ----

const TDonneesPolyedre* donneesSolide(const TfigureKalmetra& f, int i) {
    if (estIndefini(f, i)) return nullptr;
    const TObjetFigure& o = objet(f, i);
    if (o.emplacementSolide == 0 || !f.tableDesPolyedres) return nullptr;
    if (!f.tableDesPolyedres->donnees[o.emplacementSolide]) return nullptr;
    return &donneesPolyedreObjet(f, i);
}

const TPolyedre* polyedreObjet(const TfigureKalmetra& f, int i) {
    const TDonneesPolyedre* d = donneesSolide(f, i);
    if (!d || d->genre != kGenrePolyedre) return nullptr;
    return &polyedreDe(*d);
}

void solidesRondsEgaux(const TfigureKalmetra& f, const TArgumentsTest& a, TReponseTest& r) {
    auto valeurs = [&](int k, double v[8]) {
        const TDonneesPolyedre* d = donneesSolide(f, objetA(a, k));
        if (!d || d->genre != kGenreSolideRond) return false;
        // The two base centres, then the radius of each base (R the base at
        // B, r the other one; not R2, which is R squared).
        const TDonneesSolideRond& s = solideRondDe(*d);
        const double w[8] = {s.base.x,        s.base.y,        s.base.z, s.autreCentre.x,
                             s.autreCentre.y, s.autreCentre.z, s.R,      s.r};
        std::copy(w, w + 8, v);
        return true;
    };
    const double borne = borneAngle(0.0001);
    compareQuatre(
        a.nombre,
        [&](int k) {
            double v[8];
            return valeurs(k, v);
        },
        [&](int i, int j) {
            double u[8], v[8];
            valeurs(i, u);
            valeurs(j, v);
            // The second solid with its bases exchanged, centres and radii together.
            const double e[8] = {v[3], v[4], v[5], v[0], v[1], v[2], v[7], v[6]};
            return valeursEgales(u, v, 8, borne) || valeursEgales(u, e, 8, borne);
        },
        r);
}

// Every vertex of p has a vertex of q within the bound in each coordinate.
bool sommetsInclus(const TPolyedre& p, const TPolyedre& q, double borne) {
    for (int i = 1; i <= p.nombreSommets; ++i) {
        const Tvecteur3& s = sommet(p, i);
        bool trouve = false;
        for (int j = 1; j <= q.nombreSommets && !trouve; ++j) {
            const Tvecteur3& t = sommet(q, j);
            trouve =
                std::fabs(s.x - t.x) < borne && std::fabs(s.y - t.y) < borne && std::fabs(s.z - t.z) < borne;
        }
        if (!trouve) return false;
    }
    return true;
}

void polyedresEgaux(const TfigureKalmetra& f, const TArgumentsTest& a, TReponseTest& r) {
    const double borne = borneDistance(f, 0.0001);
    compareQuatre(
        a.nombre, [&](int k) { return polyedreObjet(f, objetA(a, k)) != nullptr; },
        [&](int i, int j) {
            const TPolyedre& p = *polyedreObjet(f, objetA(a, i));
            const TPolyedre& q = *polyedreObjet(f, objetA(a, j));
            return p.nombreSommets == q.nombreSommets && p.nombreFaces == q.nombreFaces &&
                   sommetsInclus(p, q, borne);
        },
        r);
}

bool plansPolygonesAccordes(const TPolyedre& p, const TPolyedre& q, double borne) {
    const TPlanOriente& a = p.faces[1].plan;
    const TPlanOriente& b = q.faces[1].plan;
    const double u[4] = {a.a, a.b, a.c, a.d};
    const double v[4] = {b.a, b.b, b.c, b.d};
    const double w[4] = {-b.a, -b.b, -b.c, -b.d};
    return valeursEgales(u, v, 4, borne) || valeursEgales(u, w, 4, borne);
}

void polygones(const TfigureKalmetra& f, const TArgumentsTest& a, bool inclus, TReponseTest& r) {
    const TPolyedre* p = polyedreObjet(f, objetA(a, 1));
    const TPolyedre* q = polyedreObjet(f, objetA(a, 2));
    r.vrai = 1;
    r.indecidable = 0;
    if (!p || !q) {
        r.indecidable = 1;
        if (!inclus && (p || q)) {
            r.qualificatifSignale = 1;
            r.qualificatif = p ? 2 : 1;
        }
        return;
    }
    const double borne = borneDistance(f, 0.0001);
    if (inclus ? q->nombreSommets < p->nombreSommets : q->nombreSommets != p->nombreSommets) {
        r.vrai = 0;
        return;
    }
    r.vrai = plansPolygonesAccordes(*p, *q, borne) && sommetsInclus(*p, *q, borne);
}

// ---- Numbers, functions and sequences ----

// Operand k of codes 61 to 66: a number object (its first value) or the real
// given with the request; false when the object is undefined.
bool operande(const TfigureKalmetra& f, const TArgumentsTest& a, int k, int reel, double& v) {
    const int i = a.objets[std::size_t(k)];
    if (i == kAucunObjet || i == 0) {
        v = a.reels[std::size_t(reel)];
        return true;
    }
    if (estIndefini(f, i)) return false;
    v = valeurDepuisZero(f, i, 0);
    return true;
}

void nombresEgaux(const TfigureKalmetra& f, const TArgumentsTest& a, TReponseTest& r) {
    double x = 0, y = 0;
    const bool dx = operande(f, a, 1, 1, x), dy = operande(f, a, 2, 2, y);
    r.indecidable = 0;
    r.vrai = 1;
    if (!dx || !dy) {
        r.indecidable = 1;
        if (dx != dy) r.qualificatifSignale = 1, r.qualificatif = dx ? 2 : 1;
        return;
    }
    r.vrai = std::fabs(x - y) < borneAngle(0.0001);
}

void ordreDeDeux(const TfigureKalmetra& f, const TArgumentsTest& a, TReponseTest& r) {
    double x = 0, y = 0;
    r.vrai = 1;
    r.indecidable = 0;
    if (!operande(f, a, 1, 1, x) || !operande(f, a, 2, 2, y)) {
        r.indecidable = 1;
        return;
    }
    r.vrai = x <= y;
}

void ordreDeTrois(const TfigureKalmetra& f, const TArgumentsTest& a, TReponseTest& r) {
    double v[4] = {0, 0, 0, 0};
    bool d[4] = {false, false, false, false};
    int indefinis = 0;
    for (int k = 1; k <= 3; ++k) {
        d[k] = operande(f, a, k, k, v[k]);
        if (!d[k]) ++indefinis;
    }
    r.indecidable = indefinis > 0;
    if (indefinis == 0)
        r.vrai = v[1] <= v[2] && v[2] <= v[3];
    else if (indefinis == 1)
        r.vrai = !d[1] ? v[2] <= v[3] : !d[2] ? v[1] <= v[3] : v[1] <= v[2];
    else
        r.vrai = 1;
}

void fonctionsOuSuitesEgales(const TfigureKalmetra& f, const TArgumentsTest& a, bool suites,
                             TReponseTest& r) {
    double bornes[3] = {0, 0, 0};
    const int nombreBornes = suites ? 2 : 3;
    for (int k = 1; k <= nombreBornes; ++k) {
        if (!operande(f, a, k + 2, k, bornes[k - 1])) {
            r.indecidable = 1;
            r.qualificatifSignale = 1;
            r.qualificatif = 255;
            return;
        }
    }
    if (suites) {
        for (int k = 0; k < 2; ++k) {
            if (bornes[k] < 0 || std::fabs(bornes[k] - std::round(bornes[k])) > 0.1) {
                r.indecidable = 1;
                r.qualificatifSignale = 1;
                r.qualificatif = 255;
                return;
            }
        }
    }
    const int u = objetA(a, 1), v = objetA(a, 2);
    const bool du = !estIndefini(f, u), dv = !estIndefini(f, v);
    r.indecidable = 0;
    r.vrai = 1;
    if (!du || !dv) {
        r.indecidable = 1;
        if (du != dv) r.qualificatifSignale = 1, r.qualificatif = du ? 2 : 1;
        return;
    }
    const double borne = borneAngle(0.0001);
    r.vrai = suites ? suitesEgalesSurIntervalle(f, u, v, bornes[0], bornes[1], borne)
                    : fonctionsEgalesSurIntervalle(f, u, v, bornes[0], bornes[1], bornes[2], borne);
}

} // namespace

void evaluePredicat(const TfigureKalmetra& f, uint8_t code, const TArgumentsTest& a, bool variante,
                    TReponseTest& r) {
    const int n = a.nombre;
    switch (code) {
    case 1:
    case 2:
    case 3: {
        const int d1 = objetA(a, n - 1), d2 = objetA(a, n);
        TDroiteTest d;
        const bool valide = n >= 3 && droiteDe(f, d1, d2, d);
        pointsContreReference(
            f, a, n - 2, valide,
            [&](int p) {
                if (code == 1) return pointSurDroite(f, p, d1, d2);
                if (code == 2) return pointSurSegment(f, p, d1, d2);
                return pointSurDemiDroite(f, p, d1, d2);
            },
            variante, r);
        break;
    }
    case 4:
    case 5:
        pointsSurCercle(f, a, code == 5, variante, r);
        break;
    case 6:
        pointsAlignesTest(f, a, variante, r);
        break;
    case 7:
        pointsConfondus(f, a, 1, n, variante, r);
        break;
    case 8:
        pointsEgauxDeuxADeux(f, a, r);
        break;
    case 9:
        milieu(f, a, variante, r);
        break;
    case 10:
        imagesParTransformation(f, a, r);
        break;
    case 11: {
        TPlanTest plan;
        const bool valide = n >= 4 && planDe(f, objetA(a, n - 2), objetA(a, n - 1), objetA(a, n), plan);
        pointsContreReference(
            f, a, n - 3, valide, [&](int p) { return pointSurPlanTest(pointObjet(f, p), plan); }, variante,
            r);
        break;
    }
    case 12: {
        const int s = objetA(a, n);
        pointsContreReference(
            f, a, n - 1, !estIndefini(f, s),
            [&](int p) {
                return std::fabs(normeDirectionObjet(f, s, p) - valeurDepuisZero(f, s, 3)) <
                       borneDistance(f, 0.0001);
            },
            false, r);
        break;
    }
    case 22:
        droitesEntreElles(f, a, false, paralleles, variante, r);
        break;
    case 23:
        droitesEntreElles(
            f, a, true,
            [](const TDroiteTest& d, const TDroiteTest& ref) {
                return orthogonauxAvecTolerance(d.direction, ref.direction);
            },
            variante, r);
        break;
    case 24:
    case 25:
    case 26:
        droitesEgales(f, a, code, r);
        break;
    case 27:
        droitesEtPlan(
            f, a,
            [&](const TDroiteTest& d, const TPlanTest& p) {
                return pointSurPlanTest(d.origine, p) && pointSurPlanTest(d.second, p);
            },
            r);
        break;
    case 28:
        droitesEtPlan(
            f, a,
            [](const TDroiteTest& d, const TPlanTest& p) {
                return orthogonauxAvecTolerance(d.direction, p.normale);
            },
            r);
        break;
    case 29:
        droitesEtPlan(
            f, a,
            [](const TDroiteTest& d, const TPlanTest& p) { return colineaires(d.direction, p.normale); }, r);
        break;
    case 31:
        droitesEntreElles(f, a, false, coplanaires, false, r);
        break;
    case 34:
        objetsEgauxParValeurs(f, a, 3, r);
        break;
    case 41:
        plans(f, a, true, r);
        break;
    case 42:
        plans(f, a, false, r);
        break;
    case 46:
        cerclesEgaux(f, a, r);
        break;
    case 47:
        cerclesDansPlan(f, a, r);
        break;
    case 48:
        cerclesSurSphere(f, a, r);
        break;
    case 49:
        objetsEgauxParValeurs(f, a, 11, r);
        break;
    case 51:
        objetsEgauxParValeurs(f, a, 4, r);
        break;
    case 52:
        solidesRondsEgaux(f, a, r);
        break;
    case 53:
        polyedresEgaux(f, a, r);
        break;
    case 55:
        polygones(f, a, false, r);
        break;
    case 56:
        polygones(f, a, true, r);
        break;
    case 59:
    case 71:
        objetsEgauxParValeurs(f, a, 12, r);
        break;
    case 61:
        nombresEgaux(f, a, r);
        break;
    case 62:
        ordreDeDeux(f, a, r);
        break;
    case 64:
        ordreDeTrois(f, a, r);
        break;
    case 65:
        fonctionsOuSuitesEgales(f, a, false, r);
        break;
    case 66:
        fonctionsOuSuitesEgales(f, a, true, r);
        break;
    case 67:
        objetsEgauxParValeurs(f, a, 1, r);
        break;
    default:
        break;
    }
}

} // namespace km32
