#pragma once
// The jack sketch of the plan and report documents: a picture file the engineer
// chose (bitmap, JPEG, GIF, PNG or SVG). Whatever the file, the document is
// composed: a file that is missing or cannot be read leaves the sketch area
// empty, and a very large picture is read scaled down, never whole.

#include <QString>

namespace tessaro {

enum class SketchState { Usable, Missing, Unreadable, TooLarge };

struct PreparedSketch {
    SketchState state = SketchState::Missing;
    QString file; // the picture to print; "" unless usable
    bool temporary = false; // a scaled copy the caller removes after composing
};

// Pictures up to this many pixels are printed from their file; larger ones are
// read scaled to at most ScaledSketchSide pixels on their longer side, where
// the file's format allows reading it scaled or it can be decoded whole within
// LargestDecodedSketch pixels; a larger one is left out.
inline constexpr qint64 LargestDirectSketch = 4096LL * 4096;
inline constexpr qint64 LargestDecodedSketch = 6000LL * 6000;
inline constexpr int ScaledSketchSide = 2400;

// Checks the file (its header only, for its size) and prepares what to print.
PreparedSketch prepareSketch(const QString& path);
// Whether a chosen file can be shown as a sketch at all (exists and reads as a picture).
bool isSketchFile(const QString& path);

// What the user is told when the sketch is left out; "" for a usable one.
QString sketchNotice(SketchState state);

} // namespace tessaro
