// The bound forms of the figure text editor, the comment window and the
// comment editor: opened through their commands, their described controls
// checked against the models, and the operations a toolkit calls checked to
// act as the user's own typing, clicks and presses do.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <string>
#include <unistd.h>
#include <vector>

#include "banc_hote.h"
#include "host/fenetres/bande_commandes.h"
#include "host/fenetres/editeur_commentaire.h"
#include "host/fenetres/editeur_figure.h"
#include "host/fenetres/fenetre_commentaire.h"
#include "host/fenetres/forme_editeur_commentaire.h"
#include "host/fenetres/forme_editeur_figure.h"
#include "host/fenetres/forme_fenetre_commentaire.h"
#include "host/fenetres/zone_texte.h"
#include "host/repartiteur.h"
#include "phrases/phrase.h"
#include "platform/boites.h"
#include "platform/formes_liees.h"
#include "platform/image_bitmap.h"
#include "platform/surfaces_fenetres.h"
#include "platform/messages.h"
#include "platform/presse_papiers.h"

namespace km32::essais {
namespace {

namespace p = platform;

// The figure's point, and the one the user types instead.
const std::string kPointD = "D point de coordonn\xE9"
                            "es (0,2,0) dans le rep\xE8re Rxyz";
const std::string kPointT = "T point de coordonn\xE9"
                            "es (3,1,4) dans le rep\xE8re Rxyz";

bool dedans(const p::Rectangle& r, const p::Rectangle& client) {
    return r.gauche >= client.gauche && r.haut >= client.haut && r.droite <= client.droite &&
           r.bas <= client.bas && r.largeur() > 0 && r.hauteur() > 0;
}

bool chevauche(const p::Rectangle& a, const p::Rectangle& b) {
    return a.gauche < b.droite && b.gauche < a.droite && a.haut < b.bas && b.haut < a.bas;
}

// Every control of the form lies in the client area, and no two overlap.
void controlesDisjointsDans(const p::FormeLiee& forme, const p::Rectangle& client) {
    std::vector<p::Rectangle> cadres;
    for (const p::ChampLie& c : forme.champs)
        cadres.push_back(c.cadre);
    for (const p::BoutonLie& b : forme.boutons)
        cadres.push_back(b.cadre);
    for (const p::EtiquetteLiee& e : forme.etiquettes)
        cadres.push_back(e.cadre);
    for (const p::ListeLiee& l : forme.listes)
        cadres.push_back(l.cadre);
    for (std::size_t i = 0; i < cadres.size(); ++i) {
        EXPECT_TRUE(dedans(cadres[i], client)) << i;
        for (std::size_t j = i + 1; j < cadres.size(); ++j)
            EXPECT_FALSE(chevauche(cadres[i], cadres[j])) << i << " " << j;
    }
}

std::string sansMarques(std::string t) {
    std::erase(t, '&');
    return t;
}

const p::ChampLie* champ(const p::FormeLiee& forme, int numero) {
    for (const p::ChampLie& c : forme.champs)
        if (c.numero == numero) return &c;
    return nullptr;
}

const p::BoutonLie* bouton(const p::FormeLiee& forme, uint32_t tag) {
    for (const p::BoutonLie& b : forme.boutons)
        if (b.tag == tag) return &b;
    return nullptr;
}

// The user's whole text taken by the edit control: the caret goes after the
// part that changed, the text before it stays for undo, and a text past the
// maximum length or equal to the text changes nothing.
TEST(ZoneTexte, TheUsersWholeTextPutsTheCaretAfterWhatChanged) {
    struct Cas {
        std::string avant, apres, attendu;
        std::size_t caret;
        bool change;
    };
    const Cas cas[] = {
        {"abcdef", "abcXdef", "abcXdef", 4, true}, // a typed character
        {"abcdef", "abef", "abef", 2, true},       // two deleted
        {"abcdef", "abZZZf", "abZZZf", 5, true},   // a selection replaced
        {"abc", "abcde", "abcde", 5, true},        // appended
        {"abc", "xabc", "xabc", 1, true},          // at the start
        {"aaa", "aaaa", "aaaa", 4, true},          // ambiguous: the caret at the end of the run
        {"un\r\ndeux", "un\nX\ndeux", "un\r\nX\r\ndeux", 7, true}, // LF made CR LF
        {"abc", "abc", "abc", 1, false},
        {"abc", std::string(21, 'x'), "abc", 1, false}, // past the maximum length
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.apres);
        uint8_t modifie = 0;
        TZoneTexte z;
        z.longueurMax = 20;
        z.texte = c.avant;
        z.debutSelection = 1;
        z.modifie = &modifie;
        EXPECT_EQ(changeTexteZone(z, c.apres), c.change);
        EXPECT_EQ(z.texte, c.attendu);
        EXPECT_EQ(z.debutSelection, c.caret);
        EXPECT_EQ(z.longueurSelection, 0u);
        EXPECT_EQ(modifie, c.change ? 1 : 0);
        if (!c.change) continue;
        annuleZone(z);
        EXPECT_EQ(z.texte, c.avant);
    }
}

// Undo takes back whole edits as a text field does: a run of typing, a run
// of Backspace or Delete, and each paste, replaced selection or cleared
// selection alone; a caret moved elsewhere starts a new run. Redo makes the
// edits again until a new edit drops them. The same holds for the user's
// text as a toolkit's entry hands it over, one keystroke at a time.
TEST(ZoneTexte, UndoTakesBackWholeEditsAndRedoMakesThemAgain) {
    const auto tape = [](TZoneTexte& z, const std::string& t) {
        for (const char c : t)
            caractereZone(z, uint8_t(c));
    };
    const auto entree = [](TZoneTexte& z, std::initializer_list<const char*> textes) {
        for (const char* t : textes)
            changeTexteZone(z, t);
    };
    struct Cas {
        const char* quoi;
        std::function<void(TZoneTexte&)> edite;
        std::vector<std::string> annulations; // the text after each undo, the last one changes nothing
    };
    const Cas cas[] = {
        {"a run of typing", [&](TZoneTexte& z) { tape(z, "abc"); }, {"", ""}},
        {"typing, a line break and typing",
         [&](TZoneTexte& z) {
             tape(z, "ab");
             caractereZone(z, 13);
             tape(z, "c");
         },
         {"", ""}},
        {"a caret moved between two runs",
         [&](TZoneTexte& z) {
             tape(z, "ab");
             selectionneZone(z, 0, 0);
             tape(z, "X");
         },
         {"ab", "", ""}},
        {"typing then Backspaces",
         [&](TZoneTexte& z) {
             tape(z, "abcd");
             caractereZone(z, 8);
             caractereZone(z, 8);
         },
         {"abcd", "", ""}},
        {"a paste between typing",
         [&](TZoneTexte& z) {
             tape(z, "ab");
             remplaceSelection(z, "PP");
             tape(z, "c");
         },
         {"abPP", "ab", "", ""}},
        {"a selection typed over",
         [&](TZoneTexte& z) {
             tape(z, "abc");
             selectionneZone(z, 1, 1);
             tape(z, "XY");
         },
         {"abc", "", ""}},
        {"a selection cleared",
         [&](TZoneTexte& z) {
             tape(z, "abc");
             selectionneZone(z, 0, 2);
             effaceSelectionZone(z);
         },
         {"abc", "", ""}},
        {"an entry's keystrokes",
         [&](TZoneTexte& z) {
             entree(z, {"a", "ab", "abc", "abcXYZ", "abcXY", "abcX", "abX"});
         },
         {"abcX", "abcXYZ", "abc", "", ""}},
        {"an entry's Delete keys",
         [&](TZoneTexte& z) {
             entree(z, {"abcd", "bcd", "cd"});
         },
         {"abcd", "", ""}},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.quoi);
        uint8_t modifie = 0;
        TZoneTexte z;
        z.modifie = &modifie;
        c.edite(z);
        const std::string edite = z.texte;
        std::vector<std::string> etats{edite};
        for (const std::string& attendu : c.annulations) {
            annuleZone(z);
            EXPECT_EQ(z.texte, attendu);
            etats.push_back(z.texte);
        }
        EXPECT_FALSE(peutAnnulerZone(z));
        // Redo walks the same states back to the edited text.
        for (std::size_t k = etats.size() - 2; k-- > 0;) {
            retablisZone(z);
            EXPECT_EQ(z.texte, etats[k]);
        }
        EXPECT_EQ(z.texte, edite);
        EXPECT_FALSE(peutRetablirZone(z));
        // A new edit after an undo drops what undo took back.
        annuleZone(z);
        caractereZone(z, 'q');
        EXPECT_FALSE(peutRetablirZone(z));
        EXPECT_EQ(modifie, 1);
    }
}

