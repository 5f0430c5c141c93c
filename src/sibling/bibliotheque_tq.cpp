#include "sibling/bibliotheque_tq.h"

#include "sibling/fenetres_tq.h"
#include "sibling/figures_planes.h"
#include "sibling/table_partagee.h"
#include "sibling/texte_math.h"
#include "sibling/texte_math_dessin.h"
#include "sibling/textes_tq.h"
#include "sibling/variables_partagees.h"

namespace km32 {

void reinitialiseBibliothequeTQ() {
    reinitialiseVariablesPartageesTQ();
    reinitialiseTextesTQ();
    reinitialiseFiguresPlanes();
    reinitialiseFenetresTQ();
    reinitialiseDessinTexteTQ();
    reinitialiseTexteMathTQ();
    reinitialiseTableDesVariablesPartagees();
}

} // namespace km32
