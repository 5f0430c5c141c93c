// What the construction dialog and the reminder lists say, as a host's user
// meets it through menu commands and keys: the boxes of the dialogs that
// cannot open, the prototype help without a comment of its own, and the
// captions of the dialog, the picker and the reminders window.
#include "etats_figure_banc.h"
#include "host/fenetres/rappels/choix_rappels.h"
#include "host/fenetres/rappels/fenetre_rappels.h"
#include "model/figure.h"
#include "platform/aide.h"
#include "platform/boites.h"
#include "platform/impression.h"
#include "sibling/fenetres_tq.h"
#include "sibling/table_partagee.h"

namespace km32::essais {
namespace {

namespace p = platform;

const char* const kPoints = "A point libre dans l'espace\r\n"
                            "Objet libre A, paramètres: 1, 2, 3\r\n"
                            "B point de coordonnées (4,2,6) dans le repère Rxyz\r\n"
                            "s segment [AB]\r\n";

class MessagesAnnexesHote : public BancEtatsFigure {
  protected:
    const p::DemandeBoite* derniere() {
        return p::boitesDemandees().empty() ? nullptr : &p::boitesDemandees().back();
    }
    std::string sansEsperluette(uint16_t k) {
        std::string t = phraseDeNumero(k);
        std::erase(t, '&');
        return t;
    }
};

TEST_F(MessagesAnnexesHote, DialogsThatCannotOpenSayWhyAndOpenNothing) {
    struct Cas {
        const char* quoi;
        const char* texte; // UTF-8
        uint32_t commande;
        void (*prepare)(TfigureKalmetra&, int a);
        std::string message, titre;
    };
    figureDeTexte(kPoints);
    fig().titreFenetre = "Ma figure";
    const int a = numero("A");
    std::string rienDessine = phraseDeNumero(11271);
    rienDessine.replace(rienDessine.find("#1"), 2, "Ma figure");
    const Cas cas[] = {
        {"keyboard step without a driven object", kPoints, 115,
         [](TfigureKalmetra& f, int) { f.objetLibreActif = 0; }, phrase(11268), phrase(11269)},
        {"keyboard step of an object out of reach", kPoints, 115,
         [](TfigureKalmetra& f, int i) {
             f.objetLibreActif = uint8_t(i);
             changeDrapeauObjet(objet(f, i), 4, true);
         },
         "Vous n'avez pas acc\xE8s au param\xE9trage de A", phrase(11269)},
        {"print without a printer", kPoints, 301,
         [](TfigureKalmetra&, int) { p::fixeImprimanteDisponible(false); }, phrase(648), phrase(11270)},
        {"print of a figure with nothing drawn", "", 301, [](TfigureKalmetra&, int) {}, rienDessine,
         phrase(11270)},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.quoi);
        refaitFigure(c.texte);
        fig().titreFenetre = "Ma figure";
        p::reinitialiseImpression();
        c.prepare(fig(), a);
        p::boitesDemandees().clear();
        const std::string avant = texte();
        commande(c.commande);
        EXPECT_EQ(fenetreDialogue(), nullptr);
        EXPECT_EQ(TQTableDesVariablesPartagees()->codeAnnexe, 0);
        const p::DemandeBoite* b = derniere();
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->texte, c.message);
        EXPECT_EQ(b->titre, c.titre);
        EXPECT_EQ(b->style & p::kMasqueIcone, uint32_t(p::kIconeExclamation));
        EXPECT_EQ(texte(), avant);
    }
}

