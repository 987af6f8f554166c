#include "ui/Modal.h"

#include <QApplication>
#include <algorithm>

namespace tessaro::ui {
namespace {
ModalScript*& activeScript()
{
    static ModalScript* script = nullptr;
    return script;
}

bool& unscriptedRejected()
{
    static bool rejected = false;
    return rejected;
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
    // Shown and active as a modal window is, so that focus moves end entries.
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    dialog.activateWindow();
    QCoreApplication::processEvents();
    drive(dialog);
    if (dialog.isVisible())
        dialog.reject();
    return dialog.result();
}

bool isWindowOpen(const QString& objectName)
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(),
        [&](const QWidget* w) { return w->isVisible() && w->objectName() == objectName; });
}

void rejectUnscriptedModals() { unscriptedRejected() = true; }

int execModal(QDialog& dialog)
{
    if (ModalScript* script = activeScript())
        return script->run(dialog);
    if (unscriptedRejected()) {
        qWarning("modal window %s opened without a script: rejected", qPrintable(dialog.objectName()));
        return QDialog::Rejected;
    }
    return dialog.exec();
}

} // namespace tessaro::ui
