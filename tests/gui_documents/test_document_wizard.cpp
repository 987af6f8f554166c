// The plan and report wizards driven as the engineer works them: from the main
// window, page by page with the limits of the texts, the calendar, the jack
// sketch, copying between plan and report, format files applied and saved,
// and the preview.

#include "documents/BasicDocument.h"
#include "documents/FormatFile.h"
#include "documents/QualityDocument.h"
#include "documents/ReportEngine.h"
#include "documents/frmDocumentWizard.h"
#include "gui_shell/MainWindowDriver.h"
#include "model/AppPaths.h"
#include "model/UserMessage.h"
#include "support/CompleteAnchors.h"
#include "support/GuiTestSupport.h"
#include "support/PlanReportSamples.h"
#include "support/QualityDocumentSamples.h"
#include "ui/FileDialogs.h"
#include "ui/SpreadGrid.h"
#include "ui/TextArea.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

using namespace tessaro;
using test::click;
using test::textOf;

namespace {

QString areaText(QWidget& w, const QString& name)
{
    auto* area = test::control<ui::TextArea>(w, name);
    return area ? area->Text() : QString();
}

// Types into a box key by key, as the user does (a paste goes the same way).
void typeInto(QWidget& w, const QString& name, const QString& text)
{
    QWidget* box = test::control<QWidget>(w, name);
    box->setFocus();
    QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, text);
    QApplication::sendEvent(box, &key);
}

} // namespace

TEST(DocumentWizard, OpensFromTheMainWindowOfEitherKindOfProject)
{
    test::makeWorkedBasicProject(project());
    frmMain main;
    EXPECT_TRUE(test::enabled(main, "Keikaku"));
    EXPECT_TRUE(test::enabled(main, "Houkoku"));
    for (auto [button, window] : { std::pair { "Keikaku", "frmKeikakusyo" }, { "Houkoku", "frmHoukokusyo" } }) {
        ui::ModalScript modal;
        modal.expect(window, [](QDialog& d) {
            test::setText(d, "imTxtGaiyou_1", QStringLiteral("○○県○○市"));
            click(d, "CmdCan");
        });
        test::command(main, button);
        EXPECT_EQ(modal.opened().value(0), window) << button;
    }
    EXPECT_TRUE(main.DataChanged); // the texts typed are the project's
    EXPECT_EQ(documentInputs(project(), DocumentFamily::BasicReport).outline[1], QStringLiteral("○○県○○市"));

    test::makeQualityProject(project(), 2);
    frmMain quality;
    ui::ModalScript modal;
    modal.expect("frmKeikakusyoHinshitu", [](QDialog& d) { click(d, "CmdCan"); });
    test::command(quality, "Keikaku");
    EXPECT_TRUE(modal.allUsed());
}

TEST(DocumentWizard, PagesLimitsAndTheCalendar)
{
    test::makeWorkedBasicProject(project());
    frmDocumentWizard w(DocumentFamily::BasicPlan);
    test::showActive(w);
    EXPECT_EQ(w.pageCount(), 6);
    EXPECT_EQ(textOf(w, "lblPage"), "1 / 6");
    EXPECT_FALSE(test::enabled(w, "CmdBack"));
    EXPECT_EQ(textOf(w, "imTxtGaiyou_0"), QStringLiteral("○○川護岸補強工事"));
    for (int page = 2; page <= 6; ++page) {
        click(w, "cmdNext");
        EXPECT_TRUE(test::control<QWidget>(w, QStringLiteral("PicKei%1").arg(page))->isVisible());
        test::screenshot(w, QStringLiteral("frmKeikakusyo_%1").arg(page));
    }
    EXPECT_FALSE(test::enabled(w, "cmdNext"));
    click(w, "CmdBack");
    EXPECT_EQ(w.page(), 5);

    // 130 characters typed into a work step keep 120; 1700 into the summary keep 1600.
    w.setPage(4);
    typeInto(w, "imTxtSagyou_0", QStringLiteral("削").repeated(130));
    EXPECT_EQ(areaText(w, "imTxtSagyou_0").size(), ItemTextLimit);
    w.setPage(6);
    typeInto(w, "imTxtMatome", QStringLiteral("結").repeated(1700));
    EXPECT_EQ(areaText(w, "imTxtMatome").size(), SummaryTextLimit);

    // The calendar opens on the date shown and returns the day chosen.
    w.setPage(1);
    test::drive(
        "DlgCalendar",
        [](QDialog& d) {
            EXPECT_EQ(test::control<QComboBox>(d, "Combo1")->currentText(), QStringLiteral("2024年"));
            click(d, "Command4"); // next month
            click(d, "ComOK");
        },
        [&] { click(w, "CmdCalendar"); });
    EXPECT_EQ(textOf(w, "imTxtDate"), QStringLiteral("2024年06月01日")); // the month moves from its first day
    w.reject();
    EXPECT_EQ(documentInputs(project(), DocumentFamily::BasicPlan).summary.size(), SummaryTextLimit);
}

