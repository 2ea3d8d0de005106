#pragma once

#include "ui/desk/DetailDialog.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The visitor's personal details: home address, health notes and a next of kin.
class frmPDetail : public DetailDialog {
    Q_OBJECT
  public:
    explicit frmPDetail(ProgramState& state, QWidget* parent = nullptr);

    void cmdCancePD_Click();
    void cmdOKPD_Click();
    void cmdPCLEAR_Click();
    void Form_Load();
    void ShowFields();
    void PersIOPDTB_Change();
    void PersIOPMck_Click();
    void PersKinEMATB_LostFocus();
    void PersSWIUTB_Change();
    void SalCB_Click();
    void PersOurRefTB_Change();
    void PersA1LineTB_Change();
    void PersTownTB_Change();
    void PersCountyTB_Change();
    void PersPCTB_Change();
    void PersHTNTB_Change();
    void PersDOBTB_Change();
    void PersKinNameTB_Change();
    void PersKinTelTB_Change();
    void PersKinWTelTB_Change();
    void PersKinEMATB_Change();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildControls();

    QLineEdit* PersRegNoTB = nullptr;
    QComboBox* SalCB = nullptr;
    QLineEdit* PersFullNaTB = nullptr;
    QLineEdit* Genbox3TB = nullptr;
    QLineEdit* PersOurRefTB = nullptr;
    QLineEdit* PersA1LineTB = nullptr;
    QLineEdit* PersTownTB = nullptr;
    QLineEdit* PersCountyTB = nullptr;
    QLineEdit* PersPCTB = nullptr;
    QLineEdit* PersHTNTB = nullptr;
    QLineEdit* PersDOBTB = nullptr;
    QCheckBox* PersIOPMck = nullptr;
    QLineEdit* PersSWIUTB = nullptr;
    QPlainTextEdit* PersIOPDTB = nullptr;
    QLineEdit* PersKinNameTB = nullptr;
    QLineEdit* PersKinTelTB = nullptr;
    QLineEdit* PersKinWTelTB = nullptr;
    QLineEdit* PersKinEMATB = nullptr;
    QPushButton* cmdOKPD = nullptr;
    QPushButton* cmdCancePD = nullptr;
    QPushButton* cmdPCLEAR = nullptr;
};
