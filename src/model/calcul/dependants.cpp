#include "model/calcul/dependants.h"

#include <algorithm>
#include <string>

#include "model/calcul/aides_construction.h"
#include "model/calcul/calcul_objet.h"
#include "model/calcul/geometrie.h"
#include "model/catalogue.h"
#include "model/objets_figure.h"
#include "model/services_dessin.h"

namespace km32 {

namespace c = construction;

namespace {

bool estMarque(const TObjetFigure& o) {
    return dependDeObjetLibreActif(o);
}

// Drawn point or display whose label shows values ("val(").
bool afficheDesValeurs(const TfigureKalmetra& f, int i, uint8_t nature) {
    const TObjetFigure& o = objet(f, i);
    if (o.nature != nature || !estDessine(o.style)) return false;
    return texteEtiquetteObjet(f, i).find("val(") != std::string::npos;
}

void calculeEnsemble(TfigureKalmetra& f, const TEnsembleObjets& ensemble) {
    for (int i = kPremierUtilisateur; i <= f.nombreObjets; ++i)
        if (ensemble.test(std::size_t(i))) calculeObjet(f, i);
}

} // namespace

void suitLesPointsColles(TfigureKalmetra& f, TEnsembleObjets& S, int sauf) {
    for (int i = kPremierUtilisateur; i <= f.nombreObjets; ++i) {
        const TObjetFigure& o = objet(f, i);
        const int G = o.pointColle;
        if (i == sauf || o.codeConstruction != c::kPointLibreDansEspace || G == 0 || !S.test(std::size_t(G)))
            continue;
        if (objet(f, G).nonDefini || pointsConfondus(f, i, G)) continue;
        const calcul::V3 garde = calcul::pointObjet(f, i);
        TEnsembleObjets D;
        D.set(std::size_t(i));
        ajouteDependants(f, D);
        calcul::ecritV3(f, i, 1, calcul::pointObjet(f, G));
        calculeEnsemble(f, D);
        if (!objet(f, G).nonDefini && pointsConfondus(f, i, G)) {
            S |= D;
        } else {
            calcul::ecritV3(f, i, 1, garde);
            calculeEnsemble(f, D);
        }
    }
}

bool sourceCouleurDans(const TObjetFigure& o, const TEnsembleObjets& S) {
    for (uint8_t s : o.sourcesCouleur)
        if (s != 0 && S.test(s)) return true;
    return false;
}

bool sourceCouleurMarquee(const TfigureKalmetra& f, const TObjetFigure& o) {
    for (uint8_t s : o.sourcesCouleur)
        if (s != 0 && dependDeObjetLibreActif(objet(f, s))) return true;
    return false;
}

namespace {

void rafraichit(TfigureKalmetra& f, TEnsembleObjets& S) {
    f.polyedresAPreparer = 0;
    actualisePlanIsole(f); // nothing unless a plane is isolated
    for (int i = kPremierUtilisateur; i <= f.nombreObjets; ++i) {
        const TObjetFigure& o = objet(f, i);
        if (!estObjetDessinable(o)) continue;
        if (S.test(std::size_t(i)) || (o.objetLimite != 0 && S.test(o.objetLimite)))
            construitElementSolide(f, i);
    }
    marqueElementsDansPlanIsole(f);
    // A moved isolated plane changes what lies in it: everything is rebuilt.
    if (f.polyedresAPreparer == 0 && f.planIsoleChange == 0) {
        if (f.tableTraces) projetteDerniersPointsTraces(f);
        for (int i = kPremierUtilisateur; i <= f.nombreObjets; ++i)
            if (!S.test(std::size_t(i)) && afficheDesValeurs(f, i, kNaturePoint)) S.set(std::size_t(i));
        for (int i = kPremierUtilisateur; i <= f.nombreObjets; ++i) {
            const TObjetFigure& o = objet(f, i);
            if (estObjetDessinable(o) && (S.test(std::size_t(i)) || sourceCouleurDans(o, S)))
                prepareElementObjet(f, i);
        }
        placeZonesDessin(f);
        repeintFigureEcran(f);
    } else {
        preparePolyedresVisibles(f);
        prepareTousLesElements(f);
        repeintFigureEcran(f);
    }
}

} // namespace

void ajouteDependants(const TfigureKalmetra& f, TEnsembleObjets& ensemble) {
    for (int i = kPremierUtilisateur; i <= f.nombreObjets; ++i) {
        if (ensemble.test(std::size_t(i))) continue;
        if ((ensembleDesAntecedents(f, i) & ensemble).any()) ensemble.set(std::size_t(i));
    }
}

void recalculeDependants(TfigureKalmetra& f, const TEnsembleObjets& ensemble) {
    if (ensemble.none()) return;
    TEnsembleObjets S = ensemble;
    ajouteDependants(f, S);
    for (int i = kPremierUtilisateur; i <= f.nombreObjets; ++i)
        if (!S.test(std::size_t(i)) && afficheDesValeurs(f, i, kNatureAffichage)) S.set(std::size_t(i));
    calculeEnsemble(f, S);
    suitLesPointsColles(f, S);
    rafraichit(f, S);
    f.modifiee = 1;
}

void litValeursObjetsLibres(const TfigureKalmetra& f, const TEnsembleObjets& ensemble,
                            TvaleursLibres& valeurs, uint8_t& nombre) {
    int n = 0;
    for (int i = kPremierUtilisateur; i <= f.nombreObjets; ++i) {
        if (!ensemble.test(std::size_t(i))) continue;
        const TplaceValeursLibres p = placeValeursLibres(objet(f, i).codeConstruction);
        if (n + p.nombre > kMaxValeursLibres) break;
        for (int k = 0; k < p.nombre; ++k)
            valeurs[std::size_t(n++)] = valeurDepuisZero(f, i, p.decalages[k]);
        if (n >= kMaxValeursLibres - 1) break;
    }
    nombre = uint8_t(n);
}

void affecteValeursObjetsLibres(TfigureKalmetra& f, const TEnsembleObjets& ensemble,
                                const TvaleursLibres& valeurs, uint8_t nombre, bool redessiner) {
    const int total = std::min<int>(nombre, kMaxValeursLibres);
    int n = 0;
    for (int i = kPremierUtilisateur; i <= f.nombreObjets && n < total; ++i) {
        if (!ensemble.test(std::size_t(i))) continue;
        const TplaceValeursLibres p = placeValeursLibres(objet(f, i).codeConstruction);
        if (n + p.nombre > total) break;
        for (int k = 0; k < p.nombre; ++k)
            valeurDepuisZero(f, i, p.decalages[k]) = valeurs[std::size_t(n++)];
    }
    if (redessiner) return recalculeDependants(f, ensemble);
    TEnsembleObjets S = ensemble;
    ajouteDependants(f, S);
    calculeEnsemble(f, S);
}

void marqueDependantsObjetActif(TfigureKalmetra& f) {
    for (int i = kPremierUtilisateur; i <= f.nombreObjets; ++i)
        changeDrapeauObjet(objet(f, i), kDrapeauDependDeObjetLibreActif, false);
    const int actif = f.objetLibreActif;
    if (actif == 0 || actif > f.nombreObjets) return;
    TEnsembleObjets marques;
    marques.set(std::size_t(actif));
    changeDrapeauObjet(objet(f, actif), kDrapeauDependDeObjetLibreActif, true);
    for (int i = actif + 1; i <= f.nombreObjets; ++i) {
        const TObjetFigure& o = objet(f, i);
        if (o.codeConstruction == c::kLieuPoint && o.nombreParents > 0 && parentObjet(f, i, 1) == actif)
            continue;
        if ((ensembleDesAntecedents(f, i) & marques).none()) continue;
        marques.set(std::size_t(i));
        changeDrapeauObjet(objet(f, i), kDrapeauDependDeObjetLibreActif, true);
    }
}

void recalculeDependantsObjetActif(TfigureKalmetra& f) {
    const int actif = f.objetLibreActif;
    if (actif == 0) return;
    for (int i = actif; i <= f.nombreObjets; ++i) {
        const TObjetFigure& o = objet(f, i);
        if (estMarque(o) && o.nature != kNatureCourbe) calculeObjet(f, i);
    }
    for (int i = 7; i <= f.nombreObjets; ++i) {
        const TObjetFigure& o = objet(f, i);
        if (o.nature != kNatureCourbe) continue;
        if (estMarque(o) || (o.objetLimite != 0 && estMarque(objet(f, o.objetLimite)))) calculeObjet(f, i);
    }
}

} // namespace km32
