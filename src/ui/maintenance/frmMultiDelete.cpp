#include "ui/maintenance/frmMultiDelete.h"

#include "core/Clock.h"
#include "core/TextUtil.h"
#include "core/desk/ListDate.h"
#include "core/desk/MonthBookingFile.h"
#include "core/maintenance/BulkDelete.h"
#include "platform/Latin1Text.h"
#include "platform/MsgBox.h"
#include "platform/Pause.h"
#include "platform/VbColor.h"
#include "ui/common/CommandGuard.h"
#include "ui/common/Errors.h"
#include "ui/common/Widgets.h"
#include "ui/common/WindowKeys.h"
#include "ui/desk/BookingBoxes.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <array>

using namespace Widgets;
using Latin1::FromBytes;
using Latin1::ToBytes;

namespace {

const QString Title = QStringLiteral("Kestrane");
constexpr long ActiveText = 0x404040;
constexpr long DimmedText = 0xC0C0C0;
constexpr long DisabledFindText = 0xA0A0A0;
// Beside the desk: its left edge + 9500 twips, its top + 2200 twips.
constexpr int OffsetX = 633;
constexpr int OffsetY = 147;

struct Prompt {
    const char* key;
    const char* field;
    const char* text;
};

constexpr std::array<Prompt, 10> Prompts{{
    {"ANY TEXT", "Find:", "Text:"},
    {"NAME", "Find Visitor by:", "Enter Name"},
    {"ORGANISATION", "Search all fields in:", "Look for:"},
    {"HOME ADDRESS", "Search all fields in:", "Look for:"},
    {"CAR REGISTRATION", "Find whole or part of a:", "Enter Number Plate:"},
    {"DEPARTMENT", "Find a:", "Look for:"},
    {"CATEGORY", "Find a:", "Look for:"},
    {"BUILDING/LOCATION", "Find a:", "Look for:"},
    {"REFERENCE NO", "Find a:", "Look for:"},
    {"REPORTING TO", "Find who a person is:", "Enter Name"},
}};

void Tell(QWidget* parent, const QString& text) {
    MsgBox(text, vb::vbOKOnly | vb::vbExclamation, Title, parent);
}

} // namespace

frmMultiDelete::frmMultiDelete(ProgramState& state, QWidget* mainWindow) : QDialog(mainWindow), state_(state) {
    setObjectName(QStringLiteral("frmMultiDelete"));
    setWindowTitle(QStringLiteral("Delete Records"));
    setFixedSize(430, 290);
    WindowKeys::Install(this);
    buildControls();
    Form_Load();
}

void frmMultiDelete::buildControls() {
    Caption(this, QStringLiteral("SELECT PERIOD OF BOOKINGS TO DELETE"), 12, 8, 400, true);
    Caption(this, QStringLiteral("Month"), 194, 32, 80);
    Caption(this, QStringLiteral("Year"), 340, 32, 60);
    laMDelDay = Named(Caption(this, QStringLiteral("Bookings on"), 12, 54, 78), "laMDelDay");
    CBMDELDay = Combo(this, "CBMDELDay", QRect(90, 52, 78, 24), true);
    laMDelMonth = Named(Caption(this, QStringLiteral("IN"), 172, 54, 20), "laMDelMonth");
    CBMDELMonth = Combo(this, "CBMDELMonth", QRect(194, 52, 116, 24), true);
    laMDelYear = Named(Caption(this, QStringLiteral("/"), 316, 54, 22), "laMDelYear");
    CBMDELYear = Combo(this, "CBMDELYear", QRect(340, 52, 76, 24), true);
    // What is typed reaches the questions, the status and the file names as bytes.
    for (QComboBox* box : {CBMDELDay, CBMDELMonth, CBMDELYear})
        BookingBoxes::KeepLatin1(box->lineEdit());

    Caption(this, QStringLiteral("DELETE ONLY RECORDS THAT CONTAIN:"), 12, 94, 400, true);
    DSearchLa = Named(Caption(this, QStringLiteral("Find Visitor by:"), 12, 118, 190), "DSearchLa");
    CBDListBy = Combo(this, "CBDListBy", QRect(12, 140, 190, 24), false);
    laFWoP = Named(Caption(this, QStringLiteral("Word or Phrase to look for"), 214, 118, 200), "laFWoP");
    DFindTB = Box(this, "DFindTB", QRect(214, 140, 202, 24), 60);
    BookingBoxes::KeepLatin1(DFindTB);
    LaLeaveB =
        Named(Caption(this, QStringLiteral("Leave blank to delete all records for the selected period"), 12, 172, 404),
              "LaLeaveB");
    cmdMDELDelete = Button(this, "cmdMDELDelete", QStringLiteral("Delete"), QString(), QRect(214, 240, 96, 30));
    cmdMDELCancel = Button(this, "cmdMDELCancel", QStringLiteral("Cancel"), QString(), QRect(320, 240, 96, 30));

    CBMDELDay->addItem(QStringLiteral("All Days"));
    for (int day = 1; day <= 31; ++day)
        CBMDELDay->addItem(FromBytes(ListDate::DayEntries()[static_cast<std::size_t>(day)]));
    CBMDELMonth->addItem(QStringLiteral("All Months"));
    for (const std::string& month : ListDate::MonthNames())
        CBMDELMonth->addItem(FromBytes(month));
    for (int year = ListDate::FirstYear; year <= ListDate::LastYear(); ++year)
        CBMDELYear->addItem(QString::number(year));
    for (const char* key : {"ANY TEXT", "NAME", "CATEGORY", "CAR REGISTRATION", "DEPARTMENT", "ORGANISATION",
                            "REPORTING TO", "BUILDING/LOCATION", "REFERENCE NO", "HOME ADDRESS"})
        CBDListBy->addItem(QString::fromLatin1(key));

    connect(cmdMDELDelete, &QPushButton::clicked, this, &frmMultiDelete::cmdMDELDelete_Click);
    connect(cmdMDELCancel, &QPushButton::clicked, this, &frmMultiDelete::cmdMDELCancel_Click);
    connect(CBDListBy, &QComboBox::activated, this, &frmMultiDelete::CBDListBy_Click);
    connect(CBMDELDay, &QComboBox::activated, this, &frmMultiDelete::CBMDELDay_Click);
    connect(CBMDELMonth, &QComboBox::activated, this, &frmMultiDelete::CBMDELMonth_Click);
}