// Undo gives back the caret and selection the text had before the edit.
TEST(ZoneTexte, UndoGivesBackTheSelectionBeforeTheEdit) {
    TZoneTexte z;
    fixeTexteZone(z, "abc def");
    oublieAnnulationsZone(z);
    EXPECT_FALSE(peutAnnulerZone(z));
    selectionneZone(z, 4, 3);
    remplaceSelection(z, "xyz uvw");
    annuleZone(z);
    EXPECT_EQ(z.texte, "abc def");
    EXPECT_EQ(z.debutSelection, 4u);
    EXPECT_EQ(z.longueurSelection, 3u);
}

// The band lays its buttons from left to right and wraps before the right
// edge; a caption wider than the zone is cut to the zone.
TEST(BandeCommandes, ButtonsWrapWithinTheZoneInTheirOrder) {
    std::vector<CommandeBande> commandes;
    for (uint32_t k = 1; k <= 9; ++k)
        commandes.push_back({k, "&Commande " + std::to_string(k), k != 3, k == 9 ? 1 : -1});
    commandes.push_back({10, std::string(200, 'w'), true, -1});
    const p::Rectangle zone{10, 20, 410, 500};
    std::vector<p::BoutonLie> boutons;
    const int32_t bas = disposeBande(commandes, zone, boutons);
    ASSERT_EQ(boutons.size(), commandes.size());
    int32_t rangees = 1;
    for (std::size_t i = 0; i < boutons.size(); ++i) {
        SCOPED_TRACE(i);
        const p::BoutonLie& b = boutons[i];
        EXPECT_EQ(b.tag, commandes[i].tag);
        EXPECT_EQ(b.libelle, sansMarques(commandes[i].libelle));
        EXPECT_EQ(b.actif, commandes[i].actif);
        EXPECT_EQ(b.coche, commandes[i].coche);
        EXPECT_TRUE(dedans(b.cadre, {zone.gauche, zone.haut, zone.droite, bas}));
        EXPECT_EQ(b.cadre.hauteur(), kHauteurBoutonBande);
        EXPECT_GE(b.cadre.largeur(), std::min(zone.largeur(), int32_t(b.libelle.size()) * 6));
        if (i == 0) continue;
        const p::Rectangle& avant = boutons[i - 1].cadre;
        if (b.cadre.haut == avant.haut) {
            EXPECT_GE(b.cadre.gauche, avant.droite); // after the one before it
        } else {
            ++rangees;
            EXPECT_EQ(b.cadre.gauche, zone.gauche); // a new row starts at the left
            EXPECT_GE(b.cadre.haut, avant.bas);
            // It did not fit at the end of the row before.
            EXPECT_GT(avant.droite + kEcartBande + b.cadre.largeur(), zone.droite);
        }
    }
    EXPECT_GE(rangees, 3);
    EXPECT_EQ(boutons.back().cadre.largeur(), zone.largeur());
    std::vector<p::BoutonLie> aucun;
    EXPECT_EQ(disposeBande({}, zone, aucun), zone.haut);
}

