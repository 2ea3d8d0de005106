#include "ui/startup/VersionLabels.h"

#include "Version.h"
#include "core/startup/VersionText.h"
#include "platform/Platform.h"

QLabel* VersionLabels::MakeLabel(QWidget* parent, const char* objectName, const QString& text) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(objectName));
    return l;
}

void VersionLabels::FillVersion(QLabel* laFileVer, QLabel* laBuildno) {
    laFileVer->setText(QString::fromStdString(VersionText::FileVersion(Version::Major, Version::Minor)));
    laBuildno->setText(QString::fromStdString(VersionText::BuildNumber(Version::Revision)));
}

void VersionLabels::CentreOnScreen(QWidget* window) {
    const PlatformAnswers a = Platform::Probe();
    const QSize size = window->frameGeometry().size();
    window->move((a.screenWidthPx - size.width()) / 2, (a.screenHeightPx - size.height()) / 2);
}
