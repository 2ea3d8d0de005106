#include "ui/desk/frmMain.h"

#include "core/Clock.h"
#include "core/TextUtil.h"
#include "core/desk/ListDate.h"
#include "platform/ClickLabel.h"
#include "platform/Latin1Text.h"
#include "platform/MsgBox.h"
#include "platform/Pause.h"
#include "platform/Platform.h"
#include "platform/Shell.h"
#include "ui/common/Centre.h"
#include "ui/common/KeysHeld.h"
#include "ui/common/OpenGuard.h"
#include "ui/common/Widgets.h"
#include "ui/common/WindowKeys.h"
#include "ui/desk/ArrivalPanel.h"
#include "ui/desk/BookingCommands.h"
#include "ui/desk/BookingFormPanel.h"
#include "ui/desk/ListDatesPanel.h"
#include "ui/desk/ListsPanel.h"
#include "ui/desk/TimeGridPanel.h"
#include "ui/desk/frmDetail.h"
#include "ui/desk/frmPDetail.h"
#include "ui/maintenance/SampleDataRun.h"
#include "ui/maintenance/frmMultiDelete.h"
#include "ui/passes/frmPass.h"
#include "ui/startup/Artwork.h"
#include "ui/startup/frmAbout.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QShortcut>
#include <QTimer>

#include <cmath>

using namespace Widgets;

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
    WindowKeys::Install(this);

    buildFrame();
    connectPanels();
    buildKeyMap();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(13000);
    connect(Timer1, &QTimer::timeout, this, &frmMain::Timer1_Timer);
    Timer1->start();

    resize(1013, 700);
}

frmMain::~frmMain() = default;

void frmMain::buildFrame() {
    Fraim1 = Frame(this, "Fraim1", QRect(6, 4, 202, 334));
    Fraim5 = Frame(this, "Fraim5", QRect(214, 4, 180, 334));
    Fraim4 = Frame(this, "Fraim4", QRect(400, 4, 552, 334));
    for (QWidget* surface : {static_cast<QWidget*>(Fraim4), static_cast<QWidget*>(Fraim5)})
        surface->setMouseTracking(true);

    dates_ = new ListDatesPanel(state_, Fraim1, this);
    form_ = new BookingFormPanel(state_, Fraim4, this);
    arrival_ = new ArrivalPanel(state_, Fraim4, this, *form_);
    lists_ = new ListsPanel(state_, Fraim1, this, *dates_, *arrival_);
    times_ = new TimeGridPanel(state_, Fraim5, this);
    commands_ = new BookingCommands(state_, this, {*form_, *times_, *arrival_, *lists_, *dates_},
                                    [this](const QString& message) {
                                        if (message.isEmpty())
                                            setWindowTitle(PlainCaption);
                                        else
                                            ShowCaptionStatus(message);
                                    });

    qxlogoIM = Named(new ClickLabel(this), "qxlogoIM");
    qxlogoIM->setPixmap(Artwork::MakerLogo(false));
    qxlogoIM->setToolTip(QStringLiteral(" About Kestrane "));
    qxlogoIM->setCursor(Qt::PointingHandCursor);
    qxlogoIM->setMouseTracking(true);
    qxlogoIM->setGeometry(961, 8, 44, 44);
    Label19 = Named(Caption(this, QStringLiteral("[F1] for Help"), 961, 56, 50), "Label19");
    Label19->setWordWrap(true);
    Label19->resize(50, 34);
}

