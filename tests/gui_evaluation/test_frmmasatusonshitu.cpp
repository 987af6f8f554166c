// The friction-loss window driven offscreen on the pull-out test: the worked
// cases through its boxes, what OK and Cancel leave in the anchor, the checks
// and messages of bad input, its preview, the graph window's button that opens
// it, and the same sheet from tessaro-cli.

#include "documents/FrictionLossSheet.h"
#include "documents/ReportEngine.h"
#include "evaluation/FrictionLoss.h"
#include "evaluation/frmMasatuSonshitu.h"
#include "graphs/FrictionLossChart.h"
#include "graphs/frmGRAPH.h"
#include "model/AppPaths.h"
#include "model/DataFile.h"
#include "support/GuiTestSupport.h"
#include "support/MeasuredAnchors.h"
#include "ui/Chart2D.h"

#include <QRadioButton>

using namespace tessaro;
using test::textOf;

namespace {

const QString NoPointText
    = QStringLiteral("測定値の入力不足より弾性変位量が算出できないため、点番号の指定ができません。");

struct FrictionLossWindow : ::testing::Test {
    MessageScript messages;
    std::unique_ptr<frmMasatuSonshitu> window;

    FrictionLossWindow() { test::makePullOutProject(project()); }
    AnchorRecord& stored() { return project().Record.WorkingAnchor; }

    void open()
    {
        window = std::make_unique<frmMasatuSonshitu>();
        test::showActive(*window);
    }
    // Typing into a box and leaving it for the preview button ends its entry.
    void enter(const QString& box, const QString& text) { test::enterText(*window, box, text, "CmdPreview"); }
    void enterPoints(const QString& a, const QString& b)
    {
        enter("imText1_0", a);
        enter("imText1_1", b);
    }
    QStringList results()
    {
        QStringList texts;
        for (const char* name : { "LblShiki1", "LblShiki2", "LblSonshitu", "LblTendonJiyuu" })
            texts << textOf(*window, name);
        return texts;
    }
    const std::vector<ChartPoint>& line()
    {
        return test::control<ui::Chart2D>(*window, "Chart2D1")
            ->data()
            .groups.at(0)
            .series.at(FrictionLineSeries)
            .points;
    }
};

// Shows the preview the button composes; returns its page count (0 when no preview opened).
int previewPages(QWidget& window)
{
    int pages = 0;
    ui::ModalScript modal;
    modal.expect("frmPreview", [&](QDialog& d) {
        pages = test::pdfPages(report::ReportEngine::defaultOutputFile());
        d.reject();
    });
    test::click(window, "CmdPreview");
    return pages;
}

} // namespace

// Points 1 and 3: the line from (50 kN, 0) through (300 kN, 10.00 mm) meets the
// load axis at 50.00 kN, no loss; the apparent free length 12.34 / 250 × 200 ×
// 555 = 5478.96 → 5479 mm.
TEST_F(FrictionLossWindow, TwoPointsOfTheWorkedCaseAreStoredOnOk)
{
    open();
    EXPECT_TRUE(test::control<QRadioButton>(*window, "Option1_0")->isChecked());
    EXPECT_EQ(results(), QStringList({ "", "", "", "" })); // no point chosen yet
    enterPoints("1", "3");
    EXPECT_EQ(results(), QStringList({ QStringLiteral("=  50.00　-　50.00"), "=  0.00  (kN)", "0.00", "5.479  m" }));
    ASSERT_EQ(line().size(), 2u);
    EXPECT_NEAR(line()[0].y, 50, 1e-5); // at the intersection load
    EXPECT_NEAR(line()[1].x, 10.00, 1e-5); // up to point 3
    test::screenshot(*window, "frmMasatuSonshitu");
    EXPECT_EQ(stored().PointA, 0); // the window works on a copy

    test::click(*window, "CmdOK");
    EXPECT_EQ(window->result(), QDialog::Accepted);
    EXPECT_EQ(stored().PointA, 1);
    EXPECT_EQ(stored().PointB, 3);
    EXPECT_EQ(stored().UseGivenIntercept, 0);
    EXPECT_EQ(stored().ApparentFreeLength, 5479);
    EXPECT_TRUE(messages.empty());
}

