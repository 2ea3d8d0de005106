#pragma once

#include "core/ProgramState.h"

#include <QWidget>

class QLabel;

// Shown while the main window loads at start-up.
class frmSplash : public QWidget {
    Q_OBJECT
  public:
    explicit frmSplash(const ProgramState& state, QWidget* parent = nullptr);

    void Form_Load();
    void CentreForm();
    void FillLabels();

  private:
    const ProgramState& state_;
    QLabel* laFileVer;
    QLabel* laBuildno;
    QLabel* laDefsa;
};
