#include "ui/FileDialogs.h"

#include "model/UserMessage.h"
#include "ui/Modal.h"

#include <QDir>
#include <QFileDialog>
#include <QSettings>

namespace tessaro::ui {
namespace {

FileDialogScript*& activeScript()
{
    static FileDialogScript* script = nullptr;
    return script;
}

QSettings folderStore()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Tessaro", "TessaroVersion1");
}

const QString FolderKey = QStringLiteral("Folders/LastFolder");

// The program's own dialog on every desktop, so that the extension is added
// and the overwrite question asked the same way everywhere, in Japanese.
class FileDialog : public QFileDialog {
public:
    FileDialog(QWidget* parent, const QString& title, const QString& filter, bool save)
        : QFileDialog(parent, title)
    {
        setObjectName("FileDialog");
        setOption(QFileDialog::DontUseNativeDialog);
        setOption(QFileDialog::DontConfirmOverwrite);
        setNameFilter(qtFilter(filter));
        setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        if (save)
            setDefaultSuffix(ui::defaultSuffix(filter));
        resize(820, 520); // names, sizes and dates readable without widening
    }

    void accept() override
    {
        // selectedFiles() already carries the default extension.
        const QStringList files = selectedFiles();
        if (acceptMode() == QFileDialog::AcceptSave && !files.isEmpty() && QFileInfo(files.first()).isFile()
            && showMessage(QStringLiteral("「%1」は既に存在します。\n上書きしますか？")
                               .arg(QFileInfo(files.first()).fileName()),
                   MsgIcon::Exclamation, MsgButtons::YesNo)
                != AnswerYes)
            return;
        QFileDialog::accept();
    }
};

QString proposedPath(const QString& initialName)
{
    if (initialName.isEmpty())
        return dialogFolder();
    return QDir(dialogFolder()).filePath(initialName);
}

QString showDialog(bool save, QWidget* parent, const QString& title, const QString& filter, const QString& initialName)
{
    FileDialog dialog(parent, title, filter, save);
    const QFileInfo proposed(proposedPath(initialName));
    dialog.setDirectory(proposed.isDir() ? proposed.absoluteFilePath() : proposed.absolutePath());
    if (!proposed.isDir())
        dialog.selectFile(proposed.fileName());
    if (execModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

} // namespace

QString qtFilter(const QString& filter)
{
    QStringList parts = filter.split('|');
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString text = parts[i].trimmed();
        QString pattern = parts[i + 1].trimmed();
        if (text.isEmpty() && pattern.isEmpty())
            continue;
        QString shown = text.contains('(') ? text.left(text.indexOf('(')).trimmed() : text;
        out << shown + " (" + QString(pattern).replace(';', ' ') + ")";
    }
    return out.join(";;");
}

QString defaultSuffix(const QString& filter)
{
    const QString pattern = filter.section('|', 1, 1).section(';', 0, 0).trimmed();
    return pattern.startsWith("*.") && pattern.count('*') == 1 ? pattern.mid(2) : QString();
}

QString dialogFolder()
{
    const QString folder = folderStore().value(FolderKey).toString();
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QDir::homePath();
}

void setDialogFolder(const QString& folder)
{
    if (folder.isEmpty())
        return;
    QSettings store = folderStore();
    store.setValue(FolderKey, QDir::cleanPath(folder));
}

FileDialogScript::FileDialogScript()
    : previous_(activeScript())
{
    activeScript() = this;
}
FileDialogScript::~FileDialogScript()
{
    activeScript() = previous_;
}

QString runFileDialog(
    bool save, QWidget* parent, const QString& title, const QString& filter, const QString& initialName)
{
    QString path;
    if (FileDialogScript* script = activeScript()) {
        script->shown_.push_back({ title, filter, initialName, save });
        if (!script->answers_.empty()) {
            path = script->answers_.front();
            script->answers_.pop_front();
        }
    }
    else {
        path = showDialog(save, parent, title, filter, initialName);
    }
    if (!path.isEmpty())
        setDialogFolder(QFileInfo(path).absolutePath());
    return path;
}

QString getOpenFileName(QWidget* parent, const QString& title, const QString& filter, const QString& initialName)
{
    return runFileDialog(false, parent, title, filter, initialName);
}

QString getSaveFileName(QWidget* parent, const QString& title, const QString& filter, const QString& initialName)
{
    return runFileDialog(true, parent, title, filter, initialName);
}

} // namespace tessaro::ui
