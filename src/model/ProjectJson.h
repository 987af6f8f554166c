#pragma once
// The open project as JSON, keyed by the field names of the records: what
// `tessaro-cli dump` prints for anyone who must check a data file.

#include "model/ProjectRecord.h"

#include <QJsonObject>

namespace tessaro {

// Opaque blocks appear as hexadecimal text with trailing zero bytes left out
// (an all-zero block gives ""); floats with their shortest exact decimal form.
// Fields of the project record named in leftOut are not written (a caller
// that writes those arrays one element at a time).
QJsonObject projectToJson(const Project& p, const QString& release, const QStringList& leftOut = {});
QJsonObject anchorToJson(const AnchorRecord& anchor);
// The document texts of the four families as a format file holds them:
// "DocumentSettings" and "DocumentTexts" under their record field names.
QJsonObject documentTextsToJson(const DocumentSettings& settings, const std::array<DocumentText, 4>& texts);
// A single as the dump writes it: its shortest exact decimal form.
QJsonValue floatToJson(float value);

} // namespace tessaro
