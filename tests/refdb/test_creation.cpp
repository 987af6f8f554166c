// First start: both reference databases made from the seed, at the current level.

#include "RefDbTest.h"

#include "refdb/AnchorProducts.h"
#include "refdb/JackDatabase.h"
#include "refdb/SqlScript.h"

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
    EXPECT_EQ(scalar(jackPath(), "PRAGMA user_version").toInt(), 407);
    // Nothing but the two databases and the settings: the building file is gone.
    EXPECT_EQ(QDir(folder()).entryList(QDir::Files | QDir::Hidden).size(), 3);

    // The file names are the settings' own.
    IniFile(settingsFilePath()).setValue(QStringLiteral("ジャッキ種別"), "FileName", "MyJacks.db");
    LoadDatabaseSettings({});
    EXPECT_EQ(jackDbPath(), folder() + "/MyJacks.db");
}

TEST_F(RefDbTest, SeedCoversEveryAnchorTypeWithStrandBasedDesignations)
{
    startUp();
    std::set<int> types;
    for (const AnchorMethod& m : anchorMethods()) {
        types.insert(m.AncType);
        EXPECT_FALSE(designations(m.AncName, m.AncType).isEmpty()) << m.AncName.toStdString();
    }
    EXPECT_EQ(types, (std::set<int> { 0, 1, 2, 3, 4, 5 }));

    // Twelve 15.2 mm strands: 12 × 261 kN, 12 × 222 kN, 12 × 138.7 mm².
    auto friction = designations(QStringLiteral("摩擦引張型アンカー　15.2mm"), 0);
    ASSERT_EQ(friction.size(), 12);
    EXPECT_DOUBLE_EQ(friction[11].Hippari, 3132);
    EXPECT_DOUBLE_EQ(friction[11].Koufuku, 2664);
    EXPECT_NEAR(friction[11].Danmenseki, 1664.4, 1e-9);

    // Load distribution: the total strand count is the sum of the bodies.
    for (const LoadDistributionDesignation& d : loadDistributionDesignations()) {
        int sum = 0;
        for (int sets : d.Taikatai)
            sum += sets;
        EXPECT_EQ(sum, d.KousenNum) << d.Yobina.toStdString();
    }

    // Jacks numbered without gaps, calibrated in rising pairs.
    auto jacks = jackList();
    ASSERT_EQ(jacks.size(), 47);
    for (int i = 0; i < jacks.size(); ++i) {
        EXPECT_EQ(jacks[i].No, i + 1);
        EXPECT_GE(jacks[i].PairCount(), 5);
        EXPECT_TRUE(jacks[i].PairsAscending()) << jacks[i].JakkiName.toStdString();
    }
}

TEST_F(RefDbTest, CreatingNeverReplacesAFileThatIsThere)
{
    QDir().mkpath(folder());
    ASSERT_TRUE(test::writeFile(jackPath(), "my own notes"));
    MessageScript messages;
    EXPECT_FALSE(createDatabase(DbKind::Jack, jackPath()));
    EXPECT_EQ(test::fileBytes(jackPath()), "my own notes");
}

TEST(SqlScript, SplitsOnSemicolonsOutsideTextsAndComments)
{
    auto statements = splitSqlScript("-- a comment; not a statement\nINSERT INTO t VALUES ('a;b', 'it''s');\n"
                                     "INSERT INTO t VALUES (\"x;y\"); -- trailing ; comment\n;\nSELECT 1");
    EXPECT_EQ(statements,
        (QStringList { "INSERT INTO t VALUES ('a;b', 'it''s')", "INSERT INTO t VALUES (\"x;y\")", "SELECT 1" }));
}
