#pragma once
// A whole figure text applied to a figure: the figure is rebuilt from the
// text, or, when the text fails (or the user declines it), left exactly as
// it was. The host's text exports and the text editor's Apply use it.
#include <cstdint>
#include <string>

#include "model/figure.h"

namespace km32 {

constexpr uint16_t kPhraseTexteExecutable = 11157; // "Ce texte est exécutable. Remplacer ...?"
constexpr uint16_t kPhraseTexteNonApplique = 11158;
constexpr uint16_t kPhraseAttention = 11307;

// Runs texte on f in place of its objects. With confirmation (the editor)
// the user is asked before a text that ran replaces the figure; without it
// (the host) a failure is told in a box titled with the figure's title.
// True when the text replaced the figure; ligneErreur (when given) receives
// the number of the first failing line, 0 when every line ran.
bool appliqueTexteAFigure(TfigureKalmetra& f, const std::string& texte, bool confirmation,
                          uint16_t* ligneErreur = nullptr);

} // namespace km32
