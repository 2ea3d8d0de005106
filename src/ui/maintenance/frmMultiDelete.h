#pragma once

#include "core/ProgramState.h"

#include <QDialog>

#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// Deletes many bookings at once: a year, a month, the bookings of a day, or
// only those of a month or day that hold a text in a search field. The desk
// creates it once; Cancel and a month deletion only hide it, so its choices
// stay until the desk closes. A deletion leaves its status for the desk in
// StatusMessage and StatusPending.
class frmMultiDelete : public QDialog {
    Q_OBJECT
  public:
    explicit frmMultiDelete(ProgramState& state, QWidget* mainWindow);

    void Form_Load();
    void Form_Activate();
    void cmdMDELCancel_Click();
    void cmdMDELDelete_Click();
    void CBDListBy_Click();
    void CBMDELDay_Click();
    void CBMDELMonth_Click();
    void SetFindControlsEnabled(bool enabled);
    void SetMonthNumber();
    // Shows the selection's messages; returns whether it is invalid.
    bool ValidateSelection();
    void DeleteMonthBookings();
    void DeleteYearBookings();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void buildControls();
    void setLabelColour(QLabel* label, long bgr);
    void finishMonthDeletion(const std::string& status);

    ProgramState& state_;
    std::string DeleteMonthNo = "01";

    QComboBox* CBMDELDay = nullptr;
    QComboBox* CBMDELMonth = nullptr;
    QComboBox* CBMDELYear = nullptr;
    QComboBox* CBDListBy = nullptr;
    QLineEdit* DFindTB = nullptr;
    QLabel* DSearchLa = nullptr;
    QLabel* laFWoP = nullptr;
    QLabel* LaLeaveB = nullptr;
    QLabel* laMDelDay = nullptr;
    QLabel* laMDelMonth = nullptr;
    QLabel* laMDelYear = nullptr;
    QPushButton* cmdMDELDelete = nullptr;
    QPushButton* cmdMDELCancel = nullptr;
};
