// Registration of designations and the anchor-method list.

#include "WindowDbTest.h"
#include "refdb/AnchorProducts.h"
#include "refdb/frmAncDBEntry.h"
#include "refdb/frmAncNameAdd.h"
#include "ui/SpreadGrid.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

using namespace tessaro;
using refdb::DbKind;
using tessaro::test::click;
using tessaro::test::control;

namespace {

const QString Friction127 = QStringLiteral("摩擦引張型アンカー　12.7mm");
const QString SaveQuestion = QStringLiteral("データベースに保存してもよろしいですか？");

class Registration : public test::WindowDbTest {
protected:
    static ui::SpreadGrid* grid(QWidget& w) { return control<ui::SpreadGrid>(w, "vaSpread1"); }
    static int storedRows(const QString& method, int type)
    {
        return scalar(
            DbKind::Anchor, "SELECT COUNT(*) FROM AnchorTBL WHERE ANC_NAME = ? AND ANC_TYPE = ?", { method, type })
            .toInt();
    }
    static QStringList storedMethods(const QString& table, int type)
    {
        QStringList names;
        for (const QSqlRecord& r :
            select(DbKind::Anchor, "SELECT ANC_NAME FROM " + table + " WHERE ANC_TYPE = ? ORDER BY ANC_NAME", { type }))
            names << r.value(0).toString();
        return names;
    }
    static int rowOf(const ui::SpreadGrid& g, const QString& text)
    {
        for (int row = 1; row <= g.MaxRows(); ++row) {
            if (g.GetText(1, row) == text)
                return row;
        }
        ADD_FAILURE() << text.toStdString();
        return 0;
    }
    // Types a whole row of a type-0 designation.
    static void enterRow(ui::SpreadGrid& g, int row, const QStringList& cells)
    {
        for (int col = 1; col <= cells.size(); ++col)
            g.EnterText(col, row, cells[col - 1]);
    }
    // Answers the next name question with this text.
    static void answerName(ui::ModalScript& modal, const QString& text)
    {
        modal.expect("DlgInputBox", [text](QDialog& d) {
            control<QLineEdit>(d, "TxtInput")->setText(text);
            click(d, "CmdOK");
        });
    }
    MessageScript messages;
};

} // namespace

TEST_F(Registration, GridColumnsFollowTheType)
{
    frmAncDBEntry w(3, QStringLiteral("荷重分散型アンカー　累積緊張方式"));
    EXPECT_EQ(control<QComboBox>(w, "Combo1")->count(), 2);
    EXPECT_EQ(grid(w)->MaxCols(), 13);
    EXPECT_EQ(grid(w)->GetText(1, 3), "B3-6S15.2");
    EXPECT_EQ(grid(w)->GetText(2, 3), "1566.00");
    EXPECT_EQ(grid(w)->GetText(11, 3), "2");
    EXPECT_EQ(grid(w)->GetText(12, 3), ""); // the third body of a two-body designation

    frmAncDBEntry four(4, {});
    EXPECT_EQ(grid(four)->MaxCols(), 6);
    // A bore diameter beyond 999 mm is refused by the cell.
    QString bore = grid(four)->GetText(6, 1);
    ASSERT_FALSE(bore.isEmpty());
    grid(four)->EnterText(6, 1, "1000");
    EXPECT_EQ(grid(four)->GetText(6, 1), bore);
}

TEST_F(Registration, SavingAsksAndRefusesARowWithAnEmptyItem)
{
    frmAncDBEntry w(0, Friction127);
    w.show();
    ui::SpreadGrid* g = grid(w);
    ASSERT_EQ(g->GetText(1, 12), "12S12.7");
    const QString quoted = QStringLiteral("13S12.7 'special'");
    enterRow(*g, 13, { quoted, "2379", "2028", "1283.23", "195", "165", "150.5" });
    enterRow(*g, 15, { "14S12.7", "2562", "", "1381.94", "195", "165", "160" });

    messages.answer(AnswerNo);
    click(w, "CmdSave");
    EXPECT_EQ(messages.last().text, SaveQuestion);
    EXPECT_EQ(storedRows(Friction127, 0), 12);

    messages.answer(AnswerYes);
    click(w, "CmdSave");
    EXPECT_EQ(messages.last().text, QStringLiteral("15行目のデータに未入力項目があります。"));
    EXPECT_EQ(storedRows(Friction127, 0), 12);

    g->EnterText(3, 15, "2184");
    messages.answer(AnswerYes);
    click(w, "CmdSave");
    EXPECT_EQ(storedRows(Friction127, 0), 14);
    refdb::AnchorDesignation d = refdb::designations(Friction127, 0)[12];
    EXPECT_EQ(d.Yobina, quoted);
    EXPECT_DOUBLE_EQ(d.MikakeSyuutyou, 150.5);
    EXPECT_EQ(g->GetText(1, 14), "14S12.7"); // the blank row between them is gone
    EXPECT_EQ(storedRows(QStringLiteral("摩擦引張型アンカー　15.2mm"), 0), 12);
}

