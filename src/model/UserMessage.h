#pragma once
// Messages to the user. Core code never opens a window: it hands each message
// to one handler, which the desktop program sets to its message boxes, the
// command-line program to standard error, and tests to a script.

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

namespace tessaro {

inline const QString AppTitle = QStringLiteral("Tessaro");

enum class MsgIcon { None, Critical, Exclamation, Information, Question };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel, Custom };
// Answers of the standard buttons; a Custom message answers with the index of
// the chosen button.
enum MsgAnswer : int { AnswerOk = 1, AnswerCancel = 2, AnswerYes = 6, AnswerNo = 7 };

struct UserMessage {
    QString text;
    QString title = AppTitle;
    MsgIcon icon = MsgIcon::Exclamation;
    MsgButtons buttons = MsgButtons::Ok;
    QStringList customButtons;
};

using MessageHandler = std::function<int(const UserMessage&)>;

// Installs a handler and returns the previous one.
MessageHandler setMessageHandler(MessageHandler handler);

int showMessage(const UserMessage& message);
int showMessage(const QString& text, MsgIcon icon = MsgIcon::Exclamation,
                MsgButtons buttons = MsgButtons::Ok, const QString& title = AppTitle);

// The answer a message gets when nobody can be asked: the one that changes nothing.
int cautiousAnswer(const UserMessage& message);

// Scripted answers for tests: records every message and answers from a queue
// (the cautious answer when the queue is empty). Restores the previous handler.
class MessageScript {
public:
    MessageScript();
    ~MessageScript();
    MessageScript(const MessageScript&) = delete;
    MessageScript& operator=(const MessageScript&) = delete;

    void answer(int reply) { replies_.push_back(reply); }
    const std::vector<UserMessage>& shown() const { return shown_; }
    const UserMessage& last() const { return shown_.back(); }
    bool empty() const { return shown_.empty(); }
    void clear() { shown_.clear(); }

private:
    std::deque<int> replies_;
    std::vector<UserMessage> shown_;
    MessageHandler previous_;
};

} // namespace tessaro
