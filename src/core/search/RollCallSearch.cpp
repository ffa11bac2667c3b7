#include "core/search/RollCallSearch.h"

#include "core/app/Session.h"
#include "core/data/CongressIndex.h"
#include "core/data/FileError.h"
#include "core/search/CongressSearchFiles.h"
#include "core/search/KeywordMatcher.h"
#include "core/search/SelectionQueue.h"

#include <optional>

namespace rollscan {

namespace {
constexpr int kSearchProgressStep = 20;
constexpr int kNarrowProgressStep = 50;
const QChar kCr(13);

int percentOf(qint64 part, qint64 whole)
{
    return whole > 0 ? int(part * 100 / whole) : 100;
}

bool containsCode(const QList<int> &codes, int value)
{
    return codes.contains(value);
}

void setSearchFlags(Session &session, SearchKind kind)
{
    if (kind == SearchKind::Chronological)
        return;
    session.searchByIssue = kind == SearchKind::Issue;
    session.searchByClausen = kind == SearchKind::Clausen;
    session.searchByPeltzman = kind == SearchKind::Peltzman;
    session.searchByOther = kind == SearchKind::Keyword;
}
} // namespace

QString TooManyRollCallsMessage()
{
    return QStringLiteral("That's more roll calls than Windows can handle! Try less Houses. "
                          "Rollscan will proceed with what it has so far.");
}

bool CodeSearchPasses(SearchKind kind, const QList<int> &codes, const RollCallKeys &record, bool newDataFormat)
{
    switch (kind) {
    case SearchKind::Chronological:
        return true;
    case SearchKind::Issue:
        return containsCode(codes, record.issueCode) || (newDataFormat && containsCode(codes, record.issueCode2));
    case SearchKind::Clausen:
        return containsCode(codes, record.clausenCode);
    case SearchKind::Peltzman:
        return containsCode(codes, record.peltzmanCode1) || containsCode(codes, record.peltzmanCode2);
    case SearchKind::Keyword:
        break;
    }
    return false;
}

SearchOutcome RunSearch(Session &session, const SearchCriteria &criteria, const ProgressCallback &progress)
{
    setSearchFlags(session, criteria.kind);
    const bool keywords = criteria.kind == SearchKind::Keyword;
    std::optional<KeywordMatcher> matcher;
    if (keywords)
        matcher.emplace(criteria.keywords);

    // One read of the index serves every congress; the whole selection's roll-call count makes one
    // percentage over the search.
    const QString indexPath = CongressIndexFileName(session.dataRoot, session.isHouse);
    const QList<CongressCounts> index = ReadCongressIndex(indexPath, session.isHouse);
    const QList<int> congresses = session.selectedCongresses;
    QList<CongressCounts> counts;
    qint64 total = 0;
    for (int congress : congresses) {
        if (congress < 1 || congress > index.size())
            throw FileError(FileErrorNumber::PastEnd, indexPath,
                            QStringLiteral("The index has no record for congress %1").arg(congress));
        const CongressCounts &c = index[congress - 1];
        if (c.legislatorCount < 0 || c.rollCallCount < 0)
            throw FileError(FileErrorNumber::BadFormat, indexPath,
                            QStringLiteral("Negative count in the record of congress %1").arg(congress));
        counts.append(c);
        total += c.rollCallCount;
    }

    MatchTable found;
    if (criteria.kind == SearchKind::Chronological)
        found.reserve(int(std::min<qint64>(total, MatchTable::kMaxRows)));
    SearchOutcome outcome;
    qint64 done = 0;
    for (qsizetype k = 0; k < congresses.size() && !outcome.truncated; ++k) {
        session.currentCongress = congresses[k];
        session.legislatorCount = counts[k].legislatorCount;
        session.rollCallCount = counts[k].rollCallCount;
        const int rollCalls = session.rollCallCount;
        const CongressSearchFiles files(session.dataRoot, session.isHouse, congresses[k], session.newDataFormat,
                                        keywords);
        files.requireRollCalls(rollCalls);
        for (int r = 1; r <= rollCalls; ++r) {
            const RollCallKeys key = files.keys(r);
            const bool passes = keywords ? matcher->kept(files.keywordTexts(r, key.description))
                                         : CodeSearchPasses(criteria.kind, criteria.codes, key, session.newDataFormat);
            if (passes && !found.append(files.matchRow(r, key))) {
                outcome.truncated = true;
                outcome.message = TooManyRollCallsMessage();
                break;
            }
            if (r % kSearchProgressStep == 0 && progress)
                progress(percentOf(done + r, total), congresses[k]);
        }
        done += rollCalls;
    }
    if (progress)
        progress(100, session.currentCongress);

    outcome.matchCount = found.matchCount();
    if (outcome.matchCount > 0) {
        session.MatchTable = std::move(found);
        session.queue.clear();
    }
    return outcome;
}

bool NarrowByKeyword(Session &session, const KeywordCriteria &criteria, const ProgressCallback &progress)
{
    if (criteria.keyword1.isEmpty())
        return false;
    const KeywordMatcher matcher(criteria);
    const MatchTable &old = session.MatchTable;
    const int oldCount = old.matchCount();

    MatchTable kept;
    QList<int> newRowOf(oldCount, 0);
    std::optional<CongressSearchFiles> files;
    int congress = session.currentCongress;
    for (int k = 1; k <= oldCount; ++k) {
        const MatchRow &row = old.row(k);
        congress = row.congress;
        if (!files || files->congress() != congress)
            files.emplace(session.dataRoot, session.isHouse, congress, session.newDataFormat, true);
        const RollCallKeys key = files->keys(row.rollCall);
        if (matcher.kept(files->keywordTexts(row.rollCall, key.description))) {
            kept.append(files->matchRow(row.rollCall, key));
            newRowOf[k - 1] = kept.matchCount();
        }
        if (k % kNarrowProgressStep == 0 && progress)
            progress(percentOf(k, oldCount), k);
    }
    session.currentCongress = congress;
    session.MatchTable = std::move(kept);
    session.queue.remap(newRowOf);
    return true;
}

Description ReadRowDescription(const Session &session, int row)
{
    if (row < 1 || row > session.MatchTable.matchCount())
        throw DataError(QStringLiteral("There is no roll call in row %1 of the list.").arg(row));
    const MatchRow &r = session.MatchTable.row(row);
    return ReadDescription(session.dataRoot, session.isHouse, r.congress, r.rollCall);
}

QString SearchSummary(bool isHouse, int congressCount)
{
    return (isHouse ? QStringLiteral("House(s) searched: ") : QStringLiteral("Senate(s) searched: ")) +
           QString::number(congressCount);
}

QString NoCongressSelectedMessage(bool isHouse)
{
    return isHouse ? QStringLiteral("You must enter or select a House number.")
                   : QStringLiteral("You must enter or select a Senate number.");
}

QString FailedKeywordSearchMessage(const KeywordCriteria &criteria, const QString &summary)
{
    QString text = QStringLiteral("Failed search: No matches found for") + kCr + kCr + criteria.keyword1.toUpper();
    if (!criteria.keyword2.isEmpty())
        text += kCr + criteria.keyword2.toUpper();
    if (!criteria.keyword3.isEmpty())
        text += kCr + criteria.keyword3.toUpper();
    return text + kCr + kCr + summary;
}

QString FailedSearchMessage(const QStringList &chosenNames, const QString &summary)
{
    QString names;
    for (const QString &name : chosenNames)
        names = name + kCr + names;
    return QStringLiteral("Failed search: No matches found for") + kCr + kCr + names + kCr + summary;
}

} // namespace rollscan
