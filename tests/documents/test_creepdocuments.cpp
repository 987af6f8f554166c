// The creep sheets and the result lists as drawn: the fields of the worked
// example and of the extended test, the 2000 edition's creep-coefficient
// sheet, the list's pages and name fields, and the detailed list's pages.

#include "documents/CreepSheets.h"
#include "documents/GraphSheetSamples.h"
#include "documents/Recorder.h"
#include "documents/ReportForms.h"
#include "documents/ResultListDocuments.h"
#include "support/CreepAnchors.h"

#include <gtest/gtest.h>

using namespace tessaro;
using report::ReportEngine;

namespace {

// The texts of the one form drawn from the template.
QHash<QString, QString> drawnTexts(const test::Recorder& rec, const forms::FormSpec& form, std::size_t i = 0)
{
    const auto drawn = rec.of(form.file);
    return i < drawn.size() ? drawn[i].texts : QHash<QString, QString> {};
}

QStringList values(const QHash<QString, QString>& texts, const QStringList& names)
{
    QStringList out;
    for (const QString& n : names)
        out << texts.value(n);
    return out;
}

} // namespace

TEST(CreepSheets, DisplacementSheetsOfTheWorkedExampleAndTheExtendedTest)
{
    Project p;
    test::makeCreepProject(p);
    ReportEngine engine(QString {});
    test::Recorder rec(engine);
    ASSERT_TRUE(PrintoutAllAnchorHeni(engine, p, 1, 3));
    EXPECT_EQ(engine.MaxPage(), 3);
    EXPECT_TRUE(engine.problems().isEmpty()) << engine.problems().join("\n").toStdString();
    EXPECT_EQ(rec.of(forms::NewKuripuHeniTitle.file).size(), 3u);
    const auto graphs = rec.of(forms::NewKuripuHeniGraph.file);
    ASSERT_EQ(graphs.size(), 3u);
    EXPECT_EQ(graphs[2].images["Graph"], "Graph_3"); // each anchor's curve drawn on its page
    EXPECT_EQ(drawnTexts(rec, forms::NewKuripuHeniTitle)["AncMeisyou"], "A-1");

    // Anchor 1: 5 → 15 minutes, 30.20 → 30.55 mm.
    const auto worked = drawnTexts(rec, forms::NewKuripuHeni1Ans);
    EXPECT_EQ(values(worked, { "t1", "t2", "t1_Time", "t2_Time", "sa", "sb", "Time", "Heni", "Keisuu1" }),
        QStringList({ "3", "5", "5", "15", "30.20", "30.55", "3.0", "0.35", "0.50" }));
    EXPECT_EQ(worked["TimeHantei"], QStringLiteral("tb / ta = 3.0 ≧ 3.0 より、"));
    EXPECT_EQ(worked["DerutaS_2"], QStringLiteral("0.35 mm"));
    EXPECT_EQ(worked["AncHeniHantei"], QStringLiteral("⊿s ＝ 　0.35  ≦ 0.50 mm より、適性である。"));
    EXPECT_EQ(worked["Kekka"], QStringLiteral("適性とする。"));

    // Anchor 2: no judgement by the displacement; the extended test decides.
    const auto notLast = drawnTexts(rec, forms::NewKuripuHeni1);
    EXPECT_EQ(notLast["TimeHantei"], QStringLiteral("tbが最大試験時間の最終点ではありません。"));
    EXPECT_EQ(notLast["Kekka"], QStringLiteral("よって、判定は行わない。"));
    const auto extended = drawnTexts(rec, forms::NewKuripuHeni2Ans);
    EXPECT_EQ(values(extended, { "tadash", "tbdash", "sadash", "sbdash", "Time", "Bunshi", "Bunbo", "DerutaC" }),
        QStringList({ "10", "60", "30.40", "31.40", "6.0", "31.40 - 30.40", "log ( 60 / 10 )", "1.29 mm" }));
    EXPECT_EQ(extended["CHantei"], QStringLiteral("⊿c ＝ 　1.29 ≦ 2.00 mm より、適性である。"));
    EXPECT_EQ(extended["Kekka"], QStringLiteral("適性とする。"));

    // Anchor 3: the extended test without its points.
    const auto none = drawnTexts(rec, forms::NewKuripuHeni2);
    EXPECT_EQ(none["tadash"], QString());
    EXPECT_EQ(none["Kekka"], QStringLiteral("測定時間が選択されていないため、計算できない。"));
    EXPECT_EQ(rec.of(forms::Page.file).size(), 3u);
}

