// Database files that cannot be used: the user is told, the program goes on
// without the reference data, and the file is left exactly as it is.

#include "RefDbTest.h"

#include "refdb/AnchorMethodEditor.h"
#include "refdb/AnchorProducts.h"
#include "refdb/JackDatabase.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>

using namespace tessaro;
using namespace tessaro::refdb;
using tessaro::test::RefDbTest;

class Failures : public RefDbTest {
protected:
    void writeFile(const QString& path, const QByteArray& content) const
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
};

TEST_F(Failures, ADamagedAnchorDatabaseIsReportedAndLeftByteForByte)
{
    QDir().mkpath(folder());
    QByteArray garbage = "Data_V400 from an old backup\n" + QByteArray(3000, '\x5a');
    writeFile(anchorPath(), garbage);
    writeIniVersion(402);

    MessageScript messages;
    startUp();
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_TRUE(messages.last().text.contains(QStringLiteral("アンカー規格データベース")));
    EXPECT_TRUE(messages.last().text.contains(QStringLiteral("壊れています")));
    EXPECT_EQ(iniVersion(), "402");
    EXPECT_EQ(bytes(anchorPath()), garbage);
    // The jack database was missing and is made; its level-407 renames wait for
    // the anchor database together with the product rows, which is harmless.
    EXPECT_TRUE(QFile::exists(jackPath()));

    messages.clear();
    EXPECT_TRUE(anchorMethods().isEmpty());
    EXPECT_TRUE(designations(QStringLiteral("摩擦引張型アンカー　12.7mm"), 0).isEmpty());
    EXPECT_FALSE(saveDesignations(QStringLiteral("x"), 0, {}));
    EXPECT_FALSE(refreshWorkingCopies());
    EXPECT_EQ(addWorkingMethod({ QStringLiteral("x"), 0, 0, 0 }), WriteResult::Failed);
    EXPECT_EQ(messages.shown().size(), 5u);
    EXPECT_EQ(bytes(anchorPath()), garbage);
    EXPECT_EQ(jackList().size(), 47);
}

TEST_F(Failures, AnEmptyFileIsNotTakenForADatabase)
{
    startUp();
    ASSERT_TRUE(QFile::remove(jackPath()));
    writeFile(jackPath(), {});
    MessageScript messages;
    EXPECT_TRUE(jackList().isEmpty());
    CDataJakki jack;
    jack.JakkiName = "TJ-NEW";
    EXPECT_EQ(insertJack(jack), WriteResult::Failed);
    ASSERT_EQ(messages.shown().size(), 2u);
    EXPECT_TRUE(messages.last().text.contains(QStringLiteral("必要な表がありません")));
    EXPECT_EQ(QFileInfo(jackPath()).size(), 0);
}

TEST_F(Failures, AFileRemovedWhileRunningIsReportedAndNotRecreated)
{
    startUp();
    ASSERT_TRUE(QFile::remove(jackPath()));
    MessageScript messages;
    EXPECT_FALSE(findJack("TJ200-01"));
    EXPECT_FALSE(jackRecordByName("TJ200-01"));
    ASSERT_EQ(messages.shown().size(), 2u);
    EXPECT_TRUE(messages.last().text.contains(QStringLiteral("ジャッキデータベースのファイルが見つかりません")));
    EXPECT_TRUE(messages.last().text.contains(QDir::toNativeSeparators(jackPath())));
    EXPECT_FALSE(QFile::exists(jackPath()));
}

TEST_F(Failures, ADatabaseInUseByAnotherProgramIsReported)
{
    startUp();
    QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "other program");
    other.setDatabaseName(anchorPath());
    ASSERT_TRUE(other.open());
    {
        QSqlQuery lock(other);
        ASSERT_TRUE(lock.exec("BEGIN EXCLUSIVE"));
        MessageScript messages;
        EXPECT_FALSE(deleteDesignations(QStringLiteral("支圧型アンカー"), 5));
        ASSERT_EQ(messages.shown().size(), 1u);
        EXPECT_TRUE(messages.last().text.contains(QStringLiteral("他のプログラムで使用中")));
        lock.exec("ROLLBACK");
    }
    other.close();
    other = QSqlDatabase();
    QSqlDatabase::removeDatabase("other program");
    EXPECT_EQ(designations(QStringLiteral("支圧型アンカー"), 5).size(), 12);
}
