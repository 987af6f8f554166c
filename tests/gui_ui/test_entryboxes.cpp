#include "GridTestSupport.h"
#include "model/UserMessage.h"
#include "ui/EntryBoxes.h"
#include "ui/NumericField.h"

#include <QFocusEvent>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <gtest/gtest.h>

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

    void enterAndLeave(const QString& text)
    {
        coef->SetFocus();
        coef->SetText(text);
        name->SetFocus();
    }
};

} // namespace

TEST_F(TwoBoxes, AValidEntryIsCutToTheFormatsDecimals)
{
    QSignalSpy lost(coef, &EntryBox::LostFocus);
    enterAndLeave("1.239");
    EXPECT_EQ(coef->Text(), "1.23");
    EXPECT_EQ(coef->Value(), 1.23);
    EXPECT_TRUE(messages.empty());
    ASSERT_EQ(lost.count(), 1);
    EXPECT_TRUE(lost.at(0).at(0).toBool());
    EXPECT_TRUE(name->hasFocus());

    enterAndLeave(QStringLiteral("２"));
    EXPECT_EQ(coef->Text(), "2.00");
    enterAndLeave("");
    EXPECT_EQ(coef->Text(), "");
    EXPECT_TRUE(messages.empty());
}

TEST_F(TwoBoxes, AnOutOfRangeEntryIsReportedEmptiedAndRefocused)
{
    QSignalSpy lost(coef, &EntryBox::LostFocus);
    enterAndLeave("10");
    ASSERT_EQ(messages.shown().size(), 1u); // the message is the numeric check's
    EXPECT_EQ(coef->Text(), "");
    EXPECT_TRUE(coef->hasFocus());
    ASSERT_EQ(lost.count(), 1);
    EXPECT_FALSE(lost.at(0).at(0).toBool());

    enterAndLeave("1,5");
    EXPECT_EQ(messages.shown().size(), 2u);
    EXPECT_EQ(coef->Text(), "");
}

TEST_F(TwoBoxes, OnlyLeavingTheBoxEndsTheEntry)
{
    coef->SetFocus();
    coef->SetText("abc");
    QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(coef, &away);
    QFocusEvent menu(QEvent::FocusOut, Qt::PopupFocusReason);
    QApplication::sendEvent(coef, &menu);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(coef->Text(), "abc");
}

TEST_F(TwoBoxes, ASilentCheckReportsButKeepsTheBox)
{
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
    tp->setObjectName("imTxtTp");
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
    const UserMessage& q = messages.last();
    EXPECT_EQ(q.customButtons, (QStringList { QStringLiteral("再入力"), QStringLiteral("入力確定") }));
    EXPECT_TRUE(q.text.startsWith(
        QStringLiteral("計画最大荷重に範囲外の数値が入力されました。\n入力範囲：110.00 ～ 500.00 , 入力値　：600.00")));

    messages.answer(0); // [再入力]
    EXPECT_FALSE(checkPlannedMaxLoadField(tp, 110, 500, "###0.00"));
    EXPECT_EQ(tp->Text(), "");
    EXPECT_TRUE(tp->hasFocus());
}
