#pragma once

#include <QLineEdit>

// A text box that reports a click on it, and the focus leaving it for another
// control of the program (not for a context menu or another window).
class WatchedBox : public QLineEdit {
    Q_OBJECT
  public:
    using QLineEdit::QLineEdit;

  signals:
    void clicked();
    void focusLeft();

  protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
};
