// The data revision on the six-cycle test: the check with its colours and
// verdict, correcting a reading, and closing with and without keeping it.

#include "RecordingTestSupport.h"
#include "model/UserMessage.h"
#include "recording/ReadingSheet.h"
#include "recording/frmDataInput1.h"
#include "recording/frmDataRevision.h"

using namespace tessaro;
using test::control;
using Col = frmDataInput1::Column;

namespace {

const QColor Magenta(255, 192, 255);

// Anchor 1 read with point 1 alone, the six-cycle displacements with faults in
// cycles 2 and 4: cycle 2 ends its peak holding at 12.00 (12.00 − 0.55 = 11.45 >
// 11.00), cycle 4 at 17.00 (17.00 − 1.10 = 15.90 < 18.00).
struct Revision : ::testing::Test {
    Project& p = test::openSixCycleProject();
    MessageScript messages;

    void SetUp() override
    {
        std::vector<float> d = test::sixCycleDisplacements();
        d[7] = 12.00f;
        d[23] = 17.00f;
        AnchorRecord& a = p.anchor(1);
        GenerateSheet(p, 1);
        for (std::size_t i = 0; i < d.size(); ++i) {
            a.Readings[i].MeasuredNo1 = 10.0f + d[i];
            a.Readings[i].Displacement = d[i];
        }
        a.Readings[0].InitialNo1 = 10.0f;
    }
};

} // namespace

TEST_F(Revision, FaultsAreMarkedAndACorrectedReadingIsRecheckedAndKept)
{
    frmDataRevision w;
    test::screenshot(w, "frmDataRevision");
    EXPECT_EQ(test::textOf(w, "LblHantei"), QStringLiteral("2,4サイクル目の最大荷重時の伸び量を直してください。"));
    auto* grid = control<ui::SpreadGrid>(w, "vaSpread1");
    for (int row : { 7, 8, 23, 24 })
        EXPECT_EQ(grid->BackColor(Col::ColElongation, row), Magenta) << row;
    // Red text where each maximum-load holding ends, faulty or not.
    EXPECT_EQ(grid->ForeColor(Col::ColElongation, 3), QColor(Qt::red));
    EXPECT_FALSE(grid->ForeColor(Col::ColElongation, 7).isValid());

    // The reading of row 8 was 10.75 mm of displacement: measured 20.75.
    grid->EnterText(Col::ColMeasured1, 8, "20.75");
    EXPECT_EQ(grid->GetText(Col::ColElongation, 8), "10.75");
    test::settle();
    EXPECT_EQ(test::textOf(w, "LblHantei"), QStringLiteral("4サイクル目の最大荷重時の伸び量を直してください。"));
    EXPECT_FALSE(grid->BackColor(Col::ColElongation, 7).isValid());
    grid->EnterText(Col::ColMeasured1, 24, "30.9");
    test::settle();
    EXPECT_EQ(p.anchor(1).RangeVerdictText, QStringLiteral("OK"));

    messages.answer(AnswerYes);
    test::click(w, "Command5");
    EXPECT_EQ(test::lastText(messages), QStringLiteral("データが変更されていますが、データを更新しますか？"));
    EXPECT_TRUE(w.dataChanged());
    EXPECT_EQ(p.anchor(1).Readings[7].Displacement, 10.75f);
    EXPECT_EQ(p.anchor(1).Readings[23].MeasuredNo1, 30.9f);
}

TEST_F(Revision, DeclinedEditsAreDiscardedAndAnUnchangedSheetAsksNothing)
{
    {
        frmDataRevision w;
        control<ui::SpreadGrid>(w, "vaSpread1")->EnterText(Col::ColMeasured1, 8, "20.75");
        test::settle();
        messages.answer(AnswerNo);
        w.reject(); // the close box asks as the close button does
        EXPECT_FALSE(w.dataChanged());
        EXPECT_EQ(p.anchor(1).Readings[7].Displacement, 12.00f);
    }
    frmDataRevision again;
    messages.clear();
    test::click(again, "Command5");
    EXPECT_TRUE(messages.empty());
}
