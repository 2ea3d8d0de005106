#include "platform/Shell.h"

#include "core/startup/Helpers.h"
#include "platform/Latin1Text.h"
#include "platform/MsgBox.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include <utility>

namespace {
StartUp::ShellOpener& opener() {
    static StartUp::ShellOpener o;
    return o;
}

QString unquoted(QString s) {
    if (s.size() >= 2 && s.startsWith(u'"') && s.endsWith(u'"'))
        s = s.mid(1, s.size() - 2);
    return s;
}
} // namespace

void StartUp::SetShellOpener(ShellOpener o) {
    opener() = std::move(o);
}

int StartUp::ShellOpen(const QString& file, int /*showCmd*/, const QString& dir) {
    const QString folder =
        dir.isNull()
            ? QString::fromStdString(StartUp::ShellOpenFolder(file.toStdString(), QDir::currentPath().toStdString()))
            : dir;
    const QString path = unquoted(file);
    if (opener())
        return opener()(path, folder) ? 42 : 31;
    if (!QFileInfo::exists(path))
        return 2;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path)) ? 42 : 31;
}

void StartUp::ShowHelpTopic(const ProgramState& state) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QString path =
        QString::fromStdString(state.ProgramFolder + "KestraneDocs/" + StartUp::HelpPageForTopic(state.HelpTopic));
    QApplication::restoreOverrideCursor();
    StartUp::ShellOpen(u'"' + path + u'"', 1);
}

void StartUp::CheckEmail(const QString& address) {
    const int failure = StartUp::EmailCheckFailure(Latin1::ToBytes(address));
    if (failure != 0)
        MsgBox(QString::fromLatin1(StartUp::EmailCheckText), vb::vbExclamation,
               QString::fromLatin1(StartUp::EmailCheckTitle(failure)));
}
