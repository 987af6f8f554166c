#include "refdb/ProductSelection.h"

#include "planning/TestKinds.h"
#include "refdb/DesignationColumns.h"

namespace tessaro::refdb {

bool designationComplete(const AnchorDesignation& d, int type)
{
    if (d.Yobina.trimmed().isEmpty() || d.Danmenseki <= 0 || d.Danseikeisuu <= 0)
        return false;
    if (type != LoadDistributionType)
        return true;
    if (d.KTB_Taikatai < 1 || d.KTB_Taikatai > MaxBodies || d.KousenNum <= 0)
        return false;
    for (int k = 0; k < d.KTB_Taikatai; ++k) {
        if (d.Taikatai[std::size_t(k)] <= 0)
            return false;
    }
    return true;
}

void takeDesignation(AnchorRecord& anchor, const AnchorMethod& method, const AnchorDesignation& d)
{
    TendonSpec& t = anchor.Tendon;
    t.AnchorTypeName = method.AncName;
    t.AnchorTypeCode = std::int16_t(method.AncType);
    t.AnchorTypeDetail = std::int16_t(method.AncTypeSyousai);
    t.TensioningType = std::int16_t(method.KintyouType);
    anchor.Material.TendonArea = float(d.Danmenseki);
    anchor.Material.TendonModulus = float(d.Danseikeisuu);
    anchor.TendonYieldLoad = float(d.Koufuku);
    AnchorSpec2& s = anchor.Spec2;
    s.Designation = d.Yobina;
    s.TensileLoad = float(d.Hippari);
    s.BoreDiameterRef = float(d.Sakukoukei);
    s.UpperSleeve = float(d.UeMansyon);
    s.LowerSleeve = float(d.ShitaMansyon);
    s.ProductPerimeter = float(d.MikakeSyuutyou);
    if (method.AncType != LoadDistributionType)
        return;
    t.BodyCount = std::int16_t(d.KTB_Taikatai);
    for (std::size_t k = 0; k < anchor.Material.BodyStrandCount.size(); ++k)
        anchor.Material.BodyStrandCount[k] = std::int16_t(int(k) < d.KTB_Taikatai ? d.Taikatai[k] : 0);
    anchor.Material.StrandSetCount = std::int16_t(d.KousenNum);
}

} // namespace tessaro::refdb
