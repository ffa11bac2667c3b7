#pragma once

#include "core/Progress.h"
#include "core/analysis/AnalysisQueue.h"
#include "core/data/Legislator.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace rollscan {

// The rating a legislator gets who cast no Yea or Nay on the counted roll calls; shown as "n/a".
inline constexpr float kNotRated = 999.0f;

// What the rating window asks of one queued roll call: which side counts as agreeing.
struct RatingSetting {
    QueuedRollCall rollCall;
    VoteSide positive = VoteSide::Yea;
};

// The row of the rating list: "Yea" or "Nay", a TAB, yeas "-" nays, a TAB, the description.
QString RatingRowText(const RatingSetting &setting);

// One legislator of the rated congresses, in congress order and legislator-file order.
struct LegislatorRating {
    int congress = 0;
    Legislator legislator;
    int yeas = 0;
    int nays = 0;
    int agrees = 0;
    float rating = kNotRated; // agrees / (yeas + nays) × 100, or kNotRated

    bool rated() const { return yeas + nays > 0; }
};

// The ratings of every legislator and the summary of the info panel.
struct RatingResult {
    QList<LegislatorRating> legislators;
    float highest = 0.0f; // of the rated; among equal scores the first legislator met keeps the name
    QString highestName;
    float lowest = 100.0f; // stays 100 with no name when nobody scores below 100
    QString lowestName;
    int atHighest = 0; // rated legislators whose rating equals highest
    int atLowest = 0;
    double sum = 0.0;
    int ratedCount = 0;
    int notRatedCount = 0;
    int totalLegislators = 0; // of the selected congresses, from the index file

    // sum / rated; nothing when nobody was rated.
    std::optional<double> average() const;
};

// A finished rating: what was rated and the result, as the results window shows and saves it.
struct RatingRun {
    bool isHouse = true;
    QList<int> congresses;
    QList<RatingSetting> settings;
    RatingResult result;
};

// Rates every legislator of `congresses` (in that order) over `settings`: each legislator counts only
// the roll calls of his or her own congress. Each congress's legislator and vote files are read
// once. `progress` gets the percentage of the congress being rated and the legislator number every
// 15 legislators. Throws FileError for missing or short files, DataError for a queued roll-call
// number outside its congress.
RatingResult ComputeRatings(const QString &root, bool isHouse, const QList<int> &congresses,
                            const QList<RatingSetting> &settings, bool newDataFormat,
                            const ProgressCallback &progress = {});

// The sum of the legislator counts of `congresses` in the chamber's index file. Throws FileError.
int TotalLegislators(const QString &root, bool isHouse, const QList<int> &congresses);

// A rating as the results show it: "66.67", "100.00", "0.00", or "n/a" for kNotRated.
QString FormatRating(float rating);

// The estimate appended to the wait text, " (ETC - 0:49)", from the time the first readers of these
// files took per legislator and roll call. The seconds are always shown as 00..59.
QString EstimatedTimeText(int totalLegislators, int rollCalls);

// The row of the results list: the trimmed name padded to 16 characters, a TAB, the rating.
QString RatingResultRow(const LegislatorRating &rating);

// The three columns of the info panel, lines separated by "\n".
struct RatingInfoColumns {
    QString names;  // highest's name, a blank; lowest's name, a blank; the average
    QString counts; // number at the highest; number at the lowest
    QString values; // highest; lowest
};
RatingInfoColumns RatingInfo(const RatingResult &result);

// The saved report "Rollscan for Windows Legislator Ratings", one entry per line (no line ends).
// The chamber line is written for each rated congress.
QStringList RatingReportLines(bool isHouse, const QList<int> &congresses, const QList<RatingSetting> &settings,
                              const RatingResult &result);

// The rating of every legislator as comma-separated records, header first.
QList<QStringList> RatingCsvRecords(const RatingResult &result, const MemberTables &tables);

} // namespace rollscan
