// The report templates (.jfm), read as the report engine reads them.

#include "FuzzSupport.h"

#include "documents/ReportTemplate.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    tessaro::fuzz::setUp();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QString error;
    tessaro::report::loadTemplate(tessaro::fuzz::asFile(data, size, "Form.jfm"), &error);
    return 0;
}
