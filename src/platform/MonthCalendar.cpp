#include "platform/MonthCalendar.h"

#include <QRegularExpression>

MonthCalendar::MonthCalendar(QWidget* parent) : QCalendarWidget(parent) {
    setGridVisible(true);
    setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    // Double-click (and Enter) on a day is the calendar's "take this date".
    connect(this, &QCalendarWidget::activated, this, [this](const QDate&) { emit DblClick(); });
}

void MonthCalendar::setValue(const QDate& date) {
    if (date.isValid()) {
        setSelectedDate(date);
        setCurrentPage(date.year(), date.month());
    }
}

bool MonthCalendar::setValueText(const QString& text) {
    static const QRegularExpression re(QStringLiteral("^\\s*(\\d{1,2})[-/](\\d{1,2})[-/](\\d{4})\\s*$"));
    const auto m = re.match(text);
    if (!m.hasMatch())
        return false;
    const int d = m.captured(1).toInt(), mo = m.captured(2).toInt(), y = m.captured(3).toInt();
    const QDate date(y, mo, d);
    if (date.isValid()) {
        setValue(date);
        return true;
    }
    const QDate first(y, mo, 1);
    if (first.isValid() && d > first.daysInMonth())
        setValue(QDate(y, mo, first.daysInMonth()));
    return false;
}

QString MonthCalendar::ValueText() const {
    return selectedDate().toString(QStringLiteral("dd/MM/yyyy"));
}
