#include "text/ligne_creation.h"

#include "base/erreur.h"

namespace km32 {

TAnalyseExpression& expressionLigne(TLigneAnalysee& l, int k) {
    verifieIndice(k, 1, kMaxExpressionsLigne, "line expression");
    return l.expressions[k];
}

double& valeurLigne(TLigneAnalysee& l, int k) {
    verifieIndice(k, 1, kMaxValeursLigne, "line value");
    return l.valeurs[k];
}

uint8_t& parentLigne(TLigneAnalysee& l, int k) {
    verifieIndice(k, 1, kMaxListeObjets, "line parent");
    return l.parents[k];
}

double valeurConstanteExpression(const TAnalyseExpression& a) {
    return constanteAnalyse(a, kCasePremiereConstante);
}

void ajouteParentLigne(TLigneAnalysee& l, uint8_t objet) {
    verifieCapacite(l.nombreParents + 1, kMaxListeObjets, "line parents");
    l.parents[++l.nombreParents] = objet;
}

} // namespace km32
