#pragma once
// The one internal error of the library: a checked index or capacity that
// failed. It never stops the program: it is caught where a line, a
// computation or an exported call begins and turned into the error the
// system defines there (535 "Structure saturée" for a full table, the object
// undefined for a computation, the call refused for an export).
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace km32 {

class ErreurInterne : public std::runtime_error {
  public:
    // phrase: the phrase number the catcher reports when it has no better
    // one of its own (535 for a saturated structure, 0 when unknown).
    ErreurInterne(const std::string& quoi, uint16_t phrase = 0) : std::runtime_error(quoi), phrase_(phrase) {}
    uint16_t phrase() const { return phrase_; }

  private:
    uint16_t phrase_;
};

constexpr uint16_t kStructureSaturee = 535;

// The throw of verifieIndice, out of line: the check itself stays a compare
// and a branch where it is inlined into the inner loops.
[[noreturn, gnu::cold, gnu::noinline]] inline void indiceHorsLimites(long long i, const char* quoi) {
    throw ErreurInterne(std::string("index out of range: ") + quoi + " " + std::to_string(i));
}

// Throws ErreurInterne unless bas <= i <= haut.
inline void verifieIndice(long long i, long long bas, long long haut, const char* quoi) {
    if (i < bas || i > haut) [[unlikely]]
        indiceHorsLimites(i, quoi);
}

// Element i of a table whose valid indices run from bas to haut, after the
// check of verifieIndice.
template <class Tableau>
auto& elementVerifie(Tableau& tableau, long long i, long long bas, long long haut, const char* quoi) {
    verifieIndice(i, bas, haut, quoi);
    return tableau[static_cast<std::size_t>(i)];
}

// Throws the "structure saturated" error unless n fits in capacite.
inline void verifieCapacite(long long n, long long capacite, const char* quoi) {
    if (n > capacite) throw ErreurInterne(std::string("capacity exceeded: ") + quoi, kStructureSaturee);
}

} // namespace km32
