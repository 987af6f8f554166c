#include "refdb/SqlScript.h"

namespace tessaro::refdb {

QStringList splitSqlScript(const QString& script)
{
    QStringList statements;
    QString current;
    QChar quote; // the quote character of the text being read, or null outside one
    for (qsizetype i = 0; i < script.size(); ++i) {
        QChar c = script[i];
        if (!quote.isNull()) {
            current += c;
            if (c == quote)
                quote = QChar(); // a doubled quote closes and reopens at once
        } else if (c == '\'' || c == '"') {
            quote = c;
            current += c;
        } else if (c == '-' && script.mid(i, 2) == "--") {
            while (i < script.size() && script[i] != '\n')
                ++i;
            current += '\n';
        } else if (c == ';') {
            if (!current.trimmed().isEmpty())
                statements << current.trimmed();
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.trimmed().isEmpty())
        statements << current.trimmed();
    return statements;
}

} // namespace tessaro::refdb
