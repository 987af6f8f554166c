#pragma once
// The list of recently used data files in the per-user settings store
// (application "TessaroVersion1", section "Recent Files", RecentFile1..10).

#include <QStringList>
#include <functional>

namespace tessaro::recent {

inline constexpr int MaxRecentFiles = 10;

QStringList files();
// Moves an existing entry to the top, or pushes the path in front (the tenth is lost).
void AddRecentFile(const QString& path);
// Rewrites the whole list in the given order.
void setFiles(const QStringList& paths);
// Deletes the whole "Recent Files" section.
void clear();

// Called after every change, so that the main window rebuilds its menu.
void setChangedCallback(std::function<void()> callback);

} // namespace tessaro::recent
