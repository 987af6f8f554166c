#include "shell/DkFileUtil.h"

#include <QDir>
#include <QFileInfo>

namespace tessaro {
namespace {
int lastSeparator(const QString& path) { return std::max(path.lastIndexOf('\\'), path.lastIndexOf('/')); }
} // namespace

DkFileUtil& DkFileUtil::instance()
{
    static DkFileUtil util;
    return util;
}

QString DkFileUtil::DirEx(const QString& path) const
{
    QString p = path.trimmed();
    if (p.isEmpty())
        return {};
    QFileInfo info(p);
    QDir dir = info.isDir() ? QDir(p) : info.dir();
    QStringList filters;
    if (!info.isDir())
        filters << info.fileName();
    return dir.entryList(filters, QDir::AllEntries | QDir::NoDotAndDotDot).join('\n');
}

QString DkFileUtil::AddLastEnMark(const QString& path) const
{
    return path.endsWith('\\') ? path : path + '\\';
}

QString DkFileUtil::ExtractLastEnMark(const QString& path) const
{
    return path.endsWith('\\') ? path.left(path.size() - 1) : path;
}

QString DkFileUtil::GetDir(const QString& path) const
{
    int sep = lastSeparator(path);
    return sep < 0 ? QString() : path.left(sep);
}

QString DkFileUtil::GetFileName(const QString& path) const
{
    if (!path.contains('.'))
        return {};
    int sep = lastSeparator(path);
    if (sep < 0)
        sep = path.lastIndexOf(':');
    return path.mid(sep + 1);
}

QString DkFileUtil::ExtractExt(const QString& path) const
{
    int dot = path.lastIndexOf('.');
    return dot > lastSeparator(path) ? path.left(dot) : path;
}

QString DkFileUtil::GetFileExt(const QString& path) const
{
    int dot = path.lastIndexOf('.');
    return dot > lastSeparator(path) ? path.mid(dot + 1) : QString();
}

} // namespace tessaro
