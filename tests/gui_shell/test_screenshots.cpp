// Pictures of the main window and the shell dialogs for looking at their
// layout: written only when TESSARO_SCREENSHOTS names a folder (run under a
// real display, e.g. xvfb-run with QT_QPA_PLATFORM=xcb).

#include "support/CompleteAnchors.h"

#include "MainWindowDriver.h"
#include "shell/DlgCalendar.h"
#include "shell/frmFileName.h"
#include "shell/frmTitle.h"

using namespace tessaro;

TEST(Screenshots, MainWindowAndShellDialogs)
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
    frmTitle title;
    test::screenshot(title, "frmTitle");
    frmFileName file(frmFileName::Plan);
    test::screenshot(file, "frmFileName");
    DlgCalendar calendar(QDate(2024, 5, 21));
    test::screenshot(calendar, "DlgCalendar");
}