void frmMain::connectPanels() {
    connect(dates_, &ListDatesPanel::dayChosen, lists_, &ListsPanel::listChosenDay);
    connect(dates_, &ListDatesPanel::monthChosen, lists_, &ListsPanel::listChosenMonth);
    connect(arrival_, &ArrivalPanel::statusWritten, lists_, &ListsPanel::RefreshCurrentList);
    connect(arrival_, &ArrivalPanel::stamped, lists_, &ListsPanel::focusFindBox);
    connect(lists_, &ListsPanel::rowChosen, commands_, &BookingCommands::StatGrid_RowChosen);
    connect(lists_, &ListsPanel::stampIn, arrival_, &ArrivalPanel::cmdIN_Click);
    connect(lists_, &ListsPanel::stampOut, arrival_, &ArrivalPanel::cmdOUT_Click);
    connect(lists_, &ListsPanel::testDataClicked, this, &frmMain::Command1_Click);
    connect(lists_, &ListsPanel::tgaTestClicked, this, &frmMain::Command2_Click);
    connect(form_, &BookingFormPanel::newClicked, commands_, &BookingCommands::cmdNEW_Click);
    connect(form_, &BookingFormPanel::saveClicked, commands_, &BookingCommands::cmdSAVE_Click);
    connect(form_, &BookingFormPanel::deleteClicked, commands_, &BookingCommands::cmdDelete_Click);
    connect(form_, &BookingFormPanel::passClicked, this, &frmMain::cmdGetCARD_Click);
    connect(form_, &BookingFormPanel::multiDeleteClicked, this, &frmMain::cmdMultiDELETE_Click);
    connect(form_, &BookingFormPanel::personalClicked, this, &frmMain::CmdPersonal_Click);
    connect(form_, &BookingFormPanel::moreClicked, this, &frmMain::cmdMore_Click);
    connect(form_, &BookingFormPanel::pickListsRead, lists_, &ListsPanel::setPickLists);
    connect(qxlogoIM, &ClickLabel::clicked, this, &frmMain::qxlogoIM_Click);
    connect(qxlogoIM, &ClickLabel::mouseMoved, this, &frmMain::qxlogoIM_MouseMove);
}

void frmMain::Form_Load() {
    if (!state_.options().startFullScreen())
        CentreForm();
    else
        setWindowState(windowState() | Qt::WindowMaximized);
    sessionReadOnly_ = state_.options().readOnly();
    sessionDataRoot_ = state_.settings.DataRoot;
    SetUpControls();
    form_->LoadCustomLists();
    times_->BuildTimeGridMonth();
    lists_->InitStatGridRows();
}

void frmMain::CentreForm() {
    Centre::FrameOnWorkArea(this);
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
        ShowCaptionStatus(Latin1::FromBytes(state_.StatusMessage));
        lists_->RefreshCurrentList();
    }
    // A pass store that fails stays pending, and the next activation tries again,
    // as long as its booking is still the one open.
    if (state_.CurrentRecord.RegNo != state_.PassRegNo)
        state_.PassChanged = state_.PassRevokeRequest = false;
    if (state_.PassChanged || state_.PassRevokeRequest) {
        if (state_.options().readOnly() || commands_->UpdateRecord())
            state_.PassChanged = false;
    }
    form_->ShowPhotoLabel();
    form_->ShowPassLabel();
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
        commands_->cmdSAVE_Click();
    else if (c == u"cmdGetAny")
        lists_->cmdGetAny_Click();
    else if (c == u"help")
        StartUp::ShowHelpTopic(state_);
    else if (c == u"cmdGetToday")
        lists_->cmdGetToday_Click();
    else if (c == u"cmdGetTom")
        lists_->cmdGetTom_Click();
    else if (c == u"cmdMFind")
        lists_->cmdMFind_Click();
    else if (c == u"cmdDayList")
        lists_->cmdDayList_Click();
    else if (c == u"cmdNEW")
        commands_->cmdNEW_Click();
    else if (c == u"cmdGetCARD")
        cmdGetCARD_Click();
    else if (c == u"cmdPRINT")
        lists_->cmdPRINT_Click();
    return true;
}

