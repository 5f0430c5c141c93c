#include "model/fonctions/calcul_fonctions.h"

#include <cmath>

#include "model/calcul/geometrie.h"
#include "model/calcul/parametres.h"
#include "model/calcul/raisons.h"
#include "model/catalogue.h"
#include "model/fonctions/fonctions.h"
#include "model/objets_figure.h"

namespace km32 {

namespace c = construction;

void calculeFonction(TfigureKalmetra& f, int n) {
    if (!prepareFonctionCompilee(f, n)) calcul::rendIndefini(f, n, raison::kCalculImpossible);
}

void calculeSuite(TfigureKalmetra& f, int n) {
    if (!calcul::lisParametre(f, n, 1, 1)) return;
    const double premier = valeurObjet(f, n, 1);
    if (std::fabs(premier - std::round(premier)) > 1e-8 || premier < -1e-8 ||
        premier > kIndiceMaxSuite + 1e-8) {
        calcul::rendIndefini(f, n, raison::kIndicePremierTerme);
        return;
    }
    const uint8_t code = objet(f, n).codeConstruction;
    if (code == c::kSuite) {
        if (!prepareSuite(f, n)) calcul::rendIndefini(f, n, raison::kCalculImpossible);
        return;
    }
    // Values 3 to 8 of a recurrent sequence: 3 unused (0), 4 and 5 the last
    // index given and its term, 6 and 7 the initial terms, 8 the term
    // before the last one given (order 2).
    if (!calcul::lisParametre(f, n, 3, 6)) return;
    if (code == c::kSuitePremiersTermes) {
        if (!calcul::lisParametre(f, n, 4, 7)) return;
        valeurObjet(f, n, 4) = premier + 1;
        valeurObjet(f, n, 5) = valeurObjet(f, n, 7);
        valeurObjet(f, n, 8) = valeurObjet(f, n, 6);
    } else {
        valeurObjet(f, n, 4) = premier;
        valeurObjet(f, n, 5) = valeurObjet(f, n, 6);
    }
    valeurObjet(f, n, 3) = 0;
    if (!prepareSuiteRecurrente(f, n)) calcul::rendIndefini(f, n, raison::kCalculImpossible);
}

void calculeIndicePremierTermeNul(TfigureKalmetra& f, int n) {
    uint8_t nonDefini = 0;
    int32_t indice = 0;
    const int suite = objet(f, n).nombreParents >= 1 ? parentObjet(f, n, 1) : 0;
    if (suite != 0) indicePremierTermeNulDeObjet(f, suite, nonDefini, indice);
    if (suite == 0 || nonDefini) {
        calcul::rendIndefini(f, n, raison::kPremierTermeNul);
        return;
    }
    valeurObjet(f, n, 1) = indice;
}

} // namespace km32
