#pragma once
// The common file dialogs. Filters are given in the system's own form,
// "Tessaro(*.tsx)|*.tsx|…" (text and pattern pairs separated by "|").
// A save dialog adds the extension of the chosen kind to a name typed without
// one, before it asks whether an existing file may be overwritten, so that the
// question is about the file really written. Dialogs open in the folder of the
// current data file or, without one, in the last folder used. Tests answer
// them with a FileDialogScript, or drive the real dialog (objectName
// "FileDialog") with a ModalScript.

#include <QString>
#include <QStringList>
#include <deque>
#include <vector>

class QWidget;

namespace tessaro::ui {

// "Tessaro(*.tsx)|*.tsx|Other|*.x" → "Tessaro (*.tsx);;Other (*.x)".
QString qtFilter(const QString& filter);
// The extension of the filter's first kind ("tsx"); "" when it has none.
QString defaultSuffix(const QString& filter);

// The chosen path, or "" when the dialog was cancelled. An initial name
// without a folder is proposed in the dialog folder.
QString getOpenFileName(QWidget* parent, const QString& title, const QString& filter, const QString& initialName = {});
QString getSaveFileName(QWidget* parent, const QString& title, const QString& filter, const QString& initialName = {});

// The folder file dialogs open in; kept in the per-user settings.
QString dialogFolder();
void setDialogFolder(const QString& folder);

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
