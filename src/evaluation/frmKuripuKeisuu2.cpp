#include "evaluation/frmKuripuKeisuu2.h"

#include "documents/CreepSheets.h"
#include "documents/frmPreview.h"
#include "evaluation/CreepTexts.h"
#include "graphs/CreepCharts.h"
#include "model/NumberFormat.h"
#include "model/UserMessage.h"
#include "model/basMainData.h"
#include "ui/Chart2D.h"
#include "ui/Modal.h"
#include "ui/PointNumberBox.h"
#include "ui/WindowParts.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tessaro {
namespace {

QString holdingText(const CreepHolding& h)
{
    if (h.startRow == 0)
        return QStringLiteral("荷重保持の測定値がありません。");
    return QStringLiteral("%1サイクル目　荷重 %2 kN の荷重保持").arg(h.cycle).arg(formatNumber(h.load, "0.00"));
}

QLabel* valueLabel(QWidget* parent, const QString& name)
{
    QLabel* l = ui::namedLabel(parent, name);
    l->setMinimumWidth(56);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
}

} // namespace

frmKuripuKeisuu2::frmKuripuKeisuu2(QWidget* parent)
    : frmKuripuBase(QStringLiteral("frmKuripuKeisuu2"), parent)
{
    buildLayout(buildPanel());
    type_[selection_.JudgeByCreep != 0 ? 1 : 0]->setChecked(true);
    const CreepHolding h = DisplacementHolding(anchor_, settings_.testCategory);
    setPointRange(h);
    ta_->SetNumber(selection_.TaNo);
    tb_->SetNumber(selection_.TbNo);
    taExt_->SetNumber(selection_.TaExtNo);
    tbExt_->SetNumber(selection_.TbExtNo);
    recompute();
}

bool frmKuripuKeisuu2::ShowForm(QWidget* parent)
{
    frmKuripuKeisuu2 window(parent);
    ui::execModal(window);
    return window.projectChanged();
}

QWidget* frmKuripuKeisuu2::buildPanel()
{
    auto* panel = new QWidget(this);
    panel->setMinimumWidth(520);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    holdingCaption_ = ui::namedLabel(panel, "LblKajyuu");
    layout->addWidget(holdingCaption_);

    auto* typeFrame = new QGroupBox(QStringLiteral("判定方法"), panel);
    auto* group = new QButtonGroup(typeFrame);
    type_[0] = option(typeFrame, "OptTimeType_0", QStringLiteral("アンカーの変位量で判定"), group);
    type_[1] = option(typeFrame, "OptTimeType_1", QStringLiteral("クリープ係数で判定"), group);
    auto* types = new QHBoxLayout(typeFrame);
    types->addWidget(type_[0]);
    types->addWidget(type_[1]);
    types->addStretch();
    connect(group, &QButtonGroup::buttonClicked, this, [this] { recompute(); });
    layout->addWidget(typeFrame);

    layout->addWidget(buildDisplacementFrame(panel));
    extendedFrame_ = buildExtendedFrame(panel);
    layout->addWidget(extendedFrame_);
    return panel;
}

// "ta ＝ [5] 分のときの変位量は、 sa ＝ [1.20 mm]" and the same for tb.
QLayout* frmKuripuKeisuu2::pairRows(QWidget* parent, PairLabels& labels, const QString& suffix, const QString& prime)
{
    labels.ta = valueLabel(parent, "LblTa" + suffix);
    labels.tb = valueLabel(parent, "LblTb" + suffix);
    labels.sa = valueLabel(parent, "LblSa" + suffix);
    labels.sb = valueLabel(parent, "LblSb" + suffix);
    labels.times = ui::namedLabel(parent, "LblTimeHantei" + suffix);
    labels.times->setWordWrap(true);
    auto* grid = new QGridLayout;
    const std::array<std::pair<QLabel*, QLabel*>, 2> rows { std::pair { labels.ta, labels.sa },
        { labels.tb, labels.sb } };
    const QStringList names { "a", "b" };
    for (int r = 0; r < 2; ++r) {
        grid->addWidget(new QLabel(QStringLiteral("t%1%2 ＝").arg(names[r], prime), parent), r, 0);
        grid->addWidget(rows[std::size_t(r)].first, r, 1);
        grid->addWidget(new QLabel(QStringLiteral("分のときの変位量は、 s%1%2 ＝").arg(names[r], prime), parent), r, 2);
        grid->addWidget(rows[std::size_t(r)].second, r, 3);
    }
    grid->setColumnStretch(4, 1);
    grid->addWidget(labels.times, 2, 0, 1, 5);
    return grid;
}

