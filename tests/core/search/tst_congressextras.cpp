// What the roll-call list offers beside the ideological map, judged by the files of the tree, and
// the user folder that bookmark files are saved in.
#include "support/TreeBuilder.h"

#include "core/app/Session.h"
#include "core/search/CongressExtras.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace rollscan;
using rollscan::test::TreeBuilder;

class TestCongressExtras : public QObject {
    Q_OBJECT

private slots:
    void extras_data();
    void extras();
    void userFolder_data();
    void userFolder();
};

void TestCongressExtras::extras_data()
{
    QTest::addColumn<bool>("house");
    QTest::addColumn<QList<int>>("congresses");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<bool>("usMap");
    QTest::addColumn<bool>("text");
    QTest::addColumn<bool>("audio");
    QTest::addColumn<bool>("picture");
    const QStringList maps = {"main/map.dat", "main/mapindex.dat"};
    QTest::newRow("no map files") << true << QList<int>{103} << QStringList{} << false << false << false << false;
    QTest::newRow("map.dat alone") << true << QList<int>{103} << QStringList{"main/map.dat"} << false << false << false
                                   << false;
    QTest::newRow("103rd House needs no district file")
        << true << QList<int>{103} << maps << true << false << false << false;
    QTest::newRow("102nd House without district file")
        << true << QList<int>{102} << maps << false << false << false << false;
    QTest::newRow("102nd House with district file")
        << true << QList<int>{102} << maps + QStringList{"house/102.cds"} << true << false << false << false;
    QTest::newRow("Senate needs no district file")
        << false << QList<int>{50} << maps << true << false << false << false;
    QTest::newRow("two Houses: no district check, no attachments")
        << true << QList<int>{50, 51} << maps + QStringList{"house/50.txt", "house/50.wav", "house/50.bmp"} << true
        << false << false << false;
    const QStringList shapes = {"main/state list.dat", "maps/states.shp", "maps/cd104.shp"};
    QTest::newRow("Senate from the shapefiles") << false << QList<int>{30} << shapes << true << false << false << false;
    QTest::newRow("110th House from the shapefiles")
        << true << QList<int>{110} << shapes << true << false << false << false;
    QTest::newRow("102nd House is not drawn from the shapefiles")
        << true << QList<int>{102} << shapes << false << false << false << false;
    QTest::newRow("shapefiles without the state list")
        << false << QList<int>{30} << QStringList{"maps/states.shp"} << false << false << false << false;
    QTest::newRow("House attachments") << true << QList<int>{97}
                                       << QStringList{"house/97.txt", "house/97.bmp", "house/97s.wav"} << false << true
                                       << false << true;
    QTest::newRow("Senate attachments") << false << QList<int>{97}
                                        << QStringList{"senate/97s.wav", "senate/97.txt", "senate/97s.bmp"} << false
                                        << false << true << true;
    QTest::newRow("picture as PNG") << true << QList<int>{97} << QStringList{"house/97.png"} << false << false << false
                                    << true;
    QTest::newRow("names in capitals") << false << QList<int>{97} << QStringList{"senate/97S.TXT"} << false << true
                                       << false << false;
    QTest::newRow("bookmark search: none selected")
        << true << QList<int>{} << maps + QStringList{"house/97.txt"} << true << false << false << false;
}

void TestCongressExtras::extras()
{
    QFETCH(bool, house);
    QFETCH(QList<int>, congresses);
    QFETCH(QStringList, files);
    QFETCH(bool, usMap);
    QFETCH(bool, text);
    QFETCH(bool, audio);
    QFETCH(bool, picture);
    QTemporaryDir dir;
    TreeBuilder tree(dir.path());
    for (const QString &file : files) {
        QFile f(tree.path(file));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("x");
    }
    Session session(dir.path());
    session.isHouse = house;
    session.selectedCongresses = congresses;
    const CongressExtras extras = FindCongressExtras(session);
    QCOMPARE(extras.usMap, usMap);
    QCOMPARE(extras.text, text);
    QCOMPARE(extras.audio, audio);
    QCOMPARE(extras.picture, picture);
}

void TestCongressExtras::userFolder_data()
{
    QTest::addColumn<QString>("existing");
    QTest::addColumn<QString>("expected");
    QTest::newRow("missing") << QString() << "User";
    QTest::newRow("user") << "user"
                          << "user";
    QTest::newRow("USER") << "USER"
                          << "USER";
}

void TestCongressExtras::userFolder()
{
    QFETCH(QString, existing);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    if (!existing.isEmpty())
        QVERIFY(QDir(dir.path()).mkdir(existing));
    Session session(dir.path());
    EnsureUserFolder(session);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList{expected});
    QCOMPARE(session.userDir, dir.path() + QLatin1Char('/') + expected);
    // Asked again, nothing changes.
    EnsureUserFolder(session);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList{expected});
}

QTEST_GUILESS_MAIN(TestCongressExtras)
#include "tst_congressextras.moc"
