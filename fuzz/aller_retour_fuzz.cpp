// The whole road of a figure text: read into a hosted figure, drawn,
// written back, and the written text read into a second figure. The second
// reading must give the figure the first gave: the same objects (name,
// kind, defined or not and why) and, written again, the same text. Any
// difference, crash or sanitizer report is a finding.
#include <cstddef>
#include <cstdint>
#include <string>

#include "hote_fuzz.h"

namespace {

using namespace km32;

// The objects of figure numero, one line each: name, kind, reason undefined.
std::string signature(int16_t numero) {
    std::string s;
    const int32_t n = KMNombreObjets(numero);
    for (int32_t k = 1; k <= n; ++k) {
        s += fuzz::texteDuBloc(KMNomObjetDeNumero(numero, k));
        s += ' ' + std::to_string(KMNatureObjet(numero, k));
        s += ' ' + std::to_string(KMRaisonObjetNonDefini(numero, k)) + '\n';
    }
    return s;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, std::size_t taille) {
    std::string texte(reinterpret_cast<const char*>(donnees), taille);
    // A host hands NUL-terminated texts: what follows a NUL never arrives.
    texte = texte.substr(0, texte.find('\0'));
    fuzz::recreeFigure(1, "");
    fuzz::recreeFigure(2, "");

    platform::initialiseHasard(1);
    KMExecuterTexte(1, texte.c_str());
    KMRedessineBrutal(1);
    const std::string ecrit = fuzz::texteDeFigure(1);
    const std::string premiere = signature(1);

    platform::initialiseHasard(1);
    KMExecuterTexte(2, ecrit.c_str());
    KMRedessineBrutal(2);
    const std::string reecrit = fuzz::texteDeFigure(2);
    const std::string seconde = signature(2);
    platform::boitesDemandees().clear();

    if (premiere != seconde) fuzz::echec("the written text reads as another figure", premiere, seconde);
    if (ecrit != reecrit) fuzz::echec("the written text is written otherwise", ecrit, reecrit);
    return 0;
}
