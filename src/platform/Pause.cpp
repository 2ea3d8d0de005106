#include "platform/Pause.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace {
double& scale() {
    static double s = 1.0;
    return s;
}

int waiting = 0;
} // namespace

void StartUp::SetPauseScale(double factor) {
    scale() = factor < 0 ? 0 : factor;
}

int StartUp::PausesWaiting() {
    return waiting;
}

int StartUp::PauseMilliseconds(double seconds) {
    return static_cast<int>(seconds * scale() * 1000.0 + 0.5);
}

void StartUp::Pause(double seconds) {
    const int ms = PauseMilliseconds(seconds);
    ++waiting;
    if (ms <= 0 || !QCoreApplication::instance()) {
        QCoreApplication::processEvents();
    } else {
        QEventLoop loop;
        QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loop.exec();
    }
    --waiting;
}
