#include "refdb/SeedDatabase.h"

#include "model/AppPaths.h"
#include "model/WriteFailure.h"
#include "refdb/DbSession.h"
#include "refdb/SchemaUpgrade.h"
#include "refdb/SqlScript.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

namespace tessaro::refdb {
namespace {

const QString CreateLead = QStringLiteral("参照データベースを作成できませんでした。");


QStringList seedFiles(DbKind kind)
{
    if (kind == DbKind::Anchor)
        return {"AncDataBase/anchor-schema.sql", "AncDataBase/anchor-seed.sql"};
    return {"AncDataBase/jack-schema.sql", "AncDataBase/jack-seed.sql"};
}

std::optional<QStringList> seedStatements(DbKind kind, const QString& path)
{
    QStringList statements;
    for (const QString& name : seedFiles(kind)) {
        QFile f(paths::resource(name));
        if (!f.open(QIODevice::ReadOnly)) {
            QString missing = QDir::toNativeSeparators(f.fileName());
            reportProblem(kind, path, DbProblem::CannotCreate, {},
                          QStringLiteral("初期データのファイルが見つかりません：") + missing);
            return std::nullopt;
        }
        statements << splitSqlScript(QString::fromUtf8(f.readAll()));
    }
    return statements;
}

// Schema, seed rows and the changes up to `level`, all in one transaction.
bool fillDatabase(DbKind kind, const QString& building, const QString& path, const QStringList& statements,
                  int level)
{
    DbSession s(kind, building, DbSession::Mode::NewFile, CreateLead);
    s.setShownPath(path);
    Transaction t(s);
    if (!t.active())
        return false;
    for (const QString& sql : statements) {
        if (!s.exec(sql))
            return false;
    }
    return s.setSchemaLevel("main", SeedSchemaLevel) && raiseSchemaLevel(s, kind, "main", level) && t.commit();
}

} // namespace

bool createDatabase(DbKind kind, const QString& path, int level)
{
    if (QFileInfo::exists(path))
        return false;
    auto statements = seedStatements(kind, path);
    if (!statements)
        return false;
    QFileInfo target(path);
    QDir().mkpath(target.absolutePath());
    // Built under a temporary name beside the target, so that a half-made file
    // never stands under the database's name.
    QTemporaryFile building(target.absolutePath() + "/.creating-XXXXXX.db");
    if (!building.open()) {
        reportProblem(kind, path, DbProblem::CannotCreate, {}, writeFailureText(path, 0, building.errorString()));
        return false;
    }
    building.close();
    if (!fillDatabase(kind, building.fileName(), path, *statements, level))
        return false;
    if (!building.rename(path)) {
        reportProblem(kind, path, DbProblem::CannotCreate, {}, writeFailureText(path, 0, building.errorString()));
        return false;
    }
    building.setAutoRemove(false);
    // The temporary file was private to its maker; the database is an ordinary data file.
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    return true;
}

void createMissingDatabases()
{
    for (DbKind kind : {DbKind::Anchor, DbKind::Jack}) {
        QString path = databasePath(kind);
        if (!path.isEmpty() && !QFileInfo::exists(path))
            createDatabase(kind, path);
    }
}

} // namespace tessaro::refdb
