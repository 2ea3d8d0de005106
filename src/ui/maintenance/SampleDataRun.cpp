#include "ui/maintenance/SampleDataRun.h"

#include "core/maintenance/SampleData.h"
#include "platform/MsgBox.h"
#include "platform/ShownPath.h"
#include "ui/common/Errors.h"

#include <QCoreApplication>
#include <QPointer>
#include <QPushButton>
#include <QWidget>

#include <random>

namespace SampleDataRun {

namespace {
bool running = false;
}

bool Run(ProgramState& state, QWidget* window) {
    if (running || state.options().readOnly())
        return false;
    const std::string& dataRoot = state.settings.DataRoot;
    if (SampleData::AnyMonthFileExists(dataRoot) &&
        MsgBox(QStringLiteral("The sample bookings replace the booking files of 2010 to 2012 already in the data "
                              "folder.\r\nDo you wish to proceed?"),
               vb::vbYesNo | vb::vbQuestion | vb::vbDefaultButton2, QStringLiteral("Kestrane"), window) != vb::vbYes)
        return false;

    running = true;
    // The run lets the desk's events through, so the desk may be closed and
    // deleted before it ends; the files are still all written.
    const QPointer<QWidget> desk(window);
    QPointer<QPushButton> button = window->findChild<QPushButton*>(QStringLiteral("Command1"));
    if (button)
        button->setEnabled(false);
    std::random_device seed;
    const SampleData::RunResult result = SampleData::WriteMonthFiles(
        dataRoot, (static_cast<std::uint64_t>(seed()) << 32) | seed(), [] { QCoreApplication::processEvents(); });
    if (button)
        button->setEnabled(true);
    running = false;
    if (!desk)
        return false;

    if (!result.failures.empty()) {
        const SampleData::FileFailure& first = result.failures.front();
        MsgBox(QStringLiteral("Sample bookings could not be written to %1 of the 36 month files.\r\n%2: %3")
                   .arg(result.failures.size())
                   .arg(ShownPath::Text(first.path), Errors::Reason(first.error)),
               vb::vbOKOnly | vb::vbExclamation, QStringLiteral("Kestrane"), window);
    }
    return result.written > 0;
}

} // namespace SampleDataRun
