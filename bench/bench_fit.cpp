// The fit of a whole congress against reading its files once.
//
//   bench_fit [TREE]
//
// Times ComputeCongressFit for House 110 of TREE (default: the bundled sample next to the sources),
// the median of several runs, next to the plain read of the legislator, roll-call and vote files the
// fit opens. The target is 50 ms for the fit.
#include "core/data/CongressIndex.h"
#include "core/data/DataTree.h"
#include "core/data/FileIO.h"
#include "core/ideology/CongressFit.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTextStream>
#include <algorithm>
#include <ctime>
#include <vector>

using namespace rollscan;

namespace {
constexpr int kRepeats = 15;

template <typename F> double medianMs(F work)
{
    std::vector<double> times;
    for (int i = 0; i < kRepeats; ++i) {
        QElapsedTimer t;
        t.start();
        work();
        times.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString root =
        args.size() > 1
            ? args.at(1)
            : QFileInfo(QStringLiteral(__FILE__)).absoluteDir().absoluteFilePath(QStringLiteral("../sample"));
    QTextStream out(stdout);
    const int congress = 110;
    const CongressCounts counts = LoadCongressCounts(root, true, congress);

    qint64 bytes = 0;
    const double read = medianMs([&] {
        bytes = 0;
        for (const char *ext : {".lcr", ".rif", ".vot"})
            bytes += ReadWholeFile(CongressFileName(root, true, congress, QString::fromLatin1(ext))).size();
    });
    CongressFit fit;
    // Wall time on a shared machine mostly measures the other processes; the processor time this
    // process spent is reported beside it.
    const std::clock_t cpuStart = std::clock();
    const double fitMs = medianMs([&] { fit = ComputeCongressFit(root, true, congress, true); });
    const double cpuMs = 1000.0 * double(std::clock() - cpuStart) / CLOCKS_PER_SEC / kRepeats;

    out << "House " << congress << ": " << counts.legislatorCount << " legislators x " << counts.rollCallCount
        << " roll calls, " << fit.rollCallsWithLine << " with a line, weight " << fit.dimTwoFactor << "\n";
    out << "read the three files once (" << bytes / 1024 << " KB): " << QString::number(read, 'f', 2) << " ms\n";
    out << "congress fit: " << QString::number(fitMs, 'f', 2) << " ms wall (median), " << QString::number(cpuMs, 'f', 2)
        << " ms processor time (mean) (target 50 ms); errors " << fit.totalErrors << ", correct "
        << QString::number(fit.percentCorrect(), 'f', 2) << "%, APRE " << QString::number(fit.apre(), 'f', 3) << "\n";
    return 0;
}