void frmMultiDelete::Form_Load() {
    CBMDELDay->setCurrentIndex(0);
    CBMDELMonth->setCurrentIndex(-1);
    CBMDELMonth->setEditText(QStringLiteral("- Select -"));
    ShowEntry(CBMDELYear, QString::number(Clock::Now().year));
    CBDListBy->setCurrentIndex(0);
    SetFindControlsEnabled(false);
}

void frmMultiDelete::showEvent(QShowEvent* event) {
    // Placed by inner areas: the frame is unknown before the first show, so
    // placing by frames opened it a title bar higher the first time.
    if (QWidget* desk = parentWidget())
        setGeometry(QRect(desk->geometry().topLeft() + QPoint(OffsetX, OffsetY), size()));
    QDialog::showEvent(event);
    Form_Activate();
}

void frmMultiDelete::Form_Activate() {
    state_.StatusPending = false;
}

void frmMultiDelete::cmdMDELCancel_Click() {
    reject();
}

void frmMultiDelete::setLabelColour(QLabel* label, long bgr) {
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, VbColor(bgr));
    label->setPalette(pal);
}

void frmMultiDelete::CBDListBy_Click() {
    const std::string key = ToBytes(CBDListBy->currentText());
    for (const Prompt& p : Prompts) {
        if (key == p.key) {
            DSearchLa->setText(QString::fromLatin1(p.field));
            laFWoP->setText(QString::fromLatin1(p.text));
        }
    }
    DFindTB->setFocus();
}

void frmMultiDelete::CBMDELDay_Click() {
    laMDelMonth->setText(CBMDELDay->currentText().trimmed() == QStringLiteral("All Days") ? QStringLiteral("IN")
                                                                                          : QStringLiteral("OF"));
}

void frmMultiDelete::CBMDELMonth_Click() {
    const bool allMonths = CBMDELMonth->currentText().trimmed() == QStringLiteral("All Months");
    CBMDELDay->setEnabled(!allMonths);
    setLabelColour(laMDelMonth, allMonths ? DimmedText : ActiveText);
    setLabelColour(laMDelDay, allMonths ? DimmedText : ActiveText);
    laMDelYear->setText(allMonths ? QStringLiteral("IN") : QStringLiteral("/"));
    SetFindControlsEnabled(!allMonths);
}

void frmMultiDelete::SetFindControlsEnabled(bool enabled) {
    CBDListBy->setEnabled(enabled);
    DFindTB->setEnabled(enabled);
    for (QLabel* label : {DSearchLa, laFWoP, LaLeaveB})
        setLabelColour(label, enabled ? ActiveText : DisabledFindText);
}

void frmMultiDelete::SetMonthNumber() {
    if (const auto no = ListDate::MonthNoFromName(ToBytes(CBMDELMonth->currentText())))
        DeleteMonthNo = *no;
}

