#include "ui/common/Centre.h"

#include "platform/Platform.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace Centre {

void FrameOnScreen(QWidget* window) {
    const PlatformAnswers a = Platform::Probe();
    const QSize size = window->frameGeometry().size();
    window->move((a.screenWidthPx - size.width()) / 2, (a.screenHeightPx - size.height()) / 2);
}

void FrameOnWorkArea(QWidget* window) {
    const PlatformAnswers a = Platform::Probe();
    int w = a.screenWidthPx;
    int h = a.screenHeightPx;
    if (a.workAreaPx) {
        w = a.workAreaPx->x() + a.workAreaPx->width();
        h = a.workAreaPx->y() + a.workAreaPx->height();
    }
    const QSize size = window->frameGeometry().size();
    window->move(static_cast<int>((w - size.width()) / 2.0f), static_cast<int>((h - size.height()) / 2.0f));
}

void In(QWidget* window, const QRect& area) {
    window->move(area.x() + (area.width() - window->width()) / 2, area.y() + (area.height() - window->height()) / 2);
}

void OnPrimaryScreen(QWidget* window) {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        In(window, screen->geometry());
}

void At(QWidget* window, QPoint centre) {
    window->move(centre - QPoint(window->width() / 2, window->height() / 2));
}

} // namespace Centre
