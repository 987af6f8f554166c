// The anchor particulars list: which title and particulars blocks an anchor
// gets, what they and their texts print, the pages of an anchor and the load-plan
// figure.

#include "documents/AnchorListDocument.h"
#include "documents/AnchorListTexts.h"
#include "documents/Recorder.h"
#include "documents/ReportForms.h"
#include "support/AnchorListSamples.h"
#include "support/TestSupport.h"

#include <QSvgRenderer>
#include <gtest/gtest.h>

using namespace tessaro;
using report::DrawnForm;
using report::ReportEngine;
using Rows = std::vector<std::pair<QString, QString>>;

namespace {

std::vector<DrawnForm> compose(const Project& p, int first, int last, bool pageNumbers = true)
{
    ReportEngine engine(QString {});
    test::Recorder rec(engine);
    EXPECT_TRUE(PreviewAnchorInformation(engine, p, first, last, { pageNumbers }));
    EXPECT_TRUE(engine.problems().isEmpty()) << engine.problems().join("\n").toStdString();
    return rec.forms;
}

const DrawnForm* find(const std::vector<DrawnForm>& forms, const QString& file, int page = 0)
{
    for (const DrawnForm& f : forms)
        if (f.formName == file && (page == 0 || f.page == page))
            return &f;
    return nullptr;
}

QStringList namesOnPage(const std::vector<DrawnForm>& forms, int page)
{
    QStringList names;
    for (const DrawnForm& f : forms)
        if (f.page == page && (names.isEmpty() || names.last() != f.formName))
            names << f.formName;
    return names;
}

} // namespace

TEST(AnchorListDocument, AnAnchorTakesTwoPagesOfBlocksOneBelowTheOther)
{
    Project p;
    test::makeTypedProject(p);
    auto forms = compose(p, 1, 2);
    EXPECT_EQ(namesOnPage(forms, 1),
        (QStringList { "AnchorListTitle.jfm", "Page.jfm", "AnchorListHippari.jfm", "AnchorListKajyuu.jfm" }));
    const QString page2[] = { "AnchorListTitle2.jfm", "Page.jfm", "AnchorListCycleTitle.jfm", "AnchorListCycleGyo.jfm",
        "AnchorListCycleTitle.jfm", "AnchorListCycleGyo.jfm", "AnchorListCyclezu.jfm" };
    EXPECT_EQ(namesOnPage(forms, 2), QStringList(std::begin(page2), std::end(page2)));
    EXPECT_EQ(find(forms, "Page.jfm", 4)->texts["Page"], QStringLiteral("- 4 -"));
    EXPECT_FALSE(find(compose(p, 3, 3, false), "Page.jfm"));

    // Every anchor type has its figure; one whose type was never chosen still
    // prints its lengths, without a figure.
    for (int type = 0; type < 6; ++type)
        EXPECT_TRUE(QSvgRenderer(anchorTypeFigure(type)).isValid()) << type;
    EXPECT_EQ(anchorParticularsForm(-1).file, "AnchorListHippari.jfm");
    EXPECT_TRUE(anchorTypeFigure(-1).isEmpty());
}

TEST(AnchorListDocument, BlocksPrintTheAnchorsParticularsAndPlan)
{
    Project p;
    test::makeTypedProject(p);
    p.anchor(4).DesignAnchorForceSeismic = 280;
    auto forms = compose(p, 1, 6);
    EXPECT_EQ(find(forms, "AnchorListTitle.jfm")->texts["Teityaku"], QStringLiteral("くさび (セット量 5.0 mm)"));
    EXPECT_EQ(find(forms, "AnchorListTitleTd.jfm")->texts["Td2"], QStringLiteral("280.00 kN (地震時)"));
    const DrawnForm* particulars = find(forms, "AnchorListHippari.jfm");
    EXPECT_EQ(particulars->texts["Tendontyou"], "16500 mm"); // Lf 9000 + La 6000 + spare 1500
    EXPECT_TRUE(particulars->images["IMAGE"].endsWith(QStringLiteral("引張型.svg")));
    EXPECT_EQ(find(forms, "AnchorListBunsan.jfm")->texts["Kankaku"], "1500, 1500 mm");
    EXPECT_EQ(namesOnPage(forms, 3).value(2), "AnchorListHippariSEEE.jfm");
    const DrawnForm* plan = find(forms, "AnchorListKajyuu.jfm");
    EXPECT_EQ(plan->texts["Syoki"], QStringLiteral("50.00 kN（5.00 MPa）"));
    EXPECT_FALSE(plan->texts.contains("Kajyuu7"));
    EXPECT_EQ(plan->texts["Genka"], QStringLiteral("100 kN/分"));
}

