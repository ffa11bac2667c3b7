#include "core/analysis/Ratings.h"

#include "core/data/CongressIndex.h"
#include "core/data/DataTree.h"
#include "core/data/FileError.h"
#include "core/data/VoteMatrix.h"

#include <array>
#include <cmath>
#include <cstdint>

namespace rollscan {

namespace {
constexpr int kProgressEvery = 15;
// Seconds per legislator and roll call that the first readers of these files took, one byte per
// seek; the estimate keeps their figure and their corrections so that it reads as it always has.
constexpr double kSecondsPerVote = 0.00134;

struct CongressPick {
    int rollCall = 0;
    VoteSide positive = VoteSide::Yea;
};

// The side of every byte value, so that the inner loop over a whole vote matrix is a table lookup.
struct SideTable {
    std::array<VoteSide, 256> side{};
    SideTable()
    {
        for (int b = 0; b < 256; ++b)
            side[std::size_t(b)] = ClassifyVoteCode(char(b));
    }
};

QList<CongressPick> picksOf(int congress, const QList<RatingSetting> &settings, int rollCallCount, bool isHouse)
{
    QList<CongressPick> picks;
    for (int q = 0; q < settings.size(); ++q) {
        const QueuedRollCall &entry = settings.at(q).rollCall;
        if (entry.congress != congress)
            continue;
        if (entry.rollCall < 1 || entry.rollCall > rollCallCount)
            throw DataError(NoSuchRollCallMessage(isHouse, congress, entry.rollCall));
        picks.append({entry.rollCall, settings.at(q).positive});
    }
    return picks;
}
} // namespace

QString RatingRowText(const RatingSetting &setting)
{
    return VoteSideText(setting.positive) + QLatin1Char('\t') + TallyAndDescription(setting.rollCall);
}

std::optional<double> RatingResult::average() const
{
    if (ratedCount == 0)
        return std::nullopt;
    return sum / ratedCount;
}

int TotalLegislators(const QString &root, bool isHouse, const QList<int> &congresses)
{
    int total = 0;
    for (int congress : congresses)
        total += LoadCongressCounts(root, isHouse, congress).legislatorCount;
    return total;
}

RatingResult ComputeRatings(const QString &root, bool isHouse, const QList<int> &congresses,
                            const QList<RatingSetting> &settings, bool newDataFormat, const ProgressCallback &progress)
{
    RatingResult result;
    result.totalLegislators = TotalLegislators(root, isHouse, congresses);
    result.legislators.reserve(result.totalLegislators);
    for (int congress : congresses) {
        const CongressCounts counts = LoadCongressCounts(root, isHouse, congress);
        const int legislatorCount = counts.legislatorCount;
        const int rollCallCount = counts.rollCallCount;
        const QList<CongressPick> picks = picksOf(congress, settings, rollCallCount, isHouse);
        const QList<Legislator> legislators = ReadLegislators(
            CongressFileName(root, isHouse, congress, QStringLiteral(".lcr")), legislatorCount, newDataFormat);
        // Without a pick in this congress nobody votes, and the vote file need not be read.
        const VoteMatrix votes =
            picks.isEmpty() ? VoteMatrix()
                            : VoteMatrix::Load(CongressFileName(root, isHouse, congress, QStringLiteral(".vot")),
                                               legislatorCount, rollCallCount);
        static const SideTable table;
        const char *matrix = votes.bytes().constData();
        for (int i = 1; i <= legislatorCount; ++i) {
            LegislatorRating r;
            r.congress = congress;
            r.legislator = legislators.at(i - 1);
            const char *row = matrix + VoteMatrix::Offset(i, 1, rollCallCount);
            for (const CongressPick &pick : picks) {
                const VoteSide side = table.side[std::uint8_t(row[pick.rollCall - 1])];
                if (side == VoteSide::Yea)
                    ++r.yeas;
                else if (side == VoteSide::Nay)
                    ++r.nays;
                if (side != VoteSide::NA && side == pick.positive)
                    ++r.agrees;
            }
            if (r.yeas + r.nays == 0) {
                r.rating = kNotRated;
                ++result.notRatedCount;
            } else {
                r.rating = float(double(r.agrees) / (r.yeas + r.nays) * 100.0);
                if (r.rating < result.lowest) {
                    result.lowest = r.rating;
                    result.lowestName = r.legislator.trimmedName();
                }
                if (r.rating > result.highest) {
                    result.highest = r.rating;
                    result.highestName = r.legislator.trimmedName();
                }
                ++result.ratedCount;
                result.sum += r.rating;
            }
            result.legislators.append(r);
            if (progress && i % kProgressEvery == 0)
                progress(int(double(i) / legislatorCount * 100.0), i);
        }
    }
    for (const LegislatorRating &r : result.legislators) {
        if (!r.rated())
            continue;
        if (r.rating == result.highest)
            ++result.atHighest;
        if (r.rating == result.lowest)
            ++result.atLowest;
    }
    return result;
}

QString FormatRating(float rating)
{
    if (rating == kNotRated)
        return QStringLiteral("n/a");
    return QString::number(double(rating), 'f', 2);
}

QString EstimatedTimeText(int totalLegislators, int rollCalls)
{
    const double seconds = double(totalLegislators) * rollCalls * kSecondsPerVote;
    int minutes = int(seconds / 60.0);
    int rest = int(std::lround(std::fmod(seconds, 60.0)));
    if (minutes < 1)
        rest += 2;
    else if (minutes > 3)
        rest -= 15;
    else if (minutes > 2)
        rest -= 10;
    else if (minutes > 1)
        rest -= 5;
    // The corrections can push the seconds past either end of the minute; carry them over instead
    // of showing "0:61" or "4:-07".
    int total = std::max(0, minutes * 60 + rest);
    minutes = total / 60;
    rest = total % 60;
    return QStringLiteral(" (ETC - %1:%2)").arg(minutes).arg(rest, 2, 10, QLatin1Char('0'));
}

QString RatingResultRow(const LegislatorRating &rating)
{
    return rating.legislator.trimmedName().leftJustified(16, QLatin1Char(' ')) + QLatin1Char('\t') +
           FormatRating(rating.rating);
}

RatingInfoColumns RatingInfo(const RatingResult &result)
{
    const std::optional<double> average = result.average();
    RatingInfoColumns info;
    info.names = result.highestName + QStringLiteral(" \n") + result.lowestName + QStringLiteral(" \n") +
                 (average ? QString::number(*average, 'f', 2) : QStringLiteral("n/a"));
    info.counts = QString::number(result.atHighest) + QLatin1Char('\n') + QString::number(result.atLowest);
    info.values = FormatRating(result.highest) + QLatin1Char('\n') + FormatRating(result.lowest);
    return info;
}

QStringList RatingReportLines(bool isHouse, const QList<int> &congresses, const QList<RatingSetting> &settings,
                              const RatingResult &result)
{
    const QString title = QStringLiteral("Rollscan for Windows Legislator Ratings");
    QStringList lines{title, QString(title.size(), QLatin1Char('-'))};
    for (int congress : congresses)
        lines.append(CongressYearsLine(isHouse, congress));
    lines << QString() << QString() << QStringLiteral("Selected Roll Calls") << QStringLiteral("-------------------")
          << QString();
    ColumnLines body;
    for (const RatingSetting &s : settings) {
        body.text(VoteSideText(s.positive));
        body.tab(4).text(QStringLiteral(" %1 ").arg(s.rollCall.rollCall));
        body.tab(10).text(QStringLiteral("%1-%2").arg(s.rollCall.yeas).arg(s.rollCall.nays));
        body.tab(18).text(s.rollCall.description.trimmed());
        body.newLine();
    }
    body.newLine().text(QStringLiteral("Legislator Ratings")).newLine();
    body.text(QStringLiteral("------------------")).newLine().newLine();
    for (const LegislatorRating &r : result.legislators)
        body.text(r.legislator.trimmedName()).tab(18).text(FormatRating(r.rating)).newLine();
    return lines + body.lines();
}

QList<QStringList> RatingCsvRecords(const RatingResult &result, const MemberTables &tables)
{
    QList<QStringList> records;
    records.append(MemberCsvHeader() << QStringLiteral("yeas") << QStringLiteral("nays") << QStringLiteral("agreements")
                                     << QStringLiteral("rating"));
    for (const LegislatorRating &r : result.legislators)
        records.append(MemberCsvFields(r.congress, r.legislator, tables)
                       << QString::number(r.yeas) << QString::number(r.nays) << QString::number(r.agrees)
                       << (r.rated() ? FormatRating(r.rating) : QString()));
    return records;
}

} // namespace rollscan
