// The converter's tables: members, roll calls and votes of one congress, split from the input at
// two form feeds.
#include "fuzz/FuzzSupport.h"

#include "convert/CongressConverter.h"
#include "convert/ConvertOptions.h"
#include "convert/CsvReader.h"

using namespace rollscan;
using namespace rollscan::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray all(reinterpret_cast<const char *>(data), qsizetype(size));
    const QList<QByteArray> parts = all.split('\f');
    Refusable([&] {
        CsvReader table(parts.value(0), QStringLiteral("t.csv"));
        while (table.next())
            for (int c = 0; c < table.columnCount(); ++c)
                (void)table.text(c);
    });
    if (parts.size() < 3)
        return 0;
    Refusable([&] {
        ConvertOptions options;
        options.newDataFormat = parts.size() > 3;
        const ConvertedCongress c =
            CongressConverter(options).convert(true, 97, PutFile(QStringLiteral("H097_members.csv"), parts.at(0)),
                                               PutFile(QStringLiteral("H097_rollcalls.csv"), parts.at(1)),
                                               PutFile(QStringLiteral("H097_votes.csv"), parts.at(2)));
        (void)c.legislators.size();
    });
    return 0;
}
