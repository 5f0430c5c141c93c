#pragma once
// Input state: which keys are held (set by a host or a test as its events
// come, read by the library where it would ask the keyboard), the cursor
// position on screen, and the mouse capture (one window at a time receives
// the mouse whatever lies under it).
#include <cstdint>

#include "platform/fenetres.h"
#include "platform/geometrie.h"

namespace km32::platform {

// Virtual key codes, with their conventional values. Digits and letters are
// their ASCII codes ('0'..'9', 'A'..'Z').
constexpr uint8_t VK_LBUTTON = 0x01;
constexpr uint8_t VK_RBUTTON = 0x02;
constexpr uint8_t VK_MBUTTON = 0x04;
constexpr uint8_t VK_BACK = 0x08;
constexpr uint8_t VK_TAB = 0x09;
constexpr uint8_t VK_RETURN = 0x0D;
constexpr uint8_t VK_SHIFT = 0x10;
constexpr uint8_t VK_CONTROL = 0x11;
constexpr uint8_t VK_MENU = 0x12; // Alt
constexpr uint8_t VK_ESCAPE = 0x1B;
constexpr uint8_t VK_SPACE = 0x20;
constexpr uint8_t VK_PRIOR = 0x21; // Page Up
constexpr uint8_t VK_NEXT = 0x22;  // Page Down
constexpr uint8_t VK_END = 0x23;
constexpr uint8_t VK_HOME = 0x24;
constexpr uint8_t VK_LEFT = 0x25;
constexpr uint8_t VK_UP = 0x26;
constexpr uint8_t VK_RIGHT = 0x27;
constexpr uint8_t VK_DOWN = 0x28;
constexpr uint8_t VK_INSERT = 0x2D;
constexpr uint8_t VK_DELETE = 0x2E;
constexpr uint8_t VK_ADD = 0x6B;
constexpr uint8_t VK_SUBTRACT = 0x6D;
constexpr uint8_t VK_F1 = 0x70; // VK_F1 + k - 1 for Fk, k = 1..12
constexpr uint8_t VK_F12 = 0x7B;
constexpr uint8_t VK_OEM_PLUS = 0xBB;
constexpr uint8_t VK_OEM_MINUS = 0xBD;

// Key state.
void fixeToucheEnfoncee(uint8_t touche, bool enfoncee);
bool toucheEnfoncee(uint8_t touche);
bool majEnfoncee();  // Shift
bool ctrlEnfoncee(); // Ctrl
bool altEnfoncee();  // Alt
// Sets the three modifier keys at once.
void fixeModificateurs(bool maj, bool ctrl, bool alt);

// Cursor position in screen coordinates.
Point positionCurseur();
void fixePositionCurseur(Point p);

// Mouse capture. captureSouris gives the capture to f and returns the window
// that had it; that window, when another, gets WM_CAPTURECHANGED (lParam the
// new window). An unknown handle changes nothing. relacheCapture ends it (the
// window that had it gets WM_CAPTURECHANGED, lParam 0).
Fenetre captureSouris(Fenetre f);
void relacheCapture();
Fenetre fenetreCapture();
// Drops the capture without any message (a window being destroyed).
void oublieCapture();

void reinitialiseEntrees();

} // namespace km32::platform
