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
#include <QScreen>

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

// Twenty anchors of a retaining-wall works: friction and load-distribution
// types, suitability tests on the first three, measured up to anchor 12.
void makeWorks(Project& p)
{
    test::makeQualityProject(p, 20);
    p.Record.WorksName = QStringLiteral("一般国道123号 法面対策工事");
    for (int i = 1; i <= 20; ++i) {
        AnchorRecord& a = p.anchor(i);
        a.AnchorNo = QStringLiteral("No.%1").arg(i, 2, 10, QChar('0'));
        a.ConfirmationTest = i > 3;
        a.AnchorNote = i > 3 ? QStringLiteral("確認試験") : QStringLiteral("適性試験");
        a.DesignAnchorForce = float(380 + 10 * (i % 5));
        a.DesignAnchorForceSeismic = float(450 + 10 * (i % 4));
        a.AnchorageGround = std::int16_t(i % 3 == 0 ? 0 : 1);
        a.Tendon.FreeLength = 8000 + 500 * (i % 6);
        a.Tendon.TensionFreeLength = a.Tendon.FreeLength + a.Tendon.ExtraLength;
        a.Tendon.AnchorLength = 6000 + 500 * (i % 3);
        a.Plan.PlannedMaxLoad = std::round(1.25f * a.DesignAnchorForce);
        a.Plan.InitialLoad = std::round(0.1f * a.Plan.PlannedMaxLoad);
        a.LockOffLoad = std::round(0.9f * a.DesignAnchorForce);
        a.JackingForce = a.LockOffLoad + 38.5f;
        if (i % 4 == 0) {
            a.Tendon.AnchorTypeCode = 3;
            a.Tendon.AnchorTypeName = QStringLiteral("荷重分散型アンカー KTB-3");
            a.Tendon.BodyCount = 3;
        }
        if (i <= 12) {
            a.Measurer = QStringLiteral("山田 太郎");
            a.GroutDate = QStringLiteral("2024年04月%1日").arg(i + 3, 2, 10, QChar('0'));
            a.TestDate = QStringLiteral("2024年05月%1日").arg(i + 3, 2, 10, QChar('0'));
        }
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
        main.resize(1024, 700);
        save(main, "main-quality-list-small");
        test::command(main, "Kirikae");
        save(main, "main-quality-small");
    }
    test::makeBasicProject(project());
    project().Record.WorkingAnchor.Spec2.PullOutResistanceText = "763.41";
    {
        frmMain main;
        main.setTestTypeButton(true);
        main.Shiken();
        main.Main_FileNameRefrash("kihon.tsx");
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
