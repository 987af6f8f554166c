// `tessaro-cli sheet FILE`: the reading sheet each anchor's load plan and
// holding-time schedule produce, printed as JSON; the file is not changed.

#include "cli/Commands.h"

#include "model/ProjectJson.h"
#include "model/basMainData.h"
#include "recording/ReadingSheet.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace tessaro::cli {

int sheet(const QStringList& args)
{
    if (args.size() != 1 || !loadProject(args[0]))
        return 1;
    Project& p = project();
    QJsonArray anchors;
    int count = p.isBasic() ? 1 : int(std::min(p.Record.Anchors.size(), p.Record.Schedules.size()));
    for (int i = 1; i <= count; ++i) {
        p.CurrentAnchor = std::int16_t(i);
        AnchorRecord generated = p.currentAnchor();
        GenerateSheet(generated, p.currentSchedule(), usesSingleCycleSheet(generated, p.TestCategory));
        QJsonObject out;
        out.insert("AnchorNo", generated.AnchorNo);
        out.insert("Readings", anchorToJson(generated).value("Readings"));
        anchors.append(out);
    }
    print(QJsonDocument(anchors).toJson(QJsonDocument::Indented));
    return 0;
}

} // namespace tessaro::cli
