#pragma once
// Whole files in and out. File names are library texts (Windows-1252) and
// are converted for the file system here. No function throws: every failure
// is a result.
#include <cstddef>
#include <string>
#include <string_view>

namespace km32::platform {

enum class EtatLecture {
    Lu,        // the whole file is in octets
    TropGrand, // the file holds more than the limit: octets holds its first limite bytes
    Absent,    // no such file
    Illisible, // a directory, no permission, or a read error
};

struct ResultatLecture {
    EtatLecture etat = EtatLecture::Absent;
    std::string octets;
    bool lu() const { return etat == EtatLecture::Lu; }
};

// Reads a whole file, at most limite bytes.
ResultatLecture litFichier(std::string_view nom, std::size_t limite);

// Writes the bytes as the whole content of the file: into a new file beside
// it, then renamed over it, so that a failure leaves the old file as it was.
// False on failure (nothing is left behind).
bool ecritFichier(std::string_view nom, std::string_view octets);

// True when the name is an existing regular file.
bool fichierExiste(std::string_view nom);

// The current directory as a library text; empty when it cannot be read.
std::string repertoireCourant();

} // namespace km32::platform
