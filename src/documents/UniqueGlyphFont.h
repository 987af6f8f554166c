#pragma once
// A TrueType font rewritten so that no two characters share a glyph.
//
// Japanese fonts draw several characters with one glyph: the ideograph 工
// (U+5DE5) and the Kangxi radical ⼯ (U+2F2F), the ideographic space and the em
// space, the fullwidth tilde and the wave dash, the minus sign and the soft
// hyphen. A PDF maps each glyph back to one character for searching and
// copying, and the PDF writer takes the lowest code point it finds for the
// glyph — so 工事 is found as ⼯事. In the rewritten font every character after
// the first of a shared glyph draws an identical copy of its own, so the way
// back is exact. Outlines, metrics and hinting are those of the original; the
// font carries the family name it is given, so that it never stands in for the
// original under the original's name.

#include <QByteArray>
#include <QString>
#include <optional>

namespace tessaro::report {

// The rewritten font, or nothing (with the reason in *error) when the data is
// not a TrueType font with outlines (a 'glyf' table) and a Unicode character map.
std::optional<QByteArray> withUniqueGlyphs(const QByteArray& trueType, const QString& family, QString* error);

} // namespace tessaro::report