// The key map acts before any control of the window sees the key, and a key
// it acts on goes no further: it never types its letter into a box, and one
// press runs its command once. Function keys act whatever modifiers are held;
// the letters only with Alt (Shift and Ctrl may be held too).
void frmMain::buildKeyMap() {
    struct MappedKey {
        Qt::Key key;
        int code;
        bool needsAlt;
    };
    const MappedKey keys[] = {{Qt::Key_S, 83, true},    {Qt::Key_D, 68, true},    {Qt::Key_T, 84, true},
                              {Qt::Key_M, 77, true},    {Qt::Key_N, 78, true},    {Qt::Key_P, 80, true},
                              {Qt::Key_F1, 112, false}, {Qt::Key_F2, 113, false}, {Qt::Key_F3, 114, false},
                              {Qt::Key_F4, 115, false}, {Qt::Key_F5, 116, false}, {Qt::Key_F7, 118, false},
                              {Qt::Key_F9, 120, false}};
    for (const MappedKey& k : keys) {
        for (int bits = 0; bits < 8; ++bits) {
            const bool shift = bits & 1, ctrl = bits & 2, alt = bits & 4;
            if (k.needsAlt && !alt)
                continue;
            QKeyCombination combo(Qt::KeyboardModifiers(), k.key);
            Qt::KeyboardModifiers mods;
            if (shift)
                mods |= Qt::ShiftModifier;
            if (ctrl)
                mods |= Qt::ControlModifier;
            if (alt)
                mods |= Qt::AltModifier;
            combo = QKeyCombination(mods, k.key);
            auto* shortcut = new QShortcut(QKeySequence(combo), this);
            shortcut->setContext(Qt::WindowShortcut);
            shortcut->setAutoRepeat(!k.needsAlt);
            const int code = k.code;
            connect(shortcut, &QShortcut::activated, this, [this, code, bits] { Form_KeyDown(code, bits); });
        }
    }
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
    // The help hint stands under the logo, beside the booking frame, wherever the logo goes.
    Label19->move(qxlogoIM->x(), Label19->y());
    if (W - 470 > 0)
        lists_->resizeGrid(px(W - 470), lists_->gridHeight());
    if (H > 7700) {
        const int h = Platform::IsThemeActive() ? H - 5950 : H - 5700;
        lists_->resizeGrid(lists_->gridWidth(), px(h));
    }
}

// --- Caption and timer -----------------------------------------------------------

void frmMain::setCaptionStatus(const QString& message) {
    setWindowTitle(PlainCaption + QStringLiteral("  [ ") + message + QStringLiteral(" ]"));
}

void frmMain::Timer1_Timer() {
    times_->tick(state_.options().clockInTimesList());
    setWindowTitle(PlainCaption);
}

void frmMain::ShowCaptionStatus(const QString& message) {
    Timer1->stop();
    for (int i = 0; i < 5; ++i) {
        setCaptionStatus(message);
        StartUp::Pause(0.05);
        setWindowTitle(PlainCaption);
        StartUp::Pause(0.05);
    }
    setCaptionStatus(message);
    Timer1->start(); // the message stays a full interval
}

// --- Maker logo, test buttons, other windows ------------------------------------------

void frmMain::qxlogoIM_MouseMove() {
    if (!logoHover_) {
        logoHover_ = true;
        qxlogoIM->setPixmap(Artwork::MakerLogo(true));
    }
}

void frmMain::Form_MouseMove() {
    if (logoHover_) {
        logoHover_ = false;
        qxlogoIM->setPixmap(Artwork::MakerLogo(false));
    }
}

void frmMain::mouseMoveEvent(QMouseEvent* event) {
    Form_MouseMove();
    QWidget::mouseMoveEvent(event);
}

void frmMain::qxlogoIM_Click() {
    const OpenGuard opening(this);
    if (!opening)
        return;
    logoHover_ = false;
    qxlogoIM->setPixmap(Artwork::MakerLogo(false));
    frmAbout about(state_, this);
    RunModal(about);
}

void frmMain::Command1_Click() {
    // The run ends without a word, also when the list on screen has nothing to show.
    if (SampleDataRun::Run(state_, this))
        lists_->RefreshCurrentListQuietly();
}

void frmMain::Command2_Click() {}

