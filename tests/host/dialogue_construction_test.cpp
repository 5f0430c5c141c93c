// The construction dialog driven as a user drives it: a menu command opens
// it, answers are typed and objects designated with the mouse in the
// figure, Enter runs the command.
#include <gtest/gtest.h>

#include <set>

#include "../drawing/souris_banc.h"
#include "host/fenetres/dialogue/fenetre_dialogue.h"
#include "host/fenetres/dialogue/modeles_dialogue.h"
#include "host/fenetres/dialogue/preparation_dialogue.h"
#include "host/fenetres/rappels/choix_rappels.h"
#include "model/calcul/calcul_objet.h"
#include "model/catalogue.h"
#include "model/nombres_texte.h"
#include "model/prototypes/prototypes.h"
#include "phrases/phrase.h"
#include "platform/aide.h"
#include "platform/boites.h"
#include "platform/formes_liees.h"
#include "platform/image_bitmap.h"
#include "platform/minuteries.h"
#include "platform/presse_papiers.h"
#include "sibling/fenetres_tq.h"
#include "platform/surfaces_fenetres.h"
#include "sibling/table_partagee.h"
#include "sibling/texte_math.h"
#include "text/ecriture_figure.h"
#include "text/execution_dialogue.h"

namespace km32::essais {
namespace {

namespace p = platform;

const char* kPointsAB = "A point de coordonnées (0,0,0) dans le repère Rxyz\r\n"
                        "B point de coordonnées (4,2,6) dans le repère Rxyz\r\n";

class DialogueConstruction : public BancSouris {
  protected:
    TFenDialog& ouvre(uint16_t commande) {
        p::envoieMessage(forme, p::WM_COMMAND, commande, 0);
        p::distribueJusquAuRepos();
        TFenDialog* d = fenetreDialogue();
        EXPECT_NE(d, nullptr);
        return *d;
    }
    uint32_t fenetreDuDialogue() { return fenetreDialogue() ? fenetreDialogue()->fenetre : 0; }
    void tape(const std::string& texte) {
        for (char c : texte)
            p::envoieMessage(fenetreDuDialogue(), p::WM_CHAR, uint8_t(c), 0);
    }
    void touche(uint32_t vk) {
        p::envoieMessage(fenetreDuDialogue(), p::WM_KEYDOWN, vk, 0);
        p::distribueJusquAuRepos();
    }
    // Each answer typed in its field, Down to the next; Enter validates.
    void repondEtValide(std::initializer_list<const char*> reponses) {
        for (const char* reponse : reponses) {
            tape(reponse);
            touche(p::VK_DOWN);
        }
        touche(p::VK_RETURN);
    }
    void clique(const std::string& nom) {
        const p::Point e = ecran(pt(nom));
        enfonce(e.x, e.y);
        relache(e.x, e.y);
        p::distribueJusquAuRepos();
    }
    std::string champ(int k) { return fenetreDialogue()->champs[std::size_t(k)].texte; }
    std::string texteFigure() { return utf8DeWindows1252(ecritTexteFigure(fig())); }
};

// What a real backend shows as entries and buttons follows the record, and
// what the user types there goes into it: a midpoint made through them.
TEST_F(DialogueConstruction, TheBoundFormShowsTheFieldsAndTakesTheEntriesText) {
    figureDeTexte(kPointsAB);
    TFenDialog& d = ouvre(15);
    const p::OperationsForme* o = p::formeLiee(d.fenetre);
    ASSERT_NE(o, nullptr);
    p::FormeLiee forme = o->etat();
    ASSERT_EQ(forme.champs.size(), 2u);
    for (const p::ChampLie& c : forme.champs) {
        SCOPED_TRACE(c.numero);
        EXPECT_EQ(c.cadre, d.champs[std::size_t(c.numero)].cadre);
        EXPECT_EQ(c.courant, c.numero == 1);
    }
    std::set<uint32_t> tags;
    for (const p::BoutonLie& b : forme.boutons)
        tags.insert(b.tag);
    EXPECT_TRUE(tags.count(kTagOk) && tags.count(kTagAnnuler)) << tags.size();

    o->changeTexte(1, "[AB]");
    EXPECT_EQ(champ(1), "[AB]");
    // A text longer than the field takes is refused; the field keeps its own.
    o->changeTexte(1, std::string(d.champs[1].longueurMax + 1u, 'x'));
    EXPECT_EQ(champ(1), "[AB]");
    o->prendFocus(2);
    EXPECT_EQ(fenetreDialogue()->ligneCourante, 2);
    forme = o->etat();
    EXPECT_TRUE(forme.champs[1].courant);
    EXPECT_EQ(forme.champs[0].texte, "[AB]");
    o->changeTexte(2, "M");
    // The OK button sends its tag.
    p::envoieMessage(d.fenetre, p::WM_COMMAND, kTagOk, 0);
    p::distribueJusquAuRepos();
    EXPECT_EQ(fenetreDialogue(), nullptr);
    ASSERT_GT(numero("M"), 0);
    attendPres(pt("M"), 2, 1, 3, 1e-12); // (A + B) / 2
}

// Every dialog shows its reminders button inside the form, clear of the
// fields, the palette and the row of buttons; pressed, it opens the picker
// beside the dialog for the current field.
TEST_F(DialogueConstruction, TheBoundFormOffersTheRemindersButtonInEveryDialog) {
    figureDeTexte(std::string(kPointsAB) + "r = 2\r\n");
    auto seCroisent = [](const p::Rectangle& a, const p::Rectangle& b) {
        return a.gauche < b.droite && b.gauche < a.droite && a.haut < b.bas && b.haut < a.bas;
    };
    for (uint16_t commande : {15, 172}) { // midpoint (no palette), sphere (palette)
        SCOPED_TRACE(commande);
        TFenDialog& d = ouvre(commande);
        const p::OperationsForme* o = p::formeLiee(d.fenetre);
        ASSERT_NE(o, nullptr);
        const p::FormeLiee forme = o->etat();
        const p::BoutonLie* rappels = nullptr;
        for (const p::BoutonLie& b : forme.boutons)
            if (b.tag == kTagRappels) rappels = &b;
        ASSERT_NE(rappels, nullptr);
        const p::Rectangle r = rappels->cadre;
        EXPECT_GE(r.gauche, 0);
        EXPECT_LE(r.droite, d.largeur);
        EXPECT_LE(r.bas, d.hauteur);
        for (const p::ChampLie& c : forme.champs)
            EXPECT_FALSE(seCroisent(r, c.cadre)) << "field " << c.numero;
        for (const p::BoutonLie& b : forme.boutons) {
            if (b.tag != kTagRappels) {
                EXPECT_FALSE(seCroisent(r, b.cadre)) << "button " << b.tag;
            }
        }
        if (d.paletteActive) {
            EXPECT_FALSE(seCroisent(r, cadrePalette(d.palette)));
        }

        // Pressed, as the toolkit reports it: the picker for the field.
        p::envoieMessage(d.fenetre, p::WM_COMMAND, rappels->tag, 0);
        ASSERT_TRUE(choixRappelsPourDialogue());
        EXPECT_EQ(choixRappels()->regle, d.dialogue.lignes[d.ligneCourante].genreReponse);
        touche(p::VK_ESCAPE);
        EXPECT_EQ(fenetreDialogue(), nullptr);
        EXPECT_FALSE(choixRappelsPourDialogue());
    }
}

// The option and unit lists are the form's combo boxes, numbered by their
// tags, where the dialog lays them out; a choice in the toolkit's combo is
// the list's own choice, and the command runs with it.
TEST_F(DialogueConstruction, TheBoundFormShowsTheListsAsCombosAndTakesTheirChoice) {
    struct Cas {
        uint16_t commande;
        std::vector<uint32_t> combos; // the tags of the combos shown
    };
    const Cas cas[] = {{15, {}}, {133, {kTagListeOptions}}, {124, {kTagListeOptions, kTagListeUnites}}};
    figureDeTexte(std::string(kPointsAB) + "R repère (B,vec(i),vec(j),vec(k))\r\n");
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.commande);
        TFenDialog& d = ouvre(c.commande);
        const p::OperationsForme* o = p::formeLiee(d.fenetre);
        ASSERT_NE(o, nullptr);
        ASSERT_TRUE(o->choisitElement);
        const p::FormeLiee forme = o->etat();
        std::vector<uint32_t> tags;
        const p::Rectangle client = p::rectangleClient(d.fenetre);
        for (const p::ComboLie& combo : forme.combos) {
            tags.push_back(uint32_t(combo.numero));
            const TListeDialogue& l = combo.numero == int(kTagListeOptions) ? d.listeOptions : d.listeUnites;
            EXPECT_EQ(combo.elements, l.entrees);
            EXPECT_EQ(combo.choisi, 0);
            EXPECT_EQ(combo.cadre, l.cadre);
            EXPECT_TRUE(combo.cadre.droite <= client.droite && combo.cadre.bas <= client.bas &&
                        !combo.cadre.estVide());
            for (const p::ChampLie& champ : forme.champs)
                EXPECT_TRUE(champ.cadre.haut >= combo.cadre.bas || champ.cadre.bas <= combo.cadre.haut)
                    << champ.numero;
        }
        EXPECT_EQ(tags, c.combos);
        if (forme.combos.size() == 2) {
            EXPECT_LE(forme.combos[0].cadre.droite, forme.combos[1].cadre.gauche);
        }
        touche(p::VK_ESCAPE);
        ASSERT_EQ(fenetreDialogue(), nullptr);
    }
    // The frame chosen in the combo: the point is placed in it.
    TFenDialog& d = ouvre(133);
    const p::OperationsForme* o = p::formeLiee(d.fenetre);
    ASSERT_EQ(d.listeOptions.entrees, (std::vector<std::string>{"Rxyz", "R"}));
    o->choisitElement(kTagListeOptions, 1);
    EXPECT_EQ(d.listeOptions.choix, 1);
    EXPECT_EQ(o->etat().combos.at(0).choisi, 1);
    // An entry the list lacks, or a number that is no combo, changes nothing.
    for (const auto& [numero, element] :
         {std::pair{int(kTagListeOptions), 2}, std::pair{int(kTagListeOptions), -1}, std::pair{1, 0},
          std::pair{int(kTagListeUnites), 0}})
        o->choisitElement(numero, element);
    EXPECT_EQ(d.listeOptions.choix, 1);
    repondEtValide({"1", "2", "3", "P"});
    EXPECT_EQ(fenetreDialogue(), nullptr);
    attendPres(pt("P"), 5, 4, 9, 1e-12); // B + (1, 2, 3)
}

