#include "planning/TestConditions.h"

#include "model/basMainData.h"

#include <algorithm>
#include <map>

namespace tessaro {

QString TestConditions::jackOf(int anchor) const
{
    if (jackType == OneJackForAll)
        return singleJack;
    return anchor >= 1 && anchor <= anchorJacks.size() ? anchorJacks[anchor - 1] : QString();
}

ConditionsProblem checkTestConditions(const TestConditions& c)
{
    if (c.anchorCount <= 0)
        return ConditionsProblem::NoAnchorCount;
    if (c.jackType == OneJackForAll)
        return c.singleJack.isEmpty() ? ConditionsProblem::NoSingleJack : ConditionsProblem::None;
    for (int i = 1; i <= c.anchorCount; ++i) {
        if (c.jackOf(i).isEmpty())
            return ConditionsProblem::AnchorWithoutJack;
    }
    return ConditionsProblem::None;
}

QString conditionsMessage(ConditionsProblem problem)
{
    switch (problem) {
    case ConditionsProblem::None:
        return {};
    case ConditionsProblem::NoAnchorCount:
        return QStringLiteral("試験アンカー本数が未入力です。入力してください。");
    case ConditionsProblem::NoSingleJack:
        return QStringLiteral("ジャッキ名が未選択です。使用するジャッキ名を選択してください。");
    case ConditionsProblem::AnchorWithoutJack:
        return QStringLiteral(
            "ジャッキ名が未選択です。\n"
            "※「複数のジャッキを使用する」場合は、試験アンカー毎に使用するジャッキ名を選択して下さい。");
    }
    return {};
}

namespace {

void assignJack(AnchorRecord& anchor, QString& label, std::int16_t& mark, const QString& name, const JackSource& jacks)
{
    anchor.Plan.PlanSet = 0;
    anchor.EditFlag = 0;
    if (jacks.readable) {
        std::optional<JackRecord> jack = jacks.find ? jacks.find(name) : std::nullopt;
        anchor.Jack = jack.value_or(JackRecord {});
        mark = jack ? jack->JackNo : std::int16_t(0);
    }
    else if (name != label) {
        anchor.Jack = JackRecord {};
        mark = 0;
    }
    label = name;
}

} // namespace

void applyTestConditions(Project& p, const TestConditions& c, const JackSource& jacks)
{
    ProjectRecord& r = p.Record;
    int n = p.isBasic() ? 1 : std::clamp(c.anchorCount, 1, MaxAnchors);
    if (n != r.AnchorCount || r.Anchors.size() != std::size_t(n) || r.AnchorLabels.size() != std::size_t(n))
        ResizeAnchorArrays(p, n);
    p.CurrentAnchor = std::int16_t(std::clamp<int>(p.CurrentAnchor, 1, n));

    // With one jack for every anchor the same name comes up for each anchor: every
    // name is read from the database once.
    std::map<QString, std::optional<JackRecord>> known;
    JackSource once { jacks.readable, [&](const QString& name) {
                         auto it = known.find(name);
                         if (it == known.end())
                             it = known.emplace(name, jacks.find ? jacks.find(name) : std::nullopt).first;
                         return it->second;
                     } };
    for (int i = 1; i <= n; ++i) {
        AnchorRecord& anchor = p.isBasic() ? r.WorkingAnchor : p.anchor(i);
        assignJack(anchor, r.AnchorLabels[std::size_t(i - 1)], r.AnchorMarks[std::size_t(i - 1)], c.jackOf(i), once);
    }
    r.JackTypeChoice = std::uint8_t(c.jackType);
}

} // namespace tessaro
