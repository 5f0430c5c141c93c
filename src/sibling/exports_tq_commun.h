#pragma once
// What every exported function of the sibling library does around its body:
// no exception crosses the boundary (an error gives the default result), a
// figure number that names no plane figure (outside 1..64, or a free slot) is
// refused before anything is touched, and texts from the host are read up to
// their NUL within a bound.
#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>
#include <utility>

#include "sibling/figures_planes.h"

namespace km32 {

template <class R, class F> R appelTQ(R defaut, F&& corps) noexcept {
    try {
        return std::forward<F>(corps)();
    } catch (...) {
        return defaut;
    }
}

template <class F> void appelTQSansResultat(F&& corps) noexcept {
    try {
        std::forward<F>(corps)();
    } catch (...) {
    }
}

// Runs corps(figure) for the plane figure of numero, or gives defaut.
template <class R, class F> R appelFigureTQ(int16_t numero, R defaut, F&& corps) noexcept {
    return appelTQ(std::move(defaut), [&]() -> R {
        FigurePlane* f = figurePlane(numero);
        if (!f) return defaut;
        return corps(*f);
    });
}

template <class F> void appelFigureTQSansResultat(int16_t numero, F&& corps) noexcept {
    appelTQSansResultat([&] {
        if (FigurePlane* f = figurePlane(numero)) corps(*f);
    });
}

// A text from the host, at most max bytes (a NULL text is empty).
inline std::string_view texteHote(const char* texte, std::size_t max) {
    return texte ? std::string_view(texte, strnlen(texte, max)) : std::string_view();
}

// A name or line from the host, cut to 255 bytes; nothing for NULL.
inline std::optional<std::string_view> nomHote(const char* texte) {
    if (!texte) return std::nullopt;
    return texteHote(texte, 255);
}

} // namespace km32
