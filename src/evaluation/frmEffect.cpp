#include "evaluation/frmEffect.h"

#include "documents/CreepSheets.h"
#include "documents/ResultListDocuments.h"
#include "documents/frmPreview.h"
#include "evaluation/CreepTexts.h"
#include "evaluation/frmEffectDetail.h"
#include "graphs/frmEffectGraph.h"
#include "model/basMainData.h"
#include "ui/Modal.h"
#include "ui/SpreadGrid.h"
#include "ui/WindowParts.h"
#include "ui/basSpreadCustom.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

namespace tessaro {
namespace {

enum DisplacementColumn {
    DName = 1,
    DKind,
    DInitial,
    DPlanned,
    DPermanent,
    DElastic,
    DTheory,
    DUpper,
    DLower,
    DVerdict
};
enum CreepColumn { CName = 1, CKind, CType, CTa, CTb, CSa, CSb, CCompared, CVerdict };

const QColor OutColor(0xc0, 0x39, 0x2b);
const QColor UndecidedColor(0x80, 0x80, 0x80);

ui::SpreadGrid* listGrid(QWidget* parent, const QString& name, const QStringList& headings)
{
    auto* grid = new ui::SpreadGrid(parent);
    grid->setObjectName(name);
    grid->SetColHeaderRows(2);
    ui::SetListColumns(*grid, headings);
    grid->SetAlignment(ui::CellBlock::cols(1, 1), Qt::AlignLeft);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    return grid;
}

} // namespace

frmEffect::frmEffect(QWidget* parent)
    : QDialog(parent)
{
    setObjectName("frmEffect");
    setWindowTitle(QStringLiteral("試験結果一覧"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);

    tabs_ = new QTabBar(this);
    tabs_->setObjectName("TabStrip1");
    tabs_->addTab(QStringLiteral("弾性変位量・塑性変位量"));
    tabs_->addTab(QStringLiteral("荷重保持時の変位（クリープ）"));
    pages_ = new QStackedWidget(this);

    displacement_ = listGrid(this, "vaSpread1",
        { QStringLiteral("アンカー名称"), QStringLiteral("試験"), QStringLiteral("初期荷重\n(kN)"),
            QStringLiteral("計画最大\n荷重\n(kN)"), QStringLiteral("塑性変位量\n(mm)"),
            QStringLiteral("弾性変位量\n(mm)"), QStringLiteral("理論値"), QStringLiteral("上限値"),
            QStringLiteral("下限値"), QStringLiteral("判定") });
    displacement_->SetGroupHeader(DTheory, DLower, 0, QStringLiteral("管理限界値 (mm)"));
    displacement_->SetAlignment(ui::CellBlock::cols(DKind, DKind), Qt::AlignHCenter);
    displacement_->SetAlignment(ui::CellBlock::cols(DVerdict, DVerdict), Qt::AlignLeft);
    creep_ = listGrid(this, "vaSpread2",
        { QStringLiteral("アンカー名称"), QStringLiteral("試験"), QStringLiteral("判定タイプ"),
            QStringLiteral("ta\n(分後)"), QStringLiteral("tb\n(分後)"), QStringLiteral("sa\n(mm)"),
            QStringLiteral("sb\n(mm)"), QStringLiteral("変位量の比較\n(mm)"), QStringLiteral("判定") });
    creep_->SetGroupHeader(CTa, CTb, 0, QStringLiteral("試験時間"));
    creep_->SetGroupHeader(CSa, CSb, 0, QStringLiteral("アンカーの変位"));
    creep_->SetAlignment(ui::CellBlock::cols(CKind, CType), Qt::AlignHCenter);
    creep_->SetAlignment(ui::CellBlock::cols(CVerdict, CVerdict), Qt::AlignHCenter);
    pages_->addWidget(displacement_);
    pages_->addWidget(creep_);
    connect(tabs_, &QTabBar::currentChanged, pages_, &QStackedWidget::setCurrentIndex);

    rows_ = ResultsList(project());
    fillDisplacementGrid();
    fillCreepGrid();
    const int current = std::clamp<int>(project().shownAnchor(), 1, std::max<int>(1, int(rows_.size())));
    displacement_->SetActiveCell(1, current);
    creep_->SetActiveCell(1, current);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(pages_, 1);
    layout->addWidget(buildButtons());
    resize(std::max(ui::ContentWidth(*displacement_), ui::ContentWidth(*creep_)) + 40, 640);
}

void frmEffect::ShowForm(QWidget* parent)
{
    frmEffect window(parent);
    ui::execModal(window);
}

ui::SpreadGrid& frmEffect::grid(int tab) const
{
    return tab == 0 ? *displacement_ : *creep_;
}

QWidget* frmEffect::buildButtons()
{
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    struct Button {
        const char* name;
        QString text;
        QString tip;
        void (frmEffect::*run)();
    };
    const Button buttons[] = {
        { "CmdEffectDetail", QStringLiteral("詳細表示"), QStringLiteral("選択したデータの詳細を表示します"),
            &frmEffect::showDetail },
        { "CmdAllDetail", QStringLiteral("試験結果詳細（一括）"),
            QStringLiteral("一括で試験結果詳細のプレビュー画面を開きます"), &frmEffect::previewDetails },
        { "CmdAllAncHeni", QStringLiteral("アンカー変位（一括）"),
            QStringLiteral("一括でアンカー変位のプレビュー画面を開きます"), &frmEffect::previewCreepSheets },
        { "cmdPreview", QStringLiteral("一覧の印刷プレビュー"), QString(), &frmEffect::previewList },
    };
    for (const Button& b : buttons) {
        QPushButton* button = ui::commandButton(box, QLatin1String(b.name), b.text);
        button->setToolTip(b.tip);
        connect(button, &QPushButton::clicked, this, b.run);
        row->addWidget(button);
    }
    QPushButton* summary = ui::commandButton(box, "CmdSoukatuzu", QStringLiteral("総括図"));
    connect(summary, &QPushButton::clicked, this, [this] { frmEffectGraph::ShowForm(this); });
    row->addWidget(summary);
    row->addStretch();
    QPushButton* close = ui::commandButton(box, "CmdClose", QStringLiteral("閉じる"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    row->addWidget(close);
    return box;
}

void frmEffect::fillDisplacementGrid()
{
    ui::SpreadGrid& g = *displacement_;
    ui::ReDrawSuspended pause(g);
    g.SetMaxRows(int(rows_.size()));
    for (const ResultsRow& r : rows_) {
        const int n = r.number;
        g.SetText(DName, n, r.name);
        g.SetText(DKind, n, r.kind);
        g.SetText(DInitial, n, resultsLoadText(r.initialLoad));
        g.SetText(DPlanned, n, resultsLoadText(r.plannedMaxLoad));
        g.SetText(DPermanent, n, resultsValueText(r.permanent));
        g.SetText(DElastic, n, resultsValueText(r.elastic));
        g.SetText(DTheory, n, resultsValueText(r.theory));
        g.SetText(DUpper, n, resultsValueText(r.upper));
        g.SetText(DLower, n, resultsValueText(r.lower));
        g.SetText(DVerdict, n, r.verdict);
    }
    g.SetColWidth(DName, 150);
    g.SetColWidth(DVerdict, 220);
}

void frmEffect::fillCreepGrid()
{
    ui::SpreadGrid& g = *creep_;
    ui::ReDrawSuspended pause(g);
    g.SetMaxRows(int(rows_.size()));
    for (const ResultsRow& r : rows_) {
        const int n = r.number;
        const CreepCells c = creepCells(r.creep);
        const QStringList texts { r.name, r.kind, c.type, c.ta, c.tb, c.sa, c.sb, creepComparedText(r.creep),
            c.verdict };
        for (int col = CName; col <= CVerdict; ++col)
            g.SetText(col, n, texts[col - 1]);
        if (r.creep.verdict != CreepVerdict::Ok)
            g.SetForeColor(
                ui::CellBlock::cell(CVerdict, n), r.creep.verdict == CreepVerdict::Out ? OutColor : UndecidedColor);
    }
    g.SetColWidth(CName, 150);
    g.SetColWidth(CType, 130);
    g.SetColWidth(CCompared, 130);
}

int frmEffect::selectedAnchor() const
{
    const int row = grid(tabs_->currentIndex()).ActiveRow();
    return row >= 1 && row <= int(rows_.size()) ? row : 0;
}

void frmEffect::showDetail()
{
    if (const int n = selectedAnchor())
        frmEffectDetail::ShowForm(this, n);
}

void frmEffect::previewDetails()
{
    report::ReportEngine engine;
    const bool ended = PrintResultDetails(engine, project(), 1, int(rows_.size()));
    previewDocument(this, engine, ended, QStringLiteral("試験結果（詳細）"));
}

void frmEffect::previewCreepSheets()
{
    report::ReportEngine engine;
    const bool ended = PrintoutAllAnchorHeni(engine, project(), 1, int(rows_.size()));
    previewDocument(this, engine, ended, QStringLiteral("アンカーの変位"));
}

void frmEffect::previewList()
{
    const ResultsListKind kind = tabs_->currentIndex() == 1 ? ResultsListKind::Creep : ResultsListKind::Displacement;
    report::ReportEngine engine;
    const bool ended = PrintKekka(engine, project(), rows_, kind);
    previewDocument(this, engine, ended, QStringLiteral("試験結果一覧"));
}

} // namespace tessaro
