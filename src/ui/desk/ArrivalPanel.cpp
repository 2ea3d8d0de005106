#include "ui/desk/ArrivalPanel.h"

#include "core/Clock.h"
#include "core/TextUtil.h"
#include "core/desk/DayStatusFile.h"
#include "core/desk/MonthBookingFile.h"
#include "core/startup/Helpers.h"
#include "platform/ClickLabel.h"
#include "platform/Latin1Text.h"
#include "platform/MsgBox.h"
#include "platform/VbColor.h"
#include "ui/common/CommandGuard.h"
#include "ui/common/Errors.h"
#include "ui/common/Widgets.h"
#include "ui/desk/BookingFormPanel.h"

using namespace Widgets;

ArrivalPanel::ArrivalPanel(ProgramState& state, QWidget* p, QWidget* window, BookingFormPanel& form)
    : QObject(p), state_(state), window_(window), form_(form) {
    const int y = 24 + 9 * 26;
    Caption(p, QStringLiteral("ARRIVED:"), 6, y + 4, 78);
    LaON_Site = static_cast<ClickLabel*>(
        StatusLabel(new ClickLabel(p), "LaON_Site", QStringLiteral("  -  "), QRect(86, y + 2, 48, 22)));
    LaON_Site->setToolTip(QStringLiteral("  Double-click to delete any time of arrival  Note: if a time of departure "
                                         "exists this has to be deleted first "));
    Caption(p, QStringLiteral("DEPARTED:"), 138, y + 4, 72);
    LaOFFSite = static_cast<ClickLabel*>(
        StatusLabel(new ClickLabel(p), "LaOFFSite", QStringLiteral("  -  "), QRect(214, y + 2, 50, 22)));
    LaOFFSite->setToolTip(QStringLiteral(" Double-click to delete any time of departure "));
    connect(LaON_Site, &ClickLabel::doubleClicked, this, &ArrivalPanel::LaON_Site_DblClick);
    connect(LaOFFSite, &ClickLabel::doubleClicked, this, &ArrivalPanel::LaOFFSite_DblClick);
}

void ArrivalPanel::LaON_Site_Change() {
    state_.CurrentRecord.ArrivalTime = Latin1::ToBytes(LaON_Site->text());
}

void ArrivalPanel::LaOFFSite_Change() {
    state_.CurrentRecord.DepartureTime = LaOFFSite->text() == QLatin1String(ArrivalDeparture::NoTime)
                                             ? std::string(ArrivalDeparture::NoTime)
                                             : Clock::Now().TimeText();
}

void ArrivalPanel::showLooks(const ArrivalDeparture::LabelLooks& looks) {
    QPalette arrival = LaON_Site->palette();
    arrival.setColor(QPalette::Window, VbColor(looks.arrivalBackColour));
    arrival.setColor(QPalette::WindowText, VbColor(looks.arrivalTextColour));
    LaON_Site->setPalette(arrival);
    QFont f = LaON_Site->font();
    f.setBold(looks.arrivalEmphasised);
    LaON_Site->setFont(f);
    LaON_Site->setText(Latin1::FromBytes(looks.arrivalCaption));
    LaON_Site_Change();

    QPalette departure = LaOFFSite->palette();
    departure.setColor(QPalette::Window, VbColor(looks.departureBackColour));
    LaOFFSite->setPalette(departure);
    LaOFFSite->setText(Latin1::FromBytes(looks.departureCaption));
    LaOFFSite_Change();
}

void ArrivalPanel::clear() {
    showLooks(ArrivalDeparture::LooksFor(ArrivalDeparture::StatusLook::NotArrived, ArrivalDeparture::NoTime,
                                         ArrivalDeparture::NoTime));
}

void ArrivalPanel::UpdateStatusLine() {
    const FileError e =
        DayStatus::UpdateStatusLine(state_.settings.DataRoot, Latin1::ToBytes(form_.regNoText()),
                                    state_.CurrentRecord.ArrivalTime, state_.CurrentRecord.DepartureTime)
            .error;
    emit statusWritten();
    // After the list is rebuilt, so its own caption does not hide that the time was not stored.
    Errors::Report(window_, Errors::Place::StatusStamp, e);
}

