#pragma once
// The controls a window model lays over its window, described so that a real
// backend shows them as the toolkit's own widgets bound to the model. The
// model answers its form's state (read again after every event) and takes
// the user's changes through the form's operations:
// - an entry (one line or several) shows the model's text, gives the user's
//   text and caret back to the model, and makes its field the current one
//   when it takes the focus;
// - a button or a check box sends the window WM_COMMAND with its tag (the
//   model turns the check over itself);
// - a list (one column or several, flat or a tree) shows the model's lines
//   and selection, gives the user's selection back and activates a line on a
//   double click or Enter;
// - a combo box shows the model's entries and the one chosen and gives the
//   user's choice back;
// - a label shows a text.
// The headless backend has no use for them: the model paints and handles its
// controls itself, and tests drive the same operations a backend calls.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/contexte_dessin_types.h"
#include "platform/fenetres.h"

namespace km32::platform {

// Texts are in Windows-1252, as everywhere in the layer.
struct ChampLie {
    int numero = 0;       // the model's number of the field (unique in the form)
    Rectangle cadre = {}; // in the window's client coordinates
    std::string texte = {};
    bool courant = false;
    bool multiligne = false; // several lines, CR LF between them
    bool lectureSeule = false;
    // Enter goes to the form's window (which validates) instead of starting a
    // new line of a multi-line entry.
    bool entreeAuFormulaire = false;
    // The caret and selection the model holds, in bytes of texte; the
    // backend shows them when the model changes them.
    uint32_t debutSelection = 0, longueurSelection = 0;
};

struct BoutonLie {
    uint32_t tag = 0; // WM_COMMAND's wParam
    Rectangle cadre = {};
    std::string libelle = {};
    bool actif = true;
    int coche = -1; // -1: a push button; 0 or 1: a check box and its state
};

struct EtiquetteLiee {
    Rectangle cadre = {};
    std::string texte = {};
    // The label's own background over the model's drawing, for a label
    // whose text the model also paints (the headless backend shows that);
    // none: the label is transparent.
    std::optional<Couleur> fond = std::nullopt;
    Couleur encre = kNoir; // the text's colour
};

struct LigneListe {
    std::vector<std::string> cellules = {}; // one per column (one for a plain list)
    int niveau = 0;                         // depth in a tree: a line's children follow it one level deeper
    bool selectionnee = false;
};

struct ListeLiee {
    int numero = 0; // unique among the form's fields, lists and combos
    Rectangle cadre = {};
    std::vector<std::string> colonnes = {}; // column headings; empty: no heading row
    std::vector<LigneListe> lignes = {};
    bool multiple = false; // several lines may be selected
    // The line the model shows first: the toolkit's list scrolls to it when
    // the model changes it (-1: the toolkit scrolls as the user does).
    int premiereVisible = -1;
    bool developpee = false; // a tree shows every branch open
    bool chasseFixe = false; // the cells in a fixed-width font: the blanks they begin with align them
    // Not 0: the user may drag the list's selected lines onto another list
    // of the form that has a tag too; the drop sends the window WM_COMMAND
    // with the tag of the list the lines came from.
    uint32_t tagDepot = 0;
    bool courant = false; // the list has the focus in the model
};

struct ComboLie {
    int numero = 0;
    Rectangle cadre = {};
    std::vector<std::string> elements = {};
    int choisi = -1; // index in elements, -1 none
};

struct FormeLiee {
    std::vector<ChampLie> champs = {};
    std::vector<BoutonLie> boutons = {};
    std::vector<EtiquetteLiee> etiquettes = {};
    std::vector<ListeLiee> listes = {};
    std::vector<ComboLie> combos = {};
    // The window has a close box (a form whose only way out is its caption's
    // system menu): the backend shows one in the window's top-right corner,
    // and a click on it sends the window WM_CLOSE.
    bool caseFermeture = false;
};
// The close box: a square of this side 2 pixels from the window's top and
// right edges.
constexpr int32_t kLargeurCaseFermeture = 24;
inline Rectangle cadreCaseFermeture(const Rectangle& client) {
    return {client.droite - kLargeurCaseFermeture - 2, client.haut + 2, client.droite - 2,
            client.haut + kLargeurCaseFermeture + 2};
}

// Operations a form does not take stay empty; the backend then leaves its
// control as the model shows it.
struct OperationsForme {
    std::function<FormeLiee()> etat;
    // The user's text of field numero into the model.
    std::function<void(int numero, const std::string& texte)> changeTexte;
    // Field, list or combo numero takes the focus.
    std::function<void(int numero)> prendFocus;
    // The user moved the caret or the selection of field numero.
    std::function<void(int numero, uint32_t debut, uint32_t longueur)> changeSelection;
    // The user's selection of list numero, one flag per line.
    std::function<void(int numero, const std::vector<bool>& selection)> choisitLignes;
    // A double click or Enter on a line of list numero.
    std::function<void(int numero, int ligne)> activeLigne;
    // The user's choice in combo numero.
    std::function<void(int numero, int element)> choisitElement;
};

// The window's form (a second call replaces it); dropped by oublieFormeLiee
// or with the window.
void inscritFormeLiee(Fenetre f, OperationsForme operations);
void oublieFormeLiee(Fenetre f);
// The operations of a living window's form; nullptr when it has none.
const OperationsForme* formeLiee(Fenetre f);
// Every window that has a form.
std::vector<Fenetre> fenetresAvecForme();
void reinitialiseFormesLiees();

} // namespace km32::platform