TEST_F(Registration, RowsAreInsertedAndDeleted)
{
    frmAncDBEntry w(0, Friction127);
    w.show();
    ui::SpreadGrid* g = grid(w);
    g->SetActiveCell(1, 2);
    click(w, "CmdInsert");
    EXPECT_EQ(g->GetText(1, 2), "");
    EXPECT_EQ(g->GetText(1, 3), "2S12.7");
    g->SetActiveCell(1, 1);
    click(w, "CmdRowDelete");
    EXPECT_EQ(g->GetText(1, 1), "");
    EXPECT_EQ(g->GetText(1, 2), "2S12.7");
    // Closing asks, and Yes stores the eleven rows left.
    messages.answer(AnswerYes);
    w.reject();
    EXPECT_EQ(messages.last().text, SaveQuestion);
    EXPECT_EQ(refdb::designations(Friction127, 0).first().Yobina, "2S12.7");
    EXPECT_EQ(storedRows(Friction127, 0), 11);
}

TEST_F(Registration, AMethodsDesignationsAreDeletedAfterTheQuestion)
{
    frmAncDBEntry w(0, Friction127);
    w.show();
    messages.answer(AnswerYes);
    click(w, "CmdDelete");
    EXPECT_EQ(messages.last().text, QStringLiteral("データベースから削除します。よろしいですか？"));
    EXPECT_EQ(storedRows(Friction127, 0), 0);
    EXPECT_EQ(grid(w)->GetText(1, 1), "");
    EXPECT_TRUE(w.databaseChanged());
}

TEST_F(Registration, MethodListChangesOnlyTheWorkingCopiesUntilSaved)
{
    const QString thirty = QStringLiteral("O'Brien式アンカー'; DROP TABLE ComboTBL; --");
    ASSERT_GT(thirty.size(), 25);
    const QString stored = thirty.left(25);
    ui::ModalScript modal;
    modal.expect("frmAncNameAdd", [&](QDialog& d) {
        answerName(modal, thirty);
        click(d, "CmdAdd");
        EXPECT_EQ(grid(d)->MaxRows(), 3);
        EXPECT_EQ(grid(d)->GetText(1, grid(d)->ActiveRow()), stored);
        EXPECT_EQ(storedMethods("BackComboTBL", 0).size(), 3);
        EXPECT_EQ(storedMethods("ComboTBL", 0).size(), 2);
        messages.answer(AnswerNo);
        click(d, "CmdClose");
        EXPECT_EQ(messages.last().text, QStringLiteral("データベースファイルを保存しますか？"));
    });
    EXPECT_FALSE(frmAncNameAdd::ShowForm(nullptr, 0));
    EXPECT_EQ(storedMethods("ComboTBL", 0).size(), 2);

    modal.expect("frmAncNameAdd", [&](QDialog& d) {
        answerName(modal, thirty);
        click(d, "CmdAdd");
        // Renaming a method takes its designations along.
        grid(d)->SetActiveCell(1, rowOf(*grid(d), QStringLiteral("摩擦引張型アンカー　15.2mm")));
        answerName(modal, QStringLiteral("摩擦引張型アンカー　15.2mm 改"));
        click(d, "CmdRename");
        messages.answer(AnswerYes);
        click(d, "CmdClose");
    });
    EXPECT_TRUE(frmAncNameAdd::ShowForm(nullptr, 0));
    EXPECT_TRUE(storedMethods("ComboTBL", 0).contains(stored));
    EXPECT_EQ(storedRows(QStringLiteral("摩擦引張型アンカー　15.2mm 改"), 0), 12);
    EXPECT_EQ(storedRows(QStringLiteral("摩擦引張型アンカー　15.2mm"), 0), 0);
    EXPECT_EQ(storedMethods("ComboTBL", 3).size(), 2);
}

TEST_F(Registration, ADeletedMethodComesBackWhenNotSaved)
{
    ui::ModalScript modal;
    modal.expect("frmAncNameAdd", [&](QDialog& d) {
        grid(d)->SetActiveCell(1, 1);
        click(d, "CmdDelete");
        EXPECT_EQ(grid(d)->MaxRows(), 1);
        messages.answer(AnswerNo);
        d.reject();
    });
    frmAncNameAdd::ShowForm(nullptr, 0);
    EXPECT_EQ(storedMethods("ComboTBL", 0).size(), 2);
    EXPECT_EQ(storedRows(Friction127, 0), 12);
}

TEST_F(Registration, AnUnusableDatabaseOpensEmpty)
{
    spoil(refdb::anchorDbPath());
    frmAncDBEntry w(2, {});
    w.show();
    EXPECT_FALSE(messages.empty());
    EXPECT_EQ(control<QComboBox>(w, "Combo1")->count(), 0);
    click(w, "CmdSave");
    click(w, "CmdInsert");
    messages.clear();
    ui::ModalScript modal;
    modal.expect("frmAncNameAdd", [](QDialog& d) {
        EXPECT_FALSE(control<QPushButton>(d, "CmdAdd")->isEnabled());
        click(d, "CmdClose");
    });
    click(w, "CmdNameAdd");
    w.reject();
}
