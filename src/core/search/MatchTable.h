#pragma once

#include "core/data/RollCall.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <optional>

namespace rollscan {

// One row of the search result: the six columns of the roll-call list.
struct MatchRow {
    qint16 rollCall = 0; // column 0: roll-call number within its congress
    QString description; // column 1: at most 60 characters, trimmed
    TaggedDate date;     // column 2
    qint16 yeas = 0;     // column 3
    qint16 nays = 0;     // column 4
    qint16 congress = 0; // column 5
    bool operator==(const MatchRow &) const = default;
};

// The search result, rows numbered from 1. Holds at most kMaxRows rows.
class MatchTable {
public:
    static constexpr int kMaxRows = 20000;

    int matchCount() const { return int(m_rows.size()); }
    bool isFull() const { return m_rows.size() >= kMaxRows; }
    // Row i, 1-based (asserted in range).
    const MatchRow &row(int i) const { return m_rows.at(i - 1); }
    MatchRow &row(int i) { return m_rows[i - 1]; }
    // Appends a row; returns false (and keeps the table as it is) when the table is full.
    bool append(const MatchRow &r);
    bool append(MatchRow &&r);
    void clear() { m_rows.clear(); }
    // Makes room for `rows` rows (at most kMaxRows) ahead of a long run of appends.
    void reserve(int rows) { m_rows.reserve(std::min(rows, kMaxRows)); }
    const QList<MatchRow> &rows() const { return m_rows; }
    QList<MatchRow> &rows() { return m_rows; }

private:
    QList<MatchRow> m_rows;
};

// The line of a row in the roll-call list: yeas, "-", nays, a TAB and the description
// ("234-190\tTo pass H.R. 1"); with `smallScreen` the description alone.
QString MatchListLine(const MatchRow &row, bool smallScreen = false);

// The lines of rows 1..matchCount, in order.
QStringList MatchListLines(const MatchTable &table, bool smallScreen = false);

// The identification shown under the list for a row: "House #103 Roll Call #45", two spaces and the
// date in the system's short form ("Senate #" for the Senate; a text date is shown as stored).
QString RollCallIdLine(bool isHouse, const MatchRow &row);

// The date of a row as the system's short form, or the stored text of a text date.
QString MatchDateText(const TaggedDate &date);

// The 1-based list row that quick entry selects for the typed number, or nothing when the text is not
// a number from 1 to both the congress's roll-call count and the list's length.
std::optional<int> QuickEntryRow(const QString &typed, int rollCallCount, int listLength);

} // namespace rollscan
