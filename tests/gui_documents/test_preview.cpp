// The print preview driven by its controls: paging, zoom, print, save, and the
// document file deleted when the window closes.

#include "documents/PrintModule.h"
#include "documents/frmPreview.h"
#include "model/UserMessage.h"
#include "support/DataSheetSamples.h"
#include "support/TestSupport.h"
#include "ui/FileDialogs.h"
#include "ui/Modal.h"

#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QPdfDocument>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <gtest/gtest.h>

using namespace tessaro;
using report::ReportEngine;

namespace {

// A document of `pages` pages; landscape pages when asked.
QString document(const QString& name, int pages, bool landscape = false)
{
    QString form = test::tempPath(name + ".jfm");
    QFile f(form);
    f.open(QIODevice::WriteOnly);
    f.write(QByteArray("{\"format\": \"tessaro-report-template\", \"version\": 1, \"height\": 100, \"orientation\": \"")
        + (landscape ? "landscape" : "portrait")
        + "\", \"items\": [{\"type\": \"box\", \"x\": 1000, \"y\": 1000, \"w\": 5000, \"h\": 5000}]}");
    f.close();
    QString file = test::tempPath(name + ".pdf");
    ReportEngine engine(file);
    engine.Start();
    for (int i = 0; i < pages; ++i) {
        engine.setFormName(form);
        engine.DrawForm();
        engine.NewPage();
    }
    EXPECT_TRUE(engine.End());
    return file;
}

QString label(frmPreview& w)
{
    return w.findChild<QLabel*>("lblPage")->text();
}
QPushButton* button(frmPreview& w, const char* name)
{
    return w.findChild<QPushButton*>(name);
}

// Enabled states of CmdTop, cmdPrev, cmdNext, CmdLast as "1100".
QString navigation(frmPreview& w)
{
    QString s;
    for (const char* name : { "CmdTop", "cmdPrev", "cmdNext", "CmdLast" })
        s += button(w, name)->isEnabled() ? '1' : '0';
    return s;
}

double pixelsPerPoint()
{
    return QGuiApplication::primaryScreen()->logicalDotsPerInch() / 72.0;
}

} // namespace

TEST(Preview, ButtonsPageThroughTheDocument)
{
    frmPreview w(document("three", 3));
    w.show();
    EXPECT_EQ(label(w), "1/3");
    EXPECT_EQ(navigation(w), "0011");
    button(w, "cmdNext")->click();
    EXPECT_EQ(label(w), "2/3");
    EXPECT_EQ(navigation(w), "1111");
    button(w, "CmdLast")->click();
    EXPECT_EQ(label(w), "3/3");
    EXPECT_EQ(navigation(w), "1100");
    button(w, "cmdPrev")->click();
    EXPECT_EQ(label(w), "2/3");
    button(w, "CmdTop")->click();
    EXPECT_EQ(label(w), "1/3");
    EXPECT_EQ(w.page(), 1);
}

TEST(Preview, OnePageOrNoDocumentLeaveEveryNavigationButtonOff)
{
    frmPreview one(document("one", 1));
    EXPECT_EQ(label(one), "1/1");
    EXPECT_EQ(navigation(one), "0000");

    frmPreview missing(test::tempPath("never-written.pdf"));
    EXPECT_EQ(label(missing), "1/1");
    EXPECT_EQ(navigation(missing), "0000");
}

TEST(Preview, ZoomListScalesAndFitsThePage)
{
    frmPreview w(document("zoom", 2));
    w.resize(900, 700);
    w.show();
    auto* scale = w.findChild<QComboBox*>("cboScale");
    EXPECT_DOUBLE_EQ(w.zoomFactor(), 1.0);
    const double expected[] = { 1.5, 1.0, 0.75, 0.5, 0.25 };
    for (int i = 0; i < 5; ++i) {
        scale->setCurrentIndex(i);
        EXPECT_DOUBLE_EQ(w.zoomFactor(), expected[i]) << i;
    }
    scale->setCurrentIndex(frmPreview::ZoomPageWidth);
    double width = w.zoomFactor();
    scale->setCurrentIndex(frmPreview::ZoomWholePage);
    double whole = w.zoomFactor();
    EXPECT_LT(whole, width); // a portrait page in a wide window: the height decides
}

TEST(Preview, FittingALandscapePageUsesItsLandscapeWidth)
{
    frmPreview portrait(document("upright", 1));
    frmPreview landscape(document("turned", 1, true));
    for (frmPreview* w : { &portrait, &landscape }) {
        w->resize(900, 2000); // tall enough that the width decides
        w->show();
        w->setZoom(frmPreview::ZoomWholePage);
    }
    // Same window, so the ratio of the fitted zooms is the ratio of the page widths.
    EXPECT_NEAR(portrait.zoomFactor() / landscape.zoomFactor(), 841.9 / 595.3, 0.02);
    landscape.setZoom(frmPreview::ZoomPageWidth);
    EXPECT_GT(landscape.zoomFactor() * 841.9 * pixelsPerPoint(), 700);
}

