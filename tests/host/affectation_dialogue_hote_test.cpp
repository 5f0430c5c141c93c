// The assignment dialogs (commands 68 and 70) and the trace selection
// (command 84) as a host drives them: a wrong answer is reported naming
// what is wrong in its field, the focus goes to that field's line and the
// figure stays as it was; the trace selection offers the points given by
// their coordinates.
#include "etats_figure_banc.h"
#include "host/fenetres/rappels/choix_rappels.h"
#include "model/objets_figure.h"

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

// The number dialog: a value after which a stored start line would no
// longer run is refused naming the number, the dialog stays open and the
// figure keeps its text.
TEST_P(AffectationDialogueHote, AValueThatWouldStopAStartLineIsRefused) {
    refaitFigure("Figure Kalmetra\r\nnb réel libre\r\nObjet libre nb, valeur: 1\r\n"
                 "P point libre dans l'espace\r\nK (touche K) position mémorisée de P\r\n"
                 "Démarrer en exécutant  nb fois les commandes K\r\nFin de la figure\r\n");
    const std::string avant = texte();
    const std::string refus = phraseDeNumero(9986);
    commande(68);
    ASSERT_NE(fenetreDialogue(), nullptr);
    remplit(1, "nb");
    remplit(2, "0");
    p::boitesDemandees().clear();
    valide();
    EXPECT_NE(fenetreDialogue(), nullptr);
    bool nomme = false;
    for (const auto& b : p::boitesDemandees())
        nomme = nomme || b.texte.find(refus.substr(0, refus.find("#2")) + "nb") != std::string::npos;
    EXPECT_TRUE(nomme) << derniereBoite();
    EXPECT_EQ(texte(), avant);
    EXPECT_EQ(KMValeurScalaireDouble(n, "nb"), 1);
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

// Modifying an object whose construction has no dialog row of its own (a
// cap of a sphere): the dialog has one line per operand, in the order of the
// operands, each with a prompt, then the name.
TEST_P(AffectationDialogueHote, ModifyingAConstructionWithoutRowShowsItsOperands) {
    refaitFigure("Figure Kalmetra\r\n"
                 "S sphère de centre o et de rayon 2 (unité de longueur Uxyz)\r\n"
                 "D point de coordonnées (0,0,1) dans le repère Rxyz\r\n"
                 "E point de coordonnées (1,0,1) dans le repère Rxyz\r\n"
                 "F point de coordonnées (0,1,1) dans le repère Rxyz\r\n"
                 "M point de coordonnées (0,0,3) dans le repère Rxyz\r\n"
                 "q plan (DEF)\r\n"
                 "K intersection de la sphère S et du demi-espace (q,M)\r\n");
    ASSERT_EQ(objet(fig(), numero("K")).codeConstruction, 207);
    const int objets = fig().nombreObjets;
    commande(91);
    ASSERT_NE(fenetreDialogue(), nullptr);
    remplit(1, "K");
    valide();
    ASSERT_NE(fenetreDialogue(), nullptr) << derniereBoite();
    ASSERT_EQ(fig().commandeDialogue, 207);
    const TDialogueObjet& d = fenetreDialogue()->dialogue;
    // The half-space (plane, point), the sphere, then the name.
    ASSERT_EQ(d.nombreLignes, 4);
    const std::vector<std::string> attendues = {"q", "M", "S", "K"};
    for (int l = 1; l <= 4; ++l) {
        EXPECT_EQ(fenetreDialogue()->champs[std::size_t(l)].texte, attendues[std::size_t(l - 1)]) << l;
        EXPECT_FALSE(d.lignes[std::size_t(l)].texteInvite.empty() &&
                     d.lignes[std::size_t(l)].phraseInvite <= 1)
            << "line " << l << " has no prompt";
    }
    // Run unchanged: the cap is never computed (it is always undefined),
    // so the redefinition is refused as it is for a line, and the figure
    // stays as it was.
    const std::string avant = texte();
    p::boitesDemandees().clear();
    valide();
    EXPECT_NE(fenetreDialogue(), nullptr);
    EXPECT_FALSE(derniereBoite().empty());
    EXPECT_EQ(fig().nombreObjets, objets);
    EXPECT_EQ(texte(), avant);
}

INSTANTIATE_TEST_SUITE_P(Langues, AffectationDialogueHote, ::testing::Values(int16_t(1), int16_t(2)));

} // namespace
} // namespace km32::essais
