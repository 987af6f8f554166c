#include "support/TestSupport.h"

#include "model/AppPaths.h"
#include "model/IniFile.h"
#include "model/RecentFiles.h"
#include "refdb/DatabaseSettings.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace tessaro;

TEST(RecentFiles, NewPathGoesOnTopTheTenthIsLostAndAReopenedEntryMovesUp)
{
    QStringList ten;
    for (int i = 1; i <= 10; ++i)
        ten << QStringLiteral("/works/%1.tsx").arg(i);
    recent::setFiles(ten);
    recent::AddRecentFile("/works/4.tsx");
    EXPECT_EQ(
        recent::files().mid(0, 4), QStringList({ "/works/4.tsx", "/works/1.tsx", "/works/2.tsx", "/works/3.tsx" }));
    EXPECT_EQ(recent::files().mid(4), ten.mid(4));
    recent::AddRecentFile("/works/new.tsx");
    QStringList now = recent::files();
    ASSERT_EQ(now.size(), 10);
    EXPECT_EQ(now[0], "/works/new.tsx");
    EXPECT_FALSE(now.contains("/works/10.tsx"));
}

TEST(RecentFiles, ChangesAreAnnouncedAndClearRemovesTheSection)
{
    int calls = 0;
    recent::setChangedCallback([&] { ++calls; });
    recent::AddRecentFile("/a.tsx");
    recent::clear();
    recent::setChangedCallback({});
    EXPECT_EQ(calls, 2);
    EXPECT_TRUE(recent::files().isEmpty());
}

TEST(IniFile, KeepsJapaneseSectionsReadableAndUpdatesKeysInPlace)
{
    QString path = test::tempPath("x.ini");
    IniFile ini(path);
    EXPECT_FALSE(ini.exists());
    EXPECT_EQ(ini.value(QStringLiteral("判定"), "Num", "none"), "none");
    ini.setValue(QStringLiteral("ファイルバージョン"), "Version", "400");
    ini.setValue(QStringLiteral("アンカー規格"), "FileName", "a.db");
    ini.setValue(QStringLiteral("ファイルバージョン"), "Version", "402");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QString text = QString::fromUtf8(f.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("[ファイルバージョン]\nVersion=402\n")));
    EXPECT_EQ(text.count("Version="), 1);
    EXPECT_EQ(ini.value(QStringLiteral("アンカー規格"), "filename"), "a.db");
    ini.removeSection(QStringLiteral("ファイルバージョン"));
    EXPECT_EQ(ini.value(QStringLiteral("ファイルバージョン"), "Version"), "");
    EXPECT_EQ(ini.value(QStringLiteral("アンカー規格"), "FileName"), "a.db");
}

namespace {

struct UpgradeLog {
    int first = 0, second = 0;
    bool firstSucceeds = true;
    refdb::UpgradeSteps steps()
    {
        refdb::UpgradeSteps steps;
        steps.from400To402 = [this] {
            ++first;
            return firstSucceeds;
        };
        steps.to407 = [this] {
            ++second;
            return true;
        };
        return steps;
    }
};

QString iniVersion()
{
    return IniFile(refdb::settingsFilePath()).value(QStringLiteral("ファイルバージョン"), "Version");
}

} // namespace

TEST(DatabaseSettings, MissingFileIsWrittenWithDefaultsAndNoUpgrade)
{
    QFile::remove(refdb::settingsFilePath());
    UpgradeLog log;
    refdb::LoadDatabaseSettings(log.steps());
    EXPECT_EQ(iniVersion(), "407");
    EXPECT_EQ(log.first + log.second, 0);
    EXPECT_TRUE(refdb::anchorDbPath().endsWith("/AncDataBase/Data_V400.db"));
    EXPECT_TRUE(refdb::jackDbPath().endsWith("/AncDataBase/Jakki.db"));
}

TEST(DatabaseSettings, EachLevelRunsOnlyTheStepsAboveIt)
{
    IniFile ini(refdb::settingsFilePath());
    struct Case {
        const char* level;
        int first, second;
        const char* after;
    } cases[] = { { "400", 1, 1, "407" }, { "402", 0, 1, "407" }, { "407", 0, 0, "407" } };
    for (const Case& c : cases) {
        ini.setValue(QStringLiteral("ファイルバージョン"), "Version", c.level);
        UpgradeLog log;
        refdb::LoadDatabaseSettings(log.steps());
        EXPECT_EQ(log.first, c.first) << c.level;
        EXPECT_EQ(log.second, c.second) << c.level;
        EXPECT_EQ(iniVersion(), c.after) << c.level;
    }
}

TEST(DatabaseSettings, AFailedStepLeavesTheLevelUnchanged)
{
    IniFile(refdb::settingsFilePath()).setValue(QStringLiteral("ファイルバージョン"), "Version", "400");
    UpgradeLog log;
    log.firstSucceeds = false;
    refdb::LoadDatabaseSettings(log.steps());
    EXPECT_EQ(log.second, 0);
    EXPECT_EQ(iniVersion(), "400");
}

TEST(DatabaseSettings, FileNamesComeFromTheSettings)
{
    IniFile ini(refdb::settingsFilePath());
    ini.setValue(QStringLiteral("ジャッキ種別"), "FileName", "MyJacks.db");
    refdb::LoadDatabaseSettings({});
    EXPECT_EQ(refdb::jackDbPath(), paths::data("AncDataBase/MyJacks.db"));
    ini.setValue(QStringLiteral("ジャッキ種別"), "FileName", "Jakki.db");
}
