// Import files read from known text, the reports of bad files, the classes of a data set and their
// colours, and the imported values on a shapefile layer.
#include "core/app/Session.h"
#include "core/data/FileError.h"
#include "core/data/FileIO.h"
#include "core/data/StateTable.h"
#include "core/geomap/DrawnMapPass.h"
#include "core/import/DrawnImport.h"
#include "core/import/ImportTexts.h"
#include "core/import/ImportedMap.h"
#include "core/import/QuantData.h"
#include "core/import/QuantKey.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace rollscan;

namespace {
StateTable States(int count)
{
    StateTable t;
    // Code 50 is a blank record, as between the regions of the real table.
    for (int i = 1; i <= count; ++i)
        t.records.append(
            StateRecord{i == 50 ? QString() : QStringLiteral("State %1").arg(i), QStringLiteral("S%1").arg(i % 10), 0});
    return t;
}

UsMapMember Member(int icpsr, int fips, int district, qint32 id1)
{
    UsMapMember m;
    m.icpsr = qint16(icpsr);
    m.fips = qint16(fips);
    m.district = qint16(district);
    m.id1 = id1;
    m.hasCoordinates = true;
    return m;
}
} // namespace

class TestQuantImport : public QObject {
    Q_OBJECT

private slots:
    void readsTitleDescriptionAndRows()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("v.hqd"));
        WriteWholeFile(path, "  Votes cast  \r\nCounted from the vote file.\r\n\r\nSecond line\r\n - \r\n"
                             "41, 1, 1290\r\n\r\n\"41\",2,-3.5e2\r\n5,0,17\r\n");
        const QuantData d = QuantData::Read(path, States(82));
        QCOMPARE(d.title, QStringLiteral("Votes cast"));
        QCOMPARE(d.descriptionText(), QStringLiteral("Counted from the vote file.\r\n\r\nSecond line"));
        QCOMPARE(d.previewText(), QStringLiteral("41,1,1290\r\n41,2,-3.5e2\r\n5,0,17"));
        QCOMPARE(d.rows.size(), 3);
        QCOMPARE(d.rows.at(1).state, 41);
        QCOMPARE(d.rows.at(1).item, 2);
        QCOMPARE(d.rows.at(1).value, -350.0);
        QCOMPARE(d.minimum, -350.0);
        QCOMPARE(d.maximum, 1290.0);
        // Senate member numbers are identification numbers, beyond a 16-bit field.
        WriteWholeFile(path, "t\n-\n41,49700,2\n");
        QCOMPARE(QuantData::Read(path, States(82)).rows.at(0).item, 49700);
    }

    // Each bad file's report, after the path: no dash line, an empty file, a short and a long row, a value or
    // a district that is no number, a state outside the table or a blank record of it, a missing file.
    void badFilesAreReported()
    {
        const QString opening = QStringLiteral("An error (%1) has occurred while opening the file you requested.\n");
        const QList<QPair<QByteArray, QString>> cases = {
            {"Title\nabout it\n41,1,3\n", opening.arg(62) + "line 3: no line \"-\" ends the description"},
            {"", opening.arg(62) + "line 1: the file is empty"},
            {"T\n-\n41,1,3\n41,2\n", opening.arg(62) + "line 4: 2 of the three items state, district or member, value"},
            {"T\n-\n41,1,3,4\n",
             opening.arg(13) + "line 3: 4 items where a row holds three (state, district or member, value)"},
            {"T\n-\n41,1,3\n41,2,many\n", opening.arg(13) + "line 4: the value \"many\" is not a number"},
            {"T\n-\n41,1.5,3\n", opening.arg(13) + "line 3: the district or member \"1.5\" is not a whole number"},
            {"T\n-\n41,1,3\n83,1,3\n", opening.arg(9) + "line 4: state code 83 is not in the state table"},
            {"T\n-\n50,1,3\n", opening.arg(9) + "line 3: state code 50 is not in the state table"},
            {QByteArray(), opening.arg(53) + "File not found"}};
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("bad.hqd"));
        for (const auto &[content, report] : cases) {
            QFile::remove(path);
            if (!content.isNull())
                WriteWholeFile(path, content);
            try {
                QuantData::Read(path, States(82));
                QFAIL("read a bad file");
            } catch (const FileError &e) {
                const QStringList lines = ImportErrorText(e).split(QLatin1Char('\n'));
                QCOMPARE(lines.at(0) + QLatin1Char('\n') + lines.at(1).mid(QDir::toNativeSeparators(path).size() + 2),
                         report);
                QVERIFY(lines.at(1).startsWith(QDir::toNativeSeparators(path) + QStringLiteral(": ")));
            }
        }
    }

    // Minimum, maximum, intervals, a value and its class.
    void classBoundaries()
    {
        const QList<std::tuple<double, double, int, double, int>> cases = {
            {0.0, 80.0, 8, 0.0, 1},        // the minimum
            {0.0, 80.0, 8, 10.0, 2},       // an interior bound goes up
            {0.0, 80.0, 8, 80.0, 8},       // the maximum
            {0.0, 80.0, 8, 80.5, 0},       // above
            {0.1, 0.7, 3, 0.7, 3},         // widths not exact in binary: the maximum still lands in n
            {0.1, 0.7, 3, 0.3, 2},         // and a bound goes up
            {-50.0, -10.0, 4, -40.0, 2},   // a negative range
            {5.0, 5.0, 8, 5.0, 8},         // all equal
            {1.0, 1001.0, 50, 1001.0, 50}, // 50 intervals
            {1.0, 1001.0, 50, 961.0, 49},  // and its bound 49
            {0.0, 10.0, 1, 5.0, 2}};       // clamped to 2 intervals
        for (const auto &[minimum, maximum, intervals, value, cls] : cases) {
            const QuantKey key = MakeQuantKey(minimum, maximum, intervals, Rgb{}, Rgb{255, 255, 255});
            QCOMPARE(key.classOf(value), cls);
            QCOMPARE(key.bounds.size(), key.intervals + 1);
            QCOMPARE(key.bounds.first(), minimum);
            QCOMPARE(key.bounds.last(), maximum);
        }
    }

    // Light yellow to red, as the standard preferences have it; blue to red, where stepping the packed
    // value would borrow into green; white to black; the same colour at both ends.
    void coloursPerChannel()
    {
        const auto between = [](int c, int a, int b) { return c >= std::min(a, b) && c <= std::max(a, b); };
        for (const auto &[start, end, intervals] : {std::tuple{14, 4, 8}, {9, 12, 50}, {15, 0, 3}, {2, 2, 5}}) {
            const Rgb s = ColourOf(start), e = ColourOf(end);
            const QuantKey key = MakeQuantKey(0.0, 1.0, intervals, s, e);
            QCOMPARE(key.colours.size(), intervals);
            QCOMPARE(key.colour(1), s);
            QCOMPARE(key.colour(intervals), e);
            for (int i = 1; i <= intervals; ++i) {
                const Rgb c = key.colour(i);
                QVERIFY2(between(c.red, s.red, e.red) && between(c.green, s.green, e.green) &&
                             between(c.blue, s.blue, e.blue),
                         qPrintable(QStringLiteral("class %1: %2,%3,%4").arg(i).arg(c.red).arg(c.green).arg(c.blue)));
            }
        }
        // Even steps: class 2 of (255, 255, 0) to (128, 0, 0) in 8 lies one seventh of the way.
        QCOMPARE(MakeQuantKey(0.0, 1.0, 8, ColourOf(14), ColourOf(4)).colour(2), (Rgb{237, 219, 0}));
    }

    void memberLookup()
    {
        QuantData d;
        d.rows = {{41, 1, 10.0, {}}, {41, 2, 20.0, {}}, {5, 0, 30.0, {}}};
        // A House district, one of another state; senators by id, member 0 (every senator), the first row.
        for (const auto &[house, state, district, id1, row] : {std::tuple{true, 41, 2, 999, 1},
                                                               {true, 42, 1, 999, -1},
                                                               {false, 41, 0, 2, 1},
                                                               {false, 5, 0, 12345, 2},
                                                               {false, 41, 0, 1, 0}})
            QCOMPARE(ImportRowFor(d, house, state, district, id1), row);
    }

    void senateLayerTakesTheMeanOfTwoSenators()
    {
        UsMapPass pass;
        pass.isHouse = false;
        // State 41 (FIPS 1) has two senators with values 10 and 30; state 5 (FIPS 9) one without
        // a row; FIPS 11 has no senators.
        pass.GisVoteTable = {Member(41, 1, 0, 100), Member(41, 1, 0, 200), Member(5, 9, 0, 300)};
        QuantData d;
        d.isHouse = false;
        d.rows = {{41, 100, 10.0, {}}, {41, 200, 30.0, {}}, {6, 0, 40.0, {}}};
        d.minimum = 10.0;
        d.maximum = 40.0;
        const QuantKey key = MakeQuantKey(d.minimum, d.maximum, 3, Rgb{255, 255, 0}, Rgb{128, 0, 0});
        const UsMapColouring c = ColourImported(pass, {QStringLiteral("1"), QStringLiteral("9"), QStringLiteral("11")},
                                                d, key, Preferences{});
        QCOMPARE(c.fills.size(), 3);
        // The mean 20 is the bound of class 2.
        QCOMPARE(c.fills.at(0).className, QStringLiteral("class-2"));
        QCOMPARE(c.fills.at(0).value, 20.0);
        QCOMPARE(c.fills.at(0).rgb, key.colour(2));
        QVERIFY(c.fills.at(0).graded && !c.fills.at(0).usesDefault);
        QCOMPARE(c.fills.at(1).className, QStringLiteral("default"));
        QVERIFY(c.fills.at(1).usesDefault && !c.fills.at(1).graded);
        QCOMPARE(c.fills.at(2).className, QStringLiteral("default"));

        // With the votes: one circle per senator with a value, side by side; none where no value shows.
        pass.GisVoteTable[0].voteClass = VoteClass::Yea;
        pass.GisVoteTable[1].voteClass = VoteClass::Nay;
        QCOMPARE(VoteCircles(pass, c, d, Preferences{}),
                 (QList<VoteCircle>{{0, 0, 2, Rgb{255, 255, 255}}, {0, 1, 2, Rgb{0, 0, 0}}}));

        StateFilter filter;
        filter.on = true;
        filter.selectedFips = {9};
        const UsMapColouring f =
            ColourImported(pass, {QStringLiteral("1"), QStringLiteral("9")}, d, key, Preferences{}, filter);
        QCOMPARE(f.fills.at(0).style, FillStyle::Transparent);
        QVERIFY(!f.fills.at(0).graded);
    }

    void drawnMapFillsByClass()
    {
        DrawnMapPass pass;
        auto member = [&](int state, int district, QList<QPair<int, int>> seeds, VoteClass cls) {
            DrawnMember m;
            m.state = qint16(state);
            m.district = qint16(district);
            m.voteClass = cls;
            m.seedCount = qint16(seeds.size());
            for (int i = 0; i < seeds.size(); ++i) {
                m.seedX[i] = qint16(seeds.at(i).first);
                m.seedY[i] = qint16(seeds.at(i).second);
            }
            pass.DrawnVoteTable.append(m);
        };
        member(13, 1, {{10, 20}}, VoteClass::Yea);
        member(13, 2, {{30, 40}, {31, 41}}, VoteClass::Nay);
        member(13, 3, {{50, 60}}, VoteClass::Yea); // no value: keeps the background
        member(5, 1, {}, VoteClass::NotAvailable); // two elected at large: their mean fills the state
        member(5, 2, {}, VoteClass::Yea);
        member(41, 1, {{70, 80}}, VoteClass::Yea);
        pass.DistrictTable.append({{5, 1, {100, 200, 0}}, -1});
        QuantData d;
        d.rows = {{13, 1, 10.0, {}}, {13, 2, 40.0, {}}, {5, 1, 20.0, {}}, {5, 2, 30.0, {}}, {41, 1, 35.0, {}}};
        const QuantKey key = MakeQuantKey(10.0, 40.0, 3, Rgb{255, 255, 0}, Rgb{128, 0, 0});
        const auto argb = [&](int cls) {
            const Rgb c = key.colour(cls);
            return 0xFF000000u | quint32(c.red) << 16 | quint32(c.green) << 8 | quint32(c.blue);
        };
        DrawnStateFilter filter;
        QCOMPARE(ImportFillPlan(pass, d, key, filter).fills,
                 (QList<DrawnFill>{{13, 1, {{10, 20}}, argb(1), 0},
                                   {13, 2, {{30, 40}, {31, 41}}, argb(3), 1},
                                   {41, 1, {{70, 80}}, argb(3), 5},
                                   {5, 0, {{100, 200}}, argb(2), -1}}));
        filter.on = true;
        filter.states = {13};
        QCOMPARE(ImportFillPlan(pass, d, key, filter).fills.size(), 2);
        QCOMPARE(DrawnVoteCircles(pass, d, Preferences{}, filter),
                 (QList<DrawnVoteCircle>{{{10, 20}, Rgb{255, 255, 255}}, {{30, 40}, Rgb{0, 0, 0}}}));
        QCOMPARE(DrawnValueTip(pass, d, 32, 39), QStringLiteral("Value: 40"));
        QCOMPARE(DrawnValueTip(pass, d, 52, 60), QString());
        // A Senate data set says nothing about districts.
        d.isHouse = false;
        QVERIFY(ImportFillPlan(pass, d, key, DrawnStateFilter{}).fills.isEmpty());
    }

    void circlesAndTexts()
    {
        Preferences p;
        p.setNotVotingColour(8);
        QCOMPARE(VoteCircleColour(VoteClass::Yea, p), (Rgb{255, 255, 255}));
        QCOMPARE(VoteCircleColour(VoteClass::NayYea, p), (Rgb{0, 0, 0}));
        QCOMPARE(VoteCircleColour(VoteClass::NotAvailable, p), (Rgb{128, 128, 128}));
        QCOMPARE(ValueTipText(1290), QStringLiteral("Value: 1290"));
        QCOMPARE(ValueTipText(20.25), QStringLiteral("Value: 20.25"));
        QCOMPARE(ImportedMapCaption(QStringLiteral("Votes"), true, QStringLiteral("H.R. 1")),
                 QStringLiteral("US Map Display - Votes, H.R. 1"));
        QCOMPARE(ImportedMapCaption(QStringLiteral("Votes"), false, QStringLiteral("H.R. 1")),
                 QStringLiteral("US Map Display - Votes"));
        QCOMPARE(ImportPrintTitle(QStringLiteral("Votes")), QStringLiteral(" ('Votes')"));
    }

    // A data set read over House 97 belongs to that House: another chamber or congress drops it.
    void importBelongsToItsChamberAndCongresses_data()
    {
        QTest::addColumn<QList<int>>("readFor");
        QTest::addColumn<bool>("house");
        QTest::addColumn<QList<int>>("searched");
        QTest::addColumn<bool>("kept");
        QTest::newRow("one congress shared") << QList<int>{97} << true << QList<int>{96, 97} << true;
        QTest::newRow("other congress") << QList<int>{97} << true << QList<int>{102} << false;
        QTest::newRow("other chamber") << QList<int>{97} << false << QList<int>{97} << false;
        QTest::newRow("congresses unknown") << QList<int>{} << true << QList<int>{102} << true;
    }
    void importBelongsToItsChamberAndCongresses()
    {
        QFETCH(QList<int>, readFor);
        QFETCH(bool, house);
        QFETCH(QList<int>, searched);
        QFETCH(bool, kept);
        Session s;
        s.importedData = {QStringLiteral("v.hqd"), true, readFor, {}, {}, {{1, 1, 5.0, {}}}, 5.0, 5.0};
        s.importedDataShown = s.importWithVotes = true;
        s.isHouse = house;
        s.selectedCongresses = searched;
        QCOMPARE(s.dropImportNotFitting(), !kept);
        QCOMPARE(s.importedData.rows.size() == 1 && s.importedDataShown && s.importWithVotes, kept);
    }
};

QTEST_GUILESS_MAIN(TestQuantImport)
#include "tst_quantimport.moc"
