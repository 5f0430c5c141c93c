#pragma once
// The expression compiler: one expression text (2*AB+1, vec(A,B)&vec(u),
// x^2+y^2<=1, 0<a<b) becomes a short byte list over numbered double slots.
//
// Slots: 1 to 3 the result, 4 to 12 the variables, 13 to 40 the constants,
// 41 to 80 the figure objects read, 81 upwards the intermediate results.
// Byte list, positions from 1: result kind, object count n, variable count
// v, the n object numbers, the v variable kinds, then the instructions
// (opcode, result slot, for a load the argument count, the operand slots).
// Every refusal is a phrase number; 0 is success.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace km32 {

struct TfigureKalmetra;

// One-byte tokens of the coded text.
enum CodeJeton : uint8_t {
    kJetonArccos = 11,
    kJetonArcsin = 12,
    kJetonArctan = 13,
    kJetonRac = 14,
    kJetonMin = 15,
    kJetonMax = 16,
    kJetonSqrt = 17,
    kJetonAbs = 18,
    kJetonCos = 19,
    kJetonSin = 20,
    kJetonTan = 21,
    kJetonExp = 22,
    kJetonInt = 23,
    kJetonLn = 24,
    kJetonAnp = 25,
    kJetonCnp = 26,
    kJetonVec = 27,
    kJetonNorm = 28,
    kJetonDist = 29,
    kJetonVecAB = 31, // vec(A,B) of two points
    kJetonDifferent = 165,
    kJetonProduitVectoriel = 167, // the byte of the section sign
    kJetonCarre = 178,            // the byte of the superscript two
    kJetonMu = 181,               // the byte of the micro sign: a relation as a number
    kJetonPi = 227,
    kJetonSuperieurOuEgal = 242,
    kJetonInferieurOuEgal = 243,
    kJetonEt = 244,
    kJetonOu = 245,
    kJetonNon = 246,
    kJetonTermePrecedent1 = 251, // u(n-1) while a sequence is defined
    kJetonTermePrecedent2 = 252, // u(n-2)
};

// Kinds of values in an expression (object kinds, plus the relation).
constexpr uint8_t kGenrePoint = 1;
constexpr uint8_t kGenreNombre = 8;
constexpr uint8_t kGenreFonction = 9;
constexpr uint8_t kGenreVecteur = 14;
constexpr uint8_t kGenreRelation = 18;
constexpr uint8_t kGenreSuite = 22;
constexpr uint8_t kGenreFonction2 = 23;
constexpr uint8_t kGenreFonction3 = 24;

// Slot plan.
constexpr int kCasePremiereVariable = 4;
constexpr int kCasePremiereConstante = 13;
constexpr int kCaseDerniereConstante = 40;
constexpr int kCasePremierObjet = 41;
constexpr int kCaseDernierObjet = 80;
constexpr int kCasePremierIntermediaire = 81;
constexpr int kNombreCases = 180;
constexpr int kMaxConstantesExpression = 28;
constexpr int kMaxObjetsExpression = 40;
// Longest byte list a compiled record can hold.
constexpr int kMaxOctetsCode = 200;

// Slots taken by a value of a kind: 3 for points and vectors, 1 for numbers
// and relations, 0 for functions and sequences.
int nombreDeComposantesDuGenre(uint8_t genre);

