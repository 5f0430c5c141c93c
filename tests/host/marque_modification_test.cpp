// The figure's modified flag against the text a save writes: from a figure
// whose flag is clear, each command of the figure's menu and each key the
// dispatcher handles leaves the flag set exactly when the text written back
// (KMTexteFigure) differs from the text before it.
#include <functional>
#include <iterator>
#include <utility>
#include <vector>
#include <string>

#include "etats_figure_banc.h"
#include "host/fenetres/rappels/choix_rappels.h"
#include "platform/entrees.h"

namespace km32::essais {
namespace {

namespace p = platform;

const char* const kFigure = "A point de coordonnées (1,2,3) dans le repère Rxyz\r\n"
                            "B point de coordonnées (-2,1,0.5) dans le repère Rxyz\r\n"
                            "s segment [AB]\r\n";

class MarqueModification : public BancEtatsFigure {
  protected:
    uint8_t touche(uint32_t vk, bool maj = false, bool ctrl = false) {
        p::fixeModificateurs(maj, ctrl, false);
        const uint8_t r = KMKeyDown(n, uint16_t(vk));
        p::fixeModificateurs(false, false, false);
        p::distribueJusquAuRepos();
        return r;
    }
    uint8_t caractere(char c, bool maj = false) {
        p::fixeModificateurs(maj, false, false);
        const uint8_t r = KMKeyPress(n, uint8_t(c));
        p::fixeModificateurs(false, false, false);
        p::distribueJusquAuRepos();
        return r;
    }
    // Command k from the menu, the lines of the objects named selected in
    // the picker it opens, then OK.
    void choisit(uint32_t k, const std::vector<std::string>& noms) {
        commande(k);
        TFenRaPour* c = choixRappels();
        ASSERT_NE(c, nullptr) << k;
        for (const std::string& nom : noms)
            for (std::size_t j = 0; j < c->objets.size(); ++j)
                if (c->objets[j] == numero(nom) && !c->selection[j])
                    p::envoieMessage(c->fenetre, p::WM_COMMAND, kTagRappelsClic, int32_t(j));
        p::envoieMessage(c->fenetre, p::WM_COMMAND, kTagRappelsOk, 0);
        p::distribueJusquAuRepos();
    }
    // Runs each action on a fresh figure of text figure, prepared and then
    // with its flag cleared, and compares the flag with the text written.
    struct Cas {
        const char* nom;
        std::function<void()> prepare; // may be empty
        std::function<void()> agit;
    };
    // The host's function for the flag hears of it once when it rises and
    // not at all otherwise. Returns how many actions changed the text, so
    // that a table whose actions did nothing cannot pass unseen.
    template <std::size_t N> int verifie(const char* figure, const Cas (&cas)[N]) {
        int changees = 0;
        for (const Cas& c : cas) {
            SCOPED_TRACE(c.nom);
            BancEtatsFigure::TearDown();
            BancEtatsFigure::SetUp();
            figureDeTexte(figure);
            if (c.prepare) c.prepare();
            p::distribueJusquAuRepos();
            fig().modifiee = 0;
            const std::string avant = texte();
            KMInstalleAvisModification(recoitAvis);
            avisRecus.clear();
            c.agit();
            KMInstalleAvisModification(nullptr);
            const std::string apres = texte();
            EXPECT_EQ(fig().modifiee != 0, avant != apres) << "before:\n" << avant << "after:\n" << apres;
            using Recu = std::vector<std::pair<int16_t, int32_t>>;
            const Recu attendus = avant != apres ? Recu{{n, 1}} : Recu{};
            EXPECT_EQ(avisRecus, attendus);
            changees += avant != apres;
        }
        return changees;
    }
};

TEST_F(MarqueModification, FlagSetExactlyWhenTheWrittenTextDiffers) {
    using Action = std::function<void()>;
    auto cmd = [this](uint32_t k) { return [this, k] { commande(k); }; };
    auto key = [this](uint32_t vk, bool maj = false, bool ctrl = false) {
        return [=, this] { touche(vk, maj, ctrl); };
    };
    auto car = [this](char c, bool maj = false) { return [=, this] { caractere(c, maj); }; };
    const Action rien;
    const Action traceA = [this] { fig().ensembleTrace.set(std::size_t(numero("A"))); };
    const Action vueTournee = [this] { touche(p::VK_LEFT, true); };
    const Action pointAjoute = [this] { ligne("C point de coordonnées (0,0,1) dans le repère Rxyz"); };
    const Cas cas[] = {
        // Menu commands.
        {"80 names of points", rien, cmd(80)},
        {"82 trace mode", traceA, cmd(82)},
        {"82 trace mode, nothing traced", rien, cmd(82)},
        {"83 trace on demand", traceA, cmd(83)},
        {"85 separate names", rien, cmd(85)},
        {"86 zoom in", rien, cmd(86)},
        {"87 zoom out", rien, cmd(87)},
        {"93 undo", pointAjoute, cmd(93)},
        {"93 undo, nothing to undo", rien, cmd(93)},
        {"122 redo, nothing to redo", rien, cmd(122)},
        {"99 clock", rien, cmd(99)},
        {"112 shared variables", rien, cmd(112)},
        {"117 thick lines", rien, cmd(117)},
        {"121 picture limit", rien, cmd(121)},
        {"123 copy drawing", rien, cmd(123)},
        {"152 standard view", rien, cmd(152)},
        {"179 standard view", rien, cmd(179)},
        {"195 standard view", rien, cmd(195)},
        {"171 previous view", vueTournee, cmd(171)},
        {"180 next view", rien, cmd(180)},
        {"177 initial view", rien, cmd(177)},
        {"177 initial view, view turned", vueTournee, cmd(177)},
        {"178 axes", rien, cmd(178)},
        {"183 wire frame", rien, cmd(183)},
        {"193 oblique projection", rien, cmd(193)},
        {"200 front plane held", rien, cmd(200)},
        {"215 hidden parts dotted", rien, cmd(215)},
        {"94 step by step", rien, cmd(94)},
        {"78 reminders", rien, cmd(78)},
        {"88 style palette", rien, cmd(88)},
        {"114 menu filter", rien, cmd(114)},
        {"128 table of values", rien, cmd(128)},
        {"118 figure editor", rien, cmd(118)},
        {"120 comment editor", rien, cmd(120)},
        {"81 repeat, no command", rien, cmd(81)},
        {"106 copy reminders", rien, cmd(106)},
        // Keys.
        {"Left", rien, key(p::VK_LEFT)},
        {"Shift+Left", rien, key(p::VK_LEFT, true)},
        {"Shift+Up", rien, key(p::VK_UP, true)},
        {"Ctrl+Left", rien, key(p::VK_LEFT, false, true)},
        {"Ctrl+Down", rien, key(p::VK_DOWN, false, true)},
        {"Page Up", rien, key(p::VK_PRIOR)},
        {"Page Down", rien, key(p::VK_NEXT)},
        {"Escape", rien, key(p::VK_ESCAPE)},
        {"Ctrl++", rien, key(p::VK_ADD, false, true)},
        {"Ctrl+-", rien, key(p::VK_SUBTRACT, false, true)},
        {"F1", rien, key(p::VK_F1)},
        {"F2", rien, key(p::VK_F1 + 1)},
        {"F3", rien, key(p::VK_F1 + 2)},
        {"F5", rien, key(p::VK_F1 + 4)},
        {"F7", rien, key(p::VK_F1 + 6)},
        {"F8", rien, key(p::VK_F1 + 7)},
        {"F9", rien, key(p::VK_F1 + 8)},
        {"F11", vueTournee, key(p::VK_F1 + 10)},
        {"F12", rien, key(p::VK_F1 + 11)},
        {"Shift+F1", vueTournee, key(p::VK_F1, true)},
        {"+", rien, car('+')},
        {"-", rien, car('-')},
        {"<", rien, car('<')},
        {">", rien, car('>')},
        {"?", rien, car('?')},
        {"Shift+N", rien, car('N', true)},
        {"Shift+R", rien, car('R', true)},
        {"Shift+S", rien, car('S', true)},
        {"Shift+T", rien, car('T', true)},
        {"n", rien, car('n')},
    };
    const int changees = verifie(kFigure, cas);
    EXPECT_GE(changees, 15);
    EXPECT_LE(changees, int(std::size(cas)) - 15);
}

const char* const kFigureLibre = "A point libre dans l'espace\r\n"
                                 "Objet libre A, paramètres: 1, 2, 3\r\n"
                                 "B point de coordonnées (0,4,0) dans le repère Rxyz\r\n"
                                 "s segment [AB]\r\n"
                                 "n1 réel libre de [0,5]\r\n";

TEST_F(MarqueModification, CommandsThatChooseObjectsAndTheFreeObjectsKeys) {
    using Action = std::function<void()>;
    auto choix = [this](uint32_t k, std::initializer_list<const char*> noms) {
        // The names are copied: the list's own array ends with the call.
        return [this, k, v = std::vector<std::string>(noms.begin(), noms.end())] { choisit(k, v); };
    };
    const Action rien;
    const Action piloteA = [this] { choisit(77, {"A"}); };
    const Action piloteN = [this] { choisit(77, {"n1"}); };
    const Action traceA = [this] { choisit(84, {"A"}); };
    const Cas cas[] = {
        {"77 pilot A", rien, choix(77, {"A"})},
        {"77 pilot A again", piloteA, choix(77, {"A"})},
        {"77 pilot nothing", rien, choix(77, {})},
        {"84 trace A", rien, choix(84, {"A"})},
        {"84 trace A again", traceA, choix(84, {"A"})},
        {"84 trace nothing", rien, choix(84, {})},
        {"92 delete s", rien, choix(92, {"s"})},
        {"96 flag s", rien, choix(96, {"s"})},
        {"98 protect A", rien, choix(98, {"A"})},
        {"111 unprotect A", rien, choix(111, {"A"})},
        {"107 forbid piloting A", rien, choix(107, {"A"})},
        {"108 allow piloting A", [this] { choisit(107, {"A"}); }, choix(108, {"A"})},
        {"109 access s", [this] { choisit(110, {"s"}); }, choix(109, {"s"})},
        {"110 forbid access s", rien, choix(110, {"s"})},
        {"106 copy reminders", rien, choix(106, {"s"})},
        {"92 delete nothing", rien, choix(92, {})},
        {"Left, A piloted", piloteA, [this] { touche(p::VK_LEFT); }},
        {"Right, A piloted", piloteA, [this] { touche(p::VK_RIGHT); }},
        {"+, n1 piloted", piloteN, [this] { caractere('+'); }},
        {"-, n1 piloted", piloteN, [this] { caractere('-'); }},
        {"Ctrl++, n1 piloted", piloteN, [this] { touche(p::VK_ADD, false, true); }},
        {"82 trace mode, A traced", traceA, [this] { commande(82); }},
        {"82 twice, A traced", traceA, [this] { commande(82), commande(82); }},
    };
    const int changees = verifie(kFigureLibre, cas);
    EXPECT_GE(changees, 10);
    EXPECT_LE(changees, int(std::size(cas)) - 5);
}

} // namespace
} // namespace km32::essais
