#include "cli/Command.h"
#include "cli/RollCallArgs.h"

#include "core/app/Session.h"
#include "core/ideology/DrawingPass.h"
#include "core/ideology/FitText.h"
#include "core/ideology/IdeologyTexts.h"
#include "core/ideology/NumberFormat.h"
#include "core/report/RollCallText.h"
#include "core/report/Spreadsheet.h"
#include "core/search/QueueItems.h"
#include "gui/ideology/IdeologicalCanvas.h"

#include <QFont>
#include <QImage>
#include <QPainter>

namespace rollscan::cli {

namespace {
QString coordinate(double v)
{
    return QString::number(v, 'f', 6);
}
QString point(const MapPoint &p)
{
    return coordinate(p.x) + QLatin1Char(' ') + coordinate(p.y);
}

// The picture of the map as the window draws it, `side` pixels square.
QImage MapPicture(const DrawingPass &pass, const Preferences &prefs, int side)
{
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    IdeologicalCanvas::PaintMap(painter, side, pass, DisplayFilter{}, prefs,
                                IdeologicalCanvas::TokenFont(QFont(), side));
    painter.end();
    return image;
}

// Takes "--text FILE" or "--csv FILE" out of `args`; false when the option lacks its file.
bool takeOutput(QStringList &args, const QString &option, QString &file)
{
    const qsizetype at = args.indexOf(option);
    if (at < 0)
        return true;
    if (at + 1 >= args.size() || args.at(at + 1).startsWith(QLatin1String("--")))
        return false;
    file = args.at(at + 1);
    args.remove(at, 2);
    return true;
}

int run(const QStringList &given)
{
    // --png FILE [--size N]: also save the map's picture; the other arguments name the roll call.
    QStringList args = given;
    QString png;
    int side = 600;
    const qsizetype pngAt = args.indexOf(QStringLiteral("--png"));
    if (pngAt >= 0) {
        if (pngAt + 1 >= args.size()) {
            Err() << "rollscan-cli rollcall: --png needs a file name\n";
            return kExitUsage;
        }
        png = args.at(pngAt + 1);
        args.remove(pngAt, 2);
    }
    const qsizetype sizeAt = args.indexOf(QStringLiteral("--size"));
    if (sizeAt >= 0) {
        bool ok = false;
        side = sizeAt + 1 < args.size() ? args.at(sizeAt + 1).toInt(&ok) : 0;
        if (!ok || side < 50 || side > 4000) {
            Err() << "rollscan-cli rollcall: --size needs a number of pixels from 50 to 4000\n";
            return kExitUsage;
        }
        args.remove(sizeAt, 2);
    }
    QString textFile, sheetFile;
    if (!takeOutput(args, QStringLiteral("--text"), textFile) ||
        !takeOutput(args, QStringLiteral("--csv"), sheetFile)) {
        Err() << "rollscan-cli rollcall: --text and --csv need a file name\n";
        return kExitUsage;
    }
    QString error;
    const std::optional<RollCallArgs> a = ParseRollCallArgs(args, true, error);
    if (!a) {
        Err() << "rollscan-cli rollcall: " << error << "\n";
        return kExitUsage;
    }
    if ((!textFile.isEmpty() || !sheetFile.isEmpty()) && a->partner) {
        Err() << "rollscan-cli rollcall: --text and --csv write one roll call; leave out the partner\n";
        return kExitUsage;
    }
    return RunReportingErrors(QStringLiteral("rollcall"), [&] {
        if (!textFile.isEmpty() || !sheetFile.isEmpty()) {
            // The same session the roll-call list hands the map, so the files are the windows' own.
            Session session(a->tree);
            session.isHouse = a->isHouse;
            session.newDataFormat = a->extended;
            QueueRollCalls(session, {QueueItem{a->congress, a->rollCall}});
            if (!textFile.isEmpty())
                SaveRollCallText(session, textFile);
            if (!sheetFile.isEmpty())
                WriteSpreadsheet(session, sheetFile, false);
        }
        const DrawingRequest request = MakeDrawingRequest(*a);
        const DrawingPass pass = RunDrawingPass(request);
        QTextStream &out = Out();
        out << "yea: " << pass.yeaCount() << "\n";
        out << "nay: " << pass.nayCount() << "\n";
        out << "na: " << pass.notAvailableCount() << "\n";
        out << "plotted: " << pass.plottedCount() << "\n";
        out << "not_shown: " << pass.notShownCount() << "\n";
        out << "errors: " << ErrorsText(pass) << "\n";
        out << "minority: " << pass.MinorityCount << "\n";
        out << "pre: " << PreText(pass) << "\n";
        out << "line: " << point(pass.line.end1) << ' ' << point(pass.line.end2) << "\n";
        out << "yea_point: " << point(pass.line.yeaPoint) << "\n";
        out << "nay_point: " << point(pass.line.nayPoint) << "\n";
        if (!png.isEmpty() && !MapPicture(pass, request.preferences, side).save(png, "PNG")) {
            Err() << "rollscan-cli rollcall: " << png << ": the picture could not be written\n";
            return kExitBadData;
        }
        return kExitOk;
    });
}

const CommandRegistration registration({
    QStringLiteral("rollcall"),
    QStringLiteral("counts, errors and cutting line of one roll call on the ideological map"),
    QStringLiteral("Usage: rollscan-cli rollcall ") + RollCallArgsUsage(true) +
        QStringLiteral(
            "\n\nPrints one 'name: value' line each: yea, nay, na (the counts of the roll-call record),\n"
            "plotted, not_shown, errors (after the correction), minority, pre, line (the two end\n"
            "points of the cutting line), yea_point and nay_point. With a partner roll call the\n"
            "legislators are classed as in the cross-tab view and pre is n/a. A roll call without a cutting\n"
            "line (both spreads 0) shows errors and pre as n/a.\n"
            "--png FILE also saves the picture of the map as the window draws it, --size N pixels\n"
            "square (default 600).\n"
            "--extended reads the 62/136-byte record layouts.\n"
            "--text FILE writes the roll call's text table and --csv FILE its spreadsheet, byte for\n"
            "byte what the map's Save as and Spreadsheet output write (not with a partner)."),
    run,
});
} // namespace

} // namespace rollscan::cli
