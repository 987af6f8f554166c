#include "graphs/frmGRAPH.h"

#include "documents/frmPreview.h"
#include "documents/frmPrintGRAPH.h"
#include "evaluation/frmHantei.h"
#include "evaluation/frmKihonHantei.h"
#include "evaluation/frmMasatuSonshitu.h"
#include "graphs/ChartFormatFile.h"
#include "graphs/GraphAnchor.h"
#include "graphs/GraphFormats.h"
#include "graphs/GraphPanel.h"
#include "model/UserMessage.h"
#include "model/basMainData.h"
#include "recording/RecordingAnchors.h"
#include "recording/frmDataInput1.h"
#include "recording/frmDataRevision.h"
#include "ui/Chart2D.h"
#include "ui/ChartOutput.h"
#include "ui/EntryBoxes.h"
#include "ui/Modal.h"
#include "ui/OlectraChart.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace tessaro {
namespace {

const QSize PrintSize(ui::fromTwips(9000), ui::fromTwips(9000));
const QSize CopySize(ui::fromTwips(6000), ui::fromTwips(6000));

QString copiedMessage(TestGraph graph)
{
    return testGraphTitle(graph) + QStringLiteral("グラフは、クリップボードにコピーされました。");
}

QLabel* valueLabel(QWidget* parent, const char* name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumWidth(80);
    return label;
}

} // namespace

frmGRAPH::frmGRAPH(QWidget* parent)
    : QDialog(parent)
{
    setObjectName("frmGRAPH");
    setWindowTitle(QStringLiteral("試験結果グラフ"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);

    auto* menuBar = new QMenuBar(this);
    QMenu* view = menuBar->addMenu(QStringLiteral("表示(&V)"));
    reverse_ = view->addAction(QStringLiteral("反転表示（荷重-変位量曲線）"));
    reverse_->setObjectName("MenuHanten");
    reverse_->setCheckable(true);
    connect(reverse_, &QAction::toggled, this, &frmGRAPH::reverseDisplay);

    auto* graphs = new QWidget(this);
    buildCharts(graphs);
    auto* side = new QVBoxLayout;
    side->addWidget(buildPanel());
    side->addStretch();
    side->addWidget(buildButtons());
    auto* layout = new QHBoxLayout(this);
    layout->setMenuBar(menuBar);
    layout->addWidget(graphs, 1);
    layout->addLayout(side);
    // Enter in the anchor number box moves there; it must not press a button.
    for (QPushButton* button : findChildren<QPushButton*>())
        button->setAutoDefault(false);
    resize(1300, 720);

    const Project& p = project();
    showAnchor(p.isBasic() ? 1 : std::clamp<int>(p.CurrentAnchor, 1, std::max(1, graphAnchorCount(p))));
}

bool frmGRAPH::ShowForm(QWidget* parent)
{
    frmGRAPH window(parent);
    ui::execModal(window);
    return window.changed_;
}

ui::Chart2D& frmGRAPH::chart(TestGraph graph) const
{
    return *charts_[std::size_t(int(graph) - 1)];
}

void frmGRAPH::buildCharts(QWidget* area)
{
    auto* grid = new QGridLayout(area);
    grid->setContentsMargins(0, 0, 0, 0);
    for (TestGraph graph : AllTestGraphs) {
        int g = int(graph);
        auto* chart = new ui::Chart2D(area);
        chart->setObjectName(QStringLiteral("Chart2D%1").arg(g));
        chart->setFormat(designedTestGraphFormat(graph));
        ui::loadChartFormat(*chart, graphFormatFile(g));
        ui::restrictEditorGraphWindow(*chart);
        charts_[std::size_t(g - 1)] = chart;
        grid->addWidget(chart, (g - 1) / 2, (g - 1) % 2);
        chartMenu(graph);
    }
}

// Right-click on a graph: print, copy, properties.
void frmGRAPH::chartMenu(TestGraph graph)
{
    int g = int(graph);
    ui::Chart2D* target = &chart(graph);
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("mnuFile%1").arg(g));
    QAction* print = menu->addAction(QStringLiteral("印刷..."));
    print->setObjectName(QStringLiteral("Print%1").arg(g));
    QAction* copy = menu->addAction(QStringLiteral("コピー"));
    copy->setObjectName(QStringLiteral("Copy%1").arg(g));
    menu->addSeparator();
    QAction* property = menu->addAction(QStringLiteral("プロパティ..."));
    property->setObjectName(QStringLiteral("GraphProperty%1").arg(g));
    connect(print, &QAction::triggered, this, [this, graph] { printGraph(graph); });
    connect(copy, &QAction::triggered, this, [this, graph] { copyGraph(graph); });
    connect(property, &QAction::triggered, target, &ui::Chart2D::openPropertyEditor);
    target->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(target, &QWidget::customContextMenuRequested, menu,
        [menu, target](const QPoint& at) { menu->popup(target->mapToGlobal(at)); });
}

