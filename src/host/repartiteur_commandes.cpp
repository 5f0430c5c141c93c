// The command switch of the dispatcher (menu commands 1 to 264, 301 to 305
// and the prototype commands) and the application of designated objects.
#include <numbers>

#include "drawing/historique_vues.h"
#include "drawing/rendu_etiquettes.h"
#include "drawing/vue_operations.h"
#include "drawing/vue_rafraichissement.h"
#include "drawing/designation.h"
#include "host/fenetres/dialogue/fenetre_dialogue.h"
#include "host/fenetres/fonction_valeurs.h"
#include "host/fenetres/palette_styles.h"
#include "host/fenetres/rappels/choix_rappels.h"
#include "host/fenetres/rappels/fenetre_rappels.h"
#include "host/fenetres/editeur_commentaire.h"
#include "host/fenetres/editeur_figure.h"
#include "host/fenetres/fenetre_commentaire.h"
#include "host/filtre_menus.h"
#include "host/juge_modification.h"
#include "host/menus_figure.h"
#include "host/prototypes_menu.h"
#include "host/repartiteur.h"
#include "host/services_attendus.h"
#include "model/calcul/traces_modele.h"
#include "model/fenetres_figure.h"
#include "model/messages.h"
#include "model/operations.h"
#include "model/procedures_texte.h"
#include "model/services_dessin.h"
#include "model/services_hote.h"
#include "phrases/phrase.h"
#include "platform/boites.h"
#include "platform/messages.h"
#include "sibling/table_partagee.h"
#include "text/pas_a_pas.h"

