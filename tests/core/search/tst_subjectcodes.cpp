// Subject-code files: columns, line ends, limits, and what the picker hands back.
#include "core/data/FileError.h"
#include "core/search/SubjectCodeTable.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace rollscan;

class TestSubjectCodes : public QObject {
    Q_OBJECT

private slots:
    void lines_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("code");
        QTest::addColumn<QStringList>("texts"); // the code's text, the name
        QTest::newRow("three digits") << QByteArray("101   Defense budget") << 101
                                      << QStringList{"101", "Defense budget"};
        QTest::newRow("trailing blanks removed")
            << QByteArray("  7   Tariffs    ") << 7 << QStringList{"  7", "Tariffs"};
        QTest::newRow("separator never in the name") << QByteArray("5  x  Name") << 5 << QStringList{"5  ", "Name"};
        QTest::newRow("name with inner blanks")
            << QByteArray("44    Public  Works") << 44 << QStringList{"44 ", "Public  Works"};
        QTest::newRow("code alone") << QByteArray("9") << 9 << QStringList{"9", ""};
        QTest::newRow("Windows-1252 name")
            << QByteArray("300   Caf\xe9 \x93tax\x94") << 300 << QStringList{"300", QString::fromUtf8("Café “tax”")};
    }
    void lines()
    {
        QFETCH(QByteArray, line);
        QFETCH(int, code);
        const SubjectCodeTable t = SubjectCodeTable::Parse(line + "\r\n", QStringLiteral("codes.dat"));
        QCOMPARE(t.subjectCodeCount(), 1);
        QCOMPARE(t.rows().at(0).code, code);
        QTEST((QStringList{t.rows().at(0).codeText, t.rows().at(0).name}), "texts");
    }
    // Any line end, blank lines skipped; at most 200 rows are read.
    void lineEndsAndLimit()
    {
        for (const QByteArray &content :
             {QByteArray("1     One\r2     Two\r3     Three\r"), QByteArray("1     One\n2     Two\n3     Three"),
              QByteArray("1     One\r\n\r\n2     Two\r\n   \r\n3     Three\r\n\r\n")}) {
            const SubjectCodeTable t = SubjectCodeTable::Parse(content, QStringLiteral("codes.dat"));
            QCOMPARE(t.names(), (QStringList{"One", "Two", "Three"}));
            QCOMPARE(t.rows().at(2).code, 3);
            QVERIFY(!t.truncated());
        }
        QByteArray content;
        for (int i = 1; i <= 205; ++i)
            content += QByteArray::number(i).rightJustified(3, ' ') + "   Subject " + QByteArray::number(i) + "\r";
        const SubjectCodeTable t = SubjectCodeTable::Parse(content, QStringLiteral("codes.dat"));
        QCOMPARE(t.subjectCodeCount(), 200);
        QVERIFY(t.truncated());
        QCOMPARE(t.rows().last().name, QStringLiteral("Subject 200"));
    }
    void badFiles()
    {
        const QList<QPair<QByteArray, int>> bad = {
            {QByteArray(), 62}, {QByteArray("\r\n  \r\n"), 62}, {QByteArray("1     One\r\nAB    Two\r\n"), 321}};
        for (const auto &[content, error] : bad) {
            try {
                SubjectCodeTable::Parse(content, QStringLiteral("/data/main/isscodes.dat"));
                QFAIL("a bad code file must be reported");
            } catch (const FileError &e) {
                QCOMPARE(e.number(), error);
                QCOMPARE(e.path(), QStringLiteral("/data/main/isscodes.dat"));
            }
        }
        QTemporaryDir dir;
        try {
            SubjectCodeTable::Read(dir.filePath(QStringLiteral("pelcodes.dat")));
            QFAIL("a missing code file must be reported");
        } catch (const FileError &e) {
            QCOMPARE(e.number(), 53);
        }
    }
    // List rows as a list box reports them, in any order, are handed back in list order, 100 at most.
    void choose()
    {
        QByteArray content;
        QList<int> all;
        for (int i = 1; i <= 150; ++i) {
            content += QByteArray::number(i).rightJustified(3, ' ') + "   S" + QByteArray::number(i) + "\r\n";
            all.append(i - 1);
        }
        const SubjectCodeTable t = SubjectCodeTable::Parse(content, QStringLiteral("codes.dat"));
        const ChosenSubjects chosen = t.choose({2, 0, 170, 2});
        QCOMPARE(chosen.codes, (QList<int>{1, 3}));
        QCOMPARE(chosen.names, (QStringList{"S1", "S3"}));
        const ChosenSubjects most = t.choose(all);
        QCOMPARE(most.codes.size(), 100);
        QCOMPARE(most.codes.last(), 100);
        QCOMPARE(most.names.last(), QStringLiteral("S100"));
    }
    void schemes()
    {
        QCOMPARE((QStringList{SubjectCodeFileName(SubjectScheme::Issue), SubjectCodeFileName(SubjectScheme::Clausen),
                              SubjectCodeFileName(SubjectScheme::Peltzman)}),
                 (QStringList{"isscodes.dat", "clacodes.dat", "pelcodes.dat"}));
    }
};

QTEST_APPLESS_MAIN(TestSubjectCodes)
#include "tst_subjectcodes.moc"