TEST(DocumentWizard, TheJackSketchIsCheckedWhenChosenAndTicked)
{
    test::makeWorkedBasicProject(project());
    frmDocumentWizard w(DocumentFamily::BasicPlan);
    w.setPage(5);
    MessageScript messages;
    click(w, "ChkJakki"); // no file chosen yet
    EXPECT_EQ(test::lastText(messages), QStringLiteral("指定したファイルは存在しませんでした。指定し直して下さい。"));
    EXPECT_FALSE(test::control<QCheckBox>(w, "ChkJakki")->isChecked());

    const QString notPicture = test::writtenFile(test::tempPath("sketch.png"), "text");
    const QString picture = test::tempPath("jack.png");
    ASSERT_TRUE(QImage(60, 40, QImage::Format_RGB32).save(picture));
    ui::FileDialogScript files;
    files.answer(notPicture);
    files.answer(picture);
    click(w, "CmdJakki");
    EXPECT_TRUE(textOf(w, "imTxtJakkiPath").isEmpty());
    click(w, "CmdJakki");
    EXPECT_EQ(files.shown()[0].title, QStringLiteral("既存のファイルを開く"));
    EXPECT_TRUE(files.shown()[0].filter.contains(QStringLiteral("ビットマップファイル (*.bmp)|*.bmp")));
    EXPECT_EQ(textOf(w, "imTxtJakkiPath"), picture);
    messages.clear();
    click(w, "ChkJakki");
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(test::control<QCheckBox>(w, "ChkJakki")->isChecked());
}

TEST(DocumentWizard, CopiesBetweenPlanAndReportWhenAsked)
{
    test::makeWorkedBasicProject(project());
    frmDocumentWizard w(DocumentFamily::BasicReport);
    EXPECT_EQ(test::control<QPushButton>(w, "CmdCopy")->text(), QStringLiteral("計画書よりコピー"));
    for (int answer : { int(AnswerNo), int(AnswerYes) }) {
        MessageScript messages;
        messages.answer(answer);
        click(w, "CmdCopy");
        EXPECT_EQ(test::lastText(messages), QStringLiteral("計画書で入力した内容を、報告書にコピーしますか？"));
        EXPECT_EQ(areaText(w, "imTxtMatome"),
            test::sampleDocumentInputs(answer == AnswerNo).summary); // the plan's summary once copied
    }
}

// A format file saved from the plan holds every family's texts; applied in
// the report it brings only the report's, and a damaged file changes nothing.
TEST(DocumentWizard, FormatFilesSavedAndApplied)
{
    test::makeWorkedBasicProject(project());
    {
        frmDocumentWizard plan(DocumentFamily::BasicPlan);
        test::setText(plan, "imTxtGaiyou_3", QStringLiteral("事務所標準の施工会社"));
        test::drive(
            "frmFileName",
            [](QDialog& d) {
                EXPECT_EQ(textOf(d, "lblExt"), ".kkf");
                test::setText(d, "imText1", QStringLiteral("事務所標準"));
                click(d, "Command1");
            },
            [&] { click(plan, frmDocumentWizard::saveButtonName(DocumentFamily::BasicPlan)); });
        plan.reject();
    }
    const QString saved = formatFolder(DocumentFamily::BasicPlan) + QStringLiteral("/事務所標準.kkf");
    ASSERT_TRUE(QFileInfo::exists(saved));
    ASSERT_TRUE(QDir().mkpath(formatFolder(DocumentFamily::BasicReport)));
    ASSERT_TRUE(QFile::copy(saved, formatFolder(DocumentFamily::BasicReport) + QStringLiteral("/事務所標準.khf")));
    test::writtenFile(formatFolder(DocumentFamily::BasicReport) + QStringLiteral("/壊れた.khf"), "broken");

    DocumentInputs other = test::sampleDocumentInputs(true);
    other.summary = QStringLiteral("別の工事のまとめ");
    storeDocumentInputs(project(), DocumentFamily::BasicReport, other);
    frmDocumentWizard report(DocumentFamily::BasicReport);
    auto applyFile = [&](const QString& name) {
        test::drive(
            "DlgSelectFormat",
            [&](QDialog& d) {
                auto* combo = test::control<QComboBox>(d, "Combo1");
                combo->setCurrentIndex(combo->findText(name));
                QListWidgetItem* listed = test::control<QListWidget>(d, "File1")->currentItem();
                ASSERT_TRUE(listed);
                EXPECT_EQ(listed->text(), name);
                click(d, "OKButton");
            },
            [&] { click(report, frmDocumentWizard::applyButtonName(DocumentFamily::BasicReport)); });
    };
    MessageScript messages;
    applyFile(QStringLiteral("壊れた"));
    EXPECT_TRUE(test::lastText(messages).contains(QStringLiteral("書式ファイル")));
    EXPECT_EQ(areaText(report, "imTxtMatome"), other.summary);
    applyFile(QStringLiteral("事務所標準"));
    EXPECT_EQ(areaText(report, "imTxtMatome"), test::sampleDocumentInputs(true).summary);
    EXPECT_EQ(textOf(report, "imTxtGaiyou_3"), QStringLiteral("○○建設株式会社")); // the report's, not the plan's
}

