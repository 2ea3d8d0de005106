#include "ui/desk/TimeGridPanel.h"

#include "core/Clock.h"
#include "core/TextUtil.h"
#include "core/desk/BookingRecord.h"
#include "core/desk/BookingRules.h"
#include "core/desk/ListDate.h"
#include "core/desk/RegNo.h"
#include "core/desk/TimeGridRules.h"
#include "core/startup/Helpers.h"
#include "platform/Grid.h"
#include "platform/Latin1Text.h"
#include "platform/MsgBox.h"
#include "platform/VbKeys.h"
#include "ui/common/CommandGuard.h"
#include "ui/common/Widgets.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include <algorithm>

using namespace Widgets;

namespace {
constexpr long White = 0xFFFFFF;
constexpr long Grey = 0xE0E0E0;
constexpr long Red = 0xFF;
constexpr long Black = 0;
constexpr int DayColumnWidth = 100;
const QRect GridPlace(6, 89, 168, 162);
constexpr int BorderMargin = 3; // between the grid and the red border around it
// The year drop-down holds one entry a year, from the first.
constexpr int FirstListedYear = 2010;
constexpr int LastListedYear = 2100;
// A booking number holds the last two digits of a year of this century.
constexpr int BookingCentury = 2000;

void openDays(Grid* g) {
    g->setRows(32);
    for (int r = 1; r < g->Rows(); ++r) {
        g->Cell(r, 0).setLocked(true); // the day and its name are shown, never edited
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

TimeGridPanel::TimeGridPanel(ProgramState& state, QWidget* p, QWidget* window)
    : QObject(p), state_(state), window_(window) {
    Caption(p, QStringLiteral("BOOKING"), 6, 2, 100, true);
    Caption(p, QStringLiteral("SELECT  MONTH"), 6, 20, 160);
    CBMonth = Named(new QComboBox(p), "CBMonth");
    for (const std::string& m : ListDate::MonthNames())
        CBMonth->addItem(QString::fromStdString(m));
    CBMonth->setEditable(true);
    CBMonth->setGeometry(6, 40, 100, 24);
    CBYear = Named(new QComboBox(p), "CBYear");
    for (int y = FirstListedYear; y <= LastListedYear; ++y)
        CBYear->addItem(QString::number(y));
    CBYear->setEditable(true);
    CBYear->setGeometry(110, 40, 64, 24);
    Caption(p, QStringLiteral("SELECT DAY    ** TODAY"), 6, 68, 168);

    shDayBorder = Named(new QFrame(p), "shDayBorder");
    shDayBorder->setGeometry(GridPlace.adjusted(-BorderMargin, -BorderMargin, BorderMargin, BorderMargin));
    shDayBorder->setStyleSheet(QStringLiteral("QFrame#shDayBorder { border: 2px solid red; }"));
    shDayBorder->setAttribute(Qt::WA_TransparentForMouseEvents); // a click reaches the grid under it
    shDayBorder->hide();
    TimeGrid = Named(new Grid(p), "TimeGrid");
    TimeGrid->setGeometry(GridPlace);
    TimeGrid->setCols(2);
    TimeGrid->setRows(32);

    Caption(p, QStringLiteral("ASSIGN TIME"), 6, 258, 90);
    laSelTime = Named(Caption(p, QStringLiteral("Select"), 100, 258, 74), "laSelTime");
    cbTime = Named(new QComboBox(p), "cbTime");
    for (const std::string& t : TimeGridRules::TimeChoices())
        cbTime->addItem(QString::fromStdString(t));
    cbTime->setEditable(true);
    cbTime->setCurrentText(QString::fromLatin1(TimeGridRules::InitialTimeChoice));
    cbTime->setGeometry(6, 278, 76, 24);
    cmdADD = KeyMapButton(p, "cmdADD", QStringLiteral("+"), QString(), QRect(88, 278, 40, 24));
    cmdSUB = KeyMapButton(p, "cmdSUB", QStringLiteral("-"), QString(), QRect(134, 278, 40, 24));
    cmdCLEARAll = KeyMapButton(p, "cmdCLEARAll", QStringLiteral("Clear All"), QString(), QRect(6, 306, 168, 24));

    for (QComboBox* c : {CBMonth, CBYear, cbTime})
        c->setInsertPolicy(QComboBox::NoInsert);
    connect(CBMonth, &QComboBox::activated, this, &TimeGridPanel::CBMonth_Click);
    connect(CBYear, &QComboBox::activated, this, &TimeGridPanel::CBYear_Click);
    connect(cbTime, &QComboBox::activated, this, &TimeGridPanel::cbTime_Click);
    connect(cmdADD, &QPushButton::clicked, this, &TimeGridPanel::cmdADD_Click);
    connect(cmdSUB, &QPushButton::clicked, this, &TimeGridPanel::cmdSUB_Click);
    connect(cmdCLEARAll, &QPushButton::clicked, this, &TimeGridPanel::cmdCLEARAll_Click);
    connect(TimeGrid, &Grid::CellClicked, this, [this](int, int) { TimeGrid_CellClicked(); });
    connect(TimeGrid, &Grid::KeyDownInGrid, this, &TimeGridPanel::TimeGrid_DeleteKey);
    TimeGrid->setCharTyped([this](int keyAscii) { return TimeGrid_TimeCharTyped(keyAscii); });
    TimeGrid->setValidateEdit([this](int row, int col) { return TimeGrid_ValidateEdit(row, col); });
    connect(TimeGrid, &Grid::EditFocusLost, this, &TimeGridPanel::TimeGrid_FocusLost);
}

QString TimeGridPanel::bookingYearText() const {
    return CBYear->currentText();
}
QString TimeGridPanel::bookingMonthText() const {
    return CBMonth->currentText();
}

void TimeGridPanel::setBookingMonth(const QString& monthText, const QString& yearText) {
    ShowEntry(CBMonth, monthText);
    ShowEntry(CBYear, yearText);
}

const QString& TimeGridPanel::SetMonthNoFromBookMonth() {
    if (auto no = ListDate::MonthNoFromName(Latin1::ToBytes(CBMonth->currentText())))
        monthNo_ = QString::fromStdString(*no);
    return monthNo_;
}

void TimeGridPanel::applyReadOnly(bool readOnly) {
    for (QPushButton* b : {cmdADD, cmdSUB, cmdCLEARAll})
        b->setEnabled(!readOnly);
    TimeGrid->setReadOnly(readOnly);
}

void TimeGridPanel::tick(bool clockInTimesList) {
    if (!shDayBorder->isHidden())
        shDayBorder->hide();
    if (clockInTimesList) {
        cbTime->setCurrentText(QString::fromStdString(Clock::Now().TimeText()));
        laSelTime->setText(QStringLiteral("Time Now"));
    } else if (laSelTime->text() == u"Time Now") {
        laSelTime->setText(QStringLiteral("Select"));
    }
}

std::string TimeGridPanel::shownMonth() {
    const std::string year = Text::Trim(Latin1::ToBytes(CBYear->currentText()));
    if (!ListDate::MonthNoFromName(Latin1::ToBytes(CBMonth->currentText())) || year.size() < 2)
        return {};
    return BookedYearMonth(year, Latin1::ToBytes(SetMonthNoFromBookMonth()));
}

void TimeGridPanel::fillTimes(const TimeCellTexts& times) {
    for (int row = 1; row < TimeGrid->Rows() && row <= BookingFields::DayCount; ++row) {
        GridCell cell = TimeGrid->Cell(row, 1);
        cell.setText(Latin1::FromBytes(times[static_cast<std::size_t>(row - 1)]));
        cell.setForeColor(0);
    }
}

void TimeGridPanel::takeBooking(const std::string& regNo,
                                const std::array<std::string, BookingFields::DayCount>& dayTimes) {
    const std::string number = Text::Trim(regNo);
    ownMonth_ = BookingRules::IsBookingNumber(number) ? std::string(BookedMonthOf(number).yymm) : std::string();
    for (std::size_t d = 0; d < dayTimes.size(); ++d) {
        const std::string slot = Text::Trim(dayTimes[d]);
        ownTimes_[d] = slot.empty() ? std::string() : SlotAsTime(slot);
    }
    if (!ownMonth_.empty() && gridMonth_ == ownMonth_)
        fillTimes(ownTimes_);
}

void TimeGridPanel::dropBooking() {
    ownMonth_.clear();
    ownTimes_ = {};
}

TimeCellTexts TimeGridPanel::bookingTimes() const {
    return gridMonth_ == ownMonth_ ? timeTexts() : ownTimes_;
}

// Another booking month: a booking's own times are kept while another month
// is shown, and come back with their month.
void TimeGridPanel::CBMonth_Click() {
    if (!ownMonth_.empty() && gridMonth_ == ownMonth_)
        ownTimes_ = timeTexts();
    const LocalDateTime today = Clock::Now();
    const std::string month = Latin1::ToBytes(CBMonth->currentText()).substr(0, 3);
    const std::string thisMonth = ListDate::MonthNames()[today.month - 1].substr(0, 3);
    if (month == thisMonth && CBYear->currentText() == QString::number(today.year))
        BuildTimeGridMonth();
    else
        BuildTimeGridMonthFromRecord();
    if (!ownMonth_.empty() && gridMonth_ == ownMonth_)
        fillTimes(ownTimes_);
}

void TimeGridPanel::CBYear_Click() {
    CBMonth_Click();
}

void TimeGridPanel::BuildTimeGridMonth() {
    Grid* g = TimeGrid;
    g->setRedraw(false);
    g->setCols(2);
    g->Column(0).setWidth(DayColumnWidth);
    g->Column(1).setWidth(40);
    g->Column(0).setAlignment(6);
    g->Column(1).setAlignment(10);
    g->Cell(0, 0).setText(CBMonth->currentText());
    g->Cell(0, 1).setText(QStringLiteral("Due In"));
    openDays(g);

    const std::string month = Latin1::ToBytes(CBMonth->currentText());
    const std::string year = Latin1::ToBytes(CBYear->currentText());
    g->setRows(TimeGridRules::RowsForMonth(month, year));
    const int today = Clock::Now().day;
    const std::vector<std::string> texts = TimeGridRules::CurrentMonthDayTexts(month, year, today);
    int dayWidth = DayColumnWidth; // the widest day text, today's marker included, shows whole
    for (std::size_t i = 0; i < texts.size() && static_cast<int>(i) + 1 < g->Rows(); ++i) {
        const QString text = Latin1::FromBytes(texts[i]);
        g->Cell(static_cast<int>(i) + 1, 0).setText(text);
        dayWidth = std::max(dayWidth, g->WidthToShow(text));
    }
    g->Column(0).setWidth(dayWidth);
    if (today < g->Rows())
        g->Cell(today, 0).Select();

    const int closed = TimeGridRules::ClosedRowCount(texts);
    for (int r = 1; r <= closed && r < g->Rows(); ++r)
        closeDay(g, r);
    g->setRedraw(true);
    g->Refresh();
    fitGridToColumns();
    gridMonth_ = shownMonth();
}

// A day text wider than the design allows (today in a short February) grows
// the grid into its frame's margins, so the times beside it stay whole too.
void TimeGridPanel::fitGridToColumns() {
    Grid* g = TimeGrid;
    QWidget* area = g->parentWidget();
    const int needed = g->columnWidth(0) + g->columnWidth(1) +
                       g->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, g) + 2 * g->frameWidth();
    const int width = std::clamp(needed, GridPlace.width(), area->width() - 2);
    const int x = std::max(1, GridPlace.center().x() + 1 - width / 2);
    g->setGeometry(x, GridPlace.y(), width, GridPlace.height());
    const QRect border = g->geometry().adjusted(-BorderMargin, -BorderMargin, BorderMargin, BorderMargin);
    shDayBorder->setGeometry(border.intersected(area->rect()));
}

void TimeGridPanel::BuildTimeGridMonthFromRecord() {
    Grid* g = TimeGrid;
    g->setRedraw(false);
    g->Cell(0, 0).setText(CBMonth->currentText());
    openDays(g);
    const std::string month = Latin1::ToBytes(CBMonth->currentText());
    const std::string year = Latin1::ToBytes(CBYear->currentText());
    const std::vector<std::string> texts = TimeGridRules::OtherMonthDayTexts(month, year);
    if (texts.empty()) {
        g->setRows(32);
        MsgBox(QString::fromLatin1(TimeGridRules::ArrayBoundaryText), vb::vbExclamation,
               QString::fromLatin1(TimeGridRules::ArrayBoundaryTitle), window_);
    } else {
        g->setRows(TimeGridRules::RowsForMonth(month, year));
        for (std::size_t i = 0; i < texts.size() && static_cast<int>(i) + 1 < g->Rows(); ++i)
            g->Cell(static_cast<int>(i) + 1, 0).setText(Latin1::FromBytes(texts[i]));
    }
    SetMonthNoFromBookMonth();
    const LocalDateTime today = Clock::Now();
    if (TimeGridRules::IsMonthPast(Latin1::ToBytes(monthNo_), year, today.year, today.month))
        for (int r = 1; r < g->Rows(); ++r)
            closeDay(g, r);
    g->setRedraw(true);
    g->Refresh();
    gridMonth_ = shownMonth();
}

bool TimeGridPanel::showBookingMonth(const std::string& regNo) {
    const BookedMonth booked = BookedMonthOf(regNo);
    const long year = BookingCentury + Text::Val(booked.yy);
    const long month = booked.mm.size() == 2 ? Text::Val(booked.mm) : 0;
    if (year < FirstListedYear || year > BookingCentury + 99 || month < 1 || month > 12)
        return false;
    CBYear->setCurrentIndex(static_cast<int>(year - FirstListedYear));
    CBYear_Click();
    CBMonth->setCurrentIndex(static_cast<int>(month - 1));
    CBMonth_Click();
    return true;
}

void TimeGridPanel::showTimes(const std::array<std::string, BookingFields::DayCount>& dayTimes) {
    int lastBooked = 1;
    for (int row = 1; row < TimeGrid->Rows() && row <= BookingFields::DayCount; ++row) {
        const std::string& slot = dayTimes[static_cast<std::size_t>(row - 1)];
        GridCell cell = TimeGrid->Cell(row, 1);
        if (!Text::Trim(slot).empty()) {
            cell.setText(Latin1::FromBytes(SlotAsTime(slot)));
            lastBooked = row;
        }
        cell.setForeColor(0);
    }
    TimeGrid->Cell(lastBooked, 1).Select();
}

TimeCellTexts TimeGridPanel::timeTexts() const {
    TimeCellTexts cells;
    for (int r = 1; r < TimeGrid->Rows() && r <= BookingFields::DayCount; ++r)
        cells[static_cast<std::size_t>(r - 1)] = Latin1::ToBytes(TimeGrid->Cell(r, 1).Text());
    return cells;
}

void TimeGridPanel::clearTimes() {
    for (int r = 1; r < TimeGrid->Rows(); ++r)
        TimeGrid->Cell(r, 1).setText(QString());
}

void TimeGridPanel::cbTime_Click() {
    laSelTime->setText(QStringLiteral("Select"));
}

void TimeGridPanel::TimeGrid_CellClicked() {
    state_.HelpTopic = StartUp::HelpTopics::BookingTime;
    if (state_.options().readOnly())
        return;
    shDayBorder->hide();
    if (TimeGrid->ActiveCell().BackColor() == White)
        TimeGrid->Selection().setForeColor(Red);
}

void TimeGridPanel::cmdADD_Click() {
    const CommandGuard running(window_);
    if (!running)
        return;
    state_.HelpTopic = StartUp::HelpTopics::BookingTime;
    if (state_.options().readOnly())
        return;
    GridCell cell = TimeGrid->ActiveCell();
    if (cell.Row() == 0) {
        MsgBox(QString::fromLatin1(TimeGridRules::NoDaySelectedText), vb::vbExclamation, QStringLiteral("Kestrane"),
               window_);
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

void TimeGridPanel::cmdSUB_Click() {
    const CommandGuard running(window_);
    if (!running)
        return;
    state_.HelpTopic = StartUp::HelpTopics::BookingTime;
    if (state_.options().readOnly())
        return;
    GridCell cell = TimeGrid->ActiveCell();
    if (cell.Col() != 0) {
        cell.setText(QString());
        state_.BookingsChanged = true;
    }
}

void TimeGridPanel::cmdCLEARAll_Click() {
    const CommandGuard running(window_);
    if (!running)
        return;
    if (state_.options().readOnly())
        return;
    for (int r = 1; r < TimeGrid->Rows(); ++r) {
        TimeGrid->Cell(r, 1).setText(QString());
        state_.BookingsChanged = true;
    }
}

void TimeGridPanel::TimeGrid_DeleteKey(int keyCode, int /*shift*/) {
    if (keyCode == vb::vbKeyDelete)
        state_.BookingsChanged = true;
}

int TimeGridPanel::TimeGrid_TimeCharTyped(int keyAscii) {
    switch (TimeGridRules::ClassifyTypedKey(keyAscii)) {
    case TimeGridRules::TypedKey::Pass:
        state_.BookingsChanged = true;
        return keyAscii;
    case TimeGridRules::TypedKey::Drop:
        return 0;
    case TimeGridRules::TypedKey::Book:
        cmdADD_Click();
        return 0;
    case TimeGridRules::TypedKey::Remove:
        cmdSUB_Click();
        return 0;
    }
    return keyAscii;
}

bool TimeGridPanel::TimeGrid_ValidateEdit(int row, int col) {
    GridCell cell = TimeGrid->Cell(row, col);
    cell.setForeColor(Black);
    const TimeGridRules::TimeEntryCheck check = TimeGridRules::CheckTimeEntry(Latin1::ToBytes(cell.Text()));
    cell.setText(Latin1::FromBytes(check.text));
    committed_ = {row, col, check.text};
    if (check.message)
        MsgBox(QString::fromLatin1(check.message), vb::vbExclamation, QStringLiteral("Kestrane"), window_);
    if (check.emptied)
        cell.setForeColor(Red);
    return check.emptied;
}

void TimeGridPanel::TimeGrid_FocusLost() {
    CheckTimeGridEntry();
}

void TimeGridPanel::CheckTimeGridEntry() {
    GridCell cell = TimeGrid->ActiveCell();
    cell.setForeColor(Black);
    // The entry just committed was checked then, and told about once.
    const bool justChecked =
        committed_.row == cell.Row() && committed_.col == cell.Col() && committed_.text == Latin1::ToBytes(cell.Text());
    committed_ = {};
    if (cell.Row() == 0 || cell.Col() != 1 || justChecked)
        return;
    const TimeGridRules::TimeEntryCheck check = TimeGridRules::CheckTimeEntry(Latin1::ToBytes(cell.Text()));
    if (check.text != Latin1::ToBytes(cell.Text()))
        cell.setText(Latin1::FromBytes(check.text));
    if (check.message) {
        MsgBox(QString::fromLatin1(check.message), vb::vbExclamation, QStringLiteral("Kestrane"), window_);
        if (check.emptied)
            TimeGrid->setFocus();
    }
}
