#include "UiTestSupport.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

RecordingResponder::RecordingResponder() {
    SetMsgBoxResponder([this](const MsgBoxCall& call) {
        calls_.push_back(call);
        if (!answers_.empty()) {
            const int a = answers_.front();
            answers_.pop_front();
            return a;
        }
        switch (call.buttons()) {
        case vb::vbOKCancel:
            return vb::vbOK;
        case vb::vbYesNo:
        case vb::vbYesNoCancel:
            return vb::vbYes;
        case vb::vbAbortRetryIgnore:
            return vb::vbAbort;
        case vb::vbRetryCancel:
            return vb::vbRetry;
        default:
            return vb::vbOK;
        }
    });
}

RecordingResponder::~RecordingResponder() {
    SetMsgBoxResponder(nullptr);
}

TestProgramFolder::TestProgramFolder() {
    const fs::path built = KESTRANE_PROGRAM_DIR;
    std::error_code ec;
    for (const char* d : {"_KSF", "KestraneDocs"})
        fs::copy(built / d, temp_.path() / d, fs::copy_options::recursive, ec);
    fs::remove(temp_.path() / "_KSF/KSystem/qxsabusr.dat", ec); // start without settings
    // The pick-lists as shipped (the build tree keeps whatever a run of the program edited).
    fs::copy_file(fs::path(KESTRANE_SOURCE_DIR) / "resources/_KSF/KSystem/KACustom.ini",
                  temp_.path() / "_KSF/KSystem/KACustom.ini", fs::copy_options::overwrite_existing, ec);
    for (const char* d : {"Record", "Status", "photo"})
        fs::create_directories(temp_.path() / "Kestranedata" / d);
    path_ = temp_.withSlash();
}

void TestProgramFolder::addEmptyMonthFiles() const {
    for (int y = 10; y <= 27; ++y)
        for (int m = 1; m <= 12; ++m) {
            char name[16];
            std::snprintf(name, sizeof name, "%02d%02d.vrf", y, m);
            std::ofstream(path_ + "Kestranedata/Record/" + name, std::ios::app);
        }
}

ProgramState TestProgramFolder::makeState() const {
    ProgramState s;
    s.ProgramFolder = path_;
    s.settings.DataRoot = path_ + "Kestranedata";
    s.settings.SystemPathSetting = path_;
    return s;
}

#include <QApplication>
#include <QTimer>

std::unique_ptr<QTimer> OnNextModal(std::function<void(QWidget*)> action) {
    auto timer = std::make_unique<QTimer>();
    timer->setInterval(5);
    QTimer* t = timer.get();
    QObject::connect(t, &QTimer::timeout, [t, action]() {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            t->stop();
            action(modal);
        }
    });
    t->start();
    return timer;
}

#include <QKeyEvent>

void TypeText(QWidget* target, const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        QString one(text.at(i));
        if (text.at(i).isHighSurrogate() && i + 1 < text.size())
            one += text.at(++i);
        const bool newLine = one == u"\n";
        QKeyEvent press(QEvent::KeyPress, newLine ? int(Qt::Key_Return) : 0, Qt::NoModifier,
                        newLine ? QStringLiteral("\r") : one);
        QApplication::sendEvent(target, &press);
    }
}
