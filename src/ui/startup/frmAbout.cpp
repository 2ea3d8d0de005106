#include "ui/startup/frmAbout.h"

#include "core/admin/PasswordRules.h"
#include "core/startup/Helpers.h"
#include "platform/Shell.h"
#include "ui/admin/frmMPass.h"
#include "ui/admin/frmSetup.h"
#include "ui/common/Centre.h"
#include "ui/common/OpenGuard.h"
#include "ui/common/Widgets.h"
#include "ui/common/WindowKeys.h"
#include "ui/startup/Artwork.h"
#include "ui/startup/VersionLabels.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

using namespace Widgets;

frmAbout::frmAbout(ProgramState& state, QWidget* parent) : QDialog(parent), state_(state) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("Brantholm Solutions Kestrane"));
    setModal(true);
    setFixedSize(440, 280);
    WindowKeys::Install(this);

    auto* Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(Artwork::ProductLogo(96));
    Image1->setGeometry(24, 24, 96, 96);

    VerLa = Named(Caption(this, QString(), QRect(140, 30, 280, 40)), "VerLa");
    QFont big = VerLa->font();
    big.setPointSize(20);
    big.setBold(true);
    VerLa->setFont(big);
    VerLa->setStyleSheet(QStringLiteral("color: #1e468c;"));

    Named(Caption(this, QStringLiteral("Kestrane by Brantholm Solutions"), QRect(142, 72, 280, 20)), "laProduct");

    Named(Caption(this, QStringLiteral("File Version:"), QRect(142, 110, 90, 20)), "Label1");
    laFileVer = Named(Caption(this, QString(), QRect(235, 110, 80, 20)), "laFileVer");
    Named(Caption(this, QStringLiteral("Build No:"), QRect(142, 132, 90, 20)), "Label2");
    laBuildno = Named(Caption(this, QString(), QRect(235, 132, 80, 20)), "laBuildno");

    Named(Caption(this, QStringLiteral("Windows XP/7"), QRect(24, 180, 200, 20)), "Label3");
    Named(Caption(this, QStringLiteral("Includes QX Encryption"), QRect(24, 202, 200, 20)), "Label4");

    auto* cmdConfig = new QPushButton(QStringLiteral("Config..."), this);
    cmdConfig->setObjectName(QStringLiteral("cmdConfig"));
    cmdConfig->setAutoDefault(false);
    cmdConfig->setGeometry(236, 236, 90, 28);
    connect(cmdConfig, &QPushButton::clicked, this, &frmAbout::cmdConfig_Click);

    auto* cmdAboutOK = new QPushButton(QStringLiteral("Ok"), this);
    cmdAboutOK->setObjectName(QStringLiteral("cmdAboutOK"));
    cmdAboutOK->setDefault(true);
    cmdAboutOK->setGeometry(334, 236, 90, 28);
    connect(cmdAboutOK, &QPushButton::clicked, this, &frmAbout::cmdAboutOK_Click);

    Form_Load();
}

void frmAbout::cmdAboutOK_Click() {
    accept();
}

void frmAbout::CentreForm() {
    Centre::FrameOnScreen(this);
}

void frmAbout::Form_Load() {
    CentreForm();
    FillLabels();
}

void frmAbout::FillLabels() {
    VersionLabels::FillVersion(laFileVer, laBuildno);
    VerLa->setText(QStringLiteral("V") + laFileVer->text() + u'.' + laBuildno->text() + u' ');
}

void frmAbout::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        state_.HelpTopic = StartUp::HelpTopics::About;
        StartUp::ShowHelpTopic(state_);
        return;
    }
    QDialog::keyPressEvent(event);
}

// The settings gate: the password is asked unless it was already given in
// this run and the options say to keep it.
void frmAbout::cmdConfig_Click() {
    const OpenGuard opening(this);
    if (!opening)
        return;
    if (!state_.options().preservePassword())
        state_.SettingsPasswordGiven = false;

    if (!state_.SettingsPasswordGiven) {
        state_.SettingsPasswordMode = PasswordRules::GateMode(state_.settings.SettingsPassword);
        {
            frmMPass password(state_, this);
            password.exec();
        }
        if (state_.SettingsGateFailed)
            return;
    }
    ShowSettingsWindow();
    accept();
}

void frmAbout::ShowSettingsWindow() {
    frmSetup settings(state_, this);
    settings.exec();
}
