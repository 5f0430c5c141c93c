// The commands that choose objects, from a host: the menu command opens the
// picker, the user selects lines and presses OK, and the command acts on the
// objects chosen and on them only; Cancel leaves the figure as it was. Also
// the commands of the help and of the replay's steps.
#include <functional>

#include "etats_figure_banc.h"
#include "host/fenetres/rappels/choix_rappels.h"
#include "model/figure.h"
#include "platform/aide.h"
#include "text/pas_a_pas.h"

namespace km32::essais {
namespace {

namespace p = platform;

const char* const kFigure = "A point libre dans l'espace\r\n"
                            "Objet libre A, paramètres: 1, 2, 3\r\n"
                            "B point libre dans l'espace\r\n"
                            "Objet libre B, paramètres: 4, 2, 6\r\n"
                            "C point de coordonnées (0,4,0) dans le repère Rxyz\r\n"
                            "s segment [AB]\r\n"
                            "t segment [BC]\r\n"
                            "n1 réel libre de [0,5]\r\n"
                            "n2 réel libre de [0,5]\r\n"
                            "D point de coordonnées (0,0,4) dans le repère Rxyz\r\n"
                            "P polyèdre convexe de sommets A,B,C,D\r\n"
                            "Dessins limités au convexe P: s, t\r\n";

class DesignationsHote : public BancEtatsFigure {
  protected:
    // Command k from the menu; the lines of the objects named selected in
    // the picker it opens; then OK, or Cancel.
    void choisit(uint32_t k, std::initializer_list<const char*> noms, bool ok = true) {
        commande(k);
        TFenRaPour* c = choixRappels();
        ASSERT_NE(c, nullptr) << k;
        for (const char* nom : noms) {
            int ligne = -1;
            for (std::size_t j = 0; j < c->objets.size(); ++j)
                if (c->objets[j] == numero(nom)) ligne = int(j);
            ASSERT_GE(ligne, 0) << nom << " is not offered";
            if (!c->selection[std::size_t(ligne)])
                p::envoieMessage(c->fenetre, p::WM_COMMAND, kTagRappelsClic, ligne);
        }
        p::envoieMessage(c->fenetre, p::WM_COMMAND, ok ? kTagRappelsOk : kTagRappelsAnnuler, 0);
        p::distribueJusquAuRepos();
        EXPECT_EQ(choixRappels(), nullptr);
    }

