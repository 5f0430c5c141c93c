// Fuzzing of line recognition: any line, in each of the three languages and
// in the coded form, is recognised or refused with a phrase number, never
// read past its fields.
#include <cstddef>
#include <cstdint>
#include <string>

#include "base/texte.h"
#include "host/bibliotheque.h"
#include "sibling/table_partagee.h"
#include "text/langue_texte.h"
#include "text/ligne_figure.h"
#include "text/reconnaissance.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, std::size_t taille) {
    static const bool pret = [] {
        km32::initialiseBibliotheque();
        return true;
    }();
    (void)pret;
    const std::string brut(reinterpret_cast<const char*>(donnees), taille);
    for (uint16_t langue : {uint16_t(1), uint16_t(2), uint16_t(3)}) {
        km32::changeLangue(langue);
        km32::TLigneFigure ligne;
        ligne.ligne = km32::coupe(brut, 255);
        km32::prepareLigneFigure(ligne);
        km32::reconnaitLigne(ligne);
        if (ligne.erreur == 0) km32::assembleArgumentsLigne(ligne);
    }
    return 0;
}
