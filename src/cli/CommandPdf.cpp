// tessaro-cli pdf FILE --doc KIND [options] --out OUT.pdf: composes a document
// exactly as the desktop program's print windows do and writes it as a PDF.
// Each document kind lists the options it takes; a new kind is one entry in
// kinds() with its compose function.

#include "cli/Commands.h"

#include "documents/AnchorListDocument.h"
#include "documents/BasicDocument.h"
#include "documents/CreepSheets.h"
#include "documents/FrictionLossSheet.h"
#include "documents/GraphSheets.h"
#include "documents/PrintModule.h"
#include "documents/QualityDocument.h"
#include "documents/ReportEngine.h"
#include "documents/ResultListDocuments.h"
#include "evaluation/CycleEvaluation.h"
#include "model/ProjectRecord.h"
#include "model/basMainData.h"

#include <QHash>
#include <QTextStream>
#include <vector>

namespace tessaro::cli {
namespace {

using report::ReportEngine;

struct PdfRequest {
    QString file;
    QString out;
    QHash<QString, QString> options; // option name without "--" → its value ("" for a flag)
};

struct PdfKind {
    QString name;
    bool loadsFile; // FILE is loaded as the open project first
    QStringList flags; // options without a value
    QStringList valued; // options followed by a value
    QString usage;
    // Composes and ends the document; false with *error when the request is refused.
    bool (*compose)(ReportEngine& engine, const PdfRequest& request, QString* error);
};

QString notWritten(const PdfRequest& request)
{
    return QStringLiteral("%1 was not written").arg(request.out);
}

// "A-B" or "A" → first and last anchor; the whole project when absent.
bool anchorRange(const PdfRequest& request, int* first, int* last, QString* error)
{
    const int count = project().anchorCount();
    *first = 1;
    *last = count;
    if (!request.options.contains("anchors"))
        return true;
    QStringList parts = request.options["anchors"].split('-');
    bool ok1 = false, ok2 = false;
    *first = parts.value(0).toInt(&ok1);
    *last = parts.size() == 1 ? *first : parts.value(1).toInt(&ok2);
    if (!ok1 || (parts.size() == 2 && !ok2) || parts.size() > 2 || *first < 1 || *first > *last || *last > count) {
        *error = QStringLiteral("--anchors must be A-B within 1-%1").arg(count);
        return false;
    }
    return true;
}

bool composeDataSheets(ReportEngine& engine, const PdfRequest& request, QString* error)
{
    int first = 1, last = 1;
    if (!project().isBasic() && !anchorRange(request, &first, &last, error))
        return false;
    DataSheetOptions options;
    options.showTime = request.options.contains("time");
    options.blankData = request.options.contains("blank-data");
    options.blankRemarks = request.options.contains("blank-remarks");
    if (!PrintModule::PrintDataSheets(engine, project(), first, last, options))
        *error = notWritten(request);
    return error->isEmpty();
}

bool composeBlankSheets(ReportEngine& engine, const PdfRequest& request, QString* error)
{
    bool ok = true;
    int sheets = request.options.value("sheets", "1").toInt(&ok);
    if (!ok || sheets < 1 || sheets > MaxBlankSheets) {
        *error = QStringLiteral("--sheets must be 1-%1").arg(MaxBlankSheets);
        return false;
    }
    if (!PrintModule::PrintBlankDataSheets(engine, sheets))
        *error = notWritten(request);
    return error->isEmpty();
}

bool composeAnchorList(ReportEngine& engine, const PdfRequest& request, QString* error)
{
    int first = 1, last = 1;
    if (!project().isBasic() && !anchorRange(request, &first, &last, error))
        return false;
    AnchorListOptions options;
    options.pageNumbers = !request.options.contains("no-page-numbers");
    if (!PreviewAnchorInformation(engine, project(), first, last, options))
        *error = notWritten(request);
    return error->isEmpty();
}

// The graph sheets of the graph window's print-all, the graphs drawn in the
// graph window's saved formats.
bool composeGraphSheets(ReportEngine& engine, const PdfRequest& request, QString* error)
{
    int first = 1, last = 1;
    if (!project().isBasic() && !anchorRange(request, &first, &last, error))
        return false;
    GraphSheetOptions options;
    options.monochrome = request.options.contains("mono");
    options.kind = request.options.contains("graphs-only") ? GraphSheetKind::GraphsOnly : GraphSheetKind::Detailed;
    options.pageNumbers = !request.options.contains("no-page-numbers");
    if (!PrintGraphSheets(engine, project(), first, last, options))
        *error = notWritten(request);
    return error->isEmpty();
}

// The results list of every anchor (the list's preview): the displacements,
// or with --creep the creep judgements.
bool composeResultsList(ReportEngine& engine, const PdfRequest& request, QString* error)
{
    const ResultsListKind kind
        = request.options.contains("creep") ? ResultsListKind::Creep : ResultsListKind::Displacement;
    if (!PrintKekka(engine, project(), ResultsList(project()), kind))
        *error = notWritten(request);
    return error->isEmpty();
}

bool composeResultDetails(ReportEngine& engine, const PdfRequest& request, QString* error)
{
    int first = 1, last = 1;
    if (!project().isBasic() && !anchorRange(request, &first, &last, error))
        return false;
    if (!PrintResultDetails(engine, project(), first, last))
        *error = notWritten(request);
    return error->isEmpty();
}

// The creep sheets of the anchors from their stored selections, the curves
// drawn in their designed appearance.
bool composeCreepSheets(ReportEngine& engine, const PdfRequest& request, QString* error)
{
    int first = 1, last = 1;
    if (!project().isBasic() && !anchorRange(request, &first, &last, error))
        return false;
    if (!PrintoutAllAnchorHeni(engine, project(), first, last))
        *error = notWritten(request);
    return error->isEmpty();
}

// The friction-loss sheet of a basic investigation, from the choice stored with
// its anchor and the chart in its designed appearance.
bool composeFrictionLoss(ReportEngine& engine, const PdfRequest& request, QString* error)
{
    Project& p = project();
    if (!p.isBasic()) {
        *error = QStringLiteral("the friction-loss sheet belongs to a basic investigation project");
        return false;
    }
    const AnchorRecord evaluated = EvaluatedCopy(p.Record.WorkingAnchor, p);
    if (!frictionSheetReady(evaluated)) {
        *error = FrictionSheetIncompleteMessage;
        return false;
    }
    if (!PrintMasatusonshitu(engine, p, evaluated))
        *error = notWritten(request);
    return error->isEmpty();
}

// The plan or the report of a basic investigation, from the texts stored in the file.
bool composeBasicDocument(ReportEngine& engine, DocumentFamily family, const PdfRequest& request, QString* error)
{
    if (!project().isBasic()) {
        *error = QStringLiteral("%1 is not a basic investigation project").arg(request.file);
        return false;
    }
    *error = basicDocumentRefusal(project(), family);
    if (!error->isEmpty())
        return false;
    if (!PrintBasicDocument(engine, project(), family))
        *error = notWritten(request);
    return error->isEmpty();
}

bool composeBasicPlan(ReportEngine& engine, const PdfRequest& request, QString* error)
{
    return composeBasicDocument(engine, DocumentFamily::BasicPlan, request, error);
}

bool composeBasicReport(ReportEngine& engine, const PdfRequest& request, QString* error)
{
    return composeBasicDocument(engine, DocumentFamily::BasicReport, request, error);
}

// The plan or the report of the quality-assurance tests of the anchors asked
// for, else of those chosen for the project's documents.
bool composeQualityDocument(ReportEngine& engine, DocumentFamily family, const PdfRequest& request, QString* error)
{
    if (project().isBasic()) {
        *error = QStringLiteral("%1 is not a quality-assurance project").arg(request.file);
        return false;
    }
    std::vector<int> anchors = chosenReportAnchors(project());
    if (request.options.contains("anchors")) {
        int first = 1, last = 1;
        if (!anchorRange(request, &first, &last, error))
            return false;
        anchors.clear();
        for (int n = first; n <= last; ++n)
            anchors.push_back(n);
    }
    if (anchors.empty()) {
        *error = QStringLiteral("%1 has no anchor to print").arg(request.file);
        return false;
    }
    if (!PrintQualityDocument(engine, project(), family, anchors))
        *error = notWritten(request);
    return error->isEmpty();
}

bool composeQualityPlan(ReportEngine& engine, const PdfRequest& request, QString* error)
{
    return composeQualityDocument(engine, DocumentFamily::QualityPlan, request, error);
}

bool composeQualityReport(ReportEngine& engine, const PdfRequest& request, QString* error)
{
    return composeQualityDocument(engine, DocumentFamily::QualityReport, request, error);
}

const std::vector<PdfKind>& kinds()
{
    static const std::vector<PdfKind> all {
        { "datasheet", true, { "time", "blank-data", "blank-remarks" }, { "anchors" },
            "[--anchors A-B] [--time] [--blank-data] [--blank-remarks]", composeDataSheets },
        { "blank", false, {}, { "sheets" }, "[--sheets N] (FILE is not read)", composeBlankSheets },
        { "anchorlist", true, { "no-page-numbers" }, { "anchors" }, "[--anchors A-B] [--no-page-numbers]",
            composeAnchorList },
        { "graphs", true, { "graphs-only", "mono", "no-page-numbers" }, { "anchors" },
            "[--anchors A-B] [--graphs-only] [--mono] [--no-page-numbers]", composeGraphSheets },
        { "results", true, { "creep" }, {}, "[--creep]", composeResultsList },
        { "results-detail", true, {}, { "anchors" }, "[--anchors A-B]", composeResultDetails },
        { "creep", true, {}, { "anchors" }, "[--anchors A-B]", composeCreepSheets },
        { "friction", true, {}, {}, "(basic investigation)", composeFrictionLoss },
        { "basic-plan", true, {}, {}, "(basic investigation)", composeBasicPlan },
        { "basic-report", true, {}, {}, "(basic investigation with its friction loss set)", composeBasicReport },
        { "quality-plan", true, {}, { "anchors" }, "[--anchors A-B] (quality assurance)", composeQualityPlan },
        { "quality-report", true, {}, { "anchors" }, "[--anchors A-B] (quality assurance)", composeQualityReport },
    };
    return all;
}

int usage(const QString& problem)
{
    QTextStream(stderr) << "tessaro-cli pdf: " << problem << "\n" << pdfUsage();
    return 2;
}

const PdfKind* findKind(const QStringList& args)
{
    int at = args.indexOf("--doc");
    for (const PdfKind& kind : kinds())
        if (at >= 0 && kind.name == args.value(at + 1))
            return &kind;
    return nullptr;
}

// Reads FILE and the options; false with *problem for anything the kind does not take.
bool parseRequest(const QStringList& args, const PdfKind& kind, PdfRequest* request, QString* problem)
{
    request->file = args.value(0);
    for (int i = 1; i < args.size(); ++i) {
        QString name = args[i].mid(2);
        bool takesValue = name == "doc" || name == "out" || kind.valued.contains(name);
        if (!args[i].startsWith("--") || (!takesValue && !kind.flags.contains(name))) {
            *problem = QStringLiteral("unexpected %1").arg(args[i]);
            return false;
        }
        if (takesValue && i + 1 >= args.size()) {
            *problem = QStringLiteral("%1 needs a value").arg(args[i]);
            return false;
        }
        QString value = takesValue ? args[++i] : QString();
        if (name == "out")
            request->out = value;
        else if (name != "doc")
            request->options.insert(name, value);
    }
    if (request->out.isEmpty())
        *problem = QStringLiteral("--out is missing");
    return problem->isEmpty();
}

} // namespace

QString pdfUsage()
{
    QString text = QStringLiteral("usage: tessaro-cli pdf FILE --doc KIND [options] --out OUT.pdf\n");
    for (const PdfKind& kind : kinds())
        text += "  --doc " + kind.name + " " + kind.usage + "\n";
    return text;
}

int pdf(const QStringList& args)
{
    const PdfKind* kind = findKind(args);
    if (args.isEmpty() || args[0].startsWith("--"))
        return usage(QStringLiteral("missing FILE"));
    if (!kind)
        return usage(QStringLiteral("unknown or missing --doc"));
    PdfRequest request;
    QString problem;
    if (!parseRequest(args, *kind, &request, &problem))
        return usage(problem);
    if (kind->loadsFile && !loadProject(request.file))
        return 1;

    // A document missing a template, font or picture is not written: nobody
    // looks at it before it is handed on.
    ReportEngine engine(request.out);
    engine.setRequireComplete(true);
    QString error;
    bool written = kind->compose(engine, request, &error);
    QTextStream err(stderr);
    for (const QString& p : engine.problems())
        err << "tessaro-cli pdf: " << p << "\n";
    if (!written) {
        err << "tessaro-cli pdf: " << error << "\n";
        return 1;
    }
    print(QStringLiteral("%1: %2 pages\n").arg(request.out).arg(std::max(1, engine.MaxPage())).toUtf8());
    return 0;
}

} // namespace tessaro::cli
