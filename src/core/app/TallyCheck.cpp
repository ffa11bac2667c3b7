#include "core/app/TallyCheck.h"

#include "core/app/CongressList.h"

#include "core/data/CongressIndex.h"
#include "core/data/DataTree.h"
#include "core/data/FileError.h"
#include "core/data/FileIO.h"
#include "core/data/RollCall.h"
#include "core/data/VoteMatrix.h"
#include "core/report/OutputColumns.h"

#include <QDir>
#include <QFileInfo>
#include <QList>
#include <chrono>
#include <vector>

namespace rollscan {

namespace {
qint64 steadySeconds()
{
    return std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

QString padded(int n)
{
    return QLatin1Char(' ') + QString::number(n) + QLatin1Char(' ');
}
} // namespace

TallyCheck::TallyCheck(QString root, bool isHouse, bool newDataFormat)
    : m_root(std::move(root)), m_isHouse(isHouse), m_newDataFormat(newDataFormat), m_clock(steadySeconds)
{
}

QString TallyCheck::reportPath() const
{
    const QString name = m_isHouse ? QStringLiteral("hmatch.txt") : QStringLiteral("smatch.txt");
    if (!m_reportFolder.isEmpty())
        return QDir(m_reportFolder).filePath(name);
    return DataFileName(m_root, m_isHouse ? kHouseDir : kSenateDir, name);
}

int TallyCheck::lastCongress() const
{
    const QList<int> present = FindCongresses(DataFolder(m_root, m_isHouse ? kHouseDir : kSenateDir), m_isHouse);
    return present.isEmpty() ? kLastCongress : std::max(kLastCongress, present.constLast());
}

QString TallyCheck::TitleLine(bool isHouse, int lastCongress)
{
    return QStringLiteral("List of Mismatches between RIF and LCR files in ") +
           (isHouse ? QStringLiteral("Houses 1-") : QStringLiteral("Senates 1-")) + QString::number(lastCongress);
}

QString TallyCheck::RuleLine(bool isHouse, int lastCongress)
{
    return QString(TitleLine(isHouse, lastCongress).size(), QLatin1Char('-'));
}

QString TallyCheck::MismatchLine(int congress, int rollCall, int storedYeas, int storedNays, int countedYeas,
                                 int countedNays)
{
    // The Senate's report uses the same words, "House #" included.
    return QStringLiteral("Mismatch! House #") + QString::number(congress) + QStringLiteral(", roll call #") +
           QString::number(rollCall) + QStringLiteral(" has a vote tally of ") + padded(storedYeas) + QLatin1Char('-') +
           padded(storedNays) + QStringLiteral(" in its RIF file and ") + padded(countedYeas) + QLatin1Char('-') +
           padded(countedNays) + QStringLiteral(" tally in the LCR file.");
}

QString TallyCheck::ElapsedLine(qint64 seconds)
{
    return QStringLiteral("Time elapsed: ") + QString::number(seconds) +
           QStringLiteral(" seconds to match roll call vote tallies.");
}

int TallyCheck::run()
{
    const qint64 t0 = m_clock();
    const int last = lastCongress();
    QStringList lines{TitleLine(m_isHouse, last), RuleLine(m_isHouse, last), QString()};
    int mismatches = 0;

    // The index is read once, and only when some congress has files to check.
    QList<CongressCounts> index;
    bool indexRead = false;
    const int total = last - kFirstCongress + 1;
    for (int h = kFirstCongress; h <= last; ++h) {
        const QString votPath = CongressFileName(m_root, m_isHouse, h, QStringLiteral(".vot"));
        const QString rifPath = CongressFileName(m_root, m_isHouse, h, QStringLiteral(".rif"));
        // Opening a missing file would create it, and an empty congress file would later be listed
        // as a congress; so missing files are never opened.
        if (QFileInfo::exists(votPath) && QFileInfo::exists(rifPath)) {
            if (!indexRead) {
                index = ReadCongressIndex(CongressIndexFileName(m_root, m_isHouse), m_isHouse);
                indexRead = true;
            }
            if (h <= index.size()) {
                const CongressCounts counts = index.at(h - 1);
                if (counts.legislatorCount < 0 || counts.rollCallCount < 0)
                    throw FileError(FileErrorNumber::BadFormat, CongressIndexFileName(m_root, m_isHouse),
                                    QStringLiteral("Negative count in the record of congress %1").arg(h));
                const int legislators = counts.legislatorCount;
                const int rollCalls = counts.rollCallCount;
                if (rollCalls > 0) {
                    const VoteMatrix votes = VoteMatrix::Load(votPath, legislators, rollCalls);
                    const QList<RollCall> records = ReadRollCalls(rifPath, rollCalls, m_newDataFormat);
                    std::vector<int> yeas(size_t(rollCalls), 0), nays(size_t(rollCalls), 0);
                    const char *bytes = votes.bytes().constData();
                    for (int m = 0; m < legislators; ++m) {
                        const char *row = bytes + qint64(m) * rollCalls;
                        for (int r = 0; r < rollCalls; ++r) {
                            if (row[r] == '1')
                                ++yeas[size_t(r)];
                            else if (row[r] == '6')
                                ++nays[size_t(r)];
                        }
                    }
                    for (int r = 1; r <= rollCalls; ++r) {
                        const RollCall &rc = records.at(r - 1);
                        const int y = yeas[size_t(r - 1)];
                        const int n = nays[size_t(r - 1)];
                        if (y != rc.yeas || n != rc.nays) {
                            lines.append(MismatchLine(h, r, rc.yeas, rc.nays, y, n));
                            ++mismatches;
                        }
                    }
                }
            }
        }
        if (m_progress)
            m_progress(h - kFirstCongress + 1, total);
    }

    lines.append(QString());
    lines.append(ElapsedLine(m_clock() - t0));
    // Lines end as in every other report the program writes.
    const QString end = QString::fromLatin1(kOutputLineEnd);
    WriteWholeFile(reportPath(), (lines.join(end) + end).toLatin1());
    return mismatches;
}

} // namespace rollscan
