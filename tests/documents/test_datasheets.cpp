// Data sheets: what a row and the items block print, where rows stand on their
// pages, and the options of the print window.

#include "documents/PrintModule.h"
#include "documents/Recorder.h"
#include "support/DataSheetSamples.h"

#include <gtest/gtest.h>

using namespace tessaro;
using report::DrawnForm;
using report::ReportEngine;

namespace {

const QString Row = QStringLiteral("InDatSTGyouNoTime.jfm");
const QString Columns = QStringLiteral("InDatSTTitleNoTime.jfm");
const QString Items = QStringLiteral("DataSheetKoumoku2.jfm");

test::Recorder compose(const Project& p, const DataSheetOptions& options = {})
{
    ReportEngine engine(QString {});
    test::Recorder rec(engine);
    PrintModule::PrintDataSheets(engine, p, 1, p.shownAnchorCount(), options);
    EXPECT_TRUE(engine.problems().isEmpty()) << engine.problems().join("\n").toStdString();
    return rec;
}

} // namespace

TEST(DataSheetFields, ARowPrintsItsReadingWithTwoDecimalsAndMissingValuesEmpty)
{
    Project p;
    test::makeQualityProject(p, 1, 3);
    Reading& r = p.anchor(1).Readings[1];
    r.Interval = 15;
    r.Load = 1234.567f;
    r.InitialNo2 = 0.0f; // a reading of zero is printed, not taken for missing
    r.GaugePressure = MissingValue;
    r.Displacement = MissingValue;
    p.anchor(1).Readings[2].ElapsedTime = -99;
    auto rows = compose(p).of(Row);
    ASSERT_EQ(rows.size(), 3u);
    const auto& t = rows[1].texts;
    EXPECT_EQ(t.value("KeikaJikan"), "15");
    EXPECT_EQ(t.value("Kajyuu"), "1234.57");
    EXPECT_EQ(t.value("SyokitiNo2"), "0.00");
    EXPECT_EQ(t.value("Gauge"), "");
    EXPECT_EQ(t.value("Nobi"), "");
    EXPECT_TRUE(rows[2].texts.isEmpty()); // elapsed time −99: the whole row stays empty
}

TEST(DataSheetFields, QualityItemsCarryTheLockOffTensionJackAndRemarks)
{
    Project p;
    test::makeQualityProject(p, 2, 1, Edition2000);
    p.anchor(1).FinalVerdictText = QStringLiteral("合格");
    p.anchor(1).Tendon.AnchorLength = 0;
    p.anchor(2).ConfirmationTest = 1;
    test::Recorder rec = compose(p);
    const auto t = rec.of(Items).at(0).texts;
    EXPECT_EQ(t.value("Anctaityou"), ""); // not entered: no false 0
    EXPECT_EQ(t.value("Syubetu"), QStringLiteral("摩擦引張型アンカー E-5 (4S12.7)"));
    // The initial tension as the anchor's particulars give it now.
    EXPECT_EQ(t.value("Teityakuji"), QStringLiteral("初期緊張力  [荷重]  362.50 (kN)   [ゲージ圧]  36.25 (MPa)"));
    EXPECT_EQ(t.value("MPa"), QStringLiteral("センターホール 500kN"));
    EXPECT_EQ(t.value("Bikou"), QStringLiteral("合格"));
    EXPECT_EQ(rec.of("Title.jfm").at(1).texts.value("Title"),
        QStringLiteral("品質保証試験(１サイクル確認試験)　データシート"));
}

TEST(DataSheetFields, OptionsOfThePrintWindow)
{
    Project p;
    test::makeQualityProject(p, 1, 2);
    p.anchor(1).Readings[1].ClockTime = "10:05:30";
    DataSheetOptions time;
    time.showTime = true; // the time column has its own templates
    test::Recorder rec = compose(p, time);
    EXPECT_TRUE(rec.of(Row).empty());
    EXPECT_EQ(rec.of("InputDataSheetGyou.jfm").at(1).texts.value("Time"), "10:05:30");

    DataSheetOptions blank;
    blank.blankData = true; // the items stay, the rows are only numbered
    blank.blankRemarks = true;
    rec = compose(p, blank);
    EXPECT_EQ(rec.of(Items).at(0).texts.value("Bikou"), "");
    for (const DrawnForm& row : rec.of(Row))
        EXPECT_EQ(row.texts.keys(), QStringList { "No" });

    ReportEngine engine(QString {}); // blank sheets: numbered empty rows under the general title
    test::Recorder sheets(engine);
    ASSERT_TRUE(PrintModule::PrintBlankDataSheets(engine, 3));
    EXPECT_EQ(sheets.of(Row).at(109).texts, (QHash<QString, QString> { { "No", "110" } }));
    EXPECT_EQ(sheets.of("Title.jfm").at(0).texts.value("Title"), QStringLiteral("アンカー試験　データシート"));
}

TEST(DataSheetPages, RowsSitAtTheirPitchBelowTheColumnTitlesAndNumbersRunOn)
{
    Project p;
    test::makeQualityProject(p, 1, 71);
    test::Recorder rec = compose(p);
    EXPECT_EQ(rec.of(Columns).at(0).topMargin, 8500); // below the quality-assurance items block
    auto rows = rec.of(Row);
    ASSERT_EQ(rows.size(), 71u);
    EXPECT_EQ(rows[29].topMargin, 8500 + 940 + 30 * 550);
    EXPECT_EQ(rows[30].page, 2);
    EXPECT_EQ(rows[30].topMargin, 3000 + 550);
    EXPECT_EQ(rows[70].texts.value("No"), "71");
    EXPECT_EQ(rec.of("InputDataSheetBar.jfm").at(0).topMargin, rows[70].topMargin + 550); // below the last row
    EXPECT_EQ(rec.of("Page.jfm").at(1).texts.value("Page"), QStringLiteral("アンカー孔番  A-1　　2 / 3"));

    // A damaged reading count must not read past the rows.
    p.anchor(1).ReadingCount = 500;
    EXPECT_EQ(compose(p).of(Row).size(), 71u);
}
