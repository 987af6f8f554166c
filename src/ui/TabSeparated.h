#pragma once
// Blocks of cells as spreadsheets put them on the clipboard: cells separated by
// tabs, rows ended by CR LF; a cell holding a tab, a line break or a quote is
// quoted with its quotes doubled.

#include <QList>
#include <QString>
#include <QStringList>

namespace tessaro::ui {

QString toTabSeparated(const QList<QStringList>& rows);
// Line ends may be CR LF or LF; the line end after the last row is optional.
QList<QStringList> fromTabSeparated(const QString& text);

} // namespace tessaro::ui
