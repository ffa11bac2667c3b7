// Bookmark files: parsed from bytes, and added to as the roll-call list does.
#include "fuzz/FuzzSupport.h"

#include "core/search/BookmarkFile.h"

#include <cstdlib>

using namespace rollscan;
using namespace rollscan::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Input in(data, size);
    const int limit = in.byte() - 1;
    const QByteArray content = in.rest();
    QList<BookmarkEntry> entries;
    Refusable([&] { entries = BookmarkFile::Parse(content, QStringLiteral("f.bmk"), limit); });
    Refusable([&] {
        const QString path = PutFile(QStringLiteral("f.bmk"), content);
        BookmarkEntry e;
        e.congress = 110;
        e.rollCall = 12;
        e.date = TaggedDate::FromText(QStringLiteral("MAY 1"));
        e.description = QStringLiteral("ADDED");
        BookmarkFile::Append(path, {e});
        // The list grows by exactly the added entry, which is read back as written.
        const QList<BookmarkEntry> after = BookmarkFile::Read(path);
        const QList<BookmarkEntry> before = BookmarkFile::Parse(content, path);
        if (after.size() != before.size() + 1 || after.last() != e)
            std::abort();
    });
    return 0;
}
