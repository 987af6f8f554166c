#pragma once
// The method editor's working copies. While the anchor-method list is open the
// user changes only BackComboTBL and BackAnchorTBL; closing with "save" copies
// them over ComboTBL and AnchorTBL, closing without keeps the real tables as
// they were.
//
// A method is matched by name and anchor type. Renaming or deleting a method in
// the working copies takes its designations along, so that no designation is
// left under a name that no method has any more.

#include "refdb/AnchorProducts.h"
#include "refdb/WriteResult.h"

namespace tessaro::refdb {

// Method names are kept to 25 characters.
inline constexpr int MethodNameLength = 25;
// The name as stored: its first 25 characters (a character outside the basic
// plane is never split).
QString cutMethodName(const QString& name);

// Fills the working copies from the real tables (run when the editor opens).
bool refreshWorkingCopies();

// The working methods, ordered by name ("SELECT * FROM BackComboTBL ORDER BY ANC_NAME").
QList<AnchorMethod> workingMethods();

// Adds a method with its name cut to 25 characters, its type, type detail and
// tensioning type. EmptyName for a blank name, DuplicateName when the working
// copy already has a method of that name and type.
WriteResult addWorkingMethod(const AnchorMethod& method);

// Renames a method (new name cut to 25 characters) with its designations.
WriteResult renameWorkingMethod(const QString& name, int type, const QString& newName);

// Deletes a method with its designations.
WriteResult deleteWorkingMethod(const QString& name, int type);

// Replaces the real tables by the working copies, in one transaction.
bool commitWorkingCopies();
// Drops the changes: the working copies become the real tables again.
bool discardWorkingCopies();

} // namespace tessaro::refdb
