#include "model/couleur_par_scalaires.h"

#include <cmath>

#include "model/objets_figure.h"
#include "model/operations.h"

namespace km32 {

namespace {
constexpr uint16_t kCouleurNonValide = 1u << 0; // bit 0 of the style flags
}

void couleurParScalaires(TfigureKalmetra& f, uint8_t n) {
    TObjetFigure& o = objet(f, n);
    if (o.numeroPrototype != 0 && couleurDuResultatDePrototype(f, o.numeroPrototype)) return;
    o.style.drapeaux &= uint16_t(~kCouleurNonValide);
    uint8_t* octets[3] = {&o.style.rouge, &o.style.vert, &o.style.bleu};
    for (int c = 0; c < 3; ++c) {
        const uint8_t source = o.sourcesCouleur[c];
        if (source == 0) continue;
        const double v = valeurObjet(f, source, 1);
        if (objet(f, source).nonDefini || !(v >= -0.1 && v <= 255.1)) {
            o.style.drapeaux |= kCouleurNonValide;
            return;
        }
        const double r = arrondiPair(v);
        *octets[c] = uint8_t(r < 0 ? 0 : (r > 255 ? 255 : r));
    }
}

} // namespace km32
