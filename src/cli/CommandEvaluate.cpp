// `tessaro-cli evaluate FILE`: the evaluation of every anchor as the program
// runs it before showing results, printed as JSON; the file is not changed.

#include "cli/Commands.h"

#include "cli/JsonOutput.h"
#include "evaluation/CycleEvaluation.h"
#include "evaluation/LoadDistribution.h"
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
    return out;
}

} // namespace

int evaluate(const Arguments& args)
{
    if (!loadProject(args.positional[0]))
        return 1;
    Project& p = project();
    const int count = p.isBasic() ? 1 : int(p.Record.Anchors.size());
    JsonOutput out(args);
    if (!out.writeArray(count, [&p](json::JsonText& text, int i) { text.value(evaluated(p, i + 1)); }))
        return failed("evaluate", out.error());
    return 0;
}

} // namespace tessaro::cli
