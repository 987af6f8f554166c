#include "documents/LoadPlanFigure.h"

#include "model/AppPaths.h"

#include <QFile>
#include <utility>

namespace tessaro {
namespace {

LoadPlanGraphWriter& installedWriter()
{
    static LoadPlanGraphWriter writer;
    return writer;
}

} // namespace

LoadPlanGraphWriter setLoadPlanGraphWriter(LoadPlanGraphWriter writer)
{
    return std::exchange(installedWriter(), std::move(writer));
}

QString loadPlanGraphFile(int anchorIndex)
{
    return paths::data(QStringLiteral("GphInfo%1.svg").arg(anchorIndex));
}

QString writeLoadPlanGraph(const Project& p, int anchorIndex)
{
    const QString file = loadPlanGraphFile(anchorIndex);
    // A figure left from an earlier list (another project, another plan) must
    // never stand in for this anchor's.
    QFile::remove(file);
    const LoadPlanGraphWriter& writer = installedWriter();
    if (!writer || !writer(p, anchorIndex, file) || !QFile::exists(file))
        return {};
    return file;
}

} // namespace tessaro
