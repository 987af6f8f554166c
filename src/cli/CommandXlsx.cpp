// tessaro-cli xlsx FILE --anchor N|--list --out OUT.xlsx: the Excel workbooks of
// the measurement input window (one anchor's readings, every optional column)
// and of the main window (the anchor list).

#include "cli/Commands.h"

#include "documents/ExcelOutput.h"
#include "evaluation/CycleEvaluation.h"
#include "model/ProjectRecord.h"
#include "model/basMainData.h"

#include <QTextStream>

namespace tessaro::cli {
namespace {

int usage(const QString& problem)
{
    QTextStream(stderr) << "tessaro-cli xlsx: " << problem << "\n" << xlsxUsage();
    return 2;
}

struct XlsxRequest {
    QString file;
    QString out;
    int anchor = 0; // 0: the anchor list
};

bool parse(const QStringList& args, XlsxRequest* request, QString* problem)
{
    request->file = args.value(0);
    bool list = false;
    for (int i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == "--list") {
            list = true;
        }
        else if ((a == "--anchor" || a == "--out") && i + 1 < args.size()) {
            const QString value = args[++i];
            bool ok = true;
            if (a == "--out")
                request->out = value;
            else if (request->anchor = value.toInt(&ok); !ok || request->anchor < 1)
                *problem = QStringLiteral("--anchor needs an anchor number");
        }
        else {
            *problem = QStringLiteral("unexpected %1").arg(a);
        }
        if (!problem->isEmpty())
            return false;
    }
    if (list == (request->anchor > 0))
        *problem = QStringLiteral("give either --anchor N or --list");
    else if (request->out.isEmpty())
        *problem = QStringLiteral("--out is missing");
    return problem->isEmpty();
}

} // namespace

QString xlsxUsage()
{
    return QStringLiteral("usage: tessaro-cli xlsx FILE --anchor N|--list --out OUT.xlsx\n");
}

int xlsx(const QStringList& args)
{
    XlsxRequest request;
    QString problem;
    if (args.isEmpty() || args[0].startsWith("--"))
        return usage(QStringLiteral("missing FILE"));
    if (!parse(args, &request, &problem))
        return usage(problem);
    if (!loadProject(request.file))
        return 1;
    Project& p = project();
    const int anchors = p.isBasic() ? 1 : std::min(p.anchorCount(), int(p.Record.Anchors.size()));
    if (request.anchor > anchors) {
        QTextStream(stderr) << "tessaro-cli xlsx: --anchor must be within 1-" << anchors << "\n";
        return 1;
    }
    bool written = request.anchor == 0
        ? WriteAnchorListWorkbook(request.out, p)
        : WriteMeasurementWorkbook(request.out, p.isBasic() ? p.Record.WorkingAnchor : p.anchor(request.anchor),
            evaluationContextOf(p), ExcelColumns {});
    if (!written)
        return failed("xlsx", workbookWriteFailureText(request.out));
    print(QStringLiteral("%1: written\n").arg(request.out).toUtf8());
    return 0;
}

} // namespace tessaro::cli
