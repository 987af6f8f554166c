#include "support/TestSupport.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QUuid>

namespace tessaro::test {

QString tempDir()
{
    static QTemporaryDir dir;
    return dir.path();
}

QString tempPath(const QString& name) { return tempDir() + "/" + name; }

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
