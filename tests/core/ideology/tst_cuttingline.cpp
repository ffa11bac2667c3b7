#include "core/ideology/CuttingLine.h"
#include "core/ideology/NumberFormat.h"

#include <QtTest>

using namespace rollscan;

Q_DECLARE_METATYPE(rollscan::VoteClass)

namespace {
constexpr double kTolerance = 1e-5;

bool near(double a, double b)
{
    return qAbs(a - b) < kTolerance;
}
} // namespace

class TestCuttingLine : public QObject {
    Q_OBJECT
private slots:
    void lineAndOutcomePoints_data();
    void lineAndOutcomePoints();
    void lineIsEquidistantFromOutcomePoints_data();
    void lineIsEquidistantFromOutcomePoints();
    void mapPoint_data();
    void mapPoint();
    void zeroCoordinatesMeanNoScaling();
    void classificationError_data();
    void classificationError();
    void errorCorrection_data();
    void errorCorrection();
    void reductionInError_data();
    void reductionInError();
};

void TestCuttingLine::lineAndOutcomePoints_data()
{
    QTest::addColumn<bool>("isHouse");
    QTest::addColumn<float>("spread1");
    QTest::addColumn<float>("spread2");
    QTest::addColumn<float>("mid1");
    QTest::addColumn<float>("mid2");
    QTest::addColumn<bool>("noLine");
    QTest::addColumn<QList<double>>("ends");     // x1 y1 x2 y2
    QTest::addColumn<QList<double>>("outcomes"); // yea x, y, nay x, y

    QTest::newRow("vertical line through the centre")
        << true << 0.2f << 0.0f << 0.0f << 0.0f << false << QList<double>{0, -1.1, 0, 1.1}
        << QList<double>{-0.2, 0, 0.2, 0};
    QTest::newRow("Senate, same roll call") << false << 0.2f << 0.0f << 0.0f << 0.0f << false
                                            << QList<double>{0, -1.1, 0, 1.1} << QList<double>{-0.2, 0, 0.2, 0};
    // The segment is centred on the foot of the perpendicular from the map's centre.
    QTest::newRow("House, tilted, off-centre midpoint")
        << true << 0.2f << 0.5f << 0.0f << 0.5f << false << QList<double>{0.518875, -0.977186, -0.298185, 1.065462}
        << QList<double>{-0.2, 0.0, 0.2, 0.64};
    QTest::newRow("Senate, tilted, off-centre midpoint")
        << false << 0.25f << -0.5f << 0.1f << -0.2f << false << QList<double>{-0.215254, -1.087314, 0.474177, 1.001869}
        << QList<double>{-0.15, 0.198, 0.35, -0.462};
    QTest::newRow("unanimous: both spreads 0") << true << 0.0f << 0.0f << 0.3f << 0.4f << true
                                               << QList<double>{0, 0, 0, 0} << QList<double>{0.3, 0.256, 0.3, 0.256};
    QTest::newRow("horizontal line") << true << 0.0f << 0.5f << 0.3f << 0.5f << false
                                     << QList<double>{1.1, 0.32, -1.1, 0.32} << QList<double>{0.3, 0.0, 0.3, 0.64};
}

void TestCuttingLine::lineAndOutcomePoints()
{
    QFETCH(bool, isHouse);
    QFETCH(float, spread1);
    QFETCH(float, spread2);
    QFETCH(float, mid1);
    QFETCH(float, mid2);
    QFETCH(bool, noLine);
    QFETCH(QList<double>, ends);
    QFETCH(QList<double>, outcomes);

    const CuttingLine line = CalcCoordinates(isHouse, spread1, spread2, mid1, mid2);
    QCOMPARE(line.noLine, noLine);
    QCOMPARE(line.DimTwoFactor, isHouse ? 0.32 : 0.33);
    const QList<double> gotEnds{line.end1.x, line.end1.y, line.end2.x, line.end2.y};
    const QList<double> gotOutcomes{line.yeaPoint.x, line.yeaPoint.y, line.nayPoint.x, line.nayPoint.y};
    for (int i = 0; i < 4; ++i) {
        QVERIFY2(near(gotEnds[i], ends[i]),
                 qPrintable(QStringLiteral("end coordinate %1: %2, expected %3").arg(i).arg(gotEnds[i]).arg(ends[i])));
        QVERIFY2(
            near(gotOutcomes[i], outcomes[i]),
            qPrintable(
                QStringLiteral("outcome coordinate %1: %2, expected %3").arg(i).arg(gotOutcomes[i]).arg(outcomes[i])));
    }
    if (!noLine)
        QVERIFY(near(std::hypot(line.end1.x - line.end2.x, line.end1.y - line.end2.y), 2.2));
}

void TestCuttingLine::lineIsEquidistantFromOutcomePoints_data()
{
    QTest::addColumn<bool>("isHouse");
    QTest::addColumn<float>("spread1");
    QTest::addColumn<float>("spread2");
    QTest::addColumn<float>("mid1");
    QTest::addColumn<float>("mid2");
    QTest::newRow("House") << true << 0.3f << 0.4f << -0.2f << 0.1f;
    QTest::newRow("Senate") << false << -0.15f << 0.8f << 0.35f << -0.6f;
    QTest::newRow("steep") << true << 0.9f << 0.01f << 0.0f << 0.9f;
}

