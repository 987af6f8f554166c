#include "refdb/SchemaUpgrade.h"

#include "refdb/SeedDatabase.h"

namespace tessaro::refdb {
namespace {

const QString UpgradeLead = QStringLiteral("参照データベースを新しい版に更新できませんでした。") + "\n" +
                            QStringLiteral("データベースは更新前のままです。次回の起動時にもう一度更新します。");

// A jack renamed only where both its number and its old name still match, so a
// jack the user renumbered or renamed meanwhile is left alone.
struct JackRename {
    int number;
    const char* oldName;
    const char* newName;
};

constexpr JackRename RenamesAt402[] = {
    {33, "SSL60-180", "SSL600-180"},   {34, "SSL60-300", "SSL600-300"},   {35, "SSL100-180", "SSL1000-180"},
    {36, "SSL100-300", "SSL1000-300"}, {37, "SSL100-400", "SSL1000-400"}, {38, "SSL160-200", "SSL1600-200"},
    {39, "SSL160-350", "SSL1600-350"}, {40, "SSL160-500", "SSL1600-500"},
};

constexpr JackRename RenamesAt407[] = {
    {42, "SLF-J30", "SFL-J30"},     {43, "SLF-FA50", "SFL-FA50"},   {44, "SLF-FA75", "SFL-FA75"},
    {45, "SLF-DW110", "SFL-DW110"}, {46, "SLF-DW180", "SFL-DW180"}, {47, "SLF-DW260", "SFL-DW260"},
};

// The F-MA designations (friction-compression type, 15.2 mm strands with a
// modulus of 186 kN/mm2): Yobina, Hippari, Koufuku, Danmenseki, Danseikeisuu,
// Sakukoukei, UeMansyon, ShitaMansyon, MikakeSyuutyou.
struct ProductRow {
    const char* yobina;
    double values[8];
};

constexpr ProductRow FmaRows[] = {
    {"F20MA", {261, 222, 138.7, 186, 90, 420, 180, 100}},
    {"F50MA", {522, 444, 277.4, 186, 115, 470, 180, 100}},
    {"F80MA", {783, 666, 416.1, 186, 115, 470, 180, 150}},
    {"F100MA", {1044, 888, 554.8, 186, 115, 570, 180, 200}},
    {"F130MA", {1305, 1110, 693.5, 186, 115, 620, 180, 200}},
    {"F160MA", {1566, 1332, 832.2, 186, 135, 670, 180, 237}},
    {"F190MA", {1827, 1554, 970.9, 186, 135, 670, 180, 251}},
};

const QString FmaMethod = QStringLiteral("SEEEグラウンドアンカー　F-MA型");

template <std::size_t N>
bool renameJacks(DbSession& s, const QString& schema, const JackRename (&renames)[N])
{
    const QString sql =
        QStringLiteral("UPDATE %1.JakkiTBL SET Jakki_Name = ? WHERE J_No = ? AND Jakki_Name = ?").arg(schema);
    for (const JackRename& r : renames) {
        if (!s.exec(sql, {QString::fromUtf8(r.newName), r.number, QString::fromUtf8(r.oldName)}))
            return false;
    }
    return true;
}

bool renameJacksAt402(DbSession& s, const QString& schema) { return renameJacks(s, schema, RenamesAt402); }
bool renameJacksAt407(DbSession& s, const QString& schema) { return renameJacks(s, schema, RenamesAt407); }

bool addFmaProducts(DbSession& s, const QString& schema)
{
    const QString method =
        QStringLiteral("INSERT INTO %1.ComboTBL (ANC_NAME, ANC_TYPE, Anc_TypeSyousai) VALUES (?, 2, 2)").arg(schema);
    if (!s.exec(method, {FmaMethod}))
        return false;
    const QString sql = QStringLiteral("INSERT INTO %1.AnchorTBL (ANC_NAME, ANC_TYPE, Yobina, Hippari, Koufuku, "
                                       "Danmenseki, Danseikeisuu, Sakukoukei, UeMansyon, ShitaMansyon, MikakeSyuutyou) "
                                       "VALUES (?, 2, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
                            .arg(schema);
    for (const ProductRow& row : FmaRows) {
        QVariantList values{FmaMethod, QString::fromUtf8(row.yobina)};
        for (double v : row.values)
            values << v;
        if (!s.exec(sql, values))
            return false;
    }
    return true;
}

struct Change {
    DbKind kind;
    int level;
    bool (*apply)(DbSession&, const QString& schema);
};

constexpr Change Changes[] = {
    {DbKind::Jack, JackRenameSchemaLevel, renameJacksAt402},
    {DbKind::Jack, CurrentSchemaLevel, renameJacksAt407},
    {DbKind::Anchor, CurrentSchemaLevel, addFmaProducts},
};

} // namespace

bool raiseSchemaLevel(DbSession& session, DbKind kind, const QString& schema, int target)
{
    session.reportAs(schema);
    int level = session.schemaLevel(schema);
    if (level < 0)
        return false;
    for (const Change& c : Changes) {
        if (c.kind == kind && level < c.level && c.level <= target && !c.apply(session, schema))
            return false;
    }
    return level >= target || session.setSchemaLevel(schema, target);
}

bool upgradeTo402(const QString& jackPath)
{
    DbSession s(DbKind::Jack, jackPath, DbSession::Mode::Existing, UpgradeLead);
    Transaction t(s);
    return t.active() && raiseSchemaLevel(s, DbKind::Jack, "main", JackRenameSchemaLevel) && t.commit();
}

bool upgradeTo407(const QString& anchorPath, const QString& jackPath)
{
    DbSession s(DbKind::Anchor, anchorPath, DbSession::Mode::Existing, UpgradeLead);
    if (!s.isOpen() || !s.attach(DbKind::Jack, jackPath, "jack"))
        return false;
    Transaction t(s);
    return t.active() && raiseSchemaLevel(s, DbKind::Anchor, "main", CurrentSchemaLevel) &&
           raiseSchemaLevel(s, DbKind::Jack, "jack", CurrentSchemaLevel) && t.commit();
}

UpgradeSteps DatabaseUpgradeSteps()
{
    UpgradeSteps steps;
    steps.createMissing = [] { createMissingDatabases(); };
    steps.from400To402 = [] { return upgradeTo402(jackDbPath()); };
    steps.to407 = [] { return upgradeTo407(anchorDbPath(), jackDbPath()); };
    return steps;
}

} // namespace tessaro::refdb
