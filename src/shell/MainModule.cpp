#include "shell/MainModule.h"

#include "model/AppPaths.h"
#include "model/DataFile.h"
#include "model/UserMessage.h"
#include "model/VersionTexts.h"
#include "model/basMainData.h"
#include "refdb/SchemaUpgrade.h"
#include "shell/DlgSplash.h"
#include "shell/SingleInstance.h"
#include "shell/UpdateChecker.h"
#include "shell/frmMain.h"
#include "shell/frmStart.h"
#include "ui/ChartOutput.h"
#include "ui/MessageBoxAdapter.h"

#include <QApplication>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>

namespace tessaro::MainModule {
namespace {

void useJapaneseFont()
{
    if (QFontDatabase::families().contains("IPAexGothic")) {
        QFont f("IPAexGothic");
        f.setPointSize(10);
        QApplication::setFont(f);
    }
}

} // namespace

QString commandLineFile(const QStringList& arguments)
{
    QString line = arguments.mid(1).join(' ');
    if (line.endsWith('"'))
        line = line.mid(1, line.size() - 2);
    return line;
}

bool LoadFromCommandLine(frmMain& main, const QString& path)
{
    if (path.isEmpty() || !LoadDataFile(path))
        return false;
    Project& p = project();
    main.setTestTypeButton(p.isBasic());
    main.Main_Data_Load(1, p.TestCategory);
    main.Shiken();
    if (p.isBasic())
        ResizeAnchorArrays(p, 1);
    main.Main_FileNameRefrash(QFileInfo(path).fileName());
    main.CurrentPath = path;
    return true;
}

int run(const QStringList& arguments)
{
    QApplication::setApplicationName(AppTitle);
    QApplication::setApplicationDisplayName(AppTitle);
    useJapaneseFont();
    ui::installMessageBoxes();
    ui::installDocumentChartDrawing();

    SingleInstance instance;
    if (!instance.acquire()) {
        showMessage(QStringLiteral("既に起動されています"), MsgIcon::Critical);
        return 0;
    }

    DlgSplash splash;
    splash.show();
    QApplication::processEvents();

    paths::seedDataDir();
    MakeVersionTexts();
    refdb::LoadDatabaseSettings(refdb::DatabaseUpgradeSteps());
    Project& p = project();
    ResetProjectHeader(p);
    InitProject(p, 0);
    splash.close();

    frmMain main;
    main.show();
    StartUpdateChecker(false);

    if (!LoadFromCommandLine(main, commandLineFile(arguments))) {
        switch (frmStart::ShowForm(&main)) {
        case frmStart::NewProject:
            if (p.isBasic())
                ResizeAnchorArrays(p, 1);
            main.Shiken();
            break;
        case frmStart::EndProgram:
            main.closeWithoutAsking();
            return 0;
        default: break;
        }
    }
    main.RebuildRecentMenu();
    return QApplication::exec();
}

} // namespace tessaro::MainModule
