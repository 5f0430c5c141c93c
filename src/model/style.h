#pragma once
// The style of an object: how it is drawn (line style, point mark, name
// position, fill, graduations, visibility, trace selection) and its colour.
#include <cstdint>

namespace km32 {

#pragma pack(push, 1)
struct TstyleObjet {
    uint16_t drapeaux = 0; // flag bits (readers below)
    uint8_t courbe = 0;    // 1 for curved objects (circles, arcs, curves, spheres, meshes)
    uint8_t rouge = 0;
    uint8_t vert = 0;
    uint8_t bleu = 0;
};
#pragma pack(pop)
static_assert(sizeof(TstyleObjet) == 6);

} // namespace km32