class FormesEditeurs : public BancHote {
  protected:
    void SetUp() override {
        BancHote::SetUp();
        dossier = std::filesystem::temp_directory_path() / ("km32-formes-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dossier);
        const std::string texte = texteDeLignes({"Figure Kalmetra", kPointD});
        n = KMCreeFigEtRenvoieNumero(hote, nullptr, texte.c_str(), nullptr);
        ASSERT_EQ(n, 1);
    }
    void TearDown() override {
        std::filesystem::remove_all(dossier);
        BancHote::TearDown();
    }
    void commandeFigure(uint32_t k) {
        KMMessage m{p::WM_COMMAND, k, 0, 0};
        traiteMessageKMParNumero(n, &m);
    }
    // The editor as command 118 opens it, and its form's operations.
    TFenetreEditeur& ouvreEditeur() {
        commandeFigure(118);
        TFenetreEditeur* e = fenetreEditeur();
        EXPECT_NE(e, nullptr);
        o = p::formeLiee(e->fenetre);
        EXPECT_NE(o, nullptr);
        return *e;
    }
    // The comment editor as command 120 opens it, and its form's operations.
    TFenEditCom* editeurDeCommande120() {
        commandeFigure(120);
        TFenEditCom* e = editeurCommentaire();
        o = e ? p::formeLiee(e->fenetre) : nullptr;
        return e;
    }
    void presse(uint32_t fenetre, uint32_t tag) {
        p::envoieMessage(fenetre, p::WM_COMMAND, tag, 0);
        p::distribueJusquAuRepos();
    }
    int noeudDePhrase(const TFenetreEditeur& e, uint16_t phrase) {
        for (std::size_t i = 0; i < e.arbre.size(); ++i)
            if (e.arbre[i].phrase == phrase) return int(i);
        return -1;
    }
    std::string ecrit(const std::string& nom, const std::string& contenu) {
        const std::string chemin = (dossier / nom).string();
        std::ofstream(chemin, std::ios::binary) << contenu;
        return chemin;
    }
    std::string texteFigure() {
        const uint32_t bloc = KMTexteFigure(n);
        std::string t = bloc ? KMContenuBloc(bloc) : "";
        if (bloc) KMLibereBloc(bloc);
        return t;
    }
    std::filesystem::path dossier;
    const p::OperationsForme* o = nullptr;
    int16_t n = 0;
};

// The editor's form: its menu as buttons above the text, every visible and
// enabled menu item with its button and caption, the phrase list a check
// box; the text fills the rest of the window, with the model's caret.
TEST_F(FormesEditeurs, TheEditorShowsItsMenuAsButtonsAboveItsText) {
    TFenetreEditeur& e = ouvreEditeur();
    ASSERT_NE(o, nullptr);
    selectionneZone(e.memo, 3, 4);
    p::FormeLiee forme = o->etat();
    const p::Rectangle client = p::rectangleClient(e.fenetre);
    controlesDisjointsDans(forme, client);
    ASSERT_EQ(forme.champs.size(), 1u);
    const p::ChampLie& texte = forme.champs[0];
    EXPECT_EQ(texte.numero, kChampTexteEditeur);
    EXPECT_EQ(texte.texte, e.memo.texte);
    EXPECT_EQ(texte.texte, texteFigure());
    EXPECT_TRUE(texte.multiligne);
    EXPECT_FALSE(texte.lectureSeule);
    EXPECT_TRUE(texte.courant);
    EXPECT_EQ(texte.debutSelection, 3u);
    EXPECT_EQ(texte.longueurSelection, 4u);
    EXPECT_EQ(texte.cadre.gauche, 0);
    EXPECT_EQ(texte.cadre.droite, client.droite);
    EXPECT_EQ(texte.cadre.bas, client.bas);
    EXPECT_GT(texte.cadre.hauteur(), client.hauteur() / 2);
    EXPECT_TRUE(forme.listes.empty());
    EXPECT_TRUE(forme.etiquettes.empty());

    std::set<uint32_t> tags;
    for (const p::BoutonLie& b : forme.boutons) {
        SCOPED_TRACE(b.tag);
        EXPECT_LT(b.cadre.bas, texte.cadre.haut); // the band is above the text
        EXPECT_TRUE(tags.insert(b.tag).second);
        ASSERT_LT(b.tag, e.menu.size());
        EXPECT_TRUE(b.actif);
        EXPECT_EQ(b.coche, b.tag == kEdListeDesPhrases ? 0 : -1);
        if (b.tag != kEdOuvrirAutreTexte) {
            EXPECT_EQ(b.libelle, sansMarques(e.menu[b.tag].legende));
        }
    }
    for (uint32_t c = kEdCharger; c <= kEdListeDesPhrases; ++c)
        EXPECT_EQ(tags.count(c) == 1, e.menu[c].visible && e.menu[c].actif) << c;
    EXPECT_EQ(sansMarques(bouton(forme, kEdOuvrirAutreTexte)->libelle),
              sansMarques(phraseDeNumero(11412)) + "...");
}

// Text typed in the entry is the editor's: it marks the text modified, and
// the Apply button applies the typed text to the figure.
TEST_F(FormesEditeurs, TypedTextIsWhatApplyRuns) {
    TFenetreEditeur& e = ouvreEditeur();
    ASSERT_NE(o, nullptr);
    o->changeTexte(kChampTexteEditeur, "Figure Kalmetra\n" + kPointT + "\n");
    EXPECT_EQ(e.memo.texte, texteDeLignes({"Figure Kalmetra", kPointT}));
    EXPECT_EQ(e.texteModifie, 1);
    EXPECT_EQ(o->etat().champs[0].texte, e.memo.texte);
    // A text past the editor's maximum length stays out.
    o->changeTexte(kChampTexteEditeur, std::string(kLongueurMaxEditeur + 1, 'x'));
    EXPECT_EQ(e.memo.texte, texteDeLignes({"Figure Kalmetra", kPointT}));

    p::reponsesPrevues().push_back({p::kReponseOui, {}});
    presse(e.fenetre, kEdAppliquer);
    EXPECT_EQ(fenetreEditeur(), nullptr);
    const std::string apres = texteFigure();
    EXPECT_NE(apres.find("T point"), std::string::npos) << apres;
    EXPECT_EQ(apres.find("D point"), std::string::npos) << apres;
}

// A wrong typed text, applied, selects its faulty line in the entry.
TEST_F(FormesEditeurs, ApplyingAWrongTypedTextSelectsItsLineInTheEntry) {
    TFenetreEditeur& e = ouvreEditeur();
    ASSERT_NE(o, nullptr);
    const std::string fautive = "M milieu du segment [PZ]";
    const std::string tape = "Figure Kalmetra\n" + kPointT + "\n" + fautive + "\n";
    o->changeTexte(kChampTexteEditeur, tape);
    presse(e.fenetre, kEdAppliquer);
    ASSERT_EQ(fenetreEditeur(), &e);
    const p::FormeLiee forme = o->etat();
    const p::ChampLie* c = champ(forme, kChampTexteEditeur);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->texte.substr(c->debutSelection, c->longueurSelection), fautive);
}

