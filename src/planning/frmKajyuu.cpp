#include "planning/frmKajyuu.h"

#include "evaluation/LoadDistribution.h"
#include "model/UserMessage.h"
#include "model/basMainData.h"
#include "planning/NumericCheck.h"
#include "planning/TestKinds.h"
#include "recording/MeasuredReadings.h"
#include "refdb/frmJakkiDB.h"
#include "ui/EntryBoxes.h"
#include "ui/Modal.h"
#include "ui/NumericField.h"
#include "ui/SpreadGrid.h"
#include "ui/basSpreadCustom.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace tessaro {
namespace {

QString incompleteMessage()
{
    return QStringLiteral("入力項目が足りません。値を入力して下さい。");
}

QString stageCountQuestion()
{
    return QStringLiteral("測定値入力後に荷重段階数を変更すると、入力済みの測定値が削除されますがよろしいですか？")
        + "\n\n"
        + QStringLiteral("※変更を行う前に、別名で保存するか、測定データをエクセル変換で保存を行ってください。");
}

std::optional<double> storedLoad(float value)
{
    return value == 0 ? std::nullopt : std::optional<double>(value); // 0 is shown empty
}

} // namespace

frmKajyuu::frmKajyuu(QWidget* parent)
    : QDialog(parent)
    , anchor_(project().currentAnchor())
    , ctx_(planContextOf(project()))
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

// ---- Showing the plan --------------------------------------------------------

