// The month time grid: one row per day of the booking month, the expected
// time of arrival beside it.
#include "ui/desk/frmMain.h"

#include "ui/desk/BookingBoxes.h"

#include "core/Clock.h"
#include "core/desk/ListDate.h"
#include "core/desk/TimeGridRules.h"
#include "platform/Grid.h"
#include "platform/MsgBox.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>

namespace {
constexpr long White = 0xFFFFFF;
constexpr long Grey = 0xE0E0E0;
constexpr long Red = 0xFF;
constexpr long Black = 0;

void openDays(Grid* g) {
    g->setRows(32);
    for (int r = 1; r < g->Rows(); ++r) {
        GridCell c = g->Cell(r, 1);
        c.setLocked(false);
        c.setBackColor(White);
        c.setText(QString());
    }
}

void closeDay(Grid* g, int row) {
    GridCell c = g->Cell(row, 1);
    c.setLocked(true);
    c.setBackColor(Grey);
}
} // namespace

void frmMain::DayNameOf(long day) {
    DayNameText_ = QString::fromStdString(TimeGridRules::DayNameOf(static_cast<int>(day),
                                                                   BookingBoxes::ToBytes(CBMonth->currentText()),
                                                                   BookingBoxes::ToBytes(CBYear->currentText())));
}

void frmMain::CBMonth_Click() {
    const LocalDateTime today = Clock::Now();
    const std::string month = BookingBoxes::ToBytes(CBMonth->currentText()).substr(0, 3);
    const std::string thisMonth = ListDate::MonthNames()[today.month - 1].substr(0, 3);
    if (month == thisMonth && CBYear->currentText() == QString::number(today.year))
        BuildTimeGridMonth();
    else
        BuildTimeGridMonthFromRecord();
}

void frmMain::CBYear_Click() {
    CBMonth_Click();
}

void frmMain::BuildTimeGridMonth() {
    Grid* g = TimeGrid;
    g->setRedraw(false);
    g->setCols(2);
    g->Column(0).setWidth(100);
    g->Column(1).setWidth(40);
    g->Column(0).setAlignment(6);
    g->Column(1).setAlignment(10);
    g->Cell(0, 0).setText(CBMonth->currentText());
    g->Cell(0, 1).setText(QStringLiteral("Due In"));
    openDays(g);

    const std::string month = BookingBoxes::ToBytes(CBMonth->currentText());
    const std::string year = BookingBoxes::ToBytes(CBYear->currentText());
    g->setRows(TimeGridRules::RowsForMonth(month, year));
    const int today = Clock::Now().day;
    const std::vector<std::string> texts = TimeGridRules::CurrentMonthDayTexts(month, year, today);
    for (std::size_t i = 0; i < texts.size() && static_cast<int>(i) + 1 < g->Rows(); ++i)
        g->Cell(static_cast<int>(i) + 1, 0).setText(QString::fromLatin1(texts[i].c_str()));
    if (today < g->Rows())
        g->Cell(today, 0).Select();

    const int closed = TimeGridRules::ClosedRowCount(texts);
    for (int r = 1; r <= closed && r < g->Rows(); ++r)
        closeDay(g, r);
    g->setRedraw(true);
    g->Refresh();
}

void frmMain::BuildTimeGridMonthFromRecord() {
    Grid* g = TimeGrid;
    g->setRedraw(false);
    g->Cell(0, 0).setText(CBMonth->currentText());
    openDays(g);
    const std::string month = BookingBoxes::ToBytes(CBMonth->currentText());
    const std::string year = BookingBoxes::ToBytes(CBYear->currentText());
    const std::vector<std::string> texts = TimeGridRules::OtherMonthDayTexts(month, year);
    if (texts.empty()) {
        g->setRows(32);
        MsgBox(QString::fromLatin1(TimeGridRules::ArrayBoundaryText), vb::vbExclamation,
               QString::fromLatin1(TimeGridRules::ArrayBoundaryTitle), this);
    } else {
        g->setRows(TimeGridRules::RowsForMonth(month, year));
        for (std::size_t i = 0; i < texts.size() && static_cast<int>(i) + 1 < g->Rows(); ++i)
            g->Cell(static_cast<int>(i) + 1, 0).setText(QString::fromLatin1(texts[i].c_str()));
    }
    SetMonthNoFromBookMonth();
    const LocalDateTime today = Clock::Now();
    if (TimeGridRules::IsMonthPast(BookingBoxes::ToBytes(MonthNo_), year, today.year, today.month))
        for (int r = 1; r < g->Rows(); ++r)
            closeDay(g, r);
    g->setRedraw(true);
    g->Refresh();
}

