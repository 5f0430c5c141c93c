#include "model/solides/enveloppes.h"

#include <array>
#include <cmath>
#include <utility>

#include "base/erreur.h"
#include "model/vecteurs.h"

namespace km32 {

namespace {

constexpr double eps = kEpsilonEnveloppe;

// The hull builder's working sets, on the stack for one build: the record
// keeps only what the built polyhedron needs.
struct Chantier {
    std::array<TEnsembleSommets, kMaxSommetsPolyedre + 1> completes{}; // joined by an edge with both faces
    TEnsembleSommets supprimes;                                        // vertices that are not corners
    TEnsembleSommets surPlan;                                          // vertices of the face being built
    TEnsembleSommets colineaires;                                      // points on a side between two corners
    TEnsembleSommets exclus; // removed vertices and those of the face being pivoted round
};

// A failure of the hull with its reason; caught by the two entry points.
struct EchecEnveloppe {
    uint16_t raison;
};

[[noreturn]] void echoue(TPolyedre& p, uint16_t raison, int e1 = 0, int e2 = 0, int e3 = 0) {
    p.octetsErreur[1] = uint8_t(e1);
    p.octetsErreur[2] = uint8_t(e2);
    p.octetsErreur[3] = uint8_t(e3);
    throw EchecEnveloppe{raison};
}

double longueur(const Tvecteur3& v) {
    return norme3(v.x, v.y, v.z);
}
Tvecteur3 unitaire(const Tvecteur3& v) {
    const double n = longueur(v);
    return {v.x / n, v.y / n, v.z / n};
}
TPlanOriente planDe(const Tvecteur3& n, const Tvecteur3& point) {
    return {n.x, n.y, n.z, -scalaire(n, point)};
}
double valeurPlan(const TPlanOriente& q, const Tvecteur3& v) {
    return q.a * v.x + q.b * v.y + q.c * v.z + q.d;
}
Tvecteur3 normaleDe(const TPlanOriente& q) {
    return {q.a, q.b, q.c};
}

const Tvecteur3& V(const TPolyedre& p, int k) {
    return sommet(p, k);
}

// Gives the edge a -> b its second face f.
void completeArete(TPolyedre& p, Chantier& ch, int a, int b, int f) {
    const int e = numeroArete(p, a, b);
    if (e == 0) throw ErreurInterne("hull: completing an edge that does not exist");
    arete(p, e).secondeFace = uint8_t(f);
    ch.completes[a].set(b);
    ch.completes[b].set(a);
}

// Records a side of face f: a new edge, or the second face of an edge that
// an earlier face already holds.
void ajouteOuCompleteArete(TPolyedre& p, Chantier& ch, int a, int b, int f) {
    const int e = numeroArete(p, a, b);
    if (e == 0) {
        if (p.nombreAretes >= kMaxAretesPolyedre) echoue(p, kRaisonTropDAretes);
        ajouteArete(p, a, b, f);
        return;
    }
    const TArete& ar = arete(p, e);
    if (ar.premiereFace == f || ar.secondeFace != ar.premiereFace)
        throw ErreurInterne("hull edge claimed by a third face");
    completeArete(p, ch, a, b, f);
}

// Removes a point that is not a corner.
void supprime(Chantier& ch, int l) {
    ch.supprimes.set(l);
    ch.surPlan.reset(l);
}

bool listeUtilisateur(const TPolyedre& p) {
    return p.donneParSommets && !p.polygone;
}

// Wraps the cycle of face f, whose plane is set, from its first side a -> b.
void completeFace(TPolyedre& p, Chantier& ch, int f, int a, int b) {
    TFace& F = face(p, f);
    const Tvecteur3 n = normaleDe(F.plan);
    F.nombreSommets = 2;
    sommetCycle(F, 1) = uint8_t(a);
    sommetCycle(F, 2) = uint8_t(b);
    ajouteOuCompleteArete(p, ch, a, b, f);

    TEnsembleSommets candidats = ch.surPlan;
    candidats.reset(a);
    candidats.reset(b);
    int c = b;
    for (;;) {
        // The next corner: every other candidate lies on the inner side of
        // the side c -> k; among points on that side the farthest wins.
        int k = a;
        for (int l = 1; l <= p.nombreSommets; ++l) {
            if (!candidats.test(l)) continue;
            const Tvecteur3 u = moins(V(p, k), V(p, c));
            const Tvecteur3 m = unitaire(vectoriel(u, n));
            const double s = scalaire(m, moins(V(p, l), V(p, c)));
            if (s > eps)
                k = l;
            else if (s >= -eps && scalaire(moins(V(p, l), V(p, c)), u) > scalaire(u, u))
                k = l;
        }
        // Points on the side strictly between c and k are not corners.
        const Tvecteur3 u = moins(V(p, k), V(p, c));
        const Tvecteur3 m = unitaire(vectoriel(u, n));
        ch.colineaires.reset();
        for (int l = 1; l <= p.nombreSommets; ++l) {
            if (!candidats.test(l) || l == k) continue;
            const Tvecteur3 w = moins(V(p, l), V(p, c));
            if (std::fabs(scalaire(m, w)) <= eps && scalaire(w, u) > 0 && scalaire(w, u) < scalaire(u, u))
                ch.colineaires.set(l);
        }
        if (F.nombreSommets + 1 > kMaxCotesFace + 1 || (k != a && F.nombreSommets + 1 > kMaxCotesFace))
            echoue(p, kRaisonTropDeCotes);
        sommetCycle(F, F.nombreSommets + 1) = uint8_t(k);
        ajouteOuCompleteArete(p, ch, c, k, f);
        for (int l = 1; l <= p.nombreSommets; ++l) {
            if (!ch.colineaires.test(l)) continue;
            if (listeUtilisateur(p)) echoue(p, kRaisonSurArete, l, c, k);
            supprime(ch, l);
            candidats.reset(l);
        }
        if (k == a) break;
        ++F.nombreSommets;
        candidats.reset(k);
        c = k;
    }

    // The points of the plane that did not become corners lie inside the face.
    for (int l = 1; l <= p.nombreSommets; ++l) {
        if (!candidats.test(l)) continue;
        if (p.donneParSommets) echoue(p, p.polygone ? kRaisonInterieurPolygone : kRaisonInterieurFace, l, f);
        supprime(ch, l);
    }
}

// Drops the removed vertices and renumbers the others in the edges, the face
// cycles and the vertex sets.
void renumerote(TPolyedre& p, Chantier& ch) {
    std::array<uint8_t, kMaxSommetsPolyedre + 1> nouveau{};
    int n = 0;
    for (int v = 1; v <= p.nombreSommets; ++v) {
        if (ch.supprimes.test(v)) continue;
        nouveau[v] = uint8_t(++n);
        p.sommets[n] = p.sommets[v];
    }
    if (n == p.nombreSommets) return;
    for (int e = 1; e <= p.nombreAretes; ++e) {
        TArete& a = arete(p, e);
        a.premierSommet = nouveau[a.premierSommet];
        a.secondSommet = nouveau[a.secondSommet];
    }
    const int faces = p.polygone ? 1 : p.nombreFaces;
    for (int f = 1; f <= faces; ++f) {
        TFace& F = face(p, f);
        for (int k = 1; k <= F.nombreSommets + 1; ++k)
            sommetCycle(F, k) = nouveau[sommetCycle(F, k)];
    }
    auto remappe = [&](TEnsembleSommets& s) {
        TEnsembleSommets r;
        for (int v = 1; v <= p.nombreSommets; ++v)
            if (s.test(v) && nouveau[v]) r.set(nouveau[v]);
        s = r;
    };
    // Kept vertices only move down (nouveau[v] <= v), so the sets can be
    // moved in place in increasing order; the entries after the last vertex
    // are cleared.
    for (int v = 1; v <= p.nombreSommets; ++v) {
        if (!nouveau[v]) continue;
        TEnsembleSommets voisins = p.voisins[v], completes = ch.completes[v];
        remappe(voisins);
        remappe(completes);
        p.voisins[nouveau[v]] = voisins;
        ch.completes[nouveau[v]] = completes;
    }
    p.voisins.effaceDepuis(n + 1);
    for (int v = n + 1; v <= kMaxSommetsPolyedre; ++v)
        ch.completes[v].reset();
    p.nombreSommets = uint8_t(n);
    ch.supprimes.reset();
}

// Finds face 1 and wraps it.
void premiereFace(TPolyedre& p, Chantier& ch) {
    const int n = p.nombreSommets;
    verifieIndice(n, 0, kMaxSommetsPolyedre, "polyhedron vertex count");
    ch.supprimes.reset();
    p.nombreAretes = 0;
    p.nombreFaces = 1;
    TFace& F1 = face(p, 1);
    F1 = TFace{};
    p.voisins.efface();

    // Duplicates.
    for (int i = 1; i <= n; ++i) {
        if (ch.supprimes.test(i)) continue;
        for (int j = i + 1; j <= n; ++j) {
            if (ch.supprimes.test(j)) continue;
            if (longueur(moins(V(p, j), V(p, i))) < eps) {
                if (listeUtilisateur(p)) echoue(p, kRaisonSommetsConfondus, i, j);
                ch.supprimes.set(j);
            }
        }
    }

    // A plane through three points with every point on one side of it.
    bool trouve = false, dessus = false;
    Tvecteur3 normale;
    for (int i = 1; i <= n - 2 && !trouve; ++i) {
        if (ch.supprimes.test(i)) continue;
        for (int j = i + 1; j <= n - 1 && !trouve; ++j) {
            if (ch.supprimes.test(j)) continue;
            for (int k = j + 1; k <= n && !trouve; ++k) {
                if (ch.supprimes.test(k)) continue;
                Tvecteur3 m = vectoriel(moins(V(p, k), V(p, i)), moins(V(p, j), V(p, i)));
                if (longueur(m) < eps) continue;
                m = unitaire(m);
                const TPlanOriente q = planDe(m, V(p, i));
                bool haut = false, bas = false;
                ch.surPlan.reset();
                ch.surPlan.set(i).set(j).set(k);
                for (int l = 1; l <= n; ++l) {
                    if (ch.supprimes.test(l) || l == i || l == j || l == k) continue;
                    const double s = valeurPlan(q, V(p, l));
                    if (s > eps)
                        haut = true;
                    else if (s < -eps)
                        bas = true;
                    else
                        ch.surPlan.set(l);
                    if (haut && bas) break;
                    if (p.polygone && (haut || bas)) break;
                }
                if (p.polygone) {
                    if (haut || bas) echoue(p, kRaisonNonCoplanaires);
                } else {
                    if (haut && bas) continue;
                    if (!haut && !bas) echoue(p, kRaisonSommetsCoplanaires);
                }
                trouve = true;
                dessus = haut;
                normale = m;
                F1.plan = q;
            }
        }
    }
    if (!trouve) echoue(p, kRaisonSommetsAlignes);
    if (dessus) {
        normale = {-normale.x, -normale.y, -normale.z};
        F1.plan = {-F1.plan.a, -F1.plan.b, -F1.plan.c, -F1.plan.d};
    }

    // First side: a pair of points of the plane with every other one on the
    // same side of their line.
    int a = 0, b = 0;
    for (int i = 1; i <= n && !a; ++i) {
        if (!ch.surPlan.test(i)) continue;
        for (int j = 1; j <= n && !a; ++j) {
            if (j == i || !ch.surPlan.test(j)) continue;
            const Tvecteur3 m = unitaire(vectoriel(normale, moins(V(p, j), V(p, i))));
            bool gauche = false, droite = false;
            for (int l = 1; l <= n; ++l) {
                if (l == i || l == j || !ch.surPlan.test(l)) continue;
                const double s = scalaire(m, moins(V(p, l), V(p, i)));
                if (s > eps) gauche = true;
                if (s < -eps) droite = true;
                if (gauche && droite) break;
            }
            // Keep the pair whose other points lie on its left: the cycle
            // then turns counter-clockwise round the outward normal.
            if (gauche && !droite) {
                a = i;
                b = j;
            }
        }
    }
    if (!a) throw ErreurInterne("hull: no first side");

    // The ends of the side are its two extreme points; points between them
    // are not corners.
    const Tvecteur3 u = moins(V(p, b), V(p, a));
    const Tvecteur3 m = unitaire(vectoriel(normale, u));
    int debut = a, fin = b;
    double tDebut = 0, tFin = scalaire(u, u);
    ch.colineaires.reset();
    for (int l = 1; l <= n; ++l) {
        if (l == a || l == b || !ch.surPlan.test(l)) continue;
        const Tvecteur3 w = moins(V(p, l), V(p, a));
        if (std::fabs(scalaire(m, w)) > eps) continue;
        ch.colineaires.set(l);
        const double t = scalaire(w, u);
        if (t < tDebut) {
            tDebut = t;
            debut = l;
        }
        if (t > tFin) {
            tFin = t;
            fin = l;
        }
    }
    ch.colineaires.set(a).set(b);
    ch.colineaires.reset(debut).reset(fin);
    for (int l = 1; l <= n; ++l) {
        if (!ch.colineaires.test(l)) continue;
        if (listeUtilisateur(p)) echoue(p, kRaisonSurArete, l, debut, fin);
        supprime(ch, l);
    }
    completeFace(p, ch, 1, debut, fin);
}

// Pivots round the side cycle[k] -> cycle[k + 1] of face f to find the
// neighbouring face, then wraps it.
void ajouteFace(TPolyedre& p, Chantier& ch, int f, int k) {
    if (p.nombreFaces + 1 > kMaxFacesPolyedre) echoue(p, kRaisonTropDeFaces);
    const int g = p.nombreFaces + 1;
    const TFace& F = face(p, f);
    const int b = sommetCycle(F, k);
    const int a = sommetCycle(F, k + 1);
    ch.exclus = ch.supprimes;
    for (int l = 1; l <= F.nombreSommets; ++l)
        ch.exclus.set(sommetCycle(F, l));

    // The plane through a, b and a candidate; a candidate with points above
    // it gives way to the first of them, until none is above.
    const Tvecteur3 ab = moins(V(p, b), V(p, a));
    auto normaleVers = [&](int c, Tvecteur3& n) {
        n = vectoriel(ab, moins(V(p, c), V(p, a)));
        if (longueur(n) < eps) return false;
        n = unitaire(n);
        return true;
    };
    int c = 0;
    Tvecteur3 n;
    for (int l = 1; l <= p.nombreSommets && !c; ++l)
        if (!ch.exclus.test(l) && normaleVers(l, n)) c = l;
    if (!c) throw ErreurInterne("hull: no vertex to pivot to");
    TPlanOriente q = planDe(n, V(p, a));
    for (int tours = 0;; ++tours) {
        if (tours > 4 * kMaxSommetsPolyedre) throw ErreurInterne("hull: pivot does not settle");
        int dessus = 0;
        for (int l = 1; l <= p.nombreSommets && !dessus; ++l) {
            if (l == c || ch.exclus.test(l)) continue;
            Tvecteur3 m;
            if (valeurPlan(q, V(p, l)) > eps && normaleVers(l, m)) {
                dessus = l;
                n = m;
            }
        }
        if (!dessus) break;
        c = dessus;
        q = planDe(n, V(p, a));
    }
    ch.surPlan.reset();
    ch.surPlan.set(a).set(b);
    for (int l = 1; l <= p.nombreSommets; ++l)
        if (!ch.exclus.test(l) && std::fabs(valeurPlan(q, V(p, l))) <= eps) ch.surPlan.set(l);

    p.nombreFaces = uint8_t(g);
    TFace& G = face(p, g);
    G = TFace{};
    G.faceOrigine = uint8_t(f);
    G.positionOrigine = uint8_t(k);
    G.plan = q;
    completeFace(p, ch, g, a, b);
}

// Pivots round every side of face f that still lacks its second face.
void traiteFace(TPolyedre& p, Chantier& ch, int f) {
    const int cotes = face(p, f).nombreSommets;
    for (int k = 1; k <= cotes; ++k) {
        const TFace& F = face(p, f);
        const int a = sommetCycle(F, k), b = sommetCycle(F, k + 1);
        if (!ch.completes[b].test(a)) ajouteFace(p, ch, f, k);
    }
}

} // namespace

int numeroArete(const TPolyedre& p, int a, int b) {
    const int haut = std::max(a, b), bas = std::min(a, b);
    for (int e = 1; e <= p.nombreAretes; ++e) {
        const TArete& ar = arete(p, e);
        if (ar.premierSommet == haut && ar.secondSommet == bas) return e;
    }
    return 0;
}

void ajouteArete(TPolyedre& p, int a, int b, int f) {
    verifieCapacite(p.nombreAretes + 1, kMaxAretesPolyedre, "polyhedron edges");
    verifieIndice(a, 1, kMaxSommetsPolyedre, "polyhedron vertex");
    verifieIndice(b, 1, kMaxSommetsPolyedre, "polyhedron vertex");
    TArete& e = arete(p, ++p.nombreAretes);
    e.premierSommet = uint8_t(std::max(a, b));
    e.secondSommet = uint8_t(std::min(a, b));
    e.premiereFace = uint8_t(f);
    e.secondeFace = uint8_t(f);
    e.deFace = p.polygone;
    p.voisins[a].set(b);
    p.voisins[b].set(a);
}

void enveloppeConvexe3D(TPolyedre& p, uint8_t& nonDefini, uint16_t& raison) {
    Chantier ch;
    try {
        premiereFace(p, ch);
        // Large faces (at least 5 corners and half the vertices) are pivoted
        // round last; then every face is visited again so that the faces
        // found meanwhile are wrapped too.
        for (int f = 1; f <= p.nombreFaces; ++f) {
            TFace& F = face(p, f);
            if (f > 1 && F.nombreSommets >= 5 && 2 * F.nombreSommets >= p.nombreSommets) {
                F.marque = 1;
                continue;
            }
            traiteFace(p, ch, f);
        }
        for (int f = 2; f <= p.nombreFaces; ++f)
            traiteFace(p, ch, f);

        // A vertex on no edge lies inside the hull.
        for (int v = 1; v <= p.nombreSommets; ++v) {
            if (ch.supprimes.test(v) || p.voisins[v].any()) continue;
            if (p.donneParSommets) echoue(p, kRaisonInterieurPolyedre, v);
            ch.supprimes.set(v);
        }
        renumerote(p, ch);
    } catch (const EchecEnveloppe& e) {
        nonDefini = 1;
        raison = e.raison;
    }
}

void enveloppeConvexePlane(TPolyedre& p, uint8_t& nonDefini, uint16_t& raison) {
    Chantier ch;
    try {
        premiereFace(p, ch);
        renumerote(p, ch);
        const TFace& F1 = face(p, 1);
        const int cotes = F1.nombreSommets;
        // Face 2: the same plane turned the other way, its cycle reversed.
        TFace& F2 = face(p, 2);
        F2 = TFace{};
        F2.nombreSommets = uint8_t(cotes);
        for (int k = 1; k <= cotes + 1; ++k)
            sommetCycle(F2, k) = sommetCycle(F1, cotes + 2 - k);
        F2.plan = {-F1.plan.a, -F1.plan.b, -F1.plan.c, -F1.plan.d};
        // Side planes, outward, in faces 3 to 2 + sides.
        const Tvecteur3 n = normaleDe(F1.plan);
        for (int e = 1; e <= cotes; ++e) {
            const Tvecteur3& P = V(p, sommetCycle(F1, e));
            const Tvecteur3 m = unitaire(vectoriel(moins(V(p, sommetCycle(F1, e + 1)), P), n));
            TFace& S = face(p, 2 + e);
            S = TFace{};
            S.plan = planDe(m, P);
        }
        p.nombreFaces = 2;
        for (int e = 1; e <= p.nombreAretes; ++e)
            arete(p, e).secondeFace = 2;
    } catch (const EchecEnveloppe& e) {
        nonDefini = 1;
        raison = e.raison;
    }
}

} // namespace km32