TEST_F(DialogueConstruction, MidpointByDesignationAndTypingCreatesTheObjectAndItsLine) {
    figureDeTexte(kPointsAB);
    TFenDialog& d = ouvre(15);
    EXPECT_EQ(TQTableDesVariablesPartagees()->codeAnnexe, kAnnexeDialogue);
    EXPECT_EQ(d.dialogue.nombreLignes, 2);
    EXPECT_EQ(d.titre, phraseDeNumero(4515));
    clique("A");
    clique("B");
    EXPECT_EQ(champ(1), "AB");
    touche(p::VK_DOWN);
    EXPECT_EQ(fenetreDialogue()->ligneCourante, 2);
    tape("M");
    touche(p::VK_RETURN);
    EXPECT_EQ(fenetreDialogue(), nullptr);
    EXPECT_EQ(TQTableDesVariablesPartagees()->codeAnnexe, 0);
    const int m = numero("M");
    ASSERT_GT(m, 0);
    EXPECT_EQ(objet(fig(), m).codeConstruction, 15);
    attendPres(pt("M"), 2, 1, 3, 1e-12); // (A + B) / 2
    EXPECT_NE(texteFigure().find("M milieu du segment [AB]"), std::string::npos);
    // The figure remembers the dialog that ran, and frees its record.
    EXPECT_EQ(fig().commandeDialoguePrecedente, 15);
    EXPECT_FALSE(fig().dialogue);
}

TEST_F(DialogueConstruction, ARejectedAnswerKeepsTheDialogOpenOnItsLineWithTheMessage) {
    figureDeTexte(kPointsAB);
    const int avant = fig().nombreObjets;
    ouvre(15);
    tape("AZ");
    touche(p::VK_DOWN);
    tape("M");
    p::boitesDemandees().clear();
    touche(p::VK_RETURN);
    ASSERT_NE(fenetreDialogue(), nullptr);
    EXPECT_EQ(fenetreDialogue()->ligneCourante, 1);
    ASSERT_FALSE(p::boitesDemandees().empty());
    EXPECT_NE(p::boitesDemandees().back().texte.find("Z"), std::string::npos);
    EXPECT_EQ(fig().nombreObjets, avant);
    // The answers stay, and a corrected one runs.
    EXPECT_EQ(champ(2), "M");
    p::envoieMessage(fenetreDuDialogue(), p::WM_CHAR, 8, 0);
    tape("B");
    EXPECT_EQ(champ(1), "AB");
    touche(p::VK_RETURN);
    EXPECT_EQ(fenetreDialogue(), nullptr);
    EXPECT_GT(numero("M"), 0);
}

TEST_F(DialogueConstruction, AnEmptyAnswerIsRefusedBeforeAnythingRuns) {
    figureDeTexte(kPointsAB);
    ouvre(15);
    tape("AB");
    p::boitesDemandees().clear();
    touche(p::VK_RETURN);
    ASSERT_NE(fenetreDialogue(), nullptr);
    EXPECT_EQ(fenetreDialogue()->ligneCourante, 2);
    ASSERT_EQ(p::boitesDemandees().size(), 1u);
    EXPECT_EQ(p::boitesDemandees()[0].texte, phraseDeNumero(11306));
    EXPECT_EQ(p::boitesDemandees()[0].titre, phraseDeNumero(11307));
}

TEST_F(DialogueConstruction, KeysPaletteAndCancelledDesignationLeaveTheFieldsAsTheRulesSay) {
    figureDeTexte(kPointsAB);
    ouvre(15);
    // Down on the last field goes back to the first; Up from the first to the last.
    touche(p::VK_DOWN);
    touche(p::VK_DOWN);
    EXPECT_EQ(fenetreDialogue()->ligneCourante, 1);
    touche(p::VK_UP);
    EXPECT_EQ(fenetreDialogue()->ligneCourante, 2);
    touche(p::VK_UP);
    tape("A");
    // A cancelled designation inserts nothing.
    fig().ensembleDesigne.set(std::size_t(numero("B")));
    p::envoieMessage(fenetreDuDialogue(), kMessageDesignationDialogue, 0, kDesignationAnnulee);
    EXPECT_EQ(champ(1), "A");
    // A palette click on a field that is not an expression inserts nothing.
    TFenDialog& d = *fenetreDialogue();
    const p::Rectangle r = d.palette.cellules.at(0);
    p::envoieMessage(d.fenetre, p::WM_LBUTTONDOWN, 0, p::lParamDeCoordonnees(r.gauche + 2, r.haut + 2));
    EXPECT_EQ(champ(1), "A");
    // Escape cancels: nothing is created and the slot is free again.
    const int avant = fig().nombreObjets;
    touche(p::VK_ESCAPE);
    EXPECT_EQ(fenetreDialogue(), nullptr);
    EXPECT_EQ(fig().nombreObjets, avant);
    EXPECT_EQ(TQTableDesVariablesPartagees()->codeAnnexe, 0);
}

// A designation that ends the pick closes the reminder picker the dialog
// opened; one that keeps the pick going leaves it open. Both insert the name.
TEST_F(DialogueConstruction, ADesignationClosesThePickerUnlessThePickGoesOn) {
    figureDeTexte(kPointsAB);
    TFenDialog& d = ouvre(15);
    p::envoieMessage(d.fenetre, p::WM_COMMAND, kTagRappels, 0);
    ASSERT_TRUE(choixRappelsPourDialogue());
    fig().ensembleDesigne.reset();
    fig().ensembleDesigne.set(std::size_t(numero("A")));
    p::envoieMessage(d.fenetre, kMessageDesignationDialogue, 0, kDesignationContinue);
    EXPECT_TRUE(choixRappelsPourDialogue());
    EXPECT_EQ(champ(1), "A");
    fig().ensembleDesigne.reset();
    fig().ensembleDesigne.set(std::size_t(numero("B")));
    p::envoieMessage(d.fenetre, kMessageDesignationDialogue, 0, kDesignationTerminee);
    EXPECT_FALSE(choixRappelsPourDialogue());
    EXPECT_EQ(champ(1), "AB");
}

TEST_F(DialogueConstruction, PaletteEntriesGoIntoAnExpressionField) {
    figureDeTexte(std::string(kPointsAB) + "r = 2\r\n");
    TFenDialog& d = ouvre(172); // sphere: centre, radius (an expression), name
    ASSERT_TRUE(d.paletteActive);
    touche(p::VK_DOWN);
    ASSERT_TRUE(d.dialogue.lignes[d.ligneCourante].champExpression);
    const p::Rectangle r = d.palette.cellules.at(0);
    p::envoieMessage(d.fenetre, p::WM_LBUTTONDOWN, 0, p::lParamDeCoordonnees(r.gauche + 2, r.haut + 2));
    EXPECT_EQ(champ(2), "PI");
}

