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
        engine.setTopMargin(0);
        engine.setFormName(forms::SoukatuGraph.path());
        engine.SetFieldText(QStringLiteral("Koujimei"), p.Record.WorksName);
        engine.SetFieldText(QStringLiteral("Genbamei"), p.Record.SiteName);
        engine.SetFieldText(QStringLiteral("Hani"), summaryRangeText(p, page));
        for (int chart = 1; chart <= 2; ++chart) {
            charts << paths::data(summaryGraphFile(chart, page));
            engine.SetFieldImage(QStringLiteral("IMAGE%1").arg(chart), charts.last());
        }
        engine.DrawForm();
        engine.setFormName(forms::Page.path());
        engine.SetFieldText(QStringLiteral("Page"), QStringLiteral("- %1 -").arg(page));
        engine.DrawForm();
    }
    const bool ended = engine.End();
    for (const QString& file : charts)
        QFile::remove(file);
    return ended;
}

} // namespace tessaro
