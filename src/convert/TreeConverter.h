#pragma once

#include "convert/ConvertOptions.h"

#include <QList>
#include <QString>
#include <functional>

namespace rollscan {

// Builds a complete data tree from a folder of public roll-call tables:
//   SOURCE/house/HNNN_members.csv, HNNN_rollcalls.csv, HNNN_votes.csv
//   SOURCE/senate/SNNN_members.csv, ...
// (any subset of congresses and chambers). The tree is written into a temporary folder next to
// the destination and renamed to it at the end, so a failed conversion leaves nothing behind; an
// existing destination is never overwritten.
class TreeConverter {
public:
    // The three tables of one congress of one chamber.
    struct TableSet {
        bool isHouse = true;
        int congress = 0;
        QString members, rollCalls, votes;
    };

    // What a finished conversion wrote.
    struct Summary {
        int houseCongresses = 0;
        int senateCongresses = 0;
        qint64 legislatorRecords = 0;
        qint64 rollCallRecords = 0;
        qint64 votes = 0;
    };

    // Called after each congress: sets done so far, sets in all, and a line such as
    // "House 97: 444 legislators, 812 roll calls".
    using Progress = std::function<void(int done, int total, const QString &line)>;

    TreeConverter(QString source, QString destination, ConvertOptions options);
    void setProgress(Progress progress) { m_progress = std::move(progress); }

    // The table sets below `source`, House first, each chamber by ascending congress. A set
    // missing one of its tables throws DataError naming the missing file; so does a folder
    // with no tables at all. File names are matched without regard to letter case.
    static QList<TableSet> FindTableSets(const QString &source);

    // Why `destination` cannot receive a new tree (it exists and is not an empty folder, or its
    // parent folder is missing), or an empty text when it can.
    static QString DestinationProblem(const QString &destination);

    // Removes the hidden work folders (".NAME-partial-XXXXXX" next to `destination`) that conversions
    // killed before they finished left behind: those whose converting process is gone, and those
    // without a lock older than a minute. A folder a running conversion holds is kept. Returns the
    // folders removed.
    static QStringList RemoveStalePartials(const QString &destination);

    // The lock file a conversion keeps inside its work folder while it runs.
    static const char *const kWorkLockName;

    // Converts every table set and writes the tree. Throws DataError for bad tables or an unusable
    // destination and FileError for files that cannot be read or written; in every such case
    // nothing is left at the destination or next to it.
    Summary run();

private:
    QString m_source;
    QString m_destination;
    ConvertOptions m_options;
    Progress m_progress;
};

} // namespace rollscan
