#pragma once

#include "core/ProgramState.h"

#include <QObject>
#include <QString>

class MonthCalendar;
class QComboBox;
class QFrame;
class QPushButton;
class QWidget;

// The list date: the day, month and year boxes over the list area, their
// check, and the calendar panel that opens under its button. Choosing a day
// asks for the day list, a month or a year for the month list.
class ListDatesPanel : public QObject {
    Q_OBJECT
  public:
    // The boxes go into area; the calendar panel opens over the window.
    ListDatesPanel(ProgramState& state, QWidget* area, QWidget* window);

    void CBGetDay_Click();
    void CBGetMonth_Click();
    void CBGetYear_Click();
    // Checks the boxes (correcting a day beyond the month's end) and returns
    // whether the date cannot be listed.
    bool ValidateSelectedDate();
    // The month box's number "01".."12"; a text that is no month name keeps the last one.
    const QString& SetMonthNoFromListMonth();
    void cmdListCal_Click();
    void Calendar1_DblClick();
    void cmdCalDECR_Click();
    void cmdCalINCR_Click();
    // Selecting an entry from code runs the choice handler, as a user's choice does.
    void SelectListDay(int index);

    QString dayText() const;
    QString monthText() const;
    QString yearText() const;
    // The boxes set to a date without running their handlers.
    void setDate(int dayIndex, const QString& monthText, const QString& yearText);
    void setDayText(const QString& text);
    void setMonthAndYear(const QString& monthText, const QString& yearText);
    // The day box's text colour: greyed while the month list ignores it.
    void setDayColour(long bgr);
    void setCalendarDate(int year, int month, int day);
    // Where the calendar panel opens, in window pixels.
    void placeCalendar(int x, int y);

  signals:
    void dayChosen();
    void monthChosen();

  private:
    void warn(const std::string& text);
    void showDateInCalendar();

    ProgramState& state_;
    QWidget* window_;
    QWidget* area_;
    QComboBox* CBGetDay;
    QComboBox* CBGetMonth;
    QComboBox* CBGetYear;
    QPushButton* cmdListCal;
    QFrame* PicCal1;
    MonthCalendar* Calendar1;
    QPushButton* cmdCalDECR;
    QPushButton* cmdCalINCR;
    QString monthNo_;
    bool invalidDate_ = false;
};
