// Pictures of the graph windows and graph files for looking at, written only
// when TESSARO_SCREENSHOTS names a folder (run under Xvfb for the real look).

#include "GraphProject.h"

#include "graphs/frmEffectGraph.h"
#include "graphs/frmGRAPH.h"
#include "ui/GraphFiles.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>
#include <gtest/gtest.h>

using namespace tessaro;

namespace {

QString screenshotFolder()
{
    return qEnvironmentVariable("TESSARO_SCREENSHOTS");
}

void grab(QWidget& window, const QString& name)
{
    window.show();
    QTest::qWait(200);
    EXPECT_TRUE(window.grab().save(QDir(screenshotFolder()).filePath(name)));
}

void renderSvg(const QString& svg, const QString& name)
{
    QSvgRenderer renderer(svg);
    QImage image(renderer.defaultSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderer.render(&painter);
    EXPECT_TRUE(image.save(QDir(screenshotFolder()).filePath(name)));
}

} // namespace

TEST(Screenshots, GraphWindowsAndFiles)
{
    if (screenshotFolder().isEmpty())
        GTEST_SKIP() << "TESSARO_SCREENSHOTS not set";
    test::setUpMeasuredProject(20);
    {
        frmGRAPH window;
        grab(window, "frmGRAPH.png");
    }
    {
        frmEffectGraph window;
        grab(window, "frmEffectGraph.png");
    }
    test::setUpMixedProject();
    {
        frmGRAPH window;
        window.moveToAnchor(3); // its sheet, nothing read
        grab(window, "frmGRAPH_unread.png");
    }
    test::setUpMeasuredProject(20);
    QString folder = screenshotFolder();
    ASSERT_TRUE(ui::writeAnchorGraphs(project(), 1, folder));
    ASSERT_TRUE(ui::writeLoadPlanGraph(project(), 1, LoadPlanFigure::QualityPlan, folder));
    for (int g = 1; g <= 4; ++g)
        renderSvg(QDir(folder).filePath(anchorGraphFile(g, 1)), QStringLiteral("GRAPH%1_1.png").arg(g));
    renderSvg(QDir(folder).filePath("GphHojiK1.svg"), "GphHojiK1.png");
}
