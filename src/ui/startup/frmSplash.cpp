#include "ui/startup/frmSplash.h"

#include "ui/common/Centre.h"
#include "ui/common/Widgets.h"
#include "ui/startup/Artwork.h"
#include "ui/startup/VersionLabels.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

using namespace Widgets;

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

    Named(Caption(this, QStringLiteral("File Version:"), QRect(162, 160, 90, 20)), "Label1");
    laFileVer = Named(Caption(this, QString(), QRect(255, 160, 80, 20)), "laFileVer");
    Named(Caption(this, QStringLiteral("Build No:"), QRect(162, 182, 90, 20)), "Label2");
    laBuildno = Named(Caption(this, QString(), QRect(255, 182, 80, 20)), "laBuildno");

    Named(Caption(this, QStringLiteral("Windows XP/7 "), QRect(30, 230, 200, 20)), "Label3");
    Named(Caption(this, QStringLiteral("Includes QX Encryption"), QRect(30, 252, 200, 20)), "Label4");

    laDefsa = Named(Caption(this, QStringLiteral("Defaulf Settings Applied"), QRect(260, 252, 200, 20)), "laDefsa");
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
    Centre::FrameOnScreen(this);
}

void frmSplash::FillLabels() {
    VersionLabels::FillVersion(laFileVer, laBuildno);
    if (state_.SettingsReset)
        laDefsa->show();
}
