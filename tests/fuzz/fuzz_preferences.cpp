// The preferences file: read, then written back and read again unchanged.
#include "fuzz/FuzzSupport.h"

#include "core/data/FileIO.h"
#include "core/data/Preferences.h"

#include <cstdlib>

using namespace rollscan;
using namespace rollscan::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray content(reinterpret_cast<const char *>(data), qsizetype(size));
    Refusable([&] {
        const Preferences p = Preferences::Read(PutFile(QStringLiteral("rollscan.prf"), content));
        const QString copy = WorkFolder() + QStringLiteral("/copy.prf");
        p.write(copy);
        // What was accepted must survive a save.
        if (Preferences::Read(copy).bytes() != p.bytes())
            std::abort();
    });
    return 0;
}
