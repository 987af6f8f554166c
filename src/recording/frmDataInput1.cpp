#include "recording/frmDataInput1.h"

#include "documents/frmExcelOption.h"
#include "documents/frmPrintDataSheet.h"
#include "evaluation/CycleEvaluation.h"
#include "graphs/ChartFormatFile.h"
#include "graphs/frmGRAPH.h"
#include "model/NumberFormat.h"
#include "model/UserMessage.h"
#include "model/basMainData.h"
#include "planning/TestKinds.h"
#include "recording/ClockTimes.h"
#include "recording/DlgSyokikintyouryoku.h"
#include "recording/Elongation.h"
#include "recording/ReadingSheet.h"
#include "recording/RecordingAnchors.h"
#include "recording/RecordingCharts.h"
#include "recording/frmSetTime.h"
#include "ui/AnchorNavigator.h"
#include "ui/Chart2D.h"
#include "ui/Modal.h"
#include "ui/OlectraChart.h"
#include "ui/SpreadGrid.h"
#include "ui/WindowParts.h"
#include "ui/basSpreadCustom.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QTimer>
#include <QVBoxLayout>

namespace tessaro {
namespace {

bool isInitialColumn(int col)
{
    return col == frmDataInput1::ColInitial1 || col == frmDataInput1::ColInitial2;
}

// First row (1-based) below `row` where a dial gauge was reset; 0 when none.
int resetBelow(const std::vector<Reading>& rows, int row)
{
    for (int i = row + 1; i <= int(rows.size()); ++i) {
        const Reading& r = rows[std::size_t(i - 1)];
        if (!isMissing(r.InitialNo1) || !isMissing(r.InitialNo2))
            return i;
    }
    return 0;
}

} // namespace

frmDataInput1::frmDataInput1(QWidget* parent)
    : QDialog(parent)
    , backup_(project().Record)
    , grid_(new ui::SpreadGrid(this))
    , print_(new ui::SpreadGrid(this))
    , chart_(new ui::Chart2D(this))
    , navigator_(new ui::AnchorNavigator(this))
    , anchorNo_(new QLabel(this))
    , kind_(new QLabel(this))
{
    setObjectName("frmDataInput1");
    setWindowTitle(QStringLiteral("測定値入力"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    grid_->setObjectName("vaSpread1");
    print_->setObjectName("SpdPrintOut");
    print_->hide();
    chart_->setObjectName("Chart2D1");
    anchorNo_->setObjectName("LblAncNo");
    kind_->setObjectName("LblSikenKubun");
    buildGrids();

    ui::loadChartFormat(*chart_, InputChartFormatFile);
    ui::restrictEditorGraphWindow(*chart_);
    ui::restrictEditorAxisLabels(*chart_);
    chart_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(chart_, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        QMenu menu(this);
        menu.addAction(QStringLiteral("グラフのプロパティ..."), chart_, &ui::Chart2D::openPropertyEditor);
        menu.exec(chart_->mapToGlobal(pos));
    });

    auto* chartPane = new QWidget(this);
    auto* chartLayout = new QVBoxLayout(chartPane);
    chartLayout->setContentsMargins(0, 0, 0, 0);
    chartLayout->addWidget(chart_, 1);
    auto* saveGraph = ui::commandButton(chartPane, "CmdSaveGraph", QStringLiteral("グラフ書式を初期値に設定"));
    auto* graphRow = new QHBoxLayout;
    graphRow->addStretch();
    graphRow->addWidget(saveGraph);
    chartLayout->addLayout(graphRow);
    connect(saveGraph, &QPushButton::clicked, this, [this] {
        ui::saveChartFormatsAsDefault({ { chart_, InputChartFormatFile } });
    });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(ui::anchorHeadRow(anchorNo_, kind_, navigator_));
    layout->addWidget(ui::sheetBesideChart(this, grid_, chartPane), 1);
    layout->addWidget(buildButtons());

    connect(grid_, &ui::SpreadGrid::RightClick, this,
        [this](int, int, const QPoint& at) { ui::ShowSpreadPopMenu(*grid_, at); });
    connect(grid_, &ui::SpreadGrid::Change, this, &frmDataInput1::cellChanged);
    connect(grid_, &ui::SpreadGrid::BlockCleared, this, &frmDataInput1::blockCleared);
    ui::ReportRefusedEntries(*grid_);
    connect(navigator_, &ui::AnchorNavigator::moveRequested, this, &frmDataInput1::moveTo);

    Project& p = project();
    navigator_->setCount(p.shownAnchorCount());
    showAnchor(p.shownAnchor());
    resize(1240, 720);
}

QWidget* frmDataInput1::buildButtons()
{
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    auto* setTime = ui::commandButton(bar, "CmdSetTime", QStringLiteral("時刻設定"));
    auto* tension = ui::commandButton(bar, "CmdSyokiKintyou", QStringLiteral("初期緊張力"));
    auto* graph = ui::commandButton(bar, "CmdToGraph", QStringLiteral("試験結果グラフ"));
    auto* printOut = ui::commandButton(bar, "CmdPrintOut", QStringLiteral("データシート印刷"));
    auto* excel = ui::commandButton(bar, "CmdExcel", QStringLiteral("Excel出力"));
    auto* close = ui::commandButton(bar, "CmdOKCancel", QStringLiteral("閉じる"));
    for (QPushButton* b : { setTime, tension, graph })
        row->addWidget(b);
    row->addStretch();
    row->addWidget(printOut);
    row->addWidget(excel);
    row->addSpacing(24);
    row->addWidget(close);

    connect(setTime, &QPushButton::clicked, this, &frmDataInput1::setTime);
    connect(tension, &QPushButton::clicked, this, &frmDataInput1::initialTension);
    connect(printOut, &QPushButton::clicked, this, &frmDataInput1::printOut);
    connect(excel, &QPushButton::clicked, this, &frmDataInput1::excelOutput);
    connect(graph, &QPushButton::clicked, this, &frmDataInput1::openGraphs);
    connect(close, &QPushButton::clicked, this, &frmDataInput1::closeWindow);
    // The graph window opened from here can open this window again: not twice.
    graph->setEnabled(!ui::isWindowOpen("frmGRAPH"));
    return bar;
}

void frmDataInput1::showAnchor(int index)
{
    Project& p = project();
    index_ = index;
    AnchorRecord* target = recordingAnchor(p, index);
    if (!target)
        return;
    if (target->EditFlag == 0) {
        GenerateSheet(p, index);
        changed_ = true;
    }
    anchor_ = *target;
    EvaluateAnchor(anchor_);
    navigator_->setCurrent(index);
    anchorNo_->setText(QStringLiteral("アンカー孔番　") + anchor_.AnchorNo);
    kind_->setText(testKindText(p.Settings.StandardEdition, p.TestCategory, anchor_.ConfirmationTest));
    fillGrid();
    refresh();
    // Ready for the next reading: the first row whose first point has none yet.
    int next = 1;
    while (next < readingRows() && !isMissing(anchor_.Readings[std::size_t(next - 1)].MeasuredNo1))
        ++next;
    grid_->SetActiveCell(ColMeasured1, next);
    grid_->setFocus();
}

// Writes the sheet on screen into the project's anchor.
void frmDataInput1::store()
{
    AnchorRecord* target = recordingAnchor(project(), index_);
    if (!target)
        return;
    for (Reading& r : anchor_.Readings) {
        r.AnchorNoText = anchor_.AnchorNo;
        r.GaugePressure = float(roundFormat(r.GaugePressure, "####0.00"));
        r.Load = float(roundFormat(r.Load, "####0.00"));
        r.Displacement = float(roundFormat(r.Displacement, "#####0.00"));
    }
    EvaluateAnchor(anchor_);
    *target = anchor_;
}

void frmDataInput1::closeWindow()
{
    if (modified_) {
        int answer = showMessage(
            QStringLiteral("データが変更されていますが、データを更新しますか？"), MsgIcon::Question, MsgButtons::YesNo);
        if (answer != AnswerYes) {
            project().Record = backup_;
            changed_ = false;
            QDialog::reject();
            return;
        }
        changed_ = true;
    }
    store();
    modified_ = false;
    QDialog::accept();
}

void frmDataInput1::reject()
{
    closeWindow();
}

void frmDataInput1::moveTo(int index)
{
    store();
    if (!anchorReadyToShow(project(), index)) {
        navigator_->setCurrent(index_);
        return;
    }
    project().CurrentAnchor = std::int16_t(index);
    showAnchor(index);
}

void frmDataInput1::cellChanged(int col, int row)
{
    if (row < 1 || row > readingRows())
        return;
    std::vector<Reading>& rows = anchor_.Readings;
    Reading& r = rows[std::size_t(row - 1)];
    const float value = CellValue(*grid_, col, row);
    mirror(col, row);
    switch (col) {
    case ColElapsed:
        r.Interval = isMissing(value) ? 0 : std::int16_t(value);
        break;
    case ColInitial1:
    case ColInitial2:
    case ColMeasured1:
    case ColMeasured2: {
        GaugeField(r, col) = value;
        // A new initial reading moves what every row below carries; a measured
        // one only its own row and the rows under the next reset, which carry
        // the displacement reached above it.
        const int from = isInitialColumn(col) ? row : resetBelow(rows, row);
        UpdateElongation(rows, row - 1);
        updateElongations(row, row);
        if (from > 0) {
            UpdateElongations(rows, from - 1);
            updateElongations(from, readingRows());
        }
        break;
    }
    default:
        return;
    }
    markModified();
    scheduleRefresh();
}

void frmDataInput1::blockCleared(const ui::CellBlock& block)
{
    const int first = std::max(block.row, 1);
    const int last = std::min(block.row2, readingRows());
    for (int row = first; row <= last; ++row) {
        Reading& r = anchor_.Readings[std::size_t(row - 1)];
        r.Interval = std::int16_t(std::max(CellValue(*grid_, ColElapsed, row), 0.0f));
        r.InitialNo1 = CellValue(*grid_, ColInitial1, row);
        r.MeasuredNo1 = CellValue(*grid_, ColMeasured1, row);
        r.InitialNo2 = CellValue(*grid_, ColInitial2, row);
        r.MeasuredNo2 = CellValue(*grid_, ColMeasured2, row);
        for (int col = 1; col <= ReadingColumns; ++col)
            mirror(col, row);
    }
    if (first > last)
        return;
    UpdateElongations(anchor_.Readings, first - 1);
    updateElongations(first, readingRows());
    markModified();
    scheduleRefresh();
}

void frmDataInput1::markModified()
{
    modified_ = true;
}

// The evaluation and the chart follow the readings once per burst of changes
// (a paste changes hundreds of cells at once).
void frmDataInput1::scheduleRefresh()
{
    if (refreshPending_)
        return;
    refreshPending_ = true;
    QTimer::singleShot(0, this, &frmDataInput1::refresh);
}

void frmDataInput1::refresh()
{
    refreshPending_ = false;
    EvaluateAnchor(anchor_);
    ChartData data = chart_->data();
    FillInputChart(data, anchor_.Readings, readingRows(), anchor_.Plan);
    chart_->setData(std::move(data));
}

void frmDataInput1::setTime()
{
    int mode = anchor_.ClockMode;
    int hours = anchor_.ClockHours;
    int minutes = anchor_.ClockMinutes;
    if (!frmSetTime::ShowForm(this, mode, hours, minutes))
        return;
    anchor_.ClockMode = std::uint8_t(mode);
    anchor_.ClockHours = std::int16_t(hours);
    anchor_.ClockMinutes = std::int16_t(minutes);
    SetClockTimes(anchor_);
    {
        ui::ReDrawSuspended pause(*grid_);
        for (int row = 1; row <= readingRows(); ++row)
            setCell(ColTime, row, anchor_.Readings[std::size_t(row - 1)].ClockTime);
    }
    markModified();
}

void frmDataInput1::initialTension()
{
    anchor_.JackingForce = DlgSyokikintyouryoku::ShowForm(this, anchor_);
    initialTensionShown_ = true;
    showInitialTensionRow();
}

void frmDataInput1::printOut()
{
    store();
    frmPrintDataSheet::ShowForm(this);
}

void frmDataInput1::excelOutput()
{
    store();
    frmExcelOption::MeasurementDataToExcel(this, anchor_);
}

void frmDataInput1::openGraphs()
{
    store();
    project().CurrentAnchor = std::int16_t(index_);
    if (frmGRAPH::ShowForm(this))
        markModified();
    showAnchor(index_);
}

bool frmDataInput1::ShowForm(QWidget* parent)
{
    if (!anchorReadyToShow(project(), project().shownAnchor()))
        return false;
    frmDataInput1 window(parent);
    ui::execModal(window);
    return window.dataChanged();
}

} // namespace tessaro
