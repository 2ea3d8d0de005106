#include "ui/startup/frmSplash.h"

#include "ui/startup/Artwork.h"
#include "ui/startup/VersionLabels.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

using VersionLabels::MakeLabel;

frmSplash::frmSplash(const ProgramState& state, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), state_(state) {
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QStringLiteral("Kestrane starting"));
    setFixedSize(480, 300);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(245, 247, 250));
    setPalette(pal);

    // Two decorative bands, top and bottom.
    auto* bandTop = new QFrame(this);
    bandTop->setObjectName(QStringLiteral("Shape1"));
    bandTop->setGeometry(0, 0, 480, 10);
    bandTop->setStyleSheet(QStringLiteral("background: #1e468c;"));
    auto* bandBottom = new QFrame(this);
    bandBottom->setObjectName(QStringLiteral("Shape2"));
    bandBottom->setGeometry(0, 290, 480, 10);
    bandBottom->setStyleSheet(QStringLiteral("background: #f0be3c;"));

    auto* Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(Artwork::ProductLogo(110));
    Image1->setGeometry(30, 40, 110, 110);

    auto* name = new QLabel(QStringLiteral("Kestrane"), this);
    QFont big = name->font();
    big.setPointSize(28);
    big.setBold(true);
    name->setFont(big);
    name->setStyleSheet(QStringLiteral("color: #1e468c;"));
    name->setGeometry(160, 50, 300, 50);

    auto* maker = new QLabel(QStringLiteral("Brantholm Solutions"), this);
    maker->setGeometry(162, 100, 300, 24);

    MakeLabel(this, "Label1", QStringLiteral("File Version:"))->setGeometry(162, 160, 90, 20);
    laFileVer = MakeLabel(this, "laFileVer", QString());
    laFileVer->setGeometry(255, 160, 80, 20);
    MakeLabel(this, "Label2", QStringLiteral("Build No:"))->setGeometry(162, 182, 90, 20);
    laBuildno = MakeLabel(this, "laBuildno", QString());
    laBuildno->setGeometry(255, 182, 80, 20);

    MakeLabel(this, "Label3", QStringLiteral("Windows XP/7 "))->setGeometry(30, 230, 200, 20);
    MakeLabel(this, "Label4", QStringLiteral("Includes QX Encryption"))->setGeometry(30, 252, 200, 20);

    laDefsa = MakeLabel(this, "laDefsa", QStringLiteral("Defaulf Settings Applied"));
    laDefsa->setGeometry(260, 252, 200, 20);
    laDefsa->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold;"));
    laDefsa->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    laDefsa->hide();

    Form_Load();
}

void frmSplash::Form_Load() {
    CentreForm();
    FillLabels();
}

void frmSplash::CentreForm() {
    VersionLabels::CentreOnScreen(this);
}

void frmSplash::FillLabels() {
    VersionLabels::FillVersion(laFileVer, laBuildno);
    if (state_.SettingsReset)
        laDefsa->show();
}
