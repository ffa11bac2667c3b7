// Speed of the drawn US map: a full redraw of a House before the 103rd congress (state and district
// outlines, every fill, the city rectangles) at 1600 x 1000 after the files are loaded, and a new
// roll call over outlines already drawn (copy and fill only).
//
//   bench_drawnmap [data root] [--congress N] [--rollcall R]
//
// Over the bundled sample tree (default: sample/ of the working folder), House 97 roll call 1 unless
// told otherwise. Times are the median of many runs. The plain baseline is copying the outline
// picture, what every redraw does before it fills.
#include "core/data/Preferences.h"
#include "core/geomap/DrawnMapData.h"
#include "core/geomap/DrawnMapPass.h"
#include "gui/geomap/DrawnMapPainter.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTextStream>

#include <algorithm>
#include <functional>
#include <vector>

using namespace rollscan;

namespace {
#ifndef ROLLSCAN_SOURCE_SAMPLE
#define ROLLSCAN_SOURCE_SAMPLE "sample"
#endif

constexpr int kRepeats = 41;
const QSize kSize(1600, 1000);

double medianMs(const std::function<void()> &work)
{
    std::vector<double> times;
    for (int i = 0; i < kRepeats; ++i) {
        QElapsedTimer t;
        t.start();
        work();
        times.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::nth_element(times.begin(), times.begin() + kRepeats / 2, times.end());
    return times[kRepeats / 2];
}
} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QString root = QStringLiteral(ROLLSCAN_SOURCE_SAMPLE);
    int congress = 97, rollCall = 1;
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--congress") && i + 1 < args.size())
            congress = args.at(++i).toInt();
        else if (args.at(i) == QLatin1String("--rollcall") && i + 1 < args.size())
            rollCall = args.at(++i).toInt();
        else
            root = args.at(i);
    }
    QTextStream out(stdout);
    try {
        DrawingRequest request;
        request.dataRoot = root;
        request.congress = congress;
        request.rollCall = rollCall;
        request.newDataFormat = true;
        request.preferences = Preferences::Read(root + QStringLiteral("/rollscan.prf"));
        QElapsedTimer load;
        load.start();
        auto data = std::make_shared<DrawnMapData>(DrawnMapData::Load(root, congress));
        const DrawnMapPass pass = RunDrawnMapPass(request);
        const double loadMs = double(load.nsecsElapsed()) / 1e6;
        const DrawnFillPlan plan = VoteFillPlan(pass, {});
        const DrawnMapView view = data->designedView();
        DrawnMapPainter painter;
        painter.setData(data);
        QList<qint64> filled;
        const QImage first = painter.render(kSize, view, plan, {}, {}, &filled);
        qint64 pixels = 0;
        for (qint64 n : filled)
            pixels += n;

        const double full = medianMs([&] {
            painter.setData(data); // forget the outlines: everything is drawn again
            painter.render(kSize, view, plan, {});
        });
        const double fillOnly = medianMs([&] { painter.render(kSize, view, plan, {}); });
        const QImage outlines = painter.outlines(kSize, view, {});
        const double copy = medianMs([&] { QImage c = outlines.copy(); });
        out << "House " << congress << ", roll call " << rollCall << ": " << data->districts.size()
            << " outline points, " << data->districtTable.size() << " districts, " << plan.fills.size()
            << " fills covering " << pixels << " pixels, " << data->cities.size() << " city rectangles\n";
        out << "load (files and vote pass, once per congress): " << loadMs << " ms\n";
        out << "full redraw at 1600x1000 (outlines, fills, cities): " << full << " ms (target 50 ms)\n";
        out << "new roll call over drawn outlines (copy, fills, cities): " << fillOnly << " ms\n";
        out << "baseline, copying the outline picture: " << copy << " ms\n";
        Q_UNUSED(first);
    } catch (const std::exception &e) {
        out << "bench_drawnmap: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