// Compile work record: filled by the caller (variables, required kind,
// access mode, text), then by the compiler.
struct TAnalyseExpression {
    std::array<uint8_t, 256> listeOctets{}; // the byte list, positions 1 to 255
    uint8_t nombreVariables = 0;            // 0 to 3
    std::array<uint8_t, 3> genresVariables{};
    std::array<char, 3> nomsVariables{};
    uint8_t genreResultat = 0; // in: required kind (0 = any); out: the expression's kind
    uint8_t longueurListe = 0;
    uint8_t nombreObjets = 0;
    std::array<uint8_t, kMaxObjetsExpression> objets{}; // in order of first appearance
    std::array<uint8_t, 26> casesLettres{};             // first slot of each letter A to Z
    std::array<uint8_t, 26> genresLettres{};
    uint8_t derniereCaseObjet = kCasePremierObjet - 1;
    std::string texte;
    uint8_t derniereCaseConstante = kCasePremiereConstante - 1;
    std::array<double, kMaxConstantesExpression> constantes{}; // slots 13 to 40
    uint8_t drapeauConstante = 0;                              // the whole expression is constant slot 13
    uint8_t drapeauUnite = 0;                                  // the value depends on the unit of length
    uint8_t modeAcces = 0;       // above 1: forbidden and undefined objects refused
    uint8_t operateurSommet = 0; // the operator the expression splits at first
};

// Value of a constant slot (13 to 40) of a work record.
double constanteAnalyse(const TAnalyseExpression& a, int casee);

// Modes of the compiler, one set for the library.
struct EtatCompilateur {
    uint8_t controleDuGenre = 1;  // enforce the caller's required kind
    uint8_t modeEquationPlan = 0; // only linear uses of the variables X, Y, Z
    char modeSuite = 0;           // 'f' or 'g' while a sequence definition is compiled, else 0
    char nomSuite = 0;            // the name of that sequence
};
EtatCompilateur& etatCompilateur();
void reinitialiseCompilateur();

// The whole road: keywords, operands, rewriting, lexical check, compile.
// garderTexteReecrit: the stored text shows "^2" and dist(A,B) as compiled.
// Errors below 533 (437) do not stop the compile.
void traduitExpression(const TfigureKalmetra& f, TAnalyseExpression& a, bool garderTexteReecrit,
                       uint16_t& erreur);

// Keywords to one-byte codes, in any case; a function keyword that ends the
// text is left as it is. decodeMotsCles spells them out again.
void codeMotsCles(std::string& texte, std::size_t capacite);
void decodeMotsCles(std::string& texte, std::size_t capacite);
// Every superscript two becomes "^2".
void remplaceCarreParPuissance(std::string& texte, std::size_t capacite);

// Names of objects and variables become letters A to Z.
void analyseOperandesExpression(const TfigureKalmetra& f, TAnalyseExpression& a, uint16_t& erreur);
// Two point letters side by side become the distance dist(A,B).
void remplaceLongueursDeSegments(std::string& texte, std::size_t capacite, const TAnalyseExpression& a);
// Parentheses, implicit products, the vec(V) notation of vectors.
void controleLexicalExpression(const TfigureKalmetra& f, TAnalyseExpression& a, uint16_t& erreur);

// The recursive descent, sharing, folding of constants and the byte list.
void compileEtOptimiseExpression(TAnalyseExpression& a, uint16_t& erreur);

// Classification of one sub-text by its lowest-precedence operator.
enum class ClasseSousExpression : uint8_t {
    Erreur,
    Liste,
    PrefixeUnaire,
    PostfixeUnaire,
    Binaire,
    Appel1,
    Appel2,
    Appel3,
    Parentheses,
    Operande,
    Constante,
};
struct SousExpression {
    ClasseSousExpression classe = ClasseSousExpression::Erreur;
    bool erreurSyntaxe = false; // the syntax error mark (classe tells what was tried)
    uint8_t operateur = 0;
    std::size_t position = 0; // 0-based place of the operator
    double valeur = 0;
};
SousExpression analyseSousExpression(std::string_view texte, const TAnalyseExpression& a);

// Opcode of an operator or function token for the kinds given, 0 when none.
uint8_t codeOperationDuSymbole(uint8_t jeton, uint8_t genreGauche, uint8_t genreDroit);
// Checks the kinds of a binary operator: 586 on a mismatch.
void typesCompatibles(uint8_t genreGauche, uint8_t genreDroit, uint8_t jeton, uint16_t& erreur,
                      uint8_t& genreResultat, uint8_t& code);

} // namespace km32
