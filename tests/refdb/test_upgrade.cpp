// The start-up upgrade of the reference databases from levels 400 and 402.

#include "RefDbTest.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>

using namespace tessaro;
using namespace tessaro::refdb;
using tessaro::test::RefDbTest;

class Upgrade : public RefDbTest {
protected:
    QString jack(int number) const
    {
        return scalar(jackPath(), QStringLiteral("SELECT Jakki_Name FROM JakkiTBL WHERE J_No = %1").arg(number))
            .toString();
    }
    // Designations of the F-MA product the level-407 step adds.
    int fmaDesignations() const
    {
        return scalar(anchorPath(),
            QStringLiteral("SELECT COUNT(*) FROM AnchorTBL WHERE ANC_NAME = 'SEEEグラウンドアンカー　F-MA型'"))
            .toInt();
    }
};

TEST_F(Upgrade, Level400PassesThroughBothStepsAndEndsLikeAFreshInstall)
{
    layOutAt(400);
    EXPECT_EQ(jack(33), "SSL60-180");
    EXPECT_EQ(fmaDesignations(), 0);
    MessageScript messages;
    startUp();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(iniVersion(), "407");
    EXPECT_EQ(jack(33), "SSL600-180"); // renamed by the first step
    EXPECT_EQ(jack(42), "SFL-J30"); // renamed by the second

    QDir().mkpath(folder() + "/fresh");
    ASSERT_TRUE(createDatabase(DbKind::Anchor, folder() + "/fresh/a.db"));
    ASSERT_TRUE(createDatabase(DbKind::Jack, folder() + "/fresh/j.db"));
    EXPECT_EQ(dumpAnchorDb(anchorPath()), dumpAnchorDb(folder() + "/fresh/a.db"));
    EXPECT_EQ(dump(jackPath(), "JakkiTBL"), dump(folder() + "/fresh/j.db", "JakkiTBL"));
}

TEST_F(Upgrade, EachLevelRunsOnlyTheStepsAboveIt)
{
    layOutAt(402);
    // A jack registered again under an old name after the first renames stays as it is.
    run(jackPath(), "UPDATE JakkiTBL SET Jakki_Name = 'SSL60-180' WHERE J_No = 33");
    startUp();
    EXPECT_EQ(jack(33), "SSL60-180");
    EXPECT_EQ(fmaDesignations(), 7);
    ASSERT_TRUE(QFile::remove(anchorPath()));
    ASSERT_TRUE(QFile::remove(jackPath()));

    // At the current level, or without a settings file, no step runs.
    for (bool removeSettings : { false, true }) {
        layOutAt(400);
        if (removeSettings)
            ASSERT_TRUE(QFile::remove(settingsFilePath()));
        else
            writeIniVersion(407);
        startUp();
        EXPECT_EQ(jack(33), "SSL60-180") << removeSettings;
        ASSERT_TRUE(QFile::remove(anchorPath()));
        ASSERT_TRUE(QFile::remove(jackPath()));
    }

    // Databases made fresh under an old settings file get the products once.
    writeIniVersion(400);
    startUp();
    EXPECT_EQ(iniVersion(), "407");
    EXPECT_EQ(fmaDesignations(), 7);
}

TEST_F(Upgrade, RenameNeedsBothTheNumberAndTheOldName)
{
    layOutAt(400);
    // The user deleted jack 1, so the old SSL60-180 now stands at number 32.
    run(jackPath(), "DELETE FROM JakkiTBL WHERE J_No = 1");
    run(jackPath(), "UPDATE JakkiTBL SET J_No = J_No - 1");
    startUp();
    EXPECT_EQ(jack(32), "SSL60-180");
    EXPECT_EQ(jack(33), "SSL60-300"); // number 33 holds another old name: no match
}

TEST_F(Upgrade, AFailingStepLeavesBothFilesAndTheLevelAsTheyWere)
{
    layOutAt(402);
    // The fifth of the seven product rows is refused, after the first four went in.
    run(anchorPath(),
        "CREATE TRIGGER refuse BEFORE INSERT ON AnchorTBL WHEN NEW.Yobina = 'F130MA' "
        "BEGIN SELECT RAISE(ABORT, 'refused'); END");
    QStringList anchorBefore = dumpAnchorDb(anchorPath());
    QStringList jacksBefore = dump(jackPath(), "JakkiTBL");

    MessageScript messages;
    startUp();
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_TRUE(messages.last().text.contains(QStringLiteral("更新できませんでした")));
    EXPECT_EQ(iniVersion(), "402");
    EXPECT_EQ(dumpAnchorDb(anchorPath()), anchorBefore);
    EXPECT_EQ(dump(jackPath(), "JakkiTBL"), jacksBefore);
    EXPECT_EQ(scalar(jackPath(), "PRAGMA user_version").toInt(), 402);

    // Once the cause is gone the next start finishes the upgrade.
    run(anchorPath(), "DROP TRIGGER refuse");
    startUp();
    EXPECT_EQ(iniVersion(), "407");
    EXPECT_EQ(fmaDesignations(), 7);
}

TEST_F(Upgrade, AJackDatabaseInUseKeepsTheLevelAndSaysSo)
{
    layOutAt(400);
    QStringList jacksBefore = dump(jackPath(), "JakkiTBL");
    {
        QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "other program");
        other.setDatabaseName(jackPath());
        ASSERT_TRUE(other.open());
        QSqlQuery lock(other);
        ASSERT_TRUE(lock.exec("BEGIN EXCLUSIVE"));
        MessageScript messages;
        startUp();
        ASSERT_EQ(messages.shown().size(), 1u);
        EXPECT_TRUE(messages.last().text.contains(QStringLiteral("ジャッキデータベース")));
        EXPECT_TRUE(messages.last().text.contains(QStringLiteral("使用中"))) << messages.last().text.toStdString();
        EXPECT_EQ(iniVersion(), "400");
        lock.exec("ROLLBACK");
        other.close();
    }
    QSqlDatabase::removeDatabase("other program");
    EXPECT_EQ(dump(jackPath(), "JakkiTBL"), jacksBefore);
}
