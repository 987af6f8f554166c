#include "documents/GraphSheets.h"

#include "documents/ChartPicture.h"
#include "documents/DocumentInfo.h"
#include "documents/PrintModule.h"
#include "documents/ReportForms.h"
#include "graphs/GraphAnchor.h"
#include "graphs/GraphFormats.h"
#include "graphs/GraphNames.h"
#include "graphs/GraphPanel.h"
#include "model/NumberFormat.h"
#include "model/ProjectRecord.h"

#include <algorithm>

namespace tessaro {
namespace {

using report::Fields;
using report::ReportEngine;

const QString SheetMissingText = QStringLiteral("-");
const QString AnchorCaption = QStringLiteral("アンカー名称（孔番号） :　");

// The graph window's panel writes a missing value with blanks around the dash,
// to keep its column of numbers aligned; a printed cell shows the dash alone.
QString sheetText(const QString& panelText)
{
    return panelText == PanelMissingText ? SheetMissingText : panelText;
}

// The four graphs of anchor n, evaluated, as pictures for the image fields
// `fieldName` + 1..4, in the appearance the options ask for.
report::Pictures graphPictures(const Project& p, const AnchorRecord& evaluated, int anchor, const QString& fieldName,
    const GraphSheetOptions& options)
{
    std::array<ChartData, TestGraphCount> charts = drawTestGraphs(evaluated, graphSingleCycle(p, anchor));
    charts[std::size_t(int(TestGraph::LoadDisplacement) - 1)].xReversed = options.reversedLoadDisplacement;
    report::Pictures pictures;
    for (int g = 1; g <= TestGraphCount; ++g) {
        const std::size_t at = std::size_t(g - 1);
        ChartFormat format = options.formats ? (*options.formats)[at] : savedTestGraphFormat(TestGraph(g));
        if (options.monochrome)
            format = monochrome(std::move(format));
        pictures.insert(fieldName + QString::number(g),
            chartPicture(anchorGraphName(g, anchor), std::move(charts[at]), std::move(format), TestGraphSize));
    }
    return pictures;
}

} // namespace

const forms::FormSpec& graphSheetForm(const Project& p)
{
    return p.isBasic() ? forms::Graph2 : forms::Graph;
}

QString graphSheetNumber(double value, bool available)
{
    return sheetText(panelNumber(value, available));
}

Fields graphSheetFields(const Project& p, const AnchorRecord& a)
{
    const GraphPanelTexts t = graphPanelTexts(a);
    const float tp = a.Plan.PlannedMaxLoad;
    return {
        { "Koujimei", p.Record.WorksName },
        { "Genbamei", p.Record.SiteName },
        { "AncMeisyou", a.AnchorNo },
        { "Shikenmei", documentTestName(p, &a) },
        { "Kintyoubi", a.TestDate },
        { "Tyuunyuubi", a.GroutDate },
        { "TendonSyubetu", sheetText(t.tendon) },
        { "Jiyuutyou", sheetText(t.freeLength) },
        { "Anctaityou", graphSheetNumber(a.Tendon.AnchorLength, a.Tendon.AnchorLength != 0) },
        { "Keisuu", sheetText(t.modulus) },
        { "Danmenseki", sheetText(t.area) },
        { "Rironti", sheetText(t.theory) },
        { "Jyougen", sheetText(t.upper) },
        { "Kagen", sheetText(t.lower) },
        { "Dansei", sheetText(t.elastic) },
        { "Sosei", sheetText(t.permanent) },
        { "Bar",
            QStringLiteral("計画最大荷重時の弾性変位量")
                + (tp > 0 ? QStringLiteral("（Tp = %1 kN）").arg(formatNumber(tp, "0.00")) : QString()) },
        { "Bar_2", t.judgement.isEmpty() ? SheetMissingText : t.judgement },
    };
}

Fields graphsOnlyFields(const AnchorRecord& a)
{
    const GraphPanelTexts t = graphPanelTexts(a);
    Fields f { { "lbeKouban", AnchorCaption + a.AnchorNo } };
    for (TestGraph g : AllTestGraphs)
        f.insert(QStringLiteral("GTitle%1").arg(int(g)), QStringLiteral("図-%1　").arg(int(g)) + testGraphTitle(g));
    const QString* results[] = { &t.theory, &t.upper, &t.lower, &t.elastic, &t.permanent };
    for (int i = 0; i < 5; ++i) {
        const QString value = sheetText(*results[i]);
        f.insert(
            QStringLiteral("Kekka%1").arg(i + 1), value == SheetMissingText ? value : value + QStringLiteral("(mm)"));
    }
    return f;
}

void GraphPrintStart(ReportEngine& engine)
{
    engine.setFormName(forms::Graph.path());
    engine.setCharOverFlow(1);
    engine.Start();
}

void GraphPrint(ReportEngine& engine, Project& p, int anchor, const GraphSheetOptions& options)
{
    const AnchorRecord a = evaluatedAnchor(p, anchor);
    engine.NewPage();
    engine.DrawForm(graphSheetForm(p).path(), 0, graphSheetFields(p, a), {},
        graphPictures(p, a, anchor, QStringLiteral("IMAGE"), options));
}

void GraphOnlyPrint(
    ReportEngine& engine, Project& p, int anchor, const QString& pageNumber, const GraphSheetOptions& options)
{
    const AnchorRecord a = evaluatedAnchor(p, anchor);
    Fields texts = graphsOnlyFields(a);
    if (!pageNumber.isEmpty())
        texts.insert(QStringLiteral("Page"), pageNumber);
    engine.NewPage();
    engine.DrawForm(
        forms::ZPrn4GRAPH.path(), 0, texts, {}, graphPictures(p, a, anchor, QStringLiteral("Image"), options));
}

bool PrintGraphSheets(ReportEngine& engine, Project& p, int first, int last, const GraphSheetOptions& options)
{
    first = std::max(first, 1);
    last = std::min(last, graphAnchorCount(p));
    GraphPrintStart(engine);
    engine.setTitle(documentTitle(QStringLiteral("アンカー試験結果グラフ"), p));
    engine.setSubject(anchorRangeSubject(p, first, last));
    for (int n = first; n <= last; ++n) {
        const int page = engine.MaxPage() + 1;
        if (options.kind == GraphSheetKind::GraphsOnly) {
            GraphOnlyPrint(engine, p, n, options.pageNumbers ? pageNumberText(page) : QString(), options);
            continue;
        }
        GraphPrint(engine, p, n, options);
        if (options.pageNumbers)
            PagePrint(engine, page);
    }
    return engine.End();
}

} // namespace tessaro
