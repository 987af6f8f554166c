#pragma once
// The friction-loss sheet of a basic investigation ("摩擦損失量の算出"): one A4
// page with the anchor's particulars and the load–elastic-displacement chart
// (Masatusonshitu.jfm), then the working that led to the loss, either from the
// intersection load typed in (MasatusonshituShitei.jfm) or from the line through
// two chosen points (Masatusonshitu2point.jfm). The chart is drawn on the page
// in the format the friction-loss window shows it (its designed appearance for
// tessaro-cli).

#include "documents/ReportEngine.h"
#include "graphs/GraphFormats.h"

#include <QString>

namespace tessaro {

struct Project;
struct AnchorRecord;

// Told when the sheet cannot be composed from the anchor's data.
inline const QString FrictionSheetIncompleteMessage
    = QStringLiteral("入力データが足りない為に、表示できません。値を入力して下さい。");

// The evaluated anchor's choice gives a sheet worth printing: an intersection
// load typed in, or two points among those offered that define a line crossing
// the load axis; and at least one cycle has its elastic displacement.
bool frictionSheetReady(const AnchorRecord& evaluated);

// The fields of the three templates, for an evaluated anchor.
report::Fields frictionLossHeadFields(const Project& p, const AnchorRecord& evaluated);
report::Fields givenInterceptFields(const AnchorRecord& evaluated);
report::Fields twoPointFields(const AnchorRecord& evaluated);

// Composes the sheet of the evaluated anchor (the window's working copy, or the
// stored anchor evaluated afresh) and ends the document. False when the
// document could not be written.
bool PrintMasatusonshitu(report::ReportEngine& engine, const Project& p, const AnchorRecord& evaluated,
    const ChartFormat& format = designedFrictionLossFormat());

} // namespace tessaro
