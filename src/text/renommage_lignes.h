#pragma once
// A rename or a deletion carried into the stored extra lines. Most lines of
// a figure text are written from the objects themselves, so they name an
// object by its name of the moment; the start lines kept from a text (run
// once the figure is made) hold their arguments as text instead. When
// objects are renamed, the names in those arguments follow; when objects
// are deleted, the lines stop naming them; so that the written figure still
// names objects it has and reads back.
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

// The objects of the set (closed over its dependants) are about to be
// deleted: they leave the list of commands of the stored start lines that
// run commands, in the same lines as above. A line whose list is left
// empty goes, and so does a line whose count names one of them (the count
// could not be worked out any more). Called while the objects are still
// there, since the names are looked up as the reader looks them up.
void oteDesLignesDifferees(TfigureKalmetra& f, const TEnsembleObjets& ensemble);

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
