#pragma once
// IniDatabase.ini in the AncDataBase folder: the file names of the two reference
// databases and the schema level they are at (400, 402 or 407).

#include <QString>
#include <functional>

namespace tessaro::refdb {

inline constexpr int CurrentSchemaLevel = 407;

// The start-up work on the reference databases. createMissing runs once the
// paths are known, before any upgrade, and makes the database files that do not
// exist. Each upgrade step returns true when it ran to the end; the level in the
// INI file is raised only then.
struct UpgradeSteps {
    std::function<void()> createMissing;
    std::function<bool()> from400To402; // jack renames of the 400 level
    std::function<bool()> to407;        // F-MA product rows and the second jack renames
};

QString settingsFilePath();
QString anchorDbPath();
QString jackDbPath();

// Reads IniDatabase.ini (writing the defaults when it is missing, without any
// upgrade), forms the two database paths, creates missing databases and runs the
// upgrades the level asks for.
void LoadDatabaseSettings(const UpgradeSteps& steps);

} // namespace tessaro::refdb
