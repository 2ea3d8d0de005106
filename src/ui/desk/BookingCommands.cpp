#include "ui/desk/BookingCommands.h"

#include <QWidget>

#include "core/Clock.h"
#include "core/TextUtil.h"
#include "core/desk/BookingRecord.h"
#include "core/desk/MonthBookingFile.h"
#include "core/desk/RecordState.h"
#include "core/startup/Helpers.h"
#include "platform/Latin1Text.h"
#include "platform/MsgBox.h"
#include "platform/Pause.h"
#include "ui/common/CommandGuard.h"
#include "ui/common/Errors.h"
#include "ui/desk/ArrivalPanel.h"
#include "ui/desk/BookingFormPanel.h"
#include "ui/desk/ListDatesPanel.h"
#include "ui/desk/ListsPanel.h"
#include "ui/desk/TimeGridPanel.h"

using namespace BookingRules;

namespace {
const QString Title = QStringLiteral("Kestrane");

int iconOf(NoticeIcon icon) {
    switch (icon) {
    case NoticeIcon::Exclamation:
        return vb::vbExclamation;
    case NoticeIcon::Information:
        return vb::vbInformation;
    default:
        return 0;
    }
}

Answer answerOf(int button) {
    return button == vb::vbYes ? Answer::Yes : button == vb::vbNo ? Answer::No : Answer::Cancel;
}

} // namespace

BookingCommands::BookingCommands(ProgramState& state, QWidget* window, Panels panels,
                                 std::function<void(const QString&)> status)
    : QObject(static_cast<QObject*>(window)), state_(state), window_(window), p_(panels), status_(std::move(status)) {}

QString BookingCommands::bookingTitle() const {
    return QStringLiteral("Kestrane [ ") + Latin1::FromBytes(state_.CurrentRecord.RegNo) + QStringLiteral(" ]");
}

QString BookingCommands::upperFirst() const {
    return Latin1::FromBytes(Text::Trim(state_.CurrentRecord.FirstName)).toUpper();
}
QString BookingCommands::upperLast() const {
    return Latin1::FromBytes(Text::Trim(state_.CurrentRecord.LastName)).toUpper();
}

int BookingCommands::ask(const std::string& text, int style, const QString& title) {
    return MsgBox(Latin1::FromBytes(text), style, title, window_);
}

Situation BookingCommands::situation() {
    Situation s;
    s.newBooking = newBooking_;
    const std::string regNo = Latin1::ToBytes(p_.form.regNoText());
    s.loaded = IsBookingNumber(regNo);
    s.recordChanged = state_.RecordChanged;
    s.bookingsChanged = state_.BookingsChanged;
    s.namesUnchanged = state_.CurrentRecord.FirstName == state_.RecordSnapshot.FirstName &&
                       state_.CurrentRecord.LastName == state_.RecordSnapshot.LastName;
    s.monthMoved = MonthMoved(regNo, Latin1::ToBytes(p_.times.bookingYearText()),
                              Latin1::ToBytes(p_.times.SetMonthNoFromBookMonth()));
    return s;
}

// --- Storage ------------------------------------------------------------------------------

// After a store the form, the saved copy and the base are the line as
// written: a field cut to its width shows as stored, and a field another desk
// changed meanwhile shows its value, so the next save cannot undo it.
void BookingCommands::reloadFrom(const std::string& storedLine) {
    BookingFields stored = state_.CurrentRecord; // keeps what the line does not hold
    ParseBookingLine(storedLine, stored);
    stored.ArrivalTime = state_.CurrentRecord.ArrivalTime;
    stored.DepartureTime = state_.CurrentRecord.DepartureTime;
    state_.CurrentRecord = stored;
    state_.RecordBaseLine = storedLine;
    ++stores_;
    p_.times.takeBooking(stored.RegNo, stored.DayTimes);
    p_.form.showFields(stored);
    p_.form.ShowPassLabel();
    p_.form.ShowPhotoLabel();
    modFileManagement::SnapshotRecord(state_);
}

bool BookingCommands::SaveNewRecord() {
    status_(QString()); // a status left by an earlier store must not stand for this one
    if (const auto refusal = NewBookingRefusal(p_.form.entries())) {
        MsgBox(Latin1::FromBytes(*refusal), vb::vbExclamation, Title, window_);
        return false;
    }
    const QString monthNo = p_.times.SetMonthNoFromBookMonth();
    const BookingFiles::SaveResult saved =
        BookingFiles::SaveNewBooking(state_.settings.DataRoot, state_.CurrentRecord, p_.times.timeTexts(), Clock::Now(),
                                     Latin1::ToBytes(p_.times.bookingYearText()), Latin1::ToBytes(monthNo));
    if (saved.error) {
        Errors::Report(window_, Errors::Place::Save, saved.error);
        return false;
    }
    reloadFrom(saved.storedLine);
    state_.BookingsChanged = false;
    p_.lists.RefreshCurrentList();
    status_(QStringLiteral("Record ") + Latin1::FromBytes(state_.CurrentRecord.RegNo) + QStringLiteral(" SAVED"));
    return true;
}

