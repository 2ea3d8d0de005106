#pragma once

#include "ProgramState.h"

#include <QWidget>

class ClickLabel;
class QTimer;

// The booking desk's main window; it lives as long as the program.
class frmMain : public QWidget {
    Q_OBJECT
public:
    explicit frmMain(ProgramState& state, QWidget* parent = nullptr);

    void Form_Load();
    void CentreForm();

    void qxlogoIM_Click();
    void qxlogoIM_MouseMove();
    void Form_MouseMove();

    bool LogoHover() const { return LogoHover_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    // Returns false when the user chose to keep the session open.
    bool Form_Unload();

    ProgramState& state_;
    ClickLabel* qxlogoIM;
    bool LogoHover_ = false;
};
