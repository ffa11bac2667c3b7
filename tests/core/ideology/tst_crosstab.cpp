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
    void statistics_data();
    void statistics();
    void format_data();
    void format();
    void partyListInOrderOfFirstMember();
    void countsByParty();
    void panels();
};

void TestCrossTab::statistics_data()
{
    QTest::addColumn<int>("YY");
    QTest::addColumn<int>("YN");
    QTest::addColumn<int>("NY");
    QTest::addColumn<int>("NN");
    QTest::addColumn<QString>("q");
    QTest::addColumn<QString>("chi");
    QTest::newRow("perfect agreement") << 10 << 0 << 0 << 10 << "1.0"
                                       << "20.0";
    QTest::newRow("independent") << 5 << 5 << 5 << 5 << "0.0"
                                 << "0.0";
    QTest::newRow("no yeas here: both products 0") << 0 << 0 << 3 << 4 << "n/a"
                                                   << "0.0";
    QTest::newRow("nobody in any cell") << 0 << 0 << 0 << 0 << "n/a"
                                        << "0.0";
    QTest::newRow("200 x 200 does not overflow") << 200 << 0 << 0 << 200 << "1.0"
                                                 << "400.0";
    QTest::newRow("large disagreement") << 300 << 250 << 200 << 180 << "0.0385"
                                        << "0.3311";
    QTest::newRow("negative association") << 2 << 6 << 6 << 2 << "-0.8"
                                          << "4.0";
    QTest::newRow("four decimals") << 3 << 1 << 2 << 5 << "0.7647"
                                   << "2.2131";
    QTest::newRow("small expected cell") << 1 << 2 << 3 << 100 << "0.8868"
                                         << "7.4292";
}

void TestCrossTab::statistics()
{
    QFETCH(int, YY);
    QFETCH(int, YN);
    QFETCH(int, NY);
    QFETCH(int, NN);
    QFETCH(QString, q);
    QFETCH(QString, chi);
    const CrossTabCounts c{YY, YN, NY, NN};
    QCOMPARE(YulesQText(c), q);
    QCOMPARE(FormatStatistic(double(ChiSquare(c))), chi);
    QCOMPARE(CrossTabStatsText(c), QStringLiteral("Yule's Q: ") + q + QStringLiteral("  Chi-square: ") + chi);
}

void TestCrossTab::format_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("shown");
    QTest::newRow("0.5") << 0.5 << "0.5";
    QTest::newRow("2.25") << 2.25 << "2.25";
    QTest::newRow("12") << 12.0 << "12.0";
    QTest::newRow("rounded up") << 0.99996 << "1.0";
    QTest::newRow("tiny negative") << -0.00001 << "0.0";
    QTest::newRow("negative") << -0.125 << "-0.125";
}

void TestCrossTab::format()
{
    QFETCH(double, value);
    QFETCH(QString, shown);
    QCOMPARE(FormatStatistic(value), shown);
}

void TestCrossTab::partyListInOrderOfFirstMember()
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
    QList<int> codes;
    for (const PartyRecord &p : CrossTabParties(legislators, parties)) {
        names << p.name;
        codes << p.code;
    }
    QCOMPARE(names, (QStringList{"Whig", "Democrat", "Republican"}));
    QCOMPARE(codes, (QList<int>{29, 100, 200}));
}

void TestCrossTab::countsByParty()
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
    QCOMPARE(CountCrossTab({}, 100), (CrossTabCounts{}));
}

void TestCrossTab::panels()
{
    const CrossTabPanels p = BuildCrossTabPanels(CrossTabCounts{10, 3, 4, 200});
    QCOMPARE(p.pnlYea1, QStringLiteral("Yea-Yea: 10"));
    QCOMPARE(p.pnlYea2, QStringLiteral("Yea-Nay: 3"));
    QCOMPARE(p.pnlNay1, QStringLiteral("Nay-Yea: 4"));
    QCOMPARE(p.pnlNay2, QStringLiteral("Nay-Nay: 200"));
}

QTEST_APPLESS_MAIN(TestCrossTab)
#include "tst_crosstab.moc"
