// PLACEHOLDER until the figure model reads the equation of a plane.
//
// The plane by equation (code 214) asks the model to compile the equation
// given as the line's next argument and to evaluate it at four probe points.
// Until the model offers that service, the argument is consumed and the line
// is refused with "wrong equation" (658). The model deletes this file when it
// defines analyseEquation.
#include "model/expression_erreurs.h"
#include "model/procedures_texte.h"
#include "text/ligne_creation.h"
#include "text/noms_objets.h"

namespace km32 {

void analyseEquation(const TfigureKalmetra&, TLigneAnalysee& ligne) {
    if (estRefus(ligne.erreur)) return;
    std::string equation;
    coupeAuSeparateur(ligne.arguments, 255, equation);
    nomErreur1() = equation;
    ligne.erreur = 658;
}

} // namespace km32
