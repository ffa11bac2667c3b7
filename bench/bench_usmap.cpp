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
#include "core/app/Session.h"
#include "core/data/CongressIndex.h"
#include "core/data/DataTree.h"
#include "core/data/Preferences.h"
#include "core/geomap/ShapeLayer.h"
#include "core/geomap/StateList.h"
#include "core/geomap/UsMapColouring.h"
#include "core/geomap/UsMapPass.h"
#include "core/geomap/UsMapRules.h"
#include "core/search/SelectionQueue.h"
#include "gui/geomap/MapControl.h"
#include "gui/geomap/MapTip.h"
#include "gui/geomap/UsMapPainter.h"
#include "gui/geomap/frmUSMap.h"
#include "gui/services/UnattendedServices.h"

#include <QAction>
#include <QFrame>
#include <QTest>

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QTextStream>

#include <algorithm>
#include <functional>
#include <vector>

using namespace rollscan;

namespace {
constexpr int kRepeats = 41;

double medianMs(const std::function<void()> &work, int repeats = kRepeats)
{
    std::vector<double> times;
    for (int i = 0; i < repeats; ++i) {
        QElapsedTimer t;
        t.start();
        work();
        times.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

#ifndef ROLLSCAN_SOURCE_SAMPLE
#define ROLLSCAN_SOURCE_SAMPLE "sample"
#endif

QList<double> numbers(const QString &text)
{
    QList<double> out;
    for (const QString &part : text.split(QLatin1Char(',')))
        out.append(part.toDouble());
    return out;
}

// Opens the map window over the tree on one roll call and saves a picture of it.
int screenshot(const QString &root, const QStringList &args)
{
    QString file, filter;
    bool house = true, labels = false;
    int congress = 110, rollCall = 1, partner = 0;
    QList<double> zoom, tip;
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args.at(i);
        if (a == QLatin1String("--screenshot"))
            file = args.at(++i);
        else if (a == QLatin1String("--house") || a == QLatin1String("--senate"))
            house = a == QLatin1String("--house");
        else if (a == QLatin1String("--congress"))
            congress = args.at(++i).toInt();
        else if (a == QLatin1String("--rollcall"))
            rollCall = args.at(++i).toInt();
        else if (a == QLatin1String("--partner"))
            partner = args.at(++i).toInt();
        else if (a == QLatin1String("--labels"))
            labels = true;
        else if (a == QLatin1String("--zoom"))
            zoom = numbers(args.at(++i));
        else if (a == QLatin1String("--tip"))
            tip = numbers(args.at(++i));
        else if (a == QLatin1String("--filter"))
            filter = args.at(++i);
    }
    Session session(root);
    session.Preferences = Preferences::Read(session.preferencesPath());
    session.isHouse = house;
    session.findCongresses();
    session.selectedCongresses = {congress};
    const CongressCounts counts = LoadCongressCounts(root, house, congress);
    for (int r : {rollCall, partner}) {
        if (r <= 0)
            continue;
        MatchRow row;
        row.rollCall = qint16(r);
        row.congress = qint16(congress);
        row.description = ReadRollCallRecord(root, house, congress, r, counts.rollCallCount, true).trimmedDescription();
        session.MatchTable.append(row);
    }
    session.queue.addRows(session.MatchTable, partner > 0 ? QList<int>{1, 2} : QList<int>{1}, false);
    session.queue.setCurrentQueuePos(1);
    session.crossTabRequested = partner > 0;
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
    if (labels)
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
    return map.grab().save(file) ? 0 : 1;
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTextStream out(stdout);
    QStringList args = app.arguments().mid(1);
    QString root = QStringLiteral(ROLLSCAN_SOURCE_SAMPLE);
    if (args.contains(QStringLiteral("--screenshot"))) {
        if (!args.isEmpty() && !args.first().startsWith(QLatin1String("--")))
            root = args.takeFirst();
        return screenshot(root, args);
    }
    int congress = 104, rollCall = 1;
    for (int i = 0; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--congress") && i + 1 < args.size())
            congress = args.at(++i).toInt();
        else if (args.at(i) == QLatin1String("--rollcall") && i + 1 < args.size())
            rollCall = args.at(++i).toInt();
        else
            root = args.at(i);
    }

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
    const double redraw = medianMs([&] {
        QPainter p(&image);
        painter.paint(p, target, picture);
    });
    // A pan keeps the scale: each frame moves the view by a few pixels' worth.
    UsMapPicture panned = picture;
    const double pan = medianMs([&] {
        panned.view.minX += 0.05;
        panned.view.maxX += 0.05;
        QPainter p(&image);
        painter.paint(p, target, panned);
    });
    // A zoom changes the scale: every outline is built again.
    UsMapPicture zoomed = picture;
    const double zoom = medianMs([&] {
        zoomed.view.maxX -= 0.05;
        QPainter p(&image);
        painter.paint(p, target, zoomed);
    });
    UsMapPicture labelled = picture;
    labelled.labelField = kDistrictField;
    labelled.labelHeight = LabelHeight(picture.view.width(), picture.view.width());
    const double redrawLabels = medianMs([&] {
        QPainter p(&image);
        painter.paint(p, target, labelled);
    });
    UsMapPicture labelledPan = labelled;
    const double panLabels = medianMs([&] {
        labelledPan.view.minX += 0.05;
        labelledPan.view.maxX += 0.05;
        QPainter p(&image);
        painter.paint(p, target, labelledPan);
    });
    // A zoom step with labels: outlines built and labels measured and rendered at the new size.
    UsMapPicture labelledZoom = labelled;
    const double zoomLabels = medianMs([&] {
        labelledZoom.view.maxX -= 0.4;
        labelledZoom.labelHeight = LabelHeight(labelledZoom.view.width(), picture.view.width());
        QPainter p(&image);
        painter.paint(p, target, labelledZoom);
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
