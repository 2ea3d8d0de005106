#pragma once

#include "ui/desk/DetailDialog.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// Where the visitor goes on site and what they do there.
class frmDetail : public DetailDialog {
    Q_OBJECT
  public:
    explicit frmDetail(ProgramState& state, QWidget* parent = nullptr);

    void cmdCancelLocWD_Click();
    void cmdDCLEAR_Click();
    void cmdOKLocWD_Click();
    void Form_Load();
    void LoadPickLists();
    void ShowFields();
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

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildControls();

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
};
