// Time to convert a folder of public roll-call tables into a data tree, against a plain baseline:
// reading every table once and counting its lines.
//
//   bench_convert SRC [--extended] [--runs N]
#include "convert/TreeConverter.h"
#include "core/data/FileError.h"
#include "core/data/FileIO.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>

using namespace rollscan;

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QTextStream out(stdout);
    ConvertOptions options;
    int runs = 3;
    if (args.removeAll(QStringLiteral("--extended")))
        options.newDataFormat = true;
    const qsizetype runsAt = args.indexOf(QStringLiteral("--runs"));
    if (runsAt >= 0 && runsAt + 1 < args.size()) {
        runs = std::max(1, args.at(runsAt + 1).toInt());
        args.remove(runsAt, 2);
    }
    if (args.size() != 1) {
        QTextStream(stderr) << "Usage: bench_convert SRC [--extended] [--runs N]\n";
        return 2;
    }
    const QString source = args.first();

    qint64 bestBaseline = -1, bestConvert = -1;
    qint64 bytes = 0, lines = 0;
    TreeConverter::Summary summary;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer t;
        t.start();
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
        const qint64 baseline = t.elapsed();

        QTemporaryDir dir;
        t.restart();
        try {
            summary = TreeConverter(source, dir.filePath(QStringLiteral("tree")), options).run();
        } catch (const DataError &e) {
            QTextStream(stderr) << e.message() << "\n";
            return 1;
        } catch (const FileError &e) {
            QTextStream(stderr) << e.path() << ": " << e.description() << "\n";
            return 1;
        }
        const qint64 convert = t.elapsed();
        bestBaseline = bestBaseline < 0 ? baseline : std::min(bestBaseline, baseline);
        bestConvert = bestConvert < 0 ? convert : std::min(bestConvert, convert);
    }

    out << "tables: " << bytes / (1024 * 1024) << " MB, " << lines << " lines; tree: " << summary.houseCongresses
        << " House and " << summary.senateCongresses << " Senate congresses, " << summary.rollCallRecords
        << " roll calls, " << summary.votes << " votes\n";
    out << "baseline (read every table, count lines): " << bestBaseline << " ms (best of " << runs << ")\n";
    out << "convert" << (options.newDataFormat ? " --extended" : "") << ": " << bestConvert << " ms (best of " << runs
        << ")\n";
    return 0;
}
