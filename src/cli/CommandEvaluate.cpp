// `tessaro-cli evaluate FILE`: the evaluation of every anchor as the program
// runs it before showing results, printed as JSON; the file is not changed.

#include "cli/Commands.h"

#include "cli/JsonOutput.h"
#include "evaluation/CycleEvaluation.h"
#include "evaluation/LoadDistribution.h"
#include "evaluation/PullOutResistance.h"
#include "evaluation/TensionFreeLength.h"
#include "evaluation/UltimatePullOut.h"
#include "model/ProjectJson.h"
#include "model/basMainData.h"
#include "planning/AnchorParticulars.h"
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

template <class T> QJsonValue orNull(const std::optional<T>& value)
{
    return value ? QJsonValue(double(*value)) : QJsonValue();
}

// The pull-out checks of a basic investigation as its windows show them: the
// points and the ultimate pull-out force of the stored choice, the pull-out
// resistance of the main window and the tendon bond-length check.
void addPullOutChecks(QJsonObject& out, const Project& p, const AnchorRecord& evaluated)
{
    QJsonArray points;
    for (const PullOutPoint& point : PullOutPoints(evaluated))
        points.append(QJsonObject { { "x", point.x }, { "y", point.y } });
    out.insert("PullOutPoints", points);
    out.insert("UltimatePullOut", floatToJson(p.Settings.UltimatePullOut));
    UltimateResult ultimate = UltimatePullOutFrom(evaluated, storedUltimateChoice(evaluated));
    out.insert("UltimatePullOutFromChoice", orNull(ultimate.complete() ? ultimate.tug : std::nullopt));
    out.insert("SkinFriction", orNull(ultimate.skinFriction));
    const QString resistance = pullOutResistanceText(evaluated);
    out.insert("PullOutResistance", resistance.isEmpty() ? QJsonValue() : QJsonValue(resistance.toDouble()));
    BondLengthCheck bond = CheckBondLength(evaluated);
    out.insert("RequiredBondLength", orNull(bond.required));
    out.insert("BondLengthVerdict", bond.verdict.isEmpty() ? QJsonValue() : QJsonValue(bond.verdict));
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
    copyFields(out, json,
        { "RangeVerdict", "RangeVerdictText", "SetLoss", "JackingForce", "JackingGauge", "FinalChoice",
            "FinalVerdictText" });
    if (p.isBasic()) {
        copyFields(out, json,
            { "InterceptLoad", "InterceptShift", "UpperPointLoad", "LoadSpan", "LastValidElastic",
                "ApparentFreeLength" });
        addPullOutChecks(out, p, anchor);
    }
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
