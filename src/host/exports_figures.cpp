// Exported functions: the life of the host's figures, their size, painting,
// colour and copies, the mouse and keys of the host's window, the cursor
// and the dispatcher.
#include "sibling/codes_annexes.h"
#include "km32.h"

#include <cmath>

#include "base/texte.h"
#include "host/exports_commun.h"
#include "host/fenetres/fonction_valeurs.h"
#include "host/fenetres/palette_styles.h"
#include "host/fenetre_figure.h"
#include "host/fenetre_mere.h"
#include "host/figures_hote.h"
#include "host/repartiteur.h"
#include "host/services_attendus.h"
#include "model/fenetres_figure.h"
#include "model/objets_figure.h"
#include "model/registre_figures.h"
#include "model/services_dessin.h"
#include "model/table_figures.h"
#include "platform/curseurs.h"
#include "platform/fenetres.h"
#include "platform/messages.h"
#include "sibling/table_partagee.h"

namespace km32 {
namespace {

namespace p = platform;

constexpr double kCoordonneeMax = 65535; // what a 16-bit word of lParam carries

// A mouse position of the host as the words of lParam: each coordinate
// rounded, a negative one taken as 0. False (the call is refused) when one
// is not a number or rounds beyond 65535.
bool lParamSouris(float x, float y, int32_t& lParam) {
    auto mot = [](float v, int32_t& c) {
        if (std::isnan(v)) return false;
        const double r = v <= 0 ? 0.0 : std::nearbyint(double(v));
        if (r > kCoordonneeMax) return false;
        c = int32_t(r);
        return true;
    };
    int32_t cx = 0, cy = 0;
    if (!mot(x, cx) || !mot(y, cy)) return false;
    lParam = p::lParamDeCoordonnees(cx, cy);
    return true;
}

uint32_t messageBouton(int16_t bouton, uint32_t gauche, uint32_t droit) {
    return bouton == 1 ? gauche : bouton == 2 ? droit : 0;
}

// The message goes to the dispatcher through the form's message record when
// the figure has a form.
uint8_t distribueHote(int16_t n, uint32_t message, uint32_t wParam, int32_t lParam) {
    TMessageFigure m{message, wParam, lParam, 0};
    if (TKMFen* forme = formeDeNumero(n)) forme->message = m;
    const uint8_t r = traiteMessageKMParNumero(n, m);
    if (TKMFen* forme = formeDeNumero(n)) forme->message = m;
    return r;
}

void sourisEnfonceeHote(int16_t n, int16_t bouton, int16_t code, float x, float y) {
    TfigureKalmetra* f = figureOuRien(n);
    if (!f) return;
    const TTableDesVariablesPartagees& t = *TQTableDesVariablesPartagees();
    const uint32_t commande = fenetreDeLaFigure(*f);
    int32_t lParam = 0;
    if (!lParamSouris(x, y, lParam)) return;
    if (annexeModaleDe(commande) && (t.codeAnnexe == kAnnexeDialogue || t.codeAnnexe == kAnnexeStyles)) {
        // A designation for the open dialog or palette.
        if (const uint32_t message = messageBouton(bouton, p::WM_LBUTTONDOWN, p::WM_RBUTTONDOWN))
            distribueHote(n, message, 0, lParam);
        if (figureExiste(n)) activeDialogueCommun(fenetreDeLaFigure(*figureDeNumero(n)));
        return;
    }
    activeFormeFigure(n);
    f = figureOuRien(n);
    if (!f || annexeModaleDe(fenetreDeLaFigure(*f))) return;
    switch (code) {
    case 1:
        afficheMenuFigure(n);
        break;
    case 3:
        demandeLigneAExecuter(n);
        break;
    case 5:
        p::envoieMessage(f->fenetreHote, p::WM_KEYUP, kAvisMajAltClic, 0);
        break;
    default:
        break;
    }
}

void repeintDansContexteHote(int16_t n, uint32_t contexte) {
    TfigureKalmetra* f = figureOuRien(n);
    if (n == 0 || !f) return;
    if (figureSansHote(*f)) {
        repeintFigureKMparNumero(n, contexte);
        return;
    }
    if (f->fenetreProprietaire == 0) f->fenetreProprietaire = p::ancetreRacine(f->fenetreHote);
    const uint32_t avant = f->fenetreDessin;
    f->fenetreDessin = f->fenetreHote;
    try {
        repeintFigureKMparNumero(n, contexte);
    } catch (...) {
        if (TfigureKalmetra* g = figureOuRien(n)) g->fenetreDessin = avant;
        throw;
    }
    if (TfigureKalmetra* g = figureOuRien(n)) g->fenetreDessin = avant;
}

void changeCouleurFond(int16_t n, uint32_t couleur) {
    TfigureKalmetra* f = figureOuRien(n);
    if (!f || couleur > 0xFFFFFFu) return;
    // Every colour value can be shown: the nearest colour is the colour itself.
    if (TKMFen* forme = formeDeNumero(n)) forme->couleur = couleur;
    f->couleurFond = couleur;
    p::invalideFenetre(f->fenetreDessin);
    ajusteTailleFenetre(*f);
    redessineFigure(*f);
}

} // namespace
} // namespace km32

