// Speed of one frame of the ideological map on real data, and a picture of the window.
//
//   bench_drawpass [data root] [--screenshot file.png] [--congress N] [--rollcall R] [--partner R2]
//
// Over the bundled sample tree (default: the source tree's sample/), takes the House congress with
// the most members and times, as the median of many runs, one whole frame: the drawing pass (roll
// call, counts, legislator, vote, state and token files read, every member classed and placed) and
// the painting of every token and the cutting line into an 800 × 800 offscreen image. The painting
// alone is timed too. With --screenshot the map window is opened offscreen at 900 × 800 on that roll
// call and saved as a PNG, to be looked at as a user would; with --partner the window shows the
// cross-tabulation of the two roll calls.
#include "core/app/Session.h"
#include "core/data/CongressIndex.h"
#include "core/data/FileError.h"
#include "core/ideology/DrawingPass.h"
#include "core/search/SelectionQueue.h"
#include "gui/ideology/IdeologicalCanvas.h"
#include "gui/ideology/frmIdeological.h"
#include "support/RecordingServices.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QTextStream>

#include <algorithm>
#include <functional>
#include <vector>

using namespace rollscan;

namespace {
constexpr int kRepeats = 41;
constexpr int kSide = 800;

double medianMs(const std::function<void()> &work)
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

#ifndef ROLLSCAN_SOURCE_SAMPLE
#define ROLLSCAN_SOURCE_SAMPLE "sample"
#endif
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QString root = QStringLiteral(ROLLSCAN_SOURCE_SAMPLE);
    QString screenshot;
    int congress = 0;
    int rollCall = 2;
    int partner = 0;
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--screenshot") && i + 1 < args.size())
            screenshot = args[++i];
        else if (args[i] == QLatin1String("--congress") && i + 1 < args.size())
            congress = args[++i].toInt();
        else if (args[i] == QLatin1String("--rollcall") && i + 1 < args.size())
            rollCall = args[++i].toInt();
        else if (args[i] == QLatin1String("--partner") && i + 1 < args.size())
            partner = args[++i].toInt();
        else
            root = args[i];
    }

    Session session(QDir(root).absolutePath());
    try {
        session.Preferences = Preferences::Read(session.preferencesPath());
        session.newDataFormat = true;
        session.isHouse = true;
        session.findCongresses();
        if (congress == 0) {
            // The largest House of the tree: the most members to read, class and draw.
            int most = -1;
            for (const int c : session.houseList) {
                const int members = LoadCongressCounts(session.dataRoot, true, c).legislatorCount;
                if (members > most) {
                    most = members;
                    congress = c;
                }
            }
        }
        session.loadCongressCounts(congress);
        const RollCall record = ReadRollCallRecord(session.dataRoot, true, congress, rollCall, session.rollCallCount,
                                                   session.newDataFormat);
        for (const int r : {rollCall, partner}) {
            if (r == 0)
                continue;
            const RollCall rc = r == rollCall ? record
                                              : ReadRollCallRecord(session.dataRoot, true, congress, r,
                                                                   session.rollCallCount, session.newDataFormat);
            MatchRow row;
            row.rollCall = qint16(r);
            row.description = rc.trimmedDescription();
            row.date = rc.date;
            row.yeas = rc.yeas;
            row.nays = rc.nays;
            row.congress = qint16(congress);
            session.MatchTable.append(row);
        }
        session.queue.addRows(session.MatchTable, partner ? QList<int>{1, 2} : QList<int>{1}, false);
        session.crossTabRequested = partner != 0;
        session.queue.setCurrentQueuePos(1);
    } catch (const FileError &e) {
        err << "Cannot read the tree at " << root << ": " << e.sentence() << " " << e.path() << "\n";
        return 1;
    } catch (const DataError &e) {
        err << e.message() << "\n";
        return 1;
    }

    DrawingRequest request;
    request.dataRoot = session.dataRoot;
    request.isHouse = true;
    request.congress = congress;
    request.rollCall = rollCall;
    request.newDataFormat = session.newDataFormat;
    request.preferences = session.Preferences;

    const QFont font = IdeologicalCanvas::TokenFont(QApplication::font(), kSide);
    QImage image(kSide, kSide, QImage::Format_RGB32);
    const DisplayFilter filter;
    long sink = 0;
    const double frame = medianMs([&] {
        const DrawingPass pass = RunDrawingPass(request);
        QPainter painter(&image);
        IdeologicalCanvas::PaintMap(painter, kSide, pass, filter, session.Preferences, font);
        sink += pass.plottedCount();
    });
    const DrawingPass pass = RunDrawingPass(request);
    const double paintOnly = medianMs([&] {
        QPainter painter(&image);
        IdeologicalCanvas::PaintMap(painter, kSide, pass, filter, session.Preferences, font);
    });
    const double passOnly = medianMs([&] { sink += RunDrawingPass(request).ErrorCount; });

    out << "House #" << congress << " roll call " << rollCall << ": " << pass.counts.legislatorCount << " members, "
        << pass.plottedCount() << " drawn; median of " << kRepeats << " runs\n";
    out << "  drawing pass (read and class):        " << QString::number(passOnly, 'f', 2) << " ms\n";
    out << "  painting " << kSide << "x" << kSide << " image:             " << QString::number(paintOnly, 'f', 2)
        << " ms\n";
    out << "  whole frame (pass + painting):        " << QString::number(frame, 'f', 2) << " ms (target 5 ms)\n";
    out << "(checksum " << sink << ")\n";

    if (!screenshot.isEmpty()) {
        RecordingServices services;
        frmIdeological map(session, services);
        map.setAttribute(Qt::WA_DeleteOnClose, false);
        map.resize(900, 800);
        if (!map.start()) {
            err << "The map could not be drawn: " << services.errorTexts().join(QLatin1Char(' ')) << "\n";
            return 1;
        }
        map.show();
        map.setColourKey(true);
        for (int i = 0; i < 10; ++i)
            QCoreApplication::processEvents();
        if (!map.grab().save(screenshot)) {
            err << "Could not save " << screenshot << "\n";
            return 1;
        }
        out << "window saved as " << screenshot << "\n";
    }
    return 0;
}
