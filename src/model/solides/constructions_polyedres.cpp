#include "model/solides/constructions_polyedres.h"
#include "model/solides/objets_enveloppe.h"

#include <bitset>
#include <cmath>
#include <memory>
#include <numbers>
#include <variant>

#include "base/texte.h"
#include "model/constructions_codes.h"
#include "model/expression_erreurs.h"
#include "model/objets_figure.h"
#include "model/solides/enveloppes.h"
#include "model/solides/patron.h"
#include "model/solides/polyedres.h"

namespace km32 {

EtatPolyedres& etatPolyedres() {
    static EtatPolyedres etat;
    return etat;
}
void reinitialiseEtatPolyedres() {
    etatPolyedres() = EtatPolyedres{};
}

void marqueObjetIndefini(TfigureKalmetra& f, int i) {
    objet(f, i).nonDefini = 1;
}

namespace {

constexpr double eps = 1e-6;

void indefini(TfigureKalmetra& f, int i, uint16_t raison) {
    TObjetFigure& o = objet(f, i);
    o.nonDefini = 1;
    o.raison = raison;
}

Tvecteur3 pointObjet(const TfigureKalmetra& f, int i) {
    return {valeurDepuisZero(f, i, 0), valeurDepuisZero(f, i, 1), valeurDepuisZero(f, i, 2)};
}

// The polyhedron record of parent k of object i (k from 0).
const TPolyedre& polyedreParent(const TfigureKalmetra& f, int i, int k) {
    return polyedreDe(donneesPolyedreObjet(f, parentDepuisZero(f, i, k)));
}

// Appends a vertex; false (object undefined, reason 491) past 160 vertices.
bool ajouteSommet(TfigureKalmetra& f, int i, TPolyedre& p, const Tvecteur3& v) {
    if (p.nombreSommets >= kMaxSommetsPolyedre) {
        indefini(f, i, kRaisonTropDeSommets);
        return false;
    }
    sommet(p, ++p.nombreSommets) = v;
    return true;
}

// The point where edge AB crosses the plane, from the plane values of A and B.
Tvecteur3 pointDeCoupe(const Tvecteur3& A, double sA, const Tvecteur3& B, double sB) {
    const double a = std::fabs(sA), b = std::fabs(sB), t = a + b;
    return {(b * A.x + a * B.x) / t, (b * A.y + a * B.y) / t, (b * A.z + a * B.z) / t};
}

double valeurPlan(double a, double b, double c, double d, const Tvecteur3& v) {
    return a * v.x + b * v.y + c * v.z + d;
}

// The plane of the operand (k1, k2, k3) of object i (parent positions from 0).
bool planOperande(const TfigureKalmetra& f, int i, int k1, int k2, int k3, double& a, double& b, double& c,
                  double& d) {
    bool nul = false;
    normalePlan(f, parentDepuisZero(f, i, k1), parentDepuisZero(f, i, k2), nul, d, a, b, c,
                parentDepuisZero(f, i, k3));
    return !nul;
}

// Keeps the part of source on the negative side of the plane in the vertex
// list of p: its vertices on or below the plane and the crossings of its
// edges. Returns false (object undefined) past 160 vertices; interieurs counts
// the vertices strictly inside.
enum class Cote { sur, dedans, dehors };
bool coupeParPlan(TfigureKalmetra& f, int i, TPolyedre& p, const TPolyedre& source, double a, double b,
                  double c, double d, int& interieurs, int& exterieurs) {
    std::array<double, kMaxSommetsPolyedre + 1> s{};
    std::array<Cote, kMaxSommetsPolyedre + 1> cote{};
    interieurs = exterieurs = 0;
    p.nombreSommets = 0;
    for (int v = 1; v <= source.nombreSommets; ++v) {
        s[v] = valeurPlan(a, b, c, d, sommet(source, v));
        cote[v] = std::fabs(s[v]) <= eps ? Cote::sur : s[v] < 0 ? Cote::dedans : Cote::dehors;
        if (cote[v] == Cote::dehors) {
            ++exterieurs;
            continue;
        }
        if (cote[v] == Cote::dedans) ++interieurs;
        if (!ajouteSommet(f, i, p, sommet(source, v))) return false;
    }
    if (exterieurs == 0 || interieurs == 0) return true;
    for (int e = 1; e <= source.nombreAretes; ++e) {
        const TArete& ar = arete(source, e);
        const int A = ar.premierSommet, B = ar.secondSommet;
        if ((cote[A] == Cote::dedans && cote[B] == Cote::dehors) ||
            (cote[A] == Cote::dehors && cote[B] == Cote::dedans))
            if (!ajouteSommet(f, i, p, pointDeCoupe(sommet(source, A), s[A], sommet(source, B), s[B])))
                return false;
    }
    return true;
}

// The image of a point by the 12-value transformation t (t + R p).
Tvecteur3 imageParTransformationObjet(const TfigureKalmetra& f, int t, const Tvecteur3& p) {
    double m[12];
    for (int k = 0; k < 12; ++k)
        m[k] = valeurDepuisZero(f, t, k);
    return {m[0] + m[1] * p.x + m[2] * p.y + m[3] * p.z, m[4] + m[5] * p.x + m[6] * p.y + m[7] * p.z,
            m[8] + m[9] * p.x + m[10] * p.y + m[11] * p.z};
}

// The number of corners of a regular polygon or solid: 3 to 40, a value
// just below an integer taken as that integer.
bool nombreDeCotes(double n, int& cotes) {
    if (n < 3 || n > 40 || n - std::round(n) > eps) return false;
    cotes = int(std::round(n));
    return true;
}

// The frame of a regular polygon, solid or base: the axis direction a from
// parent 0 to parent 1, the side count (value kN, counted from 0), its centre
// O' in the plane of P through the axis, u = P - O' and w = u x a; P is parent
// kP (from 0). The checks come in that order, so that a wrong side count is
// the reason even when P lies on the axis. False with the reason on failure.
bool repereRegulier(const TfigureKalmetra& f, int i, int kN, int kP, int& cotes, Tvecteur3& centre,
                    Tvecteur3& u, Tvecteur3& w, Tvecteur3& axe, uint16_t& raison) {
    bool nul = false;
    directionUnitaire(f, parentDepuisZero(f, i, 0), parentDepuisZero(f, i, 1), nul, axe.x, axe.y, axe.z);
    if (nul) {
        raison = kRaisonPointsConfondus;
        return false;
    }
    if (!nombreDeCotes(valeurDepuisZero(f, i, kN), cotes)) {
        raison = kRaisonNombreSommets;
        return false;
    }
    const Tvecteur3 O = pointObjet(f, parentDepuisZero(f, i, 0));
    const Tvecteur3 P = pointObjet(f, parentDepuisZero(f, i, kP));
    const double h = produitScalaire(P.x - O.x, P.y - O.y, P.z - O.z, axe.x, axe.y, axe.z);
    centre = {O.x + h * axe.x, O.y + h * axe.y, O.z + h * axe.z};
    u = {P.x - centre.x, P.y - centre.y, P.z - centre.z};
    if (norme3(u.x, u.y, u.z) < eps) {
        raison = kRaisonPointSurAxe;
        return false;
    }
    produitVectoriel(w.x, w.y, w.z, u.x, u.y, u.z, axe.x, axe.y, axe.z);
    return true;
}

Tvecteur3 pointDuCercle(const Tvecteur3& centre, const Tvecteur3& u, const Tvecteur3& w, double theta) {
    const double c = std::cos(theta), s = std::sin(theta);
    return {centre.x + u.x * c + w.x * s, centre.y + u.y * c + w.y * s, centre.z + u.z * c + w.z * s};
}

} // namespace

// The names a refused vertex list gives the reason's "#1" and "#2", read
// from the error bytes the hull left in the object's record: vertex v (from
// 1) is parent v - 1 (from 0). Other reasons name nothing.
void nomsSommetsErreur(const TfigureKalmetra& f, int i, uint16_t raison, std::string& nom1,
                       std::string& nom2) {
    nom1.clear();
    nom2.clear();
    if (raison != kRaisonInterieurPolyedre && raison != kRaisonInterieurPolygone &&
        raison != kRaisonInterieurFace && raison != kRaisonSurArete && raison != kRaisonSommetsConfondus)
        return;
    const int k = objet(f, i).emplacementSolide;
    if (k < 1 || k > kMaxEmplacementsPolyedres || !f.tableDesPolyedres || !f.tableDesPolyedres->donnees[k])
        return;
    const TDonneesPolyedre& d = donneesPolyedreObjet(f, i);
    if (!std::holds_alternative<TEnBoite<TPolyedre>>(d.contenu)) return;
    const TPolyedre& p = polyedreDe(d);
    auto nomSommet = [&](int v) {
        if (v < 1 || v > objet(f, i).nombreParents) return std::string();
        return nomObjet(f, parentDepuisZero(f, i, v - 1));
    };
    switch (raison) {
    case kRaisonInterieurPolyedre: {
        nom1 = nomSommet(p.octetsErreur[1]);
        std::string noms;
        for (int v = 1; v <= p.nombreSommets; ++v)
            if (p.voisins[v].any()) noms += nomSommet(v);
        nom2 = coupe(noms, 160);
        break;
    }
    case kRaisonInterieurPolygone:
    case kRaisonInterieurFace: {
        nom1 = nomSommet(p.octetsErreur[1]);
        std::string noms;
        const int k = p.octetsErreur[2];
        if (k >= 1 && k <= kMaxFacesPolyedre) {
            const TFace& F = face(p, k);
            for (int l = 1; l <= F.nombreSommets; ++l)
                noms += nomSommet(sommetCycle(F, l));
        }
        nom2 = coupe(noms, 160);
        break;
    }
    case kRaisonSurArete:
        nom1 = nomSommet(p.octetsErreur[1]);
        nom2 = coupe(nomSommet(p.octetsErreur[2]) + nomSommet(p.octetsErreur[3]), 160);
        break;
    case kRaisonSommetsConfondus:
        nom1 = nomSommet(p.octetsErreur[1]);
        nom2 = nomSommet(p.octetsErreur[2]);
        break;
    default:
        break;
    }
}

void sommetsDesParents(TfigureKalmetra& f, int i) {
    TPolyedre& p = polyedreDe(donneesPolyedreObjet(f, i));
    p.donneParSommets = 1;
    p.nombreSommets = 0;
    const int n = objet(f, i).nombreParents;
    for (int k = 0; k < n; ++k)
        if (!ajouteSommet(f, i, p, pointObjet(f, parentDepuisZero(f, i, k)))) return;
}

void sectionPolyedrePlan(TfigureKalmetra& f, int i) {
    double a = 0, b = 0, c = 0, d = 0;
    if (!planOperande(f, i, 1, 2, 3, a, b, c, d)) return indefini(f, i, kRaisonPlanNonValide);
    const TPolyedre& source = polyedreParent(f, i, 0);
    TPolyedre& p = polyedreDe(donneesPolyedreObjet(f, i));
    p.nombreSommets = 0;
    std::array<double, kMaxSommetsPolyedre + 1> s{};
    std::array<bool, kMaxSommetsPolyedre + 1> sur{};
    for (int v = 1; v <= source.nombreSommets; ++v) {
        s[v] = valeurPlan(a, b, c, d, sommet(source, v));
        sur[v] = std::fabs(s[v]) < eps;
        if (sur[v] && !ajouteSommet(f, i, p, sommet(source, v))) return;
    }
    for (int e = 1; e <= source.nombreAretes; ++e) {
        const TArete& ar = arete(source, e);
        const int A = ar.premierSommet, B = ar.secondSommet;
        if (sur[A] || sur[B] || s[A] * s[B] > 0) continue;
        if (!ajouteSommet(f, i, p, pointDeCoupe(sommet(source, A), s[A], sommet(source, B), s[B]))) return;
    }
    if (p.nombreSommets < 3) indefini(f, i, kRaisonSectionVide);
}

void intersectionDemiEspace(TfigureKalmetra& f, int i) {
    double a = 0, b = 0, c = 0, d = 0;
    if (!planOperande(f, i, 0, 1, 2, a, b, c, d)) return indefini(f, i, kRaisonPlanNonValide);
    const double s = valeurPlan(a, b, c, d, pointObjet(f, parentDepuisZero(f, i, 3)));
    if (std::fabs(s) <= eps) return indefini(f, i, kRaisonDemiEspaceIndefini);
    if (s > 0) {
        a = -a;
        b = -b;
        c = -c;
        d = -d;
    }
    const TPolyedre& source = polyedreParent(f, i, 4);
    TPolyedre& p = polyedreDe(donneesPolyedreObjet(f, i));
    int interieurs = 0, exterieurs = 0;
    if (!coupeParPlan(f, i, p, source, a, b, c, d, interieurs, exterieurs)) return;
    if (exterieurs == 0) return;
    if (interieurs == 0 || p.nombreSommets < 3) indefini(f, i, kRaisonDemiEspaceVide);
}

void intersectionPolyedres(TfigureKalmetra& f, int i) {
    TPolyedre& p = polyedreDe(donneesPolyedreObjet(f, i));
    auto travail = std::make_unique<TPolyedre>(polyedreParent(f, i, 0));
    const TPolyedre& B = polyedreParent(f, i, 1);
    // B's face planes are copied first: the record being filled is never
    // read again while it changes.
    std::array<TPlanOriente, kMaxFacesPolyedre + 1> plans{};
    const int faces = B.nombreFaces;
    verifieIndice(faces, 0, kMaxFacesPolyedre, "polyhedron face count");
    for (int g = 1; g <= faces; ++g)
        plans[g] = face(B, g).plan;
    for (int g = 1; g <= faces; ++g) {
        const TPlanOriente& q = plans[g];
        int interieurs = 0, exterieurs = 0;
        if (!coupeParPlan(f, i, p, *travail, q.a, q.b, q.c, q.d, interieurs, exterieurs)) return;
        if (interieurs == 0 || p.nombreSommets < 3) return indefini(f, i, kRaisonPolyedresDisjoints);
        if (g < faces) {
            uint8_t nonDefini = 0;
            uint16_t raison = 0;
            p.donneParSommets = 0;
            enveloppeConvexe3D(p, nonDefini, raison);
            if (nonDefini) return indefini(f, i, raison);
            *travail = p;
        }
    }
}

void imagePolyedre(TfigureKalmetra& f, int i) {
    const TPolyedre& source = polyedreParent(f, i, 0);
    const int t = parentDepuisZero(f, i, 1);
    TPolyedre& p = polyedreDe(donneesPolyedreObjet(f, i));
    const int n = source.nombreSommets;
    verifieIndice(n, 0, kMaxSommetsPolyedre, "polyhedron vertex count");
    std::array<Tvecteur3, kMaxSommetsPolyedre + 1> images{};
    for (int v = 1; v <= n; ++v)
        images[v] = imageParTransformationObjet(f, t, sommet(source, v));
    p.nombreSommets = uint8_t(n);
    for (int v = 1; v <= n; ++v)
        sommet(p, v) = images[v];
}

void polygoneRegulier(TfigureKalmetra& f, int i) {
    Tvecteur3 centre, u, w, axe;
    uint16_t raison = 0;
    int n = 0;
    if (!repereRegulier(f, i, 0, 2, n, centre, u, w, axe, raison)) return indefini(f, i, raison);
    TPolyedre& p = polyedreDe(donneesPolyedreObjet(f, i));
    p.nombreSommets = uint8_t(n);
    sommet(p, 1) = pointObjet(f, parentDepuisZero(f, i, 2));
    for (int k = 1; k <= n - 1; ++k)
        sommet(p, k + 1) = pointDuCercle(centre, u, w, -2 * std::numbers::pi * k / n);
}

void prismeOuPyramideRegulier(TfigureKalmetra& f, int i) {
    Tvecteur3 centre, u, w, axe;
    uint16_t raison = 0;
    int n = 0;
    if (!repereRegulier(f, i, 1, 2, n, centre, u, w, axe, raison)) return indefini(f, i, raison);
    // Value 3 holds the height already taken to model units (the height
    // read in the object's unit of length times that unit).
    const double H = valeurDepuisZero(f, i, 2);
    const Tvecteur3 t = {H * axe.x, H * axe.y, H * axe.z};
    auto plus = [&](const Tvecteur3& v) { return Tvecteur3{v.x + t.x, v.y + t.y, v.z + t.z}; };
    TPolyedre& p = polyedreDe(donneesPolyedreObjet(f, i));
    const Tvecteur3 P = pointObjet(f, parentDepuisZero(f, i, 2));
    sommet(p, 2) = P;
    for (int k = 1; k <= n - 1; ++k)
        sommet(p, k + 2) = pointDuCercle(centre, u, w, 2 * std::numbers::pi * k / n);
    if (objet(f, i).codeConstruction == construction::kPyramideReguliere) {
        p.nombreSommets = uint8_t(n + 1);
        sommet(p, 1) = plus(centre);
    } else {
        p.nombreSommets = uint8_t(2 * n);
        sommet(p, 1) = plus(P);
        for (int k = 3; k <= n + 1; ++k)
            sommet(p, 2 * n + 3 - k) = plus(sommet(p, k));
    }
}

namespace {

// The construction codes of the objects a hull may take: points and polygons,
// and for a hull polyhedron also polyhedra.
std::bitset<256> codesEnveloppe(bool polygone) {
    std::bitset<256> s;
    auto plage = [&](int a, int b) {
        for (int c = a; c <= b; ++c)
            s.set(std::size_t(c));
    };
    plage(1, 21);
    plage(24, 29);
    plage(132, 140);
    for (int c : {105, 148, 155, 156, 161, 189, 192, 202, 203, 206, 209, 254})
        s.set(std::size_t(c));
    if (!polygone)
        for (int c : {150, 174, 176, 181, 211, 212, 213, 249})
            s.set(std::size_t(c));
    return s;
}

} // namespace

bool estConstructionDEnveloppe(uint8_t code, bool enveloppePolygone) {
    static const std::bitset<256> polygone = codesEnveloppe(true), polyedre = codesEnveloppe(false);
    return (enveloppePolygone ? polygone : polyedre).test(code);
}

void enveloppeDePoints(TfigureKalmetra& f, int i) {
    TPolyedre& p = polyedreDe(donneesPolyedreObjet(f, i));
    p.nombreSommets = 0;
    const int n = objet(f, i).nombreParents;
    const bool polygone = objet(f, i).codeConstruction == construction::kPolygoneEnveloppe;
    for (int k = 0; k < n; ++k)
        if (!estConstructionDEnveloppe(objet(f, parentDepuisZero(f, i, k)).codeConstruction, polygone))
            return indefini(f, i, polygone ? kRaisonPasPointNiPolygone : kRaisonPasPointNiPolygoneNiPolyedre);
    for (int k = 0; k < n; ++k) {
        const int q = parentDepuisZero(f, i, k);
        const uint8_t nature = objet(f, q).nature;
        if (nature == kNaturePolyedreConvexe || nature == kNaturePolygoneConvexe) {
            const TPolyedre& source = polyedreDe(donneesPolyedreObjet(f, q));
            for (int v = 1; v <= source.nombreSommets; ++v)
                if (!ajouteSommet(f, i, p, sommet(source, v))) return;
        } else if (!ajouteSommet(f, i, p, pointObjet(f, q))) {
            return;
        }
    }
    if (p.nombreSommets < 3) indefini(f, i, kRaisonSommetsAlignes);
}

void calculeDonneesPolyedre(TfigureKalmetra& f, int i) {
    namespace c = construction;
    TObjetFigure& o = objet(f, i);
    // A net keeps its own record kind, built from its polyhedron.
    if (o.codeConstruction == c::kPatron) return calculeDonneesPatron(f, i);
    TPolyedre& p = polyedreDe(donneesPolyedreObjet(f, i));
    const EtatPolyedres& etat = etatPolyedres();
    p.retirageAleatoire = p.polygone && etat.retirageAleatoire && !etat.echantillonnageLieu;
    p.donneParSommets = 0;
    switch (o.codeConstruction) {
    case c::kPolygoneEnveloppe:
    case c::kPolyedreEnveloppe:
        enveloppeDePoints(f, i);
        break;
    case c::kSectionPolyedre:
        sectionPolyedrePlan(f, i);
        break;
    case c::kImagePolyedre:
    case c::kImagePolygone:
        imagePolyedre(f, i);
        break;
    case c::kPolygoneConvexe:
    case c::kPolyedreConvexe:
        sommetsDesParents(f, i);
        break;
    case c::kPolygoneRegulier:
        polygoneRegulier(f, i);
        break;
    case c::kIntersectionPolyedreDemiEspace:
        intersectionDemiEspace(f, i);
        break;
    case c::kIntersectionPolyedres:
        intersectionPolyedres(f, i);
        break;
    case c::kPrismeRegulier:
    case c::kPyramideReguliere:
        prismeOuPyramideRegulier(f, i);
        break;
    default:
        // A given solid keeps the vertices its text gave it.
        break;
    }
    if (o.nonDefini) return;

    Tvecteur3 g;
    const int n = p.nombreSommets;
    for (int v = 1; v <= n; ++v) {
        g.x += sommet(p, v).x;
        g.y += sommet(p, v).y;
        g.z += sommet(p, v).z;
    }
    if (n > 0) g = {g.x / n, g.y / n, g.z / n};
    p.centreGravite = g;

    uint8_t nonDefini = 0;
    uint16_t raison = 0;
    if (o.nature == kNaturePolygoneConvexe)
        enveloppeConvexePlane(p, nonDefini, raison);
    else
        enveloppeConvexe3D(p, nonDefini, raison);
    if (!nonDefini) return;
    indefini(f, i, raison);
    // The error names a message shown right after this computation uses.
    if (p.donneParSommets) nomsSommetsErreur(f, i, raison, nomErreur1(), nomErreur2());
}

} // namespace km32
