#include "host/repartiteur.h"

#include <optional>

#include "host/fenetres/editeur_figure.h"
#include "host/fenetre_mere.h"
#include "host/juge_modification.h"
#include "host/services_attendus.h"
#include "model/avis_modification.h"
#include "model/fenetres_figure.h"
#include "model/fichiers_texte.h"
#include "model/registre_figures.h"
#include "model/services_dessin.h"
#include "model/table_figures.h"
#include "platform/entrees.h"
#include "platform/messages.h"
#include "platform/minuteries.h"
#include "text/langue_texte.h"
#include "text/garde_demarrage.h"
#include "text/noms_objets.h"

namespace km32 {

namespace p = platform;

namespace {

constexpr uint8_t kObjetTemps = 3; // the built-in object time
constexpr uint8_t kToucheE = 'E';
constexpr uint8_t kToucheMoinsPave = 0x36;

// The box of the + and - keys stays on screen for these messages. The
// modifier keys count for none: on most keyboards the '+' itself needs
// Shift, and the step's keys need Ctrl, pressed again between two presses.
bool gardeBoiteValeur(const TMessageFigure& m) {
    if (m.message == p::WM_KEYUP) return true;
    if (m.message == p::WM_CHAR) return m.wParam == '+' || m.wParam == '-';
    if (m.message == p::WM_KEYDOWN)
        return m.wParam == kToucheMoinsPave || m.wParam == p::VK_OEM_PLUS || m.wParam == p::VK_ADD ||
               m.wParam == p::VK_SUBTRACT || m.wParam == p::VK_SHIFT || m.wParam == p::VK_CONTROL ||
               m.wParam == p::VK_MENU;
    return false;
}

uint8_t traiteMinuterie(TfigureKalmetra& f, uint32_t id) {
    const uint32_t fenetre = fenetreDeLaFigure(f);
    if (annexeModaleDe(fenetre)) return 0;
    if (id > kMinuterieHorloge) return 0;
    // After a tick, the ticks of the same timer that came due while it was
    // served are dropped (a command slower than its delay does not run twice
    // in a row); the other timers keep theirs, and with them their rhythm.
    if (id < kMinuterieHorloge && topMinuterieDeCommande(f, id)) {
        p::purgeTicks(fenetre, id, id);
        return 0;
    }
    topHorlogeFigure(f);
    return 1;
}

} // namespace

EtatRepartiteur& etatRepartiteur() {
    static EtatRepartiteur e;
    return e;
}

void reinitialiseRepartiteur() {
    etatRepartiteur() = EtatRepartiteur{};
}

TMessageFigure& dernierMessage(const TfigureKalmetra& f) {
    const int n = f.numeroFigure >= 1 && f.numeroFigure <= 64 ? f.numeroFigure : 0;
    return etatRepartiteur().derniersMessages[std::size_t(n)];
}

uint8_t refuseCommande(TfigureKalmetra&, uint32_t commande) {
    EtatRepartiteur& e = etatRepartiteur();
    e.derniereCommandeRefusee = commande;
    ++e.commandesRefusees;
    e.refusEnCours = true;
    return 0;
}

uint8_t commandeNonDisponible(TfigureKalmetra& f, uint32_t commande) {
    return refuseCommande(f, commande);
}

void demandeAideFigure(TfigureKalmetra& f, uint16_t contexte) {
    if (f.fenetreDessin == 0) return;
    const bool montree = contexte != 0 ? appelleAideKM32(f.fenetreDessin, 1, contexte)
                                       : appelleAideKM32(f.fenetreDessin, 3, 0);
    if (!montree) refuseCommande(f, 302);
}

namespace {

bool estEntreeUtilisateur(const TfigureKalmetra& f, uint32_t message) {
    switch (message) {
    case p::WM_KEYDOWN:
    case p::WM_CHAR:
    case p::WM_COMMAND:
    case p::WM_LBUTTONDOWN:
    case p::WM_LBUTTONUP:
    case p::WM_RBUTTONDOWN:
    case p::WM_RBUTTONUP:
        return true;
    case p::WM_MOUSEMOVE:
        return f.etatGlisser != nullptr;
    default:
        return false;
    }
}

} // namespace

uint8_t traiteMessageKMParNumero(int16_t numero, TMessageFigure& message) {
    if (!figureExiste(numero)) return 0;
    EtatRepartiteur& e = etatRepartiteur();
    const bool refusAnterieur = e.refusEnCours;
    e.refusEnCours = false;
    // The host's function hears of the modified flag changed by the message.
    const SurveillanceModification surveillance(numero);
    // An input of the user is one undo step and is judged by what a save
    // writes; the clock's ticks and the pointer passing over are not inputs.
    std::optional<JugeModification> juge;
    if (estEntreeUtilisateur(*figureDeNumero(numero), message.message)) juge.emplace(*figureDeNumero(numero));
    const uint8_t r = traiteMessageFigure(*figureDeNumero(numero), message);
    // A key or a button released ends the input that repeated a refusal
    // (a held arrow key, a drag): the next refusal is shown again.
    if (message.message == p::WM_KEYUP || message.message == p::WM_LBUTTONUP) oublieRefusDemarrage(numero);
    if (e.refusEnCours) message.resultat = kResultatRefuse;
    // A message handled inside another one leaves the outer one's mark.
    e.refusEnCours = e.refusEnCours || refusAnterieur;
    return r;
}

void topHorlogeFigure(TfigureKalmetra& f) {
    const uint32_t fenetre = fenetreDeLaFigure(f);
    if (f.rearmementsHorloge) {
        f.rearmementsHorloge = 0;
        if (f.horlogeEnMarche && f.fenetreDessin != 0) {
            p::arreteMinuterie(fenetre, kMinuterieHorloge);
            p::lanceMinuterie(fenetre, kMinuterieHorloge, f.intervalleHorloge);
        }
    }
    // A time after which a stored start line would no longer run is
    // refused: the figure keeps the time of the last tick it took.
    GardeDemarrage demarrage(f);
    const TObjetFigure& temps = objet(f, kObjetTemps);
    valeur(f, temps.premiereValeur) = heureEnSecondes();
    TEnsembleObjets change;
    change.set(kObjetTemps);
    recalculeDependants(f, change);
    if (!demarrage.accepte(kObjetTemps)) {
        p::purgeTicks(fenetre, kMinuterieHorloge, kMinuterieHorloge);
        return;
    }
    f.dernierLibreBouge = kObjetTemps;
    notifieHoteEtPublie(f, kCauseHorloge);
    p::purgeTicks(fenetre, kMinuterieHorloge, kMinuterieHorloge);
}

uint8_t traiteMessageFigure(TfigureKalmetra& f, TMessageFigure& m) {
    dernierMessage(f) = m;
    if (f.boiteValeurAffichee && !gardeBoiteValeur(m) && f.fenetreDessin != 0)
        p::invalideRectangle(f.fenetreDessin, f.rectangleBoiteValeur);
    EtatRepartiteur& e = etatRepartiteur();
    e.ctrl = p::ctrlEnfoncee();
    e.maj = p::majEnfoncee();
    e.alt = p::altEnfoncee();
    if (int(e.ctrl) + int(e.maj) + int(e.alt) >= 2 && p::toucheEnfoncee(kToucheE)) {
        // The figure text editor.
        KMAfficheEditeurFigurePourNumero(int16_t(f.numeroFigure));
        return 1;
    }
    switch (m.message) {
    case p::WM_SIZE:
        ajusteTailleEtRepeint(f);
        return 1;
    case p::WM_KEYDOWN:
        videMessagesEnAttente(f, p::WM_KEYDOWN);
        return traiteToucheEnfoncee(f, m.wParam);
    case p::WM_KEYUP:
        if (m.wParam == p::VK_SHIFT) e.maj = false;
        if (m.wParam == p::VK_CONTROL) e.ctrl = false;
        return 1;
    case p::WM_CHAR: {
        const uint8_t r = traiteCaractere(f, m.wParam);
        videMessagesEnAttente(f, p::WM_CHAR);
        return r;
    }
    case p::WM_COMMAND:
        return executeCommandeFigure(f, m.wParam, m.lParam);
    case p::WM_TIMER:
        return traiteMinuterie(f, m.wParam);
    case p::WM_MOUSEMOVE:
        sourisDeplacee(f, m.lParam);
        return 1;
    case p::WM_LBUTTONDOWN:
        sourisBoutonEnfonce(f, m.lParam);
        return 1;
    case p::WM_LBUTTONUP:
        sourisBoutonRelache(f, m.lParam);
        return 1;
    case p::WM_RBUTTONDOWN:
        debutRotationVue(f, m.lParam);
        return 1;
    case p::WM_RBUTTONUP:
        termineEtatGlisser(f);
        return 1;
    default:
        return 1;
    }
}

} // namespace km32
