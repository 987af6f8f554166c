#pragma once
// Reads and writes one key of one section of an INI file, as the profile
// functions of the original platform do. Files are UTF-8 text with the section
// and key names written as they are (Japanese section names stay readable).

#include <QString>
#include <QStringList>

namespace tessaro {

class IniFile {
public:
    explicit IniFile(QString path);

    bool exists() const;
    // The value, cut at 255 characters as the profile buffer does; def when absent.
    QString value(const QString& section, const QString& key, const QString& def = {}) const;
    // Writes the value, creating the file and section when needed.
    bool setValue(const QString& section, const QString& key, const QString& value);
    bool removeSection(const QString& section);

private:
    QStringList readLines() const;
    bool writeLines(const QStringList& lines);
    QString path_;
};

} // namespace tessaro
