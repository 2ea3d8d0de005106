#pragma once

#include "core/ProgramState.h"
#include "core/desk/ArrivalDeparture.h"
#include "core/desk/DayStatusFile.h"

#include <QObject>

class BookingFormPanel;
class ClickLabel;
class QWidget;

// Arrival and departure of the booking on the form: the two time labels, the
// stamps of the On-Site and Off-Site buttons, their undoing, and today's
// status file they are written to.
class ArrivalPanel : public QObject {
    Q_OBJECT
  public:
    ArrivalPanel(ProgramState& state, QWidget* area, QWidget* window, BookingFormPanel& form);

    void cmdIN_Click();
    void cmdOUT_Click();
    void LaON_Site_Change();
    void LaOFFSite_Change();
    void LaON_Site_DblClick();
    void LaOFFSite_DblClick();
    void UpdateStatusLine();
    // Rebuilds today's status file; a failure is shown in the caption.
    DayStatus::BuildResult BuildDayStatusFile();
    // The labels of the booking on the form, from today's status file.
    void ShowArrivalAndDeparture();
    void clear();

  signals:
    // Today's status file changed: the list on screen is rebuilt.
    void statusWritten();
    // A stamp was given: the focus goes to the find box.
    void stamped();

  private:
    void showLooks(const ArrivalDeparture::LabelLooks& looks);
    void apply(const ArrivalDeparture::StampResult& result);
    ArrivalDeparture::StampForm stampForm() const;

    ProgramState& state_;
    QWidget* window_;
    BookingFormPanel& form_;
    ClickLabel* LaON_Site;
    ClickLabel* LaOFFSite;
};