bool BookingCommands::UpdateRecord() {
    status_(QString());
    if (const auto refusal = UpdateRefusal(p_.form.entries())) {
        MsgBox(Latin1::FromBytes(*refusal), vb::vbExclamation, Title, window_);
        return false;
    }
    // A revocation left pending for another booking never blanks this one's pass.
    const bool revoke = state_.PassRevokeRequest && state_.CurrentRecord.RegNo == state_.PassRegNo;
    if (revoke) {
        state_.PassRevokeRequest = false;
        p_.form.showPassRevoked();
        StartUp::Pause(1);
    }
    // A grid that shows another month holds none of this booking's times.
    const TimeCellTexts times = p_.times.bookingTimes();
    const auto update = [&](BookingFiles::Conflicts resolve) {
        return BookingFiles::UpdateBooking(state_.settings.DataRoot, state_.RecordBaseLine, state_.CurrentRecord,
                                           &times, revoke, resolve);
    };
    BookingFiles::UpdateResult result = update(BookingFiles::Conflicts::Ask);
    if (!result.error && !result.conflicts.empty()) {
        // Asked with the file unlocked; the answer merges afresh with what is there then.
        QString fields;
        for (const std::string& label : result.conflicts)
            fields += (fields.isEmpty() ? QString() : QStringLiteral("\r\n")) + Latin1::FromBytes(label);
        const int a = MsgBox(Latin1::FromBytes(ConflictQuestion(Latin1::ToBytes(upperFirst()),
                                                                Latin1::ToBytes(upperLast()), Latin1::ToBytes(fields))),
                             vb::vbYesNoCancel | vb::vbQuestion, bookingTitle(), window_);
        if (a == vb::vbCancel) {
            state_.PassRevokeRequest = revoke;
            return false; // nothing stored; the edits stay on screen
        }
        result = update(a == vb::vbYes ? BookingFiles::Conflicts::KeepOurs : BookingFiles::Conflicts::KeepTheirs);
    }
    if (result.error) {
        state_.PassRevokeRequest = revoke; // still to be done
        Errors::Report(window_, Errors::Place::Update, result.error, p_.form.regNoText());
        return false;
    }
    reloadFrom(result.storedLine);
    state_.BookingsChanged = false;
    p_.lists.RefreshCurrentList();
    status_(QStringLiteral("Record ") + Latin1::FromBytes(state_.CurrentRecord.RegNo) + QStringLiteral(" UPDATED"));
    return true;
}

void BookingCommands::DeleteBooking() {
    status_(QString());
    const BookingFiles::DeleteResult deleted =
        BookingFiles::DeleteBooking(state_.settings.DataRoot, Latin1::ToBytes(p_.form.regNoText()));
    // A booking already gone from its file (deleted at another desk) leaves nothing to keep on screen.
    if (deleted.error && deleted.error.number != ErrorNumber::BookingNotFound) {
        Errors::Report(window_, Errors::Place::Delete, deleted.error, p_.form.regNoText());
        return;
    }
    ClearBookingForm();
    modFileManagement::ClearRecord(state_);
    modFileManagement::SnapshotRecord(state_);
    state_.RecordBaseLine.clear();
    state_.BookingsChanged = false;
    p_.lists.RefreshCurrentList();
    if (deleted.removedLines > 0)
        status_(QStringLiteral("One Booking DELETED"));
}

void BookingCommands::ClearBookingForm() {
    state_.RecordBaseLine.clear();
    p_.form.clear();
    p_.arrival.clear();
    p_.times.dropBooking();
    p_.times.clearTimes();
}

// Stores the booking as an answer or a rule says; false when it was not stored.
bool BookingCommands::store(Action action, AskedBy who) {
    switch (action) {
    case Action::Update:
        return UpdateRecord();
    case Action::SaveNew:
        return SaveNewRecord();
    case Action::SaveNewWithNotice: {
        if (!SaveNewRecord())
            return false;
        if (const int icon = iconOf(NewRecordNoticeIcon(who)))
            MsgBox(Latin1::FromBytes(NewRecordNotice(state_.CurrentRecord.FirstName, state_.CurrentRecord.LastName)),
                   icon, Title, window_);
        return true;
    }
    default:
        return true;
    }
}

// --- The questions about unsaved work ------------------------------------------------------------

bool BookingCommands::SaveChangesCheck(AskedBy who) {
    modFileManagement::CheckRecordChanged(state_);
    const Situation s = situation();
    const std::optional<Question> q = FirstQuestion(s);
    if (!q)
        return true;
    if (*q == Question::Details)
        state_.BookingsChanged = false;
    return askAndStore(*q, who, s);
}

