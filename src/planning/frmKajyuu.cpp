#include "planning/frmKajyuu.h"

#include "evaluation/LoadDistribution.h"
#include "model/NumberFormat.h"
#include "model/UserMessage.h"
#include "model/basMainData.h"
#include "planning/GaugeHenkan.h"
#include "planning/NumericCheck.h"
#include "planning/PlanReferenceTexts.h"
#include "planning/TestKinds.h"
#include "recording/MeasuredReadings.h"
#include "ui/EntryBoxes.h"
#include "ui/Modal.h"
#include "ui/NumericField.h"
#include "ui/ReferenceTextWindow.h"
#include "ui/SpreadGrid.h"
#include "ui/basSpreadCustom.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <limits>

namespace tessaro {
namespace {

const QString EntryFormat = QStringLiteral("###0.00");
const QString ShownFormat = QStringLiteral("######0.00"); // loads and pressures written by the window
constexpr double EntryMinimum = 0.01;
constexpr double EntryMaximum = 9999.99;

// ---- Jack detail -------------------------------------------------------------
// INTEGRATION POINT (jack-detail window frmJakkiDB): showJackDetail opens the
// jack-detail window on the anchor's jack copy and answers whether the user
// changed the jack; the load-plan window then shows its loads through the new
// jack. Until the window is wired in here, CmdJakki stays disabled.
constexpr bool JackDetailAvailable = false;

bool showJackDetail(QWidget* /*parent*/, JackRecord& /*jack*/) { return false; }
// -----------------------------------------------------------------------------

// Gauge pressures can be shown only through a jack with calibration pairs.
bool canConvert(const JackRecord& jack) { return GaugeSegment(jack, 0, PressureToLoad) >= 0; }

QString incompleteMessage() { return QStringLiteral("入力項目が足りません。値を入力して下さい。"); }

QString stageCountQuestion()
{
    return QStringLiteral("測定値入力後に荷重段階数を変更すると、入力済みの測定値が削除されますがよろしいですか？")
        + "\n\n" + QStringLiteral("※変更を行う前に、別名で保存するか、測定データをエクセル変換で保存を行ってください。");
}

QLabel* label(const QString& text, QWidget* parent, const QString& name = {})
{
    auto* l = new QLabel(text, parent);
    if (!name.isEmpty())
        l->setObjectName(name);
    return l;
}

QPushButton* button(const QString& name, const QString& caption, QWidget* parent)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false); // Enter ends an entry; it never confirms the window
    return b;
}

ui::NumberBox* loadBox(const QString& name, const QString& caption, QWidget* parent)
{
    auto* box = new ui::NumberBox(parent, EntryFormat);
    box->setObjectName(name);
    box->SetCheck(caption, EntryMinimum, EntryMaximum);
    box->setFixedWidth(100);
    // Enter moves on, which ends the entry and runs its checks.
    QObject::connect(box, &QLineEdit::returnPressed, box, [box] { box->nextInFocusChain()->setFocus(); });
    return box;
}

std::optional<double> storedLoad(float value)
{
    return value == 0 ? std::nullopt : std::optional<double>(value); // 0 is shown empty
}

} // namespace

frmKajyuu::frmKajyuu(QWidget* parent)
    : QDialog(parent), anchor_(project().currentAnchor()), ctx_(planContextOf(project()))
{
    setObjectName("frmKajyuu");
    setWindowTitle(QStringLiteral("荷重の設定"));
    openingStageCount_ = anchor_.Plan.StageCount;
    anchor_.Plan.StageCount = std::int16_t(EffectiveStageCount(anchor_.Plan));
    buildLayout();
    fillFromRecord();
    if (anchor_.Plan.PlannedMaxLoad == 0) {
        // Without Tp the anchor has neither a plan nor a sheet to read against.
        for (AnchorRecord* a : { &anchor_, &project().currentAnchor() }) {
            a->Plan.PlanSet = 0;
            a->EditFlag = 0;
        }
        ok_->setEnabled(false);
    }
}

