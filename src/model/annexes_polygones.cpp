#include "model/annexes_polygones.h"

#include <cmath>
#include <utility>

#include "base/erreur.h"
#include "model/calcul/raisons.h"
#include "model/objets_figure.h"
#include "model/solides/constructions_polyedres.h"
#include "model/vecteurs.h"
#include "platform/hasard.h"

namespace km32 {

void SuppressionAnnexePolygone::operator()(TAnnexePolygone* annexe) const noexcept {
    delete annexe;
}

// ---------------------------------------------------------------- table

void creeTableAnnexes(std::unique_ptr<TtableAnnexes>& table) {
    libereTableAnnexes(table);
    table = std::make_unique<TtableAnnexes>();
}

void libereTableAnnexes(std::unique_ptr<TtableAnnexes>& table) {
    if (!table) return;
    for (PAnnexePolygone& a : table->annexes)
        libereAnnexe(a);
    table.reset();
}

void copieTableAnnexes(const TtableAnnexes& source, TtableAnnexes& destination) {
    for (int k = 1; k <= kMaxEmplacementsAnnexes; ++k) {
        PAnnexePolygone& d = destination.annexes[std::size_t(k)];
        libereAnnexe(d);
        const PAnnexePolygone& s = source.annexes[std::size_t(k)];
        if (!s) continue;
        creeAnnexe(s->genre, d);
        if (d) copieAnnexe(*s, *d);
    }
}

uint8_t placeLibreAnnexe(const TtableAnnexes& table) {
    for (int k = 1; k <= kMaxEmplacementsAnnexes; ++k)
        if (!table.annexes[std::size_t(k)]) return uint8_t(k);
    return 0;
}

uint8_t ajouteAnnexe(TfigureKalmetra& f, uint8_t genre) {
    if (!f.tableAnnexes) creeTableAnnexes(f.tableAnnexes);
    const uint8_t k = placeLibreAnnexe(*f.tableAnnexes);
    if (k == 0) return 0;
    PAnnexePolygone& a = f.tableAnnexes->annexes[k];
    creeAnnexe(genre, a);
    return a ? k : 0;
}

void oteAnnexe(TfigureKalmetra& f, uint8_t emplacement) {
    if (emplacement == 0 || !f.tableAnnexes) return;
    verifieIndice(emplacement, 1, kMaxEmplacementsAnnexes, "extension slot");
    libereAnnexe(f.tableAnnexes->annexes[emplacement]);
}

// ---------------------------------------------------------------- records

void creeAnnexe(uint8_t genre, PAnnexePolygone& annexe) {
    libereAnnexe(annexe);
    if (genre != kGenreAnnexePolygone) return;
    annexe.reset(new TAnnexePolygone{});
    annexe->genre = genre;
    annexe->eventailPrepare = 0;
}

void libereAnnexe(PAnnexePolygone& annexe) {
    annexe.reset();
}

void copieAnnexe(const TAnnexePolygone& source, TAnnexePolygone& destination) {
    if (source.genre == kGenreAnnexePolygone) destination = source;
}

namespace {

PAnnexePolygone& pointeurAnnexe(const TfigureKalmetra& f, int n) {
    if (!f.tableAnnexes) throw ErreurInterne("no extension table");
    const int k = objet(f, n).emplacementSolide;
    verifieIndice(k, 1, kMaxEmplacementsAnnexes, "extension slot");
    PAnnexePolygone& a = f.tableAnnexes->annexes[std::size_t(k)];
    if (!a || a->genre != kGenreAnnexePolygone) throw ErreurInterne("empty extension slot");
    return a;
}

} // namespace

TAnnexePolygone& annexeObjet(TfigureKalmetra& f, int n) {
    return *pointeurAnnexe(f, n);
}
const TAnnexePolygone& annexeObjet(const TfigureKalmetra& f, int n) {
    return *pointeurAnnexe(f, n);
}

// ---------------------------------------------------------------- computations

namespace {

double valeurPlan(const TPlanOriente& p, const Tvecteur3& X) {
    return p.a * X.x + p.b * X.y + p.c * X.z + p.d;
}

// The polygon of point n: the record of its first parent.
const TPolyedre& polygoneDe(const TfigureKalmetra& f, int n) {
    return polyedreDe(donneesPolyedreObjet(f, parentDepuisZero(f, n, 0)));
}

Tvecteur3 point(const TAnnexePolygone& a, double u, double v) {
    return plus(a.origine, plus(fois(u, a.axe1), fois(v, a.axe2)));
}

double forme(const double (&c)[4], const Tvecteur3& X) {
    return c[0] * X.x + c[1] * X.y + c[2] * X.z + c[3];
}

// Copies the side count, the plane, O, e1 and e2 from face 1 of the polygon.
void copieRepere(TAnnexePolygone& a, const TPolyedre& p) {
    const TFace& face1 = face(p, 1);
    const int n = face1.nombreSommets;
    verifieIndice(n, 0, kMaxCotesFace, "polygon side count");
    a.nombreCotes = uint8_t(n);
    a.plan[0] = face1.plan.a, a.plan[1] = face1.plan.b, a.plan[2] = face1.plan.c, a.plan[3] = face1.plan.d;
    if (n < 3) throw ErreurInterne("polygon of fewer than 3 vertices");
    a.origine = sommet(p, sommetCycle(face1, 1));
    a.axe1 = moins(sommet(p, sommetCycle(face1, 2)), a.origine);
    a.axe2 = moins(sommet(p, sommetCycle(face1, n)), a.origine);
}

// The affine forms that invert u e1 + v e2 = X - O, on the two coordinates
// left when that of the largest normal component is dropped. False when e1
// and e2 are parallel there (no frame).
bool calculeFormes(TAnnexePolygone& a) {
    const double na = std::fabs(a.plan[0]), nb = std::fabs(a.plan[1]), nc = std::fabs(a.plan[2]);
    int ip = 0, iq = 1; // coordinates kept: 0 x, 1 y, 2 z
    if (nc > na && nc > nb)
        ip = 0, iq = 1;
    else if (nb > na)
        ip = 0, iq = 2;
    else
        ip = 1, iq = 2;
    const double e1[3] = {a.axe1.x, a.axe1.y, a.axe1.z};
    const double e2[3] = {a.axe2.x, a.axe2.y, a.axe2.z};
    const double O[3] = {a.origine.x, a.origine.y, a.origine.z};
    const double det = e1[ip] * e2[iq] - e1[iq] * e2[ip];
    for (int k = 0; k < 4; ++k)
        a.formeU[k] = a.formeV[k] = 0;
    if (det == 0 || !std::isfinite(det)) return false;
    a.formeU[ip] = e2[iq] / det;
    a.formeU[iq] = -e2[ip] / det;
    a.formeU[3] = (e2[ip] * O[iq] - O[ip] * e2[iq]) / det;
    a.formeV[ip] = -e1[iq] / det;
    a.formeV[iq] = e1[ip] / det;
    a.formeV[3] = (e1[iq] * O[ip] - O[iq] * e1[ip]) / det;
    return true;
}

void ecritPoint(TfigureKalmetra& f, int n, const TAnnexePolygone& a) {
    valeurDepuisZero(f, n, 0) = a.point.x;
    valeurDepuisZero(f, n, 1) = a.point.y;
    valeurDepuisZero(f, n, 2) = a.point.z;
    valeurDepuisZero(f, n, 3) = a.u;
    valeurDepuisZero(f, n, 4) = a.v;
}

// The scratch values of the last side crossed (the side plane at the point,
// and at the centroid negated).
struct Tecart {
    double cote = 0, centre = 0;
};

Tecart rameneDansPolygone(const TAnnexePolygone& a, const TPolyedre& p, Tvecteur3& P) {
    Tecart e;
    const int n = std::min<int>(a.nombreCotes, kMaxFacesPolyedre - 2);
    const Tvecteur3& G = p.centreGravite;
    for (int k = 1; k <= n; ++k) {
        const TPlanOriente& cote = face(p, 2 + k).plan;
        e.cote = valeurPlan(cote, P);
        if (e.cote < 1e-6) continue;
        e.centre = -valeurPlan(cote, G);
        P = fois(1 / (e.centre + e.cote), plus(fois(e.cote, G), fois(e.centre, P)));
    }
    return e;
}

} // namespace

void pointDansPolygoneAnnexe(const TfigureKalmetra& f, int n, double& x, double& y, double& z) {
    const TAnnexePolygone& a = annexeObjet(f, n);
    if (a.nombreCotes == 0) return;
    Tvecteur3 P = {x, y, z};
    rameneDansPolygone(a, polygoneDe(f, n), P);
    x = P.x, y = P.y, z = P.z;
}

void coordonneesDansPolygoneAnnexe(const TfigureKalmetra& f, int n, double& u, double& v, double x, double y,
                                   double z) {
    pointDansPolygoneAnnexe(f, n, x, y, z);
    const TAnnexePolygone& a = annexeObjet(f, n);
    u = forme(a.formeU, {x, y, z});
    v = forme(a.formeV, {x, y, z});
}

void calculePointDansPolygone(TfigureKalmetra& f, int n) {
    TAnnexePolygone& a = annexeObjet(f, n);
    a.u = valeurDepuisZero(f, n, 3);
    a.v = valeurDepuisZero(f, n, 4);
    a.point = point(a, a.u, a.v);
    if (a.nombreCotes != 0) {
        const Tecart e = rameneDansPolygone(a, polygoneDe(f, n), a.point);
        a.valeurCote = e.cote;
        a.valeurCentre = e.centre;
    }
    a.u = forme(a.formeU, a.point);
    a.v = forme(a.formeV, a.point);
    ecritPoint(f, n, a);
}

void prepareTirageDansPolygone(TfigureKalmetra& f, int n) {
    TAnnexePolygone& a = annexeObjet(f, n);
    const TPolyedre& p = polygoneDe(f, n);
    // The frame is taken again when the polygon has moved, or when the point
    // was never computed from its plane coordinates.
    if (p.retirageAleatoire || a.nombreCotes == 0) {
        copieRepere(a, p);
        calculeFormes(a);
    }
    const int cotes = a.nombreCotes;
    if (cotes < 3) throw ErreurInterne("polygon of fewer than 3 vertices");
    a.nombreEventail = uint8_t(cotes - 1);
    const TFace& face1 = face(p, 1);
    // Vertex 2 is (1, 0) and the last (0, 1) by construction of the frame.
    for (int k = 2; k <= cotes; ++k) {
        if (k == 2) {
            a.uSommets[2] = 1, a.vSommets[2] = 0;
        } else if (k == cotes) {
            a.uSommets[std::size_t(k)] = 0, a.vSommets[std::size_t(k)] = 1;
        } else {
            const Tvecteur3& V = sommet(p, sommetCycle(face1, k));
            a.uSommets[std::size_t(k)] = forme(a.formeU, V);
            a.vSommets[std::size_t(k)] = forme(a.formeV, V);
        }
    }
    double somme = 0;
    for (int k = 2; k <= cotes - 1; ++k) {
        a.vecteurTravail = moins(sommet(p, sommetCycle(face1, k)), a.origine);
        const Tvecteur3 suivant = moins(sommet(p, sommetCycle(face1, k + 1)), a.origine);
        Tvecteur3 w;
        produitVectoriel(w.x, w.y, w.z, a.vecteurTravail.x, a.vecteurTravail.y, a.vecteurTravail.z, suivant.x,
                         suivant.y, suivant.z);
        somme += norme3(w.x, w.y, w.z);
        a.airesCumulees[std::size_t(k)] = somme;
    }
    a.aireTotale = somme;
    // A flat fan (no area) would divide by zero: every draw then takes the
    // first triangle.
    for (int k = 2; k <= cotes - 1; ++k)
        a.airesCumulees[std::size_t(k)] = somme > 0 ? a.airesCumulees[std::size_t(k)] / somme : 1;
    a.eventailPrepare = 1;
}

void tirePointDansPolygone(TfigureKalmetra& f, int n) {
    TAnnexePolygone& a = annexeObjet(f, n);
    if (!a.eventailPrepare) prepareTirageDansPolygone(f, n);
    const double r = platform::reelAuHasard();
    int k = 2;
    while (k < a.nombreEventail && r >= a.airesCumulees[std::size_t(k)])
        ++k;
    a.triangleChoisi = uint8_t(k);
    a.hasardA = platform::reelAuHasard();
    a.hasardB = platform::reelAuHasard();
    if (a.hasardA + a.hasardB > 1) {
        a.hasardA = 1 - a.hasardA;
        a.hasardB = 1 - a.hasardB;
    }
    a.u = a.hasardA * a.uSommets[std::size_t(k)] + a.hasardB * a.uSommets[std::size_t(k + 1)];
    a.v = a.hasardA * a.vSommets[std::size_t(k)] + a.hasardB * a.vSommets[std::size_t(k + 1)];
    a.point = point(a, a.u, a.v);
    ecritPoint(f, n, a);
}

void calculePointLibreDansPolygone(TfigureKalmetra& f, int n) {
    TAnnexePolygone& a = annexeObjet(f, n);
    const TPolyedre& p = polygoneDe(f, n);
    if (p.retirageAleatoire) a.eventailPrepare = 0;
    const EtatPolyedres& etat = etatPolyedres();
    if (etat.retirageAleatoire && !etat.echantillonnageLieu &&
        etatAnnexesPolygones().objetsATirer.test(std::size_t(n))) {
        tirePointDansPolygone(f, n);
        return;
    }
    if (!etat.echantillonnageLieu) a.eventailPrepare = 0;
    copieRepere(a, p);
    if (!calculeFormes(a)) {
        TObjetFigure& o = objet(f, n);
        o.nonDefini = 1;
        o.raison = raison::kCalculImpossible;
        return;
    }
    calculePointDansPolygone(f, n);
}

EtatAnnexesPolygones& etatAnnexesPolygones() {
    static EtatAnnexesPolygones etat;
    return etat;
}

void reinitialiseEtatAnnexesPolygones() {
    etatAnnexesPolygones() = EtatAnnexesPolygones{};
}

ModeRetirageAleatoire::ModeRetirageAleatoire(const TEnsembleObjets& aTirer)
    : modeAvant_(std::exchange(etatPolyedres().retirageAleatoire, true)),
      aTirerAvant_(std::exchange(etatAnnexesPolygones().objetsATirer, aTirer)) {}

ModeRetirageAleatoire::~ModeRetirageAleatoire() {
    etatPolyedres().retirageAleatoire = modeAvant_;
    etatAnnexesPolygones().objetsATirer = aTirerAvant_;
}

} // namespace km32
