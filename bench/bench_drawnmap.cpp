// Speed of the drawn US map: a full redraw of a House before the 103rd congress (state and district
// outlines, every fill, the city rectangles) at 1600 x 1000 after the files are loaded, and a new
// roll call over outlines already drawn (copy and fill only).
//
//   bench_drawnmap [data root] [--congress N] [--rollcall R]
//   bench_drawnmap [data root] --screenshot FILE.png [--congress N] [--rollcall R] [--partner R2]
//                  [--zoom F,X,Y] [--filter NAME;NAME] [--cities FILE.png]
//
// Over the bundled sample tree (default: the bundled sample of the source tree), House 97 roll call 1 unless
// told otherwise. Times are the median of many runs. The plain baseline is copying the outline
// picture, what every redraw does before it fills. With --screenshot the map window is opened
// offscreen at 1000 x 760 on that roll call (cross-tabulated with R2 of the same congress, zoomed to
// factor F about (X, Y), limited to the named state outlines) and saved as a PNG, with the city
// window beside it when asked, to be looked at as a user would.
#include "BenchSupport.h"

#include "core/app/Session.h"
#include "core/data/Preferences.h"
#include "core/geomap/DrawnMapData.h"
#include "core/geomap/DrawnMapPass.h"
#include "gui/geomap/DrawnMapCanvas.h"
#include "gui/geomap/DrawnMapPainter.h"
#include "gui/geomap/frmCities.h"
#include "gui/geomap/frmUSMap.h"
#include "gui/services/UnattendedServices.h"

#include <QApplication>
#include <QTest>

#include <QElapsedTimer>
#include <QTextStream>

using namespace rollscan;
using namespace rollscan::bench;

namespace {
const QSize kSize(1600, 1000);

int screenshot(const Options &options)
{
    const QString cities = options.text(QStringLiteral("--cities"));
    const QString filter = options.text(QStringLiteral("--filter"));
    const QList<double> zoom = options.numbers(QStringLiteral("--zoom"));
    const QString root = options.root();
    Session session(root);
    OpenOnRollCall(session, true, options.number(QStringLiteral("--congress"), 97),
                   options.number(QStringLiteral("--rollcall"), 1), options.number(QStringLiteral("--partner"), 0));
    UnattendedServices services;
    frmUSMap map(session, services);
    map.setAttribute(Qt::WA_DeleteOnClose, false);
    map.resize(1000, 760);
    map.show();
    if (!QTest::qWaitForWindowExposed(&map) || !map.start())
        return 1;
    if (!filter.isEmpty()) {
        map.PassVar(filter.split(QLatin1Char(';')));
        map.redrawDrawn(false);
    }
    if (zoom.size() == 3) {
        map.mnuCenter->setChecked(true);
        map.drawnClick({zoom[1], zoom[2]});
        while (map.drawnView().F > zoom[0] + 0.01) {
            map.mnuCenter->setChecked(false);
            map.mnuSmallZoomIn->setChecked(true);
            const double before = map.drawnView().F;
            map.drawnClick({zoom[1], zoom[2]});
            if (map.drawnView().F == before)
                break;
        }
    }
    QTest::qWait(100);
    if (!map.grab().save(options.text(QStringLiteral("--screenshot"))))
        return 1;
    if (!cities.isEmpty()) {
        frmCities window(services);
        window.setAttribute(Qt::WA_DeleteOnClose, false);
        if (!window.showCities(root, map.drawnData(), map.drawnPass().DistrictTable))
            return 1;
        window.show();
        if (!QTest::qWaitForWindowExposed(&window) || !window.grab().save(cities))
            return 1;
    }
    return 0;
}
} // namespace

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const Options options(app.arguments());
    if (options.has(QStringLiteral("--screenshot")))
        return screenshot(options);
    const QString root = options.root();
    const int congress = options.number(QStringLiteral("--congress"), 97);
    const int rollCall = options.number(QStringLiteral("--rollcall"), 1);
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
