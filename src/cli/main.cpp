// tessaro-cli: the data files, evaluations and documents of the desktop
// program without a window. Usage and version go to standard output; a wrong
// or missing argument gives a one-line reason and the usage on standard error
// with status 2; a file the program refuses gives its message with status 1.

#include "cli/Commands.h"

#include "cli/JsonOutput.h"
#include "model/DataFile.h"
#include "model/VersionTexts.h"
#include "model/basMainData.h"
#include "ui/ChartOutput.h"

#include <QApplication>
#include <QTextStream>
#include <cstdio>
#include <vector>

namespace tessaro::cli {

bool loadProject(const QString& path)
{
    return LoadDataFile(path);
}

void print(const QByteArray& text)
{
    std::fwrite(text.constData(), 1, std::size_t(text.size()), stdout);
    std::fflush(stdout);
}

int failed(const char* command, const QString& reason)
{
    QTextStream(stderr) << "tessaro-cli " << command << ": " << reason << "\n";
    return 1;
}

namespace {

// A command that takes its arguments through parseArguments.
struct Command {
    const char* name;
    int (*run)(const Arguments&);
    ArgumentSpec spec;
    const char* usage; // after "usage: tessaro-cli "
    const char* summary;
};

// A command that checks its own arguments (their options depend on a kind).
struct CheckingCommand {
    const char* name;
    int (*run)(const QStringList&);
    QString (*usage)();
    const char* summary;
};

const std::vector<Command>& commands()
{
    const QStringList json = JsonOutputFlags, out = JsonOutputValued;
    static const std::vector<Command> table {
        { "dump", dump, { 1, 1, json, out }, "dump FILE [--compact] [--out OUT.json]",
            "the project as JSON, under the field names of its records" },
        { "resave", resave, { 2, 2, {}, {} }, "resave IN OUT", "loads and saves a file as the program does" },
        { "evaluate", evaluate, { 1, 1, json, out }, "evaluate FILE [--compact] [--out OUT.json]",
            "the evaluation of every anchor as JSON" },
        { "sheet", sheet, { 1, 1, json, out }, "sheet FILE [--compact] [--out OUT.json]",
            "the reading sheet of every anchor as JSON" },
        { "format", format, { 1, 1, json, out }, "format FILE.kkf [--compact] [--out OUT.json]",
            "a format file of the plan and report texts as JSON" },
    };
    return table;
}

const std::vector<CheckingCommand>& checkingCommands()
{
    static const std::vector<CheckingCommand> table {
        { "pdf", pdf, pdfUsage, "a printed document as a PDF file" },
        { "xlsx", xlsx, xlsxUsage, "measurement data or the anchor list as an Excel workbook" },
        { "format-apply", formatApply, formatApplyUsage, "applies a format file to a data file's document texts" },
    };
    return table;
}

QString programUsage()
{
    QString text = QStringLiteral("usage: tessaro-cli COMMAND ARGUMENTS\n"
                                  "       tessaro-cli COMMAND --help\n"
                                  "       tessaro-cli --help | --version\n\ncommands:\n");
    for (const Command& c : commands())
        text += QStringLiteral("  %1  %2\n").arg(QLatin1String(c.name), -12).arg(QLatin1String(c.summary));
    for (const CheckingCommand& c : checkingCommands())
        text += QStringLiteral("  %1  %2\n").arg(QLatin1String(c.name), -12).arg(QLatin1String(c.summary));
    return text;
}

int usageError(const QString& reason, const QString& usage)
{
    QTextStream(stderr) << "tessaro-cli: " << reason << "\n" << usage;
    return 2;
}

int run(QStringList args)
{
    if (args.isEmpty())
        return usageError(QStringLiteral("missing command"), programUsage());
    const QString name = args.takeFirst();
    if (name == "--help" || name == "-h") {
        print(programUsage().toUtf8());
        return 0;
    }
    if (name == "--version") {
        print(QStringLiteral("tessaro-cli (Tessaro) %1\n").arg(versionNumberText()).toUtf8());
        return 0;
    }
    const bool help = args.contains("--help") || args.contains("-h");
    for (const Command& c : commands()) {
        if (name != QLatin1String(c.name))
            continue;
        const QString usage = QStringLiteral("usage: tessaro-cli ") + QLatin1String(c.usage) + "\n";
        if (help) {
            print(usage.toUtf8());
            return 0;
        }
        Arguments parsed;
        QString reason;
        if (!parseArguments(args, c.spec, &parsed, &reason))
            return usageError(name + ": " + reason, usage);
        return c.run(parsed);
    }
    for (const CheckingCommand& c : checkingCommands()) {
        if (name != QLatin1String(c.name))
            continue;
        if (help) {
            print(c.usage().toUtf8());
            return 0;
        }
        return c.run(args);
    }
    return usageError(QStringLiteral("unknown command %1").arg(name), programUsage());
}

} // namespace
} // namespace tessaro::cli

int main(int argc, char** argv)
{
    // Never a display: documents draw charts and text off screen, whatever
    // display server the environment names.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName("Tessaro");
    tessaro::ui::installDocumentChartDrawing();
    tessaro::InitProject(tessaro::project(), 0);
    return tessaro::cli::run(app.arguments().mid(1));
}
