#include "documents/SummaryGraphDocument.h"

#include "documents/ReportForms.h"
#include "graphs/GraphAnchor.h"
#include "graphs/GraphFileNames.h"
#include "graphs/SummaryCharts.h"
#include "model/AppPaths.h"
#include "model/ProjectRecord.h"

#include <QFile>

namespace tessaro {

bool PrintSummaryGraph(report::ReportEngine& engine, const Project& p)
{
    const int pages = summaryPageCount(graphAnchorCount(p));
    engine.setFormName(forms::SoukatuGraph.path());
    engine.setCharOverFlow(1);
    engine.Start();
    QStringList charts;
    for (int page = 1; page <= pages; ++page) {
        engine.NewPage();
        report::Fields images;
        for (int chart = 1; chart <= 2; ++chart) {
            charts << paths::data(summaryGraphFile(chart, page));
            images.insert(QStringLiteral("IMAGE%1").arg(chart), charts.last());
        }
        const report::Fields texts { { QStringLiteral("Koujimei"), p.Record.WorksName },
            { QStringLiteral("Genbamei"), p.Record.SiteName }, { QStringLiteral("Hani"), summaryRangeText(p, page) } };
        engine.DrawForm(forms::SoukatuGraph.path(), 0, texts, images);
        PagePrint(engine, page);
    }
    const bool ended = engine.End();
    for (const QString& file : charts)
        QFile::remove(file);
    return ended;
}

} // namespace tessaro
