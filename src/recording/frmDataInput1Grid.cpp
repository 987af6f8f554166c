// The reading grid of the measurement input and its hidden print mirror.

#include "recording/frmDataInput1.h"

#include "model/NumberFormat.h"
#include "planning/GaugeHenkan.h"
#include "ui/SpreadGrid.h"
#include "ui/SpreadHeaderView.h"
#include "ui/basSpreadCustom.h"

#include <QFontMetrics>
#include <array>

namespace tessaro {
namespace {

using ui::CellBlock;
using ui::SpreadGrid;

const QString LoadPattern = QStringLiteral("####0.00");
const QString ElongationPattern = QStringLiteral("#####0.00");
const QString InitialTensionCaption = QStringLiteral("初期緊張力(kN)");

// Dial-gauge readings: a gauge reads from 0 up to its travel; a transducer
// zeroed at the start may read a little below 0. −99 stays out of reach, as it
// marks a reading not taken.
constexpr double ReadingMin = -50.0;
constexpr double ReadingMax = 999.99;

// Print mirror column of each reading column; the mirror adds the row number and
// the control lines.
constexpr std::array<int, 11> PrintColumn = { 0, 2, 3, 4, 5, 6, 10, 11, 12, 13, 14 };
enum PrintOnly { PrintNo = 1, PrintTheory = 7, PrintUpper = 8, PrintLower = 9 };
constexpr int PrintColumns = 14;

QString headingOf(int col)
{
    static const QString headings[] = { QString(), QStringLiteral("時刻"), QStringLiteral("経過時間\n(分)"),
        QStringLiteral("ｹﾞｰｼﾞ圧\n(MPa)"), QStringLiteral("荷重\n(kN)"), QStringLiteral("サ\nイ\nク\nル"),
        QStringLiteral("初期\nNo1"), QStringLiteral("測定\nNo1"), QStringLiteral("初期\nNo2"),
        QStringLiteral("測定\nNo2"), QStringLiteral("伸び量\n(mm)") };
    return headings[col];
}

// Wide enough for the widest value the column shows and for each line of its heading.
int columnWidth(const SpreadGrid& grid, int col, const QString& widestValue)
{
    int width = grid.fontMetrics().horizontalAdvance(widestValue);
    const QFontMetrics header(grid.columnHeader()->font());
    for (const QString& line : headingOf(col).split('\n'))
        width = std::max(width, header.horizontalAdvance(line));
    return width + 14;
}

} // namespace

void frmDataInput1::SetupReadingColumns(SpreadGrid& grid)
{
    grid.SetMaxCols(std::max(grid.MaxCols(), int(ReadingColumns)));
    grid.SetColHeaderRows(2);
    for (int col = 1; col <= ReadingColumns; ++col)
        grid.SetText(col, 0, headingOf(col));
    grid.SetGroupHeader(ColInitial1, ColMeasured1, 0, QStringLiteral("測定点No1"));
    grid.SetGroupHeader(ColInitial2, ColMeasured2, 0, QStringLiteral("測定点No2"));

    grid.SetTypeText(CellBlock::cols(ColTime, ColTime));
    grid.SetAlignment(CellBlock::cols(ColTime, ColTime), Qt::AlignHCenter);
    grid.SetTypeNumber(CellBlock::cols(ColElapsed, ColElapsed), 0, 0, 9999);
    grid.SetTypeNumber(CellBlock::cols(ColGauge, ColLoad), 2, -99999, 99999);
    grid.SetTypeNumber(CellBlock::cols(ColCycle, ColCycle), 0, 0, 10);
    grid.SetAlignment(CellBlock::cols(ColCycle, ColCycle), Qt::AlignHCenter);
    grid.SetTypeNumber(CellBlock::cols(ColInitial1, ColMeasured2), 2, ReadingMin, ReadingMax);
    grid.SetTypeNumber(CellBlock::cols(ColElongation, ColElongation), 2, -99999, 99999);

    const QString widest[] = { QString(), QStringLiteral("23:59:59"), QStringLiteral("9999"), QStringLiteral("999.99"),
        QStringLiteral("9999.99"), QStringLiteral("10"), QStringLiteral("999.99"), QStringLiteral("999.99"),
        QStringLiteral("999.99"), QStringLiteral("999.99"), QStringLiteral("9999.99") };
    for (int col = 1; col <= ReadingColumns; ++col)
        grid.SetColWidth(col, columnWidth(grid, col, widest[col]));
}

void frmDataInput1::ShowReading(SpreadGrid& grid, int row, const Reading& r)
{
    grid.SetText(ColTime, row, r.ClockTime);
    grid.SetText(ColElapsed, row, QString::number(r.Interval));
    ui::SetNumberText(grid, ColGauge, row, r.GaugePressure, LoadPattern);
    ui::SetNumberText(grid, ColLoad, row, r.Load, LoadPattern);
    grid.SetText(ColCycle, row, r.Cycle > 0 ? QString::number(r.Cycle) : QString());
    ui::SetNumberText(grid, ColInitial1, row, r.InitialNo1, ElongationPattern);
    ui::SetNumberText(grid, ColMeasured1, row, r.MeasuredNo1, ElongationPattern);
    ui::SetNumberText(grid, ColInitial2, row, r.InitialNo2, ElongationPattern);
    ui::SetNumberText(grid, ColMeasured2, row, r.MeasuredNo2, ElongationPattern);
    ui::SetNumberText(grid, ColElongation, row, r.Displacement, ElongationPattern);
}

float& frmDataInput1::GaugeField(Reading& r, int col)
{
    switch (col) {
    case ColInitial1:
        return r.InitialNo1;
    case ColMeasured1:
        return r.MeasuredNo1;
    case ColInitial2:
        return r.InitialNo2;
    default:
        return r.MeasuredNo2;
    }
}

float frmDataInput1::CellValue(const SpreadGrid& grid, int col, int row)
{
    std::optional<double> v = grid.GetValue(col, row);
    return v ? float(*v) : MissingValue;
}

void frmDataInput1::buildGrids()
{
    SetupReadingColumns(*grid_);
    // A third header row on top: the head displacement over both points and the elongation.
    grid_->SetColHeaderRows(3);
    grid_->SetGroupHeader(ColInitial1, ColElongation, 0, QStringLiteral("頭部変位量(mm)"));
    // The operator types the dial-gauge readings and, where a reading was taken
    // late, its minutes; the planned pressure, load and cycle come from the plan
    // (the evaluation pairs rows by equal planned loads), the clock times from
    // the time setting and the elongation from the readings.
    grid_->SetLock(CellBlock::all(), true);
    grid_->SetLock(CellBlock::cols(ColElapsed, ColElapsed), false);
    grid_->SetLock(CellBlock::cols(ColInitial1, ColMeasured2), false);
    const QColor computed(0xF2, 0xF2, 0xF2);
    grid_->SetBackColor(CellBlock::cols(ColTime, ColTime), computed);
    grid_->SetBackColor(CellBlock::cols(ColGauge, ColCycle), computed);
    grid_->SetBackColor(CellBlock::cols(ColElongation, ColElongation), QColor(0xE8, 0xF1, 0xFB));

    print_->SetMaxCols(PrintColumns);
    print_->SetColHeaderRows(2);
    const QString headings[] = { QString(), QStringLiteral("No"), QStringLiteral("時刻"), QStringLiteral("経過時間"),
        QStringLiteral("ゲージ圧\n(MPa)"), QStringLiteral("荷重\n(kN)"), QStringLiteral("サイクル"),
        QStringLiteral("理論値"), QStringLiteral("上限値"), QStringLiteral("下限値"), QStringLiteral("初期No1"),
        QStringLiteral("測定No1"), QStringLiteral("初期No2"), QStringLiteral("測定No2"), QStringLiteral("伸び量") };
    for (int col = 1; col <= PrintColumns; ++col)
        print_->SetText(col, 0, headings[col]);
}

int frmDataInput1::readingRows() const
{
    return std::clamp<int>(anchor_.ReadingCount, 0, int(anchor_.Readings.size()));
}

void frmDataInput1::fillGrid()
{
    const int rows = readingRows();
    ui::ReDrawSuspended pauseGrid(*grid_);
    ui::ReDrawSuspended pausePrint(*print_);
    grid_->ClearText(CellBlock::all());
    print_->ClearText(CellBlock::all());
    grid_->SetMaxRows(rows + (initialTensionShown_ ? 1 : 0));
    print_->SetMaxRows(grid_->MaxRows());
    const auto& results = anchor_.Evaluation.Results;
    for (int row = 1; row <= rows; ++row) {
        grid_->SetRowHeaderText(row, QString::number(row));
        ShowReading(*grid_, row, anchor_.Readings[std::size_t(row - 1)]);
        for (int col = 1; col <= ReadingColumns; ++col)
            mirror(col, row);
        print_->SetText(PrintNo, row, QString::number(row));
        if (row <= int(results.size())) {
            const ReadingResult& r = results[std::size_t(row - 1)];
            ui::SetNumberText(*print_, PrintTheory, row, r.Theory, ElongationPattern);
            ui::SetNumberText(*print_, PrintUpper, row, r.Upper, ElongationPattern);
            ui::SetNumberText(*print_, PrintLower, row, r.Lower, ElongationPattern);
        }
    }
    if (initialTensionShown_)
        showInitialTensionRow();
    grid_->setMinimumWidth(ui::ContentWidth(*grid_));
}

// The row under the sheet: the initial tension force and its gauge pressure.
void frmDataInput1::showInitialTensionRow()
{
    const int row = readingRows() + 1;
    if (grid_->MaxRows() < row) {
        grid_->SetMaxRows(row);
        print_->SetMaxRows(row);
    }
    grid_->SetRowHeaderText(row, InitialTensionCaption);
    grid_->SetLock(CellBlock::rows(row, row), true);
    grid_->SetBackColor(CellBlock::rows(row, row), QColor(0xFF, 0xF4, 0xD6));
    const float force = anchor_.JackingForce;
    const float gauge = ConvertGaugeRounded(anchor_.Jack, force, LoadToPressure);
    setCell(ColGauge, row, isMissing(gauge) ? QString() : formatNumber(gauge, "0.00"));
    setCell(ColLoad, row, isMissing(force) ? QString() : formatNumber(force, "0.00"));
    print_->SetText(PrintNo, row, InitialTensionCaption);
    grid_->setMinimumWidth(ui::ContentWidth(*grid_));
}

void frmDataInput1::setCell(int col, int row, const QString& text)
{
    grid_->SetText(col, row, text);
    mirror(col, row);
}

void frmDataInput1::mirror(int col, int row)
{
    if (col >= 1 && col <= ReadingColumns)
        print_->SetText(PrintColumn[std::size_t(col)], row, grid_->GetText(col, row));
}

// Shows the elongations of rows fromRow..toRow (1-based) that changed.
void frmDataInput1::updateElongations(int fromRow, int toRow)
{
    for (int row = std::max(fromRow, 1); row <= std::min(toRow, readingRows()); ++row) {
        const float d = anchor_.Readings[std::size_t(row - 1)].Displacement;
        const QString text = isMissing(d) ? QString() : formatNumber(d, ElongationPattern);
        if (grid_->GetText(ColElongation, row) != text)
            setCell(ColElongation, row, text);
    }
}

} // namespace tessaro
