// What the displays say about a roll call's fit: "n/a" without a line, the no-line sentence, the tally,
// and the party legend of the map.
#include "core/data/PartyTable.h"
#include "core/data/TokenTable.h"
#include "core/ideology/DisplayFilter.h"
#include "core/ideology/DrawingPass.h"
#include "core/ideology/FitText.h"
#include "core/ideology/PartyLegend.h"
#include "core/search/ListColumns.h"

#include <QtTest>

using namespace rollscan;

namespace {
DrawingPass passWith(bool noLine, bool crossTab, int minority, int errors)
{
    DrawingPass pass;
    pass.line.noLine = noLine;
    pass.crossTab = crossTab;
    pass.MinorityCount = minority;
    pass.ErrorCount = errors;
    return pass;
}

PlottedEntry plotted(const QString &token, int party, int legislator)
{
    PlottedEntry e;
    e.token = token;
    e.partyCode = qint16(party);
    e.legislatorIndex = legislator;
    return e;
}
} // namespace

class TestFitText : public QObject {
    Q_OBJECT
private slots:
    void errorsAndPre_data();
    void errorsAndPre();
    void noLineSentence_data();
    void noLineSentence();
    void tally();
    void crossTabKeyNotes();
    void legend();
    void listColumns_data();
    void listColumns();
};

void TestFitText::errorsAndPre_data()
{
    QTest::addColumn<bool>("noLine");
    QTest::addColumn<bool>("crossTab");
    QTest::addColumn<QString>("errors");
    QTest::addColumn<QString>("pre");
    QTest::newRow("line") << false << false << "10"
                          << ".75";
    QTest::newRow("no line") << true << false << "n/a"
                             << "n/a";
    QTest::newRow("cross tab") << false << true << "10"
                               << "n/a";
}

void TestFitText::errorsAndPre()
{
    QFETCH(bool, noLine);
    QFETCH(bool, crossTab);
    const DrawingPass pass = passWith(noLine, crossTab, 40, 10);
    QTEST(ErrorsText(pass), "errors");
    QTEST(PreText(pass), "pre");
}

void TestFitText::noLineSentence_data()
{
    QTest::addColumn<int>("yea");
    QTest::addColumn<int>("nay");
    QTest::addColumn<bool>("contested");
    QTest::newRow("unanimous") << 95 << 0 << false;
    QTest::newRow("just under 2.5 %") << 1 << 40 << false; // 1 of 41
    QTest::newRow("exactly 2.5 %") << 39 << 1 << true;     // 1 of 40
    QTest::newRow("close vote") << 50 << 50 << true;
    QTest::newRow("nobody voting") << 0 << 0 << false;
}

void TestFitText::noLineSentence()
{
    QFETCH(int, yea);
    QFETCH(int, nay);
    QFETCH(bool, contested);
    QCOMPARE(IsContested(yea, nay), contested);
    QCOMPARE(NoLineText(yea, nay),
             contested ? QStringLiteral("No cutting line in the data for this roll call")
                       : QStringLiteral("Unanimous or near-unanimous roll call: no cutting line calculated"));
}

void TestFitText::tally()
{
    QCOMPARE(TallyText(171, 255, 27), QStringLiteral("Yea 171 \u00b7 Nay 255 \u00b7 Not voting 27"));
}

void TestFitText::crossTabKeyNotes()
{
    QCOMPARE(CrossTabKeyNotes(329, 618), (QStringList{QStringLiteral("Y-N: Yea on #329, Nay on #618"),
                                                      QStringLiteral("N-Y: Nay on #329, Yea on #618")}));
}

void TestFitText::legend()
{
    TokenTable tokens;
    for (int i = 1; i <= 38; ++i)
        tokens.records.append({QLatin1Char('O'), 0, QStringLiteral("Other")});
    tokens.records[1] = {QLatin1Char('R'), 0, QStringLiteral("Republican")};
    tokens.records[2] = {QLatin1Char('S'), 0, QStringLiteral("Southern Democrat")};
    tokens.records[4] = {QLatin1Char('D'), 0, QStringLiteral("Democrat")};
    PartyTable parties;
    parties.records = {{100, QStringLiteral("Democrat")},
                       {200, QStringLiteral("Republican")},
                       {310, QStringLiteral("American")},
                       {403, QStringLiteral("Law and Order")}};
    DrawingPass pass;
    pass.congress = 30;
    Legislator north;
    north.stateCode = 1;
    Legislator south;
    south.stateCode = 44;
    pass.legislators = {north, south, north, north, north, north};
    pass.PlottedList = {plotted(QStringLiteral("D"), 100, 1), plotted(QStringLiteral("S"), 100, 2),
                        plotted(QStringLiteral("O"), 310, 3), plotted(QStringLiteral("O"), 403, 4),
                        plotted(QStringLiteral("O"), 310, 5), plotted(QStringLiteral("D"), 100, 6)};
    const QList<LegendEntry> expected = {{QStringLiteral("O"), QStringLiteral("Other (American, Law and Order)"), 3},
                                         {QStringLiteral("D"), QStringLiteral("Democrat"), 2},
                                         {QStringLiteral("S"), QStringLiteral("Southern Democrat"), 1}};
    QCOMPARE(PartyLegend(pass, tokens, parties), expected);
}

void TestFitText::listColumns_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("dateText");
    QTest::newRow("text date") << "Jan 1848 "
                               << "Jan 1848";
    QTest::newRow("no date") << ""
                             << "";
}

void TestFitText::listColumns()
{
    QFETCH(QString, stored);
    MatchRow row;
    row.congress = 30;
    row.rollCall = 17;
    row.date = TaggedDate::FromText(stored);
    const ListColumns c = ListColumnsOf(row, QStringLiteral("25-20\t"));
    QCOMPARE(c.text(0), QStringLiteral("30"));
    QCOMPARE(c.text(1), QStringLiteral("17"));
    QTEST(c.text(2), "dateText");
    QCOMPARE(c.text(ListColumns::kLineColumn), QStringLiteral("25-20\t"));
}

QTEST_APPLESS_MAIN(TestFitText)
#include "tst_fittext.moc"
