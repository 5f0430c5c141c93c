#include "text/ordre_objets.h"

#include "model/expression_erreurs.h"
#include "model/objets_figure.h"
#include "model/services_dessin.h"

namespace km32 {

namespace {

void renumerote(uint8_t& x, int a, int b) {
    x = numeroApresDeplacement(x, a, b);
}

void renumeroteEnsemble(TEnsembleObjets& e, int a, int b) {
    if (e.none()) return;
    TEnsembleObjets nouveau;
    for (int x = 1; x <= kMaxObjets; ++x)
        if (e.test(std::size_t(x))) nouveau.set(numeroApresDeplacement(uint8_t(x), a, b));
    e = nouveau;
}

} // namespace

uint8_t numeroApresDeplacement(uint8_t x, int a, int b) {
    if (x == a) return uint8_t(b);
    if (a > b && x >= b && x < a) return uint8_t(x + 1);
    if (a < b && x > a && x <= b) return uint8_t(x - 1);
    return x;
}

void deplaceObjet(TfigureKalmetra& f, int a, int b) {
    verifieIndice(a, kObjetsPredefinis + 1, f.nombreObjets, "object moved");
    verifieIndice(b, kObjetsPredefinis + 1, f.nombreObjets, "place of a moved object");
    // The traced set, the designated objects and those host lines changed.
    renumeroteEnsemble(f.ensembleTrace, a, b);
    renumeroteEnsemble(f.ensembleDesigne, a, b);
    renumeroteEnsemble(f.objetsChangesParHote, a, b);
    renumerote(f.objetLibreActif, a, b);
    renumerote(f.dernierLibreBouge, a, b);
    renumerote(f.objetARedefinir, a, b);
    renumerote(f.objetDialogue, a, b);
    renumerote(f.dernierRepereDialogue, a, b);
    renumerote(f.derniereUniteDialogue, a, b);
    renumerote(f.uniteLongueurParDefaut, a, b);
    renumerote(f.repereParDefaut, a, b);
    // The default front plane and the isolated plane: three objects each.
    for (TplanEnregistre& plan : f.plansEnregistres)
        if (plan.objets[0] != 0)
            for (uint8_t& x : plan.objets)
                renumerote(x, a, b);
    for (int j = kObjetsPredefinis + 1; j <= f.nombreObjets; ++j) {
        TObjetFigure& o = objet(f, j);
        renumerote(o.objetLimite, a, b);
        renumerote(o.uniteLongueur, a, b);
        renumerote(o.pointColle, a, b);
        for (uint8_t& s : o.sourcesCouleur)
            renumerote(s, a, b);
        for (int p = 1; p <= o.nombreParents; ++p)
            renumerote(parentObjet(f, j, p), a, b);
    }
    for (int r = 1; r <= f.expressionsUtilisees; ++r) {
        const TExpressionParametre& e = expressionParametre(f, r);
        if (e.nombreOctets < 2) continue;
        const int m = octetOperande(f, e.debutOctets + 1);
        for (int k = 1; k <= m; ++k)
            renumerote(octetOperande(f, e.debutOctets + 2 + k), a, b);
    }
    const TObjetFigure deplace = objet(f, a);
    if (a < b)
        for (int j = a; j < b; ++j)
            objet(f, j) = objet(f, j + 1);
    else
        for (int j = a; j > b; --j)
            objet(f, j) = objet(f, j - 1);
    objet(f, b) = deplace;
    // The drawing data, display element and trail of each object go with it.
    deplaceDessinObjet(f, a, b);
}

bool deplacementPossible(const TfigureKalmetra& f, int a, int b) {
    if (a < b) {
        for (int j = a; j <= b; ++j)
            if (ensembleDesAntecedents(f, j).test(std::size_t(a))) return false;
        return true;
    }
    const TEnsembleObjets antecedents = ensembleDesAntecedents(f, a);
    for (int j = b; j <= a; ++j)
        if (antecedents.test(std::size_t(j))) return false;
    return true;
}

bool reordonneObjets(TfigureKalmetra& f, uint16_t& erreur) {
    bool ok = true;
    int i = 0, j = 0;
    while (ok) {
        bool trouve = false;
        for (i = kObjetsPredefinis + 1; i <= f.nombreObjets && !trouve; ++i) {
            const TEnsembleObjets antecedents = ensembleDesAntecedents(f, i);
            if (antecedents.test(std::size_t(i))) {
                nomErreur1() = nomObjetOuVecteur(f, i);
                erreur = kErreurDefiniParLuiMeme;
                j = 0;
                trouve = true;
            } else {
                for (int x = i + 1; x <= f.nombreObjets; ++x)
                    if (antecedents.test(std::size_t(x))) {
                        j = x;
                        trouve = true;
                        break;
                    }
            }
            if (trouve) break;
        }
        if (!trouve) break;
        ok = j > kObjetsPredefinis + 1;
        if (!ok) break;
        ok = false;
        for (int k = j - 1; k > kObjetsPredefinis; --k)
            if (deplacementPossible(f, k, j)) {
                deplaceObjet(f, k, j);
                ok = true;
                break;
            }
    }
    if (!ok && j != 0) {
        nomErreur1() = nomObjetOuVecteur(f, j);
        nomErreur2() = nomObjetOuVecteur(f, i);
        erreur = kErreurDefinitionMutuelle;
    }
    return !ok;
}

bool existeObjetTexte(const TfigureKalmetra& f) {
    for (int j = kObjetsPredefinis + 1; j <= f.nombreObjets; ++j)
        if (objet(f, j).nature == kNatureAffichage) return true;
    return false;
}

} // namespace km32
