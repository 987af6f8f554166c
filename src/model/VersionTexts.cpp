#include "model/VersionTexts.h"

#include "model/basMainData.h"

#include <QSysInfo>

namespace tessaro {

QString versionNumberText()
{
    return QStringLiteral("%1.%2").arg(VersionMajor).arg(VersionMinor, 2, 10, QChar('0'));
}

QString operatingSystemText()
{
    QString kernel = QSysInfo::kernelType();
    if (!kernel.isEmpty())
        kernel[0] = kernel[0].toUpper();
    return QSysInfo::prettyProductName() + " " + kernel + " Build: " + QSysInfo::kernelVersion();
}

void MakeVersionTexts()
{
    Project& p = project();
    p.SavedByVersion = QStringLiteral("システム本体 Version ") + versionNumberText() + QStringLiteral("から保存");
    p.SavedOnOS = operatingSystemText();
}

} // namespace tessaro
