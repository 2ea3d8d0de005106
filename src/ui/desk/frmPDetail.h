#pragma once

#include "ProgramState.h"

#include <QDialog>

#include <array>
#include <string>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The visitor's personal details: home address, health notes and a next of
// kin. Edits the current booking's fields as the user types; Cancel puts back
// the values the window found when it opened. Saving stays with the main window.
class frmPDetail : public QDialog {
    Q_OBJECT
  public:
    explicit frmPDetail(ProgramState& state, QWidget* parent = nullptr);

    void CentreForm();
    void cmdCancePD_Click();
    void cmdOKPD_Click();
    void cmdPCLEAR_Click();
    void Form_KeyDown(int keyCode, int shift);
    void Form_Load();
    void ShowFields();
    void Form_Unload();
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
    void SnapshotFields();
    void RestoreFields();
    void SalCB_Change();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void done(int result) override;

  private:
    void buildControls();

    ProgramState& state_;

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

    // The editable fields, in the order their copies are kept.
    static constexpr std::array<int, 15> EditedFields{BookingFields::iSalutation,
                                                      BookingFields::iOurReference,
                                                      BookingFields::iAddressLine,
                                                      BookingFields::iTown,
                                                      BookingFields::iCounty,
                                                      BookingFields::iPostCode,
                                                      BookingFields::iHomePhone,
                                                      BookingFields::iDateOfBirth,
                                                      BookingFields::iOnPrescriptionMedicine,
                                                      BookingFields::iMedicineUsed,
                                                      BookingFields::iPrescriptionNotes,
                                                      BookingFields::iKinName,
                                                      BookingFields::iKinPhone,
                                                      BookingFields::iKinWorkPhone,
                                                      BookingFields::iKinEmail};
    std::array<std::string, EditedFields.size()> savedFields_;
};
