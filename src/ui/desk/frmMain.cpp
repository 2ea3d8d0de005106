#include "ui/desk/frmMain.h"

#include "core/Clock.h"
#include "core/desk/ListDate.h"
#include "core/startup/Helpers.h"
#include "platform/ClickLabel.h"
#include "platform/Latin1Text.h"
#include "platform/MsgBox.h"
#include "platform/Pause.h"
#include "platform/Platform.h"
#include "platform/Shell.h"
#include "platform/VbKeys.h"
#include "ui/common/Centre.h"
#include "ui/common/CommandGuard.h"
#include "ui/common/KeysHeld.h"
#include "ui/common/OpenGuard.h"
#include "ui/common/Twips.h"
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

using namespace Widgets;

namespace {
const QString PlainCaption = QStringLiteral("Brantholm Solutions Kestrane");

// The window's outer height counts its title bar and borders too; the layout
// rule is written for that height.
constexpr int FrameAllowancePx = 30;
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
    state_.HelpTopic = StartUp::HelpTopics::Desk;
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

namespace {

enum class KeyCommand { Save, GetAny, Help, GetToday, GetTomorrow, Find, DayList, New, GetCard, Print };

struct MappedKey {
    Qt::Key key;
    int code;
    bool needsAlt;
    KeyCommand command;
};

// Function keys act whatever modifiers are held; the letters only with Alt
// (Shift and Ctrl may be held too).
constexpr MappedKey KeyMap[] = {{Qt::Key_S, vb::vbKeyS, true, KeyCommand::Save},
                                {Qt::Key_D, vb::vbKeyD, true, KeyCommand::GetAny},
                                {Qt::Key_T, vb::vbKeyT, true, KeyCommand::GetToday},
                                {Qt::Key_M, vb::vbKeyM, true, KeyCommand::GetTomorrow},
                                {Qt::Key_N, vb::vbKeyN, true, KeyCommand::New},
                                {Qt::Key_P, vb::vbKeyP, true, KeyCommand::Print},
                                {Qt::Key_F1, vb::vbKeyF1, false, KeyCommand::Help},
                                {Qt::Key_F2, vb::vbKeyF2, false, KeyCommand::GetToday},
                                {Qt::Key_F3, vb::vbKeyF3, false, KeyCommand::GetTomorrow},
                                {Qt::Key_F4, vb::vbKeyF4, false, KeyCommand::Find},
                                {Qt::Key_F5, vb::vbKeyF5, false, KeyCommand::DayList},
                                {Qt::Key_F7, vb::vbKeyF7, false, KeyCommand::New},
                                {Qt::Key_F9, vb::vbKeyF9, false, KeyCommand::GetCard}};

const MappedKey* MappedKeyFor(int keyCode, int shift) {
    for (const MappedKey& k : KeyMap)
        if (k.code == keyCode && (!k.needsAlt || (shift & vb::vbAltMask)))
            return &k;
    return nullptr;
}

} // namespace

bool frmMain::Form_KeyDown(int keyCode, int shift) {
    const MappedKey* mapped = MappedKeyFor(keyCode, shift);
    if (!mapped)
        return false;
    switch (mapped->command) {
    case KeyCommand::Save:
        commands_->cmdSAVE_Click();
        break;
    case KeyCommand::GetAny:
        lists_->cmdGetAny_Click();
        break;
    case KeyCommand::Help:
        StartUp::ShowHelpTopic(state_);
        break;
    case KeyCommand::GetToday:
        lists_->cmdGetToday_Click();
        break;
    case KeyCommand::GetTomorrow:
        lists_->cmdGetTom_Click();
        break;
    case KeyCommand::Find:
        lists_->cmdMFind_Click();
        break;
    case KeyCommand::DayList:
        lists_->cmdDayList_Click();
        break;
    case KeyCommand::New:
        commands_->cmdNEW_Click();
        break;
    case KeyCommand::GetCard:
        cmdGetCARD_Click();
        break;
    case KeyCommand::Print:
        lists_->cmdPRINT_Click();
        break;
    }
    return true;
}

// The key map acts before any control of the window sees the key, and a key
// it acts on goes no further: it never types its letter into a box, and one
// press runs its command once.
void frmMain::buildKeyMap() {
    for (const MappedKey& k : KeyMap) {
        for (int bits = 0; bits < 8; ++bits) {
            const bool shift = bits & vb::vbShiftMask, ctrl = bits & vb::vbCtrlMask, alt = bits & vb::vbAltMask;
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
    Form_Resize(Twips::FromPixels(width()), Twips::FromPixels(height() + FrameAllowancePx));
}

void frmMain::Form_Resize(int W, int H) {
    if (W > 15200) {
        Fraim5->move(Twips::NearestPixels(W - 11990), Fraim5->y());
        Fraim4->move(Twips::NearestPixels(W - 9190), Fraim4->y());
        qxlogoIM->move(Twips::NearestPixels(W - 780), qxlogoIM->y());
    } else {
        Fraim5->move(Twips::NearestPixels(3210), Fraim5->y());
        Fraim4->move(Twips::NearestPixels(6010), Fraim4->y());
        qxlogoIM->move(Twips::NearestPixels(14420), qxlogoIM->y());
    }
    // The help hint stands under the logo, beside the booking frame, wherever the logo goes.
    Label19->move(qxlogoIM->x(), Label19->y());
    if (W - 470 > 0)
        lists_->resizeGrid(Twips::NearestPixels(W - 470), lists_->gridHeight());
    if (H > 7700) {
        const int h = Platform::IsThemeActive() ? H - 5950 : H - 5700;
        lists_->resizeGrid(lists_->gridWidth(), Twips::NearestPixels(h));
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
    const CommandGuard running(this);
    if (!opening || !running)
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

void frmMain::cmdMultiDELETE_Click() {
    if (state_.options().readOnly() || state_.options().disableMultiDelete())
        return;
    const OpenGuard opening(this);
    const CommandGuard running(this);
    if (!opening || !running)
        return;
    auto* window = findChild<frmMultiDelete*>();
    RunModal(window ? *window : *new frmMultiDelete(state_, this));
}

void frmMain::cmdGetCARD_Click() {
    const OpenGuard opening(this);
    const CommandGuard running(this);
    if (!opening || !running)
        return;
    const auto refuse = [this](std::string_view text) {
        MsgBox(Latin1::FromBytes(text), vb::vbExclamation, QStringLiteral("Kestrane"), this);
    };
    if (state_.options().readOnly())
        return refuse("You cannot create or save Passes in Read Only Mode");
    if (const auto refusal = BookingRules::PassRefusal(form_->entries()))
        return refuse(*refusal);
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
    const CommandGuard running(this);
    if (!opening || !running)
        return;
    frmPDetail personal(state_, this);
    RunModal(personal);
}

void frmMain::cmdMore_Click() {
    const OpenGuard opening(this);
    const CommandGuard running(this);
    if (!opening || !running)
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
    // Closing may store the booking: not in the middle of another command.
    const CommandGuard running(this);
    if (running && Form_Unload())
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
    lists_->setTestDataEnabled(!readOnly);

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
    dates_->placeCalendar(Twips::NearestPixels(1720), Twips::NearestPixels(1680));
    lists_->setSearchKey(QStringLiteral("ANY TEXT"));
}