QGroupBox* frmKuripuKeisuu2::buildDisplacementFrame(QWidget* parent)
{
    auto* frame = new QGroupBox(QStringLiteral("アンカーの変位（⊿s）の算出"), parent);
    frame->setObjectName("FraHeni");
    ta_ = pointBox("imNumT1", ui::RangeExceededText);
    tb_ = pointBox("imNumT2", ui::RangeExceededText);
    auto* numbers = new QHBoxLayout;
    numbers->addWidget(new QLabel(QStringLiteral("測定時間Ｎｏ．"), frame));
    numbers->addWidget(ta_);
    numbers->addWidget(new QLabel(QStringLiteral("番目、"), frame));
    numbers->addWidget(tb_);
    numbers->addWidget(new QLabel(QStringLiteral("番目の間での変位を判定"), frame));
    numbers->addStretch();
    formula_ = ui::namedLabel(frame, "LblKekka");
    verdict_ = ui::namedLabel(frame, "LblHantei");
    verdict_->setWordWrap(true);
    QFont bold = verdict_->font();
    bold.setBold(true);
    verdict_->setFont(bold);
    auto* layout = new QVBoxLayout(frame);
    layout->addLayout(numbers);
    layout->addLayout(pairRows(frame, pairLabels_, QString(), QString()));
    layout->addWidget(formula_);
    layout->addWidget(verdict_);
    return frame;
}

QGroupBox* frmKuripuKeisuu2::buildExtendedFrame(QWidget* parent)
{
    auto* frame = new QGroupBox(QStringLiteral("試験時間を延長した場合（クリープ係数⊿cの算出）"), parent);
    frame->setObjectName("FraKeisuu");
    taExt_ = pointBox("imNumT3", ui::RangeExceededText);
    tbExt_ = pointBox("imNumT4", ui::RangeExceededText);
    auto* numbers = new QHBoxLayout;
    numbers->addWidget(new QLabel(QStringLiteral("測定時間Ｎｏ．"), frame));
    numbers->addWidget(taExt_);
    numbers->addWidget(new QLabel(QStringLiteral("番目、"), frame));
    numbers->addWidget(tbExt_);
    numbers->addWidget(new QLabel(QStringLiteral("番目の間でのクリープ係数"), frame));
    numbers->addStretch();
    numerator_ = ui::namedLabel(frame, "LblBunshi");
    denominator_ = ui::namedLabel(frame, "LblBunbo");
    coefficient_ = ui::namedLabel(frame, "LblKeisuu");
    extendedVerdict_ = ui::namedLabel(frame, "LblHantei2");
    QFont bold = extendedVerdict_->font();
    bold.setBold(true);
    extendedVerdict_->setFont(bold);
    auto* formula = new QHBoxLayout;
    formula->addWidget(new QLabel(QStringLiteral("⊿c ＝"), frame));
    formula->addWidget(fraction(frame, numerator_, denominator_));
    formula->addWidget(new QLabel(QStringLiteral("＝"), frame));
    formula->addWidget(coefficient_);
    formula->addStretch();
    auto* layout = new QVBoxLayout(frame);
    layout->addLayout(numbers);
    layout->addLayout(pairRows(frame, extendedLabels_, QStringLiteral("2"), QStringLiteral("'")));
    layout->addLayout(formula);
    layout->addWidget(extendedVerdict_);
    return frame;
}