void TestCuttingLine::lineIsEquidistantFromOutcomePoints()
{
    QFETCH(bool, isHouse);
    QFETCH(float, spread1);
    QFETCH(float, spread2);
    QFETCH(float, mid1);
    QFETCH(float, mid2);
    const CuttingLine line = CalcCoordinates(isHouse, spread1, spread2, mid1, mid2);
    QVERIFY(!line.noLine);
    for (const MapPoint &p : {line.end1, line.end2, line.centre})
        QVERIFY(near(DisplayDistance2(p, line.yeaPoint), DisplayDistance2(p, line.nayPoint)));
}

void TestCuttingLine::mapPoint_data()
{
    QTest::addColumn<bool>("isHouse");
    QTest::addColumn<double>("y");
    QTest::newRow("House") << true << 0.32;
    QTest::newRow("Senate") << false << 0.33;
}

void TestCuttingLine::mapPoint()
{
    QFETCH(bool, isHouse);
    QFETCH(double, y);
    const MapPoint p = MapPointOf(isHouse, 0.5f, 0.5f);
    QCOMPARE(p.x, 0.5);
    QVERIFY(near(p.y, y));
}

void TestCuttingLine::zeroCoordinatesMeanNoScaling()
{
    QVERIFY(!HasCoordinates(0.0f, 0.0f));
    QVERIFY(HasCoordinates(0.0f, 0.1f));
    QVERIFY(HasCoordinates(-0.1f, 0.0f));
}

void TestCuttingLine::classificationError_data()
{
    QTest::addColumn<VoteClass>("cls");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<bool>("error");
    // Line x = 0; Yea point (-0.2, 0), Nay point (0.2, 0).
    QTest::newRow("yea on the yea side") << VoteClass::Yea << -0.5 << 0.1 << false;
    QTest::newRow("yea on the nay side") << VoteClass::Yea << 0.3 << -0.2 << true;
    QTest::newRow("yea exactly equidistant") << VoteClass::Yea << 0.0 << 0.3 << false;
    QTest::newRow("nay exactly equidistant") << VoteClass::Nay << 0.0 << -0.7 << false;
    QTest::newRow("nay on the yea side") << VoteClass::Nay << -0.4 << 0.2 << true;
    QTest::newRow("nay on the nay side") << VoteClass::Nay << 0.4 << 0.2 << false;
    QTest::newRow("not available never errs") << VoteClass::NotAvailable << 0.9 << 0.0 << false;
    QTest::newRow("yea-nay never errs") << VoteClass::YeaNay << 0.9 << 0.0 << false;
    QTest::newRow("nay-yea never errs") << VoteClass::NayYea << -0.9 << 0.0 << false;
    QTest::newRow("no match never errs") << VoteClass::NoMatch << 0.9 << 0.0 << false;
}

void TestCuttingLine::classificationError()
{
    QFETCH(VoteClass, cls);
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(bool, error);
    const CuttingLine line = CalcCoordinates(true, 0.2f, 0.0f, 0.0f, 0.0f);
    QCOMPARE(IsClassificationError(cls, MapPoint{x, y}, line), error);
}

void TestCuttingLine::errorCorrection_data()
{
    QTest::addColumn<int>("counted");
    QTest::addColumn<int>("yea");
    QTest::addColumn<int>("nay");
    QTest::addColumn<int>("errors");
    QTest::addColumn<int>("minority");
    QTest::newRow("70 of 100 read from the other side") << 70 << 60 << 40 << 30 << 40;
    QTest::newRow("exactly half stays") << 50 << 60 << 40 << 50 << 40;
    QTest::newRow("just over half") << 51 << 60 << 40 << 49 << 40;
    QTest::newRow("few errors stay") << 10 << 60 << 40 << 10 << 40;
    QTest::newRow("no nays") << 0 << 95 << 0 << 0 << 0;
    QTest::newRow("no yeas") << 0 << 0 << 12 << 0 << 0;
}

void TestCuttingLine::errorCorrection()
{
    QFETCH(int, counted);
    QFETCH(int, yea);
    QFETCH(int, nay);
    QFETCH(int, errors);
    QFETCH(int, minority);
    QCOMPARE(CorrectedErrorCount(counted, yea, nay), errors);
    QCOMPARE(MinorityCount(yea, nay), minority);
}

void TestCuttingLine::reductionInError_data()
{
    QTest::addColumn<int>("minority");
    QTest::addColumn<int>("errors");
    QTest::addColumn<QString>("shown");
    QTest::newRow("(40 - 10) / 40") << 40 << 10 << QStringLiteral(".75");
    QTest::newRow("no minority") << 0 << 0 << QStringLiteral(".0");
    QTest::newRow("no errors") << 40 << 0 << QStringLiteral("1.0");
    QTest::newRow("three decimals") << 7 << 1 << QStringLiteral(".857");
    QTest::newRow("one half") << 2 << 1 << QStringLiteral(".5");
    QTest::newRow("rounded") << 3 << 1 << QStringLiteral(".667");
    QTest::newRow("all errors") << 5 << 5 << QStringLiteral(".0");
    QTest::newRow("more errors than the minority") << 4 << 5 << QStringLiteral("-.25");
}

void TestCuttingLine::reductionInError()
{
    QFETCH(int, minority);
    QFETCH(int, errors);
    QFETCH(QString, shown);
    QCOMPARE(FormatPre(ProportionalReduction(minority, errors)), shown);
}

QTEST_APPLESS_MAIN(TestCuttingLine)
#include "tst_cuttingline.moc"
