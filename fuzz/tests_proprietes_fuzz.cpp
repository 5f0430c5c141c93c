// Test sentences on a fixed figure, in one of the three languages: each is
// answered with a result or refused, and the figure is left as it was (its
// text is the same before and after), never a crash or sanitizer report.
#include <cstddef>
#include <cstdint>
#include <string>

#include "base/texte.h"
#include "hote_fuzz.h"

namespace {

// Points, lines, a plane, a circle, a sphere, a polyhedron, numbers and a
// free point: something for every kind of test to name.
const char* const kFigure = "Figure Kalmetra\r\n"
                            "A point de coordonn\xE9"
                            "es (0,0,0) dans le rep\xE8re Rxyz\r\n"
                            "B point de coordonn\xE9"
                            "es (4,0,0) dans le rep\xE8re Rxyz\r\n"
                            "C point de coordonn\xE9"
                            "es (0,4,0) dans le rep\xE8re Rxyz\r\n"
                            "D point de coordonn\xE9"
                            "es (0,0,4) dans le rep\xE8re Rxyz\r\n"
                            "M milieu du segment [AB]\r\n"
                            "P point libre sur le segment [BC]\r\n"
                            "d droite (AP)\r\n"
                            "p plan (ABC)\r\n"
                            "c cercle de centre A et de rayon 2 dans le plan oxy (unit\xE9 Uxyz)\r\n"
                            "s sph\xE8re de centre D et de rayon 1 (unit\xE9 de longueur Uxyz)\r\n"
                            "T poly\xE8"
                            "dre convexe de sommets A,B,C,D\r\n"
                            "a = AP\r\n"
                            "n entier libre\r\n"
                            "Fin de la figure\r\n";

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, std::size_t taille) {
    static const bool pret = [] {
        km32::fuzz::recreeFigure(1, kFigure);
        return true;
    }();
    (void)pret;
    if (taille == 0) return 0;
    // The first byte picks the language the sentence is read in.
    const int16_t langue = int16_t(1 + donnees[0] % 3);
    std::string phrase(reinterpret_cast<const char*>(donnees + 1), taille - 1);
    phrase = km32::coupe(phrase.substr(0, phrase.find('\0')), 255);
    const std::string avant = km32::fuzz::texteDeFigure(1);
    KMappliqueLangue(langue);
    km32::platform::initialiseHasard(1);
    KMTestParTexte(1, phrase.c_str());
    KMappliqueLangue(1);
    km32::platform::boitesDemandees().clear();
    const std::string apres = km32::fuzz::texteDeFigure(1);
    if (apres != avant) km32::fuzz::echec("a test changed the figure", avant, apres);
    return 0;
}
