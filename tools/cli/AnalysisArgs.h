#pragma once

#include "core/analysis/AnalysisQueue.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace rollscan::cli {

// The arguments of the commands that work over a queue of roll calls:
//   TREE --house|--senate --congress N[,N...] --rolls ITEMS [--nay ITEMS] [--member IDS]
//        [--csv FILE] [--text FILE] [--extended]
// An item is N:R (roll call R of congress N) or R (of the first congress given).
struct AnalysisArgs {
    QString tree;
    bool isHouse = true;
    QList<int> congresses;
    QList<RollCallRef> rolls;
    QList<RollCallRef> nays;
    QList<qint32> members;
    QString csvFile;
    QString textFile;
    bool extended = false;
};

// Parses `args`; on a mistake writes the reason to `error` and returns nothing. --member is accepted
// only when `withMembers`, and is then required.
std::optional<AnalysisArgs> ParseAnalysisArgs(const QStringList &args, bool withMembers, QString &error);

} // namespace rollscan::cli
