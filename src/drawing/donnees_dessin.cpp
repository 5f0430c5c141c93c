#include "drawing/donnees_dessin.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <mutex>
#include <numbers>

#include "drawing/donnees_hachures.h"
#include "drawing/traces.h"
#include "model/catalogue.h"
#include "model/couleur_par_scalaires.h"
#include "model/objets_figure.h"
#include "model/services_dessin.h"
#include "model/solides/mesures_solides.h"
#include "model/solides/parties_cachees.h"
#include "model/solides/polyedres.h"
#include "model/vecteurs.h"

namespace km32 {

using calcul::V3;
namespace c = construction;

namespace {

constexpr double kDeuxPi = 2 * std::numbers::pi;

bool limiteDefinie(const TfigureKalmetra& f, int limite) {
    return limite != 0 && objet(f, limite).nonDefini == 0;
}

bool dansBoite(const TfigureKalmetra& f, V3 p) {
    return !horsDesBornes(f, p.x) && !horsDesBornes(f, p.y) && !horsDesBornes(f, p.z);
}

TpointEntier entier(const TfigureKalmetra& f, V3 p) {
    return {coordonneeEntiere(f, p.x), coordonneeEntiere(f, p.y), coordonneeEntiere(f, p.z)};
}

bool coupe(const TfigureKalmetra& f, int limite, V3 p, V3 q, TpointEntier& a, TpointEntier& b) {
    double u[3] = {p.x, p.y, p.z}, v[3] = {q.x, q.y, q.z};
    return coupeSegment(f, limite, u, v, a, b);
}

TElementSolideVue& vueDe(TElementSolide& e) {
    if (!e.vue) e.vue = std::make_unique<TElementSolideVue>();
    return *e.vue;
}

// Clears what a builder fills, keeping the capacity of the containers.
void videElement(TElementSolide& e) {
    e.dansPlan = 0;
    e.a = e.b = {};
    e.ligne.clear();
    e.octetPolyedre = 0;
    if (e.complement) {
        TcomplementSolide& c = *e.complement;
        c.centre = {};
        c.nombreMarques = 0;
        c.ligne2.clear();
        c.nombreEchantillons = 0;
        c.rayon = 0; // the table of steps is kept for the next build
        c.paralleles.reset();
        videGrilleMaillage(c.grille);
    }
    if (e.vue) {
        TElementSolideVue& v = *e.vue;
        dimensionneAretes(v, 0);
        v.nombreFaces = 0;
        v.hachuresFaces.efface();
        v.partiesHachuresFaces.efface();
        v.lignesSupplementaires.reset();
        v.partiesLignesSupplementaires.reset();
        v.lignes.clear();
        v.nombreGeneratrices = 0;
        for (auto& b : v.hachuresSolide)
            b.reset();
        for (auto& p : v.partiesHachuresSolide)
            p.reset();
    }
}

// ---- Builders ----

void construitPoint(const TfigureKalmetra& f, int n, TElementSolide& e, bool& abandon) {
    const V3 p = calcul::pointObjet(f, n);
    const int limite = convexeLimitant(f, n);
    if (!dansBoite(f, p) || (limiteDefinie(f, limite) && !pointDansSolide(f, limite, p.x, p.y, p.z))) {
        abandon = true;
        return;
    }
    e.a = entier(f, p);
}

void construitSegment(const TfigureKalmetra& f, int n, TElementSolide& e, bool& abandon) {
    const TObjetFigure& o = objet(f, n);
    V3 p = calcul::lisV3DepuisZero(f, n, 0), q = calcul::lisV3DepuisZero(f, n, 3);
    if (o.codeConstruction == c::kSegment && o.nombreParents == 2) {
        const int i = parentDepuisZero(f, n, 0), j = parentDepuisZero(f, n, 1);
        if (i != 0 && j != 0 && objet(f, i).nature == kNaturePoint && objet(f, j).nature == kNaturePoint) {
            p = calcul::pointObjet(f, i);
            q = calcul::pointObjet(f, j);
        }
    }
    abandon = !coupe(f, convexeLimitant(f, n), p, q, e.a, e.b);
}

// The axis a line is cut along: x when |Dx| > |Dy| and |Dz| <= |Dx|, else y
// when |Dz| <= |Dy|, else z.
int axeDominant(V3 D) {
    const double ax = std::fabs(D.x), ay = std::fabs(D.y), az = std::fabs(D.z);
    if (ax > ay && az <= ax) return 0;
    if (az <= ay) return 1;
    return 2;
}

double composante(V3 v, int k) {
    return k == 0 ? v.x : (k == 1 ? v.y : v.z);
}

void construitDroite(const TfigureKalmetra& f, int n, TElementSolide& e, bool& abandon, bool demiDroite) {
    const V3 P = calcul::lisV3DepuisZero(f, n, 0), D = calcul::lisV3DepuisZero(f, n, 3);
    const int k = axeDominant(D);
    const double d = composante(D, k), p = composante(P, k);
    if (d == 0 || !std::isfinite(d)) {
        abandon = true;
        return;
    }
    V3 debut, fin;
    if (demiDroite) {
        const double t = ((d > 0 ? f.borneSuperieure : f.borneInferieure) - p) / d;
        if (t < 0) {
            abandon = true;
            return;
        }
        debut = P;
        fin = P + t * D;
    } else {
        debut = P + ((f.borneInferieure - p) / d) * D;
        fin = P + ((f.borneSuperieure - p) / d) * D;
    }
    abandon = !coupe(f, convexeLimitant(f, n), debut, fin, e.a, e.b);
}

void construitCercle(const TfigureKalmetra& f, int n, TElementSolide& e, bool& abandon) {
    const TObjetFigure& o = objet(f, n);
    const V3 C = calcul::lisV3DepuisZero(f, n, 0);
    V3 N = calcul::lisV3DepuisZero(f, n, 3);
    const double r = valeurDepuisZero(f, n, 6);
    V3 U = calcul::lisV3DepuisZero(f, n, 7) - C;
    int pas = nombrePasCercle(f, r);
    if (pas < 2 || pas > 10000 || !calcul::unitaire(U) || !calcul::unitaire(N)) {
        abandon = true;
        return;
    }
    pas = std::max(pas, 10);
    const V3 V = calcul::vectoriel(N, U);
    if (!echantillonneCercle(f, convexeLimitant(f, n), C, U, V, r, pas, kDeuxPi, e.ligne) ||
        e.ligne.empty()) {
        abandon = true;
        return;
    }
    if (styleHachure(o.style)) {
        TElementSolideVue& v = vueDe(e);
        v.lignesSupplementaires = std::make_unique<TblocSegments>();
        if (!hachureCercle(f, convexeLimitant(f, n), motifRemplissage(o.style), C, U, V, r, 49,
                           *v.lignesSupplementaires))
            abandon = true;
    }
}

void construitArc(const TfigureKalmetra& f, int n, TElementSolide& e, bool& abandon) {
    const V3 C = calcul::lisV3DepuisZero(f, n, 0);
    V3 axe = calcul::lisV3DepuisZero(f, n, 3);
    const double r = valeurDepuisZero(f, n, 6), angle = valeurDepuisZero(f, n, 10);
    V3 U = calcul::lisV3DepuisZero(f, n, 7) - C;
    const double nombre = std::round(500 * r * f.uniteSurPetiteDimension * angle / kDeuxPi);
    if (!(nombre >= 1 && nombre <= 10000) || !calcul::unitaire(U) || !calcul::unitaire(axe)) {
        abandon = true;
        return;
    }
    const int pas = std::max(int(nombre), 10);
    const V3 V = calcul::vectoriel(axe, U);
    if (!echantillonneCercle(f, convexeLimitant(f, n), C, U, V, r, pas, angle, e.ligne) || e.ligne.empty())
        abandon = true;
}

void construitCourbe(const TfigureKalmetra& f, int n, TElementSolide& e, bool& abandon) {
    const TObjetFigure& o = objet(f, n);
    const long nombre = std::lround(valeurDepuisZero(f, n, 1));
    const bool limite = limiteDefinie(f, convexeLimitant(f, n));
    bool rupture = true;
    if (!f.echantillons || nombre < 0) {
        abandon = true;
        return;
    }
    for (long k = 0; k < nombre; ++k) {
        const long indice = o.premierEchantillon + k;
        if (indice < 1 || indice > kMaxEchantillons) break;
        const Techantillon& s = (*f.echantillons)[std::size_t(indice)];
        if (limite &&
            !pointDansSolide(f, convexeLimitant(f, n), s.x / f.echelle, s.y / f.echelle, s.z / f.echelle)) {
            rupture = true;
            continue;
        }
        if (e.ligne.size() >= std::size_t(kMaxPointsLigne)) {
            abandon = true;
            return;
        }
        e.ligne.push_back({uint8_t((rupture || s.rupture) ? 1 : 0), {s.x, s.y, s.z}});
        rupture = false;
    }
    if (e.ligne.size() < 2) abandon = true;
}

void construitAxe(const TfigureKalmetra& f, int n, TElementSolide& e, bool& abandon) {
    const TObjetFigure& o = objet(f, n);
    const V3 O = calcul::lisV3DepuisZero(f, n, 0), W = calcul::lisV3DepuisZero(f, n, 6);
    double m = valeurDepuisZero(f, n, 10), M = valeurDepuisZero(f, n, 11);
    if (n >= 8 && n <= 10) {
        m = -0.47 / f.uniteSurPetiteDimension;
        M = 0.47 / f.uniteSurPetiteDimension;
    }
    if (m > M) std::swap(m, M);
    if (!coupe(f, convexeLimitant(f, n), O + m * W, O + M * W, e.a, e.b)) {
        abandon = true;
        return;
    }
    if (!estGradue(o.style)) return;
    const double s = valeurDepuisZero(f, n, 9);
    if (!(s >= 1e-10) || (M - m) / s > 49 || m / s < -32000) return;
    double premier = std::round(m / s);
    if (premier * s < m) premier += 1;
    const bool limite = limiteDefinie(f, convexeLimitant(f, n));
    TcomplementSolide& c = complementDe(e);
    for (int j = 0; c.nombreMarques < kMaxMarques; ++j) {
        const double x = (premier + j) * s;
        if (x > M) break;
        const V3 p = O + x * W;
        if (!dansBoite(f, p) || (limite && !pointDansSolide(f, convexeLimitant(f, n), p.x, p.y, p.z)))
            continue;
        c.marques[c.nombreMarques++] = entier(f, p);
    }
}

V3 versV3(const Tvecteur3& v) {
    return {v.x, v.y, v.z};
}

void construitPolyedre(TfigureKalmetra& f, int n, TElementSolide& e, bool& abandon) {
    const TObjetFigure& o = objet(f, n);
    if (o.emplacementSolide == 0 || !f.tableDesPolyedres ||
        !f.tableDesPolyedres->donnees[o.emplacementSolide]) {
        abandon = true;
        return;
    }
    const TDonneesPolyedre& d = donneesPolyedreObjet(f, n);
    const TPolyedre* p = nullptr;
    if (d.genre == kGenrePolyedre)
        p = &polyedreDe(d);
    else if (d.genre == kGenrePatron)
        p = &patronDe(d).geometrie;
    if (!p) {
        abandon = true;
        return;
    }
    e.octetPolyedre = p->polygone;
    TElementSolideVue& v = vueDe(e);
    dimensionneAretes(v, p->nombreAretes);
    for (int k = 1; k <= v.nombreAretes; ++k) {
        const TArete& a = arete(*p, k);
        const bool garde = coupe(f, convexeLimitant(f, n), versV3(sommet(*p, a.premierSommet)),
                                 versV3(sommet(*p, a.secondSommet)), v.debutsAretes[std::size_t(k)],
                                 v.finsAretes[std::size_t(k)]);
        v.areteOmise[std::size_t(k)] = garde ? 0 : 1;
    }
    v.nombreFaces = p->polygone ? 1 : std::min<int>(p->nombreFaces, kMaxFacesElement);
    if (styleRempli(o.style) && !modePlanIsole(f)) f.polyedresAPreparer = 1;
    if (!styleHachure(o.style)) return;
    V3 coins[kMaxCotesFace + 1];
    for (int k = 1; k <= v.nombreFaces; ++k) {
        const TFace& face_ = face(*p, k);
        const int nombre = std::min<int>(face_.nombreSommets, kMaxCotesFace);
        for (int j = 1; j <= nombre; ++j)
            coins[j - 1] = versV3(sommet(*p, sommetCycle(face_, j)));
        auto bloc = std::make_unique<TblocSegments>();
        hachureFace(f, convexeLimitant(f, n), motifRemplissage(o.style), coins, nombre,
                    {face_.plan.a, face_.plan.b, face_.plan.c}, *bloc);
        if (bloc->nombre > 0) v.hachuresFaces[std::size_t(k)] = std::move(bloc);
    }
}

// Sphere outline samples: N, the radius and the table of N steps.
bool echantillonsSphere(const TfigureKalmetra& f, double r, TcomplementSolide& c) {
    int N = nombrePasCercle(f, r);
    if (N <= 0 || N > 5000) return false;
    N = std::clamp(N, 10, kMaxEchantillonsSphere - 1);
    c.nombreEchantillons = N;
    c.rayon = r;
    if (!c.cercle || c.cercle->nombre != N) c.cercle = cercleUnite(N);
    return true;
}

void construitSphere(const TfigureKalmetra& f, int n, TElementSolide& e, bool& abandon) {
    const TObjetFigure& o = objet(f, n);
    const V3 C = calcul::lisV3DepuisZero(f, n, 0);
    const double r = valeurDepuisZero(f, n, 3);
    TcomplementSolide& c = complementDe(e);
    c.centre = entier(f, C);
    if (!echantillonsSphere(f, r, c)) {
        abandon = true;
        return;
    }
    vueDe(e);
    if (styleHachure(o.style)) {
        c.paralleles = std::make_unique<TparallelesSphere>();
        parallelesSphere(f, convexeLimitant(f, n), motifRemplissage(o.style), C, r, *c.paralleles);
    }
}

// Keeps the points of a polyline that lie on the cap's side of its plane;
// the point after a dropped one starts a new piece.
void gardeCoteCalotte(const TfigureKalmetra& f, const std::array<double, 4>& plan,
                      std::vector<TentreeLigne>& ligne) {
    std::size_t gardes = 0;
    bool rupture = false;
    for (const TentreeLigne& l : ligne) {
        const V3 p{l.p.x / f.echelle, l.p.y / f.echelle, l.p.z / f.echelle};
        if (plan[0] * p.x + plan[1] * p.y + plan[2] * p.z + plan[3] > kToleranceCoteCalotte) {
            rupture = true;
            continue;
        }
        ligne[gardes] = l;
        if (rupture) ligne[gardes].nouveauMorceau = 1;
        ++gardes;
        rupture = false;
    }
    ligne.resize(gardes);
}

void construitSolideRond(TfigureKalmetra& f, int n, TElementSolide& e, bool& abandon) {
    const TObjetFigure& o = objet(f, n);
    if (o.emplacementSolide == 0 || !f.tableDesPolyedres ||
        !f.tableDesPolyedres->donnees[o.emplacementSolide] ||
        donneesPolyedreObjet(f, n).genre != kGenreSolideRond) {
        abandon = true;
        return;
    }
    const TDonneesSolideRond& s = solideRondDe(donneesPolyedreObjet(f, n));
    const V3 B = versV3(s.base), B2 = versV3(s.autreCentre), U = versV3(s.u), W = versV3(s.w);
    const struct {
        V3 centre;
        double rayon;
        std::vector<TentreeLigne>* ligne;
    } bases[2] = {{B, s.R, &e.ligne}, {B2, s.r, &complementDe(e).ligne2}};
    for (const auto& b : bases) {
        if (!(b.rayon > 0)) continue;
        const int pas = std::max(nombrePasCercle(f, b.rayon), 10);
        if (!echantillonneCercle(f, convexeLimitant(f, n), b.centre, U, W, b.rayon, pas, kDeuxPi, *b.ligne)) {
            abandon = true;
            return;
        }
    }
    TElementSolideVue& v = vueDe(e);
    if (styleRempli(o.style) && !modePlanIsole(f)) f.polyedresAPreparer = 1;
    if (!styleHachure(o.style)) return;
    const uint8_t motif = motifRemplissage(o.style);
    for (int k = 0; k < 2; ++k) {
        if (!(bases[k].rayon > 0)) continue;
        auto bloc = std::make_unique<TblocSegments>();
        if (hachureCercle(f, convexeLimitant(f, n), motif, bases[k].centre, U, W, bases[k].rayon, 50, *bloc))
            v.hachuresSolide[std::size_t(k)] = std::move(bloc);
    }
    // The lateral surface: generators evenly spaced round the axis.
    auto laterale = std::make_unique<TblocSegments>();
    constexpr int kGeneratrices = 24;
    for (int k = 0; k < kGeneratrices; ++k) {
        const double t = kDeuxPi * k / kGeneratrices;
        const V3 radial = std::cos(t) * U + std::sin(t) * W;
        double p[3], q[3];
        const V3 a = B + s.R * radial, b = B2 + s.r * radial;
        p[0] = a.x, p[1] = a.y, p[2] = a.z, q[0] = b.x, q[1] = b.y, q[2] = b.z;
        TpointEntier A, Bi;
        if (laterale->nombre < kMaxSegmentsBloc && coupeSegment(f, convexeLimitant(f, n), p, q, A, Bi)) {
            laterale->debuts[laterale->nombre] = A;
            laterale->fins[laterale->nombre] = Bi;
            ++laterale->nombre;
        }
    }
    if (laterale->nombre > 0) v.hachuresSolide[2] = std::move(laterale);
}

void construitParNature(TfigureKalmetra& f, int n, uint8_t nature, TElementSolide& e, bool& abandon) {
    switch (nature) {
    case kNaturePoint:
        return construitPoint(f, n, e, abandon);
    case kNatureSegment:
        return construitSegment(f, n, e, abandon);
    case kNatureDroite:
        return construitDroite(f, n, e, abandon, false);
    case kNatureDemiDroite:
        return construitDroite(f, n, e, abandon, true);
    case kNatureCercle:
        return construitCercle(f, n, e, abandon);
    case kNatureArcDeCercle:
        return construitArc(f, n, e, abandon);
    case kNatureCourbe:
        return construitCourbe(f, n, e, abandon);
    case kNatureDroiteGraduee:
        return construitAxe(f, n, e, abandon);
    case kNaturePolyedreConvexe:
    case kNaturePolygoneConvexe:
    case kNaturePatronPolyedre:
        return construitPolyedre(f, n, e, abandon);
    case kNatureSphere:
        return construitSphere(f, n, e, abandon);
    case kNatureCylindre:
    case kNatureCone:
    case kNatureTroncDeCone:
        return construitSolideRond(f, n, e, abandon);
    case kNatureMaillage:
        return construitGrilleMaillage(f, n, complementDe(e).grille, abandon);
    case kNatureCalotteSpherique:
        return construitDonneesCalotte(f, n, e, abandon);
    default:
        abandon = true;
        return;
    }
}

// A filled solid whose drawing changes asks the next refresh to prepare the
// visible polyhedra again.
void signaleSolideVisible(TfigureKalmetra& f, const TObjetFigure& o) {
    if (estCodeSolideCachant(o.codeConstruction) && !f.filDeFer && styleRempli(o.style) && !modePlanIsole(f))
        f.polyedresAPreparer = 1;
}

} // namespace

std::shared_ptr<const TcercleUnite> cercleUnite(int nombre) {
    verifieIndice(nombre, 10, kMaxEchantillonsSphere - 1, "sphere steps");
    static std::mutex garde; // the tables are shared by every figure
    static std::map<int, std::weak_ptr<const TcercleUnite>> tables;
    const std::lock_guard<std::mutex> verrou(garde);
    std::weak_ptr<const TcercleUnite>& place = tables[nombre];
    if (auto table = place.lock()) return table;
    auto table = std::make_shared<TcercleUnite>();
    table->nombre = nombre;
    table->cosinus.resize(std::size_t(nombre) + 1);
    table->sinus.resize(std::size_t(nombre) + 1);
    for (int k = 0; k <= nombre; ++k) {
        table->cosinus[std::size_t(k)] = std::cos(kDeuxPi * k / nombre);
        table->sinus[std::size_t(k)] = std::sin(kDeuxPi * k / nombre);
    }
    place = table;
    return table;
}

uint8_t natureDessin(const TObjetFigure& o) {
    if (o.nature == kNatureDroite && o.codeConstruction == c::kDroiteMunieDuRepere)
        return kNatureDroiteGraduee;
    return o.nature;
}

bool geometrieCalotte(const TfigureKalmetra& f, int n, V3& centre, double& rayon,
                      std::array<double, 4>& plan) {
    const TObjetFigure& o = objet(f, n);
    if (o.nombreParents < 5) return false;
    int parents[5];
    for (int k = 0; k < 5; ++k) {
        parents[k] = parentDepuisZero(f, n, k);
        // Parents 1 and 2 are 0 when parent 0 is itself a plane.
        if (parents[k] > f.nombreObjets || (parents[k] != 0 && objet(f, parents[k]).nonDefini)) return false;
    }
    if (parents[0] == 0 || parents[3] == 0 || parents[4] == 0) return false;
    V3 normale;
    double d = 0;
    if (!calcul::planOperande(f, parents[0], parents[1], parents[2], normale, d)) return false;
    const double longueur = std::sqrt(calcul::scalaire(normale, normale));
    if (!(longueur > 0) || !std::isfinite(longueur)) return false;
    plan = {normale.x / longueur, normale.y / longueur, normale.z / longueur, d / longueur};
    const V3 M = calcul::pointObjet(f, parents[3]);
    const double cote = plan[0] * M.x + plan[1] * M.y + plan[2] * M.z + plan[3];
    if (!(std::fabs(cote) > kToleranceCoteCalotte)) return false;
    if (cote > 0)
        for (double& c : plan)
            c = -c;
    centre = calcul::lisV3DepuisZero(f, parents[4], 0);
    rayon = valeurDepuisZero(f, parents[4], 3);
    return rayon > 0 && std::isfinite(rayon);
}

void construitDonneesCalotte(const TfigureKalmetra& f, int n, TElementSolide& e, bool& abandon) {
    const TObjetFigure& o = objet(f, n);
    TcomplementSolide& c = complementDe(e);
    V3 C;
    double R = 0;
    if (!geometrieCalotte(f, n, C, R, c.planCalotte)) {
        abandon = true;
        return;
    }
    const std::array<double, 4>& plan = c.planCalotte;
    const V3 normale{plan[0], plan[1], plan[2]};
    // The centre's signed distance to the plane: the base circle is the cut
    // of the sphere at that distance, and a plane that misses the sphere
    // leaves either all of it (the centre on the cap's side) or nothing.
    const double h = calcul::scalaire(normale, C) + plan[3];
    if (h >= R) {
        abandon = true;
        return;
    }
    c.centre = entier(f, C);
    if (h > -R) {
        const double r = std::sqrt(R * R - h * h);
        const int pas = nombrePasCercle(f, r);
        V3 U, V;
        baseOrthogonale(normale, U, V);
        if (pas < 0 || pas > 10000 ||
            !echantillonneCercle(f, convexeLimitant(f, n), C - h * normale, U, V, r, std::max(pas, 10),
                                 kDeuxPi, e.ligne)) {
            abandon = true;
            return;
        }
    }
    if (!echantillonsSphere(f, R, c)) {
        abandon = true;
        return;
    }
    vueDe(e);
    if (styleHachure(o.style)) {
        c.paralleles = std::make_unique<TparallelesSphere>();
        parallelesSphere(f, convexeLimitant(f, n), motifRemplissage(o.style), C, R, *c.paralleles);
        for (std::vector<TentreeLigne>& parallele : c.paralleles->paralleles)
            gardeCoteCalotte(f, plan, parallele);
    }
}

int nombrePasCercle(const TfigureKalmetra& f, double rayon) {
    const double n = std::round(500 * rayon * f.uniteSurPetiteDimension);
    if (!(n > -1e9 && n < 1e9)) return -1;
    return int(n);
}

bool coupeSegment(const TfigureKalmetra& f, int limite, double p1[3], double p2[3], TpointEntier& a,
                  TpointEntier& b) {
    const double bas = f.borneInferieure, haut = f.borneSuperieure;
    double* p[2] = {p1, p2};
    for (int k = 0; k < 3; ++k) {
        const double u = p1[k], v = p2[k];
        if (!std::isfinite(u) || !std::isfinite(v)) return false;
        if (u >= bas && u <= haut && v >= bas && v <= haut) continue;
        if ((u < bas && v < bas) || (u > haut && v > haut)) return false;
        for (int e = 0; e < 2; ++e) {
            double* x = p[e];
            const double* y = p[1 - e];
            const double borne = x[k] < bas ? bas : (x[k] > haut ? haut : x[k]);
            if (borne == x[k]) continue;
            const double t = (borne - x[k]) / (y[k] - x[k]);
            for (int j = 0; j < 3; ++j)
                x[j] += t * (y[j] - x[j]);
            x[k] = borne;
        }
    }
    if (limiteDefinie(f, limite)) {
        bool vide = false;
        coupeSegmentAuSolide(f, limite, p1[0], p1[1], p1[2], p2[0], p2[1], p2[2], vide);
        if (vide) return false;
    }
    a = {coordonneeEntiere(f, p1[0]), coordonneeEntiere(f, p1[1]), coordonneeEntiere(f, p1[2])};
    b = {coordonneeEntiere(f, p2[0]), coordonneeEntiere(f, p2[1]), coordonneeEntiere(f, p2[2])};
    return true;
}

void construitElementSolide(TfigureKalmetra& f, int n) {
    verifieIndice(n, kPremierElement, kMaxObjets, "object");
    TObjetFigure& o = objet(f, n);
    if (!estObjetDessinable(o) || o.nature == kNatureAffichage) return;
    if (!f.tableElementsSolides) creeTableElementsSolides(f.tableElementsSolides);
    PElementSolide& place = f.tableElementsSolides->elements[std::size_t(n)];
    // In a trace mode the data about to be replaced goes to the object's trace.
    const bool avaitElement = place != nullptr;
    if (avaitElement) enregistreTraceAvantReconstruction(f, n);
    if (avaitElement) signaleSolideVisible(f, o);
    // The old record is kept aside and reused when the kind still matches,
    // so that a rebuild during a drag allocates nothing.
    PElementSolide ancien = std::move(place);
    if (o.nonDefini || !estDessine(o.style)) return;
    if (n <= 10 && !estDessine(objet(f, 1).style)) return;
    if (o.nature == kNaturePoint && !marqueDessinee(o.style) && !f.nomsPointsAffiches) return;
    couleurParScalaires(f, uint8_t(n));
    if (couleurNonValide(o.style)) return;
    const uint8_t nature = natureDessin(o);
    const uint8_t genre = genreElementDeNature(nature);
    if (genre == 0) return;
    PElementSolide e = (ancien && ancien->genre == genre) ? std::move(ancien) : nullptr;
    if (e)
        videElement(*e);
    else
        creeElementSolide(nature, e);
    bool abandon = false;
    construitParNature(f, n, nature, *e, abandon);
    if (abandon) return;
    signaleSolideVisible(f, o);
    e->couleur = couleurDuStyle(o.style);
    place = std::move(e);
    if (modePlanIsole(f)) marqueElementDansPlanIsole(f, n);
}

void construitElementsSolides(TfigureKalmetra& f) {
    for (int i = kPremierElement; i <= f.nombreObjets; ++i) {
        const TObjetFigure& o = objet(f, i);
        if (estObjetDessinable(o) && o.nature != kNatureAffichage) construitElementSolide(f, i);
    }
}

void reconstruitElementsEnsemble(TfigureKalmetra& f, const TEnsembleObjets& ensemble) {
    f.polyedresAPreparer = 0;
    if (modePlanIsole(f)) actualisePlanIsole(f);
    for (int i = kPremierElement; i <= f.nombreObjets; ++i) {
        const TObjetFigure& o = objet(f, i);
        if (!estObjetDessinable(o) || o.nature == kNatureAffichage) continue;
        if (ensemble.test(std::size_t(i)) || (o.objetLimite != 0 && ensemble.test(o.objetLimite)))
            construitElementSolide(f, i);
    }
    marqueElementsDansPlanIsole(f);
}

void reconstruitElementsMarques(TfigureKalmetra& f) {
    TEnsembleObjets marques;
    for (int i = kPremierElement; i <= f.nombreObjets; ++i)
        if (dependDeObjetLibreActif(objet(f, i))) marques.set(std::size_t(i));
    reconstruitElementsEnsemble(f, marques);
}

void marqueElementDansPlanIsole(TfigureKalmetra& f, int n) {
    TElementSolide* e = elementSolide(f, n);
    if (!e || f.aucunPlanIsole) return;
    auto surPlan = [&](const TpointEntier& p) { return pointSurPlanIsole(f, p.x, p.y, p.z); };
    bool dedans = true;
    switch (e->genre) {
    case kElementPoint:
        dedans = surPlan(e->a);
        break;
    case kElementSegment:
    case kElementAxe:
        dedans = surPlan(e->a) && surPlan(e->b);
        break;
    case kElementLigne:
        dedans = std::all_of(e->ligne.begin(), e->ligne.end(),
                             [&](const TentreeLigne& l) { return surPlan(l.p); });
        break;
    case kElementPolyedre:
        if (e->vue)
            for (int k = 1; k <= e->vue->nombreAretes && dedans; ++k)
                if (!e->vue->areteOmise[std::size_t(k)])
                    dedans = surPlan(e->vue->debutsAretes[std::size_t(k)]) &&
                             surPlan(e->vue->finsAretes[std::size_t(k)]);
        break;
    case kElementCalotte: {
        // A cap lies in the plane when its base does.
        const std::array<double, 4>& p = complementDe(*e).planCalotte;
        dedans = plansConfondus(p[0], p[1], p[2], p[3], f.planIsole[0], f.planIsole[1], f.planIsole[2],
                                f.distancePlanIsole);
        break;
    }
    default:
        dedans = false;
        break;
    }
    e->dansPlan = dedans ? 1 : 0;
}

void marqueElementsDansPlanIsole(TfigureKalmetra& f) {
    if (!modePlanIsole(f)) return;
    for (int i = kPremierElement; i <= f.nombreObjets; ++i)
        if (elementSolide(f, i)) marqueElementDansPlanIsole(f, i);
}

} // namespace km32
