#pragma once
// A French figure text whose rename lines lengthen the names of a long
// expression: every line reads (the longest has 166 characters), but once
// its twenty names of one letter are renamed to names of four, the line of
// r0 would need 253 characters even in its coded form. Renamed to three
// letters it still fits (246 characters in words).
#include <cstddef>
#include <string>
#include <vector>

namespace km32::essais {

inline std::string texteAuxNomsAllonges(int lettres) {
    const std::vector<std::string> noms = {"a", "b", "c", "d", "e", "f", "g", "h", "l", "m",
                                           "n", "p", "q", "r", "t", "u", "v", "w", "s", "c1"};
    std::string t = "Figure Kalmetra\r\n";
    for (const std::string& n : noms)
        t += n + " = 1\r\n";
    std::string expression;
    for (int fois = 0; fois < 2; ++fois)
        for (const std::string& n : noms)
            expression += (expression.empty() ? "" : "+") + ("(" + n + ")");
    t += "r0 = " + expression + "\r\n";
    for (std::size_t k = 0; k < noms.size(); k += 10) {
        std::string anciens, nouveaux;
        for (std::size_t j = k; j < k + 10; ++j) {
            anciens += " " + noms[j];
            nouveaux += " " + (noms[j] + "xyz").substr(0, std::size_t(lettres));
        }
        t += "Renommer" + anciens + ":" + nouveaux + "\r\n";
    }
    return t + "Fin de la figure";
}

} // namespace km32::essais
