#include "refdb/DatabaseSettings.h"

#include "model/AppPaths.h"
#include "model/IniFile.h"
#include "model/UserMessage.h"
#include "model/WriteFailure.h"

#include <QDir>

namespace tessaro::refdb {
namespace {

const QString VersionSection = QStringLiteral("ファイルバージョン");
const QString AnchorSection = QStringLiteral("アンカー規格");
const QString JackSection = QStringLiteral("ジャッキ種別");
const QString DefaultAnchorDb = QStringLiteral("Data_V400.db");
const QString DefaultJackDb = QStringLiteral("Jakki.db");

QString& storedAnchorPath()
{
    static QString p;
    return p;
}

QString& storedJackPath()
{
    static QString p;
    return p;
}

QString folder() { return paths::data("AncDataBase"); }

} // namespace

QString settingsFilePath() { return folder() + "/IniDatabase.ini"; }
QString anchorDbPath() { return storedAnchorPath(); }
QString jackDbPath() { return storedJackPath(); }

void LoadDatabaseSettings(const UpgradeSteps& steps)
{
    QDir().mkpath(folder());
    IniFile ini(settingsFilePath());
    int version = CurrentSchemaLevel;
    if (!ini.exists()) {
        const bool written = ini.setValue(VersionSection, "Version", QString::number(CurrentSchemaLevel))
            && ini.setValue(AnchorSection, "FileName", DefaultAnchorDb)
            && ini.setValue(JackSection, "FileName", DefaultJackDb);
        // The program goes on with the default names; the user should know
        // that nothing of the reference data can be kept.
        if (!written)
            showMessage(QStringLiteral("参照データベースの設定ファイルを作成できませんでした。") + "\n"
                    + writeFailureText(settingsFilePath(), 0, QString()) + "\n\n" + QStringLiteral("ファイル：")
                    + QDir::toNativeSeparators(settingsFilePath()),
                MsgIcon::Exclamation);
    } else {
        version = ini.value(VersionSection, "Version").toInt();
    }
    storedAnchorPath() = folder() + "/" + ini.value(AnchorSection, "FileName", DefaultAnchorDb);
    storedJackPath() = folder() + "/" + ini.value(JackSection, "FileName", DefaultJackDb);
    if (steps.createMissing)
        steps.createMissing();

    if (version == 400 && steps.from400To402 && steps.from400To402()) {
        ini.setValue(VersionSection, "Version", "402");
        version = 402;
    }
    if (version == 402 && steps.to407 && steps.to407())
        ini.setValue(VersionSection, "Version", "407");
}

} // namespace tessaro::refdb
