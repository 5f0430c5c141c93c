#include "sibling/phrases_tq.h"

#include "sibling/table_partagee.h"

namespace km32 {

// Placeholder bodies until the sibling's own phrase table exists.
std::string TQphraseDeNumero(uint16_t) { return {}; }
std::string TQphraseSansEtCommercial(uint16_t) { return {}; }
void TQappliqueLangue(uint16_t langue) {
    if (langue >= 1 && langue <= 3) TQTableDesVariablesPartagees()->langueAppliquee = langue;
}

} // namespace km32