TEST(CreepSheets, CreepCoefficientSheetOfThe2000Edition)
{
    Project p;
    test::makeCreepProject(p);
    p.Settings.StandardEdition = 0;
    ReportEngine engine(QString {});
    test::Recorder rec(engine);
    ASSERT_TRUE(PrintoutAllAnchorHeni(engine, p, 1, 3));
    EXPECT_EQ(engine.MaxPage(), 3);
    EXPECT_EQ(rec.of(forms::Kuripuzu.file)[1].images["Graph"], "Graph_2");
    const auto head = drawnTexts(rec, forms::Kuripuzu);
    EXPECT_EQ(
        head["Dankai"], QStringLiteral("クリープ係数を算出する荷重段階は、計画最大荷重時とする。(荷重：350.00ｋN)"));
    EXPECT_EQ(
        head["Hani"], QStringLiteral("クリープ係数の算出は、クリープ量-時間曲線図（下図）のNo.2～ No.5の間で行う。"));
    // Anchor 1 converted: T1 2, T2 15 → t2 = 14; creep amounts 0.08 and 0.55.
    ASSERT_EQ(rec.of(forms::Kuripuzu2.file).size(), 1u);
    EXPECT_EQ(
        drawnTexts(rec, forms::Kuripuzu2)["Henkan"], QStringLiteral("t2 = T2 - ( T1 - t1 ) = 15 - ( 2 - 1 ) = 14"));
    const auto first = drawnTexts(rec, forms::Kuripuzu3, 0);
    EXPECT_EQ(values(first, { "Midashi", "t1", "t2", "s1", "s2", "Keisuu", "Hantei", "Kekka" }),
        QStringList({ "(4) クリープ係数の算出", "1", "14", "0.08", "0.55", "0.41 mm", "⊿c ＝ 0.41 ＜ 1.0 mm",
            "よって、適性であると判定する。" }));
    // Anchor 2 as read: 1.20 / log 12 = 1.11 ≧ 1.0.
    const auto second = drawnTexts(rec, forms::Kuripuzu3, 1);
    EXPECT_EQ(values(second, { "Midashi", "Keisuu", "Kekka" }),
        QStringList({ "(3) クリープ係数の算出", "1.11 mm", "よって、判定基準を満足できないと判定する。" }));
    EXPECT_EQ(drawnTexts(rec, forms::Kuripuzu3, 2)["Kekka"], QString());
}

// 43 anchors a page; a name of ten characters in the normal field, eleven in
// the narrower one.
TEST(ResultLists, PagesAndNameFields)
{
    Project p;
    test::makeGraphProject(p, 44);
    p.anchor(1).AnchorNo = QStringLiteral("ABCDEFGHIJ");
    p.anchor(2).AnchorNo = QStringLiteral("ABCDEFGHIJK");
    ReportEngine engine(QString {});
    test::Recorder rec(engine);
    ASSERT_TRUE(PrintKekka(engine, p, ResultsList(p), ResultsListKind::Displacement));
    EXPECT_EQ(engine.MaxPage(), 2);
    const auto rows = rec.of(forms::KekkaItiranGyou.file);
    ASSERT_EQ(rows.size(), 44u);
    EXPECT_EQ(rows[0].texts.value("AncMeisyou"), "ABCDEFGHIJ");
    EXPECT_FALSE(rows[0].texts.contains("AncMeisyou20"));
    EXPECT_EQ(rows[1].texts.value("AncMeisyou20"), "ABCDEFGHIJK");
    EXPECT_EQ(values(rows[0].texts, { "SyokiKajyuu", "SaidaiKajyuu", "Sosei", "Dansei", "Riron", "Jyougen", "Kagen" }),
        QStringList({ "50.0", "350.0", "1.60", "29.95", "30.00", "33.00", "27.00" }));
    EXPECT_EQ(rows[43].page, 2);
    EXPECT_EQ(rows[43].topMargin, 4300);
    EXPECT_EQ(rec.of(forms::KekkaItiranTitle.file).size(), 2u);
    EXPECT_EQ(rec.of(forms::KekkaItiranBar.file).back().topMargin, 4300 + 550);
}

// 54 readings: 45 on the first page, 9 on the second; an anchor without
// readings takes one page.
TEST(ResultLists, DetailedListOfEachAnchor)
{
    Project p;
    test::makeGraphProject(p, 2);
    p.anchor(2).Readings.clear();
    p.anchor(2).ReadingCount = 0;
    ReportEngine engine(QString {});
    test::Recorder rec(engine);
    ASSERT_TRUE(PrintResultDetails(engine, p, 1, 2));
    EXPECT_EQ(engine.MaxPage(), 3);
    const auto rows = rec.of(forms::KekkaItiranSyousaiGyou.file);
    ASSERT_EQ(rows.size(), 54u);
    EXPECT_EQ(rows[44].page, 1);
    EXPECT_EQ(rows[45].page, 2);
    EXPECT_EQ(rows[45].topMargin, 5400);
    EXPECT_EQ(values(rows[7].texts, { "No", "Cycle", "Kajyuu", "Nobi", "Riron", "Jyougen", "Kagen" }),
        QStringList({ "8", "2", "150.00", "10.75", "10.00", "11.00", "9.00" }));
    EXPECT_EQ(values(rows[9].texts, { "Sosei", "Dansei" }), QStringList({ "0.55", "10.20" }));
    EXPECT_EQ(rec.of(forms::KekkaItiranSyousaiMainTitle.file).size(), 3u);
}
