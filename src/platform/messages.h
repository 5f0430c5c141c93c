#pragma once
// Window messages: their numbers, the synchronous send, the queue of posted
// messages and the message loop.
//
// The loop delivers, in this order of priority: the posted messages (first
// posted, first delivered), then the paints of windows with an invalid
// region (WM_PAINT, once per window however often it was invalidated), then
// the ticks of timers that are due (WM_TIMER, at most one pending tick per
// timer). Nothing waits: a loop function returns when nothing is ready.
#include <cstdint>
#include <optional>

#include "platform/fenetres.h"

namespace km32::platform {

// Message numbers, with the values the messages conventionally carry.
constexpr uint32_t WM_NULL = 0x0000;
constexpr uint32_t WM_CREATE = 0x0001;
constexpr uint32_t WM_DESTROY = 0x0002;
constexpr uint32_t WM_MOVE = 0x0003;
constexpr uint32_t WM_SIZE = 0x0005;
constexpr uint32_t WM_ACTIVATE = 0x0006;
constexpr uint32_t WM_SETFOCUS = 0x0007;
constexpr uint32_t WM_KILLFOCUS = 0x0008;
constexpr uint32_t WM_PAINT = 0x000F;
constexpr uint32_t WM_CLOSE = 0x0010;
constexpr uint32_t WM_KEYDOWN = 0x0100;
constexpr uint32_t WM_KEYUP = 0x0101;
constexpr uint32_t WM_CHAR = 0x0102;
constexpr uint32_t WM_COMMAND = 0x0111;
constexpr uint32_t WM_TIMER = 0x0113;
constexpr uint32_t WM_VSCROLL = 0x0115;
constexpr uint32_t WM_MOUSEFIRST = 0x0200;
constexpr uint32_t WM_MOUSEMOVE = 0x0200;
constexpr uint32_t WM_LBUTTONDOWN = 0x0201;
constexpr uint32_t WM_LBUTTONUP = 0x0202;
constexpr uint32_t WM_LBUTTONDBLCLK = 0x0203;
constexpr uint32_t WM_RBUTTONDOWN = 0x0204;
constexpr uint32_t WM_RBUTTONUP = 0x0205;
constexpr uint32_t WM_RBUTTONDBLCLK = 0x0206;
constexpr uint32_t WM_MOUSEWHEEL = 0x020A;
constexpr uint32_t WM_MOUSELAST = 0x020A; // the mouse messages are 512 to 522
constexpr uint32_t WM_CAPTURECHANGED = 0x0215;
// The private messages are WM_USER + n (the library uses n = 1001 to 1059).
constexpr uint32_t WM_USER = 0x0400;
// A key pressed with Ctrl in a top-level window, offered to that window
// before the window with the focus (a host's keyboard shortcuts): wParam the
// virtual-key code; an answer other than 0 takes the key.
constexpr uint32_t WM_TOUCHE_HOTE = WM_USER + 2000;

// wParam of WM_ACTIVATE.
constexpr uint32_t WA_INACTIVE = 0;
constexpr uint32_t WA_ACTIVE = 1;
// wParam of WM_SIZE.
constexpr uint32_t SIZE_RESTORED = 0;
// wParam of the mouse messages: buttons and keys held.
constexpr uint32_t MK_LBUTTON = 0x0001;
constexpr uint32_t MK_RBUTTON = 0x0002;
constexpr uint32_t MK_SHIFT = 0x0004;
constexpr uint32_t MK_CONTROL = 0x0008;

// wParam of WM_VSCROLL: the low half says what the scroll bar asks, the high
// half holds the thumb's position for SB_THUMBPOSITION and SB_THUMBTRACK.
constexpr uint32_t SB_LINEUP = 0;
constexpr uint32_t SB_LINEDOWN = 1;
constexpr uint32_t SB_PAGEUP = 2;
constexpr uint32_t SB_PAGEDOWN = 3;
constexpr uint32_t SB_THUMBPOSITION = 4;
constexpr uint32_t SB_THUMBTRACK = 5;
constexpr uint32_t SB_TOP = 6;
constexpr uint32_t SB_BOTTOM = 7;
// One notch of the mouse wheel, as the high half of WM_MOUSEWHEEL's wParam
// carries it (a signed 16-bit delta, positive away from the user).
constexpr int32_t WHEEL_DELTA = 120;

// Two signed 16-bit numbers in one lParam: x (or a width) in the low half, y
// (or a height) in the high half, as the mouse, WM_MOVE and WM_SIZE carry them.
constexpr int32_t lParamDeCoordonnees(int32_t x, int32_t y) {
    return int32_t(uint32_t(uint16_t(x)) | (uint32_t(uint16_t(y)) << 16));
}
constexpr int32_t xDeLParam(int32_t lParam) {
    return int16_t(uint32_t(lParam) & 0xFFFF);
}
constexpr int32_t yDeLParam(int32_t lParam) {
    return int16_t(uint32_t(lParam) >> 16);
}

struct Message {
    Fenetre fenetre = kAucuneFenetre;
    uint32_t message = WM_NULL;
    uint32_t wParam = 0;
    int32_t lParam = 0;
    friend bool operator==(const Message&, const Message&) = default;
};

// Calls the window procedure at once and returns its answer; 0 (and nothing
// called) for an unknown or destroyed window. Sends may nest.
int32_t envoieMessage(Fenetre f, uint32_t message, uint32_t wParam = 0, int32_t lParam = 0);

// Queues a message for the window; false (nothing queued) for an unknown or
// destroyed window.
bool posteMessage(Fenetre f, uint32_t message, uint32_t wParam = 0, int32_t lParam = 0);

// The next message the loop would deliver among those addressed to filtre
// (0: any window) whose number lies in premier..dernier (0..0: any number),
// in the loop's order (posted, paint, timer tick). With retire, it is taken
// off: a posted message leaves the queue, a paint leaves the window valid, a
// tick is dropped (the timer goes on with its next tick).
std::optional<Message> regardeMessage(Fenetre filtre, uint32_t premier, uint32_t dernier, bool retire);

// Drops every pending message, paint and tick that regardeMessage would find
// with the same filter; returns how many.
int purgeMessages(Fenetre filtre, uint32_t premier, uint32_t dernier);

// Drops the pending WM_TIMER of the timers of window f whose ids lie in
// premierId..dernierId: their due ticks and the WM_TIMER messages posted with
// such an id. The other timers keep their pending ticks. Returns how many.
int purgeTicks(Fenetre f, uint32_t premierId, uint32_t dernierId);

// Takes off the queue every posted message equal to m (same window, number
// and parameters); returns how many. Lets a sender keep one message pending
// where it would otherwise pile up copies.
int retireMessagesPostes(const Message& m);

// Delivers one message; false when nothing was ready.
bool distribueUnMessage();
// Delivers messages until nothing is ready, at most limite of them (a
// procedure that posts itself a message each time would never let the loop
// rest); returns how many.
int distribueJusquAuRepos(int limite = 100000);

// Runs the message loop for ms milliseconds. On the virtual clock it moves
// the clock from one timer tick to the next, delivering everything at each
// step, so every due tick is delivered at its time and in its order; it ends
// at now + ms with everything delivered. On the real clock it sleeps between
// the ticks.
void avance(int64_t ms);

// Number of posted messages waiting (paints and ticks not counted).
std::size_t nombreMessagesPostes();

// Forgets every posted message (tests and unload).
void reinitialiseMessages();

} // namespace km32::platform
