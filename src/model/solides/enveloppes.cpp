#include "model/solides/enveloppes.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "base/erreur.h"
#include "model/solides/orientation_exacte.h"
#include "model/solides/surface_convexe.h"
#include "model/vecteurs.h"

namespace km32 {

namespace {

constexpr double eps = kEpsilonEnveloppe;

// The hull builder's working sets, on the stack for one build: the record
// keeps only what the built polyhedron needs.
struct Chantier {
    std::array<TEnsembleSommets, kMaxSommetsPolyedre + 1> completes{}; // joined by an edge with both faces
    TEnsembleSommets supprimes;                                        // vertices that are not corners
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

bool listeUtilisateur(const TPolyedre& p) {
    return p.donneParSommets && !p.polygone;
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

// A vertex closer than eps to an earlier one is the same point: refused in
// a user's list, dropped otherwise.
void retireDoublons(TPolyedre& p, Chantier& ch) {
    const int n = p.nombreSommets;
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
}

// The vertex not removed that is farthest by the distance given, and that
// distance.
template <class Distance>
std::pair<int, double> plusLoin(const TPolyedre& p, const Chantier& ch, Distance distance) {
    int meilleur = 0;
    double dMax = -1;
    for (int v = 1; v <= p.nombreSommets; ++v) {
        if (ch.supprimes.test(v)) continue;
        const double dv = distance(V(p, v));
        if (dv > dMax) {
            dMax = dv;
            meilleur = v;
        }
    }
    return {meilleur, dMax};
}

// Three vertices far apart, for a plane that rounding hardly tilts: the
// first vertex, the one farthest from it and the one farthest from their
// line. None farther than eps from the line: the vertices are aligned (501).
std::array<int, 3> troisPointsEcartes(TPolyedre& p, const Chantier& ch) {
    const int n = p.nombreSommets;
    int a = 0;
    for (int v = 1; v <= n && !a; ++v)
        if (!ch.supprimes.test(v)) a = v;
    if (!a) echoue(p, kRaisonSommetsAlignes);
    const auto [b, ab] = plusLoin(p, ch, [&](const Tvecteur3& q) { return longueur(moins(q, V(p, a))); });
    if (ab < eps) echoue(p, kRaisonSommetsAlignes);
    const Tvecteur3 u = moins(V(p, b), V(p, a));
    const auto [c, aire] =
        plusLoin(p, ch, [&](const Tvecteur3& q) { return longueur(vectoriel(moins(q, V(p, a)), u)); });
    if (aire < eps) echoue(p, kRaisonSommetsAlignes);
    return {a, b, c};
}

// Four vertices not coplanar to start the triangulated hull: three far
// apart and the one farthest from their plane. None farther than eps from
// the plane: the vertices are coplanar (462).
std::array<int, 4> tetraedreDeDepart(TPolyedre& p, const Chantier& ch) {
    const auto [a, b, c] = troisPointsEcartes(p, ch);
    const Tvecteur3 normale = unitaire(vectoriel(moins(V(p, c), V(p, a)), moins(V(p, b), V(p, a))));
    const TPlanOriente q = planDe(normale, V(p, a));
    const auto [d, hauteur] =
        plusLoin(p, ch, [&](const Tvecteur3& x) { return std::fabs(valeurPlan(q, x)); });
    if (hauteur <= eps) echoue(p, kRaisonSommetsCoplanaires);
    return {a, b, c, d};
}

// Face 1 of a polygon. Its plane goes through three vertices far apart,
// turned the way the first three vertices not aligned turn; a vertex farther
// than eps from it: not coplanar (502). The corners come from an exact hull
// of the vertices written in the plane's own coordinates; a hull vertex
// within eps of the segment joining its two neighbours lies on a side and
// is no corner. Points on a side are dropped; points inside are refused in
// a user's list (496), dropped otherwise. The cycle starts with the side
// that holds the first vertex of the border, and turns counter-clockwise
// round the normal.
void facePolygone(TPolyedre& p, Chantier& ch) {
    const int n = p.nombreSommets;
    verifieIndice(n, 0, kMaxSommetsPolyedre, "polyhedron vertex count");
    p.nombreAretes = 0;
    p.nombreFaces = 1;
    TFace& F1 = face(p, 1);
    F1 = TFace{};
    p.voisins.efface();
    retireDoublons(p, ch);

    Tvecteur3 sens;
    bool trouve = false;
    for (int i = 1; i <= n - 2 && !trouve; ++i)
        for (int j = i + 1; j <= n - 1 && !trouve && !ch.supprimes.test(i); ++j)
            for (int k = j + 1; k <= n && !trouve && !ch.supprimes.test(j); ++k) {
                if (ch.supprimes.test(k)) continue;
                sens = vectoriel(moins(V(p, k), V(p, i)), moins(V(p, j), V(p, i)));
                trouve = longueur(sens) >= eps;
            }
    if (!trouve) echoue(p, kRaisonSommetsAlignes);
    const auto [a, b, c] = troisPointsEcartes(p, ch);
    Tvecteur3 normale = unitaire(vectoriel(moins(V(p, c), V(p, a)), moins(V(p, b), V(p, a))));
    if (scalaire(normale, sens) < 0) normale = {-normale.x, -normale.y, -normale.z};
    F1.plan = planDe(normale, V(p, a));
    for (int l = 1; l <= n; ++l)
        if (!ch.supprimes.test(l) && !surPlanEnveloppe(F1.plan, V(p, l), eps))
            echoue(p, kRaisonNonCoplanaires);

    // The vertices in the plane's coordinates (u, w), with u x w = normale.
    const Tvecteur3 u = unitaire(moins(V(p, b), V(p, a)));
    const Tvecteur3 w = vectoriel(normale, u);
    std::vector<Tvecteur3> plat(std::size_t(n + 1));
    std::vector<int> ordre;
    for (int l = 1; l <= n; ++l) {
        if (ch.supprimes.test(l)) continue;
        const Tvecteur3 r = moins(V(p, l), V(p, a));
        plat[std::size_t(l)] = {scalaire(r, u), scalaire(r, w), 0};
        ordre.push_back(l);
    }
    auto P = [&](int l) -> const Tvecteur3& { return plat[std::size_t(l)]; };
    // Counter-clockwise turn x -> y -> z, exactly.
    auto tourne = [&](int x, int y, int z) {
        return orientationExacte(P(x), P(y), P(z), {P(x).x, P(x).y, 1});
    };
    std::stable_sort(ordre.begin(), ordre.end(),
                     [&](int x, int y) { return P(x).x < P(y).x || (P(x).x == P(y).x && P(x).y < P(y).y); });
    // Monotone chain: the lower chain left to right, the upper one back.
    std::vector<int> bord;
    for (int passe = 0; passe < 2; ++passe) {
        const std::size_t depart = bord.size();
        for (std::size_t k = 0; k < ordre.size(); ++k) {
            const int l = passe == 0 ? ordre[k] : ordre[ordre.size() - 1 - k];
            while (bord.size() >= depart + 2 && tourne(bord[bord.size() - 2], bord.back(), l) <= 0)
                bord.pop_back();
            bord.push_back(l);
        }
        bord.pop_back();
    }
    const int tour = int(bord.size());
    if (tour < 3) echoue(p, kRaisonSommetsAlignes);

    // Corners: from the vertex that turns most, each side reaches as far
    // along the hull as its skipped vertices stay within eps of it; the
    // skipped vertices lie on that side and are no corners.
    auto surSegment = [&](int x, int debut, int fin) {
        const Tvecteur3 s = moins(P(fin), P(debut)), r = moins(P(x), P(debut));
        const double l2 = scalaire(s, s), t = scalaire(r, s);
        return t >= 0 && t <= l2 && std::fabs(s.x * r.y - s.y * r.x) <= eps * std::sqrt(l2);
    };
    auto sommetBord = [&](int k) { return bord[std::size_t(((k % tour) + tour) % tour)]; };
    int premier = 0;
    double plusAigu = -1;
    for (int k = 0; k < tour; ++k) {
        const Tvecteur3 s = moins(P(sommetBord(k + 1)), P(sommetBord(k - 1)));
        const Tvecteur3 r = moins(P(sommetBord(k)), P(sommetBord(k - 1)));
        const double ecart = std::fabs(s.x * r.y - s.y * r.x) / std::sqrt(scalaire(s, s));
        if (ecart > plusAigu) {
            plusAigu = ecart;
            premier = k;
        }
    }
    std::vector<char> coin(std::size_t(tour), 0);
    for (int k = premier; k < premier + tour;) {
        coin[std::size_t(k % tour)] = 1;
        int fin = k + 1;
        for (int j = k + 2; j <= premier + tour; ++j) {
            bool droit = true;
            for (int i = k + 1; i < j && droit; ++i)
                droit = surSegment(sommetBord(i), sommetBord(k), sommetBord(j));
            if (!droit) break;
            fin = j;
        }
        k = fin;
    }
    if (std::count(coin.begin(), coin.end(), 1) < 3) std::fill(coin.begin(), coin.end(), 1);
    int k0 = int(std::min_element(bord.begin(), bord.end()) - bord.begin());
    while (!coin[std::size_t(k0)])
        k0 = (k0 + tour - 1) % tour;
    std::vector<int> coins;
    for (int k = 0; k < tour; ++k) {
        const int l = bord[std::size_t((k0 + k) % tour)];
        if (coin[std::size_t((k0 + k) % tour)])
            coins.push_back(l);
        else
            ch.supprimes.set(l);
    }
    const int cotes = int(coins.size());
    if (cotes > kMaxCotesFace) echoue(p, kRaisonTropDeCotes);
    F1.nombreSommets = uint8_t(cotes);
    for (int k = 1; k <= cotes + 1; ++k)
        sommetCycle(F1, k) = uint8_t(coins[std::size_t((k - 1) % cotes)]);
    for (int k = 1; k <= cotes; ++k)
        ajouteArete(p, sommetCycle(F1, k), sommetCycle(F1, k + 1), 1);

    // The other vertices lie on a side or inside.
    for (int l : ordre) {
        if (ch.supprimes.test(l) || std::find(coins.begin(), coins.end(), l) != coins.end()) continue;
        bool surUnCote = false;
        for (int k = 1; k <= cotes && !surUnCote; ++k)
            surUnCote = surSegment(l, sommetCycle(F1, k), sommetCycle(F1, k + 1));
        if (!surUnCote && p.donneParSommets) echoue(p, kRaisonInterieurPolygone, l, 1);
        ch.supprimes.set(l);
    }
}

// The faces of the hull as the record keeps them: the corners of each face
// (the vertices of its border held by three faces or more), the face each
// corner side leads to, and the number each face gets in the record.
struct FacesDeLEnveloppe {
    SurfaceConvexe surface;
    std::vector<std::vector<int>> coins;
    std::vector<int> facesDuSommet; // per vertex: how many faces hold it on their border
    std::vector<char> coin;         // per vertex: a corner of every face whose border holds it
    std::vector<int> faceDuCote;    // the face whose corner cycle has the side u -> v
    std::vector<int> numero;        // per face: its number in the record, 0 until reached
    int taille = 0;
    int& faceDe(int u, int v) { return faceDuCote[std::size_t(u * taille + v)]; }
};

// Which border vertices are corners. A vertex on the borders of three faces
// or more is one. A run of vertices on the borders of two faces only, between
// two corners c and k, is the common side of those faces: its vertices are
// not corners when all lie within eps of the segment ck (decided once for
// the run, from the first face that holds it), and corners otherwise. A
// face that would keep fewer than three corners keeps them all, and a face
// whose corners would bend inwards by more than eps keeps the points on
// the sides round the corner that bends.
void choisitLesCoins(const TPolyedre& p, FacesDeLEnveloppe& E) {
    const int nf = int(E.surface.faces.size());
    E.coin.assign(std::size_t(p.nombreSommets + 1), 0);
    std::vector<char> decide(std::size_t(p.nombreSommets + 1), 0);
    for (int v = 1; v <= p.nombreSommets; ++v)
        E.coin[std::size_t(v)] = E.facesDuSommet[std::size_t(v)] >= 3;
    for (int m = 0; m < nf; ++m) {
        const std::vector<int>& bord = E.surface.faces[std::size_t(m)].bord;
        const int tour = int(bord.size());
        int k0 = 0;
        while (k0 < tour && !E.coin[std::size_t(bord[std::size_t(k0)])])
            ++k0;
        if (k0 == tour) continue;
        for (int k = 0; k < tour;) {
            const int c = bord[std::size_t((k0 + k) % tour)];
            int j = k + 1;
            while (!E.coin[std::size_t(bord[std::size_t((k0 + j) % tour)])])
                ++j;
            const int fin = bord[std::size_t((k0 + j) % tour)];
            bool droit = true;
            const Tvecteur3 u = moins(V(p, fin), V(p, c));
            const double l2 = scalaire(u, u);
            for (int i = k + 1; i < j; ++i) {
                const Tvecteur3 w = moins(V(p, bord[std::size_t((k0 + i) % tour)]), V(p, c));
                const double t = scalaire(w, u);
                droit = droit && t >= 0 && t <= l2 && longueur(vectoriel(w, u)) <= eps * std::sqrt(l2);
            }
            for (int i = k + 1; i < j; ++i) {
                const auto x = std::size_t(bord[std::size_t((k0 + i) % tour)]);
                if (decide[x]) continue;
                decide[x] = 1;
                E.coin[x] = !droit;
            }
            k = j;
        }
    }
    for (bool change = true; change;) {
        change = false;
        for (int m = 0; m < nf; ++m) {
            const std::vector<int>& bord = E.surface.faces[std::size_t(m)].bord;
            const auto coins =
                std::count_if(bord.begin(), bord.end(), [&](int v) { return E.coin[std::size_t(v)]; });
            if (coins < 3) {
                for (int v : bord)
                    E.coin[std::size_t(v)] = 1;
                change = true;
                continue;
            }
            // A corner more than eps inside the segment joining the corners
            // before and after it (the points dropped on the sides round it
            // bent the face inwards): those points stay corners. The border
            // itself never bends inwards by more than eps (surface_convexe.h).
            const Tvecteur3 n = normaleDe(E.surface.faces[std::size_t(m)].plan);
            const int tour = int(bord.size());
            std::vector<int> places;
            for (int k = 0; k < tour; ++k)
                if (E.coin[std::size_t(bord[std::size_t(k)])]) places.push_back(k);
            const int nc = int(places.size());
            for (int j = 0; j < nc && !change; ++j) {
                const int avant = places[std::size_t((j + nc - 1) % nc)], ici = places[std::size_t(j)],
                          apres = places[std::size_t((j + 1) % nc)];
                const Tvecteur3& U = V(p, bord[std::size_t(avant)]);
                const Tvecteur3 corde = moins(V(p, bord[std::size_t(apres)]), U);
                const double rentrant = scalaire(n, vectoriel(corde, moins(V(p, bord[std::size_t(ici)]), U)));
                if (rentrant <= eps * longueur(corde)) continue;
                for (int k = (avant + 1) % tour; k != apres; k = (k + 1) % tour)
                    if (!E.coin[std::size_t(bord[std::size_t(k)])]) {
                        E.coin[std::size_t(bord[std::size_t(k)])] = 1;
                        change = true;
                    }
            }
        }
    }
}

// Whether l, a point of the plane of face G, lies on its side u -> v: within
// eps of the side's line, between its ends.
bool surLeCote(const TPolyedre& p, const TFace& G, int u, int v, int l) {
    const Tvecteur3 cote = moins(V(p, v), V(p, u));
    const Tvecteur3 m = unitaire(vectoriel(cote, normaleDe(G.plan)));
    const Tvecteur3 w = moins(V(p, l), V(p, u));
    return std::fabs(scalaire(m, w)) <= eps && scalaire(w, cote) >= 0 &&
           scalaire(w, cote) <= scalaire(cote, cote);
}

// Records face m as face g of the record, its cycle starting at corner
// debut, then handles the vertices of its plane that are not corners: the
// points on its sides (refused with 508 in a user's list: the point and
// the side's two ends) and the points inside it (503).
void enregistreFace(TPolyedre& p, Chantier& ch, FacesDeLEnveloppe& E, int m, int g, int debut, int origine,
                    int position) {
    const std::vector<int>& coins = E.coins[std::size_t(m)];
    const int cotes = int(coins.size());
    if (cotes > kMaxCotesFace) echoue(p, kRaisonTropDeCotes);
    const int k0 = int(std::find(coins.begin(), coins.end(), debut) - coins.begin());
    if (k0 == cotes) throw ErreurInterne("hull: a face does not hold its first corner");
    E.numero[std::size_t(m)] = g;
    TFace& G = face(p, g);
    G = TFace{};
    G.plan = E.surface.faces[std::size_t(m)].plan;
    G.faceOrigine = uint8_t(origine);
    G.positionOrigine = uint8_t(position);
    G.nombreSommets = uint8_t(cotes);
    for (int k = 1; k <= cotes + 1; ++k)
        sommetCycle(G, k) = uint8_t(coins[std::size_t((k0 + k - 1) % cotes)]);
    for (int k = 1; k <= cotes; ++k)
        ajouteOuCompleteArete(p, ch, sommetCycle(G, k), sommetCycle(G, k + 1), g);

    // Points on the sides, in the order of the cycle from its first side.
    const FaceSurface& F = E.surface.faces[std::size_t(m)];
    const int tour = int(F.bord.size());
    const int b0 = int(std::find(F.bord.begin(), F.bord.end(), debut) - F.bord.begin());
    int precedent = debut;
    for (int k = 1; k <= tour; ++k) {
        const int l = F.bord[std::size_t((b0 + k) % tour)];
        if (E.coin[std::size_t(l)]) {
            precedent = l;
            continue;
        }
        if (ch.supprimes.test(l)) continue;
        int suivant = l;
        for (int j = k + 1; j <= k + tour && !E.coin[std::size_t(suivant)]; ++j)
            suivant = F.bord[std::size_t((b0 + j) % tour)];
        if (listeUtilisateur(p)) echoue(p, kRaisonSurArete, l, precedent, suivant);
        ch.supprimes.set(l);
    }
    // Points inside: vertices on no face's border (inside a face, or inside
    // the hull) within eps of the face's plane; the first face that holds
    // one names it.
    for (int l = 1; l <= p.nombreSommets; ++l) {
        if (ch.supprimes.test(l) || E.facesDuSommet[std::size_t(l)] > 0 || !F.surPlan.test(l)) continue;
        if (listeUtilisateur(p))
            for (int k = 1; k <= cotes; ++k) {
                const int u = sommetCycle(G, k), v = sommetCycle(G, k + 1);
                if (surLeCote(p, G, u, v, l)) echoue(p, kRaisonSurArete, l, u, v);
            }
        if (p.donneParSommets) echoue(p, kRaisonInterieurFace, l, g);
        ch.supprimes.set(l);
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
        const int n = p.nombreSommets;
        verifieIndice(n, 0, kMaxSommetsPolyedre, "polyhedron vertex count");
        p.nombreAretes = 0;
        p.nombreFaces = 0;
        p.voisins.efface();
        retireDoublons(p, ch);
        const auto [a, b, c, d] = tetraedreDeDepart(p, ch);
        TEnsembleSommets pris;
        for (int v = 1; v <= n; ++v)
            if (!ch.supprimes.test(v)) pris.set(v);

        FacesDeLEnveloppe E;
        E.surface = surfaceConvexe(p, pris, a, b, c, d, eps);
        const int nf = int(E.surface.faces.size());
        E.taille = n + 1;
        E.facesDuSommet.assign(std::size_t(n + 1), 0);
        E.faceDuCote.assign(std::size_t(E.taille * E.taille), -1);
        E.numero.assign(std::size_t(nf), 0);
        for (int m = 0; m < nf; ++m)
            for (int v : E.surface.faces[std::size_t(m)].bord)
                ++E.facesDuSommet[std::size_t(v)];
        choisitLesCoins(p, E);
        for (int m = 0; m < nf; ++m) {
            std::vector<int> coins;
            for (int v : E.surface.faces[std::size_t(m)].bord)
                if (E.coin[std::size_t(v)]) coins.push_back(v);
            for (std::size_t k = 0; k < coins.size(); ++k)
                E.faceDe(coins[k], coins[(k + 1) % coins.size()]) = m;
            E.coins.push_back(std::move(coins));
        }

        // Face 1: the face whose plane holds the first three vertices not
        // aligned, in increasing order; its cycle starts with the side that
        // holds the first of its border vertices.
        int premiere = -1;
        for (int i = 1; i <= n && premiere < 0; ++i) {
            if (!pris.test(i)) continue;
            for (int j = i + 1; j <= n && premiere < 0; ++j) {
                if (!pris.test(j)) continue;
                for (int k = j + 1; k <= n && premiere < 0; ++k) {
                    if (!pris.test(k)) continue;
                    if (longueur(vectoriel(moins(V(p, k), V(p, i)), moins(V(p, j), V(p, i)))) < eps) continue;
                    for (int m = 0; m < nf && premiere < 0; ++m) {
                        const TEnsembleSommets& s = E.surface.faces[std::size_t(m)].surPlan;
                        if (s.test(i) && s.test(j) && s.test(k)) premiere = m;
                    }
                }
            }
        }
        if (premiere < 0) premiere = 0;
        const std::vector<int>& bord = E.surface.faces[std::size_t(premiere)].bord;
        const int tour = int(bord.size());
        int k0 = int(std::min_element(bord.begin(), bord.end()) - bord.begin());
        while (!E.coin[std::size_t(bord[std::size_t(k0)])])
            k0 = (k0 + tour - 1) % tour;
        p.nombreFaces = 1;
        enregistreFace(p, ch, E, premiere, 1, bord[std::size_t(k0)], 0, 0);

        // Every face reached across the sides of the faces already found, in
        // order; large faces (at least 5 corners and half the vertices) are
        // pivoted round last.
        auto traiteFace = [&](int f) {
            const int cotes = face(p, f).nombreSommets;
            for (int k = 1; k <= cotes; ++k) {
                const int u = sommetCycle(face(p, f), k), v = sommetCycle(face(p, f), k + 1);
                if (ch.completes[v].test(u)) continue;
                const int m = E.faceDe(v, u);
                if (m < 0 || E.numero[std::size_t(m)] != 0)
                    throw ErreurInterne("hull: a side with no new face");
                if (p.nombreFaces + 1 > kMaxFacesPolyedre) echoue(p, kRaisonTropDeFaces);
                const int g = ++p.nombreFaces;
                enregistreFace(p, ch, E, m, g, v, f, k);
            }
        };
        for (int f = 1; f <= p.nombreFaces; ++f) {
            TFace& F = face(p, f);
            if (f > 1 && F.nombreSommets >= 5 && 2 * F.nombreSommets >= n) {
                F.marque = 1;
                continue;
            }
            traiteFace(f);
        }
        for (int f = 2; f <= p.nombreFaces; ++f)
            traiteFace(f);
        if (p.nombreFaces != nf) throw ErreurInterne("hull: a face was not reached");

        // A vertex on no edge lies inside the hull.
        for (int v = 1; v <= n; ++v) {
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
        facePolygone(p, ch);
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
