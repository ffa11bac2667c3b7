// Subject-code tables (issue, Clausen and Peltzman code lists).
#include "fuzz/FuzzSupport.h"

#include "core/search/SubjectCodeTable.h"

using namespace rollscan;
using namespace rollscan::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray content(reinterpret_cast<const char *>(data), qsizetype(size));
    Refusable([&] { (void)SubjectCodeTable::Parse(content, QStringLiteral("codes.dat")); });
    return 0;
}
