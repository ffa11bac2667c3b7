// The weight file of a tree: its bytes, and the files its reader refuses.
#include "core/data/Bytes.h"
#include "core/data/FileError.h"
#include "core/data/FileIO.h"
#include "core/data/ScalingFile.h"

#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <limits>

using namespace rollscan;

namespace {
// A record as the format lays it out: version 1, the weight as float64, two 20-byte names.
QByteArray record(qint16 version, double weight, const QByteArray &c1 = "dim1", const QByteArray &c2 = "dim2")
{
    QByteArray out(50, ' ');
    qToLittleEndian<qint16>(version, out.data());
    qToLittleEndian<double>(weight, out.data() + 2);
    out.replace(10, c1.size(), c1);
    out.replace(30, c2.size(), c2);
    return out;
}

} // namespace

class TestScalingFile : public QObject {
    Q_OBJECT

private slots:
    // The writer's bytes, and a reader fed known bytes; a weight of exactly 1 is accepted and a tree
    // without the file has none.
    void knownBytes()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("scaling.dat"));
        ScalingFile{0.4156, QStringLiteral("congress_dim1"), QStringLiteral("congress_dim2")}.write(path);
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), record(1, 0.4156, "congress_dim1", "congress_dim2"));
        WriteWholeFile(path, record(1, 0.4156));
        QCOMPARE(ScalingFile::Read(path), (ScalingFile{0.4156, QStringLiteral("dim1"), QStringLiteral("dim2")}));
        WriteWholeFile(path, record(1, 1.0));
        QCOMPARE(ScalingFile::Read(path).weight, 1.0);
        QVERIFY(!ScalingFile::ReadIn(dir.path()).has_value());
    }

    void refusesBadFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("fileError"); // 0: a data error
        QTest::newRow("weight 0") << record(1, 0.0) << 0;
        QTest::newRow("weight above 1") << record(1, 1.0001) << 0;
        QTest::newRow("weight not a number") << record(1, std::numeric_limits<double>::quiet_NaN()) << 0;
        QTest::newRow("short by one byte") << record(1, 0.4156).left(49) << FileErrorNumber::PastEnd;
        QTest::newRow("unknown version") << record(2, 0.4156) << FileErrorNumber::BadFormat;
    }
    void refusesBadFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, fileError);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("main")));
        const QString path = ScalingFile::PathIn(dir.path());
        WriteWholeFile(path, bytes);
        try {
            ScalingFile::ReadIn(dir.path());
            QFAIL("the file was accepted");
        } catch (const FileError &e) {
            QCOMPARE(e.number(), fileError);
            QCOMPARE(e.path(), path);
        } catch (const DataError &e) {
            QCOMPARE(fileError, 0);
            QVERIFY2(e.message().startsWith(path + QStringLiteral(": the second-dimension weight ")),
                     qPrintable(e.message()));
            QVERIFY(e.message().endsWith(QStringLiteral(" is outside (0, 1]")));
        }
    }
};

QTEST_GUILESS_MAIN(TestScalingFile)
#include "tst_scalingfile.moc"
