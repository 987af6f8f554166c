#include "model/AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace tessaro::paths {
namespace {

QString programDir()
{
    return QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
}

void copyMissing(const QString& fromDir, const QString& toDir)
{
    QDirIterator it(fromDir, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QString source = it.next();
        QString target = toDir + "/" + QDir(fromDir).relativeFilePath(source);
        if (QFileInfo::exists(target))
            continue;
        QDir().mkpath(QFileInfo(target).absolutePath());
        if (QFile::copy(source, target))
            QFile::setPermissions(target, QFile::permissions(target) | QFile::WriteOwner);
    }
}

} // namespace

QString canonicalFilePath(const QString& path)
{
    if (path.isEmpty())
        return {};
    QFileInfo info(path);
    QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

QString resourceDir()
{
    return QDir::cleanPath(programDir() + "/../share/tessaro/resources");
}

QString resource(const QString& relative)
{
    return resourceDir() + "/" + relative;
}

QString dataDir()
{
    // The same folder for the desktop program and the command line, whatever
    // the running program calls itself.
    QString dir = qEnvironmentVariable("TESSARO_DATA");
    if (dir.isEmpty())
        dir = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Tessaro";
    QDir().mkpath(dir);
    return QDir::cleanPath(dir);
}

QString data(const QString& relative)
{
    return dataDir() + "/" + relative;
}

void seedDataDir()
{
    for (const char* folder : { "FormatFile", "IniChartFile" }) {
        QString from = resource(folder);
        if (QFileInfo(from).isDir())
            copyMissing(from, data(folder));
    }
}

} // namespace tessaro::paths
