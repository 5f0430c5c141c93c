#pragma once
// What the build-time generators share to read their tab-separated data
// files: a fatal error that names the file and line, and the cutting of a
// line into its fields.
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

namespace {

// Prints "file:line: message" and ends the generator with status 1 (the
// build fails there).
[[noreturn]] inline void echec(const std::string& fichier, int ligne, const std::string& message) {
    std::cerr << fichier << ":" << ligne << ": " << message << "\n";
    std::exit(1);
}

// The pieces of the text between separators (an empty text gives one empty piece).
inline std::vector<std::string> decoupe(const std::string& texte, char separateur) {
    std::vector<std::string> morceaux;
    std::string courant;
    for (char c : texte) {
        if (c == separateur) {
            morceaux.push_back(courant);
            courant.clear();
        } else {
            courant += c;
        }
    }
    morceaux.push_back(courant);
    return morceaux;
}

} // namespace
