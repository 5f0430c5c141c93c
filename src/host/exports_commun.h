#pragma once
// What every exported function does around its body: the library is started
// on the first call, no exception crosses the boundary (any error gives the
// export's default result), and a figure number outside 0..64 is refused
// before anything is touched.
#include <cstddef>
#include <cstdint>
#include <utility>

#include "host/bibliotheque.h"

namespace km32 {

constexpr int16_t kNumeroFigureMax = 64;

// The sizes of the blocks hosts read whole: a name or the version in a
// block of 10 bytes (NUL and zeros after the text), a text or the answers to
// a query in a block of 64 KB (a longer text makes the block longer, whole).
constexpr std::size_t kTailleBlocNom = 10;
constexpr std::size_t kTailleBlocTexte = 65536;

inline bool numeroFigureValide(int16_t numero) {
    return numero >= 0 && numero <= kNumeroFigureMax;
}

// Runs corps and returns its result, or defaut when it throws.
template <class R, class F> R appelProtege(R defaut, F&& corps) noexcept {
    try {
        initialiseBibliotheque();
        return std::forward<F>(corps)();
    } catch (...) {
        return defaut;
    }
}

// The same for an export without result.
template <class F> void appelProtegeSansResultat(F&& corps) noexcept {
    try {
        initialiseBibliotheque();
        std::forward<F>(corps)();
    } catch (...) {
    }
}

// The same for an export that takes a figure number: defaut, without running
// corps, for a number outside 0..64.
template <class R, class F> R appelFigure(int16_t numero, R defaut, F&& corps) noexcept {
    if (!numeroFigureValide(numero)) return defaut;
    return appelProtege(std::move(defaut), std::forward<F>(corps));
}

template <class F> void appelFigureSansResultat(int16_t numero, F&& corps) noexcept {
    if (numeroFigureValide(numero)) appelProtegeSansResultat(std::forward<F>(corps));
}

} // namespace km32
