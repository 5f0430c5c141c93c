#pragma once
// The further command lines of a figure text: object flags given by lists
// (blocked, protected, access forbidden, loop driving, limited recall),
// drawing and erasing, the keyboard step of a free object and the keyboard
// rotation step, the display zone and the positions of text displays, the
// printing and adjusted-copy parameters and the double frame, the clock
// interval, the values of command objects, the background colour, running
// key commands and command objects (also as start commands), the menu
// options a figure allows, the glued point, the assignment of a free point
// by coordinates, and the query lines that answer with the figure text or
// the creation sentences of objects.
//
// Each handler reads the arguments of the line, reports its own error and
// leaves it in the line's error field; a reader's refusal ends the line and
// what was applied before it stays applied.
#include <cstdint>
#include <string>
#include <string_view>

#include "model/figure.h"

namespace km32 {

struct TLigneFigure;

constexpr uint16_t kErreurLigneNonExecutable = 618;
constexpr uint16_t kErreurOptionMenu = 627;
// Ends every line but the last of the values of a command written over
// several lines ("Paramètres pour v: 1 2 3 ..." then "Paramètres pour v: 4 5").
inline constexpr std::string_view kSuiteDeListe = "...";

// The lines of that group, by line code (2210, 2211, 2212, 2213, 2217,
// 2222, 2223, 2225, 2226, 2227, 2235, 2236, 2237, 2244, 2258, 2260, 2266,
// 2267, 2270, 2279, 2281, 2289, 2290, 2291, 2292, 2297, 2298).
void executeLigneDeCommande(TfigureKalmetra& f, TLigneFigure& ligne);

// The query lines (2313 to 2317) while the figure is in query mode: the
// answer replaces (2313, 2314, 2316, 2317) or is appended to (2315) the
// figure's answer text. An unknown name is reported (537) and leaves the
// answer as it was; the line's result stays 0.
void executeLigneDeRequete(TfigureKalmetra& f, TLigneFigure& ligne);

// Where the position line of a text display puts it: whole pixels, x
// within 2..width-20 and y within 1..height-20 of the drawing. A display
// made by any road stands there too, so that its written position reads
// back as it is.
void bornePositionAffichage(const TfigureKalmetra& f, double& x, double& y);

// Splits the first ","-separated item off the list: the list keeps what
// follows the ",", or becomes empty; the item is trimmed and cut to 80.
std::string premierElementDeListe(std::string& liste);

} // namespace km32
