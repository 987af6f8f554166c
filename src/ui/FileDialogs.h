#pragma once
// The common file dialogs. Filters are given in the system's own form,
// "Tessaro(*.tsx)|*.tsx|…" (text and pattern pairs separated by "|"). Tests
// answer them with a FileDialogScript.

#include <QString>
#include <QStringList>
#include <deque>

class QWidget;

namespace tessaro::ui {

// "Tessaro(*.tsx)|*.tsx|Other|*.x" → "Tessaro (*.tsx);;Other (*.x)".
QString qtFilter(const QString& filter);

// The chosen path, or "" when the dialog was cancelled.
QString getOpenFileName(QWidget* parent, const QString& title, const QString& filter,
                        const QString& initialName = {});
QString getSaveFileName(QWidget* parent, const QString& title, const QString& filter,
                        const QString& initialName = {});

class FileDialogScript {
public:
    FileDialogScript();
    ~FileDialogScript();
    FileDialogScript(const FileDialogScript&) = delete;
    FileDialogScript& operator=(const FileDialogScript&) = delete;

    // The next dialog answers with this path ("" = cancelled).
    void answer(const QString& path) { answers_.push_back(path); }
    struct Shown {
        QString title, filter, initialName;
        bool save;
    };
    const std::vector<Shown>& shown() const { return shown_; }

private:
    friend QString runFileDialog(bool, QWidget*, const QString&, const QString&, const QString&);
    std::deque<QString> answers_;
    std::vector<Shown> shown_;
    FileDialogScript* previous_;
};

} // namespace tessaro::ui