QWidget* frmGRAPH::buildPanel()
{
    auto* panel = new QWidget(this);
    panel->setFixedWidth(290);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* navigation = new QGroupBox(QStringLiteral("アンカー名称（孔番号）"), panel);
    prev_ = new QPushButton(QStringLiteral("◀ 前へ"), navigation);
    prev_->setObjectName("cmdPrev");
    next_ = new QPushButton(QStringLiteral("次へ ▶"), navigation);
    next_->setObjectName("cmdNext");
    number_ = new ui::NumberBox(navigation, QStringLiteral("##0"));
    number_->setObjectName("imNum");
    number_->setFixedWidth(50);
    numberMax_ = new QLabel(navigation);
    numberMax_->setObjectName("LblNumMax");
    anchorName_ = new QLabel(navigation);
    anchorName_->setObjectName("LblAncName");
    anchorName_->setWordWrap(true);
    QFont nameFont = anchorName_->font();
    nameFont.setBold(true);
    anchorName_->setFont(nameFont);
    auto* row = new QHBoxLayout;
    row->addWidget(prev_);
    row->addStretch();
    row->addWidget(number_);
    row->addWidget(numberMax_);
    row->addStretch();
    row->addWidget(next_);
    auto* navigationLayout = new QVBoxLayout(navigation);
    navigationLayout->addLayout(row);
    navigationLayout->addWidget(anchorName_);
    connect(prev_, &QPushButton::clicked, this, [this] { moveToAnchor(anchor_ - 1); });
    connect(next_, &QPushButton::clicked, this, [this] { moveToAnchor(anchor_ + 1); });
    connect(number_, &ui::EntryBox::LostFocus, this, &frmGRAPH::numberEntered);
    connect(number_, &QLineEdit::returnPressed, this, [this] { numberEntered(number_->Check()); });
    layout->addWidget(navigation);

    struct Row {
        const char* name;
        const char* caption;
        const char* unit;
    };
    const Row rows[] = { { "LblTendon", "テンドン", "" }, { "LblJiyuu", "自由長（緊張時）", "mm" },
        { "LblTei", "弾性係数", "kN/mm2" }, { "Lblkoufuku", "降伏荷重", "kN" }, { "LblDanmen", "断面積", "mm2" },
        { "LblRiron", "理論値", "mm" }, { "LblJyougen", "上限値", "mm" }, { "LblKagen", "下限値", "mm" },
        { "LblDansei", "弾性変位量", "mm" }, { "LblSosei", "塑性変位量", "mm" } };
    auto* values = new QGroupBox(QStringLiteral("アンカー諸元と試験結果"), panel);
    auto* grid = new QGridLayout(values);
    int line = 0;
    for (std::size_t i = 0; i < values_.size(); ++i) {
        if (i == 5 || i == 8) {
            auto* heading = new QLabel(
                i == 5 ? QStringLiteral("計画最大荷重時の弾性変位量") : QStringLiteral("最終サイクル"), values);
            heading->setStyleSheet(QStringLiteral("color: #555; padding-top: 6px;"));
            grid->addWidget(heading, line++, 0, 1, 3);
        }
        grid->addWidget(new QLabel(QString::fromUtf8(rows[i].caption), values), line, 0);
        values_[i] = valueLabel(values, rows[i].name);
        if (i == 0) {
            // Product names are long: the name takes the value and unit columns.
            values_[i]->setWordWrap(true);
            grid->addWidget(values_[i], line++, 1, 1, 2);
            continue;
        }
        grid->addWidget(values_[i], line, 1);
        grid->addWidget(new QLabel(QString::fromUtf8(rows[i].unit), values), line++, 2);
    }
    grid->setColumnStretch(1, 1);
    layout->addWidget(values);

    auto* verdict = new QGroupBox(QStringLiteral("弾性変位量の判定"), panel);
    judgement_ = new QLabel(verdict);
    judgement_->setObjectName("Label8");
    judgement_->setAlignment(Qt::AlignCenter);
    QFont verdictFont = judgement_->font();
    verdictFont.setPointSizeF(verdictFont.pointSizeF() * 1.4);
    verdictFont.setBold(true);
    judgement_->setFont(verdictFont);
    auto* verdictLayout = new QVBoxLayout(verdict);
    verdictLayout->addWidget(judgement_);
    layout->addWidget(verdict);
    return panel;
}

