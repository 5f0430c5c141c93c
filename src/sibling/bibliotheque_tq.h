#pragma once
// The state of the sibling library as a whole.
namespace km32 {

// Brings the sibling library back to its state at load: the shared table in
// its initial state (French applied and requested), no registered shared
// variables, no kept or installed texts, no plane figures,
// the information box and editors closed, normal black font, nothing copied. For tests.
void reinitialiseBibliothequeTQ();

} // namespace km32
