// Speed of the US map: a full redraw of the 1995 districts coloured for a roll call, and the hover
// lookup of the feature under the mouse.
//
//   bench_usmap [data root] [--congress N] [--rollcall R]
//   bench_usmap [data root] --screenshot FILE.png --house|--senate --congress N [--rollcall R]
//               [--partner R2] [--labels] [--zoom X1,Y1,X2,Y2] [--tip X,Y] [--filter STATE]
//
// Over the bundled sample tree (default: the source tree's sample/), colours maps/cd104.shp for a
// roll call of the 104th House and times, as the median of many runs, the painting of the whole
// layer at full map into a 1600 x 1000 offscreen image (what the window does on every pan, zoom and
// resize), the same with labels, and the look-up of the feature under a point (quadtree candidates,
// then the point-in-polygon test), over 10,000 points spread across the country. A plain baseline
// times the even-odd test of every ring of the layer for one point, the scan the index avoids.
// With --screenshot the map window is opened offscreen at 1000 x 760 on that roll call (with the
// options: labels, a zoomed view in map units, a hover tip at a map point, a state filter) and
// saved as a PNG, to be looked at as a user would.
#include "BenchSupport.h"

#include "core/app/Session.h"
#include "core/data/DataTree.h"
#include "core/data/Preferences.h"
#include "core/geomap/ShapeLayer.h"
#include "core/geomap/StateList.h"
#include "core/geomap/UsMapColouring.h"
#include "core/geomap/UsMapPass.h"
#include "core/geomap/UsMapRules.h"
#include "gui/geomap/MapControl.h"
#include "gui/geomap/MapTip.h"
#include "gui/geomap/UsMapPainter.h"
#include "gui/geomap/frmUSMap.h"
#include "gui/services/UnattendedServices.h"

#include <QAction>
#include <QFrame>
#include <QTest>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QTextStream>

#include <vector>

using namespace rollscan;
using namespace rollscan::bench;

