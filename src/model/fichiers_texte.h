#pragma once
// Reading a text file into a buffer, asking for a file name, and the time of
// day.
#include <cstddef>
#include <string>

namespace km32 {

// Reads at most n characters of the file into tampon. Returns true (failure)
// when the file cannot be opened, or when n characters were read before its
// end (tampon then holds those n characters). A file is read whole only when
// it has fewer than n characters. The file name is Windows-1252.
bool litFichierDansTampon(const std::string& nomFichier, std::string& tampon, std::size_t n);

// An open-file dialog with the title and the filter, starting in the current
// directory: the chosen name (at most 255 characters), empty when cancelled.
std::string demandeNomFichier(const std::string& titre, const std::string& filtre);

// Time of day in seconds, the milliseconds as the fraction.
double heureEnSecondes();

} // namespace km32