// The phrase list's check box shows the tree beside the text: its lines are
// the model's nodes with their levels; choosing a line selects the node as
// a first press does, and activating a line inserts its phrase at the
// caret the user set in the entry, as the second press does.
TEST_F(FormesEditeurs, ThePhraseTreeInsertsAtTheUsersCaret) {
    TFenetreEditeur& e = ouvreEditeur();
    ASSERT_NE(o, nullptr);
    presse(e.fenetre, kEdListeDesPhrases);
    ASSERT_TRUE(e.arbreVisible);
    p::FormeLiee forme = o->etat();
    controlesDisjointsDans(forme, p::rectangleClient(e.fenetre));
    EXPECT_EQ(bouton(forme, kEdListeDesPhrases)->coche, 1);
    ASSERT_EQ(forme.listes.size(), 1u);
    const p::ListeLiee& arbre = forme.listes[0];
    EXPECT_EQ(arbre.numero, kListeArbreEditeur);
    EXPECT_FALSE(arbre.multiple);
    ASSERT_EQ(arbre.lignes.size(), kNoeudsArbrePhrases);
    for (std::size_t i = 0; i < arbre.lignes.size(); ++i) {
        ASSERT_EQ(arbre.lignes[i].cellules.size(), 1u);
        EXPECT_EQ(arbre.lignes[i].cellules[0], e.arbre[i].texte) << i;
        EXPECT_EQ(arbre.lignes[i].niveau, e.arbre[i].niveau) << i;
        EXPECT_FALSE(arbre.lignes[i].selectionnee) << i;
        // A line's children follow it one level deeper.
        if (i > 0) {
            EXPECT_LE(arbre.lignes[i].niveau, arbre.lignes[i - 1].niveau + 1) << i;
        }
    }
    const p::ChampLie& texte = forme.champs[0];
    EXPECT_EQ(texte.cadre.droite, e.largeurMemo);
    EXPECT_GT(arbre.cadre.gauche, texte.cadre.droite);
    EXPECT_EQ(arbre.cadre.haut, texte.cadre.haut);

    o->changeTexte(kChampTexteEditeur, "un\ndeux\ntrois");
    o->changeSelection(kChampTexteEditeur, 6, 1); // inside "deux"
    const int milieu = noeudDePhrase(e, 2016);
    ASSERT_GE(milieu, 0);
    std::vector<bool> choix(kNoeudsArbrePhrases, false);
    choix[std::size_t(milieu)] = true;
    o->choisitLignes(kListeArbreEditeur, choix);
    o->choisitLignes(kListeArbreEditeur, choix); // told again: still only selected
    EXPECT_EQ(e.noeudSelectionne, milieu);
    EXPECT_EQ(e.memo.texte, "un\r\ndeux\r\ntrois");
    EXPECT_TRUE(o->etat().listes[0].lignes[std::size_t(milieu)].selectionnee);
    o->activeLigne(kListeArbreEditeur, milieu);
    EXPECT_EQ(e.memo.texte, "un\r\n ?  milieu du segment  ? \r\ndeux\r\ntrois");

    // A word not selected yet: activating it selects it and inserts it in
    // place of the user's selection.
    const int rouge = noeudDePhrase(e, 2450);
    ASSERT_GE(rouge, 0);
    const std::size_t x = e.memo.texte.find("trois");
    o->changeSelection(kChampTexteEditeur, uint32_t(x), 5);
    o->activeLigne(kListeArbreEditeur, rouge);
    EXPECT_EQ(e.memo.texte, "un\r\n ?  milieu du segment  ? \r\ndeux\r\nrouge");
    EXPECT_EQ(o->etat().champs[0].debutSelection, e.memo.texte.size());
    EXPECT_EQ(*p::textePressePapiers(), "rouge");

    // A group inserts nothing, nor a line out of the tree.
    const std::string garde = e.memo.texte;
    o->activeLigne(kListeArbreEditeur, 0);
    o->activeLigne(kListeArbreEditeur, int(kNoeudsArbrePhrases));
    o->activeLigne(kListeArbreEditeur, -1);
    EXPECT_EQ(e.memo.texte, garde);

    // The tree keeps the keyboard it takes (the text is no longer the
    // current field), until a text takes it; a wrong text applied gives it
    // back to the text, on the faulty line.
    o->prendFocus(kListeArbreEditeur);
    forme = o->etat();
    EXPECT_TRUE(forme.listes[0].courant);
    EXPECT_FALSE(forme.champs[0].courant);
    o->prendFocus(kChampTexteEditeur);
    forme = o->etat();
    EXPECT_FALSE(forme.listes[0].courant);
    EXPECT_TRUE(forme.champs[0].courant);
    o->prendFocus(kListeArbreEditeur);
    presse(e.fenetre, kEdAppliquer); // the text is not a figure: its first line fails
    forme = o->etat();
    EXPECT_FALSE(forme.listes[0].courant);
    EXPECT_TRUE(forme.champs[0].courant);
    EXPECT_EQ(forme.champs[0].debutSelection, 0u);
    EXPECT_EQ(forme.champs[0].longueurSelection, 2u); // "un"

    // The check box again hides the tree: the text takes the whole width.
    presse(e.fenetre, kEdListeDesPhrases);
    forme = o->etat();
    EXPECT_TRUE(forme.listes.empty());
    EXPECT_EQ(bouton(forme, kEdListeDesPhrases)->coche, 0);
    EXPECT_EQ(forme.champs[0].cadre.droite, p::rectangleClient(e.fenetre).droite);
    o->activeLigne(kListeArbreEditeur, rouge); // a hidden tree does nothing
    EXPECT_EQ(e.memo.texte, garde);
}

