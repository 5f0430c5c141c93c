#include "model/catalogue.h"

#include "model/constructions_table.h"
#include "model/figure.h"

namespace km32 {

namespace {

bool aLEnsemble(uint8_t code, uint8_t bit) {
    return (tableDesConstructions[code].ensembles & bit) != 0;
}

} // namespace

bool existeConstruction(uint8_t code) {
    return aLEnsemble(code, kLignePresente);
}

void caracteristiquesConstruction(uint8_t code, uint8_t& parents, uint8_t& valeurs, uint16_t& phrase,
                                  uint8_t& nature, uint8_t& expressions) {
    if (!existeConstruction(code)) return;
    const LigneCatalogue& ligne = tableDesConstructions[code];
    parents = ligne.parents;
    valeurs = ligne.valeurs;
    phrase = ligne.phrase;
    nature = ligne.nature;
    expressions = ligne.expressions;
}

uint16_t phraseDeConstruction(uint8_t code, bool variante) {
    const LigneCatalogue& ligne = tableDesConstructions[code];
    if (variante && aLEnsemble(code, kLigneAVariante)) return uint16_t(ligne.phrase - 1);
    return ligne.phrase;
}

uint8_t natureDeConstruction(uint8_t code) {
    return tableDesConstructions[code].nature;
}

uint8_t constructionDePhrase(uint16_t phrase) {
    if (phrase < kPremierePhraseDeConstruction || phrase > kDernierePhraseDeConstruction) return 0;
    return constructionsDesPhrases[phrase - kPremierePhraseDeConstruction];
}

uint16_t phraseDeNature(uint8_t nature) {
    // Kinds 11 to 13, 18, 19 and 21 have no name.
    static constexpr uint16_t kPhrases[35] = {
        0,    9906, 9940, 9922, 9937, 9907, 9908, 9909, 9910, 9911, 9912, 0,
        0,    0,    9915, 9916, 9917, 9918, 0,    0,    9920, 0,    9924, 9935,
        9936, 9925, 9938, 9926, 9913, 9928, 9929, 9927, 9930, 9931, 9941,
    };
    return nature < 35 ? kPhrases[nature] : 0;
}

bool estConstructionDessinable(uint8_t code) {
    return aLEnsemble(code, kLigneDessinable);
}
bool estConstructionLibre(uint8_t code) {
    return aLEnsemble(code, kLigneLibre);
}
bool estLibreTirableAuHasard(uint8_t code) {
    using namespace construction;
    switch (code) {
    case kPointLibreSurSegment:
    case kPointLibreSurCercle:
    case kPointLibreSurArc:
    case kEntierLibreIntervalle:
    case kReelLibreIntervalle:
    case kPointLibreDansPolygone:
    case kPointLibreSurSphere:
        return true;
    default:
        return false;
    }
}
TplaceValeursLibres placeValeursLibres(uint8_t code) {
    using namespace construction;
    switch (code) {
    case kPointLibreAbscisseEntiere:
    case kPointLibreSurSegment:
    case kPointLibreSurDemiDroite:
    case kPointLibreSurDroite:
    case kPointLibreSurCercle:
    case kPointLibreSurArc:
    // A variable of an interval: its place in the interval as a fraction
    // (its figure-text line gives the variable's value instead).
    case kEntierLibreIntervalle:
    case kReelLibreIntervalle:
        return {1, {3, 0, 0}};
    case kPointLibreCoordonneesEntieres:
        return {3, {3, 4, 5}};
    case kReelLibre:
    case kEntierLibre:
        return {1, {0, 0, 0}};
    case kPointLibreDansEspace:
        return {3, {0, 1, 2}};
    case kPointLibreDansPlan:
    case kPointLibreDansPolygone:
    case kPointLibreSurSphere:
        return {2, {3, 4, 0}};
    default:
        return {};
    }
}
bool aVarianteDeConstruction(uint8_t code) {
    return aLEnsemble(code, kLigneAVariante);
}

bool estConstructionConvexe(uint8_t code) {
    return aLEnsemble(code, kLigneConvexe);
}

bool estConvexeLimitant(uint8_t code) {
    return estConstructionConvexe(code) && code != construction::kPatron;
}

bool estConstructionSolide(uint8_t code) {
    const uint8_t nature = natureDeConstruction(code);
    return estConstructionConvexe(code) && nature != kNatureCercle && nature != kNaturePolygoneConvexe;
}

} // namespace km32
