#pragma once

class QKeyEvent;

// Keys as the windows' key handlers number them: key codes of the physical
// keys (13 Enter, 46 Delete, 112 F1 ...), shift bits (1 Shift, 2 Ctrl, 4 Alt)
// and the character code of a typed key (8 Backspace, 13 Enter, 20 Ctrl+T).
namespace VbKeys {
int KeyCode(const QKeyEvent* event);
int ShiftBits(const QKeyEvent* event);
// 0 when the key types no character.
int KeyAscii(const QKeyEvent* event);
} // namespace VbKeys
