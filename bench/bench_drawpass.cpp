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
#include "BenchSupport.h"

#include "core/app/Session.h"
#include "core/data/CongressIndex.h"
#include "core/ideology/DrawingPass.h"
#include "gui/ideology/IdeologicalCanvas.h"
#include "gui/ideology/frmIdeological.h"
#include "support/RecordingServices.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTextStream>

using namespace rollscan;
using namespace rollscan::bench;

namespace {
constexpr int kSide = 800;
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const Options options(app.arguments());
    const QString root = options.root();
    const QString screenshot = options.text(QStringLiteral("--screenshot"));
    int congress = options.number(QStringLiteral("--congress"), 0);
    const int rollCall = options.number(QStringLiteral("--rollcall"), 2);
    const int partner = options.number(QStringLiteral("--partner"), 0);

    Session session(QDir(root).absolutePath());
    try {
        if (congress == 0) {
            // The largest House of the tree: the most members to read, class and draw.
            session.findCongresses();
            int most = -1;
            for (const int c : session.houseList) {
                const int members = LoadCongressCounts(session.dataRoot, true, c).legislatorCount;
                if (members > most) {
                    most = members;
                    congress = c;
                }
            }
        }
        OpenOnRollCall(session, true, congress, rollCall, partner);
    } catch (const std::exception &e) {
        err << "Cannot read the tree at " << root << ": " << e.what() << "\n";
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
        << pass.plottedCount() << " drawn; median of " << kMedianRuns << " runs\n";
    out << "  drawing pass (read and class):        " << ms(passOnly) << " ms\n";
    out << "  painting " << kSide << "x" << kSide << " image:             " << ms(paintOnly) << " ms\n";
    out << "  whole frame (pass + painting):        " << ms(frame) << " ms (target 5 ms)\n";
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
