#include "graphs/frmEffectGraph.h"

#include "documents/SummaryGraphDocument.h"
#include "documents/frmPreview.h"
#include "graphs/ChartFormatFile.h"
#include "graphs/GraphAnchor.h"
#include "graphs/GraphFormats.h"
#include "model/basMainData.h"
#include "ui/Chart2D.h"
#include "ui/EntryBoxes.h"
#include "ui/Modal.h"
#include "ui/OlectraChart.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessaro {

frmEffectGraph::frmEffectGraph(QWidget* parent)
    : QDialog(parent)
{
    setObjectName("frmEffectGraph");
    setWindowTitle(QStringLiteral("アンカー試験結果総括図"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    auto* layout = new QVBoxLayout(this);
    for (int n = 1; n <= 2; ++n) {
        auto* chart = new ui::Chart2D(this);
        chart->setObjectName(QStringLiteral("Chart2D%1").arg(n));
        chart->setFormat(designedSummaryFormat(n));
        ui::loadChartFormat(*chart, summaryFormatFile(n));
        ui::restrictEditorGraphWindow(*chart);
        if (n == 2)
            ui::restrictEditorAxisLabels(*chart);
        // Right-click opens the property editor of the chart.
        auto* menu = new QMenu(this);
        QAction* property = menu->addAction(QStringLiteral("プロパティ..."));
        property->setObjectName(QStringLiteral("GraphProperty%1").arg(n));
        connect(property, &QAction::triggered, chart, &ui::Chart2D::openPropertyEditor);
        chart->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(chart, &QWidget::customContextMenuRequested, menu,
            [menu, chart](const QPoint& at) { menu->popup(chart->mapToGlobal(at)); });
        charts_[std::size_t(n - 1)] = chart;
        layout->addWidget(chart, 1);
    }
    layout->addWidget(buildPaging());
    for (QPushButton* button : findChildren<QPushButton*>())
        button->setAutoDefault(false);
    resize(1200, 720);

    const Project& p = project();
    int current = p.shownAnchor();
    showPage((std::max(current, 1) - 1) / SummaryAnchorsPerPage + 1);
}

void frmEffectGraph::ShowForm(QWidget* parent)
{
    frmEffectGraph window(parent);
    ui::execModal(window);
}

QWidget* frmEffectGraph::buildPaging()
{
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    prevPage_ = new QPushButton(QStringLiteral("◀ 前ページ"), bar);
    prevPage_->setObjectName("CmdPrevPage");
    number_ = new ui::NumberBox(bar, QStringLiteral("##0"));
    number_->setObjectName("imNumber1");
    number_->setFixedWidth(50);
    pageMax_ = new QLabel(bar);
    pageMax_->setObjectName("LblPageMax");
    nextPage_ = new QPushButton(QStringLiteral("次ページ ▶"), bar);
    nextPage_->setObjectName("CmdNextPage");
    range_ = new QLabel(bar);
    range_->setObjectName("LblRange");
    auto* setting = new QPushButton(QStringLiteral("グラフ書式の保存"), bar);
    setting->setObjectName("CmdGraphsetting");
    setting->setToolTip(QStringLiteral("現在のグラフ書式を初期値として保存します"));
    auto* preview = new QPushButton(QStringLiteral("印刷プレビュー"), bar);
    preview->setObjectName("cmdPreview");
    auto* close = new QPushButton(QStringLiteral("閉じる"), bar);
    close->setObjectName("CmdClose");

    row->addWidget(prevPage_);
    row->addWidget(number_);
    row->addWidget(pageMax_);
    row->addWidget(nextPage_);
    row->addSpacing(12);
    row->addWidget(range_);
    row->addStretch();
    row->addWidget(setting);
    row->addWidget(preview);
    row->addWidget(close);

    connect(prevPage_, &QPushButton::clicked, this, [this] { showPage(page_ - 1); });
    connect(nextPage_, &QPushButton::clicked, this, [this] { showPage(page_ + 1); });
    connect(number_, &ui::EntryBox::LostFocus, this, &frmEffectGraph::pageEntered);
    connect(number_, &QLineEdit::returnPressed, this, [this] { pageEntered(number_->Check()); });
    connect(setting, &QPushButton::clicked, this, &frmEffectGraph::saveFormats);
    connect(preview, &QPushButton::clicked, this, &frmEffectGraph::preview);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    return bar;
}

int frmEffectGraph::pageCount() const
{
    return summaryPageCount(graphAnchorCount(project()));
}

bool frmEffectGraph::showPage(int page)
{
    if (page < 1 || page > pageCount())
        return false;
    page_ = page;
    Project& p = project();
    std::array<ChartData, 2> data = drawSummaryPage(p, page);
    charts_[0]->setData(data[0]);
    charts_[1]->setData(data[1]);
    int pages = pageCount();
    number_->SetValue(page);
    number_->SetCheck(QStringLiteral("ページ"), 1, pages);
    number_->SetEnabled(pages > 1);
    pageMax_->setText(QStringLiteral("/ %1 ページ").arg(pages));
    const QString range = summaryRangeText(p, page);
    range_->setText(range.isEmpty() ? QString() : QStringLiteral("アンカー ") + range);
    prevPage_->setEnabled(page > 1);
    nextPage_->setEnabled(page < pages);
    return true;
}

void frmEffectGraph::pageEntered(bool valid)
{
    if (!valid)
        return;
    std::optional<double> n = number_->Value();
    if (!n || int(*n) == page_ || !showPage(int(*n)))
        number_->SetValue(page_);
}

void frmEffectGraph::saveFormats()
{
    ui::saveChartFormatsAsDefault({ { charts_[0], summaryFormatFile(1) }, { charts_[1], summaryFormatFile(2) } });
}

// Every page of the summary, drawn in the formats on screen.
void frmEffectGraph::preview()
{
    report::ReportEngine engine;
    const bool ended = PrintSummaryGraph(engine, project(), { chart(1).format(), chart(2).format() });
    previewDocument(this, engine, ended, QStringLiteral("アンカー試験結果総括図"));
}

} // namespace tessaro
