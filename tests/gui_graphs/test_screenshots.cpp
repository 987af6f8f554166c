// Pictures of the graph windows for looking at, written only when
// TESSARO_SCREENSHOTS names a folder (run under Xvfb for the real look).

#include "GraphProject.h"

#include "graphs/frmEffectGraph.h"
#include "graphs/frmGRAPH.h"
#include "support/GuiTestSupport.h"

using namespace tessaro;

TEST(Screenshots, GraphWindows)
{
    if (qEnvironmentVariableIsEmpty("TESSARO_SCREENSHOTS"))
        GTEST_SKIP() << "TESSARO_SCREENSHOTS not set";
    test::setUpMeasuredProject(20);
    frmGRAPH graphs;
    test::screenshot(graphs, "frmGRAPH");
    frmEffectGraph summary;
    test::screenshot(summary, "frmEffectGraph");
}
