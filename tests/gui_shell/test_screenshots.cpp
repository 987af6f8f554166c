// Pictures of the main window for looking at its layout: written only when
// TESSARO_SCREENSHOTS names a folder (run under a real display, e.g. xvfb-run
// with QT_QPA_PLATFORM=xcb).

#include "support/CompleteAnchors.h"

#include "MainWindowDriver.h"

using namespace tessaro;

TEST(Screenshots, MainWindow)
{
    if (qEnvironmentVariableIsEmpty("TESSARO_SCREENSHOTS"))
        GTEST_SKIP() << "TESSARO_SCREENSHOTS not set";
    // Twenty anchors, load-distribution types among them, the last two not yet entered.
    test::makeQualityProject(project(), 20);
    project().Record.WorksName = QStringLiteral("一般国道123号 法面対策工事");
    for (int i = 4; i <= 20; i += 4)
        project().anchor(i).Tendon.AnchorTypeCode = 3;
    project().anchor(19).AnchorNo.clear();
    project().anchor(20) = AnchorRecord {};
    {
        frmMain main;
        main.resize(1366, 740);
        main.Main_FileNameRefrash("houmen.tsx");
        test::screenshot(main, "main-quality");
        test::command(main, "MenuHyouHyouji");
        test::screenshot(main, "main-quality-list");
    }
    test::makeBasicProject(project());
    frmMain basic;
    basic.setTestTypeButton(true);
    basic.Shiken();
    basic.resize(1366, 740);
    test::screenshot(basic, "main-basic");
}
