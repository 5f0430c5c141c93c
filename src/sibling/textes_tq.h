#pragma once
// Texts handed to the sibling library: saving a figure text to a file, the
// installation of a figure text as a new plane figure, and the default figure
// text that the shared table names.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace km32 {

constexpr std::size_t kTailleMaxTexteTQ = 65536;

// Writes the text (NUL-terminated, at most 65536 bytes, written as its bytes)
// to the file nomFichier (Windows-1252, at most 255 bytes). The text goes to a
// new file beside the target, which then replaces the target in one step, so a
// failed save leaves the old file as it was. True when written.
bool TQEnregistreTexte(const char* texte, std::string_view nomFichier);

// Takes a validated figure text (NUL-terminated, at most 65536 bytes) during
// the call and keeps a copy; there is no plane figure here to receive it.
void TQInstalleTexteFigureNouvelleEspace(const char* texte);
// The texts installed so far, oldest first (for tests and hosts).
const std::vector<std::string>& TQTextesInstalles();

// Sets the default figure text: the sibling keeps it and the shared table's
// default-text field holds its id; an empty text clears the field to 0.
void TQDefinitTexteFigureDefaut(std::string_view texte);
// The default figure text that the shared table's field names, or nullptr
// when the field is 0 (or names no text the sibling keeps).
const char* TQTexteFigureDefaut();

// Forgets the installed texts and the kept texts.
void reinitialiseTextesTQ();

} // namespace km32
