#pragma once
// The language of the library's texts: the switch for this library alone
// (while a text in another language is read) and for the whole system, the
// language of a figure text told by its header line, the help call, and the
// start and end of the keyword and pattern tables.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace km32 {

// Applies a language (1 French, 2 English, 3 German) to this library only:
// the applied word of the shared table, the keyword table and the current
// pattern table. 0 or the language already applied changes nothing.
void changeLangue(uint16_t langue);
// changeLangue with the requested language of the shared table.
void appliqueLangueDemandee();
// The system-wide switch behind the exported one, which destroys the menus
// of the figures first: the sibling library applies the language, the
// keyword table is rebuilt, the language's pattern table made current and
// the pattern order checked. 0 does nothing.
void appliqueLangueSysteme(uint16_t langue);

// 1, 2 or 3 for the header phrase found in the text's first line (exactly,
// letter case included), 0 when there is none.
uint8_t langueDuTexteFigure(std::string_view texte);

// Asks the platform's help service (platform/aide.h) for the help file of
// the applied language: the help directory and the file, or the bare file
// name when it is not there, with the command and its data. False when no
// help could be shown (the host installed no help function).
bool appelleAideKM32(uint32_t fenetre, uint16_t commande, uint16_t donnee);

// Library start: the keyword table, then the pattern table of the applied
// language (French when none is applied), then the order check.
void initialiseLangueTexte();
// Library end: the pattern and keyword tables freed. Also what tests call to
// start afresh; it empties the recorded help requests too.
void termineLangueTexte();

} // namespace km32
