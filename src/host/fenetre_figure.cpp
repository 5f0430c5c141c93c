#include "host/fenetre_figure.h"

#include "base/texte.h"
#include "drawing/impression_figure.h"
#include "drawing/vue_operations.h"
#include "host/fenetres/dialogue/fenetre_dialogue.h"
#include "host/fenetre_mere.h"
#include "host/services_attendus.h"
#include "host/textes_hote.h"
#include "model/messages.h"
#include "model/services_dessin.h"
#include "model/table_figures.h"
#include "platform/boites.h"
#include "platform/contexte_dessin.h"
#include "platform/contexte_dessin_table.h"
#include "platform/entrees.h"
#include "platform/fenetres.h"
#include "platform/messages.h"
#include "platform/minuteries.h"
#include "platform/surfaces_fenetres.h"
#include "sibling/table_partagee.h"

namespace km32 {

namespace {

namespace p = platform;

// Hands the form's message record to the dispatcher. The form may be gone
// when the dispatcher returns (a command that destroys the figure).
uint8_t distribue(int16_t n, uint32_t message, uint32_t wParam, int32_t lParam) {
    TKMFen* forme = formeDeNumero(n);
    if (!forme) return 0;
    forme->message = {message, wParam, lParam, 0};
    TMessageFigure m = forme->message;
    const uint8_t r = traiteMessageKMParNumero(n, m);
    if (TKMFen* encore = formeDeNumero(n)) encore->message = m;
    return r;
}

void posteAvisHote(uint32_t hote, uint32_t code, int32_t lParam) {
    p::posteMessage(hote, p::WM_KEYUP, code, lParam);
}

void sourisEnfoncee(int16_t n, uint32_t message, int32_t lParam) {
    TKMFen* forme = formeDeNumero(n);
    if (!forme) return;
    forme->message.message = message;
    forme->message.lParam = lParam;
    const bool maj = p::majEnfoncee(), ctrl = p::ctrlEnfoncee(), alt = p::altEnfoncee();
    if (maj && ctrl)
        demandeLigneAExecuter(n);
    else if (maj && alt)
        p::envoieMessage(forme->fenetreHote, p::WM_KEYUP, kAvisMajAltClic, 0);
    else if (maj)
        afficheMenuFigure(n);
    else if (forme->doubleClicEnAttente)
        forme->doubleClicEnAttente = 0; // the press that follows a double click
    else
        distribue(n, message, 0, lParam);
}

// The paint of the figure's own window goes to that window's surface, the
// one the screen shows: what only a paint draws (the value box of the + and
// - keys, the frame's colour after an activation) is seen.
void peint(int16_t n) {
    const TKMFen* forme = formeDeNumero(n);
    if (!figureExiste(n) || !forme) return;
    p::ContexteDessin* dc = p::contexteDeFenetre(forme->fenetre);
    if (!dc) return;
    const uint32_t handle = p::enregistreContexte(dc);
    repeintFigureKMparNumero(n, handle);
    p::oublieContexte(handle);
}

void activation(int16_t n, uint32_t wParam) {
    TKMFen* forme = formeDeNumero(n);
    if (!forme) return;
    if (wParam != p::WA_INACTIVE) {
        p::invalideFenetre(forme->fenetre);
        return;
    }
    const TTableDesVariablesPartagees& t = *TQTableDesVariablesPartagees();
    if (forme->inactive || t.sansAvisModification || etatMessages().boiteMessageOuverte) return;
    TfigureKalmetra* f = figureOuRien(n);
    if (f && f->modifiee) posteAvisHote(forme->fenetreHote, kAvisFigureModifiee, 0);
    if (t.remplacementInfo)
        p::invalideFenetre(forme->fenetre);
    else
        p::posteMessage(forme->fenetre, kMessageFigureDesactivee, 0, 0);
}

// Timer 272: the host window moved or changed size.
void suitFenetreHote(int16_t n) {
    TKMFen* forme = formeDeNumero(n);
    if (!forme) return;
    const p::Rectangle r = p::rectangleEcran(forme->fenetreHote);
    if (r == forme->rectangleHote) return;
    if (!p::estAffichee(forme->fenetre)) {
        forme->rectangleHote = r;
        if (TfigureKalmetra* f = figureOuRien(n)) ajusteTailleEtRepeint(*f);
    } else {
        desactiveFormeFigure(n);
    }
}

int32_t procedureForme(int16_t n, uint32_t message, uint32_t wParam, int32_t lParam) {
    switch (message) {
    case p::WM_PAINT:
        peint(n);
        return 0;
    case p::WM_ACTIVATE:
        activation(n, wParam);
        return 0;
    case p::WM_LBUTTONDOWN:
    case p::WM_RBUTTONDOWN:
        sourisEnfoncee(n, message, lParam);
        return 0;
    case p::WM_LBUTTONDBLCLK:
        if (TKMFen* forme = formeDeNumero(n)) {
            forme->doubleClicEnAttente = 1;
            afficheMenuFigure(n);
            // The double click is a press too, which comes after the menu and
            // is swallowed. The layer sends no press of its own for it: the
            // figure would swallow the next real press instead.
            if (formeDeNumero(n)) sourisEnfoncee(n, p::WM_LBUTTONDOWN, lParam);
        }
        return 0;
    case p::WM_MOUSEMOVE: {
        TKMFen* forme = formeDeNumero(n);
        if (forme && p::fenetreActive() == forme->fenetre && (wParam & (p::MK_LBUTTON | p::MK_RBUTTON)))
            distribue(n, message, 0, lParam);
        return 0;
    }
    case p::WM_LBUTTONUP:
    case p::WM_RBUTTONUP:
    case p::WM_KEYDOWN:
    case p::WM_KEYUP:
    case p::WM_CHAR:
    case p::WM_COMMAND:
        return distribue(n, message, wParam, lParam);
    case p::WM_TIMER:
        if (wParam == kMinuterieSuiviHote) {
            suitFenetreHote(n);
            return 0;
        }
        return distribue(n, message, wParam, lParam);
    case kMessageImportation:
        if (TfigureKalmetra* f = figureOuRien(n)) importeMouvement(*f);
        return 0;
    case kMessageImpressionPrete:
        // The print dialog has stored the settings and closed: print.
        if (TfigureKalmetra* f = figureOuRien(n)) imprimeFigure(*f);
        return 0;
    case kMessageActiverFigure:
        activeFormeFigure(n);
        return 0;
    case kMessageFigureDesactivee:
        desactiveFormeFigure(n);
        return 0;
    default:
        return 0;
    }
}

} // namespace

EtatFenetresFigures& tableDesFenetresFigures() {
    static EtatFenetresFigures e;
    return e;
}

void videTableDesFenetresFigures() {
    for (int n = 1; n <= kMaxFigures; ++n)
        detruitFormeFigure(n);
}

TKMFen* formeDeNumero(int n) {
    if (n < 0 || n > kMaxFigures) return nullptr;
    return tableDesFenetresFigures().formes[n].get();
}

TKMFen& creeFormeFigure(int n, uint32_t fenetreHote) {
    verifieIndice(n, 1, kMaxFigures, "figure form");
    detruitFormeFigure(n);
    auto forme = std::make_unique<TKMFen>();
    forme->fenetreHote = fenetreHote;
    forme->inactive = 1;
    forme->numeroFigure = n;
    p::DescriptionFenetre d;
    d.cadre = {0, 0, 256, 271};
    d.titre = "TQFen";
    d.visible = false;
    d.donnee = uint32_t(n);
    const int16_t numero = int16_t(n);
    d.procedure = [numero](uint32_t, uint32_t message, uint32_t wParam, int32_t lParam) {
        return procedureForme(numero, message, wParam, lParam);
    };
    forme->fenetre = p::creeFenetre(d);
    TKMFen& resultat = *forme;
    tableDesFenetresFigures().formes[n] = std::move(forme);
    return resultat;
}

void detruitFormeFigure(int n) {
    if (n < 1 || n > kMaxFigures) return;
    std::unique_ptr<TKMFen> forme = std::move(tableDesFenetresFigures().formes[n]);
    if (!forme) return;
    p::arreteMinuterie(forme->fenetre, kMinuterieSuiviHote);
    p::detruitFenetre(forme->fenetre);
}

int16_t figureDeSaFenetre(int16_t n) {
    const TfigureKalmetra* f = figureOuRien(n);
    if (!f || f->fenetreForme == 0) return n;
    for (int k = 1; k <= kMaxFigures; ++k) {
        const TKMFen* forme = formeDeNumero(k);
        if (forme && forme->fenetre == f->fenetreForme && figureOuRien(int16_t(forme->numeroFigure)))
            return int16_t(forme->numeroFigure);
    }
    return n;
}

void activeFormeFigure(int16_t n) {
    TKMFen* forme = formeDeNumero(n);
    TfigureKalmetra* f = figureOuRien(n);
    if (!forme || !f) return;
    if (annexeModaleDe(forme->fenetre)) {
        activeDialogueCommun(forme->fenetre);
        return;
    }
    forme->inactive = 1;
    if (f->fenetreProprietaire == 0) f->fenetreProprietaire = p::ancetreRacine(forme->fenetreHote);
    forme->rectangleHote = p::rectangleEcran(forme->fenetreHote);
    f->fenetreDessin = forme->fenetre;
    p::changeParent(forme->fenetre, 0);
    p::changeParent(forme->fenetre, forme->fenetreHote);
    p::placeFenetre(forme->fenetre, {0, 0, forme->rectangleHote.largeur(), forme->rectangleHote.hauteur()});
    forme->doubleClicEnAttente = 0;
    p::afficheFenetre(forme->fenetre, true);
    p::activeFenetre(forme->fenetre);
    // The activation above may have run messages that took the figure away.
    forme = formeDeNumero(n);
    f = figureOuRien(n);
    if (!forme || !f) return;
    // The host window may have a new size since the figure was drawn: the
    // drawing then takes it (projection and elements made again).
    if (ajusteTailleFenetre(*f))
        ajusteTailleEtRepeint(*f);
    else
        repeintFigureEcran(*f);
    remplaceFenetreInfo(forme->fenetre);
    forme->inactive = 0;
}

void desactiveFormeFigure(int16_t n) {
    TKMFen* forme = formeDeNumero(n);
    if (!forme) return;
    forme->inactive = 1;
    TfigureKalmetra* f = figureOuRien(n);
    if (f) f->fenetreDessin = forme->fenetreHote;
    p::afficheFenetre(forme->fenetre, false);
    // The host window shows again what lies under the figure's own window:
    // the figure as it is now, not as it was last drawn there (before the
    // points were dragged, the view turned, objects made).
    if (f) repeintFigureEcran(*f);
}

bool formeAffichee(int16_t n) {
    const TKMFen* forme = formeDeNumero(n);
    return forme && p::estAffichee(forme->fenetre);
}

void demandeLigneAExecuter(int16_t n) {
    const std::string defaut = "Anglais";
    std::optional<std::string> reponse = p::boiteSaisie("Execution directe",
                                                        "Ligne \xE0 ex\xE9"
                                                        "cuter",
                                                        defaut);
    executeLigneFigEtRedessine(n, coupe(reponse ? *reponse : defaut, 255));
}

} // namespace km32
