#pragma once
// Makes a reference database from the schema and seed kept with the program
// (resources/AncDataBase). A database is only ever made where no file exists:
// a file that cannot be read is reported and left exactly as it is.

#include "refdb/DatabaseSettings.h"
#include "refdb/DbMessages.h"

namespace tessaro::refdb {

// Creates the database of this kind at path, at the given schema level (the seed
// is at level 400 and is raised by the upgrade changes; tests make databases of
// the older levels this way). The file appears only once it is complete. False,
// with a message, when it cannot be made; false without a message when a file
// is already there.
bool createDatabase(DbKind kind, const QString& path, int level = CurrentSchemaLevel);

// Creates those of the two databases named in IniDatabase.ini whose files do not exist.
void createMissingDatabases();

} // namespace tessaro::refdb
