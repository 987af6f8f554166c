// `tessaro-cli sheet FILE`: the reading sheet each anchor's load plan and
// holding-time schedule produce, printed as JSON; the file is not changed.

#include "cli/Commands.h"

#include "cli/JsonOutput.h"
#include "model/JsonEmit.h"
#include "model/basMainData.h"
#include "recording/ReadingSheet.h"

namespace tessaro::cli {

int sheet(const Arguments& args)
{
    if (!loadProject(args.positional[0]))
        return 1;
    Project& p = project();
    const int count = p.isBasic() ? 1 : int(std::min(p.Record.Anchors.size(), p.Record.Schedules.size()));
    JsonOutput out(args);
    const bool written = out.writeArray(count, [&p](json::JsonText& text, int i) {
        p.CurrentAnchor = std::int16_t(i + 1);
        AnchorRecord generated = p.currentAnchor();
        GenerateSheet(generated, p.currentSchedule(), usesSingleCycleSheet(generated, p.TestCategory));
        text.beginObject();
        text.key(QLatin1String("AnchorNo"));
        text.text(generated.AnchorNo);
        text.key(QLatin1String("Readings"));
        json::writeValue(text, generated.Readings);
        text.endObject();
    });
    return written ? 0 : failed("sheet", out.error());
}

} // namespace tessaro::cli
