#include "host/application_texte.h"

#include "base/garde.h"
#include "drawing/clavier_partage.h"
#include "drawing/rafraichissement.h"
#include "drawing/vue_operations.h"
#include "host/menus_figure.h"
#include "model/avis_modification.h"
#include "model/fenetres_figure.h"
#include "model/messages.h"
#include "model/registre_figures.h"
#include "model/services_hote.h"
#include "model/services_texte.h"
#include "phrases/phrase.h"
#include "platform/boites.h"
#include "platform/messages.h"
#include "platform/minuteries.h"
#include "sibling/table_partagee.h"
#include "text/annulation.h"
#include "text/execution_texte.h"
#include "text/instantanes_figure.h"

namespace km32 {

namespace p = platform;

namespace {

void detruitMenuConstruit(TfigureKalmetra& f) {
    if (f.menuContextuelConstruit) detruitMenuFigure(int16_t(f.numeroFigure));
}

// The text runs on the figure without real execution; the number of its
// first failing line, 0 when every line ran.
uint16_t executeSurFigureVidee(TfigureKalmetra& f, const std::string& texte) {
    f.texteCommentaire.reset();
    f.lignesDifferees.reset();
    reinitialiseFigure(f);
    uint16_t ligne = 0;
    {
        const GardeValeur<uint8_t> horsExecution(executionReelle(), 0);
        ligne = executeTexteDeFigure(f, texte, 1);
    }
    executionReelle() = 1;
    return ligne;
}

// Yes to "replace the figure?"; shown even when messages are muted.
bool confirmeRemplacement() {
    const p::Fenetre focus = p::fenetreFocus();
    int reponse = 0;
    {
        const GardeValeur<uint8_t> ouverte(etatMessages().boiteMessageOuverte, 1);
        reponse = p::boiteMessage(phraseDeNumero(kPhraseTexteExecutable), phraseDeNumero(kPhraseAttention),
                                  p::kBoutonsOuiNon | p::kIconeExclamation | p::kDeuxiemeBoutonParDefaut |
                                      p::kModalTache);
    }
    if (focus != 0 && p::estFenetre(focus) && p::fenetreFocus() != focus) p::donneFocus(focus);
    return reponse != p::kReponseNon;
}

void rearmeHorloge(TfigureKalmetra& f) {
    if (!f.rearmementsHorloge) return;
    f.rearmementsHorloge = 0;
    const uint32_t fenetre = fenetreDeLaFigure(f);
    if (!f.horlogeEnMarche || fenetre == 0) return;
    p::arreteMinuterie(fenetre, kMinuterieHorloge);
    p::lanceMinuterie(fenetre, kMinuterieHorloge, f.intervalleHorloge);
}

// The new state is kept: the former one goes to the undo store, and the
// figure's clock, shared values, drawing, deferred lines and menu follow.
void valideNouvelEtat(TfigureKalmetra& f) {
    for (int k = 0; k < 3; ++k)
        f.anglesVueInitiale[k] = f.anglesVue[k];
    signaleFigureModifiee(f);
    prendInstantanePourAnnulerDuHautDeLaPile(f);
    depileInstantane();
    rearmeHorloge(f);
    if (f.importationActive && !f.variablesPartagees) inscritVariablesPartagees(f);
    ajusteTailleFenetre(f);
    reconstruitDessin(f);
    repeintFigureEcran(f);
    if (f.lignesDifferees && !f.lignesDifferees->empty())
        p::posteMessage(TQTableDesVariablesPartagees()->fenetreMereKM, kMessageLignesDifferees, 0,
                        int32_t((uint32_t(f.numeroFigure) << 16) + 1));
    miseAjourMenuFigure(f);
    f.modifiee = 1;
    publieVariablesPartagees(f);
}

} // namespace

bool appliqueTexteAFigure(TfigureKalmetra& f, const std::string& texte, bool confirmation,
                          uint16_t* ligneErreur) {
    if (ligneErreur) *ligneErreur = 0;
    const SurveillanceModification surveillance(int16_t(f.numeroFigure));
    detruitMenuConstruit(f);
    // Without a snapshot the figure could not be given back: nothing is tried.
    if (!empileInstantane(f)) {
        if (!confirmation) afficheMessage(phraseDeNumero(kPhraseTexteNonApplique), f.titreFenetre);
        return false;
    }
    uint16_t ligne = 0;
    try {
        ligne = executeSurFigureVidee(f, texte);
    } catch (...) {
        executionReelle() = 1;
        restaureInstantane(f);
        throw;
    }
    if (ligneErreur) *ligneErreur = ligne;
    bool ok = ligne == 0;
    if (ok && confirmation && f.fenetreDessin != 0) ok = confirmeRemplacement();
    if (ok) {
        valideNouvelEtat(f);
        return true;
    }
    detruitMenuConstruit(f);
    restaureInstantane(f);
    if (!confirmation) afficheMessage(phraseDeNumero(kPhraseTexteNonApplique), f.titreFenetre);
    publieVariablesPartagees(f);
    return false;
}

} // namespace km32