// An editor the user made narrow widens to 600 for the phrase list, and
// the tree fills what the text leaves; a wide one keeps its width.
TEST_F(FormesEditeurs, TheTreeFillsTheWidthTheUserGaveTheEditor) {
    TFenetreEditeur& e = ouvreEditeur();
    ASSERT_NE(o, nullptr);
    for (const int32_t largeur : {450, 900}) {
        SCOPED_TRACE(largeur);
        p::Rectangle cadre = p::cadreFenetre(e.fenetre);
        cadre.droite = cadre.gauche + largeur;
        p::placeFenetre(e.fenetre, cadre);
        presse(e.fenetre, kEdListeDesPhrases);
        const int32_t attendue = std::max(largeur, 600);
        EXPECT_EQ(p::rectangleClient(e.fenetre).largeur(), attendue);
        const p::FormeLiee forme = o->etat();
        controlesDisjointsDans(forme, p::rectangleClient(e.fenetre));
        ASSERT_EQ(forme.listes.size(), 1u);
        EXPECT_EQ(forme.champs[0].cadre.droite, attendue - 250);
        EXPECT_EQ(forme.listes[0].cadre.droite, attendue);
        presse(e.fenetre, kEdListeDesPhrases);
    }
}

// The second text's pane: its name as a label, its buttons, its entry; the
// entry that takes the focus is the one the edit buttons act on, and typing
// into it marks the second text modified, so that closing it asks.
TEST_F(FormesEditeurs, TheSecondTextHasItsLabelButtonsAndEntry) {
    TFenetreEditeur& e = ouvreEditeur();
    ASSERT_NE(o, nullptr);
    const std::string autre = ecrit("autre.k3v", texteDeLignes({"Figure Kalmetra", kPointD}));
    p::reponsesPrevues().push_back({p::kReponseOk, autre});
    presse(e.fenetre, kEdOuvrirAutreTexte);
    ASSERT_TRUE(e.panneauAutreTexteVisible);
    p::FormeLiee forme = o->etat();
    controlesDisjointsDans(forme, p::rectangleClient(e.fenetre));
    ASSERT_EQ(forme.etiquettes.size(), 1u);
    EXPECT_EQ(forme.etiquettes[0].texte, e.libelleNomAutreTexte);
    const p::ChampLie* second = champ(forme, kChampAutreTexteEditeur);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->texte, e.memoAutreTexte.texte);
    EXPECT_TRUE(second->multiligne);
    EXPECT_FALSE(second->courant);
    EXPECT_GT(second->cadre.gauche, champ(forme, kChampTexteEditeur)->cadre.droite);
    EXPECT_GT(second->cadre.haut, forme.etiquettes[0].cadre.bas);
    for (const CommandeEditeur c : {kEdEnregistrerAutreTexte, kEdEnregistrerSousAutreTexte,
                                    kEdImprimerAutreTexte, kEdFermerAutreTexte}) {
        const p::BoutonLie* b = bouton(forme, c);
        ASSERT_NE(b, nullptr) << c;
        EXPECT_TRUE(b->actif);
        EXPECT_GE(b->cadre.gauche, second->cadre.gauche); // in the pane
        EXPECT_LT(b->cadre.bas, second->cadre.haut);
    }
    EXPECT_EQ(bouton(forme, kEdAppliquerAutreTexte), nullptr); // not shown in the menu

    o->prendFocus(kChampAutreTexteEditeur);
    EXPECT_TRUE(e.focusAutreTexte);
    forme = o->etat();
    EXPECT_TRUE(champ(forme, kChampAutreTexteEditeur)->courant);
    EXPECT_FALSE(champ(forme, kChampTexteEditeur)->courant);
    o->changeSelection(kChampAutreTexteEditeur, 0, 6);
    presse(e.fenetre, kEdSupprimer); // acts on the second text
    EXPECT_EQ(e.memoAutreTexte.texte.substr(0, 2), " K");
    o->changeTexte(kChampAutreTexteEditeur, "autre chose");
    EXPECT_EQ(e.memoAutreTexte.texte, "autre chose");
    EXPECT_EQ(e.autreTexteModifie, 1);
    EXPECT_EQ(e.texteModifie, 0);

    // Closing the second text asks; Cancel keeps it.
    p::reponsesPrevues().push_back({p::kReponseAnnuler, {}});
    presse(e.fenetre, kEdFermerAutreTexte);
    EXPECT_TRUE(e.panneauAutreTexteVisible);
    p::reponsesPrevues().push_back({p::kReponseNon, {}});
    presse(e.fenetre, kEdFermerAutreTexte);
    forme = o->etat();
    EXPECT_EQ(champ(forme, kChampAutreTexteEditeur), nullptr);
    EXPECT_TRUE(forme.etiquettes.empty());
    EXPECT_EQ(bouton(forme, kEdFermerAutreTexte), nullptr);
    o->changeTexte(kChampAutreTexteEditeur, "perdu"); // no pane: nothing
    EXPECT_EQ(e.memoAutreTexte.texte, "autre chose");
}

