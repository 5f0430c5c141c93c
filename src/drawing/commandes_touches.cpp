#include "drawing/commandes_touches.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "drawing/bloc_dessin.h"
#include "drawing/clavier.h"
#include "drawing/creation_iterative.h"
#include "drawing/donnees_dessin.h"
#include "drawing/historique_vues.h"
#include "drawing/rafraichissement.h"
#include "drawing/vue_animee.h"
#include "drawing/vue_operations.h"
#include "host/fenetres/tableau_valeurs.h"
#include "model/calcul/calcul_objet.h"
#include "model/calcul/dependants.h"
#include "model/calcul/traces_modele.h"
#include "model/catalogue.h"
#include "model/objets_figure.h"
#include "model/parametres_expression.h"
#include "model/services_dessin.h"
#include "model/services_hote.h"
#include "platform/hasard.h"
#include "text/affectation_libres.h"
#include "text/garde_demarrage.h"

namespace km32 {

namespace c = construction;

namespace {

constexpr uint16_t kStyleNonDessine = 37;
constexpr uint16_t kStyleDessine = 38;

void appliqueStyle(TObjetFigure& o, uint16_t commande) {
    TsourcesCouleur sources{o.sourcesCouleur[0], o.sourcesCouleur[1], o.sourcesCouleur[2]};
    appliqueCommandeStyle(o.style, sources, commande);
    std::copy(sources.begin(), sources.end(), o.sourcesCouleur);
}

// Shows or hides one parent and rebuilds its drawing data (a text its
// display element).
void changeVisibilite(TfigureKalmetra& f, int p, bool dessine) {
    TObjetFigure& o = objet(f, p);
    appliqueStyle(o, dessine ? kStyleDessine : kStyleNonDessine);
    if (dessine && o.nature == kNatureCourbe) calculeObjet(f, p);
    if (o.nature == kNatureAffichage)
        prepareElementObjet(f, p);
    else if (p >= 7)
        construitElementSolide(f, p);
}

// Repaint after visibility changes: everything again when a solid became
// visible or hidden, else only the changed objects' elements.
void repeintApresVisibilite(TfigureKalmetra& f, const TEnsembleObjets& changes) {
    if (f.polyedresAPreparer) {
        preparePolyedresVisibles(f);
        prepareElementsDessin(f);
    } else {
        for (int i = 7; i <= f.nombreObjets; ++i)
            if (changes.test(std::size_t(i))) prepareElementObjet(f, i);
    }
    repeintFigureEcran(f);
}

void dessinEnBloc(TfigureKalmetra& f, int n) {
    f.polyedresAPreparer = 0;
    TEnsembleObjets changes;
    for (int k = 0; k < objet(f, n).nombreParents; ++k) {
        const int p = parentDepuisZero(f, n, k);
        changeVisibilite(f, p, !estDessine(objet(f, p).style));
        changes.set(std::size_t(p));
    }
    repeintApresVisibilite(f, changes);
}

void dessinParEtapes(TfigureKalmetra& f, int n) {
    f.polyedresAPreparer = 0;
    const int nombre = objet(f, n).nombreParents;
    TEnsembleObjets changes;
    for (int k = 0; k < nombre; ++k) {
        const int p = parentDepuisZero(f, n, k);
        if (estDessine(objet(f, p).style)) continue;
        changeVisibilite(f, p, true);
        changes.set(std::size_t(p));
        return repeintApresVisibilite(f, changes);
    }
    for (int k = 0; k < nombre; ++k) {
        const int p = parentDepuisZero(f, n, k);
        changeVisibilite(f, p, false);
        changes.set(std::size_t(p));
    }
    repeintApresVisibilite(f, changes);
}

bool modeTraceActif(const TfigureKalmetra& f) {
    return f.modeTrace || f.modeTraceALaDemande;
}

// The value of parameter expression k (from 1) of the command, without
// storing it; false when it does not exist.
bool valeurExpression(const TfigureKalmetra& f, int n, int k, double& x) {
    const int r = numeroExpressionObjet(f, n, k);
    if (r == 0) return false;
    if (expressionParametre(f, r).constante) {
        if (objet(f, n).nombreValeurs < k) return false;
        x = valeurDepuisZero(f, n, k - 1);
        return true;
    }
    uint8_t nonDefini = 0;
    double y = 0, z = 0;
    const TvariablesParametre variables{};
    evalueExpressionParametre(f, n, r, nonDefini, x, y, z, variables);
    return nonDefini == 0;
}

void affectationsDirectes(TfigureKalmetra& f, int n) {
    const TObjetFigure& cmd = objet(f, n);
    const int cibles = std::min((cmd.nombreParents + cmd.nombreExpressions) / 2, int(cmd.nombreParents));
    if (cibles == 0) return;
    GardeDemarrage demarrage(f);
    // Every target is turned into its free values first; a refusal stops
    // the command with nothing changed.
    struct Affectation {
        int cible = 0;
        uint8_t nombre = 0;
        TvaleursLibres valeurs{};
    };
    std::array<Affectation, kMaxObjets> affectations{};
    int total = 0, source = cibles, expression = 0;
    for (int k = 0; k < cibles; ++k) {
        const int cible = parentDepuisZero(f, n, k);
        double x = 0, y = 0, z = 0;
        if (objet(f, cible).nature == kNaturePoint) {
            if (source >= cmd.nombreParents) return;
            const int s = parentDepuisZero(f, n, source++);
            if (objet(f, s).nonDefini) return;
            x = valeurDepuisZero(f, s, 0), y = valeurDepuisZero(f, s, 1), z = valeurDepuisZero(f, s, 2);
        } else if (!valeurExpression(f, n, ++expression, x)) {
            return;
        }
        double p[3] = {0, 0, 0};
        uint16_t erreur = 0;
        affecteObjetLibre(f, cible, x, y, z, p[0], p[1], p[2], erreur);
        if (erreur != 0) return;
        TEnsembleObjets un;
        un.set(std::size_t(cible));
        Affectation& a = affectations[std::size_t(k)];
        a.cible = cible;
        litValeursObjetsLibres(f, un, a.valeurs, a.nombre);
        total += a.nombre;
        if (total > kMaxValeursLibres) return;
        for (int j = 0; j < a.nombre && j < 3; ++j)
            a.valeurs[std::size_t(j)] = p[j];
    }
    TEnsembleObjets ensemble;
    for (int k = 0; k < cibles; ++k) {
        const Affectation& a = affectations[std::size_t(k)];
        TEnsembleObjets un;
        un.set(std::size_t(a.cible));
        affecteValeursObjetsLibres(f, un, a.valeurs, a.nombre, false);
        ensemble.set(std::size_t(a.cible));
    }
    f.dernierLibreBouge = uint8_t(parentDepuisZero(f, n, cibles - 1));
    recalculeDependants(f, ensemble);
    if (!demarrage.accepte(f.dernierLibreBouge)) return;
    notifieHoteEtPublie(f, kCauseAffectationDirecte);
}

void positionMemorisee(TfigureKalmetra& f, int n) {
    const TObjetFigure& cmd = objet(f, n);
    int k = 0;
    TEnsembleObjets ensemble;
    GardeDemarrage demarrage(f);
    for (int j = 0; j < cmd.nombreParents; ++j) {
        const int p = parentDepuisZero(f, n, j);
        // The command's values, in order, go back to each object's free values.
        const TplaceValeursLibres place = placeValeursLibres(objet(f, p).codeConstruction);
        for (int m = 0; m < place.nombre && k < cmd.nombreValeurs; ++m)
            valeurDepuisZero(f, p, place.decalages[m]) = valeurDepuisZero(f, n, k++);
        ensemble.set(std::size_t(p));
    }
    if (cmd.nombreParents == 0) return;
    f.dernierLibreBouge = parentDepuisZero(f, n, cmd.nombreParents - 1);
    recalculeDependants(f, ensemble);
    if (!demarrage.accepte(f.dernierLibreBouge)) return;
    notifieHoteEtPublie(f, kCauseAffectationMemorisee);
}

void affectationAleatoire(TfigureKalmetra& f, int n) {
    const TObjetFigure& cmd = objet(f, n);
    TEnsembleObjets ensemble;
    // The values drawn are kept apart and written only when every parent
    // could take one, so that a refusal leaves the figure as it was.
    struct Ecriture {
        int p, k;
        double v;
    };
    std::array<Ecriture, 2 * kMaxObjets> ecritures{};
    std::size_t nombre = 0;
    for (int j = 0; j < cmd.nombreParents; ++j) {
        const int p = parentDepuisZero(f, n, j);
        const double r = platform::reelAuHasard();
        switch (objet(f, p).codeConstruction) {
        case c::kPointLibreSurSegment:
        case c::kPointLibreSurDemiDroite:
        case c::kPointLibreSurDroite:
        case c::kPointLibreSurArc:
        case c::kReelLibreIntervalle:
            ecritures[nombre++] = {p, 3, r};
            break;
        case c::kPointLibreAbscisseEntiere:
            ecritures[nombre++] = {p, 3, std::round(3 * r - 3)};
            break;
        case c::kPointLibreSurCercle:
            ecritures[nombre++] = {p, 3, 2 * std::numbers::pi * r};
            break;
        case c::kEntierLibreIntervalle: {
            double lo = valeurDepuisZero(f, p, 1), hi = valeurDepuisZero(f, p, 2);
            if (lo > hi) std::swap(lo, hi);
            if (std::fabs(lo) > 30000 || std::fabs(hi) > 30000) return;
            const int32_t k = platform::entierAuHasard(int32_t(std::lround(hi - lo)) + 1);
            ecritures[nombre++] = {p, 3, hi == lo ? 0.0 : k / (hi - lo)};
            break;
        }
        case c::kPointLibreSurSphere: {
            const double r2 = platform::reelAuHasard();
            ecritures[nombre++] = {p, 3, (2 * r - 1) * 180};
            ecritures[nombre++] = {p, 4, 90 - std::acos(2 * r2 - 1) * 180 / std::numbers::pi};
            break;
        }
        default:
            break;
        }
        ensemble.set(std::size_t(p));
    }
    if (cmd.nombreParents == 0) return;
    GardeDemarrage demarrage(f);
    for (std::size_t k = 0; k < nombre; ++k)
        valeurDepuisZero(f, ecritures[k].p, ecritures[k].k) = ecritures[k].v;
    recalculeDependants(f, ensemble);
    f.dernierLibreBouge = parentDepuisZero(f, n, cmd.nombreParents - 1);
    if (!demarrage.accepte(f.dernierLibreBouge)) return;
    notifieHoteEtPublie(f, kCauseAffectationAleatoire);
}

void projectionOblique(TfigureKalmetra& f, int n) {
    const double a = valeurDepuisZero(f, n, 0), b = valeurDepuisZero(f, n, 1);
    if (a == 0 && b == 0) {
        if (!f.projectionOblique) return;
        f.projectionOblique = 0;
        tourneVueEtRepeint(f, 0, 0, 0, 1);
        miseAjourMenuFigure(f);
        return;
    }
    const bool etaitActive = f.projectionOblique != 0;
    f.projectionOblique = 1;
    if (!etaitActive) miseAjourMenuFigure(f);
    f.parametresOblique[0] = a;
    f.parametresOblique[1] = b;
    tourneVueEtRepeint(f, 0, 0, 0, 1);
}

} // namespace

void objetsCommandesDeTouche(const TfigureKalmetra& f, uint8_t touche, int& nombre, TlisteCommandes& liste) {
    nombre = 0;
    for (int i = kPremierUtilisateur; i <= f.nombreObjets && nombre < kMaxCommandesParTouche; ++i) {
        const TObjetFigure& o = objet(f, i);
        if (o.nature == kNatureCommande && toucheObjet(o) == touche)
            liste[std::size_t(nombre++)] = uint8_t(i);
    }
}

bool executeCommandesDeTouche(TfigureKalmetra& f, uint8_t touche) {
    int nombre = 0;
    TlisteCommandes liste{};
    objetsCommandesDeTouche(f, touche, nombre, liste);
    if (nombre == 0) return false;
    // A table of values only shows a window: a key whose commands are all
    // tables changes nothing that the figure's text holds.
    for (int k = 0; k < nombre; ++k)
        if (objet(f, liste[std::size_t(k)]).codeConstruction != c::kToucheTableau) f.modifiee = 1;
    for (int k = 0; k < nombre; ++k)
        executeCommandeDeTouche(f, liste[std::size_t(k)]);
    return true;
}

void executeCommandeDeTouche(TfigureKalmetra& f, int n) {
    if (n < kPremierUtilisateur || n > f.nombreObjets) return;
    const TObjetFigure& o = objet(f, n);
    if (o.nature != kNatureCommande) return;
    const bool defini = !o.nonDefini;
    switch (o.codeConstruction) {
    case c::kToucheRepeter:
        basculeMinuterieDeCommande(f, n);
        break;
    case c::kToucheDessinEnBloc:
        dessinEnBloc(f, n);
        break;
    case c::kToucheDessinParEtapes:
        dessinParEtapes(f, n);
        break;
    case c::kToucheGarderTrace:
    case c::kToucheTraceALaDemande:
        if (modeTraceActif(f)) break;
        fixeObjetsTraces(f, n);
        if (o.codeConstruction == c::kToucheGarderTrace)
            entreeModeTrace(f);
        else
            entreeModeTraceALaDemande(f);
        miseAjourMenuFigure(f);
        break;
    case c::kToucheQuitterTrace:
        if (!modeTraceActif(f)) break;
        sortieModeTrace(f);
        miseAjourMenuFigure(f);
        break;
    case c::kToucheAffectation:
        affectationsDirectes(f, n);
        break;
    case c::kTouchePositionMemorisee:
        positionMemorisee(f, n);
        break;
    case c::kToucheAffectationAleatoire:
        affectationAleatoire(f, n);
        break;
    case c::kToucheSelectionPilotage:
        if (o.nombreParents > 0) prepareObjetActif(f, parentDepuisZero(f, n, 0));
        break;
    case c::kToucheRotationAbsolue:
        if (defini)
            tourneVueEtMemorise(f, valeurDepuisZero(f, n, 3), valeurDepuisZero(f, n, 0),
                                valeurDepuisZero(f, n, 1), valeurDepuisZero(f, n, 2));
        break;
    case c::kToucheVueMemorisee:
        if (defini)
            fixeVueEtMemorise(f, valeurDepuisZero(f, n, 0), valeurDepuisZero(f, n, 1),
                              valeurDepuisZero(f, n, 2));
        break;
    case c::kToucheVueDeFace:
        if (defini) {
            const double etapes = std::clamp(std::round(valeurDepuisZero(f, n, 3)), 0.0, 255.0);
            animeRotationVue(f, uint8_t(etapes), valeurDepuisZero(f, n, 0), valeurDepuisZero(f, n, 1),
                             valeurDepuisZero(f, n, 2), true);
        }
        break;
    case c::kToucheRotationRelative:
        if (defini && valeurDepuisZero(f, n, 3) != 0) {
            tourneVueEtRepeint(f, valeurDepuisZero(f, n, 3), valeurDepuisZero(f, n, 0),
                               valeurDepuisZero(f, n, 1), valeurDepuisZero(f, n, 2));
            memoriseVue(f);
        }
        break;
    case c::kToucheProjectionOblique:
        if (defini) projectionOblique(f, n);
        break;
    case c::kToucheIteration:
        creationIterative(f, n);
        break;
    case c::kToucheTableau:
        afficheTableauDeValeurs(int16_t(f.numeroFigure), n);
        break;
    default:
        break;
    }
}

} // namespace km32
