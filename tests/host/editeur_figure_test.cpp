// The figure text editor driven as a host drives it: opened by its export,
// its menu commands, typed characters and presses on the tree sent to its
// window, the file dialogs and questions scripted.
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "banc_hote.h"
#include "host/application_texte.h"
#include "host/fenetres/editeur_figure.h"
#include "host/repartiteur.h"
#include "phrases/phrase.h"
#include "platform/aide.h"
#include "platform/boites.h"
#include "platform/entrees.h"
#include "platform/impression.h"
#include "platform/messages.h"
#include "platform/presse_papiers.h"
#include "platform/raccourcis.h"
#include "platform/contexte_dessin.h"
#include "platform/surfaces_fenetres.h"
#include "platform/image_bitmap.h"
#include "sibling/table_partagee.h"

namespace km32::essais {
namespace {

namespace p = platform;

const std::string kPointA = "A point de coordonn\xE9"
                            "es (1,0,0) dans le rep\xE8re Rxyz";
const std::string kPointP = "P point de coordonn\xE9"
                            "es (5,5,5) dans le rep\xE8re Rxyz";
const std::string kTexteA = texteDeLignes({"Figure Kalmetra", kPointA});

class EditeurFigure : public BancHote {
  protected:
    void SetUp() override {
        BancHote::SetUp();
        dossier = std::filesystem::temp_directory_path() / ("km32-editeur-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dossier);
        n = KMCreeFigEtRenvoieNumero(hote, nullptr, kTexteA.c_str(), nullptr);
        ASSERT_EQ(n, 1);
    }
    void TearDown() override {
        std::filesystem::remove_all(dossier);
        BancHote::TearDown();
    }
    std::string texteDe(int16_t numero) {
        const uint32_t bloc = KMTexteFigure(numero);
        std::string t = bloc ? KMContenuBloc(bloc) : "";
        if (bloc) KMLibereBloc(bloc);
        return t;
    }
    TFenetreEditeur& ouvre() {
        KMAfficheEditeurFigure(n);
        TFenetreEditeur* e = fenetreEditeur();
        EXPECT_NE(e, nullptr);
        return *e;
    }
    void commande(TFenetreEditeur& e, CommandeEditeur c) { p::envoieMessage(e.fenetre, p::WM_COMMAND, c, 0); }
    std::string ecrit(const std::string& nom, const std::string& contenu) {
        const std::string chemin = (dossier / nom).string();
        std::ofstream(chemin, std::ios::binary) << contenu;
        return chemin;
    }
    std::string lit(const std::string& chemin) {
        std::ifstream f(chemin, std::ios::binary);
        return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
    }
    bool demande(const std::string& t) {
        for (const p::DemandeBoite& d : p::boitesDemandees())
            if (d.texte == t) return true;
        return false;
    }
    int noeudDePhrase(const TFenetreEditeur& e, uint16_t phrase) {
        for (std::size_t i = 0; i < e.arbre.size(); ++i)
            if (e.arbre[i].phrase == phrase) return int(i);
        return -1;
    }
    std::filesystem::path dossier;
    int16_t n = 0;
};

// The editor shows the figure's text; a text failing at its third line
// leaves the figure as it was and selects that line; a text that runs,
// once confirmed, replaces the figure and closes the editor, and the
// figure keeps its background colour.
TEST_F(EditeurFigure, ApplyingAWrongTextSelectsItsLineAndACorrectOneReplacesTheFigure) {
    const std::string avant = texteDe(n);
    TFenetreEditeur& e = ouvre();
    EXPECT_EQ(e.memo.texte, avant);
    EXPECT_EQ(TQTableDesVariablesPartagees()->codeAnnexe, kAnnexeEditeurFigure);
    EXPECT_EQ(e.titre, figure(n).titreFenetre + phraseDeNumero(kPhraseEditionTexte));
    EXPECT_EQ(e.texteModifie, 0);

    const std::string fautive = "M milieu du segment [PZ]";
    fixeTexteZone(e.memo, texteDeLignes({"Figure Kalmetra", kPointP, fautive, kPointA}));
    EXPECT_EQ(e.texteModifie, 1);
    commande(e, kEdAppliquer);
    ASSERT_EQ(fenetreEditeur(), &e);
    EXPECT_EQ(texteDe(n), avant);
    EXPECT_EQ(e.memo.debutSelection, e.memo.texte.find(fautive));
    EXPECT_EQ(e.memo.longueurSelection, fautive.size());

    // A text that runs, declined: nothing changes and nothing is selected.
    fixeTexteZone(e.memo, texteDeLignes({"Figure Kalmetra", kPointP}));
    p::reponsesPrevues().push_back({p::kReponseNon, {}});
    commande(e, kEdAppliquer);
    ASSERT_EQ(fenetreEditeur(), &e);
    EXPECT_EQ(texteDe(n), avant);
    EXPECT_EQ(e.memo.longueurSelection, 0u);

    figure(n).couleurFond = 0x123456;
    fixeTexteZone(e.memo, texteDeLignes({"Figure Kalmetra", kPointP}));
    p::reponsesPrevues().push_back({p::kReponseOui, {}});
    commande(e, kEdAppliquer);
    p::distribueJusquAuRepos();
    EXPECT_EQ(fenetreEditeur(), nullptr);
    const std::string apres = texteDe(n);
    EXPECT_NE(apres.find("P point"), std::string::npos) << apres;
    EXPECT_EQ(apres.find("A point"), std::string::npos) << apres;
    EXPECT_EQ(figure(n).couleurFond, 0x123456u);
    EXPECT_EQ(TQTableDesVariablesPartagees()->codeAnnexe, 0);
}

// A pending text handed over by the host is shown and applied at once.
TEST_F(EditeurFigure, APendingTextIsAppliedOnOpening) {
    figure(n).texteEnAttente = std::make_unique<std::string>(texteDeLignes({"Figure Kalmetra", kPointP}));
    p::reponsesPrevues().push_back({p::kReponseOui, {}});
    KMAfficheEditeurFigure(n);
    p::distribueJusquAuRepos();
    EXPECT_EQ(fenetreEditeur(), nullptr);
    EXPECT_EQ(figure(n).texteEnAttente, nullptr);
    EXPECT_NE(texteDe(n).find("P point"), std::string::npos);
}

// The first press on a leaf selects it, the second inserts its sentence as
// a new line before the caret's line; a word goes in place of the selection
// through the clipboard; a group inserts nothing.
TEST_F(EditeurFigure, TheTreeInsertsASentenceBeforeTheCaretLineAndAWordAtTheCaret) {
    TFenetreEditeur& e = ouvre();
    ASSERT_EQ(e.arbre.size(), kNoeudsArbrePhrases);
    fixeTexteZone(e.memo, "un\r\ndeux\r\ntrois");
    selectionneZone(e.memo, 6, 1); // inside "deux"
    const int milieu = noeudDePhrase(e, 2016);
    ASSERT_GE(milieu, 0);
    p::envoieMessage(e.fenetre, kMessageNoeudArbre, uint32_t(milieu), 0);
    EXPECT_EQ(e.memo.texte, "un\r\ndeux\r\ntrois");
    p::envoieMessage(e.fenetre, kMessageNoeudArbre, uint32_t(milieu), 0);
    // "#2 milieu du segment #1" with each "#" and its digit as " ? ".
    EXPECT_EQ(e.memo.texte, "un\r\n ?  milieu du segment  ? \r\ndeux\r\ntrois");

    const int rouge = noeudDePhrase(e, 2450);
    ASSERT_GE(rouge, 0);
    EXPECT_EQ(e.arbre[std::size_t(rouge)].texte, "...rouge...");
    const std::size_t x = e.memo.texte.find("trois");
    selectionneZone(e.memo, x, 5);
    p::envoieMessage(e.fenetre, kMessageNoeudArbre, uint32_t(rouge), 0);
    p::envoieMessage(e.fenetre, kMessageNoeudArbre, uint32_t(rouge), 0);
    EXPECT_EQ(e.memo.texte, "un\r\n ?  milieu du segment  ? \r\ndeux\r\nrouge");
    ASSERT_NE(p::textePressePapiers(), nullptr);
    EXPECT_EQ(*p::textePressePapiers(), "rouge");

    // A group and a word that would pass the maximum length insert nothing.
    const std::string garde = e.memo.texte;
    p::envoieMessage(e.fenetre, kMessageNoeudArbre, 0, 0);
    p::envoieMessage(e.fenetre, kMessageNoeudArbre, 0, 0);
    e.memo.longueurMax = e.memo.texte.size() + 2;
    selectionneZone(e.memo, 0, 0);
    p::envoieMessage(e.fenetre, kMessageNoeudArbre, uint32_t(rouge), 0);
    EXPECT_EQ(e.memo.texte, garde);
}

// The tree's groups and labels.
TEST(ArbreDesPhrases, FiveGroupsWithTheirSizesAndLabelsFromThePhrases) {
    const std::vector<TNoeudPhrase> a = arbreDesPhrases();
    ASSERT_EQ(a.size(), kNoeudsArbrePhrases);
    struct Groupe {
        uint16_t phrase;
        std::size_t enfants, sousGroupes;
    };
    const Groupe attendus[] = {{11054, 11, 11}, {95, 27, 0}, {11058, 44, 3}, {11056, 47, 0}, {11055, 18, 0}};
    std::size_t g = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].niveau != 0) continue;
        ASSERT_LT(g, std::size(attendus));
        EXPECT_EQ(a[i].phrase, attendus[g].phrase);
        std::size_t enfants = 0, sousGroupes = 0;
        for (std::size_t j = i + 1; j < a.size() && a[j].niveau > 0; ++j)
            if (a[j].niveau == 1) {
                ++enfants;
                if (a[j].aDesEnfants) ++sousGroupes;
                EXPECT_EQ(a[j].mot, attendus[g].phrase == 11056);
            }
        EXPECT_EQ(enfants, attendus[g].enfants) << attendus[g].phrase;
        EXPECT_EQ(sousGroupes, attendus[g].sousGroupes) << attendus[g].phrase;
        ++g;
    }
    EXPECT_EQ(g, std::size(attendus));
    struct Libelle {
        uint16_t phrase;
        bool mot;
        std::string attendu;
    };
    const Libelle libelles[] = {
        {2009, false, " ?  point libre dans l'espace"},
        {95, false,
         "Cr\xE9"
         "er un prototype"},
        {kPhraseCouleurFond, false, "Couleur du fond: couleur RVB("},
        {2445, true, "...noir..."},
    };
    for (const Libelle& l : libelles)
        EXPECT_EQ(libelleDePhrase(l.phrase, l.mot), l.attendu) << l.phrase;
}

