#pragma once
// The faces documents are printed in: IPAex Mincho and IPAex Gothic, loaded
// from the system's font folders and rewritten so that every character has a
// glyph of its own (UniqueGlyphFont.h), so that the PDF's text is found and
// copied as the characters that were printed. They are registered under names
// of their own, "Tessaro Mincho" and "Tessaro Gothic", once per program run.

#include "documents/ReportTemplate.h"

#include <QFont>
#include <QString>
#include <QStringList>

namespace tessaro::report {

// The family to print a face in; the system's IPAex family when the print face
// could not be made (the face is then named by missingPrintFonts).
QString printFamily(FontFace face);

// The font a document prints for a font a chart or figure asks for: the IPAex
// families among its families become the print faces, others stay.
QFont printFont(QFont font);

// The faces that could not be loaded, with the font file looked for
// ("IPAex明朝 (ipaexm.ttf)"); empty when all are there.
QStringList missingPrintFonts();

} // namespace tessaro::report
