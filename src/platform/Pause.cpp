#include "platform/Pause.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace {
double& scale() {
    static double s = 1.0;
    return s;
}
} // namespace

void StartUp::SetPauseScale(double factor) {
    scale() = factor < 0 ? 0 : factor;
}

int StartUp::PauseMilliseconds(double seconds) {
    return static_cast<int>(seconds * scale() * 1000.0 + 0.5);
}

void StartUp::Pause(double seconds) {
    const int ms = PauseMilliseconds(seconds);
    if (ms <= 0 || !QCoreApplication::instance()) {
        QCoreApplication::processEvents();
        return;
    }
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}
