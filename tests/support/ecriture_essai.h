#pragma once
// What the tests of settings and of the writer read back: a figure written
// while a language is applied (French is applied again afterwards), and the
// text of the first message box shown, in UTF-8.
#include <cstdint>
#include <string>

#include "base/texte.h"
#include "model/figure.h"
#include "phrases/phrase.h"
#include "platform/boites.h"
#include "text/ecriture_figure.h"
#include "text/langue_texte.h"

namespace km32::essais {

inline std::string ecritEnLangue(const TfigureKalmetra& f, uint16_t langue) {
    appliqueLangueSysteme(langue);
    std::string t = ecritTexteFigure(f);
    appliqueLangueSysteme(kLangueFrancaise);
    return t;
}

inline std::string premiereBoiteUtf8() {
    return platform::boitesDemandees().empty() ? std::string()
                                               : utf8DeWindows1252(platform::boitesDemandees()[0].texte);
}

} // namespace km32::essais
