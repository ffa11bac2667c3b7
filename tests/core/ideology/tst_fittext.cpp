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
    // Errors and PRE are "n/a" without a line, PRE in a cross-tab; the tally, the key notes and list columns.
    void texts()
    {
        for (const auto &[noLine, crossTab, shown] :
             {std::tuple{false, false, "10 .75"}, {true, false, "n/a n/a"}, {false, true, "10 n/a"}}) {
            const DrawingPass pass = passWith(noLine, crossTab, 40, 10);
            QCOMPARE(ErrorsText(pass) + " " + PreText(pass), QString::fromLatin1(shown));
        }
        QCOMPARE(TallyText(171, 255, 27), QStringLiteral("Yea 171 \u00b7 Nay 255 \u00b7 Not voting 27"));
        QCOMPARE(CrossTabKeyNotes(329, 618), (QStringList{QStringLiteral("Y-N: Yea on #329, Nay on #618"),
                                                          QStringLiteral("N-Y: Nay on #329, Yea on #618")}));
        MatchRow row;
        row.congress = 30;
        row.rollCall = 17;
        row.date = TaggedDate::FromText(QStringLiteral("Jan 1848 "));
        const ListColumns c = ListColumnsOf(row, QStringLiteral("25-20\t"));
        QCOMPARE((QStringList{c.text(0), c.text(1), c.text(2), c.text(ListColumns::kLineColumn)}),
                 (QStringList{"30", "17", "Jan 1848", "25-20\t"}));
    }
    // A roll call is contested from 2.5 % of the votes on the smaller side.
    void noLineSentence()
    {
        for (const auto &[yea, nay, contested] :
             {std::tuple{95, 0, false}, {1, 40, false}, {39, 1, true}, {0, 0, false}}) {
            QCOMPARE(IsContested(yea, nay), contested);
            QCOMPARE(NoLineText(yea, nay),
                     contested ? QStringLiteral("No cutting line in the data for this roll call")
                               : QStringLiteral("Unanimous or near-unanimous roll call: no cutting line calculated"));
        }
    }
    void legend()
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
        const QList<LegendEntry> expected = {
            {QStringLiteral("O"), QStringLiteral("Other (American, Law and Order)"), 3},
            {QStringLiteral("D"), QStringLiteral("Democrat"), 2},
            {QStringLiteral("S"), QStringLiteral("Southern Democrat"), 1}};
        QCOMPARE(PartyLegend(pass, tokens, parties), expected);
    }
};

QTEST_APPLESS_MAIN(TestFitText)
#include "tst_fittext.moc"
