// The key translation of the dispatcher and the actions of the key codes.
#include <cmath>
#include <numbers>

#include "base/texte.h"
#include "drawing/historique_vues.h"
#include "drawing/rendu_etiquettes.h"
#include "drawing/rendu_figure.h"
#include "drawing/vue_operations.h"
#include "drawing/vue_rafraichissement.h"
#include "host/fenetres/rappels/fenetre_rappels.h"
#include "host/fenetres/fenetre_commentaire.h"
#include "host/fenetre_mere.h"
#include "host/juge_modification.h"
#include "host/menus_figure.h"
#include "host/repartiteur.h"
#include "host/services_attendus.h"
#include "model/calcul/traces_modele.h"
#include "model/fenetres_figure.h"
#include "model/nombres_texte.h"
#include "model/operations.h"
#include "model/registre_figures.h"
#include "model/services_dessin.h"
#include "text/pas_a_pas.h"
#include "platform/entrees.h"
#include "platform/messages.h"
#include "platform/minuteries.h"

namespace km32 {

namespace p = platform;

namespace {

constexpr uint8_t kToucheMoinsPave = 0x36;
constexpr char kDegre = char(0xB0); // "°" in Windows-1252

bool annexeModale(const TfigureKalmetra& f) {
    return annexeModaleDe(fenetreDeLaFigure(f));
}

// The code of an arrow, Page Up or Page Down: without modifier (Ctrl alone
// too), with Shift, with Shift and Ctrl.
uint8_t codeDeFleche(uint8_t sans, uint8_t maj, uint8_t majCtrl) {
    const EtatRepartiteur& e = etatRepartiteur();
    if (e.maj && e.ctrl) return majCtrl;
    if (e.maj) return maj;
    return sans;
}

// The view keys turn the view only while it may change.
bool vuePeutTourner(const TfigureKalmetra& f) {
    return f.changementVuePermis != 0;
}

uint8_t tourneVueClavier(TfigureKalmetra& f, double signe, double ax, double ay, double az, bool flecheMaj) {
    if (flecheMaj && f.planDeFaceMaintenu) return 0;
    if (!vuePeutTourner(f)) return 0;
    return tourneVueEtMemorise(f, signe * f.pasClavier * kPi / 180.0, ax, ay, az) ? 1 : 0;
}

uint8_t vueStandard(TfigureKalmetra& f, int commande, double v, double h, double fr) {
    if (!commandeAutorisee(f, commande)) return 0;
    f.modifiee = 1;
    fixeVueEtMemorise(f, v, h, fr);
    return 1;
}

// Ctrl+B and Ctrl+M: a command posted again to a window of the figure.
bool repetitionPossible(const TfigureKalmetra& f) {
    return f.fenetreDessin != 0 && !f.minuteriesCommandesActives && !f.horlogeEnMarche && !f.modeTrace &&
           !f.modeTraceALaDemande && !annexeModale(f);
}

uint8_t posteCommande(TfigureKalmetra& f, uint32_t fenetre, uint16_t commande) {
    TMessageFigure& m = dernierMessage(f);
    m = TMessageFigure{p::WM_COMMAND, commande, 0, 0};
    p::posteMessage(fenetre, p::WM_COMMAND, commande, 0);
    return 1;
}

double derniereValeurObjetActif(const TfigureKalmetra& f) {
    const TObjetFigure& o = objet(f, f.objetLibreActif);
    if (o.nombreValeurs == 0) return 0;
    return valeur(f, o.premiereValeur + o.nombreValeurs - 1);
}

uint8_t plusOuMoins(TfigureKalmetra& f, uint8_t code) {
    if (f.modePasAPas) {
        if (code == '+')
            etapeSuivante(f);
        else
            etapePrecedente(f);
        return 0;
    }
    EtatRepartiteur& e = etatRepartiteur();
    const bool moins = code == '-' || code == kToucheCtrlMoins;
    if (!f.boiteValeurAffichee) e.modeChangementValeur = code == kToucheCtrlPlus || code == kToucheCtrlMoins;
    if (f.fenetreDessin == 0 || (f.objetLibreActif == 0 && !e.modeChangementValeur)) return 0;
    if (f.boiteValeurAffichee) {
        if (!e.modeChangementValeur) {
            if (!multiplieObjetLibreActif(f, moins ? 0.5 : 2.0)) return 0;
        } else if (!changePasClavier(f, moins ? kToucheCtrlMoins : kToucheCtrlPlus)) {
            return 0;
        }
    }
    f.boiteValeurDemandee = 1;
    f.boiteValeurPas = e.modeChangementValeur ? 1 : 0;
    if (!e.modeChangementValeur)
        f.texteBoiteValeur = coupe(texteDeReel(derniereValeurObjetActif(f)), 80);
    else
        f.texteBoiteValeur = coupe(texteDeReel(f.pasClavier) + kDegre, 80);
    f.rectangleBoiteValeur = rectangleBoiteValeur(f.texteBoiteValeur);
    p::invalideRectangle(f.fenetreDessin, f.rectangleBoiteValeur);
    return 1;
}

uint8_t echap(TfigureKalmetra& f) {
    if (f.modePasAPas) {
        pasAPas(f);
        return 0;
    }
    if (f.minuteriesCommandesActives || f.horlogeEnMarche) {
        arreteToutesLesMinuteries(f);
        return 1;
    }
    if (f.reglagePlanIsole) {
        quittePlanIsole(f);
        miseAjourMenuFigure(f);
        return 0;
    }
    if (f.modeTrace || f.modeTraceALaDemande) {
        sortieModeTrace(f);
        miseAjourMenuFigure(f);
        return 1;
    }
    return 0;
}

} // namespace

// Starts or stops the figure clock on its command window.
void basculeHorlogeFigure(TfigureKalmetra& f) {
    const uint32_t fenetre = fenetreDeLaFigure(f);
    if (f.horlogeEnMarche)
        p::arreteMinuterie(fenetre, kMinuterieHorloge);
    else
        p::lanceMinuterie(fenetre, kMinuterieHorloge, f.intervalleHorloge);
    f.horlogeEnMarche = f.horlogeEnMarche ? 0 : 1;
}

uint8_t traiteToucheEnfoncee(TfigureKalmetra& f, uint32_t touche) {
    if (annexeModale(f)) {
        // The figure's keys wait while its annex window is open: a key
        // brings that window forward with the keyboard, so that the key is
        // not lost without a sign.
        if (touche != p::VK_SHIFT && touche != p::VK_CONTROL && touche != p::VK_MENU)
            activeDialogueCommun(fenetreDeLaFigure(f));
        return 0;
    }
    EtatRepartiteur& e = etatRepartiteur();
    switch (touche) {
    case p::VK_UP:
        return actionDeTouche(f, codeDeFleche(2, 211, 230));
    case p::VK_DOWN:
        return actionDeTouche(f, codeDeFleche(3, 212, 231));
    case p::VK_RIGHT:
        return actionDeTouche(f, codeDeFleche(4, 214, 233));
    case p::VK_LEFT:
        return actionDeTouche(f, codeDeFleche(5, 213, 232));
    case p::VK_PRIOR:
        return actionDeTouche(f, codeDeFleche(6, 228, 228));
    case p::VK_NEXT:
        return actionDeTouche(f, codeDeFleche(7, 229, 229));
    case p::VK_ESCAPE:
        return actionDeTouche(f, kToucheEchap);
    case p::VK_ADD:
    case p::VK_OEM_PLUS:
        return e.ctrl ? actionDeTouche(f, kToucheCtrlPlus) : 0;
    case p::VK_SUBTRACT:
    case kToucheMoinsPave:
        return e.ctrl ? actionDeTouche(f, kToucheCtrlMoins) : 0;
    case p::VK_RETURN:
        e.avaleEntree = true;
        if (f.modeTraceALaDemande) marqueObjetsTraces(f);
        return 1;
    case p::VK_SHIFT:
        e.maj = true;
        return 0;
    case p::VK_CONTROL:
        e.ctrl = true;
        return 0;
    default:
        break;
    }
    if (touche >= p::VK_F1 && touche <= p::VK_F12) {
        const uint8_t k = uint8_t(touche - p::VK_F1);
        return actionDeTouche(f, uint8_t((e.maj || e.ctrl ? kToucheMajF1 : kToucheF1) + k));
    }
    return 0;
}

uint8_t traiteCaractere(TfigureKalmetra& f, uint32_t caractere) {
    if (annexeModale(f)) return 0;
    uint32_t c = caractere > 255 ? 255 : caractere;
    EtatRepartiteur& e = etatRepartiteur();
    if (e.avaleEntree) {
        e.avaleEntree = false;
        if (c == '\r') return 0;
    }
    if (c >= 'a' && c <= 'z') c -= 'a' - 'A';
    if (c >= 1 && c <= 26) c += 128;
    return actionDeTouche(f, uint8_t(c));
}

uint8_t actionDeTouche(TfigureKalmetra& f, uint8_t code) {
    if (f.etatGlisser) return 0;
    if (f.touchesInterdites.test(code) || annexeModale(f)) return 0;
    const JugeModification juge(f);
    const EtatRepartiteur& e = etatRepartiteur();
    switch (code) {
    case 2:
    case 3:
    case 4:
    case 5:
    case 6:
    case 7:
        // A step of the active free object, repeated while the key is held:
        // no undo step of its own.
        entreeSansPasAnnulation(f);
        return deplaceObjetLibreClavier(f, code) ? 1 : 0;
    case kToucheEchap:
        return echap(f);
    case '+':
    case '-':
    case kToucheCtrlPlus:
    case kToucheCtrlMoins:
        entreeSansPasAnnulation(f);
        return plusOuMoins(f, code);
    case '<':
        return commandeAutorisee(f, 87) && changeEchelleVue(f, 1.0 / e.facteurZoom) ? 1 : 0;
    case '>':
        return commandeAutorisee(f, 86) && changeEchelleVue(f, e.facteurZoom) ? 1 : 0;
    case '?':
    case kToucheF1:
        demandeAideFigure(f, f.modePasAPas ? kAideRejeu : 0);
        return 1;
    case 'N':
        if (!e.maj) break;
        basculeNomsDesPoints(f);
        miseAjourMenuFigure(f);
        return 1;
    case 'R':
        if (!e.maj) break;
        if (!commandeAutorisee(f, 178)) return 0;
        basculeRepereAffiche(f);
        miseAjourMenuFigure(f);
        return 1;
    case 'S':
        if (!e.maj) break;
        separeNomsDesPoints(f);
        return 1;
    case 'T':
        if (!e.maj) break;
        basculeHorlogeFigure(f);
        return 0;
    case 130: // Ctrl+B
        if (!repetitionPossible(f) || f.derniereCommande == 0 || !commandeAutorisee(f, 81)) return 0;
        return posteCommande(f, fenetreDeLaFigure(f), f.derniereCommande);
    case 141: // Ctrl+M
        if (!repetitionPossible(f) || !commandeAutorisee(f, 91)) return 0;
        return posteCommande(f, f.fenetreDessin, 91);
    case 211:
        return tourneVueClavier(f, -1, 0, 1, 0, true);
    case 212:
        return tourneVueClavier(f, +1, 0, 1, 0, true);
    case 213:
        return tourneVueClavier(f, -1, 0, 0, 1, true);
    case 214:
        return tourneVueClavier(f, +1, 0, 0, 1, true);
    case 228:
        return tourneVueClavier(f, +1, 1, 0, 0, false);
    case 229:
        return tourneVueClavier(f, -1, 1, 0, 0, false);
    case 216: // F2: the reminders
        afficheRappels(int16_t(f.numeroFigure));
        return 0;
    case 217: // F3: the comment
        if (f.texteCommentaire && commandeAutorisee(f, 79))
            KMAfficheCommentairePourNumero(int16_t(f.numeroFigure));
        return 0;
    case 219: // F5
        separeNomsDesPoints(f);
        return 1;
    case 221: // F7
        return vueStandard(f, 179, 0, 0, 0);
    case 222: // F8
        return vueStandard(f, 152, 0, kPi / 2, kPi / 2);
    case 223: // F9
        return vueStandard(f, 195, -kPi / 2, 0, 0);
    case 225: // F11
        return commandeAutorisee(f, 171) ? uint8_t(vuePrecedente(f)) : 0;
    case 226: // F12
        return commandeAutorisee(f, 180) ? uint8_t(vueSuivante(f)) : 0;
    case 230:
        return uint8_t(decaleVue(f, 0, -5));
    case 231:
        return uint8_t(decaleVue(f, 0, 5));
    case 232:
        return uint8_t(decaleVue(f, -5, 0));
    case 233:
        return uint8_t(decaleVue(f, 5, 0));
    case kToucheMajF1:
        return vueStandard(f, 177, f.anglesVueInitiale[0], f.anglesVueInitiale[1], f.anglesVueInitiale[2]);
    default:
        break;
    }
    // The commands bound to the key run as the key's own steps do.
    entreeSansPasAnnulation(f);
    return executeCommandesDeTouche(f, code) ? 1 : 0;
}

} // namespace km32
