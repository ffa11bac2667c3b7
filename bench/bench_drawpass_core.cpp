// Drawing-pass speed against the time to read the same files once.
//
//   bench_drawpass_core
//
// Writes two synthetic House congresses (445 members, 1000 roll calls each, extended layouts) into a
// temporary folder and times, as the median of several runs: one drawing pass of the ideological map,
// a cross-tab pass against a roll call of the other congress, the vote statistics of a roll call,
// and next to them a plain read of the files a pass opens plus one sweep over the votes.
#include "BenchSupport.h"
#include "support/TreeBuilder.h"

#include "core/data/DataTree.h"
#include "core/data/FileIO.h"
#include "core/ideology/DrawingPass.h"
#include "core/ideology/VoteStatistics.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>

using namespace rollscan;
using namespace rollscan::bench;
using rollscan::test::CongressData;
using rollscan::test::TreeBuilder;

namespace {
constexpr int kMembers = 445;
constexpr int kRollCalls = 1000;
constexpr int kRepeats = 9;

CongressData congress(QRandomGenerator &rng, int firstId)
{
    CongressData d;
    for (int m = 1; m <= kMembers; ++m) {
        const bool scaled = m % 40 != 0;
        d.legislators.append(TreeBuilder::legislator(QStringLiteral("MEMBER %1").arg(m), 1 + m % 54, m % 20,
                                                     m % 2 ? 100 : 200, scaled ? float(rng.bounded(2.0) - 1.0) : 0.0f,
                                                     scaled ? float(rng.bounded(2.0) - 1.0) : 0.0f, firstId + m));
        QString row(kRollCalls, QLatin1Char('9'));
        for (int r = 0; r < kRollCalls; ++r)
            row[r] = QLatin1Char(char('0' + rng.bounded(10)));
        d.voteRows.append(row);
    }
    for (int r = 1; r <= kRollCalls; ++r)
        d.rollCalls.append(TreeBuilder::rollCall(QStringLiteral("ROLL CALL %1").arg(r), QDate(1981, 1, 5), 200, 200,
                                                 float(rng.bounded(1.0)), float(rng.bounded(1.0) - 0.5),
                                                 float(rng.bounded(1.0)), float(rng.bounded(1.0) - 0.5)));
    return d;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    QRandomGenerator rng(1981);
    TreeBuilder tree(dir.path());
    tree.writeStandardTables();
    tree.addCongress(true, 97, congress(rng, 10000), true);
    tree.addCongress(true, 98, congress(rng, 10200), true); // overlapping ids: some match, some do not
    tree.writeIndexes();

    DrawingRequest request;
    request.dataRoot = dir.path();
    request.congress = 97;
    request.rollCall = 500;
    request.preferences = TreeBuilder::standardPreferences();

    long sink = 0;
    const double baseline = medianMs(
        [&] {
            const QString root = dir.path();
            const QByteArray lcr = ReadWholeFile(CongressFileName(root, true, 97, QStringLiteral(".lcr")));
            const QByteArray vot = ReadWholeFile(CongressFileName(root, true, 97, QStringLiteral(".vot")));
            const QByteArray rif = ReadWholeFile(CongressFileName(root, true, 97, QStringLiteral(".rif")));
            for (int m = 0; m < kMembers; ++m)
                sink += vot[qsizetype(m) * kRollCalls + 499];
            sink += lcr.size() + rif.size();
        },
        kRepeats);
    const double single = medianMs([&] { sink += RunDrawingPass(request).plottedCount(); }, kRepeats);
    DrawingRequest cross = request;
    cross.partner = PartnerRollCall{98, 10};
    const double crossTab = medianMs([&] { sink += RunDrawingPass(cross).ErrorCount; }, kRepeats);
    const double statistics =
        medianMs([&] { sink += CountVoteStatistics(dir.path(), true, 97, 500, true).codeCounts[1]; }, kRepeats);

    out << "House congress of " << kMembers << " members and " << kRollCalls << " roll calls, median of " << kRepeats
        << " runs\n";
    out << "  plain read of .lcr/.vot/.rif + vote sweep: " << ms(baseline) << " ms\n";
    out << "  drawing pass, single view:                 " << ms(single) << " ms\n";
    out << "  drawing pass, cross-tab across congresses: " << ms(crossTab) << " ms\n";
    out << "  vote statistics:                           " << ms(statistics) << " ms\n";
    out << "(checksum " << sink << ")\n";
    return 0;
}
