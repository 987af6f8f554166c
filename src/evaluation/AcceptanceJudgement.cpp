#include "evaluation/AcceptanceJudgement.h"

#include "model/AnchorRecord.h"

#include <array>

namespace tessaro {
namespace {

const std::array<VerdictOption, VerdictOptionCount>& options()
{
    static const std::array<VerdictOption, VerdictOptionCount> table { {
        { QStringLiteral("適性である"), QStringLiteral("合格"), false },
        { QStringLiteral("設計ｱﾝｶｰ力に対して安全を満たしていないため、供用しない"), QStringLiteral("設計ｱﾝｶｰ力不足"),
            true },
        { QStringLiteral("荷重-弾・塑性変位量曲線において、許容範囲内に入っていないため、供用しない"),
            QStringLiteral("許容範囲外"), true },
        { QStringLiteral("ｸﾘｰﾌﾟ係数が大きいため、供用しない"), QStringLiteral("ｸﾘｰﾌﾟ係数大"), true },
        { QStringLiteral("適性である  （判定基準入力可）"), QStringLiteral("合格"), false },
        { QStringLiteral("供用しない　（判定基準入力可）"), QStringLiteral("供用しない"), true },
        { QStringLiteral("自動判定を採用する"), QString(), false },
    } };
    return table;
}

} // namespace

const VerdictOption& verdictOption(int index)
{
    return options()[std::size_t(index >= 0 && index < VerdictOptionCount ? index : 0)];
}

int verdictTextList(int index)
{
    return index == PassWithText ? 1 : index == NotInServiceWithText ? 2 : 0;
}

QString cutVerdictText(const QString& text)
{
    return text.left(VerdictTextLimit);
}

QString judgeRangeDescription(int judgeRangeMode, int judgeFromCycle, bool withNote)
{
    if (judgeRangeMode == 0)
        return QStringLiteral("全サイクルの弾性変位量で判定");
    QString text = QString::number(judgeFromCycle) + QStringLiteral("サイクル目以降の弾性変位量で判定");
    if (withNote)
        text += QStringLiteral("\n(ただし、１サイクル試験時は省く)");
    return text;
}

void StoreFinalVerdict(AnchorRecord& anchor, int choice, const QString& freeText)
{
    if (choice < 0 || choice >= VerdictOptionCount)
        return;
    anchor.FinalChoice = std::uint8_t(choice);
    anchor.FinalVerdictText = verdictOption(choice).finalText;
    if (int list = verdictTextList(choice))
        anchor.AnchorRemarks[std::size_t(list - 1)] = cutVerdictText(freeText);
}

} // namespace tessaro
