#pragma once
// The load-plan figure of the anchor particulars list: the planned load of one
// anchor against the planned time in minutes, from its load plan and holding-time
// schedule. The graph module draws it; documents only name the file and place it.
//
// The graph module installs its writer once at start-up
// (ui::installDocumentGraphWriters). Without a writer (or when it fails) the figure block is drawn with an empty
// picture, so the rest of the list still prints.

#include <QString>
#include <functional>

namespace tessaro {

struct Project;

// Writes the load-plan graph of anchor n (1-based; 1 in a basic investigation)
// as an SVG file at the given path, replacing it. False when it wrote nothing.
using LoadPlanGraphWriter = std::function<bool(const Project& p, int anchorIndex, const QString& svgFile)>;

// Installs the writer (an empty function removes it) and returns the previous one.
LoadPlanGraphWriter setLoadPlanGraphWriter(LoadPlanGraphWriter writer);

// "GphInfo" + n + ".svg" in the writable data folder.
QString loadPlanGraphFile(int anchorIndex);

// Removes any earlier file of anchor n, lets the installed writer draw it anew
// and returns the file when it exists afterwards, else "" (no writer, or the
// writer failed).
QString writeLoadPlanGraph(const Project& p, int anchorIndex);

} // namespace tessaro