// The comment editor's form: its two labels, the raw text as an entry at
// the model's place, and its menu as buttons in the band under the drawing,
// clear of the palette row and the drawing's box.
TEST_F(FormesEditeurs, TheCommentEditorShowsItsLabelsTextAndMenuButtons) {
    figure(n).texteCommentaire = std::make_unique<std::string>("a x b");
    TFenEditCom* e = editeurDeCommande120();
    ASSERT_TRUE(e && o);
    const p::FormeLiee forme = o->etat();
    const p::Rectangle client = p::rectangleClient(e->fenetre);
    controlesDisjointsDans(forme, client);
    EXPECT_EQ(client.hauteur(), e->hauteurClient + kHauteurBandeEditeurCommentaire);
    ASSERT_EQ(forme.etiquettes.size(), 2u);
    EXPECT_EQ(forme.etiquettes[0].texte, phraseDeNumero(11183));
    EXPECT_EQ(forme.etiquettes[0].cadre, (p::Rectangle{72, 8, 372, 24}));
    EXPECT_EQ(forme.etiquettes[1].texte, phraseDeNumero(11184));
    EXPECT_EQ(forme.etiquettes[1].cadre.haut, e->basPalette + 7);
    ASSERT_EQ(forme.champs.size(), 1u);
    const p::ChampLie& texte = forme.champs[0];
    EXPECT_EQ(texte.cadre, (p::Rectangle{4, 32, 554, 152}));
    EXPECT_EQ(texte.texte, "a x b");
    EXPECT_TRUE(texte.multiligne && texte.courant && !texte.lectureSeule);

    const p::Rectangle palette{0, e->hautPalette, e->largeurClient, e->basPalette};
    const struct {
        CommandeEditeurCommentaire commande;
        uint16_t phrase;
    } attendus[] = {{kEcCopier, 11011},          {kEcColler, 11012},    {kEcCopierDessin, 11180},
                    {kEcDefaire, 11015},         {kEcAppliquer, 11062}, {kEcAide, 11050},
                    {kEcSelectionnerTout, 11002}};
    EXPECT_EQ(forme.boutons.size(), std::size(attendus));
    for (const auto& a : attendus) {
        const p::BoutonLie* b = bouton(forme, a.commande);
        ASSERT_NE(b, nullptr) << a.commande;
        EXPECT_EQ(b->libelle, sansMarques(phraseDeNumero(a.phrase)));
        EXPECT_FALSE(chevauche(b->cadre, palette));
        EXPECT_FALSE(chevauche(b->cadre, e->cadreBoiteDefilement));
        EXPECT_GE(b->cadre.haut, e->hauteurClient);
    }
}

