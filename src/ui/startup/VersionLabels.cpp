#include "ui/startup/VersionLabels.h"

#include "Version.h"
#include "core/startup/VersionText.h"

void VersionLabels::FillVersion(QLabel* laFileVer, QLabel* laBuildno) {
    laFileVer->setText(QString::fromStdString(VersionText::FileVersion(Version::Major, Version::Minor)));
    laBuildno->setText(QString::fromStdString(VersionText::BuildNumber(Version::Revision)));
}
