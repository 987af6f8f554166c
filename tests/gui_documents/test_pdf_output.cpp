// The engine's PDF: A4 pages whose Japanese texts are found as printed, what
// the file says of itself, the same file when composed again, pictures and
// texts fitted into their fields, and files that cannot be written. (Landscape
// pages and charts are read back in the graph sheets' printing tests.)

#include "documents/PrintModule.h"
#include "support/DataSheetSamples.h"
#include "support/GuiTestSupport.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPdfDocument>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

using namespace tessaro;
using report::ReportEngine;

namespace {

QString form(const QString& name, const QByteArray& items)
{
    return test::writtenFile(test::tempPath(name),
        R"({"format": "tessaro-report-template", "version": 1, "height": 1000, "items": [)" + items + "]}");
}

// Pixels per mm of the rendered pages: fine enough for strokes of small text.
constexpr int Scale = 4;

// The first page on white paper.
QImage renderFirstPage(const QString& file)
{
    QPdfDocument pdf;
    EXPECT_EQ(pdf.load(file), QPdfDocument::Error::None);
    QImage drawn = pdf.render(0, (pdf.pagePointSize(0) * Scale * 25.4 / 72.0).toSize());
    QImage paper(drawn.size(), QImage::Format_RGB32);
    paper.fill(Qt::white);
    QPainter(&paper).drawImage(0, 0, drawn);
    return paper;
}

// Any ink in the area from (left, top) to (right, bottom) mm.
bool inkIn(const QImage& page, int left, int top, int right, int bottom)
{
    for (int y = top * Scale; y < bottom * Scale; ++y)
        for (int x = left * Scale; x < right * Scale; ++x)
            if (qGray(page.pixel(x, y)) < 160)
                return true;
    return false;
}

// While it lives, files cannot grow beyond `bytes`, as on a disk that is full:
// a write that crosses the limit is cut short, the next fails.
class FullDisk {
public:
    explicit FullDisk(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &before_);
        signal_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = before_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FullDisk()
    {
        setrlimit(RLIMIT_FSIZE, &before_);
        std::signal(SIGXFSZ, signal_);
    }

private:
    rlimit before_ {};
    void (*signal_)(int) = nullptr;
};

QString composedDataSheets(const QString& name)
{
    Project p;
    test::makeQualityProject(p, 2, 31);
    const QString file = test::tempPath(name);
    ReportEngine engine(file);
    EXPECT_TRUE(PrintModule::PrintDataSheets(engine, p, 1, 2, {}));
    return file;
}

} // namespace

// The program's own words, each character found in the PDF as itself (common
// kanji such as 工, 長, 土 share their glyphs with look-alike radicals, the
// fullwidth tilde with the wave dash, the minus sign with the soft hyphen).
TEST(PdfOutput, JapaneseTextIsFoundAsPrinted)
{
    const QStringList lines { QStringLiteral("工事名・年月日・自由長・計画最大荷重・砂質土・岩盤・周面摩擦抵抗"),
        QStringLiteral("注入方法・使用ジャッキ・初期緊張力・極限引抜き力・No.1～No.20・−99"),
        QStringLiteral("「適性試験」（確認試験）：アンカー体長、テンドン自由長。") };
    QByteArray items;
    for (int i = 0; i < lines.size(); ++i)
        items += QStringLiteral(
            R"(%1{"type": "field", "x": 1500, "y": %2, "w": 18000, "h": 800, "name": "L%3", "font": "%4", "size": 14})")
                     .arg(i ? "," : "")
                     .arg(i * 1200)
                     .arg(i)
                     .arg(i == 1 ? "gothic" : "mincho")
                     .toUtf8();
    const QString file = test::tempPath("words.pdf");
    ReportEngine engine(file);
    engine.Start();
    report::Fields texts;
    for (int i = 0; i < lines.size(); ++i)
        texts.insert(QStringLiteral("L%1").arg(i), lines[i]);
    engine.DrawForm(form("words.jfm", items), 2000, texts);
    ASSERT_TRUE(engine.End());
    EXPECT_TRUE(engine.problems().isEmpty()) << engine.problems().join("\n").toStdString();

    // Line by line, as poppler and as Qt's own PDF reader find them.
    static const QRegularExpression breaks(QStringLiteral("\\s+"));
    auto found = [](const QString& text) { return text.split(breaks, Qt::SkipEmptyParts).join('\n').toStdString(); };
    EXPECT_EQ(found(test::pdfToText(file)), lines.join('\n').toStdString());
    QPdfDocument pdf;
    ASSERT_EQ(pdf.load(file), QPdfDocument::Error::None);
    EXPECT_EQ(found(pdf.getAllText(0).text()), lines.join('\n').toStdString());
}

