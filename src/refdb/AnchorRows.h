#pragma once
// How rows of ComboTBL / BackComboTBL and AnchorTBL map to the records of the
// anchor-product database.

#include "refdb/AnchorProducts.h"

#include <QSqlRecord>
#include <QVariantList>

namespace tessaro::refdb {

AnchorMethod methodFromRecord(const QSqlRecord& r);
// The methods of a query's rows; empty when the query failed.
QList<AnchorMethod> methodsFrom(const std::optional<QList<QSqlRecord>>& rows);

AnchorDesignation designationFromRecord(const QSqlRecord& r);

// The statement that stores one designation, and its values in the statement's order.
extern const QString InsertDesignationSql;
QVariantList designationValues(const AnchorDesignation& d);

} // namespace tessaro::refdb
