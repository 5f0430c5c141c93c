#pragma once
// The record of one figure-text line being run: the line, its working and
// normalised copies, the arguments that filled the placeholders of the
// recognised pattern, the line code and the error. Also the coded form of a
// recognised line (";\;" code ";\;" argument ...), which does not depend on
// the language, and the joining of the arguments into one ";"-separated list.
#include <array>
#include <cstdint>
#include <string>

namespace km32 {

constexpr int kArgumentsMax = 12;
constexpr uint16_t kPhraseIncorrecte = 616;
extern const char kSeparateurCode[]; // ";\;"

struct TLigneFigure {
    std::string ligne;                                    // the line after the executor's pre-steps
    std::string copieTravail;                             // blanks around separators removed
    std::string texteArguments;                           // the ";"-separated list handed to the creation
    std::string copieNormalisee;                          // the working copy in upper case
    std::array<std::string, kArgumentsMax + 1> arguments; // [1..12] by placeholder number
    std::array<std::string, kArgumentsMax + 1> morceaux;  // [1..12] pieces of the pattern tried
    uint8_t nombreArguments = 0;
    uint16_t codeLigne = 0;
    uint16_t erreur = 0;
    std::string nomObjet; // at most 10 characters
    uint8_t resultatInvalide = 0;
    uint8_t resultatReserve = 0;
    // Construction code of a creation line; for a prototype line the
    // construction code of the result + 256 x the prototype slot.
    uint16_t codeConstruction = 0;
    uint8_t modeLecture = 1;
    uint8_t redessine = 0;
    uint8_t controleParentheses = 1; // 1: the arguments must have balanced brackets
};

// The line fails with the error, which is shown at once; the name, when
// given, is what the message shows for "#1".
void signaleErreurLigne(TLigneFigure& ligne, uint16_t erreur);
void signaleErreurLigne(TLigneFigure& ligne, uint16_t erreur, const std::string& nom);
// When a reader left a refusal in the line's error word: shows it (naming
// nom as "#1" unless nomme is false) and answers true; false otherwise.
bool refusDansLigne(TLigneFigure& ligne, const std::string& nom, bool nomme = true);

// Error 0, no argument, the working and normalised copies made from the line
// (which the caller has filled), the arguments and the argument text emptied.
void prepareLigneFigure(TLigneFigure& ligne);

// The argument text: argument 1 with its ";" turned into character 255, then
// each further non-empty argument after a ";", its own ";" turned into ",";
// cut to 255. Nothing is built when there is no argument.
void assembleArgumentsLigne(TLigneFigure& ligne);

// The coded form of the recognised line, cut to 255 characters (the
// normalised copy is the work area and holds it afterwards).
void ecritLigneCodee(TLigneFigure& ligne, std::string& texte);

// True when the working copy begins with ";\;".
bool estLigneCodee(const TLigneFigure& ligne);
// Reads the coded line of the working copy into the code and the arguments,
// then builds the argument text. A code field that is not a whole number
// 0..65535 or more than 12 argument fields refuse the line with 616.
void lisLigneCodee(TLigneFigure& ligne);

} // namespace km32
