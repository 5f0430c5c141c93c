// Exported function: a property test given as a test sentence.
#include "km32.h"

#include "host/exports_commun.h"
#include "properties/phrases_test.h"

extern "C" {

KM32_EXPORT int16_t KMTestParTexte(int16_t numero, const char* texte) {
    return km32::appelFigure(numero, int16_t(km32::kTestPhraseIncorrecte),
                             [&] { return km32::testeParTexteDeFigure(numero, texte ? texte : ""); });
}

} // extern "C"
