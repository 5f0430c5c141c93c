#pragma once
// Prototypes in figure texts: the block reader and writer, the lines that use
// a prototype and their descriptions, and a prototype made from objects of a
// figure. The records and the table are model/prototypes/prototypes.h.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/prototypes/prototypes.h"

namespace km32 {

struct TLigneFigure;
struct ContexteDefinition;

// ---- Blocks of figure texts ----

// Reads the block that starts at position (the start of its "Début de"
// line, numbered ligne) into the first free slot of the table, for the
// figure f whose text holds it. Returns the slot, with the position just
// after the end marker and ligne advanced by the block's lines; 0 on
// failure (the error shown unless a definition line failed, which the
// runner has shown), with ligne the failing line and the slot freed.
uint8_t ajoutePrototype(TtableDesPrototypes& table, TfigureKalmetra& f, std::string_view texte,
                        std::size_t& position, uint16_t& ligne);

// The block reader: error 0 on success. ligneSortie is the line to report
// (from ligneEntree, the block's first line); signale is cleared when a
// definition line failed (its message is already shown).
void analyseTextePrototype(TPrototype& p, std::string_view texte, std::size_t& position, uint16_t& erreur,
                           uint16_t& ligneSortie, uint16_t ligneEntree, uint8_t& signale);

// Notes, at the end of a successful reading, how the block's figure is
// written and the language applied: the block as read may then be written
// back as long as both still hold.
void noteBlocLu(TPrototype& p);
// Appends the block of one prototype (each line ended by CR LF).
void ecritTextesPrototypes(const TPrototype& p, std::string& texte);
// Every prototype of the table serving f, in slot order; nothing when f
// has no table of its own.
void ecritTousLesPrototypes(const TfigureKalmetra& f, std::string& texte);
// The first prototype of the table serving f whose block no form keeps
// under the reader's 5,000 characters (lines read shorter than the writer
// writes them, as lengths written with their unit), or none.
const TPrototype* prototypeAuBlocIllisible(const TfigureKalmetra& f);

// ---- Lines that use a prototype ----

// True when a usable prototype of the owner's table took the line; the
// line's error then holds its outcome (0, or 563 for a failed creation).
bool reconnaitLignePrototype(TfigureKalmetra& f, TLigneFigure& ligne);

// The ";"-separated arguments that describe prototype result i (its own
// name where the result stands, the given objects where they stand), in
// the order of the prototype's skeleton.
std::string argumentsDePrototype(const ContexteDefinition& c);
// The macro text of the prototype of result i ("" when it has none).
std::string macroDePrototype(const TfigureKalmetra& f, int i);

// True when object j is the result of a prototype that needs its given
// object of that kind (a line or a plane) with a coordinate system, and
// the line gives it object k.
bool prototypeExigeRepere(const TfigureKalmetra& f, int j, int k, uint8_t nature);
// True when object i is the result of a prototype whose block styles the
// result, and i still has the style the prototype gave it (its style line
// is then not written).
bool styleVientDuPrototype(const TfigureKalmetra& f, int i);

// ---- A prototype built from objects of a figure ----

// The objects that the construction of i needs besides the given ones and
// the built-in objects; premierInutilise is the first given object that i
// does not need, before or after i (0 when every given object is used;
// needed is then not reduced).
void objetsNecessaires(const TfigureKalmetra& f, int i, const TEnsembleObjets& donnes,
                       uint8_t& premierInutilise, TEnsembleObjets& necessaires);

// The four answers of the construction dialog: the title, the list of given
// objects, the result object and the model phrase. etape tells which answer
// failed (1 to 4). True when the prototype is in f's own table.
struct TReponsesPrototype {
    std::string titre;
    std::string donnes;
    std::string resultat;
    std::string phraseModele;
};
bool creePrototypeDeReponses(TfigureKalmetra& f, const TReponsesPrototype& reponses, uint8_t& etape);

} // namespace km32
