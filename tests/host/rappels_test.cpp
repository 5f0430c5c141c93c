// The reminder picker and the reminders window, driven by messages as the
// user and the host drive them: menu commands that designate objects, the
// construction dialog's reminders button, the F2 window.
#include <gtest/gtest.h>

#include <array>
#include <cstring>

#include "../drawing/souris_banc.h"
#include "host/fenetres/dialogue/fenetre_dialogue.h"
#include "host/fenetres/rappels/choix_rappels.h"
#include "host/fenetres/rappels/fenetre_rappels.h"
#include "host/fenetres/rappels/forme_choix_rappels.h"
#include "host/fenetres/rappels/forme_rappels.h"
#include "km32.h"
#include "drawing/designation.h"
#include "model/fenetres_figure.h"
#include "model/style.h"
#include "phrases/phrase.h"
#include "platform/boites.h"
#include "platform/ecran.h"
#include "platform/formes_liees.h"
#include "platform/image_bitmap.h"
#include "platform/mesures_texte.h"
#include "platform/surfaces_fenetres.h"
#include "platform/trace_enregistre.h"
#include "sibling/table_partagee.h"
#include "sibling/texte_math.h"
#include "sibling/texte_math_dessin.h"
#include "text/descriptions_objets.h"

namespace km32::essais {
namespace {

namespace p = platform;

// A style as its six bytes, the way it is stored.
std::array<uint8_t, 6> octets(const TstyleObjet& s) {
    std::array<uint8_t, 6> o{};
    std::memcpy(o.data(), &s, o.size());
    return o;
}

// Free points P1 to Pk, one a line.
std::string pointsLibres(int k) {
    std::string t;
    for (int i = 1; i <= k; ++i)
        t += "P" + std::to_string(i) + " point libre dans l'espace\r\n";
    return t;
}

const char* kTroisPoints = "A point libre dans l'espace\r\n"
                           "B point libre dans l'espace\r\n"
                           "C point de coordonnées (1,2,3) dans le repère Rxyz\r\n";

class Rappels : public BancSouris {
  protected:
    // A menu command sent as the host sends it.
    KMMessage commande(uint32_t k) {
        KMMessage m{p::WM_COMMAND, k, 0, 0};
        traiteMessageKMParNumero(n, &m);
        p::distribueJusquAuRepos();
        return m;
    }
    TFenRaPour& choix() {
        TFenRaPour* c = choixRappels();
        EXPECT_NE(c, nullptr);
        return *c;
    }
    void envoie(uint32_t tag, int32_t ligne = 0) {
        p::envoieMessage(choix().fenetre, p::WM_COMMAND, tag, ligne);
        p::distribueJusquAuRepos();
    }
    // The line of object nom in the picker, -1 when it is not listed.
    int ligneDe(const std::string& nom) {
        const TFenRaPour& c = choix();
        for (std::size_t k = 0; k < c.objets.size(); ++k)
            if (c.objets[k] == numero(nom)) return int(k);
        return -1;
    }
    // A press of the mouse at the client point of the picker's window.
    void souris(uint32_t message, int32_t x, int32_t y) {
        p::envoieMessage(choix().fenetre, message, p::MK_LBUTTON, p::lParamDeCoordonnees(x, y));
        p::distribueJusquAuRepos();
    }
    // A press on the first line the picker shows.
    void clicPremiereLigneVisible(uint32_t message = p::WM_LBUTTONDOWN) {
        souris(message, choix().cadreListe.gauche + 20, choix().cadreListe.haut + 1);
    }
    void message(uint32_t fenetre, uint32_t m, uint32_t wParam) {
        p::envoieMessage(fenetre, m, wParam, 0);
        p::distribueJusquAuRepos();
    }
    std::vector<std::string> textesRappels() {
        std::vector<std::string> t;
        for (const TItemChaineMath& item : fenetreRappels()->items)
            t.push_back(item.texte);
        return t;
    }
};

TEST_F(Rappels, PilotingOffersNoneFirstSelectsThePilotedPointAndTakesOneLine) {
    figureDeTexte(kTroisPoints);
    fig().objetLibreActif = uint8_t(numero("A"));
    const KMMessage m = commande(77);
    EXPECT_NE(m.resultat, KM_REFUSE);
    TFenRaPour& c = choix();
    EXPECT_EQ(TQTableDesVariablesPartagees()->codeAnnexe, kAnnexeChoixRappels);
    std::string legende = phraseDeNumero(77);
    std::erase(legende, '&');
    EXPECT_EQ(c.titre, legende);
    ASSERT_GE(c.items.size(), 3u);
    EXPECT_EQ(c.items[0].texte, phraseDeNumero(4416));
    EXPECT_EQ(c.objets[0], 0);
    // The two free points are offered, the fixed one is not.
    const int a = ligneDe("A"), b = ligneDe("B");
    ASSERT_GT(a, 0);
    ASSERT_GT(b, 0);
    EXPECT_EQ(ligneDe("C"), -1);
    EXPECT_EQ(c.items[std::size_t(a)].texte, definitionObjetPourRappel(fig(), numero("A")));
    EXPECT_TRUE(c.selection[std::size_t(a)]);
    EXPECT_FALSE(c.selectionMultiple);
    // Another click moves the only selection.
    envoie(kTagRappelsClic, b);
    EXPECT_FALSE(choix().selection[std::size_t(a)]);
    EXPECT_TRUE(choix().selection[std::size_t(b)]);
    envoie(kTagRappelsOk);
    EXPECT_EQ(fig().objetLibreActif, numero("B"));
    EXPECT_EQ(choixRappels(), nullptr);
    EXPECT_EQ(TQTableDesVariablesPartagees()->codeAnnexe, 0);
}

TEST_F(Rappels, NoneStopsThePilotingAndCancelChangesNothing) {
    figureDeTexte(kTroisPoints);
    fig().objetLibreActif = uint8_t(numero("A"));
    commande(77);
    p::envoieMessage(choix().fenetre, p::WM_KEYDOWN, p::VK_ESCAPE, 0);
    p::distribueJusquAuRepos();
    EXPECT_EQ(choixRappels(), nullptr);
    EXPECT_EQ(fig().objetLibreActif, numero("A"));
    commande(77);
    envoie(kTagRappelsClic, 0);
    envoie(kTagRappelsOk);
    EXPECT_EQ(fig().objetLibreActif, 0);
}

TEST_F(Rappels, TraceSelectionStartsFromTheTracedObjectsAndTakesSeveralLines) {
    figureDeTexte(kTroisPoints);
    fig().ensembleTrace.set(std::size_t(numero("C")));
    commande(84);
    TFenRaPour& c = choix();
    EXPECT_TRUE(c.selectionMultiple);
    const int lc = ligneDe("C");
    ASSERT_GE(lc, 0);
    EXPECT_TRUE(c.selection[std::size_t(lc)]);
    envoie(kTagRappelsClic, ligneDe("A"));
    envoie(kTagRappelsClic, ligneDe("C")); // a second click takes the line off
    envoie(kTagRappelsClic, ligneDe("B"));
    envoie(kTagRappelsOk);
    TEnsembleObjets attendu;
    attendu.set(std::size_t(numero("A")));
    attendu.set(std::size_t(numero("B")));
    EXPECT_EQ(fig().ensembleTrace, attendu);
}

TEST_F(Rappels, ForbiddingPilotingFromTheCInterfaceActsOnTheDesignatedObjectsOnly) {
    figureDeTexte(kTroisPoints);
    const int a = numero("A"), b = numero("B");
    fig().objetLibreActif = uint8_t(a);
    const KMMessage m = commande(107);
    EXPECT_NE(m.resultat, KM_REFUSE);
    ASSERT_GE(ligneDe("A"), 0);
    // A double click picks and ends at once.
    envoie(kTagRappelsDoubleClic, ligneDe("A"));
    EXPECT_EQ(choixRappels(), nullptr);
    EXPECT_TRUE(estObjetLibreBloque(objet(fig(), a)));
    EXPECT_FALSE(estObjetLibreBloque(objet(fig(), b)));
    EXPECT_EQ(fig().objetLibreActif, 0);
    EXPECT_EQ(fig().derniereCommande, 107);
    // The reminders mark it and explain the mark.
    KMAfficheRappels(n);
    ASSERT_NE(fenetreRappels(), nullptr);
    EXPECT_TRUE(fenetreRappels()->indisponibleVisible);
    EXPECT_EQ(fenetreRappels()->labelIndisponible, phraseDeNumero(2532));
    const std::vector<std::string> t = textesRappels();
    EXPECT_NE(std::find(t.begin(), t.end(), definitionObjetPourRappel(fig(), a)), t.end());
    EXPECT_NE(definitionObjetPourRappel(fig(), a).find(" (*)"), std::string::npos);
}

TEST_F(Rappels, ARuleWithoutObjectsShowsTheMessageAndOpensNothing) {
    figureDeTexte("C point de coordonnées (1,2,3) dans le repère Rxyz\r\n");
    p::boitesDemandees().clear();
    commande(77);
    EXPECT_EQ(choixRappels(), nullptr);
    ASSERT_EQ(p::boitesDemandees().size(), 1u);
    EXPECT_EQ(p::boitesDemandees()[0].texte, phraseDeNumero(11164));
    EXPECT_EQ(p::boitesDemandees()[0].titre, phraseDeNumero(11114));
    EXPECT_EQ(TQTableDesVariablesPartagees()->codeAnnexe, 0);
}

TEST_F(Rappels, TheStyleBrushGivesTheChosenStyleToTheDesignatedObjects) {
    figureDeTexte(kTroisPoints);
    const int a = numero("A"), b = numero("B");
    // Each style code against the same code applied by hand to a copy.
    for (const uint8_t code : {uint8_t(3), uint8_t(16), uint8_t(37)}) {
        SCOPED_TRACE(int(code));
        fig().styleChoisi = code;
        TObjetFigure attenduA = objet(fig(), a);
        TsourcesCouleur sources{attenduA.sourcesCouleur[0], attenduA.sourcesCouleur[1],
                                attenduA.sourcesCouleur[2]};
        appliqueCommandeStyle(attenduA.style, sources, code);
        const TstyleObjet avantB = objet(fig(), b).style;
        choisitRappelPourCommande(n, forme, 88, 0, designationDeStyle(code));
        ASSERT_GE(ligneDe("A"), 0);
        envoie(kTagRappelsClic, ligneDe("A"));
        envoie(kTagRappelsOk);
        EXPECT_EQ(choixRappels(), nullptr);
        EXPECT_EQ(octets(objet(fig(), a).style), octets(attenduA.style));
        EXPECT_EQ(octets(objet(fig(), b).style), octets(avantB));
    }
}

TEST_F(Rappels, CopyingTheRemindersPutsTheSelectedOnesOnTheClipboard) {
    figureDeTexte(kTroisPoints);
    commande(106);
    envoie(kTagRappelsClic, ligneDe("C"));
    envoie(kTagRappelsClic, ligneDe("A"));
    envoie(kTagRappelsOk);
    const std::string attendu = "$N$n" + definitionObjetPourRappel(fig(), numero("A")) + "\r\n" +
                                definitionObjetPourRappel(fig(), numero("C"));
    ASSERT_TRUE(dessinCopieTQ().present);
    EXPECT_EQ(dessinCopieTQ().texte, attendu);
    // In object order whatever the order of the clicks.
    const std::size_t libre = attendu.find("point libre"), fixe = attendu.find("coordonn");
    ASSERT_NE(libre, std::string::npos);
    ASSERT_NE(fixe, std::string::npos);
    EXPECT_LT(libre, fixe);
}

TEST_F(Rappels, ADoubleClickAnswersTheDialogAndThePickerStaysOpen) {
    figureDeTexte(kTroisPoints);
    p::envoieMessage(forme, p::WM_COMMAND, 15, 0); // midpoint
    p::distribueJusquAuRepos();
    TFenDialog* d = fenetreDialogue();
    ASSERT_NE(d, nullptr);
    const uint32_t fenetreDuDialogue = d->fenetre;
    p::envoieMessage(fenetreDuDialogue, p::WM_COMMAND, kTagRappels, 0);
    TFenRaPour& c = choix();
    EXPECT_TRUE(c.pourDialogue);
    EXPECT_FALSE(c.aideVisible);
    EXPECT_EQ(c.fenetreDemandeur, fenetreDuDialogue);
    // The dialog stays the figure's annex.
    EXPECT_EQ(TQTableDesVariablesPartagees()->codeAnnexe, kAnnexeDialogue);
    envoie(kTagRappelsDoubleClic, ligneDe("A"));
    ASSERT_NE(choixRappels(), nullptr);
    EXPECT_EQ(d->champs[1].texte, "A");
    // The keyboard is the dialog's again: typing goes on in the field.
    EXPECT_EQ(p::fenetreFocus(), fenetreDuDialogue);
    envoie(kTagRappelsClic, ligneDe("A")); // off
    envoie(kTagRappelsClic, ligneDe("C"));
    envoie(kTagRappelsOk);
    EXPECT_EQ(choixRappels(), nullptr);
    EXPECT_EQ(d->champs[1].texte, "AC");
}

TEST_F(Rappels, APickerBesideTheDialogFollowsTheRuleOfTheField) {
    figureDeTexte(kTroisPoints);
    p::envoieMessage(forme, p::WM_COMMAND, 15, 0);
    p::distribueJusquAuRepos();
    ASSERT_NE(fenetreDialogue(), nullptr);
    choisitRappelPourCommande(n, fenetreDialogue()->fenetre, 15, 1, 75); // the free points
    ASSERT_NE(choixRappels(), nullptr);
    EXPECT_EQ(ligneDe("C"), -1);
    // Every object, then a rule with nothing to offer, which closes it.
    changeRegleChoixRappels(81);
    ASSERT_NE(choixRappels(), nullptr);
    EXPECT_EQ(choix().regle, 81);
    EXPECT_GE(ligneDe("C"), 0);
    changeRegleChoixRappels(82);
    EXPECT_EQ(choixRappels(), nullptr);
    // Closing the dialog closes its picker.
    choisitRappelPourCommande(n, fenetreDialogue()->fenetre, 15, 1, 75);
    ASSERT_NE(choixRappels(), nullptr);
    p::envoieMessage(fenetreDialogue()->fenetre, p::WM_KEYDOWN, p::VK_ESCAPE, 0);
    p::distribueJusquAuRepos();
    EXPECT_EQ(fenetreDialogue(), nullptr);
    EXPECT_EQ(choixRappels(), nullptr);
}

TEST_F(Rappels, TheRemindersWindowListsFourGroupsEvenWhenSomeAreEmpty) {
    figureDeTexte(kTroisPoints);
    KMAfficheRappels(n);
    TKMrappels* r = fenetreRappels();
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(TQTableDesVariablesPartagees()->codeAnnexe, kAnnexeRappels);
    const std::vector<std::string> t = textesRappels();
    const auto ligne = [&](uint16_t phrase) {
        return int(std::find(t.begin(), t.end(), phraseDeNumero(phrase)) - t.begin());
    };
    const int predefinis = ligne(11321), crees = ligne(11322), affichages = ligne(11323),
              commandes = ligne(11324);
    EXPECT_EQ(predefinis, 0);
    // Three created objects, then two headings with nothing under them.
    EXPECT_EQ(affichages, crees + 4);
    EXPECT_EQ(commandes, affichages + 1);
    EXPECT_EQ(commandes + 1, int(t.size()));
    EXPECT_EQ(t[std::size_t(crees + 1)], definitionObjetPourRappel(fig(), numero("A")));
    EXPECT_EQ(t[std::size_t(crees + 3)], definitionObjetPourRappel(fig(), numero("C")));
    // The created objects come first into view; no mark, no label.
    EXPECT_EQ(r->defilement.premiere, crees);
    EXPECT_FALSE(r->nonValideVisible);
    EXPECT_EQ(r->labelNonValide, phraseDeNumero(2533));
    // The total height: one pixel between lines.
    int32_t total = 0;
    for (const TItemChaineMath& item : r->items)
        total += item.hauteur() + 1;
    EXPECT_EQ(r->hauteurTotale, total);
}

TEST_F(Rappels, AnUndefinedObjectIsMarkedAndItsLabelShown) {
    figureDeTexte(kTroisPoints);
    objet(fig(), numero("B")).nonDefini = 1;
    KMMessage m{p::WM_KEYDOWN, p::VK_F1 + 1, 0, 0}; // F2
    traiteMessageKMParNumero(n, &m);
    p::distribueJusquAuRepos();
    TKMrappels* r = fenetreRappels();
    ASSERT_NE(r, nullptr);
    EXPECT_TRUE(r->nonValideVisible);
    const std::vector<std::string> t = textesRappels();
    const int crees = int(std::find(t.begin(), t.end(), phraseDeNumero(11322)) - t.begin());
    EXPECT_EQ(t[std::size_t(crees + 2)].rfind("xx ", 0), 0u);
    EXPECT_NE(t[std::size_t(crees + 1)].rfind("xx ", 0), 0u);
    // Closing by the user goes through the mother window.
    p::envoieMessage(r->fenetre, p::WM_CLOSE, 0, 0);
    p::distribueJusquAuRepos();
    EXPECT_EQ(fenetreRappels(), nullptr);
    EXPECT_EQ(TQTableDesVariablesPartagees()->codeAnnexe, 0);
}

TEST_F(Rappels, APickerLongerThanItsWindowScrollsAndClicksTakeTheLineShown) {
    figureDeTexte(pointsLibres(30));
    commande(107);
    TFenRaPour& c = choix();
    ASSERT_EQ(c.items.size(), 30u);
    // The picker ends 25 pixels above the bottom of the figure's client area.
    const p::Rectangle zone = rectangleClientFigure(n);
    EXPECT_EQ(p::cadreFenetre(c.fenetre).bas, zone.bas - 25);
    ASSERT_TRUE(defilementNecessaire(c.defilement, c.cadreListe.hauteur()));
    EXPECT_EQ(c.defilement.premiere, 0);
    // Two lines down by the scroll bar: a press at the top takes line 2.
    message(c.fenetre, p::WM_VSCROLL, p::SB_LINEDOWN);
    message(c.fenetre, p::WM_VSCROLL, p::SB_LINEDOWN);
    EXPECT_EQ(c.defilement.premiere, 2);
    clicPremiereLigneVisible();
    EXPECT_EQ(std::count(c.selection.begin(), c.selection.end(), true), 1);
    EXPECT_TRUE(c.selection[2]);
    // A wheel notch towards the user shows three lines further; Home goes back.
    message(c.fenetre, p::WM_MOUSEWHEEL, uint32_t(uint16_t(int16_t(-p::WHEEL_DELTA))) << 16);
    EXPECT_EQ(c.defilement.premiere, 5);
    message(c.fenetre, p::WM_KEYDOWN, p::VK_HOME);
    EXPECT_EQ(c.defilement.premiere, 0);
    // The selected line is drawn on the caption colour, where the scroll puts it.
    constexpr p::Couleur kLegende = p::rgb(10, 36, 106);
    p::configureCouleurTitreActif(kLegende);
    message(c.fenetre, p::WM_VSCROLL, p::SB_THUMBPOSITION | (1u << 16));
    p::invalideFenetre(c.fenetre);
    p::distribueJusquAuRepos();
    const p::Bitmap* surface = p::surfaceDeFenetre(c.fenetre);
    ASSERT_TRUE(surface && surface->journal());
    const std::vector<p::Primitive>& dessin = surface->journal()->primitives;
    const auto choisie = std::find_if(dessin.rbegin(), dessin.rend(), [&](const p::Primitive& q) {
        return q.type == p::TypePrimitive::Rectangle && q.etat.brosse.couleur == kLegende;
    });
    ASSERT_NE(choisie, dessin.rend());
    EXPECT_EQ(choisie->rect.haut, c.cadreListe.haut + c.items[1].hauteur());
    // End shows the last line first; a double click there forbids its point.
    message(c.fenetre, p::WM_KEYDOWN, p::VK_END);
    EXPECT_EQ(c.defilement.premiere, 29);
    clicPremiereLigneVisible(p::WM_LBUTTONDBLCLK);
    EXPECT_EQ(choixRappels(), nullptr);
    for (const auto& [nom, bloque] : {std::pair{"P3", true}, std::pair{"P30", true}, std::pair{"P1", false},
                                      std::pair{"P2", false}, std::pair{"P6", false}})
        EXPECT_EQ(estObjetLibreBloque(objet(fig(), numero(nom))), bloque) << nom;
}

TEST_F(Rappels, TheButtonsOfThePickerAnswerTheMouse) {
    figureDeTexte(kTroisPoints);
    fig().objetLibreActif = uint8_t(numero("A"));
    // Cancel leaves the piloted point; OK after picking "aucun" stops it.
    commande(77);
    souris(p::WM_LBUTTONDOWN, kCadreBoutonAnnuler.gauche + 2, 2);
    EXPECT_EQ(choixRappels(), nullptr);
    EXPECT_EQ(fig().objetLibreActif, numero("A"));
    commande(77);
    clicPremiereLigneVisible();
    souris(p::WM_LBUTTONDOWN, kCadreBoutonOk.gauche + 2, 2);
    EXPECT_EQ(choixRappels(), nullptr);
    EXPECT_EQ(fig().objetLibreActif, 0);
}

TEST_F(Rappels, ADoubleClickInTheCopyPickerDesignatesWithoutCopying) {
    figureDeTexte(kTroisPoints);
    commande(106);
    envoie(kTagRappelsDoubleClic, ligneDe("B"));
    EXPECT_EQ(choixRappels(), nullptr);
    EXPECT_FALSE(dessinCopieTQ().present);
    TEnsembleObjets attendu;
    attendu.set(std::size_t(numero("B")));
    EXPECT_EQ(fig().ensembleDesigne, attendu);
    EXPECT_EQ(fig().commandeDesignation, 0);
    EXPECT_EQ(fig().derniereCommande, 106);
    // OK copies, and the command is done with the objects.
    commande(106);
    envoie(kTagRappelsClic, ligneDe("B"));
    envoie(kTagRappelsOk);
    ASSERT_TRUE(dessinCopieTQ().present);
    EXPECT_EQ(dessinCopieTQ().texte, "$N$n" + definitionObjetPourRappel(fig(), numero("B")));
    EXPECT_TRUE(fig().ensembleDesigne.none());
}

TEST_F(Rappels, ThePickerWorksOnTheFigureOfTheFiguresWindow) {
    figureDeTexte(kTroisPoints);
    // A second figure shown in the first one's form.
    const int16_t autre = KMCreeFigEtRenvoieNumero(hote, nullptr, "Q point libre dans l'espace\r\n", nullptr);
    ASSERT_EQ(autre, 2);
    TfigureKalmetra& f2 = *figureDeNumero(autre);
    ASSERT_GT(numeroObjetDeNotation(f2, "Q"), 0);
    f2.fenetreForme = formeDeNumero(n)->fenetre;
    choisitRappelPourCommande(autre, forme, 107, 0, designationDeCommande(107));
    TFenRaPour& c = choix();
    EXPECT_EQ(c.numeroFigure, n);
    EXPECT_GE(ligneDe("A"), 0);
    std::vector<uint8_t> offerts(c.objets.begin(), c.objets.end());
    TEnsembleObjets attendus;
    objetsDesignablesPourCommande(fig(), designationDeCommande(107), attendus);
    EXPECT_EQ(offerts.size(), attendus.count());
    envoie(kTagRappelsClic, ligneDe("A"));
    envoie(kTagRappelsOk);
    EXPECT_TRUE(estObjetLibreBloque(objet(fig(), numero("A"))));
    EXPECT_FALSE(estObjetLibreBloque(objet(f2, numeroObjetDeNotation(f2, "Q"))));
    // A figure in its own form works on itself.
    EXPECT_EQ(figureDeSaFenetre(autre), n);
    EXPECT_EQ(figureDeSaFenetre(n), n);
}

TEST_F(Rappels, ListsHoldEveryObjectOfAFullFigure) {
    // 13 built-in objects and 237 points, as many objects as a text may create:
    // with the headings, more lines than the first slots.
    figureDeTexte(pointsLibres(237));
    ASSERT_EQ(fig().nombreObjets, 250);
    KMAfficheRappels(n);
    TKMrappels* r = fenetreRappels();
    ASSERT_NE(r, nullptr);
    TEnsembleObjets tous;
    objetsDesignablesPourCommande(fig(), 81, tous);
    const std::vector<std::string> t = textesRappels();
    ASSERT_EQ(t.size(), tous.count() + 4);
    ASSERT_GT(t.size(), std::size_t(kLignesRappels));
    // The created objects 14 to 250 under their heading, the displays' heading after them.
    EXPECT_EQ(t[std::size_t(r->ligneCrees)], phraseDeNumero(11322));
    EXPECT_EQ(t[std::size_t(r->ligneCrees + 237)], definitionObjetPourRappel(fig(), 250));
    EXPECT_EQ(t[std::size_t(r->ligneCrees + 238)], phraseDeNumero(11323));
    // The list opens on the created objects and scrolls to either end.
    EXPECT_EQ(r->defilement.premiere, r->ligneCrees);
    message(r->fenetre, p::WM_VSCROLL, p::SB_BOTTOM);
    EXPECT_EQ(r->defilement.premiere, int(t.size()) - 1);
    message(r->fenetre, p::WM_KEYDOWN, p::VK_HOME);
    EXPECT_EQ(r->defilement.premiere, 0);
    message(r->fenetre, p::WM_MOUSEWHEEL, uint32_t(uint16_t(int16_t(-2 * p::WHEEL_DELTA))) << 16);
    EXPECT_EQ(r->defilement.premiere, 6);
    p::envoieMessage(r->fenetre, p::WM_CLOSE, 0, 0);
    p::distribueJusquAuRepos();
    // Every point in the picker of a command that takes them all.
    commande(107);
    ASSERT_EQ(choix().items.size(), 237u);
    EXPECT_EQ(choix().objets.back(), 250);
}

TEST_F(Rappels, TheRemindersWindowStaysInsideTheDesktopAndTheFiguresWindow) {
    figureDeTexte(pointsLibres(40));
    const p::Rectangle zone = rectangleClientFigure(n);
    for (const auto& [largeur, hauteur] : {std::pair{1024, 768}, std::pair{200, 150}}) {
        p::configureEcran({largeur, hauteur, 96});
        KMAfficheRappels(n);
        TKMrappels* r = fenetreRappels();
        ASSERT_NE(r, nullptr);
        const p::Rectangle cadre = p::cadreFenetre(r->fenetre);
        EXPECT_LE(cadre.largeur(), std::min(largeur, zone.largeur())) << largeur;
        EXPECT_EQ(cadre.hauteur(), std::min(hauteur, zone.hauteur())) << largeur;
        p::envoieMessage(r->fenetre, p::WM_CLOSE, 0, 0);
        p::distribueJusquAuRepos();
        EXPECT_EQ(fenetreRappels(), nullptr);
    }
}

TEST_F(Rappels, TheLabelsShownStandOverTheListOneUnderTheOther) {
    struct Cas {
        bool bloque, nonDefini;
        std::vector<uint16_t> labels; // from the top
    };
    for (const Cas& c : {Cas{true, true, {2532, 2533}}, Cas{false, true, {2533}}, Cas{true, false, {2532}},
                         Cas{false, false, {}}}) {
        SCOPED_TRACE(std::to_string(c.bloque) + std::to_string(c.nonDefini));
        figureDeTexte(kTroisPoints);
        if (c.bloque) changeDrapeauObjet(objet(fig(), numero("A")), 8, true);
        if (c.nonDefini) objet(fig(), numero("B")).nonDefini = 1;
        KMAfficheRappels(n);
        TKMrappels* r = fenetreRappels();
        ASSERT_NE(r, nullptr);
        EXPECT_EQ(r->cadreListe.haut, 16 * int32_t(c.labels.size()));
        p::invalideFenetre(r->fenetre);
        p::distribueJusquAuRepos();
        const p::Bitmap* surface = p::surfaceDeFenetre(r->fenetre);
        ASSERT_TRUE(surface && surface->journal());
        std::vector<std::pair<int32_t, std::string>> labels;
        for (const p::Primitive& q : surface->journal()->primitives)
            if (q.type == p::TypePrimitive::Texte &&
                (q.texte == phraseDeNumero(2532) || q.texte == phraseDeNumero(2533)))
                labels.emplace_back(q.points.at(0).y, q.texte);
        ASSERT_GE(labels.size(), c.labels.size());
        // The last paint's labels, in order from the top.
        labels.erase(labels.begin(), labels.end() - std::ptrdiff_t(c.labels.size()));
        for (std::size_t k = 0; k < c.labels.size(); ++k) {
            EXPECT_EQ(labels[k].first, 16 * int32_t(k));
            EXPECT_EQ(labels[k].second, phraseDeNumero(c.labels[k]));
        }
        p::envoieMessage(r->fenetre, p::WM_CLOSE, 0, 0);
        p::distribueJusquAuRepos();
        KMDetruitFigure(n);
        p::distribueJusquAuRepos();
    }
}

// The reminders window has no button: Escape, F4 and its close box (WM_CLOSE)
// close it and free the annex slot, so that the figure's other windows open
// again. While it is open, a key pressed over the figure brings it forward
// with the keyboard, so that the key is not lost without a sign.
TEST_F(Rappels, EscapeF4AndTheCloseBoxCloseTheRemindersAndFreeTheSlot) {
    figureDeTexte(kTroisPoints);
    const TTableDesVariablesPartagees& t = *TQTableDesVariablesPartagees();
    struct Cas {
        const char* nom;
        uint32_t message, wParam;
    };
    for (const Cas& c : {Cas{"Escape", p::WM_KEYDOWN, p::VK_ESCAPE}, Cas{"F4", p::WM_KEYDOWN, p::VK_F1 + 3u},
                         Cas{"close box", p::WM_CLOSE, 0}}) {
        SCOPED_TRACE(c.nom);
        KMMessage f2{p::WM_KEYDOWN, p::VK_F1 + 1, 0, 0};
        traiteMessageKMParNumero(n, &f2);
        p::distribueJusquAuRepos();
        TKMrappels* r = fenetreRappels();
        ASSERT_NE(r, nullptr);
        EXPECT_EQ(t.codeAnnexe, kAnnexeRappels);
        const p::OperationsForme* o = p::formeLiee(r->fenetre);
        ASSERT_TRUE(o && o->etat);
        EXPECT_TRUE(o->etat().caseFermeture);
        // A key over the figure: the window comes forward with the keyboard.
        p::donneFocus(fenetreDeLaFigure(fig()));
        KMMessage f3{p::WM_KEYDOWN, p::VK_F1 + 2, 0, 0};
        traiteMessageKMParNumero(n, &f3);
        p::distribueJusquAuRepos();
        EXPECT_EQ(p::fenetreFocus(), r->fenetre);
        p::envoieMessage(r->fenetre, c.message, c.wParam, 0);
        p::distribueJusquAuRepos();
        EXPECT_EQ(fenetreRappels(), nullptr);
        EXPECT_EQ(t.codeAnnexe, 0);
        // Looking at the reminders changes nothing in the figure.
        EXPECT_EQ(KMfigureModifiee(n), 0);
    }
    // The slot is free: the figure text editor opens.
    KMAfficheEditeurFigure(n);
    p::distribueJusquAuRepos();
    EXPECT_EQ(t.codeAnnexe, kAnnexeEditeurFigure);
}

TEST_F(Rappels, AnUnknownFigureNumberOpensNothing) {
    figureDeTexte(kTroisPoints);
    KMAfficheRappels(42);
    KMAfficheRappels(-1);
    EXPECT_EQ(fenetreRappels(), nullptr);
}

// Lines wider than the window and more than its height: each list paints
// its lines inside its own frame only. Beside it and under it (the strip
// of the close box, the margins) the window shows its background alone,
// where a real backend shows no widget over the drawing.
TEST_F(Rappels, LinesLongerThanTheListArePaintedInsideItsFrameOnly) {
    std::string texte = pointsLibres(2);
    for (int k = 1; k <= 25; ++k)
        texte += "Q" + std::to_string(k) +
                 " point de coordonnées (1.1547005384,-0.8164965809,2.4494897428) dans le repère Rxyz\r\n";
    figureDeTexte(texte);
    // The non-white pixels of the window's surface outside the frame.
    const auto encreDehors = [](p::Fenetre fenetre, const p::Rectangle& cadre) {
        p::invalideFenetre(fenetre);
        p::distribueJusquAuRepos();
        const p::Bitmap* surface = p::surfaceDeFenetre(fenetre);
        EXPECT_NE(surface, nullptr);
        int n = 0, encre = 0;
        const p::Rectangle client = p::rectangleClient(fenetre);
        for (int32_t y = client.haut; surface && y < client.bas; ++y)
            for (int32_t x = client.gauche; x < client.droite; ++x) {
                const bool dedans = x >= cadre.gauche && x < cadre.droite && y >= cadre.haut && y < cadre.bas;
                const std::optional<p::Couleur> c = surface->pixel(x, y);
                if (!c || *c == p::kBlanc) continue;
                ++(dedans ? encre : n);
            }
        EXPECT_GT(encre, 500) << "the lines are not painted";
        return n;
    };

    KMAfficheRappels(n);
    TKMrappels* r = fenetreRappels();
    ASSERT_NE(r, nullptr);
    ASSERT_GT(r->largeurMax, r->cadreListe.largeur());
    ASSERT_TRUE(defilementNecessaire(r->defilement, r->cadreListe.hauteur()));
    ASSERT_LT(r->cadreListe.droite, p::rectangleClient(r->fenetre).droite);
    EXPECT_EQ(encreDehors(r->fenetre, r->cadreListe), 0);
    p::envoieMessage(r->fenetre, p::WM_CLOSE, 0, 0);
    p::distribueJusquAuRepos();

    commande(106); // copy the reminders chosen: every object offered
    TFenRaPour& c = choix();
    ASSERT_GT(c.largeurMax, c.cadreListe.largeur());
    EXPECT_EQ(encreDehors(c.fenetre, c.cadreListe), 0);
}

// The forms the picker and the reminders window describe to a real backend.

bool dedans(const p::Rectangle& interieur, const p::Rectangle& exterieur) {
    return !interieur.estVide() && interieur.gauche >= exterieur.gauche && interieur.haut >= exterieur.haut &&
           interieur.droite <= exterieur.droite && interieur.bas <= exterieur.bas;
}

bool seCoupent(const p::Rectangle& a, const p::Rectangle& b) {
    return !p::intersectionRectangles(a, b).estVide();
}

class FormesRappels : public Rappels {
  protected:
    p::FormeLiee formeDe(uint32_t fenetre) {
        const p::OperationsForme* o = p::formeLiee(fenetre);
        EXPECT_NE(o, nullptr);
        return o && o->etat ? o->etat() : p::FormeLiee{};
    }
    const p::OperationsForme& operations() {
        static const p::OperationsForme aucune;
        const p::OperationsForme* o = p::formeLiee(choix().fenetre);
        EXPECT_NE(o, nullptr);
        return o ? *o : aucune;
    }
    // The toolkit's selection of the picker's list: the lines of these objects.
    std::vector<bool> lignesDe(std::initializer_list<const char*> noms) {
        std::vector<bool> selection(choix().items.size(), false);
        for (const char* nom : noms)
            selection.at(std::size_t(ligneDe(nom))) = true;
        return selection;
    }
    // The toolkit's selection of the picker's list is the picker's own.
    void selectionMontree() {
        const p::FormeLiee forme = formeDe(choix().fenetre);
        ASSERT_EQ(forme.listes.size(), 1u);
        ASSERT_EQ(forme.listes[0].lignes.size(), choix().selection.size());
        for (std::size_t k = 0; k < choix().selection.size(); ++k)
            EXPECT_EQ(forme.listes[0].lignes[k].selectionnee, choix().selection[k]) << k;
    }
};

TEST_F(FormesRappels, ThePickersFormShowsItsButtonsAndItsLinesAsPlainText) {
    struct Cas {
        const char* nom;
        uint16_t commande;
        bool pourDialogue, multiple;
        std::vector<uint32_t> tags;
        std::vector<const char*> selectionnes; // by the picker when it opens
    };
    const std::vector<Cas> cas = {
        {"piloting", 77, false, false, {kTagRappelsOk, kTagRappelsAnnuler, kTagRappelsAide}, {"A"}},
        {"trace", 84, false, true, {kTagRappelsOk, kTagRappelsAnnuler, kTagRappelsAide}, {"C"}},
        {"dialog", 15, true, true, {kTagRappelsOk, kTagRappelsAnnuler}, {}},
    };
    for (const Cas& k : cas) {
        SCOPED_TRACE(k.nom);
        figureDeTexte(kTroisPoints);
        fig().objetLibreActif = uint8_t(numero("A"));
        fig().ensembleTrace.set(std::size_t(numero("C")));
        if (k.pourDialogue) {
            p::envoieMessage(forme, p::WM_COMMAND, k.commande, 0);
            p::distribueJusquAuRepos();
            ASSERT_NE(fenetreDialogue(), nullptr);
            p::envoieMessage(fenetreDialogue()->fenetre, p::WM_COMMAND, kTagRappels, 0);
        } else {
            commande(k.commande);
        }
        TFenRaPour& c = choix();
        const p::FormeLiee f = formeDe(c.fenetre);
        const p::Rectangle client = p::rectangleClient(c.fenetre);
        // The buttons of the top row with their captions, each inside the
        // window and apart from the others and from the list.
        std::vector<uint32_t> tags;
        for (const p::BoutonLie& b : f.boutons) {
            tags.push_back(b.tag);
            EXPECT_EQ(b.coche, -1);
            EXPECT_TRUE(b.actif);
            EXPECT_TRUE(dedans(b.cadre, client))
                << b.tag << " right edge " << b.cadre.droite << " of " << client.droite;
            for (const p::BoutonLie& autre : f.boutons)
                if (autre.tag != b.tag) {
                    EXPECT_FALSE(seCoupent(b.cadre, autre.cadre)) << b.tag;
                }
        }
        EXPECT_EQ(tags, k.tags);
        EXPECT_EQ(f.boutons.at(0).libelle, "Ok");
        EXPECT_EQ(f.boutons.at(1).libelle, phraseDeNumero(11252));
        if (f.boutons.size() > 2) {
            EXPECT_EQ(f.boutons[2].libelle, phraseDeNumero(11251));
        }
        ASSERT_EQ(f.listes.size(), 1u);
        const p::ListeLiee& liste = f.listes[0];
        EXPECT_TRUE(dedans(liste.cadre, client));
        for (const p::BoutonLie& b : f.boutons)
            EXPECT_FALSE(seCoupent(b.cadre, liste.cadre)) << b.tag;
        EXPECT_EQ(liste.multiple, k.multiple);
        EXPECT_TRUE(liste.colonnes.empty());
        // One plain line per reminder: the object's name and its sentence,
        // without the marks of the mathematical text.
        ASSERT_EQ(liste.lignes.size(), c.items.size());
        const p::LigneListe& a = liste.lignes.at(std::size_t(ligneDe("A")));
        EXPECT_EQ(a.cellules, std::vector<std::string>{"A point libre dans l'espace"});
        for (const p::LigneListe& l : liste.lignes) {
            ASSERT_EQ(l.cellules.size(), 1u);
            EXPECT_EQ(l.cellules[0].find_first_of("\\$"), std::string::npos) << l.cellules[0];
            EXPECT_EQ(l.niveau, 0);
        }
        if (k.commande == 77) {
            EXPECT_EQ(liste.lignes[0].cellules[0], phraseDeNumero(4416));
        }
        std::vector<bool> attendue(c.items.size(), false);
        for (const char* nom : k.selectionnes)
            attendue.at(std::size_t(ligneDe(nom))) = true;
        std::vector<bool> montree;
        for (const p::LigneListe& l : liste.lignes)
            montree.push_back(l.selectionnee);
        EXPECT_EQ(montree, attendue);
        p::envoieMessage(c.fenetre, p::WM_KEYDOWN, p::VK_ESCAPE, 0);
        p::distribueJusquAuRepos();
        EXPECT_EQ(choixRappels(), nullptr);
        KMDetruitFigure(n);
        p::distribueJusquAuRepos();
    }
}

TEST_F(FormesRappels, ASelectionFromTheToolkitIsThePickersOwnAndOkTakesIt) {
    figureDeTexte(kTroisPoints);
    fig().ensembleTrace.set(std::size_t(numero("C")));
    commande(84);
    const p::OperationsForme& o = operations();
    ASSERT_TRUE(o.choisitLignes);
    // Several lines at once, one of them taken off.
    o.choisitLignes(kListeChoixRappels, lignesDe({"A", "B"}));
    EXPECT_EQ(choix().selection, lignesDe({"A", "B"}));
    selectionMontree();
    // Another list's number, or a selection longer than the list, is no harm.
    o.choisitLignes(kListeChoixRappels + 1, lignesDe({"C"}));
    std::vector<bool> longue = lignesDe({"A", "B"});
    longue.resize(longue.size() + 5, true);
    o.choisitLignes(kListeChoixRappels, longue);
    EXPECT_EQ(choix().selection, lignesDe({"A", "B"}));
    // The OK button's command ends the pick with those lines.
    envoie(kTagRappelsOk);
    EXPECT_EQ(choixRappels(), nullptr);
    TEnsembleObjets attendu;
    attendu.set(std::size_t(numero("A")));
    attendu.set(std::size_t(numero("B")));
    EXPECT_EQ(fig().ensembleTrace, attendu);
}

TEST_F(FormesRappels, APickerOfOneLineKeepsOneLineWhateverTheToolkitSends) {
    figureDeTexte(kTroisPoints);
    fig().objetLibreActif = uint8_t(numero("A"));
    commande(77);
    const p::OperationsForme& o = operations();
    ASSERT_TRUE(o.choisitLignes);
    struct Cas {
        const char* nom;
        std::vector<const char*> envoyes;
        const char* choisi; // the picker's only line after it
    };
    for (const Cas& k : {Cas{"a new line beside the old one", {"A", "B"}, "B"},
                         Cas{"the new line alone", {"A"}, "A"}, Cas{"nothing", {}, "A"}}) {
        SCOPED_TRACE(k.nom);
        std::vector<bool> envoyee(choix().items.size(), false);
        for (const char* nom : k.envoyes)
            envoyee.at(std::size_t(ligneDe(nom))) = true;
        o.choisitLignes(kListeChoixRappels, envoyee);
        EXPECT_EQ(choix().selection, lignesDe({k.choisi}));
        selectionMontree();
    }
    o.choisitLignes(kListeChoixRappels, lignesDe({"B"}));
    envoie(kTagRappelsOk);
    EXPECT_EQ(fig().objetLibreActif, numero("B"));
}

TEST_F(FormesRappels, AnActivatedLineDoesWhatADoubleClickDoes) {
    figureDeTexte(kTroisPoints);
    const int a = numero("A"), b = numero("B");
    commande(107);
    const p::OperationsForme& o = operations();
    ASSERT_TRUE(o.activeLigne);
    // A line that is not there, or another list, ends nothing.
    for (const auto& [liste, ligne] :
         {std::pair{kListeChoixRappels, -1}, std::pair{kListeChoixRappels, int(choix().items.size())},
          std::pair{kListeChoixRappels + 1, ligneDe("A")}})
        o.activeLigne(liste, ligne);
    ASSERT_NE(choixRappels(), nullptr);
    EXPECT_FALSE(estObjetLibreBloque(objet(fig(), a)));
    const uint32_t fenetre = choix().fenetre;
    o.activeLigne(kListeChoixRappels, ligneDe("A"));
    p::distribueJusquAuRepos();
    EXPECT_EQ(choixRappels(), nullptr);
    EXPECT_EQ(p::formeLiee(fenetre), nullptr);
    EXPECT_TRUE(estObjetLibreBloque(objet(fig(), a)));
    EXPECT_FALSE(estObjetLibreBloque(objet(fig(), b)));

    // Beside the construction dialog the line answers the field and the
    // picker stays, its form with it.
    p::envoieMessage(forme, p::WM_COMMAND, 15, 0);
    p::distribueJusquAuRepos();
    TFenDialog* d = fenetreDialogue();
    ASSERT_NE(d, nullptr);
    p::envoieMessage(d->fenetre, p::WM_COMMAND, kTagRappels, 0);
    operations().activeLigne(kListeChoixRappels, ligneDe("B"));
    p::distribueJusquAuRepos();
    ASSERT_NE(choixRappels(), nullptr);
    EXPECT_EQ(d->champs[1].texte, "B");
    EXPECT_EQ(formeDe(choix().fenetre).listes.size(), 1u);
}

TEST_F(FormesRappels, ThePickerIsWideEnoughForItsButtons) {
    // Reminders narrower than the row of buttons.
    figureDeTexte(kTroisPoints);
    commande(77);
    ASSERT_LT(choix().largeurMax + 15, kCadreBoutonAide.droite);
    const p::Rectangle client = p::rectangleClient(choix().fenetre);
    EXPECT_GT(client.droite, kCadreBoutonAide.droite);
    // The lines are still under the buttons, inside the window.
    EXPECT_EQ(choix().cadreListe.haut, kCadreBoutonOk.bas);
    EXPECT_EQ(choix().cadreListe.droite, client.droite - 1);
    envoie(kTagRappelsAnnuler);

    // Beside the dialog the room left in the figure's window may be narrower
    // than the buttons: the picker ends at the figure's edge and its form
    // shows what is inside of each button.
    p::envoieMessage(forme, p::WM_COMMAND, 15, 0);
    p::distribueJusquAuRepos();
    ASSERT_NE(fenetreDialogue(), nullptr);
    p::envoieMessage(fenetreDialogue()->fenetre, p::WM_COMMAND, kTagRappels, 0);
    const p::Rectangle serre = p::rectangleClient(choix().fenetre);
    EXPECT_EQ(p::cadreFenetre(choix().fenetre).droite, rectangleClientFigure(n).droite);
    ASSERT_LT(serre.droite, kCadreBoutonAnnuler.droite);
    ASSERT_GT(serre.droite, kCadreBoutonAnnuler.gauche);
    const p::FormeLiee f = formeDe(choix().fenetre);
    ASSERT_EQ(f.boutons.size(), 2u);
    EXPECT_EQ(f.boutons[0].cadre, kCadreBoutonOk);
    EXPECT_EQ(f.boutons[1].cadre,
              (p::Rectangle{kCadreBoutonAnnuler.gauche, 0, serre.droite, kCadreBoutonAnnuler.bas}));
}

// A reminder too long for one line of the painted list is cut there; the
// toolkit's row reads it whole on one line, as the shorter point lines are
// read, without a mark where it was cut.
TEST_F(FormesRappels, ALongReminderReadsOnOneRowAsTheOtherLines) {
    KMappliqueLangue(2);
    figureDeTexte("Kalmetra figure (English)\r\n"
                  "A point with coordinates (0,0,0) in coordinate system Rxyz\r\n"
                  "D point with coordinates (2,1.1547005384,3.2659863237) in coordinate system Rxyz\r\n");
    KMMessage m{p::WM_KEYDOWN, p::VK_F1 + 1, 0, 0}; // F2
    traiteMessageKMParNumero(n, &m);
    p::distribueJusquAuRepos();
    TKMrappels* r = fenetreRappels();
    ASSERT_NE(r, nullptr);
    // The painted item is cut in two lines.
    EXPECT_NE(definitionObjetPourRappel(fig(), numero("D")).find('\r'), std::string::npos)
        << definitionObjetPourRappel(fig(), numero("D"));
    std::vector<std::string> lignes;
    const p::FormeLiee forme = formeDe(r->fenetre);
    ASSERT_EQ(forme.listes.size(), 1u);
    for (const p::LigneListe& l : forme.listes[0].lignes)
        lignes.push_back(l.cellules.at(0));
    for (const std::string attendue :
         {"A point with coordinates (0,0,0) in coordinate system Rxyz",
          "D point with coordinates (2,1.1547005384,3.2659863237) in coordinate system Rxyz"})
        EXPECT_NE(std::find(lignes.begin(), lignes.end(), attendue), lignes.end()) << attendue;
}

TEST_F(FormesRappels, TheRemindersFormShowsTheGroupsInOneListUnderTheLabels) {
    struct Cas {
        bool bloque, nonDefini;
        std::vector<uint16_t> labels; // from the top
    };
    for (const Cas& k : {Cas{true, true, {2532, 2533}}, Cas{false, true, {2533}}, Cas{false, false, {}}}) {
        SCOPED_TRACE(std::to_string(k.bloque) + std::to_string(k.nonDefini));
        figureDeTexte(kTroisPoints);
        if (k.bloque) changeDrapeauObjet(objet(fig(), numero("A")), 8, true);
        if (k.nonDefini) objet(fig(), numero("B")).nonDefini = 1;
        KMMessage m{p::WM_KEYDOWN, p::VK_F1 + 1, 0, 0}; // F2
        traiteMessageKMParNumero(n, &m);
        p::distribueJusquAuRepos();
        TKMrappels* r = fenetreRappels();
        ASSERT_NE(r, nullptr);
        const p::OperationsForme* o = p::formeLiee(r->fenetre);
        ASSERT_NE(o, nullptr);
        // The window only shows: nothing to select, no line to activate.
        EXPECT_FALSE(o->choisitLignes);
        EXPECT_FALSE(o->activeLigne);
        const p::FormeLiee f = o->etat();
        const p::Rectangle client = p::rectangleClient(r->fenetre);
        EXPECT_TRUE(f.boutons.empty());
        ASSERT_EQ(f.etiquettes.size(), k.labels.size());
        ASSERT_EQ(f.listes.size(), 1u);
        const p::ListeLiee& liste = f.listes[0];
        EXPECT_TRUE(dedans(liste.cadre, client)) << liste.cadre.bas << " " << client.bas;
        for (std::size_t i = 0; i < k.labels.size(); ++i) {
            const p::EtiquetteLiee& e = f.etiquettes[i];
            EXPECT_EQ(e.texte, phraseDeNumero(k.labels[i]));
            EXPECT_EQ(e.cadre.haut, 16 * int32_t(i));
            EXPECT_EQ(e.cadre.hauteur(), 16);
            EXPECT_TRUE(dedans(e.cadre, client));
            EXPECT_FALSE(seCoupent(e.cadre, liste.cadre));
        }
        // Four headings in their order, each followed by the reminders of its
        // group, as plain text, every line shown.
        std::vector<std::string> lignes;
        for (const p::LigneListe& l : liste.lignes) {
            ASSERT_EQ(l.cellules.size(), 1u);
            EXPECT_FALSE(l.selectionnee);
            EXPECT_EQ(l.niveau, 0);
            lignes.push_back(l.cellules[0]);
        }
        std::vector<std::string> attendues;
        for (const uint16_t titre : {11321, 11322, 11323, 11324}) {
            attendues.push_back(phraseDeNumero(titre));
            TEnsembleObjets groupe = titre == 11321   ? r->predefinis
                                     : titre == 11322 ? r->crees
                                     : titre == 11323 ? r->affichages
                                                      : r->commandes;
            for (int i = 1; i <= fig().nombreObjets; ++i)
                if (groupe.test(std::size_t(i)))
                    attendues.push_back(lectureTexteMath(definitionObjetPourRappel(fig(), i), true));
        }
        EXPECT_EQ(lignes, attendues);
        // The created points read plainly, with their marks.
        const auto crees = std::find(lignes.begin(), lignes.end(), phraseDeNumero(11322));
        ASSERT_LE(crees + 3, lignes.end());
        EXPECT_EQ(*(crees + 1), k.bloque ? "A point libre dans l'espace (*)" : "A point libre dans l'espace");
        EXPECT_EQ(*(crees + 2),
                  k.nonDefini ? "xx B point libre dans l'espace" : "B point libre dans l'espace");
        const uint32_t fenetre = r->fenetre;
        p::envoieMessage(fenetre, p::WM_CLOSE, 0, 0);
        p::distribueJusquAuRepos();
        EXPECT_EQ(fenetreRappels(), nullptr);
        EXPECT_EQ(p::formeLiee(fenetre), nullptr);
        KMDetruitFigure(n);
        p::distribueJusquAuRepos();
    }
}

// A toolkit whose list lines are taller and wider than the math texts: both
// lists take the room of the toolkit's lines, so that a real backend shows
// every line whole, and a click falls on the line the toolkit shows there.
TEST_F(FormesRappels, TheListsTakeTheRoomOfTheToolkitsLines) {
    constexpr int32_t kHauteurLigne = 40;
    auto largeurLigne = [](const std::string& texte) { return 9 * int32_t(texte.size()) + 12; };
    p::installeMesureur([&](p::GenreMesure genre, const std::string& texte, int) {
        return genre == p::GenreMesure::LigneListe ? p::TailleControle{largeurLigne(texte), kHauteurLigne}
                                                   : p::TailleControle{};
    });
    struct Remise {
        ~Remise() { p::installeMesureur({}); }
    } remise;
    figureDeTexte(kTroisPoints);

    // The picker of piloting: "aucun" and the free points.
    commande(77);
    const TFenRaPour& c = choix();
    const int nombre = int(c.items.size());
    ASSERT_GE(nombre, 3);
    int32_t plusLarge = 0;
    for (const TItemChaineMath& item : c.items) {
        ASSERT_LT(item.hauteur(), kHauteurLigne);
        plusLarge = std::max(plusLarge, largeurLigne(lectureTexteMath(item.texte)));
    }
    ASSERT_GT(plusLarge, c.items[1].largeur);
    EXPECT_EQ(c.largeurMax, plusLarge);
    EXPECT_GE(p::rectangleClient(c.fenetre).droite, plusLarge + 15);
    EXPECT_EQ(p::rectangleClient(c.fenetre).bas, c.hautListe + nombre * kHauteurLigne + 2);
    const p::Rectangle lignes = cadreDesLignes(c.defilement, c.cadreListe);
    for (int k = 0; k < nombre; ++k)
        EXPECT_EQ(ligneSousPoint(c, lignes.gauche + 20, lignes.haut + k * kHauteurLigne + kHauteurLigne - 2),
                  k);
    envoie(kTagRappelsAnnuler);

    // The reminders window: every line as the toolkit shows it, one pixel
    // apart.
    KMMessage f2{p::WM_KEYDOWN, p::VK_F1 + 1, 0, 0};
    traiteMessageKMParNumero(n, &f2);
    p::distribueJusquAuRepos();
    const TKMrappels* r = fenetreRappels();
    ASSERT_NE(r, nullptr);
    int32_t plusLargeRappel = 0;
    for (const TItemChaineMath& item : r->items)
        plusLargeRappel = std::max(plusLargeRappel, largeurLigne(lectureTexteMath(item.texte)));
    EXPECT_EQ(r->largeurMax, plusLargeRappel);
    EXPECT_EQ(r->hauteurTotale, int32_t(r->items.size()) * (kHauteurLigne + 1));
}

} // namespace
} // namespace km32::essais
