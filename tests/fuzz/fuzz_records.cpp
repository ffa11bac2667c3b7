// The fixed-record files of a congress and the shared tables: legislators, roll calls (both
// layouts), congress indexes, vote matrices, state, party and token tables.
#include "fuzz/FuzzSupport.h"

#include "core/data/CongressIndex.h"
#include "core/data/Legislator.h"
#include "core/data/PartyTable.h"
#include "core/data/RollCall.h"
#include "core/data/StateTable.h"
#include "core/data/TokenTable.h"
#include "core/data/VoteMatrix.h"

using namespace rollscan;
using namespace rollscan::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Input in(data, size);
    const int kind = in.byte() % 8;
    const bool extended = in.byte() & 1;
    // Counts as the index would give them: any int16, negative ones included.
    const int count = qint16(in.word());
    const int second = qint16(in.word());
    const QByteArray content = in.rest();
    Refusable([&] {
        switch (kind) {
        case 0: {
            for (const Legislator &l : ReadLegislators(PutFile(QStringLiteral("f.lcr"), content), count, extended))
                (void)l.trimmedName();
            break;
        }
        case 1:
            for (const RollCall &r : ReadRollCalls(PutFile(QStringLiteral("f.rif"), content), count, extended))
                (void)r.date.date();
            break;
        case 2:
        case 3: {
            const bool isHouse = kind == 2;
            const QString root = WorkFolder();
            PutFile(isHouse ? QStringLiteral("houses.dat") : QStringLiteral("senates.dat"), content);
            (void)ReadCongressIndex(CongressIndexFileName(root, isHouse), isHouse);
            (void)LoadCongressCounts(root, isHouse, count);
            break;
        }
        case 4: {
            const VoteMatrix m = VoteMatrix::FromBytes(content, count, second, QStringLiteral("f.vot"));
            for (int i = 1; i <= count && i <= 64; ++i)
                for (int r = 1; r <= second && r <= 64; ++r)
                    (void)m.vote(i, r);
            break;
        }
        case 5: {
            const StateTable t = StateTable::Read(PutFile(QStringLiteral("state.dat"), content));
            (void)t.name(count);
            break;
        }
        case 6: {
            const PartyTable t = PartyTable::Read(PutFile(QStringLiteral("party.dat"), content));
            (void)t.name(count);
            break;
        }
        default: {
            const TokenTable t = TokenTable::Read(PutFile(QStringLiteral("token.dat"), content));
            (void)t.find(count);
            break;
        }
        }
    });
    return 0;
}
