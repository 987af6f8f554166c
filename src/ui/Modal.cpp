#include "ui/Modal.h"

namespace tessaro::ui {
namespace {
ModalScript*& activeScript()
{
    static ModalScript* script = nullptr;
    return script;
}
} // namespace

ModalScript::ModalScript() : previous_(activeScript()) { activeScript() = this; }
ModalScript::~ModalScript() { activeScript() = previous_; }

void ModalScript::expect(const QString& objectName, Driver drive)
{
    drivers_.emplace_back(objectName, std::move(drive));
}

int ModalScript::run(QDialog& dialog)
{
    opened_ << dialog.objectName();
    if (drivers_.empty() || drivers_.front().first != dialog.objectName())
        return QDialog::Rejected;
    Driver drive = std::move(drivers_.front().second);
    drivers_.pop_front();
    dialog.setResult(QDialog::Rejected);
    dialog.show();
    drive(dialog);
    if (dialog.isVisible())
        dialog.reject();
    return dialog.result();
}

int execModal(QDialog& dialog)
{
    if (ModalScript* script = activeScript())
        return script->run(dialog);
    return dialog.exec();
}

} // namespace tessaro::ui
