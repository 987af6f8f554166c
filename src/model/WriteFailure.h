#pragma once
// Why a file could not be written, said so that the user can act on it: a
// folder standing where the file should be, a folder that is missing or
// read-only, a full disk; else the system's own description, which a short
// write often leaves empty or as "Unknown error".

#include <QByteArray>
#include <QString>

namespace tessaro {

enum class WriteProblem { FolderInTheWay, NoFolder, ReadOnly, DiskFull, Other };

// What stands in the way of writing about `bytes` bytes to `path`.
WriteProblem writeProblemOf(const QString& path, qint64 bytes);
// The sentence for the problem; `place` names the folder or file concerned,
// `systemText` is used for Other.
QString writeProblemText(WriteProblem problem, const QString& place, const QString& systemText);
// Both at once, for a write of `path` that failed.
QString writeFailureText(const QString& path, qint64 bytes, const QString& systemText);

// Saves a file whole: written beside the target and renamed over it only when
// complete, so that a failed save leaves the previous file as it was. A failure
// is told to the user (why, and the file name); false then.
bool SaveWholeFile(const QString& path, const QByteArray& bytes);

} // namespace tessaro
