#include "frmMain.h"

#include "ClickLabel.h"
#include "MsgBox.h"
#include "Platform.h"
#include "startup/Artwork.h"
#include "startup/frmAbout.h"

#include <QCloseEvent>

namespace {
const QString PlainCaption = QStringLiteral("Brantholm Solutions Kestrane");
constexpr int LogoWidth = 44;
} // namespace

frmMain::frmMain(ProgramState& state, QWidget* parent) : QWidget(parent, Qt::Window), state_(state) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(PlainCaption);
    resize(1013, 700);
    setMouseTracking(true);

    qxlogoIM = new ClickLabel(this);
    qxlogoIM->setObjectName(QStringLiteral("qxlogoIM"));
    qxlogoIM->setPixmap(Artwork::MakerLogo(false));
    qxlogoIM->setToolTip(QStringLiteral(" About Kestrane "));
    qxlogoIM->setCursor(Qt::PointingHandCursor);
    qxlogoIM->setMouseTracking(true);
    qxlogoIM->setGeometry(width() - LogoWidth - 12, 8, LogoWidth, LogoWidth);
    connect(qxlogoIM, &ClickLabel::clicked, this, &frmMain::qxlogoIM_Click);
    connect(qxlogoIM, &ClickLabel::mouseMoved, this, &frmMain::qxlogoIM_MouseMove);
}

void frmMain::Form_Load() {
    if (state_.settings.StartFullScreen != "1")
        CentreForm();
    else
        setWindowState(windowState() | Qt::WindowMaximized);
}

// Centred on the desktop's work area (the screen less its panels); the whole
// screen when the desktop cannot tell.
void frmMain::CentreForm() {
    const PlatformAnswers a = Platform::Probe();
    int w = a.screenWidthPx;
    int h = a.screenHeightPx;
    if (a.workAreaPx) {
        w = a.workAreaPx->x() + a.workAreaPx->width();
        h = a.workAreaPx->y() + a.workAreaPx->height();
    }
    const QSize size = frameGeometry().size();
    move(static_cast<int>((w - size.width()) / 2.0f), static_cast<int>((h - size.height()) / 2.0f));
}

void frmMain::qxlogoIM_MouseMove() {
    if (!LogoHover_) {
        LogoHover_ = true;
        qxlogoIM->setPixmap(Artwork::MakerLogo(true));
    }
}

void frmMain::Form_MouseMove() {
    if (LogoHover_) {
        LogoHover_ = false;
        qxlogoIM->setPixmap(Artwork::MakerLogo(false));
    }
}

void frmMain::mouseMoveEvent(QMouseEvent* event) {
    Form_MouseMove();
    QWidget::mouseMoveEvent(event);
}

void frmMain::qxlogoIM_Click() {
    LogoHover_ = false;
    qxlogoIM->setPixmap(Artwork::MakerLogo(false));
    frmAbout about(state_, this);
    about.exec();
}

bool frmMain::Form_Unload() {
    if (!state_.RestartPending &&
        MsgBox(QStringLiteral("This will close your current session of Kestrane"), vb::vbOKCancel | vb::vbInformation,
               QStringLiteral("Kestrane"), this) == vb::vbCancel)
        return false;
    return true;
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (Form_Unload())
        event->accept();
    else
        event->ignore();
}
