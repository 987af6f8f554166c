#pragma once
// Every modal window of the system is shown through execModal, so that tests can
// drive a window that another window opens: a ModalScript hands each dialog to
// the test's function instead of running its event loop.

#include <QDialog>
#include <QString>
#include <deque>
#include <functional>

namespace tessaro::ui {

// Shows the dialog modally and returns its result (QDialog::Accepted/Rejected).
int execModal(QDialog& dialog);

// Tests: a modal window opened while no ModalScript drives it is rejected at
// once (with a warning naming it) instead of waiting for a user.
void rejectUnscriptedModals();

// A window with this objectName is shown. Windows that can open each other
// (graphs ⇄ measurement input) use it so that one is never opened twice.
bool isWindowOpen(const QString& objectName);

class ModalScript {
public:
    using Driver = std::function<void(QDialog&)>;
    ModalScript();
    ~ModalScript();
    ModalScript(const ModalScript&) = delete;
    ModalScript& operator=(const ModalScript&) = delete;

    // The next dialog opened must have this objectName; drive() is called with it
    // shown, and should accept or reject it (a dialog left open is rejected).
    void expect(const QString& objectName, Driver drive);
    // objectNames of the dialogs opened so far, in order.
    const QStringList& opened() const { return opened_; }
    bool allUsed() const { return drivers_.empty(); }

private:
    friend int execModal(QDialog&);
    int run(QDialog& dialog);
    std::deque<std::pair<QString, Driver>> drivers_;
    QStringList opened_;
    ModalScript* previous_;
};

} // namespace tessaro::ui
