#include "host/fenetres/fenetre_commentaire.h"

#include <memory>

#include "host/fenetres/annexe_modele.h"
#include "host/fenetres/forme_fenetre_commentaire.h"
#include "host/fenetre_mere.h"
#include "model/fenetres_figure.h"
#include "model/registre_figures.h"
#include "model/table_figures.h"
#include "phrases/phrase.h"
#include "platform/contexte_dessin.h"
#include "platform/entrees.h"
#include "platform/fenetres.h"
#include "platform/messages.h"
#include "platform/surfaces_fenetres.h"
#include "sibling/table_partagee.h"
#include "sibling/texte_math_dessin.h"

namespace km32 {

namespace p = platform;

namespace {

constexpr int32_t kLargeurForme = 450, kHauteurFormeMax = 308, kTailleBoiteMax = 280;
constexpr int32_t kLargeurClientMin = 318, kLargeurClientMax = 788, kLargeurBoiteMax = 748;

std::unique_ptr<TKMFenCommentaire>& commentaire() {
    static std::unique_ptr<TKMFenCommentaire> c;
    return c;
}

// Shown with the keyboard, as the reminders are: its keys (Escape) are its own.
void montreCommentaire() {
    montreAnnexeAvecFocus(commentaire());
}

void fermeCommentaire() {
    fermeAnnexeModele(commentaire());
}

int32_t procedureCommentaire(p::Fenetre fenetre, uint32_t message, uint32_t wParam, int32_t) {
    TKMFenCommentaire* c = fenetreCommentaire();
    if (!c || c->fenetre != fenetre) return 0;
    switch (message) {
    case p::WM_CLOSE:
        FormCloseQuery(*c);
        return 0;
    case p::WM_KEYDOWN:
        // Escape closes the window as its close box does.
        if (wParam != p::VK_ESCAPE) return 0;
        FormCloseQuery(*c);
        return 1;
    case p::WM_PAINT:
        // The window is white around its paint box, where the figure would
        // show.
        p::peintFondFenetre(fenetre, p::kBrosseBlanche);
        return 0;
    default:
        return 0;
    }
}

// The sizes follow the text's measure: the paint box holds it with a small
// margin; the window is as high as the box needs up to a fixed height, and
// as wide within a minimum and a maximum; a bigger box scrolls.
void dimensionne(TKMFenCommentaire& c) {
    const int32_t largeurBoite = c.mesure.largeur + 2, hauteurBoite = c.mesure.hauteur() + 8;
    c.cadreBoite = {16, 8, 16 + largeurBoite, 8 + hauteurBoite};
    c.hauteurClient = hauteurBoite < kTailleBoiteMax ? hauteurBoite + 28 : kHauteurFormeMax;
    c.largeurClient = kLargeurForme;
    if (largeurBoite < kTailleBoiteMax)
        c.largeurClient = kLargeurClientMin;
    else if (largeurBoite > kLargeurBoiteMax)
        c.largeurClient = kLargeurClientMax;
    else
        c.largeurClient = largeurBoite + 38;
    c.defilementHorizontal = c.cadreBoite.droite > c.largeurClient;
    c.defilementVertical = c.cadreBoite.bas > c.hauteurClient;
}

} // namespace

TKMFenCommentaire* fenetreCommentaire() {
    return commentaire().get();
}

void KMAfficheCommentairePourNumero(int16_t numero) {
    if (!figureExiste(numero)) return;
    TfigureKalmetra& f = *figureDeNumero(numero);
    if (!reserveDialogueCommun(fenetreDeLaFigure(f), numero)) return;
    fermeCommentaire();
    auto c = std::make_unique<TKMFenCommentaire>();
    c->numeroFigure = uint8_t(numero);
    c->texte = f.texteCommentaire ? std::string(f.texteCommentaire->c_str()) : std::string();
    // An empty comment has nothing to measure: its box is 2 by 8.
    if (!c->texte.empty()) c->mesure = EncomBrementTexteG(c->texte);
    dimensionne(*c);
    c->fenetre = p::creeFenetre(p::kAucuneFenetre, {0, 0, c->largeurClient, c->hauteurClient},
                                procedureCommentaire, false);
    p::changeTitreFenetre(c->fenetre, f.titreFenetre + phraseDeNumero(kPhraseCommentaire));
    c->boitePeinture =
        p::creeFenetre(c->fenetre, c->cadreBoite,
                       procedureBoitePeinture<TKMFenCommentaire, fenetreCommentaire, PaintBox1Paint>, true);
    TTableDesVariablesPartagees& t = *TQTableDesVariablesPartagees();
    t.codeAnnexe = kAnnexeCommentaire;
    t.fenetreAnnexe = c->fenetre;
    attacheFenetreAFigure(numero, c->fenetre);
    lieFormeFenetreCommentaire(*c);
    commentaire() = std::move(c);
    inscritOperationsAnnexe(kAnnexeCommentaire, {montreCommentaire, fermeCommentaire});
    montreCommentaire();
}

void PaintBox1Paint(TKMFenCommentaire& c) {
    p::ContexteDessin* dc = p::contexteDeFenetre(c.boitePeinture);
    if (!dc) return;
    // The text lies on the white of the paint box.
    p::remplitRectangle(*dc, p::rectangleClient(c.boitePeinture), p::kBrosseBlanche);
    SetTexteCoul(*dc, 1);
    SetFontTailleEtType(0, 0);
    const int32_t h = haut(0, 0) % 256;
    if (h > 0) expformTexte(*dc, c.texte, double(5 - c.mesure.dessus) / h);
    SetFontTailleEtType(0, 0);
}

bool FormCloseQuery(TKMFenCommentaire& c) {
    if (TQTableDesVariablesPartagees()->annexeEnFermeture) return true;
    fenetreCommuneFermee(c.fenetre);
    return false;
}

void reinitialiseFenetreCommentaire() {
    fermeCommentaire();
}

} // namespace km32
