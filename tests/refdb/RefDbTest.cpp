#include "RefDbTest.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace tessaro::test {
namespace {

template <class F> void withConnection(const QString& path, F f)
{
    const QString name = QStringLiteral("refdb.test.check");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", name);
        db.setDatabaseName(path);
        EXPECT_TRUE(db.open()) << path.toStdString();
        QSqlQuery q(db);
        f(q);
        q.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

} // namespace

void RefDbTest::SetUp()
{
    dir_ = std::make_unique<QTemporaryDir>();
    qputenv("TESSARO_DATA", dir_->path().toUtf8());
}

void RefDbTest::writeIniVersion(int version) const
{
    QDir().mkpath(folder());
    IniFile ini(refdb::settingsFilePath());
    ini.setValue(QStringLiteral("ファイルバージョン"), "Version", QString::number(version));
}

QString RefDbTest::iniVersion() const
{
    return IniFile(refdb::settingsFilePath()).value(QStringLiteral("ファイルバージョン"), "Version");
}

void RefDbTest::layOutAt(int level) const
{
    QDir().mkpath(folder());
    ASSERT_TRUE(refdb::createDatabase(refdb::DbKind::Anchor, anchorPath(), level));
    ASSERT_TRUE(refdb::createDatabase(refdb::DbKind::Jack, jackPath(), level));
    writeIniVersion(level);
}

QList<QSqlRecord> RefDbTest::rows(const QString& path, const QString& sql)
{
    QList<QSqlRecord> result;
    withConnection(path, [&](QSqlQuery& q) {
        EXPECT_TRUE(q.exec(sql)) << q.lastError().text().toStdString();
        while (q.next())
            result << q.record();
    });
    return result;
}

QVariant RefDbTest::scalar(const QString& path, const QString& sql)
{
    auto r = rows(path, sql);
    return r.isEmpty() ? QVariant() : r.first().value(0);
}

void RefDbTest::run(const QString& path, const QString& sql)
{
    withConnection(path, [&](QSqlQuery& q) { EXPECT_TRUE(q.exec(sql)) << q.lastError().text().toStdString(); });
}

QStringList RefDbTest::dump(const QString& path, const QString& table)
{
    QStringList lines;
    for (const QSqlRecord& r : rows(path, "SELECT * FROM " + table + " ORDER BY rowid")) {
        QStringList cells;
        for (int i = 0; i < r.count(); ++i)
            cells << (r.isNull(i) ? "NULL" : r.value(i).toString());
        lines << cells.join('|');
    }
    return lines;
}

QStringList RefDbTest::dumpAnchorDb(const QString& path)
{
    return dump(path, "ComboTBL") + dump(path, "AnchorTBL") + dump(path, "BackComboTBL") + dump(path, "BackAnchorTBL");
}

QByteArray RefDbTest::bytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace tessaro::test
