#include "convert/CongressConverter.h"

#include "convert/CsvReader.h"
#include "core/data/FileError.h"

#include <QDate>
#include <QHash>
#include <algorithm>
#include <limits>
#include <vector>

namespace rollscan {

namespace {
constexpr int kMaxInt16 = std::numeric_limits<qint16>::max();
constexpr int kMinInt16 = std::numeric_limits<qint16>::min();
constexpr int kNameWidth = 12;
constexpr int kShortDescriptionWidth = 60;
constexpr int kLongestText = kMaxInt16; // the free text's length is an int16

const QByteArray kPresident = QByteArrayLiteral("President");

// Compares without building a string: this runs once for every row of the vote tables.
bool sameWord(QByteArrayView field, const QByteArray &word)
{
    while (!field.isEmpty() && field.front() == ' ')
        field = field.sliced(1);
    while (!field.isEmpty() && field.back() == ' ')
        field.chop(1);
    return qstrnicmp(field.data(), field.size(), word.constData(), word.size()) == 0;
}

// Texts of the data files are one line each and upper case, as the keyword search expects.
QString upperLine(const QString &s)
{
    QString out = s;
    for (QChar &c : out) {
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QLatin1Char('\t'))
            c = QLatin1Char(' ');
    }
    return out.trimmed().toUpper();
}

QString joinNonEmpty(const QStringList &parts, const QString &separator)
{
    QStringList kept;
    for (const QString &p : parts) {
        if (!p.isEmpty() && !kept.contains(p))
            kept.append(p);
    }
    return kept.join(separator);
}

// Checks the congress and chamber columns of the current row against what the file name says.
class RowOrigin {
public:
    RowOrigin(const CsvReader &t, int congress, bool isHouse)
        : m_congressColumn(t.requireColumn(QStringLiteral("congress"))),
          m_chamberColumn(t.requireColumn(QStringLiteral("chamber"))), m_congress(congress),
          m_chamber(isHouse ? QByteArrayLiteral("House") : QByteArrayLiteral("Senate"))
    {
    }

