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

// The numbers the windows compare. Backspace, Enter and Escape type the
// character of their key code.
namespace vb {
inline constexpr int vbShiftMask = 1;
inline constexpr int vbCtrlMask = 2;
inline constexpr int vbAltMask = 4;

inline constexpr int vbKeyBack = 8;
inline constexpr int vbKeyReturn = 13;
inline constexpr int vbKeyEscape = 27;
inline constexpr int vbKeyDelete = 46;
inline constexpr int vbKeyD = 68;
inline constexpr int vbKeyM = 77;
inline constexpr int vbKeyN = 78;
inline constexpr int vbKeyP = 80;
inline constexpr int vbKeyS = 83;
inline constexpr int vbKeyT = 84;
inline constexpr int vbKeyF1 = 112;
inline constexpr int vbKeyF2 = 113;
inline constexpr int vbKeyF3 = 114;
inline constexpr int vbKeyF4 = 115;
inline constexpr int vbKeyF5 = 116;
inline constexpr int vbKeyF7 = 118;
inline constexpr int vbKeyF9 = 120;
} // namespace vb
