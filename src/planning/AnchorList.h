#pragma once
// The anchor list of a quality-assurance project as the main window edits it:
// copy, insert a copy, add, delete, remove the anchors without data and move
// an anchor up or down. Each operation keeps the per-anchor arrays (anchors,
// creep selections, schedules, jack names and numbers) in step. Rows are
// 1-based like the anchors.

#include "model/ProjectRecord.h"

namespace tessaro {

// What the copy command holds for the insert command (not saved).
struct AnchorClipboard {
    bool filled = false;
    AnchorRecord anchor;
    CreepSelection creep;
    QString label;
    std::int16_t mark = 0;
    HoldingSchedule schedule;
};

inline const QString AnchorLimitMessage = QStringLiteral("登録できるアンカー総本数は999本までとなります。");

bool validRow(const Project& p, int row);

AnchorClipboard copyAnchor(const Project& p, int row);
// Inserts the clipboard's anchor before row (row AnchorCount + 1 appends);
// false, with nothing changed, at the 999-anchor limit or for an empty clipboard.
bool insertAnchor(Project& p, int row, const AnchorClipboard& clip);
// Appends a new anchor: reset, with the default load-change times, and with the
// jack of anchor 1 when one jack serves all anchors. False at the limit.
bool addAnchor(Project& p);
void deleteAnchor(Project& p, int row);

// An anchor has data when it has a name or readings; the others are the grey
// rows that the remove command deletes.
bool anchorHasInput(const AnchorRecord& anchor);
// Removes every anchor without data, keeping at least one anchor; returns the
// number removed. trackedRow follows its anchor (a removed one gives the row
// that took its place).
int removeAnchorsWithoutInput(Project& p, int& trackedRow);

// Rows from 1 up to the first anchor without a name.
int namedRowCount(const Project& p);
// Moving up is possible from row 2 on. Moving down stops at the last row of the
// list and at the last of the named rows.
bool canMoveUp(const Project& p, int row);
bool canMoveDown(const Project& p, int row);
// Exchanges two rows in every per-anchor array.
void swapAnchors(Project& p, int row1, int row2);

} // namespace tessaro
