#pragma once
// What the user is told when a reference database cannot be used. Every message
// names the database and its file, so the user knows which file to look at; the
// program then goes on without that reference data.

#include <QString>

class QSqlError;

namespace tessaro::refdb {

enum class DbKind { Anchor, Jack };

enum class DbProblem {
    Missing,        // no file at the path
    NotADatabase,   // the file is not an SQLite database or is damaged
    WrongContents,  // a database, but without the tables of this kind
    Locked,         // another program holds the file
    ReadOnly,       // the file or its folder refuses writing
    CannotCreate,   // a missing database could not be made from the seed
    Other,          // any other failure; the driver's text is shown
};

// The user's name of the database ("アンカー規格データベース", "ジャッキデータベース").
QString databaseLabel(DbKind kind);

// Sorts a driver error into the problems above.
DbProblem problemOf(const QSqlError& error);

// Shows one exclamation message. lead, when not empty, opens the message with
// what was being done (an upgrade, a creation); detail closes it.
void reportProblem(DbKind kind, const QString& path, DbProblem problem, const QString& lead = {},
                   const QString& detail = {});

} // namespace tessaro::refdb
