// Lines a host sends to a figure: run with a redraw (the host's own lines
// included), and as a query line. The figure starts from the same text at
// every input, in trace mode with two objects traced, so that deletions and
// redefinitions move trails; any crash, hang or sanitizer report is a
// finding.
#include <cstddef>
#include <cstdint>
#include <string>

#include "hote_fuzz.h"

namespace {

const char* const kFigure = "Figure Kalmetra\r\n"
                            "A point de coordonn\xE9"
                            "es (0,0,0) dans le rep\xE8re Rxyz\r\n"
                            "B point de coordonn\xE9"
                            "es (3,1,0) dans le rep\xE8re Rxyz\r\n"
                            "P point libre dans l'espace\r\n"
                            "S segment [AP]\r\n"
                            "a r\xE9"
                            "el libre de [0,10]\r\n"
                            "M milieu du segment [AB]\r\n"
                            "S\xE9lection pour trace: M, S\r\n"
                            "Mode trace\r\n"
                            "Fin de la figure\r\n";

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, std::size_t taille) {
    std::string lignes(reinterpret_cast<const char*>(donnees), taille);
    lignes = lignes.substr(0, lignes.find('\0'));
    km32::fuzz::recreeFigure(1, kFigure);
    KMExecuteLigneFigEtRedessine(1, lignes.c_str());
    km32::fuzz::texteDuBloc(KMfournitHandleSurTexte(1, lignes.c_str()));
    KMExecuteLigneFig(1, lignes.c_str());
    KMappliqueLangue(1);
    km32::platform::boitesDemandees().clear();
    return 0;
}
