#pragma once
// Values that files of older releases lack or hold in an older form, set right
// after such a file was read: times in minutes, verdict texts, lengths, yield
// loads and settings that later releases added.

#include "model/DataFile.h"

namespace tessaro {

void FixOlderReleaseValues(Release release, Project& p);

} // namespace tessaro