TEST_F(MessagesAnnexesHote, PrototypeHelpWithoutACommentOffersTheHelpOfPrototypes) {
    figureDeTexte("A point de coordonnées (0,0,0) dans le repère Rxyz\r\n"
                  "B point de coordonnées (4,2,6) dans le repère Rxyz\r\n"
                  "Début de [Milieu]\r\nA point donné\r\nB point donné\r\n"
                  "M milieu du segment [AB]\r\nDescription de l'interface\r\n"
                  "M milieu de AB\r\nPremier point:\r\nSecond point:\r\n"
                  "Nom du milieu:\r\nFin de [Milieu]\r\n");
    commande(1001);
    ASSERT_NE(fenetreDialogue(), nullptr);
    EXPECT_EQ(fenetreDialogue()->titre, "Milieu");
    // The second button of the alert: the help of the command that uses
    // prototypes.
    p::reponsesPrevues().push_back({p::kReponseNon, {}});
    p::aidesDemandees().clear();
    const std::size_t alertes = alertesTQ().size();
    p::envoieMessage(fenetreDuDialogue(), p::WM_KEYDOWN, p::VK_F1, 0);
    ASSERT_EQ(alertesTQ().size(), alertes + 1);
    const AlerteTQ& alerte = alertesTQ().back();
    EXPECT_EQ(alerte.texte, phraseDeNumero(9933));
    EXPECT_EQ(alerte.titre, "Milieu");
    EXPECT_EQ(alerte.boutons, (std::vector<std::string>{phraseDeNumero(11296), phraseDeNumero(11415),
                                                        phraseDeNumero(11414)}));
    EXPECT_EQ(alerte.reponse, 2);
    ASSERT_EQ(p::aidesDemandees().size(), 1u);
    EXPECT_EQ(p::aidesDemandees()[0].commande, p::kAideContexte);
    EXPECT_EQ(p::aidesDemandees()[0].donnee, 119u);
    // The first button only closes the alert.
    p::aidesDemandees().clear();
    p::envoieMessage(fenetreDuDialogue(), p::WM_COMMAND, kTagAide, 0);
    EXPECT_EQ(alertesTQ().back().reponse, 1);
    EXPECT_TRUE(p::aidesDemandees().empty());
}

TEST_F(MessagesAnnexesHote, CaptionsOfTheDialogThePickerAndTheReminders) {
    figureDeTexte(kPoints);
    fig().titreFenetre = "Ma figure";
    // The dialog: phrase 4500 + the command, 4591 for Modify/Duplicate.
    for (uint32_t k : {15u, 91u}) {
        SCOPED_TRACE(k);
        commande(k);
        ASSERT_NE(fenetreDialogue(), nullptr);
        EXPECT_EQ(fenetreDialogue()->titre, phraseDeNumero(uint16_t(4500 + k)));
        // The picker beside it is "Rappels utiles".
        p::envoieMessage(fenetreDuDialogue(), p::WM_COMMAND, kTagRappels, 0);
        ASSERT_NE(choixRappels(), nullptr);
        EXPECT_EQ(choixRappels()->titre, phraseDeNumero(11325));
        p::envoieMessage(fenetreDuDialogue(), p::WM_KEYDOWN, p::VK_ESCAPE, 0);
        p::distribueJusquAuRepos();
        ASSERT_EQ(fenetreDialogue(), nullptr);
        ASSERT_EQ(choixRappels(), nullptr);
    }
    // A command that chooses objects names its picker by its menu caption,
    // without the access letter's mark.
    for (uint32_t k : {77u, 92u, 98u, 107u}) {
        SCOPED_TRACE(k);
        commande(k);
        ASSERT_NE(choixRappels(), nullptr);
        EXPECT_EQ(choixRappels()->titre, sansEsperluette(uint16_t(k)));
        EXPECT_EQ(choixRappels()->titre.find('&'), std::string::npos);
        p::envoieMessage(choixRappels()->fenetre, p::WM_KEYDOWN, p::VK_ESCAPE, 0);
        p::distribueJusquAuRepos();
        ASSERT_EQ(choixRappels(), nullptr);
    }
    // The reminders window: the figure's title, then "Objets de la figure".
    KMAfficheRappels(n);
    ASSERT_NE(fenetreRappels(), nullptr);
    EXPECT_EQ(fenetreRappels()->titre, "Ma figure" + phraseDeNumero(11163));
}

} // namespace
} // namespace km32::essais
