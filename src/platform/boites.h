#pragma once
// Message boxes, questions and the input box go through one service. A real
// host shows them; tests and the command-line host script them: every request
// is recorded as the library gave it, and answered from a script or a default.
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace km32::platform {

// Buttons and icon of a box (our own flag values).
enum StyleBoite : uint32_t {
    kBoutonOk = 0x0,
    kBoutonsOkAnnuler = 0x1,
    kBoutonsOuiNonAnnuler = 0x3,
    kBoutonsOuiNon = 0x4,
    kMasqueBoutons = 0xF,
    kIconeErreur = 0x10,
    kIconeQuestion = 0x20,
    kIconeExclamation = 0x30,
    kIconeInformation = 0x40,
    kMasqueIcone = 0xF0,
    kDeuxiemeBoutonParDefaut = 0x100,
    kTroisiemeBoutonParDefaut = 0x200,
    kModalTache = 0x2000,
};

// Answers of a box.
enum ReponseBoite : int { kReponseOk = 1, kReponseAnnuler = 2, kReponseOui = 6, kReponseNon = 7 };

struct DemandeBoite {
    std::string texte; // as the library gave it (Windows-1252)
    std::string titre;
    uint32_t style = 0;
    bool saisie = false;        // an input box
    std::string valeurInitiale; // the input box's text, or a file dialog's initial file name
    uint8_t fichier = 0;        // a file dialog: kDialogueOuvrir or kDialogueEnregistrer
    std::string filtre;         // a file dialog's filter, as the library gave it
    std::string repertoire;     // a file dialog's initial directory
    // The captions of the buttons when the caller gave its own, in the
    // style's order ('&' before the access letter); empty: the style's own.
    std::vector<std::string> libellesBoutons;
    // The language of the library's texts when the box was asked (1 French,
    // 2 English, 3 German, 0 none known): the language of the standard
    // buttons' captions (libellesStandard).
    uint8_t langue = 0;
    // texte, titre and libellesBoutons are in UTF-8 (a host's own words,
    // naming a file in any script), not in Windows-1252; for a file dialog,
    // its titre, repertoire, valeurInitiale and the path answered.
    bool utf8 = false;
};

// The captions of the standard buttons of boxes and dialogs in a language
// ('&' before the access letter), and the file dialogs' one message;
// English for a language not known.
struct LibellesStandard {
    std::string ok, annuler, oui, non, ouvrir, enregistrer;
    // Said when a file dialog returns a name that Windows-1252 cannot hold.
    std::string nomHorsWindows1252;
    // Asked when the save dialog added its filter's extension to the name
    // typed and a file of that name exists ("%s": the name).
    std::string remplacerFichier;
};
const LibellesStandard& libellesStandard(uint8_t langue);
// Where the language of each box is read when it is asked (the library
// installs its own when it starts; none: 0).
using LangueBoites = uint8_t (*)();
void installeLangueBoites(LangueBoites langue);

// The two file dialogs.
enum GenreDialogueFichier : uint8_t { kDialogueOuvrir = 1, kDialogueEnregistrer = 2 };

// A real host installs a function that shows the box and returns the answer
// (for an input box: kReponseOk and the text typed, or kReponseAnnuler).
struct ReponseSaisie {
    int reponse = kReponseOk;
    std::string texte;
};
using AfficheurBoite = ReponseSaisie (*)(const DemandeBoite&);
void installeAfficheurBoite(AfficheurBoite afficheur);

// Shows a message box and returns the answer.
int boiteMessage(const std::string& texte, const std::string& titre, uint32_t style);
// A box whose texts (and the captions of its buttons) are in UTF-8.
int boiteMessageUtf8(const std::string& texte, const std::string& titre, uint32_t style,
                     const std::vector<std::string>& libellesBoutons);
// The same with the captions of its buttons.
int boiteMessage(const std::string& texte, const std::string& titre, uint32_t style,
                 const std::vector<std::string>& libellesBoutons);
// Shows an input box; nothing when cancelled.
std::optional<std::string> boiteSaisie(const std::string& titre, const std::string& invite,
                                       const std::string& valeurInitiale);

// An open-file or a save-file dialog starting in the directory: the path
// chosen, nothing when cancelled (an empty path counts as cancelled). The
// answer is scripted as for the boxes: kReponseOk and the path, or
// kReponseAnnuler.
std::optional<std::string> dialogueOuvrirFichier(const std::string& titre, const std::string& filtre,
                                                 const std::string& repertoire);
std::optional<std::string> dialogueEnregistrerFichier(const std::string& titre, const std::string& filtre,
                                                      const std::string& repertoire,
                                                      const std::string& nomInitial);
// The same save dialog for a host that names files in UTF-8: the title, the
// directory, the initial name and the path answered in UTF-8 (the filter
// stays in Windows-1252). A name in any script is proposed as it is; the
// path answered is still one the library's characters can hold.
std::optional<std::string> dialogueEnregistrerFichierUtf8(const std::string& titre, const std::string& filtre,
                                                          const std::string& repertoire,
                                                          const std::string& nomInitial);

// The scripted service: what was asked, and the answers to give next (when the
// script is empty: OK, or Yes for a yes/no question, and the initial text; a
// file dialog is cancelled, since nobody chose a file).
std::vector<DemandeBoite>& boitesDemandees();
std::deque<ReponseSaisie>& reponsesPrevues();
void reinitialiseBoites();

} // namespace km32::platform
