#include "ui/FileDialogs.h"

#include <QFileDialog>

namespace tessaro::ui {
namespace {
FileDialogScript*& activeScript()
{
    static FileDialogScript* script = nullptr;
    return script;
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

FileDialogScript::FileDialogScript() : previous_(activeScript()) { activeScript() = this; }
FileDialogScript::~FileDialogScript() { activeScript() = previous_; }

QString runFileDialog(bool save, QWidget* parent, const QString& title, const QString& filter,
                      const QString& initialName)
{
    if (FileDialogScript* script = activeScript()) {
        script->shown_.push_back({title, filter, initialName, save});
        if (script->answers_.empty())
            return {};
        QString path = script->answers_.front();
        script->answers_.pop_front();
        return path;
    }
    return save ? QFileDialog::getSaveFileName(parent, title, initialName, qtFilter(filter))
                : QFileDialog::getOpenFileName(parent, title, initialName, qtFilter(filter));
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
