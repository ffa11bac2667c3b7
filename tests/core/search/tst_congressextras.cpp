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
    void extras_data()
    {
        QTest::addColumn<bool>("house");
        QTest::addColumn<QList<int>>("congresses");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("offered"); // US map, text, audio, picture
        const QStringList maps = {"main/map.dat", "main/mapindex.dat"};
        QTest::newRow("103rd House needs no district file") << true << QList<int>{103} << maps << "1000";
        QTest::newRow("102nd House without district file") << true << QList<int>{102} << maps << "0000";
        QTest::newRow("102nd House with district file")
            << true << QList<int>{102} << maps + QStringList{"house/102.cds"} << "1000";
        QTest::newRow("two Houses: no district check, no attachments")
            << true << QList<int>{50, 51} << maps + QStringList{"house/50.txt", "house/50.wav", "house/50.bmp"}
            << "1000";
        const QStringList shapes = {"main/state list.dat", "maps/states.shp", "maps/cd104.shp"};
        QTest::newRow("Senate from the shapefiles") << false << QList<int>{30} << shapes << "1000";
        QTest::newRow("102nd House is not drawn from the shapefiles") << true << QList<int>{102} << shapes << "0000";
        QTest::newRow("shapefiles without the state list")
            << false << QList<int>{30} << QStringList{"maps/states.shp"} << "0000";
        QTest::newRow("House attachments")
            << true << QList<int>{97} << QStringList{"house/97.txt", "house/97.bmp", "house/97s.wav"} << "0101";
        QTest::newRow("Senate attachments")
            << false << QList<int>{97} << QStringList{"senate/97s.wav", "senate/97.txt", "senate/97s.bmp"} << "0011";
        QTest::newRow("names in capitals") << false << QList<int>{97} << QStringList{"senate/97S.TXT"} << "0100";
        QTest::newRow("bookmark search: none selected")
            << true << QList<int>{} << maps + QStringList{"house/97.txt"} << "1000";
    }
    void extras()
    {
        QFETCH(bool, house);
        QFETCH(QList<int>, congresses);
        QFETCH(QStringList, files);
        QTemporaryDir dir;
        TreeBuilder tree(dir.path());
        for (const QString &file : files)
            tree.writeRaw(file, "x");
        Session session(dir.path());
        session.isHouse = house;
        session.selectedCongresses = congresses;
        const CongressExtras e = FindCongressExtras(session);
        QTEST(QStringLiteral("%1%2%3%4").arg(int(e.usMap)).arg(int(e.text)).arg(int(e.audio)).arg(int(e.picture)),
              "offered");
    }
    // The user folder is made as "User" when missing, found under any spelling, and made once only.
    void userFolder()
    {
        for (const auto &[existing, expected] : {std::pair{"", "User"}, {"user", "user"}, {"USER", "USER"}}) {
            QTemporaryDir dir;
            if (*existing)
                QVERIFY(QDir(dir.path()).mkdir(QString::fromLatin1(existing)));
            Session session(dir.path());
            for (int twice = 0; twice < 2; ++twice) {
                EnsureUserFolder(session);
                QCOMPARE(QDir(dir.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList{expected});
                QCOMPARE(session.userDir, dir.path() + QLatin1Char('/') + QLatin1String(expected));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestCongressExtras)
#include "tst_congressextras.moc"
