#include "drawing/glisser.h"

#include "drawing/clavier.h"

#include <cmath>
#include <numbers>

#include "drawing/bloc_dessin.h"
#include "drawing/rafraichissement.h"
#include "model/annexes_polygones.h"
#include "model/calcul/aides_construction.h"
#include "model/calcul/dependants.h"
#include "model/calcul/geometrie.h"
#include "model/calcul/ronds.h"
#include "model/catalogue.h"
#include "model/objets_figure.h"
#include "model/operations.h"
#include "model/services_dessin.h"
#include "model/vecteurs.h"
#include "platform/curseurs.h"
#include "platform/entrees.h"
#include "platform/messages.h"
#include "text/affectation_libres.h"
#include "text/garde_demarrage.h"

namespace km32 {

namespace c = construction;
using calcul::V3;

namespace {

constexpr double kRayonSaisie = 20.0; // pixels around a free point that grab it
constexpr double kPositionsConfondues = 4.0;
constexpr double kSupportTropPetit = 10.0; // a segment or arc drawn shorter cannot be dragged on

V3 lis3(const double (&t)[3]) {
    return {t[0], t[1], t[2]};
}
void ecris3(double (&t)[3], V3 v) {
    t[0] = v.x;
    t[1] = v.y;
    t[2] = v.z;
}

// The rows that give the screen position of a model point: pixels per model
// unit along the screen's x and y (downward), and the normal to the screen
// towards the viewer.
struct Tlignes {
    V3 x, y, vue;
};
Tlignes lignesProjection(const TfigureKalmetra& f) {
    const double* k = f.coefficientsProjection;
    const double e = f.echelle;
    return {{k[0] * e, k[1] * e, k[2] * e},
            {k[3] * e, k[4] * e, k[5] * e},
            {f.directionProjection[0], f.directionProjection[1], f.directionProjection[2]}};
}

double ecranX(const TfigureKalmetra& f, V3 p) {
    return calcul::scalaire(lignesProjection(f).x, p) + f.centreEcranX;
}
double ecranY(const TfigureKalmetra& f, V3 p) {
    return calcul::scalaire(lignesProjection(f).y, p) + f.centreEcranY;
}

bool dansLaBoite(const TfigureKalmetra& f, V3 p) {
    return !horsDesBornes(f, p.x) && !horsDesBornes(f, p.y) && !horsDesBornes(f, p.z);
}

int parentOuZero(const TfigureKalmetra& f, int i, int k) {
    return objet(f, i).nombreParents >= k ? parentObjet(f, i, k) : 0;
}

// The two ends of the support of a point on a segment or an arc are drawn
// too close together to tell a drag along it.
bool supportTropPetit(const TfigureKalmetra& f, int i) {
    const TObjetFigure& o = objet(f, i);
    V3 a, b;
    if (o.codeConstruction == c::kPointLibreSurSegment) {
        deuxPointsObjet(f, parentOuZero(f, i, 1), parentOuZero(f, i, 2), a.x, a.y, a.z, b.x, b.y, b.z);
    } else if (o.codeConstruction == c::kPointLibreSurArc) {
        const int arc = parentOuZero(f, i, 1);
        if (arc == 0) return false;
        const V3 centre = calcul::lisV3DepuisZero(f, arc, 0), normale = calcul::lisV3DepuisZero(f, arc, 3);
        const V3 r = calcul::lisV3DepuisZero(f, arc, 7) - centre;
        const double angle = valeurDepuisZero(f, arc, 10);
        a = centre + r;
        b = centre + std::cos(angle) * r + std::sin(angle) * calcul::vectoriel(normale, r);
    } else {
        return false;
    }
    return std::hypot(ecranX(f, a) - ecranX(f, b), ecranY(f, a) - ecranY(f, b)) < kSupportTropPetit;
}

// The drag plane through p, parallel to the screen.
void planParalleleEcran(const TfigureKalmetra& f, TetatGlisser& g, V3 p) {
    const V3 v = lignesProjection(f).vue;
    ecris3(g.normalePlan, v);
    g.constantePlan = -calcul::scalaire(v, p);
}

// Plane constraints (in a plane, in a polygon): the plane, or the line of
// its trace when it is seen edge-on.
void prepareSurPlan(const TfigureKalmetra& f, TetatGlisser& g, V3 p, V3 n, double d) {
    const V3 v = lignesProjection(f).vue;
    ecris3(g.normalePlan, n);
    g.constantePlan = d;
    g.planParLaTranche = std::fabs(calcul::scalaire(n, v)) <= 0.01;
    if (g.planParLaTranche) {
        V3 w = calcul::vectoriel(v, n);
        calcul::unitaire(w);
        ecris3(g.pointLigne, p);
        ecris3(g.directionLigne, w);
        planParalleleEcran(f, g, p);
    }
    g.pasValide = 1;
}

// The plane of a point free in a polygon, from its record in the extension
// table, with a unit normal; false when the point has no record yet.
bool planDuPolygone(const TfigureKalmetra& f, int i, V3& n, double& d) {
    const int k = objet(f, i).emplacementSolide;
    if (!f.tableAnnexes || k < 1 || k > kMaxEmplacementsAnnexes) return false;
    const PAnnexePolygone& a = f.tableAnnexes->annexes[std::size_t(k)];
    if (!a || a->genre != kGenreAnnexePolygone || a->nombreCotes == 0) return false;
    n = {a->plan[0], a->plan[1], a->plan[2]};
    const double l = calcul::norme(n);
    if (!(l > 1e-12)) return false;
    n = (1 / l) * n;
    d = a->plan[3] / l;
    return true;
}

void prepareSurDroite(const TfigureKalmetra& f, TetatGlisser& g, int i) {
    const TObjetFigure& o = objet(f, i);
    V3 origine, u;
    if (o.codeConstruction == c::kPointLibreSurSegment) {
        V3 b;
        deuxPointsObjet(f, g.support, g.secondSupport, origine.x, origine.y, origine.z, b.x, b.y, b.z);
        u = b - origine;
    } else {
        const calcul::Tdroite d = calcul::droiteOperande(f, g.support, g.secondSupport);
        origine = d.point;
        u = d.direction;
    }
    ecris3(g.premierAxe, u);
    const Tlignes l = lignesProjection(f);
    g.pasEcranX = calcul::scalaire(u, l.x);
    g.pasEcranY = calcul::scalaire(u, l.y);
    const double seuil = 1e-10 * std::max(f.longueurUnitePixels, 1.0);
    if (!(std::fabs(g.pasEcranX) > seuil || std::fabs(g.pasEcranY) > seuil)) return; // seen end-on
    g.abscisseMin = -1e10;
    g.abscisseMax = 1e10;
    const double uo[3] = {u.x, u.y, u.z}, oo[3] = {origine.x, origine.y, origine.z};
    for (int j = 0; j < 3; ++j) {
        if (std::fabs(uo[j]) <= 1e-6) continue;
        double bas = (0.999 * f.borneInferieure - oo[j]) / uo[j];
        double haut = (0.999 * f.borneSuperieure - oo[j]) / uo[j];
        if (uo[j] < 0) std::swap(bas, haut);
        g.abscisseBasse = bas;
        g.abscisseHaute = haut;
        g.abscisseMin = std::max(g.abscisseMin, bas);
        g.abscisseMax = std::min(g.abscisseMax, haut);
    }
    g.horizontal = std::fabs(g.pasEcranX) > std::fabs(g.pasEcranY);
    g.pixelsParUnite = g.horizontal ? g.pasEcranX : g.pasEcranY;
    g.origine[0] = g.horizontal ? ecranX(f, origine) : ecranY(f, origine);
    g.pasValide = 1;
}

void prepareSurCercle(const TfigureKalmetra& f, TetatGlisser& g, bool arc) {
    const calcul::Tcercle cercle = calcul::cercleObjet(f, g.support);
    if (std::fabs(calcul::scalaire(cercle.normale, lignesProjection(f).vue)) <= 0.01) return; // edge-on
    V3 premier = cercle.u, second = cercle.v;
    if (!calcul::unitaire(premier) || !calcul::unitaire(second)) return;
    ecris3(g.origine, cercle.centre);
    ecris3(g.normalePlan, cercle.normale);
    g.constantePlan = cercle.d;
    ecris3(g.premierAxe, premier);
    ecris3(g.secondAxe, second);
    g.rayon = cercle.rayon;
    if (arc) g.angleArc = valeurDepuisZero(f, g.support, 10);
    g.pasValide = 1;
}

void prepareContrainte(const TfigureKalmetra& f, TetatGlisser& g, int i) {
    const TObjetFigure& o = objet(f, i);
    const V3 p = calcul::pointObjet(f, i);
    g.support = uint8_t(parentOuZero(f, i, 1));
    g.secondSupport = uint8_t(parentOuZero(f, i, 2));
    g.pasValide = 0;
    g.planParLaTranche = 0;
    switch (o.codeConstruction) {
    case c::kPointLibreDansEspace:
    case c::kPointLibreCoordonneesEntieres:
        planParalleleEcran(f, g, p);
        g.pasValide = 1;
        break;
    case c::kPointLibreAbscisseEntiere:
    case c::kPointLibreSurSegment:
    case c::kPointLibreSurDemiDroite:
    case c::kPointLibreSurDroite:
        prepareSurDroite(f, g, i);
        break;
    case c::kPointLibreSurCercle:
        prepareSurCercle(f, g, false);
        break;
    case c::kPointLibreSurArc:
        prepareSurCercle(f, g, true);
        break;
    case c::kPointLibreSurSphere: {
        const calcul::Tsphere s = calcul::sphereObjet(f, g.support);
        ecris3(g.origine, s.centre);
        g.rayon = s.rayon;
        planParalleleEcran(f, g, s.centre);
        g.devant = calcul::scalaire(lis3(g.normalePlan), p) + g.constantePlan > -1e-6;
        g.pasValide = 1;
        break;
    }
    case c::kPointLibreDansPlan: {
        V3 n;
        double d = 0;
        if (!calcul::planOperande(f, g.support, g.secondSupport, parentOuZero(f, i, 3), n, d)) break;
        prepareSurPlan(f, g, p, n, d);
        break;
    }
    case c::kPointLibreDansPolygone: {
        V3 n;
        double d = 0;
        if (!planDuPolygone(f, i, n, d)) break;
        prepareSurPlan(f, g, p, n, d);
        break;
    }
    default:
        break;
    }
}

// The free values a step starts from, after the grab and after each step.
void noteValeursAvant(TfigureKalmetra& f, TetatGlisser& g) {
    const int i = f.objetLibreActif;
    if (i == 0) return;
    const uint8_t code = objet(f, i).codeConstruction;
    switch (code) {
    case c::kPointLibreCoordonneesEntieres:
        g.valeursAvant[0] = valeurDepuisZero(f, i, 3), g.valeursAvant[1] = valeurDepuisZero(f, i, 4),
        g.valeursAvant[2] = valeurDepuisZero(f, i, 5);
        break;
    case c::kPointLibreDansEspace:
        g.valeursAvant[0] = valeurDepuisZero(f, i, 0), g.valeursAvant[1] = valeurDepuisZero(f, i, 1),
        g.valeursAvant[2] = valeurDepuisZero(f, i, 2);
        g.constantePlan = -calcul::scalaire(lis3(g.normalePlan), calcul::pointObjet(f, i));
        break;
    case c::kPointLibreDansPlan:
    case c::kPointLibreDansPolygone:
    case c::kPointLibreSurSphere:
        g.valeursAvant[0] = valeurDepuisZero(f, i, 3), g.valeursAvant[1] = valeurDepuisZero(f, i, 4),
        g.valeursAvant[2] = 0;
        break;
    default:
        g.valeursAvant[0] = valeurDepuisZero(f, i, 3), g.valeursAvant[1] = 0, g.valeursAvant[2] = 0;
        break;
    }
}

void pasSurDroite(TetatGlisser& g, uint8_t code) {
    const double souris = g.horizontal ? g.sourisX : g.sourisY;
    double t = (souris - g.origine[0]) / g.pixelsParUnite;
    t = std::clamp(t, g.abscisseMin, g.abscisseMax);
    if (code == c::kPointLibreAbscisseEntiere) t = arrondiPair(t);
    if (code == c::kPointLibreSurSegment) t = std::clamp(t, 0.0, 1.0);
    if (code == c::kPointLibreSurDemiDroite && t < 0) t = 0;
    g.nouvellesValeurs[0] = t;
    g.pasValide = 1;
}

// The angle of the point under the mouse about the circle's centre, from
// the first axis towards the second; false when it is at the centre or its
// place on the circle would leave the box.
bool angleSurCercle(const TfigureKalmetra& f, TetatGlisser& g, V3 q, double& angle) {
    const V3 centre = lis3(g.origine);
    V3 radial = q - centre;
    if (estVecteurNul(radial.x, radial.y, radial.z)) return false;
    calcul::unitaire(radial);
    ecris3(g.vecteurRadial, radial);
    if (!dansLaBoite(f, centre + g.rayon * radial)) return false;
    g.pasEcranX = calcul::scalaire(radial, lis3(g.premierAxe));
    angle = arcCosinus(g.pasEcranX);
    if (calcul::scalaire(radial, lis3(g.secondAxe)) < 0) angle = -angle;
    return true;
}

void pasSurSurface(TfigureKalmetra& f, TetatGlisser& g, int i, uint8_t code) {
    g.pasValide = 0;
    const Tlignes l = lignesProjection(f);
    const V3 n = lis3(g.normalePlan);
    // The point of the drag plane under the mouse.
    V3 q;
    bool ok = false;
    resoutSysteme3(q.x, q.y, q.z, ok, g.sourisX - f.centreEcranX, g.sourisY - f.centreEcranY,
                   -g.constantePlan, l.x.x, l.y.x, n.x, l.x.y, l.y.y, n.y, l.x.z, l.y.z, n.z);
    if (!ok) return;
    if (code == c::kPointLibreSurSphere) {
        const V3 centre = lis3(g.origine);
        const double D = calcul::norme(q - centre);
        if (D > g.rayon) {
            q = centre + (g.rayon / D) * (q - centre);
        } else if (D < g.rayon) {
            double h = std::sqrt(g.rayon * g.rayon - D * D);
            if (!g.devant) h = -h;
            q = q + h * l.vue;
        }
    }
    if (!dansLaBoite(f, q)) return;
    if (g.planParLaTranche) {
        const V3 a = lis3(g.pointLigne), w = lis3(g.directionLigne);
        q = a + calcul::scalaire(q - a, w) * w;
    }
    ecris3(g.pointSouris, q);
    switch (code) {
    case c::kPointLibreDansEspace:
        ecris3(g.nouvellesValeurs, q);
        g.pasValide = 1;
        break;
    case c::kPointLibreCoordonneesEntieres: {
        const int repere = g.support;
        double a = 0, b = 0, cc = 0;
        coordonneesDansRepere(f, repere, q.x, q.y, q.z, a, b, cc);
        a = arrondiPair(a), b = arrondiPair(b), cc = arrondiPair(cc);
        V3 p;
        pointDeCoordonneesDansRepere(f, repere, a, b, cc, p.x, p.y, p.z);
        if (!dansLaBoite(f, p)) return;
        g.nouvellesValeurs[0] = a, g.nouvellesValeurs[1] = b, g.nouvellesValeurs[2] = cc;
        g.pasValide = 1;
        break;
    }
    case c::kPointLibreSurCercle: {
        double angle = 0;
        if (!angleSurCercle(f, g, q, angle)) return;
        g.nouvellesValeurs[0] = angle;
        g.pasValide = 1;
        break;
    }
    case c::kPointLibreSurArc: {
        double angle = 0;
        if (!angleSurCercle(f, g, q, angle)) return;
        if (angle < 0) angle += 2 * kPi;
        if (g.angleArc <= 0) return;
        if (angle <= g.angleArc)
            g.nouvellesValeurs[0] = angle / g.angleArc;
        else
            g.nouvellesValeurs[0] = angle < g.angleArc / 2 + kPi ? 1.0 : 0.0;
        g.pasValide = 1;
        break;
    }
    case c::kPointLibreDansPolygone: {
        // Brought back inside the polygon, then its plane coordinates.
        double u = 0, v = 0;
        coordonneesDansPolygoneAnnexe(f, i, u, v, q.x, q.y, q.z);
        g.nouvellesValeurs[0] = u, g.nouvellesValeurs[1] = v;
        g.pasValide = 1;
        break;
    }
    case c::kPointLibreDansPlan:
    case c::kPointLibreSurSphere: {
        double p1 = 0, p2 = 0, p3 = 0;
        uint16_t erreur = 0;
        affecteObjetLibre(f, i, q.x, q.y, q.z, p1, p2, p3, erreur);
        g.affectationRefusee = erreur != 0;
        if (erreur != 0) return;
        g.nouvellesValeurs[0] = p1, g.nouvellesValeurs[1] = p2;
        g.pasValide = 1;
        break;
    }
    default:
        break;
    }
}

// Writes the new values of the step into the object.
void ecritValeurs(TfigureKalmetra& f, int i, const double (&v)[3]) {
    switch (objet(f, i).codeConstruction) {
    case c::kPointLibreDansPlan:
    case c::kPointLibreDansPolygone:
    case c::kPointLibreSurSphere:
        valeurDepuisZero(f, i, 3) = v[0], valeurDepuisZero(f, i, 4) = v[1];
        break;
    case c::kPointLibreCoordonneesEntieres:
        valeurDepuisZero(f, i, 3) = v[0], valeurDepuisZero(f, i, 4) = v[1], valeurDepuisZero(f, i, 5) = v[2];
        break;
    case c::kPointLibreDansEspace:
        valeurDepuisZero(f, i, 0) = v[0], valeurDepuisZero(f, i, 1) = v[1], valeurDepuisZero(f, i, 2) = v[2];
        break;
    default:
        valeurDepuisZero(f, i, 3) = v[0];
        break;
    }
}

void finDePas(TfigureKalmetra& f, TetatGlisser& g) {
    rafraichitApresDeplacement(f);
    noteValeursAvant(f, g);
    notifieHoteEtPublie(f, kCauseGlisser);
}

void ecritPoint(TfigureKalmetra& f, int i, V3 p) {
    calcul::ecritV3DepuisZero(f, i, 0, p);
    recalculeDependantsObjetActif(f);
}

// What a drag step of a glued point did, finished (the drag's state noted,
// the host told) only once the step is kept.
enum class PasColle : uint8_t {
    Perdu,    // the point went back where it was: nothing to tell
    SurObjet, // the point is on G, and what is glued to it followed
    Libre,    // the point left G, or G is away and the point was not on it
};

// A free point in space glued to G stays on G while G is defined and on
// the screen; it leaves G only when G is gone and it was not on G.
PasColle appliqueAuPointColle(TfigureKalmetra& f, TetatGlisser& g, int i, int G) {
    const V3 ancien = calcul::pointObjet(f, i);
    ecris3(g.origine, ancien);
    const bool etaitSurG = objet(f, G).nonDefini == 0 && pointsConfondus(f, i, G);
    const V3 cible = lis3(g.nouvellesValeurs);
    ecritPoint(f, i, cible);
    const auto gVisible = [&] {
        const V3 pg = calcul::pointObjet(f, G);
        return objet(f, G).nonDefini == 0 && !horsZoneDeDessin(f, pg.x, pg.y, pg.z);
    };
    if (gVisible()) {
        ecritPoint(f, i, calcul::pointObjet(f, G));
        if (objet(f, G).nonDefini == 0 && pointsConfondus(f, i, G)) {
            // The other points glued to what moved follow.
            TEnsembleObjets ensemble;
            ensemble.set(std::size_t(i));
            recalculeDependants(f, ensemble);
            return PasColle::SurObjet;
        }
        ecritPoint(f, i, cible);
        return PasColle::Libre;
    }
    if (!etaitSurG) return PasColle::Libre;
    ecritPoint(f, i, ancien);
    return PasColle::Perdu;
}

} // namespace

bool horsZoneDeDessin(const TfigureKalmetra& f, double x, double y, double z) {
    const V3 p{x, y, z};
    if (!dansLaBoite(f, p)) return true;
    const double sx = ecranX(f, p), sy = ecranY(f, p);
    return sx < 2 || sx > f.largeurImage - 2 || sy < f.hauteurZoneAffichages + 2 || sy > f.hauteurImage - 2;
}

uint8_t objetLibreSousCurseur(TfigureKalmetra& f, int32_t x, int32_t y) {
    int choix = 0;
    const TelementDessin* eChoix = nullptr;
    double dChoix = 0;
    for (int i = 14; i <= f.nombreObjets; ++i) {
        const TObjetFigure& o = objet(f, i);
        const TelementDessin* e = elementDessin(f, i);
        if (!e || e->type != kDessinPoint || !estObjetLibre(o) || estBloque(o)) continue;
        const double d = distancePointsEcran(e->x, e->y, x, y);
        if (d >= kRayonSaisie) continue;
        const bool remplace = choix == 0 ||
                              distancePointsEcran(e->x, e->y, eChoix->x, eChoix->y) < kPositionsConfondues ||
                              d < dChoix;
        if (!remplace || supportTropPetit(f, i)) continue;
        choix = i;
        eChoix = e;
        dChoix = d;
    }
    return uint8_t(choix);
}

void saisitObjetLibre(TfigureKalmetra& f, int32_t lParam) {
    if (!f.etatGlisser) return;
    TetatGlisser& g = *f.etatGlisser;
    if (g.geste || g.saisi) return;
    const int32_t x = platform::xDeLParam(lParam), y = platform::yDeLParam(lParam);
    const int i = objetLibreSousCurseur(f, x, y);
    if (i == 0) return;
    prepareContrainte(f, g, i);
    if (!g.pasValide) return;
    platform::changeCurseur(g.curseurPince);
    g.objetTenu = 1;
    g.saisi = 1;
    f.dernierLibreBouge = uint8_t(i);
    notifieHoteEtPublie(f, kCausePrise);
    prepareObjetActif(f, i);
    const TelementDessin* e = elementDessin(f, i);
    g.ancreX = e ? e->x : x;
    g.ancreY = e ? e->y : y;
    platform::fixePositionCurseur(platform::clientVersEcran(f.fenetreDessin, {g.ancreX, g.ancreY}));
    noteValeursAvant(f, g);
}

void glisseObjetLibre(TfigureKalmetra& f) {
    if (!f.etatGlisser || f.objetLibreActif == 0) return;
    TetatGlisser& g = *f.etatGlisser;
    if (g.sourisX == g.ancreX && g.sourisY == g.ancreY) return;
    if (g.sourisX < 2 || g.sourisX > f.largeurImage - 2 || g.sourisY < f.hauteurZoneAffichages + 2 ||
        g.sourisY > f.hauteurImage - 2)
        return;
    const int i = f.objetLibreActif;
    const uint8_t code = objet(f, i).codeConstruction;
    for (int k = 0; k < 3; ++k)
        g.nouvellesValeurs[k] = g.valeursAvant[k];
    switch (code) {
    case c::kPointLibreAbscisseEntiere:
    case c::kPointLibreSurSegment:
    case c::kPointLibreSurDemiDroite:
    case c::kPointLibreSurDroite:
        pasSurDroite(g, code);
        break;
    case c::kPointLibreCoordonneesEntieres:
    case c::kPointLibreSurCercle:
    case c::kPointLibreSurArc:
    case c::kPointLibreDansEspace:
    case c::kPointLibreDansPlan:
    case c::kPointLibreDansPolygone:
    case c::kPointLibreSurSphere:
        pasSurSurface(f, g, i, code);
        break;
    default:
        return;
    }
    if (!g.pasValide) return;
    bool change = false;
    for (int k = 0; k < 3; ++k)
        change = change || g.nouvellesValeurs[k] != g.valeursAvant[k];
    if (change) appliqueValeursGlissees(f);
}

void appliqueValeursGlissees(TfigureKalmetra& f) {
    const int i = f.objetLibreActif;
    if (i == 0 || !f.etatGlisser) return;
    TetatGlisser& g = *f.etatGlisser;
    const TObjetFigure& o = objet(f, i);
    // A step after which a stored start line would no longer run is
    // refused: the point stays where the last step left it, and the drag
    // goes on from there.
    GardeDemarrage demarrage(f);
    if (o.codeConstruction == c::kPointLibreDansEspace && o.pointColle != 0) {
        // The step is judged before the host hears of it or the drag goes
        // on from it.
        const PasColle pas = appliqueAuPointColle(f, g, i, o.pointColle);
        if (!demarrage.accepte(i) || pas == PasColle::Perdu) return;
        if (pas == PasColle::Libre) {
            finDePas(f, g);
            return;
        }
        g.ancreX = g.sourisX;
        g.ancreY = g.sourisY;
        noteValeursAvant(f, g);
        notifieHoteEtPublie(f, kCauseGlisser);
        return;
    }
    ecritValeurs(f, i, g.nouvellesValeurs);
    recalculeDependantsObjetActif(f);
    if (!demarrage.accepte(i)) return;
    finDePas(f, g);
}

} // namespace km32
