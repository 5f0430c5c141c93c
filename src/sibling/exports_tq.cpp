// Exported functions of the sibling library that hosts reach through this
// library unchanged: plane figures, texts and files, math text, editors.
#include "km32.h"

#include <string>

#include "platform/contexte_dessin_table.h"
#include "platform/curseurs.h"
#include "platform/fichiers.h"
#include "platform/memoire.h"
#include "sibling/exports_tq_commun.h"
#include "sibling/fenetres_tq.h"
#include "sibling/figures_planes.h"
#include "sibling/phrases_tq.h"
#include "sibling/texte_math_dessin.h"
#include "sibling/textes_tq.h"
#include "sibling/variables_partagees.h"

using km32::appelFigureTQ;
using km32::appelFigureTQSansResultat;
using km32::appelTQ;
using km32::appelTQSansResultat;
using km32::FigurePlane;
using km32::nomHote;
using km32::texteHote;

namespace {
constexpr std::size_t kMaxTexte = km32::kTailleMaxTexteTQ;

// Draws a figure's text with its first cell at (x, y) pixels, normal size.
void dessineFigure(const FigurePlane& f, uint32_t contexte, int32_t x, int32_t y) {
    km32::platform::ContexteDessin* dc = km32::platform::contexteDeHandle(contexte);
    if (!dc) return;
    km32::EncombrementTQ e = km32::EncomBrementTexteG(f.texte, 0);
    km32::ExpFormTailleTypCol(*dc, f.texte, double(x) / km32::larg(0), double(y - e.dessus) / km32::haut(0),
                              0, 0, km32::CouleurTexte());
}

// Paints the math-text editor's text into a context, with a margin and on
// white for the editor's window.
void peintEditeur(uint32_t contexte, bool fenetre) {
    km32::platform::ContexteDessin* dc = km32::platform::contexteDeHandle(contexte);
    if (!dc) return;
    const std::string& texte = km32::editeurTexteMathematiqueTQ().texte;
    km32::EncombrementTQ e = km32::EncomBrementTexteG(texte);
    int32_t marge = fenetre ? 5 : 0;
    if (fenetre)
        km32::platform::remplitRectangle(*dc, {0, 0, e.largeur + 2 * marge, e.hauteur() + 2 * marge},
                                         km32::platform::kBrosseBlanche);
    km32::ExpForm(*dc, texte, double(marge) / km32::larg(), double(marge - e.dessus) / km32::haut());
}

uint32_t bloc(std::string_view texte) {
    return km32::platform::alloueBloc(texte);
}
} // namespace