    // True for a row of the President; fails for another congress or chamber.
    bool check(const CsvReader &t, bool presidentAllowed) const
    {
        const qint64 congress = t.integer(m_congressColumn, QStringLiteral("congress"));
        if (congress != m_congress)
            t.fail(QStringLiteral("the row belongs to congress %1, but the file name says congress %2")
                       .arg(congress)
                       .arg(m_congress));
        const QByteArrayView chamber = t.field(m_chamberColumn);
        if (sameWord(chamber, m_chamber))
            return false;
        if (presidentAllowed && sameWord(chamber, kPresident))
            return true;
        t.fail(QStringLiteral("the row belongs to the chamber \"%1\", but the file name says the %2")
                   .arg(CsvReader::Quoted(t.text(m_chamberColumn)), QString::fromLatin1(m_chamber)));
    }

private:
    int m_congressColumn;
    int m_chamberColumn;
    int m_congress;
    QByteArray m_chamber;
};

qint64 bounded(const CsvReader &t, int column, const QString &name, qint64 low, qint64 high)
{
    const qint64 v = t.integer(column, name);
    if (v < low || v > high)
        t.fail(QStringLiteral("the %1 %2 is outside %3 to %4").arg(name).arg(v).arg(low).arg(high));
    return v;
}

struct MemberRow {
    Legislator legislator;
    QString postal;
    bool president = false;
};

struct RollCallRow {
    int line = 0;
    RollCall record;
    CongressConverter::RollCallTexts texts;
};

// The members table as read: the members kept, and the first line of every member id in it, the
// President's included.
struct MemberTable {
    std::vector<MemberRow> rows;
    QHash<qint32, int> lineOfMember;
};

// The cross-congress lookups find a member by binary search on ID1, so the records go out in
// ascending member id whatever the order of the table.
MemberTable readMembers(const QString &path, int congress, bool isHouse, const ConvertOptions &options)
{
    MemberTable members;
    CsvReader t = CsvReader::Open(path);
    const RowOrigin origin(t, congress, isHouse);
    const int cId = t.requireColumn(QStringLiteral("icpsr"));
    const int cState = t.requireColumn(QStringLiteral("state_icpsr"));
    const int cDistrict = t.requireColumn(QStringLiteral("district_code"));
    const int cPostal = t.requireColumn(QStringLiteral("state_abbrev"));
    const int cParty = t.requireColumn(QStringLiteral("party_code"));
    const int cName = t.requireColumn(QStringLiteral("bioname"));
    const int cX = t.requireColumn(options.coordColumn1);
    const int cY = t.requireColumn(options.coordColumn2);
    while (t.next()) {
        MemberRow row;
        row.president = origin.check(t, true);
        Legislator &l = row.legislator;
        l.id1 = qint32(bounded(t, cId, QStringLiteral("member id (icpsr)"), 0, std::numeric_limits<qint32>::max()));
        const int first = members.lineOfMember.value(l.id1, 0);
        if (first)
            t.fail(QStringLiteral("member %1 appears twice in the members table (first on line %2)")
                       .arg(l.id1)
                       .arg(first));
        members.lineOfMember.insert(l.id1, t.line());
        // State codes number the records of "state.dat", so they start at 1.
        l.stateCode = qint16(bounded(t, cState, QStringLiteral("state code (state_icpsr)"), 1, kMaxInt16));
        l.district = qint16(bounded(t, cDistrict, QStringLiteral("district (district_code)"), kMinInt16, kMaxInt16));
        l.partyCode = qint16(bounded(t, cParty, QStringLiteral("party code (party_code)"), kMinInt16, kMaxInt16));
        l.coord1 = float(t.real(cX, options.coordColumn1, 0.0));
        l.coord2 = float(t.real(cY, options.coordColumn2, 0.0));
        const QString bioname = t.text(cName);
        l.name = upperLine(bioname.section(QLatin1Char(','), 0, 0)).left(kNameWidth);
        row.postal = t.text(cPostal);
        if (!row.president || options.includePresident)
            members.rows.push_back(std::move(row));
    }
    if (members.rows.size() > size_t(kMaxInt16))
        throw DataError(QStringLiteral("%1: %2 members do not fit the 16-bit legislator count (at most %3)")
                            .arg(path)
                            .arg(members.rows.size())
                            .arg(kMaxInt16));
    std::sort(members.rows.begin(), members.rows.end(),
              [](const MemberRow &a, const MemberRow &b) { return a.legislator.id1 < b.legislator.id1; });
    return members;
}

// Numbers the members in order into `out`; returns the 0-based row of each member id in the vote
// matrix.
QHash<qint32, int> placeMembers(const std::vector<MemberRow> &members, ConvertedCongress &out)
{
    QHash<qint32, int> rowOfMember;
    for (int i = 0; i < int(members.size()); ++i) {
        Legislator l = members[size_t(i)].legislator;
        l.recordNumber = i + 1;
        rowOfMember.insert(l.id1, i);
        out.statePostal.insert(l.stateCode, members[size_t(i)].postal);
        out.legislators.append(l);
    }
    return rowOfMember;
}

TaggedDate rollCallDate(const CsvReader &t, int column)
{
    const QString date = t.text(column);
    if (date.isEmpty())
        return TaggedDate::FromText(QString());
    const QDate d = QDate::fromString(date, Qt::ISODate);
    if (!d.isValid())
        t.fail(QStringLiteral("the date \"%1\" is not a date written YYYY-MM-DD").arg(CsvReader::Quoted(date)));
    return TaggedDate::FromDate(d);
}

// The roll calls by roll number: record r of the tree is roll number r.
QList<RollCallRow> readRollCalls(const QString &path, int congress, bool isHouse)
{
    QList<RollCallRow> rollCalls;
    CsvReader t = CsvReader::Open(path);
    const RowOrigin origin(t, congress, isHouse);
    const int cNumber = t.requireColumn(QStringLiteral("rollnumber"));
    const int cDate = t.requireColumn(QStringLiteral("date"));
    const int cYea = t.requireColumn(QStringLiteral("yea_count"));
    const int cNay = t.requireColumn(QStringLiteral("nay_count"));
    const int cMid1 = t.requireColumn(QStringLiteral("mid_1"));
    const int cMid2 = t.requireColumn(QStringLiteral("mid_2"));
    const int cSpread1 = t.requireColumn(QStringLiteral("spread_1"));
    const int cSpread2 = t.requireColumn(QStringLiteral("spread_2"));
    const int cSession = t.requireColumn(QStringLiteral("session"));
    const int cClerk = t.requireColumn(QStringLiteral("clerk_rollnumber"));
    const int cBill = t.requireColumn(QStringLiteral("bill_number"));
    const int cResult = t.requireColumn(QStringLiteral("vote_result"));
    const int cDesc = t.requireColumn(QStringLiteral("vote_desc"));
    const int cQuestion = t.requireColumn(QStringLiteral("vote_question"));
    const int cDetail = t.requireColumn(QStringLiteral("dtl_desc"));
    QHash<int, int> byNumber; // roll number -> index in rollCalls
    while (t.next()) {
        origin.check(t, false);
        const int number = int(bounded(t, cNumber, QStringLiteral("roll number (rollnumber)"), 1, kMaxInt16));
        if (byNumber.contains(number))
            t.fail(QStringLiteral("roll call %1 appears twice in the roll-call table (first on line %2)")
                       .arg(number)
                       .arg(rollCalls[byNumber.value(number)].line));
        RollCallRow row;
        row.line = t.line();
        RollCall &rc = row.record;
        rc.yeas = qint16(bounded(t, cYea, QStringLiteral("yea count (yea_count)"), 0, kMaxInt16));
        rc.nays = qint16(bounded(t, cNay, QStringLiteral("nay count (nay_count)"), 0, kMaxInt16));
        rc.Spread1 = float(t.real(cSpread1, QStringLiteral("spread_1"), 0.0));
        rc.Midpoint1 = float(t.real(cMid1, QStringLiteral("mid_1"), 0.0));
        rc.Spread2 = float(t.real(cSpread2, QStringLiteral("spread_2"), 0.0));
        rc.Midpoint2 = float(t.real(cMid2, QStringLiteral("mid_2"), 0.0));
        rc.date = rollCallDate(t, cDate);
        CongressConverter::RollCallTexts &x = row.texts;
        x.bill = upperLine(t.text(cBill));
        x.result = upperLine(t.text(cResult));
        x.description = upperLine(t.text(cDesc));
        x.question = upperLine(t.text(cQuestion));
        x.detail = upperLine(t.text(cDetail));
        x.session = upperLine(t.text(cSession));
        x.clerkNumber = upperLine(t.text(cClerk));
        rc.description = CongressConverter::ShortDescription(x);
        byNumber.insert(number, int(rollCalls.size()));
        rollCalls.append(std::move(row));
    }
    // No duplicates and none below 1, so the numbers run 1..R exactly when the largest is R.
    for (int r = 1; r <= int(rollCalls.size()); ++r) {
        if (!byNumber.contains(r))
            throw DataError(QStringLiteral("%1: roll call %2 is missing; roll numbers must run from 1 to the "
                                           "number of roll calls without gaps")
                                .arg(path)
                                .arg(r));
    }
    QList<RollCallRow> ordered(rollCalls.size());
    for (auto it = byNumber.cbegin(); it != byNumber.cend(); ++it)
        ordered[it.key() - 1] = std::move(rollCalls[it.value()]);
    return ordered;
}

// One digit per member and roll call, legislator-major; a member with no row was not a member then,
// and the President's positions are left out with his row.
QByteArray readVotes(const QString &path, int congress, bool isHouse, const MemberTable &members,
                     const QHash<qint32, int> &rowOfMember, int rollCallCount)
{
    const int legislatorCount = int(rowOfMember.size());
    QByteArray votes(qsizetype(legislatorCount) * rollCallCount, '0');
    std::vector<int> voteLine(size_t(legislatorCount) * size_t(rollCallCount), 0);
    CsvReader t = CsvReader::Open(path);
    const RowOrigin origin(t, congress, isHouse);
    const int cNumber = t.requireColumn(QStringLiteral("rollnumber"));
    const int cId = t.requireColumn(QStringLiteral("icpsr"));
    const int cCast = t.requireColumn(QStringLiteral("cast_code"));
    const QString castName = QStringLiteral("cast code (cast_code)");
    while (t.next()) {
        origin.check(t, true);
        const qint64 number = t.integer(cNumber, QStringLiteral("roll number (rollnumber)"));
        if (number < 1 || number > rollCallCount)
            t.fail(QStringLiteral("roll call %1 is not in the roll-call table").arg(number));
        const qint64 id = t.integer(cId, QStringLiteral("member id (icpsr)"));
        const qint64 cast = bounded(t, cCast, castName, 0, 9);
        const auto row = rowOfMember.constFind(qint32(id));
        if (id < 0 || id > std::numeric_limits<qint32>::max() || row == rowOfMember.cend()) {
            if (members.lineOfMember.contains(qint32(id)) && id >= 0 && id <= std::numeric_limits<qint32>::max())
                continue; // the President's position, left out with his row
            t.fail(QStringLiteral("member %1 is not in the members table").arg(id));
        }
        const size_t cell = size_t(row.value()) * size_t(rollCallCount) + size_t(number - 1);
        if (voteLine[cell])
            t.fail(QStringLiteral("member %1 votes twice on roll call %2 (first on line %3)")
                       .arg(id)
                       .arg(number)
                       .arg(voteLine[cell]));
        voteLine[cell] = t.line();
        votes[qsizetype(cell)] = char('0' + cast);
    }
    return votes;
}

// The counts of the information window come from the votes: yea kinds, nay kinds, everything else.
// Each roll call then goes out with its counts and its description entry.
void tallyRollCalls(QList<RollCallRow> &rollCalls, const QString &rollCallsPath, ConvertedCongress &out)
{
    const int legislatorCount = int(out.legislators.size());
    const int rollCallCount = int(rollCalls.size());
    std::vector<int> yea(size_t(rollCallCount), 0), nay(size_t(rollCallCount), 0);
    const char *v = out.votes.constData();
    for (int m = 0; m < legislatorCount; ++m) {
        const char *row = v + qsizetype(m) * rollCallCount;
        for (int r = 0; r < rollCallCount; ++r) {
            const int code = row[r] - '0';
            if (code >= 1 && code <= 3)
                ++yea[size_t(r)];
            else if (code >= 4 && code <= 6)
                ++nay[size_t(r)];
        }
    }
    for (int r = 0; r < rollCallCount; ++r) {
        RollCallRow &row = rollCalls[r];
        RollCall &rc = row.record;
        rc.infoYea = qint16(yea[size_t(r)]);
        rc.infoNay = qint16(nay[size_t(r)]);
        rc.infoNotVoting = qint16(legislatorCount - yea[size_t(r)] - nay[size_t(r)]);
        Description d = CongressConverter::DescriptionEntry(row.texts, rc.yeas, rc.nays);
        if (d.text.size() > kLongestText)
            throw DataError(QStringLiteral("%1:%2: the texts of roll call %3 are longer than %4 characters")
                                .arg(rollCallsPath)
                                .arg(row.line)
                                .arg(r + 1)
                                .arg(kLongestText));
        out.rollCalls.append(rc);
        out.descriptions.append(std::move(d));
    }
}
} // namespace

