#pragma once
// Writes a project as the program of an older release wrote it, for the tests
// and benchmarks of the conversions. The differences from today's layout are
// stated here on their own, from the documented layouts of those releases, not
// taken from the program's conversion buffers.

#include "model/DataFile.h"
#include "model/RecordIO.h"

#include <cmath>
#include <string_view>

namespace tessaro::test {

// Writes each field of a record as the release stored it, the nested records
// too; unchanged fields go through the program's record writer.
class OlderLayoutWriter {
public:
    OlderLayoutWriter(QByteArray& out, Release release)
        : w_(out)
        , release_(release)
    {
    }

    template <class T> void operator()(const char* name, const T& value)
    {
        const std::string_view n(name);
        const bool release1 = release_ <= Release::R103;
        if constexpr (std::is_same_v<T, std::int32_t>) {
            if (n == "ElapsedTime" && release_ <= Release::R4003)
                return w_(name, std::int16_t(value));
        }
        else if constexpr (std::is_same_v<T, double>) {
            if (n == "SetAmount" && release1)
                return w_(name, std::int16_t(std::lround(value)));
        }
        else if constexpr (std::is_same_v<T, Block<18>>) {
            if (n == "MaterialBlock" && release1) { // 1.x: 28 bytes after area, modulus and α
                Block<16> head {};
                std::copy_n(value.begin(), head.size(), head.begin());
                return w_(name, head);
            }
        }
        if (release1 && lackedByRelease1(n))
            return;
        write(name, value);
    }

private:
    static bool lackedByRelease1(std::string_view n)
    {
        for (std::string_view lacked : { "AnchorTypeDetail", "TensioningType", "BodyStrandCount", "StrandSetCount",
                 "StrandBlock", "Reserved2", "Reserved3" })
            if (n == lacked)
                return true;
        return false;
    }

    template <class T> void write(const char* name, const T& value)
    {
        if constexpr (requires(T & t, OlderLayoutWriter & self) { t.visit(self); })
            const_cast<T&>(value).visit(*this);
        else
            w_(name, value);
    }
    template <class T, std::size_t N> void write(const char* name, const std::array<T, N>& items)
    {
        if constexpr (std::is_arithmetic_v<T>)
            w_(name, items);
        else
            for (const T& item : items)
                (*this)(name, item);
    }
    template <class T> void write(const char* name, const VarArray<T>& items)
    {
        w_(name, std::int16_t(1));
        w_(name, std::int32_t(items.size()));
        w_(name, std::int32_t(1));
        for (const T& item : items)
            (*this)(name, item);
    }

    RecordWriter w_;
    Release release_;
};

// The whole file of the project in the release's layout (any release from
// 1.02 on; 4.005 gives what the program saves today).
inline QByteArray olderReleaseFile(Project& p, Release release)
{
    p.Record.SavedTestCategory = p.TestCategory;
    QByteArray out = headerText(release);
    RecordWriter w(out);
    if (release != Release::R102) {
        w("SavedByVersion", p.SavedByVersion);
        w("SavedOnOS", p.SavedOnOS);
    }
    OlderLayoutWriter older(out, release);
    older("ProjectRecord", p.Record);
    const ProjectSettings& s = p.Settings;
    w("SummaryTable", s.Summary);
    w("UpperRate", s.UpperRate);
    w("LowerRate", s.LowerRate);
    w("JudgeRangeMode", s.JudgeRangeMode);
    w("JudgeFromCycle", s.JudgeFromCycle);
    if (release <= Release::R206)
        w("JudgeOption1", p.JudgeOption1);
    w("RateFactor", s.RateFactor);
    if (release <= Release::R206)
        w("JudgeOption2", p.JudgeOption2);
    if (release >= Release::R202)
        w("UltimatePullOut", s.UltimatePullOut);
    if (release >= Release::R300) {
        w("StandardEdition", s.StandardEdition);
        w("Reserved", Block<10> {});
        w("CreepJudgeValues", s.CreepJudgeValues);
        w("TpLimitCoefA", s.TpLimitCoefA);
        w("TpLimitCoefB", s.TpLimitCoefB);
        w("Reserved", Block<8> {});
    }
    if (release >= Release::R4002) {
        w("HeaderBlock", s.Header);
        w("CreepJudgeExtend", s.CreepJudgeExtend);
    }
    return out;
}

} // namespace tessaro::test
