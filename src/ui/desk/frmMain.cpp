#include "ui/desk/frmMain.h"

#include "core/Clock.h"
#include "core/desk/ListDate.h"
#include "core/desk/RecordState.h"
#include "platform/ClickLabel.h"
#include "platform/Grid.h"
#include "platform/MonthCalendar.h"
#include "platform/MsgBox.h"
#include "platform/Pause.h"
#include "platform/Platform.h"
#include "platform/Shell.h"
#include "platform/VbColor.h"
#include "platform/VbKeys.h"
#include "ui/startup/Artwork.h"
#include "ui/startup/frmAbout.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <cmath>

namespace {
const QString PlainCaption = QStringLiteral("Brantholm Solutions Kestrane");

// The window's outer height counts its title bar and borders too; the layout
// rule is written for that height.
constexpr int FrameAllowancePx = 30;
constexpr double TwipsPerPixel = 15.0;

int px(double twips) {
    return static_cast<int>(std::lround(twips / TwipsPerPixel));
}
} // namespace

frmMain::frmMain(ProgramState& state, QWidget* parent) : QWidget(parent, Qt::Window), state_(state) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(PlainCaption);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(12);
    setFont(f);
    setMouseTracking(true);

    BuildControls();
    ConnectHandlers();
    TimeGrid->setCols(2);
    TimeGrid->setRows(32);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(13000);
    connect(Timer1, &QTimer::timeout, this, &frmMain::Timer1_Timer);
    Timer1->start();

    resize(1013, 700);
}

frmMain::~frmMain() {
    qApp->removeEventFilter(this);
}

bool frmMain::Timer1Enabled() const {
    return Timer1->isActive();
}

void frmMain::Form_Load() {
    if (state_.settings.StartFullScreen != "1")
        CentreForm();
    else
        setWindowState(windowState() | Qt::WindowMaximized);
    SetUpControls();
    LoadCustomLists();
    BuildTimeGridMonth();
    InitStatGridRows();
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

void frmMain::InitStatGridRows() {
    StatGrid->setRows(100);
}

int frmMain::RunModal(QDialog& dialog) {
    const int result = dialog.exec();
    Form_Activate();
    return result;
}

void frmMain::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!firstShowDone_) {
        firstShowDone_ = true;
        // Activation runs once the window is up, as after any modal window.
        QTimer::singleShot(0, this, &frmMain::Form_Activate);
    }
}

void frmMain::Form_Activate() {
    state_.HelpTopic = 1;
    if (state_.RestartPending) {
        MsgBox(QStringLiteral("Kestrane will now shut down. Mode and other settings will be applied when you re-start"),
               vb::vbInformation, QStringLiteral("Kestrane"), this);
        close();
        return;
    }
    if (state_.StatusPending) {
        state_.StatusPending = false;
        ShowCaptionStatus(QString::fromLatin1(state_.StatusMessage.c_str()));
        RefreshCurrentList();
    }
    if (state_.PassChanged || state_.PassRevokeRequest) {
        state_.PassChanged = false;
        if (state_.settings.ReadOnlyMode == "0")
            UpdateRecord();
    }
    ShowPhotoLabel();
    ShowPassLabel();
}

// --- Key map -------------------------------------------------------------------

const char* frmMain::KeyMapCommand(int keyCode, int shift) {
    const bool alt = (shift & 4) != 0;
    if (alt && keyCode == 83)
        return "cmdSAVE";
    if (alt && keyCode == 68)
        return "cmdGetAny";
    if (keyCode == 112)
        return "help";
    if (keyCode == 113 || (alt && keyCode == 84))
        return "cmdGetToday";
    if (keyCode == 114 || (alt && keyCode == 77))
        return "cmdGetTom";
    if (keyCode == 115)
        return "cmdMFind";
    if (keyCode == 116)
        return "cmdDayList";
    if (keyCode == 118 || (alt && keyCode == 78))
        return "cmdNEW";
    if (keyCode == 120)
        return "cmdGetCARD";
    if (alt && keyCode == 80)
        return "cmdPRINT";
    return nullptr;
}

