// tessaro-cli dump and sheet of a full project (999 anchors of 120 readings):
// the command's wall time and the peak memory of its process. Targets: under
// 2 s and under 400 MB each, the JSON written anchor by anchor.

#include "GeneratedProject.h"
#include "model/DataFile.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>

using namespace tessaro;

namespace {

// The generated project; kept where TESSARO_BENCH_FILE names, for a closer look.
QString projectFile()
{
    static QTemporaryDir dir;
    static QString path = [] {
        QString file = qEnvironmentVariable("TESSARO_BENCH_FILE", dir.path() + "/full.tsx");
        bench::generateProject(project());
        SaveDataFile(file);
        return file;
    }();
    return path;
}

QString cli()
{
    return QCoreApplication::applicationDirPath() + "/tessaro-cli";
}

// Runs the command with its output thrown away; reported besides the wall
// time: the processor time of the command and the peak memory of the largest
// child so far, in MB (the wall time alone misleads on a busy machine).
void runCommand(benchmark::State& state, const char* command)
{
    const QString file = projectFile();
    for (auto _ : state) {
        QProcess p;
        p.setStandardOutputFile(QProcess::nullDevice());
        p.start(cli(), { command, file });
        p.waitForFinished(-1);
        if (p.exitCode() != 0)
            state.SkipWithError("the command failed");
    }
    rusage usage {};
    getrusage(RUSAGE_CHILDREN, &usage);
    auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    state.counters["peak_MB"] = double(usage.ru_maxrss) / 1024.0;
    state.counters["cpu_s_per_run"] = (seconds(usage.ru_utime) + seconds(usage.ru_stime)) / double(state.iterations());
}

} // namespace

static void DumpFullProject(benchmark::State& state)
{
    runCommand(state, "dump");
}
BENCHMARK(DumpFullProject)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

static void SheetOfFullProject(benchmark::State& state)
{
    runCommand(state, "sheet");
}
BENCHMARK(SheetOfFullProject)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
