#include "shell/AnchorSpecPanel.h"

#include "model/NumberFormat.h"
#include "model/basMainData.h"
#include "planning/AnchorCheck.h"
#include "planning/AnchorListTexts.h"
#include "planning/AnchorSpecification.h"
#include "planning/TestKinds.h"
#include "ui/EntryBoxes.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScopedValueRollback>
#include <cmath>

namespace tessaro {
namespace {

constexpr double MaxLength = 99999;

QLabel* caption(const QString& text, QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
}

// One row of a frame: caption, control and unit; returns the unit label.
QLabel* addRow(QGridLayout* grid, QLabel* label, QWidget* field, const QString& unit = {})
{
    int row = grid->rowCount();
    grid->addWidget(label, row, 0);
    grid->addWidget(field, row, 1);
    if (unit.isEmpty())
        return nullptr;
    auto* unitLabel = new QLabel(unit, field->parentWidget());
    grid->addWidget(unitLabel, row, 2);
    return unitLabel;
}

QGridLayout* frameGrid(QGroupBox* box)
{
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(3);
    grid->setColumnStretch(1, 1);
    return grid;
}

QGroupBox* frame(const QString& name, const QString& title, QWidget* parent)
{
    auto* box = new QGroupBox(title, parent);
    box->setObjectName(name);
    return box;
}

std::int32_t wholeMillimetres(double v)
{
    return std::int32_t(std::lround(v));
}
std::int16_t wholeNumber(double v)
{
    return std::int16_t(std::lround(v));
}

QString shownNumber(double value, const QString& pattern)
{
    return value == 0 ? QString() : formatNumber(value, pattern);
}

bool isBasicProject()
{
    return project().isBasic();
}

// What a number box shows for a stored value: empty while it is not set.
QString shownValue(double value, double unset, const QString& format)
{
    return value == unset ? QString() : formatNumber(value, format);
}

} // namespace

AnchorSpecPanel::AnchorSpecPanel(QWidget* parent)
    : QWidget(parent)
{
    setObjectName("AnchorSpecPanel");
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(buildConditions(), 9);
    QWidget* designSlot = new QWidget(this);
    auto* slot = new QVBoxLayout(designSlot);
    slot->setContentsMargins(0, 0, 0, 0);
    slot->addWidget(buildQualityFrame());
    slot->addWidget(buildPullOutFrame());
    layout->addWidget(designSlot, 11);
    layout->addWidget(buildTendon(), 14);
    layout->addWidget(buildLengths(), 10);
    layout->addWidget(buildLoads(), 9);
    refreshEditionTexts();
    setBasic(false);
}

ui::NumberBox* AnchorSpecPanel::number(const QString& name, const QString& format, const QString& caption,
    double minimum, double maximum, double (*get)(const AnchorRecord&), void (*set)(AnchorRecord&, double),
    double unset)
{
    auto* box = new ui::NumberBox(this, format);
    box->setObjectName(name);
    box->SetCheck(caption, minimum, maximum);
    box->setMinimumWidth(64);
    numbers_.push_back({ box, get, set, unset });
    auto write = [this, box, get, set, unset] {
        // Leaving a box without changing it changes nothing.
        if (box->text() == shownValue(get(project().currentAnchor()), unset, box->Format()))
            return;
        std::optional<double> v = box->Value();
        store([&](AnchorRecord& a) { set(a, v ? *v : unset); });
    };
    connect(box, &QLineEdit::textEdited, this, write);
    connect(box, &ui::EntryBox::LostFocus, this, write);
    return box;
}

QComboBox* AnchorSpecPanel::choice(
    const QString& name, const QStringList& items, int (*get)(const AnchorRecord&), void (*set)(AnchorRecord&, int))
{
    auto* combo = new QComboBox(this);
    combo->setObjectName(name);
    combo->addItems(items);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(6);
    choices_.push_back({ combo, get, set });
    connect(combo, &QComboBox::currentIndexChanged, this, [this, set](int index) {
        if (!loading_)
            store([&](AnchorRecord& a) { set(a, index); });
    });
    return combo;
}

ui::TextBox* AnchorSpecPanel::text(
    const QString& name, QString (*get)(const AnchorRecord&), void (*set)(AnchorRecord&, const QString&))
{
    auto* box = new ui::TextBox(this);
    box->setObjectName(name);
    texts_.push_back({ box, get, set });
    // Product names are longer than the box: the whole name shows as its tip.
    connect(box, &QLineEdit::textChanged, box, &QWidget::setToolTip);
    connect(box, &QLineEdit::textEdited, this,
        [this, set](const QString& t) { store([&](AnchorRecord& a) { set(a, t.trimmed()); }); });
    return box;
}

QLabel* AnchorSpecPanel::display(const QString& name)
{
    auto* l = new QLabel(this);
    l->setObjectName(name);
    l->setFrameShape(QFrame::StyledPanel);
    l->setFrameShadow(QFrame::Sunken);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setMinimumWidth(64);
    return l;
}

QPushButton* AnchorSpecPanel::button(const QString& name, const QString& text)
{
    auto* b = new QPushButton(text, this);
    b->setObjectName(name);
    return b;
}

// A small button beside a box: as wide as its caption, the box takes the rest.
QPushButton* AnchorSpecPanel::sideButton(const QString& name, const QString& text)
{
    QPushButton* b = button(name, text);
    b->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    b->setMaximumWidth(b->fontMetrics().horizontalAdvance(text) + 16);
    return b;
}

QGroupBox* AnchorSpecPanel::buildConditions()
{
    QGroupBox* box = frame("FramJouken", QStringLiteral("試験条件"), this);
    QGridLayout* grid = frameGrid(box);
    addRow(grid, caption(QStringLiteral("アンカー名称"), box),
        text(
            "imTxtNum", [](const AnchorRecord& a) { return a.AnchorNo; },
            [](AnchorRecord& a, const QString& t) { a.AnchorNo = t; }));

    cmbShiken_ = choice(
        "CmbShiken", {},
        [](const AnchorRecord& a) { return a.AnchorNote.isEmpty() ? -1 : (a.ConfirmationTest ? 1 : 0); },
        [](AnchorRecord& a, int i) {
            a.ConfirmationTest = std::uint8_t(i == 1 ? 1 : 0);
            a.AnchorNote = i < 0 ? QString() : kindText(project().Settings.StandardEdition, i);
        });
    QLabel* shikenCaption = caption(QStringLiteral("試験名"), box);
    addRow(grid, shikenCaption, cmbShiken_);
    qualityOnly_ << shikenCaption << cmbShiken_;

    // The test name of a pull-out test is fixed.
    framKihon_ = frame("FramKihon", QString(), box);
    framKihon_->setFlat(true);
    auto* kihon = new QHBoxLayout(framKihon_);
    kihon->setContentsMargins(0, 0, 0, 0);
    lblCmbKihon_ = new QLabel(framKihon_);
    lblCmbKihon_->setObjectName("LblCmbKihon");
    kihon->addWidget(new QLabel(QStringLiteral("試験名："), framKihon_));
    kihon->addWidget(lblCmbKihon_, 1);
    grid->addWidget(framKihon_, grid->rowCount(), 0, 1, 3);

    addRow(grid, caption(QStringLiteral("定着地盤"), box),
        choice(
            "Combo2", { groundText(0), groundText(1) }, [](const AnchorRecord& a) { return int(a.AnchorageGround); },
            [](AnchorRecord& a, int i) { a.AnchorageGround = std::int16_t(i); }));
    combo5_ = choice(
        "Combo5", {}, [](const AnchorRecord& a) { return int(a.Tendon.AnchorRank); },
        [](AnchorRecord& a, int i) { a.Tendon.AnchorRank = std::int16_t(i); });
    QLabel* periodCaption = caption(QStringLiteral("供用期間"), box);
    addRow(grid, periodCaption, combo5_);
    qualityOnly_ << periodCaption << combo5_;
    grid->setRowStretch(grid->rowCount(), 1);
    return box;
}

QGroupBox* AnchorSpecPanel::buildQualityFrame()
{
    framHinshitu_ = frame("FramHinshitu", QStringLiteral("設計アンカー力・定着"), this);
    QGridLayout* grid = frameGrid(framHinshitu_);
    auto* td0 = number(
        "imTxtTd_0", "###0.00", QStringLiteral("設計アンカー力（常時）"), 0.01, 9999.99,
        [](const AnchorRecord& a) { return double(a.DesignAnchorForce); },
        [](AnchorRecord& a, double v) { a.DesignAnchorForce = float(v); });
    auto* td1 = number(
        "imTxtTd_1", "###0.00", QStringLiteral("設計アンカー力（地震時）"), 0.01, 9999.99,
        [](const AnchorRecord& a) { return double(a.DesignAnchorForceSeismic); },
        [](AnchorRecord& a, double v) { a.DesignAnchorForceSeismic = float(v); });
    addRow(grid, caption(QStringLiteral("設計アンカー力 常時"), framHinshitu_), td0, "kN");
    addRow(grid, caption(QStringLiteral("地震時"), framHinshitu_), td1, "kN");
    addRow(grid, caption(QStringLiteral("定着方式"), framHinshitu_),
        choice(
            "Combo3", { anchoringTypeText(0), anchoringTypeText(1), anchoringTypeText(2) },
            [](const AnchorRecord& a) { return int(a.AnchoringType); },
            [](AnchorRecord& a, int i) { a.AnchoringType = std::int16_t(i); }));
    addRow(grid, caption(QStringLiteral("セット量"), framHinshitu_),
        number(
            "imTxtKusabi", "0.0", QStringLiteral("セット量"), 0, 99.9,
            [](const AnchorRecord& a) { return a.SetAmount; }, [](AnchorRecord& a, double v) { a.SetAmount = v; },
            -1.0),
        "mm");
    addRow(grid, caption(QStringLiteral("定着時緊張力"), framHinshitu_),
        choice(
            "CmbTeityaku", { QStringLiteral("荷重で指定"), QStringLiteral("比率で指定") },
            [](const AnchorRecord& a) { return int(a.LockOffMode); },
            [](AnchorRecord& a, int i) { a.LockOffMode = std::int16_t(i); }));
    // The box holds Pt or the ratio to Td, by the choice above; the label the other.
    kajyu_ = number(
        "imTxtKajyu", "###0.00", QStringLiteral("定着時緊張力"), 0.01, 9999.99,
        [](const AnchorRecord& a) { return double(a.LockOffMode == LockOffByRatio ? a.LockOffRatio : a.LockOffLoad); },
        [](AnchorRecord& a, double v) {
            (a.LockOffMode == LockOffByRatio ? a.LockOffRatio : a.LockOffLoad) = float(v);
        });
    lblTeityaku_ = new QLabel(framHinshitu_);
    lblTeityaku_->setObjectName("LblTeityaku");
    auto* lockOff = new QHBoxLayout;
    lockOff->addWidget(kajyu_, 1);
    lockOff->addWidget(lblTeityaku_, 1);
    int row = grid->rowCount();
    grid->addLayout(lockOff, row, 1, 1, 2);
    grid->setRowStretch(grid->rowCount(), 1);
    return framHinshitu_;
}

QGroupBox* AnchorSpecPanel::buildPullOutFrame()
{
    framMasatu_ = frame("FramMasatu", QStringLiteral("引抜き試験の条件"), this);
    QGridLayout* grid = frameGrid(framMasatu_);
    addRow(grid, caption(QStringLiteral("周面摩擦抵抗 τ"), framMasatu_),
        number(
            "imTxtTeikou", "0.00", QStringLiteral("周面摩擦抵抗"), 0.01, 9.99,
            [](const AnchorRecord& a) { return double(a.DesignSkinFriction); },
            [](AnchorRecord& a, double v) { a.DesignSkinFriction = float(v); }),
        "N/mm2");
    addRow(grid, caption(QStringLiteral("削孔径 D"), framMasatu_),
        number(
            "imTxtSakukou", "#0", QStringLiteral("削孔径"), 1, 999,
            [](const AnchorRecord& a) { return double(a.DrillDiameter); },
            [](AnchorRecord& a, double v) { a.DrillDiameter = wholeNumber(v); }),
        "mm");
    lblTug_ = display("LblTug");
    addRow(grid, caption(QStringLiteral("引抜き抵抗力 Tug"), framMasatu_), lblTug_, "kN");
    grid->addWidget(button("CmdKousokutyou", QStringLiteral("テンドン拘束長の確認")), grid->rowCount(), 0, 1, 3);
    grid->setRowStretch(grid->rowCount(), 1);
    return framMasatu_;
}

QGroupBox* AnchorSpecPanel::buildTendon()
{
    QGroupBox* box = frame("FramAnchor", QStringLiteral("アンカー諸元"), this);
    QGridLayout* grid = frameGrid(box);
    QStringList types;
    for (int t = 0; t <= 5; ++t)
        types << anchorTypeName(t);
    addRow(grid, caption(QStringLiteral("アンカー形式"), box),
        choice(
            "Combo4", types, [](const AnchorRecord& a) { return int(a.Tendon.AnchorTypeCode); },
            [](AnchorRecord& a, int i) { a.Tendon.AnchorTypeCode = std::int16_t(i); }));
    auto* product = new QHBoxLayout;
    product->addWidget(text(
                           "imTxtSyubetu", [](const AnchorRecord& a) { return a.Tendon.AnchorTypeName; },
                           [](AnchorRecord& a, const QString& t) { a.Tendon.AnchorTypeName = t; }),
        1);
    product->addWidget(sideButton("CmdSentaku", QStringLiteral("選択")));
    int row = grid->rowCount();
    grid->addWidget(caption(QStringLiteral("アンカー種別"), box), row, 0);
    grid->addLayout(product, row, 1, 1, 2);
    addRow(grid, caption(QStringLiteral("テンドン弾性係数"), box),
        number(
            "imText6", "##0.00", QStringLiteral("テンドン弾性係数"), 0.01, 999.99,
            [](const AnchorRecord& a) { return double(a.Material.TendonModulus); },
            [](AnchorRecord& a, double v) { a.Material.TendonModulus = float(v); }),
        "kN/mm2");
    teigen_ = number(
        "imTTeigen", "0.00", QStringLiteral("低減係数"), 0.01, 1.0,
        [](const AnchorRecord& a) { return double(a.Material.ReductionCoefficient); },
        [](AnchorRecord& a, double v) { a.Material.ReductionCoefficient = float(v); });
    addRow(grid, caption(QStringLiteral("低減係数 α"), box), teigen_);
    addRow(grid, caption(QStringLiteral("緊張方式"), box),
        choice(
            "Combo6", { tensioningTypeText(0), tensioningTypeText(1) },
            [](const AnchorRecord& a) { return int(a.Tendon.TensioningType); },
            [](AnchorRecord& a, int i) { a.Tendon.TensioningType = std::int16_t(i); }));
    jackName_ = new ui::TextBox(box);
    jackName_->setObjectName("imTxtJName");
    jackName_->setReadOnly(true);
    auto* jack = new QHBoxLayout;
    jack->addWidget(jackName_, 1);
    jack->addWidget(sideButton("CmdJakki", QStringLiteral("詳細")));
    row = grid->rowCount();
    grid->addWidget(caption(QStringLiteral("ジャッキ名称"), box), row, 0);
    grid->addLayout(jack, row, 1, 1, 2);
    grid->setRowStretch(grid->rowCount(), 1);
    return box;
}

QGroupBox* AnchorSpecPanel::buildLengths()
{
    QGroupBox* box = frame("FramLength", QStringLiteral("長さ"), this);
    QGridLayout* grid = frameGrid(box);
    addRow(grid, caption(QStringLiteral("アンカー自由長 Lf"), box),
        number(
            "imText1", "#0", QStringLiteral("アンカー自由長"), 1, MaxLength,
            [](const AnchorRecord& a) { return double(a.Tendon.FreeLength); },
            [](AnchorRecord& a, double v) { a.Tendon.FreeLength = wholeMillimetres(v); }),
        "mm");
    addRow(grid, caption(QStringLiteral("余長"), box),
        number(
            "imText2", "#0", QStringLiteral("余長"), 1, MaxLength,
            [](const AnchorRecord& a) { return double(a.Tendon.SpareLength); },
            [](AnchorRecord& a, double v) { a.Tendon.SpareLength = wholeMillimetres(v); }),
        "mm");
    addRow(grid, caption(QStringLiteral("アンカー体長 La"), box),
        number(
            "imText3", "#0", QStringLiteral("アンカー体長"), 1, MaxLength,
            [](const AnchorRecord& a) { return double(a.Tendon.AnchorLength); },
            [](AnchorRecord& a, double v) { a.Tendon.AnchorLength = wholeMillimetres(v); }),
        "mm");
    extraLength_ = number(
        "imText5", "#0", QStringLiteral("ジャッキ内自由長"), 1, MaxLength,
        [](const AnchorRecord& a) { return double(a.Tendon.ExtraLength); },
        [](AnchorRecord& a, double v) { a.Tendon.ExtraLength = wholeMillimetres(v); });
    addRow(grid, caption(QStringLiteral("ジャッキ内自由長 Lr"), box), extraLength_, "mm");
    bodies_ = number(
        "imText4", "#0", QStringLiteral("耐荷体数"), 1, 5,
        [](const AnchorRecord& a) { return double(a.Tendon.BodyCount); },
        [](AnchorRecord& a, double v) { a.Tendon.BodyCount = wholeNumber(v); });
    auto* bodies = new QHBoxLayout;
    bodies->addWidget(bodies_, 1);
    bodies->addWidget(sideButton("CmdTaikatai", QStringLiteral("間隔")));
    int row = grid->rowCount();
    grid->addWidget(caption(QStringLiteral("耐荷体数"), box), row, 0);
    grid->addLayout(bodies, row, 1, 1, 2);
    // SEEE types take Lsf as given; the others compute it.
    givenLsf_ = number(
        "imTxtLsf", "#0", QStringLiteral("緊張時自由長"), 1, 999999,
        [](const AnchorRecord& a) { return double(a.Tendon.TensionFreeLength); },
        [](AnchorRecord& a, double v) { a.Tendon.TensionFreeLength = wholeMillimetres(v); });
    QLabel* givenCaption = caption(QStringLiteral("緊張時自由長(入力)"), box);
    givenLsfRow_ << givenCaption << givenLsf_ << addRow(grid, givenCaption, givenLsf_, "mm");
    lblKintyou_ = display("LblKintyouJiyuutyou");
    addRow(grid, caption(QStringLiteral("緊張時自由長 Lsf"), box), lblKintyou_, "mm");
    grid->setRowStretch(grid->rowCount(), 1);
    return box;
}

QGroupBox* AnchorSpecPanel::buildLoads()
{
    QGroupBox* box = frame("FramKajyuu", QStringLiteral("荷重・保持時間"), this);
    QGridLayout* grid = frameGrid(box);
    lblT0_ = display("LblT0");
    lblTp_ = display("LblTp");
    addRow(grid, caption(QStringLiteral("初期荷重"), box), lblT0_, "kN");
    addRow(grid, caption(QStringLiteral("計画最大荷重"), box), lblTp_, "kN");
    // Load changes take a fixed time or follow a constant rate (set in the
    // holding-time window); the boxes edit whichever applies.
    zouka_ = number(
        "imTxtZouka", "#0", QStringLiteral("増荷時間"), 1, 999,
        [](const AnchorRecord& a) {
            return double(a.Spec2.LoadChangeBySpeed ? a.Spec2.LoadingRate : a.Spec2.LoadingMinutes);
        },
        [](AnchorRecord& a, double v) {
            (a.Spec2.LoadChangeBySpeed ? a.Spec2.LoadingRate : a.Spec2.LoadingMinutes) = wholeNumber(v);
        });
    genka_ = number(
        "imTxtGenka", "#0", QStringLiteral("減荷時間"), 1, 999,
        [](const AnchorRecord& a) {
            return double(a.Spec2.LoadChangeBySpeed ? a.Spec2.UnloadingRate : a.Spec2.UnloadingMinutes);
        },
        [](AnchorRecord& a, double v) {
            (a.Spec2.LoadChangeBySpeed ? a.Spec2.UnloadingRate : a.Spec2.UnloadingMinutes) = wholeNumber(v);
        });
    zoukaCaption_ = caption(QString(), box);
    genkaCaption_ = caption(QString(), box);
    zoukaUnit_ = new QLabel(box);
    genkaUnit_ = new QLabel(box);
    int row = grid->rowCount();
    grid->addWidget(zoukaCaption_, row, 0);
    grid->addWidget(zouka_, row, 1);
    grid->addWidget(zoukaUnit_, row, 2);
    grid->addWidget(genkaCaption_, row + 1, 0);
    grid->addWidget(genka_, row + 1, 1);
    grid->addWidget(genkaUnit_, row + 1, 2);
    grid->addWidget(button("CmdKajyuu", QStringLiteral("荷重の設定")), row + 2, 0, 1, 3);
    grid->addWidget(button("CmdKajyuTime", QStringLiteral("荷重保持時間の設定")), row + 3, 0, 1, 3);
    grid->addWidget(button("CmdHantei", QStringLiteral("技術者最終判定")), row + 4, 0, 1, 3);
    grid->setRowStretch(grid->rowCount(), 1);
    return box;
}

void AnchorSpecPanel::refreshEditionTexts()
{
    const int edition = project().Settings.StandardEdition;
    QScopedValueRollback guard(loading_, true);
    for (QComboBox* combo : { cmbShiken_, combo5_ }) {
        int index = combo->currentIndex();
        combo->clear();
        if (combo == cmbShiken_)
            combo->addItems({ kindText(edition, 0), kindText(edition, 1) });
        else
            combo->addItems({ rankText(edition, 0), rankText(edition, 1) });
        combo->setCurrentIndex(index);
    }
    lblCmbKihon_->setText(categoryText(edition, 0));
}

void AnchorSpecPanel::setBasic(bool basic)
{
    basic_ = basic;
    framKihon_->setVisible(basic);
    framMasatu_->setVisible(basic);
    framHinshitu_->setVisible(!basic);
    for (QWidget* w : qualityOnly_)
        w->setVisible(!basic);
}

void AnchorSpecPanel::load()
{
    QScopedValueRollback guard(loading_, true);
    const AnchorRecord& a = project().currentAnchor();
    applyModes(a);
    for (const NumberBinding& b : numbers_)
        b.box->setText(shownValue(b.get(a), b.unset, b.box->Format()));
    for (const ChoiceBinding& b : choices_) {
        int i = b.get(a);
        b.combo->setCurrentIndex(i < b.combo->count() ? i : -1);
    }
    for (const TextBinding& b : texts_)
        b.box->setText(b.get(a));
    showDerived(a);
}

void AnchorSpecPanel::store(const std::function<void(AnchorRecord&)>& write)
{
    if (loading_)
        return;
    AnchorRecord& a = project().currentAnchor();
    write(a);
    refreshDerivedSpecification(a, isBasicProject());
    applyModes(a);
    showDerived(a);
    emit edited();
}

// Captions, formats and enabled boxes that depend on the anchor's choices.
void AnchorSpecPanel::applyModes(const AnchorRecord& a)
{
    const bool byRatio = a.LockOffMode == LockOffByRatio;
    kajyu_->SetFormat(byRatio ? "0.00" : "###0.00");
    kajyu_->SetCheck(
        byRatio ? QStringLiteral("定着荷重比率") : QStringLiteral("定着時緊張力"), 0.01, byRatio ? 9.99 : 9999.99);
    kajyu_->setEnabled(a.LockOffMode >= 0);

    const int type = a.Tendon.AnchorTypeCode;
    const bool given = hasGivenTensionFreeLength(type);
    for (QWidget* w : givenLsfRow_)
        w->setVisible(given);
    extraLength_->setEnabled(!given);
    bodies_->setEnabled(type == LoadDistributionType);
    teigen_->setEnabled(needsReductionCoefficient(a.Tendon.AnchorTypeName));

    const bool bySpeed = a.Spec2.LoadChangeBySpeed != 0;
    zoukaCaption_->setText(bySpeed ? QStringLiteral("増荷速度") : QStringLiteral("増荷時間"));
    genkaCaption_->setText(bySpeed ? QStringLiteral("減荷速度") : QStringLiteral("減荷時間"));
    zoukaUnit_->setText(bySpeed ? QStringLiteral("kN/分") : QStringLiteral("分"));
    genkaUnit_->setText(zoukaUnit_->text());
    zouka_->SetCheck(zoukaCaption_->text(), 1, bySpeed ? 9999 : 999);
    genka_->SetCheck(genkaCaption_->text(), 1, bySpeed ? 9999 : 999);
}

void AnchorSpecPanel::showDerived(const AnchorRecord& a)
{
    lblKintyou_->setText(a.Tendon.TensionFreeLength == 0 ? QString() : QString::number(a.Tendon.TensionFreeLength));
    if (a.LockOffMode == LockOffByLoad)
        lblTeityaku_->setText(
            a.LockOffRatio > 0 ? QStringLiteral("（%1 × Td）").arg(formatNumber(a.LockOffRatio, "0.00")) : QString());
    else if (a.LockOffMode == LockOffByRatio)
        lblTeityaku_->setText(a.LockOffLoad > 0
                ? QStringLiteral("× Td ＝ %1 kN").arg(formatNumber(a.LockOffLoad, "0.00"))
                : QStringLiteral("× Td"));
    else
        lblTeityaku_->clear();
    lblTug_->setText(a.Spec2.PullOutResistanceText);
    lblT0_->setText(shownNumber(a.Plan.InitialLoad, "###0.00"));
    lblTp_->setText(shownNumber(a.Plan.PlannedMaxLoad, "###0.00"));
    const ProjectRecord& r = project().Record;
    const int i = project().CurrentAnchor - 1;
    jackName_->setText(!project().isBasic() && i >= 0 && i < int(r.AnchorLabels.size()) ? r.AnchorLabels[std::size_t(i)]
                                                                                        : a.Jack.JackName);
}

} // namespace tessaro
