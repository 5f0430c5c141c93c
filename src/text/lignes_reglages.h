#pragma once
// The lines that change how a figure is shown and how its objects may be
// handled: the label of a point, the parameters of free objects, the view
// angles, zoom and position, the projection, the default front plane and
// the isolated plane, the default frame and unit of length, value tables,
// protection and access, trace selections, renaming, deletion and the
// assignment of free objects. Each
// handler reads the arguments of the line, reports its own error and
// leaves it in the line's error field.
#include <cstdint>
#include <string>

#include "model/figure.h"

namespace km32 {

struct TLigneFigure;

constexpr uint16_t kErreurValeurIncorrecte = 624;
constexpr uint16_t kErreurPilotageInterdit = 621;
constexpr uint16_t kErreurPasDefinieParValeurs = 673;

// The lines of that group, by line code (2001, 2002, 2202, 2203, 2232, 2205,
// 2206, 2209, 2214, 2215, 2218, 2234, 2238, 2239, 2240, 2241, 2242, 2247,
// 2249, 2257, 2273, 2274, 2275, 2276, 2277, 2278, 2300, 2301, 2311).
void executeLigneDeReglage(TfigureKalmetra& f, TLigneFigure& ligne);

// Renaming: "objects;new names" (the rename line and the dialog's command).
// 667 for an object that may not be renamed, 602 for lists of unequal
// length, the names check of the figure; 0 when done.
uint16_t renommeObjets(TfigureKalmetra& f, uint8_t modeLecture, const std::string& texte);
// The rename under a figure snapshot: on failure the figure is as before.
uint16_t executeLigneAvecRetourArriere(TfigureKalmetra& f, uint8_t modeLecture, const std::string& texte);

} // namespace km32
