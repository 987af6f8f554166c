// Filling and pasting a reading sheet of several hundred rows in a grid.

#include "ApplicationBench.h"

#include "ui/SpreadGrid.h"

#include <QApplication>
#include <benchmark/benchmark.h>

using namespace tessaro::ui;

namespace {

void buildSheet(SpreadGrid& grid, int rows)
{
    grid.SetMaxCols(14);
    grid.SetMaxRows(rows);
    grid.SetColHeaderRows(2);
    grid.SetTypeNumber(CellBlock::cols(3, 14), 2, -99999, 99999);
    grid.SetLock(CellBlock::cols(1, 6), true);
}

void FillSheet(benchmark::State& state)
{
    SpreadGrid grid;
    int rows = int(state.range(0));
    buildSheet(grid, rows);
    for (auto _ : state) {
        ReDrawSuspended pause(grid);
        for (int row = 1; row <= rows; ++row)
            for (int col = 1; col <= 14; ++col)
                grid.SetText(col, row, QString::number(row * 0.37 + col, 'f', 3));
    }
    state.SetItemsProcessed(state.iterations() * rows * 14);
}
BENCHMARK(FillSheet)->Arg(200)->Arg(800);

void PasteReadings(benchmark::State& state)
{
    SpreadGrid grid;
    int rows = int(state.range(0));
    buildSheet(grid, rows);
    QString block;
    for (int row = 1; row <= rows; ++row)
        block += QStringLiteral("%1\t%2\t%3\t%4\r\n").arg(row * 0.01).arg(row * 0.02).arg(row * 0.03).arg(row * 0.04);
    int changes = 0;
    QObject::connect(&grid, &SpreadGrid::Change, [&changes](int, int) { ++changes; });
    for (auto _ : state) {
        grid.ClearText(CellBlock::cols(7, 10));
        grid.SetActiveCell(7, 1);
        grid.PasteText(block);
    }
    benchmark::DoNotOptimize(changes);
}
BENCHMARK(PasteReadings)->Arg(800);

} // namespace

int main(int argc, char** argv)
{
    return tessaro::bench::runWithApplication(argc, argv);
}
