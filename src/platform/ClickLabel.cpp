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

void ClickLabel::mouseMoveEvent(QMouseEvent* e) {
    emit mouseMoved(e->position().toPoint());
    QLabel::mouseMoveEvent(e);
}
