#pragma once
// The schema and seed of the reference databases are kept as SQL text files; the
// driver runs one statement at a time, so a script is split into its statements.

#include <QStringList>

namespace tessaro::refdb {

// The statements of a script, without their closing semicolons. A semicolon
// inside a quoted text or a "--" comment does not end a statement; comments are
// dropped and empty statements skipped.
QStringList splitSqlScript(const QString& script);

} // namespace tessaro::refdb
