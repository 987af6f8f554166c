#pragma once
// A short-lived connection to one reference database. Each use opens the file,
// checks that it holds the tables of its kind and closes it again, so a file the
// user replaces, repairs or removes while the program runs is taken as it is now.
// An existing file is never created, emptied or replaced here: a missing or
// unreadable file is reported and the session stays closed.
//
// Every value that comes from the user is bound as a parameter, never pasted
// into the statement text.

#include "refdb/DbMessages.h"

#include <QList>
#include <QSqlRecord>
#include <QVariantList>
#include <map>
#include <optional>

namespace tessaro::refdb {

// The path of the database of this kind named in IniDatabase.ini.
QString databasePath(DbKind kind);

class DbSession {
public:
    enum class Mode {
        Existing, // a reference database that must already hold its tables
        NewFile,  // an empty file that is being filled from the seed
    };

    // Opens the database named in IniDatabase.ini.
    explicit DbSession(DbKind kind);
    // lead, when given, opens every message of this session with what was being done.
    DbSession(DbKind kind, const QString& path, Mode mode = Mode::Existing, const QString& lead = {});
    ~DbSession();
    DbSession(const DbSession&) = delete;
    DbSession& operator=(const DbSession&) = delete;

    // False when the file could not be used; the user has been told why.
    bool isOpen() const { return open_; }

    // The file that messages name for the main database, when it differs from the
    // file opened (a database being built under a temporary name).
    void setShownPath(const QString& path) { targets_.at("main").path = path; }

    // Makes a second database reachable under the schema name `schema`, so that one
    // transaction spans both files.
    bool attach(DbKind kind, const QString& path, const QString& schema);
    // Names the database of `schema` ("main" or an attached one) in the messages
    // of the statements that follow.
    void reportAs(const QString& schema);

    // One statement with its values bound in order; false (reported) on failure.
    bool exec(const QString& sql, const QVariantList& values = {});
    // All rows of a query; nullopt (reported) on failure.
    std::optional<QList<QSqlRecord>> select(const QString& sql, const QVariantList& values = {});
    // Rows changed by the last successful exec.
    int changedRows() const { return changed_; }

    // The schema level recorded in the database file itself (0 when never set);
    // -1 when it cannot be read.
    int schemaLevel(const QString& schema = QStringLiteral("main"));
    bool setSchemaLevel(const QString& schema, int level);

    bool begin();
    // Commits; when the commit fails the transaction is rolled back.
    bool commit();
    void rollback();

private:
    struct Target {
        DbKind kind;
        QString path;
    };

    bool openFile(Mode mode);
    bool checkContents(const QString& schema);
    void report(DbProblem problem, const QString& detail = {}) const;
    void reportError(const QSqlError& error) const;

    QString connection_;
    QString lead_;
    std::map<QString, Target> targets_;
    QString reported_ = QStringLiteral("main");
    bool open_ = false;
    int changed_ = 0;
};

// A transaction that is rolled back unless it is committed.
class Transaction {
public:
    explicit Transaction(DbSession& session) : session_(session), active_(session.isOpen() && session.begin()) {}
    ~Transaction()
    {
        if (active_)
            session_.rollback();
    }
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    bool active() const { return active_; }
    bool commit()
    {
        bool ok = active_ && session_.commit();
        active_ = false;
        return ok;
    }

private:
    DbSession& session_;
    bool active_;
};

} // namespace tessaro::refdb