// The creation sentences stand under the heading of their command's menu
// path (the sphere by centre and radius with a unit too); the others under
// their group; no sentence twice.
TEST(ArbreDesPhrases, EverySentenceIsInOneGroupByTheMenuOfItsCommand) {
    const std::vector<TNoeudPhrase> a = arbreDesPhrases();
    std::map<uint16_t, int> vues;
    std::map<uint16_t, uint16_t> titre; // sentence -> the heading just above it
    std::vector<uint16_t> titres(4, 0);
    for (const TNoeudPhrase& n : a) {
        if (n.aDesEnfants) {
            titres[n.niveau] = n.phrase;
            continue;
        }
        ++vues[n.phrase];
        titre[n.phrase] = titres[std::size_t(n.niveau - 1)];
    }
    for (const auto& [phrase, fois] : vues)
        EXPECT_EQ(fois, 1) << phrase;
    for (uint16_t k = 2000; k <= 2241; ++k)
        EXPECT_EQ(vues.count(k), 1u) << k;
    // Independent of the tree's code: the menu's own places of a few commands.
    struct Cas {
        uint16_t phrase, heading;
    };
    for (const Cas& c : {Cas{2009, 240},    // a free point in space: 2-1-1-1, under 2-1-1
                         Cas{2008, 240},    // a free point on a ray: 2-1-1-4
                         Cas{2015, 241},    // a point by two coordinates: 2-1-2-2, under 2-1-2
                         Cas{2016, 236},    // a midpoint: 2-1-8, in 2-1 itself
                         Cas{2202, 11058}}) // a free object's parameter: a setting
        EXPECT_EQ(titre[c.phrase], c.heading) << c.phrase;
    // A variant with a length unit beside its pattern, and the sphere with a
    // unit, stand with the pattern they vary.
    for (const auto& [variante, patron] :
         {std::pair{2014, 2015}, std::pair{2418, 2118}, std::pair{2200, 2201}})
        EXPECT_EQ(titre[uint16_t(variante)], titre[uint16_t(patron)]) << variante;
}

