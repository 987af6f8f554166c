// Anchor-product selection for the anchor being edited.

#include "WindowDbTest.h"
#include "refdb/frmAncDBRefer.h"
#include "ui/SpreadGrid.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

using namespace tessaro;
using refdb::DbKind;
using tessaro::test::control;

namespace {

const QString Friction152 = QStringLiteral("摩擦引張型アンカー　15.2mm");
const QString Differential = QStringLiteral("荷重分散型アンカー　差動緊張方式");
const QString Incomplete = QStringLiteral("現在選択されているアンカーの詳細情報に値が正しく取り込まれていません。\n"
                                          "選択しなおしてください。");

class ProductChoice : public test::WindowDbTest {
protected:
    void SetUp() override
    {
        WindowDbTest::SetUp();
        project().TestCategory = 1;
        InitProject(project(), 2);
        project().CurrentAnchor = 2;
        AnchorRecord& a = project().anchor(2);
        a.Tendon.AnchorTypeName = Friction152;
        a.Tendon.AnchorTypeCode = 0;
        a.Spec2.Designation = "2S15.2";
    }
    static QComboBox* methods(QWidget& w) { return control<QComboBox>(w, "Combo1"); }
    static ui::SpreadGrid* grid(QWidget& w) { return control<ui::SpreadGrid>(w, "vaSpread1"); }
    static QString detail(QWidget& w, const QString& name) { return control<QLabel>(w, name)->text(); }
    static bool detailShown(QWidget& w, const QString& name)
    {
        return control<QWidget>(w, name + "Row")->isVisibleTo(&w);
    }
    static void chooseMethod(QWidget& w, const QString& name)
    {
        int i = methods(w)->findText(name, Qt::MatchStartsWith);
        ASSERT_GE(i, 0) << name.toStdString();
        methods(w)->setCurrentIndex(i);
    }
    bool showForm(const std::function<void(QDialog&)>& steps)
    {
        ui::ModalScript modal;
        modal.expect("frmAncDBRefer", steps);
        return frmAncDBRefer::ShowForm(nullptr);
    }
    MessageScript messages;
};

} // namespace

TEST_F(ProductChoice, OpensOnTheAnchorsProduct)
{
    frmAncDBRefer w(project().anchor(2));
    w.show();
    EXPECT_EQ(methods(w)->count(), 9);
    EXPECT_EQ(methods(w)->currentText(), Friction152 + QStringLiteral("　[摩擦引張型]"));
    EXPECT_EQ(grid(w)->MaxRows(), 12);
    EXPECT_EQ(grid(w)->ActiveRow(), 2);
    EXPECT_EQ(detail(w, "LblYobina"), "2S15.2");
    EXPECT_EQ(detail(w, "LblKoufuku"), "444.00");
    EXPECT_EQ(detail(w, "LblMikake"), "78.2");
    EXPECT_TRUE(detailShown(w, "LblMikake"));
    EXPECT_FALSE(detailShown(w, "LblUeMansyon"));
    EXPECT_FALSE(detailShown(w, "LblTaikatai"));
    test::screenshot(w, "frmAncDBRefer");

    chooseMethod(w, QStringLiteral("SEEEグラウンドアンカー　F-MA型"));
    EXPECT_EQ(grid(w)->MaxRows(), 7);
    EXPECT_EQ(detail(w, "LblYobina"), ""); // nothing chosen in the new method yet
    grid(w)->SetActiveCell(1, 3);
    EXPECT_EQ(detail(w, "LblYobina"), "F80MA");
    EXPECT_EQ(detail(w, "LblUeMansyon"), "470");
    EXPECT_EQ(detail(w, "LblShitaMansyon"), "180");
    EXPECT_TRUE(detailShown(w, "LblShitaMansyon"));
}

TEST_F(ProductChoice, OkTakesALoadDistributionProduct)
{
    EXPECT_TRUE(showForm([](QDialog& d) {
        chooseMethod(d, Differential);
        grid(d)->SetActiveCell(1, 2);
        EXPECT_EQ(detail(d, "LblTaikatai"), "2");
        EXPECT_EQ(detail(d, "LblKousen"), "6");
        EXPECT_EQ(detail(d, "LblTaikataiKumi"), "3 - 3");
        EXPECT_FALSE(detailShown(d, "LblMikake"));
        control<QPushButton>(d, "CmdOK")->click();
    }));
    const AnchorRecord& a = project().anchor(2);
    EXPECT_EQ(a.Tendon.AnchorTypeName, Differential);
    EXPECT_EQ(a.Tendon.AnchorTypeCode, 3);
    EXPECT_EQ(a.Tendon.TensioningType, 1);
    EXPECT_EQ(a.Spec2.Designation, "B2-6S12.7");
    EXPECT_FLOAT_EQ(a.TendonYieldLoad, 936);
    EXPECT_EQ(a.Tendon.BodyCount, 2);
    EXPECT_EQ(a.Material.BodyStrandCount, (std::array<std::int16_t, 5> { 3, 3, 0, 0, 0 }));
    EXPECT_EQ(a.Material.StrandSetCount, 6);
    EXPECT_EQ(project().anchor(1).Tendon.AnchorTypeName, "");
}

TEST_F(ProductChoice, OkWithoutACompleteDesignationIsRefused)
{
    exec(DbKind::Anchor, "UPDATE AnchorTBL SET Taikatai2 = 0 WHERE Yobina = 'B2-6S12.7' AND ANC_NAME = ?",
        { Differential });
    EXPECT_FALSE(showForm([this](QDialog& d) {
        chooseMethod(d, Differential);
        control<QPushButton>(d, "CmdOK")->click();
        EXPECT_EQ(messages.last().text, Incomplete);
        grid(d)->SetActiveCell(1, 2);
        control<QPushButton>(d, "CmdOK")->click();
        EXPECT_EQ(messages.shown().size(), 2u);
        EXPECT_TRUE(d.isVisible());
    }));
    EXPECT_EQ(project().anchor(2).Tendon.AnchorTypeName, Friction152);
}

TEST_F(ProductChoice, TheRegistrationButtonWarnsAndOpensTheRegistration)
{
    showForm([this](QDialog& d) {
        ui::ModalScript entry;
        entry.expect("frmAncDBEntry", [](QDialog& e) {
            EXPECT_EQ(control<QComboBox>(e, "Combo1")->currentText(), Friction152);
            grid(e)->EnterText(1, 2, "2S15.2-R");
            // Saved on closing after the question.
            control<QPushButton>(e, "CmdClose")->click();
        });
        messages.answer(AnswerOk);
        messages.answer(AnswerYes);
        control<QPushButton>(d, "CmdTouroku")->click();
        ASSERT_GE(messages.shown().size(), 1u);
        EXPECT_TRUE(messages.shown()[0].text.startsWith(QStringLiteral("ここからデータベース変更を行った場合は")));
        EXPECT_EQ(grid(d)->GetText(1, 2), "2S15.2-R");
    });
}

TEST_F(ProductChoice, AnUnusableDatabaseOpensEmptyAndRefusesOk)
{
    spoil(refdb::anchorDbPath());
    EXPECT_FALSE(showForm([this](QDialog& d) {
        EXPECT_EQ(methods(d)->count(), 0);
        EXPECT_FALSE(messages.empty());
        control<QPushButton>(d, "CmdOK")->click();
        EXPECT_EQ(messages.last().text, Incomplete);
    }));
}
