#include "support/TreeBuilder.h"

#include "core/data/DataTree.h"
#include "core/data/FileIO.h"
#include "core/data/VoteMatrix.h"

#include <QDir>
#include <stdexcept>

namespace rollscan::test {

TreeBuilder::TreeBuilder(QString root) : m_root(std::move(root))
{
    QDir dir(m_root);
    for (const QString &folder : {kHouseDir, kSenateDir, kMainDir, kMapsDir, kUserDir})
        dir.mkpath(folder);
}

QString TreeBuilder::path(const QString &relative) const
{
    return m_root + QLatin1Char('/') + relative;
}

void TreeBuilder::writeRaw(const QString &relative, const QByteArray &bytes) const
{
    WriteWholeFile(path(relative), bytes);
}

QByteArray TreeBuilder::readRaw(const QString &relative) const
{
    return ReadWholeFile(path(relative));
}

void TreeBuilder::writeStandardTables()
{
    StateTable states;
    states.records = standardStates();
    states.write(path(QStringLiteral("main/state.dat")));
    PartyTable parties;
    parties.records = standardParties();
    parties.write(path(QStringLiteral("main/party.dat")));
    TokenTable tokens;
    tokens.records = standardTokens();
    tokens.write(path(QStringLiteral("main/token.dat")));
    standardPreferences().write(path(kPreferencesFile));
}

void TreeBuilder::addCongress(bool isHouse, int congress, const CongressData &data, bool extended)
{
    const int legislators = int(data.legislators.size());
    const int rollCalls = int(data.rollCalls.size());
    if (data.voteRows.size() != legislators)
        throw std::invalid_argument("one vote row per legislator is needed");
    QByteArray votes;
    for (const QString &row : data.voteRows) {
        if (row.size() != rollCalls)
            throw std::invalid_argument("one vote per roll call is needed");
        votes.append(row.toLatin1());
    }
    QList<Legislator> numbered = data.legislators;
    for (int i = 0; i < numbered.size(); ++i)
        numbered[i].recordNumber = i + 1;

    auto file = [&](const QString &ext) { return CongressFileName(m_root, isHouse, congress, ext); };
    WriteLegislators(file(QStringLiteral(".lcr")), numbered, extended);
    WriteVoteMatrix(file(QStringLiteral(".vot")), votes);
    WriteRollCalls(file(QStringLiteral(".rif")), data.rollCalls, extended);
    QList<Description> descriptions = data.descriptions;
    if (descriptions.isEmpty()) {
        for (const RollCall &rc : data.rollCalls) {
            Description d;
            d.text = rc.trimmedDescription();
            descriptions.append(d);
        }
    }
    WriteDescriptions(file(QStringLiteral(".din")), file(QStringLiteral(".dbn")), descriptions);

    CongressCounts counts;
    counts.legislatorCount = qint16(legislators);
    counts.rollCallCount = qint16(rollCalls);
    (isHouse ? m_house : m_senate)[congress] = counts;
}

void TreeBuilder::setCounts(bool isHouse, int congress, const CongressCounts &counts)
{
    (isHouse ? m_house : m_senate)[congress] = counts;
}

void TreeBuilder::writeIndexes(int lastCongress)
{
    for (bool isHouse : {true, false}) {
        const QMap<int, CongressCounts> &known = isHouse ? m_house : m_senate;
        int last = lastCongress;
        if (!known.isEmpty())
            last = std::max(last, known.lastKey());
        QList<CongressCounts> records(last);
        for (auto it = known.begin(); it != known.end(); ++it)
            records[it.key() - 1] = it.value();
        WriteCongressIndex(CongressIndexFileName(m_root, isHouse), isHouse, records);
    }
}

Legislator TreeBuilder::legislator(const QString &name, int stateCode, int district, int party, float x, float y,
                                   int id1, int id2)
{
    Legislator l;
    l.name = name.leftJustified(12, QLatin1Char(' '), true);
    l.stateCode = qint16(stateCode);
    l.district = qint16(district);
    l.partyCode = qint16(party);
    l.coord1 = x;
    l.coord2 = y;
    l.id1 = id1;
    l.id2 = qint16(id2);
    return l;
}

RollCall TreeBuilder::rollCall(const QString &description, const QDate &date, int yeas, int nays, float spread1,
                               float mid1, float spread2, float mid2)
{
    RollCall rc;
    rc.description = description.leftJustified(60, QLatin1Char(' '), true);
    rc.date = date.isValid() ? TaggedDate::FromDate(date) : TaggedDate::FromText(QString());
    rc.yeas = qint16(yeas);
    rc.nays = qint16(nays);
    rc.infoYea = qint16(yeas);
    rc.infoNay = qint16(nays);
    rc.Spread1 = spread1;
    rc.Midpoint1 = mid1;
    rc.Spread2 = spread2;
    rc.Midpoint2 = mid2;
    return rc;
}

QList<StateRecord> TreeBuilder::standardStates()
{
    // The numbering of the roll-call data sets; codes without a state here get a placeholder.
    const QMap<int, QPair<const char *, const char *>> known = {
        {1, {"CONNECTICUT", "CT"}},   {2, {"MAINE", "ME"}},        {3, {"MASSACHUSETTS", "MA"}},
        {4, {"NEW HAMPSHIRE", "NH"}}, {5, {"RHODE ISLAND", "RI"}}, {6, {"VERMONT", "VT"}},
        {11, {"DELAWARE", "DE"}},     {12, {"NEW JERSEY", "NJ"}},  {13, {"NEW YORK", "NY"}},
        {14, {"PENNSYLVANIA", "PA"}}, {21, {"ILLINOIS", "IL"}},    {22, {"INDIANA", "IN"}},
        {24, {"OHIO", "OH"}},         {41, {"ALABAMA", "AL"}},     {44, {"GEORGIA", "GA"}},
        {49, {"TEXAS", "TX"}},        {50, {"KENTUCKY", "KY"}},    {51, {"KENTUCKY", "KY"}},
        {52, {"MARYLAND", "MD"}},     {54, {"TENNESSEE", "TN"}},   {71, {"CALIFORNIA", "CA"}},
        {82, {"HAWAII", "HI"}}};
    QList<StateRecord> out;
    for (int code = 1; code <= 82; ++code) {
        StateRecord r;
        if (known.contains(code)) {
            r.name = QString::fromLatin1(known[code].first);
            r.postal = QString::fromLatin1(known[code].second);
        } else {
            r.name = QStringLiteral("STATE %1").arg(code);
            r.postal = QStringLiteral("S%1").arg(code % 10);
        }
        out.append(r);
    }
    return out;
}

QList<PartyRecord> TreeBuilder::standardParties()
{
    return {{100, QStringLiteral("Democrat")},
            {200, QStringLiteral("Republican")},
            {29, QStringLiteral("Whig")},
            {328, QStringLiteral("Independent")},
            {1, QStringLiteral("Federalist")}};
}

QList<TokenRecord> TreeBuilder::standardTokens()
{
    QList<TokenRecord> out;
    const QString symbols = QStringLiteral("FRSIDWJAMCOPLBGHKNQTUVXYZ1234567890abc");
    for (int i = 0; i < 38; ++i)
        out.append({symbols[i], qint16(i + 1), QStringLiteral("Token %1").arg(i + 1)});
    return out;
}

Preferences TreeBuilder::standardPreferences()
{
    Preferences p;
    p.setDisplayKind(QLatin1Char('i'));
    p.setTokenCase(QLatin1Char('u'));
    p.setYeaColour(9);
    p.setNayColour(12);
    p.setNotVotingColour(8);
    p.setBackgroundColour(15);
    p.setYeaNayColour(2);
    p.setNayYeaColour(5);
    p.setStartWithHouse(true);
    p.setGradientStartColour(14);
    p.setGradientEndColour(4);
    p.setNoMatchColour(0);
    p.setSplitColour(6);
    return p;
}

} // namespace rollscan::test