// Asks a question about the booking and stores it as the answer says. False
// stops the command: the user cancelled, or the store failed (the edits stay).
bool BookingCommands::askAndStore(Question q, AskedBy who, const Situation& s) {
    const Answer a = answerOf(ask(QuestionText(q, who, Latin1::ToBytes(upperFirst()), Latin1::ToBytes(upperLast())),
                                  vb::vbYesNoCancel | vb::vbQuestion, bookingTitle()));
    const Action action = ActionFor(q, a, who, s);
    if (action == Action::Stop || !store(action, who))
        return false;
    if (const std::optional<Question> next = FollowUp(q, a, s))
        return askAndStore(*next, who, s);
    return true;
}

// --- Commands ---------------------------------------------------------------------------------

void BookingCommands::cmdSAVE_Click() {
    const CommandGuard running(window_);
    if (!running)
        return;
    if (state_.options().readOnly())
        return;
    if (const auto refusal = SaveRefusal(p_.form.entries())) {
        status_(QString());
        MsgBox(Latin1::FromBytes(*refusal), vb::vbExclamation, Title, window_);
        return;
    }
    modFileManagement::CheckRecordChanged(state_);
    const Situation s = situation();
    const SaveDecision d = DecideSave(s);
    switch (d.kind) {
    case SaveDecision::SaveNewBooking:
        newBooking_ = false;
        if (SaveNewRecord()) {
            ask(NewBookingMadeText(Latin1::ToBytes(upperFirst()), Latin1::ToBytes(upperLast()),
                                   Latin1::ToBytes(p_.times.bookingMonthText()),
                                   Latin1::ToBytes(p_.times.bookingYearText())),
                vb::vbInformation, Title);
            p_.lists.RefreshCurrentList();
        } else {
            newBooking_ = true; // not stored: it is still a new booking
        }
        return;
    case SaveDecision::Nothing:
        return;
    case SaveDecision::Store:
        state_.BookingsChanged = false;
        // Details change without a question; times booked in another month then reach
        // the files only as a new booking in that month, when the user wants one.
        if (store(d.action, AskedBy::Save))
            if (const std::optional<Question> next = FollowUp(Question::Details, Answer::Yes, s))
                askAndStore(*next, AskedBy::Save, s);
        return;
    case SaveDecision::Ask:
        askAndStore(d.question, AskedBy::Save, s);
        return;
    }
}

void BookingCommands::cmdNEW_Click() {
    const CommandGuard running(window_);
    if (!running)
        return;
    state_.HelpTopic = StartUp::HelpTopics::NewBooking;
    if (state_.options().readOnly())
        return;
    if (!SaveChangesCheck(AskedBy::New))
        return;
    ClearBookingForm();
    modFileManagement::ClearRecord(state_);
    for (int i = 0; i < 5; ++i) {
        p_.form.setRegNoText(QStringLiteral("NEW Booking"));
        StartUp::Pause(0.05);
        p_.form.setRegNoText(QString());
        StartUp::Pause(0.05);
    }
    p_.form.setRegNoText(QStringLiteral("NEW Booking"));
    newBooking_ = true;
    p_.form.focusFirstName();
}

void BookingCommands::cmdDelete_Click() {
    const CommandGuard running(window_);
    if (!running)
        return;
    if (state_.options().readOnly() || state_.options().disableSingleDelete())
        return;
    if (!p_.form.regNoText().trimmed().isEmpty()) {
        if (ask(DeleteQuestion(Latin1::ToBytes(upperFirst()), Latin1::ToBytes(upperLast())),
                vb::vbYesNoCancel | vb::vbQuestion, bookingTitle()) != vb::vbYes)
            return;
        if (IsBookingNumber(Latin1::ToBytes(p_.form.regNoText()))) {
            DeleteBooking();
            return;
        }
        // A new booking never stored: nothing of it is on file, so the desk is cleared.
        ClearBookingForm();
        modFileManagement::ClearRecord(state_);
        modFileManagement::SnapshotRecord(state_);
        state_.BookingsChanged = false;
        newBooking_ = false;
    } else if (ask(std::string(ClearEntriesQuestion), vb::vbYesNoCancel | vb::vbExclamation, Title) == vb::vbYes) {
        ClearBookingForm();
        modFileManagement::ClearRecord(state_);
    }
}

// --- Opening a booking from the list ---------------------------------------------------------------