bool frmKajyuu::ShowForm(QWidget* parent)
{
    frmKajyuu window(parent);
    return ui::execModal(window) == QDialog::Accepted;
}

// ---- Layout ------------------------------------------------------------------

void frmKajyuu::buildLayout()
{
    auto* jackRow = new QHBoxLayout;
    jackRow->addWidget(label(QStringLiteral("ジャッキ名称"), this));
    jackName_ = new ui::TextBox(this);
    jackName_->setObjectName("imTxtJName");
    jackName_->setReadOnly(true);
    jackName_->setMinimumWidth(220);
    jackRow->addWidget(jackName_, 1);
    jackButton_ = button("CmdJakki", QStringLiteral("ジャッキ詳細"), this);
    jackButton_->setEnabled(JackDetailAvailable);
    connect(jackButton_, &QPushButton::clicked, this, &frmKajyuu::jackDetail);
    jackRow->addWidget(jackButton_);

    auto* right = new QVBoxLayout;
    right->addWidget(buildReferenceFrame());
    right->addWidget(buildLimitFrame());
    right->addStretch();

    auto* left = new QVBoxLayout;
    left->addWidget(buildDisplayFrame());
    left->addWidget(buildLoadFrame(), 1);

    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right, 1);

    // Changing the stage count voids the reading sheet and the holding schedule.
    auto* warnings = new QVBoxLayout;
    warnings->setSpacing(2);
    const QStringList texts = { QStringLiteral("※測定値入力後に荷重段階数を変更すると、入力済みの測定値は削除されます。"),
        QStringLiteral("荷重保持時間の設定も変更されますので見直してください。") };
    for (int i = 0; i < texts.size(); ++i) {
        QLabel* w = label(texts[i], this, QStringLiteral("LblKeikoku_%1").arg(i));
        w->setStyleSheet(QStringLiteral("color: #c00000;"));
        if (i > 0)
            w->setIndent(fontMetrics().horizontalAdvance(QStringLiteral("※")));
        warnings->addWidget(w);
    }

    ok_ = button("Command1_0", QStringLiteral("OK"), this);
    QPushButton* cancel = button("Command1_1", QStringLiteral("キャンセル"), this);
    for (QPushButton* b : { ok_, cancel })
        b->setMinimumWidth(96);
    connect(ok_, &QPushButton::clicked, this, &frmKajyuu::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* bottom = new QHBoxLayout;
    bottom->addLayout(warnings, 1);
    bottom->addWidget(ok_, 0, Qt::AlignBottom);
    bottom->addWidget(cancel, 0, Qt::AlignBottom);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(jackRow);
    layout->addLayout(columns, 1);
    layout->addLayout(bottom);
}

QGroupBox* frmKajyuu::buildDisplayFrame()
{
    auto* frame = new QGroupBox(QStringLiteral("荷重の表示切り替え"), this);
    frame->setObjectName("FraOption1");
    showLoads_ = new QRadioButton(QStringLiteral("荷重 (kN)"), frame);
    showLoads_->setObjectName("Option1_0");
    showLoads_->setChecked(true);
    showPressures_ = new QRadioButton(QStringLiteral("ゲージ圧力 (MPa)"), frame);
    showPressures_->setObjectName("Option1_1");
    connect(showPressures_, &QRadioButton::toggled, this, &frmKajyuu::switchDisplay);
    auto* row = new QHBoxLayout(frame);
    row->addWidget(showLoads_);
    row->addWidget(showPressures_);
    row->addStretch();
    return frame;
}

