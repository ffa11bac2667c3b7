// The command line, which data tree opens, the recent list, and the writable copy of a read-only tree.
#include "core/app/DataTreeChoice.h"
#include "core/app/StartOptions.h"
#include "core/data/FileError.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace rollscan;

namespace {
void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}
} // namespace

class TestDataTreeChoice : public QObject {
    Q_OBJECT

private slots:
    void commandLine_data();
    void commandLine();
    void helpNamesTheOptions();
    void isDataTree();
    void startTree_data();
    void startTree();
    void recentList_data();
    void recentList();
    void readOnlyTreeCopiedOnFirstUse();
    void writableTreeUsedInPlace();
    void failedCopyLeavesNothing();
};

void TestDataTreeChoice::commandLine_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<bool>("development");
    QTest::addColumn<QString>("tree");
    QTest::addColumn<QString>("error");
    QTest::newRow("nothing") << QStringList{} << false << ""
                             << "";
    QTest::newRow("development") << QStringList{"--development"} << true << ""
                                 << "";
    QTest::newRow("tree and development") << QStringList{"/data/tree", "--development"} << true << "/data/tree"
                                          << "";
    QTest::newRow("unknown option") << QStringList{"--develop"} << false << ""
                                    << "Unknown option 'develop'.";
    QTest::newRow("two trees") << QStringList{"a", "b"} << false << ""
                               << "Give one data tree at most.";
}

void TestDataTreeChoice::commandLine()
{
    QFETCH(QStringList, args);
    QFETCH(bool, development);
    QFETCH(QString, tree);
    QFETCH(QString, error);
    const StartOptions o = StartOptions::Parse(QStringList{QStringLiteral("rollscan")} + args);
    QCOMPARE(o.error, error);
    QCOMPARE(o.development, development);
    QCOMPARE(o.dataTree, tree);
    QVERIFY(!o.help);
}

void TestDataTreeChoice::helpNamesTheOptions()
{
    QVERIFY(StartOptions::Parse({QStringLiteral("rollscan"), QStringLiteral("--help")}).help);
    const QString help = StartOptions::HelpText();
    QVERIFY2(help.startsWith(QStringLiteral("Usage: rollscan [options] [DATA_TREE]\n")), qPrintable(help));
    QVERIFY(help.contains(QStringLiteral("--development")));
    QVERIFY(help.contains(QStringLiteral("Show the Development menu")));
}

void TestDataTreeChoice::isDataTree()
{
    QTemporaryDir dir;
    QVERIFY(!DataTreeChoice::IsDataTree(dir.path()));
    writeFile(dir.filePath(QStringLiteral("ROLLSCAN.PRF")), "x");
    QVERIFY(DataTreeChoice::IsDataTree(dir.path()));
    QVERIFY(!DataTreeChoice::IsDataTree(dir.filePath(QStringLiteral("nowhere"))));
    QVERIFY(!DataTreeChoice::IsDataTree(QString()));
}

void TestDataTreeChoice::startTree_data()
{
    QTest::addColumn<QString>("commandLine");
    QTest::addColumn<bool>("lastIsTree");
    QTest::addColumn<QString>("expected");
    QTest::newRow("command line wins") << "/given" << true << "/given";
    QTest::newRow("last used") << "" << true << "last";
    QTest::newRow("last used gone: sample") << "" << false << "/sample";
}

void TestDataTreeChoice::startTree()
{
    QFETCH(QString, commandLine);
    QFETCH(bool, lastIsTree);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    const QString last = dir.filePath(QStringLiteral("last"));
    QDir().mkpath(last);
    if (lastIsTree)
        writeFile(last + QStringLiteral("/rollscan.prf"), "x");
    const QString chosen = DataTreeChoice::StartTree(commandLine, last, QStringLiteral("/sample"));
    QCOMPARE(chosen, expected == QLatin1String("last") ? last : expected);
}

void TestDataTreeChoice::recentList_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("added");
    QTest::addColumn<QStringList>("after");
    QTest::newRow("first") << QStringList{} << "a" << QStringList{"a"};
    QTest::newRow("to the front") << QStringList{"a", "b"} << "c" << QStringList{"c", "a", "b"};
    QTest::newRow("moved, not doubled") << QStringList{"a", "b", "c"} << "b" << QStringList{"b", "a", "c"};
    QTest::newRow("same folder spelled otherwise") << QStringList{"a", "b"} << "b/../a/" << QStringList{"a", "b"};
    QTest::newRow("five kept") << QStringList{"a", "b", "c", "d", "e"} << "f" << QStringList{"f", "a", "b", "c", "d"};
}

void TestDataTreeChoice::recentList()
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

void TestDataTreeChoice::readOnlyTreeCopiedOnFirstUse()
{
    QTemporaryDir dir;
    const QString sample = dir.filePath(QStringLiteral("share/sample"));
    writeFile(sample + QStringLiteral("/rollscan.prf"), "prefs");
    writeFile(sample + QStringLiteral("/house/97.lcr"), "members");
    QVERIFY(QFile::setPermissions(sample + QStringLiteral("/house/97.lcr"), QFile::ReadOwner | QFile::ReadGroup));
    const QString copy = dir.filePath(QStringLiteral("data/sample"));

    QCOMPARE(DataTreeChoice::WritableTree(sample, true, copy), copy);
    QCOMPARE(readFile(copy + QStringLiteral("/rollscan.prf")), QByteArray("prefs"));
    QCOMPARE(readFile(copy + QStringLiteral("/house/97.lcr")), QByteArray("members"));
    QVERIFY(QFileInfo(copy + QStringLiteral("/house/97.lcr")).permissions() & QFile::WriteOwner);
    QVERIFY(!QFileInfo::exists(copy + QStringLiteral(".partial")));

    // The user's changes to the copy survive the next start.
    writeFile(copy + QStringLiteral("/rollscan.prf"), "changed");
    QCOMPARE(DataTreeChoice::WritableTree(sample, true, copy), copy);
    QCOMPARE(readFile(copy + QStringLiteral("/rollscan.prf")), QByteArray("changed"));
}

void TestDataTreeChoice::writableTreeUsedInPlace()
{
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("copy"));
    QCOMPARE(DataTreeChoice::WritableTree(dir.path(), false, copy), dir.path());
    QVERIFY(!QFileInfo::exists(copy));
}

void TestDataTreeChoice::failedCopyLeavesNothing()
{
    QTemporaryDir dir;
    const QString sample = dir.filePath(QStringLiteral("sample"));
    writeFile(sample + QStringLiteral("/rollscan.prf"), "prefs");
    // A plain file where the copy's parent folder should be.
    writeFile(dir.filePath(QStringLiteral("blocked")), "file");
    const QString copy = dir.filePath(QStringLiteral("blocked/sample"));
    QVERIFY_THROWS_EXCEPTION(FileError, DataTreeChoice::WritableTree(sample, true, copy));
    QVERIFY(!DataTreeChoice::IsDataTree(copy));
}

QTEST_APPLESS_MAIN(TestDataTreeChoice)
#include "tst_datatreechoice.moc"
