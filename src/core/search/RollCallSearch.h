#pragma once

#include "core/Progress.h"
#include "core/data/Description.h"
#include "core/search/KeywordCriteria.h"
#include "core/search/MatchTable.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace rollscan {

class Session;

// The kinds of search of the search dialog (a bookmark file is the sixth source, see BookmarkFile.h).
enum class SearchKind { Chronological, Issue, Clausen, Peltzman, Keyword };

struct SearchCriteria {
    SearchKind kind = SearchKind::Chronological;
    QList<int> codes;         // the chosen subject codes of a code search
    KeywordCriteria keywords; // the criteria of a keyword search
};

// How a search ended. `message` is empty unless the user must be told something (the table filled up).
struct SearchOutcome {
    int matchCount = 0;
    bool truncated = false;
    QString message;
};

// Shown when a search or a list would pass the table's 20000 rows; the rows found so far are kept.
QString TooManyRollCallsMessage();

// True when a record passes a code search: with Issue when a chosen code equals its issue code (or,
// in the extended layout, its second issue code); with Clausen its Clausen code; with Peltzman either
// Peltzman code. Chronological passes everything; Keyword is not decided here (false).
bool CodeSearchPasses(SearchKind kind, const QList<int> &codes, const RollCallKeys &record, bool newDataFormat);

// Searches every roll call of session.selectedCongresses (in that order) of the chamber session.isHouse,
// in the layouts session.newDataFormat names. On success with at least one match the result replaces
// session.MatchTable and the selection queue is emptied (its rows named the old table); with no match
// the previous table and queue stay as they were. A search that would pass MatchTable::kMaxRows rows
// stops there and keeps what it found (outcome.truncated, outcome.message). Leaves currentCongress,
// legislatorCount and rollCallCount at the last congress read, and sets the searchBy flags of the kind.
// Progress: every 20 roll calls, the percentage over all selected congresses and the congress read.
// Throws FileError (a missing or short file, named); nothing in the session's table changes then.
SearchOutcome RunSearch(Session &session, const SearchCriteria &criteria, const ProgressCallback &progress = {});

// Narrows session.MatchTable in place to the rows that pass the keyword test, rewriting each kept
// row from its roll-call record (chamber session.isHouse). The files of a congress are read once per
// run of consecutive rows of that congress. Queue entries follow their rows; entries of dropped rows
// leave the queue. Returns false and changes nothing when the primary keyword is empty. Sets
// currentCongress to the congress of the last row examined. Progress: every 50 rows, the percentage
// and the row reached. Throws FileError; the table and queue are unchanged then.
bool NarrowByKeyword(Session &session, const KeywordCriteria &criteria, const ProgressCallback &progress = {});

// The description entry of a MatchTable row (1-based), read from the files of that row's congress
// in the chamber session.isHouse. Throws FileError (missing or short files), DataError for a bad row.
Description ReadRowDescription(const Session &session, int row);

// "House(s) searched: 2" / "Senate(s) searched: 2".
QString SearchSummary(bool isHouse, int congressCount);
// "You must enter or select a House number." / "... a Senate number."
QString NoCongressSelectedMessage(bool isHouse);
// The failed-search message of a keyword search: the upper-cased keywords (the second and third only
// when not empty) and the summary, separated by carriage returns.
QString FailedKeywordSearchMessage(const KeywordCriteria &criteria, const QString &summary);
// The failed-search message of any other search: the chosen subject names, last chosen first.
QString FailedSearchMessage(const QStringList &chosenNames, const QString &summary);

} // namespace rollscan
