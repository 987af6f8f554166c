#include "cli/Commands.h"

#include "model/DataFile.h"
#include "model/basMainData.h"
#include "ui/ChartOutput.h"

#include <QApplication>
#include <QTextStream>
#include <cstdio>
#include <map>

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

namespace {

using Command = int (*)(const QStringList&);

const std::map<QString, Command>& commands()
{
    static const std::map<QString, Command> table{
        {"dump", dump},
        {"resave", resave},
        {"evaluate", evaluate},
        {"sheet", sheet},
        {"pdf", pdf},
        {"xlsx", xlsx},
    };
    return table;
}

int usage()
{
    QTextStream(stderr) << "usage: tessaro-cli dump FILE\n"
                           "       tessaro-cli resave IN OUT\n"
                           "       tessaro-cli evaluate FILE\n"
                           "       tessaro-cli sheet FILE\n"
                           "       tessaro-cli pdf FILE --doc KIND [options] --out OUT.pdf\n"
                           "       tessaro-cli xlsx FILE --anchor N|--list --out OUT.xlsx\n";
    return 2;
}

} // namespace
} // namespace tessaro::cli

int main(int argc, char** argv)
{
    // Headless: documents draw charts and fonts without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName("Tessaro");
    tessaro::ui::installDocumentChartDrawing();
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return tessaro::cli::usage();
    auto it = tessaro::cli::commands().find(args.takeFirst());
    if (it == tessaro::cli::commands().end())
        return tessaro::cli::usage();
    tessaro::InitProject(tessaro::project(), 0);
    return it->second(args);
}
