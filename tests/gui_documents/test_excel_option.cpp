// Excel output from the windows: the options window and its kept check states,
// the save dialog, the workbook written, and the message when it cannot be.

#include "documents/frmExcelOption.h"
#include "model/UserMessage.h"
#include "support/DataSheetSamples.h"
#include "support/GuiTestSupport.h"
#include "support/TestSupport.h"
#include "support/XlsxReader.h"
#include "ui/FileDialogs.h"

#include <QCheckBox>

using namespace tessaro;

namespace {

// Sets the options window's five check boxes and presses the button.
ui::ModalScript::Driver chooseOptions(std::array<bool, 5> checks, const char* button = "OKButton")
{
    return [=](QDialog& d) {
        for (int i = 0; i < 5; ++i)
            test::check(d, QStringLiteral("ChkOption_%1").arg(i), checks[std::size_t(i)]);
        test::click(d, button);
    };
}

} // namespace

TEST(ExcelOption, MeasurementDataGoesToTheChosenWorkbookWithTheColumnsLastChosen)
{
    frmExcelOption::resetStoredColumns();
    test::makeQualityProject(project(), 2, 4);
    AnchorRecord onScreen = project().anchor(2);
    onScreen.Readings[0].Load = 77.7f; // edited in the input window, not yet stored
    ui::ModalScript modal;
    ui::FileDialogScript files;
    MessageScript messages;
    const QString chosen = test::tempPath("sheet");
    modal.expect("frmExcelOption", chooseOptions({ false, true, false, true, false }));
    files.answer(chosen);
    ASSERT_TRUE(frmExcelOption::MeasurementDataToExcel(nullptr, onScreen));
    EXPECT_TRUE(files.shown()[0].save);
    const auto cells = test::XlsxReader(chosen + ".xlsx").sheet(QStringLiteral("データシート")); // its extension added
    EXPECT_EQ(cells.value({ 1, 0 }).text, "A-2");
    EXPECT_EQ(cells.value({ 2, 2 }).text, QStringLiteral("荷重\n(kN)")); // no gauge column chosen
    EXPECT_DOUBLE_EQ(cells.value({ 2, 3 }).number, 77.7);
    // The user is told where the workbook went, with the way to its folder.
    EXPECT_EQ(test::lastText(messages), QStringLiteral("Excelファイルを保存しました。\n\n") + chosen + ".xlsx");
    EXPECT_EQ(messages.last().customButtons, QStringList({ "OK", QStringLiteral("フォルダを開く") }));
    messages.clear();

    // Cancelled options or save dialog: nothing is written, the last OK's choice kept.
    modal.expect("frmExcelOption", [](QDialog& d) {
        EXPECT_FALSE(test::control<QCheckBox>(d, "ChkOption_0")->isChecked());
        EXPECT_TRUE(test::control<QCheckBox>(d, "ChkOption_1")->isChecked());
        chooseOptions({ true, true, true, true, true }, "CancelButton")(d);
    });
    EXPECT_FALSE(frmExcelOption::MeasurementDataToExcel(nullptr, onScreen));
    EXPECT_EQ(frmExcelOption::storedColumns().checks(), (std::array<bool, 5> { false, true, false, true, false }));
    modal.expect("frmExcelOption", chooseOptions({ true, true, true, true, true }));
    files.answer("");
    EXPECT_FALSE(frmExcelOption::MeasurementDataToExcel(nullptr, onScreen));
    EXPECT_EQ(files.shown().size(), 2u);
    EXPECT_TRUE(messages.empty());
}

TEST(ExcelOption, AnchorListAndTheMessageWhenTheFileCannotBeWritten)
{
    test::makeQualityProject(project(), 3, 0);
    ui::FileDialogScript files;
    MessageScript messages;
    const QString file = test::tempPath("一覧.xlsx");
    files.answer(file);
    ASSERT_TRUE(frmExcelOption::AnchorListToExcel(nullptr));
    EXPECT_EQ(test::XlsxReader(file).sheet(QStringLiteral("データ一覧表")).value({ 1, 3 }).text, "A-3");
    const QByteArray written = test::readFile(file);

    // A folder where the workbook should go, or a missing folder: said as
    // such, nothing lost.
    const QString folder = test::tempPath("folder.xlsx");
    QDir().mkpath(folder);
    files.answer(folder);
    EXPECT_FALSE(frmExcelOption::AnchorListToExcel(nullptr));
    EXPECT_EQ(test::lastText(messages),
        QStringLiteral("同じ名前のフォルダ「%1」があるため、ファイルを書き込めません。").arg(folder));
    EXPECT_EQ(messages.last().icon, MsgIcon::Information);
    EXPECT_TRUE(QFileInfo(folder).isDir());
    files.answer(test::tempPath("no-such-folder/一覧.xlsx"));
    EXPECT_FALSE(frmExcelOption::AnchorListToExcel(nullptr));
    EXPECT_TRUE(test::lastText(messages).startsWith(QStringLiteral("保存先のフォルダ「")));
    EXPECT_EQ(messages.shown().size(), 3u); // the notice of the first workbook and two refusals
    EXPECT_EQ(test::readFile(file), written);
}