TEST_F(DialogueConstruction, ModifyingAnObjectOpensItsDialogPrefilledInPatternOrder) {
    figureDeTexte(std::string(kPointsAB) + "C point de coordonnées (0,4,0) dans le repère Rxyz\r\n"
                                           "s sphère de centre C et de rayon 3 (unité de longueur Uxyz)\r\n"
                                           "M milieu du segment [AB]\r\n");
    ouvre(91);
    tape("M");
    touche(p::VK_RETURN);
    TFenDialog* d = fenetreDialogue();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(fig().commandeDialogue, 15);
    EXPECT_EQ(champ(1), "AB");
    EXPECT_EQ(champ(2), "M");
    // Changed answers redefine the object.
    p::envoieMessage(d->fenetre, p::WM_COMMAND, 1, 0);
    for (int k = 0; k < 2; ++k)
        p::envoieMessage(d->fenetre, p::WM_CHAR, 8, 0);
    tape("BC");
    touche(p::VK_RETURN);
    EXPECT_EQ(fenetreDialogue(), nullptr);
    attendPres(pt("M"), 2, 3, 3, 1e-12); // (B + C) / 2
}

TEST_F(DialogueConstruction, CommandNinetyOneRefusesBuiltInAndUnknownNames) {
    figureDeTexte(kPointsAB);
    struct Cas {
        const char* nom;
        uint16_t erreur;
    };
    for (const Cas& c : {Cas{"Rxyz", 606}, Cas{"Q", 537}}) {
        SCOPED_TRACE(c.nom);
        ouvre(91);
        tape(c.nom);
        p::boitesDemandees().clear();
        touche(p::VK_RETURN);
        ASSERT_NE(fenetreDialogue(), nullptr);
        ASSERT_FALSE(p::boitesDemandees().empty());
        std::string attendu = phraseDeNumero(c.erreur);
        attendu.replace(attendu.find("#1"), 2, c.nom);
        EXPECT_EQ(p::boitesDemandees().back().texte, attendu);
        touche(p::VK_ESCAPE);
    }
}

TEST_F(DialogueConstruction, DisplayAndCommandNamesTakeTheFirstFreeNumber) {
    figureDeTexte(std::string(kPointsAB) + "Af0 affichage du texte: un\r\nAf1 affichage du texte: deux\r\n");
    TFenDialog& d = ouvre(126);
    EXPECT_EQ(champ(d.dialogue.nombreLignes), "Af2");
    touche(p::VK_ESCAPE);
    TFenDialog& e = ouvre(76);
    EXPECT_EQ(champ(e.dialogue.nombreLignes), "Cm0");
}

// The hint under the title tells how to write the answers the command
// expects, and the form is wide enough for it.
TEST_F(DialogueConstruction, TheHintUnderTheTitleFitsTheCommand) {
    figureDeTexte(kPointsAB);
    const std::pair<uint16_t, const char*> cas[] = {
        {21, "Exemple: (A,-2) (B,3)"},
        {72, "On utilisera ENTREE pour laisser chaque trace"},
        {149, "La vue actuelle sera mémorisée"},
        {155, "Donner les sommets dans l'ordre du contour"},
        {214, "Utiliser X,Y et Z. Exemple: 2X-3Y+Z+5=0"},
        {15, ""},
    };
    for (const auto& [commande, indice] : cas) {
        SCOPED_TRACE(commande);
        TFenDialog& d = ouvre(commande);
        EXPECT_EQ(utf8DeWindows1252(texteSousTitre(fig(), d.dialogue)), indice);
        EXPECT_EQ(d.hauteurSousTitre > 0, indice[0] != '\0');
        touche(p::VK_ESCAPE);
    }
}

TEST_F(DialogueConstruction, LengthUnitListsOnlyWhenTheFigureHasAUserUnit) {
    figureDeTexte(kPointsAB);
    TfigureKalmetra& f = fig();
    f.commandeDialogue = 172;
    prepareDialogueCommande(f);
    EXPECT_EQ(f.dialogue->genreOptions, '/');
    EXPECT_EQ(f.dialogue->lignes[0].longueurReponse, 0);
    f.commandeDialogue = 8;
    prepareDialogueCommande(f);
    EXPECT_EQ(f.dialogue->ligneUniteAjoutee, 0);
    // With a unit of the user's, both appear, the chosen unit first.
    ASSERT_EQ(
        executeTexteDeFigure(f, windows1252DeUtf8("u unité de longueur (vecteur unitaire vec(A,B))\r\n"), 1),
        0);
    f.commandeDialogue = 172;
    prepareDialogueCommande(f);
    EXPECT_EQ(f.dialogue->lignes[0].reponse, "Uxyz;u");
    EXPECT_EQ(f.dialogue->lignes[0].longueurReponse, 4);
    f.commandeDialogue = 8;
    prepareDialogueCommande(f);
    EXPECT_EQ(f.dialogue->ligneUniteAjoutee, 1);
    EXPECT_EQ(f.dialogue->lignes[std::size_t(f.dialogue->nombreLignes + 1)].reponse, "Uxyz;u");
}

// Every dialog model agrees with the sentence pattern of its construction:
// one answer line per operand, the option list taking the frame or unit
// operand, the two-solution intersections without their solution number,
// and the name of the new object last.
TEST(ModelesDialogue, EveryConstructionOfTheMenusHasOneLinePerOperand) {
    for (const TModeleDialogue& m : modelesDialogue()) {
        if (!existeConstruction(uint8_t(m.commande)) || m.commande > 255) continue;
        SCOPED_TRACE(m.commande);
        const std::string motif = phraseDeNumero(phraseDeConstruction(uint8_t(m.commande), false));
        std::set<char> places;
        for (std::size_t k = 0; k + 1 < motif.size(); ++k)
            if (motif[k] == '#' && motif[k + 1] >= '1' && motif[k + 1] <= '9') places.insert(motif[k + 1]);
        int attendues = int(places.size());
        if (m.options != '-') --attendues;
        if (m.commande == 11 || m.commande == 13 || m.commande == 202) --attendues;
        EXPECT_EQ(m.nombreLignes, attendues) << motif;
        EXPECT_LE(m.nombreLignes, kMaxLignesDialogue);
    }
}

} // namespace
} // namespace km32::essais