extern "C" {

KM32_EXPORT void TQDetruitFigure(int16_t numero) {
    appelTQSansResultat([&] { km32::detruitFigurePlane(numero); });
}

KM32_EXPORT void TQSize(int16_t numero, uint32_t) {
    appelFigureTQSansResultat(numero, [](FigurePlane&) {});
}

KM32_EXPORT void TQCreeFig(int16_t numero, const char* fichier, const char* texte, const char* parametres) {
    appelTQSansResultat([&] {
        km32::creeFigurePlaneEn(numero, texteHote(fichier, 255), texteHote(texte, kMaxTexte),
                                texteHote(parametres, 255));
    });
}

KM32_EXPORT int16_t TQCreeFigEtRenvoieNumero(uint32_t hote, const char* fichier, const char* texte,
                                             const char* parametres) {
    return appelTQ(int16_t(0), [&] {
        return km32::creeFigurePlane(hote, texteHote(fichier, 255), texteHote(texte, kMaxTexte),
                                     texteHote(parametres, 255));
    });
}

KM32_EXPORT void TQMouseDown(int16_t numero, int16_t, int16_t, float, float) {
    appelFigureTQSansResultat(numero, [](FigurePlane&) {});
}

KM32_EXPORT void TQRepeintFigure(int16_t numero, uint32_t contexte) {
    appelFigureTQSansResultat(numero, [&](FigurePlane& f) { dessineFigure(f, contexte, 0, 0); });
}

KM32_EXPORT uint32_t TQHandleSurPhraseDeNumero(uint16_t numero) {
    return appelTQ(uint32_t(0), [&]() -> uint32_t {
        std::string phrase = km32::TQphraseDeNumero(numero);
        return phrase.empty() ? 0 : bloc(phrase);
    });
}

KM32_EXPORT uint32_t TQHandleSurligneCreation(int16_t numero, const char* nom) {
    return appelFigureTQ(numero, uint32_t(0), [&](FigurePlane& f) -> uint32_t {
        std::optional<std::string_view> n = nomHote(nom);
        if (!n) return 0;
        std::string ligne = km32::ligneDeCreation(f, *n);
        return ligne.empty() ? 0 : bloc(ligne);
    });
}

KM32_EXPORT void DemandeFermetureFenetreDuTableauDeValeurs(void) {}

KM32_EXPORT uint32_t RenvoieHandleNomFichier(int16_t numero) {
    return appelFigureTQ(numero, uint32_t(0), [](FigurePlane& f) { return bloc(f.fichier); });
}

KM32_EXPORT uint32_t LitFichierTexteEtRenvoieHandle(const char* fichier) {
    return appelTQ(uint32_t(0), [&]() -> uint32_t {
        std::optional<std::string_view> nom = nomHote(fichier);
        if (!nom || nom->empty()) return 0;
        km32::platform::ResultatLecture r = km32::platform::litFichier(*nom, kMaxTexte);
        return r.lu() ? bloc(r.octets) : 0;
    });
}

KM32_EXPORT uint32_t ListeDesVariables(void) {
    return appelTQ(uint32_t(0), [] {
        std::string liste;
        for (const std::string& nom : km32::TQNomsCommuns())
            liste += nom + "\r\n";
        return bloc(liste);
    });
}

KM32_EXPORT void CurseurTQ(void) {
    appelTQSansResultat([] { km32::platform::changeCurseur(km32::platform::kCurseurFleche); });
}

KM32_EXPORT void TQDessineFigureEnTexte(int16_t numero, uint32_t contexte, int32_t x, int32_t y) {
    appelFigureTQSansResultat(numero, [&](FigurePlane& f) { dessineFigure(f, contexte, x, y); });
}

KM32_EXPORT int32_t EnregistreTexteSous(const char* texte, const char* extension) {
    return appelTQ(int32_t(0), [&] { return int32_t(km32::EnregistreTexteSous(texte, extension)); });
}

KM32_EXPORT int32_t Syntax(const char* texte) {
    return appelTQ(int32_t(-1),
                   [&] { return texte ? km32::syntaxeTexteMath(texteHote(texte, kMaxTexte)) : -1; });
}

KM32_EXPORT int16_t Alerte(const char* texte, const char* titre, const char* bouton1, const char* bouton2,
                           const char* bouton3) {
    return appelTQ(int16_t(0), [&]() -> int16_t {
        if (!texte) return 0;
        return km32::TQalerte(texteHote(texte, kMaxTexte), texteHote(titre, 255), texteHote(bouton1, 255),
                              texteHote(bouton2, 255), texteHote(bouton3, 255));
    });
}

KM32_EXPORT uint32_t TQ32NumeroVersion(void) {
    return appelTQ(uint32_t(0), [] { return bloc("1.0.0.0"); });
}

KM32_EXPORT int32_t AudessousExpression(const char* texte) {
    return appelTQ(int32_t(0), [&] { return km32::EncombrementExpG(texteHote(texte, kMaxTexte)).dessous; });
}

KM32_EXPORT int32_t LargeurExpression(const char* texte) {
    return appelTQ(int32_t(0), [&] { return km32::EncombrementExpG(texteHote(texte, kMaxTexte)).largeur; });
}

KM32_EXPORT int32_t AudessusExpression(const char* texte) {
    return appelTQ(int32_t(0), [&] { return -km32::EncombrementExpG(texteHote(texte, kMaxTexte)).dessus; });
}

KM32_EXPORT int32_t HauteurExpression(const char* texte) {
    return appelTQ(int32_t(0), [&] { return km32::EncombrementExpG(texteHote(texte, kMaxTexte)).hauteur(); });
}

KM32_EXPORT void TermineEditeurTexteMathematique(void) {
    appelTQSansResultat([] { km32::termineEditeurTexteMathematique(); });
}

KM32_EXPORT void TermineEditeurExpression(void) {
    appelTQSansResultat([] { km32::fermeFenetreExpression(); });
}

KM32_EXPORT void AfficheEditeurTexteMathematique(uint32_t fenetre, const char* texte) {
    appelTQSansResultat([&] { km32::afficheEditeurTexteMathematique(fenetre, texteHote(texte, kMaxTexte)); });
}

KM32_EXPORT void AfficheEditeurExpression(uint32_t fenetre, const char* texte) {
    appelTQSansResultat([&] { km32::montreExpression(fenetre, texteHote(texte, kMaxTexte)); });
}

KM32_EXPORT void PeindreFenEcritMathDansWord(uint32_t contexte) {
    appelTQSansResultat([&] { peintEditeur(contexte, false); });
}

KM32_EXPORT void PeindreFenEcritMath(uint32_t contexte) {
    appelTQSansResultat([&] { peintEditeur(contexte, true); });
}

KM32_EXPORT uint32_t TQfournitHandleSurTexte(int16_t numero, const char* ligne) {
    return appelFigureTQ(numero, uint32_t(0), [&](FigurePlane& f) -> uint32_t {
        std::optional<std::string_view> requete = nomHote(ligne);
        return requete ? bloc(km32::lignesContenant(f, *requete)) : 0;
    });
}

KM32_EXPORT int32_t TQObjetValide(int16_t numero, const char* nom) {
    return appelFigureTQ(numero, int32_t(0), [&](FigurePlane&) -> int32_t {
        std::optional<std::string_view> n = nomHote(nom);
        return n && km32::valeurCommuneDeNom(*n) ? 1 : 0;
    });
}

KM32_EXPORT uint32_t TQDernierLibreBouge(int16_t numero) {
    return appelFigureTQ(numero, uint32_t(0), [](FigurePlane& f) { return bloc(f.dernierBouge); });
}

KM32_EXPORT uint32_t TQNomLibreActif(int16_t) {
    return 0;
}

KM32_EXPORT int16_t TQTestParTexte(int16_t, const char*) {
    return 50;
}

KM32_EXPORT void TQAfficheRappels(int16_t numero) {
    appelFigureTQSansResultat(numero, [](FigurePlane& f) { f.annexe = km32::AnnexePlane::Rappels; });
}

KM32_EXPORT void TQAfficheEditeurFigure(int16_t numero) {
    appelFigureTQSansResultat(numero, [](FigurePlane& f) { f.annexe = km32::AnnexePlane::Editeur; });
}

KM32_EXPORT void TQAfficheCommentaire(int16_t numero) {
    appelFigureTQSansResultat(numero, [](FigurePlane& f) { f.annexe = km32::AnnexePlane::Commentaire; });
}

KM32_EXPORT int16_t TQAffecteScalaire(int16_t numero, const char* nom, double valeur) {
    return appelFigureTQ(numero, int16_t(0), [&](FigurePlane& f) -> int16_t {
        std::optional<std::string_view> n = nomHote(nom);
        if (n && km32::affecteValeurCommune(*n, valeur)) f.dernierBouge = std::string(*n);
        return 0;
    });
}

KM32_EXPORT void TQChangeCouleurFondFigure(int16_t numero, uint32_t couleur) {
    appelFigureTQSansResultat(numero, [&](FigurePlane& f) {
        if (couleur <= 0xFFFFFF) f.fond = couleur;
    });
}

KM32_EXPORT void ParamEncombr(const char* texte, int32_t* largeur, int32_t* dessus, int32_t* dessous) {
    appelTQSansResultat([&] {
        km32::EncombrementTQ e = km32::EncombrementExpG(texteHote(texte, kMaxTexte));
        if (largeur) *largeur = e.largeur;
        if (dessus) *dessus = e.dessus;
        if (dessous) *dessous = e.dessous;
    });
}

KM32_EXPORT void EcritExpr(uint32_t contexte, const char* texte, double x, double y) {
    appelTQSansResultat([&] {
        if (km32::platform::ContexteDessin* dc = km32::platform::contexteDeHandle(contexte))
            km32::ExpForm(*dc, texteHote(texte, kMaxTexte), x, y);
    });
}

KM32_EXPORT uint32_t TQTexteFigure(int16_t numero) {
    return appelFigureTQ(numero, uint32_t(0), [](FigurePlane& f) { return bloc(f.texte); });
}

KM32_EXPORT uint32_t TQCopierDessinAjuste(int16_t numero, int16_t parametre) {
    return appelFigureTQ(numero, uint32_t(0), [&](FigurePlane& f) {
        f.parametreCopie = parametre;
        km32::copieDessinTexte(f.texte);
        return uint32_t(1);
    });
}

KM32_EXPORT uint32_t TQCopierDessin(int16_t numero) {
    return appelFigureTQ(numero, uint32_t(0), [](FigurePlane& f) {
        km32::copieDessinTexte(f.texte);
        return uint32_t(1);
    });
}

KM32_EXPORT double TQValeurScalaireDouble(int16_t numero, const char* nom) {
    return appelFigureTQ(numero, km32::kValeurIndefinieTQ, [&](FigurePlane&) {
        std::optional<std::string_view> n = nomHote(nom);
        return n ? km32::valeurCommuneDeNom(*n).value_or(km32::kValeurIndefinieTQ) : km32::kValeurIndefinieTQ;
    });
}

KM32_EXPORT void TQRedessineBrutal(int16_t numero) {
    appelFigureTQSansResultat(numero, [](FigurePlane& f) { ++f.dessins; });
}

KM32_EXPORT void TQExecuteCommande(int16_t numero, const char*) {
    appelFigureTQSansResultat(numero, [](FigurePlane&) {});
}

KM32_EXPORT void TQExecuterTexte(int16_t numero, const char* texte) {
    appelFigureTQSansResultat(numero, [&](FigurePlane& f) {
        if (texte) km32::remplaceTexteFigurePlane(f, texteHote(texte, kMaxTexte));
    });
}

KM32_EXPORT void TQExecuteLigneFigEtRedessine(int16_t numero, const char* ligne) {
    appelFigureTQSansResultat(numero, [&](FigurePlane& f) {
        if (!ligne) return;
        km32::ajouteLignesFigurePlane(f, texteHote(ligne, kMaxTexte));
        ++f.dessins;
    });
}

KM32_EXPORT void TQExecuteLigneFig(int16_t numero, const char* ligne) {
    appelFigureTQSansResultat(numero, [&](FigurePlane& f) {
        if (ligne) km32::ajouteLignesFigurePlane(f, texteHote(ligne, kMaxTexte));
    });
}
}
