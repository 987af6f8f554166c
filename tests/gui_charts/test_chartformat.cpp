#include "SampleCharts.h"

#include "graphs/ChartFormatFile.h"
#include "model/UserMessage.h"
#include "support/TestSupport.h"
#include "ui/Chart2D.h"
#include "ui/OlectraChart.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace tessaro;
using namespace tessaro::ui;

namespace {

// A format as a user leaves it after working with the property editor.
ChartFormat editedFormat()
{
    ChartFormat f;
    f.title = QStringLiteral("荷重-変位量曲線（No.3）");
    f.titleFont = chartFont(QStringLiteral("IPAexMincho"), 14, true, false);
    f.x.title = QString(); // the user cleared it: no axis title at all
    f.y.labelFont = chartFont(11);
    f.y.grid = false;
    f.gridColor = QColor(0x80, 0x80, 0x80);
    f.legendVisible = false;
    f.legendPosition = LegendPosition::Right;
    f.legendFont = chartFont(QStringLiteral("IPAexGothic"), 8.5, false, true);
    SeriesStyle& elastic = f.editSeriesStyle(0, 3);
    elastic.color = QColor(Qt::darkGreen);
    elastic.line = LineStyle::Dash;
    elastic.lineWidth = 1.5;
    elastic.marker = MarkerShape::Triangle;
    elastic.markerSize = 9;
    f.editSeriesStyle(1, 0).line = LineStyle::None;
    return f;
}

void writeText(const QString& path, const QByteArray& text)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
}

} // namespace

TEST(ChartFormatFile, SavedFormatReadsBackTheSame)
{
    QString path = test::tempPath("format/IniChartGraph2.ini");
    ChartFormat saved = editedFormat();
    ASSERT_TRUE(writeChartFormat(path, saved));
    ChartFormat read;
    ASSERT_TRUE(readChartFormat(path, read));
    EXPECT_EQ(read, saved);
    EXPECT_TRUE(read.x.title.has_value()); // cleared by the user: no axis title
    EXPECT_FALSE(read.y.title.has_value()); // not changed by the user: the graph's own title stays
}

TEST(ChartFormatFile, SavingReplacesTheWholeFile)
{
    QString path = test::tempPath("format/replace.ini");
    ASSERT_TRUE(writeChartFormat(path, editedFormat()));
    ASSERT_TRUE(writeChartFormat(path, ChartFormat()));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray text = file.readAll();
    EXPECT_FALSE(text.contains("Group1Series4"));
    EXPECT_FALSE(text.contains("Title="));
    ChartFormat read;
    ASSERT_TRUE(readChartFormat(path, read));
    EXPECT_EQ(read, ChartFormat());
}

TEST(ChartFormatFile, MissingOrDamagedFilesLeaveTheDesignedAppearance)
{
    ChartFormat designed;
    designed.title = QStringLiteral("設計時のタイトル");
    designed.editSeriesStyle(0, 0).color = Qt::red;

    auto unchanged = [&](const QString& path) {
        ChartFormat f = designed;
        bool read = readChartFormat(path, f);
        return !read && f == designed;
    };
    EXPECT_TRUE(unchanged(test::tempPath("nowhere/IniChartGraph1.ini")));

    QString garbage = test::tempPath("damaged/garbage.ini");
    writeText(garbage, QByteArray("\x00\x01\xff\xfe[[[=\n\x89PNG", 12));
    EXPECT_TRUE(unchanged(garbage));

    QString otherKind = test::tempPath("damaged/other.ini");
    writeText(otherKind, "[Chart]\nTitle=abc\n");
    EXPECT_TRUE(unchanged(otherKind));

    // One unreadable value spoils the file: half a format would be neither the
    // user's nor the designed appearance.
    for (const QByteArray& bad : { QByteArray("[Group1Series1]\nColor=notacolour\n"),
             QByteArray("[Group1Series1]\nLineWidth=-3\n"), QByteArray("[Group1Series1]\nMarker=hexagon\n"),
             QByteArray("[AxisX]\nGrid=perhaps\n"), QByteArray("[Legend]\nFontSize=abc\n"),
             QByteArray("[Group999Series1]\nColor=#000000\n"), QByteArray("[Chart]\nTitleFont=\n") }) {
        QString path = test::tempPath("damaged/value.ini");
        writeText(path, "[Format]\nVersion=1\n" + bad);
        EXPECT_TRUE(unchanged(path)) << bad.constData();
    }

    QString later = test::tempPath("damaged/later.ini");
    writeText(later, "[Format]\nVersion=2\n[Chart]\nTitle=x\n");
    EXPECT_TRUE(unchanged(later));
}

TEST(OlectraChart, LoadChartFormatFromTheChartFormatFolder)
{
    Chart2D chart;
    chart.setData(test::displacementCurves());
    ChartFormat designed = chart.format();
    QFile::remove(chartFormatPath(graphFormatFile(3)));
    EXPECT_FALSE(loadChartFormat(chart, graphFormatFile(3)));
    EXPECT_EQ(chart.format(), designed);

    ASSERT_TRUE(writeChartFormat(chartFormatPath(graphFormatFile(3)), editedFormat()));
    EXPECT_TRUE(loadChartFormat(chart, graphFormatFile(3)));
    EXPECT_EQ(chart.format(), editedFormat());
    EXPECT_EQ(chart.data().title, QStringLiteral("荷重-変位量曲線")); // the data is not touched
}

TEST(OlectraChart, SaveAsDefaultAsksFirstAndNoChangesNothing)
{
    Chart2D chart1;
    Chart2D chart2;
    chart1.setFormat(editedFormat());
    QString file1 = chartFormatPath(summaryFormatFile(1));
    QString file2 = chartFormatPath(summaryFormatFile(2));
    QFile::remove(file1);
    QFile::remove(file2);
    std::vector<ChartFormatTarget> targets { { &chart1, summaryFormatFile(1) }, { &chart2, summaryFormatFile(2) } };

    MessageScript script;
    script.answer(AnswerNo);
    EXPECT_FALSE(saveChartFormatsAsDefault(targets));
    ASSERT_EQ(script.shown().size(), 1u);
    EXPECT_EQ(script.last().text, QStringLiteral("現在のグラフ書式が初期値として更新されますが、よろしいですか？"));
    EXPECT_EQ(script.last().buttons, MsgButtons::YesNo);
    EXPECT_FALSE(QFile::exists(file1));
    EXPECT_FALSE(QFile::exists(file2));

    script.answer(AnswerYes);
    EXPECT_TRUE(saveChartFormatsAsDefault(targets));
    EXPECT_EQ(script.shown().size(), 2u);
    ChartFormat read1, read2;
    ASSERT_TRUE(readChartFormat(file1, read1));
    ASSERT_TRUE(readChartFormat(file2, read2));
    EXPECT_EQ(read1, editedFormat());
    EXPECT_EQ(read2, ChartFormat());
}

TEST(OlectraChart, SaveAsDefaultThatCannotWriteTellsTheUser)
{
    Chart2D chart;
    QString blocked = chartFormatPath("blocked.ini");
    QDir().mkpath(blocked); // a folder where the file should be
    MessageScript script;
    script.answer(AnswerYes);
    EXPECT_FALSE(saveChartFormatsAsDefault({ { &chart, "blocked.ini" } }));
    ASSERT_EQ(script.shown().size(), 2u);
    EXPECT_TRUE(script.last().text.startsWith(QStringLiteral("グラフ書式を保存できませんでした。")));
    EXPECT_EQ(script.last().icon, MsgIcon::Exclamation);
}
