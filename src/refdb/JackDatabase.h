#pragma once
// The jack database as the windows use it: the jack list (JakkiTBL ordered by
// J_No), one jack by name, and the changes of the jack editor. Jacks are
// numbered 1 .. n without gaps; names are matched without regard to letter case.
//
// Every function opens the database named in IniDatabase.ini for the one call.
// When the file cannot be used the user has been told why, and the function
// gives an empty list, nullopt, false or WriteResult::Failed.

#include "model/JackRecord.h"
#include "refdb/CDataJakki.h"
#include "refdb/WriteResult.h"

#include <optional>

namespace tessaro::refdb {

// Every jack, ordered by number ("SELECT * from JakkiTBL ORDER BY J_No").
QList<CDataJakki> jackList();

// The jack of this name, nullopt when there is none.
std::optional<CDataJakki> findJack(const QString& name);

// The copy an anchor carries of the jack of this name (all columns of its row,
// the point count being the pairs plus one); nullopt when there is none, and the
// anchor's jack record then stays empty.
std::optional<JackRecord> jackRecordByName(const QString& name);

// True when a jack other than number exceptNo has this name.
bool jackNameExists(const QString& name, int exceptNo = -1);

// Appends the jack as number n + 1 and sets jack.No to it. EmptyName for a blank
// name, DuplicateName when the name is taken, InvalidData for more than 20 pairs
// or lists of different lengths.
WriteResult insertJack(CDataJakki& jack);

// Rewrites the jack of number jack.No with all its values; NotFound when there is
// no jack of that number.
WriteResult updateJack(const CDataJakki& jack);

// Deletes the jack of this name and moves every later jack up by one number
// (J_No - 1), in one transaction.
WriteResult deleteJack(const QString& name);

} // namespace tessaro::refdb
