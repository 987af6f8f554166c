#include "shell/MainModule.h"

#include "evaluation/CycleEvaluation.h"
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
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

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

// Qt's own dialogs (file dialogs, standard buttons) speak Japanese like the
// rest of the program.
void useJapaneseQtTexts()
{
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const char* catalogue : { "qtbase_ja", "qt_ja" }) {
        auto* translator = new QTranslator(qApp);
        if (translator->load(QString::fromLatin1(catalogue), folder))
            QCoreApplication::installTranslator(translator);
        else
            delete translator;
    }
}

// A later start hands its file over; without a file it is refused.
int refuseSecondStart(SingleInstance& instance, const QString& file)
{
    if (!file.isEmpty() && instance.handOver(paths::canonicalFilePath(file)))
        return 0;
    showMessage(QStringLiteral("既に起動されています"), MsgIcon::Critical);
    return 0;
}

} // namespace

void setUpApplication()
{
    QApplication::setApplicationName(AppTitle);
    // Task bars group the windows under the installed desktop entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("jp.tessaro.Tessaro"));
    QApplication::setWindowIcon(QIcon(paths::resource(QStringLiteral("Picture/tessaro.svg"))));
    useJapaneseFont();
    useJapaneseQtTexts();
}

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
    EvaluateProject(p);
    main.setTestTypeButton(p.isBasic());
    main.Main_Data_Load(1, p.TestCategory);
    main.Shiken();
    if (p.isBasic())
        ResizeAnchorArrays(p, 1);
    main.setCurrentFile(path);
    main.Main_FileNameRefrash(QFileInfo(main.CurrentPath).fileName());
    return true;
}

int run(const QStringList& arguments)
{
    setUpApplication();
    ui::installMessageBoxes();
    ui::installDocumentChartDrawing();
    SingleInstance instance;
    if (!instance.acquire())
        return refuseSecondStart(instance, commandLineFile(arguments));

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
    QObject::connect(&instance, &SingleInstance::fileRequested, &main, &frmMain::openRequestedFile);
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
        default:
            break;
        }
    }
    main.RebuildRecentMenu();
    return QApplication::exec();
}

} // namespace tessaro::MainModule
