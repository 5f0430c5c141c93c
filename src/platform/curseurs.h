#pragma once
// Cursors as ids: the library's own cursors, loaded by their resource name,
// and the standard ones. A real host reads the current cursor and shows it.
#include <cstdint>
#include <string>
#include <string_view>

namespace km32::platform {

using Curseur = uint32_t;
constexpr Curseur kAucunCurseur = 0; // no cursor shown

// Standard cursors.
constexpr Curseur kCurseurFleche = 1;
constexpr Curseur kCurseurSablier = 2;
constexpr Curseur kCurseurRedimensionneNS = 3; // north-south double arrow
constexpr Curseur kCurseurRedimensionneEO = 4; // east-west double arrow
constexpr Curseur kCurseurCroix = 5;
// The library's cursors (resources "KM", "MAIN", "MAINPINCEE",
// "MAINTOURNANTE", "MAINPLATETOURNANTE").
constexpr Curseur kCurseurKM = 101;
constexpr Curseur kCurseurMain = 102;
constexpr Curseur kCurseurMainPincee = 103;
constexpr Curseur kCurseurMainTournante = 104;
constexpr Curseur kCurseurMainPlateTournante = 105;

// The cursor of a resource name (letter case does not matter); 0 for a name
// that names no cursor. Loading the same name again gives the same id.
Curseur chargeCurseur(std::string_view nom);
// Makes c the current cursor and returns the previous one. An unknown id
// changes nothing (and returns the current one).
Curseur changeCurseur(Curseur c);
Curseur curseurCourant();
bool estCurseur(Curseur c);
// The name of a cursor ("KM", "FLECHE", "SABLIER"...), empty when unknown.
std::string nomCurseur(Curseur c);

// The arrow again.
void reinitialiseCurseurs();

} // namespace km32::platform
