#pragma once

#include <QString>
#include <functional>

namespace rollscan {

// The data-maintenance check of one chamber: for every roll call of congresses 1 to 99, and of any
// later congress the chamber folder holds (the bound of 99 is older than the data), it compares
// the yea and nay tallies stored in the roll-call records with the code-1 and code-6 votes of the
// vote file and writes each disagreement to "house/hmatch.txt" or "senate/smatch.txt".
class TallyCheck {
public:
    static constexpr int kFirstCongress = 1;
    static constexpr int kLastCongress = 99;

    // Called after each congress 1..lastCongress() (checked or skipped): congresses done, in all.
    using Progress = std::function<void(int done, int total)>;
    // Whole seconds on a clock that only moves forward; the report gives the difference.
    using Clock = std::function<qint64()>;

    TallyCheck(QString root, bool isHouse, bool newDataFormat);
    void setProgress(Progress progress) { m_progress = std::move(progress); }
    void setClock(Clock clock) { m_clock = std::move(clock); }
    // Writes the report into `folder` instead of the chamber folder: a tree that cannot be written
    // to (an installed sample) can still be checked.
    void setReportFolder(QString folder) { m_reportFolder = std::move(folder); }

    // Runs the check and writes the report (replacing an old one). Congresses whose index record,
    // vote file or roll-call file does not exist are skipped and no file of theirs is created.
    // Returns the number of mismatch lines. Throws FileError for a file that exists but is too
    // short for its counts, or when the report cannot be written; no report is written then.
    int run();

    // "house/hmatch.txt" or "senate/smatch.txt" below the root, or "hmatch.txt" or "smatch.txt" in
    // the report folder when one is set.
    QString reportPath() const;
    // The last congress the check walks: 99, or the highest congress of the chamber folder.
    int lastCongress() const;

    // "List of Mismatches between RIF and LCR files in Houses 1-99" (or "Senates"; "1-112" when
    // the check walks to the 112th).
    static QString TitleLine(bool isHouse, int lastCongress = kLastCongress);
    // Dashes as long as the title: 59 for the House, 60 for the Senate up to 99.
    static QString RuleLine(bool isHouse, int lastCongress = kLastCongress);
    // One line of the report; the four tallies each carry a blank before and after.
    static QString MismatchLine(int congress, int rollCall, int storedYeas, int storedNays, int countedYeas,
                                int countedNays);
    // "Time elapsed: " and the seconds, " seconds to match roll call vote tallies."
    static QString ElapsedLine(qint64 seconds);

private:
    QString m_root;
    QString m_reportFolder;
    bool m_isHouse;
    bool m_newDataFormat;
    Progress m_progress;
    Clock m_clock;
};

} // namespace rollscan
