// Database files that cannot be used: the user is told, the program goes on
// without the reference data, and the file is left exactly as it is.

#include "RefDbTest.h"

#include "refdb/AnchorMethodEditor.h"
#include "refdb/AnchorProducts.h"
#include "refdb/JackDatabase.h"

#include <QFile>

using namespace tessaro;
using namespace tessaro::refdb;
using tessaro::test::RefDbTest;

TEST_F(RefDbTest, ADamagedAnchorDatabaseIsReportedAndLeftByteForByte)
{
    writeIniVersion(402);
    QByteArray garbage = "Data_V400 from an old backup\n" + QByteArray(3000, '\x5a');
    ASSERT_TRUE(test::writeFile(anchorPath(), garbage));

    MessageScript messages;
    startUp();
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_TRUE(messages.last().text.contains(QStringLiteral("アンカー規格データベース")));
    EXPECT_TRUE(messages.last().text.contains(QStringLiteral("壊れています")));
    EXPECT_EQ(iniVersion(), "402");
    // The jack database was missing and is made; its level-407 renames wait for
    // the anchor database together with the product rows, which is harmless.
    EXPECT_EQ(jackList().size(), 47);

    messages.clear();
    EXPECT_TRUE(anchorMethods().isEmpty());
    EXPECT_FALSE(saveDesignations(QStringLiteral("x"), 0, {}));
    EXPECT_EQ(addWorkingMethod({ QStringLiteral("x"), 0, 0, 0 }), WriteResult::Failed);
    EXPECT_EQ(messages.shown().size(), 3u);
    EXPECT_EQ(test::fileBytes(anchorPath()), garbage);
}

TEST_F(RefDbTest, AnEmptyFileIsNotTakenForADatabase)
{
    startUp();
    ASSERT_TRUE(QFile::remove(jackPath()));
    ASSERT_TRUE(test::writeFile(jackPath(), {}));
    MessageScript messages;
    CDataJakki jack;
    jack.JakkiName = "TJ-NEW";
    EXPECT_EQ(insertJack(jack), WriteResult::Failed);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_TRUE(messages.last().text.contains(QStringLiteral("必要な表がありません")));
    EXPECT_EQ(QFileInfo(jackPath()).size(), 0);
}

TEST_F(RefDbTest, AFileRemovedWhileRunningIsReportedAndNotRecreated)
{
    startUp();
    ASSERT_TRUE(QFile::remove(jackPath()));
    MessageScript messages;
    EXPECT_FALSE(jackRecordByName("TJ200-01"));
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_TRUE(messages.last().text.contains(QStringLiteral("ジャッキデータベースのファイルが見つかりません")));
    EXPECT_TRUE(messages.last().text.contains(QDir::toNativeSeparators(jackPath())));
    EXPECT_FALSE(QFile::exists(jackPath()));
}

// A data folder that cannot be written (read-only, nothing in it yet): the
// settings file and the databases are reported as not made, naming the
// read-only folder rather than a missing file.
TEST_F(RefDbTest, AReadOnlyDataFolderAtFirstStartIsNamedAsSuch)
{
    const QString data = paths::dataDir();
    QFile::setPermissions(data, QFile::ReadOwner | QFile::ExeOwner);
    const bool writable = QFile(data + "/probe").open(QIODevice::WriteOnly);
    if (writable) {
        QFile::setPermissions(data, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        GTEST_SKIP() << "running with rights that ignore folder permissions";
    }
    MessageScript messages;
    startUp();
    QFile::setPermissions(data, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ASSERT_FALSE(messages.empty());
    EXPECT_TRUE(messages.shown()[0].text.startsWith(QStringLiteral("参照データベースの設定ファイルを作成できませんでした。")));
    for (const UserMessage& m : messages.shown())
        EXPECT_TRUE(m.text.contains(QStringLiteral("「") + data + QStringLiteral("」は読み取り専用"))) << m.text.toStdString();
}
