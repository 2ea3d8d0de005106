#pragma once

#include "ProgramState.h"

#include <QDialog>

#include <array>
#include <string>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// Where the visitor goes on site and what they do there. Edits the current
// booking's fields as the user types; Cancel puts back the values the window
// found when it opened. Saving stays with the main window.
class frmDetail : public QDialog {
    Q_OBJECT
  public:
    explicit frmDetail(ProgramState& state, QWidget* parent = nullptr);

    void CentreForm();
    void cmdCancelLocWD_Click();
    void cmdDCLEAR_Click();
    void cmdOKLocWD_Click();
    void Form_KeyDown(int keyCode, int shift);
    void Form_Load();
    void LoadPickLists();
    void ShowFields();
    void Form_Unload();
    void LocInfoTB_Click();
    void LocOurRefTB_Change();
    void LocRestrTB_Click();
    void LocVisitingTB_Change();
    void LocTelTB_Change();
    void LocPagTB_Change();
    void LocLocTB_Change();
    void DescOWCB_Click();
    void LocInfoTB_Change();
    void SelectACB_Click();
    void LocRestrTB_Change();
    void SnapshotFields();
    void RestoreFields();

    static constexpr const char* SelectPlaceholder = " -  Select  - ";

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void done(int result) override;

  private:
    void buildControls();

    ProgramState& state_;

    QLineEdit* LocRegNoTB = nullptr;
    QLineEdit* LocCatTB = nullptr;
    QLineEdit* LocSaluTB = nullptr;
    QLineEdit* LocFullNameTB = nullptr;
    QLineEdit* LocDepTb = nullptr;
    QLineEdit* LocOurRefTB = nullptr;
    QLineEdit* LocVisitingTB = nullptr;
    QLineEdit* LocTelTB = nullptr;
    QLineEdit* LocPagTB = nullptr;
    QLineEdit* LocLocTB = nullptr;
    QComboBox* DescOWCB = nullptr;
    QComboBox* SelectACB = nullptr;
    QPlainTextEdit* LocInfoTB = nullptr;
    QPlainTextEdit* LocRestrTB = nullptr;
    QPushButton* cmdOKLocWD = nullptr;
    QPushButton* cmdCancelLocWD = nullptr;
    QPushButton* cmdDCLEAR = nullptr;

    // The editable fields, in the order their copies are kept.
    static constexpr std::array<int, 9> EditedFields{
        BookingFields::iOurReference,   BookingFields::iReportingTo, BookingFields::iHostPhone,
        BookingFields::iHostPager,      BookingFields::iLocation,    BookingFields::iWorkDescription,
        BookingFields::iAdditionalInfo, BookingFields::iAccessAreas, BookingFields::iRestrictions};
    std::array<std::string, EditedFields.size()> savedFields_;
};
