#pragma once
// The words of km32 show itself (its caption, questions, buttons, messages
// and the titles of its dialogs) in the figure's language, so that the
// window speaks one language with the library's windows. UTF-8.
#include <string>

namespace km32cli {

enum class TexteShow {
    TitreEnregistrerSous,   // the save dialog's title
    FiltreFigures,          // its filter: "Caption|*.k3v|Caption|*.*|"
    QuestionEnregistrer,    // "Save the changes to %s before closing?"
    EditeurNonApplique,     // the figure text editor holds text not applied
    CommentaireNonApplique, // the comment editor holds a comment not applied
    Oui,                    // buttons, '&' before the access letter
    Non,
    Annuler,
    EnregistrerQuandMeme,
    FichierChangeSurDisque, // "%s was changed by another program ..."
    EnregistrementEchoue,   // "The figure could not be saved into %s:\n%s."
    ModificationsPerdues,   // "%s: the changes were not saved" (on the terminal)
    TitreAide,              // the caption of a help box
    AucuneAide,             // no help shipped for the topic: "%s"
    AideIntrouvable,        // the help file is missing: "%s"
    NomHorsWindows1252,     // the file's name cannot be written in the library's characters
};

// The text in language 1 French, 2 English, 3 German (any other: English).
const char* texteShow(TexteShow texte, int langue);

// A printf-style text with one "%s" filled.
std::string texteShowAvec(TexteShow texte, int langue, const std::string& valeur);

} // namespace km32cli