// A given intersection load of 80 kN: a loss of 30.00 kN, the span up to Tp
// 400 kN, 12.34 / 320 × 111000 = 4280.44 → 4.280 m. Cancel leaves the
// anchor's own choice of points as it was.
TEST_F(FrictionLossWindow, GivenInterceptShownAndCancelLeavesTheAnchor)
{
    stored().PointA = 1;
    stored().PointB = 3;
    open();
    EXPECT_EQ(textOf(*window, "imText1_1"), "3");
    EXPECT_EQ(textOf(*window, "imText2"), ""); // never given
    test::check(*window, "Option1_1");
    EXPECT_FALSE(test::enabled(*window, "imText1_0"));
    EXPECT_TRUE(test::enabled(*window, "imText2"));
    EXPECT_EQ(results(), QStringList({ "", "", "", "" })); // no load given yet
    enter("imText2", "80");
    EXPECT_EQ(textOf(*window, "imText2"), "80.00");
    EXPECT_EQ(results(), QStringList({ QStringLiteral("=  80.00　-　50.00"), "=  30.00  (kN)", "30.00", "4.280  m" }));
    EXPECT_NEAR(line()[0].y, 80, 1e-5);
    EXPECT_EQ(window->workingAnchor().UpperPointLoad, 400);

    test::click(*window, "CmdCancel");
    EXPECT_EQ(window->result(), QDialog::Rejected);
    EXPECT_EQ(stored().UseGivenIntercept, 0);
    EXPECT_EQ(stored().GivenIntercept, InterceptNotGiven);
    EXPECT_TRUE(stored().Evaluation.Results.empty()); // not even evaluated
}

TEST_F(FrictionLossWindow, BadEntriesAreRefusedWithTheirMessages)
{
    open();
    // Four points are offered (T0 and three cycles).
    const std::tuple<const char*, const char*, QString> refused[] = {
        { "imText1_0", "5", QStringLiteral("点番号に範囲外の数値が入力されました。") },
        { "imText1_1", "0", QStringLiteral("点番号に範囲外の数値が入力されました。") },
        { "imText1_0", "a", QStringLiteral("点番号に数値以外の文字が入力されました。") },
    };
    for (const auto& [box, text, told] : refused) {
        messages.clear();
        enter(box, text);
        EXPECT_TRUE(test::lastText(messages).startsWith(told)) << box << " " << text;
        EXPECT_EQ(textOf(*window, box), "");
    }

    // Both points the same: no line, the loss is −T0 as the arithmetic has it,
    // and neither a sheet nor a stored choice without both boxes.
    enterPoints("3", "3");
    EXPECT_EQ(textOf(*window, "LblSonshitu"), "-50.00");
    EXPECT_TRUE(line().empty());
    messages.clear();
    EXPECT_EQ(previewPages(*window), 0);
    EXPECT_EQ(test::lastText(messages), FrictionSheetIncompleteMessage);
    enter("imText1_1", "");
    EXPECT_EQ(results(), QStringList({ "", "", "", "" }));
    test::click(*window, "CmdOK");
    EXPECT_EQ(test::lastText(messages), QStringLiteral("空白があります。入力し直してください。"));
    EXPECT_TRUE(window->isVisible());

    // The intersection load goes up to Tp (400 kN).
    test::check(*window, "Option1_1");
    messages.clear();
    enter("imText2", "400.01");
    EXPECT_TRUE(
        test::lastText(messages).startsWith(QStringLiteral("指定した交点荷重に範囲外の数値が入力されました。")));
    test::click(*window, "CmdOK");
    EXPECT_EQ(test::lastText(messages), QStringLiteral("空白があります。入力し直してください。"));
    EXPECT_EQ(stored().UseGivenIntercept, 0);
}

