// The preferences record: colour table, field offsets and reserved bytes carried unchanged.
#include "core/data/FileIO.h"
#include "core/data/Preferences.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace rollscan;

class TestPreferences : public QObject {
    Q_OBJECT

private slots:
    void colourTable_data();
    void colourTable();
    void lightRedYeaIsTwelve();
    void startWithHouseFlag_data();
    void startWithHouseFlag();
    void reservedBytesSurvive();
    void tokenCase_data();
    void tokenCase();
};

void TestPreferences::colourTable_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("r");
    QTest::addColumn<int>("g");
    QTest::addColumn<int>("b");
    QTest::newRow("0") << 0 << "Black" << 0 << 0 << 0;
    QTest::newRow("1") << 1 << "Blue" << 0 << 0 << 128;
    QTest::newRow("6") << 6 << "Yellow" << 128 << 128 << 0;
    QTest::newRow("7") << 7 << "White" << 192 << 192 << 192;
    QTest::newRow("8") << 8 << "Gray" << 128 << 128 << 128;
    QTest::newRow("9") << 9 << "Light Blue" << 0 << 0 << 255;
    QTest::newRow("12") << 12 << "Light Red" << 255 << 0 << 0;
    QTest::newRow("13") << 13 << "Light Magenta" << 255 << 0 << 255;
    QTest::newRow("15") << 15 << "Bright White" << 255 << 255 << 255;
    QTest::newRow("outside") << 16 << "" << 0 << 0 << 0;
    QTest::newRow("negative") << -1 << "" << 0 << 0 << 0;
}

void TestPreferences::colourTable()
{
    QFETCH(int, index);
    QFETCH(QString, name);
    QFETCH(int, r);
    QFETCH(int, g);
    QFETCH(int, b);
    QCOMPARE(ColourName(index), name);
    QCOMPARE(ColourOf(index), (Rgb{r, g, b}));
}

void TestPreferences::lightRedYeaIsTwelve()
{
    QTemporaryDir dir;
    Preferences p;
    p.setYeaColour(12);
    p.write(dir.path() + "/rollscan.prf");
    const QByteArray b = ReadWholeFile(dir.path() + "/rollscan.prf");
    QCOMPARE(b.size(), 270);
    QCOMPARE(b.mid(62, 4), QByteArray("\x0c\x00\x00\x00", 4));
    QCOMPARE(Preferences::Read(dir.path() + "/rollscan.prf").yeaColour(), 12);
}

void TestPreferences::startWithHouseFlag_data()
{
    QTest::addColumn<bool>("house");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("house") << true << QByteArray("\xff\xff", 2);
    QTest::newRow("senate") << false << QByteArray("\x00\x00", 2);
}

void TestPreferences::startWithHouseFlag()
{
    QFETCH(bool, house);
    QFETCH(QByteArray, bytes);
    Preferences p;
    p.setStartWithHouse(!house);
    p.setStartWithHouse(house);
    QCOMPARE(p.bytes().mid(124, 2), bytes);
    QCOMPARE(p.startWithHouse(), house);
}

void TestPreferences::reservedBytesSurvive()
{
    QTemporaryDir dir;
    const QString path = dir.path() + "/rollscan.prf";
    QByteArray original(270, '\0');
    for (int i = 0; i < 270; ++i)
        original[i] = char((i * 37 + 11) & 0xff);
    original.append("TRAILER"); // bytes after the record stay too
    WriteWholeFile(path, original);

    Preferences p = Preferences::Read(path);
    p.setYeaColour(9);
    p.setNayColour(12);
    p.setNotVotingColour(8);
    p.setYeaNayColour(2);
    p.setNayYeaColour(5);
    p.setStartWithHouse(false);
    p.setGradientStartColour(14);
    p.setGradientEndColour(4);
    p.setNoMatchColour(0);
    p.setSplitColour(6);
    p.setDisplayKind('u');
    p.setTokenCase('l');
    p.write(path);

    const QByteArray after = ReadWholeFile(path);
    QCOMPARE(after.size(), original.size());
    // Reserved ranges and the background colour are byte-for-byte the same.
    const QList<QPair<int, int>> kept = {{0, 60}, {74, 4}, {78, 38}, {126, 18}, {160, 110}};
    for (const auto &[from, length] : kept)
        QCOMPARE(after.mid(from, length), original.mid(from, length));
    QCOMPARE(after.mid(270), QByteArray("TRAILER"));
    QCOMPARE(after.mid(60, 2), QByteArray("ul"));
    QCOMPARE(after.mid(152, 4), QByteArray("\0\0\0\0", 4));
    QCOMPARE(after.mid(156, 4), QByteArray("\x06\0\0\0", 4));
}

void TestPreferences::tokenCase_data()
{
    QTest::addColumn<char>("stored");
    QTest::addColumn<bool>("lower");
    QTest::newRow("u") << 'u' << false;
    QTest::newRow("l") << 'l' << true;
    QTest::newRow("other") << 'x' << true;
    QTest::newRow("upper U") << 'U' << true;
}

void TestPreferences::tokenCase()
{
    QFETCH(char, stored);
    QFETCH(bool, lower);
    Preferences p;
    p.setTokenCase(QLatin1Char(stored));
    QCOMPARE(p.lowerCaseTokens(), lower);
}

QTEST_GUILESS_MAIN(TestPreferences)
#include "tst_preferences.moc"
