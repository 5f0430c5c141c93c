#pragma once
// Mathematical text: an expression, or a label text that holds expressions,
// in the form the sibling library lays out (fractions, exponents,
// subscripts, italic names). One item is
//   "\" expression [mark "s:" scalars] [mark "f:" functions] "\"
// where the expression is written back with object names and keywords
// spelled out, "_" after the name of a sequence (u_(n-1)), "^2" for a
// square and dist(A,B) for two points side by side; the scalar list names
// the variables, numbers and sequences read, the function list the
// function objects called. The mark is ";" in a text of its own and byte
// 255 inside texts whose fields are separated by ";".
//
// Label texts hold "val(expression)" or "val(expression,decimals)" items,
// replaced by their value when the label is shown.
#include <cstddef>
#include <cstdint>
#include <string>

namespace km32 {

struct TfigureKalmetra;

// The math text of an expression text. "x;x^2+a" declares up to three
// number variables before the ";", ";u..." the definition of the sequence
// u in n and its previous terms u(n-1), u(n-2). erreur is the compile's
// phrase number: from 533 on the text is left as it was; below (an
// undefined object read) the text is written all the same.
void ecritExpressionEnTexteMath(const TfigureKalmetra& f, std::string& texte, std::size_t capacite,
                                uint16_t& erreur);

// The text of the figure's parameter-expression record (1 to 500) with the
// names of the objects it reads: plain, or as a math-text item whose lists
// are marked by byte 255.
void ligneEnTexteMath(const TfigureKalmetra& f, int enregistrement, bool modeMath, std::string& resultat);

// Every val(...) item of a label text gets its expression and decimals in
// math form (marks as byte 255); an item already inside a math zone is put
// between the marks "«" and "»" instead. A malformed item ends the work.
void texteAvecValeursEnTexteMath(const TfigureKalmetra& f, std::string& texte, std::size_t capacite);
// The same, then every byte 255 becomes ";".
void texteAfficheEnTexteMath(const TfigureKalmetra& f, std::string& texte, std::size_t capacite);
// Every val(...) item becomes the number it computes (" *" when the value
// does not exist); echoue tells that some value could not be given.
void remplaceValeursDansTexte(const TfigureKalmetra& f, std::string& texte, std::size_t capacite,
                              bool& echoue);

// (u_(n))^2 for u_(n)^2: a subscripted term followed by "^" or "!" is put
// in parentheses.
void parentheseTermesIndices(std::string& texte, std::size_t capacite);

} // namespace km32