  public:
    // What the cases' checks read.
    using BancSouris::fig;
    using BancSouris::numero;
    bool drapeau(const char* nom, uint16_t masque) {
        return (objet(fig(), numero(nom)).drapeaux & masque) != 0;
    }
};

TEST_F(DesignationsHote, EachCommandActsOnTheChosenObjectsOnly) {
    struct Cas {
        const char* quoi;
        uint32_t commande;
        std::initializer_list<const char*> noms;
        std::function<void(TfigureKalmetra&)> avant;
        std::function<bool(DesignationsHote&)> fait;    // the chosen objects changed
        std::function<bool(DesignationsHote&)> intacts; // the others as they were
    };
    using D = DesignationsHote;
    const Cas cas[] = {
        {"delete",
         92,
         {"t"},
         {},
         [](D& d) { return d.numero("t") == 0; },
         [](D& d) { return d.numero("s") != 0 && d.numero("C") != 0; }},
        {"protect",
         98,
         {"A", "s"},
         {},
         [](D& d) { return d.drapeau("A", kDrapeauProtege) && d.drapeau("s", kDrapeauProtege); },
         [](D& d) { return !d.drapeau("B", kDrapeauProtege); }},
        {"unprotect",
         111,
         {"A"},
         [](TfigureKalmetra& f) {
             for (int i = 14; i <= f.nombreObjets; ++i)
                 changeDrapeauObjet(objet(f, i), kDrapeauProtege, true);
         },
         [](D& d) { return !d.drapeau("A", kDrapeauProtege); },
         [](D& d) { return d.drapeau("B", kDrapeauProtege); }},
        {"loop piloting",
         96,
         {"n1"},
         {},
         [](D& d) { return d.drapeau("n1", 0x10); },
         [](D& d) { return !d.drapeau("n2", 0x10); }},
        {"forbid piloting of the driven point",
         107,
         {"A"},
         [](TfigureKalmetra& f) { f.objetLibreActif = uint8_t(numeroObjetDeNotation(f, "A")); },
         [](D& d) { return d.drapeau("A", 8) && d.fig().objetLibreActif == 0; },
         [](D& d) { return !d.drapeau("B", 8); }},
        {"forbid access",
         110,
         {"C"},
         {},
         [](D& d) { return d.drapeau("C", 4); },
         [](D& d) { return !d.drapeau("A", 4) && !d.drapeau("B", 4); }},
        {"unclip",
         116,
         {"s"},
         {},
         [](D& d) { return objet(d.fig(), d.numero("s")).objetLimite == 0; },
         [](D& d) { return objet(d.fig(), d.numero("t")).objetLimite == d.numero("P"); }},
    };
    figureDeTexte(kFigure);
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.quoi);
        refaitFigure(kFigure);
        if (c.avant) c.avant(fig());
        fig().modifiee = 0;
        // Cancelled: nothing changes.
        const std::string avant = texte();
        choisit(c.commande, c.noms, false);
        EXPECT_EQ(texte(), avant);
        EXPECT_EQ(KMfigureModifiee(n), 0);
        // OK: the command takes the objects chosen.
        choisit(c.commande, c.noms);
        EXPECT_TRUE(c.fait(*this));
        EXPECT_TRUE(c.intacts(*this));
        EXPECT_EQ(KMfigureModifiee(n), 1);
        EXPECT_EQ(fig().derniereCommande, c.commande);
        EXPECT_EQ(fig().commandeDesignation, 0);
        EXPECT_TRUE(fig().ensembleDesigne.none());
    }
}

TEST_F(DesignationsHote, HelpAndReplayStepCommands) {
    figureDeTexte(kFigure);
    // 302 and 305: the contents of the help, on the drawing window.
    for (uint32_t k : {302u, 305u}) {
        SCOPED_TRACE(k);
        p::aidesDemandees().clear();
        commande(k);
        ASSERT_EQ(p::aidesDemandees().size(), 1u);
        EXPECT_EQ(p::aidesDemandees()[0].fenetre, fig().fenetreDessin);
        EXPECT_EQ(p::aidesDemandees()[0].commande, 3u);
    }
    // 303 and 304 walk the replay, one object a step; nothing outside it.
    const int dernier = dernierObjetDessine(fig());
    commande(303);
    EXPECT_EQ(dernierObjetDessine(fig()), dernier);
    commande(94);
    ASSERT_EQ(fig().modePasAPas, 1);
    const int premier = dernierObjetDessine(fig());
    commande(303);
    const int second = dernierObjetDessine(fig());
    EXPECT_GT(second, premier);
    commande(303);
    EXPECT_GT(dernierObjetDessine(fig()), second);
    commande(304);
    EXPECT_EQ(dernierObjetDessine(fig()), second);
    commande(304);
    EXPECT_EQ(dernierObjetDessine(fig()), premier);
    commande(304); // at the first step: it stays
    EXPECT_EQ(dernierObjetDessine(fig()), premier);
    // 305 in the replay: the replay's own help topic.
    p::aidesDemandees().clear();
    commande(305);
    ASSERT_EQ(p::aidesDemandees().size(), 1u);
    EXPECT_EQ(p::aidesDemandees()[0].commande, 1u);
    EXPECT_EQ(p::aidesDemandees()[0].donnee, 94u);
    commande(94);
    EXPECT_EQ(fig().modePasAPas, 0);
    EXPECT_EQ(dernierObjetDessine(fig()), dernier);
}

} // namespace
} // namespace km32::essais