namespace km32::essais {
namespace {

// A known-good line per construction: its object is described back into the
// dialog's answers (as a modification does), the name answer changed, and
// the run creates a twin: same construction, parents and values.
struct LigneConnue {
    const char* ligne; // French, UTF-8
};

const LigneConnue kLignesConnues[] = {
    {"M milieu du segment [AB]"},
    {"G centre de gravité du triangle ABC"},
    {"H orthocentre du triangle ABC"},
    {"O centre du cercle circonscrit au triangle ABC"},
    {"d droite (AB)"},
    {"e droite parallèle à (AB) passant par C"},
    {"w2 cercle circonscrit au triangle ABC"},
    {"q plan (ABC)"},
    {"q plan médiateur du segment [AB]"},
    {"s sphère de centre A et de rayon 2 (unité de longueur Uxyz)"},
    {"P point de coordonnées (1,2,3) dans le repère Rxyz"},
    {"E image de C par la symétrie de centre B"},
    {"F image de C par l'homothétie de centre A et de rapport -2"},
    {"I point d'intersection de la droite (AB) et du plan (BCD)"},
    {"K projeté orthogonal de C sur la droite (AB)"},
    {"T2 polyèdre convexe de sommets A,B,C,D"},
    {"x = AB+1"},
    {"t translation de vecteur vec(A,B)"},
    {"v distance du point C à la droite (AB) (unité de longueur Uxyz)"},
    {"h abscisse du point C (repère Rxyz)"},
    {"L segment [AB]"},
    {"N point libre sur le segment [AB]"},
    {"c cercle d'axe (AB) passant par C"},
    {"r droite perpendiculaire au plan (ABC) passant par D"},
    {"Q plan passant par D et perpendiculaire à la droite (AB)"},
    {"m mesure de l'angle géométrique ABC en degré"},
    {"u unité de longueur (vecteur unitaire vec(A,B))"},
    {"E image de C par la translation de vecteur vec(A,B)"},
    {"E image de C par la symétrie d'axe (AB)"},
    {"E image de C dans la symétrie par rapport au plan (ABD)"},
    {"E projeté orthogonal de C sur le plan (ABD)"},
    {"h2 demi-droite d'origine A passant par B"},
    {"e droite perpendiculaire à la droite (AB) passant par C"},
    {"e droite passant par C et de vecteur directeur vec(A,B)"},
    {"g cercle de centre A passant par C dans le plan (ABC)"},
    {"E point libre dans le plan (ABC)"},
    {"Y polygone convexe de sommets A,B,C"},
    {"e droite d'intersection des plans (ABC) et (ABD)"},
    {"Q plan défini par le point D et la droite (AB)"},
    {"y aire du triangle ABC (unité de longueur Uxyz)"},
    {"E point libre sur la droite (AB)"},
    {"i1 cercle inscrit dans le triangle ABC"},
    {"a réel libre de [0,5]"},
    {"n entier libre de [0,10]"},
    {"w cercle circonscrit au triangle ABD\r\nE point d'intersection 1 de la droite (AB) et du cercle w"},
    {"s sphère de centre A et de rayon 3 (unité de longueur Uxyz)\r\n"
     "E point d'intersection 1 de la droite (AB) et de la sphère s"},
};

class DialogueParLigne : public DialogueConstruction, public ::testing::WithParamInterface<LigneConnue> {};

TEST_P(DialogueParLigne, TheDialogFilledWithTheLineOperandsCreatesTheSameObject) {
    figureDeTexte(std::string(kPointsAB) +
                  "C point de coordonnées (0,4,0) dans le repère Rxyz\r\n"
                  "D point de coordonnées (1,1,5) dans le repère Rxyz\r\n" +
                  GetParam().ligne + "\r\n");
    TfigureKalmetra& f = fig();
    const int x = f.nombreObjets;
    const uint8_t code = objet(f, x).codeConstruction;
    SCOPED_TRACE(int(code));
    ASSERT_NE(modeleDialogue(code), nullptr);
    f.objetDialogue = uint8_t(x);
    prepareDialogueObjet(f);
    f.commandeDialoguePrecedente = kCommandeModifier;
    prepareDialogueCommande(f);
    TDialogueObjet& d = *f.dialogue;
    ASSERT_GE(d.nombreLignes, 1);
    EXPECT_EQ(d.lignes[d.nombreLignes].reponse, nomObjet(f, x));
    d.lignes[d.nombreLignes].reponse = "Z";
    ASSERT_TRUE(executeCommandeDuDialogue(f))
        << (p::boitesDemandees().empty() ? "" : p::boitesDemandees().back().texte) << " / "
        << argumentsDuDialogue(f);
    const int z = numero("Z");
    ASSERT_GT(z, x);
    const TObjetFigure &a = objet(f, x), &b = objet(f, z);
    EXPECT_EQ(b.codeConstruction, a.codeConstruction);
    ASSERT_EQ(b.nombreParents, a.nombreParents);
    for (int k = 1; k <= a.nombreParents; ++k)
        EXPECT_EQ(parentObjet(f, z, k), parentObjet(f, x, k));
    ASSERT_EQ(b.nombreValeurs, a.nombreValeurs);
    // Free objects draw their place at random; the others are computed.
    if (!estObjetLibre(a)) {
        for (int k = 1; k <= a.nombreValeurs; ++k)
            EXPECT_NEAR(valeurObjet(f, z, k), valeurObjet(f, x, k), 1e-9) << "value " << k;
    }
}

INSTANTIATE_TEST_SUITE_P(Constructions, DialogueParLigne, ::testing::ValuesIn(kLignesConnues));

} // namespace
} // namespace km32::essais

namespace km32::essais {
namespace {

TEST_F(DialogueConstruction, TheHostLineDialogOpensTheDialogThroughTheExports) {
    figureDeTexte(kPointsAB);
    KMExecuteLigneFigEtRedessine(n, "Dialog: 2-1-8"); // the menu path of the midpoint
    p::distribueJusquAuRepos();
    ASSERT_NE(fenetreDialogue(), nullptr);
    EXPECT_EQ(fig().commandeDialogue, 15);
    // The mouse of the figure now designates for the dialog instead of dragging.
    clique("B");
    EXPECT_EQ(champ(1), "B");
}

TEST_F(DialogueConstruction, APrototypeDialogAsksTheGivenObjectsWithThePrototypePrompts) {
    figureDeTexte(std::string(kPointsAB) + "Début de [Milieu]\r\nA point donné\r\nB point donné\r\n"
                                           "M milieu du segment [AB]\r\nDescription de l'interface\r\n"
                                           "M milieu de AB\r\nPremier point:\r\nSecond point:\r\n"
                                           "Nom du milieu:\r\nFin de [Milieu]\r\n");
    TFenDialog& d = ouvre(1001);
    EXPECT_EQ(d.titre, "Milieu");
    ASSERT_EQ(d.dialogue.nombreLignes, 3);
    EXPECT_EQ(d.dialogue.commande, kCommandeUsagePrototype);
    EXPECT_EQ(d.dialogue.lignes[1].texteInvite, "Premier point:");
    EXPECT_EQ(d.dialogue.lignes[3].texteInvite, "Nom du milieu:");
    tape("A");
    touche(p::VK_DOWN);
    tape("B");
    touche(p::VK_DOWN);
    tape("I");
    touche(p::VK_RETURN);
    EXPECT_EQ(fenetreDialogue(), nullptr);
    ASSERT_GT(numero("I"), 0);
    attendPres(pt("I"), 2, 1, 3, 1e-12);
}

// A prototype whose given object is a segment, made by command 95 from a
// named segment of the figure: it is written with its given-segment line,
// read back, and used on a segment given by name or by its two points.
TEST_F(DialogueConstruction, APrototypeWithAGivenSegmentIsMadeWrittenReadAndUsed) {
    figureDeTexte(std::string(kPointsAB) + "s segment [AB]\r\nM milieu du segment s\r\n"
                                           "C point de coordonnées (2,8,0) dans le repère Rxyz\r\n"
                                           "D point de coordonnées (6,0,4) dans le repère Rxyz\r\n"
                                           "t segment [CD]\r\n");
    ouvre(95);
    repondEtValide({"Milieu de segment", "s", "M", "M milieu de s"});
    ASSERT_EQ(fenetreDialogue(), nullptr)
        << (p::boitesDemandees().empty() ? "" : p::boitesDemandees().back().texte);
    ASSERT_NE(prototypeDe(fig(), 1), nullptr);
    KMExecuteLigneFig(n, "I milieu de t\r\nJ milieu de [AD]\r\n");
    ASSERT_EQ(KMLigneEnErreur(n), 0);
    attendPres(pt("I"), 4, 4, 2, 1e-12); // (C + D) / 2
    attendPres(pt("J"), 3, 0, 2, 1e-12); // (A + D) / 2
    const std::string texte = texteFigure();
    EXPECT_NE(texte.find("\r\ns segment donné\r\n"), std::string::npos) << texte;
    // Read back in place of the figure: the same prototype and results.
    KMExecuterTexte(n, windows1252DeUtf8(texte).c_str());
    ASSERT_EQ(KMLigneEnErreur(n), 0);
    attendPres(pt("I"), 4, 4, 2, 1e-12);
    attendPres(pt("J"), 3, 0, 2, 1e-12);
    EXPECT_EQ(texteFigure(), texte);
    // Used on the segment it was made from, it gives M again.
    KMExecuteLigneFig(n, "K milieu de s\r\n");
    ASSERT_EQ(KMLigneEnErreur(n), 0);
    attendPres(pt("K"), 2, 1, 3, 1e-12);
}

TEST_F(DialogueConstruction, AFailedCommandLeavesTheFigureAsItWas) {
    figureDeTexte(std::string(kPointsAB) + "M milieu du segment [AB]\r\na réel libre de [0,5]\r\n");
    struct Cas {
        uint16_t commande;
        std::vector<std::string> reponses;
        uint16_t erreur;
        uint8_t ligne;
    };
    const Cas cas[] = {
        {100, {"49"}, 624, 1},     {100, {"60001"}, 624, 1},    {100, {"100.5"}, 624, 1},
        {194, {"0", "0"}, 669, 2}, {194, {"2.5", "0"}, 624, 1}, {90, {"A B", "P Q R"}, 602, 2},
        {69, {"M", "B"}, 604, 1},  {68, {"a", "1+"}, 0, 2},
    };
    const std::string avant = ecritTexteFigure(fig());
    const uint16_t intervalle = fig().intervalleHorloge;
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.commande);
        ouvre(c.commande);
        for (std::size_t k = 0; k < c.reponses.size(); ++k) {
            p::envoieMessage(fenetreDuDialogue(), p::WM_COMMAND, uint32_t(k + 1), 0);
            tape(c.reponses[k]);
        }
        p::boitesDemandees().clear();
        touche(p::VK_RETURN);
        ASSERT_NE(fenetreDialogue(), nullptr);
        EXPECT_EQ(fenetreDialogue()->ligneCourante, c.ligne);
        ASSERT_FALSE(p::boitesDemandees().empty());
        if (c.erreur != 0) {
            const std::string phrase = phraseDeNumero(c.erreur);
            const std::string debut = phrase.substr(0, phrase.find('#'));
            EXPECT_EQ(p::boitesDemandees().back().texte.substr(0, debut.size()), debut);
        }
        touche(p::VK_ESCAPE);
        EXPECT_EQ(ecritTexteFigure(fig()), avant);
        EXPECT_EQ(fig().intervalleHorloge, intervalle);
    }
}

