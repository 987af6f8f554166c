#include "model/basDataConvert4.h"

#include "evaluation/TensionFreeLength.h"

#include <algorithm>

namespace tessaro {
namespace {

// The per-body tendon lengths of a load-distribution anchor, which these
// releases did not keep, from the tendon running Lf + Lr less the spare length.
void completeBodyLengths(AnchorRecord& anchor)
{
    const TendonSpec& t = anchor.Tendon;
    EquivalentFreeLength(anchor, double(t.FreeLength) + double(t.ExtraLength) - double(t.SpareLength));
}

} // namespace

void ConvertReading(const OlderReading& older, Reading& current)
{
    current = older.current;
    current.ElapsedTime = older.older.ElapsedTime;
}

void ConvertAnchor(AnchorRecord&& olderFields, const VarArray<OlderReading>& olderRows, AnchorRecord& current)
{
    current = std::move(olderFields);
    auto rows = std::min<std::size_t>(std::size_t(std::max<int>(current.ReadingCount, 0)), olderRows.size());
    current.Readings.resize(rows);
    for (std::size_t i = 0; i < rows; ++i)
        ConvertReading(olderRows[i], current.Readings[i]);
}

void ConvertRelease4Record(Release4ProjectRecord&& older, ProjectRecord& current)
{
    current = std::move(older.current);
    auto convert = [](Release4Anchor& anchor, AnchorRecord& into) {
        ConvertAnchor(std::move(anchor.current), anchor.older.Readings, into);
    };
    convert(older.older.WorkingAnchor, current.WorkingAnchor);
    current.Anchors.resize(older.older.Anchors.size());
    for (std::size_t i = 0; i < current.Anchors.size(); ++i)
        convert(older.older.Anchors[i], current.Anchors[i]);
}

void ConvertRelease2Details(ProjectRecord& record)
{
    completeBodyLengths(record.WorkingAnchor);
    record.WorkingAnchor.ConfirmationTest = 0;
    for (AnchorRecord& anchor : record.Anchors) {
        completeBodyLengths(anchor);
        anchor.ConfirmationTest = anchor.AnchorNote == QStringLiteral("多サイクル") ? 0 : 1;
    }
}

} // namespace tessaro