QPushButton* frmGRAPH::windowButton(
    const char* name, const QString& caption, std::function<bool()> open, bool needsReadings)
{
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QLatin1String(name));
    button->setEnabled(false);
    if (open) {
        // The window opened may have changed the anchor's data or the anchor chosen.
        connect(button, &QPushButton::clicked, this, [this, open] {
            if (open())
                changed_ = true;
            showAnchor(project().shownAnchor());
        });
    }
    windowButtons_.push_back({ button, std::move(open), needsReadings });
    return button;
}

QWidget* frmGRAPH::buildButtons()
{
    auto* box = new QWidget(this);
    box->setFixedWidth(290);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    bool basic = project().isBasic();

    // Creep has no window in the program yet: its button stays disabled.
    // The judgements work on project().CurrentAnchor, which this window keeps on the anchor shown.
    QPushButton* judgement = windowButton(
        "Command4", QStringLiteral("判定"), [this] { return frmHantei::ShowForm(this); }, false);
    QPushButton* basicJudgement = windowButton(
        "Command9", QStringLiteral("基本調査試験判定"), [this] { return frmKihonHantei::ShowForm(this); }, true);
    QPushButton* creep = windowButton("CmdKuripu", QStringLiteral("クリープ"), nullptr, true);
    // A basic investigation alone has a friction loss.
    QPushButton* friction = windowButton("CmdMasatu", QStringLiteral("摩擦損失量"),
        basic ? std::function<bool()>([this] { return frmMasatuSonshitu::ShowForm(this); }) : nullptr, true);
    QPushButton* revision = windowButton(
        "Command5", QStringLiteral("データ修正"), [this] { return frmDataRevision::ShowForm(this); }, true);
    // Opened from the measurement window, this window does not open it again.
    std::function<bool()> openInput;
    if (!ui::isWindowOpen("frmDataInput1"))
        openInput = [this] { return frmDataInput1::ShowForm(this); };
    QPushButton* input = windowButton("Command8", QStringLiteral("測定値入力"), openInput, false);
    // A basic investigation is judged by its pull-out checks and has a friction loss.
    judgement->setVisible(!basic);
    basicJudgement->setVisible(basic);
    friction->setVisible(basic);

    auto* printAll = new QPushButton(QStringLiteral("一括印刷..."), box);
    printAll->setObjectName("Command3");
    connect(printAll, &QPushButton::clicked, this, &frmGRAPH::printAllGraphs);
    auto* saveFormat = new QPushButton(QStringLiteral("グラフ書式の保存"), box);
    saveFormat->setObjectName("Command7");
    saveFormat->setToolTip(QStringLiteral("現在のグラフ書式を初期値として保存します"));
    connect(saveFormat, &QPushButton::clicked, this, &frmGRAPH::saveFormats);
    auto* close = new QPushButton(QStringLiteral("閉じる"), box);
    close->setObjectName("CmdClose");
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    grid->addWidget(judgement, 0, 0);
    grid->addWidget(basicJudgement, 0, 0);
    grid->addWidget(revision, 0, 1);
    grid->addWidget(input, 1, 0);
    grid->addWidget(creep, 1, 1);
    grid->addWidget(friction, 2, 0);
    grid->addWidget(printAll, 3, 0);
    grid->addWidget(saveFormat, 3, 1);
    grid->addWidget(close, 4, 1);
    return box;
}

bool frmGRAPH::moveToAnchor(int n)
{
    const Project& p = project();
    if (p.isBasic() || n < 1 || n > graphAnchorCount(p))
        return false;
    if (!hasAnchorInformation(graphAnchor(p, n))) {
        showMessage(NoAnchorInformationMessage, MsgIcon::Information);
        refreshNavigation();
        return false;
    }
    showAnchor(n);
    return true;
}

void frmGRAPH::showAnchor(int n)
{
    Project& p = project();
    anchor_ = n;
    if (!p.isBasic())
        p.CurrentAnchor = std::int16_t(n);
    evaluated_ = evaluatedAnchor(p, n);
    drawGraphs();
    showPanel();
    refreshNavigation();
}

