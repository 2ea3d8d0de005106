#include "ProgramState.h"
#include "startup/StartUpMain.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ProgramState state;
    const int code = StartUp::Main(state);
    if (code != 0)
        return code;
    return app.exec();
}
