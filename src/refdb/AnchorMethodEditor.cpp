#include "refdb/AnchorMethodEditor.h"

#include "refdb/AnchorRows.h"
#include "refdb/DbSession.h"

namespace tessaro::refdb {
namespace {

bool copyTables(const QString& comboFrom, const QString& comboTo, const QString& anchorFrom, const QString& anchorTo)
{
    DbSession s(DbKind::Anchor);
    Transaction t(s);
    return t.active() && s.exec("DELETE FROM " + comboTo) &&
           s.exec("INSERT INTO " + comboTo + " SELECT * FROM " + comboFrom + " ORDER BY rowid") &&
           s.exec("DELETE FROM " + anchorTo) &&
           s.exec("INSERT INTO " + anchorTo + " SELECT * FROM " + anchorFrom + " ORDER BY rowid") && t.commit();
}

// nullopt when the database could not be used.
std::optional<bool> workingMethodExists(DbSession& s, const QString& name, int type)
{
    auto rows = s.select("SELECT COUNT(*) FROM BackComboTBL WHERE ANC_NAME = ? AND ANC_TYPE = ?", {name, type});
    if (!rows || rows->isEmpty())
        return std::nullopt;
    return rows->first().value(0).toInt() > 0;
}

WriteResult commitOrFail(Transaction& t) { return t.commit() ? WriteResult::Done : WriteResult::Failed; }

} // namespace

QString cutMethodName(const QString& name)
{
    QString cut = name.left(MethodNameLength);
    if (!cut.isEmpty() && cut.back().isHighSurrogate())
        cut.chop(1);
    return cut;
}

bool refreshWorkingCopies() { return copyTables("ComboTBL", "BackComboTBL", "AnchorTBL", "BackAnchorTBL"); }

bool commitWorkingCopies() { return copyTables("BackComboTBL", "ComboTBL", "BackAnchorTBL", "AnchorTBL"); }

bool discardWorkingCopies() { return refreshWorkingCopies(); }

QList<AnchorMethod> workingMethods()
{
    DbSession s(DbKind::Anchor);
    return methodsFrom(s.select("SELECT * FROM BackComboTBL ORDER BY ANC_NAME"));
}

WriteResult addWorkingMethod(const AnchorMethod& method)
{
    QString name = cutMethodName(method.AncName);
    if (name.trimmed().isEmpty())
        return WriteResult::EmptyName;
    DbSession s(DbKind::Anchor);
    Transaction t(s);
    auto exists = t.active() ? workingMethodExists(s, name, method.AncType) : std::nullopt;
    if (!exists)
        return WriteResult::Failed;
    if (*exists)
        return WriteResult::DuplicateName;
    if (!s.exec("INSERT INTO BackComboTBL (ANC_NAME, ANC_TYPE, Anc_TypeSyousai, Kintyou_Type) VALUES (?, ?, ?, ?)",
                {name, method.AncType, method.AncTypeSyousai, method.KintyouType}))
        return WriteResult::Failed;
    return commitOrFail(t);
}

WriteResult renameWorkingMethod(const QString& name, int type, const QString& newName)
{
    QString cut = cutMethodName(newName);
    if (cut.trimmed().isEmpty())
        return WriteResult::EmptyName;
    DbSession s(DbKind::Anchor);
    Transaction t(s);
    if (!t.active())
        return WriteResult::Failed;
    // A change of letter case only is a rename of the method to itself.
    if (cut.compare(name, Qt::CaseInsensitive) != 0) {
        auto exists = workingMethodExists(s, cut, type);
        if (!exists)
            return WriteResult::Failed;
        if (*exists)
            return WriteResult::DuplicateName;
    }
    if (!s.exec("UPDATE BackComboTBL SET ANC_NAME = ? WHERE ANC_NAME = ? AND ANC_TYPE = ?", {cut, name, type}))
        return WriteResult::Failed;
    if (s.changedRows() == 0)
        return WriteResult::NotFound;
    if (!s.exec("UPDATE BackAnchorTBL SET ANC_NAME = ? WHERE ANC_NAME = ? AND ANC_TYPE = ?", {cut, name, type}))
        return WriteResult::Failed;
    return commitOrFail(t);
}

WriteResult deleteWorkingMethod(const QString& name, int type)
{
    DbSession s(DbKind::Anchor);
    Transaction t(s);
    if (!t.active() || !s.exec("DELETE FROM BackComboTBL WHERE ANC_TYPE = ? AND ANC_NAME = ?", {type, name}))
        return WriteResult::Failed;
    if (s.changedRows() == 0)
        return WriteResult::NotFound;
    if (!s.exec("DELETE FROM BackAnchorTBL WHERE ANC_TYPE = ? AND ANC_NAME = ?", {type, name}))
        return WriteResult::Failed;
    return commitOrFail(t);
}

} // namespace tessaro::refdb