bool frmMain::Form_KeyDown(int keyCode, int shift) {
    const char* command = KeyMapCommand(keyCode, shift);
    if (!command)
        return false;
    const QString c = QString::fromLatin1(command);
    if (c == u"cmdSAVE")
        cmdSAVE_Click();
    else if (c == u"cmdGetAny")
        cmdGetAny_Click();
    else if (c == u"help")
        StartUp::ShowHelpTopic(state_);
    else if (c == u"cmdGetToday")
        cmdGetToday_Click();
    else if (c == u"cmdGetTom")
        cmdGetTom_Click();
    else if (c == u"cmdMFind")
        cmdMFind_Click();
    else if (c == u"cmdDayList")
        cmdDayList_Click();
    else if (c == u"cmdNEW")
        cmdNEW_Click();
    else if (c == u"cmdGetCARD")
        cmdGetCARD_Click();
    else if (c == u"cmdPRINT")
        cmdPRINT_Click();
    return true;
}

// The window sees every key before the focused control does; the key is
// passed on afterwards.
bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        auto* w = static_cast<QWidget*>(watched);
        const bool forThisWindow = w->window() == this && !QApplication::activeModalWidget();
        const bool atTarget = w == QApplication::focusWidget() || (w == this && !QApplication::focusWidget());
        if (forThisWindow && atTarget) {
            auto* ke = static_cast<QKeyEvent*>(event);
            if (!ke->isAutoRepeat() || ke->key() >= Qt::Key_F1)
                Form_KeyDown(VbKeys::KeyCode(ke), VbKeys::ShiftBits(ke));
        }
    }
    if (watched == PersGendTB && event->type() == QEvent::MouseButtonRelease)
        PersGendTB_Click();
    if (event->type() == QEvent::KeyPress && (watched == FirstNameTB || watched == LastNameTB)) {
        auto* ke = static_cast<QKeyEvent*>(event);
        if (!ke->text().isEmpty() && !(ke->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            int k = ke->text().at(0).unicode();
            if (watched == FirstNameTB)
                FirstNameTB_KeyPress(k);
            else
                LastNameTB_KeyPress(k);
            if (k == 0)
                return true;
        }
    }
    if (event->type() == QEvent::KeyPress && watched == MainFindTB) {
        const int k = VbKeys::KeyAscii(static_cast<QKeyEvent*>(event));
        if (k == 13)
            MainFindTB_KeyPress(k);
    }
    if (event->type() == QEvent::FocusOut) {
        if (watched == CBListBy || watched == CBListBy->lineEdit())
            CBListBy_LostFocus();
        else if (watched == PersEmailTB)
            PersEmailTB_LostFocus();
        else if (watched == CatEMATB)
            CatEMATB_LostFocus();
    }
    return QWidget::eventFilter(watched, event);
}

// --- Layout ------------------------------------------------------------------------

void frmMain::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize(static_cast<int>(width() * TwipsPerPixel),
                static_cast<int>((height() + FrameAllowancePx) * TwipsPerPixel));
}

void frmMain::Form_Resize(int W, int H) {
    if (W > 15200) {
        Fraim5->move(px(W - 11990), Fraim5->y());
        Fraim4->move(px(W - 9190), Fraim4->y());
        qxlogoIM->move(px(W - 780), qxlogoIM->y());
    } else {
        Fraim5->move(px(3210), Fraim5->y());
        Fraim4->move(px(6010), Fraim4->y());
        qxlogoIM->move(px(14420), qxlogoIM->y());
    }
    if (W - 470 > 0)
        StatGrid->resize(px(W - 470), StatGrid->height());
    if (H > 7700) {
        const int h = Platform::IsThemeActive() ? H - 5950 : H - 5700;
        StatGrid->resize(StatGrid->width(), px(h));
    }
}

// --- Caption and timer -----------------------------------------------------------

void frmMain::SetCaptionStatus(const QString& message) {
    setWindowTitle(PlainCaption + QStringLiteral("  [ ") + message + QStringLiteral(" ]"));
}

