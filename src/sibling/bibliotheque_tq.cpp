#include "sibling/bibliotheque_tq.h"

#include "sibling/table_partagee.h"
#include "sibling/textes_tq.h"
#include "sibling/variables_partagees.h"

namespace km32 {

void reinitialiseBibliothequeTQ() {
    reinitialiseVariablesPartageesTQ();
    reinitialiseTextesTQ();
    reinitialiseTableDesVariablesPartagees();
}

} // namespace km32
