#pragma once

#include "core/ProgramState.h"
#include "platform/VideoCapture.h"

#include <QDialog>

#include <memory>
#include <utility>
#include <vector>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class VideoPreview;

// The camera window: shows the live picture of a capture device and saves one
// still as the current booking's photo. A setup view, widening the window,
// offers the device list, its options and its dialogs.
class frmCapTest : public QDialog {
    Q_OBJECT
  public:
    explicit frmCapTest(ProgramState& state, QWidget* parent = nullptr);
    ~frmCapTest() override;

    void Form_Load();
    void CentreForm();
    void UpdateButtons();

    void cmdSaveDIB_Click();
    void cmdSaveAs_Click();
    void cbDriver_Click();
    void cmdSourceDlg_Click();
    void cmdFormatDlg_Click();
    void cmdWidth_Click();
    void cmdHeight_Click();
    void cmdEnterSetup_Click();
    void cmdCFGDone_Click();
    void cmdCapture_Click();
    void cmdClose_Click();

    void ezVidCap1_StatusReport(int code, const QString& text);
    void ezVidCap1_ErrorReport(int code, const QString& text);
    void ezVidCap1_PreRollComplete();

    static constexpr int NormalWidthTwips = 5565;
    static constexpr int SetupWidthTwips = 10065;
    static constexpr int PhotoSizeLimit = 100000;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void done(int result) override;

  private:
    void buildControls();
    QCheckBox* optionBox(const char* name, const QString& text, int row, int option);
    void setWidthTwips(int twips);
    std::vector<std::pair<QCheckBox*, VideoCapture::Option>> optionBoxes() const;

    ProgramState& state_;
    std::unique_ptr<VideoCapture> capture_;
    // Shown only in the setup view, so no key reaches them beyond the window's edge.
    std::vector<QWidget*> setupControls_;

    QFrame* OCXContainer = nullptr;
    VideoPreview* ezVidCap1 = nullptr;
    QPushButton* cmdEnterSetup = nullptr;
    QPushButton* cmdSaveDIB = nullptr;
    QPushButton* cmdClose = nullptr;
    QPushButton* cmdSaveAs = nullptr;
    QComboBox* cbDriver = nullptr;
    QCheckBox* chkPreview = nullptr;
    QCheckBox* chkStretch = nullptr;
    QCheckBox* chkCenter = nullptr;
    QCheckBox* chkAutoSize = nullptr;
    QCheckBox* chkAudio = nullptr;
    QCheckBox* chkPreRoll = nullptr;
    QCheckBox* chkUserConfirm = nullptr;
    QCheckBox* chkFrameCallback = nullptr;
    QPushButton* cmdSourceDlg = nullptr;
    QPushButton* cmdFormatDlg = nullptr;
    QPushButton* cmdDisplayDlg = nullptr;
    QPushButton* cmdCompDlg = nullptr;
    QPushButton* cmdAudioDlg = nullptr;
    QLineEdit* txtWidth = nullptr;
    QLineEdit* txtHeight = nullptr;
    QPushButton* cmdWidth = nullptr;
    QPushButton* cmdHeight = nullptr;
    QLabel* Label1 = nullptr;
    QFrame* picStatus = nullptr;
    QLabel* lblStatusCode = nullptr;
    QLabel* lblStatusString = nullptr;
    QPushButton* cmdCapture = nullptr;
    QPushButton* cmdCFGDone = nullptr;
};
