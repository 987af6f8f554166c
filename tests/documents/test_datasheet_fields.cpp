#include "documents/PrintModule.h"
#include "documents/Recorder.h"
#include "support/DataSheetSamples.h"

#include <gtest/gtest.h>

using namespace tessaro;
using report::DrawnForm;
using report::ReportEngine;

namespace {

std::vector<DrawnForm> compose(const Project& p, const DataSheetOptions& options)
{
    ReportEngine engine(QString {});
    test::Recorder rec(engine);
    PrintModule::PrintDataSheets(engine, p, 1, p.shownAnchorCount(), options);
    EXPECT_TRUE(engine.problems().isEmpty()) << engine.problems().join("\n").toStdString();
    return rec.forms;
}

std::vector<DrawnForm> only(const std::vector<DrawnForm>& forms, const QString& file)
{
    std::vector<DrawnForm> out;
    for (const DrawnForm& f : forms)
        if (f.formName == file)
            out.push_back(f);
    return out;
}

} // namespace

TEST(DataSheetFields, ARowPrintsItsReadingWithTwoDecimals)
{
    Project p;
    test::makeQualityProject(p, 1, 3);
    Reading& r = p.anchor(1).Readings[1];
    r.Interval = 15;
    r.Load = 1234.567f;
    r.InitialNo2 = 0.0f; // a reading of zero is printed, not taken for missing
    r.Displacement = 2.75f;
    auto rows = only(compose(p, {}), "InDatSTGyouNoTime.jfm");
    ASSERT_EQ(rows.size(), 3u);
    const auto& t = rows[1].texts;
    EXPECT_EQ(t.value("No"), "2");
    EXPECT_EQ(t.value("KeikaJikan"), "15");
    EXPECT_EQ(t.value("Kajyuu"), "1234.57");
    EXPECT_EQ(t.value("SyokitiNo2"), "0.00");
    EXPECT_EQ(t.value("Nobi"), "2.75");
    EXPECT_FALSE(t.contains("Time"));
}

TEST(DataSheetFields, MissingValuesLeaveTheirFieldsEmpty)
{
    Project p;
    test::makeQualityProject(p, 1, 3);
    Reading& gaugeMissing = p.anchor(1).Readings[0];
    gaugeMissing.GaugePressure = MissingValue;
    gaugeMissing.Displacement = MissingValue;
    gaugeMissing.Interval = -99;
    p.anchor(1).Readings[2].ElapsedTime = -99;
    auto rows = only(compose(p, {}), "InDatSTGyouNoTime.jfm");
    ASSERT_EQ(rows.size(), 3u);

    EXPECT_EQ(rows[0].texts.value("Gauge"), "");
    EXPECT_EQ(rows[0].texts.value("Nobi"), "");
    EXPECT_EQ(rows[0].texts.value("KeikaJikan"), "");
    EXPECT_EQ(rows[0].texts.value("Kajyuu"), "50.00"); // the other fields still print
    EXPECT_EQ(rows[0].texts.value("No"), "1");

    EXPECT_TRUE(rows[2].texts.isEmpty()); // elapsed time −99: the whole row stays empty
    EXPECT_EQ(rows[2].topMargin, rows[1].topMargin + 550);
}

TEST(DataSheetFields, TheTimeColumnUsesItsOwnTemplatesAndTheClockTime)
{
    Project p;
    test::makeQualityProject(p, 1, 2);
    p.anchor(1).Readings[1].ClockTime = "10:05:30";
    DataSheetOptions options;
    options.showTime = true;
    auto forms = compose(p, options);
    EXPECT_TRUE(only(forms, "InDatSTGyouNoTime.jfm").empty());
    ASSERT_EQ(only(forms, "InputDataSheetTitle.jfm").size(), 1u);
    auto rows = only(forms, "InputDataSheetGyou.jfm");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1].texts.value("Time"), "10:05:30");
}

TEST(DataSheetFields, BlankDataKeepsTheItemsButOnlyNumbersTheRows)
{
    Project p;
    test::makeQualityProject(p, 1, 4);
    DataSheetOptions options;
    options.blankData = true;
    auto forms = compose(p, options);
    ASSERT_EQ(only(forms, "DataSheetKoumoku2.jfm").size(), 1u);
    for (const DrawnForm& row : only(forms, "InDatSTGyouNoTime.jfm"))
        EXPECT_EQ(row.texts.keys(), QStringList { "No" });
}

TEST(DataSheetFields, TitleNamesTheTestOfTheAnchor)
{
    Project p;
    test::makeQualityProject(p, 2, 1, Edition2000);
    p.anchor(2).ConfirmationTest = 1;
    EXPECT_EQ(dataSheetTitle(p, &p.anchor(2)), QStringLiteral("品質保証試験(１サイクル確認試験)　データシート"));
    EXPECT_EQ(dataSheetTitle(p, nullptr), QStringLiteral("アンカー試験　データシート"));

    Project basic;
    test::makeBasicProject(basic, 1);
    auto titles = only(compose(basic, {}), "Title.jfm");
    ASSERT_EQ(titles.size(), 1u);
    EXPECT_EQ(titles[0].topMargin, 1000);
    EXPECT_EQ(titles[0].texts.value("Title"), QStringLiteral("基本調査試験(引抜き試験)　データシート"));
}

TEST(DataSheetFields, QualityItemsCarryTheLockOffTensionJackAndRemarks)
{
    Project p;
    test::makeQualityProject(p, 1, 1);
    p.anchor(1).FinalVerdictText = QStringLiteral("合格");
    p.anchor(1).Tendon.AnchorLength = 0;
    auto items = only(compose(p, {}), "DataSheetKoumoku2.jfm");
    ASSERT_EQ(items.size(), 1u);
    const auto& t = items[0].texts;
    EXPECT_EQ(items[0].topMargin, 2000);
    EXPECT_EQ(t.value("Koujimei"), QStringLiteral("○○川護岸補強工事"));
    EXPECT_EQ(t.value("Jiyuutyou"), "8500");
    EXPECT_EQ(t.value("Anctaityou"), ""); // not entered: no false 0
    EXPECT_EQ(t.value("Teityakuji"), QStringLiteral("初期緊張力  [荷重]  123.45 (kN)   [ゲージ圧]  12.30 (MPa)"));
    EXPECT_EQ(t.value("MPa"), QStringLiteral("センターホール 500kN"));
    EXPECT_EQ(t.value("Bikou"), QStringLiteral("合格"));

    DataSheetOptions options;
    options.blankRemarks = true;
    EXPECT_EQ(only(compose(p, options), "DataSheetKoumoku2.jfm").at(0).texts.value("Bikou"), "");

    p.anchor(1).JackingGauge = MissingValue;
    EXPECT_EQ(only(compose(p, {}), "DataSheetKoumoku2.jfm").at(0).texts.value("Teityakuji"),
        QStringLiteral("初期緊張力  [荷重]  123.45 (kN)   [ゲージ圧]   (MPa)"));
}
