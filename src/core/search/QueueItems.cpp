#include "core/search/QueueItems.h"

#include "core/app/Session.h"
#include "core/data/CongressIndex.h"
#include "core/data/FileError.h"
#include "core/search/CongressSearchFiles.h"
#include "core/search/SelectionQueue.h"

#include <QMap>
#include <memory>

namespace rollscan {

namespace {
bool positive(const QString &text, int &out)
{
    bool ok = false;
    out = text.trimmed().toInt(&ok);
    return ok && out >= 1;
}
} // namespace

std::optional<QList<QueueItem>> ParseQueueItems(const QString &text, int defaultCongress, QString &error)
{
    QList<QueueItem> items;
    for (const QString &part : text.split(QLatin1Char(','))) {
        const QStringList fields = part.split(QLatin1Char(':'));
        QueueItem item{defaultCongress, 0};
        const bool ok = fields.size() == 1 ? positive(fields.at(0), item.rollCall)
                        : fields.size() == 2
                            ? positive(fields.at(0), item.congress) && positive(fields.at(1), item.rollCall)
                            : false;
        if (!ok) {
            error = QStringLiteral("'%1' is not a roll call (R) or a congress and roll call (N:R)").arg(part);
            return std::nullopt;
        }
        items.append(item);
    }
    return items;
}

void QueueRollCalls(Session &session, const QList<QueueItem> &items)
{
    session.MatchTable.clear();
    session.queue.clear();
    // Each congress's roll-call file is read once, however many of its roll calls are queued.
    QMap<int, std::shared_ptr<CongressSearchFiles>> files;
    QMap<int, int> counts;
    QList<int> rows;
    for (const QueueItem &item : items) {
        if (!files.contains(item.congress)) {
            const CongressCounts c = LoadCongressCounts(session.dataRoot, session.isHouse, item.congress);
            auto f = std::make_shared<CongressSearchFiles>(session.dataRoot, session.isHouse, item.congress,
                                                           session.newDataFormat, false);
            f->requireRollCalls(c.rollCallCount);
            files.insert(item.congress, f);
            counts.insert(item.congress, c.rollCallCount);
        }
        if (item.rollCall > counts.value(item.congress))
            throw DataError(QStringLiteral("Roll call %1 is not in the %2 roll calls of %3 #%4.")
                                .arg(item.rollCall)
                                .arg(counts.value(item.congress))
                                .arg(session.isHouse ? QStringLiteral("House") : QStringLiteral("Senate"))
                                .arg(item.congress));
        if (!session.MatchTable.append(files.value(item.congress)->matchRow(item.rollCall)))
            throw DataError(QStringLiteral("At most %1 roll calls can be queued.").arg(MatchTable::kMaxRows));
        rows.append(session.MatchTable.matchCount());
    }
    session.queue.addRows(session.MatchTable, rows, session.smallScreen);
    session.queue.start();
}

} // namespace rollscan
