// Compiled expressions: records built from a compile or from a parameter
// expression of the figure, and their run.
#include "model/evaluation_expression.h"

#include "base/erreur.h"
#include "model/figure.h"
#include "model/objets_figure.h"
#include "model/procedures_texte.h"

namespace km32 {

namespace {

EvaluateurFonctionObjet& evaluateurInstalle() {
    static EvaluateurFonctionObjet evaluateur = nullptr;
    return evaluateur;
}

bool estGenreFonction(uint8_t genre) {
    return genre == kGenreFonction || genre == kGenreSuite || genre == kGenreFonction2 ||
           genre == kGenreFonction3;
}

// Writes the values of the header objects from slot 41 on; true when one of
// them is undefined.
bool chargeObjets(const TfigureKalmetra& f, TExpressionCompilee& e) {
    bool nonDefini = false;
    int casee = kCasePremierObjet;
    for (int i = 1; i <= e.nombreObjets; ++i) {
        const int n = e.code[std::size_t(3 + i)];
        const TObjetFigure& o = objet(f, n);
        if (o.nonDefini) nonDefini = true;
        if (estGenreFonction(o.nature)) continue;
        const int composantes = (o.nature == kGenrePoint || o.nature == kGenreVecteur) ? 3 : 1;
        verifieIndice(casee + composantes - 1, kCasePremierObjet, kCaseDernierObjet, "object slot");
        for (int k = 1; k <= composantes; ++k)
            e.cases[std::size_t(casee + k - 1)] = valeurObjet(f, n, k);
        casee += composantes;
    }
    return nonDefini;
}

} // namespace

void fixeEvaluateurFonctionObjet(EvaluateurFonctionObjet evaluateur) {
    evaluateurInstalle() = evaluateur;
}
EvaluateurFonctionObjet evaluateurFonctionObjet() {
    return evaluateurInstalle();
}

double uniteDeLongueurFigure(const TfigureKalmetra& f) {
    const int u = f.uniteLongueurParDefaut;
    if (u < 1 || u > f.nombreObjets || objet(f, u).nombreValeurs == 0) return 1.0;
    return valeurObjet(f, u, 1);
}

void creeExpressionCompilee(const TfigureKalmetra& f, const TAnalyseExpression& a, TExpressionCompilee& e) {
    e = TExpressionCompilee{};
    verifieIndice(a.longueurListe, 0, kMaxOctetsCode, "byte list length");
    e.fin = a.longueurListe;
    for (int p = 1; p <= e.fin; ++p)
        e.code[std::size_t(p)] = a.listeOctets[std::size_t(p)];
    for (int c = kCasePremiereConstante; c <= a.derniereCaseConstante; ++c)
        e.cases[std::size_t(c)] = constanteAnalyse(a, c);
    e.nombreObjets = e.fin >= 2 ? e.code[2] : 0;
    e.nombreVariables = e.fin >= 3 ? e.code[3] : 0;
    e.operandeNonDefini = chargeObjets(f, e) ? 1 : 0;
    e.arret = e.operandeNonDefini;
    e.debut = uint8_t(e.nombreObjets + e.nombreVariables + 4);
    e.unite = uniteDeLongueurFigure(f);
}

void evalueExpressionCompilee(const TfigureKalmetra& f, TExpressionCompilee& e) {
    if (e.erreur) return;
    // An undefined operand leaves the value undefined: the run would only
    // compute with stale values.
    e.arret = e.operandeNonDefini;
    if (e.arret) return;
    const EvaluateurFonctionObjet evaluateur = evaluateurInstalle();
    auto charge = [&](int rang, int k, const double* x, double& resultat) {
        e.nombreArguments = uint8_t(k);
        if (!evaluateur || rang < 1 || rang > e.nombreObjets) return false;
        const int n = e.code[std::size_t(3 + rang)];
        if (!evaluateur(f, n, x[0], x[1], x[2], resultat)) return false;
        e.resultatChargement = resultat;
        return true;
    };
    e.arret = executeInstructions(e.cases, e.code, e.debut, e.fin, e.unite, charge) ? 1 : 0;
}

void prepareAnalyseExpression(const TfigureKalmetra& f, std::string_view texte, uint8_t modeAcces,
                              uint16_t& erreur, TAnalyseExpression& a, uint8_t genreRequis) {
    a = TAnalyseExpression{};
    a.modeAcces = modeAcces;
    a.genreResultat = genreRequis;
    std::string t(texte);
    const std::size_t separateur = t.find(';');
    if (separateur != std::string::npos) {
        if (separateur > 3) {
            // More than three variables.
            erreur = 561;
            return;
        }
        for (std::size_t v = 0; v < separateur; ++v) {
            a.nomsVariables[v] = t[v];
            a.genresVariables[v] = kGenreNombre;
        }
        a.nombreVariables = uint8_t(separateur);
        t.erase(0, separateur + 1);
    }
    a.texte = t;
    traduitExpression(f, a, false, erreur);
}

void evalueExpressionTexte(const TfigureKalmetra& f, std::string_view texte, uint8_t modeAcces,
                           uint16_t& erreur, double& valeur) {
    valeur = 0;
    erreur = 0;
    TAnalyseExpression a;
    try {
        prepareAnalyseExpression(f, sansEspaces(texte), modeAcces, erreur, a, kGenreNombre);
        if (erreur != 0) return;
        if (a.drapeauConstante) {
            valeur = a.constantes[0];
            return;
        }
        if (a.longueurListe == 4 && a.listeOctets[2] == 1) {
            const int n = a.listeOctets[4];
            if (objet(f, n).nonDefini) {
                erreur = 566;
                return;
            }
            valeur = valeurObjet(f, n, 1);
            return;
        }
        TExpressionCompilee e;
        creeExpressionCompilee(f, a, e);
        evalueExpressionCompilee(f, e);
        if (e.arret) {
            erreur = 566;
            return;
        }
        valeur = e.cases[1];
    } catch (const ErreurInterne& ex) {
        erreur = ex.phrase() ? ex.phrase() : 566;
        valeur = 0;
    }
}

void prepareExpressionDeParametre(const TfigureKalmetra& f, int objetCalcule, int indiceValeur, int numero,
                                  TExpressionCompilee& e) {
    e = TExpressionCompilee{};
    e.caseVariable = kCasePremiereVariable;
    const TExpressionParametre& x = expressionParametre(f, numero);
    if (x.constante) {
        e.erreur = 1;
        e.cases[1] = valeurObjet(f, objetCalcule, indiceValeur);
        return;
    }
    verifieIndice(x.nombreOctets, 0, kMaxOctetsCode, "byte list length");
    e.fin = x.nombreOctets;
    for (int p = 1; p <= e.fin; ++p)
        e.code[std::size_t(p)] = octetOperande(f, x.debutOctets + p - 1);
    e.nombreObjets = e.code[2];
    e.nombreVariables = e.code[3];
    if (e.nombreObjets + e.nombreVariables + 5 > e.fin) {
        e.erreur = 1;
        if (e.nombreObjets == 1)
            e.cases[1] = valeurObjet(f, e.code[4], 1);
        else
            e.caseVariable = 1;
        return;
    }
    e.erreur = 0;
    for (int j = 1; j <= x.nombreConstantes; ++j) {
        verifieIndice(kCasePremiereConstante + j - 1, kCasePremiereConstante, kCaseDerniereConstante,
                      "constant slot");
        const int k = x.premiereConstante + j - 1;
        verifieIndice(k, 1, kMaxConstantes, "expression constant");
        e.cases[std::size_t(kCasePremiereConstante + j - 1)] = f.constantesExpressions[std::size_t(k)];
    }
    e.operandeNonDefini = chargeObjets(f, e) ? 1 : 0;
    e.debut = uint8_t(e.nombreObjets + e.nombreVariables + 4);
    e.unite = uniteDeLongueurObjet(f, objetCalcule);
}

} // namespace km32
