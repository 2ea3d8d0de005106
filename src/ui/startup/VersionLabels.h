#pragma once

#include <QLabel>
#include <QString>

// The version values the splash and about windows show.
namespace VersionLabels {
void FillVersion(QLabel* laFileVer, QLabel* laBuildno);
} // namespace VersionLabels
