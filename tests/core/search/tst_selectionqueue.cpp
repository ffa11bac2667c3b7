#include "core/search/MatchTable.h"
#include "core/search/SelectionQueue.h"

#include <QTest>

using namespace rollscan;

namespace {
// Rows 1..n: roll call 10 + i, tallies 200 + i to 100 + i, "Roll call i".
MatchTable tableWithRows(int rows)
{
    MatchTable t;
    for (int i = 1; i <= rows; ++i)
        t.append({qint16(10 + i), QStringLiteral("Roll call %1").arg(i), TaggedDate::FromDate(QDate(2001, 2, i)),
                  qint16(200 + i), qint16(100 + i), 107});
    return t;
}

// A queue of rows 1..n of tableWithRows(n), long lines.
SelectionQueue queueOf(int rows)
{
    SelectionQueue q;
    q.addAll(tableWithRows(rows));
    return q;
}
} // namespace

class TestSelectionQueue : public QObject {
    Q_OBJECT

private slots:
    void addRows()
    {
        const MatchTable t = tableWithRows(3);
        SelectionQueue q;
        QCOMPARE(q.addRows(t, {3, 1}, false), 2);
        QCOMPARE(q.addRows(t, {1}, false), 1); // the same roll call twice
        QCOMPARE(q.addRows(t, {0, 4, -1}, false), 0);
        QCOMPARE(q.addRows(t, {2}, true), 1);
        QCOMPARE(q.entries(), (QList<QueueEntry>{{3, 13, QStringLiteral("203-103\tRoll call 3")},
                                                 {1, 11, QStringLiteral("201-101\tRoll call 1")},
                                                 {1, 11, QStringLiteral("201-101\tRoll call 1")},
                                                 {2, 12, QStringLiteral("Roll call 2")}}));
        QCOMPARE(q.currentQueuePos(), 0);
        // Adding all replaces the queue, in long lines, with no current entry.
        q.setCurrentQueuePos(1);
        QCOMPARE(q.addAll(t), 3);
        QCOMPARE(q.lines(), (QStringList{"201-101\tRoll call 1", "202-102\tRoll call 2", "203-103\tRoll call 3"}));
        QCOMPARE(q.rows(), (QList<int>{1, 2, 3}));
        QCOMPARE(q.rollCalls(), (QList<int>{11, 12, 13}));
        QCOMPARE(q.currentQueuePos(), 0);
    }
    void edits_data()
    {
        QTest::addColumn<int>("current");
        QTest::addColumn<QList<int>>("edit"); // {position} removes it, {from, to} moves
        QTest::addColumn<bool>("done");
        QTest::addColumn<QList<int>>("rows");
        QTest::addColumn<int>("currentAfter");
        QTest::newRow("remove before the current entry") << 3 << QList<int>{1} << true << QList<int>{2, 3, 4} << 2;
        QTest::newRow("remove after the current entry") << 2 << QList<int>{3} << true << QList<int>{1, 2, 4} << 2;
        QTest::newRow("remove the current last entry") << 4 << QList<int>{4} << true << QList<int>{1, 2, 3} << 3;
        QTest::newRow("remove the current middle entry") << 2 << QList<int>{2} << true << QList<int>{1, 3, 4} << 2;
        QTest::newRow("remove past the end") << 2 << QList<int>{5} << false << QList<int>{1, 2, 3, 4} << 2;
        QTest::newRow("current entry moved down") << 1 << QList<int>{1, 3} << true << QList<int>{2, 3, 1, 4} << 3;
        QTest::newRow("current entry moved up") << 4 << QList<int>{4, 2} << true << QList<int>{1, 4, 2, 3} << 2;
        QTest::newRow("another moved from before to after")
            << 2 << QList<int>{1, 3} << true << QList<int>{2, 3, 1, 4} << 1;
        QTest::newRow("another moved from before onto it")
            << 3 << QList<int>{1, 3} << true << QList<int>{2, 3, 1, 4} << 2;
        QTest::newRow("another moved from after to before")
            << 2 << QList<int>{4, 1} << true << QList<int>{4, 1, 2, 3} << 3;
        QTest::newRow("another moved behind it") << 2 << QList<int>{3, 4} << true << QList<int>{1, 2, 4, 3} << 2;
        QTest::newRow("move from 0") << 2 << QList<int>{0, 3} << false << QList<int>{1, 2, 3, 4} << 2;
    }
    // Removing or moving entries keeps the current entry where it is; entries travel whole.
    void edits()
    {
        QFETCH(int, current);
        QFETCH(QList<int>, edit);
        QFETCH(QList<int>, rows);
        SelectionQueue q = queueOf(4);
        q.setCurrentQueuePos(current);
        QTEST(edit.size() == 1 ? q.remove(edit[0]) : q.move(edit[0], edit[1]), "done");
        QCOMPARE(q.rows(), rows);
        QTEST(q.currentQueuePos(), "currentAfter");
        for (const QueueEntry &e : q.entries()) {
            QCOMPARE(e.rollCall, 10 + e.row);
            QVERIFY(e.text.endsWith(QStringLiteral("Roll call ") + QString::number(e.row)));
        }
    }
    void remapFollowsRows_data()
    {
        QTest::addColumn<QList<int>>("queued");
        QTest::addColumn<int>("current");
        QTest::addColumn<QList<int>>("newRowOf");
        QTest::addColumn<QList<int>>("rows");
        QTest::addColumn<QList<int>>("rollCalls");
        QTest::addColumn<int>("currentAfter");
        // Old rows 1..4; row 2 dropped, 3 and 4 move up.
        const QList<int> dropTwo{1, 0, 2, 3};
        QTest::newRow("kept rows renumbered")
            << QList<int>{4, 3, 1} << 2 << dropTwo << QList<int>{3, 2, 1} << QList<int>{14, 13, 11} << 2;
        QTest::newRow("current entry dropped")
            << QList<int>{1, 2, 4} << 2 << dropTwo << QList<int>{1, 3} << QList<int>{11, 14} << 1;
        QTest::newRow("everything dropped") << QList<int>{2, 2} << 1 << dropTwo << QList<int>{} << QList<int>{} << 0;
        QTest::newRow("no current entry")
            << QList<int>{1, 4} << 0 << dropTwo << QList<int>{1, 3} << QList<int>{11, 14} << 0;
        QTest::newRow("row beyond the map")
            << QList<int>{1, 4} << 2 << QList<int>{1, 2} << QList<int>{1} << QList<int>{11} << 1;
    }
    void remapFollowsRows()
    {
        QFETCH(QList<int>, queued);
        QFETCH(int, current);
        QFETCH(QList<int>, newRowOf);
        QFETCH(QList<int>, rows);
        QFETCH(QList<int>, rollCalls);
        SelectionQueue q;
        q.addRows(tableWithRows(4), queued, false);
        q.setCurrentQueuePos(current);
        q.remap(newRowOf);
        QCOMPARE(q.rows(), rows);
        QCOMPARE(q.rollCalls(), rollCalls);
        QTEST(q.currentQueuePos(), "currentAfter");
        // The lines stay as they were queued.
        for (int p = 1; p <= q.length(); ++p)
            QVERIFY(q.at(p).text.endsWith(QString::number(q.at(p).rollCall - 10)));
    }
    void clearStartAndCrossTab()
    {
        SelectionQueue q;
        QVERIFY(!q.start());
        QCOMPARE(q.currentQueuePos(), 0);
        QVERIFY(!q.crossTabAvailable());
        const MatchTable t = tableWithRows(3);
        q.addRows(t, {2}, false);
        QVERIFY(!q.crossTabAvailable());
        QVERIFY(q.start());
        QCOMPARE(q.currentQueuePos(), 1);
        q.addRows(t, {3}, false);
        QVERIFY(q.crossTabAvailable());
        q.addRows(t, {1}, false);
        QVERIFY(!q.crossTabAvailable());
        q.remove(1);
        QVERIFY(q.crossTabAvailable());
        q.clear();
        QVERIFY(q.isEmpty());
        QVERIFY(q.lines().isEmpty());
        QCOMPARE(q.currentQueuePos(), 0);
    }
    void stopsAtLimit()
    {
        const MatchTable t = tableWithRows(2);
        SelectionQueue q;
        QCOMPARE(q.addRows(t, QList<int>(SelectionQueue::kMaxEntries - 1, 1), false), SelectionQueue::kMaxEntries - 1);
        QCOMPARE(q.addRows(t, {1, 2, 2}, false), 1);
        QCOMPARE(q.length(), SelectionQueue::kMaxEntries);
        QCOMPARE(q.rows().last(), 1);
        QVERIFY(!q.add({2, 12, QString()}));
        QCOMPARE(q.length(), SelectionQueue::kMaxEntries);
    }
};

QTEST_APPLESS_MAIN(TestSelectionQueue)
#include "tst_selectionqueue.moc"
