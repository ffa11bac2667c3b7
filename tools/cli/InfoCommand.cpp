#include "cli/Command.h"
#include "cli/RollCallArgs.h"

#include "core/ideology/DrawingPass.h"
#include "core/ideology/RollCallInfo.h"

namespace rollscan::cli {

namespace {
int run(const QStringList &args)
{
    QString error;
    const std::optional<RollCallArgs> a = ParseRollCallArgs(args, true, error);
    if (!a) {
        Err() << "rollscan-cli info: " << error << "\n";
        return kExitUsage;
    }
    return RunReportingErrors(QStringLiteral("info"), [&] {
        const DrawingPass pass = RunDrawingPass(MakeDrawingRequest(*a));
        for (const QString &line : InfoReportLines(LoadRollCallInfo(pass, a->tree)))
            Out() << line << "\n";
        return kExitOk;
    });
}

const CommandRegistration registration({
    QStringLiteral("info"),
    QStringLiteral("the roll-call information report of one roll call"),
    QStringLiteral("Usage: rollscan-cli info ") + RollCallArgsUsage(true) +
        QStringLiteral("\n\nPrints the lines the information window saves: tallies, errors, the proportional\n"
                       "reduction in error (n/a with a partner roll call), the description and the legislators\n"
                       "not shown on the map."),
    run,
});
} // namespace

} // namespace rollscan::cli
