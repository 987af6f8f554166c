// The format files of the plan and report texts (.kkf, .khf, .hkf, .hhf), read
// as the wizards' "書式適用" reads them, then applied to each family and
// written again.

#include "FuzzSupport.h"

#include "documents/FormatFile.h"
#include "model/basMainData.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    tessaro::fuzz::setUp();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace tessaro;
    QString problem;
    const std::optional<FormatContents> contents
        = decodeFormatFile(QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)), &problem);
    if (!contents)
        return 0;
    Project& p = project();
    for (DocumentFamily family : AllDocumentFamilies)
        if (familyHasTexts(*contents, family))
            applyFamilyContents(p, family, *contents);
    encodeFormatFile(formatContentsOf(p));
    return 0;
}