void frmMain::cmdMultiDELETE_Click() {
    if (state_.options().readOnly() || state_.options().disableMultiDelete())
        return;
    const OpenGuard opening(this);
    if (!opening)
        return;
    auto* window = findChild<frmMultiDelete*>();
    RunModal(window ? *window : *new frmMultiDelete(state_, this));
}

void frmMain::cmdGetCARD_Click() {
    const OpenGuard opening(this);
    if (!opening)
        return;
    const auto refuse = [this](const char* text) {
        MsgBox(QString::fromLatin1(text), vb::vbExclamation, QStringLiteral("Kestrane"), this);
    };
    if (state_.options().readOnly())
        return refuse("You cannot create or save Passes in Read Only Mode");
    const BookingRules::FormEntries e = form_->entries();
    if (Text::IsBlank(e.firstName))
        return refuse("Can't Create PASS:  No first Name/Initial has been entered");
    if (Text::IsBlank(e.lastName))
        return refuse("Can't Create PASS:  No last Name has been entered");
    if (Text::IsBlank(e.organisation))
        return refuse("Can't Create PASS:  No Organisation name has been entered");
    if (Text::Trim(e.department) == "-  Select  -")
        return refuse("Can't Create PASS:  No Department has been selected");
    const QString regNo = form_->regNoText().trimmed();
    if (regNo.isEmpty() || regNo == u"NEW Booking") {
        commands_->setNewBooking(true);
        commands_->cmdSAVE_Click();
    }
    // A pass needs the booking's number: its photo and its barcode are named by it.
    if (!BookingRules::IsBookingNumber(Latin1::ToBytes(form_->regNoText())))
        return;
    // A second Return on the pass window's Close must not open it again from the pass button.
    const KeysHeld keys(this);
    frmPass pass(state_, dates_->monthText(), dates_->yearText(), this);
    RunModal(pass);
}

void frmMain::CmdPersonal_Click() {
    const OpenGuard opening(this);
    if (!opening)
        return;
    frmPDetail personal(state_, this);
    RunModal(personal);
}

void frmMain::cmdMore_Click() {
    const OpenGuard opening(this);
    if (!opening)
        return;
    frmDetail location(state_, this);
    RunModal(location);
}

// --- Closing ---------------------------------------------------------------------------

bool frmMain::Form_Unload() {
    if (!state_.RestartPending &&
        MsgBox(QStringLiteral("This will close your current session of Kestrane"), vb::vbOKCancel | vb::vbInformation,
               QStringLiteral("Kestrane"), this) == vb::vbCancel)
        return false;
    // By the mode and folder the desk runs on: read-only just ticked must not drop unsaved work, and a data
    // folder just saved for the next start must not receive this run's bookings.
    if (state_.RestartPending)
        state_.settings.DataRoot = sessionDataRoot_;
    if (!sessionReadOnly_ && !commands_->offerUnsavedWorkOnClose())
        return false;
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
    const bool readOnly = state_.options().readOnly();
    form_->applyModes(readOnly, state_.options().disableSingleDelete(), state_.options().disableMultiDelete());
    times_->applyReadOnly(readOnly);
    lists_->setStampButtonsEnabled(!readOnly);

    const LocalDateTime today = Clock::Now();
    const QString month = QString::fromStdString(ListDate::MonthNames()[today.month - 1]);
    const QString year = QString::number(today.year);
    times_->setBookingMonth(month, year);
    dates_->setMonthAndYear(month, year);

    if (state_.options().showStatusListAtStart()) {
        dates_->setDayText(QString::fromStdString(ListDate::TodayDayText()));
        lists_->ListTodayStatus();
    } else {
        // Choosing the entry runs the day choice, so the window opens on today's day list.
        dates_->SelectListDay(today.day);
    }
    dates_->setCalendarDate(today.year, today.month, today.day);
    dates_->placeCalendar(px(1720), px(1680));
    lists_->setSearchKey(QStringLiteral("ANY TEXT"));
}
