#include "model/OlderReleaseFixups.h"

#include "evaluation/TensionFreeLength.h"
#include "planning/basKajyuu.h"

namespace tessaro {
namespace {

template <class F> void forEachAnchor(ProjectRecord& r, F f)
{
    f(r.WorkingAnchor);
    for (AnchorRecord& a : r.Anchors)
        f(a);
}

// Releases up to 2.06 counted elapsed time in minutes.
void minutesToSeconds(AnchorRecord& a)
{
    for (Reading& row : a.Readings)
        row.ElapsedTime *= 60;
}

// The loading and unloading minutes of releases up to 3.00 below ten are not
// taken over: today's load-change settings start from 0 there.
void clearShortLoadChangeTimes(AnchorRecord& a)
{
    for (std::int16_t* minutes : { &a.Spec2.LoadingMinutes, &a.Spec2.UnloadingMinutes })
        if (*minutes < 10)
            *minutes = 0;
}

// Values of an anchor that releases up to 3.00 did not hold, and the verdict
// text "適正" they wrote for a pass.
void completeRelease3Anchor(AnchorRecord& a)
{
    a.ReservedPair1.fill(MissingValue);
    a.ReservedPair2.fill(MissingValue);
    a.TendonYieldLoad = 1.0f;
    if (a.FinalVerdictText == QStringLiteral("適正"))
        a.FinalVerdictText = QStringLiteral("合格");
}

// Releases up to 4.002 stored the free length at tensioning formed by their
// own rules: it is formed anew from the stored lengths by the anchor type, as
// the main window forms it, where it can be formed (a stored value is never
// replaced by "cannot be formed").
void rebaseLengths(AnchorRecord& a)
{
    const TendonSpec& t = a.Tendon;
    std::int32_t lsf
        = TensionFreeLengthOf(a, t.AnchorTypeCode, t.FreeLength, t.AnchorLength, t.TensionFreeLength, t.ExtraLength);
    if (lsf > 0)
        a.Tendon.TensionFreeLength = lsf;
}

} // namespace

// The judgement settings, the document texts and the extended creep value
// that releases up to 2.06 (or 3.00) did not store keep the defaults of the
// empty project the load started from.
void FixOlderReleaseValues(Release release, Project& p)
{
    ProjectRecord& r = p.Record;
    if (release <= Release::R103) {
        p.JudgeOption1 = -9999;
        p.JudgeOption2 = 1;
    }
    if (release <= Release::R200)
        p.Settings.UltimatePullOut = float(displayedNumber(r.WorkingAnchor.UltimatePullOutText));
    if (release <= Release::R202)
        for (AnchorRecord& a : r.Anchors)
            if (a.LockOffMode == 1)
                a.LockOffMode = 2;
    if (release <= Release::R206) {
        p.Settings.StandardEdition = 0;
        forEachAnchor(r, minutesToSeconds);
    }
    if (release <= Release::R300) {
        for (AnchorRecord& a : r.Anchors)
            completeRelease3Anchor(a);
        r.WorkingAnchor.TendonYieldLoad = 1.0f;
        forEachAnchor(r, clearShortLoadChangeTimes);
    }
    if (release >= Release::R4002 && release <= Release::R4004)
        forEachAnchor(r, [](AnchorRecord& a) { a.TendonYieldLoad = 1.0f; });
    if (release <= Release::R4002)
        forEachAnchor(r, rebaseLengths);
}

} // namespace tessaro
