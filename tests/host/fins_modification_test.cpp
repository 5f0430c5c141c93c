// Which ends of a figure's windows mark it modified. A pick or a window
// that ends without changing the figure (reminders copied to the clipboard,
// a window closed by Escape or its close box, a dialog cancelled) leaves it
// unmodified and the host's function hears nothing (the host window may
// still hear, by WM_KEYUP 1025, that a window ended, and then reads an
// unmodified figure); a change made there (a dialog
// applied, a text applied by the editor, objects deleted through a pick, a
// drag) marks it and tells the host once, through its function and, for
// the windows, through its window (WM_KEYUP 1025).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "../drawing/souris_banc.h"
#include "banc_hote.h"
#include "host/fenetres/dialogue/fenetre_dialogue.h"
#include "host/fenetres/editeur_commentaire.h"
#include "host/fenetres/editeur_figure.h"
#include "host/fenetres/rappels/choix_rappels.h"
#include "host/fenetres/zone_texte.h"
#include "platform/boites.h"
#include "platform/presse_papiers.h"
#include "sibling/codes_annexes.h"
#include "sibling/table_partagee.h"
#include "sibling/texte_math_dessin.h"

namespace km32::essais {
namespace {

namespace p = platform;

const std::string kFigure = "A point de coordonnées (0,0,0) dans le repère Rxyz\r\n"
                            "B point de coordonnées (4,2,6) dans le repère Rxyz\r\n"
                            "P point libre dans l'espace\r\n";

constexpr uint32_t kAvisFigureModifiee = 1025;

class FinsModification : public BancSouris {
  protected:
    void SetUp() override {
        BancSouris::SetUp();
        figureDeTexte(kFigure);
        KMInstalleAvisModification(recoitAvis);
    }
    void TearDown() override {
        KMInstalleAvisModification(nullptr);
        BancSouris::TearDown();
    }
    // The figure as just saved, nothing heard yet.
    void depart() {
        refaitFigure(kFigure);
        fig().modifiee = 0;
        avis.clear();
        avisRecus.clear();
    }
    void commande(uint32_t k) {
        KMMessage m{p::WM_COMMAND, k, 0, 0};
        traiteMessageKMParNumero(n, &m);
        p::distribueJusquAuRepos();
    }
    void envoie(uint32_t fenetre, uint32_t message, uint32_t wParam, int32_t lParam = 0) {
        p::envoieMessage(fenetre, message, wParam, lParam);
        p::distribueJusquAuRepos();
    }
    int avisFenetreHote() {
        int k = 0;
        for (const Avis& a : avis)
            k += a.code == kAvisFigureModifiee ? 1 : 0;
        return k;
    }
    // The figure's text with one more line, as the editor holds it.
    static std::string texteEditeur(const std::string& ligne) {
        return windows1252DeUtf8("Figure Kalmetra\r\n" + kFigure + ligne + "\r\n");
    }
    uint8_t annexeOuverte() { return TQTableDesVariablesPartagees()->codeAnnexe; }
    // The picker's line of object nom.
    int ligneDe(const std::string& nom) {
        const TFenRaPour& c = *choixRappels();
        for (std::size_t k = 0; k < c.objets.size(); ++k)
            if (c.objets[k] == numero(nom)) return int(k);
        return -1;
    }
    void selectionne(const std::string& nom) {
        ASSERT_GE(ligneDe(nom), 0) << nom;
        envoie(choixRappels()->fenetre, p::WM_COMMAND, kTagRappelsClic, ligneDe(nom));
    }
    // The midpoint M of [AB] made in the construction dialog (command 15):
    // the segment typed, then the name, applied by Return.
    void milieuParDialogue() {
        commande(15);
        for (char c : std::string("AB"))
            p::envoieMessage(fenetreDialogue()->fenetre, p::WM_CHAR, uint8_t(c), 0);
        envoie(fenetreDialogue()->fenetre, p::WM_KEYDOWN, p::VK_DOWN);
        p::envoieMessage(fenetreDialogue()->fenetre, p::WM_CHAR, uint8_t('M'), 0);
        envoie(fenetreDialogue()->fenetre, p::WM_KEYDOWN, p::VK_RETURN);
    }
    void attendInchangee() {
        EXPECT_EQ(KMfigureModifiee(n), 0);
        EXPECT_TRUE(avisRecus.empty()) << avisRecus.size();
    }
};

// Every window of the figure closed by Escape and by its close box, and the
// dialog cancelled by its button: the figure is as it was saved.
TEST_F(FinsModification, AWindowClosedWithoutAChangeLeavesTheFigureUnmodified) {
    struct Cas {
        uint32_t commande;
        uint8_t annexe;
        const char* quoi;
        bool echap = true; // Escape closes it (the palette and the editor close by their close box only)
    };
    const Cas cas[] = {
        {15, kAnnexeDialogue, "construction dialog"},
        {92, kAnnexeChoixRappels, "picker of objects to delete"},
        {106, kAnnexeChoixRappels, "picker of reminders to copy"},
        {78, kAnnexeRappels, "reminders"},
        {88, kAnnexeStyles, "style palette", false},
        {114, kAnnexeFiltreMenus, "menu filter"},
        {118, kAnnexeEditeurFigure, "figure text editor", false},
        {120, kAnnexeEditeurCommentaire, "comment editor"},
        {128, kAnnexeFonctionValeurs, "function given by values"},
    };
    struct Fin {
        uint32_t message, wParam;
        const char* quoi;
    };
    const Fin fins[] = {{p::WM_KEYDOWN, p::VK_ESCAPE, "Escape"}, {p::WM_CLOSE, 0, "close box"}};
    for (const Cas& c : cas) {
        for (const Fin& fin : fins) {
            if (fin.message == p::WM_KEYDOWN && !c.echap) continue;
            SCOPED_TRACE(std::string(c.quoi) + ", " + fin.quoi);
            depart();
            commande(c.commande);
            ASSERT_EQ(annexeOuverte(), c.annexe);
            envoie(TQTableDesVariablesPartagees()->fenetreAnnexe, fin.message, fin.wParam);
            EXPECT_EQ(annexeOuverte(), 0);
            attendInchangee();
        }
    }
    depart();
    commande(15);
    ASSERT_NE(fenetreDialogue(), nullptr);
    envoie(fenetreDialogue()->fenetre, p::WM_COMMAND, kTagAnnuler);
    EXPECT_EQ(annexeOuverte(), 0);
    attendInchangee();
    // The host window still hears that the dialog ended.
    EXPECT_GE(avisFenetreHote(), 1);
}

// Copying reminders puts them on the clipboard and changes nothing in the
// figure, with objects selected or none; so does the text editor's Apply of
// a text that fails or that the user declines.
TEST_F(FinsModification, CopiedRemindersAndARefusedTextLeaveTheFigureUnmodified) {
    for (const std::vector<std::string>& choisis : {std::vector<std::string>{"A", "P"}, {}}) {
        SCOPED_TRACE(choisis.size());
        depart();
        reinitialiseDessinTexteTQ();
        commande(106);
        ASSERT_EQ(annexeOuverte(), kAnnexeChoixRappels);
        for (const std::string& nom : choisis)
            selectionne(nom);
        envoie(choixRappels()->fenetre, p::WM_COMMAND, kTagRappelsOk);
        EXPECT_EQ(annexeOuverte(), 0);
        EXPECT_EQ(dessinCopieTQ().texte.empty(), choisis.empty());
        attendInchangee();
    }
    for (const bool echoue : {true, false}) {
        SCOPED_TRACE(echoue ? "a text that fails" : "a text declined");
        depart();
        KMAfficheEditeurFigure(n);
        TFenetreEditeur& e = *fenetreEditeur();
        fixeTexteZone(e.memo,
                      texteEditeur(echoue ? "M milieu du segment [PZ]" : "Q point libre dans l'espace"));
        if (!echoue) p::reponsesPrevues().push_back({p::kReponseNon, {}});
        envoie(e.fenetre, p::WM_COMMAND, kEdAppliquer);
        ASSERT_EQ(fenetreEditeur(), &e);
        attendInchangee();
        p::reponsesPrevues().push_back({p::kReponseOui, {}}); // yes, close without applying
        envoie(e.fenetre, p::WM_CLOSE, 0);
        EXPECT_EQ(annexeOuverte(), 0);
        attendInchangee();
    }
}

// A change made in a window of the figure, or by a drag, marks it modified;
// the host's function hears of it once, and the windows tell the host
// window.
TEST_F(FinsModification, AChangeMadeInAWindowOrByADragMarksTheFigureAndTellsTheHostOnce) {
    Pt pAvant; // where P was before the change
    struct Cas {
        const char* quoi;
        bool parFenetre; // made in a window, which tells the host window
        std::function<void()> change;
        std::function<bool()> fait;
    };
    const Cas cas[] = {
        {"dialog applied", true, [&] { milieuParDialogue(); },
         [&] { return numero("M") > 0 && annexeOuverte() == 0; }},
        {"text applied by the editor", true,
         [&] {
             KMAfficheEditeurFigure(n);
             TFenetreEditeur& e = *fenetreEditeur();
             fixeTexteZone(e.memo, texteEditeur("Q point libre dans l'espace"));
             p::reponsesPrevues().push_back({p::kReponseOui, {}});
             envoie(e.fenetre, p::WM_COMMAND, kEdAppliquer);
         },
         [&] { return numero("Q") > 0 && annexeOuverte() == 0; }},
        {"objects deleted through a pick", true,
         [&] {
             commande(92);
             selectionne("B");
             envoie(choixRappels()->fenetre, p::WM_COMMAND, kTagRappelsOk);
         },
         [&] { return numero("B") <= 0 && numero("A") > 0 && annexeOuverte() == 0; }},
        {"a drag", false,
         [&] {
             const p::Point e = ecran(pt("P"));
             enfonce(e.x, e.y);
             deplace(e.x + 15, e.y + 10);
             relache(e.x + 15, e.y + 10);
             p::distribueJusquAuRepos();
         },
         [&] {
             const Pt q = pt("P");
             return std::abs(q.x - pAvant.x) + std::abs(q.y - pAvant.y) + std::abs(q.z - pAvant.z) > 1e-6;
         }},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.quoi);
        depart();
        pAvant = pt("P");
        c.change();
        ASSERT_TRUE(c.fait());
        EXPECT_EQ(KMfigureModifiee(n), 1);
        EXPECT_EQ(avisRecus, (std::vector<std::pair<int16_t, int32_t>>{{n, 1}}));
        // A window tells the host window (and the figure's form, which the
        // window's closing deactivates, tells it again of a modified figure).
        if (c.parFenetre) {
            EXPECT_GE(avisFenetreHote(), 1);
        }
    }
}

} // namespace
} // namespace km32::essais

