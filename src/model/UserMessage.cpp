#include "model/UserMessage.h"

#include <QTextStream>

namespace tessaro {
namespace {

int writeToStandardError(const UserMessage& message)
{
    QTextStream err(stderr);
    err << message.text << Qt::endl;
    return cautiousAnswer(message);
}

MessageHandler& handler()
{
    static MessageHandler h = writeToStandardError;
    return h;
}

} // namespace

MessageHandler setMessageHandler(MessageHandler h)
{
    MessageHandler previous = std::move(handler());
    handler() = h ? std::move(h) : MessageHandler(writeToStandardError);
    return previous;
}

int cautiousAnswer(const UserMessage& message)
{
    switch (message.buttons) {
    case MsgButtons::Ok: return AnswerOk;
    case MsgButtons::OkCancel: return AnswerCancel;
    case MsgButtons::YesNo: return AnswerNo;
    case MsgButtons::YesNoCancel: return AnswerCancel;
    case MsgButtons::Custom: return 0;
    }
    return AnswerOk;
}

int showMessage(const UserMessage& message) { return handler()(message); }

int showMessage(const QString& text, MsgIcon icon, MsgButtons buttons, const QString& title)
{
    UserMessage m;
    m.text = text;
    m.icon = icon;
    m.buttons = buttons;
    m.title = title;
    return showMessage(m);
}

MessageScript::MessageScript()
{
    previous_ = setMessageHandler([this](const UserMessage& m) {
        shown_.push_back(m);
        if (replies_.empty())
            return cautiousAnswer(m);
        int r = replies_.front();
        replies_.pop_front();
        return r;
    });
}

MessageScript::~MessageScript() { setMessageHandler(std::move(previous_)); }

} // namespace tessaro