void frmMain::Timer1_Timer() {
    if (!shDayBorder->isHidden())
        shDayBorder->hide();
    if (state_.settings.ClockInTimesList == "1") {
        cbTime->setCurrentText(QString::fromStdString(Clock::Now().TimeText()));
        laSelTime->setText(QStringLiteral("Time Now"));
    } else if (laSelTime->text() == u"Time Now") {
        laSelTime->setText(QStringLiteral("Select"));
    }
    setWindowTitle(PlainCaption);
}

void frmMain::ShowCaptionStatus(const QString& message) {
    Timer1->stop();
    for (int i = 0; i < 5; ++i) {
        SetCaptionStatus(message);
        StartUp::Pause(0.05);
        setWindowTitle(PlainCaption);
        StartUp::Pause(0.05);
    }
    SetCaptionStatus(message);
    Timer1->start(); // the message stays a full interval
}

// --- Maker logo, test buttons, other windows ------------------------------------------

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
    RunModal(about);
}

void frmMain::Command1_Click() {
    // Sample data generation arrives with the administration tools.
}

void frmMain::Command2_Click() {}

void frmMain::cmdMultiDELETE_Click() {
    if (state_.settings.ReadOnlyMode == "1" || state_.settings.DisableMultiDelete == "1")
        return;
    // The bulk-deletion window arrives with the administration tools.
}

// --- Closing ---------------------------------------------------------------------------

bool frmMain::Form_Unload() {
    if (!state_.RestartPending &&
        MsgBox(QStringLiteral("This will close your current session of Kestrane"), vb::vbOKCancel | vb::vbInformation,
               QStringLiteral("Kestrane"), this) == vb::vbCancel)
        return false;
    if (state_.settings.ReadOnlyMode == "0") {
        modFileManagement::CheckRecordChanged(state_);
        if (!SaveCheckFailure().isEmpty()) {
            // Nothing on screen could be saved, so nothing is offered.
            NewBooking_ = false;
            state_.RecordChanged = false;
            state_.BookingsChanged = false;
        }
        if (!NewBooking_) {
            if (!SaveChangesCheck(AskedBy::Close))
                return false;
        } else {
            const int a = MsgBox(QStringLiteral("New booking not saved:  Save it before you close?"),
                                 vb::vbYesNoCancel | vb::vbQuestion, QStringLiteral("Kestrane"), this);
            if (a == vb::vbCancel)
                return false; // still a new booking: SAVE will store it as one
            NewBooking_ = false;
            if (a == vb::vbYes && !SaveNewRecord()) {
                NewBooking_ = true;
                return false; // not stored: the window stays so nothing is lost
            }
        }
    }
    return true;
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (Form_Unload())
        event->accept();
    else
        event->ignore();
}

// --- Set-up -------------------------------------------------------------------------------

void frmMain::SetUpControls() {
    const bool readOnly = state_.settings.ReadOnlyMode != "0";
    for (QPushButton* b : {cmdGetCARD, cmdADD, cmdSUB, cmdCLEARAll, cmdIN, cmdOUT, cmdSAVE, cmdNEW})
        b->setEnabled(!readOnly);
    cmdDelete->setEnabled(!readOnly && state_.settings.DisableSingleDelete != "1");
    cmdMultiDELETE->setEnabled(!readOnly && state_.settings.DisableMultiDelete != "1");
    TimeGrid->setReadOnly(readOnly);

    const LocalDateTime today = Clock::Now();
    const QString month = QString::fromLatin1(ListDate::MonthNames()[today.month - 1].c_str());
    CBMonth->setEditText(month);
    CBGetMonth->setEditText(month);
    const QString year = QString::number(today.year);
    CBYear->setEditText(year);
    CBGetYear->setEditText(year);

    if (state_.settings.ShowStatusListAtStart == "1") {
        CBGetDay->setEditText(QString::fromStdString(ListDate::TodayDayText()));
        ListTodayStatus();
    } else {
        // Choosing the entry runs the day choice, so the window opens on today's day list.
        SelectListDay(today.day);
    }
    Calendar1->setValue(QDate(today.year, today.month, today.day));
    PicCal1->move(px(1720), px(1680));
    CBListBy->setEditText(QStringLiteral("ANY TEXT"));
}