QGroupBox* frmKajyuu::buildLoadFrame()
{
    loadFrame_ = new QGroupBox(this);
    loadFrame_->setObjectName("FraKajyuu");
    t0Box_ = loadBox("imTxtTo", QStringLiteral("初期荷重"), loadFrame_);
    tpBox_ = loadBox("imTxtTp", QStringLiteral("計画最大荷重"), loadFrame_);
    connect(t0Box_, &ui::EntryBox::LostFocus, this, &frmKajyuu::initialLoadEntered);
    connect(tpBox_, &ui::EntryBox::LostFocus, this, &frmKajyuu::plannedMaxLoadEntered);

    // Any number is taken in; the range of the stage count has its own message.
    stageCountBox_ = new ui::NumberBox(loadFrame_, QStringLiteral("#0"));
    stageCountBox_->setObjectName("imNumber4");
    stageCountBox_->SetCheck(QStringLiteral("荷重段階数"), std::numeric_limits<double>::lowest(),
        std::numeric_limits<double>::max());
    stageCountBox_->setFixedWidth(48);
    connect(stageCountBox_, &ui::EntryBox::LostFocus, this, [this](bool valid) {
        if (valid)
            stageCountEntered();
        else
            stageCountBox_->SetText(QString::number(anchor_.Plan.StageCount));
    });
    connect(stageCountBox_, &QLineEdit::returnPressed, this, &frmKajyuu::stageCountEntered);

    auto* calc = button("CmdCalcAuto", QStringLiteral("計画最大荷重を均等配分"), loadFrame_);
    connect(calc, &QPushButton::clicked, this, &frmKajyuu::distributeEvenly);

    grid_ = new ui::SpreadGrid(loadFrame_);
    grid_->setObjectName("vaSpread1");
    grid_->SetMaxCols(1);
    grid_->SetMaxRows(MaxStageCount);
    grid_->SetTypeNumber(ui::CellBlock::cols(1, 1), 2, 0, 99999.99); // "####0.00"
    grid_->SetColWidth(1, 110);
    grid_->SetRowHeaderWidth(72);
    ui::FitGridToRows(*grid_, MaxStageCount);

    auto* g = new QGridLayout(loadFrame_);
    int row = 0;
    g->addWidget(label(QStringLiteral("初期荷重　T0"), loadFrame_), row, 0);
    g->addWidget(t0Box_, row, 1);
    units_[0] = label({}, loadFrame_, "LblTani_0");
    g->addWidget(units_[0], row++, 2);
    g->addWidget(label(QStringLiteral("計画最大荷重　Tp"), loadFrame_), row, 0);
    g->addWidget(tpBox_, row, 1);
    units_[1] = label({}, loadFrame_, "LblTani_1");
    g->addWidget(units_[1], row++, 2);
    g->addWidget(label(QStringLiteral("荷重段階数"), loadFrame_), row, 0);
    auto* countRow = new QHBoxLayout;
    countRow->addWidget(stageCountBox_);
    countRow->addWidget(label(QStringLiteral("段階　(2～10)"), loadFrame_));
    countRow->addStretch();
    g->addLayout(countRow, row++, 1, 1, 2);
    g->addWidget(calc, row++, 0, 1, 3);
    unitNote_ = label({}, loadFrame_, "LblTaniNote");
    g->addWidget(unitNote_, row++, 0, 1, 3, Qt::AlignRight);
    g->addWidget(grid_, row++, 0, 1, 3, Qt::AlignHCenter | Qt::AlignTop);
    return loadFrame_;
}

QGroupBox* frmKajyuu::buildReferenceFrame()
{
    auto* frame = new QGroupBox(QStringLiteral("初期荷重の参考値"), this);
    frame->setObjectName("FraSankou");
    sankou_ = label({}, frame, "LblSankou");
    saisyuu_ = label({}, frame, "LblSaisyuu");
    auto* explain = button("CmdSankou", QStringLiteral("解説"), frame);
    connect(explain, &QPushButton::clicked, this, [this] {
        ReferenceText r = initialLoadReference(ctx_.testCategory, ctx_.edition);
        ui::showReferenceText(this, "DlgReferenceText", r.title, r.text);
    });
    auto* g = new QGridLayout(frame);
    g->addWidget(label(QStringLiteral("T0"), frame), 0, 0, Qt::AlignTop);
    g->addWidget(sankou_, 0, 1);
    g->addWidget(saisyuu_, 1, 1);
    g->addWidget(explain, 0, 2, Qt::AlignTop | Qt::AlignRight);
    g->setColumnStretch(1, 1);
    return frame;
}

