// Typing a reading into the measurement window of a 300-row sheet: the
// elongation, the print mirror, the evaluation and the chart all follow before
// the next key. Target: under 30 ms a reading.

#include "ApplicationBench.h"

#include "model/basMainData.h"
#include "recording/frmDataInput1.h"
#include "ui/SpreadGrid.h"

#include <QApplication>
#include <benchmark/benchmark.h>

using namespace tessaro;

namespace {

HoldingStage readingsEveryMinute(int count)
{
    HoldingStage s;
    for (int k = 0; k < count; ++k)
        s.Times[std::size_t(k)] = std::uint16_t(k + 1);
    s.Count = std::uint8_t(count);
    return s;
}

// Six cycles from 50 to 350 kN: 42 holdings of six readings and six new-load
// holdings of eight, 300 rows; every row already read, so the chart is full.
void openProject()
{
    Project& p = project();
    InitProject(p, 1);
    p.TestCategory = 1;
    AnchorRecord& a = p.anchor(1);
    a.AnchorNo = QStringLiteral("A-1");
    a.Tendon.TensionFreeLength = 10000;
    a.Tendon.ExtraLength = 1000;
    a.Material.TendonModulus = 200;
    a.Material.TendonArea = 500;
    a.Plan.PlanSet = 1;
    a.Plan.InitialLoad = 50;
    a.Plan.PlannedMaxLoad = 350;
    a.Plan.StageCount = 6;
    a.Plan.CycleMaxLoad = { 100, 150, 200, 250, 300, 350 };
    a.Jack.PointCount = 4;
    a.Jack.Pressures = { 10, 20, 40 };
    a.Jack.Outputs = { 100, 210, 430 };
    HoldingSchedule& s = p.Record.Schedules[0];
    s.SetFlag = 1;
    s.InitialStages.fill(readingsEveryMinute(8));
    s.InitialStages[0] = readingsEveryMinute(6);
    for (CycleStageEntries& c : s.CycleStages) {
        c.Loading.fill(readingsEveryMinute(6));
        c.Unloading.fill(readingsEveryMinute(6));
    }
}

void TypeReading(benchmark::State& state)
{
    openProject();
    frmDataInput1 window;
    window.show();
    auto* grid = window.findChild<ui::SpreadGrid*>("vaSpread1");
    const int rows = project().anchor(1).ReadingCount;
    if (rows != 300)
        state.SkipWithError("the sheet should have 300 rows");
    grid->EnterText(frmDataInput1::ColInitial1, 1, "10");
    for (int row = 1; row <= rows; ++row)
        grid->EnterText(frmDataInput1::ColMeasured1, row, QString::number(10 + row * 0.1, 'f', 2));
    QCoreApplication::processEvents();
    int row = 0;
    for (auto _ : state) {
        row = row % rows + 1;
        grid->EnterText(frmDataInput1::ColMeasured1, row, QString::number(10.05 + row * 0.1, 'f', 2));
        QCoreApplication::processEvents(); // evaluation and chart
    }
    benchmark::DoNotOptimize(window.shownAnchor().Readings.back().Displacement);
}
BENCHMARK(TypeReading)->Unit(benchmark::kMillisecond);

// The same on a row just above a dial-gauge reset halfway down the sheet: the
// 150 rows below it carry the new displacement.
void TypeReadingAboveAReset(benchmark::State& state)
{
    openProject();
    frmDataInput1 window;
    window.show();
    auto* grid = window.findChild<ui::SpreadGrid*>("vaSpread1");
    grid->EnterText(frmDataInput1::ColInitial1, 1, "10");
    for (int row = 1; row <= 300; ++row)
        grid->EnterText(frmDataInput1::ColMeasured1, row, QString::number(10 + (row % 150) * 0.1, 'f', 2));
    grid->EnterText(frmDataInput1::ColInitial1, 151, "10");
    QCoreApplication::processEvents();
    int k = 0;
    for (auto _ : state) {
        grid->EnterText(frmDataInput1::ColMeasured1, 150, QString::number(25 + (++k % 2) * 0.5, 'f', 2));
        QCoreApplication::processEvents();
    }
}
BENCHMARK(TypeReadingAboveAReset)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return tessaro::bench::runWithApplication(argc, argv);
}
