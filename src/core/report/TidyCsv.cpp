#include "core/report/TidyCsv.h"

#include "core/app/Session.h"
#include "core/data/DataTree.h"
#include "core/data/FileError.h"
#include "core/data/FileIO.h"
#include "core/data/PartyTable.h"
#include "core/ideology/CuttingLine.h"

#include <array>
#include <charconv>

namespace rollscan {

const char *const kTidyCsvHeader = "congress,roll_call,date,member_id,name,state,district,party_code,party_name,"
                                   "coord1,coord2,vote_code,vote_class";

namespace {
constexpr int kProgressStep = 200;

// A text field, quoted only when a reader would otherwise split it.
QString field(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n')) &&
        !text.contains(QLatin1Char('\r')))
        return text;
    QString out = text;
    out.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + out + QLatin1Char('"');
}

// The shortest text that reads back as the same float32, so no precision is invented or lost.
QString coordinate(float value)
{
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return QString::fromLatin1(buffer.data(), result.ptr - buffer.data());
}

QString dateText(const TaggedDate &date)
{
    if (date.isDate()) {
        const QDate d = date.date();
        return d.isValid() ? d.toString(Qt::ISODate) : QString();
    }
    return date.text.trimmed();
}
} // namespace

bool IsTidyCsvName(const QString &fileName)
{
    return fileName.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive);
}

QString VoteClassWord(int code)
{
    if (code >= 1 && code <= 3)
        return QStringLiteral("Yea");
    if (code >= 4 && code <= 6)
        return QStringLiteral("Nay");
    return QStringLiteral("Not voting");
}

QByteArray TidyCsvBytes(const QList<RollCallSheet> &sheets, const PartyTable &parties, const QList<TidyEntry> &order,
                        const ProgressCallback &progress)
{
    QList<TidyEntry> entries = order;
    if (entries.isEmpty())
        for (int s = 0; s < sheets.size(); ++s)
            for (int r = 0; r < sheets[s].rollCalls.size(); ++r)
                entries.append({s, r});
    qint64 total = 0;
    for (const TidyEntry &e : entries)
        total += sheets.at(e.sheet).legislators.size();

    QString out = QString::fromLatin1(kTidyCsvHeader) + QLatin1Char('\n');
    qint64 written = 0;
    for (const TidyEntry &e : entries) {
        const RollCallSheet &sheet = sheets.at(e.sheet);
        const SheetRollCall &rc = sheet.rollCalls.at(e.rollCall);
        const QString head = QString::number(sheet.congress) + QLatin1Char(',') + QString::number(rc.rollCall) +
                             QLatin1Char(',') + field(dateText(rc.date)) + QLatin1Char(',');
        for (const SheetLegislator &line : sheet.legislators) {
            const Legislator &l = line.legislator;
            const bool placed = HasCoordinates(l.coord1, l.coord2);
            const int vote = line.votes.at(e.rollCall);
            out += head + QString::number(l.id1) + QLatin1Char(',') + field(l.trimmedName()) + QLatin1Char(',') +
                   field(line.statePostal) + QLatin1Char(',') + QString::number(l.district) + QLatin1Char(',') +
                   QString::number(l.partyCode) + QLatin1Char(',') + field(parties.name(l.partyCode)) +
                   QLatin1Char(',') + (placed ? coordinate(l.coord1) : QStringLiteral("NA")) + QLatin1Char(',') +
                   (placed ? coordinate(l.coord2) : QStringLiteral("NA")) + QLatin1Char(',') + QString::number(vote) +
                   QLatin1Char(',') + VoteClassWord(vote) + QLatin1Char('\n');
            ++written;
            if (progress && written % kProgressStep == 0)
                progress(int(written * 100 / total), int(written));
        }
    }
    return out.toUtf8();
}

void WriteTidyCsv(const Session &session, const QString &fileName, const ProgressCallback &progress)
{
    if (session.queue.length() == 0)
        throw DataError(QStringLiteral("The selection queue is empty."));
    // LoadQueueSheets groups the queue by congress in order of first appearance, each group in queue
    // order; walking the queue the same way finds each entry's place so the file keeps queue order.
    const QList<RollCallSheet> sheets = LoadQueueSheets(session);
    QList<int> congresses;
    QList<int> used;
    QList<TidyEntry> order;
    for (int p = 1; p <= session.queue.length(); ++p) {
        const int row = session.queue.at(p).row;
        const int congress = session.MatchTable.row(row).congress;
        qsizetype g = congresses.indexOf(congress);
        if (g < 0) {
            congresses.append(congress);
            used.append(0);
            g = congresses.size() - 1;
        }
        order.append({int(g), used[g]++});
    }
    const PartyTable parties = PartyTable::Read(DataFileName(session.dataRoot, kMainDir, QStringLiteral("party.dat")));
    WriteWholeFile(fileName, TidyCsvBytes(sheets, parties, order, progress));
}

} // namespace rollscan
