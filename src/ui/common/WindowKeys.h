#pragma once

class QWidget;

// Return presses the button that has the focus, in every window, as the
// desk's users expect of Windows; with the focus in a box it goes on to the
// window, and a dialog presses its default button if it has one. Escape stays
// the window's: a dialog closes by it as by its close box. Alt with a letter
// or digit runs the window's shortcut or does nothing, in this and every
// other window of the program: it never types (AltGr does).
namespace WindowKeys {
void Install(QWidget* window);
} // namespace WindowKeys