void frmMultiDelete::cmdMDELDelete_Click() {
    const CommandGuard running(this);
    if (!running)
        return;
    if (CBMDELMonth->currentText() == QStringLiteral("All Months")) {
        DeleteYearBookings();
        return;
    }
    const auto no = ListDate::MonthNoFromName(ToBytes(CBMDELMonth->currentText()));
    if (!no) {
        Tell(this, QStringLiteral("Kestrane Can't Determine the Date you wish to Delete - Select again!"));
        return;
    }
    DeleteMonthNo = *no;
    DeleteMonthBookings();
}

bool frmMultiDelete::ValidateSelection() {
    const QString dayText = CBMDELDay->currentText();
    const int dayIndex = CBMDELDay->findText(dayText);
    const Maintenance::SelectionCheck check = Maintenance::ValidateSelection(
        dayIndex, ToBytes(dayText), ToBytes(CBMDELMonth->currentText()), ToBytes(CBMDELYear->currentText()));
    for (std::size_t i = 0; i < check.messages.size(); ++i) {
        Tell(this, FromBytes(check.messages[i]));
        if (i == 0 && check.correctedDay >= 0) {
            CBMDELDay->setCurrentIndex(check.correctedDay);
            CBMDELDay_Click();
        }
    }
    return check.invalid;
}

void frmMultiDelete::DeleteMonthBookings() {
    if (ValidateSelection())
        return;
    const std::string day = ToBytes(CBMDELDay->currentText());
    const std::string month = ToBytes(CBMDELMonth->currentText());
    const std::string year = ToBytes(CBMDELYear->currentText());
    const std::string key = Text::Trim(ToBytes(CBDListBy->currentText()));
    const std::string find = Text::Trim(ToBytes(DFindTB->text()));
    const bool allDays = day == "All Days";

    if (MsgBox(FromBytes(Maintenance::MonthQuestion(day, find, key, month, year)), vb::vbYesNo | vb::vbQuestion, Title,
               this) != vb::vbYes)
        return;

    SetMonthNumber();
    const std::string path =
        BookingFiles::MonthFilePath(state_.settings.DataRoot, Maintenance::YearDigits(year) + DeleteMonthNo);
    if (allDays && find.empty()) {
        const FileError error = Maintenance::EmptyMonthFile(path);
        if (!error) {
            finishMonthDeletion(Maintenance::WholeMonthStatus(month, year));
            return;
        }
        Errors::Report(this, Errors::Place::EmptyMonth, error);
        if (error.number == ErrorNumber::FileNotFound || error.number == ErrorNumber::PathNotFound)
            finishMonthDeletion(Maintenance::DeletedStatus(0, {}, month, year));
        else
            finishMonthDeletion(Maintenance::FailedStatus({}, month, year));
        return;
    }

    using Maintenance::DeleteRule;
    const DeleteRule rule = allDays        ? DeleteRule::MatchingInMonth
                            : find.empty() ? DeleteRule::Day
                                           : DeleteRule::MatchingOnDay;
    const Maintenance::DeleteOutcome outcome =
        Maintenance::DeleteFromMonth(path, rule, key, find, static_cast<int>(Text::Val(day)));
    const int error = outcome.error.number;
    const bool missing = error == ErrorNumber::FileNotFound || error == ErrorNumber::PathNotFound;
    if (error) {
        const Errors::Place place = rule == DeleteRule::MatchingInMonth ? Errors::Place::DeleteInMonth
                                    : rule == DeleteRule::Day           ? Errors::Place::DeleteDay
                                                                        : Errors::Place::DeleteOnDay;
        Errors::Report(this, place, outcome.error,
                       FromBytes(allDays ? month + " " + year : "the " + day + " " + month + " " + year));
    }
    const std::string dayPart = allDays ? std::string() : day;
    if (error && !missing && error != ErrorNumber::NothingFound)
        finishMonthDeletion(Maintenance::FailedStatus(dayPart, month, year));
    else
        finishMonthDeletion(Maintenance::DeletedStatus(outcome.deleted, dayPart, month, year));
}

void frmMultiDelete::finishMonthDeletion(const std::string& status) {
    state_.StatusMessage = status;
    state_.StatusPending = true;
    StartUp::Pause(0.2);
    accept();
}

void frmMultiDelete::DeleteYearBookings() {
    const std::string year = ToBytes(CBMDELYear->currentText());
    if (Maintenance::YearDigits(year).empty()) {
        Tell(this, QString::fromLatin1(ListDate::NoValidDateText));
        return;
    }
    if (MsgBox(FromBytes(Maintenance::YearQuestion(year)), vb::vbYesNo | vb::vbInformation, Title, this) != vb::vbYes)
        return;
    const Maintenance::YearOutcome outcome = Maintenance::DeleteYear(state_.settings.DataRoot, year);
    const std::string status = Maintenance::YearStatus(outcome, year);
    Errors::Report(this, Errors::Place::DeleteYear, outcome.error, FromBytes(status));
    state_.StatusPending = true;
    state_.StatusMessage = status;
}
