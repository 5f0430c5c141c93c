#pragma once
// The plane figures of the sibling library, as far as this stand-in keeps
// them: a table of 64 slots, each holding the host window, the file name,
// the parameters and the text of the figure (its lines are kept, not run),
// its background colour and a little state a host or a test can read. The
// values of named numbers are the common values of the shared table.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/contexte_dessin_types.h"

namespace km32 {

constexpr int16_t kNombreFiguresPlanes = 64;
// What a number without a defined value reads as.
constexpr double kValeurIndefinieTQ = 1.430175116073;

// The last annex window a host asked for.
enum class AnnexePlane : uint8_t { Aucune, Rappels, Editeur, Commentaire };

struct FigurePlane {
    uint32_t hote = 0;
    std::string fichier;    // at most 255 bytes
    std::string parametres; // at most 255 bytes
    std::string texte;      // lines ended by CR LF, at most 65536 bytes
    platform::Couleur fond = platform::kBlanc;
    std::string dernierBouge; // the last name given a value
    int32_t dessins = 0;      // full redraws asked
    int16_t parametreCopie = 0;
    AnnexePlane annexe = AnnexePlane::Aucune;
};

// The figure of a number; nullptr outside 1..64 or for a free slot.
FigurePlane* figurePlane(int16_t numero);
// A new figure in the first free slot 1..64; 0 when all are taken. Its text
// is texte when not empty, else the text of the file fichier (when it can be
// read whole), else the default figure text of the shared table (or empty).
int16_t creeFigurePlane(uint32_t hote, std::string_view fichier, std::string_view texte,
                        std::string_view parametres);
// The same in slot numero (1..64), replacing the figure there and keeping its
// host window; false outside 1..64.
bool creeFigurePlaneEn(int16_t numero, std::string_view fichier, std::string_view texte,
                       std::string_view parametres);
// Frees a figure; false when there was none.
bool detruitFigurePlane(int16_t numero);

// Appends each line of lignes (blanks cut at both ends) to the text, ended by
// CR LF; blank lines and a line that would make the text pass 65536 bytes are
// left out. Returns the number of lines added.
int ajouteLignesFigurePlane(FigurePlane& f, std::string_view lignes);
// Replaces the text (cut to 65536 bytes).
void remplaceTexteFigurePlane(FigurePlane& f, std::string_view texte);
// The first line whose first word is nom; empty when none.
std::string ligneDeCreation(const FigurePlane& f, std::string_view nom);
// The lines that contain the query, each ended by CR LF (every line for an
// empty query).
std::string lignesContenant(const FigurePlane& f, std::string_view requete);

// The common value of a shared name; nothing when no registered record
// shares it or its undefined flag is set.
std::optional<double> valeurCommuneDeNom(std::string_view nom);
// Sets the common value of a shared name and marks it defined; false when no
// registered record shares it.
bool affecteValeurCommune(std::string_view nom, double valeur);

void reinitialiseFiguresPlanes();

} // namespace km32
