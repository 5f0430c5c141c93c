#include "host/bibliotheque.h"

#include "model/affichage_erreurs.h"
#include "model/registre_figures.h"
#include "model/table_figures.h"
#include "sibling/bibliotheque_tq.h"
#include "sibling/table_partagee.h"

namespace km32 {

namespace {
struct EtatBibliotheque {
    bool initialisee = false;
};

EtatBibliotheque& etat() {
    static EtatBibliotheque e;
    return e;
}
} // namespace

void initialiseBibliotheque() {
    EtatBibliotheque& e = etat();
    if (e.initialisee) return;
    // The sibling library is loaded before this one: its shared table exists,
    // in its initial state, before any step below reads it.
    TQTableDesVariablesPartagees();

    // 1. Seed the pseudo-random generator.             (platform random generator: to come)
    // 2. Pick tolerance unit := 3 % of the desktop width, rounded.            (drawing: to come)
    // 3. Create the hidden mother window and store its handle in the shared
    //    table (fenetreMereKM).                                                  (host: to come)
    // 4. Load the figure cursor "KM".                                           (host: to come)
    // 5. Clear the table of figures (1 to 64) and switch the display of error
    //    messages on.
    videTableDesFigures();
    etatAffichageErreurs().affichageErreurs = 1;
    // 6. Build the keyword atoms of the current language and the French
    //    sentence-pattern table, and check the pattern order.            (phrases, text: to come)
    e.initialisee = true;
}

void termineBibliotheque() {
    EtatBibliotheque& e = etat();
    if (!e.initialisee) return;
    // In reverse order of initialiseBibliotheque:
    // 6. Free the keyword atoms and the three sentence-pattern tables.     (phrases, text: to come)
    // 5. Destroy every living figure.
    detruitToutesLesFigures();
    // 3. Free the mother window and clear its handle in the shared table.        (host: to come)
    e.initialisee = false;
}

bool bibliothequeInitialisee() {
    return etat().initialisee;
}

void reinitialiseBibliotheque() {
    termineBibliotheque();
    reinitialiseBibliothequeTQ();
}

} // namespace km32