TEST(AnchorListDocument, EditionsAndTestKindsNameTheTest)
{
    Project old;
    test::makeTypedProject(old, Edition2000);
    old.anchor(2).ConfirmationTest = 1;
    auto forms = compose(old, 1, 2);
    EXPECT_EQ(
        find(forms, "AnchorListTitle.jfm", 3)->texts["Shikenmei"], QStringLiteral("品質保証試験(１サイクル確認試験)"));
    EXPECT_EQ(find(forms, "AnchorListHippari.jfm")->texts["Kasetu"], QStringLiteral("永久"));
    // A single-cycle test counts its load stages, not cycles.
    EXPECT_EQ(find(forms, "AnchorListKajyuu.jfm", 3)->texts["Dankai"], QStringLiteral("6 段階"));
}

TEST(AnchorListDocument, LoadPlanFigureIsNamedForItsAnchor)
{
    Project p;
    test::makeTypedProject(p);
    auto forms = compose(p, 2, 3);
    EXPECT_EQ(find(forms, "AnchorListCyclezu.jfm", 4)->images["IMAGE"], "GphInfo3");
}

namespace {

using Rows = std::vector<std::pair<QString, QString>>;

Rows rowsOf(const HoldingTable& table)
{
    Rows rows;
    for (const HoldingRow& r : table.rows)
        rows.emplace_back(r.title, r.times);
    return rows;
}

} // namespace

TEST(AnchorListTexts, AnchorageDesignForcesReadingTimesAndLoadChanges)
{
    AnchorRecord a;
    EXPECT_EQ(anchorageText(a), ""); // no device chosen
    a.AnchoringType = 1;
    EXPECT_EQ(anchorageText(a), QStringLiteral("ナット")); // set amount −1: not given
    a.SetAmount = 3.25;
    EXPECT_EQ(anchorageText(a), QStringLiteral("ナット (セット量 3.3 mm)"));
    EXPECT_EQ(designForceText(a), "");
    a.DesignAnchorForce = 412.345f;
    EXPECT_EQ(designForceText(a), QStringLiteral("412.35 kN (常時)"));

    EXPECT_EQ(readingTimesText(test::readingsAt({ 1, 2, 5, 10, 15 })), QStringLiteral("1, 2, 5, 10, 15 分（5回）"));
    EXPECT_EQ(readingTimesText(HoldingStage {}), QStringLiteral("計測なし"));

    a.Spec2.LoadingMinutes = 2; // equal load changes make one line
    a.Spec2.UnloadingMinutes = 2;
    EXPECT_EQ(loadChangeLines(a).firstValue, QStringLiteral("2 分"));
    EXPECT_TRUE(loadChangeLines(a).secondTitle.isEmpty());
}

TEST(AnchorListTexts, MultiCycleTablesShowNewLoadsPerCycleAndTheHistoryOnce)
{
    AnchorRecord a = test::sixCycleAnchor();
    a.Plan.StageCount = 3;
    HoldingSchedule s = test::compactSchedule();
    s.InitialStages[3] = test::readingsAt({ 1, 5, 15 });
    auto tables = holdingTables(a, s, false);
    ASSERT_EQ(tables.size(), 2u);
    EXPECT_EQ(tables[0].title, QStringLiteral("新規荷重段階"));
    EXPECT_EQ(rowsOf(tables[0]),
        (Rows { { "初期荷重段階", "2 分（1回）" }, { "1サイクル", "1, 5 分（2回）" }, { "2サイクル", "1, 5 分（2回）" },
            { "計画最大荷重段階（3サイクル）", "1, 5, 15 分（3回）" } }));
    EXPECT_EQ(rowsOf(tables[1]), (Rows { { "全段階", "1 分（1回）" } }));

    // One stage of cycle 3 read differently: the history per cycle.
    s.CycleStages[2].Unloading[2] = test::readingsAt({ 1, 2 });
    tables = holdingTables(a, s, false);
    EXPECT_EQ(rowsOf(tables[1]).back(), (std::pair<QString, QString> { "3サイクル", "段階ごとに設定されています。" }));
}

TEST(AnchorListTexts, SingleCycleTablesShowTheMaximumLoadAndTheOtherStages)
{
    AnchorRecord a = test::sixCycleAnchor();
    a.Plan.StageCount = 4;
    HoldingSchedule s = test::compactSchedule();
    s.InitialStages[1] = test::readingsAt({ 1, 2, 5, 10, 15 });
    auto tables = holdingTables(a, s, true);
    ASSERT_EQ(tables.size(), 2u);
    EXPECT_EQ(rowsOf(tables[0]),
        (Rows { { "初期荷重段階", "2 分（1回）" }, { "計画最大荷重段階", "1, 2, 5, 10, 15 分（5回）" } }));
    s.CycleStages[1].Loading[0] = HoldingStage {};
    tables = holdingTables(a, s, true);
    EXPECT_EQ(rowsOf(tables[1]), (Rows { { "全段階", "段階ごとに設定されています。" } }));
}
