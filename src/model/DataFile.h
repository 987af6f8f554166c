#pragma once
// The project data file (.tsx): a 64-character header naming the release, then
// the saved records in a fixed order.

#include "model/ProjectRecord.h"

#include <QByteArray>
#include <QString>

namespace tessaro {

// In the order of the releases: older releases compare less.
enum class Release { R100, R101, R102, R103, R200, R202, R206, R300, R4002, R4003, R4004, R4005, Unknown };

inline constexpr int HeaderLength = 64;

// The 64-character header text of a release (Unknown gives "").
QByteArray headerText(Release release);
// The release whose header the bytes begin with, compared over all 64 characters.
Release releaseOfHeader(const QByteArray& bytes);
QString releaseName(Release release); // "4.005"

// The bytes of the whole file for the project, with the current header.
QByteArray encodeProject(const Project& p);
// Reads what follows the header of a file of the release into the project,
// converting the records of older releases; a truncated file loads up to where
// it ends.
void decodeDataFile(const QByteArray& body, Release release, Project& p);

bool SaveDataFile(const QString& path);
bool LoadDataFile(const QString& path);

} // namespace tessaro
