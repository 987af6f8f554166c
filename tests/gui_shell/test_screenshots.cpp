// Pictures of the main window and the shell dialogs for looking at their
// layout: written only when TESSARO_SCREENSHOTS names a folder (run under a
// real display, e.g. xvfb-run with QT_QPA_PLATFORM=xcb).

#include "support/CompleteAnchors.h"

#include "MainWindowDriver.h"
#include "shell/DlgCalendar.h"
#include "shell/frmFileName.h"
#include "shell/frmTitle.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QFontDatabase>

using namespace tessaro;

namespace {

QString shotDir()
{
    return qEnvironmentVariable("TESSARO_SCREENSHOTS");
}

void useProgramFont()
{
    if (QFontDatabase::families().contains("IPAexGothic")) {
        QFont f("IPAexGothic");
        f.setPointSize(10);
        QApplication::setFont(f);
    }
}

void save(QWidget& w, const QString& name)
{
    QApplication::processEvents();
    ASSERT_TRUE(w.grab().save(QDir(shotDir()).filePath(name + ".png")));
}

// Twenty anchors of a works, load-distribution types among them, the last two
// not yet entered.
void makeWorks(Project& p)
{
    test::makeQualityProject(p, 20);
    p.Record.WorksName = QStringLiteral("一般国道123号 法面対策工事");
    for (int i = 4; i <= 20; i += 4) {
        p.anchor(i).Tendon.AnchorTypeCode = 3;
        p.anchor(i).Tendon.AnchorTypeName = QStringLiteral("荷重分散型アンカー KTB-3");
        p.anchor(i).Tendon.BodyCount = 3;
    }
    p.anchor(19).AnchorNo.clear();
    p.anchor(20) = AnchorRecord {};
    p.CurrentAnchor = 4;
}

} // namespace

TEST(Screenshots, MainWindowAndShellDialogs)
{
    if (shotDir().isEmpty())
        GTEST_SKIP() << "TESSARO_SCREENSHOTS not set";
    useProgramFont();
    makeWorks(project());
    {
        frmMain main;
        main.resize(1366, 740);
        main.show();
        main.Main_FileNameRefrash("houmen.tsx");
        save(main, "main-quality");
        test::command(main, "MenuHyouHyouji");
        save(main, "main-quality-list");
    }
    test::makeBasicProject(project());
    {
        frmMain main;
        main.setTestTypeButton(true);
        main.Shiken();
        main.resize(1366, 740);
        main.show();
        save(main, "main-basic");
    }
    frmTitle title;
    title.show();
    save(title, "frmTitle");
    frmFileName file(frmFileName::Plan);
    file.show();
    save(file, "frmFileName");
    DlgCalendar calendar(QDate(2024, 5, 21));
    calendar.show();
    save(calendar, "DlgCalendar");
}
