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

#include <QTemporaryDir>
#include <QVariant>
#include <memory>

namespace tessaro::test {

class RefDbTest : public ::testing::Test {
protected:
    void SetUp() override;

    QString folder() const { return paths::data("AncDataBase"); }
    QString anchorPath() const { return folder() + "/Data_V400.db"; }
    QString jackPath() const { return folder() + "/Jakki.db"; }

    void writeIniVersion(int version) const;
    QString iniVersion() const;
    // Both databases made from the seed at this level, and the INI saying so.
    void layOutAt(int level) const;
    void startUp() const { refdb::LoadDatabaseSettings(refdb::DatabaseUpgradeSteps()); }

    // Direct reads and writes of a database file.
    static QVariant scalar(const QString& path, const QString& sql);
    static void run(const QString& path, const QString& sql);
    // Every row of a table as text, in stored order.
    static QStringList dump(const QString& path, const QString& table);
    static QStringList dumpAnchorDb(const QString& path);

private:
    std::unique_ptr<QTemporaryDir> dir_;
};

} // namespace tessaro::test
