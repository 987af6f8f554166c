#include "model/VersionTexts.h"
#include "shell/MainModule.h"

#include <QApplication>
#include <cstdio>
#include <cstring>

namespace {

const char* const Usage = "usage: tessaro [FILE]\n"
                          "       tessaro --help | --version\n"
                          "Opens FILE (a Tessaro data file, .tsx) or shows the start window.\n"
                          "A path that begins with \"-\" is given after \"--\".\n";

bool isHelp(const char* arg)
{
    return !std::strcmp(arg, "--help") || !std::strcmp(arg, "-h");
}

} // namespace

int main(int argc, char** argv)
{
    // Answered before any window system is needed.
    if (argc > 1 && isHelp(argv[1])) {
        std::fputs(Usage, stdout);
        return 0;
    }
    if (argc > 1 && !std::strcmp(argv[1], "--version")) {
        std::printf("tessaro (Tessaro) %s\n", tessaro::versionNumberText().toUtf8().constData());
        return 0;
    }
    QApplication app(argc, argv); // takes Qt's own options (-platform, -style …)
    QStringList arguments = app.arguments();
    // Any other option is refused rather than taken for a file name.
    const qsizetype end = arguments.indexOf(QStringLiteral("--"));
    for (qsizetype i = 1; i < (end < 0 ? arguments.size() : end); ++i) {
        if (arguments[i].startsWith('-')) {
            std::fprintf(stderr, "tessaro: unknown option %s\n%s", qPrintable(arguments[i]), Usage);
            return 2;
        }
    }
    if (end >= 0)
        arguments.removeAt(end);
    return tessaro::MainModule::run(arguments);
}
