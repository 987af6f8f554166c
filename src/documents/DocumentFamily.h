#pragma once
// The four plan and report documents of a works: the test plan and the test
// report of the basic investigation (pull-out) test and of the quality-assurance
// tests. Each family has its wizard window, its part of the project's document
// texts, its kind of composed document and its folder and extension of format
// files.

#include <QString>
#include <array>
#include <optional>

namespace tessaro {

// In the order of the project's document records (DocumentSettings, DocumentTexts).
enum class DocumentFamily { BasicPlan = 0, BasicReport = 1, QualityPlan = 2, QualityReport = 3 };
inline constexpr std::array<DocumentFamily, 4> AllDocumentFamilies { DocumentFamily::BasicPlan,
    DocumentFamily::BasicReport, DocumentFamily::QualityPlan, DocumentFamily::QualityReport };

struct DocumentFamilyInfo {
    QString windowName; // "frmKeikakusyo"
    int kind; // the composed document's kind: 0 basic plan, 1 quality plan, 2 basic report, 3 quality report
    QString folder; // subfolder of FormatFile: "KihonKeikaku"
    QString extension; // ".kkf"
    QString cliName; // "basic-plan"
    QString caption; // "基本調査試験 計画書"
};
const DocumentFamilyInfo& familyInfo(DocumentFamily family);

inline int familyIndex(DocumentFamily family)
{
    return int(family);
}
inline bool isBasicFamily(DocumentFamily family)
{
    return family == DocumentFamily::BasicPlan || family == DocumentFamily::BasicReport;
}
inline bool isReportFamily(DocumentFamily family)
{
    return family == DocumentFamily::BasicReport || family == DocumentFamily::QualityReport;
}
// The family of a project's category (0 basic investigation) and document.
DocumentFamily documentFamily(int testCategory, bool report);
// The plan of a report and the report of a plan, of the same test.
DocumentFamily counterpartFamily(DocumentFamily family);

// "basic-plan" … "quality-report"; none for another word.
std::optional<DocumentFamily> familyOfCliName(const QString& name);
// The family whose extension the file name carries (any letter case); none for another.
std::optional<DocumentFamily> familyOfFormatFile(const QString& path);

// The family's format files in the data folder: "FormatFile/KihonKeikaku", and
// its default file "…/Default/Default.kkf".
QString formatFolder(DocumentFamily family);
QString defaultFormatFile(DocumentFamily family);

} // namespace tessaro
