// The chart format files of the graph, input and summary windows.

#include "FuzzSupport.h"

#include "graphs/ChartFormatFile.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    tessaro::fuzz::setUp();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    tessaro::ChartFormat format;
    tessaro::readChartFormat(tessaro::fuzz::asFile(data, size, "IniChartGraph1.ini"), format);
    return 0;
}
