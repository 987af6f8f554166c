#include "ui/MessageBoxAdapter.h"

#include "model/UserMessage.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace tessaro::ui {
namespace {

QMessageBox::Icon iconOf(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::Critical: return QMessageBox::Critical;
    case MsgIcon::Exclamation: return QMessageBox::Warning;
    case MsgIcon::Information: return QMessageBox::Information;
    case MsgIcon::Question: return QMessageBox::Question;
    case MsgIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

int show(const UserMessage& m)
{
    QMessageBox box(iconOf(m.icon), m.title, m.text, QMessageBox::NoButton, QApplication::activeWindow());
    std::vector<std::pair<QAbstractButton*, int>> answers;
    auto add = [&](const QString& caption, QMessageBox::ButtonRole role, int answer) {
        answers.emplace_back(box.addButton(caption, role), answer);
    };
    switch (m.buttons) {
    case MsgButtons::Ok: add(QStringLiteral("OK"), QMessageBox::AcceptRole, AnswerOk); break;
    case MsgButtons::OkCancel:
        add(QStringLiteral("OK"), QMessageBox::AcceptRole, AnswerOk);
        add(QStringLiteral("キャンセル"), QMessageBox::RejectRole, AnswerCancel);
        break;
    case MsgButtons::YesNo:
        add(QStringLiteral("はい(&Y)"), QMessageBox::YesRole, AnswerYes);
        add(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole, AnswerNo);
        break;
    case MsgButtons::YesNoCancel:
        add(QStringLiteral("はい(&Y)"), QMessageBox::YesRole, AnswerYes);
        add(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole, AnswerNo);
        add(QStringLiteral("キャンセル"), QMessageBox::RejectRole, AnswerCancel);
        break;
    case MsgButtons::Custom:
        for (int i = 0; i < m.customButtons.size(); ++i)
            add(m.customButtons[i], QMessageBox::ActionRole, i);
        break;
    }
    box.exec();
    for (auto& [button, answer] : answers)
        if (box.clickedButton() == button)
            return answer;
    return cautiousAnswer(m); // closed with the window's close box
}

} // namespace

void installMessageBoxes() { setMessageHandler(show); }

} // namespace tessaro::ui