TEST(DocumentWizard, PreviewComposesTheDocumentOrSaysWhatIsMissing)
{
    test::makeWorkedBasicProject(project());
    frmDocumentWizard plan(DocumentFamily::BasicPlan);
    int pages = 0;
    test::drive(
        "frmPreview",
        [&](QDialog& d) {
            pages = textOf(d, "lblPage").section('/', 1).toInt();
            click(d, "CmdClose");
        },
        [&] { click(plan, "Command1"); });
    report::ReportEngine counted { QString() };
    ASSERT_TRUE(PrintBasicDocument(counted, project(), DocumentFamily::BasicPlan));
    EXPECT_EQ(pages, counted.MaxPage());

    project().Record.WorkingAnchor.PointB = 0;
    frmDocumentWizard report(DocumentFamily::BasicReport);
    report.setPage(6);
    EXPECT_EQ(textOf(report, "lblMasatu"), QStringLiteral("未設定です。"));
    EXPECT_EQ(textOf(report, "lblHikinukiTitle"), QStringLiteral("７－４．アンカーの極限引抜き力　（自動作成）"));
    EXPECT_EQ(textOf(report, "lblHikinuki"), QStringLiteral("アンカーの極限引抜き力は350.00kN と判定した。"));
    MessageScript messages;
    click(report, "Command1");
    EXPECT_EQ(test::lastText(messages), QStringLiteral("摩擦損失量の設定がされていません。設定を行って下さい。"));
    EXPECT_EQ(textOf(report, "lblMasatuMark"), QStringLiteral("※摩擦損失量の設定を行ってください"));
    test::screenshot(report, "frmHoukokusyo_6");
}

TEST(DocumentWizard, QualityAssuranceWizardsShareTheFirstAndLastPages)
{
    test::makeQualityProject(project(), 2);
    frmDocumentWizard w(DocumentFamily::QualityReport);
    EXPECT_EQ(w.objectName(), "frmHoukokusyoHinshitu");
    EXPECT_EQ(w.pageCount(), 3);
    EXPECT_NE(w.findChild<QWidget*>("ChkTeityakuji"), nullptr);
    EXPECT_NE(w.findChild<QWidget*>("Command2"), nullptr); // 書式適用 of this wizard
    EXPECT_EQ(w.findChild<QWidget*>("imTxtSagyou_0"), nullptr);
}

// The anchors are chosen in "出力選択" before the preview; the choice stays
// with the project for the next document.
TEST(DocumentWizard, QualityPreviewPrintsTheAnchorsChosen)
{
    test::makeWorkedQualityProject(project());
    frmDocumentWizard w(DocumentFamily::QualityPlan);
    ui::ModalScript modal;
    MessageScript messages;
    int pages = 0;
    modal.expect("frmPrintReport", [&](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("出力選択"));
        EXPECT_EQ(textOf(d, "LblNum"), QStringLiteral("現在のチェック個数　：5  個"));
        click(d, "Check1"); // clears them all
        EXPECT_EQ(textOf(d, "LblNum"), QStringLiteral("現在のチェック個数　：0  個"));
        click(d, "CmdOK");
        EXPECT_EQ(
            test::lastText(messages), QStringLiteral("チェックがされていません。どれを表示するか選択して下さい。"));
        auto* grid = test::control<QTableWidget>(d, "vaSpread1");
        EXPECT_EQ(grid->item(3, 1)->text(), "A-4");
        EXPECT_EQ(grid->item(3, 2)->text(), QStringLiteral("確認試験"));
        for (int row : { 1, 3 })
            test::toggleCheck(grid, row);
        EXPECT_EQ(textOf(d, "LblNum"), QStringLiteral("現在のチェック個数　：2  個"));
        test::screenshot(d, "frmPrintReport");
        click(d, "CmdOK");
    });
    modal.expect("frmPreview", [&](QDialog& d) {
        pages = textOf(d, "lblPage").section('/', 1).toInt();
        click(d, "CmdClose");
    });
    click(w, "Command1");
    EXPECT_TRUE(modal.allUsed());
    report::ReportEngine counted { QString() };
    ASSERT_TRUE(PrintQualityDocument(counted, project(), DocumentFamily::QualityPlan, { 2, 4 }));
    EXPECT_EQ(pages, counted.MaxPage());

    // Next time the two stay checked; Cancel composes nothing.
    ui::ModalScript again;
    again.expect("frmPrintReport", [](QDialog& d) {
        EXPECT_EQ(textOf(d, "LblNum"), QStringLiteral("現在のチェック個数　：2  個"));
        EXPECT_FALSE(test::control<QCheckBox>(d, "Check1")->isChecked());
        click(d, "CmdCancel");
    });
    click(w, "Command1");
    EXPECT_EQ(again.opened(), QStringList { "frmPrintReport" });
    EXPECT_EQ(project().ReportAnchors, (std::vector<int> { 2, 4 }));
}
