#pragma once

#include <QString>

// One running copy per machine and user: the first start claims a lock file
// in the temporary folder and holds it until the process ends (a crashed
// copy's lock is recognised as stale and taken over).
namespace SingleInstance {
bool Claim(const QString& name = QStringLiteral("Kestrane"));
} // namespace SingleInstance
