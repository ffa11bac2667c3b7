#pragma once

#include "core/ideology/DrawingPass.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace rollscan::cli {

// The arguments shared by the commands that look at one roll call:
//   TREE --house|--senate --congress N --roll R [--partner-congress N2 --partner-roll R2] [--extended]
struct RollCallArgs {
    QString tree;
    bool isHouse = true;
    int congress = 0;
    int rollCall = 0;
    bool extended = false;
    std::optional<PartnerRollCall> partner;
};

// The usage line of these arguments, for the commands' help texts.
QString RollCallArgsUsage(bool partner);

// Parses `args`; on a mistake writes the reason to `error` and returns nothing. The partner
// options are accepted only when `allowPartner`; both must be given together.
std::optional<RollCallArgs> ParseRollCallArgs(const QStringList &args, bool allowPartner, QString &error);

// The drawing request for the parsed arguments, with the tree's preferences when it has a
// "rollscan.prf". Throws FileError for an unreadable preferences file.
DrawingRequest MakeDrawingRequest(const RollCallArgs &a);

// Runs `body`, turning data and file errors into a message on stderr and exit code 1.
int RunReportingErrors(const QString &command, const std::function<int()> &body);

} // namespace rollscan::cli