TEST_F(DialogueConstruction, TheClockIntervalRestartsARunningClock) {
    figureDeTexte(kPointsAB);
    TfigureKalmetra& f = fig();
    f.horlogeEnMarche = 1;
    p::lanceMinuterie(f.fenetreDessin, 271, f.intervalleHorloge);
    f.commandeDialogue = 100;
    prepareDialogueCommande(f);
    f.dialogue->lignes[1].reponse = "1000";
    ASSERT_TRUE(executeCommandeDuDialogue(f));
    EXPECT_EQ(f.intervalleHorloge, 1000);
    EXPECT_EQ(p::intervalleMinuterie(f.fenetreDessin, 271), 1000u);
}

// Placing a free point by coordinates (command 70) reads its fields in the
// order of the typed line: the point (line 1), the frame (the option list,
// line 0), then the coordinates (lines 2 to 4). A refusal names the field at
// fault and marks its line; a frame that is no frame is named, with its kind,
// as the typed line names it.
TEST_F(DialogueConstruction, PlacingByCoordinatesNamesTheFieldAtFaultOnItsLine) {
    // A frame of the figure's own, so that the dialog offers its list.
    figureDeTexte(std::string(kPointsAB) + "R repère (B,vec(i),vec(j),vec(k))\r\n"
                                           "P point libre dans l'espace\r\n");
    struct Cas {
        const char* repere;
        std::vector<std::string> reponses; // lines 1 to 4
        uint16_t erreur;
        const char* nom;
        uint8_t ligne;
    };
    const Cas cas[] = {
        {"A", {"P", "1", "2", "3"}, 596, "A (point)", 0}, // a point for the frame
        {"Q", {"P", "1", "2", "3"}, 537, "Q", 0},         // no such object
        {"A", {"B", "1", "2", "3"}, 604, "B", 1},         // the point first
        {"R", {"P", "1", "zz", "3"}, 537, "zz", 3},       // then the coordinates
    };
    TfigureKalmetra& f = fig();
    const std::string avant = ecritTexteFigure(f);
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.repere + std::string(" ") + c.reponses[0]);
        f.commandeDialogue = 70;
        prepareDialogueCommande(f);
        ASSERT_EQ(f.dialogue->genreOptions, '.');
        ASSERT_GT(f.dialogue->lignes[0].longueurReponse, 0);
        f.dialogue->lignes[0].reponse = c.repere;
        for (std::size_t k = 0; k < c.reponses.size(); ++k)
            f.dialogue->lignes[k + 1].reponse = c.reponses[k];
        p::boitesDemandees().clear();
        EXPECT_FALSE(executeCommandeDuDialogue(f));
        ASSERT_FALSE(p::boitesDemandees().empty());
        std::string attendu = phraseDeNumero(c.erreur);
        attendu.replace(attendu.find("#1"), 2, c.nom);
        EXPECT_EQ(p::boitesDemandees().back().texte, attendu);
        EXPECT_EQ(f.dialogue->ligneErreur, c.ligne);
        EXPECT_EQ(ecritTexteFigure(f), avant);
    }
    // The typed line names the frame the same way.
    p::boitesDemandees().clear();
    KMExecuteLigneFig(
        n, windows1252DeUtf8("Affecter le point libre P, coordonnées: (1,2,3) dans le repère A").c_str());
    ASSERT_FALSE(p::boitesDemandees().empty());
    std::string attendu = phraseDeNumero(596);
    attendu.replace(attendu.find("#1"), 2, "A (point)");
    EXPECT_EQ(p::boitesDemandees().front().texte, attendu);
}

TEST_F(DialogueConstruction, RenamingAndAssigningThroughTheDialog) {
    figureDeTexte(std::string(kPointsAB) + "P point libre dans l'espace\r\n");
    ouvre(90);
    tape("A B");
    touche(p::VK_DOWN);
    tape("E F");
    touche(p::VK_RETURN);
    EXPECT_EQ(fenetreDialogue(), nullptr);
    EXPECT_GT(numero("E"), 0);
    EXPECT_GT(numero("F"), 0);
    EXPECT_EQ(numero("A"), 0);
    // A built-in axis renamed: the axes after it keep their names.
    ouvre(90);
    tape("ox");
    touche(p::VK_DOWN);
    tape("X");
    touche(p::VK_RETURN);
    EXPECT_EQ(fenetreDialogue(), nullptr);
    EXPECT_EQ(numero("X"), 8);
    EXPECT_EQ(numero("oy"), 9);
    EXPECT_EQ(numero("oz"), 10);
    EXPECT_NE(texteFigure().find("Renommer ox: X"), std::string::npos);
    // The other axes as textbooks name them, outside the syntax of user
    // names (a capital then a small letter).
    ouvre(90);
    tape("oy oz");
    touche(p::VK_DOWN);
    tape("Oy Oz");
    touche(p::VK_RETURN);
    EXPECT_EQ(fenetreDialogue(), nullptr);
    EXPECT_EQ(numero("Oy"), 9);
    EXPECT_EQ(numero("Oz"), 10);
    // A free point placed on another point takes its coordinates.
    ouvre(69);
    tape("P");
    touche(p::VK_DOWN);
    tape("F");
    touche(p::VK_RETURN);
    EXPECT_EQ(fenetreDialogue(), nullptr);
    attendPres(pt("P"), 4, 2, 6, 1e-9);
    EXPECT_EQ(fig().dernierLibreBouge, numero("P"));
}

// A refused rename puts the focus on the faulty line whichever line the
// caret was on: the list of objects (an unknown name, a segment named by its
// points) on line 1, the names when the counts differ on line 2. The message
// says why, and no name changes.
TEST_F(DialogueConstruction, ARefusedRenameFocusesTheFaultyLine) {
    figureDeTexte(std::string(kPointsAB) + "Segment [AB]\r\n");
    const struct {
        const char* objets;
        const char* noms;
        uint8_t caret;
        uint16_t erreur;
        uint8_t ligne;
    } cas[] = {
        {"A Z", "E F", 2, 537, 1}, {"A [AB]", "E F", 2, 667, 1}, {"A B", "E F G", 1, 602, 2},
        {"A B", "E", 1, 602, 2},   {"Z", "E", 1, 537, 1},        {"A", "E F", 2, 602, 2},
    };
    const std::string avant = ecritTexteFigure(fig());
    for (const auto& c : cas) {
        SCOPED_TRACE(std::string(c.objets) + " / " + c.noms);
        ouvre(90);
        p::envoieMessage(fenetreDuDialogue(), p::WM_COMMAND, 1, 0);
        tape(c.objets);
        p::envoieMessage(fenetreDuDialogue(), p::WM_COMMAND, 2, 0);
        tape(c.noms);
        p::envoieMessage(fenetreDuDialogue(), p::WM_COMMAND, c.caret, 0);
        ASSERT_EQ(fenetreDialogue()->ligneCourante, c.caret);
        p::boitesDemandees().clear();
        touche(p::VK_RETURN);
        ASSERT_NE(fenetreDialogue(), nullptr);
        EXPECT_EQ(fenetreDialogue()->ligneCourante, c.ligne);
        ASSERT_FALSE(p::boitesDemandees().empty());
        const std::string phrase = phraseDeNumero(c.erreur);
        const std::string debut = phrase.substr(0, phrase.find('#'));
        EXPECT_EQ(p::boitesDemandees().back().texte.substr(0, debut.size()), debut);
        touche(p::VK_ESCAPE);
        EXPECT_EQ(ecritTexteFigure(fig()), avant);
    }
}

// A prototype whose given objects include one that the result does not use
// is refused with 708 naming both, whether that object comes before the
// result in the figure or after it, and no prototype is made; the dialog
// stays on the result's line.
TEST_F(DialogueConstruction, APrototypeRefusesAGivenObjectTheResultDoesNotUse) {
    figureDeTexte(std::string(kPointsAB) + "Y point de coordonnées (0,0,9) dans le repère Rxyz\r\n"
                                           "M milieu du segment [AB]\r\n"
                                           "Z point de coordonnées (0,9,0) dans le repère Rxyz\r\n");
    for (const char* inutile : {"Y", "Z"}) {
        SCOPED_TRACE(inutile);
        ouvre(95);
        p::boitesDemandees().clear();
        repondEtValide({"Milieu", (std::string("A, B, ") + inutile).c_str(), "M", "M milieu de AB"});
        ASSERT_NE(fenetreDialogue(), nullptr);
        EXPECT_EQ(fenetreDialogue()->ligneCourante, 3);
        ASSERT_FALSE(p::boitesDemandees().empty());
        EXPECT_EQ(utf8DeWindows1252(p::boitesDemandees().back().texte),
                  "L'objet " + std::string(inutile) + " n'est pas utilisé\r dans la construction de M.");
        EXPECT_EQ(prototypeDe(fig(), 1), nullptr);
        touche(p::VK_ESCAPE);
    }
    // Without it the prototype is made.
    ouvre(95);
    repondEtValide({"Milieu", "A, B", "M", "M milieu de AB"});
    EXPECT_EQ(fenetreDialogue(), nullptr);
    EXPECT_NE(prototypeDe(fig(), 1), nullptr);
}

