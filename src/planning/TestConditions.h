#pragma once
// The test conditions of a project: how many anchors are tested and which jack
// is used on each. Fixing them invalidates every anchor's load plan and reading
// sheet, because planned gauge pressures and sheet rows depend on the jack.

#include "model/ProjectRecord.h"

#include <QStringList>
#include <functional>
#include <optional>

namespace tessaro {

enum JackTypeValue : int {
    OneJackForAll = 0, // OptJackType(0)
    JackPerAnchor = 1, // OptJackType(1)
};

struct TestConditions {
    int anchorCount = 0;
    int jackType = OneJackForAll;
    QString singleJack; // the jack of every anchor in one-jack mode
    QStringList anchorJacks; // jack of anchor 1, 2, … in several-jack mode

    // The jack name anchor i (1-based) is to carry; "" when none was chosen.
    QString jackOf(int anchor) const;
};

// What OK refuses, in the order it is checked.
enum class ConditionsProblem { None, NoAnchorCount, NoSingleJack, AnchorWithoutJack };
ConditionsProblem checkTestConditions(const TestConditions& c);
QString conditionsMessage(ConditionsProblem problem);

// The jack database as the conditions see it. When it could not be read, `readable`
// is false: an anchor that keeps its jack name then keeps its jack copy, as nothing
// better is known, and an anchor given another name gets an empty copy.
struct JackSource {
    bool readable = true;
    std::function<std::optional<JackRecord>(const QString& name)> find;
};

// Stores the conditions in the project: the anchor count (a quality-assurance
// project resizes its per-anchor arrays keeping existing anchors; a basic
// investigation always has one anchor, the working anchor), the jack type, and
// for each anchor its jack name and number, its jack copy from the database (an
// empty copy for a name the database does not have) and cleared plan-set and
// sheet-valid flags.
void applyTestConditions(Project& p, const TestConditions& c, const JackSource& jacks);

} // namespace tessaro
