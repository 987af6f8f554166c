#include "refdb/AnchorProducts.h"

#include "refdb/AnchorRows.h"
#include "refdb/DbSession.h"

namespace tessaro::refdb {
namespace {

LoadDistributionDesignation loadDistributionFromRecord(const QSqlRecord& r)
{
    LoadDistributionDesignation d;
    d.AncName = r.value("anc_name").toString();
    d.Yobina = r.value("Yobina").toString();
    for (int k = 0; k < 5; ++k)
        d.Taikatai[k] = r.value(QStringLiteral("taikatai%1").arg(k + 1)).toInt();
    d.KousenNum = r.value("kousennum").toInt();
    d.AncTypeSyousai = r.value("Anc_TypeSyousai").toInt();
    d.KintyouType = r.value("Kintyou_type").toInt();
    return d;
}

QList<LoadDistributionDesignation> selectLoadDistribution(const QString& where, const QVariantList& values)
{
    DbSession s(DbKind::Anchor);
    QList<LoadDistributionDesignation> result;
    auto rows = s.select("SELECT * FROM BunsanTaikatai" + where + " ORDER BY anc_name, Yobina", values);
    for (const QSqlRecord& r : rows.value_or(QList<QSqlRecord>{}))
        result << loadDistributionFromRecord(r);
    return result;
}

} // namespace

TypeColumns columnsOfType(int type)
{
    TypeColumns c;
    c.MikakeSyuutyou = type >= 0 && type <= 2;
    c.UeMansyon = type == 1 || type == 2;
    c.ShitaMansyon = type == 2;
    c.Bodies = type == 3;
    return c;
}

AnchorDesignation keepColumnsOfType(AnchorDesignation row, int type)
{
    TypeColumns c = columnsOfType(type);
    if (!c.MikakeSyuutyou)
        row.MikakeSyuutyou = 0;
    if (!c.UeMansyon)
        row.UeMansyon = 0;
    if (!c.ShitaMansyon)
        row.ShitaMansyon = 0;
    if (!c.Bodies) {
        row.KTB_Taikatai = 0;
        row.KousenNum = 0;
    }
    for (int k = 0; k < 5; ++k) {
        if (k >= row.KTB_Taikatai)
            row.Taikatai[k] = 0;
    }
    return row;
}

QList<AnchorMethod> anchorMethods()
{
    DbSession s(DbKind::Anchor);
    return methodsFrom(s.select("SELECT * FROM ComboTBL ORDER BY ANC_NAME"));
}

QList<AnchorDesignation> designations(const QString& method, int type)
{
    DbSession s(DbKind::Anchor);
    QList<AnchorDesignation> result;
    auto rows = s.select("SELECT * FROM AnchorTBL WHERE ANC_NAME = ? AND ANC_TYPE = ? ORDER BY rowid", {method, type});
    for (const QSqlRecord& r : rows.value_or(QList<QSqlRecord>{}))
        result << designationFromRecord(r);
    return result;
}

bool saveDesignations(const QString& method, int type, const QList<AnchorDesignation>& rows)
{
    DbSession s(DbKind::Anchor);
    Transaction t(s);
    if (!t.active() || !s.exec("DELETE FROM AnchorTBL WHERE ANC_NAME = ? AND ANC_TYPE = ?", {method, type}))
        return false;
    for (AnchorDesignation row : rows) {
        row.AncName = method;
        row.AncType = type;
        if (!s.exec(InsertDesignationSql, designationValues(keepColumnsOfType(row, type))))
            return false;
    }
    return t.commit();
}

bool deleteDesignations(const QString& method, int type)
{
    DbSession s(DbKind::Anchor);
    return s.isOpen() && s.exec("DELETE FROM AnchorTBL WHERE ANC_TYPE = ? AND ANC_NAME = ?", {type, method});
}

QList<LoadDistributionDesignation> loadDistributionDesignations() { return selectLoadDistribution({}, {}); }

std::optional<LoadDistributionDesignation> loadDistributionDesignation(const QString& method, const QString& yobina)
{
    auto rows = selectLoadDistribution(" WHERE anc_name = ? AND Yobina = ?", {method, yobina});
    if (rows.isEmpty())
        return std::nullopt;
    return rows.first();
}

} // namespace tessaro::refdb
