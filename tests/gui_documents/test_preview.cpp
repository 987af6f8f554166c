// The print preview driven by its controls: paging, zoom, print, save, the
// problems of a composition told first, and the document file deleted when the
// window closes.

#include "documents/PrintModule.h"
#include "documents/frmPreview.h"
#include "model/UserMessage.h"
#include "support/GuiTestSupport.h"
#include "support/TestSupport.h"
#include "ui/FileDialogs.h"

#include <QComboBox>
#include <QPrintDialog>
#include <QPrinter>

using namespace tessaro;
using report::ReportEngine;
using test::click;
using test::textOf;

namespace {

// A document of `pages` pages.
QString document(const QString& name, int pages)
{
    QString form = test::writtenFile(test::tempPath(name + ".jfm"),
        R"({"format": "tessaro-report-template", "version": 1, "height": 100,
            "items": [{"type": "box", "x": 1000, "y": 1000, "w": 5000, "h": 5000}]})");
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

// Enabled states of CmdTop, cmdPrev, cmdNext, CmdLast as "1100".
QString navigation(frmPreview& w)
{
    QString s;
    for (const char* name : { "CmdTop", "cmdPrev", "cmdNext", "CmdLast" })
        s += test::enabled(w, name) ? '1' : '0';
    return s;
}

} // namespace

TEST(Preview, PagesZoomsAndDeletesItsDocumentOnClosing)
{
    QString file = document("three", 3);
    frmPreview w(file);
    w.resize(900, 700);
    w.show();
    EXPECT_EQ(textOf(w, "lblPage"), "1/3");
    EXPECT_EQ(navigation(w), "0011");
    click(w, "cmdNext");
    EXPECT_EQ(navigation(w), "1111");
    click(w, "CmdLast");
    EXPECT_EQ(textOf(w, "lblPage"), "3/3");
    EXPECT_EQ(navigation(w), "1100");
    click(w, "cmdPrev");
    click(w, "CmdTop");
    EXPECT_EQ(w.page(), 1);

    auto* scale = test::control<QComboBox>(w, "cboScale");
    scale->setCurrentIndex(0);
    EXPECT_DOUBLE_EQ(w.zoomFactor(), 1.5);
    scale->setCurrentIndex(frmPreview::ZoomPageWidth);
    double width = w.zoomFactor();
    scale->setCurrentIndex(frmPreview::ZoomWholePage);
    EXPECT_LT(w.zoomFactor(), width); // a portrait page in a wide window: the height decides

    click(w, "CmdClose");
    EXPECT_FALSE(w.isVisible());
    EXPECT_FALSE(QFile::exists(file));
}

TEST(Preview, SavesACopyAndPrintsFromTheFirstPage)
{
    frmPreview w(document("tosave", 3), QStringLiteral("データシート"));
    w.show();
    ui::FileDialogScript dialogs;
    dialogs.answer(test::tempPath("for-client"));
    click(w, "CmdSave");
    EXPECT_EQ(dialogs.shown()[0].initialName, QStringLiteral("データシート"));
    EXPECT_EQ(test::pdfPages(test::tempPath("for-client.pdf")), 3);
    MessageScript messages;
    dialogs.answer(test::tempPath("no-such-folder/x.pdf"));
    click(w, "CmdSave");
    EXPECT_TRUE(test::lastText(messages).startsWith(QStringLiteral("ファイルを保存できませんでした。")));

    click(w, "cmdNext");
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
    click(w, "cmdPrint");
    EXPECT_EQ(textOf(w, "lblPage"), "1/3"); // printing starts from the first page at 100 %
    EXPECT_EQ(test::pdfPages(printed), 3);
    QFile::remove(printed);
    click(w, "cmdPrint"); // cancelled: nothing printed
    EXPECT_FALSE(QFile::exists(printed));
}

TEST(Preview, ProblemsOfTheCompositionAreToldBeforeThePreview)
{
    QString form = test::writtenFile(test::tempPath("short.jfm"),
        R"({"format": "tessaro-report-template", "version": 1, "height": 100, "items": []})");
    ReportEngine engine(test::tempPath("with-problems.pdf"));
    engine.Start();
    engine.setFormName(form);
    engine.SetFieldText("Koujimei", "x");
    engine.DrawForm();
    engine.DrawForm(test::tempPath("absent.jfm"), 0, {});
    bool ended = engine.End();
    MessageScript messages;
    ui::ModalScript modal;
    modal.expect("frmPreview", [&](QDialog& d) {
        EXPECT_EQ(messages.shown().size(), 1u);
        d.reject();
    });
    previewDocument(nullptr, engine, ended, {});
    EXPECT_TRUE(test::lastText(messages).contains("Koujimei"));
    EXPECT_TRUE(test::lastText(messages).contains("absent.jfm")); // a missing template is named

    ReportEngine unwritable(test::tempPath("no-such-folder/x.pdf"));
    unwritable.Start();
    ended = unwritable.End();
    previewDocument(nullptr, unwritable, ended, {}); // no preview: the script expects none
    EXPECT_TRUE(test::lastText(messages).startsWith(QStringLiteral("印刷用のファイルを作成できませんでした。")));
    EXPECT_EQ(modal.opened(), QStringList { "frmPreview" });
}
