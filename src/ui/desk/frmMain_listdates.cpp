// The list date: day, month and year boxes, their check, and the calendar panel.
#include "ui/desk/frmMain.h"

#include "ui/desk/BookingBoxes.h"

#include "core/Clock.h"
#include "core/TextUtil.h"
#include "core/desk/ListDate.h"
#include "core/desk/SearchFields.h"
#include "platform/Grid.h"
#include "platform/MonthCalendar.h"
#include "platform/MsgBox.h"
#include "platform/VbColor.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

void warn(QWidget* parent, const std::string& text) {
    MsgBox(QString::fromLatin1(text.c_str()), vb::vbExclamation, QStringLiteral("Kestrane"), parent);
}
} // namespace

void frmMain::SetComboTextColour(QComboBox* box, long bgr) {
    if (QLineEdit* edit = box->lineEdit()) {
        QPalette pal = edit->palette();
        pal.setColor(QPalette::Text, VbColor(bgr));
        edit->setPalette(pal);
    }
}

void frmMain::SelectListDay(int index) {
    CBGetDay->setCurrentIndex(index);
    CBGetDay_Click();
}

void frmMain::SelectListMonth(int index) {
    CBGetMonth->setCurrentIndex(index);
    CBGetMonth_Click();
}

void frmMain::SetMonthNoFromListMonth() {
    if (auto no = ListDate::MonthNoFromName(BookingBoxes::ToBytes(CBGetMonth->currentText())))
        MonthNo_ = QString::fromStdString(*no);
}

void frmMain::SetMonthNoFromBookMonth() {
    if (auto no = ListDate::MonthNoFromName(BookingBoxes::ToBytes(CBMonth->currentText())))
        MonthNo_ = QString::fromStdString(*no);
}

void frmMain::CBGetDay_Click() {
    SetMonthNoFromListMonth();
    Calendar1->setValueText(QString::fromStdString(
        ListDate::ListDateText(BookingBoxes::ToBytes(CBGetDay->currentText()), BookingBoxes::ToBytes(MonthNo_),
                               BookingBoxes::ToBytes(CBGetYear->currentText()))));
    SetComboTextColour(CBGetDay, 0);
    ValidateSelectedDate();
    StatGrid->setReadOnly(true);
    ListDayBookings();
}

void frmMain::CBGetMonth_Click() {
    SetMonthNoFromListMonth();
    Calendar1->setValueText(QString::fromStdString(
        ListDate::ListDateText(BookingBoxes::ToBytes(CBGetDay->currentText()), BookingBoxes::ToBytes(MonthNo_),
                               BookingBoxes::ToBytes(CBGetYear->currentText()))));
    ValidateSelectedDate();
    StatGrid->setReadOnly(true);
    ListMonthBookings();
}

void frmMain::CBGetYear_Click() {
    CBGetMonth_Click();
}

void frmMain::ValidateSelectedDate() {
    InvalidDate_ = false;
    const QString dayText = CBGetDay->currentText();
    const int index = CBGetDay->findText(dayText) >= 0 ? CBGetDay->findText(dayText) : -1;
    const ListDate::DateCheck check = ListDate::ValidateSelectedDate(index, BookingBoxes::ToBytes(dayText),
                                                                     BookingBoxes::ToBytes(CBGetMonth->currentText()),
                                                                     BookingBoxes::ToBytes(CBGetYear->currentText()));
    if (!check.message.empty())
        warn(this, check.message);
    if (check.correctedDay >= 0)
        SelectListDay(check.correctedDay);
    if (!check.yearMessage.empty())
        warn(this, check.yearMessage);
    InvalidDate_ = check.invalid;
}

void frmMain::cmdListCal_Click() {
    state_.HelpTopic = 24;
    SetMonthNoFromListMonth();
    const QString date = state_.settings.CalendarOpensAtToday != "1"
                             ? QString::fromStdString(ListDate::ListDateText(
                                   BookingBoxes::ToBytes(CBGetDay->currentText()), BookingBoxes::ToBytes(MonthNo_),
                                   BookingBoxes::ToBytes(CBGetYear->currentText())))
                             : QString::fromStdString(Clock::Now().DateText());
    if (!PicCal1->isHidden()) {
        PicCal1->hide();
    } else {
        PicCal1->show();
        PicCal1->raise();
        Calendar1->setValueText(date);
    }
    Fraim1->update();
}

