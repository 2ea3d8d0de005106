#pragma once

class QObject;

// One press opens one window. Opening a window may let events run before the
// window is modal (a load that pauses, a save that blinks the caption), and a
// second click or key arriving then would open another window from inside the
// first. An opener holds an OpenGuard on its window while it runs; every other
// opener of that window finds it held and opens nothing.
class OpenGuard {
  public:
    explicit OpenGuard(const QObject* window);
    ~OpenGuard();
    OpenGuard(const OpenGuard&) = delete;
    OpenGuard& operator=(const OpenGuard&) = delete;

    // False when another opener of the window is still running.
    explicit operator bool() const { return held_; }

  private:
    const QObject* window_;
    bool held_;
};
