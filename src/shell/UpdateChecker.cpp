#include "shell/UpdateChecker.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFileInfo>
#include <QProcess>
#include <QSysInfo>

namespace tessaro {

QString installationId()
{
    QByteArray seed = QSysInfo::machineUniqueId() + QCoreApplication::applicationDirPath().toUtf8();
    return QString::fromLatin1(QCryptographicHash::hash(seed, QCryptographicHash::Sha1).toHex().left(8)).toUpper();
}

bool StartUpdateChecker(bool fromUser)
{
    QString dir = QCoreApplication::applicationDirPath();
    for (const char* name : {"UpdateChecker", "UpdateChecker.exe"}) {
        QFileInfo program(dir + "/" + name);
        if (!program.isFile() || !program.isExecutable())
            continue;
        QStringList args{QStringLiteral("MIRELO"), installationId()};
        if (fromUser)
            args << QStringLiteral("FromUser");
        return QProcess::startDetached(program.absoluteFilePath(), args);
    }
    return false;
}

} // namespace tessaro
