#pragma once

#include "core/ProgramState.h"
#include "core/desk/BookingRecord.h"

#include <QObject>
#include <QString>

class Grid;
class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QWidget;

// The booking month and its time grid: one row per day, the expected time
// beside it, the time box and the "+", "-" and "Clear All" buttons.
class TimeGridPanel : public QObject {
    Q_OBJECT
  public:
    TimeGridPanel(ProgramState& state, QWidget* area, QWidget* window);

    void CBMonth_Click();
    void CBYear_Click();
    void BuildTimeGridMonth();
    void BuildTimeGridMonthFromRecord();
    void cbTime_Click();
    void cmdADD_Click();
    void cmdSUB_Click();
    void cmdCLEARAll_Click();
    void TimeGrid_CellClicked();
    void TimeGrid_DeleteKey(int keyCode, int shift);
    int TimeGrid_TimeCharTyped(int keyAscii);
    bool TimeGrid_ValidateEdit(int row, int col);
    void TimeGrid_FocusLost();
    void CheckTimeGridEntry();

    // The booking month boxes' number "01".."12"; a text that is no month name keeps the last one.
    const QString& SetMonthNoFromBookMonth();
    QString bookingYearText() const;
    QString bookingMonthText() const;
    // The booking month boxes set to the month of a booking number, the grid built for it.
    // False when the number names no month of the boxes.
    bool showBookingMonth(const std::string& regNo);
    void setBookingMonth(const QString& monthText, const QString& yearText);
    // Shows the booked times "hhmm" of a booking; the last booked day's cell is chosen.
    void showTimes(const std::array<std::string, BookingFields::DayCount>& dayTimes);
    TimeCellTexts timeTexts() const;
    void clearTimes();
    // The booking on the form and its stored times "hhmm"; while the grid
    // shows another month they are kept, with any edits made before, and
    // shown again when the grid comes back to the booking's month.
    void takeBooking(const std::string& regNo, const std::array<std::string, BookingFields::DayCount>& dayTimes);
    void dropBooking();
    // The times of the booking's own month, shown or kept.
    TimeCellTexts bookingTimes() const;
    void applyReadOnly(bool readOnly);
    // The window's clock tick: the red day border goes, the clock fills the time box.
    void tick(bool clockInTimesList);

  private:
    ProgramState& state_;
    QWidget* window_;
    QComboBox* CBMonth;
    QComboBox* CBYear;
    Grid* TimeGrid;
    QComboBox* cbTime;
    QLabel* laSelTime;
    QFrame* shDayBorder;
    QPushButton* cmdADD;
    QPushButton* cmdSUB;
    QPushButton* cmdCLEARAll;
    void fillTimes(const TimeCellTexts& times);
    void fitGridToColumns();
    std::string shownMonth(); // "yymm" of the booking month boxes

    QString monthNo_;
    std::string ownMonth_;   // "yymm" of the booking on the form, empty for none
    TimeCellTexts ownTimes_; // its times while the grid shows another month
    std::string gridMonth_;  // "yymm" the grid was last built for
    struct CheckedEntry {
        int row = -1;
        int col = -1;
        std::string text;
    } committed_; // the cell and text the last committed edit was checked with
};
