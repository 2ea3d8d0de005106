// Today's arrivals and departures: the on-site list, the On-Site and Off-Site
// buttons and the two time labels of the booking form.
#include "ui/desk/frmMain.h"

#include "ui/desk/BookingBoxes.h"

#include "core/Clock.h"
#include "core/TextUtil.h"
#include "core/desk/ArrivalDeparture.h"
#include "core/desk/BookingRecord.h"
#include "core/desk/DayStatusFile.h"
#include "core/desk/MonthBookingFile.h"
#include "core/desk/OnSiteList.h"
#include "platform/ClickLabel.h"
#include "platform/Grid.h"
#include "platform/MsgBox.h"
#include "platform/VbColor.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

long backColourOf(const QLabel* label) {
    return ToVbColor(label->palette().color(QPalette::Window));
}
} // namespace

// --- The two labels ------------------------------------------------------------------

void frmMain::LaON_Site_Change() {
    state_.CurrentRecord.ArrivalTime = BookingBoxes::ToBytes(LaON_Site->text());
}

void frmMain::LaOFFSite_Change() {
    state_.CurrentRecord.DepartureTime = LaOFFSite->text() == QLatin1String(ArrivalDeparture::NoTime)
                                             ? std::string(ArrivalDeparture::NoTime)
                                             : Clock::Now().TimeText();
}

void frmMain::ShowStatusLooks(const ArrivalDeparture::LabelLooks& looks) {
    QPalette arrival = LaON_Site->palette();
    arrival.setColor(QPalette::Window, VbColor(looks.arrivalBackColour));
    arrival.setColor(QPalette::WindowText, VbColor(looks.arrivalTextColour));
    LaON_Site->setPalette(arrival);
    QFont f = LaON_Site->font();
    f.setBold(looks.arrivalEmphasised);
    LaON_Site->setFont(f);
    LaON_Site->setText(BookingBoxes::FromBytes(looks.arrivalCaption));
    LaON_Site_Change();

    QPalette departure = LaOFFSite->palette();
    departure.setColor(QPalette::Window, VbColor(looks.departureBackColour));
    LaOFFSite->setPalette(departure);
    LaOFFSite->setText(BookingBoxes::FromBytes(looks.departureCaption));
    LaOFFSite_Change();
}

void frmMain::UpdateStatusLine() {
    const FileError e = ::UpdateStatusLine(state_.settings.DataRoot, Text::Trim(BookingBoxes::ToBytes(RegNoTB->text())),
                                           state_.CurrentRecord.ArrivalTime, state_.CurrentRecord.DepartureTime);
    if (e)
        setWindowTitle(QStringLiteral("Brantholm Solutions Kestrane  [ Error: %1%2")
                           .arg(e.number + StatusBuildErrorOffset)
                           .arg(QLatin1String(StatusBuildErrorPlace)));
    RefreshCurrentList();
}

namespace {
ArrivalDeparture::StampForm formOf(const frmMain& w, const ProgramState& state) {
    return {state.settings.ReadOnlyMode == "1", BookingBoxes::ToBytes(w.RegNoTB->text()),
            BookingBoxes::ToBytes(w.FirstNameTB->text()), BookingBoxes::ToBytes(w.LastNameTB->text()),
            BookingBoxes::ToBytes(w.LaON_Site->text())};
}
} // namespace

void frmMain::ApplyStamp(const ArrivalDeparture::StampResult& result) {
    switch (result.outcome) {
    case ArrivalDeparture::StampOutcome::NoBooking:
        MsgBox(BookingBoxes::FromBytes(result.message), vb::vbExclamation,
               QString::fromLatin1(ArrivalDeparture::MessageTitle), this);
        return;
    case ArrivalDeparture::StampOutcome::Stamped:
        ShowStatusLooks(ArrivalDeparture::LooksFor(result.look, result.arrivalTime, result.departureTime));
        MainFindTB->setFocus();
        UpdateStatusLine();
        return;
    default:
        return;
    }
}

void frmMain::cmdIN_Click() {
    state_.HelpTopic = ArrivalDeparture::StampHelpTopic;
    ApplyStamp(ArrivalDeparture::MarkArrived(formOf(*this, state_), Clock::Now()));
}

void frmMain::cmdOUT_Click() {
    state_.HelpTopic = ArrivalDeparture::StampHelpTopic;
    ApplyStamp(ArrivalDeparture::MarkDeparted(formOf(*this, state_), Clock::Now()));
}

void frmMain::LaON_Site_DblClick() {
    state_.HelpTopic = ArrivalDeparture::UndoHelpTopic;
    const auto undo = ArrivalDeparture::UndoArrival(state_.settings.ReadOnlyMode == "1", state_.ListMode,
                                                    backColourOf(LaON_Site), BookingBoxes::ToBytes(LaOFFSite->text()));
    if (undo.outcome != ArrivalDeparture::UndoOutcome::Undone)
        return;
    ShowStatusLooks(ArrivalDeparture::LooksFor(undo.look, undo.arrivalTime, undo.departureTime));
    UpdateStatusLine();
}

void frmMain::LaOFFSite_DblClick() {
    state_.HelpTopic = ArrivalDeparture::UndoHelpTopic;
    const auto undo =
        ArrivalDeparture::UndoDeparture(state_.settings.ReadOnlyMode == "1", state_.ListMode, backColourOf(LaOFFSite),
                                        BookingBoxes::ToBytes(LaON_Site->text()));
    if (undo.outcome != ArrivalDeparture::UndoOutcome::Undone)
        return;
    ShowStatusLooks(ArrivalDeparture::LooksFor(undo.look, undo.arrivalTime, undo.departureTime));
    UpdateStatusLine();
}