// Typed text reaches the editor (measured and drawn again), a palette cell
// inserts at the caret the user set, and the Apply button stores the text.
TEST_F(FormesEditeurs, TheCommentEditorTakesTypedTextAndAppliesIt) {
    TFenEditCom* e = editeurDeCommande120();
    ASSERT_TRUE(e && o);
    EXPECT_FALSE(e->dessinable);
    o->changeTexte(kChampTexteEditeurCommentaire, "Soit x dans R");
    EXPECT_EQ(e->memo1.texte, "Soit x dans R");
    EXPECT_EQ(e->modifie, 1);
    EXPECT_TRUE(e->dessinable);
    EXPECT_EQ(e->cadreBoite.largeur(), 13 * larg(0) + 2);
    p::distribueJusquAuRepos();
    EXPECT_TRUE(p::estAffichee(e->boitePeinture));

    o->changeSelection(kChampTexteEditeurCommentaire, 5, 1); // the "x"
    p::envoieMessage(
        e->fenetre, p::WM_LBUTTONDOWN, 0,
        p::lParamDeCoordonnees((e->cellulesPalette[6].gauche + e->cellulesPalette[6].droite) / 2,
                               (e->cellulesPalette[6].haut + e->cellulesPalette[6].bas) / 2)); // cell 7
    EXPECT_EQ(e->memo1.texte, "Soit norm(vec(u)) dans R");
    EXPECT_EQ(o->etat().champs[0].texte, e->memo1.texte);

    presse(e->fenetre, kEcAppliquer);
    EXPECT_EQ(editeurCommentaire(), nullptr);
    ASSERT_NE(figure(n).texteCommentaire, nullptr);
    EXPECT_EQ(*figure(n).texteCommentaire, "Soit norm(vec(u)) dans R");
}

