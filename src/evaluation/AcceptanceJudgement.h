#pragma once
// The engineer's final judgement of an anchor of a quality-assurance project:
// seven verdicts, two of them with a free text of the engineer's own words, and
// the texts that describe which cycles the automatic range check judges.

#include <QString>

namespace tessaro {

struct AnchorRecord;

inline constexpr int VerdictOptionCount = 7;
// Verdicts that carry a free text: 4 a pass, 5 not put into service.
inline constexpr int PassWithText = 4;
inline constexpr int NotInServiceWithText = 5;
inline constexpr int AdoptAutomatic = 6;
// Free verdict texts are cut to this many characters.
inline constexpr int VerdictTextLimit = 60;

struct VerdictOption {
    QString caption; // the option's caption
    QString finalText; // the final judgement it gives ("" for the automatic one)
    bool failed = false; // shown in red
};
// Option 0..6; an index outside reads as option 0.
const VerdictOption& verdictOption(int index);
// Which free-text list the option opens: 1 pass texts, 2 not-in-service texts, 0 none.
int verdictTextList(int index);

// A free verdict text as typed, cut to its first 60 characters.
QString cutVerdictText(const QString& text);

// The judged cycles as the judgement window words them: for mode 0
// "全サイクルの弾性変位量で判定", else n "サイクル目以降の弾性変位量で判定"
// (with, when `withNote`, the line "(ただし、１サイクル試験時は省く)").
QString judgeRangeDescription(int judgeRangeMode, int judgeFromCycle, bool withNote);

// Stores the verdict chosen with its text into the anchor: FinalChoice, the
// final judgement text, and for 4 or 5 the remark of that verdict.
void StoreFinalVerdict(AnchorRecord& anchor, int choice, const QString& freeText);

} // namespace tessaro