namespace km32 {

namespace p = platform;

namespace {

constexpr uint16_t kCommandeCopieRappels = 106; // copy the reminders of objects to the clipboard

// The commands the construction dialog answers (the menu's construction
// commands and the dialogs of other commands).
bool commandeDuDialogue(uint32_t k) {
    static const uint16_t plages[][2] = {{1, 76},    {89, 91},   {95, 95},   {100, 105}, {113, 113},
                                         {115, 115}, {124, 127}, {129, 151}, {153, 170}, {172, 176},
                                         {181, 182}, {184, 192}, {194, 194}, {196, 198}, {201, 206},
                                         {208, 214}, {216, 219}, {232, 232}, {249, 254}, {301, 301}};
    for (const auto& p : plages)
        if (k >= p[0] && k <= p[1]) return true;
    return false;
}

bool commandeDeDesignation(uint32_t k) {
    switch (k) {
    case 77:
    case 84:
    case 92:
    case 96:
    case 97:
    case 98:
    case 106:
    case 107:
    case 108:
    case 109:
    case 110:
    case 111:
    case 116:
        return true;
    default:
        return false;
    }
}

uint8_t vueStandard(TfigureKalmetra& f, double v, double h, double fr) {
    fixeVueEtMemorise(f, v, h, fr);
    return 1;
}

uint8_t modeTrace(TfigureKalmetra& f, uint32_t k) {
    if (f.ensembleTrace.none()) {
        afficheMessageType(phraseDeNumero(11266), phraseDeNumero(11265), p::kIconeExclamation);
        miseAjourMenuFigure(f);
        return 0;
    }
    const bool actif = k == 82 ? f.modeTrace != 0 : f.modeTraceALaDemande != 0;
    if (actif)
        sortieModeTrace(f);
    else if (k == 82)
        entreeModeTrace(f);
    else
        entreeModeTraceALaDemande(f);
    return 1;
}

uint8_t commande(TfigureKalmetra& f, uint32_t k, int32_t) {
    if (commandeDeDesignation(k)) {
        // The reminder picker lets the user designate the objects; it ends
        // in appliqueDesignation.
        f.commandeDesignation = uint16_t(k);
        choisitRappelPourCommande(int16_t(f.numeroFigure), fenetreDeLaFigure(f), uint16_t(k), 0,
                                  designationDeCommande(uint16_t(k)));
        return 0;
    }
    switch (k) {
    case 78:
        afficheRappels(int16_t(f.numeroFigure));
        return 0;
    case 80:
        basculeNomsDesPoints(f);
        return 0;
    case 81: {
        const bool libre = f.fenetreDessin != 0 && !f.minuteriesCommandesActives && !f.horlogeEnMarche &&
                           !f.modeTrace && !f.modeTraceALaDemande;
        if (!libre) return 0;
        dernierMessage(f) = TMessageFigure{p::WM_COMMAND, f.derniereCommande, 0, 0};
        // The last command is never 81 itself: nothing would end.
        if (f.derniereCommande != 0 && f.derniereCommande != 81)
            executeCommandeFigure(f, f.derniereCommande, 0);
        return 1;
    }
    case 82:
    case 83:
        return modeTrace(f, k);
    case 85:
        separeNomsDesPoints(f);
        return 0;
    case 86:
        changeEchelleVue(f, etatRepartiteur().facteurZoom);
        return 0;
    case 87:
        changeEchelleVue(f, 1.0 / etatRepartiteur().facteurZoom);
        return 0;
    case 93:
        defaitFigure(f);
        return 0;
    case 122:
        refaitFigure(f);
        return 0;
    case 99:
        basculeHorlogeFigure(f);
        return 0;
    case 112:
        f.importationActive = f.importationActive ? 0 : 1;
        if (f.importationActive)
            inscritVariablesPartagees(f);
        else
            desinscritVariablesPartagees(f);
        return 1;
    case 88:
        ouvrePaletteStyles(f);
        return 0;
    case 114:
        ouvreFiltreMenus(f);
        return 0;
    case 128:
        ouvreFonctionParValeurs(f);
        return 0;
    case 117:
        basculeTraitsEpais(f);
        TQTableDesVariablesPartagees()->traitsEpaisDefaut = f.traitsEpais;
        return 1;
    case 121:
        f.imageLimitee = f.imageLimitee ? 0 : 1;
        if (f.fenetreDessin != 0) repeintFigureEcran(f);
        return 1;
    case 123:
        copieDessinDansPressePapiers(f, false);
        return 1;
    case 152:
        return vueStandard(f, 0, kPi / 2, kPi / 2);
    case 179:
        return vueStandard(f, 0, 0, 0);
    case 195:
        return vueStandard(f, -kPi / 2, 0, 0);
    case 171:
        vuePrecedente(f);
        return 0;
    case 180:
        vueSuivante(f);
        return 0;
    case 177:
        return vueStandard(f, f.anglesVueInitiale[0], f.anglesVueInitiale[1], f.anglesVueInitiale[2]);
    case 178:
        basculeRepereAffiche(f);
        return 0;
    case 183:
        f.filDeFer = f.filDeFer ? 0 : 1;
        f.modifiee = 1;
        redessineFigure(f);
        return 1;
    case 193:
        f.projectionOblique = f.projectionOblique ? 0 : 1;
        f.modifiee = 1;
        tourneVueEtRepeint(f, 0, 0, 0, 1);
        return 1;
    case 199:
        if (!f.reglagePlanIsole) {
            ouvreDialogueCommande(int16_t(f.numeroFigure), uint16_t(k));
            return 0;
        }
        quittePlanIsole(f);
        return 1;
    case 200:
        f.planDeFaceMaintenu = f.planDeFaceMaintenu ? 0 : 1;
        return 0;
    case 215:
        f.partiesCacheesPointillees = f.partiesCacheesPointillees ? 0 : 1;
        f.modifiee = 1;
        redessineFigure(f);
        return 1;
    case 94:
        pasAPas(f);
        return 0;
    case 302:
        demandeAideFigure(f, 0);
        return 0;
    case 303:
        etapeSuivante(f);
        return 0;
    case 304:
        etapePrecedente(f);
        return 0;
    case 305:
        return actionDeTouche(f, kToucheF1);
    default:
        break;
    }
    if (k >= kPremiereCommandePrototype && k <= kDerniereCommandePrototype) {
        if (choisitPrototypeDuMenu(f, k)) return 0;
        return refuseCommande(f, k);
    }
    // The construction dialog of every construction command and of 301;
    // comment (79), editors (118, 120); reminders (78), style palette (88),
    // history (94), function grid (128), help (302) and the replay steps
    // (303, 304).
    const int16_t n = int16_t(f.numeroFigure);
    if (k == 79) {
        if (f.texteCommentaire) KMAfficheCommentairePourNumero(n);
        return 0;
    }
    if (k == 118) return KMAfficheEditeurFigurePourNumero(n), 0;
    if (k == 120) return ouvreEditeurCommentaire(n), 0;
    if (k == 0 || (k > 264 && k < 301) || (k > 305 && k < 1001) || k > 1050) return 0;
    if (commandeDuDialogue(k)) {
        ouvreDialogueCommande(int16_t(f.numeroFigure), uint16_t(k));
        return 0;
    }
    return commandeNonDisponible(f, k);
}

} // namespace

bool changeEtatMenu(uint32_t k) {
    switch (k) {
    case 80:
    case 82:
    case 85:
    case 93:
    case 95:
    case 99:
    case 117:
    case 121:
    case 122:
    case 178:
    case 183:
    case 193:
    case 199:
    case 200:
    case 215:
        return true;
    default:
        return false;
    }
}

uint8_t executeCommandeFigure(TfigureKalmetra& f, uint32_t k, int32_t lParam) {
    const JugeModification juge(f);
    const uint8_t r = commande(f, k, lParam);
    if (k < 256 && changeEtatMenu(k)) miseAjourMenuFigure(f);
    return r;
}

bool appliqueDesignation(TfigureKalmetra& f) {
    const uint16_t commande = f.commandeDesignation;
    TEnsembleObjets& d = f.ensembleDesigne;
    if (d.none()) {
        // Nothing designated: piloting stops, the traced set empties; the
        // other commands have nothing to act on.
        const bool change = commande == 77 || commande == 84;
        if (commande == 77) f.objetLibreActif = 0;
        if (commande == 84) f.ensembleTrace.reset();
        if (change) f.modifiee = 1;
        f.derniereCommande = commande;
        f.commandeDesignation = 0;
        return change;
    }
    const int n = f.nombreObjets;
    auto drapeau = [&](int premier, uint16_t masque, bool active) {
        prendInstantanePourAnnuler(f, f);
        for (int i = premier; i <= n; ++i)
            if (d.test(std::size_t(i))) changeDrapeauObjet(objet(f, i), masque, active);
    };
    switch (commande) {
    case 77:
        prepareObjetActif(f, int(premierElementEnsemble(d)));
        break;
    case 84:
        f.ensembleTrace = d;
        break;
    case 92:
        detruitEnsembleObjets(f, d);
        break;
    case 96:
    case 97:
        drapeau(14, 0x10, commande == 96);
        break;
    case 98:
    case 111:
        protegeObjets(f, d, commande == 98);
        break;
    case 107:
    case 108:
        drapeau(14, 8, commande == 107);
        if (commande == 107 && f.objetLibreActif != 0 && d.test(f.objetLibreActif)) f.objetLibreActif = 0;
        break;
    case 109:
    case 110:
        drapeau(1, 4, commande == 110);
        break;
    case 116:
        prendInstantanePourAnnuler(f, f);
        f.modifiee = 1;
        for (int i = 1; i <= n; ++i)
            if (d.test(std::size_t(i))) objet(f, i).objetLimite = 0;
        break;
    default:
        break;
    }
    f.derniereCommande = commande;
    f.commandeDesignation = 0;
    d.reset();
    // Copying reminders to the clipboard leaves the figure as it was.
    const bool change = commande != kCommandeCopieRappels;
    if (change) f.modifiee = 1;
    return change;
}

} // namespace km32
