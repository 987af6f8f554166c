// A database file that is no database: every window tells the user, opens on
// what it can, and the anchors keep the products and jacks they carry.

#include "WindowDbTest.h"
#include "planning/frmJouken.h"
#include "refdb/frmAncDBEntry.h"
#include "refdb/frmAncDBRefer.h"
#include "refdb/frmJakki.h"
#include "refdb/frmJakkiDB.h"
#include "support/AnchorFixtures.h"

#include <QComboBox>
#include <QListWidget>

using namespace tessaro;
using tessaro::test::click;
using tessaro::test::control;

namespace {

// Two anchors with the friction product 2S15.2 and the calibrated jack; anchor 2 current.
class UnusableDatabase : public test::WindowDbTest {
protected:
    void SetUp() override
    {
        WindowDbTest::SetUp();
        qualityProjectAt(2, 2);
        Project& p = project();
        for (int i = 1; i <= 2; ++i) {
            AnchorRecord& a = p.anchor(i);
            a.AnchorNo = QStringLiteral("A-%1").arg(i);
            a.Plan.PlanSet = 1;
            a.Tendon.AnchorTypeName = QStringLiteral("摩擦引張型アンカー　15.2mm");
            a.Spec2.Designation = "2S15.2";
            a.Jack = test::calibratedJack();
            p.Record.AnchorLabels[std::size_t(i - 1)] = a.Jack.JackName;
        }
    }
};

} // namespace

TEST_F(UnusableDatabase, TheAnchorWindowsOpenEmptyAndTakeNoProduct)
{
    spoil(refdb::anchorDbPath());
    {
        frmAncDBEntry w(2, {});
        w.show();
        EXPECT_FALSE(messages.empty());
        EXPECT_EQ(control<QComboBox>(w, "Combo1")->count(), 0);
        click(w, "CmdSave"); // nothing to store, nothing lost
        auto names = [](QDialog& d) {
            EXPECT_FALSE(test::enabled(d, "CmdAdd"));
            click(d, "CmdClose");
        };
        test::drive("frmAncNameAdd", names, [&] { click(w, "CmdNameAdd"); });
        w.reject();
    }
    messages.clear();
    auto choose = [this](QDialog& d) {
        EXPECT_EQ(control<QComboBox>(d, "Combo1")->count(), 0);
        click(d, "CmdOK");
        EXPECT_TRUE(test::lastText(messages).startsWith(QStringLiteral("現在選択されているアンカーの詳細情報")));
    };
    EXPECT_FALSE(test::drive("frmAncDBRefer", choose, [] { return frmAncDBRefer::ShowForm(nullptr); }));
    EXPECT_EQ(project().anchor(2).Spec2.Designation, "2S15.2");
}

TEST_F(UnusableDatabase, TheJackWindowsKeepTheAnchorsJacks)
{
    spoil(refdb::jackDbPath());
    {
        frmJakki list(frmJakki::MaintainList);
        list.show();
        EXPECT_EQ(grid(list)->MaxRows(), 0);
        EXPECT_FALSE(messages.empty());
        click(list, "CmdDelete");
        click(list, "CmdEdit");
    }
    // The anchor's own jack can still be edited.
    auto edit = [](QDialog& d) {
        EXPECT_EQ(control<ui::TextBox>(d, "imTxtJName")->Text(), test::calibratedJack().JackName);
        grid(d)->SetText(2, 1, "120");
        click(d, "CmdOK");
    };
    EXPECT_TRUE(test::drive("frmJakkiDB", edit, [] { return frmJakkiDB::ShowForm(nullptr); }));
    EXPECT_FLOAT_EQ(project().anchor(2).Jack.Outputs[0], 120);

    // New test conditions keep every anchor's jack and want the plans confirmed again.
    frmJouken conditions(project(), JoukenPurpose::ChangeConditions);
    conditions.show();
    EXPECT_EQ(control<QListWidget>(conditions, "List1")->count(), 0);
    click(conditions, "CmdOK");
    ASSERT_EQ(conditions.result(), QDialog::Accepted);
    EXPECT_EQ(project().anchor(1).Jack.PointCount, 4);
    EXPECT_FLOAT_EQ(project().anchor(2).Jack.Outputs[0], 120);
    EXPECT_EQ(project().anchor(1).Plan.PlanSet, 0);
    EXPECT_EQ(project().Record.AnchorLabels[0], test::calibratedJack().JackName);
}
