#pragma once
// The texts naming the program version and the operating system that every
// data file records.

#include <QString>

namespace tessaro {

inline constexpr int VersionMajor = TESSARO_VERSION_MAJOR;
inline constexpr int VersionMinor = TESSARO_VERSION_MINOR;

// "4.05": the major version, a point and the minor version as two digits.
QString versionNumberText();
// Fills SavedByVersion and SavedOnOS of the open project.
void MakeVersionTexts();
// "Debian GNU/Linux 12 (bookworm) Linux Build: 6.1.0-18-amd64": the distribution
// and kernel in the shape of the original "Windows 7 (Service Pack 1) Build: 7601".
QString operatingSystemText();

} // namespace tessaro
