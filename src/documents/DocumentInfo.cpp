#include "documents/DocumentInfo.h"

#include "graphs/GraphAnchor.h"
#include "model/ProjectRecord.h"
#include "model/VersionTexts.h"

#include <optional>

namespace tessaro {
namespace {

QString anchorName(const Project& p, int n)
{
    const QString name = graphAnchor(p, n).AnchorNo;
    return name.isEmpty() ? QStringLiteral("No.%1").arg(n) : name;
}

} // namespace

QString documentTitle(const QString& title, const Project& p)
{
    return p.Record.WorksName.isEmpty() ? title : title + QStringLiteral("　") + p.Record.WorksName;
}

QString anchorRangeSubject(const Project& p, int first, int last)
{
    if (first > last)
        return {};
    const QString range
        = first == last ? anchorName(p, first) : anchorName(p, first) + QStringLiteral(" ～ ") + anchorName(p, last);
    return QStringLiteral("アンカー ") + range;
}

QString documentAuthor()
{
    return QStringLiteral("Tessaro");
}

QString documentCreator()
{
    return documentAuthor() + QLatin1Char(' ') + versionNumberText();
}

namespace {

std::optional<qint64> sourceDateEpoch()
{
    bool ok = false;
    const qint64 epoch = qEnvironmentVariable("SOURCE_DATE_EPOCH").toLongLong(&ok);
    return ok && epoch >= 0 ? std::optional(epoch) : std::nullopt;
}

} // namespace

QDateTime documentTime()
{
    const std::optional<qint64> epoch = sourceDateEpoch();
    const QDateTime time = epoch ? QDateTime::fromSecsSinceEpoch(*epoch, Qt::UTC) : QDateTime::currentDateTimeUtc();
    return time.addMSecs(-time.time().msec());
}

bool reproducibleDocuments()
{
    return sourceDateEpoch().has_value();
}

} // namespace tessaro