void frmMain::cbTime_Click() {
    laSelTime->setText(QStringLiteral("Select"));
}

void frmMain::TimeGrid_CellClicked() {
    state_.HelpTopic = 26;
    if (state_.settings.ReadOnlyMode == "1")
        return;
    shDayBorder->hide();
    if (TimeGrid->ActiveCell().BackColor() == White)
        TimeGrid->Selection().setForeColor(Red);
}

void frmMain::cmdADD_Click() {
    state_.HelpTopic = 26;
    if (state_.settings.ReadOnlyMode == "1")
        return;
    GridCell cell = TimeGrid->ActiveCell();
    if (cell.Row() == 0) {
        MsgBox(QString::fromLatin1(TimeGridRules::NoDaySelectedText), vb::vbExclamation, QStringLiteral("Kestrane"),
               this);
        shDayBorder->show();
        shDayBorder->raise();
        return;
    }
    if (cell.BackColor() == Grey)
        return;
    if (cell.Col() != 0)
        cell.setText(cbTime->currentText());
    TimeGrid->Selection().setForeColor(Black);
    state_.BookingsChanged = true;
    TimeGrid->setFocus();
}

void frmMain::cmdSUB_Click() {
    state_.HelpTopic = 26;
    if (state_.settings.ReadOnlyMode == "1")
        return;
    GridCell cell = TimeGrid->ActiveCell();
    if (cell.Col() != 0) {
        cell.setText(QString());
        state_.BookingsChanged = true;
    }
}

void frmMain::cmdCLEARAll_Click() {
    if (state_.settings.ReadOnlyMode == "1")
        return;
    for (int r = 1; r < TimeGrid->Rows(); ++r) {
        TimeGrid->Cell(r, 1).setText(QString());
        state_.BookingsChanged = true;
    }
}

void frmMain::TimeGrid_DeleteKey(int keyCode, int /*shift*/) {
    if (keyCode == 46)
        state_.BookingsChanged = true;
}

void frmMain::TimeGrid_TimeCharTyped(int& keyAscii) {
    switch (TimeGridRules::ClassifyTypedKey(keyAscii)) {
    case TimeGridRules::TypedKey::Pass:
        state_.BookingsChanged = true;
        break;
    case TimeGridRules::TypedKey::Drop:
        keyAscii = 0;
        break;
    case TimeGridRules::TypedKey::Book:
        keyAscii = 0;
        cmdADD_Click();
        break;
    case TimeGridRules::TypedKey::Remove:
        keyAscii = 0;
        cmdSUB_Click();
        break;
    }
}

void frmMain::TimeGrid_ValidateEdit(int row, int col, bool& cancel) {
    GridCell cell = TimeGrid->Cell(row, col);
    cell.setForeColor(Black);
    cancel = false;
    const TimeGridRules::TimeEntryCheck check = TimeGridRules::CheckTimeEntry(BookingBoxes::ToBytes(cell.Text()));
    cell.setText(QString::fromLatin1(check.text.c_str()));
    if (check.message)
        MsgBox(QString::fromLatin1(check.message), vb::vbExclamation, QStringLiteral("Kestrane"), this);
    if (check.emptied) {
        cell.setForeColor(Red);
        cancel = true;
    }
}

void frmMain::TimeGrid_FocusLost() {
    CheckTimeGridEntry();
}

void frmMain::CheckTimeGridEntry() {
    GridCell cell = TimeGrid->ActiveCell();
    cell.setForeColor(Black);
    if (cell.Row() == 0 || cell.Col() != 1)
        return;
    const TimeGridRules::TimeEntryCheck check = TimeGridRules::CheckTimeEntry(BookingBoxes::ToBytes(cell.Text()));
    if (check.text != BookingBoxes::ToBytes(cell.Text()))
        cell.setText(QString::fromLatin1(check.text.c_str()));
    if (check.message) {
        MsgBox(QString::fromLatin1(check.message), vb::vbExclamation, QStringLiteral("Kestrane"), this);
        if (check.emptied)
            TimeGrid->setFocus();
    }
}
