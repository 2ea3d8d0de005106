#include "platform/Shell.h"

#include "core/startup/Helpers.h"
#include "platform/Latin1Text.h"
#include "platform/MsgBox.h"

#include <QApplication>
#include <QDesktopServices>
#include <QUrl>

#include <filesystem>
#include <utility>

namespace {
StartUp::ShellOpener& opener() {
    static StartUp::ShellOpener o;
    return o;
}

std::string unquoted(std::string s) {
    if (s.size() >= 2 && s.front() == '"' && s.back() == '"')
        s = s.substr(1, s.size() - 2);
    return s;
}

// The file's URL built from its bytes: a QString cannot hold a name that is
// not UTF-8, while each percent-encoded byte reaches the opener as it is.
QUrl fileUrl(const std::string& path) {
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    const QByteArray bytes = QByteArray::fromStdString(ec ? path : absolute.string());
    return QUrl::fromEncoded("file://" + bytes.toPercentEncoding("/"));
}
} // namespace

void StartUp::SetShellOpener(ShellOpener o) {
    opener() = std::move(o);
}

int StartUp::ShellOpen(const std::string& file, int /*showCmd*/, const std::string& dir) {
    std::error_code ec;
    const std::string folder =
        dir.empty() ? StartUp::ShellOpenFolder(file, std::filesystem::current_path(ec).string()) : dir;
    const std::string path = unquoted(file);
    if (opener())
        return opener()(path, folder) ? 42 : 31;
    if (!std::filesystem::exists(path, ec))
        return 2;
    return QDesktopServices::openUrl(fileUrl(path)) ? 42 : 31;
}

void StartUp::ShowHelpTopic(const ProgramState& state) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const std::string path = state.ProgramFolder + "KestraneDocs/" + StartUp::HelpPageForTopic(state.HelpTopic);
    QApplication::restoreOverrideCursor();
    StartUp::ShellOpen('"' + path + '"', 1);
}

void StartUp::CheckEmail(const QString& address) {
    const int failure = StartUp::EmailCheckFailure(Latin1::ToBytes(address));
    if (failure != 0)
        MsgBox(QString::fromLatin1(StartUp::EmailCheckText), vb::vbExclamation,
               QString::fromLatin1(StartUp::EmailCheckTitle(failure)));
}
