// Typing and pasting readings into the measurement window: elongations, the
// print mirror and the chart follow; entries that cannot be read are refused
// and told.

#include "RecordingTestSupport.h"
#include "model/UserMessage.h"
#include "recording/frmDataInput1.h"
#include "ui/Chart2D.h"

#include <QAction>
#include <QClipboard>
#include <QMenu>
#include <QTimer>

using namespace tessaro;
using test::control;
using test::settle;
using test::typeInto;
using Col = frmDataInput1::Column;

namespace {

struct InputWindow : ::testing::Test {
    std::unique_ptr<frmDataInput1> window;
    ui::SpreadGrid* grid = nullptr;
    ui::SpreadGrid* print = nullptr;

    void SetUp() override
    {
        test::openSixCycleProject();
        window = std::make_unique<frmDataInput1>();
        test::showActive(*window);
        grid = control<ui::SpreadGrid>(*window, "vaSpread1");
        print = control<ui::SpreadGrid>(*window, "SpdPrintOut");
    }
    QString elongation(int row) const { return grid->GetText(Col::ColElongation, row); }
    const std::vector<ChartPoint>& chartPoints() const
    {
        return control<ui::Chart2D>(*window, "Chart2D1")->data().groups.at(0).series.at(0).points;
    }
};

} // namespace

TEST_F(InputWindow, SheetWithItsPrintMirror)
{
    ASSERT_EQ(grid->MaxRows(), 54);

    // Row 7: first reading at 150 kN of cycle 2, at 1 min into the holding.
    EXPECT_EQ(grid->GetText(2, 7), "1");
    EXPECT_EQ(grid->GetText(3, 7), "14.55");
    EXPECT_EQ(grid->GetText(4, 7), "150.00");
    EXPECT_EQ(grid->GetText(5, 7), "2");
    EXPECT_EQ(elongation(7), "");
    EXPECT_FALSE(print->isVisible());
    EXPECT_EQ(print->MaxCols(), 14);
    EXPECT_EQ(print->GetText(7, 7), "10.00"); // theory at 150 kN
    EXPECT_EQ(print->GetText(14, 7), ""); // −99: empty

    // Only the readings and the minutes are typed; the plan's values stay.
    grid->EnterText(Col::ColLoad, 7, "149");
    EXPECT_EQ(grid->GetText(4, 7), "150.00");
    EXPECT_FALSE(window->modified());
    // The cursor waits at the first reading.
    EXPECT_EQ(grid->ActiveCol(), Col::ColMeasured1);
    EXPECT_EQ(grid->ActiveRow(), 1);
}

TEST_F(InputWindow, TypedReadingsGiveTheElongationAndTheChart)
{
    typeInto(*grid, Col::ColInitial1, 1, "10.00");
    typeInto(*grid, Col::ColMeasured1, 1, "10");
    EXPECT_EQ(elongation(1), "0.00");
    // Enter goes down the measured column.
    EXPECT_EQ(grid->ActiveCol(), Col::ColMeasured1);
    EXPECT_EQ(grid->ActiveRow(), 2);
    typeInto(*grid, Col::ColMeasured1, 2, "15.2");
    EXPECT_EQ(grid->GetText(Col::ColMeasured1, 2), "15.20");
    EXPECT_EQ(elongation(2), "5.20");
    EXPECT_EQ(print->GetText(11, 2), "15.20");
    EXPECT_EQ(print->GetText(14, 2), "5.20");

    // The second point: the mean of both, 12.50/10.00 and 13.00/10.00 → 2.75 as
    // on paper; here (5.20 + 5.60) / 2.
    typeInto(*grid, Col::ColInitial2, 1, "20");
    typeInto(*grid, Col::ColMeasured2, 1, "20");
    typeInto(*grid, Col::ColMeasured2, 2, "25.6");
    EXPECT_EQ(elongation(2), "5.40");
    EXPECT_FLOAT_EQ(window->shownAnchor().Readings[1].Displacement, 5.40f);

    ASSERT_EQ(chartPoints().size(), 2u);
    EXPECT_FLOAT_EQ(float(chartPoints()[1].x), 5.40f);
    EXPECT_EQ(chartPoints()[1].y, 100);
    EXPECT_TRUE(window->modified());

    // Full-width digits as a Japanese input method gives them.
    grid->EnterText(Col::ColMeasured1, 3, QStringLiteral("１５．４０"));
    EXPECT_EQ(elongation(3), "5.40");
    // Text that is no number counts as empty: point 1 alone stays.
    grid->EnterText(Col::ColMeasured2, 2, "abc");
    EXPECT_EQ(grid->GetText(Col::ColMeasured2, 2), "");
    EXPECT_EQ(elongation(2), "5.20");
    // Both readings cleared: no elongation, and the chart loses the point.
    grid->EnterText(Col::ColMeasured1, 2, "");
    EXPECT_EQ(elongation(2), "");
    EXPECT_EQ(print->GetText(14, 2), "");
    settle();
    ASSERT_EQ(chartPoints().size(), 2u); // rows 1 and 3
    EXPECT_EQ(chartPoints()[1].y, 100);
}

