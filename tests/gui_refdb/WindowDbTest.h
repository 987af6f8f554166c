#pragma once
// The reference-database windows are driven on databases of their own: every
// test gets a private data folder in which start-up makes both databases from
// the seed, and may change them directly through a session.

#include "model/UserMessage.h"
#include "model/basMainData.h"
#include "refdb/DatabaseSettings.h"
#include "refdb/DbSession.h"
#include "refdb/SchemaUpgrade.h"
#include "support/GuiTestSupport.h"
#include "ui/SpreadGrid.h"

#include <QSqlRecord>
#include <QTemporaryDir>
#include <memory>

namespace tessaro::test {

class WindowDbTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = std::make_unique<QTemporaryDir>();
        qputenv("TESSARO_DATA", dir_->path().toUtf8());
        refdb::LoadDatabaseSettings(refdb::DatabaseUpgradeSteps());
        project() = Project {};
    }
    void TearDown() override { project() = Project {}; }

    static void exec(refdb::DbKind kind, const QString& sql, const QVariantList& values = {})
    {
        refdb::DbSession s(kind);
        EXPECT_TRUE(s.exec(sql, values)) << sql.toStdString();
    }
    static QList<QSqlRecord> select(refdb::DbKind kind, const QString& sql, const QVariantList& values = {})
    {
        refdb::DbSession s(kind);
        return s.select(sql, values).value_or(QList<QSqlRecord> {});
    }
    static QVariant scalar(refdb::DbKind kind, const QString& sql, const QVariantList& values = {})
    {
        auto rows = select(kind, sql, values);
        return rows.isEmpty() ? QVariant() : rows.first().value(0);
    }
    // A database file replaced by something that is no database.
    static void spoil(const QString& path) { writeFile(path, "this is not a database"); }
    // A quality-assurance project of `anchors` anchors whose anchor `current` is
    // the one the windows work on.
    static AnchorRecord& qualityProjectAt(int anchors, int current)
    {
        Project& p = project();
        p.TestCategory = 1;
        InitProject(p, anchors);
        p.CurrentAnchor = std::int16_t(current);
        return p.anchor(current);
    }
    static ui::SpreadGrid* grid(QWidget& w) { return control<ui::SpreadGrid>(w, "vaSpread1"); }

    MessageScript messages;

private:
    std::unique_ptr<QTemporaryDir> dir_;
};

} // namespace tessaro::test

// Test failures show texts as text.
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}
