// What a host that shows a figure in a document window relies on, through
// km32.h: the figure as created is the bottom of its undo history and is not
// modified; every change of its modified flag under an input reaches the
// host's function; the editors say when they hold text not applied; an
// alert shows the captions its caller gave its buttons.
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "banc_hote.h"
#include "host/fenetres/editeur_commentaire.h"
#include "host/fenetres/editeur_figure.h"
#include "host/fenetres/zone_texte.h"
#include "platform/boites.h"
#include "platform/entrees.h"
#include "platform/messages.h"

namespace km32::essais {
namespace {

namespace p = platform;

const std::string kFigure = texteDeLignes({
    "Kalmetra figure (English)",
    "A point with coordinates (1,2,3) in coordinate system Rxyz",
    "B point with coordinates (4,0,0) in coordinate system Rxyz",
    "s segment [AB]",
});

constexpr uint32_t kDefaire = 93, kRefaire = 122;
constexpr uint32_t kToucheHaut = 0x26;

class HistoriqueModification : public BancHote {
  protected:
    void SetUp() override {
        BancHote::SetUp();
        avisRecus.clear();
    }
    void TearDown() override {
        KMInstalleAvisModification(nullptr);
        BancHote::TearDown();
    }
    static std::string texteDe(int16_t n) { return texteDeBloc(KMTexteFigure(n)); }
    static void envoie(int16_t n, uint32_t message, uint32_t wParam) {
        KMMessage m{message, wParam, 0, 0};
        traiteMessageKMParNumero(n, &m);
    }
    // Shift+Up: the view turns (a change the Parts' notices do not tell).
    static void tourneVue(int16_t n) {
        p::fixeToucheEnfoncee(p::VK_SHIFT, true);
        envoie(n, p::WM_KEYDOWN, kToucheHaut);
        p::fixeToucheEnfoncee(p::VK_SHIFT, false);
    }
};

// Opened from a text (a new number, or a number taken again), the figure is
// not modified and an undo leaves it whole; after a change, one undo gives
// back the figure as opened and a second one changes nothing.
TEST_F(HistoriqueModification, TheFigureAsCreatedIsTheBottomOfItsHistory) {
    const int16_t n = KMCreeFigEtRenvoieNumero(hote, nullptr, kFigure.c_str(), nullptr);
    ASSERT_GT(n, 0);
    for (bool recree : {false, true}) {
        SCOPED_TRACE(recree ? "KMCreeFig" : "KMCreeFigEtRenvoieNumero");
        if (recree) KMCreeFig(n, nullptr, kFigure.c_str(), nullptr);
        const std::string ouvert = texteDe(n);
        ASSERT_NE(ouvert.find("s segment [AB]"), std::string::npos) << ouvert;
        EXPECT_EQ(KMfigureModifiee(n), 0);
        envoie(n, p::WM_COMMAND, kDefaire);
        EXPECT_EQ(texteDe(n), ouvert);
        EXPECT_EQ(KMfigureModifiee(n), 0);

        KMExecuteLigneFigEtRedessine(n, "C point with coordinates (0,0,5) in coordinate system Rxyz");
        const std::string change = texteDe(n);
        ASSERT_NE(change.find("C point"), std::string::npos) << change;
        EXPECT_EQ(KMfigureModifiee(n), 1);
        KMExecuterTexte(n, kFigure.c_str()); // a whole text applied is undone as one step
        envoie(n, p::WM_COMMAND, kDefaire);
        EXPECT_EQ(texteDe(n), change);
        envoie(n, p::WM_COMMAND, kRefaire);
        EXPECT_EQ(texteDe(n), ouvert);
    }
}

// The host's function hears of each change of the flag that an input of
// the figure made: a turn of the view by a key, an undo after a save (a
// save, the host's own call, clears the flag without a call).
TEST_F(HistoriqueModification, TheHostsFunctionFollowsTheModifiedFlag) {
    const int16_t n = KMCreeFigEtRenvoieNumero(hote, nullptr, kFigure.c_str(), nullptr);
    ASSERT_GT(n, 0);
    KMInstalleAvisModification(recoitAvis);
    tourneVue(n);
    ASSERT_EQ(KMfigureModifiee(n), 1);
    EXPECT_EQ(avisRecus, (std::vector<std::pair<int16_t, int32_t>>{{n, 1}}));
    tourneVue(n); // already modified: nothing new to tell
    EXPECT_EQ(avisRecus.size(), 1u);

    // A text applied (an undoable step), then saved.
    KMExecuterTexte(n, (kFigure + "C point with coordinates (0,0,5) in coordinate system Rxyz\r\n").c_str());
    const std::string fichier = ::testing::TempDir() + "historique_modification.k3v";
    ASSERT_EQ(KMsauveFigure(n, fichier.c_str()), 0);
    EXPECT_EQ(KMfigureModifiee(n), 0);
    envoie(n, p::WM_COMMAND, kDefaire);
    EXPECT_EQ(KMfigureModifiee(n), 1);
    EXPECT_EQ(avisRecus, (std::vector<std::pair<int16_t, int32_t>>{{n, 1}, {n, 1}}));
    std::remove(fichier.c_str());

    KMInstalleAvisModification(nullptr);
    KMsauveFigure(n, fichier.c_str());
    tourneVue(n);
    EXPECT_EQ(avisRecus.size(), 2u);
    std::remove(fichier.c_str());
}

// Each editor tells of the text it holds that is not applied, for its own
// figure only.
TEST_F(HistoriqueModification, TheEditorsTellOfTextNotApplied) {
    const int16_t n = KMCreeFigEtRenvoieNumero(hote, nullptr, kFigure.c_str(), nullptr);
    const int16_t autre = KMCreeFigEtRenvoieNumero(hote, nullptr, kFigure.c_str(), nullptr);
    ASSERT_GT(autre, 0);
    EXPECT_EQ(KMTexteNonApplique(n), 0);
    KMAfficheEditeurFigure(n);
    ASSERT_NE(fenetreEditeur(), nullptr);
    EXPECT_EQ(KMTexteNonApplique(n), 0); // opened, nothing typed yet
    p::envoieMessage(fenetreEditeur()->fenetre, p::WM_CHAR, 'z', 0);
    EXPECT_EQ(KMTexteNonApplique(n), 1);
    EXPECT_EQ(KMTexteNonApplique(autre), 0);
    p::reponsesPrevues().push_back({p::kReponseOui, {}}); // close anyway
    p::envoieMessage(fenetreEditeur()->fenetre, p::WM_CLOSE, 0, 0);
    p::distribueJusquAuRepos();

    envoie(n, p::WM_COMMAND, 120); // the comment editor
    ASSERT_NE(editeurCommentaire(), nullptr);
    EXPECT_EQ(KMTexteNonApplique(n), 0);
    p::envoieMessage(editeurCommentaire()->fenetre, p::WM_CHAR, 'z', 0);
    EXPECT_EQ(KMTexteNonApplique(n), 2);
    EXPECT_EQ(KMTexteNonApplique(autre), 0);
    EXPECT_EQ(KMTexteNonApplique(65), 0);
}

// A comment applied from its editor is a change of the figure like any
// other: the flag rises and the host's function hears of it once; applying
// the same comment again changes nothing.
TEST_F(HistoriqueModification, AnAppliedCommentMarksTheFigureModified) {
    const int16_t n = KMCreeFigEtRenvoieNumero(hote, nullptr, kFigure.c_str(), nullptr);
    ASSERT_GT(n, 0);
    KMInstalleAvisModification(recoitAvis);
    const auto appliqueCommentaire = [&](const std::string& texte) {
        envoie(n, p::WM_COMMAND, 120);
        TFenEditCom* e = editeurCommentaire();
        ASSERT_NE(e, nullptr);
        fixeTexteZone(e->memo1, texte);
        p::envoieMessage(e->fenetre, p::WM_KEYDOWN, p::VK_RETURN, 0);
        p::distribueJusquAuRepos();
        EXPECT_EQ(editeurCommentaire(), nullptr);
    };
    appliqueCommentaire("a x b");
    EXPECT_EQ(KMfigureModifiee(n), 1);
    EXPECT_NE(texteDe(n).find("a x b"), std::string::npos) << texteDe(n);
    EXPECT_EQ(avisRecus, (std::vector<std::pair<int16_t, int32_t>>{{n, 1}}));

    const std::string fichier = ::testing::TempDir() + "commentaire_modification.k3v";
    ASSERT_EQ(KMsauveFigure(n, fichier.c_str()), 0);
    std::remove(fichier.c_str());
    appliqueCommentaire("a x b");
    EXPECT_EQ(KMfigureModifiee(n), 0);
    appliqueCommentaire("");
    EXPECT_EQ(KMfigureModifiee(n), 1);
    EXPECT_EQ(avisRecus, (std::vector<std::pair<int16_t, int32_t>>{{n, 1}, {n, 1}}));
}

// An alert's buttons bear its caller's captions; the answer is the rank of
// the button chosen, the last one for a box closed without a button.
TEST_F(HistoriqueModification, AnAlertShowsTheCaptionsItsCallerGave) {
    struct Cas {
        int reponseBoite;
        int16_t bouton;
    };
    for (const Cas c : {Cas{p::kReponseOui, 1}, Cas{p::kReponseNon, 2}, Cas{p::kReponseAnnuler, 3}}) {
        p::reponsesPrevues().push_back({c.reponseBoite, {}});
        EXPECT_EQ(Alerte("Save?", "km32", "&Oui", "&Non", "&Annuler"), c.bouton);
        EXPECT_EQ(p::boitesDemandees().back().libellesBoutons,
                  (std::vector<std::string>{"&Oui", "&Non", "&Annuler"}));
    }
}

} // namespace
} // namespace km32::essais
