#pragma once
// Virtual key codes, the numbers the screens' key handlers compare with.

#include "Events.h"

class QKeyEvent;

namespace vk {
inline constexpr int Back = 8;
inline constexpr int Tab = 9;
inline constexpr int Return = 13;
inline constexpr int Shift = 16;
inline constexpr int Control = 17;
inline constexpr int Menu = 18;
inline constexpr int Escape = 27;
inline constexpr int Space = 32;
inline constexpr int Prior = 33; // Page Up
inline constexpr int Next = 34;  // Page Down
inline constexpr int End = 35;
inline constexpr int Home = 36;
inline constexpr int Left = 37;
inline constexpr int Up = 38;
inline constexpr int Right = 39;
inline constexpr int Down = 40;
inline constexpr int Delete = 46;
inline constexpr int F1 = 112;
inline constexpr int F5 = 116;
} // namespace vk

// The virtual key code of a key event: letters as their upper-case code,
// digits as their code, F1..F12 from 112; 0 for keys without one.
int VirtualKeyOf(const QKeyEvent& event);

// Keys that move a grid's selection: Page Up, Page Down, End, Home and the
// four arrows.
constexpr bool IsGridMoveKey(int key) { return key >= vk::Prior && key <= vk::Down; }

// Raises a control's key-up for a key the learner really let go of. A held
// key repeats its press, and on most window systems its release too: those
// releases are the repeat's, not the learner's, and raise nothing.
//
// The modifiers a key-up reports are those held when the key went down, so
// Ctrl+S still counts as Ctrl+S when Ctrl is let go a moment before S (once
// the press memory is installed).
void RaiseKeyUp(const TKeyEvent& slot, QObject* sender, const QKeyEvent& event);

// Starts remembering, program-wide, the modifiers held at each key's press.
// Done once by the application object.
void InstallKeyPressMemory();