// The labels of an opened booking, from today's status file. A missing file
// is built first, so a booking opened early in the day shows its stamps too.
void frmMain::ShowArrivalAndDeparture() {
    const std::string path = DayStatusFile(state_.settings.DataRoot, Clock::Now());
    std::vector<std::string> lines;
    FileError e = ReadMonthLines(path, lines);
    if (e.number == ErrorNumber::FileNotFound || e.number == ErrorNumber::PathNotFound) {
        BuildDayStatusFile();
        e = ReadMonthLines(path, lines);
    }
    std::string arrival, departure;
    const std::string regNo = Text::Trim(BookingBoxes::ToBytes(RegNoTB->text()));
    for (const std::string& line : lines)
        if (line.size() >= 12 && line.substr(0, 12) == regNo) {
            const std::string_view a = StatusRecord::ArrivalTime(line), d = StatusRecord::DepartureTime(line);
            arrival = std::string(a.substr(0, 2)) + std::string(a.size() >= 5 ? a.substr(3, 2) : "");
            departure = std::string(d.substr(0, 2)) + std::string(d.size() >= 5 ? d.substr(3, 2) : "");
        }
    const long a = Text::Val(arrival), d = Text::Val(departure);
    using ArrivalDeparture::StatusLook;
    const auto asTime = [](const std::string& digits) {
        return Text::Trim(digits).empty() ? std::string(ArrivalDeparture::NoTime)
                                          : digits.substr(0, 2) + ":" + digits.substr(digits.size() - 2);
    };
    if (a == 0)
        ShowStatusLooks(
            ArrivalDeparture::LooksFor(StatusLook::NotArrived, ArrivalDeparture::NoTime, ArrivalDeparture::NoTime));
    else if (d < a)
        ShowStatusLooks(ArrivalDeparture::LooksFor(StatusLook::OnSite, asTime(arrival), asTime(departure)));
    else
        ShowStatusLooks(ArrivalDeparture::LooksFor(StatusLook::Departed, asTime(arrival), asTime(departure)));
}

void frmMain::BuildDayStatusFile() {
    const FileError e = ::BuildDayStatusFile(state_.settings.DataRoot);
    if (e) {
        unsetCursor();
        setWindowTitle(QStringLiteral("Brantholm Solutions Kestrane  [ Error: %1%2")
                           .arg(e.number + StatusBuildErrorOffset)
                           .arg(QLatin1String(StatusBuildErrorPlace)));
    }
}

// --- The on-site list --------------------------------------------------------------------

void frmMain::cmdDayList_Click() {
    state_.HelpTopic = 22;
    ListTodayStatus();
}

void frmMain::ListTodayStatus() {
    setCursor(Qt::WaitCursor);
    cmdIN->setEnabled(true);
    cmdOUT->setEnabled(true);
    StatGrid->setReadOnly(state_.settings.ReadOnlyMode == "1");
    BuildDayStatusFile();
    state_.ListMode = 4;
    SetComboTextColour(CBGetDay, 0);

    static const ListColumn columns[19] = {
        {"Registration", 100, 10}, {"First Name", 100, 6},   {"Last Name", 100, 6}, {"Organisation", 180, 6},
        {"Category", 140, 6},      {"Expected", 60, 10},     {"Arrived", 60, 10},   {"Departed", 60, 10},
        {"Pass Valid", 75, 10},    {"Pass Issued", 120, 10}, {"Length", 50, 10},    {"Pass Type", 65, 10},
        {"Pass Ends", 75, 10},     {"Party", 45, 10},        {"Telephone", 110, 6}, {"Car Reg", 75, 10},
        {"Reports to:", 140, 6},   {"Department", 150, 6},   {"Contact", 110, 6}};
    PrepareListGrid(columns, 19, 0xF9E7DF);
    StatGrid->Column(19).setAlignment(10);

    std::vector<OnSiteRow> rows;
    const FileError e = ReadOnSiteRows(DayStatusFile(state_.settings.DataRoot, Clock::Now()), Clock::Now(), rows);
    int n = 0;
    for (const OnSiteRow& row : rows) {
        const std::string* cells[19] = {&row.RegNo,       &row.FirstName,  &row.LastName,        &row.Organisation,
                                        &row.Category,    &row.Expected,   &row.Arrived,         &row.Departed,
                                        &row.PassStart,   &row.PassIssued, &row.PassLength,      &row.PassType,
                                        &row.PassEnd,     &row.PartySize,  &row.DirectDialPhone, &row.CarRegistration,
                                        &row.ReportingTo, &row.Department, &row.HostPhone};
        FillListRow(++n, cells, 19);
        StatGrid->Cell(n, 6).setForeColor(row.ArrivedColour);
        StatGrid->Cell(n, 7).setForeColor(row.DepartedColour);
    }
    FinishListGrid();
    if (e) {
        if (e.number == ErrorNumber::FileNotFound)
            MsgBox(QString::fromLatin1(NoBookingsForDateText), vb::vbExclamation, QStringLiteral("Kestrane"), this);
        else
            setWindowTitle(QStringLiteral("Brantholm Solutions Kestrane  [ Error: %1%2")
                               .arg(e.number + OnSiteListErrorOffset)
                               .arg(QLatin1String(OnSiteListErrorPlace)));
        return;
    }
    StatGrid->Cell(1, 1).Select();
    ListedRows_ = n;
}
