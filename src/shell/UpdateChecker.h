#pragma once
// Starts the outside update-checker program when it is installed beside the
// program; never waits for it.

#include <QString>

namespace tessaro {

// An 8-character identifier of this installation, passed to the checker.
QString installationId();
// True when the checker was found and started.
bool StartUpdateChecker(bool fromUser);

} // namespace tessaro
