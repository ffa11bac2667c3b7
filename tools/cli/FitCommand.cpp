// rollscan-cli fit: how well the cutting lines of one congress classify its members' votes.
#include "cli/Command.h"
#include "cli/RollCallArgs.h"

#include "core/ideology/CongressFit.h"

namespace rollscan::cli {

namespace {
const char *const kUsage =
    "Usage: rollscan-cli fit TREE --house|--senate --congress N [--extended]\n"
    "\n"
    "Counts, over every roll call of the congress that has a cutting line, each member's scaled votes\n"
    "(codes 1-6) and classification errors, as the ideological map judges them with the tree's\n"
    "second-dimension weight. Prints one line per legislator in file order:\n"
    "  id<TAB>name<TAB>votes<TAB>errors\n"
    "(a member without coordinates has 0 and 0), then\n"
    "  errors: N    the sum of the roll calls' error counts as the information window gives them\n"
    "  correct: P   the percentage of scaled votes classified correctly, two decimals\n"
    "  apre: A      the aggregate proportional reduction in error, three decimals\n"
    "\n"
    "Exit codes: 0 done, 1 bad data (the message names the file), 2 bad usage.";

int usageError(const QString &message)
{
    Err() << "rollscan-cli fit: " << message << "\n"
          << "Try 'rollscan-cli fit --help'.\n";
    return kExitUsage;
}

int run(const QStringList &args)
{
    // The roll-call arguments without a roll call: give a placeholder so one parser serves both.
    QStringList withRoll = args;
    if (withRoll.contains(QLatin1String("--roll")))
        return usageError(QStringLiteral("fit takes a whole congress, not --roll"));
    withRoll << QStringLiteral("--roll") << QStringLiteral("1");
    QString error;
    const std::optional<RollCallArgs> a = ParseRollCallArgs(withRoll, false, error);
    if (!a)
        return usageError(error == QLatin1String("--congress and --roll are required")
                              ? QStringLiteral("--congress is required")
                              : error);
    return RunReportingErrors(QStringLiteral("fit"), [&] {
        const CongressFit fit = ComputeCongressFit(a->tree, a->isHouse, a->congress, a->extended);
        QTextStream &out = Out();
        for (const FitLegislator &l : fit.legislators)
            out << l.id1 << '\t' << l.name << '\t' << l.votes << '\t' << l.errors << '\n';
        out << "errors: " << fit.totalErrors << '\n';
        out << "correct: " << QString::number(fit.percentCorrect(), 'f', 2) << '\n';
        out << "apre: " << QString::number(fit.apre(), 'f', 3) << '\n';
        return kExitOk;
    });
}

const CommandRegistration registration(Command{QStringLiteral("fit"),
                                               QStringLiteral("errors, percent correct and APRE of one congress"),
                                               QString::fromLatin1(kUsage), run});
} // namespace

} // namespace rollscan::cli
