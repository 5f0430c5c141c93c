#pragma once
// Objects described in words: the sentence of the current language that
// creates an object, the same sentence in mathematical text, and the
// operands a construction dialog is filled with. Everything is built from
// the object record: its construction code chooses the sentence pattern and
// a recipe of operand fragments (textes_definition.h).
#include <cstdint>
#include <string>
#include <string_view>

#include "model/figure.h"

namespace km32 {

// The operand list of object i (";"-separated, cut to longueurMax), or for a
// built-in object 1 to 13 outside math form its whole sentence. boucle is
// set for a free variable driven in a loop, described in math form.
std::string phraseDefinitionObjet(const TfigureKalmetra& f, int i, std::size_t longueurMax, bool math,
                                  bool dialogue, bool& boucle);
// The operands of a construction dialog prepared for object i.
std::string phraseDefinitionParConstruction(const TfigureKalmetra& f, int i);
// The sentence of object i in mathematical text, long lines wrapped.
std::string definitionObjetEnTexteMath(const TfigureKalmetra& f, int i);
// The same for the reminder windows: " (*)" after a blocked free object,
// "xx " before an undefined object.
std::string definitionObjetPourRappel(const TfigureKalmetra& f, int i);
// The sentence line of object i: CR LF and the filled phrase (at most 255).
// definitionObjetEnTexte and ligneDefinitionObjet are declared in
// model/services_texte.h; ligneDefinitionObjet is the same line without
// CR LF, the built-in sentence for objects 1 to 13.

// The longest sentence a query answers with in words (a line record).
constexpr std::size_t kLongueurLigneReponse = 255;
// The answer to a query for the sentence of object i: CR LF and the
// sentence in words when it has at most 255 characters, whether or not the
// figure reader would take it back; a longer one as the writer writes it.
std::string reponsePhraseDeCreation(const TfigureKalmetra& f, int i);

// The length of the sentence line of object i (without CR LF) as the
// writer writes it, coded where it codes it; a sentence whose operands alone
// pass 255 characters (which the writer would cut) gives their length.
std::size_t longueurDefinitionObjet(const TfigureKalmetra& f, int i);

// The phrase of the sentence that creates object i (the variant with a unit
// of length when the object has one and it is not left unsaid).
uint16_t phraseDeDefinition(const TfigureKalmetra& f, int i);

// Whether the writer leaves out the built-in unit Uxyz where the reader
// would give it anyway (see uniteSousEntendue); false from the start. The
// prototype block writer sets it, through a GardeValeur, so that a block
// read with "d = AB" is not written longer with "(unité de longueur Uxyz)".
bool& unitesParDefautTues();
// True when object i has the built-in unit Uxyz, its construction has a
// form without a unit, and no unit of length that the reader could reach
// comes before it: the reader then gives the line without its unit that
// same unit, so the shorter line stands for the same object.
bool uniteSousEntendue(const TfigureKalmetra& f, int i);

// Fills "#1", "#2", ... of a prototype macro from the ";"-separated list;
// at most 255 characters.
std::string remplaceArgumentsDeMacro(std::string_view macro, std::string_view arguments);
// phraseAvecParametres, then " (" phrase 2488 ")" when boucle is set.
std::string phraseAvecParametresEtBoucle(uint16_t numero, std::string_view parametres, bool boucle);
// Wraps a math-text line after 78 visible characters at a blank outside
// parentheses; continuation lines start with CR and two blanks.
void coupeLigneTexteMath(std::string& texte);

} // namespace km32
