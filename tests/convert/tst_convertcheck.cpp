// The tree checker: a sound tree passes; each planted fault is listed on one line naming its file.
#include "support/TreeBuilder.h"

#include "convert/TreeChecker.h"
#include "core/data/Bytes.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

using namespace rollscan;
using rollscan::test::CongressData;
using rollscan::test::TreeBuilder;

namespace {
void buildSoundTree(TreeBuilder &tree)
{
    tree.writeStandardTables();
    tree.writeRaw(QStringLiteral("main/isscodes.dat"), "  0   Not coded\r\n");
    tree.writeRaw(QStringLiteral("main/clacodes.dat"), "  1   Government Management\r\n");
    tree.writeRaw(QStringLiteral("main/pelcodes.dat"), "  1   Budget General Interest\r\n");

    CongressData house;
    house.legislators = {TreeBuilder::legislator(QStringLiteral("A"), 41, 1, 100, 0.1f, 0.2f, 10),
                         TreeBuilder::legislator(QStringLiteral("B"), 13, 2, 200, -0.3f, 0.4f, 20),
                         TreeBuilder::legislator(QStringLiteral("C"), 82, 1, 328, 0.5f, -0.6f, 30)};
    house.rollCalls = {TreeBuilder::rollCall(QStringLiteral("FIRST"), QDate(1981, 1, 5), 1, 1),
                       TreeBuilder::rollCall(QStringLiteral("SECOND"), QDate(), 1, 1),
                       TreeBuilder::rollCall(QStringLiteral("THIRD"), QDate(1981, 1, 7), 0, 1)};
    house.voteRows = {QStringLiteral("169"), QStringLiteral("611"), QStringLiteral("990")};
    tree.addCongress(true, 97, house);

    CongressData senate;
    senate.legislators = {TreeBuilder::legislator(QStringLiteral("D"), 1, 0, 1, 0, 0, 5),
                          TreeBuilder::legislator(QStringLiteral("E"), 2, 0, 1, 0, 0, 6)};
    senate.rollCalls = {TreeBuilder::rollCall(QStringLiteral("ONLY"), QDate(1805, 3, 1), 1, 1)};
    senate.voteRows = {QStringLiteral("1"), QStringLiteral("6")};
    tree.addCongress(false, 9, senate);
    tree.writeIndexes();
}

QByteArray withI16(QByteArray b, int offset, int value)
{
    qToLittleEndian<qint16>(qint16(value), b.data() + offset);
    return b;
}
QByteArray withI32(QByteArray b, int offset, int value)
{
    qToLittleEndian<qint32>(qint32(value), b.data() + offset);
    return b;
}
} // namespace

