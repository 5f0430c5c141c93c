#include "text/equation_plan_analyse.h"

#include <algorithm>
#include <string>

#include "base/garde.h"
#include "base/texte.h"
#include "model/analyse_expression.h"
#include "model/expression_erreurs.h"
#include "model/procedures_texte.h"
#include "text/ligne_creation.h"

namespace km32 {

namespace {

constexpr uint8_t kCodePlanParEquation = 214;
constexpr uint16_t kPremierRefus = 533;
constexpr uint16_t kPasUnNombre = 571;
constexpr uint16_t kPasUneRelation = 622;
// Working texts are never cut: only stored texts are.
constexpr std::size_t kSansLimite = std::string::npos;

// The coordinates at which the equation is evaluated, one probe per slot.
constexpr char kSondes[kNombreSondes][3] = {
    {'1', '0', '0'}, {'0', '1', '0'}, {'0', '0', '1'}, {'0', '0', '0'}};

// A work record for a text in the three number variables X, Y, Z.
void prepareEnXYZ(TAnalyseExpression& a, const std::string& texte, uint8_t genre, uint8_t modeAcces) {
    a = TAnalyseExpression{};
    a.texte = texte;
    a.genreResultat = genre;
    a.modeAcces = modeAcces;
    a.nombreVariables = 3;
    a.nomsVariables = {'X', 'Y', 'Z'};
    a.genresVariables = {kGenreNombre, kGenreNombre, kGenreNombre};
}

// A compile error goes to the line: a refusal always, a lesser reason only
// when the line has none yet. True when the analysis must stop.
bool garde(TLigneAnalysee& ligne, uint16_t erreur) {
    if (erreur == 0) return false;
    if (erreur >= kPremierRefus || ligne.erreur == 0) ligne.erreur = erreur;
    return erreur >= kPremierRefus;
}

// The compiled letter text in which A, B, C stand for X, Y, Z gets the
// digits of a probe in their place, then is compiled and reduced; a text
// that does not depend on the figure reduces to one constant.
void substitueEtCompile(TAnalyseExpression& a, char x, char y, char z, uint16_t& erreur) {
    std::string t;
    t.reserve(a.texte.size() + 8);
    for (char c : a.texte) {
        const char chiffre = c == 'A' ? x : c == 'B' ? y : c == 'C' ? z : 0;
        if (chiffre) {
            t += '(';
            t += chiffre;
            t += ')';
        } else {
            t += c;
        }
    }
    a.texte = t;
    compileEtOptimiseExpression(a, erreur);
    a.texte = " ";
}

// The equation as left-(right), split at its top relation on the coded text
// so that the "=" of "<=" or ">=" is never taken for it.
std::string differenceDesMembres(const std::string& equation, const TAnalyseExpression& relation) {
    std::string code = equation;
    codeMotsCles(code, kSansLimite);
    const SousExpression s = analyseSousExpression(code, relation);
    std::string gauche = code.substr(0, s.position);
    std::string droite = s.position < code.size() ? code.substr(s.position + 1) : std::string();
    oteEspacesBouts(gauche, kSansLimite);
    oteEspacesBouts(droite, kSansLimite);
    std::string difference = droite == "0" ? gauche : gauche + "-(" + droite + ")";
    decodeMotsCles(difference, kSansLimite);
    return difference;
}

} // namespace

void analyseEquation(const TfigureKalmetra& f, TLigneAnalysee& ligne) {
    if (ligne.erreur >= kPremierRefus) return;
    std::string equation;
    coupeAuSeparateur(ligne.arguments, 255, equation);
    oteEspacesBouts(equation);
    ligne.nombreExpressions =
        std::max<uint8_t>(ligne.nombreExpressions, kPremiereExpressionSonde + kNombreSondes - 1);

    // The equation itself, a relation: kept in slot 1 for the text of the figure.
    TAnalyseExpression& relation = expressionLigne(ligne, kExpressionEquation);
    prepareEnXYZ(relation, equation, kGenreRelation, ligne.modeLecture);
    uint16_t erreur = 0;
    {
        GardeValeur<uint8_t> genre(etatCompilateur().controleDuGenre, 1);
        traduitExpression(f, relation, false, erreur);
    }
    if (erreur == kPasUneRelation && ligne.codeConstruction == kCodePlanParEquation) {
        nomErreur1() = equation;
        erreur = kErreurPasUneEquation;
    }
    if (garde(ligne, erreur)) return;
    if (relation.operateurSommet != '=') {
        // "X<1" or "X=1 et Y=2" is a relation, but not an equation.
        nomErreur1() = equation;
        ligne.erreur = kErreurPasUneEquation;
        return;
    }
    relation.texte.erase(0, std::min<std::size_t>(relation.nombreVariables, relation.texte.size()));
    if (relation.drapeauUnite) ligne.besoinUnite = 1;

    // left-(right) as a number that may only be linear in X, Y and Z.
    TAnalyseExpression difference;
    prepareEnXYZ(difference, differenceDesMembres(equation, relation), kGenreNombre, ligne.modeLecture);
    erreur = 0;
    {
        EtatCompilateur& etat = etatCompilateur();
        GardeValeur<uint8_t> lineaire(etat.modeEquationPlan, 1);
        GardeValeur<uint8_t> genre(etat.controleDuGenre, 1);
        traduitExpression(f, difference, false, erreur);
    }
    if (erreur == kPasUnNombre) erreur = kErreurEquationPlan;
    if (garde(ligne, erreur)) return;
    if (difference.drapeauUnite) ligne.besoinUnite = 1;

    // The letter text as the compiler reads it: keywords coded, squares as
    // powers, point pairs as distances, implicit products written out.
    std::string lettres = difference.texte.substr(std::min<std::size_t>(3, difference.texte.size()));
    codeMotsCles(lettres, kSansLimite);
    remplaceCarreParPuissance(lettres, kSansLimite);
    remplaceLongueursDeSegments(lettres, kSansLimite, difference);
    difference.texte = sansEspaces(lettres);
    erreur = 0;
    controleLexicalExpression(f, difference, erreur);
    if (garde(ligne, erreur)) return;

    for (int k = 0; k < kNombreSondes; ++k) {
        TAnalyseExpression& sonde = expressionLigne(ligne, kPremiereExpressionSonde + k);
        sonde = difference;
        erreur = 0;
        substitueEtCompile(sonde, kSondes[k][0], kSondes[k][1], kSondes[k][2], erreur);
        if (garde(ligne, erreur)) return;
        if (sonde.drapeauConstante)
            valeurLigne(ligne, kPremiereValeurSonde + k) = valeurConstanteExpression(sonde);
    }
}

} // namespace km32
