#pragma once
// A construction block of an exact length, as the block reader counts it
// (from the first character of its first line to the last of its end
// line): its lines, then comment lines of "c" up to 80 characters each, then
// its end line.
#include <algorithm>
#include <cstddef>
#include <string>

namespace km32::essais {

inline std::string blocRempli(const std::string& corps, const std::string& fin, std::size_t longueur) {
    std::string commentaire;
    while (corps.size() + commentaire.size() + fin.size() < longueur) {
        const std::size_t n =
            std::min<std::size_t>(longueur - corps.size() - commentaire.size() - fin.size(), 80);
        commentaire += n > 2 ? std::string(n - 2, 'c') + "\r\n" : std::string(n, 'c');
    }
    return corps + commentaire + fin;
}

} // namespace km32::essais
