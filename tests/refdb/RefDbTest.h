#pragma once
// A private AncDataBase folder per test, with helpers to lay out databases of a
// given level, start up, and read the files directly (not through the code
// under test) to check what they hold.

#include "model/AppPaths.h"
#include "model/IniFile.h"
#include "model/UserMessage.h"
#include "refdb/DatabaseSettings.h"
#include "refdb/SchemaUpgrade.h"
#include "refdb/SeedDatabase.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <memory>

namespace tessaro::test {

class RefDbTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = std::make_unique<QTemporaryDir>();
        qputenv("TESSARO_DATA", dir_->path().toUtf8());
    }

    QString folder() const { return paths::data("AncDataBase"); }
    QString anchorPath() const { return folder() + "/Data_V400.db"; }
    QString jackPath() const { return folder() + "/Jakki.db"; }

    void writeIniVersion(int version) const
    {
        QDir().mkpath(folder());
        IniFile(refdb::settingsFilePath())
            .setValue(QStringLiteral("ファイルバージョン"), "Version", QString::number(version));
    }
    QString iniVersion() const
    {
        return IniFile(refdb::settingsFilePath()).value(QStringLiteral("ファイルバージョン"), "Version");
    }
    // Both databases made from the seed at this level, and the INI saying so.
    void layOutAt(int level) const
    {
        writeIniVersion(level);
        ASSERT_TRUE(refdb::createDatabase(refdb::DbKind::Anchor, anchorPath(), level));
        ASSERT_TRUE(refdb::createDatabase(refdb::DbKind::Jack, jackPath(), level));
    }
    void startUp() const { refdb::LoadDatabaseSettings(refdb::DatabaseUpgradeSteps()); }

    // Direct reads and writes of a database file: the first value of a query,
    // a statement run, and every row of a table as text in stored order.
    static QVariant scalar(const QString& path, const QString& sql)
    {
        QVariant value;
        withQuery(path, sql, [&](QSqlQuery& q) { value = q.next() ? q.value(0) : QVariant(); });
        return value;
    }
    static void run(const QString& path, const QString& sql)
    {
        withQuery(path, sql, [](QSqlQuery&) {});
    }
    static QStringList dump(const QString& path, const QString& table)
    {
        QStringList lines;
        withQuery(path, "SELECT * FROM " + table + " ORDER BY rowid", [&](QSqlQuery& q) {
            while (q.next()) {
                QStringList cells;
                for (int i = 0; i < q.record().count(); ++i)
                    cells << (q.isNull(i) ? "NULL" : q.value(i).toString());
                lines << cells.join('|');
            }
        });
        return lines;
    }
    static QStringList dumpAnchorDb(const QString& path)
    {
        return dump(path, "ComboTBL") + dump(path, "AnchorTBL") + dump(path, "BackComboTBL")
            + dump(path, "BackAnchorTBL");
    }

private:
    template <class F> static void withQuery(const QString& path, const QString& sql, F f)
    {
        const QString name = QStringLiteral("refdb.test.check");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", name);
            db.setDatabaseName(path);
            EXPECT_TRUE(db.open()) << path.toStdString();
            QSqlQuery q(db);
            EXPECT_TRUE(q.exec(sql)) << q.lastError().text().toStdString();
            f(q);
        }
        QSqlDatabase::removeDatabase(name);
    }

    std::unique_ptr<QTemporaryDir> dir_;
};

} // namespace tessaro::test
