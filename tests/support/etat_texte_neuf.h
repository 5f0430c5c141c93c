#pragma once
// The library started afresh for a test of the text language: started
// again, no scripted answers, no snapshots, and the states of the creation,
// the drawing attributes and the line executor reset.
#include "host/bibliotheque.h"
#include "platform/boites.h"
#include "text/attributs_dessin.h"
#include "text/execution_creation.h"
#include "text/execution_ligne.h"
#include "text/instantanes_figure.h"

namespace km32::essais {

inline void repartDeZeroPourLeTexte() {
    reinitialiseBibliotheque();
    initialiseBibliotheque();
    platform::reinitialiseBoites();
    reinitialiseInstantanes();
    reinitialiseCreation();
    reinitialiseAttributsDessin();
    reinitialiseExecutionLigne();
}

} // namespace km32::essais
