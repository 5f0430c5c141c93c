#pragma once
// The command-line host's own words once a figure is read: in the figure's
// language (French, English or German), like the library's messages printed
// beside them, so that one command speaks one language. The words about the
// command line itself (usage, options) come before any figure and stay in
// English.
#include <string>

namespace km32cli {

enum class TexteCli {
    Ligne,            // "line %d"
    FigureNonCreee,   // the library could not make the figure
    AucunTexteEcrit,  // the library wrote no text
    LigneIllisible,   // "line %d of the text written ... could not be read back"
    TexteNonRelu,     // "line %d of the text written would not read back as it is"
    AucunObjetNomme,  // "no object named '%s'"
    NonDefini,        // "undefined"
    PasUnNombre,      // "defined, not a number"
    ImageNonEcrite,   // "cannot write the picture '%s'"
    RenduRefuse,      // "the library refused to draw the figure (%d)"
    LigneNonExecutee, // "this line cannot be run"
    SortieNonEcrite,  // "cannot write the standard output"
    AucunAffichage,   // km32 show without a display or a GTK build
    ReponseVrai,      // answers of a property test, by their code
    ReponseNonTest,
    ReponseObjetAbsent,
    ReponseFaux,
    ReponseVraiValeurs,
    ReponseIndecidable,
    ReponseNonAntecedent,
    ReponseNonNature,
    ReponseNonVariable,
    ReponsePremierNonDefini,
    ReponseSecondNonDefini,
    ReponseIntervalle,
    ReponseInconnue,
};

// A text in the three languages (UTF-8).
struct Traductions {
    const char* francais;
    const char* anglais;
    const char* allemand;
};
// Languages as the library numbers them: 1 French, 2 English, 3 German;
// any other number gives English.
const char* dansLangue(const Traductions& t, int langue);

const char* texteCli(TexteCli texte, int langue);

// The meaning of a result of a property test.
const char* sensDuResultat(int resultat, int langue);

// Why a file could not be written, from the system's error number (errno)
// or the library's own code (EMSGSIZE: a figure text too long for a figure
// file), in the language; the system's own words for an error without a
// translation.
std::string raisonErreurSysteme(int erreur, int langue);

} // namespace km32cli
