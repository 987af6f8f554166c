// The engine's PDF: pages, page sizes, Japanese text, pictures fitted into
// their fields, texts fitted to theirs, and a file that cannot be written.

#include "documents/PrintModule.h"
#include "support/DataSheetSamples.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPdfDocument>
#include <QPdfSelection>
#include <gtest/gtest.h>

using namespace tessaro;
using report::ReportEngine;

namespace {

QString writeFile(const QString& name, const QByteArray& bytes)
{
    QString path = test::tempPath(name);
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return path;
}

QString form(const QString& name, const QByteArray& items, const QByteArray& orientation = "portrait")
{
    return writeFile(name,
        "{\"format\": \"tessaro-report-template\", \"version\": 1, \"height\": 1000, "
        "\"orientation\": \""
            + orientation + "\", \"items\": [" + items + "]}");
}

// Pixels per mm of the rendered pages: fine enough for strokes of small text.
constexpr int Scale = 4;

// The page on white paper.
QImage renderPage(QPdfDocument& pdf, int page)
{
    QSizeF points = pdf.pagePointSize(page);
    QImage drawn = pdf.render(page, (points * Scale * 25.4 / 72.0).toSize());
    QImage paper(drawn.size(), QImage::Format_RGB32);
    paper.fill(Qt::white);
    QPainter(&paper).drawImage(0, 0, drawn);
    return paper;
}

// Ink at (x, y) mm.
bool inkAt(const QImage& image, int x, int y)
{
    return qGray(image.pixel(x * Scale, y * Scale)) < 160;
}

} // namespace

TEST(PdfOutput, DataSheetsAreA4PagesWithTheirJapaneseTexts)
{
    Project p;
    test::makeQualityProject(p, 2, 31);
    QString file = test::tempPath("sheets.pdf");
    ReportEngine engine(file);
    ASSERT_TRUE(PrintModule::PrintDataSheets(engine, p, 1, 2, {}));
    EXPECT_TRUE(engine.problems().isEmpty()) << engine.problems().join("\n").toStdString();

    QPdfDocument pdf;
    ASSERT_EQ(pdf.load(file), QPdfDocument::Error::None);
    ASSERT_EQ(pdf.pageCount(), 4);
    EXPECT_NEAR(pdf.pagePointSize(0).width(), 595.3, 0.5);
    EXPECT_NEAR(pdf.pagePointSize(0).height(), 841.9, 0.5);
    QString first = pdf.getAllText(0).text();
    EXPECT_TRUE(first.contains(QStringLiteral("適性試験"))) << first.toStdString();
    EXPECT_TRUE(first.contains(QStringLiteral("頭部変位量"))) << first.toStdString();
    EXPECT_TRUE(first.contains(QStringLiteral("123.45"))) << first.toStdString();
    QString second = pdf.getAllText(1).text();
    EXPECT_TRUE(second.contains("31")) << second.toStdString();
    EXPECT_FALSE(second.contains(QStringLiteral("工　事　名"))); // the items block is on the first page only
}

TEST(PdfOutput, AFirstLandscapeTemplateTurnsItsPage)
{
    QString landscape = form("landscape.jfm", R"({"type": "line", "x1": 0, "y1": 0, "x2": 100, "y2": 0})", "landscape");
    QString portrait = form("portrait.jfm", R"({"type": "line", "x1": 0, "y1": 0, "x2": 100, "y2": 0})");
    QString file = test::tempPath("turned.pdf");
    ReportEngine engine(file);
    engine.Start();
    for (const QString& t : { landscape, portrait, portrait }) {
        engine.setFormName(t);
        engine.DrawForm();
        engine.setFormName(portrait); // a later template does not turn the page back
        engine.DrawForm();
        engine.NewPage();
    }
    ASSERT_TRUE(engine.End());
    QPdfDocument pdf;
    ASSERT_EQ(pdf.load(file), QPdfDocument::Error::None);
    ASSERT_EQ(pdf.pageCount(), 3);
    EXPECT_GT(pdf.pagePointSize(0).width(), pdf.pagePointSize(0).height());
    EXPECT_LT(pdf.pagePointSize(1).width(), pdf.pagePointSize(1).height());
}

TEST(PdfOutput, ADocumentWithoutPagesStillOpensWithOnePage)
{
    QString file = test::tempPath("empty.pdf");
    ReportEngine engine(file);
    engine.Start();
    ASSERT_TRUE(engine.End());
    EXPECT_EQ(engine.MaxPage(), 0);
    QPdfDocument pdf;
    ASSERT_EQ(pdf.load(file), QPdfDocument::Error::None);
    EXPECT_EQ(pdf.pageCount(), 1);
}

