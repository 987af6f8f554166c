// The entry boxes and the numeric-field check every window's boxes go through:
// digits cut to the format, a refused entry told and the box refocused, and the
// planned maximum load's confirmation.

#include "model/UserMessage.h"
#include "support/GuiTestSupport.h"
#include "ui/NumericField.h"

#include <QSignalSpy>
#include <QVBoxLayout>

using namespace tessaro;
using namespace tessaro::ui;
using tessaro::test::showActive;

namespace {

// Two boxes in a window: leaving the first for the second ends its entry.
struct TwoBoxes : ::testing::Test {
    QWidget window;
    NumberBox* coef = new NumberBox(&window, "0.00");
    TextBox* name = new TextBox(&window);
    MessageScript messages;

    void SetUp() override
    {
        coef->setObjectName("imTTpA");
        name->setObjectName("imTxtJName");
        coef->SetCheck(QStringLiteral("計画最大荷重の制限のランクＡに関する係数"), 0.01, 9.99);
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(coef);
        layout->addWidget(name);
        showActive(window);
    }
    void enterAndLeave(const QString& text) { test::enterText(window, "imTTpA", text, "imTxtJName"); }
};

} // namespace

TEST_F(TwoBoxes, AValidEntryIsCutToTheFormatAndARefusedOneToldAndRefocused)
{
    QSignalSpy lost(coef, &EntryBox::LostFocus);
    enterAndLeave("1.239");
    EXPECT_EQ(coef->Text(), "1.23"); // cut, not rounded
    enterAndLeave(QStringLiteral("２"));
    EXPECT_EQ(coef->Value(), 2.0);
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(name->hasFocus());

    enterAndLeave("10");
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_TRUE(test::lastText(messages).startsWith(
        QStringLiteral("計画最大荷重の制限のランクＡに関する係数に範囲外の数値が入力されました。")));
    EXPECT_EQ(coef->Text(), "");
    EXPECT_TRUE(coef->hasFocus());
    enterAndLeave("abc");
    EXPECT_TRUE(test::lastText(messages).contains(QStringLiteral("数値以外の文字が入力されました。")));
    enterAndLeave("1,5");
    EXPECT_EQ(messages.shown().size(), 3u);
    ASSERT_EQ(lost.count(), 5);
    EXPECT_TRUE(lost.at(1).at(0).toBool());
    EXPECT_FALSE(lost.at(4).at(0).toBool());
}

TEST_F(TwoBoxes, OnlyLeavingTheBoxEndsTheEntryAndASilentCheckKeepsIt)
{
    coef->SetFocus();
    coef->SetText("abc");
    for (Qt::FocusReason reason : { Qt::ActiveWindowFocusReason, Qt::PopupFocusReason }) {
        QFocusEvent away(QEvent::FocusOut, reason);
        QApplication::sendEvent(coef, &away);
    }
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(coef->Text(), "abc");

    coef->SetText("12");
    EXPECT_FALSE(coef->Check(true));
    EXPECT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(coef->Text(), "12");
    coef->SetText("1.239");
    EXPECT_TRUE(checkNumericField("x", coef, 0.01, 9.99, "0.00", true));
    EXPECT_EQ(coef->Text(), "1.239");
}

TEST(PlannedMaxLoadField, ConfirmationKeepsAValueOutsideTheRangeAndReentryRefusesIt)
{
    QWidget window;
    auto* tp = new NumberBox(&window, "###0.00");
    showActive(window);
    MessageScript messages;
    tp->SetText("400.00");
    EXPECT_TRUE(checkPlannedMaxLoadField(tp, 110, 500, "###0.00"));
    tp->SetText("");
    EXPECT_TRUE(checkPlannedMaxLoadField(tp, 110, 500, "###0.00"));
    EXPECT_TRUE(messages.empty());

    tp->SetText("600.00");
    messages.answer(1); // [入力確定]
    EXPECT_TRUE(checkPlannedMaxLoadField(tp, 110, 500, "###0.00"));
    EXPECT_EQ(tp->Text(), "600.00");
    EXPECT_EQ(messages.last().customButtons, (QStringList { QStringLiteral("再入力"), QStringLiteral("入力確定") }));
    EXPECT_TRUE(test::lastText(messages).startsWith(
        QStringLiteral("計画最大荷重に範囲外の数値が入力されました。\n入力範囲：110.00 ～ 500.00 , 入力値　：600.00")));
    messages.answer(0); // [再入力]
    EXPECT_FALSE(checkPlannedMaxLoadField(tp, 110, 500, "###0.00"));
    EXPECT_EQ(tp->Text(), "");
    EXPECT_TRUE(tp->hasFocus());
}
