#pragma once
// What a control of a bound form needs to show its text whole: the size the
// window backend's toolkit asks for a label, a push button, a check box, a
// one-line entry of some characters or a combo box, measured with the
// toolkit's own font (and its scale, GDK_DPI_SCALE included).
//
// A window model lays its controls out at its own pixel sizes, then takes
// for each the larger of its size and the measured one (auMoins, agrandi),
// and moves what follows by the growth; the window grows to hold it all.
// The headless backend measures nothing: every size is zero, so a model keeps
// its own sizes there and the headless pixels do not change.
//
// Texts are in Windows-1252, as everywhere in the layer. Sizes are in whole
// pixels of the window's client area.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/geometrie.h"

namespace km32::platform {

struct TailleControle {
    int32_t largeur = 0; // pixels, 0 when nothing is measured
    int32_t hauteur = 0; // pixels, 0 when nothing is measured
    friend bool operator==(const TailleControle&, const TailleControle&) = default;
};

// The kinds of controls the backend measures (the kinds of formes_liees.h).
enum class GenreMesure : uint8_t {
    Etiquette,  // a label: its text on one line (several lines when it holds line ends)
    Bouton,     // a push button and its caption
    Case,       // a check box, its box and its caption
    Champ,      // a one-line entry wide enough for some characters of average width
    Combo,      // a combo box wide enough for its widest entry
    LigneListe, // one line of a list: its text in the list's one column, with the row's padding
};

// The size the control needs. texte: the label's or caption's text (for a
// combo box, its entries separated by '\n'); caracteres: an entry's width in
// characters (the other kinds ignore it).
using Mesureur = std::function<TailleControle(GenreMesure genre, const std::string& texte, int caracteres)>;

// The real backend installs its measurer when it starts; an empty one (the
// default) measures nothing.
void installeMesureur(Mesureur m);
// True while a measurer is installed: the sizes below come from a toolkit.
bool mesuresReelles();

TailleControle tailleEtiquette(const std::string& texte);
TailleControle tailleBouton(const std::string& libelle);
TailleControle tailleCase(const std::string& libelle);
TailleControle tailleChamp(int caracteres);
TailleControle tailleCombo(const std::vector<std::string>& elements);
TailleControle tailleLigneListe(const std::string& texte);

// The larger of the model's size and the measured one.
inline int32_t auMoins(int32_t taille, int32_t mesure) {
    return std::max(taille, mesure);
}
// The model's frame grown to hold the measured size: its top left corner
// stays, its width and height become at least the measured ones.
inline Rectangle agrandi(const Rectangle& cadre, TailleControle t) {
    return {cadre.gauche, cadre.haut, cadre.gauche + auMoins(cadre.largeur(), t.largeur),
            cadre.haut + auMoins(cadre.hauteur(), t.hauteur)};
}

} // namespace km32::platform