void frmKajyuu::fillFromRecord()
{
    jackName_->SetText(anchor_.Jack.JackName);
    loads_.setJack(anchor_.Jack);
    showPressures_->setEnabled(ShownLoads::canShowPressures(anchor_.Jack));
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

frmKajyuu::PlanValues frmKajyuu::values() const
{
    PlanValues v;
    v.t0 = loads_.load(ShownLoads::T0, t0Box_->Text());
    v.tp = loads_.load(ShownLoads::Tp, tpBox_->Text());
    for (int row = 1; row <= grid_->MaxRows(); ++row)
        v.stages[std::size_t(row - 1)] = loads_.load(ShownLoads::FirstStage + row - 1, grid_->GetText(1, row));
    return v;
}

void frmKajyuu::showValues(const PlanValues& v)
{
    showLoad(ShownLoads::T0, t0Box_, v.t0);
    showLoad(ShownLoads::Tp, tpBox_, v.tp);
    int n = anchor_.Plan.StageCount;
    ui::ReDrawSuspended pause(*grid_);
    grid_->SetMaxRows(n);
    ui::FitGridToRows(*grid_, n);
    for (int row = 1; row <= MaxStageCount; ++row) {
        if (row <= n) {
            grid_->SetRowHeaderText(row, QString::number(row) + QStringLiteral("段階目"));
            showStage(row, v.stages[std::size_t(row - 1)]);
        }
        else {
            loads_.hold(ShownLoads::FirstStage + row - 1, std::nullopt, {});
        }
    }
}

void frmKajyuu::showLoad(int slot, ui::NumberBox* box, std::optional<double> kN)
{
    box->SetText(loads_.textOf(kN));
    loads_.hold(slot, kN, box->Text());
}

void frmKajyuu::showStage(int row, std::optional<double> kN)
{
    grid_->SetText(1, row, loads_.textOf(kN));
    loads_.hold(ShownLoads::FirstStage + row - 1, kN, grid_->GetText(1, row));
}

void frmKajyuu::switchDisplay(bool pressure)
{
    if (pressure == loads_.pressures())
        return;
    PlanValues v = values(); // read in the unit still on screen
    loads_.setPressures(pressure);
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
    bool pressure = loads_.pressures();
    QString unit = pressure ? QStringLiteral("MPa") : QStringLiteral("kN");
    for (QLabel* l : units_)
        l->setText("(" + unit + ")");
    unitNote_->setText(QStringLiteral("(単位：") + unit + ")");
    grid_->SetText(1, 0, pressure ? QStringLiteral("ゲージ圧") : QStringLiteral("荷重"));
    loadFrame_->setTitle(pressure ? QStringLiteral("ゲージ圧力") : QStringLiteral("荷重"));
}

void frmKajyuu::refreshReferenceTexts()
{
    saisyuu_->setVisible(anchor_.Tendon.AnchorTypeCode == LoadDistributionType);
    std::optional<double> tp = loads_.load(ShownLoads::Tp, tpBox_->Text());
    // The reference follows Tp; without one there is nothing to refer to.
    ReferenceTexts t = tp ? InitialLoadReferenceTexts(anchor_, *tp, ctx_, loads_.display()) : ReferenceTexts {};
    sankou_->setText(t.sankou);
    saisyuu_->setText(t.saisyuu);
}

void frmKajyuu::refreshLimitTexts()
{
    LimitTexts t = PlannedMaxLoadLimitTexts(anchor_, ctx_, loads_.display());
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
    loads_.hold(ShownLoads::T0, loads_.load(ShownLoads::T0, t0Box_->Text()), t0Box_->Text());
    // The bodies of a load-distribution anchor share the load only above a
    // minimum initial load, which follows from Tp.
    AnchorRecord planned = anchor_;
    planned.Plan.PlannedMaxLoad = float(loads_.load(ShownLoads::Tp, tpBox_->Text()).value_or(0));
    double minimum = MinimumInitialLoad(planned, ctx_, loadDistributionTables());
    std::optional<double> shown = parseNumericText(t0Box_->Text());
    LoadDisplay d = loads_.display();
    if (minimum <= 0 || !shown || *shown >= d(minimum))
        return;
    showMessage(MinimumInitialLoadMessage(minimum, d), MsgIcon::Exclamation);
    showLoad(ShownLoads::T0, t0Box_, minimum);
}

void frmKajyuu::plannedMaxLoadEntered(bool valid)
{
    QString text = tpBox_->Text();
    // A Tp accepted once is not asked about again while it stands.
    if (valid && !text.trimmed().isEmpty() && text != tpAccepted_) {
        LoadRange range = PlannedMaxLoadRange(anchor_, ctx_);
        LoadDisplay d = loads_.display();
        if (ui::checkPlannedMaxLoadField(tpBox_, d(range.lower), d(range.upper), tpBox_->Format())) {
            loads_.hold(ShownLoads::Tp, loads_.load(ShownLoads::Tp, text), text);
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
    if (!frmJakkiDB::ShowForm22(this, jack))
        return;
    anchor_.Jack = jack;
    loads_.setJack(jack);
    jackName_->SetText(jack.JackName);
    bool convertible = ShownLoads::canShowPressures(jack);
    showPressures_->setEnabled(convertible);
    if (!convertible && loads_.pressures()) {
        QSignalBlocker block(showPressures_);
        showLoads_->setChecked(true);
        loads_.setPressures(false);
    }
    showValues(v);
    refreshTexts();
}

void frmKajyuu::accept()
{
    if (!ui::EndOpenEntry(*this))
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
    // The reading sheet carries the planned loads and their gauge pressures: it
    // is rebuilt for new stages, new loads or another jack (readings are kept
    // when the number of rows stays).
    const AnchorRecord& opened = project().currentAnchor();
    bool loadsChanged = p.InitialLoad != opened.Plan.InitialLoad || p.PlannedMaxLoad != opened.Plan.PlannedMaxLoad
        || p.CycleMaxLoad != opened.Plan.CycleMaxLoad || anchor_.Jack.Outputs != opened.Jack.Outputs
        || anchor_.Jack.Pressures != opened.Jack.Pressures || anchor_.Jack.PointCount != opened.Jack.PointCount;
    if (countChanged || loadsChanged)
        anchor_.EditFlag = 0;
    project().currentAnchor() = anchor_;
    QDialog::accept();
}

} // namespace tessaro
