#pragma once

#include <QColor>

// Colours as the windows give them: 24-bit numbers in blue-green-red order
// (0xFF is red, 0xFF00 green, 0xA00000 dark blue).
inline QColor VbColor(long bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

inline long ToVbColor(const QColor& c) {
    return static_cast<long>(c.red()) | (static_cast<long>(c.green()) << 8) | (static_cast<long>(c.blue()) << 16);
}
