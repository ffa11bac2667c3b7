#include "cli/Command.h"
#include "cli/RollCallArgs.h"

#include "core/ideology/DrawingPass.h"
#include "core/ideology/IdeologyTexts.h"
#include "core/ideology/NumberFormat.h"

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

int run(const QStringList &args)
{
    QString error;
    const std::optional<RollCallArgs> a = ParseRollCallArgs(args, true, error);
    if (!a) {
        Err() << "rollscan-cli rollcall: " << error << "\n";
        return kExitUsage;
    }
    return RunReportingErrors(QStringLiteral("rollcall"), [&] {
        const DrawingPass pass = RunDrawingPass(MakeDrawingRequest(*a));
        QTextStream &out = Out();
        out << "yea: " << pass.yeaCount() << "\n";
        out << "nay: " << pass.nayCount() << "\n";
        out << "na: " << pass.notAvailableCount() << "\n";
        out << "plotted: " << pass.plottedCount() << "\n";
        out << "not_shown: " << pass.notShownCount() << "\n";
        out << "errors: " << pass.ErrorCount << "\n";
        out << "minority: " << pass.MinorityCount << "\n";
        out << "pre: " << (pass.crossTab ? IdeologyText::kNotApplicable : FormatPre(pass.pre())) << "\n";
        out << "line: " << point(pass.line.end1) << ' ' << point(pass.line.end2) << "\n";
        out << "yea_point: " << point(pass.line.yeaPoint) << "\n";
        out << "nay_point: " << point(pass.line.nayPoint) << "\n";
        return kExitOk;
    });
}

const CommandRegistration registration({
    QStringLiteral("rollcall"),
    QStringLiteral("counts, errors and cutting line of one roll call on the ideological map"),
    QStringLiteral("Usage: rollscan-cli rollcall ") + RollCallArgsUsage(true) +
        QStringLiteral("\n\nPrints one 'name: value' line each: yea, nay, na (the counts of the roll-call record),\n"
                       "plotted, not_shown, errors (after the correction), minority, pre, line (the two end\n"
                       "points of the cutting line), yea_point and nay_point. With a partner roll call the\n"
                       "legislators are classed as in the cross-tab view and pre is n/a.\n"
                       "--extended reads the 62/136-byte record layouts."),
    run,
});
} // namespace

} // namespace rollscan::cli
