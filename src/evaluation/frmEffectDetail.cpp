#include "evaluation/frmEffectDetail.h"

#include "documents/ResultListDocuments.h"
#include "documents/frmPreview.h"
#include "evaluation/CycleEvaluation.h"
#include "evaluation/ResultsList.h"
#include "graphs/GraphAnchor.h"
#include "model/basMainData.h"
#include "planning/TestKinds.h"
#include "ui/Modal.h"
#include "ui/SpreadGrid.h"
#include "ui/WindowParts.h"
#include "ui/basSpreadCustom.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessaro {
namespace {

enum Column { ColCycle = 1, ColLoad, ColElongation, ColTheory, ColUpper, ColLower, ColPermanent, ColElastic };

} // namespace

frmEffectDetail::frmEffectDetail(int anchor, QWidget* parent)
    : QDialog(parent)
    , anchor_(anchor)
    , evaluated_(evaluatedAnchor(project(), anchor))
{
    setObjectName("frmEffectDetail");
    setWindowTitle(QStringLiteral("試験結果（詳細）"));
    const Project& p = project();

    auto* head = new QGridLayout;
    const std::array<std::array<QString, 3>, 3> rows { {
        { QStringLiteral("アンカー名称 :"), "LblNo", evaluated_.AnchorNo },
        { QStringLiteral("試験名    :"), "LblShiken",
            testKindText(p.Settings.StandardEdition, p.TestCategory, evaluated_.ConfirmationTest) },
        { QStringLiteral("判定備考 :"), "LblHantei", resultDetailRemark(evaluated_) },
    } };
    for (int r = 0; r < 3; ++r) {
        head->addWidget(new QLabel(rows[std::size_t(r)][0], this), r, 0);
        head->addWidget(ui::namedLabel(this, rows[std::size_t(r)][1], rows[std::size_t(r)][2]), r, 1);
    }
    head->setColumnStretch(1, 1);

    grid_ = new ui::SpreadGrid(this);
    grid_->setObjectName("vaSpread1");
    grid_->SetColHeaderRows(2);
    ui::SetListColumns(*grid_,
        { QStringLiteral("サイクル"), QStringLiteral("荷重\n(kN)"), QStringLiteral("伸び量\n(mm)"),
            QStringLiteral("理論値"), QStringLiteral("上限値"), QStringLiteral("下限値"),
            QStringLiteral("塑性変位量\n(mm)"), QStringLiteral("弾性変位量\n(mm)") });
    grid_->SetGroupHeader(ColTheory, ColLower, 0, QStringLiteral("管理限界値 (mm)"));
    grid_->SetAlignment(ui::CellBlock::cols(ColCycle, ColCycle), Qt::AlignHCenter);
    for (int col = ColCycle; col <= ColElastic; ++col)
        grid_->SetColWidth(col, col == ColCycle ? 70 : 96);
    fillGrid();

    auto* buttons = new QHBoxLayout;
    QPushButton* print = ui::commandButton(this, "cmdPreview", QStringLiteral("印刷プレビュー"));
    QPushButton* close = ui::commandButton(this, "CmdClose", QStringLiteral("閉じる"));
    connect(print, &QPushButton::clicked, this, &frmEffectDetail::preview);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addStretch();
    buttons->addWidget(print);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(head);
    layout->addWidget(grid_, 1);
    layout->addLayout(buttons);
    resize(ui::ContentWidth(*grid_) + 40, 640);
}

void frmEffectDetail::ShowForm(QWidget* parent, int anchor)
{
    frmEffectDetail window(anchor, parent);
    ui::execModal(window);
}

void frmEffectDetail::fillGrid()
{
    const AnchorRecord& a = evaluated_;
    const int rows = std::min(EvaluatedRowCount(a), int(a.Evaluation.Results.size()));
    ui::ReDrawSuspended pause(*grid_);
    grid_->SetMaxRows(rows);
    for (int i = 1; i <= rows; ++i) {
        const auto cells = resultDetailCells(a, i);
        for (int col = ColCycle; col <= ColElastic; ++col)
            grid_->SetText(col, i, cells[std::size_t(col - 1)]);
    }
}

void frmEffectDetail::preview()
{
    report::ReportEngine engine;
    const bool ended = PrintResultDetails(engine, project(), anchor_, anchor_);
    previewDocument(this, engine, ended, QStringLiteral("試験結果（詳細）"));
}

} // namespace tessaro
