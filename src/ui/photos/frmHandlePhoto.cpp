#include "ui/photos/frmHandlePhoto.h"

frmHandlePhoto::frmHandlePhoto(ProgramState& state, const QString& listMonthText, const QString& listYearText,
                               QWidget* parent)
    : QDialog(parent), state_(state) {
    setObjectName("frmHandlePhoto");
    Q_UNUSED(listMonthText);
    Q_UNUSED(listYearText);
}

frmHandlePhoto::~frmHandlePhoto() = default;
