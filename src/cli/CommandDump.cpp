// `tessaro-cli dump FILE`: the project as JSON under the field names of its
// records; `resave IN OUT`: loads and saves a file as the program does.

#include "cli/Commands.h"

#include "cli/JsonOutput.h"
#include "model/DataFile.h"
#include "model/JsonEmit.h"
#include "model/ProjectJson.h"
#include "model/basMainData.h"

#include <QFile>

namespace tessaro::cli {

int dump(const Arguments& args)
{
    const QString path = args.positional[0];
    if (!loadProject(path))
        return 1;
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    const QString release = releaseName(releaseOfHeader(f.read(HeaderLength)));
    const Project& p = project();
    const auto& anchors = p.Record.Anchors;
    const auto& schedules = p.Record.Schedules;
    JsonOutput out(args);
    // The anchors and their schedules, nearly all of a project, go straight
    // from the records to the text.
    const bool written = out.writeObject(projectToJson(p, release, { "Anchors", "Schedules" }),
        { { "Anchors", int(anchors.size()),
              [&](json::JsonText& text, int i) { json::writeValue(text, anchors[std::size_t(i)]); } },
            { "Schedules", int(schedules.size()),
                [&](json::JsonText& text, int i) { json::writeValue(text, schedules[std::size_t(i)]); } } });
    return written ? 0 : failed("dump", out.error());
}

int resave(const Arguments& args)
{
    if (!loadProject(args.positional[0]))
        return 1;
    return SaveDataFile(args.positional[1]) ? 0 : 1;
}

} // namespace tessaro::cli
