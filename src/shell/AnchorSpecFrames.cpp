// The frames of the anchor particulars: which controls stand where, with
// their captions, units, checks and the fields they edit.

#include "model/basMainData.h"
#include "planning/AnchorListTexts.h"
#include "planning/AnchorParticulars.h"
#include "planning/TestKinds.h"
#include "shell/AnchorSpecPanel.h"
#include "ui/EntryBoxes.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
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

} // namespace

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

} // namespace tessaro
