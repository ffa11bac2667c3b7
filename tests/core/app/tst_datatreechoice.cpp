// The command line, which data tree opens, the recent list, the writable copy of a read-only tree, and
// the main window's span of years.
#include "core/app/CongressList.h"
#include "core/app/DataTreeChoice.h"
#include "core/app/StartOptions.h"
#include "core/data/FileError.h"
#include "core/data/FileIO.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace rollscan;

class TestDataTreeChoice : public QObject {
    Q_OBJECT

private slots:
    void commandLine_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QStringList>("expected"); // development, tree, error, help
        QTest::newRow("nothing") << QStringList{} << QStringList{"0", "", "", "0"};
        QTest::newRow("tree and development")
            << QStringList{"/data/tree", "--development"} << QStringList{"1", "/data/tree", "", "0"};
        QTest::newRow("unknown option") << QStringList{"--develop"}
                                        << QStringList{"0", "", "Unknown option 'develop'.", "0"};
        QTest::newRow("two trees") << QStringList{"a", "b"} << QStringList{"0", "", "Give one data tree at most.", "0"};
        QTest::newRow("help") << QStringList{"--help"} << QStringList{"0", "", "", "1"};
    }
    void commandLine()
    {
        QFETCH(QStringList, args);
        const StartOptions o = StartOptions::Parse(QStringList{QStringLiteral("rollscan")} + args);
        QTEST((QStringList{QString::number(o.development), o.dataTree, o.error, QString::number(o.help)}), "expected");
    }
    // A tree is a folder with the preferences file; the command line's tree comes first, then the last
    // one used while it is still a tree, then the sample.
    void startTree()
    {
        QTemporaryDir dir;
        const QString last = dir.filePath(QStringLiteral("last"));
        QDir().mkpath(last);
        QVERIFY(!DataTreeChoice::IsDataTree(last));
        QCOMPARE(DataTreeChoice::StartTree(QString(), last, QStringLiteral("/sample")), QStringLiteral("/sample"));
        WriteWholeFile(last + QStringLiteral("/ROLLSCAN.PRF"), "x");
        QVERIFY(DataTreeChoice::IsDataTree(last));
        QCOMPARE(DataTreeChoice::StartTree(QString(), last, QStringLiteral("/sample")), last);
        QCOMPARE(DataTreeChoice::StartTree(QStringLiteral("/given"), last, QStringLiteral("/sample")),
                 QStringLiteral("/given"));
    }
    void recentList_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QString>("added");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("to the front") << QStringList{"a", "b"} << "c" << QStringList{"c", "a", "b"};
        QTest::newRow("moved, not doubled") << QStringList{"a", "b", "c"} << "b" << QStringList{"b", "a", "c"};
        QTest::newRow("same folder spelled otherwise") << QStringList{"a", "b"} << "b/../a/" << QStringList{"a", "b"};
        QTest::newRow("five kept") << QStringList{"a", "b", "c", "d", "e"} << "f"
                                   << QStringList{"f", "a", "b", "c", "d"};
    }
    void recentList()
    {
        QFETCH(QStringList, before);
        QFETCH(QString, added);
        QFETCH(QStringList, after);
        QTemporaryDir dir;
        const QDir root(dir.path());
        for (const QString n : {"a", "b", "c", "d", "e", "f"})
            root.mkpath(n);
        auto full = [&](const QStringList &names) {
            QStringList out;
            for (const QString &n : names)
                out.append(QFileInfo(root.filePath(n)).canonicalFilePath());
            return out;
        };
        QCOMPARE(DataTreeChoice::AddRecent(full(before), root.filePath(added)), full(after));
    }
    // A read-only tree is copied once, writable, and the copy is kept; a writable tree is used in place;
    // a copy that fails leaves no tree behind.
    void writableTree()
    {
        QTemporaryDir dir;
        const QString sample = dir.filePath(QStringLiteral("share/sample"));
        QVERIFY(QDir().mkpath(sample + QStringLiteral("/house")));
        WriteWholeFile(sample + QStringLiteral("/rollscan.prf"), "prefs");
        WriteWholeFile(sample + QStringLiteral("/house/97.lcr"), "members");
        QVERIFY(QFile::setPermissions(sample + QStringLiteral("/house/97.lcr"), QFile::ReadOwner | QFile::ReadGroup));
        const QString copy = dir.filePath(QStringLiteral("data/sample"));
        QCOMPARE(DataTreeChoice::WritableTree(sample, true, copy), copy);
        QCOMPARE(ReadWholeFile(copy + QStringLiteral("/house/97.lcr")), QByteArray("members"));
        QVERIFY(QFileInfo(copy + QStringLiteral("/house/97.lcr")).permissions() & QFile::WriteOwner);
        QVERIFY(!QFileInfo::exists(copy + QStringLiteral(".partial")));
        WriteWholeFile(copy + QStringLiteral("/rollscan.prf"), "changed");
        QCOMPARE(DataTreeChoice::WritableTree(sample, true, copy), copy);
        QCOMPARE(ReadWholeFile(copy + QStringLiteral("/rollscan.prf")), QByteArray("changed"));

        const QString unused = dir.filePath(QStringLiteral("unused"));
        QCOMPARE(DataTreeChoice::WritableTree(sample, false, unused), sample);
        QVERIFY(!QFileInfo::exists(unused));

        WriteWholeFile(dir.filePath(QStringLiteral("blocked")),
                       "file"); // a plain file where the copy's folder should be
        const QString blocked = dir.filePath(QStringLiteral("blocked/sample"));
        QVERIFY_THROWS_EXCEPTION(FileError, DataTreeChoice::WritableTree(sample, true, blocked));
        QVERIFY(!DataTreeChoice::IsDataTree(blocked));
    }
    void span_data()
    {
        QTest::addColumn<QList<int>>("house");
        QTest::addColumn<QList<int>>("senate");
        QTest::addColumn<QString>("caption");
        QTest::newRow("sample") << QList<int>{97, 102, 112} << QList<int>{25, 35, 110}
                                << "Roll Call Displays of the U.S. Congress, 1837-2012";
        QTest::newRow("one congress") << QList<int>{106} << QList<int>{}
                                      << "Roll Call Displays of the U.S. Congress, 1999-2000";
        QTest::newRow("first congress") << QList<int>{} << QList<int>{1}
                                        << "Roll Call Displays of the U.S. Congress, 1789-1790";
        QTest::newRow("nothing present") << QList<int>{} << QList<int>{}
                                         << "Roll Call Displays of the U.S. Congress, 1789-2000";
    }
    void span()
    {
        QFETCH(QList<int>, house);
        QFETCH(QList<int>, senate);
        QTEST(CongressSpanCaption(house, senate), "caption");
    }
};

QTEST_APPLESS_MAIN(TestDataTreeChoice)
#include "tst_datatreechoice.moc"
