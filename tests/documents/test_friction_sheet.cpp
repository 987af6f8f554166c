// The friction-loss sheet: its working from two points or from a given
// intersection load, worked by hand, and when the sheet can be composed.

#include "documents/FrictionLossSheet.h"
#include "documents/GraphSheetSamples.h"
#include "documents/Recorder.h"
#include "documents/ReportForms.h"
#include "evaluation/CycleEvaluation.h"
#include "evaluation/FrictionLoss.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace tessaro;

namespace {

AnchorRecord evaluated(Project& p)
{
    return EvaluatedCopy(p.Record.WorkingAnchor, p);
}

} // namespace

// Points 1 (50 kN, 0) and 3 (300 kN, 10.00 mm): a = 10 / 250 = 0.0400,
// b = 0 − 50 × 0.0400 = −2.0000, Tx = 2 / 0.04 = 50.00 kN, no loss.
TEST(FrictionLossSheet, WorkingFromTwoPoints)
{
    Project p;
    test::makePullOutProject(p);
    p.Record.WorkingAnchor.PointA = 1;
    p.Record.WorkingAnchor.PointB = 3;
    const AnchorRecord a = evaluated(p);
    report::Fields f = twoPointFields(a);
    EXPECT_EQ(f["Point1title"], QStringLiteral("点A（点番号 1）"));
    EXPECT_EQ(f["Point2Shiki"], QStringLiteral("TB = 300.00 kN　　δB = 10.00 mm"));
    EXPECT_EQ(f["Heni1"], QStringLiteral("(10.00 − 0.00) / (300.00 − 50.00)"));
    EXPECT_EQ(f["Heni2"], "0.0400");
    EXPECT_EQ(f["Heni3"], QStringLiteral("0.00 − 50.00 × 0.0400"));
    EXPECT_EQ(f["Heni4"], "-2.0000");
    EXPECT_EQ(f["ABAns"], QStringLiteral("δe = 0.0400 × T − 2.0000"));
    EXPECT_EQ(f["Line"], "2.0000 / 0.0400");
    EXPECT_EQ(f["Masatu1"], "50.00");
    EXPECT_EQ(f["Masatu2"], QStringLiteral("50.00　-　50.00"));
    EXPECT_EQ(f["Masatu3"], "0.00");

    report::Fields head = frictionLossHeadFields(p, a);
    EXPECT_EQ(head["Koujimei"], p.Record.WorksName);
    EXPECT_EQ(head["Syoki"], "50.00");
    EXPECT_EQ(head["Saidai"], "400.00");
    EXPECT_EQ(head["Danmenseki"], "555.00");
    EXPECT_EQ(head["Masatu"], "0.00");
}

// A given intersection load of 80 kN with T0 = 50 kN: a loss of 30.00 kN.
TEST(FrictionLossSheet, WorkingFromAGivenIntersectionLoad)
{
    Project p;
    test::makePullOutProject(p);
    p.Record.WorkingAnchor.UseGivenIntercept = 1;
    p.Record.WorkingAnchor.GivenIntercept = 80;
    const AnchorRecord a = evaluated(p);
    report::Fields f = givenInterceptFields(a);
    EXPECT_EQ(f["Masatu1"], "80.00");
    EXPECT_EQ(f["Masatu2"], QStringLiteral("80.00　-　50.00"));
    EXPECT_EQ(f["Masatu3"], "30.00");
    EXPECT_EQ(f["Heni"], "12.34"); // the line runs to the last cycle

    // One page: the head with its chart at the top, the working directly below it.
    report::ReportEngine engine(QString {});
    test::Recorder rec(engine);
    EXPECT_TRUE(PrintMasatusonshitu(engine, p, a));
    EXPECT_TRUE(engine.problems().isEmpty()) << engine.problems().join("\n").toStdString();
    EXPECT_EQ(engine.MaxPage(), 1);
    ASSERT_EQ(rec.forms.size(), 2u);
    EXPECT_EQ(rec.forms[0].images["Graph"], QStringLiteral("摩擦損失"));
    EXPECT_EQ(rec.forms[1].formName, "MasatusonshituShitei.jfm");
    EXPECT_EQ(rec.forms[1].topMargin, engine.form(forms::Masatusonshitu.path())->height);
}

// The sheet needs a line that meets the load axis and a cycle evaluated.
TEST(FrictionLossSheet, ReadyOnlyWithALineAndAnEvaluatedCycle)
{
    struct Case {
        const char* what;
        std::uint8_t given;
        float intercept;
        std::uint8_t pointA, pointB;
        bool readings;
        bool ready;
    };
    const Case cases[] = {
        { "points 1 and 3", 0, InterceptNotGiven, 1, 3, true, true },
        { "points 4 and 2", 0, InterceptNotGiven, 4, 2, true, true },
        { "a point beyond the four offered", 0, InterceptNotGiven, 1, 5, true, false },
        { "both points the same", 0, InterceptNotGiven, 3, 3, true, false },
        { "one point not chosen", 0, InterceptNotGiven, 0, 3, true, false },
        { "intersection load given", 1, 80, 0, 0, true, true },
        { "intersection load never given", 1, InterceptNotGiven, 1, 3, true, false },
        { "no readings", 1, 80, 0, 0, false, false },
    };
    for (const Case& c : cases) {
        Project p;
        test::makePullOutProject(p);
        AnchorRecord& a = p.Record.WorkingAnchor;
        a.UseGivenIntercept = c.given;
        a.GivenIntercept = c.intercept;
        a.PointA = c.pointA;
        a.PointB = c.pointB;
        if (!c.readings) {
            a.Readings.clear();
            a.ReadingCount = 0;
        }
        EXPECT_EQ(frictionSheetReady(evaluated(p)), c.ready) << c.what;
    }
}
