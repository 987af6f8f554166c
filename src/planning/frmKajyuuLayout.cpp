#include "planning/PlanReferenceTexts.h"
#include "planning/frmKajyuu.h"
#include "ui/EntryBoxes.h"
#include "ui/ReferenceTextWindow.h"
#include "ui/SpreadGrid.h"
#include "ui/WindowParts.h"

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

const QString EntryFormat = QStringLiteral("###0.00");
constexpr double EntryMinimum = 0.01;
constexpr double EntryMaximum = 9999.99;

QLabel* label(const QString& text, QWidget* parent, const QString& name = {})
{
    auto* l = new QLabel(text, parent);
    if (!name.isEmpty())
        l->setObjectName(name);
    return l;
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

} // namespace

void frmKajyuu::buildLayout()
{
    auto* jackRow = new QHBoxLayout;
    jackRow->addWidget(label(QStringLiteral("ジャッキ名称"), this));
    jackName_ = new ui::TextBox(this);
    jackName_->setObjectName("imTxtJName");
    jackName_->setReadOnly(true);
    jackName_->setMinimumWidth(220);
    jackRow->addWidget(jackName_, 1);
    jackButton_ = ui::commandButton(this, "CmdJakki", QStringLiteral("ジャッキ詳細"));
    jackButton_->setMinimumWidth(jackButton_->sizeHint().width());
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
    const QStringList texts
        = { QStringLiteral("※測定値入力後に荷重段階数を変更すると、入力済みの測定値は削除されます。"),
              QStringLiteral("荷重保持時間の設定も変更されますので見直してください。") };
    for (int i = 0; i < texts.size(); ++i) {
        QLabel* w = label(texts[i], this, QStringLiteral("LblKeikoku_%1").arg(i));
        w->setStyleSheet(QStringLiteral("color: #c00000;"));
        if (i > 0)
            w->setIndent(fontMetrics().horizontalAdvance(QStringLiteral("※")));
        warnings->addWidget(w);
    }

    ok_ = ui::commandButton(this, "Command1_0", QStringLiteral("OK"));
    QPushButton* cancel = ui::commandButton(this, "Command1_1", QStringLiteral("キャンセル"));
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
    stageCountBox_->SetCheck(
        QStringLiteral("荷重段階数"), std::numeric_limits<double>::lowest(), std::numeric_limits<double>::max());
    stageCountBox_->setFixedWidth(48);
    connect(stageCountBox_, &ui::EntryBox::LostFocus, this, [this](bool valid) {
        if (valid)
            stageCountEntered();
        else
            stageCountBox_->SetText(QString::number(anchor_.Plan.StageCount));
    });
    connect(stageCountBox_, &QLineEdit::returnPressed, this, &frmKajyuu::stageCountEntered);

    auto* calc = ui::commandButton(loadFrame_, "CmdCalcAuto", QStringLiteral("計画最大荷重を均等配分"));
    connect(calc, &QPushButton::clicked, this, &frmKajyuu::distributeEvenly);

    grid_ = new ui::SpreadGrid(loadFrame_);
    grid_->setObjectName("vaSpread1");
    grid_->SetMaxCols(1);
    grid_->SetMaxRows(MaxStageCount);
    grid_->SetTypeNumber(ui::CellBlock::cols(1, 1), 2, 0, 99999.99); // "####0.00"
    grid_->SetColWidth(1, 110);
    grid_->SetRowHeaderWidth(72);

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
    g->setRowStretch(row, 1); // the grid keeps to the top when it has few stages
    // Room for the longer pressure units, so that switching never moves the boxes.
    for (QLabel* unit : units_)
        unit->setMinimumWidth(unit->fontMetrics().horizontalAdvance(QStringLiteral("(MPa)")) + 4);
    unitNote_->setMinimumWidth(unitNote_->fontMetrics().horizontalAdvance(QStringLiteral("(単位：MPa)")) + 4);
    unitNote_->setAlignment(Qt::AlignRight);
    return loadFrame_;
}

QGroupBox* frmKajyuu::buildReferenceFrame()
{
    auto* frame = new QGroupBox(QStringLiteral("初期荷重の参考値"), this);
    frame->setObjectName("FraSankou");
    sankou_ = label({}, frame, "LblSankou");
    saisyuu_ = label({}, frame, "LblSaisyuu");
    auto* explain = ui::commandButton(frame, "CmdSankou", QStringLiteral("解説"));
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
    auto* table = ui::commandButton(frame, "Command2", QStringLiteral("参考表"));
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

} // namespace tessaro