TEST_F(DialogueConstruction, AFrontPlaneIsStoredAndTheViewTurnsTowardsIt) {
    figureDeTexte(std::string(kPointsAB) + "C point de coordonnées (0,4,0) dans le repère Rxyz\r\n");
    TfigureKalmetra& f = fig();
    const double avant[3] = {f.directionVue[0], f.directionVue[1], f.directionVue[2]};
    ouvre(198);
    tape("oxy");
    touche(p::VK_DOWN);
    tape("3");
    touche(p::VK_RETURN);
    p::avance(2000); // the turn runs on its timer
    EXPECT_EQ(fenetreDialogue(), nullptr);
    EXPECT_EQ(f.entiersVue[0], 3);
    // The view came nearer to looking along z, the normal of oxy.
    EXPECT_GT(std::fabs(f.directionVue[2]), std::fabs(avant[2]) + 0.05);
}

TEST_F(DialogueConstruction, TheDialogPaintsItsPromptsAndThePalette) {
    figureDeTexte(kPointsAB);
    TFenDialog& d = ouvre(172);
    ASSERT_TRUE(d.paletteActive);
    p::distribueJusquAuRepos();
    const p::Bitmap* s = p::surfaceDeFenetre(d.fenetre);
    ASSERT_NE(s, nullptr);
    // Something is drawn in every palette box and in the first field's prompt.
    auto encre = [&](const p::Rectangle& r) {
        for (int y = r.haut + 1; y < r.bas - 1; ++y)
            for (int x = r.gauche + 1; x < r.droite - 1; ++x)
                if (s->pixel(x, y).value_or(p::kBlanc) != p::kBlanc) return true;
        return false;
    };
    for (const p::Rectangle& r : d.palette.cellules)
        EXPECT_TRUE(encre(r));
    EXPECT_TRUE(encre(d.champs[1].cadreInvite));
}

TEST_F(DialogueConstruction, APromptIsPaintedInItsBoxAndAPalettesTextClearOfItsCellsLines) {
    figureDeTexte(kPointsAB);
    // 57: an expression under its prompt then a name beside its prompt.
    TFenDialog& d = ouvre(57);
    ASSERT_TRUE(d.paletteActive);
    ASSERT_TRUE(d.champs[1].sousInvite);
    ASSERT_FALSE(d.champs[2].sousInvite);
    p::distribueJusquAuRepos();
    const p::Bitmap* s = p::surfaceDeFenetre(d.fenetre);
    ASSERT_NE(s, nullptr);
    const auto couleur = [&](int x, int y) { return s->pixel(x, y).value_or(p::kBlanc); };
    // The current prompt is the only red: every red pixel lies in its box,
    // which stands above its field.
    const TChampDialogue& premier = d.champs[1];
    EXPECT_LE(premier.cadreInvite.bas, premier.cadre.haut);
    int rouges = 0;
    for (int y = 0; y < d.hauteur; ++y)
        for (int x = 0; x < d.largeur; ++x)
            if (couleur(x, y) == kRougeTQ) {
                ++rouges;
                EXPECT_TRUE(p::pointDansRectangle(premier.cadreInvite, {x, y})) << x << "," << y;
            }
    EXPECT_GT(rouges, 5);
    // A prompt beside its field stands on its left, level with it.
    const TChampDialogue& nom = d.champs[2];
    EXPECT_LE(nom.cadreInvite.droite, nom.cadre.gauche);
    EXPECT_GE(nom.cadreInvite.haut, nom.cadre.haut);
    EXPECT_LE(nom.cadreInvite.bas, nom.cadre.bas);
    // Each palette text lies inside its cell, clear of the frame: the row and
    // column just inside the frame lines are blank, the middle is not.
    ASSERT_EQ(d.palette.cellules.size(), std::size_t(kEntreesPalette));
    for (const p::Rectangle& r : d.palette.cellules) {
        int encre = 0;
        for (int x = r.gauche + 1; x < r.droite - 2; ++x) {
            EXPECT_EQ(couleur(x, r.haut + 1), p::kBlanc) << x;
            EXPECT_EQ(couleur(x, r.bas - 2), p::kBlanc) << x;
        }
        for (int y = r.haut + 1; y < r.bas - 2; ++y) {
            EXPECT_EQ(couleur(r.gauche + 1, y), p::kBlanc) << y;
            EXPECT_EQ(couleur(r.droite - 2, y), p::kBlanc) << y;
            for (int x = r.gauche + 2; x < r.droite - 2; ++x)
                encre += couleur(x, y) != p::kBlanc;
        }
        EXPECT_GT(encre, 5);
    }
}

} // namespace
} // namespace km32::essais

