#include <QApplication>

#include <gtest/gtest.h>

#include "platform/Pause.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    StartUp::SetPauseScale(0.01); // the flashing and blinking waits run quickly in tests
    return RUN_ALL_TESTS();
}
