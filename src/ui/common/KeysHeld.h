#pragma once

#include <QPointer>
#include <QWidget>

// A window that prints, or waits for a window over it to close, keeps
// handling events meanwhile, and a key pressed then was meant for the
// control the user had reached: by the time it arrives the focus may be on
// another one (a button disabled while it works hands the focus on). While
// a KeysHeld lives, and for a key press's moment after it (a second press
// still on its way), the window's keys go nowhere; at its end the focus is
// back where the user left it.
class KeysHeld {
  public:
    explicit KeysHeld(QWidget* window);
    ~KeysHeld();
    KeysHeld(const KeysHeld&) = delete;
    // Waits a key press's moment, the keys still going nowhere, so that a
    // second press on its way does not answer a box shown next, unread.
    void letAPressPass() const;
    KeysHeld& operator=(const KeysHeld&) = delete;

  private:
    QPointer<QWidget> focus_;
    QPointer<QObject> filter_;
};
