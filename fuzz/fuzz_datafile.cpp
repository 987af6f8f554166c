// The data-file loader of every release: the header, the records of the
// current and the older layouts with their conversions, then what the program
// does with a loaded project (evaluate every anchor, save it again).

#include "FuzzSupport.h"

#include "evaluation/CycleEvaluation.h"
#include "model/DataFile.h"
#include "model/basMainData.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    tessaro::fuzz::setUp();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace tessaro;
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const Release release = releaseOfHeader(bytes);
    if (release == Release::Unknown || release == Release::R100 || release == Release::R101)
        return 0;
    Project& p = project();
    InitProject(p, 0);
    decodeDataFile(bytes.mid(HeaderLength), release, p);
    EvaluateProject(p);
    encodeProject(p);
    return 0;
}
