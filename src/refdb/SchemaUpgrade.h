#pragma once
// The changes the reference databases receive when a newer release first starts:
// at level 402 jacks of one series were renamed, at level 407 the F-MA products
// were added and jacks of a second series renamed.
//
// Besides the level in IniDatabase.ini, each database file records the level of
// its own contents (SQLite's user_version). A change is applied only to a file
// whose contents are below that change's level, so a database made fresh from
// the seed, or one that went through a step whose INI update was lost, never
// receives the product rows twice.

#include "refdb/DatabaseSettings.h"
#include "refdb/DbSession.h"

namespace tessaro::refdb {

// The level of the seed as kept in the repository, and the level of the first
// jack renames.
inline constexpr int SeedSchemaLevel = 400;
inline constexpr int JackRenameSchemaLevel = 402;

// Brings the database reachable as `schema` in the session up to `target`:
// applies every change of its kind above the level recorded in the file and at
// or below `target`, then records `target`. Runs in the caller's transaction.
bool raiseSchemaLevel(DbSession& session, DbKind kind, const QString& schema, int target);

// The start-up steps, each one transaction: the first jack renames (jack
// database), then the F-MA products and the second jack renames (both files in
// one transaction). On failure the user is told, both files stay as they were
// and false is returned.
bool upgradeTo402(const QString& jackPath);
bool upgradeTo407(const QString& anchorPath, const QString& jackPath);

// The start-up work for LoadDatabaseSettings on the paths it reads from
// IniDatabase.ini: create missing databases from the seed, then the two steps.
UpgradeSteps DatabaseUpgradeSteps();

} // namespace tessaro::refdb
