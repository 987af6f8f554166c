// The jack list: picking a jack for an anchor, and maintaining the list.

#include "WindowDbTest.h"
#include "refdb/JackDatabase.h"
#include "refdb/frmJakki.h"
#include "ui/EntryBoxes.h"
#include "ui/SpreadGrid.h"

#include <QPushButton>

using namespace tessaro;
using refdb::DbKind;
using tessaro::test::click;
using tessaro::test::control;

namespace {

class JackList : public test::WindowDbTest {
protected:
    static ui::SpreadGrid* grid(QWidget& w) { return control<ui::SpreadGrid>(w, "vaSpread1"); }
    static QStringList storedNames()
    {
        QStringList names;
        for (const QSqlRecord& r : select(DbKind::Jack, "SELECT J_No, Jakki_Name FROM JakkiTBL ORDER BY J_No"))
            names << r.value(0).toString() + ":" + r.value(1).toString();
        return names;
    }
    MessageScript messages;
};

} // namespace

TEST_F(JackList, ImportModeTakesTheSelectedJack)
{
    exec(DbKind::Jack, "UPDATE JakkiTBL SET Strok = NULL WHERE J_No = 2");
    ui::ModalScript modal;
    modal.expect("frmJakki", [](QDialog& d) {
        EXPECT_EQ(d.findChild<QPushButton*>("CmdDelete"), nullptr);
        ui::SpreadGrid* g = grid(d);
        EXPECT_EQ(g->MaxRows(), 47);
        EXPECT_EQ(g->GetText(5, 2), ""); // no stroke given
        g->SetActiveCell(1, 13);
        click(d, "CmdOK");
    });
    QString name;
    int number = 0;
    EXPECT_TRUE(frmJakki::ShowForm(nullptr, frmJakki::ImportForAnchor, name, number));
    EXPECT_EQ(name, "TJ750-01");
    EXPECT_EQ(number, 13);

    modal.expect("frmJakki", [](QDialog& d) { click(d, "CmdCancel"); });
    name.clear();
    EXPECT_FALSE(frmJakki::ShowForm(nullptr, frmJakki::ImportForAnchor, name, number));
    EXPECT_EQ(name, "");
}

TEST_F(JackList, AJackWithAQuoteIsAddedAndDeletedAlone)
{
    const QString name = QStringLiteral("O'Neil' = Jakki_Name OR '1'='1");
    frmJakki w(frmJakki::MaintainList);
    w.show();
    ui::ModalScript modal;
    modal.expect("frmJakkiDB", [&](QDialog& d) {
        control<ui::TextBox>(d, "imTxtJName")->SetText(name);
        ui::SpreadGrid* g = grid(d);
        g->SetText(1, 1, "10");
        g->SetText(2, 1, "100");
        g->SetText(1, 2, "20");
        g->SetText(2, 2, "205");
        click(d, "CmdOK");
    });
    click(w, "CmdNew");
    EXPECT_TRUE(modal.allUsed());
    ASSERT_EQ(grid(w)->MaxRows(), 48);
    EXPECT_EQ(grid(w)->GetText(1, 48), name);
    EXPECT_EQ(grid(w)->ActiveRow(), 48);
    EXPECT_EQ(scalar(DbKind::Jack, "SELECT DataNum FROM JakkiTBL WHERE J_No = 48").toInt(), 3);

    messages.answer(AnswerYes);
    click(w, "CmdDelete");
    EXPECT_EQ(storedNames().size(), 47);
    EXPECT_EQ(storedNames().last(), "47:SFL-DW260");
}

TEST_F(JackList, AnUnusableDatabaseShowsAnEmptyList)
{
    spoil(refdb::jackDbPath());
    frmJakki w(frmJakki::MaintainList);
    w.show();
    EXPECT_EQ(grid(w)->MaxRows(), 0);
    EXPECT_FALSE(messages.empty());
    click(w, "CmdDelete");
    click(w, "CmdEdit");
    QString name;
    int number = 0;
    ui::ModalScript modal;
    modal.expect("frmJakki", [](QDialog& d) { click(d, "CmdOK"); });
    EXPECT_FALSE(frmJakki::ShowForm(nullptr, frmJakki::ImportForAnchor, name, number));
}
