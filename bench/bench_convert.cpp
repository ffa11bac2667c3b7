// Time to convert a folder of public roll-call tables into a data tree, against a plain baseline:
// reading every table once and counting its lines.
//
//   bench_convert SRC [--extended] [--runs N]
#include "BenchSupport.h"

#include "convert/TreeConverter.h"
#include "core/data/FileIO.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>

using namespace rollscan;
using namespace rollscan::bench;

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const Options options(app.arguments(), {QStringLiteral("--extended")});
    const QString source = options.root();
    if (app.arguments().size() < 2 || !QFileInfo(source).isDir()) {
        QTextStream(stderr) << "Usage: bench_convert SRC [--extended] [--runs N]\n";
        return 2;
    }
    ConvertOptions convertOptions;
    convertOptions.newDataFormat = options.has(QStringLiteral("--extended"));
    const int runs = std::max(1, options.number(QStringLiteral("--runs"), 3));

    qint64 bytes = 0, lines = 0;
    const double baseline = bestMs(
        [&] {
            bytes = lines = 0;
            QDirIterator it(source, {QStringLiteral("*.csv")}, QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QString path = it.next();
                if (!path.contains(QLatin1String("/house/")) && !path.contains(QLatin1String("/senate/")))
                    continue;
                const QByteArray data = ReadWholeFile(path);
                bytes += data.size();
                lines += data.count('\n');
            }
        },
        runs);
    TreeConverter::Summary summary;
    double convert = 0;
    try {
        convert = bestMs(
            [&] {
                QTemporaryDir dir;
                summary = TreeConverter(source, dir.filePath(QStringLiteral("tree")), convertOptions).run();
            },
            runs);
    } catch (const std::exception &e) {
        QTextStream(stderr) << e.what() << "\n";
        return 1;
    }

    QTextStream out(stdout);
    out << "tables: " << bytes / (1024 * 1024) << " MB, " << lines << " lines; tree: " << summary.houseCongresses
        << " House and " << summary.senateCongresses << " Senate congresses, " << summary.rollCallRecords
        << " roll calls, " << summary.votes << " votes\n";
    out << "baseline (read every table, count lines): " << ms(baseline) << " ms (best of " << runs << ")\n";
    out << "convert" << (convertOptions.newDataFormat ? " --extended" : "") << ": " << ms(convert) << " ms (best of "
        << runs << ")\n";
    return 0;
}
