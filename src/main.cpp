#include "core/ProgramState.h"
#include "ui/startup/StartUpMain.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kestrane"));
    ProgramState state;
    const StartUp::StartResult started = StartUp::Main(state);
    if (started.exitCode != 0)
        return started.exitCode;
    return app.exec();
}
