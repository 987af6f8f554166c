#include "refdb/AnchorRows.h"

namespace tessaro::refdb {

const QString InsertDesignationSql = QStringLiteral(
    "INSERT INTO AnchorTBL (ANC_NAME, ANC_TYPE, Yobina, Hippari, Koufuku, Danmenseki, Danseikeisuu, Sakukoukei, "
    "UeMansyon, ShitaMansyon, MikakeSyuutyou, KTB_Taikatai, Taikatai1, Taikatai2, Taikatai3, Taikatai4, Taikatai5, "
    "KousenNum) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");

AnchorMethod methodFromRecord(const QSqlRecord& r)
{
    AnchorMethod m;
    m.AncName = r.value("ANC_NAME").toString();
    m.AncType = r.value("ANC_TYPE").toInt();
    m.AncTypeSyousai = r.value("Anc_TypeSyousai").toInt();
    m.KintyouType = r.value("Kintyou_Type").toInt();
    return m;
}

QList<AnchorMethod> methodsFrom(const std::optional<QList<QSqlRecord>>& rows)
{
    QList<AnchorMethod> result;
    if (rows) {
        for (const QSqlRecord& r : *rows)
            result << methodFromRecord(r);
    }
    return result;
}

AnchorDesignation designationFromRecord(const QSqlRecord& r)
{
    AnchorDesignation d;
    d.AncName = r.value("ANC_NAME").toString();
    d.AncType = r.value("ANC_TYPE").toInt();
    d.Yobina = r.value("Yobina").toString();
    d.Hippari = r.value("Hippari").toDouble();
    d.Koufuku = r.value("Koufuku").toDouble();
    d.Danmenseki = r.value("Danmenseki").toDouble();
    d.Danseikeisuu = r.value("Danseikeisuu").toDouble();
    d.Sakukoukei = r.value("Sakukoukei").toDouble();
    d.UeMansyon = r.value("UeMansyon").toDouble();
    d.ShitaMansyon = r.value("ShitaMansyon").toDouble();
    d.MikakeSyuutyou = r.value("MikakeSyuutyou").toDouble();
    d.KTB_Taikatai = r.value("KTB_Taikatai").toInt();
    for (int k = 0; k < 5; ++k)
        d.Taikatai[k] = r.value(QStringLiteral("Taikatai%1").arg(k + 1)).toInt();
    d.KousenNum = r.value("KousenNum").toInt();
    return d;
}

QVariantList designationValues(const AnchorDesignation& d)
{
    QVariantList v{d.AncName,   d.AncType,      d.Yobina,       d.Hippari,        d.Koufuku,     d.Danmenseki,
                   d.Danseikeisuu, d.Sakukoukei, d.UeMansyon, d.ShitaMansyon, d.MikakeSyuutyou, d.KTB_Taikatai};
    for (int t : d.Taikatai)
        v << t;
    v << d.KousenNum;
    return v;
}

} // namespace tessaro::refdb
