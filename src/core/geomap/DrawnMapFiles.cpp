#include "core/geomap/DrawnMapFiles.h"

#include "core/data/Bytes.h"
#include "core/data/DataTree.h"
#include "core/data/FileError.h"
#include "core/data/FileIO.h"

#include <limits>

namespace rollscan {

namespace {
constexpr int kNameWidth = 22;
constexpr int kPointLength = 4;
constexpr int kRecordLength = 10; // .cds, .ctr and .cit records
constexpr int kMaxRecords = std::numeric_limits<qint16>::max();

// The file as records of `length` bytes, `count` of them (every whole record when count < 0).
QByteArray ReadRecords(const QString &path, int length, int count)
{
    if (count < -1)
        throw FileError(FileErrorNumber::BadFormat, path, QStringLiteral("Negative record count %1").arg(count));
    const QByteArray data = ReadWholeFile(path);
    if (count < 0 && data.size() % length != 0)
        throw FileError(
            FileErrorNumber::PastEnd, path,
            QStringLiteral("Size %1 is not a whole number of %2-byte records").arg(data.size()).arg(length));
    if (count >= 0 && data.size() < qsizetype(count) * length)
        throw FileError(FileErrorNumber::PastEnd, path,
                        QStringLiteral("%1 records of %2 bytes asked for, the file holds %3 bytes")
                            .arg(count)
                            .arg(length)
                            .arg(data.size()));
    return count < 0 ? data : data.first(qsizetype(count) * length);
}

void CheckAddressable(qsizetype count, const QString &path)
{
    if (count > kMaxRecords)
        throw DataError(QStringLiteral("%1: %2 records are more than a 16-bit count can address").arg(path).arg(count));
}

// Five 16-bit fields per record, in file order.
template <typename Record, typename Decode>
QList<Record> ReadFiveFieldRecords(const QString &path, int count, Decode decode)
{
    const QByteArray data = ReadRecords(path, kRecordLength, count);
    const ByteReader in(data, path);
    QList<Record> out;
    out.reserve(data.size() / kRecordLength);
    for (qsizetype off = 0; off < data.size(); off += kRecordLength)
        out.append(decode(
            std::array<qint16, 5>{in.i16(off), in.i16(off + 2), in.i16(off + 4), in.i16(off + 6), in.i16(off + 8)}));
    return out;
}

template <typename Record, typename Encode>
void WriteFiveFieldRecords(const QString &path, const QList<Record> &records, Encode encode)
{
    CheckAddressable(records.size(), path);
    QByteArray out;
    out.reserve(records.size() * kRecordLength);
    for (const Record &r : records) {
        const std::array<qint16, 5> f = encode(r);
        ByteWriter w(kRecordLength);
        for (int i = 0; i < 5; ++i)
            w.setI16(i * 2, f[i]);
        out.append(w.data());
    }
    WriteWholeFile(path, out);
}
} // namespace

QList<StatePoint> StateOutlines::outline(int i) const
{
    const MapIndexRecord &r = index.at(i);
    if (r.firstPoint < 1 || r.pointCount < 0 || r.firstPoint - 1 + r.pointCount > points.size())
        throw FileError(FileErrorNumber::PastEnd, QStringLiteral("map.dat"),
                        QStringLiteral("Outline %1 reaches past point %2").arg(r.name).arg(points.size()));
    return points.mid(r.firstPoint - 1, r.pointCount);
}

QString MapIndexPath(const QString &root)
{
    return DataFileName(root, kMainDir, QStringLiteral("mapindex.dat"));
}

QString MapPointsPath(const QString &root)
{
    return DataFileName(root, kMainDir, QStringLiteral("map.dat"));
}

QString CityBoxesPath(const QString &root)
{
    return DataFileName(root, kMainDir, QStringLiteral("city.dat"));
}

StateOutlines ReadStateOutlines(const QString &root)
{
    const QString indexPath = MapIndexPath(root);
    const QByteArray indexData = ReadRecords(indexPath, StateOutlines::kIndexRecordLength, StateOutlines::kRecords);
    const ByteReader in(indexData, indexPath);
    StateOutlines out;
    for (qsizetype off = 0; off < indexData.size(); off += StateOutlines::kIndexRecordLength) {
        MapIndexRecord r;
        r.name = in.text(off, kNameWidth).trimmed();
        r.firstYear = in.i16(off + 22);
        r.firstPoint = in.i16(off + 24);
        r.pointCount = in.i16(off + 26);
        if (r.pointCount < 0 || (r.pointCount > 0 && r.firstPoint < 1))
            throw FileError(FileErrorNumber::BadFormat, indexPath,
                            QStringLiteral("Outline %1 starts at point %2 with %3 points")
                                .arg(r.name)
                                .arg(r.firstPoint)
                                .arg(r.pointCount));
        out.index.append(r);
    }
    const QString pointsPath = MapPointsPath(root);
    const QByteArray pointData = ReadRecords(pointsPath, kPointLength, -1);
    const ByteReader points(pointData, pointsPath);
    out.points.reserve(pointData.size() / kPointLength);
    for (qsizetype off = 0; off < pointData.size(); off += kPointLength)
        out.points.append({points.i16(off), points.i16(off + 2)});
    for (const MapIndexRecord &r : std::as_const(out.index))
        if (r.pointCount > 0 && r.firstPoint - 1 + r.pointCount > out.points.size())
            throw FileError(FileErrorNumber::PastEnd, pointsPath,
                            QStringLiteral("Outline %1 reaches past point %2").arg(r.name).arg(out.points.size()));
    return out;
}

void WriteStateOutlines(const QString &root, const StateOutlines &outlines)
{
    if (outlines.index.size() != StateOutlines::kRecords)
        throw DataError(QStringLiteral("mapindex.dat: %1 outlines, not 63").arg(outlines.index.size()));
    CheckAddressable(outlines.points.size(), MapPointsPath(root));
    QByteArray index;
    for (const MapIndexRecord &r : outlines.index) {
        ByteWriter w(StateOutlines::kIndexRecordLength);
        w.setText(0, r.name, kNameWidth);
        w.setI16(22, r.firstYear);
        w.setI16(24, r.firstPoint);
        w.setI16(26, r.pointCount);
        index.append(w.data());
    }
    QByteArray points;
    for (const StatePoint &p : outlines.points) {
        ByteWriter w(kPointLength);
        w.setI16(0, p.x);
        w.setI16(2, p.y);
        points.append(w.data());
    }
    // The points first: an index never names points that are not there.
    WriteWholeFile(MapPointsPath(root), points);
    WriteWholeFile(MapIndexPath(root), index);
}

QList<OutlinePoint> ReadOutlinePoints(const QString &path, int count)
{
    return ReadFiveFieldRecords<OutlinePoint>(path, count, [](const std::array<qint16, 5> &f) {
        return OutlinePoint{f[0], f[1], f[2], f[3], f[4]};
    });
}

void WriteOutlinePoints(const QString &path, const QList<OutlinePoint> &points)
{
    WriteFiveFieldRecords(path, points, [](const OutlinePoint &p) {
        return std::array<qint16, 5>{p.pen, p.unused, p.district, p.x, p.y};
    });
}

QList<DistrictSeedRecord> ReadDistrictSeeds(const QString &path, int count)
{
    return ReadFiveFieldRecords<DistrictSeedRecord>(path, count, [](const std::array<qint16, 5> &f) {
        return DistrictSeedRecord{f[0], f[1], {f[2], f[3], f[4]}};
    });
}

void WriteDistrictSeeds(const QString &path, const QList<DistrictSeedRecord> &seeds)
{
    WriteFiveFieldRecords(path, seeds, [](const DistrictSeedRecord &s) {
        return std::array<qint16, 5>{s.state, s.district, s.extra[0], s.extra[1], s.extra[2]};
    });
}

QList<CityPoint> ReadCityPoints(const QString &path)
{
    return ReadFiveFieldRecords<CityPoint>(path, -1, [](const std::array<qint16, 5> &f) {
        return CityPoint{f[0], f[1], f[2], f[3], f[4]};
    });
}

void WriteCityPoints(const QString &path, const QList<CityPoint> &points)
{
    WriteFiveFieldRecords(path, points, [](const CityPoint &p) {
        return std::array<qint16, 5>{p.city, p.x, p.district, p.unused, p.y};
    });
}

QList<CityBox> ReadCityBoxes(const QString &path)
{
    const QByteArray data = ReadWholeFile(path);
    QList<CityBox> out;
    int lineNumber = 0;
    for (const QByteArray &line : data.split('\n')) {
        ++lineNumber;
        const QString text = QString::fromLatin1(line).trimmed();
        if (text.isEmpty())
            continue;
        const QStringList items = text.split(QLatin1Char(','));
        bool ok = items.size() == 6;
        CityBox box;
        if (ok)
            box.congress = items.at(0).trimmed().toInt(&ok);
        std::array<qint16, 4> corner{};
        for (int i = 0; ok && i < 4; ++i)
            corner[i] = items.at(2 + i).trimmed().toShort(&ok);
        if (!ok)
            throw FileError(FileErrorNumber::BadFormat, path,
                            QStringLiteral("Line %1 is not congress, city, x1, y1, x2, y2").arg(lineNumber));
        box.item = items.at(1).trimmed();
        box.x1 = corner[0];
        box.y1 = corner[1];
        box.x2 = corner[2];
        box.y2 = corner[3];
        out.append(box);
    }
    return out;
}

void WriteCityBoxes(const QString &path, const QList<CityBox> &boxes)
{
    QByteArray out;
    for (const CityBox &b : boxes) {
        if (b.item.contains(QLatin1Char(',')))
            throw DataError(QStringLiteral("%1: the city item \"%2\" holds a comma").arg(path, b.item));
        out += QStringLiteral("%1,%2,%3,%4,%5,%6\r\n")
                   .arg(b.congress)
                   .arg(b.item)
                   .arg(b.x1)
                   .arg(b.y1)
                   .arg(b.x2)
                   .arg(b.y2)
                   .toLatin1();
    }
    WriteWholeFile(path, out);
}

} // namespace rollscan
