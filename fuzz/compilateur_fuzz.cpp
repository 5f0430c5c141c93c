// Fuzzing of the expression compiler and evaluator: any text, on a figure
// that holds points, numbers and a vector, must compile to a value or to an
// error phrase, never crash or trip a sanitizer.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "base/texte.h"
#include "host/bibliotheque.h"
#include "model/evaluation_expression.h"
#include "model/figure.h"
#include "model/messages.h"
#include "model/registre_figures.h"
#include "model/services_texte.h"
#include "platform/boites.h"

namespace {

km32::TfigureKalmetra& figure() {
    static std::unique_ptr<km32::TfigureKalmetra> f = [] {
        km32::initialiseBibliotheque();
        km32::etatMessages().messagesMuets = 1;
        auto g = std::make_unique<km32::TfigureKalmetra>();
        km32::initialiseFigureNeuve(*g);
        // Its own copy of a small figure that tests also use: the fuzz program is built alone.
        km32::executeTexteDeFigure(*g,
                                   "Figure Kalmetra\r\n"
                                   "A point de coordonn\xE9"
                                   "es (0,0,0) dans le rep\xE8"
                                   "re Rxyz\r\n"
                                   "B point de coordonn\xE9"
                                   "es (3,4,0) dans le rep\xE8"
                                   "re Rxyz\r\n"
                                   "a = 2.5\r\n"
                                   "n entier libre\r\n",
                                   1);
        return g;
    }();
    return *f;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, std::size_t taille) {
    km32::TfigureKalmetra& f = figure();
    const std::string texte = km32::coupe(std::string(reinterpret_cast<const char*>(donnees), taille), 255);
    for (uint8_t mode : {uint8_t(0), uint8_t(1), uint8_t(2)}) {
        uint16_t erreur = 0;
        double valeur = 0;
        km32::evalueExpressionTexte(f, texte, mode, erreur, valeur);
    }
    km32::platform::boitesDemandees().clear();
    return 0;
}
