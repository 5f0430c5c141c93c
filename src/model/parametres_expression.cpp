// Parameter expressions of objects, run from the figure's byte lists with
// one temporary record on the stack (they run at every drag).
#include "model/parametres_expression.h"

#include "base/erreur.h"
#include "model/analyse_expression.h"
#include "model/evaluation_expression.h"
#include "model/evaluation_noyau.h"
#include "model/figure.h"
#include "model/objets_figure.h"

namespace km32 {

namespace {
constexpr uint16_t kRaisonCalculImpossible = 441;
} // namespace

void evalueExpressionParametre(const TfigureKalmetra& f, int n, int i, uint8_t& nonDefini, double& x,
                               double& y, double& z, const TvariablesParametre& variables) {
    nonDefini = 0;
    const TExpressionParametre& ep = expressionParametre(f, i);
    if (ep.constante) return;

    TcodeExpression code{};
    const int fin = ep.nombreOctets;
    verifieIndice(fin, 3, kMaxOctetsCode, "byte list length");
    for (int p = 1; p <= fin; ++p)
        code[std::size_t(p)] = octetOperande(f, ep.debutOctets + p - 1);
    const int genre = code[1];
    const int nombreObjets = code[2];
    const int nombreVariables = code[3];

    if (nombreObjets + nombreVariables + 5 > fin) {
        // A single object or a single variable.
        if (nombreObjets == 1) {
            const int o = code[4];
            x = valeurObjet(f, o, 1);
            if (genre == kGenreVecteur) {
                y = valeurObjet(f, o, 2);
                z = valeurObjet(f, o, 3);
            }
        } else {
            const int v = code[std::size_t(fin)];
            verifieIndice(v, 1, genre == kGenreVecteur ? 7 : 9, "variable of a parameter expression");
            x = variables[std::size_t(v)];
            if (genre == kGenreVecteur) {
                y = variables[std::size_t(v + 1)];
                z = variables[std::size_t(v + 2)];
            }
        }
        return;
    }

    TcasesExpression cases{};
    for (int v = 1; v <= 9; ++v)
        cases[std::size_t(kCasePremiereVariable + v - 1)] = variables[std::size_t(v)];
    for (int j = 1; j <= ep.nombreConstantes; ++j) {
        const int k = ep.premiereConstante + j - 1;
        verifieIndice(k, 1, kMaxConstantes, "expression constant");
        verifieIndice(kCasePremiereConstante + j - 1, kCasePremiereConstante, kCaseDerniereConstante,
                      "constant slot");
        cases[std::size_t(kCasePremiereConstante + j - 1)] = f.constantesExpressions[std::size_t(k)];
    }
    int casee = kCasePremierObjet;
    for (int j = 1; j <= nombreObjets; ++j) {
        const int o = code[std::size_t(3 + j)];
        const uint8_t nature = objet(f, o).nature;
        if (nature == kGenreFonction || nature == kGenreSuite || nature == kGenreFonction2 ||
            nature == kGenreFonction3)
            continue;
        const int composantes = (nature == kGenrePoint || nature == kGenreVecteur) ? 3 : 1;
        verifieIndice(casee + composantes - 1, kCasePremierObjet, kCaseDernierObjet, "object slot");
        for (int k = 1; k <= composantes; ++k)
            cases[std::size_t(casee + k - 1)] = valeurObjet(f, o, k);
        casee += composantes;
    }

    const EvaluateurFonctionObjet evaluateur = evaluateurFonctionObjet();
    auto charge = [&](int rang, int, const double* a, double& resultat) {
        if (!evaluateur || rang < 1 || rang > nombreObjets) return false;
        return evaluateur(f, code[std::size_t(3 + rang)], a[0], a[1], a[2], resultat);
    };
    const bool arret = executeInstructions(cases, code, nombreObjets + nombreVariables + 4, fin,
                                           uniteDeLongueurObjet(f, n), charge);
    nonDefini = arret ? 1 : 0;
    if (!arret) {
        x = cases[1];
        y = cases[2];
        z = cases[3];
    }
}

double valeurParametreObjet(TfigureKalmetra& f, int n, int k, int v) {
    TObjetFigure& o = objet(f, n);
    const int i = o.premiereExpression + k - 1;
    verifieIndice(i, 1, kMaxExpressions, "parameter expression");
    if (expressionParametre(f, i).constante) return valeurObjet(f, n, v);
    double x = 0, y = 0, z = 0;
    const TvariablesParametre variables{};
    evalueExpressionParametre(f, n, i, o.nonDefini, x, y, z, variables);
    if (o.nonDefini) {
        o.raison = kRaisonCalculImpossible;
        return x;
    }
    valeurObjet(f, n, v) = x;
    if (octetOperande(f, expressionParametre(f, i).debutOctets) == kGenreVecteur) {
        valeurObjet(f, n, v + 1) = y;
        valeurObjet(f, n, v + 2) = z;
    }
    return x;
}

} // namespace km32
