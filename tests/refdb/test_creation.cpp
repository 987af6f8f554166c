// First start: both reference databases made from the seed, at the current level.

#include "RefDbTest.h"

#include "refdb/AnchorProducts.h"
#include "refdb/JackDatabase.h"
#include "refdb/SqlScript.h"

#include <QFile>
#include <QFileInfo>
#include <set>

using namespace tessaro;
using namespace tessaro::refdb;
using tessaro::test::RefDbTest;

TEST_F(RefDbTest, FirstStartWritesTheSettingsAndCreatesBothDatabasesQuietly)
{
    MessageScript messages;
    startUp();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(iniVersion(), "407");
    IniFile ini(settingsFilePath());
    EXPECT_EQ(ini.value(QStringLiteral("アンカー規格"), "FileName"), "Data_V400.db");
    EXPECT_EQ(ini.value(QStringLiteral("ジャッキ種別"), "FileName"), "Jakki.db");
    EXPECT_EQ(anchorDbPath(), anchorPath());
    EXPECT_EQ(jackDbPath(), jackPath());
    EXPECT_EQ(scalar(anchorPath(), "PRAGMA user_version").toInt(), 407);
    EXPECT_EQ(scalar(jackPath(), "PRAGMA user_version").toInt(), 407);
    // Nothing but the two databases and the settings: the building file is gone.
    EXPECT_EQ(QDir(folder()).entryList(QDir::Files | QDir::Hidden).size(), 3);
}

TEST_F(RefDbTest, FreshDatabasesHoldTheFinalJackNamesAndTheFmaProductsOnce)
{
    startUp();
    EXPECT_EQ(scalar(jackPath(), "SELECT Jakki_Name FROM JakkiTBL WHERE J_No = 33").toString(), "SSL600-180");
    EXPECT_EQ(scalar(jackPath(), "SELECT Jakki_Name FROM JakkiTBL WHERE J_No = 42").toString(), "SFL-J30");
    const QString fma = QStringLiteral("SEEEグラウンドアンカー　F-MA型");
    EXPECT_EQ(scalar(anchorPath(), "SELECT COUNT(*) FROM ComboTBL WHERE ANC_NAME = '" + fma + "'").toInt(), 1);
    auto rows = designations(fma, 2);
    ASSERT_EQ(rows.size(), 7);
    EXPECT_EQ(rows[6].Yobina, "F190MA");
    EXPECT_DOUBLE_EQ(rows[6].Danmenseki, 970.9);
}

TEST_F(RefDbTest, SeedCoversEveryAnchorTypeWithStrandBasedDesignations)
{
    startUp();
    std::set<int> types;
    for (const AnchorMethod& m : anchorMethods()) {
        types.insert(m.AncType);
        EXPECT_FALSE(designations(m.AncName, m.AncType).isEmpty()) << m.AncName.toStdString();
        EXPECT_LE(m.AncName.size(), 25);
    }
    EXPECT_EQ(types, (std::set<int> { 0, 1, 2, 3, 4, 5 }));

    // Twelve 15.2 mm strands: 12 x 261 kN, 12 x 222 kN, 12 x 138.7 mm2.
    auto friction = designations(QStringLiteral("摩擦引張型アンカー　15.2mm"), 0);
    ASSERT_EQ(friction.size(), 12);
    EXPECT_EQ(friction[11].Yobina, "12S15.2");
    EXPECT_DOUBLE_EQ(friction[11].Hippari, 3132);
    EXPECT_DOUBLE_EQ(friction[11].Koufuku, 2664);
    EXPECT_NEAR(friction[11].Danmenseki, 1664.4, 1e-9);
    EXPECT_GT(friction[11].MikakeSyuutyou, friction[0].MikakeSyuutyou);

    // Load distribution: area of one strand, total sets the sum of the bodies.
    for (const LoadDistributionDesignation& d : loadDistributionDesignations()) {
        int sum = 0;
        for (int sets : d.Taikatai)
            sum += sets;
        EXPECT_EQ(sum, d.KousenNum) << d.Yobina.toStdString();
    }
    auto body = loadDistributionDesignation(QStringLiteral("荷重分散型アンカー　差動緊張方式"), "B3-9S12.7");
    ASSERT_TRUE(body);
    EXPECT_EQ(body->Taikatai, (std::array<int, 5> { 3, 3, 3, 0, 0 }));
    EXPECT_EQ(body->KintyouType, 1);
    EXPECT_DOUBLE_EQ(designations(QStringLiteral("荷重分散型アンカー　差動緊張方式"), 3).first().Danmenseki, 98.71);
}

TEST_F(RefDbTest, SeedJacksAreNumberedWithoutGapsAndCalibratedInAscendingPairs)
{
    startUp();
    auto jacks = jackList();
    ASSERT_EQ(jacks.size(), 47);
    for (int i = 0; i < jacks.size(); ++i) {
        const CDataJakki& j = jacks[i];
        EXPECT_EQ(j.No, i + 1);
        EXPECT_GE(j.PairCount(), 5);
        EXPECT_LE(j.PairCount(), 10);
        for (int k = 1; k < j.PairCount(); ++k) {
            EXPECT_LT(j.CarryAtu[k - 1], j.CarryAtu[k]) << j.JakkiName.toStdString();
            EXPECT_LT(j.CarrySyutu[k - 1], j.CarrySyutu[k]) << j.JakkiName.toStdString();
        }
    }
}

TEST_F(RefDbTest, CreatingNeverReplacesAFileThatIsThere)
{
    QDir().mkpath(folder());
    QFile f(jackPath());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("my own notes");
    f.close();
    MessageScript messages;
    EXPECT_FALSE(createDatabase(DbKind::Jack, jackPath()));
    EXPECT_EQ(bytes(jackPath()), "my own notes");
}

TEST(SqlScript, SplitsOnSemicolonsOutsideTextsAndComments)
{
    auto statements = splitSqlScript("-- a comment; not a statement\n"
                                     "INSERT INTO t VALUES ('a;b', 'it''s');\n"
                                     "INSERT INTO t VALUES (\"x;y\"); -- trailing ; comment\n"
                                     ";\n"
                                     "SELECT 1");
    ASSERT_EQ(statements.size(), 3);
    EXPECT_EQ(statements[0], "INSERT INTO t VALUES ('a;b', 'it''s')");
    EXPECT_EQ(statements[1], "INSERT INTO t VALUES (\"x;y\")");
    EXPECT_EQ(statements[2], "SELECT 1");
}