// Load asks for a file through the open dialog; an invalid text loads only
// on Yes, a file too long or a cancelled dialog changes nothing.
TEST_F(EditeurFigure, LoadGoesThroughTheOpenDialogAndAsksForAnInvalidText) {
    TFenetreEditeur& e = ouvre();
    const std::string original = e.memo.texte;
    const std::string valide = ecrit("valide.k3v", "Figure Kalmetra\n" + kPointP + "\n");
    const std::string invalide =
        ecrit("invalide.k3v", texteDeLignes({"Figure Kalmetra", "M milieu du segment [PZ]"}));
    const std::string long_ = ecrit("long.k3v", std::string(kTailleLectureEditeur, 'x'));
    const std::string question = invalide + "\r\n" + phraseDeNumero(kPhraseFichierIncorrect);
    struct Cas {
        std::vector<p::ReponseSaisie> reponses;
        std::string attendu;
        bool questionPosee;
    };
    const Cas cas[] = {
        {{{p::kReponseAnnuler, {}}}, original, false},
        {{{p::kReponseOk, long_}}, original, false},
        {{{p::kReponseOk, invalide}, {p::kReponseNon, {}}}, original, true},
        {{{p::kReponseOk, valide}}, texteDeLignes({"Figure Kalmetra", kPointP}), false},
        {{{p::kReponseOk, invalide}, {p::kReponseOui, {}}},
         texteDeLignes({"Figure Kalmetra", "M milieu du segment [PZ]"}),
         true},
    };
    for (const Cas& c : cas) {
        p::boitesDemandees().clear();
        e.texteModifie = 0; // each case loads over a text with nothing to lose
        for (const p::ReponseSaisie& r : c.reponses)
            p::reponsesPrevues().push_back(r);
        commande(e, kEdCharger);
        EXPECT_EQ(e.memo.texte, c.attendu);
        EXPECT_EQ(demande(question), c.questionPosee);
        ASSERT_FALSE(p::boitesDemandees().empty());
        EXPECT_EQ(p::boitesDemandees()[0].fichier, p::kDialogueOuvrir);
        EXPECT_EQ(p::boitesDemandees()[0].filtre, "*.k3v|*.k3v");
        EXPECT_TRUE(p::reponsesPrevues().empty());
    }
    EXPECT_EQ(texteDe(n).find("P point"), std::string::npos); // the figure waits for Apply
}

