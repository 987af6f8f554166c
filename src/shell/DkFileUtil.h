#pragma once
// Small file-name helpers of the shell. Paths use the system's "\" separator
// where the original did; "/" is accepted as well.

#include <QString>

namespace tessaro {

class DkFileUtil {
public:
    // The one instance; no other can be made.
    static DkFileUtil& instance();
    DkFileUtil(const DkFileUtil&) = delete;
    DkFileUtil& operator=(const DkFileUtil&) = delete;

    // Names in the folder (or matching the pattern) of the trimmed path; "" for a
    // blank path or on error. Entries are separated by line breaks.
    QString DirEx(const QString& path) const;
    QString AddLastEnMark(const QString& path) const;
    QString ExtractLastEnMark(const QString& path) const;
    QString GetDir(const QString& path) const;
    QString GetFileName(const QString& path) const;
    QString ExtractExt(const QString& path) const;
    QString GetFileExt(const QString& path) const;

private:
    DkFileUtil() = default;
};

} // namespace tessaro
