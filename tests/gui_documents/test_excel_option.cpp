// Excel output from the windows: the options window and its kept check states,
// the save dialog, the workbook written, and the message when it cannot be.

#include "documents/frmExcelOption.h"
#include "model/UserMessage.h"
#include "support/DataSheetSamples.h"
#include "support/GuiTestSupport.h"
#include "support/TestSupport.h"
#include "support/XlsxReader.h"
#include "ui/FileDialogs.h"
#include "ui/Modal.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace tessaro;

namespace {

QCheckBox* option(QWidget& w, int i)
{
    return test::control<QCheckBox>(w, QStringLiteral("ChkOption_%1").arg(i));
}

// Clicks the options window's OK after setting the check boxes.
ui::ModalScript::Driver chooseOptions(std::array<bool, 5> checks)
{
    return [=](QDialog& d) {
        for (int i = 0; i < 5; ++i)
            option(d, i)->setChecked(checks[std::size_t(i)]);
        test::control<QPushButton>(d, "OKButton")->click();
    };
}

QByteArray contents(const QString& file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

TEST(ExcelOption, CheckStatesKeptFromTheLastOk)
{
    frmExcelOption::resetStoredColumns();
    {
        frmExcelOption w;
        for (int i = 0; i < 5; ++i)
            EXPECT_TRUE(option(w, i)->isChecked());
    }

    ui::ModalScript modal;
    ExcelColumns columns;
    modal.expect("frmExcelOption", chooseOptions({ false, true, false, true, false }));
    ASSERT_TRUE(frmExcelOption::ShowForm(nullptr, &columns));
    EXPECT_EQ(columns.checks(), (std::array<bool, 5> { false, true, false, true, false }));

    // Cancel keeps what the last OK stored.
    modal.expect("frmExcelOption", [](QDialog& d) {
        EXPECT_FALSE(option(d, 0)->isChecked());
        EXPECT_TRUE(option(d, 1)->isChecked());
        option(d, 0)->setChecked(true);
        test::control<QPushButton>(d, "CancelButton")->click();
    });
    EXPECT_FALSE(frmExcelOption::ShowForm(nullptr, &columns));
    EXPECT_EQ(frmExcelOption::storedColumns().checks(), (std::array<bool, 5> { false, true, false, true, false }));
}

TEST(ExcelOption, MeasurementDataGoesToTheChosenWorkbook)
{
    frmExcelOption::resetStoredColumns();
    test::makeQualityProject(project(), 2, 4);
    AnchorRecord onScreen = project().anchor(2);
    onScreen.Readings[0].Load = 77.7f; // edited in the input window, not yet stored

    ui::ModalScript modal;
    ui::FileDialogScript files;
    const QString chosen = test::tempPath("sheet");
    modal.expect("frmExcelOption", chooseOptions({ true, true, true, true, false }));
    files.answer(chosen);
    MessageScript messages;
    ASSERT_TRUE(frmExcelOption::MeasurementDataToExcel(nullptr, onScreen));
    EXPECT_TRUE(messages.empty());
    ASSERT_EQ(files.shown().size(), 1u);
    EXPECT_TRUE(files.shown()[0].save);

    test::XlsxReader book(chosen + ".xlsx"); // the workbook's extension is added
    ASSERT_TRUE(book.valid());
    const auto cells = book.sheet(QStringLiteral("データシート"));
    EXPECT_EQ(cells.value({ 1, 0 }).text, "A-2");
    EXPECT_EQ(cells.value({ 2, 2 }).text, QStringLiteral("荷重\n(kN)")); // no gauge column chosen
    EXPECT_DOUBLE_EQ(cells.value({ 2, 3 }).number, 77.7);

    // Cancelled options or save dialog: nothing is written.
    modal.expect("frmExcelOption", [](QDialog& d) { test::control<QPushButton>(d, "CancelButton")->click(); });
    EXPECT_FALSE(frmExcelOption::MeasurementDataToExcel(nullptr, onScreen));
    EXPECT_TRUE(files.shown().size() == 1u);
    modal.expect("frmExcelOption", chooseOptions({ true, true, true, true, true }));
    files.answer("");
    EXPECT_FALSE(frmExcelOption::MeasurementDataToExcel(nullptr, onScreen));
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
    test::XlsxReader book(file);
    EXPECT_EQ(book.sheet(QStringLiteral("データ一覧表")).value({ 1, 3 }).text, "A-3");
    const QByteArray written = contents(file);

    // A folder where the workbook should go: the system's message, nothing lost.
    const QString folder = test::tempPath("folder.xlsx");
    QDir().mkpath(folder);
    files.answer(folder);
    EXPECT_FALSE(frmExcelOption::AnchorListToExcel(nullptr));
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.last().text, QStringLiteral("指定したファイルが開かれているため、Excel変換できませんでした。"));
    EXPECT_EQ(messages.last().icon, MsgIcon::Information);
    EXPECT_TRUE(QFileInfo(folder).isDir());

    files.answer(test::tempPath("no-such-folder/一覧.xlsx"));
    EXPECT_FALSE(frmExcelOption::AnchorListToExcel(nullptr));
    EXPECT_EQ(messages.shown().size(), 2u);
    EXPECT_EQ(contents(file), written);
}