namespace km32::essais {
namespace {

TEST_F(DialogueConstruction, TheAdjustedCopyTakesItsChoicesAndPutsThePictureOnTheClipboard) {
    figureDeTexte(kPointsAB);
    TFenDialog& d = ouvre(124);
    // Line 0: colour copy, yes first (the setting is "C"); the reference unit
    // at the right, the picture width first (the setting is "F").
    ASSERT_TRUE(d.listeOptions.visible);
    EXPECT_EQ(d.listeOptions.entrees[0], phraseDeNumero(4405));
    ASSERT_TRUE(d.listeUnites.visible);
    EXPECT_EQ(d.listeUnites.entrees[0], phraseDeNumero(4407));
    EXPECT_GT(d.listeUnites.cadre.gauche, d.listeOptions.cadre.gauche);
    tape("100");
    p::envoieMessage(d.fenetre, p::WM_COMMAND, kTagListeOptions, 1);
    p::envoieMessage(d.fenetre, p::WM_COMMAND, kTagListeUnites, 1);
    const uint32_t sequence = p::numeroSequencePressePapiers();
    p::envoieMessage(d.fenetre, p::WM_COMMAND, kTagOk, 0);
    p::distribueJusquAuRepos();
    EXPECT_EQ(fenetreDialogue(), nullptr);
    EXPECT_EQ(fig().texteCopie, "NU");
    EXPECT_EQ(fig().valeurCopie, 100);
    EXPECT_NE(p::numeroSequencePressePapiers(), sequence);
    EXPECT_NE(p::imagePressePapiers(), nullptr);
}

TEST_F(DialogueConstruction, TheExpressionButtonShowsTheFieldAsMathematicalText) {
    figureDeTexte(kPointsAB);
    TFenDialog& d = ouvre(172);
    touche(p::VK_DOWN);
    ASSERT_TRUE(d.boutonExpressionVisible);
    tape("sqrt(2)");
    p::envoieMessage(d.fenetre, p::WM_COMMAND, kTagExpression, 0);
    EXPECT_TRUE(fenetreExpressionTQ().ouverte);
    EXPECT_EQ(fenetreExpressionTQ().fenetre, d.fenetre);
    EXPECT_EQ(fenetreExpressionTQ().texte, fig().dialogue->texteExpression);
    EXPECT_NE(fenetreExpressionTQ().texte, "sqrt(2)"); // in mathematical form
    // A text that is no expression is reported and shows nothing.
    fermeFenetreExpression();
    for (int k = 0; k < 7; ++k)
        p::envoieMessage(d.fenetre, p::WM_CHAR, 8, 0);
    tape("2*+");
    p::boitesDemandees().clear();
    p::envoieMessage(d.fenetre, p::WM_COMMAND, kTagExpression, 0);
    EXPECT_FALSE(fenetreExpressionTQ().ouverte);
    EXPECT_FALSE(p::boitesDemandees().empty());
    // Only an expression field has the button.
    touche(p::VK_UP);
    EXPECT_FALSE(fenetreDialogue()->boutonExpressionVisible);
}

// The expression button reads the field as its command does: the variables
// of a function or a curve come from the other answers, a plane equation is
// in X, Y and Z, a sequence term in n, and weighted points keep their names.
TEST_F(DialogueConstruction, TheExpressionButtonReadsTheFieldAsItsCommandDoes) {
    figureDeTexte(std::string(kPointsAB) + "a réel libre de [0,5]\r\nb réel libre de [0,5]\r\n");
    struct Cas {
        uint16_t commande;
        std::vector<std::string> reponses; // lines 1, 2, ...
        int ligne;                         // the expression field
        std::vector<std::string> montre;   // pieces the math text holds, in order
    };
    const Cas cas[] = {
        {54, {"x", "x^2+a"}, 2, {"x", "a"}},
        {216, {"s", "t", "s*t"}, 3, {"s", "t"}},
        {23, {"t", "cos(t)", "sin(t)", "t"}, 2, {"cos", "t"}},
        {131, {"", "X^3"}, 2, {"X"}},
        {214, {"2X-3Y+Z+5=0"}, 1, {"X", "Y", "Z", "="}},
        {101, {"0", "w(n)=w(n-1)+1"}, 2, {"w(n)=", "w"}},
        {21, {"(A,1) (B,a+1)"}, 1, {"(A,", ") (B,", "a+1"}},
        {127, {"(a,2) (b,3)"}, 1, {"(a,", ") (b,"}},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.commande);
        TFenDialog& d = ouvre(c.commande);
        for (std::size_t k = 0; k < c.reponses.size(); ++k) {
            if (c.reponses[k].empty()) continue;
            p::envoieMessage(d.fenetre, p::WM_COMMAND, uint32_t(k + 1), 0);
            tape(c.reponses[k]);
        }
        p::envoieMessage(d.fenetre, p::WM_COMMAND, uint32_t(c.ligne), 0);
        p::boitesDemandees().clear();
        p::envoieMessage(d.fenetre, p::WM_COMMAND, kTagExpression, 0);
        EXPECT_TRUE(p::boitesDemandees().empty()) << p::boitesDemandees().back().texte;
        ASSERT_TRUE(fenetreExpressionTQ().ouverte);
        const std::string montre = fenetreExpressionTQ().texte;
        std::size_t depuis = 0;
        for (const std::string& morceau : c.montre) {
            const std::size_t ici = montre.find(morceau, depuis);
            EXPECT_NE(ici, std::string::npos) << morceau << " in " << montre;
            if (ici != std::string::npos) depuis = ici + 1;
        }
        fermeFenetreExpression();
        touche(p::VK_ESCAPE);
    }
    // A pair list that is not closed is reported and nothing opens.
    TFenDialog& d = ouvre(21);
    tape("(A,1) (B");
    p::boitesDemandees().clear();
    p::envoieMessage(d.fenetre, p::WM_COMMAND, kTagExpression, 0);
    EXPECT_FALSE(fenetreExpressionTQ().ouverte);
    EXPECT_FALSE(p::boitesDemandees().empty());
}

// While the dialog edits a plane given by its equation, the field is read
// whole, as one relation in X, Y and Z: one math-text zone that holds the
// "=" and lists the three variables once.
TEST_F(DialogueConstruction, APlaneEquationIsShownAsOneRelationInXYZ) {
    figureDeTexte(std::string(kPointsAB) + "a réel libre de [0,5]\r\n");
    struct Cas {
        const char* equation;
        const char* attendu;
    };
    const Cas cas[] = {
        {"2X+Y-Z=3", "\\2X+Y-Z=3;s:X,Y,Z\\"},
        {"X=a", "\\X=a;s:X,Y,Z,a\\"},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.equation);
        TFenDialog& d = ouvre(214);
        p::envoieMessage(d.fenetre, p::WM_COMMAND, 1, 0);
        tape(c.equation);
        p::boitesDemandees().clear();
        p::envoieMessage(d.fenetre, p::WM_COMMAND, kTagExpression, 0);
        EXPECT_TRUE(p::boitesDemandees().empty()) << p::boitesDemandees().back().texte;
        ASSERT_TRUE(fenetreExpressionTQ().ouverte);
        EXPECT_EQ(fenetreExpressionTQ().texte, c.attendu);
        fermeFenetreExpression();
        touche(p::VK_ESCAPE);
    }
}

// A hull of a segment is undefined with the reason its reading gives
// ("n'est ni un point, ni un polygone"), whether the figure's text or the
// dialog made it, and it keeps that reason when it is computed again.
TEST_F(DialogueConstruction, AHullOfASegmentKeepsTheReasonOfItsReadingWhicheverRoadMadeIt) {
    const std::string base = std::string(kPointsAB) + "s1 segment [AB]\r\n";
    struct Cas {
        const char* route;
        uint16_t commande;
        const char* ligne;
        uint16_t raison;
    };
    const Cas cas[] = {
        {"polygon, text", 135, "H polygone enveloppe convexe de s1\r\n", 449},
        {"polyhedron, text", 213, "H polyèdre enveloppe convexe de s1\r\n", 453},
        {"polygon, dialog", 135, nullptr, 449},
        {"polyhedron, dialog", 213, nullptr, 453},
    };
    figureDeTexte(base);
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.route);
        if (c.ligne) {
            refaitFigure(base + c.ligne);
        } else {
            refaitFigure(base);
            // Invalid objects allowed: the dialog asks whether to create it
            // all the same, yes.
            fig().defautObjetsNonValides = 1;
            ouvre(c.commande);
            p::reponsesPrevues().push_back({p::kReponseOui, {}});
            repondEtValide({"s1", "H"});
            p::distribueJusquAuRepos();
        }
        const int h = numero("H");
        ASSERT_GT(h, 0);
        EXPECT_EQ(objet(fig(), h).nonDefini, 1);
        EXPECT_EQ(objet(fig(), h).raison, c.raison);
        calculeObjet(fig(), h);
        EXPECT_EQ(objet(fig(), h).raison, c.raison);
    }
}

TEST_F(DialogueConstruction, ACloseRequestCancelsTheDialog) {
    figureDeTexte(kPointsAB);
    ouvre(15);
    tape("AB");
    EXPECT_EQ(p::envoieMessage(fenetreDuDialogue(), p::WM_CLOSE, 0, 0), 0); // refused, then cancelled
    p::distribueJusquAuRepos();
    EXPECT_EQ(fenetreDialogue(), nullptr);
    EXPECT_EQ(TQTableDesVariablesPartagees()->codeAnnexe, 0);
    EXPECT_FALSE(fig().dialogue);
    // A second command opens a new dialog.
    ouvre(16);
    EXPECT_EQ(fig().commandeDialogue, 16);
}

} // namespace
} // namespace km32::essais

namespace km32::essais {
namespace {

TEST_F(DialogueConstruction, ASecondCommandWhileTheDialogIsOpenBringsTheFirstForward) {
    figureDeTexte(kPointsAB);
    TFenDialog& d = ouvre(15);
    const uint32_t fenetre = d.fenetre;
    p::envoieMessage(forme, p::WM_COMMAND, 16, 0);
    p::distribueJusquAuRepos();
    ASSERT_NE(fenetreDialogue(), nullptr);
    EXPECT_EQ(fenetreDialogue()->fenetre, fenetre);
    EXPECT_EQ(fig().commandeDialogue, 15);
    EXPECT_EQ(p::fenetreFocus(), fenetre);
}

TEST_F(DialogueConstruction, AFrameListPutsTheChosenFrameFirstAndRunsInIt) {
    figureDeTexte(std::string(kPointsAB) + "R repère (B,vec(i),vec(j),vec(k))\r\n");
    TFenDialog& d = ouvre(133); // point by coordinates in a frame
    ASSERT_TRUE(d.listeOptions.visible);
    EXPECT_EQ(d.listeOptions.entrees, (std::vector<std::string>{"Rxyz", "R"}));
    p::envoieMessage(d.fenetre, p::WM_COMMAND, kTagListeOptions, 1);
    repondEtValide({"1", "2", "3", "P"});
    EXPECT_EQ(fenetreDialogue(), nullptr);
    attendPres(pt("P"), 5, 4, 9, 1e-12); // B + (1, 2, 3)
    // The frame given last comes first next time; the figure's default frame
    // is another setting and stays.
    EXPECT_EQ(ouvre(133).listeOptions.entrees, (std::vector<std::string>{"R", "Rxyz"}));
    EXPECT_EQ(fig().repereParDefaut, 1);
}

} // namespace
} // namespace km32::essais

