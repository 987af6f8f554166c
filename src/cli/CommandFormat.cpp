// `tessaro-cli format FILE.kkf`: a format file as JSON, so that an office can
// check its standard wordings; `format-apply FORMAT DATA.tsx --family F --out
// OUT.tsx`: applies a format file to one document family of a data file, as
// the wizard's "書式適用" does, and saves the result as a new file.

#include "cli/Commands.h"

#include "cli/JsonOutput.h"
#include "documents/DocumentFamily.h"
#include "documents/FormatFile.h"
#include "model/DataFile.h"
#include "model/ProjectJson.h"
#include "model/basMainData.h"

#include <QTextStream>

namespace tessaro::cli {
namespace {

const ArgumentSpec FormatApplySpec { 2, 2, {}, { "family", "out" } };

QString familyNames()
{
    QStringList names;
    for (DocumentFamily f : AllDocumentFamilies)
        names << familyInfo(f).cliName;
    return names.join('|');
}

int formatApplyUsageError(const QString& reason)
{
    QTextStream(stderr) << "tessaro-cli format-apply: " << reason << "\n" << formatApplyUsage();
    return 2;
}

} // namespace

int format(const Arguments& args)
{
    const std::optional<FormatContents> contents = ReadFormatFile(args.positional[0]);
    if (!contents)
        return 1;
    JsonOutput out(args);
    if (!out.write(documentTextsToJson(contents->settings, contents->texts)))
        return failed("format", out.error());
    return 0;
}

QString formatApplyUsage()
{
    return QStringLiteral("usage: tessaro-cli format-apply FORMAT DATA.tsx --family %1 --out OUT.tsx\n")
        .arg(familyNames());
}

int formatApply(const QStringList& argList)
{
    Arguments args;
    QString reason;
    if (!parseArguments(argList, FormatApplySpec, &args, &reason))
        return formatApplyUsageError(reason);
    const std::optional<DocumentFamily> family = familyOfCliName(args.value("family"));
    if (!args.has("family") || !family)
        return formatApplyUsageError(QStringLiteral("--family must be one of %1").arg(familyNames()));
    if (args.value("out").isEmpty())
        return formatApplyUsageError(QStringLiteral("--out is missing"));
    if (!loadProject(args.positional[1]) || !ApplyFormatFile(project(), *family, args.positional[0]))
        return 1;
    return SaveDataFile(args.value("out")) ? 0 : 1;
}

} // namespace tessaro::cli
