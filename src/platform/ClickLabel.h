#pragma once

#include <QLabel>

// A label that reports clicks, double-clicks and mouse movement, for the
// pictures and captions that act as buttons.
class ClickLabel : public QLabel {
    Q_OBJECT
  public:
    using QLabel::QLabel;

  signals:
    void clicked();
    void doubleClicked();
    void mouseMoved(QPoint pos);

  protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
};
