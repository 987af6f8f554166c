// The anchor products: registration of designations, the anchor-method list,
// and the product chosen for the anchor being edited.

#include "WindowDbTest.h"
#include "refdb/AnchorProducts.h"
#include "refdb/frmAncDBEntry.h"
#include "refdb/frmAncDBRefer.h"
#include "refdb/frmAncNameAdd.h"

#include <QComboBox>

using namespace tessaro;
using refdb::DbKind;
using tessaro::test::click;
using tessaro::test::control;
using tessaro::test::textOf;

namespace {

const QString Friction127 = QStringLiteral("摩擦引張型アンカー　12.7mm");
const QString Friction152 = QStringLiteral("摩擦引張型アンカー　15.2mm");
const QString Differential = QStringLiteral("荷重分散型アンカー　差動緊張方式");
const QString Incomplete = QStringLiteral("現在選択されているアンカーの詳細情報に値が正しく取り込まれていません。\n"
                                          "選択しなおしてください。");
const QString SaveQuestion = QStringLiteral("データベースに保存してもよろしいですか？");

class Registration : public test::WindowDbTest {
protected:
    static int storedRows(const QString& method)
    {
        return scalar(DbKind::Anchor, "SELECT COUNT(*) FROM AnchorTBL WHERE ANC_NAME = ? AND ANC_TYPE = 0", { method })
            .toInt();
    }
    static QStringList storedMethods(const QString& table)
    {
        QStringList names;
        for (const QSqlRecord& r :
            select(DbKind::Anchor, "SELECT ANC_NAME FROM " + table + " WHERE ANC_TYPE = 0 ORDER BY ANC_NAME"))
            names << r.value(0).toString();
        return names;
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
            test::setText(d, "TxtInput", text);
            click(d, "CmdOK");
        });
    }
};

// Anchor 2 of two, the current one, carries 2S15.2 of the friction method.
class ProductChoice : public test::WindowDbTest {
protected:
    void SetUp() override
    {
        WindowDbTest::SetUp();
        AnchorRecord& a = qualityProjectAt(2, 2);
        a.Tendon.AnchorTypeName = Friction152;
        a.Tendon.AnchorTypeCode = 0;
        a.Spec2.Designation = "2S15.2";
    }
    static void chooseMethod(QWidget& w, const QString& name)
    {
        auto* methods = control<QComboBox>(w, "Combo1");
        int i = methods->findText(name, Qt::MatchStartsWith);
        ASSERT_GE(i, 0) << name.toStdString();
        methods->setCurrentIndex(i);
    }
    static bool detailShown(QWidget& w, const QString& name)
    {
        return control<QWidget>(w, name + "Row")->isVisibleTo(&w);
    }
    bool showForm(const ui::ModalScript::Driver& steps)
    {
        return test::drive("frmAncDBRefer", steps, [] { return frmAncDBRefer::ShowForm(nullptr); });
    }
};

} // namespace

TEST_F(Registration, RowsEnteredInsertedAndDeletedAreSavedAfterTheQuestion)
{
    frmAncDBEntry w(0, Friction127);
    w.show();
    ui::SpreadGrid* g = grid(w);
    ASSERT_EQ(g->GetText(1, 12), "12S12.7");
    const QString quoted = QStringLiteral("13S12.7 'special'");
    enterRow(*g, 13, { quoted, "2379", "2028", "1283.23", "195", "165", "150.5" });
    enterRow(*g, 15, { "14S12.7", "2562", "", "1381.94", "195", "165", "160" });
    g->SetActiveCell(1, 1);
    click(w, "CmdRowDelete");
    g->SetActiveCell(1, 2);
    click(w, "CmdInsert");
    EXPECT_EQ(g->GetText(1, 3), "3S12.7");

    messages.answer(AnswerNo);
    click(w, "CmdSave");
    EXPECT_EQ(test::lastText(messages), SaveQuestion);
    EXPECT_EQ(storedRows(Friction127), 12);
    messages.answer(AnswerYes);
    click(w, "CmdSave");
    EXPECT_EQ(test::lastText(messages), QStringLiteral("15行目のデータに未入力項目があります。"));
    EXPECT_EQ(storedRows(Friction127), 12);

    g->EnterText(3, 15, "2184");
    messages.answer(AnswerYes);
    w.reject(); // closing asks the same
    EXPECT_EQ(test::lastText(messages), SaveQuestion);
    // Eleven rows of the seed and two new ones, the blank rows between them gone.
    EXPECT_EQ(storedRows(Friction127), 13);
    QList<refdb::AnchorDesignation> stored = refdb::designations(Friction127, 0);
    EXPECT_EQ(stored.first().Yobina, "2S12.7");
    EXPECT_EQ(stored[11].Yobina, quoted);
    EXPECT_DOUBLE_EQ(stored[11].MikakeSyuutyou, 150.5);
    EXPECT_EQ(storedRows(Friction152), 12);

    // A method's designations are deleted after the question.
    frmAncDBEntry again(0, Friction127);
    again.show();
    messages.answer(AnswerYes);
    click(again, "CmdDelete");
    EXPECT_EQ(test::lastText(messages), QStringLiteral("データベースから削除します。よろしいですか？"));
    EXPECT_EQ(storedRows(Friction127), 0);
    EXPECT_TRUE(again.databaseChanged());
}