// Changes typed and not applied are not dropped by Load without a Yes: No
// keeps them and opens no file dialog; Yes goes on to the dialog and the
// file's text replaces them.
TEST_F(EditeurFigure, LoadAsksBeforeReplacingATextNotApplied) {
    TFenetreEditeur& e = ouvre();
    const std::string valide = ecrit("valide.k3v", "Figure Kalmetra\n" + kPointP + "\n");
    const std::string tape = texteDeLignes({"Figure Kalmetra", "Q point libre dans l'espace"});
    fixeTexteZone(e.memo, tape);
    ASSERT_EQ(e.texteModifie, 1);
    const std::string question = phraseDeNumero(kPhraseChargerSurTexteModifie);
    p::boitesDemandees().clear();
    p::reponsesPrevues().push_back({p::kReponseNon, {}});
    commande(e, kEdCharger);
    EXPECT_EQ(e.memo.texte, tape);
    EXPECT_TRUE(demande(question));
    EXPECT_EQ(p::boitesDemandees().size(), 1u); // no file dialog after No
    EXPECT_EQ(KMTexteNonApplique(n), 1);

    p::boitesDemandees().clear();
    p::reponsesPrevues().push_back({p::kReponseOui, {}});
    p::reponsesPrevues().push_back({p::kReponseOk, valide});
    commande(e, kEdCharger);
    EXPECT_TRUE(demande(question));
    EXPECT_EQ(e.memo.texte, texteDeLignes({"Figure Kalmetra", kPointP}));
    EXPECT_TRUE(p::reponsesPrevues().empty());
}

// Save writes the editor's text to the figure's file; Save As of the
// second text writes the second text; an invalid text is saved only on Yes.
TEST_F(EditeurFigure, SaveWritesTheFigureFileAndSaveAsOfTheSecondTextWritesIt) {
    TFenetreEditeur& e = ouvre();
    const std::string fichier = ecrit("figure.k3v", "ancien");
    figure(n).cheminFichier = fichier;
    fixeTexteZone(e.memo, texteDeLignes({"Figure Kalmetra", kPointP}));
    commande(e, kEdEnregistrer);
    EXPECT_EQ(lit(fichier), e.memo.texte);

    fixeTexteZone(e.memo, texteDeLignes({"Figure Kalmetra", "M milieu du segment [PZ]"}));
    p::reponsesPrevues().push_back({p::kReponseNon, {}});
    commande(e, kEdEnregistrer);
    EXPECT_TRUE(demande(phraseDeNumero(kPhraseEnregistrerIncorrect)));
    EXPECT_EQ(lit(fichier), texteDeLignes({"Figure Kalmetra", kPointP}));

    // The second text, opened beside the first, with a long name shortened.
    const std::string nomLong = std::string(60 - (dossier.string().size() + 1) - 4, 'a') + ".k3v";
    const std::string autre = ecrit(nomLong, kTexteA);
    ASSERT_EQ(autre.size(), 60u);
    p::reponsesPrevues().push_back({p::kReponseOk, autre});
    commande(e, kEdOuvrirAutreTexte);
    EXPECT_TRUE(e.panneauAutreTexteVisible);
    EXPECT_EQ(e.memoAutreTexte.texte, kTexteA);
    EXPECT_EQ(e.libelleNomAutreTexte, "..." + autre.substr(12));
    EXPECT_EQ(e.bulleNomAutreTexte, autre);
    EXPECT_EQ(e.largeurMemo, e.largeurClient / 2);

    const std::string sous = (dossier / "sous.k3v").string();
    p::reponsesPrevues().push_back({p::kReponseOk, sous});
    commande(e, kEdEnregistrerSousAutreTexte);
    EXPECT_EQ(lit(sous), kTexteA);
}

