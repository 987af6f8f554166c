// Saving and loading a full project (999 anchors of 120 readings) against
// simply reading the file's bytes. Targets: each under 0.5 s and under ten
// times the plain read; the same project in the layout of release 4.003
// loads (converted) in under twice the time of today's layout.

#include "model/DataFile.h"
#include "GeneratedProject.h"
#include "support/OlderReleaseFiles.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace tessaro;

namespace {

QString projectFile()
{
    static QTemporaryDir dir;
    static QString path = [] {
        QString file = dir.path() + "/full.tsx";
        bench::generateProject(project());
        SaveDataFile(file);
        return file;
    }();
    return path;
}

// The project in the layout of release 4.003, whose rows count time in 16 bits:
// the generated elapsed times (at most 7140 s) fit.
QString release4003File()
{
    static QTemporaryDir dir;
    static QString path = [] {
        QString file = dir.path() + "/full-4003.tsx";
        bench::generateProject(project());
        QFile f(file);
        f.open(QIODevice::WriteOnly);
        f.write(test::olderReleaseFile(project(), Release::R4003));
        return file;
    }();
    return path;
}

} // namespace

static void SaveFullProject(benchmark::State& state)
{
    QString path = projectFile();
    bench::generateProject(project());
    for (auto _ : state)
        benchmark::DoNotOptimize(SaveDataFile(path));
}
BENCHMARK(SaveFullProject)->Unit(benchmark::kMillisecond);

static void LoadFullProject(benchmark::State& state)
{
    QString path = projectFile();
    for (auto _ : state)
        benchmark::DoNotOptimize(LoadDataFile(path));
    state.counters["anchors"] = double(project().Record.Anchors.size());
}
BENCHMARK(LoadFullProject)->Unit(benchmark::kMillisecond);

static void LoadFullProjectOfRelease4003(benchmark::State& state)
{
    QString path = release4003File();
    for (auto _ : state)
        benchmark::DoNotOptimize(LoadDataFile(path));
    state.counters["anchors"] = double(project().Record.Anchors.size());
}
BENCHMARK(LoadFullProjectOfRelease4003)->Unit(benchmark::kMillisecond);

static void ReadFileBytes(benchmark::State& state)
{
    QString path = projectFile();
    for (auto _ : state) {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        QByteArray bytes = f.readAll();
        benchmark::DoNotOptimize(bytes.data());
    }
    state.counters["bytes"] = double(QFile(path).size());
}
BENCHMARK(ReadFileBytes)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QTemporaryDir data; // saves record the file among the recent files of a private settings folder
    qputenv("TESSARO_DATA", data.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", data.path().toUtf8());
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
