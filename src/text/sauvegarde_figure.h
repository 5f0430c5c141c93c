#pragma once
// Saving a figure: its text written into a file through the sibling
// library, and the figure's path, title and modified flag after a save.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/figure.h"

namespace km32 {

// Longest file name a figure keeps as its path, in bytes.
constexpr std::size_t kLongueurMaxNomFichier = 255;

// The state of the saves: the last one, whatever its figure (the host asks
// for it without a figure number, KMErreurSauvegarde).
struct EtatSauvegarde {
    int erreur = 0;       // errno of the last save that failed, 0 after one that succeeded
    bool refusee = false; // the library refused it before any file call (a name over 255 bytes)
    std::string objet;    // the object (or construction) the reader would refuse (EBADMSG)
    uint16_t phrase = 0;  // the sentence that says so, when not the one of its error number
};
EtatSauvegarde& etatSauvegarde();
// No save failed (the library's reset).
void reinitialiseSauvegarde();

// Writes the figure text into the file (see platform::ecritFichier for how
// links, hard links and read-only files are kept); 0 when the file was
// written, 1 when not (the old file, if any, is then left as it was). For a figure without
// host window the folder of the file becomes the last save directory.
int enregistreTexteFigure(std::string_view nomFichier, const TfigureKalmetra& f);

// The bare name of a file: no folder ("\" or "/"), no drive, no extension
// ("C:\Figures\cube.k3v" -> "cube"); a name without "." keeps its end.
std::string nomNuDeFichier(std::string_view nomFichier);

// Saves figure numero under the file name: 0 on success (the figure takes
// the file as its path, its bare name as title and is no longer modified),
// 1 on failure, for a name longer than kLongueurMaxNomFichier (nothing is
// written) or without such a figure (nothing changes).
int sauveFigure(int16_t numero, std::string_view nomFichier);

// Why the last save (enregistreTexteFigure, sauveFigure) failed: the
// system's error number (errno: ENOSPC a full disk, EACCES a read-only file
// or folder, ENOENT a missing folder, ENAMETOOLONG a name longer than
// kLongueurMaxNomFichier or one the file system refuses, EFBIG a file over
// the system's size limit...), or EMSGSIZE (which no file call gives) for a
// figure text too long for a figure file, EBADMSG (nor this) for a figure
// with a line or a construction block the reader would refuse; 0 after a
// save that succeeded.
int erreurDerniereSauvegarde();
// The reason of that failure as a sentence in the language applied
// (Windows-1252), one for each cause (a name the library refuses and one the
// file system refuses are told apart; a system error without a sentence of
// its own gives its number and the system's words); empty after a save that
// succeeded.
std::string texteErreurSauvegarde();

// 1 when the figure exists and has unsaved changes, else 0.
int figureModifiee(int16_t numero);

} // namespace km32