void BookingCommands::StatGrid_RowChosen() {
    const CommandGuard running(window_);
    if (!running)
        return;
    const bool readOnly = state_.options().readOnly();
    if (p_.lists.currentRow() == 0) {
        if (state_.ListMode == ListMode::OnSite && !readOnly) {
            MsgBox(QStringLiteral("You can't sort this list in the IN/OUT Day-Status view    "), vb::vbInformation,
                   Title, window_);
            p_.lists.ListTodayStatus();
        }
        return;
    }
    // The choice is taken before any question: a store on the way rebuilds
    // the list, and the row chosen may then hold another booking or none.
    const std::string regNo = p_.lists.regNoOfActiveRow();
    const int col = p_.lists.currentCol();
    const bool onSiteList = state_.ListMode == ListMode::OnSite; // and the list it was made in
    // When nothing opens, the desk stays as it was before the choice, unless
    // a question stored the booking on the way.
    const bool wasNew = newBooking_, timesChanged = state_.BookingsChanged;
    const int storesBefore = stores_;
    const auto nothingOpens = [&] {
        if (stores_ != storesBefore)
            return;
        newBooking_ = wasNew;
        state_.BookingsChanged = timesChanged;
    };
    if (!readOnly) {
        if (!newBooking_) {
            if (!SaveChangesCheck(AskedBy::OpenFromList))
                return;
        } else {
            modFileManagement::CheckRecordChanged(state_);
            if (state_.RecordChanged) {
                state_.BookingsChanged = false;
                const std::string f = Latin1::ToBytes(upperFirst()), l = Latin1::ToBytes(upperLast());
                if (PromptForUnsavedNewBooking(f, l) == NewBookingPrompt::SaveQuestion) {
                    const int a =
                        ask(UnsavedNewBookingQuestion(f, l), vb::vbYesNoCancel | vb::vbQuestion, bookingTitle());
                    if (a == vb::vbCancel)
                        return nothingOpens();
                    if (a == vb::vbNo) {
                        newBooking_ = false;
                        return;
                    }
                    if (!SaveNewRecord())
                        return; // kept on screen, still new
                    newBooking_ = false;
                } else {
                    if (ask(std::string(NameRequiredText), vb::vbOKCancel | vb::vbInformation, Title) == vb::vbOK)
                        return nothingOpens();
                    newBooking_ = false;
                }
            }
        }
    }
    if (p_.dates.ValidateSelectedDate())
        return nothingOpens();
    // An empty row names no month file, so there is nothing to open: the form
    // stays as it is, with any change still unsaved, and no cell of it stamps.
    if (regNo.empty())
        return nothingOpens();
    const BookingFiles::LineResult read = BookingFiles::ReadBookingLine(state_.settings.DataRoot, regNo);
    if (read.error) {
        nothingOpens();
        Errors::Report(window_, Errors::Place::OpenBooking, read.error, Latin1::FromBytes(regNo));
        // A booking gone from its file since the list was made (deleted at
        // another desk) leaves the list; its row opens and stamps nothing.
        if (read.error.number == ErrorNumber::BookingNotFound || read.error.number == ErrorNumber::FileNotFound)
            p_.lists.RefreshCurrentList();
        return;
    }
    ParseBookingLine(read.line, state_.CurrentRecord);
    state_.RecordBaseLine = read.line;
    ShowRecord(true);
    modFileManagement::SnapshotRecord(state_);
    state_.BookingsChanged = false;
    state_.RecordChanged = false;
    if (onSiteList) {
        if (col == 6)
            p_.arrival.cmdIN_Click();
        else if (col == 7)
            p_.arrival.cmdOUT_Click();
    }
}

void BookingCommands::ShowRecord(bool setBookingMonth) {
    const BookingFields r = state_.CurrentRecord; // the change handlers write back as they go
    p_.times.takeBooking(r.RegNo, r.DayTimes);
    p_.form.showFields(r);
    p_.form.ShowPassLabel();
    p_.form.ShowPhotoLabel();
    p_.arrival.ShowArrivalAndDeparture();
    if (setBookingMonth && !p_.times.showBookingMonth(r.RegNo))
        return;
    p_.times.showTimes(r.DayTimes);
    modFileManagement::SnapshotRecord(state_);
}

// --- Closing -----------------------------------------------------------------------------------------

bool BookingCommands::offerUnsavedWorkOnClose() {
    modFileManagement::CheckRecordChanged(state_);
    if (SaveRefusal(p_.form.entries())) {
        // Nothing on screen could be saved, so nothing is offered.
        newBooking_ = false;
        state_.RecordChanged = false;
        state_.BookingsChanged = false;
    }
    if (!newBooking_)
        return SaveChangesCheck(AskedBy::Close);
    const int a = ask(std::string(CloseWithNewBookingText), vb::vbYesNoCancel | vb::vbQuestion, Title);
    if (a == vb::vbCancel)
        return false; // still a new booking: SAVE will store it as one
    newBooking_ = false;
    if (a == vb::vbYes && !SaveNewRecord()) {
        newBooking_ = true;
        return false; // not stored: the window stays so nothing is lost
    }
    return true;
}
