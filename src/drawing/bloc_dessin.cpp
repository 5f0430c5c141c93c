#include "drawing/bloc_dessin.h"

#include <algorithm>
#include <cmath>

#include "base/erreur.h"
#include "base/texte.h"
#include "drawing/copie_echelle.h"
#include "drawing/donnees_dessin.h"
#include "drawing/element_solide.h"
#include "drawing/impression_cadre.h"
#include "drawing/rendu_styles.h"
#include "drawing/rendu_figure.h"
#include "drawing/textes_dessin.h"
#include "model/couleur_par_scalaires.h"
#include "model/objets_figure.h"
#include "model/operations.h"
#include "model/services_dessin.h"
#include "model/solides/mesures_solides.h"
#include "model/solides/parties_cachees.h"
#include "model/solides/polyedres.h"
#include "model/solides/vue_solides.h"

namespace km32 {

void SuppressionElementDessin::operator()(TelementDessin* element) const noexcept {
    delete element;
}

namespace {

void ajouteCordes(const TblocSegments* bloc, const TpartiesBloc* parties,
                  std::vector<TpartiesVisibles>& cordes) {
    if (!bloc || !parties) return;
    for (int k = 0; k < bloc->nombre && k < kMaxSegmentsBloc; ++k)
        cordes.push_back((*parties)[std::size_t(k)]);
}

// ---- Builders: false when there is nothing to draw ----

bool elementPoint(const TfigureKalmetra& f, int n, const TElementSolide& s, TelementDessin& e) {
    e.x = projetteX(f, s.a.x, s.a.y, s.a.z);
    e.y = projetteY(f, s.a.x, s.a.y, s.a.z);
    if (horsDeLImage(f, e.x, e.y)) return false;
    if (partiesCacheesCalculees(f) && pointCacheParPolyedres(f, s.a)) return false;
    if (!construitEtiquettePoint(f, n, e)) return false;
    e.largeur = e.hauteur = 0;
    e.xEtiquette = e.x;
    e.yEtiquette = e.y;
    if (nomDessine(e.style) && f.nomsPointsAffiches) placeEtiquette(f, e);
    return true;
}

bool elementSegment(const TfigureKalmetra& f, const TElementSolide& s, TelementDessin& e) {
    partiesVisiblesSegment(f, s.a, s.b, e.parties);
    return e.parties.nombre > 0;
}

bool elementAxe(const TfigureKalmetra& f, int n, const TElementSolide& s, TelementDessin& e) {
    TcomplementDessin& ce = complementDe(e);
    partiesVisiblesSegment(f, s.a, s.b, e.parties);
    ce.lettre = (n >= 8 && n <= 10) ? char('x' + (n - 8)) : ' ';
    const bool cacher = partiesCacheesCalculees(f);
    ce.extremiteVisible = (cacher && pointCacheParPolyedres(f, s.b)) ? 0 : 1;
    const int32_t xb = projetteX(f, s.b.x, s.b.y, s.b.z), yb = projetteY(f, s.b.x, s.b.y, s.b.z);
    // Two pixels beyond the end, on the side away from the window's centre;
    // the letter's box is measured as a point name.
    TelementDessin lettre;
    lettre.etiquette = std::string(1, ce.lettre);
    const platform::Point boite = tailleEtiquette(f, lettre);
    ce.xLettre = xb >= f.centreEcranX ? xb + 2 : xb - 2 - boite.x;
    ce.yLettre = yb >= f.centreEcranY ? yb + 2 : yb - 2 - boite.y;
    const TcomplementSolide& c = complementDe(s);
    ce.nombreGraduations = std::min<uint8_t>(c.nombreMarques, kMaxGraduations);
    for (int k = 0; k < ce.nombreGraduations; ++k) {
        const TpointEntier& p = c.marques[std::size_t(k)];
        ce.graduations[std::size_t(k)] = {projetteX(f, p.x, p.y, p.z), projetteY(f, p.x, p.y, p.z),
                                          uint8_t(cacher && pointCacheParPolyedres(f, p) ? 1 : 0)};
    }
    return true;
}

bool elementLigne(TfigureKalmetra& f, int n, TElementSolide& s, TelementDessin& e) {
    TcomplementDessin& ce = complementDe(e);
    // Hidden points are flagged whenever hidden parts are computed: shown
    // dotted, the hidden arcs are drawn as the hidden pieces of segments are.
    projettePolyligne(f, s.ligne, calculPartiesCachees(f), ce.points);
    ce.cordes.clear();
    if (s.vue && s.vue->lignesSupplementaires) {
        partiesVisiblesCourbe(f, n, *s.vue);
        if (f.filDeFer) {
            // No hidden parts: each chord is one visible piece.
            s.vue->partiesLignesSupplementaires.reset();
            TpartiesBloc parties{};
            const TblocSegments& b = *s.vue->lignesSupplementaires;
            for (int k = 0; k < b.nombre; ++k)
                partiesVisiblesSegment(f, b.debuts[std::size_t(k)], b.fins[std::size_t(k)],
                                       parties[std::size_t(k)]);
            ajouteCordes(&b, &parties, ce.cordes);
        } else {
            ajouteCordes(s.vue->lignesSupplementaires.get(), s.vue->partiesLignesSupplementaires.get(),
                         ce.cordes);
        }
    }
    return !ce.points.empty();
}

bool elementPolyedre(TfigureKalmetra& f, int n, TElementSolide& s, TelementDessin& e) {
    TcomplementDessin& ce = complementDe(e);
    if (!s.vue) return false;
    TElementSolideVue& v = *s.vue;
    // The query writes the parts of edges 1 to nombreAretes; the display
    // element then takes them, so the drawing data does not hold a second
    // copy of them between two builds.
    v.partiesAretes.resize(std::size_t(v.nombreAretes) + 1);
    if (objet(f, n).nature == kNaturePatronPolyedre)
        partiesVisiblesPatron(f, n, v);
    else
        partiesVisiblesPolyedre(f, n, v);
    ce.nombreAretes = v.nombreAretes;
    ce.areteCachee.assign(std::size_t(v.nombreAretes) + 1, 0);
    ce.aretes = std::move(v.partiesAretes);
    v.partiesAretes.clear();
    for (int k = 1; k <= v.nombreAretes; ++k) {
        bool cachee = v.areteOmise[std::size_t(k)] != 0;
        // In the isolated plane an edge that is not in it counts as hidden.
        if (modePlanIsole(f) && !f.aucunPlanIsole) {
            const TpointEntier &a = v.debutsAretes[std::size_t(k)], &b = v.finsAretes[std::size_t(k)];
            if (!pointSurPlanIsole(f, a.x, a.y, a.z) || !pointSurPlanIsole(f, b.x, b.y, b.z)) cachee = true;
        }
        ce.areteCachee[std::size_t(k)] = cachee ? 1 : 0;
    }
    ce.cordes.clear();
    for (int k = 1; k <= v.nombreFaces && k <= kMaxFacesElement; ++k)
        ajouteCordes(v.hachuresFaces[std::size_t(k)].get(), v.partiesHachuresFaces[std::size_t(k)].get(),
                     ce.cordes);
    return true;
}

// The display element takes the projected points of the drawn circles: the
// query fills them again at every build, so the drawing data need not hold
// a second copy for as long as the figure lives.
void prendLignesEcran(TElementSolideVue& v, TelementDessin& e) {
    TcomplementDessin& ce = complementDe(e);
    ce.lignes.resize(v.lignes.size());
    for (std::size_t k = 0; k < v.lignes.size(); ++k)
        ce.lignes[k] = std::move(v.lignes[k].ecran);
}

void remplitLigneVue(std::vector<TligneVue>& lignes, std::size_t k, const std::vector<TentreeLigne>& points) {
    if (lignes.size() <= k) lignes.resize(k + 1);
    lignes[k].points = points;
}

// Whether an outline point of a cap (model coordinates) is drawn: inside the
// figure's box, on the cap's side of its plane and inside its limiting solid.
bool pointDuBordDeCalotte(const TfigureKalmetra& f, int limite, const TcomplementSolide& c, double x,
                          double y, double z) {
    if (horsDesBornes(f, x) || horsDesBornes(f, y) || horsDesBornes(f, z)) return false;
    const std::array<double, 4>& p = c.planCalotte;
    if (p[0] * x + p[1] * y + p[2] * z + p[3] > kToleranceCoteCalotte) return false;
    return limite == 0 || objet(f, limite).nonDefini || pointDansSolide(f, limite, x, y, z);
}

// A sphere, or a spherical cap: the outline is the great circle across the
// viewing direction, of which a cap keeps the points of its rim; then the
// base circle of a cap and the parallels of a hatched one.
bool elementSphere(TfigureKalmetra& f, int n, TElementSolide& s, TelementDessin& e) {
    TElementSolideVue& v = s.vue ? *s.vue : *(s.vue = std::make_unique<TElementSolideVue>());
    const TcomplementSolide& c = complementDe(s);
    if (!c.cercle) return false;
    const TcercleUnite& cercle = *c.cercle;
    const TObjetFigure& o = objet(f, n);
    const bool calotte = o.nature == kNatureCalotteSpherique;
    const Tvecteur3 d = directionVisee(f);
    Tvecteur3 u;
    vecteurOrthogonal(u.x, u.y, u.z, d.x, d.y, d.z);
    Tvecteur3 w;
    produitVectoriel(w.x, w.y, w.z, d.x, d.y, d.z, u.x, u.y, u.z);
    std::size_t nombreLignes = 1;
    if (v.lignes.empty()) v.lignes.resize(1);
    std::vector<TentreeLigne>& contour = v.lignes[0].points;
    contour.clear();
    contour.reserve(std::size_t(std::max(c.nombreEchantillons, 0)) + 1);
    const double k = f.echelle;
    const TpointEntier& centre = c.centre;
    bool rupture = true;
    for (int j = 0; j <= c.nombreEchantillons; ++j) {
        const double cs = c.rayon * cercle.cosinus[std::size_t(j)],
                     sn = c.rayon * cercle.sinus[std::size_t(j)];
        const double dx = cs * u.x + sn * w.x, dy = cs * u.y + sn * w.y, dz = cs * u.z + sn * w.z;
        if (calotte && !pointDuBordDeCalotte(f, convexeLimitant(f, n), c, centre.x / k + dx,
                                             centre.y / k + dy, centre.z / k + dz)) {
            rupture = true;
            continue;
        }
        if (calotte && contour.size() >= std::size_t(kMaxPointsLigne)) return false;
        // Saturated like every integer coordinate: the centre of a sphere far
        // out is already at the integer limit, and its outline goes past it.
        contour.push_back({uint8_t(rupture ? 1 : 0),
                           {entier32Sature(centre.x + k * dx), entier32Sature(centre.y + k * dy),
                            entier32Sature(centre.z + k * dz)}});
        rupture = false;
    }
    if (calotte && !s.ligne.empty()) remplitLigneVue(v.lignes, nombreLignes++, s.ligne);
    if (c.paralleles)
        for (const auto& parallele : c.paralleles->paralleles)
            if (!parallele.empty()) remplitLigneVue(v.lignes, nombreLignes++, parallele);
    v.lignes.resize(nombreLignes);
    partiesVisiblesSphere(f, n, v);
    prendLignesEcran(v, e);
    return true;
}

bool elementSolideRond(TfigureKalmetra& f, int n, TElementSolide& s, TelementDessin& e) {
    TcomplementDessin& ce = complementDe(e);
    if (!s.vue) return false;
    TElementSolideVue& v = *s.vue;
    TObjetFigure& o = objet(f, n);
    TDonneesSolideRond* r = nullptr;
    if (o.emplacementSolide != 0 && f.tableDesPolyedres &&
        f.tableDesPolyedres->donnees[o.emplacementSolide]) {
        TDonneesPolyedre& d = donneesPolyedreObjet(f, n);
        if (d.genre == kGenreSolideRond) r = &solideRondDe(d);
    }
    if (!r) return false;
    if (!styleRempli(o.style) || f.filDeFer) prepareVueSolideRond(*r, f);
    v.lignes.resize(2);
    v.lignes[0].points = s.ligne;
    v.lignes[1].points = complementDe(s).ligne2;
    v.nombreGeneratrices = 0;
    if (!r->vue.sansContour)
        for (int k = 0; k < 2; ++k) {
            const Tvecteur3 &a = r->vue.tangenteBase[k], &b = r->vue.tangentePetite[k];
            v.debutsGeneratrices[std::size_t(k)] = {coordonneeEntiere(f, a.x), coordonneeEntiere(f, a.y),
                                                    coordonneeEntiere(f, a.z)};
            v.finsGeneratrices[std::size_t(k)] = {coordonneeEntiere(f, b.x), coordonneeEntiere(f, b.y),
                                                  coordonneeEntiere(f, b.z)};
            v.generatriceOmise[std::size_t(k)] = 0;
            ++v.nombreGeneratrices;
        }
    partiesVisiblesSolideRond(f, n, v);
    prendLignesEcran(v, e);
    ce.aretes.assign(v.partiesGeneratrices.begin(), v.partiesGeneratrices.begin() + v.nombreGeneratrices);
    ce.nombreAretes = v.nombreGeneratrices;
    ce.cordes.clear();
    for (int k = 0; k < 3; ++k)
        ajouteCordes(v.hachuresSolide[std::size_t(k)].get(), v.partiesHachuresSolide[std::size_t(k)].get(),
                     ce.cordes);
    return true;
}

bool elementTexte(const TfigureKalmetra& f, int n, TelementDessin& e) {
    construitElementTexte(f, n, e);
    return true;
}

uint8_t typeDessin(uint8_t nature) {
    switch (nature) {
    case kNaturePoint:
        return kDessinPoint;
    case kNatureSegment:
    case kNatureDroite:
    case kNatureDemiDroite:
        return kDessinSegment;
    case kNatureDroiteGraduee:
        return kDessinAxe;
    case kNatureCercle:
    case kNatureArcDeCercle:
    case kNatureCourbe:
        return kDessinLigne;
    case kNatureAffichage:
        return kDessinTexte;
    case kNaturePolyedreConvexe:
    case kNaturePolygoneConvexe:
    case kNaturePatronPolyedre:
        return kDessinPolyedre;
    case kNatureSphere:
    case kNatureCalotteSpherique:
        return kDessinSphere;
    case kNatureCylindre:
    case kNatureCone:
    case kNatureTroncDeCone:
        return kDessinSolideRond;
    case kNatureMaillage:
        return kDessinMaillage;
    default:
        return 0;
    }
}

PElementDessin& place(TfigureKalmetra& f, int n) {
    verifieIndice(n, kPremierElement, kMaxObjets, "display element");
    if (!f.blocDessin) creeBlocDessin(f.blocDessin);
    return f.blocDessin->elements[std::size_t(n)];
}

// The constructions that can lie in the isolated plane.
bool codeDansPlanIsole(uint8_t c) {
    static const TEnsembleObjets codes = [] {
        TEnsembleObjets s;
        const int intervalles[][2] = {{1, 21},    {23, 37},   {71, 71},   {105, 105}, {125, 125}, {130, 142},
                                      {144, 144}, {146, 148}, {150, 151}, {153, 153}, {155, 156}, {161, 162},
                                      {173, 176}, {181, 182}, {184, 184}, {188, 189}, {192, 192}, {197, 197},
                                      {201, 203}, {206, 206}, {209, 213}, {218, 219}, {232, 232}, {249, 254}};
        for (const auto& i : intervalles)
            for (int k = i[0]; k <= i[1]; ++k)
                s.set(std::size_t(k));
        return s;
    }();
    return codes.test(c);
}

} // namespace

TcoordonneeEcran projetteX32(const TfigureKalmetra& f, const TpointEntier& p) {
    return projetteX32(f, p.x, p.y, p.z);
}

TcoordonneeEcran projetteY32(const TfigureKalmetra& f, const TpointEntier& p) {
    return projetteY32(f, p.x, p.y, p.z);
}

void projettePolyligne(const TfigureKalmetra& f, const std::vector<TentreeLigne>& ligne, bool cacher,
                       std::vector<TpointEcran>& points) {
    points.resize(ligne.size());
    bool precedentCache = false;
    for (std::size_t k = 0; k < ligne.size(); ++k) {
        const TpointEntier& p = ligne[k].p;
        const bool c = cacher && pointCacheParPolyedres(f, p);
        TpointEcran& q = points[k];
        q.x = projetteX32(f, p);
        q.y = projetteY32(f, p);
        q.drapeaux = kPointEcranDefini;
        if (k == 0 || ligne[k].nouveauMorceau || c != precedentCache) q.drapeaux |= kPointEcranNonRelie;
        if (c) q.drapeaux |= kPointEcranCache;
        precedentCache = c;
    }
}

void creeBlocDessin(std::unique_ptr<TblocDessin>& bloc) {
    libereBlocDessin(bloc);
    bloc = std::make_unique<TblocDessin>();
}

void libereBlocDessin(std::unique_ptr<TblocDessin>& bloc) {
    if (!bloc) return;
    for (PElementDessin& e : bloc->elements)
        e.reset();
    bloc.reset();
}

void copieBlocDessin(const TblocDessin& bloc, std::unique_ptr<TblocDessin>& copie) {
    copie = std::make_unique<TblocDessin>();
    copie->drapeau = bloc.drapeau;
    copie->rectangleBandeau = bloc.rectangleBandeau;
    copie->rectangleFigure = bloc.rectangleFigure;
    copie->legende = bloc.legende;
    copie->encombrementLegende = bloc.encombrementLegende;
    copie->hauteurLegende = bloc.hauteurLegende;
    copie->ligneLegende = bloc.ligneLegende;
    copie->hautLegende = bloc.hautLegende;
    copie->basLegende = bloc.basLegende;
    for (std::size_t k = 0; k < bloc.elements.size(); ++k)
        if (bloc.elements[k]) copie->elements[k].reset(new TelementDessin(*bloc.elements[k]));
}

void libereElementObjet(TfigureKalmetra& f, int n) {
    place(f, n).reset();
}

TelementDessin* elementDessin(TfigureKalmetra& f, int n) {
    verifieIndice(n, kPremierElement, kMaxObjets, "display element");
    return f.blocDessin ? f.blocDessin->elements[std::size_t(n)].get() : nullptr;
}

const TelementDessin* elementDessin(const TfigureKalmetra& f, int n) {
    verifieIndice(n, kPremierElement, kMaxObjets, "display element");
    return f.blocDessin ? f.blocDessin->elements[std::size_t(n)].get() : nullptr;
}

bool elementCalotte(TfigureKalmetra& f, int n, TElementSolide& s, TelementDessin& e) {
    if (objet(f, n).nature != kNatureCalotteSpherique || s.genre != kElementCalotte) return false;
    e.type = kDessinSphere;
    e.objet = uint8_t(n);
    e.style = objet(f, n).style;
    return elementSphere(f, n, s, e);
}

void prepareElementObjet(TfigureKalmetra& f, int n) {
    TObjetFigure& o = objet(f, n);
    if (!estObjetDessinable(o)) return;
    PElementDessin& slot = place(f, n);
    const bool texte = o.nature == kNatureAffichage;
    auto abandonne = [&] { slot.reset(); };
    if (o.nonDefini && !texte) return abandonne();
    if (o.nature == kNaturePoint) {
        if (!selectionnePourTrace(o.style) &&
            (!estDessine(o.style) || (!f.nomsPointsAffiches && !marqueDessinee(o.style))))
            return abandonne();
    } else if (!estDessine(o.style)) {
        return abandonne();
    }
    TElementSolide* s = texte ? nullptr : elementSolide(f, n);
    if (!texte && !s) return abandonne();
    if (!texte && modePlanIsole(f) &&
        (f.planIsoleNonDefini != 0 || !codeDansPlanIsole(o.codeConstruction) || s->dansPlan == 0))
        return abandonne();
    if (texte) {
        couleurParScalaires(f, uint8_t(n));
        if (couleurNonValide(o.style)) return abandonne();
    }
    const uint8_t type = typeDessin(natureDessin(o));
    if (type == 0) return abandonne();
    // The element in the slot is reused when its kind matches: a drag then
    // allocates nothing for the points, lines and curves it rebuilds (a
    // sphere, a round solid or a polyhedron takes new lists from its query).
    PElementDessin e = (slot && slot->type == type) ? std::move(slot) : PElementDessin(new TelementDessin);
    slot.reset();
    e->type = type;
    e->objet = uint8_t(n);
    e->style = o.style;
    e->sourcesCouleur = {o.sourcesCouleur[0], o.sourcesCouleur[1], o.sourcesCouleur[2]};
    bool ok = false;
    switch (type) {
    case kDessinPoint:
        ok = elementPoint(f, n, *s, *e);
        break;
    case kDessinSegment:
        ok = elementSegment(f, *s, *e);
        break;
    case kDessinAxe:
        ok = elementAxe(f, n, *s, *e);
        break;
    case kDessinLigne:
        ok = elementLigne(f, n, *s, *e);
        break;
    case kDessinPolyedre:
        ok = elementPolyedre(f, n, *s, *e);
        break;
    case kDessinSphere:
        ok = elementSphere(f, n, *s, *e);
        break;
    case kDessinSolideRond:
        ok = elementSolideRond(f, n, *s, *e);
        break;
    case kDessinTexte:
        ok = elementTexte(f, n, *e);
        break;
    case kDessinMaillage:
        ok = projetteGrilleMaillage(f, complementDe(*s).grille, calculPartiesCachees(f),
                                    complementDe(*e).maillage);
        break;
    default:
        break;
    }
    if (ok) slot = std::move(e);
}

void prepareElementsDessin(TfigureKalmetra& f) {
    placeZonesDessin(f);
    if (f.tableTraces) projetteTraces(f);
    for (int i = kPremierElement; i <= f.nombreObjets; ++i)
        prepareElementObjet(f, i);
}

void libereElementsSaufTextes(TfigureKalmetra& f) {
    if (!f.blocDessin) return;
    for (int i = kPremierElement; i <= kMaxObjets; ++i) {
        PElementDessin& e = f.blocDessin->elements[std::size_t(i)];
        if (e && e->type != kDessinTexte) e.reset();
    }
}

void placeZonesDessin(TfigureKalmetra& f) {
    if (!f.blocDessin) creeBlocDessin(f.blocDessin);
    TblocDessin& b = *f.blocDessin;
    const platform::Rect z = calculeZoneDessin(f).zone;
    const int32_t bande = std::clamp(f.hauteurZoneAffichages, 0, std::max(0, f.hauteurImage));
    // In scaled drawing the rectangles are scaled, except what stays in
    // screen pixels because texts are drawn unscaled: the band's bottom and a
    // figure top that lies against the band (screen pixels of the device,
    // longueurPixel, in a drawing in fine units).
    const bool echelle = etatRendu().modeEchelle != 0;
    auto e = [echelle](int32_t n) { return echelle ? echelleEntier(n) : n; };
    const int32_t haut = bande > z.haut ? bande + 2 : z.haut;
    b.rectangleFigure = {e(z.gauche), haut <= bande + 2 ? longueurPixel(haut) : e(haut), e(z.droite),
                         e(z.bas)};
    b.rectangleBandeau = {e(z.gauche), e(z.haut), e(z.droite),
                          bande > 0 ? longueurPixel(std::min(bande - 2, z.bas)) : e(z.haut)};
}

bool existeElementDessin(const TfigureKalmetra& f) {
    if (!f.blocDessin) return false;
    for (int i = kPremierElement; i <= f.nombreObjets; ++i)
        if (f.blocDessin->elements[std::size_t(i)]) return true;
    return false;
}

bool existeTexteDessine(const TfigureKalmetra& f) {
    for (int i = kPremierElement; i <= f.nombreObjets; ++i) {
        const TObjetFigure& o = objet(f, i);
        if (o.nature == kNatureAffichage && estDessine(o.style)) return true;
    }
    return false;
}

} // namespace km32
