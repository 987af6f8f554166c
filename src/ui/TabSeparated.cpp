#include "ui/TabSeparated.h"

namespace tessaro::ui {

namespace {

QString quoted(const QString& cell)
{
    if (!cell.contains('\t') && !cell.contains('\n') && !cell.contains('\r') && !cell.startsWith('"'))
        return cell;
    QString q = cell;
    q.replace('"', QStringLiteral("\"\""));
    return '"' + q + '"';
}

} // namespace

QString toTabSeparated(const QList<QStringList>& rows)
{
    QString text;
    for (const QStringList& row : rows) {
        QStringList cells;
        for (const QString& cell : row)
            cells << quoted(cell);
        text += cells.join('\t') + QStringLiteral("\r\n");
    }
    return text;
}

QList<QStringList> fromTabSeparated(const QString& text)
{
    QList<QStringList> rows;
    QStringList row;
    QString cell;
    bool inQuotes = false;
    bool cellStarted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        QChar c = text[i];
        if (inQuotes) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"')
                cell += text[++i];
            else if (c == '"')
                inQuotes = false;
            else
                cell += c;
            continue;
        }
        if (c == '"' && !cellStarted) {
            inQuotes = true;
            cellStarted = true;
        }
        else if (c == '\t') {
            row << cell;
            cell.clear();
            cellStarted = false;
        }
        else if (c == '\n' || c == '\r') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            row << cell;
            rows << row;
            row.clear();
            cell.clear();
            cellStarted = false;
        }
        else {
            cell += c;
            cellStarted = true;
        }
    }
    if (cellStarted || !row.isEmpty())
        rows << (row << cell);
    return rows;
}

} // namespace tessaro::ui
