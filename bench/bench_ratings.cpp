// Rating speed against the time to read the same legislator and vote files once.
//
//   bench_ratings SAMPLE_TREE
//
// Over a tree in extended layouts (such as the bundled sample) rates every legislator of the 110th
// House over every one of its roll calls, then every legislator of all House congresses of the tree
// over all their roll calls, and tracks every member of the 110th House over its roll calls. Each is
// timed next to a plain read of the files it opens; the best of seven runs is reported.
#include "BenchSupport.h"

#include "core/analysis/Ratings.h"
#include "core/analysis/Tracking.h"
#include "core/data/CongressIndex.h"
#include "core/data/DataTree.h"
#include "core/data/FileIO.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

using namespace rollscan;
using namespace rollscan::bench;

namespace {

QTextStream &out()
{
    static QTextStream s(stdout);
    return s;
}

QList<RatingSetting> everyRollCall(const QString &root, const QList<int> &congresses)
{
    QList<RatingSetting> settings;
    int n = 0;
    for (int c : congresses) {
        const int count = LoadCongressCounts(root, true, c).rollCallCount;
        for (int r = 1; r <= count; ++r)
            settings.append({{c, r, 0, 0, QString()}, ++n % 3 == 0 ? VoteSide::Nay : VoteSide::Yea});
    }
    return settings;
}

double readOnceMs(const QString &root, const QList<int> &congresses)
{
    return bestMs([&] {
        qint64 bytes = 0;
        for (int c : congresses)
            for (const char *ext : {".lcr", ".vot"})
                bytes += ReadWholeFile(CongressFileName(root, true, c, QString::fromLatin1(ext))).size();
        if (bytes == 0)
            out() << "no data read\n";
    });
}

void rate(const QString &root, const QString &what, const QList<int> &congresses)
{
    const QList<RatingSetting> settings = everyRollCall(root, congresses);
    RatingResult result;
    const double took = bestMs([&] { result = ComputeRatings(root, true, congresses, settings, true); });
    const double baseline = readOnceMs(root, congresses);
    out() << what << ": " << result.legislators.size() << " legislators x " << settings.size()
          << " roll calls: " << ms(took) << " ms; reading the files once " << ms(baseline) << " ms ("
          << QString::number(took / baseline, 'f', 1) << "x)\n";
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        out() << "usage: bench_ratings SAMPLE_TREE\n";
        return 2;
    }
    const QString root = args.at(1);
    const QList<CongressCounts> index = ReadCongressIndex(CongressIndexFileName(root, true), true);
    QList<int> houses;
    for (int c = 1; c <= index.size(); ++c)
        if (index.at(c - 1).legislatorCount > 0 && QFileInfo::exists(CongressFileName(root, true, c, ".vot")))
            houses.append(c);
    rate(root, QStringLiteral("House 110"), {110});
    rate(root, QStringLiteral("all %1 Houses").arg(houses.size()), houses);

    const QList<TrackEntry> table = BuildTrackTable(root, true, {110}, true);
    QList<int> everyone;
    for (int k = 0; k < table.size(); ++k)
        everyone.append(k);
    QList<QueuedRollCall> queue;
    for (const RatingSetting &s : everyRollCall(root, {110}))
        queue.append(s.rollCall);
    TrackResult tracked;
    const double took = bestMs([&] { tracked = ComputeTracking(root, true, table, everyone, queue); });
    out() << "track all " << table.size() << " members of House 110 over " << queue.size()
          << " roll calls: " << ms(took) << " ms (" << tracked.rows.size() << " rows); reading "
          << "its vote file once " << ms(readOnceMs(root, {110})) << " ms\n";
    return 0;
}