// A first number not smaller than the second of its pair is refused.
bool frmKuripuKeisuu2::pointEntered(ui::PointNumberBox* box)
{
    const bool extended = box == taExt_ || box == tbExt_;
    const int a = extended ? taExt_->Number() : ta_->Number();
    const int b = extended ? tbExt_->Number() : tb_->Number();
    if (a == 0 || b == 0 || a < b)
        return true;
    showMessage(QStringLiteral("測定時間No.の入力が逆転しています。入力しなおしてください。"), MsgIcon::Exclamation);
    return false;
}

void frmKuripuKeisuu2::recompute()
{
    selection_.TaNo = std::int16_t(ta_->Number());
    selection_.TbNo = std::int16_t(tb_->Number());
    selection_.TaExtNo = std::int16_t(taExt_->Number());
    selection_.TbExtNo = std::int16_t(tbExt_->Number());
    // Stored as the Boolean of the data file: true is −1.
    selection_.JudgeByCreep = type_[1]->isChecked() ? -1 : 0;
    judgement_ = JudgeCreepDisplacement(anchor_, selection_, settings_);
    holdingCaption_->setText(holdingText(judgement_.holding));
    showPoints(judgement_.holding, false);
    ChartData data;
    drawCreepDisplacement(data, judgement_);
    chart_->setData(std::move(data));
    showResults();
}

void frmKuripuKeisuu2::showPair(const PairLabels& labels, const CreepPair& pair, double minimumRatio)
{
    labels.ta->setText(pair.chosen ? formatNumber(pair.ta, "##0") : QString());
    labels.tb->setText(pair.chosen ? formatNumber(pair.tb, "##0") : QString());
    auto displacement = [&](double s) { return pair.chosen && !isMissing(s) ? creepValueText(s) + " mm" : QString(); };
    labels.sa->setText(displacement(pair.sa));
    labels.sb->setText(displacement(pair.sb));
    labels.times->setText(creepTimeText(pair, minimumRatio));
    setWarning(labels.times, creepTimeWarns(pair));
}

void frmKuripuKeisuu2::showResults()
{
    const DisplacementJudgement& j = judgement_;
    showPair(pairLabels_, j.pair, MinimumRatio);
    formula_->setText(deltaSFormulaText(j));
    verdict_->setText(deltaSJudgementText(j));
    setWarning(verdict_, j.judged() && !j.suitable());

    extendedFrame_->setVisible(j.byCoefficient);
    showPair(extendedLabels_, j.extended, MinimumRatioExtended);
    const bool judged = j.extendedJudged();
    const CreepPair& e = j.extended;
    numerator_->setText(judged ? coefficientNumerator(e.sb, e.sa) : QString());
    denominator_->setText(judged ? coefficientDenominator(e.tb, e.ta) : QString());
    coefficient_->setText(judged ? creepValueText(j.coefficient) + QStringLiteral(" mm") : QString());
    extendedVerdict_->setText(extendedJudgementText(j));
    setWarning(extendedVerdict_, judged && !j.extendedSuitable());
}

bool frmKuripuKeisuu2::pairsComplete()
{
    std::vector<std::pair<int, int>> pairs { { ta_->Number(), tb_->Number() } };
    if (judgement_.byCoefficient)
        pairs.push_back({ taExt_->Number(), tbExt_->Number() });
    for (auto [a, b] : pairs)
        if (a == 0 || b == 0) {
            showMessage(QStringLiteral("未入力の箇所があります。"), MsgIcon::Exclamation);
            return false;
        }
    for (auto [a, b] : pairs)
        if (a >= b) {
            showMessage(QStringLiteral("値の入力が間違っている箇所があります。"), MsgIcon::Exclamation);
            return false;
        }
    return true;
}

void frmKuripuKeisuu2::print()
{
    if (!ui::EndOpenEntry(*this) || !pairsComplete())
        return;
    if (!creepSheetComputed(judgement_)) {
        showMessage(CreepNotComputedMessage, MsgIcon::Exclamation);
        return;
    }
    report::ReportEngine engine;
    const bool ended
        = PrintCreepDisplacementSheet(engine, project(), anchorNumber_, anchor_, judgement_, chart_->format());
    previewDocument(this, engine, ended, QStringLiteral("アンカーの変位"));
}

} // namespace tessaro
