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

QString resourceDir()
{
    return QDir::cleanPath(programDir() + "/../share/tessaro/resources");
}

QString resource(const QString& relative) { return resourceDir() + "/" + relative; }

QString dataDir()
{
    QString dir = qEnvironmentVariable("TESSARO_DATA");
    if (dir.isEmpty()) {
        QFileInfo program(programDir());
        dir = program.isWritable() ? program.absoluteFilePath()
                                   : QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    }
    QDir().mkpath(dir);
    return QDir::cleanPath(dir);
}

QString data(const QString& relative) { return dataDir() + "/" + relative; }

void seedDataDir()
{
    for (const char* folder : {"FormatFile", "IniChartFile"}) {
        QString from = resource(folder);
        if (QFileInfo(from).isDir())
            copyMissing(from, data(folder));
    }
}

} // namespace tessaro::paths
