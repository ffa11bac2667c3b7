#include "core/search/BookmarkFile.h"

#include "core/app/Session.h"
#include "core/data/Bytes.h"
#include "core/data/CongressIndex.h"
#include "core/data/FileError.h"
#include "core/data/FileErrorExplanation.h"
#include "core/data/FileIO.h"
#include "core/search/SelectionQueue.h"

#include <QFileInfo>

namespace rollscan {

namespace {
// Record layout (87 bytes). The date is a tagged value of 2 + n bytes (n = 8 for a date, 2 + length
// for a text), and every later field follows it:
//   0        1  chamber, "h" or "s"
//   1        2  congress, int16
//   3        2  roll-call number, int16
//   5    2 + n  date: int16 tag, then float64 day number (tag 7) or int16 length and text (tag 8)
//   7 + n   60  description, blank padded
//  67 + n    2  yea total, int16
//  69 + n    2  nay total, int16
//  71 + n    2  last-record flag, int16: -1 on the last record, 0 on the others
//  73 + n  ...  unused up to byte 87; never written over, never read
constexpr int kChamber = 0;
constexpr int kCongress = 1;
constexpr int kRollCall = 3;
constexpr int kDate = 5;
constexpr int kAfterDescription = 60; // from the description's start
constexpr int kAfterYeas = 0;         // the following offsets count from the end of the description
constexpr int kAfterNays = 2;
constexpr int kAfterFlag = 4;
constexpr int kAfterUsed = 6;
constexpr qint16 kLastFlag = -1;

int dateBytes(const TaggedDate &date)
{
    return date.isDate() ? 10 : 4 + int(date.text.size());
}

// Bytes of the record that hold fields, for a date of `dateSize` bytes.
int usedBytes(int dateSize)
{
    return kDate + dateSize + kAfterDescription + kAfterUsed;
}

void checkFits(const BookmarkEntry &e)
{
    if (e.date.tag != TaggedDate::kDateTag && e.date.tag != TaggedDate::kTextTag)
        throw DataError(QStringLiteral("Roll call %1 of congress %2 has a date of unknown type %3")
                            .arg(e.rollCall)
                            .arg(e.congress)
                            .arg(e.date.tag));
    if (dateBytes(e.date) > BookmarkFile::kMaxDateBytes)
        throw DataError(QStringLiteral("The date \"%1\" of roll call %2 of congress %3 is too long for a bookmark")
                            .arg(e.date.text)
                            .arg(e.rollCall)
                            .arg(e.congress));
}

// Decodes the record at `at`; false when the data end before its fields do.
bool decode(const ByteReader &in, qint64 at, BookmarkEntry &e, bool &last)
{
    if (at + kDate + 4 > in.size())
        return false;
    e.isHouse = QChar::fromLatin1(char(in.u8(at + kChamber))).toLower() != QLatin1Char('s');
    e.congress = in.i16(at + kCongress);
    e.rollCall = in.i16(at + kRollCall);
    e.date = TaggedDate();
    e.date.tag = in.i16(at + kDate);
    int dateSize;
    if (e.date.tag == TaggedDate::kDateTag) {
        dateSize = 10;
        if (at + usedBytes(dateSize) > in.size())
            return false;
        e.date.serial = in.f64(at + kDate + 2);
    } else if (e.date.tag == TaggedDate::kTextTag) {
        const qint16 length = in.i16(at + kDate + 2);
        if (length < 0 || 4 + length > BookmarkFile::kMaxDateBytes)
            throw FileError(FileErrorNumber::NotBookmark, in.path(),
                            QStringLiteral("Bookmark at byte %1 has a text date of length %2").arg(at).arg(length));
        dateSize = 4 + length;
        if (at + usedBytes(dateSize) > in.size())
            return false;
        e.date.text = in.text(at + kDate + 4, length);
    } else {
        throw FileError(FileErrorNumber::NotBookmark, in.path(),
                        QStringLiteral("Bookmark at byte %1 has a date of unknown type %2").arg(at).arg(e.date.tag));
    }
    const qint64 description = at + kDate + dateSize;
    QString text = in.text(description, BookmarkFile::kDescriptionWidth);
    while (!text.isEmpty() && text.back() == QLatin1Char(' '))
        text.chop(1);
    e.description = text;
    const qint64 after = description + kAfterDescription;
    e.yeas = in.i16(after + kAfterYeas);
    e.nays = in.i16(after + kAfterNays);
    last = in.i16(after + kAfterFlag) == kLastFlag;
    return true;
}

// Puts the record of `e` at record number `number` into `content`: only its used bytes replace what
// is there, and the file grows (with zeros) when it is shorter.
void place(QByteArray &content, int number, const BookmarkEntry &e, bool last)
{
    const QByteArray record = BookmarkFile::EncodeRecord(e, last);
    const qint64 at = qint64(number - 1) * BookmarkFile::kRecordLength;
    if (content.size() < at + BookmarkFile::kRecordLength)
        content.append(QByteArray(at + BookmarkFile::kRecordLength - content.size(), '\0'));
    const int used = usedBytes(dateBytes(e.date));
    content.replace(at, used, record.left(used));
}

// Why `e` cannot be a roll call of the tree whose congress indexes are `house` and `senate`, or an
// empty text when it can.
QString outsideTree(const BookmarkEntry &e, const QList<CongressCounts> &house, const QList<CongressCounts> &senate)
{
    const QList<CongressCounts> &index = e.isHouse ? house : senate;
    const QString chamber = e.isHouse ? QStringLiteral("House") : QStringLiteral("Senate");
    if (e.congress < 1 || e.congress > index.size() || index.at(e.congress - 1).rollCallCount <= 0)
        return QStringLiteral("the data tree has no %1 congress %2").arg(chamber).arg(e.congress);
    const int count = index.at(e.congress - 1).rollCallCount;
    if (e.rollCall < 1 || e.rollCall > count)
        return QStringLiteral("%1 congress %2 has roll calls 1 to %3").arg(chamber).arg(e.congress).arg(count);
    if (e.yeas < 0 || e.nays < 0)
        return QStringLiteral("its tallies (%1 yeas, %2 nays) are negative").arg(e.yeas).arg(e.nays);
    return {};
}

// The congress index of one chamber, or none when the tree has no readable index: every entry of
// that chamber is then refused.
QList<CongressCounts> indexOrNone(const Session &session, bool isHouse)
{
    try {
        return ReadCongressIndex(CongressIndexFileName(session.dataRoot, isHouse), isHouse);
    } catch (const FileError &) {
        return {};
    }
}

struct ExistingList {
    int count = 0;          // records up to the flagged one (or to the end)
    qint64 flagOffset = -1; // where the flagged record keeps its flag
};

ExistingList scan(const QByteArray &content, const QString &path)
{
    const ByteReader in(content, path);
    ExistingList list;
    for (qint64 at = 0; at < content.size(); at += BookmarkFile::kRecordLength) {
        BookmarkEntry e;
        bool last = false;
        if (!decode(in, at, e, last))
            break;
        ++list.count;
        if (last) {
            list.flagOffset = at + kDate + dateBytes(e.date) + kAfterDescription + kAfterFlag;
            break;
        }
    }
    return list;
}
} // namespace

QByteArray BookmarkFile::EncodeRecord(const BookmarkEntry &e, bool last)
{
    checkFits(e);
    ByteWriter w(kRecordLength);
    w.setBytes(kChamber, e.isHouse ? "h" : "s");
    w.setI16(kCongress, e.congress);
    w.setI16(kRollCall, e.rollCall);
    w.setI16(kDate, e.date.tag);
    if (e.date.isDate()) {
        w.setF64(kDate + 2, e.date.serial);
    } else {
        w.setI16(kDate + 2, qint16(e.date.text.size()));
        w.setText(kDate + 4, e.date.text, int(e.date.text.size()));
    }
    const int description = kDate + dateBytes(e.date);
    w.setText(description, e.description, kDescriptionWidth);
    const int after = description + kAfterDescription;
    w.setI16(after + kAfterYeas, e.yeas);
    w.setI16(after + kAfterNays, e.nays);
    w.setI16(after + kAfterFlag, last ? kLastFlag : 0);
    return w.data();
}

QList<BookmarkEntry> BookmarkFile::Read(const QString &path, int maxEntries)
{
    return Parse(ReadWholeFile(path), path, maxEntries);
}

QList<BookmarkEntry> BookmarkFile::Parse(const QByteArray &content, const QString &path, int maxEntries)
{
    const ByteReader in(content, path);
    QList<BookmarkEntry> entries;
    for (qint64 at = 0; at < content.size(); at += kRecordLength) {
        if (maxEntries >= 0 && entries.size() >= maxEntries)
            break;
        BookmarkEntry e;
        bool last = false;
        if (!decode(in, at, e, last))
            break;
        entries.append(e);
        if (last)
            break;
    }
    return entries;
}

void BookmarkFile::Append(const QString &path, const QList<BookmarkEntry> &entries)
{
    if (entries.isEmpty())
        return;
    for (const BookmarkEntry &e : entries)
        checkFits(e);
    QByteArray content;
    if (QFileInfo::exists(path))
        content = ReadWholeFile(path);
    const ExistingList existing = scan(content, path);
    if (existing.flagOffset >= 0) {
        ByteWriter flag(2);
        flag.setI16(0, 0);
        content.replace(existing.flagOffset, 2, flag.data());
    }
    for (int p = 1; p <= entries.size(); ++p)
        place(content, existing.count + p, entries[p - 1], p == entries.size());
    WriteWholeFile(path, content);
}

void BookmarkFile::Rewrite(const QString &path, const QList<BookmarkEntry> &entries)
{
    for (const BookmarkEntry &e : entries)
        checkFits(e);
    QByteArray content;
    if (!entries.isEmpty() && QFileInfo::exists(path))
        content = ReadWholeFile(path);
    for (int p = 1; p <= entries.size(); ++p)
        place(content, p, entries[p - 1], p == entries.size());
    WriteWholeFile(path, content);
}

QString BookmarkListLine(const BookmarkEntry &entry)
{
    return (entry.isHouse ? QStringLiteral("H# ") : QStringLiteral("S# ")) + QString::number(entry.congress) +
           QStringLiteral(",\tRoll call ") + QString::number(entry.rollCall);
}

QList<BookmarkEntry> BookmarkEntriesFromQueue(const Session &session)
{
    QList<BookmarkEntry> entries;
    for (int p = 1; p <= session.queue.length(); ++p) {
        const int rowNumber = session.queue.at(p).row;
        if (rowNumber < 1 || rowNumber > session.MatchTable.matchCount())
            continue;
        const MatchRow &row = session.MatchTable.row(rowNumber);
        BookmarkEntry e;
        e.isHouse = session.isHouse;
        e.congress = row.congress;
        e.rollCall = qint16(session.queue.at(p).rollCall);
        e.date = row.date;
        e.description = row.description;
        e.yeas = row.yeas;
        e.nays = row.nays;
        entries.append(e);
    }
    return entries;
}

SearchOutcome LoadBookmarkFile(Session &session, const QString &path, const ProgressCallback &progress)
{
    const QList<BookmarkEntry> entries = BookmarkFile::Read(path);
    // A bookmark file may come from another tree or be damaged: refuse an entry the tree cannot show
    // before anything changes, rather than list a roll call no window can open.
    const QList<CongressCounts> house = indexOrNone(session, true);
    const QList<CongressCounts> senate = indexOrNone(session, false);
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const BookmarkEntry &e = entries.at(i);
        const QString why = outsideTree(e, house, senate);
        if (!why.isEmpty())
            throw DataError(QStringLiteral("%1: entry %2 (%3 congress %4, roll call %5) is not in this data tree: %6.")
                                .arg(path)
                                .arg(i + 1)
                                .arg(e.isHouse ? QStringLiteral("House") : QStringLiteral("Senate"))
                                .arg(e.congress)
                                .arg(e.rollCall)
                                .arg(why));
    }
    session.searchByIssue = session.searchByClausen = session.searchByPeltzman = false;
    session.searchByOther = true;
    MatchTable found;
    SearchOutcome outcome;
    for (const BookmarkEntry &e : entries) {
        MatchRow row;
        row.rollCall = e.rollCall;
        row.description = e.description;
        row.date = e.date;
        row.yeas = e.yeas;
        row.nays = e.nays;
        row.congress = e.congress;
        if (!found.append(row)) {
            outcome.truncated = true;
            outcome.message = TooManyRollCallsMessage();
            break;
        }
    }
    if (progress)
        progress(100, found.matchCount());
    outcome.matchCount = found.matchCount();
    if (outcome.matchCount > 0) {
        session.isHouse = entries.at(outcome.matchCount - 1).isHouse;
        session.MatchTable = std::move(found);
        session.queue.clear();
    }
    return outcome;
}

} // namespace rollscan