QGroupBox* frmKajyuu::buildLimitFrame()
{
    auto* frame = new QGroupBox(QStringLiteral("計画最大荷重の制限"), this);
    frame->setObjectName("FraSeigen");
    tys_ = label({}, frame, "LblTys");
    auto* table = button("Command2", QStringLiteral("参考表"), frame);
    connect(table, &QPushButton::clicked, this, [this] {
        ReferenceText r = plannedMaxLoadReference(ctx_.testCategory, ctx_.edition);
        ui::showReferenceText(this, "DlgReferenceText", r.title, r.text);
    });
    auto* g = new QGridLayout(frame);
    g->addWidget(tys_, 0, 0);
    g->addWidget(table, 0, 1, Qt::AlignTop | Qt::AlignRight);
    for (std::size_t i = 0; i < tpLimits_.size(); ++i) {
        tpLimits_[i] = label({}, frame, QStringLiteral("LblTp_%1").arg(i));
        g->addWidget(tpLimits_[i], int(i) + 1, 0, 1, 2);
    }
    g->addWidget(label(QStringLiteral("Td：設計アンカー力（常時）、Tys：テンドンの降伏荷重"), frame, "LblTdNote"),
        int(tpLimits_.size()) + 1, 0, 1, 2);
    g->setColumnStretch(0, 1);
    return frame;
}

// ---- Showing the plan --------------------------------------------------------

void frmKajyuu::fillFromRecord()
{
    jackName_->SetText(anchor_.Jack.JackName);
    showPressures_->setEnabled(canConvert(anchor_.Jack));
    stageCountBox_->SetText(QString::number(anchor_.Plan.StageCount));
    const LoadPlan& p = anchor_.Plan;
    PlanValues v;
    v.t0 = storedLoad(p.InitialLoad);
    v.tp = storedLoad(p.PlannedMaxLoad);
    for (int i = 0; i < p.StageCount; ++i)
        v.stages[std::size_t(i)] = storedLoad(p.CycleMaxLoad[std::size_t(i)]);
    showValues(v);
    refreshTexts();
}

LoadDisplay frmKajyuu::display() const { return pressure_ ? pressureDisplay(anchor_.Jack) : LoadDisplay {}; }

std::optional<double> frmKajyuu::loadOf(const QString& text, const HeldLoad& held) const
{
    if (text.trimmed().isEmpty())
        return std::nullopt;
    if (text == held.shown)
        return held.kN;
    std::optional<double> v = parseNumericText(text);
    if (!v || !pressure_)
        return v;
    float load = ConvertGaugeRounded(anchor_.Jack, *v, PressureToLoad);
    return isMissing(load) ? std::nullopt : std::optional<double>(load);
}

QString frmKajyuu::textOf(std::optional<double> kN) const
{
    if (!kN)
        return {};
    double shown = display()(*kN);
    return isMissing(shown) ? QString() : formatNumber(shown, ShownFormat);
}

frmKajyuu::PlanValues frmKajyuu::values() const
{
    PlanValues v;
    v.t0 = loadOf(t0Box_->Text(), t0_);
    v.tp = loadOf(tpBox_->Text(), tp_);
    for (int row = 1; row <= grid_->MaxRows(); ++row)
        v.stages[std::size_t(row - 1)] = loadOf(grid_->GetText(1, row), stages_[std::size_t(row - 1)]);
    return v;
}

void frmKajyuu::showValues(const PlanValues& v)
{
    t0_ = { v.t0, textOf(v.t0) };
    t0Box_->SetText(t0_.shown);
    tp_ = { v.tp, textOf(v.tp) };
    tpBox_->SetText(tp_.shown);
    int n = anchor_.Plan.StageCount;
    ui::ReDrawSuspended pause(*grid_);
    grid_->SetMaxRows(n);
    for (int row = 1; row <= MaxStageCount; ++row) {
        if (row <= n) {
            grid_->SetRowHeaderText(row, QString::number(row) + QStringLiteral("段階目"));
            showStage(row, v.stages[std::size_t(row - 1)]);
        }
        else {
            stages_[std::size_t(row - 1)] = {};
        }
    }
}

