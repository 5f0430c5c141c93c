#pragma once
// Object names: the name token at the front of an operand, the syntax of the
// name of a new object, the vec(...) notation of vectors, and the lookups
// that turn a name into an object number with the checks a line needs.
//
// Error word: a phrase number passed by reference, 0 = none. Below 532 a
// validity reason, 532 the marker of a text that is not of the form being
// tried (no phrase), above 532 the line is refused. Every routine that
// checks something does nothing when the word is already above 532, so a
// chain of reads stops at its first error. A routine that sets an error puts
// the texts of "#1" and "#2" into nomErreur1 and nomErreur2.
//
// Reading mode: 0 and 1 may use every object; above 1 objects of forbidden
// access are refused; at 4 the lookups of existing objects also refuse
// undefined objects.
#include <cstdint>
#include <string>
#include <string_view>

#include "model/figure.h"

namespace km32 {

constexpr uint16_t kPasDeCetteForme = 532; // the text is not of the form being tried

// Error phrases of the names and lookups.
constexpr uint16_t kErreurAntecedentNonValide = 437;
constexpr uint16_t kErreurNomInconnu = 537;
constexpr uint16_t kErreurObjetExisteDeja = 538;
constexpr uint16_t kErreurDonneeManquante = 539;
constexpr uint16_t kErreurEcrireVec = 584;
constexpr uint16_t kErreurNomDeSuite = 595;
constexpr uint16_t kErreurNeConvientPas = 596;
constexpr uint16_t kErreurTouche = 597;
constexpr uint16_t kErreurAccesInterdit = 600;
constexpr uint16_t kErreurPasLibre = 604;
constexpr uint16_t kErreurNomTropLong = 637;
constexpr uint16_t kErreurPremiereLettre = 638;
constexpr uint16_t kErreurDeuxiemeCaractere = 640;
constexpr uint16_t kErreurTroisiemeCaractere = 641;
constexpr uint16_t kErreurQuatriemeCaractere = 642;
// A character after the fourth of a built-in object's longer name.
constexpr uint16_t kErreurCaractereApresQuatrieme = 9993;
constexpr uint16_t kErreurMotReserve = 644;

// True when the word holds an error that stops a chain of reads.
inline bool estRefus(uint16_t erreur) {
    return erreur > kPasDeCetteForme;
}

// Characters of names: a letter A-Z or a-z; the characters that may follow
// the letter of a name token (digits, apostrophe, double quote).
inline bool estLettre(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
inline bool estChiffre(char c) {
    return c >= '0' && c <= '9';
}
inline bool estSuiteDeNom(char c) {
    return estChiffre(c) || c == '\'' || c == '"';
}

// Takes one name token off the front of the text: leading blanks and commas
// go, then a letter followed by at most three digits, apostrophes or double
// quotes. An empty text gives an empty name and no error; a text that does
// not begin with a letter gives 638 and stays as it is.
void litNomObjet(std::string& texte, std::string& nom, uint16_t& erreur);
// Length of the name token at the front of a text that begins with a letter
// (0 when it does not).
std::size_t longueurJetonNom(std::string_view texte);
// A renamed built-in point (the origin) may bear a name that the token rule
// would cut (Ox reads as O then x). nomPointIntegreHorsJetons is that name
// when the figure's built-in point bears one, else empty; litNomPoint takes
// that name (integre) whole when the text begins with it and, otherwise or
// when integre is empty, takes one name token as litNomObjet does.
std::string nomPointIntegreHorsJetons(const TfigureKalmetra& f);
void litNomPoint(const std::string& integre, std::string& texte, std::string& nom, uint16_t& erreur);

// Syntax of the name of a new object of a kind (cut to 10 characters):
// 637, 638, 595, 640, 641, 642, 644.
void controleNomObjet(uint8_t nature, std::string_view nom, uint16_t& erreur);
// True when the name (upper-cased, cut to 10) holds a function or operator
// word of the expression language; the word goes to nomErreur2.
bool contientMotReserve(std::string_view nom);
// "vec(u)" (vec in any case) becomes "u"; anything else gives 584.
void oteVecDuNom(std::string& nom, uint16_t& erreur);
// "vec(u)" becomes the math text "\vec(u);s:u\", cut to longueurMax.
void nomDeVecteurEnTexteMath(std::string& nom, std::size_t longueurMax, uint16_t& erreur);

// Kinds a name may pass between: equal, or two solids of revolution
// (cylinder, cone, frustum).
bool natureCompatible(uint8_t a, uint8_t b);

// Lookup for a line that creates or redefines an object of a kind: an
// existing object, or count + 1 for a new name (whose syntax is checked).
// 539, 600, 596, the syntax errors; 535 when the name is new and the figure
// already holds 255 objects.
void numeroObjetPourNom(const TfigureKalmetra& f, uint8_t nature, std::string_view nom, uint16_t& erreur,
                        uint8_t& numero, uint8_t mode);
// An existing object of a compatible kind: the errors of numeroObjetPourNom,
// 537 for a new name, 437 at mode 4 for an undefined object.
void numeroObjetDeNom(const TfigureKalmetra& f, uint8_t nature, std::string_view nom, uint16_t& erreur,
                      uint8_t& numero, uint8_t mode);
// Any object the written name designates ((AB), [AB], [AB), vec(u)
// included), whatever its kind: 537, 600.
void numeroObjetDeNomEtGenre(const TfigureKalmetra& f, std::string_view nom, uint8_t mode, uint16_t& erreur,
                             uint8_t& numero);
// The same, and the object must be free: 604.
void numeroObjetLibreDeNom(const TfigureKalmetra& f, std::string_view nom, uint8_t mode, uint16_t& erreur,
                           uint8_t& numero);
// 538 when an object other than a segment or half-line bears the name
// exactly and is of an incompatible kind.
void controleNomLibre(const TfigureKalmetra& f, uint8_t nature, std::string_view nom, uint16_t& erreur);

// The kind of the object an operand of a property test designates (28 a
// plane of points or of a frame, 3 a line, 2 a segment, 4 a half-line), 0
// when none.
uint8_t litObjetPourTest(const TfigureKalmetra& f, std::string_view texte);

// Key code of a key name (0 when it names no key): the words for space,
// none and hand of the current language, a digit or letter, CTRL-letter
// (B and M excepted).
uint8_t litNomDeTouche(std::string_view texte);

// A task-modal Yes/No box with the question (cut to 80) under the caption of
// the library's confirmations, focus given back
// afterwards; true for Yes.
bool questionOuiNon(std::string_view question);
// texte + " (" + the phrase naming the kind + ")", cut to longueurMax.
void ajouteNatureEntreParentheses(std::string& texte, std::size_t longueurMax, uint8_t nature);
// A value within 1e-6 of [0, 1] is clamped into it (false); any other value
// is refused (true) and left as it is.
bool rameneEntreZeroEtUn(double& parametre);
// Drops every pending message of that number for the figure's drawing
// window; nothing when the figure has no window.
void videMessagesEnAttente(const TfigureKalmetra& f, uint32_t message);

} // namespace km32