ArrivalDeparture::StampForm ArrivalPanel::stampForm() const {
    const BookingRules::FormEntries entries = form_.entries();
    return {state_.options().readOnly(), Latin1::ToBytes(form_.regNoText()), entries.firstName, entries.lastName,
            Latin1::ToBytes(LaON_Site->text())};
}

void ArrivalPanel::apply(const ArrivalDeparture::StampResult& result) {
    switch (result.outcome) {
    case ArrivalDeparture::StampOutcome::NoBooking:
        MsgBox(Latin1::FromBytes(result.message), vb::vbExclamation,
               QString::fromLatin1(ArrivalDeparture::MessageTitle), window_);
        return;
    case ArrivalDeparture::StampOutcome::Stamped:
        showLooks(ArrivalDeparture::LooksFor(result.look, result.arrivalTime, result.departureTime));
        emit stamped();
        UpdateStatusLine();
        return;
    default:
        return;
    }
}

void ArrivalPanel::cmdIN_Click() {
    const CommandGuard running(window_);
    if (!running)
        return;
    state_.HelpTopic = StartUp::HelpTopics::OnOffSite;
    apply(ArrivalDeparture::MarkArrived(stampForm(), Clock::Now()));
}

void ArrivalPanel::cmdOUT_Click() {
    const CommandGuard running(window_);
    if (!running)
        return;
    state_.HelpTopic = StartUp::HelpTopics::OnOffSite;
    apply(ArrivalDeparture::MarkDeparted(stampForm(), Clock::Now()));
}

void ArrivalPanel::LaON_Site_DblClick() {
    const CommandGuard running(window_);
    if (!running)
        return;
    state_.HelpTopic = StartUp::HelpTopics::UndoOnOffSite;
    const auto undo = ArrivalDeparture::UndoArrival(state_.options().readOnly(), state_.ListMode,
                                                    BackColourOf(LaON_Site), Latin1::ToBytes(LaOFFSite->text()));
    if (undo.outcome != ArrivalDeparture::UndoOutcome::Undone)
        return;
    showLooks(ArrivalDeparture::LooksFor(undo.look, undo.arrivalTime, undo.departureTime));
    UpdateStatusLine();
}

void ArrivalPanel::LaOFFSite_DblClick() {
    const CommandGuard running(window_);
    if (!running)
        return;
    state_.HelpTopic = StartUp::HelpTopics::UndoOnOffSite;
    const auto undo = ArrivalDeparture::UndoDeparture(state_.options().readOnly(), state_.ListMode,
                                                      BackColourOf(LaOFFSite), Latin1::ToBytes(LaON_Site->text()));
    if (undo.outcome != ArrivalDeparture::UndoOutcome::Undone)
        return;
    showLooks(ArrivalDeparture::LooksFor(undo.look, undo.arrivalTime, undo.departureTime));
    UpdateStatusLine();
}

// The labels of an opened booking, from today's status file. A missing file
// is built first, so a booking opened early in the day shows its stamps too.
void ArrivalPanel::ShowArrivalAndDeparture() {
    const std::string path = DayStatus::FilePath(state_.settings.DataRoot, Clock::Now());
    BookingFiles::LinesResult read = BookingFiles::ReadLines(path);
    if (read.error.number == ErrorNumber::FileNotFound || read.error.number == ErrorNumber::PathNotFound) {
        if (BuildDayStatusFile().error)
            read.error = FileError::None(); // the build has said why in the caption
        else
            read = BookingFiles::ReadLines(path);
    }
    Errors::Report(window_, Errors::Place::StatusRead, read.error);
    showLooks(ArrivalDeparture::LooksInStatusLines(read.lines, Latin1::ToBytes(form_.regNoText())));
}

DayStatus::BuildResult ArrivalPanel::BuildDayStatusFile() {
    DayStatus::BuildResult built = DayStatus::Build(state_.settings.DataRoot);
    Errors::Report(window_, Errors::Place::StatusBuild, built.error);
    return built;
}
