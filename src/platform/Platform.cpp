#include "platform/Platform.h"

#include <QGuiApplication>
#include <QScreen>

std::optional<PlatformAnswers>& Platform::forced() {
    static std::optional<PlatformAnswers> a;
    return a;
}

void Platform::SetAnswers(const PlatformAnswers& answers) {
    forced() = answers;
}

void Platform::ClearAnswers() {
    forced().reset();
}

PlatformAnswers Platform::Probe() {
    if (forced())
        return *forced();
    PlatformAnswers a; // not Windows: no version, no visual styles
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QSize px = screen->geometry().size();
        a.screenWidthPx = px.width();
        a.screenHeightPx = px.height();
        const double dpiX = screen->logicalDotsPerInchX();
        const double dpiY = screen->logicalDotsPerInchY();
        if (dpiX > 0)
            a.twipsPerPixelX = 1440.0 / dpiX;
        if (dpiY > 0)
            a.twipsPerPixelY = 1440.0 / dpiY;
        const QRect avail = screen->availableGeometry();
        if (avail.isValid())
            a.workAreaPx = avail;
    }
    return a;
}