TEST(PdfOutput, TheFileNamesTheDocumentAndIsTheSameWhenComposedAgain)
{
    QPdfDocument pdf;
    ASSERT_EQ(pdf.load(composedDataSheets("named.pdf")), QPdfDocument::Error::None);
    EXPECT_EQ(pdf.metaData(QPdfDocument::MetaDataField::Title).toString(),
        QStringLiteral("適性試験　データシート　○○川護岸補強工事"));
    EXPECT_EQ(pdf.metaData(QPdfDocument::MetaDataField::Subject).toString(), QStringLiteral("アンカー A-1 ～ A-2"));
    EXPECT_EQ(pdf.metaData(QPdfDocument::MetaDataField::Author).toString(), "Tessaro");
    EXPECT_TRUE(pdf.metaData(QPdfDocument::MetaDataField::Creator).toString().startsWith("Tessaro 4."));
    const QDateTime created = pdf.metaData(QPdfDocument::MetaDataField::CreationDate).toDateTime();
    EXPECT_LT(std::abs(created.secsTo(QDateTime::currentDateTimeUtc())), 600);

    // With SOURCE_DATE_EPOCH the date is that one, and the file the same byte for byte.
    qputenv("SOURCE_DATE_EPOCH", "1700000000");
    const QByteArray first = test::readFile(composedDataSheets("first.pdf"));
    const QByteArray again = test::readFile(composedDataSheets("again.pdf"));
    qunsetenv("SOURCE_DATE_EPOCH");
    EXPECT_FALSE(first.isEmpty());
    EXPECT_TRUE(first == again);
    pdf.close();
    ASSERT_EQ(pdf.load(test::tempPath("first.pdf")), QPdfDocument::Error::None);
    EXPECT_EQ(pdf.metaData(QPdfDocument::MetaDataField::CreationDate).toDateTime().toSecsSinceEpoch(), 1700000000);
}

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
    EXPECT_TRUE(first.contains(QStringLiteral("362.50"))) << first.toStdString();
}

TEST(PdfOutput, AFileThatCannotBeWrittenIsReportedAndAnOldOneKept)
{
    ReportEngine nowhere(test::tempPath("no-such-folder/out.pdf"));
    EXPECT_FALSE(PrintModule::PrintBlankDataSheets(nowhere, 1));
    EXPECT_FALSE(nowhere.problems().isEmpty());
    // An earlier document stays whole until the new one is complete.
    QString file = test::writtenFile(test::tempPath("kept.pdf"), "earlier document");
    {
        ReportEngine engine(file);
        engine.Start();
        engine.setFormName(form("any.jfm", ""));
        engine.DrawForm();
    } // abandoned without End
    EXPECT_EQ(test::readFile(file), "earlier document");

    // A disk that fills while the document is written: the document fails, says
    // why, and the earlier file stays whole, with nothing left beside it.
    Project p;
    test::makeQualityProject(p, 3, 31);
    ReportEngine full(file);
    {
        FullDisk disk(20 * 1024);
        EXPECT_FALSE(PrintModule::PrintDataSheets(full, p, 1, 3, {}));
    }
    EXPECT_EQ(test::readFile(file), "earlier document");
    EXPECT_TRUE(full.problems().join("\n").contains(QStringLiteral("印刷用のファイルを書き込めません")));
    EXPECT_EQ(QDir(test::tempDir()).entryList({ "kept*" }, QDir::Files | QDir::Hidden), QStringList { "kept.pdf" });
}

