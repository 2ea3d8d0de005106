#pragma once

#include "core/ProgramState.h"
#include "core/passes/PassRules.h"

#include <QDialog>
#include <QString>

#include <string>

class BarcodeLabel;
class MonthCalendar;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

// The pass being prepared in the pass window, handed to the print window.
struct PreparedPass {
    std::string NewPassStart;
    std::string NewPassEnd;
    std::string NewPassPeriod;
    std::string NewPassIssued;
    std::string PassValidityText;
    bool PhotoFoundFlag = false;
};

// The pass window: shows the current booking's pass card, sets how long the
// pass is valid and from when, takes or finds the visitor's photo, prints
// the pass and revokes an issued one. It writes no file: the desk stores the
// booking when it is active again (PassChanged, PassRevokeRequest).
class frmPass : public QDialog {
    Q_OBJECT
  public:
    // The list month and year are the desk's, for the photo library.
    frmPass(ProgramState& state, const QString& listMonthText, const QString& listYearText, QWidget* parent = nullptr);
    ~frmPass() override;

    void Form_Load();
    // Run when the window is active again after the camera or the library.
    void Form_Activate();
    void Form_Unload(bool& cancel);
    void Form_KeyDown(int keyCode, int shift);
    void FillPassCard();
    void ComputeValidity();
    void ShowBarcode();
    void CentreForm();

    void PassNumberCB_Click();
    void PassPeriodCB_Click();
    void PassTodayTB_Change();
    void cmdCal_Click();
    void Calendar2_DblClick();
    void cmdCalDECR_Click();
    void cmdCalINCR_Click();
    void cmdCapture_Click();
    void cmdGetPhoto_Click();
    void cmdPrintPass_Click();
    void cmdRemovePass_Click();
    void cmdClosePass_Click();

  public slots:
    void reject() override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void build();
    void buildCard();
    void buildDatePanel();
    void buildButtons();
    void showPhoto(const std::string& path);
    std::string photoFilePath() const;
    void setNotice(bool dayPass);
    void showCalendar(bool shown);
    Passes::PassDate today() const;

    ProgramState& state_;
    QString listMonthText_;
    QString listYearText_;
    PreparedPass pass_;
    int PassCount = 1;
    Passes::Unit PassUnit = Passes::Unit::Day;

    QFrame* Picture1 = nullptr;
    QLabel* FirmNameTB = nullptr;
    QLabel* LogoImage = nullptr;
    QLabel* PassPortIma = nullptr;
    QLabel* PassNameTB = nullptr;
    QLabel* PassOrganTB = nullptr;
    QLabel* Text4 = nullptr;
    QLabel* PassDeptTB = nullptr;
    QLabel* PASSValidTB = nullptr;
    QLabel* PassDateTB = nullptr;
    QLabel* PassTimeTB = nullptr;
    BarcodeLabel* laBC = nullptr;
    QLabel* PassRegOPTB = nullptr;
    QLabel* PassRegNoTB = nullptr;

    QComboBox* PassNumberCB = nullptr;
    QComboBox* PassPeriodCB = nullptr;
    QLineEdit* PassTodayTB = nullptr;
    QPushButton* cmdCal = nullptr;
    QFrame* PicCal2 = nullptr;
    MonthCalendar* Calendar2 = nullptr;
    QPushButton* cmdCalDECR = nullptr;
    QPushButton* cmdCalINCR = nullptr;

    QPushButton* cmdCapture = nullptr;
    QPushButton* cmdGetPhoto = nullptr;
    QPushButton* cmdPrintPass = nullptr;
    QPushButton* cmdRemovePass = nullptr;
    QPushButton* cmdClosePass = nullptr;
    QPushButton* cmdFLIP = nullptr;
    QPushButton* cmdCancelPass = nullptr;
    QFrame* P_PrnNote = nullptr;
    QLabel* laDayNotice = nullptr;
};
