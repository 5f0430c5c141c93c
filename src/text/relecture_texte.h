#pragma once
// The check that a figure text the library wrote reads back: the text is
// read into a throw-away figure as a figure file is opened (reading mode 2,
// the mode that checks the most; no message shown, no start command run,
// the random sequence, the language applied and the figure table left as
// they were), and that figure is written again. The text reads back when it reads whole and the
// figure it gives writes the same text. The save and the text handed to a
// host are checked so before they are said to be sound: whatever fault of
// the writer remains, a text that would not give the figure back is never
// reported as written.
#include <cstdint>
#include <string>

namespace km32 {

// 0 when texte reads back as described above; else the number (from 1) of
// its first line at which the reading stopped, or from which the text
// written again differs.
uint16_t ligneNonRelue(const std::string& texte);

} // namespace km32
