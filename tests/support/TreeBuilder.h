#pragma once

#include "core/data/CongressIndex.h"
#include "core/data/Description.h"
#include "core/data/Legislator.h"
#include "core/data/PartyTable.h"
#include "core/data/Preferences.h"
#include "core/data/RollCall.h"
#include "core/data/StateTable.h"
#include "core/data/TokenTable.h"
#include "core/search/MatchTable.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <array>

namespace rollscan::test {

// The files of one congress of one chamber.
struct CongressData {
    QList<Legislator> legislators;
    QList<RollCall> rollCalls;
    // One string of vote digits per legislator, one character per roll call.
    QStringList voteRows;
    // One entry per roll call; when empty, plain entries are made from the roll calls.
    QList<Description> descriptions;
};

// Writes small but complete data trees through the core writers, for tests that need real files.
//   TreeBuilder tree(tempDir.path());
//   tree.writeStandardTables();
//   tree.addCongress(true, 97, data);
//   tree.writeIndexes();
class TreeBuilder {
public:
    explicit TreeBuilder(QString root); // creates house/, senate/, main/, maps/, user/

    const QString &root() const { return m_root; }

    // state.dat, party.dat, token.dat and rollscan.prf with the values of the helpers below.
    void writeStandardTables();

    // Writes the five files of a congress and remembers its counts for writeIndexes().
    void addCongress(bool isHouse, int congress, const CongressData &data, bool extended = false);
    // Writes houses.dat and senates.dat covering every congress added (zeros for the others),
    // or with `lastCongress` records when larger.
    void writeIndexes(int lastCongress = 0);
    // Overrides the counts written for one congress (for inconsistent-index tests).
    void setCounts(bool isHouse, int congress, const CongressCounts &counts);

    // Full path of a file below the root ("house/97.lcr").
    QString path(const QString &relative) const;
    // Overwrites a file with raw bytes (for planting faults).
    void writeRaw(const QString &relative, const QByteArray &bytes) const;
    QByteArray readRaw(const QString &relative) const;

    // Record builders with sensible defaults.
    static Legislator legislator(const QString &name, int stateCode, int district, int party, float x, float y, int id1,
                                 int id2 = 0);
    // A match-table row as a search would have found it.
    static MatchRow matchRow(int rollCall, const char *description, const QDate &date, int congress, int yeas = 0,
                             int nays = 0)
    {
        MatchRow r;
        r.rollCall = qint16(rollCall);
        r.description = QString::fromLatin1(description);
        r.date = TaggedDate::FromDate(date);
        r.yeas = qint16(yeas);
        r.nays = qint16(nays);
        r.congress = qint16(congress);
        return r;
    }
    static RollCall rollCall(const QString &description, const QDate &date, int yeas, int nays, float spread1 = 0,
                             float mid1 = 0, float spread2 = 0, float mid2 = 0);
    static QList<StateRecord> standardStates();  // codes 1..82 with names for the common ones
    static QList<PartyRecord> standardParties(); // 100 Democrat, 200 Republican, 29 Whig, 328 Independent...
    static QList<TokenRecord> standardTokens();  // 38 records, symbols D R W I ...
    static Preferences standardPreferences();    // yea blue, nay red, not voting gray, start with House

private:
    QString m_root;
    QMap<int, CongressCounts> m_house;
    QMap<int, CongressCounts> m_senate;
};

// A roll call with its codes: issue, second issue, Clausen, Peltzman and second Peltzman.
inline RollCall CodedRollCall(const QString &description, const QDate &date, int yeas, int nays,
                              const std::array<int, 5> &codes)
{
    RollCall rc = TreeBuilder::rollCall(description, date, yeas, nays);
    rc.issueCode = qint16(codes[0]);
    rc.issueCode2 = qint16(codes[1]);
    rc.clausenCode = qint16(codes[2]);
    rc.peltzmanCode1 = qint16(codes[3]);
    rc.peltzmanCode2 = qint16(codes[4]);
    return rc;
}

// A description entry: its text and its five heading fields, padded to their widths.
inline Description Entry(const QString &text, const std::array<QString, 5> &header = {})
{
    Description d;
    for (std::size_t i = 0; i < header.size(); ++i)
        d.header[i] = header[i].leftJustified(Description::kHeaderWidths[i], QLatin1Char(' '));
    d.text = text;
    return d;
}

} // namespace rollscan::test
