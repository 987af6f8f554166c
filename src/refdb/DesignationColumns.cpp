#include "refdb/DesignationColumns.h"

namespace tessaro::refdb {

QList<DesignationColumn> designationColumns(int type)
{
    using F = DesignationField;
    QList<DesignationColumn> c {
        { F::Yobina, QStringLiteral("呼び名") },
        { F::Hippari, QStringLiteral("引張荷重\nTus(kN)"), 2, 0, 9999.99 },
        { F::Koufuku, QStringLiteral("降伏荷重\nTys(kN)"), 2, 0, 9999.99 },
        { F::Danmenseki, QStringLiteral("断面積\n(mm2)"), 2, 0, 9999.99 },
        { F::Danseikeisuu, QStringLiteral("ﾃﾝﾄﾞﾝ弾性係数\n(kN/mm2)"), 2, 0, 999.99 },
        { F::Sakukoukei, QStringLiteral("削孔径[参考値]\n(mm)"), 0, 0, 999 },
    };
    TypeColumns used = columnsOfType(type);
    if (used.MikakeSyuutyou)
        c << DesignationColumn { F::MikakeSyuutyou, QStringLiteral("見かけの周長\n(mm)"), 1, 0, 9999.9 };
    if (used.UeMansyon)
        c << DesignationColumn { F::UeMansyon, QStringLiteral("上部ﾏﾝｼｮﾝ\n(mm)"), 0, 0, 9999 };
    if (used.ShitaMansyon)
        c << DesignationColumn { F::ShitaMansyon, QStringLiteral("下部ﾏﾝｼｮﾝ\n(mm)"), 0, 0, 9999 };
    if (used.Bodies) {
        c << DesignationColumn { F::KTB_Taikatai, QStringLiteral("耐荷体数\n(個)"), 0, 1, MaxBodies };
        c << DesignationColumn { F::KousenNum, QStringLiteral("鋼線総数\n(組)"), 0, 1, 999 };
        for (int k = 1; k <= MaxBodies; ++k)
            c << DesignationColumn { F::Taikatai, QStringLiteral("耐荷体%1\n(組)").arg(k), 0, 1, 99, k };
    }
    return c;
}

double columnValue(const AnchorDesignation& d, const DesignationColumn& c)
{
    using F = DesignationField;
    switch (c.field) {
    case F::Yobina:
        return 0;
    case F::Hippari:
        return d.Hippari;
    case F::Koufuku:
        return d.Koufuku;
    case F::Danmenseki:
        return d.Danmenseki;
    case F::Danseikeisuu:
        return d.Danseikeisuu;
    case F::Sakukoukei:
        return d.Sakukoukei;
    case F::MikakeSyuutyou:
        return d.MikakeSyuutyou;
    case F::UeMansyon:
        return d.UeMansyon;
    case F::ShitaMansyon:
        return d.ShitaMansyon;
    case F::KTB_Taikatai:
        return d.KTB_Taikatai;
    case F::KousenNum:
        return d.KousenNum;
    case F::Taikatai:
        return d.Taikatai[std::size_t(c.body - 1)];
    }
    return 0;
}

void setColumnValue(AnchorDesignation& d, const DesignationColumn& c, double value)
{
    using F = DesignationField;
    switch (c.field) {
    case F::Yobina:
        break;
    case F::Hippari:
        d.Hippari = value;
        break;
    case F::Koufuku:
        d.Koufuku = value;
        break;
    case F::Danmenseki:
        d.Danmenseki = value;
        break;
    case F::Danseikeisuu:
        d.Danseikeisuu = value;
        break;
    case F::Sakukoukei:
        d.Sakukoukei = value;
        break;
    case F::MikakeSyuutyou:
        d.MikakeSyuutyou = value;
        break;
    case F::UeMansyon:
        d.UeMansyon = value;
        break;
    case F::ShitaMansyon:
        d.ShitaMansyon = value;
        break;
    case F::KTB_Taikatai:
        d.KTB_Taikatai = int(value);
        break;
    case F::KousenNum:
        d.KousenNum = int(value);
        break;
    case F::Taikatai:
        d.Taikatai[std::size_t(c.body - 1)] = int(value);
        break;
    }
}

bool columnRequired(const DesignationColumn& c, int bodyCount)
{
    return c.field != DesignationField::Taikatai || c.body <= bodyCount;
}

} // namespace tessaro::refdb
