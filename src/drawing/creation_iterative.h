#pragma once
// The iterative creation command (code 61, "#5 (touche #4) itération: #1 en
// remplaçant #2 respectivement par #3"): each run copies its group of
// objects (its first parents, as many as its record's group count says) at
// the end of the figure, each copy under a new name and with its values;
// in the copies a reference to an object of the group becomes a reference
// to its copy, and a reference to a replaced object a reference to its
// replacement. The command then takes the copies in place of the group's
// objects among its own parents, and each replacement in place of the
// object it replaced, so the next run copies the copies.
//
// All or nothing: while a trace mode is on, when the figure has no room for
// the copies (objects, values, parents, samples, parameter expressions with
// their operand bytes and constants, solid and polygon slots, all tested
// before anything is made), or when a new name would pass four characters,
// nothing happens; a copy that still cannot be made puts the figure back as
// it was.
#include <string>
#include <string_view>
#include <vector>

#include "model/figure.h"

namespace km32 {

// The name a copy of an object named `nom` takes: a name without trailing
// digits gets "1", then the trailing number grows while `pris` says the
// name is taken; at most 10 characters.
template <class Pris> std::string nomUniqueDeCopie(std::string_view nom, Pris pris);

// Runs command n of code 61.
void creationIterative(TfigureKalmetra& f, int n);

// The operand text of a definition with each object name of `ancien`
// replaced by the name of the same rank in `nouveau`. A run of letters,
// digits and primes is read as names back to back (a letter and up to three
// digits or primes each, "AB" for a segment); it is changed only when every
// one of its names is a name of the figure's objects, so the words and
// function names of an expression stay.
std::string remplaceNomsDansOperandes(const TfigureKalmetra& f, std::string_view operandes,
                                      const std::vector<std::string>& ancien,
                                      const std::vector<std::string>& nouveau);

template <class Pris> std::string nomUniqueDeCopie(std::string_view nom, Pris pris) {
    std::size_t fin = nom.size();
    while (fin > 0 && nom[fin - 1] >= '0' && nom[fin - 1] <= '9')
        --fin;
    const std::string racine(nom.substr(0, fin));
    // A number of ten digits or more cannot grow within ten characters.
    if (nom.size() - fin > 9) return std::string(nom);
    unsigned long long numero = fin == nom.size() ? 1 : std::stoull(std::string(nom.substr(fin)));
    std::string r = racine + std::to_string(numero);
    while (pris(r) && r.size() <= 10)
        r = racine + std::to_string(++numero);
    return r.substr(0, 10);
}

} // namespace km32
