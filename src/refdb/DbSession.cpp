#include "refdb/DbSession.h"

#include "refdb/DatabaseSettings.h"

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

namespace tessaro::refdb {
namespace {

// How long a statement waits for another program to release the file before
// the user is told that it is in use.
constexpr int BusyTimeoutMs = 1000;

QStringList requiredTables(DbKind kind)
{
    if (kind == DbKind::Anchor)
        return {"ComboTBL", "AnchorTBL", "BackComboTBL", "BackAnchorTBL", "BunsanTaikatai"};
    return {"JakkiTBL"};
}

// "mode=rw" makes SQLite refuse a missing file instead of creating an empty one
// in its place.
QString fileUri(const QString& path)
{
    return QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString(QUrl::FullyEncoded) + "?mode=rw";
}

QString nextConnectionName(DbKind kind)
{
    static int counter = 0;
    return QStringLiteral("tessaro.refdb.%1.%2").arg(kind == DbKind::Anchor ? "anchor" : "jack").arg(++counter);
}

// Preparing already reads the schema, so a locked or damaged file can fail here.
bool prepare(QSqlQuery& q, const QString& sql, const QVariantList& values)
{
    if (!q.prepare(sql))
        return false;
    for (const QVariant& v : values)
        q.addBindValue(v);
    return true;
}

std::optional<DbProblem> fileProblem(const QString& path)
{
    QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return DbProblem::Missing;
    if (!info.isFile())
        return DbProblem::NotADatabase;
    return std::nullopt;
}

} // namespace

QString databasePath(DbKind kind) { return kind == DbKind::Anchor ? anchorDbPath() : jackDbPath(); }

DbSession::DbSession(DbKind kind) : DbSession(kind, databasePath(kind)) {}

DbSession::DbSession(DbKind kind, const QString& path, Mode mode, const QString& lead)
    : connection_(nextConnectionName(kind)), lead_(lead)
{
    targets_.emplace("main", Target{kind, path});
    open_ = openFile(mode);
}

DbSession::~DbSession()
{
    {
        QSqlDatabase db = QSqlDatabase::database(connection_, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(connection_);
}

bool DbSession::openFile(Mode mode)
{
    const QString& path = targets_.at("main").path;
    if (auto problem = fileProblem(path)) {
        report(*problem);
        return false;
    }
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", connection_);
    if (!db.isValid()) {
        report(DbProblem::Other, QStringLiteral("SQLite のドライバーが見つかりません。"));
        return false;
    }
    db.setDatabaseName(fileUri(path));
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(BusyTimeoutMs));
    if (!db.open()) {
        reportError(db.lastError());
        return false;
    }
    open_ = true;
    return mode == Mode::NewFile || checkContents("main");
}

bool DbSession::checkContents(const QString& schema)
{
    QString previous = reported_;
    reportAs(schema);
    auto rows = select(QStringLiteral("SELECT name FROM %1.sqlite_master WHERE type IN ('table', 'view')").arg(schema));
    bool ok = rows.has_value();
    if (ok) {
        QStringList present;
        for (const QSqlRecord& r : *rows)
            present << r.value(0).toString();
        for (const QString& table : requiredTables(targets_.at(schema).kind))
            ok = ok && present.contains(table, Qt::CaseInsensitive);
        if (!ok)
            report(DbProblem::WrongContents);
    }
    reported_ = previous;
    return ok;
}

bool DbSession::attach(DbKind kind, const QString& path, const QString& schema)
{
    targets_[schema] = Target{kind, path};
    reportAs(schema);
    if (auto problem = fileProblem(path)) {
        report(*problem);
        return false;
    }
    return exec(QStringLiteral("ATTACH DATABASE ? AS %1").arg(schema), {fileUri(path)}) && checkContents(schema);
}

void DbSession::reportAs(const QString& schema)
{
    if (targets_.count(schema))
        reported_ = schema;
}

bool DbSession::exec(const QString& sql, const QVariantList& values)
{
    if (!open_)
        return false;
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    if (!prepare(q, sql, values) || !q.exec()) {
        reportError(q.lastError());
        return false;
    }
    changed_ = q.numRowsAffected();
    return true;
}

std::optional<QList<QSqlRecord>> DbSession::select(const QString& sql, const QVariantList& values)
{
    if (!open_)
        return std::nullopt;
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    q.setForwardOnly(true);
    if (!prepare(q, sql, values) || !q.exec()) {
        reportError(q.lastError());
        return std::nullopt;
    }
    QList<QSqlRecord> rows;
    while (q.next())
        rows << q.record();
    if (q.lastError().isValid()) {
        reportError(q.lastError());
        return std::nullopt;
    }
    return rows;
}

int DbSession::schemaLevel(const QString& schema)
{
    auto rows = select(QStringLiteral("PRAGMA %1.user_version").arg(schema));
    return rows && !rows->isEmpty() ? rows->first().value(0).toInt() : -1;
}

bool DbSession::setSchemaLevel(const QString& schema, int level)
{
    return exec(QStringLiteral("PRAGMA %1.user_version = %2").arg(schema).arg(level));
}

bool DbSession::begin()
{
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    if (db.transaction())
        return true;
    reportError(db.lastError());
    return false;
}

bool DbSession::commit()
{
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    if (db.commit())
        return true;
    reportError(db.lastError());
    db.rollback();
    return false;
}

void DbSession::rollback() { QSqlDatabase::database(connection_, false).rollback(); }

void DbSession::report(DbProblem problem, const QString& detail) const
{
    const Target& t = targets_.at(reported_);
    reportProblem(t.kind, t.path, problem, lead_, detail);
}

void DbSession::reportError(const QSqlError& error) const
{
    DbProblem problem = problemOf(error);
    report(problem, problem == DbProblem::Other ? error.text() : QString());
}

} // namespace tessaro::refdb
