#include "documents/DocumentFamily.h"

#include "model/AppPaths.h"

#include <QFileInfo>

namespace tessaro {

const DocumentFamilyInfo& familyInfo(DocumentFamily family)
{
    static const std::array<DocumentFamilyInfo, 4> families { {
        { "frmKeikakusyo", 0, "KihonKeikaku", ".kkf", "basic-plan", QStringLiteral("基本調査試験 計画書") },
        { "frmHoukokusyo", 2, "KihonHoukoku", ".khf", "basic-report", QStringLiteral("基本調査試験 報告書") },
        { "frmKeikakusyoHinshitu", 1, "HinshituKeikaku", ".hkf", "quality-plan",
            QStringLiteral("品質保証試験 計画書") },
        { "frmHoukokusyoHinshitu", 3, "HinshituHoukoku", ".hhf", "quality-report",
            QStringLiteral("品質保証試験 報告書") },
    } };
    return families[std::size_t(familyIndex(family))];
}

DocumentFamily documentFamily(int testCategory, bool report)
{
    if (testCategory == 0)
        return report ? DocumentFamily::BasicReport : DocumentFamily::BasicPlan;
    return report ? DocumentFamily::QualityReport : DocumentFamily::QualityPlan;
}

DocumentFamily counterpartFamily(DocumentFamily family)
{
    return documentFamily(isBasicFamily(family) ? 0 : 1, !isReportFamily(family));
}

std::optional<DocumentFamily> familyOfCliName(const QString& name)
{
    for (DocumentFamily f : AllDocumentFamilies)
        if (familyInfo(f).cliName == name)
            return f;
    return std::nullopt;
}

std::optional<DocumentFamily> familyOfFormatFile(const QString& path)
{
    const QString suffix = QLatin1Char('.') + QFileInfo(path).suffix();
    for (DocumentFamily f : AllDocumentFamilies)
        if (familyInfo(f).extension.compare(suffix, Qt::CaseInsensitive) == 0)
            return f;
    return std::nullopt;
}

QString formatFolder(DocumentFamily family)
{
    return paths::data(QStringLiteral("FormatFile/") + familyInfo(family).folder);
}

QString defaultFormatFile(DocumentFamily family)
{
    return formatFolder(family) + QStringLiteral("/Default/Default") + familyInfo(family).extension;
}

} // namespace tessaro