TEST(PdfOutput, AFileThatCannotBeWrittenIsReportedAndAnOldOneKept)
{
    ReportEngine nowhere(test::tempPath("no-such-folder/out.pdf"));
    EXPECT_FALSE(PrintModule::PrintBlankDataSheets(nowhere, 1));
    EXPECT_FALSE(nowhere.problems().isEmpty());

    // An earlier document stays whole until the new one is complete.
    QString file = writeFile("kept.pdf", "earlier document");
    {
        ReportEngine engine(file);
        engine.Start();
        engine.setFormName(form("any.jfm", ""));
        engine.DrawForm();
    } // abandoned without End
    QFile kept(file);
    kept.open(QIODevice::ReadOnly);
    EXPECT_EQ(kept.readAll(), "earlier document");
}

TEST(PdfOutput, PicturesAreFittedIntoTheirFieldsKeepingTheirShape)
{
    // A wide black picture (4:1) in a square field 100 mm × 100 mm at (20, 20) mm:
    // it fills the width and a band of 25 mm about the field's middle.
    QImage wide(400, 100, QImage::Format_RGB32);
    wide.fill(Qt::black);
    QString png = test::tempPath("wide.png");
    wide.save(png);
    QString svg
        = writeFile("tall.svg", R"(<svg xmlns="http://www.w3.org/2000/svg" width="10" height="40" viewBox="0 0 10 40">
        <rect width="10" height="40" fill="black"/></svg>)");
    QString t = form("pictures.jfm", R"({"type": "image", "x": 2000, "y": 0, "w": 10000, "h": 10000, "name": "IMAGE"},
                                        {"type": "image", "x": 2000, "y": 12000, "w": 10000, "h": 10000, "name": "IMAGE_2"})");
    QString file = test::tempPath("pictures.pdf");
    ReportEngine engine(file);
    engine.Start();
    engine.setTopMargin(2000);
    engine.setFormName(t);
    engine.SetFieldImage("IMAGE", png);
    engine.SetFieldImage("IMAGE_2", svg);
    engine.DrawForm();
    ASSERT_TRUE(engine.End());
    EXPECT_TRUE(engine.problems().isEmpty()) << engine.problems().join("\n").toStdString();

    QPdfDocument pdf;
    ASSERT_EQ(pdf.load(file), QPdfDocument::Error::None);
    QImage page = renderPage(pdf, 0);
    EXPECT_TRUE(inkAt(page, 22, 70)); // left end of the band
    EXPECT_TRUE(inkAt(page, 118, 70)); // right end
    EXPECT_FALSE(inkAt(page, 70, 50)); // above the band
    EXPECT_FALSE(inkAt(page, 70, 90)); // below it
    // The tall SVG (1:4) in the lower field at (20, 140) mm: a column 25 mm wide.
    EXPECT_TRUE(inkAt(page, 70, 142));
    EXPECT_TRUE(inkAt(page, 70, 238));
    EXPECT_FALSE(inkAt(page, 50, 190));
    EXPECT_FALSE(inkAt(page, 90, 190));
}

TEST(PdfOutput, ALongTextIsShrunkIntoItsFieldOrWrapped)
{
    const QString text = QStringLiteral("国道123号線　○○地区法面補強工事（その２）グラウンドアンカー工");
    QString t
        = form("texts.jfm", R"({"type": "field", "x": 2000, "y": 0, "w": 6000, "h": 600, "name": "Shrink", "size": 12},
        {"type": "field", "x": 2000, "y": 2000, "w": 6000, "h": 1500, "name": "Wrap", "size": 12, "overflow": "wrap"},
        {"type": "field", "x": 2000, "y": 5000, "w": 6000, "h": 600, "name": "Clip", "size": 12, "overflow": "clip"})");
    QString file = test::tempPath("texts.pdf");
    ReportEngine engine(file);
    engine.Start();
    engine.setFormName(t);
    for (const char* field : { "Shrink", "Wrap", "Clip" })
        engine.SetFieldText(field, text);
    engine.DrawForm();
    ASSERT_TRUE(engine.End());

    QPdfDocument pdf;
    ASSERT_EQ(pdf.load(file), QPdfDocument::Error::None);
    QImage page = renderPage(pdf, 0);
    // Any ink in the area from (left, top) to (right, bottom) mm.
    auto inkInRows = [&](int top, int bottom, int left, int right) {
        for (int y = top * Scale; y < bottom * Scale; ++y)
            for (int x = left * Scale; x < right * Scale; ++x)
                if (qGray(page.pixel(x, y)) < 160)
                    return true;
        return false;
    };
    // Shrunk: one line across the field, nothing beyond its right edge.
    EXPECT_TRUE(inkInRows(0, 6, 75, 80));
    EXPECT_FALSE(inkInRows(0, 6, 81, 200));
    // Wrapped: more than one line in the field, nothing beyond it.
    EXPECT_TRUE(inkInRows(20, 26, 22, 78));
    EXPECT_TRUE(inkInRows(27, 35, 22, 78));
    EXPECT_FALSE(inkInRows(20, 35, 81, 200));
    // Clipped: cut at the field's edge.
    EXPECT_TRUE(inkInRows(50, 56, 22, 78));
    EXPECT_FALSE(inkInRows(50, 56, 81, 200));
}
