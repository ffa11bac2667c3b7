// The fit of a whole congress against reading its files once.
//
//   bench_fit [TREE]
//
// Times ComputeCongressFit for House 110 of TREE (default: the bundled sample of the source tree),
// the median of several runs, next to the plain read of the legislator, roll-call and vote files the
// fit opens. The target is 50 ms for the fit.
#include "BenchSupport.h"

#include "core/data/CongressIndex.h"
#include "core/data/DataTree.h"
#include "core/data/FileIO.h"
#include "core/ideology/CongressFit.h"

#include <QCoreApplication>
#include <QTextStream>
#include <ctime>

using namespace rollscan;
using namespace rollscan::bench;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QString root = Options(app.arguments()).root();
    constexpr int kRepeats = 15;
    QTextStream out(stdout);
    const int congress = 110;
    const CongressCounts counts = LoadCongressCounts(root, true, congress);

    qint64 bytes = 0;
    const double read = medianMs(
        [&] {
            bytes = 0;
            for (const char *ext : {".lcr", ".rif", ".vot"})
                bytes += ReadWholeFile(CongressFileName(root, true, congress, QString::fromLatin1(ext))).size();
        },
        kRepeats);
    CongressFit fit;
    // Wall time on a shared machine mostly measures the other processes; the processor time this
    // process spent is reported beside it.
    const std::clock_t cpuStart = std::clock();
    const double fitMs = medianMs([&] { fit = ComputeCongressFit(root, true, congress, true); }, kRepeats);
    const double cpuMs = 1000.0 * double(std::clock() - cpuStart) / CLOCKS_PER_SEC / kRepeats;

    out << "House " << congress << ": " << counts.legislatorCount << " legislators x " << counts.rollCallCount
        << " roll calls, " << fit.rollCallsWithLine << " with a line, weight " << fit.dimTwoFactor << "\n";
    out << "read the three files once (" << bytes / 1024 << " KB): " << ms(read) << " ms\n";
    out << "congress fit: " << ms(fitMs) << " ms wall (median), " << ms(cpuMs)
        << " ms processor time (mean) (target 50 ms); errors " << fit.totalErrors << ", correct "
        << ms(fit.percentCorrect()) << "%, APRE " << QString::number(fit.apre(), 'f', 3) << "\n";
    return 0;
}
