#pragma once
// The anchor list as the main window shows it, and as the list is copied or
// exported: the column headings and the text of every cell. A quality-assurance
// project lists one row per anchor; a basic investigation its one anchor.

#include <QList>
#include <QString>
#include <QStringList>

namespace tessaro {

struct Project;

inline const QString AnchorListTitle = QStringLiteral("試験アンカー孔番全データ");

// Headings of the columns, the parts of a two-part heading and its unit on
// separate lines ("設計ｱﾝｶｰ力\n[常時]\n(kN)").
QStringList qualityListHeadings();
QStringList basicListHeadings();

// Column numbers (1-based) of the list cells the user may type into.
inline constexpr int ListColNo = 1;
inline constexpr int ListColName = 2;
inline constexpr int ListColModulus = 20;
inline constexpr int ListColMeasurer = 22;
inline constexpr int ListColGroutDate = 23;
inline constexpr int ListColTestDate = 24;

// The cell texts of row `row` of a quality-assurance list; unset values empty.
QStringList qualityRowTexts(const Project& p, int row);
// The one row of a basic investigation.
QStringList basicRowTexts(const Project& p);

// The whole list as a table: the title, the headings on one line each, then the rows.
QList<QStringList> anchorListTable(const Project& p);

// The texts of an anchor's tendon and anchorage choices.
QString anchoringTypeText(int type); // "くさび", "ナット", "くさびナット併用"
QString tensioningTypeText(int type);

} // namespace tessaro
