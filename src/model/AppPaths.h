#pragma once
// Where the program finds its read-only resources and keeps its writable files.

#include <QString>

namespace tessaro::paths {

// The full path of a file as the program keeps it (current file, recent
// files): absolute, with links and "." / ".." resolved; a file not written yet
// keeps its absolute, cleaned path.
QString canonicalFilePath(const QString& path);

// Read-only resources (report templates, pictures, default format files, the
// database seed): share/tessaro/resources beside the program's bin folder, in
// the build tree and the installed tree alike.
QString resourceDir();
QString resource(const QString& relative);

// Writable state (databases, INI files, chart formats, format files, temporary
// documents): TESSARO_DATA when set, else the per-user data location
// (~/.local/share/Tessaro), never beside the program. Created when missing.
QString dataDir();
QString data(const QString& relative);

// Copies the default writable files (format files, chart formats) from the
// resources into the data folder where they are missing; never overwrites.
void seedDataDir();

} // namespace tessaro::paths
