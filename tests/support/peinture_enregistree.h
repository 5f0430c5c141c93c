#pragma once
// A figure painted once into a recording context, for the tests that check
// what the renderer drew: the list of primitives, in the order drawn.
#include <vector>

#include "drawing/rafraichissement.h"
#include "model/figure.h"
#include "platform/contexte_dessin.h"
#include "platform/contexte_dessin_table.h"
#include "platform/trace_enregistre.h"

namespace km32::essais {

inline std::vector<platform::Primitive> peintureEnregistree(TfigureKalmetra& f) {
    auto dc = platform::creeContexteEnregistreur();
    const uint32_t h = platform::enregistreContexte(dc.get());
    f.contexteDessin = h;
    dessineFigure(f, *dc);
    f.contexteDessin = 0;
    platform::oublieContexte(h);
    return dc->journal()->primitives;
}

} // namespace km32::essais
