// The description index (".din") and text (".dbn") of a congress.
#include "fuzz/FuzzSupport.h"

#include "core/data/Bytes.h"
#include "core/data/Description.h"

using namespace rollscan;
using namespace rollscan::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Input in(data, size);
    const int count = qint16(in.word());
    const QByteArray din = in.take(size_t(in.word() % 512));
    const QByteArray dbn = in.rest();
    const ByteReader index(din, QStringLiteral("f.din"));
    const ByteReader text(dbn, QStringLiteral("f.dbn"));
    for (int r = 0; r <= din.size() / 4 + 1; ++r)
        Refusable([&] { (void)DescriptionEntryBytes(index, text, r); });
    Refusable([&] {
        const QString dinPath = PutFile(QStringLiteral("f.din"), din);
        const QString dbnPath = PutFile(QStringLiteral("f.dbn"), dbn);
        for (const Description &d : ReadAllDescriptions(dinPath, dbnPath, count))
            (void)d.text.size();
        (void)ReadDescriptionFiles(dinPath, dbnPath, count);
    });
    return 0;
}
