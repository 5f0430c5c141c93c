#pragma once
// The table of figures: slots 0 to 64, figures numbered 1 to 64 (slot 0 is
// never used). The table owns the records.
#include <array>
#include <cstdint>
#include <memory>

#include "model/figure.h"

namespace km32 {

struct EtatTableFigures {
    std::array<std::unique_ptr<TfigureKalmetra>, kMaxFigures + 1> figures;
};
EtatTableFigures& etatTableFigures();

// True when 1 <= n <= 64 and slot n holds a record.
bool figureExiste(int16_t n);
// The record in slot n (nullptr when empty); throws ErreurInterne outside 0 to 64.
TfigureKalmetra* figureDeNumero(int n);
// The record of figure n, nullptr for 0, an empty slot or a number outside 1..64
// (never throws).
TfigureKalmetra* figureOuRien(int16_t n);
// Puts a record in slot n (1 to 64), freeing any record it held.
void placeFigure(int n, std::unique_ptr<TfigureKalmetra> figure);
// Takes the record out of slot n, leaving it empty.
std::unique_ptr<TfigureKalmetra> retireFigure(int n);
// Empties slots 1 to 64 (slot 0 is not touched).
void videTableDesFigures();

} // namespace km32
