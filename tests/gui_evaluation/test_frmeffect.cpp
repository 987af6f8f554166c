// The results list of a project worked by hand (the anchors of
// tests/evaluation/test_resultslist.cpp): both grids, the detail window and
// the documents previewed from the list.

#include "documents/ReportEngine.h"
#include "evaluation/frmEffect.h"
#include "evaluation/frmEffectDetail.h"
#include "model/basMainData.h"
#include "support/GuiTestSupport.h"
#include "support/MeasuredAnchors.h"
#include "ui/SpreadGrid.h"

#include <QTabBar>

using namespace tessaro;

namespace {

// Anchor 1 the six-cycle test (creep 31.30 → 31.55 mm from 1 to 5 min),
// anchor 2 the same with 31.90 at 5 min and an unread row, anchor 3 a
// confirmation test without readings.
void setUpResultsProject()
{
    Project& p = project();
    InitProject(p, 3);
    p.TestCategory = 1;
    p.anchor(1) = test::measuredSixCycleAnchor();
    p.anchor(1).AnchorageGround = 1;
    p.anchor(1).FinalVerdictText = QStringLiteral("適合");
    p.anchor(2) = test::measuredSixCycleAnchor();
    p.anchor(2).AnchorNo = QStringLiteral("A-2");
    p.anchor(2).AnchorageGround = 1;
    p.anchor(2).Readings[47].Displacement = 31.90f;
    p.anchor(2).Readings[20].Displacement = MissingValue; // row 21
    p.anchor(3) = test::sixCycleAnchor();
    p.anchor(3).AnchorNo = QStringLiteral("A-3");
    p.anchor(3).ConfirmationTest = 1;
    for (CreepSelection& s : p.Record.CreepSelections) {
        s.TaNo = 1;
        s.TbNo = 2;
    }
    p.CurrentAnchor = 2;
}

QStringList rowTexts(const ui::SpreadGrid& g, int row)
{
    QStringList texts;
    for (int col = 1; col <= g.MaxCols(); ++col)
        texts << g.GetText(col, row);
    return texts;
}

int previewedPages(QWidget& w, const char* button)
{
    int pages = 0;
    ui::ModalScript modal;
    modal.expect("frmPreview", [&](QDialog&) { pages = test::pdfPages(report::ReportEngine::defaultOutputFile()); });
    MessageScript messages;
    test::click(w, button);
    EXPECT_TRUE(messages.empty()) << test::lastText(messages).toStdString();
    return pages;
}

} // namespace

TEST(frmEffect, ListsEveryAnchorEvaluatedAfresh)
{
    setUpResultsProject();
    frmEffect w;
    test::screenshot(w, "frmEffect");
    const ui::SpreadGrid& d = w.grid(0);
    ASSERT_EQ(d.MaxRows(), 3);
    EXPECT_EQ(rowTexts(d, 1),
        QStringList({ "A-1", "適性", "50.0", "350.0", "1.60", "29.95", "30.00", "33.00", "27.00", "適合" }));
    EXPECT_EQ(rowTexts(d, 2).mid(4, 2), QStringList({ "1.60", "30.30" }));
    EXPECT_EQ(rowTexts(d, 3), QStringList({ "A-3", "確認", "50.0", "350.0", "", "", "30.00", "33.00", "27.00", "" }));
    // The row of the current anchor is the one selected.
    EXPECT_EQ(d.ActiveRow(), 2);

    test::control<QTabBar>(w, "TabStrip1")->setCurrentIndex(1);
    test::screenshot(w, "frmEffect-creep");
    const ui::SpreadGrid& c = w.grid(1);
    EXPECT_EQ(rowTexts(c, 1),
        QStringList({ "A-1", "適性", "アンカーの変位量", "1", "5", "31.30", "31.55", "0.25 ≦ 0.50", "OK" }));
    EXPECT_EQ(rowTexts(c, 2).mid(7), QStringList({ "0.60 ＞ 0.50", "OUT" }));
    EXPECT_EQ(rowTexts(c, 3).mid(2), QStringList({ "アンカーの変位量", "", "", "", "", "", "判定不可" }));

    // Previews: the creep list on one page, the detailed lists of all anchors
    // (54 rows take two pages; none, one), the creep sheets of all anchors.
    EXPECT_EQ(previewedPages(w, "cmdPreview"), 1);
    EXPECT_EQ(previewedPages(w, "CmdAllDetail"), 5);
    EXPECT_EQ(previewedPages(w, "CmdAllAncHeni"), 3);

    ui::ModalScript modal;
    modal.expect("frmEffectGraph", [](QDialog& g) { g.reject(); });
    test::click(w, "CmdSoukatuzu");
    EXPECT_TRUE(modal.allUsed());
}

TEST(frmEffect, DetailOfTheSelectedAnchor)
{
    setUpResultsProject();
    frmEffect w;
    test::drive(
        "frmEffectDetail",
        [](QDialog& d) {
            test::screenshot(d, "frmEffectDetail");
            EXPECT_EQ(test::textOf(d, "LblNo"), QStringLiteral("A-2"));
            EXPECT_EQ(test::textOf(d, "LblShiken"), QStringLiteral("適性試験"));
            EXPECT_EQ(test::textOf(d, "LblHantei"), QString());
            auto* g = test::control<ui::SpreadGrid>(d, "vaSpread1");
            ASSERT_EQ(g->MaxRows(), 54);
            // Row 8 ends the peak holding of cycle 2: 10.75 at 150 kN, theory 10.00 ± 10 %.
            EXPECT_EQ(rowTexts(*g, 8), QStringList({ "2", "150.00", "10.75", "10.00", "11.00", "9.00", "", "" }));
            // Row 10 closes cycle 2: permanent 0.55 (row 11), elastic 10.75 − 0.55.
            EXPECT_EQ(rowTexts(*g, 10).mid(6), QStringList({ "0.55", "10.20" }));
            EXPECT_EQ(g->GetText(3, 21), QString()); // not read
            EXPECT_EQ(g->GetText(2, 21), QStringLiteral("150.00"));
            int pages = 0;
            ui::ModalScript preview;
            preview.expect(
                "frmPreview", [&](QDialog&) { pages = test::pdfPages(report::ReportEngine::defaultOutputFile()); });
            test::click(d, "cmdPreview");
            EXPECT_EQ(pages, 2);
        },
        [&] { test::click(w, "CmdEffectDetail"); });

    frmEffectDetail first(1);
    EXPECT_EQ(test::textOf(first, "LblHantei"), QStringLiteral("判定より、適合です。"));
}
