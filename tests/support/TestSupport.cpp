#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

namespace tessaro::test {

QString tempDir()
{
    static QTemporaryDir dir;
    return dir.path();
}

QString tempPath(const QString& name) { return tempDir() + "/" + name; }

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

int runCli(const QStringList& args, QByteArray* out, QByteArray* err)
{
    QProcess p;
    p.start(qEnvironmentVariable("TESSARO_CLI"), args);
    p.waitForFinished(120000);
    if (out)
        *out = p.readAllStandardOutput();
    if (err)
        *err = p.readAllStandardError();
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

} // namespace tessaro::test
