#include "model/solides/patron.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "base/erreur.h"
#include "model/calcul/raisons.h"
#include "model/objets_figure.h"
#include "model/operations.h"
#include "model/solides/enveloppes.h"

namespace km32 {

namespace {

// A rigid motion X -> R X + T.
struct TDeplacement {
    double R[3][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    Tvecteur3 T;
};

Tvecteur3 tourne(const TDeplacement& m, const Tvecteur3& v) {
    return {m.R[0][0] * v.x + m.R[0][1] * v.y + m.R[0][2] * v.z,
            m.R[1][0] * v.x + m.R[1][1] * v.y + m.R[1][2] * v.z,
            m.R[2][0] * v.x + m.R[2][1] * v.y + m.R[2][2] * v.z};
}

Tvecteur3 applique(const TDeplacement& m, const Tvecteur3& v) {
    const Tvecteur3 r = tourne(m, v);
    return {r.x + m.T.x, r.y + m.T.y, r.z + m.T.z};
}

// a after b: X -> a(b(X)).
TDeplacement compose(const TDeplacement& a, const TDeplacement& b) {
    TDeplacement m;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            m.R[i][j] = a.R[i][0] * b.R[0][j] + a.R[i][1] * b.R[1][j] + a.R[i][2] * b.R[2][j];
    m.T = applique(a, b.T);
    return m;
}

// The turn by angle (right-handed) about the line through A with unit
// direction u.
TDeplacement rotationAutour(const Tvecteur3& A, const Tvecteur3& u, double angle) {
    const double c = std::cos(angle), s = std::sin(angle), k = 1 - c;
    TDeplacement m;
    m.R[0][0] = c + u.x * u.x * k;
    m.R[0][1] = u.x * u.y * k - u.z * s;
    m.R[0][2] = u.x * u.z * k + u.y * s;
    m.R[1][0] = u.y * u.x * k + u.z * s;
    m.R[1][1] = c + u.y * u.y * k;
    m.R[1][2] = u.y * u.z * k - u.x * s;
    m.R[2][0] = u.z * u.x * k - u.y * s;
    m.R[2][1] = u.z * u.y * k + u.x * s;
    m.R[2][2] = c + u.z * u.z * k;
    const Tvecteur3 RA = tourne(m, A);
    m.T = {A.x - RA.x, A.y - RA.y, A.z - RA.z};
    return m;
}

Tvecteur3 normaleDe(const TPlanOriente& q) {
    return {q.a, q.b, q.c};
}

// The face g was reached from, when that face and the hinge position are
// usable (an earlier face, a side of its cycle); 0 otherwise: such a face
// does not turn.
int origineValide(const TPolyedre& p, int g) {
    const TFace& G = face(p, g);
    const int o = G.faceOrigine, k = G.positionOrigine;
    if (g < 2 || o < 1 || o >= g) return 0;
    if (k < 1 || k > face(p, o).nombreSommets) return 0;
    return o;
}

// The motion of face g relative to its origin face: the turn about the
// hinge edge that brings g's normal t of the way towards the origin's normal.
TDeplacement tourCharniere(const TPolyedre& p, int g, int o, double t) {
    const TFace& G = face(p, g);
    const TFace& O = face(p, o);
    const int k = G.positionOrigine;
    const Tvecteur3& A = sommet(p, sommetCycle(O, k + 1));
    const Tvecteur3& B = sommet(p, sommetCycle(O, k));
    Tvecteur3 u = {B.x - A.x, B.y - A.y, B.z - A.z};
    if (!normaliseSiNonNul(u.x, u.y, u.z)) return {};
    const Tvecteur3 ng = normaleDe(G.plan), no = normaleDe(O.plan);
    const double angle = t * arcCosinus(produitScalaire(ng.x, ng.y, ng.z, no.x, no.y, no.z));
    Tvecteur3 w;
    produitVectoriel(w.x, w.y, w.z, ng.x, ng.y, ng.z, no.x, no.y, no.z);
    // Turning about u by the angle between the normals brings ng onto no
    // when u points the way of ng x no; otherwise turn the other way.
    const double sens = produitScalaire(w.x, w.y, w.z, u.x, u.y, u.z) >= 0 ? 1 : -1;
    return rotationAutour(A, u, sens * angle);
}

// The face across the side (a, b) of face f; f itself when none is found.
int faceVoisine(const TPolyedre& p, int f, int a, int b) {
    const int e = numeroArete(p, a, b);
    if (e == 0) return f;
    const TArete& ar = arete(p, e);
    return ar.premiereFace == f ? ar.secondeFace : ar.premiereFace;
}

} // namespace

uint16_t construitPatron(const TPolyedre& P, double t, TDonneesPatron& patron) {
    patron.ouverture = t;
    patron.ferme = t == 0 ? 1 : 0;
    patron.plat = t == 1 ? 1 : 0;
    TPolyedre& N = patron.geometrie;
    N = TPolyedre{};
    N.centreGravite = P.centreGravite;

    // A polygon turns nothing: only its two faces are copied.
    const int F = P.polygone ? std::min<int>(P.nombreFaces, 2) : P.nombreFaces;
    verifieIndice(F, 0, kMaxFacesPolyedre, "net face count");

    std::array<int, kMaxFacesPolyedre + 1> base{};
    int copies = 0;
    for (int g = 1; g <= F; ++g) {
        base[g] = copies;
        copies += face(P, g).nombreSommets;
    }
    if (copies > kMaxSommetsPolyedre) return kRaisonSommetsPatron;

    // Each face's motion is its origin face's motion after its own turn, so
    // that a face carries along the faces that hang from it. Origins come
    // before the faces they lead to.
    std::array<int, kMaxFacesPolyedre + 1> origine{};
    std::array<TDeplacement, kMaxFacesPolyedre + 1> mouvement{};
    for (int g = 2; g <= F; ++g) {
        origine[g] = P.polygone ? 0 : origineValide(P, g);
        if (origine[g] != 0 && t != 0)
            mouvement[g] = compose(mouvement[origine[g]], tourCharniere(P, g, origine[g], t));
    }

    N.nombreFaces = uint8_t(F);
    N.nombreSommets = uint8_t(copies);
    for (int g = 1; g <= F; ++g) {
        const TFace& G = face(P, g);
        TFace& H = face(N, g);
        H.nombreSommets = G.nombreSommets;
        H.faceOrigine = G.faceOrigine;
        H.positionOrigine = G.positionOrigine;
        for (int j = 1; j <= G.nombreSommets; ++j) {
            sommet(N, base[g] + j) = applique(mouvement[g], sommet(P, sommetCycle(G, j)));
            sommetCycle(H, j) = uint8_t(base[g] + j);
        }
        if (G.nombreSommets > 0) sommetCycle(H, G.nombreSommets + 1) = uint8_t(base[g] + 1);
        const Tvecteur3 n = tourne(mouvement[g], normaleDe(G.plan));
        double d = G.plan.d;
        if (G.nombreSommets > 0) {
            const Tvecteur3& S = sommet(N, base[g] + 1);
            d = -produitScalaire(n.x, n.y, n.z, S.x, S.y, S.z);
        }
        H.plan = {n.x, n.y, n.z, d};
    }

    // Two faces still meet along their common side when the net is closed
    // or when one hangs from the other.
    auto seTouchent = [&](int g, int h) {
        return g != h && (patron.ferme || (origine[g] == h) || (origine[h] == g));
    };
    for (int g = 1; g <= F; ++g) {
        const TFace& G = face(P, g);
        for (int j = 1; j <= G.nombreSommets; ++j) {
            const int h = faceVoisine(P, g, sommetCycle(G, j), sommetCycle(G, j + 1));
            const bool commun = h >= 1 && h <= F && seTouchent(g, h);
            if (commun && h < g) continue; // drawn with face h
            if (N.nombreAretes >= kMaxAretesPolyedre) return kRaisonTropDAretes;
            const int a = base[g] + j, b = base[g] + (j == G.nombreSommets ? 1 : j + 1);
            ajouteArete(N, a, b, g);
            if (commun) arete(N, N.nombreAretes).secondeFace = uint8_t(h);
        }
    }
    return 0;
}

void calculeDonneesPatron(TfigureKalmetra& f, int i) {
    TObjetFigure& o = objet(f, i);
    TDonneesPatron& patron = patronDe(donneesPolyedreObjet(f, i));
    auto indefini = [&](uint16_t raison) {
        o.nonDefini = 1;
        o.raison = raison;
    };
    const int q = o.nombreParents >= 1 ? parentObjet(f, i, 1) : 0;
    if (q < 1) return indefini(raison::kCalculImpossible);
    const TObjetFigure& parent = objet(f, q);
    if (parent.nonDefini) return indefini(raison::kAntecedentNonValide);
    if (parent.emplacementSolide == 0) return indefini(raison::kCalculImpossible);
    const TDonneesPolyedre& d = donneesPolyedreObjet(f, q);
    if (d.genre != kGenrePolyedre) return indefini(raison::kCalculImpossible);
    const uint16_t raison = construitPatron(polyedreDe(d), valeurObjet(f, i, 1), patron);
    if (raison != 0) indefini(raison);
}

} // namespace km32
