#include "host/langue_hote.h"

#include "host/menus_figure.h"
#include "text/langue_texte.h"

namespace km32 {

void appliqueLangueKM(uint16_t langue) {
    if (langue < 1 || langue > 3) return;
    detruitMenusDUneAutreLangue(langue);
    appliqueLangueSysteme(langue);
}

} // namespace km32
