#include "planning/frmKuripu.h"

#include "model/NumberFormat.h"
#include "model/UserMessage.h"
#include "model/basMainData.h"
#include "planning/HoldingTimes.h"
#include "planning/NumericCheck.h"
#include "planning/basKajyuu.h"
#include "recording/MeasuredReadings.h"
#include "recording/ReadingSheet.h"
#include "ui/EntryBoxes.h"
#include "ui/Modal.h"
#include "ui/SpreadGrid.h"
#include "ui/basSpreadCustom.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <limits>

namespace tessaro {
namespace {

constexpr int ReadingsPerHolding = 10;
constexpr int MaxMinutes = 9999; // a reading time of a holding
const QString LoadFormat = QStringLiteral("#####0.00");
const QString ChoiceCaption = QStringLiteral("サイクルもしくは荷重の段階数");

struct ChangeField {
    QString caption;
    QString unit;
    double maximum;
};
// The load-change entry as a fixed time per change or as a constant rate.
ChangeField changeField(bool bySpeed)
{
    if (bySpeed)
        return { QStringLiteral("荷重増減時の一定速度"), QStringLiteral("(kN/分)"), 9999 };
    return { QStringLiteral("荷重増減時の所要時間"), QStringLiteral("(分)"), 999 };
}

std::int16_t& changeValue(AnchorSpec2& s, bool bySpeed, bool decrease)
{
    if (bySpeed)
        return decrease ? s.UnloadingRate : s.LoadingRate;
    return decrease ? s.UnloadingMinutes : s.LoadingMinutes;
}

QString loadText(const QString& caption, float load)
{
    return caption + QStringLiteral(" （ ") + formatNumber(load, LoadFormat) + QStringLiteral(" kN ）");
}

QString readingCountQuestion()
{
    return QStringLiteral(
               "測定値入力後に計測回数(計測ポイント回数)を変更すると、入力済みの測定値が削除されますがよろしいですか？")
        + "\n\n"
        + QStringLiteral("※変更を行う前に、別名で保存するか、測定データをエクセル変換で保存を行ってください。");
}

QLabel* label(const QString& text, QWidget* parent, const QString& name = {})
{
    auto* l = new QLabel(text, parent);
    if (!name.isEmpty())
        l->setObjectName(name);
    return l;
}

ui::NumberBox* choiceBox(const QString& name, QWidget* parent)
{
    auto* box = new ui::NumberBox(parent, QStringLiteral("#0"));
    box->setObjectName(name);
    // Any number is taken in; the range of the plan has its own message.
    box->SetCheck(ChoiceCaption, std::numeric_limits<double>::lowest(), std::numeric_limits<double>::max());
    box->setFixedWidth(44);
    return box;
}

} // namespace

frmKuripu::frmKuripu(QWidget* parent)
    : QDialog(parent)
    , anchor_(project().currentAnchor())
{
    setObjectName("frmKuripu");
    setWindowTitle(QStringLiteral("荷重保持時間の設定"));
    const Project& p = project();
    singleCycle_ = usesSingleCycleSheet(anchor_, p.TestCategory);
    stageCount_ = EffectiveStageCount(anchor_.Plan);
    anchor_.Plan.StageCount = std::int16_t(stageCount_);
    const HoldingSchedule& stored = project().currentSchedule();
    schedule_ = stored;
    openingRows_ = SheetRowCount(anchor_.Plan, stored, singleCycle_);
    if (schedule_.SetFlag == 0) {
        // Never set: the edition's example holding times for the anchorage
        // ground make a schedule the test can start from.
        takeReadingTimes(
            schedule_, defaultSchedule(p.Settings.StandardEdition, anchor_.AnchorageGround, stageCount_, singleCycle_));
        const AnchorSpec2& s = anchor_.Spec2;
        if (s.LoadingMinutes == 0 && s.UnloadingMinutes == 0 && s.LoadingRate == 0 && s.UnloadingRate == 0)
            applyDefaultLoadChange(anchor_);
    }
    buildLayout();
    showRanges();
    showHoldings();
    showLoadChange();
}

bool frmKuripu::ShowForm(QWidget* parent)
{
    frmKuripu window(parent);
    return ui::execModal(window) == QDialog::Accepted;
}

// ---- Layout ------------------------------------------------------------------

void frmKuripu::buildLayout()
{
    auto* times = new QGroupBox(QStringLiteral("荷重保持時間、計測時期"), this);
    times->setObjectName("FraJikan");
    auto* pairs = new QHBoxLayout;
    pairs->addWidget(buildNewLoadFrame());
    pairs->addWidget(buildHistoryFrame());
    for (int i = 0; i < GridCount; ++i) {
        auto grid = Grid(i);
        connect(grids_[std::size_t(i)], &ui::SpreadGrid::Change, this, [this, grid] { timesEdited(grid); });
        connect(grids_[std::size_t(i)], &ui::SpreadGrid::BlockCleared, this, [this, grid] { timesEdited(grid); });
    }

    totalTime_ = label({}, times, "LblJikan");
    totalCount_ = label({}, times, "LblKaisuu");
    auto* totals = new QGridLayout;
    totals->addWidget(label(QStringLiteral("全計測時間 ："), times), 0, 0);
    totals->addWidget(totalTime_, 0, 1);
    totals->addWidget(label(QStringLiteral("全計測回数 ："), times), 1, 0);
    totals->addWidget(totalCount_, 1, 1);
    totals->setColumnStretch(2, 1);

    auto* inner = new QVBoxLayout(times);
    inner->addWidget(buildChoiceRow());
    inner->addLayout(pairs);
    inner->addWidget(label(QStringLiteral("※表の数値は、荷重保持の開始からの計測時期 (分) です。"), times, "LblNote"));
    inner->addLayout(totals);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName("CmdOK");
    auto* cancel = new QPushButton(QStringLiteral("キャンセル"), this);
    cancel->setObjectName("CmdCancel");
    for (QPushButton* b : { ok, cancel }) {
        b->setAutoDefault(false); // Enter ends an entry; it never confirms the window
        b->setMinimumWidth(96);
    }
    connect(ok, &QPushButton::clicked, this, &frmKuripu::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(buildLoadChangeFrame());
    bottom->addStretch();
    bottom->addWidget(ok, 0, Qt::AlignBottom);
    bottom->addWidget(cancel, 0, Qt::AlignBottom);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(times);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QGroupBox* frmKuripu::buildChoiceRow()
{
    auto* frame = new QGroupBox(QStringLiteral("表示するサイクルと荷重段階"), this);
    frame->setObjectName("FraSentaku");
    cycleBox_ = choiceBox("imNumber1", frame);
    stageBox_ = choiceBox("imNumber2", frame);
    cycleRange_ = label({}, frame, "LblCycleRange");
    stageRange_ = label({}, frame, "LblStageRange");
    connect(cycleBox_, &ui::EntryBox::LostFocus, this, [this](bool valid) {
        if (valid)
            cycleEntered();
        else
            cycleBox_->SetText(QString::number(cycle_));
    });
    connect(cycleBox_, &QLineEdit::returnPressed, this, &frmKuripu::cycleEntered);
    connect(stageBox_, &ui::EntryBox::LostFocus, this, [this](bool valid) {
        if (valid)
            stageEntered();
        else
            stageBox_->SetText(QString::number(stage_));
    });
    connect(stageBox_, &QLineEdit::returnPressed, this, &frmKuripu::stageEntered);
    auto* row = new QHBoxLayout(frame);
    row->addWidget(label(QStringLiteral("サイクル"), frame));
    row->addWidget(cycleBox_);
    row->addWidget(cycleRange_);
    row->addSpacing(24);
    row->addWidget(label(QStringLiteral("段階"), frame));
    row->addWidget(stageBox_);
    row->addWidget(stageRange_);
    row->addStretch();
    return frame;
}

ui::SpreadGrid* frmKuripu::timeGrid(const QString& name, const QString& heading, QWidget* parent)
{
    auto* grid = new ui::SpreadGrid(parent);
    grid->setObjectName(name);
    grid->SetMaxCols(1);
    grid->SetMaxRows(ReadingsPerHolding);
    grid->SetTypeNumber(ui::CellBlock::cols(1, 1), 0, 1, MaxMinutes);
    grid->SetText(1, 0, heading);
    for (int row = 1; row <= ReadingsPerHolding; ++row)
        grid->SetRowHeaderText(row, QString::number(row));
    grid->SetColWidth(1, 84);
    grid->SetRowHeaderWidth(34);
    ui::FitGridToRows(*grid, ReadingsPerHolding);
    return grid;
}

QGroupBox* frmKuripu::buildNewLoadFrame()
{
    auto* frame = new QGroupBox(QStringLiteral("新規荷重段階"), this);
    frame->setObjectName("FraShinki");
    grids_[Opening] = timeGrid("vspdShinki", QStringLiteral("時間(分)"), frame);
    grids_[NewLoad] = timeGrid("vspdShinki2", QStringLiteral("時間(分)"), frame);
    openingLoad_ = label({}, frame, "LblShoki");
    newLoad_ = label({}, frame, "LblSaidai");
    auto* g = new QGridLayout(frame);
    g->addWidget(openingLoad_, 0, 0, Qt::AlignHCenter);
    g->addWidget(newLoad_, 0, 1, Qt::AlignHCenter);
    g->addWidget(grids_[Opening], 1, 0, Qt::AlignHCenter);
    g->addWidget(grids_[NewLoad], 1, 1, Qt::AlignHCenter);
    return frame;
}

QGroupBox* frmKuripu::buildHistoryFrame()
{
    auto* frame = new QGroupBox(QStringLiteral("履歴内荷重段階"), this);
    frame->setObjectName("FraRireki");
    grids_[Loading] = timeGrid("vspdRireki", QStringLiteral("載荷時(分)"), frame);
    grids_[Unloading] = timeGrid("vspdRireki2", QStringLiteral("除荷時(分)"), frame);
    stageLoad_ = label({}, frame, "LblDankai");
    auto* g = new QGridLayout(frame);
    g->addWidget(stageLoad_, 0, 0, 1, 2, Qt::AlignHCenter);
    g->addWidget(grids_[Loading], 1, 0, Qt::AlignHCenter);
    g->addWidget(grids_[Unloading], 1, 1, Qt::AlignHCenter);
    return frame;
}

QGroupBox* frmKuripu::buildLoadChangeFrame()
{
    changeFrame_ = new QGroupBox(this);
    changeFrame_->setObjectName("FraZougen");
    const QStringList modeCaptions = { QStringLiteral("所要時間で指定"), QStringLiteral("一定速度で指定") };
    const QStringList directionCaptions = { QStringLiteral("増荷時"), QStringLiteral("減荷時") };
    auto* modeRow = new QHBoxLayout;
    auto* valueRow = new QHBoxLayout;
    for (int i = 0; i < 2; ++i) {
        modes_[std::size_t(i)] = new QRadioButton(modeCaptions[i], changeFrame_);
        modes_[std::size_t(i)]->setObjectName(QStringLiteral("OptSokudo_%1").arg(i));
        modeRow->addWidget(modes_[std::size_t(i)]);
        directions_[std::size_t(i)] = new QRadioButton(directionCaptions[i], changeFrame_);
        directions_[std::size_t(i)]->setObjectName(QStringLiteral("Option3_%1").arg(i));
        valueRow->addWidget(directions_[std::size_t(i)]);
    }
    modeRow->addStretch();
    // The two pairs of options switch independently of each other.
    auto* modeGroup = new QButtonGroup(changeFrame_);
    auto* directionGroup = new QButtonGroup(changeFrame_);
    for (int i = 0; i < 2; ++i) {
        modeGroup->addButton(modes_[std::size_t(i)], i);
        directionGroup->addButton(directions_[std::size_t(i)], i);
    }
    changeBox_ = new ui::NumberBox(changeFrame_, QStringLiteral("###0"));
    changeBox_->setObjectName("imTxtZougen");
    changeBox_->setFixedWidth(64);
    changeUnit_ = label({}, changeFrame_, "LblZougenTani");
    valueRow->addSpacing(12);
    valueRow->addWidget(changeBox_);
    valueRow->addWidget(changeUnit_);
    valueRow->addStretch();
    connect(changeBox_, &ui::EntryBox::LostFocus, this, [this](bool valid) {
        if (valid)
            storeLoadChange();
        showTotals();
    });
    connect(modeGroup, &QButtonGroup::idClicked, this, [this](int id) {
        storeLoadChange();
        anchor_.Spec2.LoadChangeBySpeed = std::int16_t(id);
        showLoadChange();
    });
    connect(directionGroup, &QButtonGroup::idClicked, this, [this](int) {
        storeLoadChange();
        showLoadChange();
    });
    auto* column = new QVBoxLayout(changeFrame_);
    column->addLayout(modeRow);
    column->addLayout(valueRow);
    return changeFrame_;
}

// ---- Holdings ----------------------------------------------------------------

ShownHolding frmKuripu::shown(Grid g)
{
    ShownHoldings h = holdingsShown(schedule_, anchor_.Plan, singleCycle_, cycle_, stage_);
    const std::array<ShownHolding, GridCount> all = { h.opening, h.newLoad, h.loading, h.unloading };
    return all[std::size_t(g)];
}

void frmKuripu::showHoldings()
{
    ShownHoldings h = holdingsShown(schedule_, anchor_.Plan, singleCycle_, cycle_, stage_);
    openingLoad_->setText(loadText(QStringLiteral("初期荷重"), h.opening.load));
    newLoad_->setText(loadText(QStringLiteral("最大荷重"), h.newLoad.load));
    stageLoad_->setText(loadText(QStringLiteral("段階"), h.stageLoad));
    for (int i = 0; i < GridCount; ++i)
        showTimes(Grid(i));
    showTotals();
}

void frmKuripu::showTimes(Grid g)
{
    ShownHolding h = shown(g);
    ui::SpreadGrid& grid = *grids_[std::size_t(g)];
    // A holding the sheet never reaches (the first cycle meets T0 only at the
    // opening holding) shows no times and takes none.
    grid.setEnabled(h.used);
    std::vector<int> times = h.used ? readingTimes(*h.entry) : std::vector<int> {};
    ui::ReDrawSuspended pause(grid);
    for (int row = 1; row <= ReadingsPerHolding; ++row)
        grid.SetText(1, row, row <= int(times.size()) ? QString::number(times[std::size_t(row - 1)]) : QString());
}

void frmKuripu::timesEdited(Grid g)
{
    ShownHolding h = shown(g);
    ui::SpreadGrid& grid = *grids_[std::size_t(g)];
    std::vector<int> times;
    for (int row = 1; row <= ReadingsPerHolding; ++row)
        if (std::optional<double> v = grid.GetValue(1, row))
            times.push_back(int(*v));
    if (!strictlyIncreasing(times)) {
        bool newLoad = g == Opening || g == NewLoad;
        showMessage(newLoad ? newLoadOrderMessage() : historyOrderMessage(), MsgIcon::Information);
    }
    else if (h.used) {
        setReadingTimes(*h.entry, times);
    }
    showTimes(g); // the refused entry goes back; gaps close up
    showTotals();
}

void frmKuripu::showTotals()
{
    ScheduleTotals t = scheduleTotals(anchor_, schedule_, singleCycle_);
    totalTime_->setText(totalTimeText(t.minutes));
    totalCount_->setText(readingCountText(t.readings));
}

// ---- Cycle and stage shown ---------------------------------------------------

void frmKuripu::showRanges()
{
    int cycles = ScheduleCycleCount(stageCount_, singleCycle_);
    int stages = ScheduleStageCount(cycle_, stageCount_, singleCycle_);
    cycleBox_->SetText(QString::number(cycle_));
    stageBox_->SetText(QString::number(stage_));
    cycleBox_->SetEnabled(cycles > 1);
    cycleRange_->setText(QStringLiteral("(1～%1)").arg(cycles));
    stageRange_->setText(QStringLiteral("(1～%1)").arg(stages));
}

void frmKuripu::cycleEntered()
{
    int cycles = ScheduleCycleCount(stageCount_, singleCycle_);
    std::optional<double> v = cycleBox_->Value();
    if (!v || *v < 1 || *v >= cycles + 1) {
        showMessage(scheduleRangeMessage(1, cycles), MsgIcon::Exclamation, MsgButtons::Ok, InputErrorTitle);
        cycleBox_->SetText(QString::number(cycle_));
        return;
    }
    cycle_ = int(*v);
    // A cycle has as many history stages as its number.
    stage_ = std::min(stage_, ScheduleStageCount(cycle_, stageCount_, singleCycle_));
    showRanges();
    showHoldings();
}

void frmKuripu::stageEntered()
{
    int stages = ScheduleStageCount(cycle_, stageCount_, singleCycle_);
    std::optional<double> v = stageBox_->Value();
    if (!v || *v < 1 || *v >= stages + 1) {
        showMessage(scheduleRangeMessage(1, stages), MsgIcon::Exclamation, MsgButtons::Ok, InputErrorTitle);
        stageBox_->SetText(QString::number(stage_));
        return;
    }
    stage_ = int(*v);
    showRanges();
    showHoldings();
}

// ---- Load changes ------------------------------------------------------------

void frmKuripu::storeLoadChange()
{
    if (!changeBox_->Check(true))
        return;
    changeValue(anchor_.Spec2, bySpeedShown_, decreaseShown_) = std::int16_t(changeBox_->Value().value_or(0));
}

void frmKuripu::showLoadChange()
{
    bySpeedShown_ = anchor_.Spec2.LoadChangeBySpeed != 0;
    decreaseShown_ = directions_[1]->isChecked();
    modes_[bySpeedShown_ ? 1 : 0]->setChecked(true);
    directions_[decreaseShown_ ? 1 : 0]->setChecked(true);
    ChangeField f = changeField(bySpeedShown_);
    changeFrame_->setTitle(f.caption);
    changeUnit_->setText(f.unit);
    changeBox_->SetCheck(f.caption, 1, f.maximum);
    std::int16_t value = changeValue(anchor_.Spec2, bySpeedShown_, decreaseShown_);
    changeBox_->SetText(value > 0 ? QString::number(value) : QString());
    showTotals();
}

// ---- OK ----------------------------------------------------------------------

void frmKuripu::accept()
{
    if (!ui::EndOpenEntry(*this))
        return;
    storeLoadChange();
    AnchorRecord& target = project().currentAnchor();
    bool rowsChanged = SheetRowCount(anchor_.Plan, schedule_, singleCycle_) != openingRows_;
    bool discard = rowsChanged && hasMeasuredReadings(target);
    if (discard && showMessage(readingCountQuestion(), MsgIcon::Information, MsgButtons::OkCancel) != AnswerOk)
        return;
    if (schedule_.SetFlag == 0)
        schedule_.SetFlag = 1;
    project().currentSchedule() = schedule_;
    for (bool bySpeed : { false, true })
        for (bool decrease : { false, true })
            changeValue(target.Spec2, bySpeed, decrease) = changeValue(anchor_.Spec2, bySpeed, decrease);
    target.Spec2.LoadChangeBySpeed = anchor_.Spec2.LoadChangeBySpeed;
    if (discard)
        discardReadings(target);
    target.EditFlag = 0; // the sheet is rebuilt from the new schedule
    QDialog::accept();
}

} // namespace tessaro
