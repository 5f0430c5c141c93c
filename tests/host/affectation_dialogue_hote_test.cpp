// The assignment dialogs (commands 68 and 70) and the trace selection
// (command 84) as a host drives them: a wrong answer is reported naming
// what is wrong in its field, the focus goes to that field's line and the
// figure stays as it was; the trace selection offers the points given by
// their coordinates.
#include "etats_figure_banc.h"
#include "host/fenetres/rappels/choix_rappels.h"

namespace km32::essais {
namespace {

namespace p = platform;

const char* const kFigure = "Figure Kalmetra\r\n"
                            "a réel libre de [-10,10]\r\n"
                            "Objet libre a, paramètre: 2\r\n"
                            "P point libre dans l'espace\r\n"
                            "Objet libre P, paramètres: 1, 1, 1\r\n"
                            "C point de coordonnées (1,2,3) dans le repère Rxyz\r\n"
                            "Fin de la figure\r\n";
constexpr uint16_t kNomInconnu = 537;

class AffectationDialogueHote : public BancEtatsFigure, public ::testing::WithParamInterface<int16_t> {
  protected:
    void SetUp() override {
        BancEtatsFigure::SetUp();
        figureDeTexte(kFigure);
        KMappliqueLangue(GetParam());
    }
    // Runs command k with the answers of lines 1.. and expects the error
    // message for `nom` on line `ligne`, the dialog still open and the
    // figure, its text and its menu records as they were.
    void attendRefus(uint32_t k, std::initializer_list<const char*> reponses, const std::string& nom,
                     int ligne) {
        const std::string avant = texte();
        std::array<uint8_t, 65> menus{}, apres{};
        KMmiseAjourMenus(n, menus.data());
        const std::vector<double> valeurs(std::begin(fig().valeurs), std::end(fig().valeurs));
        commande(k);
        ASSERT_NE(fenetreDialogue(), nullptr);
        int l = 1;
        for (const char* r : reponses)
            remplit(l++, r);
        p::boitesDemandees().clear();
        valide();
        ASSERT_NE(fenetreDialogue(), nullptr);
        EXPECT_EQ(derniereBoite(), phrase(kNomInconnu, nom));
        EXPECT_EQ(fenetreDialogue()->dialogue.ligneCourante, ligne);
        EXPECT_EQ(texte(), avant);
        KMmiseAjourMenus(n, apres.data());
        EXPECT_EQ(apres, menus);
        EXPECT_EQ(std::vector<double>(std::begin(fig().valeurs), std::end(fig().valeurs)), valeurs);
        p::envoieMessage(fenetreDuDialogue(), p::WM_KEYDOWN, p::VK_ESCAPE, 0);
        p::distribueJusquAuRepos();
    }
};

TEST_P(AffectationDialogueHote, AWrongAnswerNamesWhatIsWrongOnItsLine) {
    attendRefus(68, {"a", "qq+1"}, "qq", 2);
    attendRefus(70, {"P", "1", "2", "zz"}, "zz", 4);
    attendRefus(70, {"P", "ww*2", "2", "3"}, "ww", 2);
    // A right answer still assigns: a = 3 is written back.
    commande(68);
    remplit(1, "a");
    remplit(2, "1+2");
    valide();
    ASSERT_EQ(fenetreDialogue(), nullptr) << derniereBoite();
    EXPECT_EQ(KMValeurScalaireDouble(n, "a"), 3);
}

// "Sélection trace" (84) offers the point given by its coordinates, and the
// trace it then gets is written.
TEST_P(AffectationDialogueHote, TheTraceSelectionOffersAPointGivenByItsCoordinates) {
    commande(84);
    TFenRaPour* c = choixRappels();
    ASSERT_NE(c, nullptr);
    const auto ligneDe = [&](const char* nom) {
        for (std::size_t k = 0; k < c->objets.size(); ++k)
            if (c->objets[k] == numero(nom)) return int(k);
        return -1;
    };
    ASSERT_GE(ligneDe("C"), 0);
    ASSERT_GE(ligneDe("P"), 0);
    p::envoieMessage(c->fenetre, p::WM_COMMAND, kTagRappelsClic, ligneDe("C"));
    p::envoieMessage(c->fenetre, p::WM_COMMAND, kTagRappelsOk, 0);
    p::distribueJusquAuRepos();
    EXPECT_EQ(choixRappels(), nullptr);
    EXPECT_TRUE(fig().ensembleTrace.test(std::size_t(numero("C"))));
}

INSTANTIATE_TEST_SUITE_P(Langues, AffectationDialogueHote, ::testing::Values(int16_t(1), int16_t(2)));

} // namespace
} // namespace km32::essais
