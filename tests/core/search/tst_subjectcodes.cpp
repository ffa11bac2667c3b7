// Subject-code files: columns, line ends, limits, and what the picker hands back.
#include "core/data/FileError.h"
#include "core/search/SubjectCodeTable.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace rollscan;

Q_DECLARE_METATYPE(rollscan::SubjectScheme)

class TestSubjectCodes : public QObject {
    Q_OBJECT

private slots:
    void lines_data();
    void lines();
    void lineEnds_data();
    void lineEnds();
    void stopsAtTwoHundredRows();
    void badFiles_data();
    void badFiles();
    void readsFromDisk();
    void choose();
    void chooseStopsAtOneHundred();
    void schemes_data();
    void schemes();
};

void TestSubjectCodes::lines_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("codeText");
    QTest::addColumn<QString>("name");
    QTest::newRow("three digits") << QByteArray("101   Defense budget") << 101 << "101"
                                  << "Defense budget";
    QTest::newRow("leading blank") << QByteArray(" 12   Agriculture") << 12 << " 12"
                                   << "Agriculture";
    QTest::newRow("trailing blanks removed") << QByteArray("  7   Tariffs    ") << 7 << "  7"
                                             << "Tariffs";
    QTest::newRow("separator never in the name") << QByteArray("5  x  Name") << 5 << "5  "
                                                 << "Name";
    QTest::newRow("name with inner blanks") << QByteArray("44    Public  Works") << 44 << "44 "
                                            << "Public  Works";
    QTest::newRow("code alone") << QByteArray("9") << 9 << "9"
                                << "";
    QTest::newRow("Windows-1252 name") << QByteArray("300   Caf\xe9 \x93tax\x94") << 300 << "300"
                                       << QString::fromUtf8("Café “tax”");
}

void TestSubjectCodes::lines()
{
    QFETCH(QByteArray, line);
    QFETCH(int, code);
    QFETCH(QString, codeText);
    QFETCH(QString, name);
    const SubjectCodeTable t = SubjectCodeTable::Parse(line + "\r\n", QStringLiteral("codes.dat"));
    QCOMPARE(t.subjectCodeCount(), 1);
    QCOMPARE(t.rows().at(0).code, code);
    QCOMPARE(t.rows().at(0).codeText, codeText);
    QCOMPARE(t.rows().at(0).name, name);
}

void TestSubjectCodes::lineEnds_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("CR LF") << QByteArray("1     One\r\n2     Two\r\n3     Three\r\n");
    QTest::newRow("CR only") << QByteArray("1     One\r2     Two\r3     Three\r");
    QTest::newRow("LF only") << QByteArray("1     One\n2     Two\n3     Three\n");
    QTest::newRow("no end on the last line") << QByteArray("1     One\r\n2     Two\r\n3     Three");
    QTest::newRow("blank lines skipped") << QByteArray("1     One\r\n\r\n2     Two\r\n   \r\n3     Three\r\n\r\n");
}

void TestSubjectCodes::lineEnds()
{
    QFETCH(QByteArray, content);
    const SubjectCodeTable t = SubjectCodeTable::Parse(content, QStringLiteral("codes.dat"));
    QCOMPARE(t.names(), (QStringList{"One", "Two", "Three"}));
    QCOMPARE(t.rows().at(2).code, 3);
    QVERIFY(!t.truncated());
}

void TestSubjectCodes::stopsAtTwoHundredRows()
{
    QByteArray content;
    for (int i = 1; i <= 205; ++i)
        content += QByteArray::number(i).rightJustified(3, ' ') + "   Subject " + QByteArray::number(i) + "\r";
    const SubjectCodeTable t = SubjectCodeTable::Parse(content, QStringLiteral("codes.dat"));
    QCOMPARE(t.subjectCodeCount(), 200);
    QVERIFY(t.truncated());
    QCOMPARE(t.rows().last().code, 200);
    QCOMPARE(t.rows().last().name, QStringLiteral("Subject 200"));

    content.truncate(content.indexOf("201   "));
    const SubjectCodeTable exact = SubjectCodeTable::Parse(content, QStringLiteral("codes.dat"));
    QCOMPARE(exact.subjectCodeCount(), 200);
    QVERIFY(!exact.truncated());
}