CongressConverter::CongressConverter(ConvertOptions options) : m_options(std::move(options)) {}

QString CongressConverter::ShortDescription(const RollCallTexts &t)
{
    // The bill and the question tell apart the many roll calls on one bill in the result list; the
    // description, or the detailed text when there is none, says what it was about.
    const QString what = t.description.isEmpty() ? t.detail : t.description;
    const QString head = joinNonEmpty({t.bill, t.question}, QStringLiteral(" "));
    return joinNonEmpty({head, what}, QStringLiteral(": ")).left(kShortDescriptionWidth);
}

Description CongressConverter::DescriptionEntry(const RollCallTexts &t, int yeas, int nays)
{
    Description d;
    d.header[0] = t.bill;
    d.header[1] = t.session.isEmpty() ? QString() : QStringLiteral("SESSION ") + t.session;
    d.header[2] = t.clerkNumber.isEmpty() ? QString() : QStringLiteral("#") + t.clerkNumber;
    d.header[3] = QStringLiteral("%1-%2").arg(yeas).arg(nays);
    d.header[4] = t.result;
    for (int i = 0; i < 5; ++i)
        d.header[i] = d.header[i].left(Description::kHeaderWidths[i]);
    d.text = joinNonEmpty({t.question, t.description, t.result, t.detail}, QStringLiteral(" - "));
    return d;
}

ConvertedCongress CongressConverter::convert(bool isHouse, int congress, const QString &membersPath,
                                             const QString &rollCallsPath, const QString &votesPath) const
{
    ConvertedCongress out;
    out.isHouse = isHouse;
    out.congress = congress;
    const MemberTable members = readMembers(membersPath, congress, isHouse, m_options);
    const QHash<qint32, int> rowOfMember = placeMembers(members.rows, out);
    QList<RollCallRow> rollCalls = readRollCalls(rollCallsPath, congress, isHouse);
    out.votes = readVotes(votesPath, congress, isHouse, members, rowOfMember, int(rollCalls.size()));
    tallyRollCalls(rollCalls, rollCallsPath, out);
    return out;
}

} // namespace rollscan
