#include "cli/Commands.h"

#include "model/DataFile.h"
#include "model/ProjectJson.h"
#include "model/basMainData.h"

#include <QFile>
#include <QJsonDocument>

namespace tessaro::cli {

int dump(const QStringList& args)
{
    if (args.size() != 1 || !loadProject(args[0]))
        return 1;
    QFile f(args[0]);
    f.open(QIODevice::ReadOnly);
    QString release = releaseName(releaseOfHeader(f.read(HeaderLength)));
    print(QJsonDocument(projectToJson(project(), release)).toJson(QJsonDocument::Indented));
    return 0;
}

int resave(const QStringList& args)
{
    if (args.size() != 2 || !loadProject(args[0]))
        return 1;
    return SaveDataFile(args[1]) ? 0 : 1;
}

} // namespace tessaro::cli
