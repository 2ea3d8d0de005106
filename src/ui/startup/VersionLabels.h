#pragma once

#include <QLabel>
#include <QString>
#include <QWidget>

// What the splash and about windows share: the version values, and centring
// a window on the whole screen.
namespace VersionLabels {
void FillVersion(QLabel* laFileVer, QLabel* laBuildno);
void CentreOnScreen(QWidget* window);
} // namespace VersionLabels
