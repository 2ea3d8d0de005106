#pragma once

#include <QPoint>
#include <QRect>

class QWidget;

// Placing a window in the middle of the screen or of a given area.
namespace Centre {

// The window with its frame on the whole screen, as the desktop reports it.
void FrameOnScreen(QWidget* window);
// The window with its frame on the desktop's work area (the screen less its
// panels); on the whole screen when the desktop cannot tell.
void FrameOnWorkArea(QWidget* window);
// The window's inner area in the middle of area.
void In(QWidget* window, const QRect& area);
// The window's inner area on the primary screen, when there is one.
void OnPrimaryScreen(QWidget* window);
// The window's inner area around a point.
void At(QWidget* window, QPoint centre);

} // namespace Centre
