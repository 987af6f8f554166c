#include "model/RecentFiles.h"

#include <QSettings>

namespace tessaro::recent {
namespace {

const QString Section = QStringLiteral("Recent Files");

QSettings store() { return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Tessaro", "TessaroVersion1"); }

std::function<void()>& changed()
{
    static std::function<void()> callback;
    return callback;
}

void notify()
{
    if (changed())
        changed()();
}

} // namespace

QStringList files()
{
    QSettings s = store();
    s.beginGroup(Section);
    QStringList list;
    for (int i = 1; i <= MaxRecentFiles; ++i) {
        QString path = s.value(QStringLiteral("RecentFile%1").arg(i)).toString();
        if (path.isEmpty())
            break;
        list << path;
    }
    return list;
}

void setFiles(const QStringList& paths)
{
    QSettings s = store();
    s.remove(Section);
    s.beginGroup(Section);
    for (int i = 0; i < paths.size() && i < MaxRecentFiles; ++i)
        s.setValue(QStringLiteral("RecentFile%1").arg(i + 1), paths[i]);
    s.endGroup();
    s.sync();
    notify();
}

void AddRecentFile(const QString& path)
{
    QStringList list = files();
    list.removeAll(path);
    list.prepend(path);
    setFiles(list.mid(0, MaxRecentFiles));
}

void clear()
{
    QSettings s = store();
    s.remove(Section);
    s.sync();
    notify();
}

void setChangedCallback(std::function<void()> callback) { changed() = std::move(callback); }

} // namespace tessaro::recent