// Without an evaluated cycle (cycle 1 never came back to T0) no point can be
// named, the last cycle has no elastic value for the apparent free length, and
// there is no sheet to show.
TEST_F(FrictionLossWindow, TooFewReadingsForPointsOrForTheFreeLength)
{
    stored().Readings.resize(3);
    stored().ReadingCount = 3;
    open();
    enter("imText1_0", "1");
    EXPECT_EQ(test::lastText(messages), NoPointText);
    EXPECT_EQ(textOf(*window, "imText1_0"), "");
    test::check(*window, "Option1_1");
    enter("imText2", "80");
    EXPECT_EQ(textOf(*window, "LblSonshitu"), "30.00");
    EXPECT_EQ(textOf(*window, "LblTendonJiyuu"), "---    m");
    EXPECT_EQ(previewPages(*window), 0);
    EXPECT_EQ(test::lastText(messages), FrictionSheetIncompleteMessage);
}

TEST_F(FrictionLossWindow, PreviewShowsTheSheetOfTheCopy)
{
    open();
    enterPoints("1", "3");
    EXPECT_EQ(previewPages(*window), 1);
    EXPECT_TRUE(messages.empty()) << test::lastText(messages).toStdString();
    EXPECT_FALSE(QFile::exists(report::ReportEngine::defaultOutputFile()));
    EXPECT_EQ(stored().PointA, 0);
}

// The graph window of a basic investigation opens the window on its anchor;
// OK there stores the choice.
TEST_F(FrictionLossWindow, OpenedFromTheGraphWindow)
{
    frmGRAPH graphs;
    ASSERT_TRUE(test::enabled(graphs, "CmdMasatu"));
    test::drive(
        "frmMasatuSonshitu",
        [](QDialog& d) {
            test::showActive(d);
            test::enterText(d, "imText1_0", "2", "CmdPreview");
            test::enterText(d, "imText1_1", "4", "CmdPreview");
            test::click(d, "CmdOK");
        },
        [&] { test::click(graphs, "CmdMasatu"); });
    EXPECT_EQ(stored().PointA, 2);
    EXPECT_EQ(stored().PointB, 4);
    // (175, 3.60) and (400, 12.34): a = 8.74 / 225 = 0.0388, b = 3.60 − 175 × 0.0388 = −3.1900, Tx = 82.22.
    EXPECT_FLOAT_EQ(stored().InterceptLoad, 82.22f);
}

// tessaro-cli composes the same sheet from the stored choice, and refuses a
// choice that gives no line or a project without a pull-out test.
TEST_F(FrictionLossWindow, CliComposesTheSheetOfTheStoredChoice)
{
    const QString data = test::tempPath("pullout.tsx");
    const QString pdf = test::tempPath("friction.pdf");
    stored().UseGivenIntercept = 1;
    stored().GivenIntercept = 80;
    ASSERT_TRUE(SaveDataFile(data));
    QByteArray out, err;
    ASSERT_EQ(test::runCli({ "pdf", data, "--doc", "friction", "--out", pdf }, &out, &err), 0) << err.toStdString();
    EXPECT_EQ(test::pdfPages(pdf), 1);

    stored().UseGivenIntercept = 0;
    stored().PointA = stored().PointB = 2;
    ASSERT_TRUE(SaveDataFile(data));
    EXPECT_EQ(
        test::runCli({ "pdf", data, "--doc", "friction", "--out", test::tempPath("none.pdf") }, nullptr, &err), 1);
    EXPECT_TRUE(QString::fromUtf8(err).contains(FrictionSheetIncompleteMessage));

    InitProject(project(), 1);
    project().TestCategory = 1;
    ASSERT_TRUE(SaveDataFile(data));
    EXPECT_EQ(
        test::runCli({ "pdf", data, "--doc", "friction", "--out", test::tempPath("none.pdf") }, nullptr, &err), 1);
    EXPECT_FALSE(QFile::exists(test::tempPath("none.pdf")));
}
