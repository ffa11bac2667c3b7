// The analysis file of the queue, byte for byte.
#include "support/TreeBuilder.h"

#include "core/app/Session.h"
#include "core/data/FileError.h"
#include "core/data/FileIO.h"
#include "core/report/TidyCsv.h"
#include "core/search/RollCallSearch.h"
#include "core/search/SelectionQueue.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace rollscan;
using rollscan::test::CongressData;
using rollscan::test::TreeBuilder;

namespace {
// The 97th House: a name with a comma, a member of a state "state.dat" lacks, one without coordinates.
CongressData house97()
{
    CongressData d;
    d.legislators = {TreeBuilder::legislator(QStringLiteral("SMITH, JOHN"), 41, 1, 100, 0.123f, -0.456f, 14000, 3),
                     TreeBuilder::legislator(QStringLiteral("JONES"), 13, 12, 200, -0.25f, 0.5f, 99999999, 0),
                     TreeBuilder::legislator(QStringLiteral("CARTER"), 99, 0, 328, 0.0f, 0.0f, 99910, 0)};
    for (int r = 1; r <= 13; ++r)
        d.rollCalls.append(r == 12 ? TreeBuilder::rollCall(QStringLiteral("ELECT SPEAKER"), QDate(1981, 1, 5), 2, 1)
                                   : TreeBuilder::rollCall(QStringLiteral("VOTE %1").arg(r), QDate(1981, 2, r), 1, 1));
    d.voteRows = {QStringLiteral("6555555555519"), QStringLiteral("1555555555567"), QStringLiteral("0555555555592")};
    return d;
}

struct Fixture {
    QTemporaryDir dir;
    TreeBuilder tree{dir.path()};
    Session session{dir.path()};

    Fixture()
    {
        tree.writeStandardTables();
        tree.addCongress(true, 97, house97());
        CongressData d98;
        d98.legislators = {TreeBuilder::legislator(QStringLiteral("NEWMAN"), 1, 2, 200, 0.1f, 0.2f, 555)};
        d98.rollCalls = {TreeBuilder::rollCall(QStringLiteral("FIRST OF 98"), QDate(1983, 1, 3), 1, 0)};
        d98.rollCalls[0].date = TaggedDate::FromText(QStringLiteral("Jan 1983 "));
        d98.voteRows = {QStringLiteral("4")};
        tree.addCongress(true, 98, d98);
        tree.writeIndexes();
        session.newDataFormat = false;
        session.selectedCongresses = {97, 98};
        RunSearch(session, {});
    }
    QString out(const QString &name) const { return dir.filePath(name); }
};
} // namespace

class TestTidyCsv : public QObject {
    Q_OBJECT

private slots:
    void twoRollCallQueue()
    {
        Fixture f;
        f.session.queue.addRows(f.session.MatchTable, {12, 13}, false);
        WriteTidyCsv(f.session, f.out(QStringLiteral("tidy.csv")));
        const QByteArray expected =
            "congress,roll_call,date,member_id,name,state,district,party_code,party_name,coord1,coord2,vote_code,"
            "vote_class\n"
            "97,12,1981-01-05,14000,\"SMITH, JOHN\",AL,1,100,Democrat,0.123,-0.456,1,Yea\n"
            "97,12,1981-01-05,99999999,JONES,NY,12,200,Republican,-0.25,0.5,6,Nay\n"
            "97,12,1981-01-05,99910,CARTER,,0,328,Independent,NA,NA,9,Not voting\n"
            "97,13,1981-02-13,14000,\"SMITH, JOHN\",AL,1,100,Democrat,0.123,-0.456,9,Not voting\n"
            "97,13,1981-02-13,99999999,JONES,NY,12,200,Republican,-0.25,0.5,7,Not voting\n"
            "97,13,1981-02-13,99910,CARTER,,0,328,Independent,NA,NA,2,Yea\n";
        QCOMPARE(ReadWholeFile(f.out(QStringLiteral("tidy.csv"))), expected);
    }
    void queueOrderAcrossCongresses()
    {
        Fixture f;
        QVERIFY_THROWS_EXCEPTION(DataError, WriteTidyCsv(f.session, f.out(QStringLiteral("order.csv"))));
        QVERIFY(!QFile::exists(f.out(QStringLiteral("order.csv")))); // an empty queue writes nothing
        // 97:12, 98:1, 97:1: the file follows the queue, not the grouping by congress.
        f.session.queue.addRows(f.session.MatchTable, {12, 14, 1}, false);
        WriteTidyCsv(f.session, f.out(QStringLiteral("order.csv")));
        const QList<QByteArray> lines = ReadWholeFile(f.out(QStringLiteral("order.csv"))).split('\n');
        QCOMPARE(lines.size(), 1 + 3 + 1 + 3 + 1); // header, members per roll call, the empty piece after the last LF
        QCOMPARE(lines[4], QByteArray("98,1,Jan 1983,555,NEWMAN,CT,2,200,Republican,0.1,0.2,4,Nay"));
        QVERIFY(lines[5].startsWith("97,1,1981-02-01,14000,"));
    }
};

QTEST_APPLESS_MAIN(TestTidyCsv)
#include "tst_tidycsv.moc"
