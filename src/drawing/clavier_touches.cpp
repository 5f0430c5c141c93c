#include "drawing/clavier_touches.h"

#include <numbers>

#include "drawing/clavier.h"
#include "drawing/commandes_touches.h"
#include "drawing/historique_vues.h"
#include "drawing/rendu_etiquettes.h"
#include "drawing/vue_operations.h"
#include "drawing/vue_rafraichissement.h"
#include "model/calcul/dependants.h"
#include "model/calcul/traces_modele.h"
#include "model/fenetres_figure.h"
#include "model/fichiers_texte.h"
#include "model/objets_figure.h"
#include "model/registre_figures.h"
#include "model/services_hote.h"
#include "platform/entrees.h"
#include "platform/messages.h"
#include "platform/minuteries.h"
#include "sibling/table_partagee.h"

namespace km32 {

namespace {

namespace p = platform;

constexpr int kObjetTemps = 3; // the built-in object `time`
constexpr double kRadiansParDegre = std::numbers::pi / 180;

bool annexeModale(const TfigureKalmetra& f) {
    const TTableDesVariablesPartagees& t = *TQTableDesVariablesPartagees();
    const uint32_t fenetre = fenetreDeLaFigure(f);
    return fenetre != 0 && t.codeAnnexe != 0 && t.proprietaireAnnexe == fenetre;
}

void litModificateurs() {
    TetatClavier& e = etatClavier();
    e.maj = p::majEnfoncee() ? 1 : 0;
    e.ctrl = p::ctrlEnfoncee() ? 1 : 0;
    e.alt = p::altEnfoncee() ? 1 : 0;
}

bool autorisee(const TfigureKalmetra& f, int commande) {
    return etapesVue().commandeAutorisee(f, commande);
}

// The view turns by the keyboard step about a view axis.
uint8_t tourne(TfigureKalmetra& f, double signe, double ax, double ay, double az, bool flechesMaj) {
    if ((flechesMaj && f.planDeFaceMaintenu) || !f.changementVuePermis) return 0;
    return tourneVueEtMemorise(f, signe * f.pasClavier * kRadiansParDegre, ax, ay, az) != 0 ? 1 : 0;
}

uint8_t vueAutorisee(TfigureKalmetra& f, int commande, double a, double b, double c) {
    if (!autorisee(f, commande)) return 0;
    f.modifiee = 1;
    fixeVueEtMemorise(f, a, b, c);
    return 1;
}

// Starts or stops the figure clock.
void basculeHorloge(TfigureKalmetra& f) {
    const uint32_t fenetre = fenetreDeLaFigure(f);
    if (f.horlogeEnMarche)
        p::arreteMinuterie(fenetre, kMinuterieHorloge);
    else
        p::lanceMinuterie(fenetre, kMinuterieHorloge, f.intervalleHorloge);
    f.horlogeEnMarche = f.horlogeEnMarche ? 0 : 1;
}

uint8_t echap(TfigureKalmetra& f) {
    if (f.minuteriesCommandesActives || f.horlogeEnMarche) {
        arreteToutesLesMinuteries(f);
        return 1;
    }
    if (f.modeTrace || f.modeTraceALaDemande) {
        sortieModeTrace(f);
        miseAjourMenuFigure(f);
        return 1;
    }
    return 0;
}

// Plus and minus: the active object's step doubled or halved, or (with
// Ctrl) the keyboard step one rung coarser or finer.
uint8_t plusMoins(TfigureKalmetra& f, uint8_t code) {
    const bool pasDeVue = code == 246 || code == 247;
    if (f.fenetreDessin == 0 || (f.objetLibreActif == 0 && !pasDeVue)) return 0;
    const bool moins = code == '-' || code == 247;
    if (pasDeVue) return changePasClavier(f, moins ? 247 : 246) ? 1 : 0;
    return multiplieObjetLibreActif(f, moins ? 0.5 : 2.0) ? 1 : 0;
}

} // namespace

TetatClavier& etatClavier() {
    static TetatClavier e;
    return e;
}

void reinitialiseClavier() {
    etatClavier() = TetatClavier{};
}

uint8_t traiteToucheEnfoncee(TfigureKalmetra& f, uint32_t touche) {
    if (annexeModale(f)) return 0;
    litModificateurs();
    const TetatClavier& e = etatClavier();
    const bool maj = e.maj, ctrl = e.ctrl;
    if (fenetreDeLaFigure(f) != 0) p::purgeMessages(fenetreDeLaFigure(f), p::WM_KEYDOWN, p::WM_KEYDOWN);
    // Arrows and pages: no modifier (or Ctrl alone), Shift, Shift and Ctrl.
    struct Fleche {
        uint8_t touche, seule, avecMaj, avecMajCtrl;
    };
    static constexpr Fleche fleches[] = {
        {p::VK_UP, 2, 211, 230},   {p::VK_DOWN, 3, 212, 231},  {p::VK_RIGHT, 4, 214, 233},
        {p::VK_LEFT, 5, 213, 232}, {p::VK_PRIOR, 6, 228, 228}, {p::VK_NEXT, 7, 229, 229},
    };
    for (const Fleche& fl : fleches)
        if (touche == fl.touche)
            return actionDeTouche(f, maj ? (ctrl ? fl.avecMajCtrl : fl.avecMaj) : fl.seule);
    if (touche >= p::VK_F1 && touche <= p::VK_F12) {
        const uint8_t k = uint8_t(touche - p::VK_F1);
        return actionDeTouche(f, uint8_t((maj || ctrl) ? 234 + k : 215 + k));
    }
    switch (touche) {
    case p::VK_ESCAPE:
        return actionDeTouche(f, 27);
    case p::VK_ADD:
    case p::VK_OEM_PLUS:
        return ctrl ? actionDeTouche(f, 246) : 0;
    case p::VK_SUBTRACT:
    case 0x36:
        return ctrl ? actionDeTouche(f, 247) : 0;
    case p::VK_RETURN:
        etatClavier().avaleEntree = 1;
        if (f.modeTraceALaDemande) marqueObjetsTraces(f);
        return 1;
    default:
        return 0;
    }
}

uint8_t traiteCaractere(TfigureKalmetra& f, uint32_t caractere) {
    if (annexeModale(f)) return 0;
    litModificateurs();
    uint32_t c = caractere > 255 ? 255 : caractere;
    TetatClavier& e = etatClavier();
    if (e.avaleEntree) {
        e.avaleEntree = 0;
        if (c == '\r') return 0;
    }
    if (c >= 'a' && c <= 'z') c -= 'a' - 'A';
    if (c >= 1 && c <= 26) c += 128;
    const uint8_t r = actionDeTouche(f, uint8_t(c));
    if (fenetreDeLaFigure(f) != 0) p::purgeMessages(fenetreDeLaFigure(f), p::WM_CHAR, p::WM_CHAR);
    return r;
}

uint8_t actionDeTouche(TfigureKalmetra& f, uint8_t code) {
    if (f.etatGlisser || annexeModale(f)) return 0;
    const bool maj = etatClavier().maj;
    switch (code) {
    case 2:
    case 3:
    case 4:
    case 5:
    case 6:
    case 7:
        return deplaceObjetLibreClavier(f, code) ? 1 : 0;
    case 27:
        return echap(f);
    case '+':
    case '-':
    case 246:
    case 247:
        return plusMoins(f, code);
    case '<':
        return autorisee(f, 87) ? uint8_t(changeEchelleVue(f, 1 / 1.05)) : 0;
    case '>':
        return autorisee(f, 86) ? uint8_t(changeEchelleVue(f, 1.05)) : 0;
    case 'N':
        if (!maj) break;
        basculeNomsDesPoints(f);
        miseAjourMenuFigure(f);
        return 1;
    case 'R':
        if (!maj) break;
        if (!autorisee(f, kCommandeRepereAffiche)) return 0;
        basculeRepereAffiche(f);
        miseAjourMenuFigure(f);
        return 1;
    case 'S':
        if (!maj) break;
        separeNomsDesPoints(f);
        return 1;
    case 'T':
        if (!maj) break;
        basculeHorloge(f);
        return 0;
    case 219:
        separeNomsDesPoints(f);
        return 1;
    case 211:
    case 212:
        return tourne(f, code == 211 ? -1 : 1, 0, 1, 0, true);
    case 213:
    case 214:
        return tourne(f, code == 213 ? -1 : 1, 0, 0, 1, true);
    case 228:
    case 229:
        return tourne(f, code == 228 ? 1 : -1, 1, 0, 0, false);
    case 221:
        return vueAutorisee(f, 179, 0, 0, 0);
    case 222:
        return vueAutorisee(f, 152, 0, std::numbers::pi / 2, std::numbers::pi / 2);
    case 223:
        return vueAutorisee(f, 195, -std::numbers::pi / 2, 0, 0);
    case 225:
        return autorisee(f, 171) ? uint8_t(vuePrecedente(f)) : 0;
    case 226:
        return autorisee(f, 180) ? uint8_t(vueSuivante(f)) : 0;
    case 230:
    case 231:
        return uint8_t(decaleVue(f, 0, code == 230 ? -5 : 5));
    case 232:
    case 233:
        return uint8_t(decaleVue(f, code == 232 ? -5 : 5, 0));
    case 234:
        return vueAutorisee(f, 177, f.anglesVueInitiale[0], f.anglesVueInitiale[1], f.anglesVueInitiale[2]);
    case '?':
    case 130:
    case 141:
    case 215:
    case 216:
    case 217:
        // Help, repeat of the last menu command, reminders and comment
        // windows: not available here.
        return 0;
    default:
        break;
    }
    return executeCommandesDeTouche(f, code) ? 1 : 0;
}

uint8_t topHorlogeOuCommande(TfigureKalmetra& f, uint32_t minuterie) {
    const uint32_t fenetre = fenetreDeLaFigure(f);
    if (minuterie > kMinuterieHorloge) return 0;
    if (minuterie < kMinuterieHorloge && topMinuterieDeCommande(f, minuterie)) {
        if (fenetre != 0) p::purgeMessages(fenetre, p::WM_TIMER, p::WM_TIMER);
        return 0;
    }
    if (f.rearmementsHorloge) {
        f.rearmementsHorloge = 0;
        if (f.horlogeEnMarche && f.fenetreDessin != 0) {
            p::arreteMinuterie(fenetre, kMinuterieHorloge);
            p::lanceMinuterie(fenetre, kMinuterieHorloge, f.intervalleHorloge);
        }
    }
    valeurObjet(f, kObjetTemps, 1) = heureEnSecondes();
    TEnsembleObjets temps;
    temps.set(kObjetTemps);
    recalculeDependants(f, temps);
    f.dernierLibreBouge = kObjetTemps;
    notifieHoteEtPublie(f, kCauseHorloge);
    if (fenetre != 0) p::purgeMessages(fenetre, p::WM_TIMER, p::WM_TIMER);
    return 1;
}

} // namespace km32
