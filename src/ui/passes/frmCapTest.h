#pragma once

#include "core/ProgramState.h"

#include <QDialog>

// The camera window: takes the current booking's photo.
class frmCapTest : public QDialog {
    Q_OBJECT
  public:
    explicit frmCapTest(ProgramState& state, QWidget* parent = nullptr);
    ~frmCapTest() override;

  private:
    ProgramState& state_;
};
