#include "shell/SingleInstance.h"

#include <QDir>

namespace tessaro {

SingleInstance::SingleInstance(const QString& lockPath)
{
    QString path = lockPath.isEmpty() ? QDir::tempPath() + "/tessaro-" + qEnvironmentVariable("USER", "user") + ".lock"
                                      : lockPath;
    lock_ = std::make_unique<QLockFile>(path);
    lock_->setStaleLockTime(0); // a lock is stale only when its process is gone
}

bool SingleInstance::acquire() { return lock_->tryLock(0); }

} // namespace tessaro
