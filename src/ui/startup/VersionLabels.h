#pragma once

#include <QLabel>
#include <QString>
#include <QWidget>

// The labels the splash and about windows share: static captions beside the
// version values, and centring a window on the whole screen.
namespace VersionLabels {
QLabel* MakeLabel(QWidget* parent, const char* objectName, const QString& text);
void FillVersion(QLabel* laFileVer, QLabel* laBuildno);
void CentreOnScreen(QWidget* window);
} // namespace VersionLabels