// The drawing lies in its white box under the palette, moved up when the
// caret is far down a long text, and the box follows the window's height.
TEST_F(FormesEditeurs, TheCommentDrawingLiesInItsBoxAndScrollsThere) {
    TFenEditCom* e = editeurDeCommande120();
    ASSERT_TRUE(e && o);
    ASSERT_NE(e->boiteDefilement, 0u);
    EXPECT_EQ(p::parentFenetre(e->boitePeinture), e->boiteDefilement);
    EXPECT_EQ(p::cadreFenetre(e->boiteDefilement), e->cadreBoiteDefilement);
    EXPECT_GT(e->cadreBoiteDefilement.haut, e->basPalette);
    o->changeTexte(kChampTexteEditeurCommentaire, "ligne");
    EXPECT_EQ(p::cadreFenetre(e->boitePeinture).haut, 0);
    // The text is drawn in the drawing's box, dark on the white box.
    p::distribueJusquAuRepos();
    const p::Bitmap* dessine = p::surfaceExistante(e->boitePeinture);
    ASSERT_NE(dessine, nullptr);
    std::string vu;
    for (const p::Primitive& pr : dessine->journal()->primitives)
        vu += pr.texte;
    EXPECT_NE(vu.find("ligne"), std::string::npos) << vu;
    ASSERT_NE(p::surfaceExistante(e->boiteDefilement), nullptr);
    EXPECT_EQ(p::surfaceExistante(e->boiteDefilement)->image().pixels[0] & 0xFFFFFF, 0xFFFFFFu);

    std::string longue;
    for (int k = 0; k < 60; ++k)
        longue += "ligne " + std::to_string(k) + "\n";
    o->changeTexte(kChampTexteEditeurCommentaire, longue); // the caret at the end
    ASSERT_GT(e->positionDefilement, 0);
    const int32_t visible = e->cadreBoiteDefilement.hauteur();
    const p::Rectangle dessin = p::cadreFenetre(e->boitePeinture);
    EXPECT_EQ(dessin.haut, -e->positionDefilement);
    // The drawing still covers the box: the scroll stops at its end.
    EXPECT_GE(dessin.bas, visible);
    EXPECT_EQ(dessin.hauteur(), e->cadreBoite.hauteur());

    p::Rectangle cadre = p::cadreFenetre(e->fenetre);
    cadre.bas += 100;
    p::placeFenetre(e->fenetre, cadre);
    EXPECT_EQ(e->cadreBoiteDefilement.bas, cadre.hauteur() - e->hauteurBande - 2);
    EXPECT_EQ(p::cadreFenetre(e->boiteDefilement), e->cadreBoiteDefilement);
    controlesDisjointsDans(o->etat(), p::rectangleClient(e->fenetre));
}

// The comment window shows a plain comment as a read-only entry over the
// whole window, lines CR LF; a comment with notation keeps its drawing.
TEST_F(FormesEditeurs, TheCommentWindowShowsAPlainCommentAsAReadOnlyEntry) {
    struct Cas {
        std::string commentaire, attendu;
        bool entree;
    };
    const Cas cas[] = {
        {"Un cube\net sa diagonale", "Un cube\r\net sa diagonale", true},
        {"Une ligne", "Une ligne", true},
        {"Soit \\x^2\\", "", false},
        {"$rRouge", "", false},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.commentaire);
        figure(n).texteCommentaire = std::make_unique<std::string>(c.commentaire);
        commandeFigure(79);
        TKMFenCommentaire* w = fenetreCommentaire();
        ASSERT_NE(w, nullptr);
        o = p::formeLiee(w->fenetre);
        ASSERT_NE(o, nullptr);
        const p::FormeLiee forme = o->etat();
        EXPECT_EQ(commentaireSansNotation(c.commentaire), c.entree);
        EXPECT_TRUE(forme.boutons.empty());
        // Its caption's close box is its only way out: the form shows one.
        EXPECT_TRUE(forme.caseFermeture);
        ASSERT_EQ(forme.champs.size(), c.entree ? 1u : 0u);
        if (c.entree) {
            const p::ChampLie& t = forme.champs[0];
            EXPECT_EQ(t.texte, c.attendu);
            EXPECT_TRUE(t.multiligne && t.lectureSeule);
            // The text fills the window but for a strip on the right for the close box.
            p::Rectangle attendu = p::rectangleClient(w->fenetre);
            attendu.droite -= p::kLargeurCaseFermeture + 4;
            EXPECT_EQ(t.cadre, attendu);
            EXPECT_EQ(p::rectangleClient(w->fenetre).largeur(), w->largeurClient);
        }
        const uint32_t fenetre = w->fenetre;
        p::envoieMessage(fenetre, p::WM_CLOSE, 0, 0);
        p::distribueJusquAuRepos();
        ASSERT_EQ(fenetreCommentaire(), nullptr);
        EXPECT_EQ(p::formeLiee(fenetre), nullptr);
    }
}

} // namespace
} // namespace km32::essais