// Closing asks about a modified text (only Yes closes) and then about a
// modified second text (Cancel keeps the editor open).
TEST_F(EditeurFigure, ClosingAsksAboutModifiedTexts) {
    TFenetreEditeur& e = ouvre();
    p::envoieMessage(e.fenetre, p::WM_CHAR, 'z', 0);
    EXPECT_EQ(e.texteModifie, 1);
    EXPECT_EQ(e.memo.texte.substr(0, 1), "z");
    for (const int r : {p::kReponseAnnuler, p::kReponseNon}) {
        p::boitesDemandees().clear();
        p::reponsesPrevues().push_back({r, {}});
        p::envoieMessage(e.fenetre, p::WM_CLOSE, 0, 0);
        ASSERT_EQ(fenetreEditeur(), &e);
        EXPECT_TRUE(demande(phraseDeNumero(kPhraseEditeurModifie)));
    }
    const std::string autre = ecrit("autre.k3v", kTexteA);
    p::reponsesPrevues().push_back({p::kReponseOk, autre});
    commande(e, kEdOuvrirAutreTexte);
    e.focusAutreTexte = true;
    p::envoieMessage(e.fenetre, p::WM_CHAR, 1, 0); // Ctrl+A
    EXPECT_EQ(e.memoAutreTexte.longueurSelection, kTexteA.size());
    commande(e, kEdSupprimer);
    EXPECT_EQ(e.memoAutreTexte.texte, "");
    EXPECT_EQ(e.autreTexteModifie, 1);
    p::boitesDemandees().clear();
    p::reponsesPrevues().push_back({p::kReponseOui, {}});
    p::reponsesPrevues().push_back({p::kReponseAnnuler, {}});
    p::envoieMessage(e.fenetre, p::WM_CLOSE, 0, 0);
    ASSERT_EQ(fenetreEditeur(), &e);
    EXPECT_TRUE(demande(phraseDeNumero(kPhraseAutreTexteModifie)));
    p::reponsesPrevues().push_back({p::kReponseOui, {}});
    p::reponsesPrevues().push_back({p::kReponseNon, {}});
    p::envoieMessage(e.fenetre, p::WM_CLOSE, 0, 0);
    p::distribueJusquAuRepos();
    EXPECT_EQ(fenetreEditeur(), nullptr);
    EXPECT_EQ(lit(autre), kTexteA); // No: not saved
}

// The phrase list and the second text share the right-hand side: showing
// the list closes the second text, and a narrow editor widens to 600.
TEST_F(EditeurFigure, ThePhraseListAndTheSecondTextShareTheRightSide) {
    TFenetreEditeur& e = ouvre();
    e.largeurClient = 400;
    commande(e, kEdListeDesPhrases);
    EXPECT_TRUE(e.arbreVisible);
    EXPECT_EQ(e.largeurClient, 600);
    EXPECT_EQ(e.largeurMemo, 600 - 250);
    p::reponsesPrevues().push_back({p::kReponseOk, ecrit("b.k3v", kTexteA)});
    commande(e, kEdOuvrirAutreTexte);
    EXPECT_FALSE(e.arbreVisible);
    EXPECT_FALSE(e.menu[kEdListeDesPhrases].coche);
    EXPECT_TRUE(e.menu[kEdFermerAutreTexte].actif);
    commande(e, kEdListeDesPhrases);
    EXPECT_FALSE(e.panneauAutreTexteVisible);
    EXPECT_FALSE(e.menu[kEdFermerAutreTexte].actif);
    EXPECT_TRUE(e.arbreVisible);
    commande(e, kEdListeDesPhrases);
    EXPECT_FALSE(e.arbreVisible);
    EXPECT_EQ(e.largeurMemo, 0);
}

// Print: the main text with a margin of five blanks under the figure's
// title, the text itself unchanged.
TEST_F(EditeurFigure, PrintingPutsEveryLineWithAMargin) {
    TFenetreEditeur& e = ouvre();
    fixeTexteZone(e.memo, "un\r\ndeux");
    commande(e, kEdImprimer);
    ASSERT_EQ(p::documentsImprimes().size(), 1u);
    const p::DocumentImprime& d = p::documentsImprimes()[0];
    EXPECT_EQ(d.titre, figure(n).titreFenetre);
    std::vector<std::string> lignes;
    for (const auto& page : d.pages)
        for (const p::Primitive& pr : page)
            if (!pr.texte.empty()) lignes.push_back(pr.texte);
    EXPECT_EQ(lignes, (std::vector<std::string>{"     un", "     deux"}));
    EXPECT_EQ(e.memo.texte, "un\r\ndeux");
}

// The editor opens from command 118 and from Ctrl+Shift+E as well.
TEST_F(EditeurFigure, Command118AndCtrlShiftEOpenTheEditor) {
    KMMessage m{p::WM_COMMAND, 118, 0, 0};
    traiteMessageKMParNumero(n, &m);
    ASSERT_NE(fenetreEditeur(), nullptr);
    EXPECT_NE(m.resultat, kResultatRefuse);
    p::envoieMessage(fenetreEditeur()->fenetre, p::WM_CLOSE, 0, 0);
    p::distribueJusquAuRepos();
    ASSERT_EQ(fenetreEditeur(), nullptr);
    p::fixeToucheEnfoncee(p::VK_CONTROL, true);
    p::fixeToucheEnfoncee(p::VK_SHIFT, true);
    p::fixeToucheEnfoncee('E', true);
    KMMessage k{p::WM_KEYDOWN, 'E', 0, 0};
    traiteMessageKMParNumero(n, &k);
    EXPECT_NE(fenetreEditeur(), nullptr);
    KMAfficheEditeurFigure(7); // no such figure: nothing
    KMAfficheEditeurFigure(-3);
}