TEST(PdfOutput, PicturesKeepTheirShapeAndTextsAreShrunkWrappedOrClipped)
{
    // A wide black picture (4:1) in a square field 100 mm × 100 mm at (20, 20) mm
    // fills the width and a band of 25 mm about the field's middle; a tall SVG
    // (1:4) at (20, 140) mm a column 25 mm wide.
    QImage wide(400, 100, QImage::Format_RGB32);
    wide.fill(Qt::black);
    QString png = test::tempPath("wide.png");
    wide.save(png);
    QString svg = test::writtenFile(test::tempPath("tall.svg"),
        R"(<svg xmlns="http://www.w3.org/2000/svg" width="10" height="40" viewBox="0 0 10 40">
        <rect width="10" height="40" fill="black"/></svg>)");
    const QString text = QStringLiteral("国道123号線　○○地区法面補強工事（その２）グラウンドアンカー工");
    QString t = form("fields.jfm", R"({"type": "image", "x": 2000, "y": 0, "w": 10000, "h": 10000, "name": "IMAGE"},
        {"type": "image", "x": 2000, "y": 12000, "w": 10000, "h": 10000, "name": "IMAGE_2"},
        {"type": "field", "x": 13000, "y": 0, "w": 6000, "h": 600, "name": "Shrink", "size": 12},
        {"type": "field", "x": 13000, "y": 2000, "w": 6000, "h": 1500, "name": "Wrap", "size": 12, "overflow": "wrap"},
        {"type": "field", "x": 13000, "y": 5000, "w": 6000, "h": 600, "name": "Clip", "size": 12, "overflow": "clip"})");
    QString file = test::tempPath("fields.pdf");
    ReportEngine engine(file);
    engine.Start();
    engine.setTopMargin(2000);
    engine.setFormName(t);
    engine.SetFieldImage("IMAGE", png);
    engine.SetFieldImage("IMAGE_2", svg);
    for (const char* field : { "Shrink", "Wrap", "Clip" })
        engine.SetFieldText(field, text);
    engine.DrawForm();
    ASSERT_TRUE(engine.End());
    EXPECT_TRUE(engine.problems().isEmpty()) << engine.problems().join("\n").toStdString();

    QImage page = renderFirstPage(file);
    EXPECT_TRUE(inkIn(page, 22, 70, 23, 71) && inkIn(page, 117, 70, 118, 71)); // the band's ends
    EXPECT_FALSE(inkIn(page, 70, 50, 71, 51) || inkIn(page, 70, 90, 71, 91)); // above and below it
    EXPECT_TRUE(inkIn(page, 70, 142, 71, 143) && inkIn(page, 70, 238, 71, 239)); // the column's ends
    EXPECT_FALSE(inkIn(page, 50, 190, 51, 191) || inkIn(page, 90, 190, 91, 191)); // beside it
    // Shrunk: one line across the field, nothing beyond its right edge.
    EXPECT_TRUE(inkIn(page, 185, 20, 190, 26));
    EXPECT_FALSE(inkIn(page, 191, 20, 210, 26));
    // Wrapped: more than one line in the field, nothing beyond it.
    EXPECT_TRUE(inkIn(page, 132, 40, 188, 46) && inkIn(page, 132, 47, 188, 55));
    EXPECT_FALSE(inkIn(page, 191, 40, 210, 55));
    // Clipped: cut at the field's edge.
    EXPECT_TRUE(inkIn(page, 132, 70, 188, 76));
    EXPECT_FALSE(inkIn(page, 191, 70, 210, 76));
}
