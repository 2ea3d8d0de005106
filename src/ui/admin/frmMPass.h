#pragma once

#include "core/ProgramState.h"

#include <QDialog>

#include <functional>
#include <string>

class QColor;
class QLabel;
class QLineEdit;

// The password window in front of the settings: sets the first password,
// asks for it on later visits and changes it. The caller sets
// SettingsPasswordMode (set or enter) before exec() and afterwards reads
// SettingsGateFailed.
class frmMPass : public QDialog {
    Q_OBJECT
  public:
    explicit frmMPass(ProgramState& state, QWidget* parent = nullptr);

    void Form_Activate();
    void CancelPassword();
    void PromptExistingPassword();
    void ShowPasswordMode();
    void SubmitPassword();
    // Sets keyAscii to 0 when the key is swallowed.
    void MPassWordTb_KeyPress(int& keyAscii);
    void MPWLa_MouseDown(int i);
    void MPWLa_MouseMove(int i);
    // yTwips: the height of the release relative to the top of the label.
    void MPWLa_MouseUp(int i, int yTwips);
    void ResetButtonFaces();

  protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void done(int r) override;

  private:
    void buildFaces();
    void buildControls();
    void centreWindow();
    void pressButton(int i);
    void setInstruction(const QString& text, const QColor& colour);
    void setEntryReady();
    bool flashInstruction(const QString& text, const QColor& colour, const std::function<void()>& beforeHold = {});
    void tell(const QString& text);
    void checkEditedText(const QString& text);
    bool extendedAllowed() const;
    std::string entryBytes() const;
    bool saveNewPassword(const std::string& password);

    // The faces of the three buttons: all normal, or one of them hovered or pressed.
    struct ButtonFaces {
        enum Look { AllNormal, Hovered, Pressed };
        Look look;
        int button;
        bool operator==(const ButtonFaces&) const = default;
    };

    ProgramState& state_;
    // The window opens with the first button taken as hovered.
    ButtonFaces buttonFace_{ButtonFaces::Hovered, 0};
    bool verifyOld_ = false;

    QLineEdit* MPassWordTb = nullptr;
    QLabel* MPassInstructLa = nullptr;
    QLabel* MPWLa[3] = {};
    QLabel* Image2[3] = {};
    QLabel* SetMPS_N = nullptr;
    QLabel* SetMPS_O = nullptr;
    QLabel* SetMPS_X = nullptr;
    QLabel* PWBGnd = nullptr;
    QLabel* PwBuBar = nullptr;
    QLabel* Image1 = nullptr;

    bool unloaded_ = false;           // the window was closed; late steps must not touch the gate
    bool leftForOtherWindow_ = false; // deactivated in favour of another window of this program
    int ownBoxes_ = 0;                // message boxes of this window that are open
};
