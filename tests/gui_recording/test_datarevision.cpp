// The data revision on the six-cycle test: the check with its colours and
// verdict, correcting a reading and closing.

#include "RecordingTestSupport.h"
#include "model/UserMessage.h"
#include "recording/ReadingSheet.h"
#include "recording/frmDataRevision.h"
#include "ui/Chart2D.h"

#include <QLabel>
#include <QPushButton>

using namespace tessaro;
using test::control;
using test::settle;

namespace {

constexpr int ColLoad = 4, ColInitial1 = 6, ColMeasured1 = 7, ColElongation = 10;
const QColor Magenta(255, 192, 255);

// Anchor 1 read with point 1 alone: initial 10.00, measured 10.00 + displacement.
void readAnchorOne(Project& p, std::vector<float> displacements)
{
    AnchorRecord& a = p.anchor(1);
    GenerateSheet(p, 1);
    for (std::size_t i = 0; i < displacements.size(); ++i) {
        Reading& r = a.Readings[i];
        r.MeasuredNo1 = isMissing(displacements[i]) ? MissingValue : 10.0f + displacements[i];
        r.Displacement = displacements[i];
    }
    a.Readings[0].InitialNo1 = 10.0f;
}

struct Revision : ::testing::Test {
    Project& p = test::openSixCycleProject();
    MessageScript messages;
    std::vector<float> d = test::sixCycleDisplacements();

    QString verdict(QWidget& w) { return control<QLabel>(w, "LblHantei")->text(); }
};

} // namespace

TEST_F(Revision, FaultsInCyclesTwoAndFourAreMarked)
{
    // Cycle 2 ends its peak holding at 12.00: 12.00 − 0.55 = 11.45 > 11.00;
    // cycle 4 at 17.00: 17.00 − 1.10 = 15.90 < 18.00.
    d[7] = 12.00f;
    d[23] = 17.00f;
    readAnchorOne(p, d);
    frmDataRevision w;
    EXPECT_EQ(verdict(w), QStringLiteral("2,4サイクル目の最大荷重時の伸び量を直してください。"));

    auto* grid = control<ui::SpreadGrid>(w, "vaSpread1");
    for (int row : { 7, 8, 23, 24 }) {
        EXPECT_EQ(grid->BackColor(ColElongation, row), Magenta) << row;
        EXPECT_EQ(grid->BackColor(ColLoad, row), QColor(Qt::yellow)) << row;
        EXPECT_EQ(grid->BackColor(ColInitial1, row), QColor(Qt::yellow)) << row;
    }
    EXPECT_FALSE(grid->BackColor(ColElongation, 9).isValid());
    // Red text where each maximum-load holding ends, faulty or not.
    for (int row : { 3, 8, 15, 24, 35, 48 })
        EXPECT_EQ(grid->ForeColor(ColElongation, row), QColor(Qt::red)) << row;
    EXPECT_FALSE(grid->ForeColor(ColElongation, 7).isValid());

    // The chart: the three lines and the six elastic parts from (0, T0).
    const auto& series = control<ui::Chart2D>(w, "Chart2D1")->data().groups.at(0).series;
    ASSERT_EQ(series.size(), 4u);
    EXPECT_EQ(series[3].points.size(), 7u);
}

TEST_F(Revision, CorrectingAReadingRechecksTheAnchor)
{
    d[7] = 12.00f;
    d[23] = 17.00f;
    readAnchorOne(p, d);
    frmDataRevision w;
    auto* grid = control<ui::SpreadGrid>(w, "vaSpread1");
    // A decimal comma is refused here as in the measurement input.
    grid->EnterText(ColMeasured1, 8, "20,75");
    settle();
    EXPECT_EQ(grid->GetText(ColMeasured1, 8), "22.00");
    EXPECT_TRUE(messages.last().text.startsWith(QStringLiteral("8行目の測定No1に入力された「20,75」")));
    EXPECT_FALSE(w.modified());
    // The reading of row 8 was 10.75 mm of displacement: measured 20.75.
    grid->EnterText(ColMeasured1, 8, "20.75");
    EXPECT_EQ(grid->GetText(ColElongation, 8), "10.75");
    settle();
    EXPECT_EQ(verdict(w), QStringLiteral("4サイクル目の最大荷重時の伸び量を直してください。"));
    EXPECT_FALSE(grid->BackColor(ColElongation, 7).isValid());
    EXPECT_EQ(grid->BackColor(ColElongation, 23), Magenta);
    EXPECT_NEAR(p.anchor(1).Evaluation.Results[9].Elastic, 10.20f, 1e-5);

    grid->EnterText(ColMeasured1, 24, "30.9");
    settle();
    EXPECT_EQ(p.anchor(1).RangeVerdictText, QStringLiteral("OK"));

    messages.answer(AnswerYes);
    control<QPushButton>(w, "Command5")->click();
    EXPECT_EQ(messages.last().text, QStringLiteral("データが変更されていますが、データを更新しますか？"));
    EXPECT_TRUE(w.dataChanged());
    EXPECT_EQ(p.anchor(1).Readings[7].Displacement, 10.75f);
    EXPECT_EQ(p.anchor(1).Readings[23].MeasuredNo1, 30.9f);
}

TEST_F(Revision, DeclinedEditsAreDiscarded)
{
    d[7] = 12.00f;
    readAnchorOne(p, d);
    frmDataRevision w;
    control<ui::SpreadGrid>(w, "vaSpread1")->EnterText(ColMeasured1, 8, "20.75");
    settle();
    messages.answer(AnswerNo);
    w.reject(); // the close box asks as the close button does
    EXPECT_FALSE(w.dataChanged());
    EXPECT_EQ(p.anchor(1).Readings[7].Displacement, 12.00f);

    // Nothing edited: no question.
    frmDataRevision again;
    messages.clear();
    control<QPushButton>(again, "Command5")->click();
    EXPECT_TRUE(messages.empty());
}