void frmGRAPH::drawGraphs()
{
    const Project& p = project();
    ChartData data;
    drawPlasticElasticGraph(data, evaluated_, graphSingleCycle(p, anchor_));
    chart(TestGraph::PlasticElastic).setData(data);
    drawLoadDisplacementGraph(data, evaluated_);
    data.xReversed = reverse_->isChecked();
    chart(TestGraph::LoadDisplacement).setData(data);
    evaluationAllowed_ = drawTimeLoadGraph(data, evaluated_);
    chart(TestGraph::TimeLoad).setData(data);
    drawTimeDisplacementGraph(data, evaluated_, DisplacementSign::AsRead);
    chart(TestGraph::TimeDisplacement).setData(data);
    for (const WindowButton& w : windowButtons_)
        w.button->setEnabled(w.open && (!w.needsReadings || evaluationAllowed_));
}

void frmGRAPH::showPanel()
{
    GraphPanelTexts t = graphPanelTexts(evaluated_);
    const QString* texts[] = { &t.tendon, &t.freeLength, &t.modulus, &t.yieldLoad, &t.area, &t.theory, &t.upper,
        &t.lower, &t.elastic, &t.permanent };
    for (std::size_t i = 0; i < values_.size(); ++i)
        values_[i]->setText(*texts[i]);
    judgement_->setText(t.judgement);
    judgement_->setStyleSheet(evaluated_.RangeVerdict == 1 ? QStringLiteral("color: #c0392b;") : QString());
    anchorName_->setText(evaluated_.AnchorNo);
}

void frmGRAPH::refreshNavigation()
{
    const Project& p = project();
    int count = graphAnchorCount(p);
    bool several = !p.isBasic() && count > 1;
    number_->SetValue(anchor_);
    number_->SetCheck(QStringLiteral("アンカー番号"), 1, std::max(1, count));
    number_->SetEnabled(several);
    numberMax_->setText(QStringLiteral("/ %1").arg(std::max(1, count)));
    prev_->setEnabled(several && anchor_ > 1);
    next_->setEnabled(several && anchor_ < count);
}

void frmGRAPH::numberEntered(bool valid)
{
    if (!valid)
        return; // the check emptied the box and gave it the focus back
    std::optional<double> n = number_->Value();
    if (!n || int(*n) == anchor_ || !moveToAnchor(int(*n)))
        number_->SetValue(anchor_);
}

void frmGRAPH::reverseDisplay(bool reversed)
{
    ui::Chart2D& target = chart(TestGraph::LoadDisplacement);
    ChartData data = target.data();
    data.xReversed = reversed;
    target.setData(std::move(data));
}

void frmGRAPH::printGraph(TestGraph graph)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    dialog.setObjectName("PrintDialog");
    if (ui::execModal(dialog) != QDialog::Accepted)
        return;
    if (!chart(graph).print(printer, PrintSize))
        showMessage(QStringLiteral("印刷できませんでした。プリンターの設定を確認してください。"));
}

void frmGRAPH::copyGraph(TestGraph graph)
{
    chart(graph).copyToClipboard(CopySize);
    showMessage(copiedMessage(graph), MsgIcon::Information);
}

void frmGRAPH::saveFormats()
{
    std::vector<ui::ChartFormatTarget> targets;
    for (TestGraph graph : AllTestGraphs)
        targets.push_back({ &chart(graph), graphFormatFile(int(graph)) });
    ui::saveChartFormatsAsDefault(targets);
}

// The graph sheets of the anchors chosen, drawn as the graphs are on screen.
void frmGRAPH::printAllGraphs()
{
    GraphPrintChoice choice;
    if (!frmPrintGRAPH::ShowForm(this, &choice))
        return;
    GraphSheetOptions options = choice.sheet;
    options.reversedLoadDisplacement = reverse_->isChecked();
    options.formats.emplace();
    for (TestGraph graph : AllTestGraphs)
        (*options.formats)[std::size_t(int(graph) - 1)] = chart(graph).format();
    report::ReportEngine engine;
    const bool ended = PrintGraphSheets(engine, project(), choice.first, choice.last, options);
    // The landscape sheet of graphs alone is read across the page's width.
    previewDocument(this, engine, ended, QStringLiteral("試験結果グラフ"),
        choice.sheet.kind == GraphSheetKind::GraphsOnly ? frmPreview::ZoomPageWidth : frmPreview::Zoom100);
}

} // namespace tessaro
