#pragma once
// The dispatcher of a figure's messages: every input of a figure (its
// window, the host's mouse and key calls, menu commands, timers) arrives
// here as one message record and is routed to its handler.
#include <cstdint>

#include "model/figure.h"

namespace km32 {

// The window-message record handed to the dispatcher.
struct TMessageFigure {
    uint32_t message = 0;
    uint32_t wParam = 0;
    int32_t lParam = 0; // mouse messages: x in the low, y in the high 16 bits
    int32_t resultat = 0;
};

// 1 when the message was handled, 0 when ignored; 0 without anything done
// for a number with no figure.
uint8_t traiteMessageKMParNumero(int16_t numero, TMessageFigure& message);
uint8_t traiteMessageFigure(TfigureKalmetra& f, TMessageFigure& message);

} // namespace km32
