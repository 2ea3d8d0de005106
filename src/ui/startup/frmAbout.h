#pragma once

#include "core/ProgramState.h"

#include <QDialog>

class QLabel;
class QPushButton;

// The about window: version, and the one door to the settings.
class frmAbout : public QDialog {
    Q_OBJECT
  public:
    explicit frmAbout(ProgramState& state, QWidget* parent = nullptr);

    void cmdAboutOK_Click();
    void CentreForm();
    void Form_Load();
    void FillLabels();
    void cmdConfig_Click();

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void ShowSettingsWindow();

    ProgramState& state_;
    QLabel* laFileVer;
    QLabel* laBuildno;
    QLabel* VerLa;
};