TEST(Preview, ClosingDeletesTheDocumentFile)
{
    QString file = document("closing", 2);
    {
        frmPreview w(file);
        w.show();
        button(w, "CmdClose")->click();
        EXPECT_FALSE(w.isVisible());
        EXPECT_FALSE(QFile::exists(file));
    }
    QString shown = document("shown", 1);
    ui::ModalScript modal;
    modal.expect("frmPreview", [&](QDialog& d) {
        EXPECT_TRUE(QFile::exists(shown));
        d.reject();
    });
    frmPreview::ShowForm(nullptr, shown);
    EXPECT_TRUE(modal.allUsed());
    EXPECT_FALSE(QFile::exists(shown));
}

TEST(Preview, SavesACopyWhereTheUserChooses)
{
    QString file = document("tosave", 2);
    frmPreview w(file, QStringLiteral("データシート"));
    ui::FileDialogScript dialogs;
    dialogs.answer(test::tempPath("for-client"));
    button(w, "CmdSave")->click();
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].initialName, QStringLiteral("データシート"));
    EXPECT_TRUE(dialogs.shown()[0].save);
    QPdfDocument copy;
    ASSERT_EQ(copy.load(test::tempPath("for-client.pdf")), QPdfDocument::Error::None);
    EXPECT_EQ(copy.pageCount(), 2);
    EXPECT_TRUE(QFile::exists(file)); // the preview keeps its own document

    MessageScript messages;
    dialogs.answer(test::tempPath("no-such-folder/x.pdf"));
    button(w, "CmdSave")->click();
    ASSERT_FALSE(messages.empty());
    EXPECT_TRUE(messages.last().text.startsWith(QStringLiteral("ファイルを保存できませんでした。")));
}

TEST(Preview, PrintsThroughThePrintDialog)
{
    frmPreview w(document("toprint", 3));
    w.show();
    button(w, "cmdNext")->click();
    QString printed = test::tempPath("printed.pdf");
    ui::ModalScript modal;
    modal.expect("PrintDialog", [&](QDialog& d) {
        // The dialog puts its own choices into the printer on OK; print to a file instead.
        auto& dialog = static_cast<QPrintDialog&>(d);
        d.accept();
        dialog.printer()->setOutputFormat(QPrinter::PdfFormat);
        dialog.printer()->setOutputFileName(printed);
    });
    modal.expect("PrintDialog", [](QDialog& d) { d.reject(); });
    button(w, "cmdPrint")->click();
    EXPECT_EQ(label(w), "1/3"); // printing starts from the first page at 100 %
    EXPECT_DOUBLE_EQ(w.zoomFactor(), 1.0);
    QPdfDocument pdf;
    ASSERT_EQ(pdf.load(printed), QPdfDocument::Error::None);
    EXPECT_EQ(pdf.pageCount(), 3);

    QFile::remove(printed);
    button(w, "cmdPrint")->click(); // cancelled: nothing printed
    EXPECT_FALSE(QFile::exists(printed));
    EXPECT_TRUE(modal.allUsed());
}

TEST(Preview, ProblemsOfTheCompositionAreToldBeforeThePreview)
{
    QString form = test::tempPath("short.jfm");
    QFile f(form);
    f.open(QIODevice::WriteOnly);
    f.write(R"({"format": "tessaro-report-template", "version": 1, "height": 100, "items": []})");
    f.close();
    ReportEngine engine(test::tempPath("with-problems.pdf"));
    engine.Start();
    engine.setFormName(form);
    engine.SetFieldText("Koujimei", "x");
    engine.DrawForm();
    bool ended = engine.End();

    MessageScript messages;
    ui::ModalScript modal;
    modal.expect("frmPreview", [](QDialog& d) { d.reject(); });
    previewDocument(nullptr, engine, ended, {});
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_TRUE(messages.last().text.contains("Koujimei"));
    EXPECT_TRUE(modal.allUsed());

    ReportEngine unwritable(test::tempPath("no-such-folder/x.pdf"));
    unwritable.Start();
    ended = unwritable.End();
    EXPECT_FALSE(ended);
    messages.clear();
    previewDocument(nullptr, unwritable, ended, {}); // no preview: the script expects none
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_TRUE(messages.last().text.startsWith(QStringLiteral("印刷用のファイルを作成できませんでした。")));
    EXPECT_EQ(modal.opened(), QStringList { "frmPreview" });
}
