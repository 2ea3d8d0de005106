#include "platform/SingleInstance.h"

#include <QDir>
#include <QLockFile>

#include <memory>
#include <unistd.h>

bool SingleInstance::Claim(const QString& name) {
    static std::unique_ptr<QLockFile> held;
    if (held)
        return true;
    const QString path = QDir::temp().filePath(QStringLiteral("%1-%2.lock").arg(name).arg(getuid()));
    auto lock = std::make_unique<QLockFile>(path);
    lock->setStaleLockTime(0); // a lock is stale only when its process is gone
    if (!lock->tryLock(0))
        return false;
    held = std::move(lock);
    return true;
}
