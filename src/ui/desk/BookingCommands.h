#pragma once

#include "core/ProgramState.h"
#include "core/desk/BookingRules.h"

#include <QObject>
#include <QString>

#include <functional>

class ArrivalPanel;
class BookingFormPanel;
class ListDatesPanel;
class ListsPanel;
class TimeGridPanel;
class QWidget;

// The commands on the booking being edited: save, new, delete, opening a
// booking from the list and showing it, and the questions about unsaved work
// that guard them. The rules decide; this asks, stores and shows.
class BookingCommands : public QObject {
    Q_OBJECT
  public:
    struct Panels {
        BookingFormPanel& form;
        TimeGridPanel& times;
        ArrivalPanel& arrival;
        ListsPanel& lists;
        ListDatesPanel& dates;
    };
    // status shows a message in the window's caption; an empty one restores the plain caption.
    BookingCommands(ProgramState& state, QWidget* window, Panels panels, std::function<void(const QString&)> status);

    bool SaveNewRecord();
    bool UpdateRecord();
    void cmdSAVE_Click();
    void cmdNEW_Click();
    void cmdDelete_Click();
    void StatGrid_RowChosen();
    void ShowRecord(bool setBookingMonth);
    void DeleteBooking();
    // The questions about unsaved work when the window closes; false keeps it open.
    bool offerUnsavedWorkOnClose();
    void ClearBookingForm();

    void setNewBooking(bool isNew) { newBooking_ = isNew; }

  private:
    bool SaveChangesCheck(BookingRules::AskedBy who);
    BookingRules::Situation situation();
    bool store(BookingRules::Action action, BookingRules::AskedBy who);
    void reloadFrom(const std::string& storedLine);
    bool askAndStore(BookingRules::Question q, BookingRules::AskedBy who, const BookingRules::Situation& s);
    QString bookingTitle() const;
    QString upperFirst() const;
    QString upperLast() const;
    int ask(const std::string& text, int style, const QString& title);

    ProgramState& state_;
    QWidget* window_;
    Panels p_;
    std::function<void(const QString&)> status_;
    bool newBooking_ = false;
    int stores_ = 0; // bookings stored so far: a choice of a row tells by it whether its questions stored one
};