// Undo, cut, copy, paste, clear and select all act on the text that has
// the focus, and only that text is marked modified.
TEST_F(EditeurFigure, EditCommandsActOnTheTextThatHasTheFocus) {
    TFenetreEditeur& e = ouvre();
    p::reponsesPrevues().push_back({p::kReponseOk, ecrit("b.k3v", kTexteA)});
    commande(e, kEdOuvrirAutreTexte);
    ASSERT_TRUE(e.panneauAutreTexteVisible);
    for (const bool autre : {false, true}) {
        SCOPED_TRACE(autre);
        fixeTexteZone(e.memo, "abc def");
        fixeTexteZone(e.memoAutreTexte, "uvw xyz");
        e.texteModifie = e.autreTexteModifie = 0;
        e.focusAutreTexte = autre;
        TZoneTexte& z = autre ? e.memoAutreTexte : e.memo;
        const std::string mots[] = {autre ? "uvw" : "abc", autre ? "xyz" : "def"};
        struct Etape {
            std::size_t debut, longueur; // the selection before the command
            CommandeEditeur commande;
            std::string texte, pressePapiers;
        };
        const Etape etapes[] = {
            {4, 3, kEdCouper, mots[0] + " ", mots[1]},
            {0, 0, kEdAnnuler, mots[0] + " " + mots[1], mots[1]},
            {0, 3, kEdCopier, mots[0] + " " + mots[1], mots[0]},
            {7, 0, kEdColler, mots[0] + " " + mots[1] + mots[0], mots[0]},
            {0, 4, kEdSupprimer, mots[1] + mots[0], mots[0]},
        };
        for (const Etape& t : etapes) {
            selectionneZone(z, t.debut, t.longueur);
            commande(e, t.commande);
            EXPECT_EQ(z.texte, t.texte) << t.commande;
            ASSERT_NE(p::textePressePapiers(), nullptr);
            EXPECT_EQ(*p::textePressePapiers(), t.pressePapiers) << t.commande;
        }
        commande(e, kEdSelectionnerTout);
        EXPECT_EQ(z.debutSelection, 0u);
        EXPECT_EQ(z.longueurSelection, z.texte.size());
        // The other text is untouched.
        EXPECT_EQ((autre ? e.memo : e.memoAutreTexte).texte, autre ? "abc def" : "uvw xyz");
        EXPECT_EQ(e.texteModifie, autre ? 0 : 1);
        EXPECT_EQ(e.autreTexteModifie, autre ? 1 : 0);
    }
}

// In the editor, Ctrl+Z and the Undo item take back the last edit whole (a
// run of typing, an inserted phrase), Ctrl+Shift+Z and Ctrl+Y make it again,
// whether the key comes as the window's key or by the shortcut route of a
// control that has the keyboard; the figure's own history is not touched.
TEST_F(EditeurFigure, UndoAndRedoKeysTakeBackAndMakeAgainWholeEdits) {
    TFenetreEditeur& e = ouvre();
    const std::string avant = e.memo.texte;
    const std::string figureAvant = texteDe(n);
    const auto touche = [&](uint32_t message, bool maj, uint32_t t) {
        p::fixeModificateurs(maj, true, false);
        const int32_t r = p::envoieMessage(e.fenetre, message, t, 0);
        p::fixeModificateurs(false, false, false);
        return r;
    };
    for (const uint32_t message : {uint32_t(p::WM_KEYDOWN), p::WM_RACCOURCI}) {
        SCOPED_TRACE(message);
        selectionneZone(e.memo, 0, 0);
        for (const char c : std::string("Hello "))
            p::envoieMessage(e.fenetre, p::WM_CHAR, uint8_t(c), 0);
        const std::string tape = e.memo.texte;
        ASSERT_EQ(tape, "Hello " + avant);
        selectionneZone(e.memo, e.memo.texte.size(), 0);
        remplaceSelection(e.memo, "X");
        EXPECT_EQ(touche(message, false, 'Z'), 1);
        EXPECT_EQ(e.memo.texte, tape);
        commande(e, kEdAnnuler);
        EXPECT_EQ(e.memo.texte, avant);
        EXPECT_EQ(touche(message, true, 'Z'), 1);
        EXPECT_EQ(e.memo.texte, tape);
        EXPECT_EQ(touche(message, false, 'Y'), 1);
        EXPECT_EQ(e.memo.texte, tape + "X");
        EXPECT_EQ(touche(message, false, 'Z'), 1);
        EXPECT_EQ(touche(message, false, 'Z'), 1);
        EXPECT_EQ(e.memo.texte, avant);
        // Another key with Ctrl is not the editor's.
        EXPECT_EQ(touche(message, false, 'S'), 0);
    }
    EXPECT_EQ(texteDe(n), figureAvant);
}

