#include "RefDbTest.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

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

QVariant RefDbTest::scalar(const QString& path, const QString& sql)
{
    QVariant value;
    withConnection(path, [&](QSqlQuery& q) {
        EXPECT_TRUE(q.exec(sql)) << q.lastError().text().toStdString();
        if (q.next())
            value = q.value(0);
    });
    return value;
}

void RefDbTest::run(const QString& path, const QString& sql)
{
    withConnection(path, [&](QSqlQuery& q) { EXPECT_TRUE(q.exec(sql)) << q.lastError().text().toStdString(); });
}

QStringList RefDbTest::dump(const QString& path, const QString& table)
{
    QStringList lines;
    withConnection(path, [&](QSqlQuery& q) {
        EXPECT_TRUE(q.exec("SELECT * FROM " + table + " ORDER BY rowid")) << q.lastError().text().toStdString();
        while (q.next()) {
            QStringList cells;
            for (int i = 0; i < q.record().count(); ++i)
                cells << (q.isNull(i) ? "NULL" : q.value(i).toString());
            lines << cells.join('|');
        }
    });
    return lines;
}

QStringList RefDbTest::dumpAnchorDb(const QString& path)
{
    return dump(path, "ComboTBL") + dump(path, "AnchorTBL") + dump(path, "BackComboTBL") + dump(path, "BackAnchorTBL");
}

} // namespace tessaro::test