namespace km32::essais {
namespace {

constexpr uint32_t kDefaire = 93, kRefaire = 122;

class UnePasParEntree : public FinsModification {
  protected:
    std::string texte() { return texteDeBloc(KMTexteFigure(n)); }
    void appliqueEditeurInchange() {
        KMAfficheEditeurFigure(n);
        TFenetreEditeur& e = *fenetreEditeur();
        p::reponsesPrevues().push_back({p::kReponseOui, {}});
        envoie(e.fenetre, p::WM_COMMAND, kEdAppliquer);
        ASSERT_EQ(fenetreEditeur(), nullptr);
    }
    void appliqueCommentaire(const std::string& t) {
        commande(120);
        TFenEditCom* e = editeurCommentaire();
        ASSERT_NE(e, nullptr);
        fixeTexteZone(e->memo1, t);
        envoie(e->fenetre, p::WM_KEYDOWN, p::VK_RETURN);
        ASSERT_EQ(editeurCommentaire(), nullptr);
    }
    // Command 91 on object nom, its dialog validated as it opens.
    void redefinitTelQuel(const std::string& nom) {
        commande(91);
        ASSERT_NE(fenetreDialogue(), nullptr);
        for (char c : nom)
            p::envoieMessage(fenetreDialogue()->fenetre, p::WM_CHAR, uint8_t(c), 0);
        envoie(fenetreDialogue()->fenetre, p::WM_KEYDOWN, p::VK_RETURN);
        ASSERT_NE(fenetreDialogue(), nullptr);
        envoie(fenetreDialogue()->fenetre, p::WM_KEYDOWN, p::VK_RETURN);
        ASSERT_EQ(fenetreDialogue(), nullptr);
    }
};

// An unchanged text applied by the editor, then a comment applied and the
// figure saved: whatever change comes next (a key, a drag, a dialog), one
// undo takes back that change alone, the comment stays and the figure is
// as saved, unmarked; a redo gives the change back, marked.
TEST_F(UnePasParEntree, OneUndoTakesBackTheLastInputAlone) {
    const std::string fichier = ::testing::TempDir() + "un_pas_par_entree.k3v";
    struct Cas {
        const char* quoi;
        std::function<void()> change;
    };
    const Cas cas[] = {
        {"a turn of the view by a key",
         [&] {
             p::fixeToucheEnfoncee(p::VK_SHIFT, true);
             KMMessage m{p::WM_KEYDOWN, 0x26, 0, 0};
             traiteMessageKMParNumero(n, &m);
             p::fixeToucheEnfoncee(p::VK_SHIFT, false);
             p::distribueJusquAuRepos();
         }},
        {"a drag",
         [&] {
             const p::Point e = ecran(pt("P"));
             enfonce(e.x, e.y);
             for (int k = 1; k <= 3; ++k)
                 deplace(e.x + 5 * k, e.y + 4 * k);
             relache(e.x + 15, e.y + 12);
             p::distribueJusquAuRepos();
         }},
        {"a dialog applied", [&] { milieuParDialogue(); }},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.quoi);
        depart();
        appliqueEditeurInchange();
        appliqueCommentaire("hello");
        ASSERT_EQ(KMsauveFigure(n, fichier.c_str()), 0);
        const std::string sauve = texte();
        ASSERT_NE(sauve.find("hello"), std::string::npos) << sauve;
        c.change();
        const std::string change = texte();
        ASSERT_NE(change, sauve);
        EXPECT_EQ(KMfigureModifiee(n), 1);
        commande(kDefaire);
        EXPECT_EQ(texte(), sauve);
        EXPECT_EQ(KMfigureModifiee(n), 0);
        commande(kRefaire);
        EXPECT_EQ(texte(), change);
        EXPECT_EQ(KMfigureModifiee(n), 1);
        // Two undos: the comment goes with the second alone.
        commande(kDefaire);
        commande(kDefaire);
        EXPECT_EQ(texte().find("hello"), std::string::npos);
    }
    std::remove(fichier.c_str());
}

// The mark follows the written text: an unchanged text applied, an object
// redefined with its own values, the same comment applied again leave the
// figure unmarked; a change undone back to the saved state clears the mark.
TEST_F(UnePasParEntree, TheMarkFollowsTheTextLastSaved) {
    struct Cas {
        const char* quoi;
        std::function<void()> agit;
    };
    const Cas cas[] = {
        {"an unchanged text applied", [&] { appliqueEditeurInchange(); }},
        {"an object redefined with its values", [&] { redefinitTelQuel("M"); }},
        {"the same comment applied", [&] { appliqueCommentaire("c"); }},
        {"a comment applied and undone",
         [&] {
             appliqueCommentaire("autre");
             EXPECT_EQ(KMfigureModifiee(n), 1);
             commande(kDefaire);
         }},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.quoi);
        depart();
        KMExecuteLigneFigEtRedessine(n, "M milieu du segment [AB]");
        appliqueCommentaire("c");
        const std::string fichier = ::testing::TempDir() + "marque_sauvee.k3v";
        ASSERT_EQ(KMsauveFigure(n, fichier.c_str()), 0);
        std::remove(fichier.c_str());
        const std::string sauve = texte();
        c.agit();
        EXPECT_EQ(texte(), sauve);
        EXPECT_EQ(KMfigureModifiee(n), 0);
    }
}

} // namespace
} // namespace km32::essais
