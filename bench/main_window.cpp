// The main window on a project of 999 anchors: moving to the next or previous
// anchor (anchor check, particulars shown again, list row marked) and
// editing the anchor on screen or a cell of the list must feel instant.

#include "ApplicationBench.h"

#include "GeneratedProject.h"

#include "model/UserMessage.h"
#include "planning/AnchorListTexts.h"
#include "shell/frmMain.h"
#include "ui/SpreadGrid.h"

#include <QApplication>
#include <QLineEdit>
#include <benchmark/benchmark.h>

using namespace tessaro;

namespace {

// The generated anchors carry plans and readings; the main window's check also
// wants each anchor's test conditions and tendon and anchorage choices.
void completeParticulars(Project& p)
{
    for (int i = 1; i <= p.anchorCount(); ++i) {
        AnchorRecord& a = p.anchor(i);
        a.AnchorNote = QStringLiteral("適性試験");
        a.DesignAnchorForce = 300;
        a.AnchorageGround = 1;
        a.AnchoringType = 0;
        a.LockOffMode = 0;
        a.Tendon.AnchorRank = 0;
        a.Tendon.TensioningType = 0;
        a.Tendon.AnchorTypeCode = 0;
        a.Tendon.AnchorLength = 6000;
        a.Spec2.LoadChangeBySpeed = 0;
        a.Spec2.LoadingMinutes = 1;
        a.Spec2.UnloadingMinutes = 1;
        p.Record.Schedules[std::size_t(i - 1)].SetFlag = 1;
    }
}

struct Fixture {
    Fixture()
    {
        bench::generateProject(project());
        completeParticulars(project());
        main = std::make_unique<frmMain>();
        main->resize(1366, 740);
        main->show();
        QApplication::processEvents();
    }
    MessageScript messages; // a message would mean a failed check: answered, counted below
    std::unique_ptr<frmMain> main;
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}

void NavigateBetweenAnchors(benchmark::State& state)
{
    frmMain& main = *fixture().main;
    bool forward = true;
    for (auto _ : state) {
        const int current = project().CurrentAnchor;
        if (current >= project().anchorCount())
            forward = false;
        else if (current <= 1)
            forward = true;
        if (forward)
            main.cmdNext_Click();
        else
            main.cmdPrev_Click();
        QApplication::processEvents();
    }
    state.counters["messages"] = double(fixture().messages.shown().size());
}
BENCHMARK(NavigateBetweenAnchors)->Unit(benchmark::kMillisecond);

void EditTheAnchorOnScreen(benchmark::State& state)
{
    frmMain& main = *fixture().main;
    auto* freeLength = main.findChild<QLineEdit*>("imText1");
    int value = 9000;
    for (auto _ : state) {
        const QString text = QString::number(++value);
        freeLength->setText(text);
        emit freeLength->textEdited(text);
        QApplication::processEvents();
    }
}
BENCHMARK(EditTheAnchorOnScreen)->Unit(benchmark::kMillisecond);

void EditACellOfTheList(benchmark::State& state)
{
    ui::SpreadGrid* grid = fixture().main->findChild<ui::SpreadGrid*>("vaSpreadHinshitu");
    int edits = 0;
    for (auto _ : state) {
        ++edits;
        grid->EnterText(ListColName, edits % bench::Anchors + 1, QStringLiteral("B-%1").arg(edits));
        QApplication::processEvents();
    }
}
BENCHMARK(EditACellOfTheList)->Unit(benchmark::kMillisecond);

void OpenTheWindowOnTheProject(benchmark::State& state)
{
    fixture();
    for (auto _ : state) {
        frmMain main;
        benchmark::DoNotOptimize(&main);
    }
}
BENCHMARK(OpenTheWindowOnTheProject)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    return tessaro::bench::runWithApplication(argc, argv, {}, [] { fixture().main.reset(); });
}
