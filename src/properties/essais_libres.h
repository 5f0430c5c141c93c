#pragma once
// Trial moves of the free objects: for one trial of a property test, every
// listed free object is moved by a step that grows with its level, either
// along a walk that bounces at the ends of its range or by a random draw in
// a window round its value; points on lines, rays and lattices may be kept in
// the visible drawing. Also the lists of free objects a test moves.
#include <array>
#include <cstdint>
#include <string>

#include "model/figure.h"
#include "properties/plan_tirages.h"

namespace km32 {

// The step divisor of a level: 1 -> 50, 2 -> 40, ... 10 -> 3, other levels 2.
int32_t diviseurDeNiveau(int32_t niveau);

// Per entry 1 to 20 (place 0 unused).
struct TEntreesEssai {
    TNomsObjets noms;
    std::array<int32_t, kMaxEntreesPlan + 1> niveaux{};
    std::array<uint8_t, kMaxEntreesPlan + 1> aleatoire{};                // draw at random rather than walk
    std::array<uint8_t, kMaxEntreesPlan + 1> dansLeDessin{};             // keep in the drawing (updated here)
    std::array<uint8_t, kMaxEntreesPlan + 1> veutLeDessin{};             // wants to be kept there (read only)
    std::array<std::array<int8_t, 2>, kMaxEntreesPlan + 1> directions{}; // first byte: +1 or -1
};

// Moves every object of the figure named by an entry (the first entry that
// names it); adds the moved objects to objetsDeplaces. Nothing is recomputed.
void testeParTiragesAleatoires(TfigureKalmetra& f, TEntreesEssai& entrees, uint8_t nombre,
                               TEnsembleObjets& objetsDeplaces);

// True when the point object lies outside the figure's bounds or outside the
// drawing area on the screen (the screen position, when within bounds).
bool pointHorsDuDessin(const TfigureKalmetra& f, int objet, int32_t& x, int32_t& y);
// The same once the point's dependants are recomputed for its current
// values; the figure is put back as it was.
bool essaiHorsDuDessin(TfigureKalmetra& f, int objet);

// The free objects 13 up to the count whose names are not in the ";"-list
// (at most 20).
void listeObjetsLibresSauf(const TfigureKalmetra& f, const std::string& exclus, TNomsObjets& noms,
                           uint8_t& nombre);
// The free objects named in the ";"-list (at most 20 names), in object order,
// each name once for each time it is listed; 255 when the list is empty or
// holds an empty item.
void listeObjetsLibresNommes(const TfigureKalmetra& f, const std::string& liste, TNomsObjets& noms,
                             uint8_t& nombre);

} // namespace km32