class TestConvertCheck : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TreeBuilder tree(m_reference.path());
        buildSoundTree(tree);
    }
    void soundTreePasses()
    {
        TreeChecker checker(m_reference.path(), false);
        QCOMPARE(checker.check(), QStringList());
        QCOMPARE((QList<int>{checker.houseCongresses(), checker.senateCongresses()}), (QList<int>{1, 1}));
        // Checked for the other layout, the sound tree is named for what it is.
        QCOMPARE(TreeChecker(m_reference.path(), true).check().value(0),
                 QStringLiteral("house/97.lcr: holds 150 bytes; the index's 3 legislators need 186 "
                                "(62-byte records); the size fits the standard layout of 50-byte records"));
    }
    void plantedFault_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("remove");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("fault"); // the first line listed

        TreeBuilder ref(m_reference.path());
        const QByteArray lcr = ref.readRaw(QStringLiteral("house/97.lcr"));
        const QByteArray din = ref.readRaw(QStringLiteral("house/97.din"));
        const QByteArray dbn = ref.readRaw(QStringLiteral("house/97.dbn"));
        const QByteArray houses = ref.readRaw(QStringLiteral("main/houses.dat"));
        const qint32 third = qFromLittleEndian<qint32>(din.constData() + 8);

        QTest::newRow("short legislator file")
            << "house/97.lcr" << false << lcr.left(100)
            << "house/97.lcr: holds 100 bytes; the index's 3 legislators need 150 (50-byte records)";
        QTest::newRow("member ids out of order") << "house/97.lcr" << false << withI32(lcr, 50 + 26, 5)
                                                 << "house/97.lcr: record 2 (B) has member id 5, not above the 10 of "
                                                    "the record before; member ids must ascend";
        QTest::newRow("unknown state") << "house/97.lcr" << false << withI16(lcr, 100 + 12, 90)
                                       << "house/97.lcr: record 3 (C) has state code 90, which state.dat does not name";
        QTest::newRow("party without symbol") << "house/97.lcr" << false << withI16(lcr, 16, 602)
                                              << "house/97.lcr: record 1 (A) has party code 602, which has no plot "
                                                 "symbol; the ideological map cannot show "
                                                 "this congress";
        QTest::newRow("vote that is not a digit")
            << "house/97.vot" << false << QByteArray("1696x1990")
            << "house/97.vot: the vote of legislator 2 on roll call 2 (byte 5) is not a digit";
        QTest::newRow("text past the end")
            << "house/97.dbn" << false << withI16(dbn, third - 1 + 58, 500)
            << QStringLiteral(
                   "house/97.din: the text of roll call 3 (position %1, length 500) runs past the end of 97.dbn")
                   .arg(third);
        QTest::newRow("index counts a congress without files")
            << "main/houses.dat" << false << withI16(withI16(houses, 40, 2), 42, 3)
            << "house/5.lcr: is missing; the index counts 2 legislators and 3 roll calls for congress 5";
        QTest::newRow("empty issue codes")
            << "main/isscodes.dat" << false << QByteArray()
            << "main/isscodes.dat: is empty; a subject-code list holds at least one line";
        QTest::newRow("no user folder") << "user" << true << QByteArray() << "user: the folder is missing";
    }
    void plantedFault()
    {
        QFETCH(QString, file);
        QFETCH(bool, remove);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, fault);
        QTemporaryDir dir;
        TreeBuilder tree(dir.path());
        buildSoundTree(tree);
        if (file == QLatin1String("user")) {
            QVERIFY(QDir(dir.path()).rmdir(file));
        } else if (remove) {
            QVERIFY(QFile::remove(tree.path(file)));
        } else {
            tree.writeRaw(file, bytes);
        }
        TreeChecker checker(dir.path(), false);
        const QStringList faults = checker.check();
        QVERIFY2(!faults.isEmpty(), "the fault was not found");
        QCOMPARE(faults.first(), fault);
    }
    void faultsPerFileAreCapped()
    {
        QTemporaryDir dir;
        TreeBuilder tree(dir.path());
        buildSoundTree(tree);
        CongressData d;
        for (int i = 0; i < 4; ++i)
            d.legislators.append(TreeBuilder::legislator(QStringLiteral("M"), 41, 1, 100, 0, 0, 100 + i));
        for (int r = 0; r < 4; ++r)
            d.rollCalls.append(TreeBuilder::rollCall(QStringLiteral("RC"), QDate(1983, 1, 5), 0, 0));
        d.voteRows = QStringList(4, QStringLiteral("0000"));
        tree.addCongress(true, 98, d);
        tree.writeIndexes();
        tree.writeRaw(QStringLiteral("house/98.vot"), QByteArray(16, 'x'));
        TreeChecker checker(dir.path(), false);
        const QStringList faults = checker.check();
        QCOMPARE(faults.size(), TreeChecker::kFaultsPerFile + 1);
        QCOMPARE(faults.at(9),
                 QStringLiteral("house/98.vot: the vote of legislator 3 on roll call 2 (byte 10) is not a digit"));
        QCOMPARE(faults.last(), QStringLiteral("house/98.vot: ... and 6 more faults"));
    }

private:
    QTemporaryDir m_reference;
};

QTEST_GUILESS_MAIN(TestConvertCheck)
#include "tst_convertcheck.moc"