// The second text prints under its file name without the margin; closing
// it after a change asks: Cancel keeps it open, No drops the change, Yes
// writes it to its file.
TEST_F(EditeurFigure, TheSecondTextPrintsUnderItsNameAndClosesAsTheUserAnswers) {
    TFenetreEditeur& e = ouvre();
    const std::string fichier = ecrit("b.k3v", kTexteA);
    p::reponsesPrevues().push_back({p::kReponseOk, fichier});
    commande(e, kEdOuvrirAutreTexte);
    commande(e, kEdImprimerAutreTexte);
    ASSERT_EQ(p::documentsImprimes().size(), 1u);
    EXPECT_EQ(p::documentsImprimes()[0].titre, fichier);
    std::vector<std::string> lignes;
    for (const auto& page : p::documentsImprimes()[0].pages)
        for (const p::Primitive& pr : page)
            if (!pr.texte.empty()) lignes.push_back(pr.texte);
    EXPECT_EQ(lignes, (std::vector<std::string>{"Figure Kalmetra", kPointA}));

    const std::string nouveau = texteDeLignes({"Figure Kalmetra", kPointP});
    struct Cas {
        int reponse;
        bool resteOuvert;
        std::string fichierApres;
    };
    for (const Cas& c : {Cas{p::kReponseAnnuler, true, kTexteA}, Cas{p::kReponseNon, false, kTexteA},
                         Cas{p::kReponseOui, false, nouveau}}) {
        SCOPED_TRACE(c.reponse);
        ecrit("b.k3v", kTexteA);
        if (!e.panneauAutreTexteVisible) {
            p::reponsesPrevues().push_back({p::kReponseOk, fichier});
            commande(e, kEdOuvrirAutreTexte);
        }
        e.focusAutreTexte = true;
        ASSERT_TRUE(p::copieTexteDansPressePapiers(e.fenetre, nouveau));
        commande(e, kEdSelectionnerTout);
        commande(e, kEdColler);
        ASSERT_EQ(e.autreTexteModifie, 1);
        p::boitesDemandees().clear();
        p::reponsesPrevues().push_back({c.reponse, {}});
        commande(e, kEdFermerAutreTexte);
        EXPECT_TRUE(demande(phraseDeNumero(kPhraseAutreTexteModifie)));
        EXPECT_EQ(e.panneauAutreTexteVisible, c.resteOuvert);
        EXPECT_EQ(e.menu[kEdEnregistrerAutreTexte].actif, c.resteOuvert);
        EXPECT_EQ(lit(fichier), c.fichierApres);
        EXPECT_TRUE(p::reponsesPrevues().empty());
    }
}

// Opening another second text over one changed and not saved asks as
// closing it does: Cancel keeps it and opens no file dialog, No drops the
// change, Yes saves it first; the other file is then shown.
TEST_F(EditeurFigure, OpeningAnotherSecondTextAsksForTheChangesOfTheFirst) {
    TFenetreEditeur& e = ouvre();
    const std::string premier = ecrit("premier.k3v", kTexteA);
    const std::string autre = texteDeLignes({"Figure Kalmetra", kPointP});
    const std::string second = ecrit("second.k3v", autre);
    const std::string change = texteDeLignes({"Figure Kalmetra", kPointP, kPointA});
    struct Cas {
        int reponse;
        std::string texteApres, premierApres;
    };
    for (const Cas& c : {Cas{p::kReponseAnnuler, change, kTexteA}, Cas{p::kReponseNon, autre, kTexteA},
                         Cas{p::kReponseOui, autre, change}}) {
        SCOPED_TRACE(c.reponse);
        ecrit("premier.k3v", kTexteA);
        p::reponsesPrevues().push_back({p::kReponseOk, premier});
        commande(e, kEdOuvrirAutreTexte);
        ASSERT_EQ(e.memoAutreTexte.texte, kTexteA);
        fixeTexteZone(e.memoAutreTexte, change);
        ASSERT_EQ(e.autreTexteModifie, 1);
        p::boitesDemandees().clear();
        p::reponsesPrevues().push_back({c.reponse, {}});
        if (c.reponse != p::kReponseAnnuler) p::reponsesPrevues().push_back({p::kReponseOk, second});
        commande(e, kEdOuvrirAutreTexte);
        ASSERT_FALSE(p::boitesDemandees().empty());
        EXPECT_EQ(p::boitesDemandees()[0].texte, phraseDeNumero(kPhraseAutreTexteModifie));
        EXPECT_EQ(p::boitesDemandees().size(), c.reponse == p::kReponseAnnuler ? 1u : 2u);
        EXPECT_TRUE(p::reponsesPrevues().empty());
        EXPECT_EQ(e.memoAutreTexte.texte, c.texteApres);
        EXPECT_EQ(lit(premier), c.premierApres);
        EXPECT_EQ(e.autreTexteModifie, c.reponse == p::kReponseAnnuler ? 1 : 0);
        e.autreTexteModifie = 0; // the next case opens over a text with nothing to lose
    }
}

