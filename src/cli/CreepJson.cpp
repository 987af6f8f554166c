#include "cli/CreepJson.h"

#include "evaluation/CreepTexts.h"
#include "planning/TestKinds.h"

namespace tessaro::cli {
namespace {

QJsonValue number(double value)
{
    return isMissing(value) ? QJsonValue() : QJsonValue(value);
}

void insertPair(QJsonObject& out, const CreepPair& pair, const QString& suffix)
{
    out.insert("ta" + suffix, pair.chosen ? QJsonValue(pair.ta) : QJsonValue());
    out.insert("tb" + suffix, pair.chosen ? QJsonValue(pair.tb) : QJsonValue());
    out.insert("sa" + suffix, pair.chosen ? number(pair.sa) : QJsonValue());
    out.insert("sb" + suffix, pair.chosen ? number(pair.sb) : QJsonValue());
    const bool ratio = pair.computable && pair.times.ratioTested;
    out.insert("Ratio" + suffix, ratio ? QJsonValue(pair.times.ratio) : QJsonValue());
    out.insert("Admissible" + suffix, pair.admissible());
}

} // namespace

QJsonObject creepJson(const CreepSummary& s)
{
    QJsonObject out;
    out.insert("Edition", s.edition == Edition2000 ? 2000 : 2012);
    out.insert("Method", s.byCoefficient ? "coefficient" : "displacement");
    insertPair(out, s.pair, QString());
    out.insert("Compared", number(s.compared));
    out.insert("Limit", s.limit);
    out.insert("Verdict", creepVerdictText(s.verdict));
    if (s.extended) {
        insertPair(out, s.extendedPair, QStringLiteral("Ext"));
        out.insert("CreepCoefficient", number(s.compared));
    }
    return out;
}

} // namespace tessaro::cli
