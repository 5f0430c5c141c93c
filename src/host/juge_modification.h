#pragma once
// The modified flag judged by what a save writes. The roads of a menu
// command or a key change many parts of a figure, and not all of them are
// written: a view turned is, the trace mode or the thick lines are not. A
// judge built when such an input begins on a figure whose flag is clear
// keeps the text written then; when the input ends, the flag is set exactly
// when the text written now differs, so the mark in the host's caption and
// the question on closing follow what a save would change.
#include <cstdint>
#include <string>

#include "model/figure.h"

namespace km32 {

class JugeModification {
  public:
    explicit JugeModification(const TfigureKalmetra& f);
    ~JugeModification();
    JugeModification(const JugeModification&) = delete;
    JugeModification& operator=(const JugeModification&) = delete;

  private:
    int16_t numero_;
    bool actif_; // the flag was clear when the input began
    std::string avant_;
};

} // namespace km32
