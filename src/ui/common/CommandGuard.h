#pragma once

class QObject;

// One command at a time on a window's booking. A command that waits in a
// pause (a caption or a box that blinks) lets clicks and keys run, and a
// second command started then would act in the middle of the first: open
// another booking under a blinking number, name the wrong booking in a
// message, store twice. Each command holds a CommandGuard on its window while
// it runs; a command started during the holder's pause finds it held and does
// nothing, as the click of a button that is not there. The holder's own calls
// of other commands, made outside any pause, go through.
class CommandGuard {
  public:
    explicit CommandGuard(const QObject* window);
    ~CommandGuard();
    CommandGuard(const CommandGuard&) = delete;
    CommandGuard& operator=(const CommandGuard&) = delete;

    // False when a command of the window is waiting in a pause.
    explicit operator bool() const { return held_; }

  private:
    const QObject* window_;
    bool first_; // the outermost command, which releases the guard
    bool held_;
};