// Save of a figure that has no file yet goes through Save As; the help
// item opens the editor's topic.
TEST_F(EditeurFigure, SaveWithoutAFileAsksForOneAndHelpOpensTheEditorsTopic) {
    TFenetreEditeur& e = ouvre();
    figure(n).cheminFichier.clear();
    const std::string sous = (dossier / "neuf.k3v").string();
    p::boitesDemandees().clear();
    p::reponsesPrevues().push_back({p::kReponseOk, sous});
    commande(e, kEdEnregistrer);
    EXPECT_EQ(p::boitesDemandees().size(), 1u); // the name asked for, nothing else
    EXPECT_TRUE(p::reponsesPrevues().empty());
    EXPECT_EQ(lit(sous), e.memo.texte);

    p::aidesDemandees().clear();
    commande(e, kEdAide);
    ASSERT_EQ(p::aidesDemandees().size(), 1u);
    EXPECT_EQ(p::aidesDemandees()[0].donnee, kAideEditeurFigure);
    EXPECT_EQ(p::aidesDemandees()[0].fenetre, e.fenetre);
}

// The hidden Apply of the second text applies that text; a failing one
// selects its line there.
TEST_F(EditeurFigure, ApplyOfTheSecondTextAppliesItAndSelectsItsFailingLine) {
    TFenetreEditeur& e = ouvre();
    const std::string fautive = "M milieu du segment [PZ]";
    const std::string mauvais = texteDeLignes({"Figure Kalmetra", kPointP, fautive});
    p::reponsesPrevues().push_back({p::kReponseOk, ecrit("mauvais.k3v", mauvais)});
    p::reponsesPrevues().push_back({p::kReponseOui, {}}); // load it although it fails
    commande(e, kEdOuvrirAutreTexte);
    ASSERT_EQ(e.memoAutreTexte.texte, mauvais);
    const std::string avant = texteDe(n);
    commande(e, kEdAppliquerAutreTexte);
    ASSERT_EQ(fenetreEditeur(), &e);
    EXPECT_EQ(texteDe(n), avant);
    EXPECT_TRUE(e.focusAutreTexte);
    EXPECT_EQ(e.memoAutreTexte.debutSelection, mauvais.find(fautive));
    EXPECT_EQ(e.memoAutreTexte.longueurSelection, fautive.size());
    EXPECT_EQ(e.memo.longueurSelection, 0u);

    fixeTexteZone(e.memoAutreTexte, texteDeLignes({"Figure Kalmetra", kPointP}));
    p::reponsesPrevues().push_back({p::kReponseOui, {}});
    commande(e, kEdAppliquerAutreTexte);
    p::distribueJusquAuRepos();
    EXPECT_EQ(fenetreEditeur(), nullptr);
    EXPECT_NE(texteDe(n).find("P point"), std::string::npos);
}

// The editor's window shows the form's face under its controls, not the
// figure behind it.
TEST_F(EditeurFigure, TheEditorsWindowIsPaintedWithTheFormsFace) {
    const TFenetreEditeur& e = ouvre();
    p::distribueJusquAuRepos();
    const p::Bitmap* s = p::surfaceDeFenetre(e.fenetre);
    ASSERT_NE(s, nullptr);
    const p::Rectangle client = p::rectangleClient(e.fenetre);
    for (const auto& [x, y] : {std::pair{1, 1}, std::pair{client.droite - 2, client.bas - 2}})
        EXPECT_EQ(s->pixel(x, y), std::optional<uint32_t>(p::kFaceFormulaire)) << x << "," << y;
}

// While another window of the figure holds the annex slot the editor does
// not open: that window comes forward instead.
TEST_F(EditeurFigure, AnotherAnnexOfTheFigureKeepsTheEditorClosed) {
    KMMessage m{p::WM_COMMAND, 88, 0, 0}; // the style palette
    traiteMessageKMParNumero(n, &m);
    p::distribueJusquAuRepos();
    ASSERT_EQ(TQTableDesVariablesPartagees()->codeAnnexe, kAnnexeStyles);
    const p::Fenetre palette = TQTableDesVariablesPartagees()->fenetreAnnexe;
    p::afficheFenetre(palette, false);
    KMAfficheEditeurFigure(n);
    p::distribueJusquAuRepos();
    EXPECT_EQ(fenetreEditeur(), nullptr);
    EXPECT_EQ(TQTableDesVariablesPartagees()->codeAnnexe, kAnnexeStyles);
    EXPECT_TRUE(p::estAffichee(palette));
}

} // namespace
} // namespace km32::essais
