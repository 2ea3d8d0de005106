#pragma once

#include "core/ProgramState.h"

#include <QDialog>
#include <QString>

// The photo library: finds, lists, shows, attaches and deletes the photos of
// a month's or a year's bookings. It opens on the month and year the desk's
// list shows (the texts of its list month and year boxes).
class frmHandlePhoto : public QDialog {
    Q_OBJECT
  public:
    frmHandlePhoto(ProgramState& state, const QString& listMonthText, const QString& listYearText,
                   QWidget* parent = nullptr);
    ~frmHandlePhoto() override;

  private:
    ProgramState& state_;
};
