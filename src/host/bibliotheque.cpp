#include "host/bibliotheque.h"

#include "drawing/rendu_fichier.h"
#include "drawing/selection.h"
#include "platform/affichage.h"
#include "platform/boites.h"
#include "host/fenetre_figure.h"
#include "host/fenetre_mere.h"
#include "host/fenetres/dialogue/fenetre_dialogue.h"
#include "host/fenetres/fonction_valeurs.h"
#include "host/fenetres/palette_styles.h"
#include "host/fenetres/tableau_valeurs.h"
#include "host/fenetres/editeur_commentaire.h"
#include "host/fenetres/editeur_figure.h"
#include "host/fenetres/fenetre_commentaire.h"
#include "host/filtre_menus.h"
#include "host/juge_modification.h"
#include "host/fenetres/rappels/choix_rappels.h"
#include "host/fenetres/rappels/fenetre_rappels.h"
#include "host/menus_figure.h"
#include "host/repartiteur.h"
#include "model/analyse_expression.h"
#include "model/avis_modification.h"
#include "model/expression_erreurs.h"
#include "model/index_noms.h"
#include "model/messages.h"
#include "model/registre_figures.h"
#include "model/table_figures.h"
#include "platform/cairo_rendu.h"
#include "text/garde_demarrage.h"
#include "platform/curseurs.h"
#include "platform/hasard.h"
#include "sibling/bibliotheque_tq.h"
#include "sibling/table_partagee.h"
#include "text/langue_texte.h"
#include "text/sauvegarde_figure.h"

namespace km32 {

namespace {
struct EtatBibliotheque {
    bool initialisee = false;
    platform::Curseur curseurKM = 0; // the figure cursor, loaded at start
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

    // 1. Seed the pseudo-random generator from the clock; no message box is
    //    open and messages are not muted.
    platform::initialiseHasardParHorloge();
    reinitialiseMessages();
    // 2. Pick tolerance unit := 3 % of the desktop width, rounded.
    fixeToleranceDesignation();
    // 3. Create the hidden mother window and store its handle in the shared
    //    table (fenetreMereKM).
    creeFenetreMere();
    // 4. Load the figure cursor "KM".
    e.curseurKM = platform::chargeCurseur("KM");
    // 5. Clear the table of figures (1 to 64) and switch the display of error
    //    messages on.
    videTableDesFigures();
    videTableDesFenetresFigures();
    reinitialiseErreurs(); // on, with no names pending
    reinitialiseCompilateur();
    // 6. Build the keywords of the current language and the sentence-pattern
    //    table, and check the pattern order.
    initialiseLangueTexte();
    // The standard buttons of boxes and dialogs speak the language the
    // texts are shown in at that moment.
    platform::installeLangueBoites([] { return uint8_t(TQTableDesVariablesPartagees()->langueAppliquee); });
    e.initialisee = true;
}

void termineBibliotheque() {
    EtatBibliotheque& e = etat();
    if (!e.initialisee) return;
    // In reverse order of initialiseBibliotheque:
    // 6. Free the keywords and the three sentence-pattern tables.
    termineLangueTexte();
    // 5. Destroy every living figure and the windows of the host's figures.
    detruitToutesLesFigures();
    videTableDesFenetresFigures();
    // The indexes of the names of the figures go with them.
    libereIndexNoms();
    // 3. Free the mother window and clear its handle in the shared table.
    detruitFenetreMere();
    // The process-wide caches of the text renderer go with the library;
    // not under the real backend, whose toolkit still holds cairo's fonts
    // and surfaces (cairo aborts on a reset while they live).
    if (!platform::affichageReel()) platform::libereCachesCairo();
    e.initialisee = false;
}

bool bibliothequeInitialisee() {
    return etat().initialisee;
}

void reinitialiseBibliotheque() {
    termineBibliotheque();
    reinitialiseFiltreMenus();
    reinitialiseTableauDeValeurs();
    reinitialisePaletteStyles();
    reinitialiseFonctionParValeurs();
    reinitialiseChoixRappels();
    fermeRappels();
    reinitialiseEditeurFigure();
    reinitialiseFenetreCommentaire();
    reinitialiseEditeurCommentaire();
    reinitialiseDialogue();
    reinitialiseMenusFigures();
    reinitialiseRepartiteur();
    reinitialiseAvisModification();
    reinitialiseJugesModification();
    reinitialiseGardeDemarrage();
    reinitialiseSauvegarde();
    reinitialiseDessinFichier();
    reinitialiseBibliothequeTQ();
}

} // namespace km32
