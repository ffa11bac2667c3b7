#pragma once

#include "core/search/MatchTable.h"

#include <QString>
#include <QStringList>

namespace rollscan {

// The roll-call list and the queue show each row as columns: congress, roll-call number and date
// come first, so that rows without a description or a date are still told apart, then the row's
// list line. The line stays the row's text for everything else (queue texts, bookmarks, outputs).
struct ListColumns {
    static constexpr int kCount = 4;
    static constexpr int kLineColumn = 3;

    QString congress; // "103"
    QString rollCall; // "45"
    QString date;     // the system's short form, a text date as stored, empty when there is none
    QString line;     // MatchListLine: "234-190\tTo pass H.R. 1"

    // The column `column` (0..3).
    QString text(int column) const;
};

// The column captions: "Congress", "Roll call", "Date", "Yea-Nay and description".
QStringList ListColumnCaptions();

// The columns of a table row with the given list line.
ListColumns ListColumnsOf(const MatchRow &row, const QString &line);

} // namespace rollscan
