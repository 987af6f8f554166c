// `tessaro-cli evaluate FILE`: the evaluation of every anchor as the program
// runs it before showing results, printed as JSON; the file is not changed.

#include "cli/Commands.h"
#include "cli/CreepJson.h"

#include "evaluation/CycleEvaluation.h"
#include "evaluation/LoadDistribution.h"
#include "evaluation/ResultsList.h"
#include "evaluation/TensionFreeLength.h"
#include "model/ProjectJson.h"
#include "model/basMainData.h"
#include "planning/TestKinds.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace tessaro::cli {
namespace {

void copyFields(QJsonObject& out, const QJsonObject& from, std::initializer_list<const char*> names)
{
    for (const char* name : names)
        out.insert(QLatin1String(name), from.value(QLatin1String(name)));
}

// Evaluates anchor i (1-based; the working anchor of a basic investigation) as
// the current anchor, so that conversions use its own jack.
QJsonObject evaluated(Project& p, int i)
{
    p.CurrentAnchor = std::int16_t(i);
    AnchorRecord& anchor = p.currentAnchor();
    RefreshTensionFreeLength(anchor);
    QJsonObject out;
    out.insert("AnchorNo", anchor.AnchorNo);
    bool distributed = anchor.Tendon.AnchorTypeCode == LoadDistributionType;
    float minimumLoad = distributed ? LoadDistributionInitialLoad(anchor) : 0;
    EvaluateAnchor(anchor);

    QJsonObject json = anchorToJson(anchor);
    QJsonObject tendon = json.value("TendonSpec").toObject();
    out.insert("TensionFreeLength", tendon.value("TensionFreeLength"));
    if (distributed) {
        out.insert("BodyTendonLength", tendon.value("BodyTendonLength"));
        out.insert("LoadDistributionInitialLoad", floatToJson(minimumLoad));
    }
    copyFields(out, json.value("Evaluation").toObject(),
        { "Results", "TheoryAtTp", "UpperAtTp", "LowerAtTp", "LastElastic", "LastPermanent" });
    copyFields(out, json, { "RangeVerdict", "RangeVerdictText", "SetLoss", "JackingForce", "JackingGauge" });
    if (p.isBasic())
        copyFields(out, json,
            { "InterceptLoad", "InterceptShift", "UpperPointLoad", "LoadSpan", "LastValidElastic",
                "ApparentFreeLength" });
    out.insert("Creep", creepJson(SummarizeCreep(anchor, creepSelectionOf(p, i), creepSettingsOf(p))));
    return out;
}

} // namespace

int evaluate(const QStringList& args)
{
    if (args.size() != 1 || !loadProject(args[0]))
        return 1;
    Project& p = project();
    QJsonArray anchors;
    int count = p.isBasic() ? 1 : int(p.Record.Anchors.size());
    for (int i = 1; i <= count; ++i)
        anchors.append(evaluated(p, i));
    print(QJsonDocument(anchors).toJson(QJsonDocument::Indented));
    return 0;
}

} // namespace tessaro::cli
