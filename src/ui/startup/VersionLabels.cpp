#include "ui/startup/VersionLabels.h"

#include "Version.h"
#include "core/startup/VersionText.h"
#include "platform/Platform.h"

void VersionLabels::FillVersion(QLabel* laFileVer, QLabel* laBuildno) {
    laFileVer->setText(QString::fromStdString(VersionText::FileVersion(Version::Major, Version::Minor)));
    laBuildno->setText(QString::fromStdString(VersionText::BuildNumber(Version::Revision)));
}

void VersionLabels::CentreOnScreen(QWidget* window) {
    const PlatformAnswers a = Platform::Probe();
    const QSize size = window->frameGeometry().size();
    window->move((a.screenWidthPx - size.width()) / 2, (a.screenHeightPx - size.height()) / 2);
}