namespace {

// Opens the map window over the tree on one roll call and saves a picture of it.
int screenshot(const Options &options)
{
    const QList<double> zoom = options.numbers(QStringLiteral("--zoom"));
    const QList<double> tip = options.numbers(QStringLiteral("--tip"));
    const QString filter = options.text(QStringLiteral("--filter"));
    Session session(options.root());
    OpenOnRollCall(session, !options.has(QStringLiteral("--senate")), options.number(QStringLiteral("--congress"), 110),
                   options.number(QStringLiteral("--rollcall"), 1), options.number(QStringLiteral("--partner"), 0));
    UnattendedServices services;
    frmUSMap map(session, services);
    map.setAttribute(Qt::WA_DeleteOnClose, false);
    map.resize(1000, 760);
    if (!map.start())
        return 1;
    map.show();
    if (!QTest::qWaitForWindowExposed(&map))
        return 1;
    if (zoom.size() == 4)
        map.mapUS->setExtent({zoom[0], zoom[1], zoom[2], zoom[3]});
    if (options.has(QStringLiteral("--labels")))
        map.mnuLabels->setChecked(true);
    if (!filter.isEmpty()) {
        map.PassVar(filter.split(QLatin1Char(';')));
        map.DoMap(false);
    }
    if (tip.size() == 2) {
        map.mnuInquire->setChecked(true);
        const QPoint at = map.mapUS->transform().toControl(tip[0], tip[1]).toPoint();
        map.mapTip()->MouseMove(at);
        QTest::qWait(350);
    }
    QCoreApplication::processEvents();
    return map.grab().save(options.text(QStringLiteral("--screenshot"))) ? 0 : 1;
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTextStream out(stdout);
    const Options options(app.arguments(),
                          {QStringLiteral("--house"), QStringLiteral("--senate"), QStringLiteral("--labels")});
    if (options.has(QStringLiteral("--screenshot")))
        return screenshot(options);
    const QString root = options.root();
    const int congress = options.number(QStringLiteral("--congress"), 104);
    const int rollCall = options.number(QStringLiteral("--rollcall"), 1);

    ShapeLayer layer;
    QElapsedTimer open;
    open.start();
    if (!layer.open(DataFileName(root, kMapsDir, QStringLiteral("cd104.shp")))) {
        out << "bench_usmap: cannot read " << root << "/maps/cd104.shp\n";
        return 1;
    }
    const double openMs = double(open.nsecsElapsed()) / 1e6;
    int vertices = 0;
    for (const MapFeature &f : layer.features())
        for (const auto &ring : f.parts)
            vertices += int(ring.size());

    DrawingRequest request;
    request.dataRoot = root;
    request.isHouse = true;
    request.congress = congress;
    request.rollCall = rollCall;
    request.newDataFormat = true;
    request.preferences = Preferences::Read(root + QStringLiteral("/rollscan.prf"));
    const StateList states = StateList::Read(DataFileName(root, kMainDir, QStringLiteral("state list.dat")));
    const UsMapPass pass = RunUsMapPass(request, states);
    const UsMapColouring colouring = ColourUsMap(pass, layer.values(kDistrictField), request.preferences);

    UsMapPainter painter;
    QElapsedTimer build;
    build.start();
    painter.setLayer(&layer);
    const double buildMs = double(build.nsecsElapsed()) / 1e6;
    UsMapPicture picture;
    picture.fills = colouring.fills;
    picture.view = FullMapExtent(layer);
    QImage image(1600, 1000, QImage::Format_ARGB32_Premultiplied);
    const QRectF target(0, 0, 1600, 1000);
    // Each frame first moves the view by `step`: a pan keeps the scale, a zoom changes it and every
    // outline is built again; with labels, they are measured and rendered at the new size too.
    const auto paintMs = [&](UsMapPicture shown, const std::function<void(UsMapPicture &)> &step) {
        return medianMs([&] {
            step(shown);
            QPainter p(&image);
            painter.paint(p, target, shown);
        });
    };
    const auto still = [](UsMapPicture &) {};
    const auto panStep = [](UsMapPicture &v) {
        v.view.minX += 0.05;
        v.view.maxX += 0.05;
    };
    UsMapPicture labelled = picture;
    labelled.labelField = kDistrictField;
    labelled.labelHeight = LabelHeight(picture.view.width(), picture.view.width());
    const double redraw = paintMs(picture, still);
    const double pan = paintMs(picture, panStep);
    const double zoom = paintMs(picture, [](UsMapPicture &v) { v.view.maxX -= 0.05; });
    const double redrawLabels = paintMs(labelled, still);
    const double panLabels = paintMs(labelled, panStep);
    const double zoomLabels = paintMs(labelled, [&](UsMapPicture &v) {
        v.view.maxX -= 0.4;
        v.labelHeight = LabelHeight(v.view.width(), picture.view.width());
    });

    // Points over the contiguous states and Alaska's mainland.
    QRandomGenerator random(104);
    std::vector<QPointF> points;
    for (int i = 0; i < 10000; ++i)
        points.emplace_back(-125.0 + random.generateDouble() * 58.0, 25.0 + random.generateDouble() * 24.0);
    int hits = 0;
    const double lookupAll = medianMs(
        [&] {
            hits = 0;
            for (const QPointF &p : points)
                hits += int(!layer.search(p.x(), p.y()).isEmpty());
        },
        11);
    const double scan = medianMs([&] {
        int found = 0;
        for (const MapFeature &f : layer.features())
            found += int(RingsContain(f.parts, -90.0, 38.0));
        (void)found;
    });

    out << "layer: " << layer.count() << " features, " << vertices << " vertices; read in " << openMs
        << " ms, outlines built in " << buildMs << " ms\n";
    out << "members matched " << colouring.membersMatched << ", unmatched " << colouring.membersUnmatched << "\n";
    out << "full redraw 1600x1000: " << redraw << " ms, after a pan " << pan << " ms, after a zoom " << zoom
        << " ms; with labels " << redrawLabels << " ms, after a pan " << panLabels << " ms, after a zoom " << zoomLabels
        << " ms; target 16 ms\n";
    out << "hover lookup: " << lookupAll / points.size() << " ms per point (" << hits
        << " of 10000 in a district); target 0.2 ms\n";
    out << "baseline, every ring tested for one point: " << scan << " ms\n";
    return 0;
}
