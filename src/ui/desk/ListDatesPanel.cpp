#include "ui/desk/ListDatesPanel.h"

#include "core/Clock.h"
#include "core/TextUtil.h"
#include "core/desk/ListDate.h"
#include "core/startup/Helpers.h"
#include "platform/Latin1Text.h"
#include "platform/MonthCalendar.h"
#include "platform/MsgBox.h"
#include "platform/VbColor.h"
#include "ui/common/Widgets.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

using namespace Widgets;

ListDatesPanel::ListDatesPanel(ProgramState& state, QWidget* area, QWidget* window)
    : QObject(area), state_(state), window_(window), area_(area) {
    Caption(area, QStringLiteral("Show BOOKINGS for"), 6, 0, 190, true);
    // The small captions over the day and month boxes.
    for (QLabel* small : {Caption(area, QStringLiteral("Bookings for"), 5, 18, 66),
                          Caption(area, QStringLiteral("Month"), 72, 18, 60)}) {
        QFont f = small->font();
        f.setPixelSize(10);
        small->setFont(f);
    }
    CBGetDay = Named(new QComboBox(area), "CBGetDay");
    for (const std::string& d : ListDate::DayEntries())
        CBGetDay->addItem(QString::fromStdString(d));
    CBGetDay->setEditable(true);
    CBGetDay->setGeometry(6, 36, 60, 24);
    CBGetMonth = Named(new QComboBox(area), "CBGetMonth");
    for (const std::string& m : ListDate::MonthNames())
        CBGetMonth->addItem(QString::fromStdString(m));
    CBGetMonth->setEditable(true);
    CBGetMonth->setGeometry(70, 36, 104, 24);
    cmdListCal = KeyMapButton(area, "cmdListCal", QStringLiteral("..."),
                              QStringLiteral(" Opens and closes a clickable calendar "), QRect(176, 36, 22, 24));
    cmdListCal->setIcon(area->style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    cmdListCal->setText(QString());
    Caption(area, QStringLiteral("Year"), 6, 63, 40);
    CBGetYear = Named(new QComboBox(area), "CBGetYear");
    for (int y = ListDate::FirstYear; y <= ListDate::LastYear(); ++y)
        CBGetYear->addItem(QString::number(y));
    CBGetYear->setEditable(true);
    CBGetYear->setGeometry(70, 61, 72, 23);

    // The calendar panel opens over the list area and the time grid.
    PicCal1 = Frame(window, "PicCal1", QRect(115, 112, 262, 214));
    PicCal1->setAutoFillBackground(true);
    Calendar1 = Named(new MonthCalendar(PicCal1), "Calendar1");
    Calendar1->setToolTip(QStringLiteral("Double-click to Enter a date and close the Calendar"));
    Calendar1->setGeometry(4, 4, 254, 176);
    cmdCalDECR = KeyMapButton(PicCal1, "cmdCalDECR", QStringLiteral("<"), QString(), QRect(4, 184, 40, 24));
    cmdCalINCR = KeyMapButton(PicCal1, "cmdCalINCR", QStringLiteral(">"), QString(), QRect(218, 184, 40, 24));
    PicCal1->hide();
    PicCal1->raise();

    for (QComboBox* c : {CBGetDay, CBGetMonth, CBGetYear})
        c->setInsertPolicy(QComboBox::NoInsert);
    connect(CBGetDay, &QComboBox::activated, this, &ListDatesPanel::CBGetDay_Click);
    connect(CBGetMonth, &QComboBox::activated, this, &ListDatesPanel::CBGetMonth_Click);
    connect(CBGetYear, &QComboBox::activated, this, &ListDatesPanel::CBGetYear_Click);
    connect(cmdListCal, &QPushButton::clicked, this, &ListDatesPanel::cmdListCal_Click);
    connect(Calendar1, &MonthCalendar::DblClick, this, &ListDatesPanel::Calendar1_DblClick);
    connect(cmdCalDECR, &QPushButton::clicked, this, &ListDatesPanel::cmdCalDECR_Click);
    connect(cmdCalINCR, &QPushButton::clicked, this, &ListDatesPanel::cmdCalINCR_Click);
}

void ListDatesPanel::warn(const std::string& text) {
    MsgBox(Latin1::FromBytes(text), vb::vbExclamation, QStringLiteral("Kestrane"), window_);
}

QString ListDatesPanel::dayText() const {
    return CBGetDay->currentText();
}
QString ListDatesPanel::monthText() const {
    return CBGetMonth->currentText();
}
QString ListDatesPanel::yearText() const {
    return CBGetYear->currentText();
}

void ListDatesPanel::setDate(int dayIndex, const QString& monthText, const QString& yearText) {
    CBGetDay->setCurrentIndex(dayIndex);
    ShowEntry(CBGetMonth, monthText);
    ShowEntry(CBGetYear, yearText);
}

void ListDatesPanel::setMonthAndYear(const QString& monthText, const QString& yearText) {
    ShowEntry(CBGetMonth, monthText);
    ShowEntry(CBGetYear, yearText);
}

void ListDatesPanel::setDayText(const QString& text) {
    CBGetDay->setEditText(text);
}

void ListDatesPanel::setDayColour(long bgr) {
    if (QLineEdit* edit = CBGetDay->lineEdit()) {
        QPalette pal = edit->palette();
        pal.setColor(QPalette::Text, VbColor(bgr));
        edit->setPalette(pal);
    }
}

void ListDatesPanel::setCalendarDate(int year, int month, int day) {
    Calendar1->setValue(QDate(year, month, day));
}

void ListDatesPanel::placeCalendar(int x, int y) {
    PicCal1->move(x, y);
}

void ListDatesPanel::SelectListDay(int index) {
    CBGetDay->setCurrentIndex(index);
    CBGetDay_Click();
}

const QString& ListDatesPanel::SetMonthNoFromListMonth() {
    if (auto no = ListDate::MonthNoFromName(Latin1::ToBytes(CBGetMonth->currentText())))
        monthNo_ = QString::fromStdString(*no);
    return monthNo_;
}

// The calendar follows the boxes' date (a day the month lacks keeps it on a valid one).
void ListDatesPanel::showDateInCalendar() {
    SetMonthNoFromListMonth();
    Calendar1->setValueText(QString::fromStdString(ListDate::ListDateText(Latin1::ToBytes(CBGetDay->currentText()),
                                                                          Latin1::ToBytes(monthNo_),
                                                                          Latin1::ToBytes(CBGetYear->currentText()))));
}

void ListDatesPanel::CBGetDay_Click() {
    showDateInCalendar();
    setDayColour(0);
    emit dayChosen(); // the day list checks the date, once
}

void ListDatesPanel::CBGetMonth_Click() {
    showDateInCalendar();
    emit monthChosen(); // the month list checks the date, once
}

void ListDatesPanel::CBGetYear_Click() {
    CBGetMonth_Click();
}

bool ListDatesPanel::ValidateSelectedDate() {
    invalidDate_ = false;
    const QString dayText = CBGetDay->currentText();
    const int index = CBGetDay->findText(dayText);
    const ListDate::DateCheck check =
        ListDate::ValidateSelectedDate(index, Latin1::ToBytes(dayText), Latin1::ToBytes(CBGetMonth->currentText()),
                                       Latin1::ToBytes(CBGetYear->currentText()));
    if (!check.message.empty())
        warn(check.message);
    if (check.correctedDay >= 0) {
        // The corrected day goes into the box and the calendar; the list that
        // asked for this check goes on with it, so nothing is listed or
        // warned about twice.
        CBGetDay->setCurrentIndex(check.correctedDay);
        showDateInCalendar();
    }
    if (!check.yearMessage.empty())
        warn(check.yearMessage);
    invalidDate_ = check.invalid;
    return invalidDate_;
}

void ListDatesPanel::cmdListCal_Click() {
    state_.HelpTopic = StartUp::HelpTopics::ListCalendar;
    SetMonthNoFromListMonth();
    const QString date = !state_.options().calendarOpensAtToday()
                             ? QString::fromStdString(ListDate::ListDateText(Latin1::ToBytes(CBGetDay->currentText()),
                                                                             Latin1::ToBytes(monthNo_),
                                                                             Latin1::ToBytes(CBGetYear->currentText())))
                             : QString::fromStdString(Clock::Now().DateText());
    if (!PicCal1->isHidden()) {
        PicCal1->hide();
    } else {
        PicCal1->show();
        PicCal1->raise();
        Calendar1->setValueText(date);
    }
    area_->update();
}

// The calendar's date goes into the boxes whole before it is checked, so the
// check and the list are those of the date picked, not of a mix of the old
// month and the new day.
void ListDatesPanel::Calendar1_DblClick() {
    const int day = Calendar1->Day(), month = Calendar1->Month(), year = Calendar1->Year();
    ShowEntry(CBGetYear, QString::number(year));
    CBGetMonth->setCurrentIndex(month - 1);
    PicCal1->hide();
    SelectListDay(day);
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

void ListDatesPanel::cmdCalDECR_Click() {
    stepCalendar(Calendar1, false);
}
void ListDatesPanel::cmdCalINCR_Click() {
    stepCalendar(Calendar1, true);
}
