#include "support/TreeBuilder.h"

#include "core/ideology/CrossTab.h"
#include "core/ideology/NumberFormat.h"

#include <QtTest>

using namespace rollscan;
using rollscan::test::TreeBuilder;

namespace {
LegislatorVoteEntry entry(int party, VoteClass c, bool written = true)
{
    LegislatorVoteEntry e;
    e.written = written;
    e.partyCode = qint16(party);
    e.voteClass = c;
    return e;
}
} // namespace

class TestCrossTab : public QObject {
    Q_OBJECT
private slots:
    // Yule's Q and chi-square of the four cells.
    void statistics()
    {
        const QList<std::tuple<CrossTabCounts, const char *, const char *>> cases = {
            {{10, 0, 0, 10}, "1.0", "20.0"},    {{0, 0, 3, 4}, "n/a", "0.0"}, // no yeas here: both products 0
            {{200, 0, 0, 200}, "1.0", "400.0"}, {{300, 250, 200, 180}, "0.0385", "0.3311"},
            {{2, 6, 6, 2}, "-0.8", "4.0"},      {{1, 2, 3, 100}, "0.8868", "7.4292"}};
        // Statistics show up to four decimals, at least one, and no negative zero.
        for (const auto &[value, shown] :
             {std::pair{12.0, "12.0"}, {0.99996, "1.0"}, {-0.00001, "0.0"}, {-0.125, "-0.125"}})
            QCOMPARE(FormatStatistic(value), QString::fromLatin1(shown));
        for (const auto &[c, q, chi] : cases) {
            QCOMPARE(YulesQText(c), QString::fromLatin1(q));
            QCOMPARE(FormatStatistic(double(ChiSquare(c))), QString::fromLatin1(chi));
            QCOMPARE(CrossTabStatsText(c), QStringLiteral("Yule's Q: %1  Chi-square: %2").arg(q, chi));
        }
    }
    void partyListInOrderOfFirstMember()
    {
        const QList<Legislator> legislators = {
            TreeBuilder::legislator("A", 13, 1, 29, 0.1f, 0.1f, 1),
            TreeBuilder::legislator("B", 13, 2, 100, 0.1f, 0.1f, 2),
            TreeBuilder::legislator("C", 13, 3, 29, 0.1f, 0.1f, 3),
            TreeBuilder::legislator("D", 13, 4, 777, 0.1f, 0.1f, 4),
            TreeBuilder::legislator("E", 13, 5, 200, 0.1f, 0.1f, 5),
            TreeBuilder::legislator("F", 13, 6, 100, 0.1f, 0.1f, 6),
        };
        // The party file lists 100 twice: the party still appears once.
        QList<PartyRecord> parties = TreeBuilder::standardParties();
        parties.append({100, QStringLiteral("Democrat (again)")});
        QStringList names;
        for (const PartyRecord &p : CrossTabParties(legislators, parties))
            names << QString::number(p.code) + QLatin1Char(' ') + p.name;
        QCOMPARE(names, (QStringList{"29 Whig", "100 Democrat", "200 Republican"}));
    }
    void countsByParty()
    {
        const QList<LegislatorVoteEntry> table = {
            entry(100, VoteClass::Yea),     entry(100, VoteClass::Yea),        entry(100, VoteClass::YeaNay),
            entry(100, VoteClass::NayYea),  entry(100, VoteClass::Nay),        entry(100, VoteClass::NotAvailable),
            entry(100, VoteClass::NoMatch), entry(100, VoteClass::Yea, false), entry(200, VoteClass::Yea),
            entry(200, VoteClass::Nay),
        };
        QCOMPARE(CountCrossTab(table, 100), (CrossTabCounts{2, 1, 1, 1}));
        QCOMPARE(CountCrossTab(table, 200), (CrossTabCounts{1, 0, 0, 1}));
        QCOMPARE(CountCrossTab(table, 29), (CrossTabCounts{}));
    }
    void panels()
    {
        const CrossTabPanels p = BuildCrossTabPanels(CrossTabCounts{10, 3, 4, 200});
        QCOMPARE((QStringList{p.pnlYea1, p.pnlYea2, p.pnlNay1, p.pnlNay2}),
                 (QStringList{"Yea-Yea: 10", "Yea-Nay: 3", "Nay-Yea: 4", "Nay-Nay: 200"}));
    }
};

QTEST_APPLESS_MAIN(TestCrossTab)
#include "tst_crosstab.moc"
