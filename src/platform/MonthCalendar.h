#pragma once

#include <QCalendarWidget>
#include <QDate>
#include <QString>

// The month calendar the windows use: a date value set from a date or a date
// text and read back by day, month and year, and a double-click event.
class MonthCalendar : public QCalendarWidget {
    Q_OBJECT
  public:
    explicit MonthCalendar(QWidget* parent = nullptr);

    QDate Value() const { return selectedDate(); }
    void setValue(const QDate& date);
    // Accepts "d-m-yyyy", "dd-mm-yyyy" and "dd/mm/yyyy". A text that names no
    // real date (day 0, 31 April) leaves the calendar on a valid date: the last
    // day of that month when month and year are sound, else unchanged. Returns
    // whether the text was a valid date.
    bool setValueText(const QString& text);
    QString ValueText() const; // "dd/mm/yyyy"

    int Day() const { return selectedDate().day(); }
    int Month() const { return selectedDate().month(); }
    int Year() const { return selectedDate().year(); }

  signals:
    void DblClick();
};
