#pragma once
// A rename carried into the stored extra lines. Most lines of a figure
// text are written from the objects themselves, so they name an object by
// its name of the moment; the start lines kept from a text (run once the
// figure is made) hold their arguments as text instead. When objects are
// renamed, the names in those arguments follow, so that the written figure
// still names objects it has.
#include <string>
#include <utility>
#include <vector>

#include "model/figure.h"

namespace km32 {

// Old name, new name.
using Renommages = std::vector<std::pair<std::string, std::string>>;

// Every name of the stored start lines that runs commands (the count of
// times and the list of command objects) that equals an old name takes the
// new one; all pairs apply at once, so that names may change places. The
// lines are those of the figure and, while a text is read into it, those
// gathered so far (the figure takes them at the end of the text).
void renommeDansLignesDifferees(TfigureKalmetra& f, const Renommages& renommages);

// The stored lines gathered while a text is read into a figure: set by the
// reader for the time of the text (nested texts keep their own).
struct LignesEnLecture {
    const TfigureKalmetra* figure = nullptr;
    std::string* lignes = nullptr;
};
LignesEnLecture& lignesDiffereesEnLecture();

// Whether every stored line is within the reader's 250 characters.
bool lignesDiffereesDansLaLimite(const TfigureKalmetra& f);

} // namespace km32
