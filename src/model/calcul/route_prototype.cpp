// The prototype road: the given objects of the instance are copied into
// the prototype's inner figure, the objects built there are recomputed, and
// the inner result is read back into the instance (or, for a prototype
// with dummy variables, the instance's function record is filled so that
// the function can be evaluated on a private copy of the inner figure).
#include "model/calcul/route_prototype.h"

#include <algorithm>

#include "base/erreur.h"
#include "model/calcul/calcul_objet.h"
#include "model/calcul/raisons.h"
#include "model/couleur_par_scalaires.h"
#include "model/fonctions/fonctions.h"
#include "model/maillages.h"
#include "model/objets_figure.h"
#include "model/parametres_expression.h"
#include "model/prototypes/operandes_donnes.h"
#include "model/prototypes/prototypes.h"
#include "model/services_texte.h"
#include "model/solides/polyedres.h"
#include "model/style.h"

namespace km32 {

namespace {

// inner value[cible + i - 1] = value i of outer object a, i = 1 to the
// count (never more values than a has: a line given by two points brings
// only its point).
void copieValeursVersInterieur(const TfigureKalmetra& f, int a, TfigureKalmetra& g, int cible, int nombre) {
    const int n = std::min<int>(nombre, objet(f, a).nombreValeurs);
    for (int i = 1; i <= n; ++i)
        valeur(g, cible + i - 1) = valeurObjet(f, a, i);
}

TDonneesPolyedre* donneesSolide(const TfigureKalmetra& f, int emplacement) {
    if (!f.tableDesPolyedres || emplacement < 1 || emplacement > kMaxEmplacementsPolyedres) return nullptr;
    return f.tableDesPolyedres->donnees[std::size_t(emplacement)].get();
}

void copieSolideDonne(const TfigureKalmetra& f, int a, TfigureKalmetra& g, int emplacementInterne) {
    const TDonneesPolyedre* source = donneesSolide(f, objet(f, a).emplacementSolide);
    TDonneesPolyedre* cible = donneesSolide(g, emplacementInterne);
    if (source != nullptr && cible != nullptr) copieDonneesPolyedre(*source, *cible);
}

// The function of outer object a goes into slot emplacement of the inner
// figure. The inner figure gets a copy of its own: a borrowed record could
// outlive the outer object that owns it.
void installeFonctionDonnee(const TfigureKalmetra& f, int a, TfigureKalmetra& g, int emplacement) {
    if (emplacement < 1 || emplacement > kMaxFonctions) return;
    if (!g.tableDesFonctions) creeTableDesFonctions(g.tableDesFonctions);
    TtableDesFonctions& t = *g.tableDesFonctions;
    TFonction*& entree = t.fonctions[std::size_t(emplacement)];
    if (entree != nullptr && t.possedees[std::size_t(emplacement)]) libereFonction(entree);
    entree = nullptr;
    t.possedees[std::size_t(emplacement)] = 1;
    if (const TFonction* source = fonctionDeObjet(f, a)) copieFonction(*source, entree);
}

// The given objects copied in; false when the instance is undefined. Each
// given object reads the parents, expression and values that its place
// among the instance's operands gives it.
bool copieDonnes(TfigureKalmetra& f, int n, const TPrototype& p, TfigureKalmetra& g) {
    TObjetFigure& o = objet(f, n);
    const TOperandesInstance places = operandesInstance(p);
    const int nombre = std::min<int>(p.nombreDonnes, kMaxDonnesPrototype);
    for (int k = 1; k <= nombre; ++k) {
        const TOperandesDonne& d = places.donnes[std::size_t(k)];
        auto parentDonne = [&](int rang) { return int(parentObjet(f, n, d.parent + rang)); };
        const int cible = p.indicesDonnes[std::size_t(k)];
        const int solide = p.solidesDonnes[std::size_t(k)];
        switch (p.natures[std::size_t(k)]) {
        case kNaturePoint:
            copieValeursVersInterieur(f, parentDonne(0), g, cible, 3);
            break;
        case kNatureSegment: {
            const int a = parentDonne(0), b = parentDonne(1);
            double c[6];
            deuxPointsObjet(f, a, b, c[0], c[1], c[2], c[3], c[4], c[5]);
            for (int i = 0; i < 6; ++i)
                valeur(g, cible + i) = c[i];
            break;
        }
        case kNatureDroite:
        case kNatureDemiDroite: {
            const int a = parentDonne(0);
            copieValeursVersInterieur(f, a, g, cible, p.natures[std::size_t(k)] == kNatureDroite ? 9 : 6);
            const int b = parentDonne(1);
            bool nul = false;
            double x = 0, y = 0, z = 0;
            directionUnitaire(f, a, b, nul, x, y, z);
            if (nul) {
                o.nonDefini = 1;
                o.raison = raison::kCalculImpossible;
                return false;
            }
            valeur(g, cible + 3) = x;
            valeur(g, cible + 4) = y;
            valeur(g, cible + 5) = z;
            break;
        }
        case kNaturePlan: {
            const int a = parentDonne(0);
            copieValeursVersInterieur(f, a, g, cible, 13);
            const int b = parentDonne(1), c = parentDonne(2);
            bool nul = false;
            double dd = 0, x = 0, y = 0, z = 0;
            normalePlan(f, a, b, nul, dd, x, y, z, c);
            if (nul) {
                o.nonDefini = 1;
                o.raison = raison::kCalculImpossible;
                return false;
            }
            valeur(g, cible) = x;
            valeur(g, cible + 1) = y;
            valeur(g, cible + 2) = z;
            valeur(g, cible + 3) = dd;
            break;
        }
        case kNatureCercle: {
            const int a = parentDonne(0);
            copieValeursVersInterieur(f, a, g, cible, 10);
            copieSolideDonne(f, a, g, solide);
            break;
        }
        case kNatureArcDeCercle:
            copieValeursVersInterieur(f, parentDonne(0), g, cible, 11);
            break;
        case kNatureRepere:
        case kNatureTransformation:
            copieValeursVersInterieur(f, parentDonne(0), g, cible, 12);
            break;
        case kNatureUniteDeLongueur:
            copieValeursVersInterieur(f, parentDonne(0), g, cible, 1);
            break;
        case kNatureSphere: {
            const int a = parentDonne(0);
            copieValeursVersInterieur(f, a, g, cible, 4);
            copieSolideDonne(f, a, g, solide);
            break;
        }
        case kNaturePolyedreConvexe:
        case kNaturePolygoneConvexe:
        case kNatureCylindre:
        case kNatureCone:
        case kNatureTroncDeCone:
            copieSolideDonne(f, parentDonne(0), g, solide);
            break;
        case kNatureFonction:
        case kNatureSuite:
        case kNatureFonction2Variables:
        case kNatureFonction3Variables:
            installeFonctionDonnee(f, parentDonne(0), g, cible);
            break;
        case kNatureNombreReel:
        case kNatureVecteur: {
            // The expression's value goes into the instance's own values
            // (one for a number, three for a vector), then into the inner
            // given object. An instance with fewer values than that is
            // refused (the object undefined) rather than written past them.
            verifieIndice(d.valeur + d.nombreValeurs - 1, 1, o.nombreValeurs, "value of an instance");
            valeurParametreObjet(f, n, d.expression, d.valeur);
            if (o.nonDefini) return false;
            for (int i = 0; i < d.nombreValeurs; ++i)
                valeur(g, cible + i) = valeurObjet(f, n, d.valeur + i);
            break;
        }
        default:
            break;
        }
    }
    return true;
}

void copieCouleurResultat(TfigureKalmetra& f, int n, TfigureKalmetra& g) {
    const int r = g.nombreObjets;
    couleurParScalaires(g, uint8_t(r));
    TObjetFigure& o = objet(f, n);
    const TObjetFigure& res = objet(g, r);
    const bool nonValide = res.style.drapeaux & kStyleCouleurNonValide;
    o.style.drapeaux = nonValide ? uint16_t(o.style.drapeaux | kStyleCouleurNonValide)
                                 : uint16_t(o.style.drapeaux & ~kStyleCouleurNonValide);
    if (nonValide) return;
    TsourcesCouleur sources{};
    fixeCouleurStyle(o.style, sources, res.style.rouge, res.style.vert, res.style.bleu, 0, 0, 0);
    for (int k = 0; k < 3; ++k)
        o.sourcesCouleur[k] = 0;
}

// The grid of a surface result goes into the instance's own mesh record.
void copieMaillageResultat(TfigureKalmetra& f, int n, const TPrototype& p, const TfigureKalmetra& g) {
    const TMaillage* source = maillageDeEmplacement(g, p.maillageResultat);
    TMaillage* cible = maillageDeObjet(f, n);
    if (source != nullptr && cible != nullptr) copieMaillage(*source, *cible);
}

void lisResultat(TfigureKalmetra& f, int n, const TPrototype& p, TfigureKalmetra& g) {
    TObjetFigure& o = objet(f, n);
    const TObjetFigure& res = objet(g, g.nombreObjets);
    o.nonDefini = res.nonDefini;
    if (o.nonDefini) {
        o.raison = res.raison;
        return;
    }
    const uint8_t nature = p.natureResultat;
    if (nature == kNatureFonction || (nature >= kNatureSuite && nature <= kNatureFonction3Variables)) {
        const int e = o.emplacementFonction;
        if (e >= 1 && e <= kMaxFonctions) {
            if (!f.tableDesFonctions) creeTableDesFonctions(f.tableDesFonctions);
            TtableDesFonctions& t = *f.tableDesFonctions;
            TFonction*& entree = t.fonctions[std::size_t(e)];
            if (entree != nullptr && t.possedees[std::size_t(e)]) libereFonction(entree);
            entree = nullptr;
            t.possedees[std::size_t(e)] = 1;
            if (const TFonction* source = fonctionDeEmplacement(g, p.indiceResultat))
                copieFonction(*source, entree);
        }
    }
    for (int i = 1; i <= p.nombreValeursResultat; ++i)
        valeurObjet(f, n, i) = valeur(g, p.indiceResultat + i - 1);
    // The curve or locus drawn by the inner result, into the instance's
    // own samples (the figure's sample block is made by the first write).
    const int echantillons = std::min<int>(o.nombreEchantillons, res.nombreEchantillons);
    for (int i = 0; i < echantillons; ++i)
        echantillon(f, o.premierEchantillon + i) = echantillon(g, res.premierEchantillon + i);
    if (p.solideResultat != 0) {
        const TDonneesPolyedre* source = donneesSolide(g, p.solideResultat);
        TDonneesPolyedre* cible = donneesSolide(f, o.emplacementSolide);
        if (source != nullptr && cible != nullptr) copieDonneesPolyedre(*source, *cible);
    }
    if (p.maillageResultat != 0) copieMaillageResultat(f, n, p, g);
}

void remplitFonctionConstruite(TfigureKalmetra& f, int n, const TPrototype& p, const TfigureKalmetra& g) {
    TObjetFigure& o = objet(f, n);
    o.nonDefini = 0;
    TFonction* fonction = fonctionDeObjet(f, n);
    if (fonction == nullptr || fonction->genre != kFonctionConstruite || !fonction->construite) {
        o.nonDefini = 1;
        o.raison = raison::kCalculImpossible;
        return;
    }
    TFonctionConstruite& c = *fonction->construite;
    c.nombreVariables = p.nombreVariables;
    for (int k = 0; k < 3; ++k)
        c.indicesVariables[std::size_t(k)] = p.indicesVariables[std::size_t(k)];
    c.premierARecalculer = p.premierARecalculer;
    c.aRecalculer = p.aRecalculer;
    c.indiceResultat = objet(g, g.nombreObjets).premiereValeur;
    for (int i = 1; i <= g.nombreObjets; ++i)
        if (p.fixes.test(std::size_t(i)) && objet(g, i).nonDefini) {
            o.nonDefini = 1;
            o.raison = objet(g, i).raison != 0 ? objet(g, i).raison : raison::kCalculImpossible;
            break;
        }
    copieFigure(g, c.figureInterne);
}

} // namespace

void calculeResultatPrototype(TfigureKalmetra& f, int n) {
    TObjetFigure& o = objet(f, n);
    TPrototype* p = prototypeDe(f, o.numeroPrototype);
    if (p == nullptr || !p->figureInterne || p->nonUtilisable) {
        o.nonDefini = 1;
        o.raison = raison::kCalculImpossible;
        return;
    }
    TfigureKalmetra& g = *p->figureInterne;
    g.borneInferieure = f.borneInferieure;
    g.borneSuperieure = f.borneSuperieure;
    g.echelle = f.echelle;

    if (!copieDonnes(f, n, *p, g)) return;
    for (int k = 1; k <= p->nombreDonnes; ++k)
        objet(g, kObjetsPredefinis + k).nonDefini = 0;
    for (int j = p->premierCree; j <= g.nombreObjets; ++j)
        calculeObjet(g, j);
    if (p->aSourcesCouleur) copieCouleurResultat(f, n, g);

    if (p->nombreVariables == 0)
        lisResultat(f, n, *p, g);
    else
        remplitFonctionConstruite(f, n, *p, g);
}

} // namespace km32