void TestSubjectCodes::badFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("error");
    QTest::newRow("empty file") << QByteArray() << 62;
    QTest::newRow("blank lines only") << QByteArray("\r\n  \r\n") << 62;
    QTest::newRow("no number in columns 1-3") << QByteArray("1     One\r\nAB    Two\r\n") << 321;
}

void TestSubjectCodes::badFiles()
{
    QFETCH(QByteArray, content);
    QFETCH(int, error);
    try {
        SubjectCodeTable::Parse(content, QStringLiteral("/data/main/isscodes.dat"));
        QFAIL("a bad code file must be reported");
    } catch (const FileError &e) {
        QCOMPARE(e.number(), error);
        QCOMPARE(e.path(), QStringLiteral("/data/main/isscodes.dat"));
    }
}

void TestSubjectCodes::readsFromDisk()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("clacodes.dat"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("  1   Government Management\r\n  2   Civil Liberties\r\n");
    f.close();
    QCOMPARE(SubjectCodeTable::Read(path).names(), (QStringList{"Government Management", "Civil Liberties"}));
    try {
        SubjectCodeTable::Read(dir.filePath(QStringLiteral("pelcodes.dat")));
        QFAIL("a missing code file must be reported");
    } catch (const FileError &e) {
        QCOMPARE(e.number(), 53);
    }
}

void TestSubjectCodes::choose()
{
    const SubjectCodeTable t =
        SubjectCodeTable::Parse("10    Ten\r\n20    Twenty\r\n30    Thirty\r\n", QStringLiteral("codes.dat"));
    // List rows as a list box reports them, in any order: handed back in list order.
    const ChosenSubjects chosen = t.choose({2, 0, 7, 2});
    QCOMPARE(chosen.codes, (QList<int>{10, 30}));
    QCOMPARE(chosen.names, (QStringList{"Ten", "Thirty"}));
    const ChosenSubjects none = t.choose({});
    QVERIFY(none.codes.isEmpty());
    QVERIFY(none.names.isEmpty());
}

void TestSubjectCodes::chooseStopsAtOneHundred()
{
    QByteArray content;
    for (int i = 1; i <= 150; ++i)
        content += QByteArray::number(i).rightJustified(3, ' ') + "   S" + QByteArray::number(i) + "\r\n";
    const SubjectCodeTable t = SubjectCodeTable::Parse(content, QStringLiteral("codes.dat"));
    QList<int> all;
    for (int i = 0; i < 150; ++i)
        all.append(i);
    const ChosenSubjects chosen = t.choose(all);
    QCOMPARE(chosen.codes.size(), 100);
    QCOMPARE(chosen.codes.last(), 100);
    QCOMPARE(chosen.names.last(), QStringLiteral("S100"));
}

void TestSubjectCodes::schemes_data()
{
    QTest::addColumn<SubjectScheme>("scheme");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("caption");
    QTest::newRow("issue") << SubjectScheme::Issue << "isscodes.dat"
                           << "Subject Access: Issue Codes";
    QTest::newRow("clausen") << SubjectScheme::Clausen << "clacodes.dat"
                             << "Subject Access: Clausen Codes";
    QTest::newRow("peltzman") << SubjectScheme::Peltzman << "pelcodes.dat"
                              << "Subject Access: Peltzman Codes";
}

void TestSubjectCodes::schemes()
{
    QFETCH(SubjectScheme, scheme);
    QFETCH(QString, file);
    QFETCH(QString, caption);
    QCOMPARE(SubjectCodeFileName(scheme), file);
    QCOMPARE(SubjectAccessCaption(scheme), caption);
}

QTEST_APPLESS_MAIN(TestSubjectCodes)
#include "tst_subjectcodes.moc"
