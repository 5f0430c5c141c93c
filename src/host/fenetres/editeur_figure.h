#pragma once
// The figure text editor (annex code 134): the whole text of a figure to
// edit and apply, a tree of phrases whose sentences and words insert into
// it, loading, saving and printing, and a second text beside the first.
// One editor at a time; the mother window shows and closes it.
//
// The editor is a retained model: the record below is its state, the
// handlers are its operations, and its platform window turns the messages
// a host sends (menu commands, typed characters, a press on a tree node,
// the close request) into those handlers.
#include <cstdint>
#include <string>
#include <vector>

#include "sibling/codes_annexes.h"
#include "host/fenetres/arbre_phrases.h"
#include "host/fenetres/zone_texte.h"
#include "model/figure.h"

namespace km32 {

constexpr uint16_t kAideEditeurFigure = 118;
constexpr std::size_t kLongueurMaxEditeur = 65000;
constexpr std::size_t kTailleLectureEditeur = 65536; // a file of this many characters is not loaded

constexpr uint16_t kPhraseEditionTexte = 11156, kPhraseFichierIncorrect = 11159,
                   kPhraseEnregistrerIncorrect = 11160, kPhraseEditeurModifie = 11161,
                   kPhraseAutreTexteModifie = 11413, kPhraseCharger = 11373,
                   kPhraseChargerSurTexteModifie = 9972;

// The menu commands of the editor (wParam of WM_COMMAND to its window).
enum CommandeEditeur : uint32_t {
    kEdCharger = 1,
    kEdEnregistrer,
    kEdEnregistrerSous,
    kEdImprimer,
    kEdOuvrirAutreTexte,
    kEdEnregistrerAutreTexte,
    kEdEnregistrerSousAutreTexte,
    kEdImprimerAutreTexte,
    kEdFermerAutreTexte,
    kEdAppliquerAutreTexte,
    kEdFermerEditeur,
    kEdAnnuler,
    kEdCouper,
    kEdCopier,
    kEdColler,
    kEdSupprimer,
    kEdSelectionnerTout,
    kEdAppliquer,
    kEdAide,
    kEdListeDesPhrases,
    // Redo, on its keys only (Ctrl+Shift+Z, Ctrl+Y): the menu has no item.
    kEdRefaire,
};
// A press on a tree node: wParam the node's index in pre-order.
constexpr uint32_t kMessageNoeudArbre = 0x0400 + 1;

struct TElementMenuEditeur {
    std::string legende;
    bool actif = true;
    bool visible = true;
    bool coche = false;
};

struct TFenetreEditeur {
    uint32_t fenetre = 0;
    TfigureKalmetra* figure = nullptr;
    uint8_t numeroFigure = 0;
    std::string titre;
    TZoneTexte memo, memoAutreTexte;
    bool focusAutreTexte = false;
    bool focusArbre = false; // the tree of phrases has the keyboard (a toolkit's tree)
    uint8_t texteModifie = 0, autreTexteModifie = 0;
    std::string nomAutreTexte; // at most 255
    std::string libelleNomAutreTexte, bulleNomAutreTexte;
    std::string legendeAutreTexte; // the caption of the second text's sub-menu
    std::vector<TNoeudPhrase> arbre;
    int noeudSelectionne = -1;
    bool arbreVisible = false, panneauAutreTexteVisible = false, separateurVisible = false;
    // Layout: the client width and the width of the text (0: the whole area).
    int32_t gauche = 0, largeurClient = 620, largeurMemo = 0;
    std::vector<TElementMenuEditeur> menu; // by CommandeEditeur
};

// Opens the editor on the figure (nothing when the figure does not exist or
// the annex slot is refused); the open editor, nullptr when none.
void KMAfficheEditeurFigurePourNumero(int16_t numero);
TFenetreEditeur* fenetreEditeur();

// Handlers. autre: the handler was called from the second text's item.
void AppliquerClick(TFenetreEditeur& e, bool autre = false);
void ChargerClick(TFenetreEditeur& e);
void EnregistrerClick(TFenetreEditeur& e, bool autre = false);
void EnregistrersousClick(TFenetreEditeur& e, bool autre = false);
void ImprimerClick(TFenetreEditeur& e, bool autre = false);
void OuvrirAutreTexteClick(TFenetreEditeur& e);
void FermerAutreTexteClick(TFenetreEditeur& e);
void ListedesphrasesClick(TFenetreEditeur& e);
void ArborescenceDesPhrasesMouseDown(TFenetreEditeur& e, int noeud);
void commandeEditionEditeur(TFenetreEditeur& e, CommandeEditeur c);
// The edit commands' keys typed in the editor: Ctrl+Z undoes, Ctrl+Shift+Z
// and Ctrl+Y redo, on the text that has the focus. True when the key was one.
bool toucheEditeur(TFenetreEditeur& e, uint32_t touche);
void Aide1Click(TFenetreEditeur& e);
// True when the editor may close (the mother window is then told).
bool FormCloseQuery(TFenetreEditeur& e);
void FermerEditeurClick(TFenetreEditeur& e);

void reinitialiseEditeurFigure();

} // namespace km32
