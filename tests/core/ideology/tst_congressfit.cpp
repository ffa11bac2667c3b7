// The tree's second-dimension weight on the map, and the fit of a whole congress counted by hand.
#include "support/TreeBuilder.h"

#include "core/data/ScalingFile.h"
#include "core/ideology/CongressFit.h"
#include "core/ideology/DrawingPass.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace rollscan;
using rollscan::test::CongressData;
using rollscan::test::TreeBuilder;

namespace {
const QDate kDate(1981, 1, 5);

// Roll call 1: δ1 = 0.1, δ2 = 0.3 at the origin, so the second dimension decides CLARK's side:
// a nay at (-0.2, 0.5) stands nearer the Yea point when k < 0.365 and nearer the Nay point above.
// Roll call 2: the vertical line x = 0 (δ1 = 0.2), which no factor moves.
CongressData weightCongress()
{
    CongressData d;
    d.legislators = {TreeBuilder::legislator(QStringLiteral("ADAMS"), 13, 1, 100, -0.5f, 0.1f, 1001),
                     TreeBuilder::legislator(QStringLiteral("BAKER"), 14, 2, 200, 0.5f, 0.5f, 1002),
                     TreeBuilder::legislator(QStringLiteral("CLARK"), 41, 3, 100, -0.2f, 0.5f, 1003)};
    d.rollCalls = {TreeBuilder::rollCall(QStringLiteral("TO AMEND"), kDate, 1, 2, 0.1f, 0.0f, 0.3f, 0.0f),
                   TreeBuilder::rollCall(QStringLiteral("TO PASS"), kDate, 2, 1, 0.2f)};
    d.voteRows = {QStringLiteral("11"), QStringLiteral("66"), QStringLiteral("61")};
    return d;
}

// Roll call 1: line x = 0 (yea side x < 0); roll call 2: line x = 0.3 (δ1 = 0.1, m1 = 0.3); roll
// call 3 has no line although its vote is split 3 to 3, so counting it would change every figure.
CongressData fitCongress()
{
    CongressData d;
    d.legislators = {
        TreeBuilder::legislator(QStringLiteral("ADAMS"), 13, 1, 100, -0.5f, 0.1f, 1001),
        TreeBuilder::legislator(QStringLiteral("BAKER"), 14, 2, 200, 0.5f, 0.5f, 1002),
        TreeBuilder::legislator(QStringLiteral("CLARK"), 41, 3, 100, 0.2f, -0.2f, 1003), // yea right of x = 0
        TreeBuilder::legislator(QStringLiteral("DAVIS"), 13, 4, 200, 0.0f, 0.0f, 1004),  // not scaled
        TreeBuilder::legislator(QStringLiteral("EVANS"), 14, 5, 200, -0.4f, 0.2f, 1005),
        TreeBuilder::legislator(QStringLiteral("FOX"), 21, 6, 100, 0.6f, 0.0f, 1006),
    };
    d.rollCalls = {TreeBuilder::rollCall(QStringLiteral("ONE"), kDate, 4, 2, 0.2f),
                   TreeBuilder::rollCall(QStringLiteral("TWO"), kDate, 1, 3, 0.1f, 0.3f),
                   TreeBuilder::rollCall(QStringLiteral("THREE"), kDate, 3, 3)};
    //             roll calls:   1 2 3
    d.voteRows = {QStringLiteral("161"), QStringLiteral("666"), QStringLiteral("111"),
                  QStringLiteral("191"), QStringLiteral("196"), QStringLiteral("666")};
    return d;
}

struct Tree {
    QTemporaryDir dir;
    TreeBuilder tree{dir.path()};
    Tree(const CongressData &data, double weight)
    {
        tree.writeStandardTables();
        tree.addCongress(true, 97, data, true);
        tree.writeIndexes();
        if (weight > 0)
            ScalingFile{weight, QStringLiteral("dim1"), QStringLiteral("dim2")}.write(ScalingFile::PathIn(dir.path()));
    }
    DrawingPass pass(int rollCall) const
    {
        DrawingRequest r;
        r.dataRoot = dir.path();
        r.congress = 97;
        r.rollCall = rollCall;
        r.preferences = TreeBuilder::standardPreferences();
        return RunDrawingPass(r);
    }
};
} // namespace

