#pragma once

#include "platform/Grid.h"

#include <QString>
#include <QWidget>

// The bookings the desk's list grid shows: its rows whose first cell holds a registration.
inline int listedRows(const QWidget& window) {
    Grid* list = window.findChild<Grid*>(QStringLiteral("StatGrid"));
    int rows = 0;
    for (int r = 1; r < list->Rows(); ++r)
        rows += list->Cell(r, 0).Text().isEmpty() ? 0 : 1;
    return rows;
}
