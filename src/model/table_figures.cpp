#include "model/table_figures.h"

namespace km32 {

EtatTableFigures& etatTableFigures() {
    static EtatTableFigures e;
    return e;
}

bool figureExiste(int16_t n) {
    return n >= 1 && n <= kMaxFigures && etatTableFigures().figures[n] != nullptr;
}

TfigureKalmetra* figureDeNumero(int n) {
    verifieIndice(n, 0, kMaxFigures, "figure");
    return etatTableFigures().figures[n].get();
}

TfigureKalmetra* figureOuRien(int16_t n) {
    return figureExiste(n) ? figureDeNumero(n) : nullptr;
}

void placeFigure(int n, std::unique_ptr<TfigureKalmetra> figure) {
    verifieIndice(n, 1, kMaxFigures, "figure");
    etatTableFigures().figures[n] = std::move(figure);
}

std::unique_ptr<TfigureKalmetra> retireFigure(int n) {
    verifieIndice(n, 0, kMaxFigures, "figure");
    return std::move(etatTableFigures().figures[n]);
}

void videTableDesFigures() {
    auto& t = etatTableFigures().figures;
    for (int n = 1; n <= kMaxFigures; ++n)
        t[n].reset();
}

} // namespace km32