TEST_F(InputWindow, ResetDialGaugeCarriesTheElongationOn)
{
    typeInto(*grid, Col::ColInitial1, 1, "10");
    for (auto [row, reading] : { std::pair { 1, "10" }, { 2, "15" }, { 3, "20" } })
        typeInto(*grid, Col::ColMeasured1, row, reading);
    // Out of travel: reset to 2.00 at row 4.
    typeInto(*grid, Col::ColInitial1, 4, "2");
    typeInto(*grid, Col::ColMeasured1, 4, "2");
    typeInto(*grid, Col::ColMeasured1, 5, "4.5");
    EXPECT_EQ(elongation(5), "12.50");
    // A corrected reading above the reset moves the rows below it.
    typeInto(*grid, Col::ColMeasured1, 3, "21");
    EXPECT_EQ(elongation(5), "13.50");
    // Deleting the reset's initial reading measures row 4 on the first gauge again.
    grid->SetSelection(ui::CellBlock::cell(Col::ColInitial1, 4));
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Delete);
    EXPECT_EQ(elongation(4), "-8.00");
    EXPECT_EQ(elongation(5), "-5.50");
}

TEST_F(InputWindow, UnreadableEntriesAreRefusedAndTold)
{
    MessageScript messages;
    grid->EnterText(Col::ColMeasured1, 4, "0,32");
    EXPECT_EQ(grid->GetText(Col::ColMeasured1, 4), "");
    EXPECT_TRUE(messages.empty()); // told once the entry is over
    settle();
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_TRUE(messages.last().text.contains(QStringLiteral("4行目の測定No1")));
    EXPECT_TRUE(messages.last().text.contains(QStringLiteral("小数点は「.」（ピリオド）で入力してください。")));
    EXPECT_EQ(messages.last().title, QStringLiteral("入力エラー"));

    grid->EnterText(Col::ColMeasured1, 4, "0.32");
    grid->EnterText(Col::ColMeasured1, 4, "1000");
    EXPECT_EQ(grid->GetText(Col::ColMeasured1, 4), "0.32");
    settle();
    ASSERT_EQ(messages.shown().size(), 2u);
    EXPECT_TRUE(messages.last().text.contains(QStringLiteral("に範囲外の数値が入力されました。")));

    // A paste with two readings written with commas: one message for both.
    grid->SetActiveCell(Col::ColMeasured1, 5);
    grid->PasteText("5,5\r\n6.5\r\n1,2\r\n");
    EXPECT_EQ(grid->GetText(Col::ColMeasured1, 6), "6.50");
    settle();
    ASSERT_EQ(messages.shown().size(), 3u);
    EXPECT_TRUE(messages.last().text.contains(QStringLiteral("ほかに 1 件")));
}

TEST_F(InputWindow, PastedReadingsAndCopyWithItsMessage)
{
    grid->SetActiveCell(Col::ColInitial1, 1);
    grid->PasteText("10\t10\r\n\t12.5\r\n\t13.75\r\n");
    EXPECT_EQ(elongation(2), "2.50");
    EXPECT_EQ(elongation(3), "3.75");
    settle();
    EXPECT_EQ(chartPoints().size(), 3u);

    MessageScript messages;
    grid->SetSelection({ Col::ColMeasured1, 2, Col::ColElongation, 3 });
    QTimer::singleShot(0, [] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->objectName(), "SpredPopMenu");
        QAction* copy = menu->findChild<QAction*>("Copy1");
        ASSERT_NE(copy, nullptr);
        menu->close();
        copy->trigger();
    });
    emit grid->RightClick(Col::ColMeasured1, 2, grid->mapToGlobal(QPoint(40, 40)));
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.last().text, QStringLiteral("クリップボードにコピーされました。"));
    EXPECT_EQ(messages.last().icon, MsgIcon::Information);
    EXPECT_EQ(QApplication::clipboard()->text(), "12.50\t\t\t2.50\r\n13.75\t\t\t3.75\r\n");
}
