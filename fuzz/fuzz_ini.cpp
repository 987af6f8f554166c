// The INI reader: any key of any section, and the remembered verdict texts
// read from IniHantei.ini.

#include "FuzzSupport.h"

#include "evaluation/VerdictTexts.h"
#include "model/IniFile.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    tessaro::fuzz::setUp();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace tessaro;
    const QString path = fuzz::asFile(data, size, "IniHantei.ini");
    IniFile ini(path);
    ini.value(QStringLiteral("ファイルバージョン"), "Version");
    ini.value("HanteiOK", "No3");
    readVerdictTexts(path, 1);
    readVerdictTexts(path, 2);
    return 0;
}
