// Test entry point: private data, settings and runtime folders, the offscreen platform,
// and a QApplication (windows) or QCoreApplication (core) as the tests need.

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#ifdef TESSARO_GUI_TESTS
#include "ui/ChartOutput.h"
#include "ui/Modal.h"

#include <QApplication>
using TestApplication = QApplication;
#else
#include <QCoreApplication>
using TestApplication = QCoreApplication;
#endif

int main(int argc, char** argv)
{
    QTemporaryDir data;
    QTemporaryDir config;
    QTemporaryDir runtime; // made for the user alone, as a desktop session's is
    qputenv("TESSARO_DATA", data.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
    qputenv("TMPDIR", data.path().toUtf8());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TestApplication app(argc, argv);
#ifdef TESSARO_GUI_TESTS
    tessaro::ui::rejectUnscriptedModals();
    // As both programs do at start-up.
    tessaro::ui::installDocumentChartDrawing();
#endif
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
