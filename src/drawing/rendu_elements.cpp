// The drawers of the display elements, one per display kind.
#include <vector>

#include "base/garde.h"
#include "drawing/rendu_etiquettes.h"
#include "drawing/rendu_figure.h"
#include "drawing/rendu_styles.h"
#include "platform/contexte_dessin.h"
#include "sibling/texte_math.h"
#include "sibling/table_partagee.h"
#include "sibling/texte_math_dessin.h"

namespace km32 {

namespace {

using platform::ContexteDessin;
using platform::Couleur;

platform::Rect versRect(const TrectangleDessin& r) {
    return {r.gauche, r.haut, r.droite, r.bas};
}

// Hidden dots and hidden ticks are left out when hidden parts are computed
// and not shown dotted.
bool cacheOmis(const TfigureKalmetra& f) {
    return calculPartiesCachees(f) && !f.partiesCacheesPointillees;
}

// Pieces of further lines (edges, chords of hatchings, silhouettes): the
// visible ones with the object's pen, then, when asked, the hidden ones dotted.
void dessineMorceaux(ContexteDessin& dc, const std::vector<TpartiesVisibles>& parties, std::size_t debut,
                     bool cachesDessines, Couleur couleur, const std::vector<uint8_t>* omis = nullptr) {
    auto garde = [&](std::size_t k) { return !(omis && k < omis->size() && (*omis)[k]); };
    for (std::size_t k = debut; k < parties.size(); ++k)
        if (garde(k)) tracePartiesVisibles(dc, parties[k]);
    if (!cachesDessines) return;
    choisitStyloPointille(dc, couleur);
    for (std::size_t k = debut; k < parties.size(); ++k)
        if (garde(k)) tracePartiesCachees(dc, parties[k]);
}

void dessinePoint(TfigureKalmetra& f, ContexteDessin& dc, const TelementDessin& e, Couleur couleur) {
    if (marqueDessinee(e.style)) {
        choisitStyloMarque(f, dc, tailleMarque(e.style), couleur);
        tracePointSeul(dc, e.x, e.y);
    }
    if (nomDessine(e.style) && f.nomsPointsAffiches) {
        SetTexteCoul(dc, 1, couleur);
        dessineTexteEtiquette(dc, e, couleur);
    }
}

void dessineSegment(const TfigureKalmetra& f, ContexteDessin& dc, const TelementDessin& e, Couleur couleur) {
    tracePartiesVisibles(dc, e.parties);
    if (!f.partiesCacheesPointillees) return;
    choisitStyloPointille(dc, couleur);
    tracePartiesCachees(dc, e.parties);
}

void dessineTexte(TfigureKalmetra& f, ContexteDessin& dc, const TelementDessin& e, Couleur couleur) {
    SetTexteCoul(dc, 1, couleur);
    if (e.y - e.decalage + e.hauteur > f.hauteurZoneAffichages) return;
    // x scaled; y in screen pixels, as the band is (of the device, in fine units).
    const platform::Point p = echellePoint(e.x, e.y);
    const int32_t y = longueurPixel(e.y);
    const GardeValeur<uint8_t> sansEchelle(etatRendu().modeEchelle, 0);
    ExpForm(dc, e.texte, double(p.x) / larg(), double(y) / haut());
}

void dessineAxe(TfigureKalmetra& f, ContexteDessin& dc, const TelementDessin& e, Couleur couleur) {
    const TcomplementDessin& ce = complementDe(e);
    dessineSegment(f, dc, e, couleur);
    if ((ce.lettre == 'x' || ce.lettre == 'y' || ce.lettre == 'z') && ce.yLettre > f.hauteurZoneAffichages &&
        (ce.extremiteVisible || f.partiesCacheesPointillees)) {
        SetTexteCoul(dc, 1, couleur);
        const platform::Point p = echellePoint(ce.xLettre, ce.yLettre);
        EmessG(dc, std::string(1, ce.lettre), p.x, p.y);
    }
    if (!estGradue(e.style) || ce.nombreGraduations == 0) return;
    choisitStyloPlein(f, dc, epaisseurTrait(e.style) + 2, couleur);
    const bool omis = cacheOmis(f);
    for (int k = 0; k < ce.nombreGraduations && k < kMaxGraduations; ++k) {
        const TgraduationEcran& g = ce.graduations[std::size_t(k)];
        if (omis && g.cachee) continue;
        tracePointSeul(dc, g.x, g.y);
    }
}

void dessinePolyedre(const TfigureKalmetra& f, ContexteDessin& dc, const TelementDessin& e, Couleur couleur) {
    const TcomplementDessin& ce = complementDe(e);
    const bool pointilles = partiesCacheesSolidesPointillees(f);
    // Edges 1 to nombreAretes (entry 0 unused), then the chords of the hatched faces.
    dessineMorceaux(dc, ce.aretes, 1, false, couleur, &ce.areteCachee);
    dessineMorceaux(dc, ce.cordes, 0, false, couleur);
    if (!pointilles) return;
    choisitStyloPointille(dc, couleur);
    for (std::size_t k = 1; k < ce.aretes.size(); ++k)
        if (!(k < ce.areteCachee.size() && ce.areteCachee[k])) tracePartiesCachees(dc, ce.aretes[k]);
    for (const TpartiesVisibles& p : ce.cordes)
        tracePartiesCachees(dc, p);
}

void dessineSphere(const TfigureKalmetra& f, ContexteDessin& dc, const TelementDessin& e, Couleur couleur) {
    const TcomplementDessin& ce = complementDe(e);
    etatRendu().taillePoints = epaisseurTrait(e.style) + 1;
    for (std::size_t k = 0; k < ce.lignes.size(); ++k) {
        if (k > 0 && f.filDeFer) break;
        dessinePolyligneEcran(f, dc, e.style, ce.lignes[k], couleur);
    }
}

void dessineSolideRond(const TfigureKalmetra& f, ContexteDessin& dc, const TelementDessin& e,
                       Couleur couleur) {
    const TcomplementDessin& ce = complementDe(e);
    etatRendu().taillePoints = epaisseurTrait(e.style) + 1;
    for (const std::vector<TpointEcran>& ligne : ce.lignes)
        dessinePolyligneEcran(f, dc, e.style, ligne, couleur);
    const bool pointilles = partiesCacheesSolidesPointillees(f);
    dessineMorceaux(dc, ce.aretes, 0, false, couleur);
    dessineMorceaux(dc, ce.cordes, 0, false, couleur);
    if (!pointilles) return;
    choisitStyloPointille(dc, couleur);
    for (const TpartiesVisibles& p : ce.aretes)
        tracePartiesCachees(dc, p);
    for (const TpartiesVisibles& p : ce.cordes)
        tracePartiesCachees(dc, p);
}

void dessineLigne(const TfigureKalmetra& f, ContexteDessin& dc, const TelementDessin& e, Couleur couleur) {
    const TcomplementDessin& ce = complementDe(e);
    etatRendu().taillePoints = epaisseurTrait(e.style) + 1;
    dessinePolyligneEcran(f, dc, e.style, ce.points, couleur);
    dessineMorceaux(dc, ce.cordes, 0, f.partiesCacheesPointillees != 0, couleur);
}

// The larger font of a thick-lines figure, for points, texts and axes.
bool utiliseGrosTexte(const TfigureKalmetra& f, uint8_t type) {
    return f.traitsEpais && (type == kDessinPoint || type == 6 || type == kDessinTexte || type == kDessinAxe);
}

} // namespace

void dessinePolyligneEcran(const TfigureKalmetra& f, ContexteDessin& dc, const TstyleObjet& style,
                           const std::vector<TpointEcran>& points, Couleur couleur) {
    if (points.empty()) return;
    const bool calcul = calculPartiesCachees(f);
    const bool omis = calcul && !f.partiesCacheesPointillees;
    if (pointsNonLies(style)) {
        choisitStyloPlein(f, dc, etatRendu().taillePoints, couleur);
        for (const TpointEcran& p : points) {
            if (omis && pointEcranCache(p)) continue;
            const platform::Point q = positionPointEcran(p);
            // The position is already scaled: draw it as it stands.
            const GardeValeur<uint8_t> sansEchelle(etatRendu().modeEchelle, 0);
            tracePointSeul(dc, q.x, q.y);
        }
        choisitStyloObjet(f, dc, style, couleur);
        return;
    }
    auto point = [&](std::size_t i) {
        if (!(omis && pointEcranCache(points[i]))) dessineMarquePoint(dc, points[i], couleur);
    };
    // A joined step with a hidden end is a piece of hidden line: left out
    // here, and drawn afterwards as the hidden pieces of segments are.
    auto relieCache = [&](std::size_t i) {
        return !pointEcranNonRelie(points[i]) && calcul &&
               (pointEcranCache(points[i - 1]) || pointEcranCache(points[i]));
    };
    bool cachesRelies = false;
    {
        const LotSegments lot(dc);
        for (std::size_t i = 1; i < points.size(); ++i) {
            const TpointEcran &a = points[i - 1], &b = points[i];
            if (relieCache(i)) {
                cachesRelies = true;
            } else if (!pointEcranNonRelie(b)) {
                const platform::Point pa = positionPointEcran(a), pb = positionPointEcran(b);
                const GardeValeur<uint8_t> sansEchelle(etatRendu().modeEchelle, 0);
                traceSegment(dc, pa.x, pa.y, pb.x, pb.y);
            } else if (pointEcranNonRelie(a)) {
                point(i - 1);
            }
        }
        if (pointEcranNonRelie(points.back())) point(points.size() - 1);
    }
    if (!cachesRelies || omis) return;
    choisitStyloPointille(dc, couleur);
    {
        const LotSegments lot(dc);
        for (std::size_t i = 1; i < points.size(); ++i)
            if (relieCache(i))
                traceMorceauCache(dc, xPointEcran(points[i - 1]), yPointEcran(points[i - 1]),
                                  xPointEcran(points[i]), yPointEcran(points[i]));
    }
    choisitStyloObjet(f, dc, style, couleur);
}

bool calculPartiesCachees(const TfigureKalmetra& f) {
    return !f.filDeFer && f.nombrePolyedresVisibles > 0;
}

bool partiesCacheesSolidesPointillees(const TfigureKalmetra& f) {
    return f.partiesCacheesPointillees && calculPartiesCachees(f);
}

void dessineElement(TfigureKalmetra& f, ContexteDessin& dc, int n) {
    const TelementDessin* pe = elementDessin(f, n);
    if (!pe) return;
    const TelementDessin& e = *pe;
    TetatRendu& etat = etatRendu();
    platform::fixeModeFond(dc, platform::ModeFond::Transparent);
    const Couleur couleurStyle = etat.sortieMonochrome ? Couleur(1) : Couleur(couleurDuStyle(e.style));
    Couleur couleurTexte = couleurStyle;
    if (TQTableDesVariablesPartagees()->fondSombre && couleurTexte == 1) couleurTexte = platform::kBlanc;
    SetTexteCoul(dc, 1, couleurTexte);
    const Couleur couleur = couleurAffichee(couleurStyle);
    if (f.blocDessin)
        etat.rectangleDecoupe =
            versRect(e.type == kDessinTexte ? f.blocDessin->rectangleBandeau : f.blocDessin->rectangleFigure);
    choisitStyloObjet(f, dc, e.style, couleur);
    // Dots of curves are outlines: no brush fills them.
    const platform::Brosse brosse = platform::choisitBrosse(dc, platform::kBrosseNulle);
    const bool gros = utiliseGrosTexte(f, e.type);
    const GardeValeur<uint8_t> grosTexte(etat.grosTexte, gros ? 1 : 0);
    if (gros) {
        const bool texteNumerote = e.type == kDessinTexte ||
                                   (e.type == kDessinPoint && e.aEtiquette && avecMarquesNumeriques(e.style));
        SetFontTailleEtType(texteNumerote ? 3 : 2, texteNumerote ? kTypeGrasTQ : 0);
    }
    switch (e.type) {
    case kDessinPoint:
        dessinePoint(f, dc, e, couleur);
        break;
    case kDessinSegment:
        dessineSegment(f, dc, e, couleur);
        break;
    case kDessinLigne:
        dessineLigne(f, dc, e, couleur);
        break;
    case kDessinTexte:
        dessineTexte(f, dc, e, couleur);
        break;
    case kDessinAxe:
        dessineAxe(f, dc, e, couleur);
        break;
    case kDessinPolyedre:
        dessinePolyedre(f, dc, e, couleur);
        break;
    case kDessinSphere:
        dessineSphere(f, dc, e, couleur);
        break;
    case kDessinSolideRond:
        dessineSolideRond(f, dc, e, couleur);
        break;
    case kDessinMaillage:
        dessineMaillage(f, dc, e, couleur);
        break;
    default:
        break;
    }
    if (gros) SetFontTailleEtType(0, 0);
    platform::choisitBrosse(dc, brosse);
    restaureStylo(dc);
}

} // namespace km32
