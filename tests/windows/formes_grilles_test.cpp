// The table of values and the function given by values as bound forms: what
// a real backend shows (lists, entries, buttons, check boxes, labels and
// where they lie) follows each model, and the user's actions on the widgets
// reach the same handlers as the model's own mouse and keys.
#include <string>
#include <utility>
#include <vector>

#include "banc_fenetres.h"
#include "host/fenetres/fonction_valeurs.h"
#include "host/fenetres/forme_fonction_valeurs.h"
#include "host/fenetres/forme_tableau_valeurs.h"
#include "host/fenetres/tableau_valeurs.h"
#include "platform/formes_liees.h"
#include "platform/presse_papiers.h"

namespace km32::essais {
namespace {

namespace p = platform;

// Every control of a form with its rectangle, named for the messages.
std::vector<std::pair<std::string, p::Rectangle>> cadres(const p::FormeLiee& forme) {
    std::vector<std::pair<std::string, p::Rectangle>> r;
    for (const p::ChampLie& c : forme.champs)
        r.emplace_back("field " + std::to_string(c.numero), c.cadre);
    for (const p::BoutonLie& b : forme.boutons)
        r.emplace_back("button " + b.libelle, b.cadre);
    for (const p::EtiquetteLiee& e : forme.etiquettes)
        r.emplace_back("label " + e.texte, e.cadre);
    for (const p::ListeLiee& l : forme.listes)
        r.emplace_back("list " + std::to_string(l.numero), l.cadre);
    return r;
}

// Each control has room, lies inside the window's client area and covers
// no other.
void attendDispositionPropre(const p::FormeLiee& forme, p::Fenetre fenetre) {
    const p::Rectangle client = p::rectangleClient(fenetre);
    auto r = cadres(forme);
    if (forme.caseFermeture) r.emplace_back("close box", p::cadreCaseFermeture(client));
    for (std::size_t i = 0; i < r.size(); ++i) {
        EXPECT_FALSE(r[i].second.estVide()) << r[i].first;
        EXPECT_EQ(p::intersectionRectangles(r[i].second, client), r[i].second) << r[i].first;
        for (std::size_t j = 0; j < i; ++j)
            EXPECT_TRUE(p::intersectionRectangles(r[i].second, r[j].second).estVide())
                << r[i].first << " covers " << r[j].first;
    }
}

const p::BoutonLie* bouton(const p::FormeLiee& forme, uint32_t tag) {
    for (const p::BoutonLie& b : forme.boutons)
        if (b.tag == tag) return &b;
    return nullptr;
}

// The selection flags of a list's lines.
std::vector<bool> selection(const p::ListeLiee& l) {
    std::vector<bool> r;
    for (const p::LigneListe& ligne : l.lignes)
        r.push_back(ligne.selectionnee);
    return r;
}

class FormeTableau : public BancFenetres {
  protected:
    // a runs from 0 by 1; d = a/4 has up to two decimals.
    TFenetreDuTableauDeValeurs& ouvre(int lignes) {
        figureDeTexte("a réel libre de [-10,10]\r\n"
                      "d = a/4\r\n"
                      "t (touche T) tableau de (a,0) (d,2) à partir de 0 (pas 1) (" +
                      std::to_string(lignes) + " lignes)\r\n");
        EXPECT_EQ(KMKeyPress(n, 't'), 1);
        TFenetreDuTableauDeValeurs* t = fenetreTableauDeValeurs();
        EXPECT_NE(t, nullptr);
        forme = p::formeLiee(t->fenetre);
        EXPECT_NE(forme, nullptr);
        return *t;
    }
    const p::OperationsForme* forme = nullptr;
};

TEST_F(FormeTableau, TheListShowsTheCellsAsDisplayedAndTheMenuItsItems) {
    TFenetreDuTableauDeValeurs& t = ouvre(4);
    p::FormeLiee etat = forme->etat();
    ASSERT_EQ(etat.listes.size(), 1u);
    const p::ListeLiee& grille = etat.listes[0];
    EXPECT_EQ(grille.colonnes, (std::vector<std::string>{" a", "  d"}));
    // a and a/4 for a = 0..3, aligned on the decimal comma.
    const std::vector<std::vector<std::string>> lignes = {
        {" 0", " 0"}, {" 1", " 0,25"}, {" 2", " 0,5"}, {" 3", " 0,75"}};
    ASSERT_EQ(grille.lignes.size(), lignes.size());
    for (std::size_t i = 0; i < lignes.size(); ++i)
        EXPECT_EQ(grille.lignes[i].cellules, lignes[i]) << i;
    EXPECT_EQ(selection(grille), (std::vector<bool>{true, false, false, false}));
    EXPECT_FALSE(grille.multiple);
    EXPECT_TRUE(grille.chasseFixe); // the blanks align the numbers
    EXPECT_EQ(grille.cadre, t.cadreGrille);

    // The menu: a button and a check box checked while the comma is on,
    // their captions without the '&' marks.
    const p::BoutonLie* copier = bouton(etat, kMenuCopierLeTableau);
    const p::BoutonLie* virgule = bouton(etat, kMenuUtiliserLaVirgule);
    ASSERT_TRUE(copier && virgule);
    EXPECT_EQ(copier->libelle, "Copier le tableau");
    EXPECT_EQ(copier->coche, -1);
    EXPECT_EQ(virgule->libelle, "Utiliser la virgule");
    EXPECT_EQ(virgule->coche, 1);
    EXPECT_EQ(etat.boutons.size(), 2u);
    // No item of its own closes it: the form has the caption's close box.
    EXPECT_TRUE(etat.caseFermeture);
    attendDispositionPropre(etat, t.fenetre);
    // The menu stays above the grid, also in a window too narrow for it
    // on one row.
    for (const int32_t largeur : {600, 120}) {
        p::placeFenetre(t.fenetre, {0, 0, largeur, 300});
        etat = forme->etat();
        for (const p::BoutonLie& b : etat.boutons)
            EXPECT_LE(b.cadre.bas, etat.listes[0].cadre.haut) << largeur << " " << b.libelle;
        attendDispositionPropre(etat, t.fenetre);
    }

    // The check box's tag turns the comma off: the list shows points.
    p::envoieMessage(t.fenetre, p::WM_COMMAND, kMenuUtiliserLaVirgule, 0);
    etat = forme->etat();
    EXPECT_EQ(bouton(etat, kMenuUtiliserLaVirgule)->coche, 0);
    EXPECT_EQ(etat.listes[0].lignes[1].cellules[1], " 0.25");
    EXPECT_EQ(etat.listes[0].colonnes, (std::vector<std::string>{" a", "  d"}));
    // The button's tag copies the table the list shows: headings, then the
    // lines, TAB between cells, CR LF after each.
    p::envoieMessage(t.fenetre, p::WM_COMMAND, kMenuCopierLeTableau, 0);
    std::string attendu;
    for (std::size_t i = 0; i <= etat.listes[0].lignes.size(); ++i) {
        const auto& cellules = i == 0 ? etat.listes[0].colonnes : etat.listes[0].lignes[i - 1].cellules;
        attendu += cellules[0] + "\t" + cellules[1] + "\r\n";
    }
    ASSERT_NE(p::textePressePapiers(), nullptr);
    EXPECT_EQ(*p::textePressePapiers(), attendu);
}

TEST_F(FormeTableau, ChoosingALineSelectsTheRowAsAClickDoesAndTheKeysGoOnFromIt) {
    TFenetreDuTableauDeValeurs& t = ouvre(20);
    // Five data rows of 25 pixels under the names.
    p::placeFenetre(t.fenetre, {0, 0, 400, 150});
    p::placeFenetre(t.fenetre, {0, 0, 400, 150 + t.cadreGrille.haut});
    ASSERT_EQ(t.lignesVisibles, 5);
    struct Cas {
        std::vector<int> choisies; // list lines (from 0) the user selects
        int numero;                // the list the selection comes from
        int ligne, premiere;       // the selected row and the first one shown after
    };
    for (const Cas& c : {Cas{{2}, kListeTableauValeurs, 3, 1}, Cas{{19}, kListeTableauValeurs, 20, 16},
                         Cas{{}, kListeTableauValeurs, 20, 16}, Cas{{4, 6}, kListeTableauValeurs, 5, 5},
                         Cas{{0}, kListeTableauValeurs + 1, 5, 5}, Cas{{0}, kListeTableauValeurs, 1, 1}}) {
        std::vector<bool> drapeaux(20, false);
        for (const int i : c.choisies)
            drapeaux[std::size_t(i)] = true;
        forme->choisitLignes(c.numero, drapeaux);
        EXPECT_EQ(t.ligneCourante, c.ligne) << c.ligne;
        EXPECT_EQ(t.premiereLigne, c.premiere) << c.ligne;
        std::vector<bool> attendue(20, false);
        attendue[std::size_t(c.ligne - 1)] = true;
        EXPECT_EQ(selection(forme->etat().listes[0]), attendue) << c.ligne;
    }
    // A click on the fourth row shown selects the same row as choosing it.
    p::envoieMessage(t.fenetre, p::WM_LBUTTONDOWN, p::MK_LBUTTON,
                     p::lParamDeCoordonnees(20, t.cadreGrille.haut + 4 * 25 + 12));
    const int parClic = t.ligneCourante;
    EXPECT_EQ(parClic, 4);
    p::envoieMessage(t.fenetre, p::WM_KEYDOWN, p::VK_END, 0);
    std::vector<bool> drapeaux(20, false);
    drapeaux[std::size_t(parClic - 1)] = true;
    forme->choisitLignes(kListeTableauValeurs, drapeaux);
    EXPECT_EQ(t.ligneCourante, parClic);
    EXPECT_EQ(t.premiereLigne, parClic);
    // The keys go on from the chosen row.
    p::envoieMessage(t.fenetre, p::WM_KEYDOWN, p::VK_DOWN, 0);
    EXPECT_TRUE(forme->etat().listes[0].lignes[4].selectionnee);
    // Closed, the window takes its form with it.
    const p::Fenetre fenetre = t.fenetre;
    p::envoieMessage(fenetre, p::WM_CLOSE, 0, 0);
    p::distribueJusquAuRepos();
    EXPECT_EQ(fenetreTableauDeValeurs(), nullptr);
    EXPECT_EQ(p::formeLiee(fenetre), nullptr);
}

class FormeGrille : public BancFenetres {
  protected:
    TFenetreValFon& ouvre() {
        figureDeTexte("A point libre dans l'espace\r\n");
        TFenetreValFon& v = ouvreParCommande(kCommandeFonctionValeurs, fenetreFonctionParValeurs);
        forme = p::formeLiee(v.fenetre);
        EXPECT_NE(forme, nullptr);
        return v;
    }
    // A point typed in its entry and added with the Add button.
    void ajoute(const TFenetreValFon& v, const std::string& point) {
        forme->prendFocus(kChampPointFonction);
        forme->changeTexte(kChampPointFonction, point);
        p::envoieMessage(v.fenetre, p::WM_COMMAND, kGrilleAjouter, 0);
    }
    p::ListeLiee grille() { return forme->etat().listes.at(0); }
    const p::OperationsForme* forme = nullptr;
};

TEST_F(FormeGrille, TheFormDescribesEveryControlWhereTheModelHasIt) {
    TFenetreValFon& v = ouvre();
    const p::FormeLiee etat = forme->etat();
    // The name has the keyboard at first; both entries are empty.
    ASSERT_EQ(etat.champs.size(), 2u);
    EXPECT_EQ(etat.champs[0].numero, kChampNomFonction);
    EXPECT_TRUE(etat.champs[0].courant);
    EXPECT_EQ(etat.champs[1].numero, kChampPointFonction);
    EXPECT_FALSE(etat.champs[1].courant);
    ASSERT_EQ(etat.etiquettes.size(), 2u);
    EXPECT_EQ(etat.etiquettes[0].texte, "Nom de la fonction");
    EXPECT_EQ(utf8DeWindows1252(etat.etiquettes[1].texte), "Antécédent, image");
    // Every button and the check box, with its caption; undo and redo have
    // nothing to do yet; a new table has no interpolation.
    struct Cas {
        uint32_t tag;
        const char* libelle;
        bool actif;
        int coche;
    };
    for (const Cas& c :
         {Cas{kGrilleInterpolation, "Avec interpolation", true, 0}, Cas{kGrilleAjouter, "Ajouter", true, -1},
          Cas{kGrilleDefaire, "Défaire", false, -1}, Cas{kGrilleRefaire, "Refaire", false, -1},
          Cas{kGrilleSelectionnerTout, "Sélectionner tout", true, -1}, Cas{kGrilleCopier, "Copier", true, -1},
          Cas{kGrilleColler, "Coller", true, -1}, Cas{kGrilleSupprimer, "Supprimer", true, -1},
          Cas{kGrilleOk, "OK", true, -1}, Cas{kGrilleAnnuler, "Annuler", true, -1},
          Cas{kGrilleAide, "Aide", true, -1}}) {
        const p::BoutonLie* b = bouton(etat, c.tag);
        ASSERT_NE(b, nullptr) << c.libelle;
        EXPECT_EQ(utf8DeWindows1252(b->libelle), c.libelle);
        EXPECT_EQ(b->actif, c.actif) << c.libelle;
        EXPECT_EQ(b->coche, c.coche) << c.libelle;
    }
    EXPECT_EQ(etat.boutons.size(), 11u);
    // The grid: two headed columns and the model's nine empty rows.
    ASSERT_EQ(etat.listes.size(), 1u);
    const p::ListeLiee& l = etat.listes[0];
    EXPECT_EQ(l.numero, kListePointsFonction);
    EXPECT_EQ(utf8DeWindows1252(l.colonnes[0]), "   Antécédents");
    EXPECT_EQ(l.colonnes[1], "    Images");
    EXPECT_TRUE(l.multiple);
    ASSERT_EQ(l.lignes.size(), 9u);
    for (const p::LigneListe& ligne : l.lignes) {
        EXPECT_EQ(ligne.cellules, (std::vector<std::string>{"", ""}));
        EXPECT_FALSE(ligne.selectionnee);
    }
    attendDispositionPropre(etat, v.fenetre);
    // The list lies where the model takes its clicks: its heading row and
    // nine rows of 23 pixels fill it, and a click in the middle of the
    // list's third row selects the model's row 3.
    EXPECT_EQ(l.cadre.hauteur(), 23 * 10);
    p::envoieMessage(
        v.fenetre, p::WM_LBUTTONDOWN, p::MK_LBUTTON,
        p::lParamDeCoordonnees((l.cadre.gauche + l.cadre.droite) / 2, l.cadre.haut + 23 * 3 + 11));
    p::envoieMessage(
        v.fenetre, p::WM_LBUTTONUP, 0,
        p::lParamDeCoordonnees((l.cadre.gauche + l.cadre.droite) / 2, l.cadre.haut + 23 * 3 + 11));
    EXPECT_EQ(selection(grille()),
              (std::vector<bool>{false, false, true, false, false, false, false, false, false}));
    EXPECT_TRUE(grille().courant);
}

TEST_F(FormeGrille, AFunctionToRedefineShowsItsNameItsPointsAndItsInterpolation) {
    TfigureKalmetra& f = figureDeTexte("g fonction définie par valeurs (avec interpolation)\r\n"
                                       "Valeurs pour g: (1,2) (3,6) (4,-1.5)\r\n");
    f.objetARedefinir = uint8_t(numero("g"));
    const TFenetreValFon& v = ouvreParCommande(kCommandeFonctionValeurs, fenetreFonctionParValeurs);
    forme = p::formeLiee(v.fenetre);
    ASSERT_NE(forme, nullptr);
    const p::FormeLiee etat = forme->etat();
    // The name is shown and the point has the keyboard.
    EXPECT_EQ(etat.champs[0].texte, "g");
    EXPECT_FALSE(etat.champs[0].courant);
    EXPECT_TRUE(etat.champs[1].courant);
    EXPECT_EQ(bouton(etat, kGrilleInterpolation)->coche, 1);
    const std::vector<std::vector<std::string>> lignes = {{"1", "2"}, {"3", "6"}, {"4", "-1.5"}};
    const std::vector<std::string> vide = {"", ""};
    for (std::size_t i = 0; i < etat.listes[0].lignes.size(); ++i)
        EXPECT_EQ(etat.listes[0].lignes[i].cellules, i < lignes.size() ? lignes[i] : vide) << i;
}

TEST_F(FormeGrille, TheEntriesTheCheckBoxAndTheButtonsMakeTheFunction) {
    TFenetreValFon& v = ouvre();
    // The name entry takes at most four characters, as the field does.
    forme->changeTexte(kChampNomFonction, "hauteur");
    EXPECT_EQ(forme->etat().champs[0].texte, "haut");
    forme->changeTexte(kChampNomFonction, "h");
    ajoute(v, "1 2");
    // Enter in the point entry adds as the button does; the entry then
    // proposes the next antecedent, the caret after it.
    forme->changeTexte(kChampPointFonction, "3 5");
    p::envoieMessage(v.fenetre, p::WM_KEYDOWN, p::VK_RETURN, 0);
    p::FormeLiee etat = forme->etat();
    EXPECT_TRUE(etat.champs[1].courant);
    EXPECT_EQ(etat.champs[1].texte, "5 ");
    EXPECT_EQ(etat.champs[1].debutSelection, 2u);
    EXPECT_EQ(etat.listes[0].lignes[0].cellules, (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(etat.listes[0].lignes[1].cellules, (std::vector<std::string>{"3", "5"}));
    EXPECT_EQ(etat.listes[0].lignes[2].cellules, (std::vector<std::string>{"", ""}));
    EXPECT_TRUE(bouton(etat, kGrilleDefaire)->actif);
    EXPECT_FALSE(bouton(etat, kGrilleRefaire)->actif);
    // Undo through its button; redo becomes possible.
    p::envoieMessage(v.fenetre, p::WM_COMMAND, kGrilleDefaire, 0);
    etat = forme->etat();
    EXPECT_EQ(etat.listes[0].lignes[1].cellules, (std::vector<std::string>{"", ""}));
    EXPECT_TRUE(bouton(etat, kGrilleRefaire)->actif);
    p::envoieMessage(v.fenetre, p::WM_COMMAND, kGrilleRefaire, 0);
    EXPECT_EQ(grille().lignes[1].cellules, (std::vector<std::string>{"3", "5"}));
    // Up in the point entry gives the keyboard to the name, as the key does.
    p::envoieMessage(v.fenetre, p::WM_KEYDOWN, p::VK_UP, 0);
    EXPECT_TRUE(forme->etat().champs[0].courant);
    // The check box's tag turns interpolation on, and OK makes h: linear
    // between (1, 2) and (3, 5), h(2) = 3.5.
    p::envoieMessage(v.fenetre, p::WM_COMMAND, kGrilleInterpolation, 0);
    EXPECT_EQ(bouton(forme->etat(), kGrilleInterpolation)->coche, 1);
    const p::Fenetre fenetre = v.fenetre;
    p::envoieMessage(fenetre, p::WM_COMMAND, kGrilleOk, 0);
    p::distribueJusquAuRepos();
    EXPECT_EQ(fenetreFonctionParValeurs(), nullptr);
    // The form goes with its window.
    EXPECT_EQ(p::formeLiee(fenetre), nullptr);
    KMExecuteLigneFig(n, "b = h(2)");
    EXPECT_DOUBLE_EQ(KMValeurScalaireDouble(n, "b"), 3.5);
}

TEST_F(FormeGrille, ChoosingLinesSelectsTheRangeThatDeleteAndUndoFollow) {
    TFenetreValFon& v = ouvre();
    for (const char* point : {"1 10", "2 20", "3 30", "4 40", "5 50"})
        ajoute(v, point);
    // The grid selects one range: from the first line chosen to the last.
    struct Cas {
        std::vector<int> choisies; // lines from 0
        int haut, bas;             // the model's rows, 0 for none
    };
    for (const Cas& c :
         {Cas{{1, 2}, 2, 3}, Cas{{0, 2}, 1, 3}, Cas{{4}, 5, 5}, Cas{{}, 0, 0}, Cas{{8}, 9, 9}}) {
        forme->prendFocus(kChampNomFonction);
        std::vector<bool> drapeaux(9, false);
        for (const int i : c.choisies)
            drapeaux[std::size_t(i)] = true;
        forme->choisitLignes(kListePointsFonction, drapeaux);
        EXPECT_EQ(v.selectionHaut, c.haut) << c.haut;
        EXPECT_EQ(v.selectionBas, c.bas) << c.haut;
        std::vector<bool> attendue(9, false);
        for (int r = c.haut; r >= 1 && r <= c.bas; ++r)
            attendue[std::size_t(r - 1)] = true;
        EXPECT_EQ(selection(grille()), attendue) << c.haut;
        EXPECT_TRUE(grille().courant) << c.haut;
    }
    // The same range pressed and stretched with the mouse.
    const auto souris = [&](uint32_t message, int rang, uint32_t boutons) {
        p::envoieMessage(v.fenetre, message, boutons,
                         p::lParamDeCoordonnees(kGrilleGauche + 60, kGrilleHaut + 23 * rang + 11));
    };
    souris(p::WM_LBUTTONDOWN, 2, p::MK_LBUTTON);
    souris(p::WM_MOUSEMOVE, 3, p::MK_LBUTTON);
    souris(p::WM_LBUTTONUP, 3, 0);
    const std::vector<bool> parSouris = selection(grille());
    forme->choisitLignes(kListePointsFonction, {false, true, true});
    EXPECT_EQ(selection(grille()), parSouris);
    // The Delete button removes the points of rows 2 and 3; undo gives them back.
    p::envoieMessage(v.fenetre, p::WM_COMMAND, kGrilleSupprimer, 0);
    std::vector<std::string> antecedents;
    for (const p::LigneListe& l : grille().lignes)
        antecedents.push_back(l.cellules[0]);
    EXPECT_EQ(antecedents, (std::vector<std::string>{"1", "4", "5", "", "", "", "", "", ""}));
    p::envoieMessage(v.fenetre, p::WM_COMMAND, kGrilleDefaire, 0);
    EXPECT_EQ(grille().lignes[1].cellules, (std::vector<std::string>{"2", "20"}));
    // Del while the list has the keyboard deletes too; in an entry it does not.
    forme->choisitLignes(kListePointsFonction, {true});
    forme->prendFocus(kChampPointFonction);
    p::envoieMessage(v.fenetre, p::WM_KEYDOWN, p::VK_DELETE, 0);
    EXPECT_EQ(v.table.nombrePoints, 5);
    forme->prendFocus(kListePointsFonction);
    p::envoieMessage(v.fenetre, p::WM_KEYDOWN, p::VK_DELETE, 0);
    EXPECT_EQ(v.table.nombrePoints, 4);
    EXPECT_EQ(grille().lignes[0].cellules[0], "2");
    // Select all through its button: every point's row, not the empty ones.
    p::envoieMessage(v.fenetre, p::WM_COMMAND, kGrilleSelectionnerTout, 0);
    EXPECT_EQ(selection(grille()),
              (std::vector<bool>{true, true, true, true, false, false, false, false, false}));
}

} // namespace
} // namespace km32::essais