// The calendar's date goes into the boxes. The year is taken first so that
// the lists the day and month choices run are those of the date picked.
void frmMain::Calendar1_DblClick() {
    const int day = Calendar1->Day(), month = Calendar1->Month(), year = Calendar1->Year();
    CBGetYear->setEditText(QString::number(year));
    SelectListDay(day);
    SelectListMonth(month - 1);
    PicCal1->hide();
}

namespace {
void stepCalendar(MonthCalendar* calendar, bool forward) {
    const QString t = calendar->ValueText(); // "dd/mm/yyyy"
    const ListDate::CalendarDate now{static_cast<int>(Text::Val(t.mid(0, 2).toStdString())),
                                     static_cast<int>(Text::Val(t.mid(3, 2).toStdString())),
                                     static_cast<int>(Text::Val(t.mid(6, 4).toStdString()))};
    const ListDate::CalendarDate next = forward ? ListDate::StepMonthForward(now) : ListDate::StepMonthBack(now);
    calendar->setValueText(QStringLiteral("%1/%2/%3")
                               .arg(next.day, 2, 10, QLatin1Char('0'))
                               .arg(next.month, 2, 10, QLatin1Char('0'))
                               .arg(next.year, 4, 10, QLatin1Char('0')));
}
} // namespace

void frmMain::cmdCalDECR_Click() {
    stepCalendar(Calendar1, false);
}
void frmMain::cmdCalINCR_Click() {
    stepCalendar(Calendar1, true);
}

void frmMain::ConnectDateAndTimeHandlers() {
    for (QComboBox* c : {CBGetDay, CBGetMonth, CBGetYear, CBMonth, CBYear, cbTime, CBListBy, CataCB, Dept1CB})
        c->setInsertPolicy(QComboBox::NoInsert);
    connect(CBGetDay, &QComboBox::activated, this, &frmMain::CBGetDay_Click);
    connect(CBGetMonth, &QComboBox::activated, this, &frmMain::CBGetMonth_Click);
    connect(CBGetYear, &QComboBox::activated, this, &frmMain::CBGetYear_Click);
    connect(cmdListCal, &QPushButton::clicked, this, &frmMain::cmdListCal_Click);
    connect(Calendar1, &MonthCalendar::DblClick, this, &frmMain::Calendar1_DblClick);
    connect(cmdCalDECR, &QPushButton::clicked, this, &frmMain::cmdCalDECR_Click);
    connect(cmdCalINCR, &QPushButton::clicked, this, &frmMain::cmdCalINCR_Click);

    for (std::string_view key : SearchFields::ListByKeys())
        CBListBy->addItem(QString::fromLatin1(key.data(), static_cast<qsizetype>(key.size())));
    CBListBy->setToolTip(QStringLiteral(" Narrows the search for any text typed into the find box "));
    MainFindTB->setToolTip(QStringLiteral(" Find anything within a record, including registration number(s) "));
    SearchLa->setText(QStringLiteral("SEARCH FOR"));
    connect(CBListBy, &QComboBox::activated, this, &frmMain::CBListBy_Click);

    connect(CBMonth, &QComboBox::activated, this, &frmMain::CBMonth_Click);
    connect(CBYear, &QComboBox::activated, this, &frmMain::CBYear_Click);
    connect(cbTime, &QComboBox::activated, this, &frmMain::cbTime_Click);
    connect(cmdADD, &QPushButton::clicked, this, &frmMain::cmdADD_Click);
    connect(cmdSUB, &QPushButton::clicked, this, &frmMain::cmdSUB_Click);
    connect(cmdCLEARAll, &QPushButton::clicked, this, &frmMain::cmdCLEARAll_Click);
    connect(TimeGrid, &Grid::CellClicked, this, [this](int, int) { TimeGrid_CellClicked(); });
    connect(TimeGrid, &Grid::KeyDownInGrid, this, &frmMain::TimeGrid_DeleteKey);
    connect(TimeGrid, &Grid::CharTyped, this, &frmMain::TimeGrid_TimeCharTyped);
    connect(TimeGrid, &Grid::ValidateEdit, this, &frmMain::TimeGrid_ValidateEdit);
    connect(TimeGrid, &Grid::EditFocusLost, this, &frmMain::TimeGrid_FocusLost);
}
