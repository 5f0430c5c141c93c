#pragma once
// Test sentences: a property of a figure asked in one of the sentence
// patterns 2318 to 2416 (in the applied language), answered with a small
// result code. The sentences that speak of values are answered on the
// current values; the others in general, over re-drawn positions of the free
// objects.
#include <cstdint>
#include <string_view>

#include "model/figure.h"

namespace km32 {

// Result codes of a test sentence.
constexpr int16_t kTestVrai = 0;                  // the property holds
constexpr int16_t kTestPhraseIncorrecte = 50;     // no test sentence, or an argument of the wrong kind
constexpr int16_t kTestObjetInexistant = 51;      // a named object does not exist
constexpr int16_t kTestFauxValeursActuelles = 52; // false for the current values
constexpr int16_t kTestVraiSeulementActuel = 53;  // true now, but not in every configuration
constexpr int16_t kTestIndecidable = 54;          // an undefined value
constexpr int16_t kTestPasAntecedent = 55;        // an object of #2 is no direct antecedent of #1
constexpr int16_t kTestNatureDifferente = 56;     // #1 is not of the named kind or construction
constexpr int16_t kTestNonVariable = 57;          // the object does not vary
constexpr int16_t kTestPremierIndefini = 61;      // the first compared object is undefined
constexpr int16_t kTestSecondIndefini = 62;       // the second compared object is undefined
constexpr int16_t kTestIntervalleIncorrect = 63;  // the interval of sequences cannot be compared

// The answer to a test sentence about a figure. An unrecognised sentence
// shows a message box and gives 50; an unreadable argument reports phrase 620
// naming it and gives 50.
int16_t testeParTexte(TfigureKalmetra& f, std::string_view texte);

// The same for figure numero; 50 when there is no such figure.
int16_t testeParTexteDeFigure(int16_t numero, std::string_view texte);

} // namespace km32
