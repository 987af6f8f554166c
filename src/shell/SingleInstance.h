#pragma once
// One running program per user: the first start holds a lock file, a second
// start finds it held and ends.

#include <QLockFile>
#include <QString>
#include <memory>

namespace tessaro {

class SingleInstance {
public:
    // The lock lives in the user's temporary folder unless a path is given.
    explicit SingleInstance(const QString& lockPath = {});
    // False when another running instance holds the lock.
    bool acquire();

private:
    std::unique_ptr<QLockFile> lock_;
};

} // namespace tessaro
