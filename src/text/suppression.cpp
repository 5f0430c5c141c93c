#include "text/suppression.h"

#include "host/services_attendus.h"
#include "model/calcul/dependants.h"
#include "model/expression_erreurs.h"
#include "model/objets_figure.h"
#include "model/services_dessin.h"
#include "model/services_hote.h"
#include "text/annulation.h"
#include "text/ordre_objets.h"
#include "text/rangement_lignes.h"
#include "text/renommage_lignes.h"

namespace km32 {

namespace {

constexpr uint8_t kRepereIntegre = 1;         // Rxyz
constexpr uint8_t kUniteLongueurIntegree = 2; // Uxyz

// An index above k drops by one; k itself is left to the step that clears it.
void renumerote(uint8_t& x, int k) {
    if (x > k) --x;
}

// A set of object numbers once object k left: k goes, those above drop by one.
void renumeroteEnsemble(TEnsembleObjets& e, int k) {
    e.reset(std::size_t(k));
    TEnsembleObjets dessous;
    for (int x = 0; x < k; ++x)
        dessous.set(std::size_t(x));
    e = (e & dessous) | ((e >> 1) & ~dessous);
}

// Only user objects can go: the built-in objects 1 to 13 (and numbers past
// the last object) leave the set, so that they take no dependants with them.
TEnsembleObjets objetsUtilisateur(const TfigureKalmetra& f, const TEnsembleObjets& ensemble) {
    TEnsembleObjets r;
    for (int i = kObjetsPredefinis + 1; i <= f.nombreObjets; ++i)
        if (ensemble.test(std::size_t(i))) r.set(std::size_t(i));
    return r;
}

// Adds the dependants of the set; false, with 573 shown, when one of them
// is protected. One pass upward is enough: every object follows its
// antecedents.
bool fermeEnsembleSansProtege(const TfigureKalmetra& f, TEnsembleObjets& ensemble) {
    for (int i = kObjetsPredefinis + 1; i <= f.nombreObjets; ++i) {
        if (ensemble.test(std::size_t(i))) continue;
        const TEnsembleObjets communs = ensembleDesAntecedents(f, i) & ensemble;
        if (communs.none()) continue;
        const TObjetFigure& o = objet(f, i);
        if (estProtege(o) || protegeSaufRedefinition(o)) {
            int premier = 1;
            while (!communs.test(std::size_t(premier)))
                ++premier;
            nomErreur1() = nomObjetOuVecteur(f, premier);
            afficheErreurDeNumero(kErreurSuppressionProtegee);
            return false;
        }
        ensemble.set(std::size_t(i));
    }
    return true;
}

// Steps shared by both deletions, the set closed over its dependants.
void supprimeEnsemble(TfigureKalmetra& f, const TEnsembleObjets& ensemble) {
    // The start lines kept as text stop naming the objects that go.
    oteDesLignesDifferees(f, ensemble);
    // A drawing limited by a deleted object is no longer limited.
    for (int i = 7; i <= f.nombreObjets; ++i) {
        TObjetFigure& o = objet(f, i);
        if (estObjetDessinable(o) && ensemble.test(o.objetLimite)) o.objetLimite = 0;
    }
    for (int k = f.nombreObjets; k > kObjetsPredefinis; --k)
        if (ensemble.test(std::size_t(k))) renumeroteApresDestruction(f, k);
    if (!existeObjetTexte(f)) f.hauteurZoneAffichages = 0;
}

bool contient(const TplanEnregistre& plan, int k) {
    return plan.objets[0] == k || plan.objets[1] == k || plan.objets[2] == k;
}

} // namespace

void renumeroteApresDestruction(TfigureKalmetra& f, int k) {
    verifieIndice(k, kObjetsPredefinis + 1, f.nombreObjets, "object deleted");
    TplanEnregistre& planDeFace = f.plansEnregistres[kPlanDeFace];
    TplanEnregistre& planIsole = f.plansEnregistres[kPlanIsole];
    if (planDeFace.objets[0] != 0 && contient(planDeFace, k)) planDeFace = TplanEnregistre{};
    if (planIsole.objets[0] != 0 && contient(planIsole, k)) {
        planIsole = TplanEnregistre{};
        f.reglagePlanIsole = 0;
        miseAjourMenuFigure(f);
    }
    if (f.objetLibreActif == k) f.objetLibreActif = 0;
    if (f.dernierLibreBouge == k) f.dernierLibreBouge = 0;
    if (f.objetARedefinir == k) f.objetARedefinir = 0;
    if (f.objetDialogue == k) f.objetDialogue = 0;
    if (f.dernierRepereDialogue == k) f.dernierRepereDialogue = 0;
    if (f.derniereUniteDialogue == k) f.derniereUniteDialogue = 0;
    // The defaults fall back on the built-in frame and unit, as a text
    // written from the figure would read them back.
    if (f.repereParDefaut == k) f.repereParDefaut = kRepereIntegre;
    if (f.uniteLongueurParDefaut == k) f.uniteLongueurParDefaut = kUniteLongueurIntegree;

    oteDonneesObjet(f, k);

    for (int p = 1; p <= f.parentsUtilises; ++p)
        renumerote(parent(f, p), k);
    for (int j = kObjetsPredefinis + 1; j <= f.nombreObjets; ++j) {
        TObjetFigure& o = objet(f, j);
        renumerote(o.uniteLongueur, k);
        // A point glued to the deleted object is glued no longer.
        if (o.pointColle == k) o.pointColle = 0;
        renumerote(o.pointColle, k);
        for (uint8_t& s : o.sourcesCouleur) {
            if (s == k) s = 0;
            renumerote(s, k);
        }
    }
    for (int j = 7; j <= f.nombreObjets; ++j) {
        TObjetFigure& o = objet(f, j);
        if (estObjetDessinable(o)) renumerote(o.objetLimite, k);
    }
    for (int r = 1; r <= f.expressionsUtilisees; ++r) {
        const TExpressionParametre& e = expressionParametre(f, r);
        if (e.nombreOctets < 2) continue;
        const int m = octetOperande(f, e.debutOctets + 1);
        for (int j = 1; j <= m; ++j)
            renumerote(octetOperande(f, e.debutOctets + 2 + j), k);
    }
    renumerote(f.objetLibreActif, k);
    renumerote(f.dernierLibreBouge, k);
    renumerote(f.objetARedefinir, k);
    renumerote(f.objetDialogue, k);
    renumerote(f.dernierRepereDialogue, k);
    renumerote(f.derniereUniteDialogue, k);
    renumerote(f.uniteLongueurParDefaut, k);
    renumerote(f.repereParDefaut, k);
    for (TplanEnregistre& plan : f.plansEnregistres)
        if (plan.objets[0] != 0)
            for (uint8_t& x : plan.objets)
                renumerote(x, k);

    // The traced set, the designated objects and those host lines changed.
    renumeroteEnsemble(f.ensembleTrace, k);
    renumeroteEnsemble(f.ensembleDesigne, k);
    renumeroteEnsemble(f.objetsChangesParHote, k);

    for (int j = k; j < f.nombreObjets; ++j)
        objet(f, j) = objet(f, j + 1);
    objet(f, f.nombreObjets) = TObjetFigure{};
    --f.nombreObjets;
    // The drawing data, display element and trail of each object stay its own.
    oteDessinObjet(f, k);
}

bool detruitEnsembleObjets(TfigureKalmetra& f, TEnsembleObjets ensemble) {
    ensemble = objetsUtilisateur(f, ensemble);
    if (ensemble.none()) return false;
    if (!fermeEnsembleSansProtege(f, ensemble)) return false;
    const bool inscrites = f.importationActive != 0;
    if (inscrites) desinscritVariablesPartagees(f);
    if (!prendInstantanePourAnnuler(f, f)) {
        // Nothing is deleted: the figure keeps its registration.
        if (inscrites) inscritVariablesPartagees(f);
        return false;
    }
    supprimeEnsemble(f, ensemble);
    if (inscrites) inscritVariablesPartagees(f);
    redessineFigure(f);
    f.modifiee = 1;
    return true;
}

void supprimeObjetsEtDependants(TfigureKalmetra& f, TEnsembleObjets ensemble) {
    ensemble = objetsUtilisateur(f, ensemble);
    if (ensemble.none()) return;
    ajouteDependants(f, ensemble);
    supprimeEnsemble(f, ensemble);
}

bool protegeObjets(TfigureKalmetra& f, const TEnsembleObjets& ensemble, bool active) {
    if (ensemble.none()) return false;
    prendInstantanePourAnnuler(f, f);
    f.modifiee = 1;
    for (int i = 1; i <= f.nombreObjets; ++i)
        if (ensemble.test(std::size_t(i))) changeDrapeauObjet(objet(f, i), kDrapeauProtege, active);
    return true;
}

} // namespace km32
