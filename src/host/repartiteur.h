#pragma once
// The dispatcher of a figure's messages: every input of a figure (its
// window, the host's mouse and key calls, menu commands, timers) arrives
// here as one message record and is routed to its handler. Three layers:
// the message switch, the key translation with the key actions, and the
// command switch by command number.
#include <array>
#include <cstdint>

#include "model/figure.h"

namespace km32 {

// The window-message record handed to the dispatcher.
struct TMessageFigure {
    uint32_t message = 0;
    uint32_t wParam = 0;
    int32_t lParam = 0; // mouse messages: x in the low, y in the high 16 bits
    int32_t resultat = 0;
};

// 1 when the message was handled, 0 when ignored; 0 without anything done
// for a number with no figure.
uint8_t traiteMessageKMParNumero(int16_t numero, TMessageFigure& message);
uint8_t traiteMessageFigure(TfigureKalmetra& f, TMessageFigure& message);

// Key translations (a virtual key of WM_KEYDOWN, a character of WM_CHAR)
// into a key code, and the action of a key code.
uint8_t traiteToucheEnfoncee(TfigureKalmetra& f, uint32_t touche);
uint8_t traiteCaractere(TfigureKalmetra& f, uint32_t caractere);
uint8_t actionDeTouche(TfigureKalmetra& f, uint8_t code);

// The command switch: 1..264 the menu commands, 301..305, 1001..1050 the
// prototype commands.
uint8_t executeCommandeFigure(TfigureKalmetra& f, uint32_t commande, int32_t lParam);
// Applies the designated objects to the command waiting for them; true
// when that changed the figure (marked modified), false for a copy of
// reminders or a command with nothing designated to act on.
bool appliqueDesignation(TfigureKalmetra& f);
// A tick of the figure clock (timer 271): the built-in object time takes
// the time of day and its dependants are recomputed.
void topHorlogeFigure(TfigureKalmetra& f);
// Starts (with the figure's interval) or stops the figure clock on the
// figure's command window and flips its running flag.
void basculeHorlogeFigure(TfigureKalmetra& f);

// Key codes.
constexpr uint8_t kToucheEchap = 27;
constexpr uint8_t kToucheF1 = 215;
constexpr uint8_t kToucheMajF1 = 234;
constexpr uint8_t kToucheCtrlPlus = 246;
constexpr uint8_t kToucheCtrlMoins = 247;

// The dispatcher's state shared by all figures: the modifier keys as the
// last message found them, the Enter whose carriage return is swallowed,
// the zoom factor of the larger and smaller commands, the value-changing
// mode of Ctrl+'+' and Ctrl+'-', the last message of each figure, and the
// last command refused, and whether the message being handled was refused.
struct EtatRepartiteur {
    bool maj = false, ctrl = false, alt = false;
    bool avaleEntree = false;
    double facteurZoom = 1.05;
    bool modeChangementValeur = false;
    std::array<TMessageFigure, 65> derniersMessages{};
    uint32_t derniereCommandeRefusee = 0;
    int commandesRefusees = 0;
    bool refusEnCours = false;
};
EtatRepartiteur& etatRepartiteur();
void reinitialiseRepartiteur();
// The last message the dispatcher received for figure numero.
TMessageFigure& dernierMessage(const TfigureKalmetra& f);

// The result a refused message carries in its record (TMessageFigure's
// resultat, KMMessage's for a host): the command could not be run at all,
// where a handled message that changed nothing carries 0.
constexpr int32_t kResultatRefuse = -1;

// Refuses the command being handled: notes it, marks the message refused
// and answers 0.
uint8_t refuseCommande(TfigureKalmetra& f, uint32_t commande);
// The refusal of a command number that no handler serves (a number of the
// menus' range that names no command): the same as refuseCommande.
uint8_t commandeNonDisponible(TfigureKalmetra& f, uint32_t commande);

// True for the commands after which the menu state is brought up to date,
// whether they ran from the menu or from the construction dialog.
bool changeEtatMenu(uint32_t commande);

// Help for the figure on its drawing window: the topic of context contexte
// (1 and the context), or the contents when contexte is 0. Nothing without
// a drawing window; refused (command 302) when no help can be shown.
constexpr uint16_t kAideRejeu = 94;
void demandeAideFigure(TfigureKalmetra& f, uint16_t contexte);

} // namespace km32