using km32::appelFigure;
using km32::appelFigureSansResultat;
using km32::appelProtege;
using km32::appelProtegeSansResultat;

extern "C" {

KM32_EXPORT int16_t KMCreeFigEtRenvoieNumero(uint32_t hote, const char* fichier, const char* texte,
                                             const char* parametres) {
    return appelProtege(int16_t(0), [&] { return km32::creeFigureHote(hote, fichier, texte, parametres); });
}

KM32_EXPORT void KMCreeFig(int16_t numero, const char* fichier, const char* texte, const char* parametres) {
    appelFigureSansResultat(numero, [&] { km32::recreeFigureHote(numero, fichier, texte, parametres); });
}

KM32_EXPORT int32_t creeFigureKMPourFenetreExterne(uint32_t fenetre, const char* fichier, uint32_t couleur) {
    return appelProtege(int32_t(0),
                        [&] { return km32::creeFigureFenetreExterne(fenetre, fichier, couleur); });
}

KM32_EXPORT void KMDetruitFigure(int16_t numero) {
    appelFigureSansResultat(numero, [&] { km32::detruitFigureHote(numero); });
}

KM32_EXPORT void KMdetruitFigureMeme(int16_t numero) {
    appelFigureSansResultat(numero, [&] { km32::KMdetruitFigureMeme(numero); });
}

KM32_EXPORT void KMSize(int16_t numero, uint32_t) {
    appelFigureSansResultat(numero, [&] { km32::tailleFigureHote(numero); });
}

KM32_EXPORT void KMChangeCouleurFondFigure(int16_t numero, uint32_t couleur) {
    appelFigureSansResultat(numero, [&] { km32::changeCouleurFond(numero, couleur); });
}

KM32_EXPORT void KMRedessineBrutal(int16_t numero) {
    appelFigureSansResultat(numero, [&] {
        if (km32::TfigureKalmetra* f = km32::figureOuRien(numero)) km32::redessineFigure(*f);
    });
}

KM32_EXPORT void KMRepeintFigure(int16_t numero, uint32_t contexte) {
    appelFigureSansResultat(numero, [&] { km32::repeintDansContexteHote(numero, contexte); });
}

KM32_EXPORT void repeintFigureKMparNumero(int16_t numero, uint32_t contexte) {
    appelFigureSansResultat(numero, [&] {
        if (km32::figureExiste(numero)) km32::repeintFigureKMparNumero(numero, contexte);
    });
}

KM32_EXPORT uint32_t KMCopierDessin(int16_t numero) {
    return appelFigure(numero, uint32_t(0), [&]() -> uint32_t {
        km32::TfigureKalmetra* f = km32::figureOuRien(numero);
        return f ? km32::copieDessinDansPressePapiers(*f, false) : 0;
    });
}

KM32_EXPORT uint32_t KMCopierDessinAjuste(int16_t numero, int16_t parametre) {
    return appelFigure(numero, uint32_t(0), [&]() -> uint32_t {
        km32::TfigureKalmetra* f = km32::figureOuRien(numero);
        if (!f) return 0;
        f->parametreCopieAjustee = parametre;
        return km32::copieDessinDansPressePapiers(*f, true);
    });
}

KM32_EXPORT void KMMouseDown(int16_t numero, int16_t bouton, int16_t code, float x, float y) {
    appelFigureSansResultat(numero, [&] { km32::sourisEnfonceeHote(numero, bouton, code, x, y); });
}

KM32_EXPORT uint8_t KMMouseUp(int16_t numero, int16_t bouton, int16_t, float x, float y) {
    return appelFigure(numero, uint8_t(0), [&]() -> uint8_t {
        const uint32_t message =
            km32::messageBouton(bouton, km32::platform::WM_LBUTTONUP, km32::platform::WM_RBUTTONUP);
        int32_t lParam = 0;
        if (message == 0 || !km32::lParamSouris(x, y, lParam)) return 0;
        return km32::distribueHote(numero, message, 0, lParam);
    });
}

KM32_EXPORT uint8_t KMMouseMove(int16_t numero, int16_t, int16_t, float x, float y) {
    return appelFigure(numero, uint8_t(0), [&]() -> uint8_t {
        int32_t lParam = 0;
        if (!km32::lParamSouris(x, y, lParam)) return 0;
        return km32::distribueHote(numero, km32::platform::WM_MOUSEMOVE, 0, lParam);
    });
}

KM32_EXPORT uint8_t KMKeyDown(int16_t numero, uint16_t touche) {
    return appelFigure(numero, uint8_t(0),
                       [&] { return km32::distribueHote(numero, km32::platform::WM_KEYDOWN, touche, 0); });
}

KM32_EXPORT uint8_t KMKeyPress(int16_t numero, uint16_t caractere) {
    return appelFigure(numero, uint8_t(0),
                       [&] { return km32::distribueHote(numero, km32::platform::WM_CHAR, caractere, 0); });
}

KM32_EXPORT void CurseurKM(void) {
    appelProtegeSansResultat([] {
        const uint8_t code = km32::TQTableDesVariablesPartagees()->codeAnnexe;
        if (code == km32::kAnnexeDialogue || code == km32::kAnnexeStyles ||
            code == km32::kAnnexeFonctionValeurs)
            return;
        km32::platform::changeCurseur(km32::platform::chargeCurseur("KM"));
    });
}

KM32_EXPORT void KMimporteMouvement(int16_t numero) {
    appelFigureSansResultat(numero, [&] {
        if (km32::TfigureKalmetra* f = km32::figureOuRien(numero)) km32::importeMouvement(*f);
    });
}

KM32_EXPORT void KMExecuteCommande(int16_t numero, const char* nom) {
    appelFigureSansResultat(numero, [&] {
        km32::TfigureKalmetra* f = km32::figureOuRien(numero);
        if (!f || !nom) return;
        const int objet = km32::numeroObjetDeNomEtType(*f, km32::coupe(nom, 10), km32::kNatureCommande);
        if (objet != 0) km32::executeCommandeDeTouche(*f, objet);
    });
}

KM32_EXPORT uint8_t traiteMessageKMParNumero(int16_t numero, KMMessage* message) {
    return appelFigure(numero, uint8_t(0), [&]() -> uint8_t {
        if (!message) return 0;
        km32::TMessageFigure m{message->message, message->wParam, message->lParam, message->resultat};
        const uint8_t r = km32::traiteMessageKMParNumero(numero, m);
        *message = {m.message, m.wParam, m.lParam, m.resultat};
        return r;
    });
}
}