TEST_F(Registration, TheMethodListChangesOnlyTheWorkingCopiesUntilSaved)
{
    const QString thirty = QStringLiteral("O'Brien式アンカー'; DROP TABLE ComboTBL; --");
    const QString stored = thirty.left(25);
    ui::ModalScript modal;
    modal.expect("frmAncNameAdd", [&](QDialog& d) {
        answerName(modal, thirty);
        click(d, "CmdAdd");
        EXPECT_EQ(grid(d)->GetText(1, grid(d)->ActiveRow()), stored); // held to 25 characters
        grid(d)->SetActiveCell(1, 1);
        click(d, "CmdDelete");
        messages.answer(AnswerNo);
        click(d, "CmdClose");
        EXPECT_EQ(test::lastText(messages), QStringLiteral("データベースファイルを保存しますか？"));
    });
    EXPECT_FALSE(frmAncNameAdd::ShowForm(nullptr, 0));
    EXPECT_EQ(storedMethods("ComboTBL"), QStringList({ Friction127, Friction152 }));
    EXPECT_EQ(storedRows(Friction127), 12);

    modal.expect("frmAncNameAdd", [&](QDialog& d) {
        answerName(modal, thirty);
        click(d, "CmdAdd");
        // Renaming a method takes its designations along.
        for (int row = 1; row <= grid(d)->MaxRows(); ++row)
            if (grid(d)->GetText(1, row) == Friction152)
                grid(d)->SetActiveCell(1, row);
        answerName(modal, Friction152 + QStringLiteral(" 改"));
        click(d, "CmdRename");
        messages.answer(AnswerYes);
        click(d, "CmdClose");
    });
    EXPECT_TRUE(frmAncNameAdd::ShowForm(nullptr, 0));
    EXPECT_TRUE(storedMethods("ComboTBL").contains(stored));
    EXPECT_EQ(storedRows(Friction152 + QStringLiteral(" 改")), 12);
    EXPECT_EQ(storedRows(Friction152), 0);
}

TEST_F(ProductChoice, OpensOnTheAnchorsProductAndOkTakesACompleteChoice)
{
    EXPECT_TRUE(showForm([this](QDialog& d) {
        test::screenshot(d, "frmAncDBRefer");
        EXPECT_EQ(control<QComboBox>(d, "Combo1")->currentText(), Friction152 + QStringLiteral("　[摩擦引張型]"));
        EXPECT_EQ(grid(d)->ActiveRow(), 2);
        EXPECT_EQ(textOf(d, "LblKoufuku"), "444.00");
        EXPECT_FALSE(detailShown(d, "LblTaikatai"));
        // The registration opens on the method shown, after a warning; the list is read again.
        ui::ModalScript entry;
        entry.expect("frmAncDBEntry", [](QDialog& e) {
            EXPECT_EQ(control<QComboBox>(e, "Combo1")->currentText(), Friction152);
            grid(e)->EnterText(1, 2, "2S15.2-R");
            click(e, "CmdClose"); // saved on closing after the question
        });
        messages.answer(AnswerOk);
        messages.answer(AnswerYes);
        click(d, "CmdTouroku");
        EXPECT_TRUE(messages.shown()[0].text.startsWith(QStringLiteral("ここからデータベース変更を行った場合は")));
        EXPECT_EQ(grid(d)->GetText(1, 2), "2S15.2-R");
        chooseMethod(d, QStringLiteral("SEEEグラウンドアンカー　F-MA型"));
        EXPECT_EQ(textOf(d, "LblYobina"), ""); // nothing chosen in the new method yet
        grid(d)->SetActiveCell(1, 3);
        EXPECT_EQ(textOf(d, "LblShitaMansyon"), "180");
        chooseMethod(d, Differential);
        click(d, "CmdOK"); // no designation chosen yet
        EXPECT_EQ(test::lastText(messages), Incomplete);
        EXPECT_TRUE(d.isVisible());
        grid(d)->SetActiveCell(1, 2);
        EXPECT_EQ(textOf(d, "LblTaikataiKumi"), "3 - 3");
        EXPECT_FALSE(detailShown(d, "LblMikake"));
        click(d, "CmdOK");
    }));
    const AnchorRecord& a = project().anchor(2);
    EXPECT_EQ(a.Tendon.AnchorTypeName, Differential);
    EXPECT_EQ(a.Tendon.AnchorTypeCode, 3);
    EXPECT_EQ(a.Tendon.TensioningType, 1);
    EXPECT_EQ(a.Spec2.Designation, "B2-6S12.7");
    EXPECT_FLOAT_EQ(a.TendonYieldLoad, 936);
    EXPECT_EQ(a.Material.BodyStrandCount, (std::array<std::int16_t, 5> { 3, 3, 0, 0, 0 }));
    EXPECT_EQ(project().anchor(1).Tendon.AnchorTypeName, "");
}