void frmKajyuu::showStage(int row, std::optional<double> kN)
{
    grid_->SetText(1, row, textOf(kN));
    stages_[std::size_t(row - 1)] = { kN, grid_->GetText(1, row) };
}

void frmKajyuu::switchDisplay(bool pressure)
{
    if (pressure == pressure_)
        return;
    PlanValues v = values(); // read in the unit still on screen
    pressure_ = pressure;
    showValues(v);
    refreshTexts();
}

void frmKajyuu::refreshTexts()
{
    refreshUnitTexts();
    refreshReferenceTexts();
    refreshLimitTexts();
}

void frmKajyuu::refreshUnitTexts()
{
    QString unit = pressure_ ? QStringLiteral("MPa") : QStringLiteral("kN");
    for (QLabel* l : units_)
        l->setText("(" + unit + ")");
    unitNote_->setText(QStringLiteral("(単位：") + unit + ")");
    grid_->SetText(1, 0, pressure_ ? QStringLiteral("ゲージ圧") : QStringLiteral("荷重"));
    loadFrame_->setTitle(pressure_ ? QStringLiteral("ゲージ圧力") : QStringLiteral("荷重"));
}

void frmKajyuu::refreshReferenceTexts()
{
    saisyuu_->setVisible(anchor_.Tendon.AnchorTypeCode == LoadDistributionType);
    std::optional<double> tp = loadOf(tpBox_->Text(), tp_);
    // The reference follows Tp; without one there is nothing to refer to.
    ReferenceTexts t = tp ? InitialLoadReferenceTexts(anchor_, *tp, ctx_, display()) : ReferenceTexts {};
    sankou_->setText(t.sankou);
    saisyuu_->setText(t.saisyuu);
}

void frmKajyuu::refreshLimitTexts()
{
    LimitTexts t = PlannedMaxLoadLimitTexts(anchor_, ctx_, display());
    tys_->setText(t.tug.isEmpty() ? t.tys : t.tys + "\n" + t.tug);
    for (std::size_t i = 0; i < tpLimits_.size(); ++i) {
        tpLimits_[i]->setText(t.tp[i]);
        tpLimits_[i]->setVisible(!t.tp[i].isEmpty());
    }
}

// ---- Entries -----------------------------------------------------------------

void frmKajyuu::stageCountEntered()
{
    std::optional<double> entered = stageCountBox_->Value();
    if (!entered || *entered < MinStageCount || *entered >= MaxStageCount + 1) {
        showMessage(StageCountRangeMessage(), MsgIcon::Exclamation, MsgButtons::Ok, InputErrorTitle);
        stageCountBox_->SetText(QString::number(anchor_.Plan.StageCount));
        return;
    }
    auto n = std::int16_t(*entered);
    stageCountBox_->SetText(QString::number(n));
    if (n == anchor_.Plan.StageCount)
        return;
    PlanValues v = values();
    anchor_.Plan.StageCount = n;
    showValues(v);
}

void frmKajyuu::initialLoadEntered(bool valid)
{
    if (!valid)
        return; // emptied by the check
    std::optional<double> t0 = loadOf(t0Box_->Text(), t0_);
    t0_ = { t0, t0Box_->Text() };
    // The bodies of a load-distribution anchor share the load only above a
    // minimum initial load, which follows from Tp.
    AnchorRecord planned = anchor_;
    planned.Plan.PlannedMaxLoad = float(loadOf(tpBox_->Text(), tp_).value_or(0));
    double minimum = MinimumInitialLoad(planned, ctx_, loadDistributionTables());
    std::optional<double> shown = parseNumericText(t0Box_->Text());
    LoadDisplay d = display();
    if (minimum <= 0 || !shown || *shown >= d(minimum))
        return;
    showMessage(MinimumInitialLoadMessage(minimum, d), MsgIcon::Exclamation);
    t0_ = { minimum, textOf(minimum) };
    t0Box_->SetText(t0_.shown);
}

