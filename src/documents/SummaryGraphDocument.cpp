#include "documents/SummaryGraphDocument.h"

#include "documents/ChartPicture.h"
#include "documents/DocumentInfo.h"
#include "documents/ReportForms.h"
#include "graphs/GraphAnchor.h"
#include "graphs/GraphNames.h"
#include "graphs/SummaryCharts.h"
#include "model/ProjectRecord.h"

namespace tessaro {

bool PrintSummaryGraph(report::ReportEngine& engine, Project& p, const std::array<ChartFormat, 2>& formats)
{
    const int pages = summaryPageCount(graphAnchorCount(p));
    engine.setFormName(forms::SoukatuGraph.path());
    engine.setCharOverFlow(1);
    engine.Start();
    engine.setTitle(documentTitle(QStringLiteral("アンカー試験結果総括図"), p));
    for (int page = 1; page <= pages; ++page) {
        engine.NewPage();
        std::array<ChartData, 2> charts = drawSummaryPage(p, page);
        report::Pictures pictures;
        for (int chart = 1; chart <= 2; ++chart) {
            const std::size_t at = std::size_t(chart - 1);
            pictures.insert(QStringLiteral("IMAGE%1").arg(chart),
                chartPicture(summaryGraphName(chart, page), std::move(charts[at]), formats[at], SummaryGraphSize));
        }
        const report::Fields texts { { QStringLiteral("Koujimei"), p.Record.WorksName },
            { QStringLiteral("Genbamei"), p.Record.SiteName }, { QStringLiteral("Hani"), summaryRangeText(p, page) } };
        engine.DrawForm(forms::SoukatuGraph.path(), 0, texts, {}, pictures);
        PagePrint(engine, page);
    }
    return engine.End();
}

} // namespace tessaro
