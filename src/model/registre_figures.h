#pragma once
// Creation, reset and destruction of figure records, and their registration
// in the table of figures (table_figures.h) under a number 1 to 64.
//
// A new figure gets the defaults of a record, is reset (owned tables created,
// settings and view, the thirteen built-in objects), runs its initial text (a
// file, or the default text of the sibling's shared table) and only then
// enters the table. Destruction stops its timers and releases everything it
// owns. copieFigure (services_texte.h) makes a deep copy of a record.
#include <cstdint>
#include <memory>
#include <string>

#include "model/figure.h"

namespace km32 {

// Window timers a figure may run on its drawing (or command) window.
constexpr uint32_t kMinuterieHorloge = 271; // the clock
// Private messages posted after a creation.
constexpr uint32_t kMessageLignesDifferees = 0x0400 + 1055; // to the mother window: run the deferred lines
constexpr uint32_t kMessageTexteEchoue = 0x0400 + 1008;     // to the drawing window: show the failed text
// Result of an initial file that could not be read whole.
constexpr uint16_t kFichierIllisible = 2000;
// Why the file of a new figure was not read: Non when it was read whole (its
// text may still fail) or no file was given.
enum class FichierNonLu : uint8_t {
    Non,
    Absent,    // no such file
    Illisible, // a folder, no permission, a read error
    TropLong,  // kTailleMaxFichierFigure characters or more
};
// Longest figure file, in characters (a file this long or longer is refused).
constexpr std::size_t kTailleMaxFichierFigure = 65536;

// The built-in objects: names back to back (o and ox share their "o").
inline constexpr char kNomsObjetsIntegres[] = "RxyzUxyztimeijkoxoyozoxyoyzozx";
constexpr uint16_t kValeursObjetsIntegres = 88; // values 1 to 88
// The name built-in object i (1 to 13) has in a new figure; empty for any other i.
std::string nomObjetIntegreParDefaut(int i);

// A new record for the window, loaded from the file (or the default text) and
// entered in the table under numero. A figure already in that slot is
// destroyed (KMdetruitFigureMeme) before anything else. nullptr, with nothing
// done, when numero is not 1 to 64. The result of the initial text
// (chargeTexteInitialFigure) goes to resultat when given, and why its file
// was not read to raison.
TfigureKalmetra* allogueFigure(uint32_t fenetre, const std::string& nomFichier, int numero,
                               uint16_t* resultat = nullptr, FichierNonLu* raison = nullptr);

// A figure drawn in a window of the caller: takes the lowest free number,
// loads the file (or the default text), sets the background colour (its low
// 24 bits), enters the table, paints and titles the window. Returns the
// number, or 0 with nothing done when all 64 numbers are taken.
// Why its file was not read goes to raison when given.
int32_t creeFigureKMPourFenetreExterne(uint32_t fenetre, const char* fichier, uint32_t couleur,
                                       FichierNonLu* raison = nullptr);

// Loads the initial text of a figure that is not yet in the table; 0 on
// success, else the number of the first failing line or kFichierIllisible
// (why the file was not read then goes to raison when given; the caller
// reports it).
uint16_t chargeTexteInitialFigure(TfigureKalmetra& f, const std::string& nomFichier,
                                  FichierNonLu* raison = nullptr);

// initialiseFigure, then the drawing-data table and the display list.
void initialiseFigureNeuve(TfigureKalmetra& f);
// The defaults of a new record, then reinitialiseFigure.
void initialiseFigure(TfigureKalmetra& f);
// Back to an empty construction: owned tables freed and created again,
// settings, view, and the built-in objects 1 to 13 (values 1 to 88).
void reinitialiseFigure(TfigureKalmetra& f);
// Writes objects 0 to 13, values 1 to 88 and the name text of the built-in
// objects (a step of reinitialiseFigure).
void installeObjetsIntegres(TfigureKalmetra& f);

// Releases the record and everything it owns; the pointer becomes null.
// Nothing happens for null.
void libereFigure(std::unique_ptr<TfigureKalmetra>& figure);

// Destroys figure numero (menu, annex window, timers, record) and empties its
// slot. Nothing happens when no figure has that number (0 to 64 or not).
void KMdetruitFigureMeme(int16_t numero);
// Destroys every living figure (at unload).
void detruitToutesLesFigures();

} // namespace km32
