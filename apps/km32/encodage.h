#pragma once
// Characters at the edge of the command-line host: the library takes and
// gives Windows-1252 texts; files may come in Windows-1252 or UTF-8, and the
// terminal and the arguments are UTF-8.
#include <string>
#include <string_view>

namespace km32cli {

// True when the bytes are valid UTF-8 holding at least one non-ASCII character.
bool estUtf8NonAscii(std::string_view octets);
// UTF-8 to Windows-1252; a character with no Windows-1252 form becomes '?',
// a byte that is not UTF-8 is kept as it is.
std::string windows1252DeUtf8(std::string_view texte);
// Windows-1252 to UTF-8.
std::string utf8DeWindows1252(std::string_view texte);

// A UTF-8 text made safe for a terminal: control characters other than line
// feed and TAB (C0, DEL, and the C1 range U+0080..U+009F that some terminals
// obey) are written out as "\xHH" or "\u00HH" instead of being sent raw.
std::string afficheable(std::string_view utf8);

// The text of a figure file for the library: a UTF-8 byte-order mark is
// dropped, and a text in UTF-8 (valid, with non-ASCII characters) is
// converted to Windows-1252; any other text is taken as Windows-1252.
std::string texteFigureDeFichier(std::string_view octets);

// A character of a UTF-8 figure file that Windows-1252 cannot hold (it
// would be read as '?'): its line (from 1) and the character in UTF-8.
// Line 0 when the file keeps every character (a file taken as Windows-1252
// always does).
struct CaracterePerdu {
    int ligne = 0;
    std::string caractere;
};
CaracterePerdu premierCaracterePerdu(std::string_view octets);

} // namespace km32cli
