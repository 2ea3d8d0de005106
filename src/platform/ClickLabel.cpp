#include "platform/ClickLabel.h"

#include <QMouseEvent>

void ClickLabel::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(e);
}

void ClickLabel::mouseDoubleClickEvent(QMouseEvent* e) {
    emit doubleClicked();
    QLabel::mouseDoubleClickEvent(e);
}

// A move over the label is the label's own: passed on, it would reach the
// window under it as a move off the label.
void ClickLabel::mouseMoveEvent(QMouseEvent* e) {
    emit mouseMoved(e->position().toPoint());
    e->accept();
}
