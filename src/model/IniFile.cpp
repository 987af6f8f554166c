#include "model/IniFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextStream>

namespace tessaro {
namespace {

bool isSectionLine(const QString& line, QString* name = nullptr)
{
    QString t = line.trimmed();
    if (t.size() < 2 || !t.startsWith('[') || !t.endsWith(']'))
        return false;
    if (name)
        *name = t.mid(1, t.size() - 2).trimmed();
    return true;
}

// Range [first, end) of the lines inside the section, or first = -1.
std::pair<int, int> sectionRange(const QStringList& lines, const QString& section)
{
    for (int i = 0; i < lines.size(); ++i) {
        QString name;
        if (isSectionLine(lines[i], &name) && name.compare(section, Qt::CaseInsensitive) == 0) {
            int end = i + 1;
            while (end < lines.size() && !isSectionLine(lines[end]))
                ++end;
            return {i + 1, end};
        }
    }
    return {-1, -1};
}

int keyLine(const QStringList& lines, std::pair<int, int> range, const QString& key)
{
    for (int i = range.first; i >= 0 && i < range.second; ++i) {
        int eq = lines[i].indexOf('=');
        if (eq > 0 && lines[i].left(eq).trimmed().compare(key, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

} // namespace

IniFile::IniFile(QString path) : path_(std::move(path)) {}

bool IniFile::exists() const { return QFileInfo::exists(path_); }

QStringList IniFile::readLines() const
{
    QFile f(path_);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QTextStream in(&f);
    QStringList lines;
    while (!in.atEnd())
        lines << in.readLine();
    return lines;
}

bool IniFile::writeLines(const QStringList& lines)
{
    QSaveFile f(path_);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    QTextStream out(&f);
    for (const QString& line : lines)
        out << line << '\n';
    out.flush();
    return f.commit();
}

QString IniFile::value(const QString& section, const QString& key, const QString& def) const
{
    QStringList lines = readLines();
    int i = keyLine(lines, sectionRange(lines, section), key);
    if (i < 0)
        return def;
    QString v = lines[i].mid(lines[i].indexOf('=') + 1).trimmed();
    int nul = v.indexOf(QChar(0));
    if (nul >= 0)
        v.truncate(nul);
    return v.left(255);
}

bool IniFile::setValue(const QString& section, const QString& key, const QString& value)
{
    QStringList lines = readLines();
    auto range = sectionRange(lines, section);
    QString entry = key + "=" + value;
    if (range.first < 0) {
        if (!lines.isEmpty() && !lines.last().trimmed().isEmpty())
            lines << QString();
        lines << "[" + section + "]" << entry;
    } else if (int i = keyLine(lines, range, key); i >= 0) {
        lines[i] = entry;
    } else {
        int at = range.second;
        while (at > range.first && lines[at - 1].trimmed().isEmpty())
            --at;
        lines.insert(at, entry);
    }
    return writeLines(lines);
}

bool IniFile::removeSection(const QString& section)
{
    QStringList lines = readLines();
    auto range = sectionRange(lines, section);
    if (range.first < 0)
        return true;
    lines.erase(lines.begin() + range.first - 1, lines.begin() + range.second);
    return writeLines(lines);
}

} // namespace tessaro