class TestCongressFit : public QObject {
    Q_OBJECT

private slots:
    void weightOfTheTree_data()
    {
        QTest::addColumn<double>("weight"); // 0: no weight file
        QTest::addColumn<double>("factor");
        QTest::addColumn<double>("bakerY"); // BAKER's map point is (0.5, bakerY)
        QTest::addColumn<bool>("clarkError");
        QTest::addColumn<int>("errors");
        QTest::addColumn<float>("pre");
        QTest::newRow("no weight file: the House's 0.32") << 0.0 << 0.32 << 0.32 << true << 1 << 0.0f;
        QTest::newRow("weight 0.4156") << 0.4156 << 0.4156 << 0.4156 << false << 0 << 1.0f;
    }
    void weightOfTheTree()
    {
        QFETCH(double, weight);
        QFETCH(double, factor);
        QFETCH(double, bakerY);
        QFETCH(int, errors);
        QFETCH(float, pre);
        const Tree t(weightCongress(), weight);

        const DrawingPass pass = t.pass(1);
        QCOMPARE(pass.dimTwoFactor, factor);
        QCOMPARE(pass.line.DimTwoFactor, factor);
        QVERIFY(qAbs(pass.PlottedList.at(1).point.y - bakerY) < 1e-7);
        QTEST(pass.PlottedList.at(2).isError, "clarkError");
        QCOMPARE(pass.ErrorCount, errors);
        QCOMPARE(pass.MinorityCount, 1);
        QCOMPARE(pass.pre(), pre);

        // The vertical line of δ1 = 0.2 stays where it always was.
        const DrawingPass vertical = t.pass(2);
        QCOMPARE(vertical.line.end1, (MapPoint{0.0, -1.1}));
        QCOMPARE(vertical.line.end2, (MapPoint{0.0, 1.1}));
        // The fit of the congress counts CLARK's nay on roll call 1 as an error only under the built-in factor.
        const CongressFit fit = ComputeCongressFit(t.dir.path(), true, 97, true);
        QCOMPARE(fit.legislators.at(2).errors, errors);
        QCOMPARE(fit.totalErrors, qint64(errors));
    }

    void fitCountedByHand()
    {
        const Tree t(fitCongress(), 0.0);
        const CongressFit fit = ComputeCongressFit(t.dir.path(), true, 97, true);
        QCOMPARE(fit.rollCalls, 3);
        QCOMPARE(fit.rollCallsWithLine, 2);
        QStringList rows;
        for (const FitLegislator &l : fit.legislators)
            rows << QStringLiteral("%1 %2 %3 %4 %5 %6/%7")
                        .arg(l.id1)
                        .arg(l.name, l.partyName, l.state)
                        .arg(l.scaled)
                        .arg(l.votes)
                        .arg(l.errors);
        // Roll call 1: CLARK votes yea right of the line; roll call 2: ADAMS votes nay left of it.
        QCOMPARE(rows,
                 (QStringList{
                     QStringLiteral("1001 ADAMS Democrat NY 1 2/1"), QStringLiteral("1002 BAKER Republican PA 1 2/0"),
                     QStringLiteral("1003 CLARK Democrat AL 1 2/1"), QStringLiteral("1004 DAVIS Republican NY 0 0/0"),
                     QStringLiteral("1005 EVANS Republican PA 1 1/0"), QStringLiteral("1006 FOX Democrat IL 1 2/0")}));
        QCOMPARE(fit.classifiedVotes, qint64(9));
        QCOMPARE(fit.totalErrors, qint64(2));
        QCOMPARE(fit.totalMinority, qint64(3)); // 2 on roll call 1, 1 on roll call 2
        QCOMPARE(QString::number(fit.percentCorrect(), 'f', 2), QStringLiteral("77.78"));
        QCOMPARE(QString::number(fit.apre(), 'f', 3), QStringLiteral("0.333"));
        QCOMPARE(fit.legislators.at(0).errorRate(), 0.5);
    }
};

QTEST_GUILESS_MAIN(TestCongressFit)
#include "tst_congressfit.moc"
