#include "recording/frmDataRevision.h"

#include "evaluation/CycleEvaluation.h"
#include "model/NumberFormat.h"
#include "model/UserMessage.h"
#include "model/basMainData.h"
#include "recording/Elongation.h"
#include "recording/ReadingSheet.h"
#include "recording/RecordingAnchors.h"
#include "recording/RecordingCharts.h"
#include "recording/frmDataInput1.h"
#include "ui/AnchorNavigator.h"
#include "ui/Chart2D.h"
#include "ui/Modal.h"
#include "ui/SpreadGrid.h"
#include "ui/WindowParts.h"
#include "ui/basSpreadCustom.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSplitter>
#include <QTimer>
#include <QVBoxLayout>

namespace tessaro {
namespace {

using ui::CellBlock;
using Input = frmDataInput1;

const QString LinePattern = QStringLiteral("#####0.00");
const QColor OutsideElongation(255, 192, 255);
const QColor OutsideReading(Qt::yellow);
const QColor HoldingEnd(Qt::red);

void setupGrid(ui::SpreadGrid& grid)
{
    grid.SetMaxCols(frmDataRevision::ColLower);
    Input::SetupReadingColumns(grid);
    grid.SetText(frmDataRevision::ColUpper, 0, QStringLiteral("上限値"));
    grid.SetText(frmDataRevision::ColLower, 0, QStringLiteral("下限値"));
    grid.SetTypeNumber(CellBlock::cols(frmDataRevision::ColUpper, frmDataRevision::ColLower), 2, -99999, 99999);
    for (int col : { frmDataRevision::ColUpper, frmDataRevision::ColLower })
        grid.SetColWidth(col, grid.columnWidth(Input::ColElongation - 1));
    // The dial-gauge readings are what the engineer corrects; everything else
    // comes from the plan, the time setting or the readings.
    grid.SetLock(CellBlock::all(), true);
    grid.SetLock(CellBlock::cols(Input::ColInitial1, Input::ColMeasured2), false);
}

} // namespace

frmDataRevision::frmDataRevision(QWidget* parent)
    : QDialog(parent)
    , backup_(project().Record)
    , grid_(new ui::SpreadGrid(this))
    , chart_(new ui::Chart2D(this))
    , navigator_(new ui::AnchorNavigator(this))
    , anchorNo_(new QLabel(this))
    , range_(new QLabel(this))
    , verdict_(new QLabel(this))
{
    setObjectName("frmDataRevision");
    setWindowTitle(QStringLiteral("弾性変位量確認（データ編集）"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    grid_->setObjectName("vaSpread1");
    chart_->setObjectName("Chart2D1");
    anchorNo_->setObjectName("LblAncNo");
    range_->setObjectName("LblHani");
    verdict_->setObjectName("LblHantei");
    verdict_->setWordWrap(true);
    setupGrid(*grid_);

    auto* menus = new QMenuBar(this);
    QMenu* edit = menus->addMenu(QStringLiteral("編集(&E)"));
    const std::tuple<const char*, QString, QKeySequence, void (ui::SpreadGrid::*)()> actions[] = {
        { "EditCut", QStringLiteral("切り取り(&T)"), QKeySequence::Cut, &ui::SpreadGrid::ClipboardCut },
        { "EditCopy", QStringLiteral("コピー(&C)"), QKeySequence::Copy, &ui::SpreadGrid::ClipboardCopy },
        { "EditPaste", QStringLiteral("貼り付け(&P)"), QKeySequence::Paste, &ui::SpreadGrid::ClipboardPaste },
    };
    for (const auto& [name, caption, keys, operation] : actions) {
        QAction* a = edit->addAction(caption, grid_, operation);
        a->setObjectName(QLatin1String(name));
        a->setShortcut(keys);
        a->setShortcutContext(Qt::WidgetShortcut); // the grid handles its own keys
    }

    auto* close = new QPushButton(QStringLiteral("閉じる"), this);
    close->setObjectName("Command5");
    close->setAutoDefault(false);
    auto* foot = new QHBoxLayout;
    QFont verdictFont = verdict_->font();
    verdictFont.setBold(true);
    verdict_->setFont(verdictFont);
    foot->addWidget(verdict_, 1);
    foot->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menus);
    layout->addLayout(ui::anchorHeadRow(anchorNo_, range_, navigator_));
    layout->addWidget(ui::sheetBesideChart(this, grid_, chart_), 1);
    layout->addLayout(foot);

    connect(close, &QPushButton::clicked, this, &frmDataRevision::closeWindow);
    connect(grid_, &ui::SpreadGrid::RightClick, this,
        [this](int, int, const QPoint& at) { ui::ShowSpreadPopMenu(*grid_, at); });
    connect(grid_, &ui::SpreadGrid::Change, this, &frmDataRevision::cellChanged);
    connect(grid_, &ui::SpreadGrid::BlockCleared, this, &frmDataRevision::blockCleared);
    ui::ReportRefusedEntries(*grid_);
    connect(navigator_, &ui::AnchorNavigator::moveRequested, this, &frmDataRevision::moveTo);

    Project& p = project();
    range_->setText(JudgeRangeText(p.Settings.JudgeRangeMode, p.Settings.JudgeFromCycle));
    navigator_->setCount(p.shownAnchorCount());
    showAnchor(p.shownAnchor());
    resize(1240, 720);
}

AnchorRecord& frmDataRevision::anchor()
{
    AnchorRecord* a = recordingAnchor(project(), index_);
    return a ? *a : none_;
}

int frmDataRevision::rowCount()
{
    return std::min<int>(EvaluatedRowCount(anchor()), int(anchor().Evaluation.Results.size()));
}

void frmDataRevision::showAnchor(int index)
{
    index_ = index;
    navigator_->setCurrent(index);
    EvaluateAnchor(anchor());
    anchorNo_->setText(QStringLiteral("アンカー孔番　") + anchor().AnchorNo);
    fillGrid();
    refresh();
}

void frmDataRevision::fillGrid()
{
    const AnchorRecord& a = anchor();
    const int rows = rowCount();
    ui::ReDrawSuspended pause(*grid_);
    grid_->ClearText(CellBlock::all());
    grid_->SetMaxRows(rows);
    for (int row = 1; row <= rows; ++row) {
        Input::ShowReading(*grid_, row, a.Readings[std::size_t(row - 1)]);
        const ReadingResult& r = a.Evaluation.Results[std::size_t(row - 1)];
        ui::SetNumberText(*grid_, ColUpper, row, r.Upper, LinePattern);
        ui::SetNumberText(*grid_, ColLower, row, r.Lower, LinePattern);
    }
    grid_->setMinimumWidth(ui::ContentWidth(*grid_));
}

void frmDataRevision::runCheck()
{
    Project& p = project();
    const HoldingSchedule* schedule = recordingSchedule(p, index_);
    check_ = schedule ? CheckPeakHoldings(anchor(), *schedule, usesSingleCycleSheet(anchor(), p.TestCategory))
                      : RevisionCheck {};
    markCheck();
    verdict_->setText(RevisionVerdictText(check_));
    QPalette palette = verdict_->palette();
    palette.setColor(QPalette::WindowText, check_.outsideRows.empty() ? QColor(Qt::darkBlue) : QColor(Qt::red));
    verdict_->setPalette(palette);
}

// Light magenta on the elongation and yellow on the load and the first initial
// reading of every reading outside the lines; red text on the elongation that
// ends each maximum-load holding.
void frmDataRevision::markCheck()
{
    ui::ReDrawSuspended pause(*grid_);
    grid_->SetBackColor(CellBlock::all(), QColor());
    grid_->SetForeColor(CellBlock::all(), QColor());
    for (int row : check_.outsideRows) {
        grid_->SetBackColor(CellBlock::cell(Input::ColElongation, row), OutsideElongation);
        grid_->SetBackColor(CellBlock::cell(Input::ColLoad, row), OutsideReading);
        grid_->SetBackColor(CellBlock::cell(Input::ColInitial1, row), OutsideReading);
    }
    for (int row : check_.holdingEndRows)
        grid_->SetForeColor(CellBlock::cell(Input::ColElongation, row), HoldingEnd);
}

void frmDataRevision::moveTo(int index)
{
    if (!anchorReadyToShow(project(), index)) {
        navigator_->setCurrent(index_);
        return;
    }
    project().CurrentAnchor = std::int16_t(index);
    showAnchor(index);
}

void frmDataRevision::closeWindow()
{
    if (modified_
        && showMessage(QStringLiteral("データが変更されていますが、データを更新しますか？"), MsgIcon::Question,
               MsgButtons::YesNo)
            != AnswerYes) {
        project().Record = backup_;
        QDialog::reject();
        return;
    }
    changed_ = modified_;
    QDialog::accept();
}

void frmDataRevision::reject()
{
    closeWindow();
}

void frmDataRevision::cellChanged(int col, int row)
{
    if (row < 1 || row > rowCount() || col < Input::ColInitial1 || col > Input::ColMeasured2)
        return;
    Input::GaugeField(anchor().Readings[std::size_t(row - 1)], col) = Input::CellValue(*grid_, col, row);
    // A changed reading can move every row below it that carries across a
    // dial-gauge reset; the rows above stay as they are.
    UpdateElongations(anchor().Readings, row - 1);
    showElongations(row);
    modified_ = true;
    scheduleRefresh();
}

void frmDataRevision::blockCleared(const ui::CellBlock& block)
{
    const int first = std::max(block.row, 1);
    const int last = std::min(block.row2, rowCount());
    if (first > last)
        return;
    for (int row = first; row <= last; ++row)
        for (int col = Input::ColInitial1; col <= Input::ColMeasured2; ++col)
            Input::GaugeField(anchor().Readings[std::size_t(row - 1)], col) = Input::CellValue(*grid_, col, row);
    UpdateElongations(anchor().Readings, first - 1);
    showElongations(first);
    modified_ = true;
    scheduleRefresh();
}

void frmDataRevision::showElongations(int fromRow)
{
    ui::ReDrawSuspended pause(*grid_);
    for (int row = fromRow; row <= rowCount(); ++row)
        ui::SetNumberText(
            *grid_, Input::ColElongation, row, anchor().Readings[std::size_t(row - 1)].Displacement, LinePattern);
}

void frmDataRevision::scheduleRefresh()
{
    if (refreshPending_)
        return;
    refreshPending_ = true;
    QTimer::singleShot(0, this, [this] {
        // An edit changes the cycles' displacements, not the lines: the split
        // alone runs again before the check.
        SplitCycles(anchor());
        refresh();
    });
}

void frmDataRevision::refresh()
{
    refreshPending_ = false;
    runCheck();
    ChartData data = chart_->data();
    FillElasticCheckChart(data, anchor());
    chart_->setData(std::move(data));
}

bool frmDataRevision::ShowForm(QWidget* parent)
{
    if (!anchorReadyToShow(project(), project().shownAnchor()))
        return false;
    frmDataRevision window(parent);
    ui::execModal(window);
    return window.dataChanged();
}

} // namespace tessaro