namespace km32::essais {
namespace {

TEST_F(DialogueConstruction, TheKeyboardStepOfTheDrivenObject) {
    figureDeTexte(std::string(kPointsAB) + "a réel libre de [0,5]\r\n");
    // Without a driven object the dialog does not open.
    p::boitesDemandees().clear();
    p::envoieMessage(forme, p::WM_COMMAND, 115, 0);
    EXPECT_EQ(fenetreDialogue(), nullptr);
    ASSERT_EQ(p::boitesDemandees().size(), 1u);
    EXPECT_EQ(p::boitesDemandees()[0].titre, phraseDeNumero(11269));
    TfigureKalmetra& f = fig();
    const int a = numero("a");
    f.objetLibreActif = uint8_t(a);
    TFenDialog& d = ouvre(115);
    EXPECT_EQ(d.dialogue.lignes[0].phraseInvite, 4292);
    EXPECT_TRUE(d.listeUnites.visible);
    EXPECT_TRUE(d.dialogue.listeUnitesADroite);
    // The field shows the present step, selected: typing replaces it.
    EXPECT_EQ(champ(1), texteDeReel(valeurObjet(f, a, objet(f, a).nombreValeurs)));
    tape("0.25");
    touche(p::VK_RETURN);
    EXPECT_EQ(fenetreDialogue(), nullptr);
    EXPECT_DOUBLE_EQ(valeurObjet(f, a, objet(f, a).nombreValeurs), 0.25);
}

} // namespace
} // namespace km32::essais

namespace km32::essais {
namespace {

// The second list of the keyboard-step dialog says in words what the step
// is counted in (or whether it loops), the present choice first, and the
// hint names the driven object.
TEST_F(DialogueConstruction, TheKeyboardStepListsItsUnitOrLoopInWords) {
    struct Cas {
        const char* lignes;
        std::vector<std::string> entrees; // empty: no second list
    };
    const Cas cas[] = {
        {"E point libre sur le segment [AB]", {"longueur du segment [AB]", "unité de longueur Uxyz"}},
        {"E point libre sur le segment [AB]\r\nPas de pilotage au clavier de E: 0.01 (/ Uxyz, modifiable)",
         {"unité de longueur Uxyz", "longueur du segment [AB]"}},
        {"c cercle d'axe (AB) passant par C\r\nE point libre sur le cercle c",
         {"longueur du cercle c", "unité de longueur Uxyz"}},
        {"D image de C par la rotation d'axe (AB) et d'angle 90 (degré)\r\n"
         "K arc de cercle d'axe (AB), d'origine C et d'extrémité D\r\nE point libre sur l'arc K",
         {"longueur de l'arc K", "unité de longueur Uxyz"}},
        {"E point libre sur la demi-droite [AB)", {"unité de longueur Uxyz", "unité de longueur de [AB)"}},
        {"E point libre sur la droite (AB)", {"unité de longueur Uxyz", "unité de longueur de (AB)"}},
        {"E point libre sur la droite (AB)\r\nPas de pilotage au clavier de E: 0.1 (/ repère de la droite, "
         "modifiable)",
         {"unité de longueur de (AB)", "unité de longueur Uxyz"}},
        {"E réel libre de [0,5]", {"non bouclé", "bouclé"}},
        {"E point libre dans l'espace", {}},
    };
    figureDeTexte(kPointsAB);
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.lignes);
        refaitFigure(std::string(kPointsAB) + "C point de coordonnées (0,4,0) dans le repère Rxyz\r\n" +
                     c.lignes + "\r\n");
        fig().objetLibreActif = uint8_t(numero("E"));
        TFenDialog& d = ouvre(115);
        EXPECT_EQ(d.listeUnites.visible, !c.entrees.empty());
        std::vector<std::string> entrees;
        for (const std::string& e : d.listeUnites.entrees)
            entrees.push_back(utf8DeWindows1252(e));
        if (!c.entrees.empty()) {
            EXPECT_EQ(entrees, c.entrees);
        }
        EXPECT_EQ(utf8DeWindows1252(texteSousTitre(fig(), d.dialogue)), "Variable concernée : E");
        touche(p::VK_ESCAPE);
        ASSERT_EQ(fenetreDialogue(), nullptr);
    }
}

// Choosing the other entry of the second list changes what the step is
// counted in, or its looping, as the figure text then says.
TEST_F(DialogueConstruction, TheKeyboardStepTakesTheUnitOrLoopChosen) {
    struct Cas {
        const char* ligne;
        const char* ecrit; // what the step line of the figure text then holds
    };
    const Cas cas[] = {
        {"E point libre sur le segment [AB]", "(/ Uxyz,"},
        {"E point libre sur la demi-droite [AB)", "(/ repère de la demi-droite,"},
        {"E point libre sur la droite (AB)", "(/ repère de la droite,"},
    };
    figureDeTexte(kPointsAB);
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.ligne);
        refaitFigure(std::string(kPointsAB) + c.ligne + "\r\n");
        const int e = numero("E");
        fig().objetLibreActif = uint8_t(e);
        EXPECT_FALSE(pasEnUniteAlternative(objet(fig(), e)));
        ouvre(115);
        p::envoieMessage(fenetreDuDialogue(), p::WM_COMMAND, kTagListeUnites, 1);
        touche(p::VK_RETURN);
        ASSERT_EQ(fenetreDialogue(), nullptr);
        EXPECT_TRUE(pasEnUniteAlternative(objet(fig(), e)));
        EXPECT_NE(texteFigure().find(std::string("Pas de pilotage au clavier de E: ")), std::string::npos);
        EXPECT_NE(texteFigure().find(c.ecrit), std::string::npos) << texteFigure();
    }
    refaitFigure(std::string(kPointsAB) + "E réel libre de [0,5]\r\n");
    const int e = numero("E");
    fig().objetLibreActif = uint8_t(e);
    ouvre(115);
    p::envoieMessage(fenetreDuDialogue(), p::WM_COMMAND, kTagListeUnites, 1);
    touche(p::VK_RETURN);
    ASSERT_EQ(fenetreDialogue(), nullptr);
    EXPECT_TRUE(pilotageEnBoucle(objet(fig(), e)));
    // Without a second list only the step changes.
    refaitFigure(std::string(kPointsAB) + "E point libre dans l'espace\r\n");
    const int l = numero("E");
    fig().objetLibreActif = uint8_t(l);
    ouvre(115);
    tape("0.5");
    touche(p::VK_RETURN);
    ASSERT_EQ(fenetreDialogue(), nullptr);
    EXPECT_DOUBLE_EQ(valeurObjet(fig(), l, objet(fig(), l).nombreValeurs), 0.5);
    EXPECT_FALSE(pilotageEnBoucle(objet(fig(), l)));
}

TEST_F(DialogueConstruction, AnAngleUnitGivenInALineLeavesTheDefaultAngleSetting) {
    figureDeTexte(std::string(kPointsAB) + "C point de coordonnées (0,4,0) dans le repère Rxyz\r\n"
                                           "m mesure de l'angle géométrique ABC en degré\r\n");
    EXPECT_EQ(fig().anglesEnDegresParDefaut, 0);
    EXPECT_EQ(fig().uniteAngleDialogue, 1);
    EXPECT_EQ(texteFigure().find("Angles en degrés par défaut"), std::string::npos);
}

} // namespace
} // namespace km32::essais

namespace km32::essais {
namespace {

TEST_F(DialogueConstruction, DestroyingTheFigureClosesItsDialog) {
    figureDeTexte(kPointsAB);
    ouvre(15);
    tape("AB");
    KMdetruitFigureMeme(n);
    p::distribueJusquAuRepos();
    EXPECT_EQ(fenetreDialogue(), nullptr);
    EXPECT_EQ(TQTableDesVariablesPartagees()->codeAnnexe, 0);
}

} // namespace
} // namespace km32::essais

namespace km32::essais {
namespace {

TEST_F(DialogueConstruction, HelpOpensTheTopicOfTheCommandOrThePrototypeComment) {
    figureDeTexte(std::string(kPointsAB) + "Début de [Milieu]\r\nA point donné\r\nB point donné\r\n"
                                           "M milieu du segment [AB]\r\nDescription de l'interface\r\n"
                                           "M milieu de AB\r\nPremier point:\r\nSecond point:\r\n"
                                           "Nom du milieu:\r\nUn commentaire.\r\nFin de [Milieu]\r\n");
    ouvre(15);
    p::aidesDemandees().clear();
    touche(p::VK_F1);
    ASSERT_EQ(p::aidesDemandees().size(), 1u);
    EXPECT_EQ(p::aidesDemandees()[0].commande, p::kAideContexte);
    EXPECT_EQ(p::aidesDemandees()[0].donnee, 15u);
    touche(p::VK_ESCAPE);
    // A prototype dialog shows the prototype's comment in an alert.
    ouvre(1001);
    const std::size_t alertes = alertesTQ().size();
    p::envoieMessage(fenetreDuDialogue(), p::WM_COMMAND, kTagAide, 0);
    ASSERT_EQ(alertesTQ().size(), alertes + 1);
    EXPECT_NE(alertesTQ().back().texte.find("Un commentaire."), std::string::npos);
    EXPECT_EQ(alertesTQ().back().titre, "Milieu");
}

} // namespace
} // namespace km32::essais
