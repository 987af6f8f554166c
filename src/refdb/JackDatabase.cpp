#include "refdb/JackDatabase.h"

#include "refdb/DbSession.h"

#include <algorithm>

namespace tessaro::refdb {
namespace {

constexpr int MaxPairs = 20;

// The columns every stored jack is written with, in the order of jackValues().
QStringList jackColumns()
{
    QStringList c{"J_No", "Jakki_Name", "Nouryoku", "Aturyoku", "Menseki", "Strok", "DataNum"};
    for (int i = 1; i <= MaxPairs; ++i)
        c << QStringLiteral("Syuturyoku%1").arg(i);
    for (int i = 1; i <= MaxPairs; ++i)
        c << QStringLiteral("Aturyoku%1").arg(i);
    return c;
}

// A remark value that was not given is stored as an empty column.
QVariant remarkValue(double v) { return v < 0 ? QVariant() : QVariant(v); }

QVariantList jackValues(const CDataJakki& j)
{
    QVariantList v{j.No,
                   j.JakkiName,
                   remarkValue(j.Nouryoku),
                   remarkValue(j.Aturyoku),
                   remarkValue(j.menseki),
                   remarkValue(j.Strok),
                   j.PairCount() + 1};
    for (const QList<double>* pairs : {&j.CarrySyutu, &j.CarryAtu}) {
        for (int i = 0; i < MaxPairs; ++i)
            v << (i < pairs->size() ? pairs->at(i) : 0.0);
    }
    return v;
}

std::optional<WriteResult> invalidJack(const CDataJakki& j)
{
    if (j.JakkiName.trimmed().isEmpty())
        return WriteResult::EmptyName;
    if (j.CarryAtu.size() > MaxPairs || j.CarryAtu.size() != j.CarrySyutu.size())
        return WriteResult::InvalidData;
    return std::nullopt;
}

// nullopt when the database could not be used.
std::optional<bool> nameTaken(DbSession& s, const QString& name, int exceptNo)
{
    auto rows = s.select("SELECT COUNT(*) FROM JakkiTBL WHERE Jakki_Name = ? AND J_No <> ?", {name, exceptNo});
    if (!rows || rows->isEmpty())
        return std::nullopt;
    return rows->first().value(0).toInt() > 0;
}

// The checks every write makes inside its transaction; nullopt when it may go on.
std::optional<WriteResult> refused(DbSession& s, const Transaction& t, const CDataJakki& jack)
{
    if (auto invalid = invalidJack(jack))
        return invalid;
    auto taken = t.active() ? nameTaken(s, jack.JakkiName, jack.No) : std::nullopt;
    if (!taken)
        return WriteResult::Failed;
    if (*taken)
        return WriteResult::DuplicateName;
    return std::nullopt;
}

WriteResult commitOrFail(Transaction& t) { return t.commit() ? WriteResult::Done : WriteResult::Failed; }

} // namespace

QList<CDataJakki> jackList()
{
    DbSession s(DbKind::Jack);
    QList<CDataJakki> jacks;
    auto rows = s.select("SELECT * from JakkiTBL ORDER BY J_No");
    for (const QSqlRecord& r : rows.value_or(QList<QSqlRecord>{}))
        jacks << CDataJakki::fromRecord(r);
    return jacks;
}

std::optional<CDataJakki> findJack(const QString& name)
{
    DbSession s(DbKind::Jack);
    auto rows = s.select("SELECT * FROM JakkiTBL WHERE Jakki_Name = ? ORDER BY J_No", {name});
    if (!rows || rows->isEmpty())
        return std::nullopt;
    return CDataJakki::fromRecord(rows->first());
}

std::optional<JackRecord> jackRecordByName(const QString& name)
{
    auto jack = findJack(name);
    if (!jack)
        return std::nullopt;
    return jack->toJackRecord();
}

bool jackNameExists(const QString& name, int exceptNo)
{
    DbSession s(DbKind::Jack);
    return nameTaken(s, name, exceptNo).value_or(false);
}

WriteResult insertJack(CDataJakki& jack)
{
    DbSession s(DbKind::Jack);
    Transaction t(s);
    CDataJakki stored = jack;
    stored.No = -1;
    if (auto refusal = refused(s, t, stored))
        return *refusal;
    auto last = s.select("SELECT COALESCE(MAX(J_No), 0) FROM JakkiTBL");
    if (!last || last->isEmpty())
        return WriteResult::Failed;
    stored.No = std::int16_t(last->first().value(0).toInt() + 1);
    QStringList columns = jackColumns();
    QString sql = "INSERT INTO JakkiTBL (" + columns.join(", ") + ") VALUES (" +
                  QStringList(columns.size(), "?").join(", ") + ")";
    if (!s.exec(sql, jackValues(stored)))
        return WriteResult::Failed;
    WriteResult result = commitOrFail(t);
    if (result == WriteResult::Done)
        jack.No = stored.No;
    return result;
}

WriteResult updateJack(const CDataJakki& jack)
{
    DbSession s(DbKind::Jack);
    Transaction t(s);
    if (auto refusal = refused(s, t, jack))
        return *refusal;
    QStringList assignments = jackColumns();
    for (QString& c : assignments)
        c += " = ?";
    QVariantList values = jackValues(jack);
    values << jack.No;
    if (!s.exec("UPDATE JakkiTBL SET " + assignments.join(", ") + " WHERE J_No = ?", values))
        return WriteResult::Failed;
    if (s.changedRows() == 0)
        return WriteResult::NotFound;
    return commitOrFail(t);
}

WriteResult deleteJack(const QString& name)
{
    DbSession s(DbKind::Jack);
    Transaction t(s);
    auto rows = t.active() ? s.select("SELECT J_No FROM JakkiTBL WHERE Jakki_Name = ?", {name}) : std::nullopt;
    if (!rows)
        return WriteResult::Failed;
    if (rows->isEmpty())
        return WriteResult::NotFound;
    QList<int> numbers;
    for (const QSqlRecord& r : *rows)
        numbers << r.value(0).toInt();
    // Later numbers first, so that each move counts only the jacks really gone.
    std::sort(numbers.begin(), numbers.end(), std::greater<>());
    if (!s.exec("DELETE FROM JakkiTBL WHERE ? = Jakki_Name", {name}))
        return WriteResult::Failed;
    for (int number : numbers) {
        if (!s.exec("UPDATE JakkiTBL SET J_No = J_No - 1 WHERE ? < J_No", {number}))
            return WriteResult::Failed;
    }
    return commitOrFail(t);
}

} // namespace tessaro::refdb