void frmKajyuu::plannedMaxLoadEntered(bool valid)
{
    QString text = tpBox_->Text();
    // A Tp accepted once is not asked about again while it stands.
    if (valid && !text.trimmed().isEmpty() && text != tpAccepted_) {
        LoadRange range = PlannedMaxLoadRange(anchor_, ctx_);
        LoadDisplay d = display();
        if (ui::checkPlannedMaxLoadField(tpBox_, d(range.lower), d(range.upper), EntryFormat)) {
            tp_ = { loadOf(text, tp_), text };
            tpAccepted_ = text;
        }
    }
    refreshReferenceTexts();
    if (!tpBox_->Text().trimmed().isEmpty() && !planCheckFailed_)
        ok_->setEnabled(true);
}

void frmKajyuu::distributeEvenly()
{
    showLoads_->setChecked(true); // the stages are calculated as loads
    PlanValues v = values();
    if (!v.t0 || !v.tp) {
        showMessage(incompleteMessage(), MsgIcon::Information);
        return;
    }
    anchor_.Plan.InitialLoad = float(*v.t0);
    anchor_.Plan.PlannedMaxLoad = float(*v.tp);
    if (!CalculatePlanAutomatically(anchor_, true)) {
        planCheckFailed_ = true;
        ok_->setEnabled(false);
        return;
    }
    for (int i = 0; i < MaxStageCount; ++i)
        v.stages[std::size_t(i)] = storedLoad(anchor_.Plan.CycleMaxLoad[std::size_t(i)]);
    showValues(v);
}

void frmKajyuu::jackDetail()
{
    PlanValues v = values(); // read through the jack they were shown with
    JackRecord jack = anchor_.Jack;
    if (!showJackDetail(this, jack))
        return;
    anchor_.Jack = jack;
    jackName_->SetText(jack.JackName);
    bool convertible = canConvert(jack);
    showPressures_->setEnabled(convertible);
    if (!convertible && pressure_) {
        QSignalBlocker block(showPressures_);
        showLoads_->setChecked(true);
        pressure_ = false;
    }
    showValues(v);
    refreshTexts();
}

// An entry still open when OK is pressed (by Enter or a click that takes no
// focus) is ended first, as leaving its box would; a refused entry keeps the
// window open.
bool frmKajyuu::finishEntry()
{
    QWidget* open = focusWidget();
    if (!qobject_cast<ui::EntryBox*>(open))
        return true;
    open->clearFocus();
    return !open->hasFocus();
}

void frmKajyuu::accept()
{
    if (!finishEntry())
        return;
    PlanValues v = values();
    int n = anchor_.Plan.StageCount;
    bool complete = v.t0 && v.tp;
    for (int i = 0; i < n; ++i)
        complete = complete && v.stages[std::size_t(i)].value_or(0) != 0;
    if (!complete) {
        showMessage(incompleteMessage(), MsgIcon::Information);
        return;
    }
    bool countChanged = n != openingStageCount_;
    bool discard = countChanged && hasMeasuredReadings(anchor_);
    if (discard && showMessage(stageCountQuestion(), MsgIcon::Information, MsgButtons::OkCancel) != AnswerOk)
        return;

    showLoads_->setChecked(true);
    LoadPlan& p = anchor_.Plan;
    p.InitialLoad = float(*v.t0);
    p.PlannedMaxLoad = float(*v.tp);
    for (int i = 0; i < MaxStageCount; ++i)
        p.CycleMaxLoad[std::size_t(i)] = i < n ? float(*v.stages[std::size_t(i)]) : 0.0f;
    FillPlanGauges(anchor_);
    p.PlanSet = 1;
    if (discard)
        discardReadings(anchor_);
    if (countChanged)
        anchor_.EditFlag = 0; // the reading sheet is rebuilt for the new stages
    project().currentAnchor() = anchor_;
    QDialog::accept();
}

} // namespace tessaro
