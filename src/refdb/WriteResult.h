#pragma once
// The outcome of a change to a reference database that the window may have to
// explain. Only Failed has been shown to the user already (the database could
// not be used); for the others the window gives its own message.

namespace tessaro::refdb {

enum class WriteResult {
    Done,
    EmptyName,     // the name is empty (after cutting to its allowed length)
    DuplicateName, // another row already has this name
    NotFound,      // no row to change or delete
    InvalidData,   // the record cannot be stored as it is (more than 20 calibration pairs)
    Failed,        // the database could not be used or refused the change; reported
};

} // namespace tessaro::refdb
