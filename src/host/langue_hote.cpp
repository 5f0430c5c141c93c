#include "host/langue_hote.h"

#include "model/services_hote.h"
#include "model/table_figures.h"
#include "text/langue_texte.h"

namespace km32 {

void appliqueLangueKM(uint16_t langue) {
    if (langue < 1 || langue > 3) return;
    for (int16_t n = 1; n <= kMaxFigures; ++n) {
        TfigureKalmetra* f = figureDeNumero(n);
        if (f && f->menuContextuelConstruit) detruitMenuFigure(n);
    }
    appliqueLangueSysteme(langue);
}

} // namespace km32
