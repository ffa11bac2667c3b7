#include "core/data/ScalingFile.h"

#include "core/data/Bytes.h"
#include "core/data/DataTree.h"
#include "core/data/FileError.h"
#include "core/data/FileIO.h"

#include <QFileInfo>
#include <cmath>

namespace rollscan {

namespace {
// One record, little-endian:
//   offset size field
//        0    2 version (int16, 1)
//        2    8 weight of the second dimension (float64)
//       10   20 first coordinate column name (Windows-1252, space padded)
//       30   20 second coordinate column name
constexpr int kVersionField = 0;
constexpr int kWeightField = 2;
constexpr int kColumn1Field = 10;
constexpr int kColumn2Field = 30;
} // namespace

QString ScalingFile::PathIn(const QString &root)
{
    return DataFileName(root, kMainDir, QStringLiteral("scaling.dat"));
}

bool ScalingFile::IsValidWeight(double weight)
{
    return std::isfinite(weight) && weight > 0.0 && weight <= 1.0;
}

ScalingFile ScalingFile::Read(const QString &path)
{
    const QByteArray data = ReadWholeFile(path);
    if (data.size() < kRecordLength)
        throw FileError(
            FileErrorNumber::PastEnd, path,
            QStringLiteral("Size %1 is shorter than one %2-byte record").arg(data.size()).arg(kRecordLength));
    const ByteReader in(data, path);
    const int version = in.i16(kVersionField);
    if (version != kVersion)
        throw FileError(FileErrorNumber::BadFormat, path,
                        QStringLiteral("Version %1 of the scaling file is not known").arg(version));
    ScalingFile f;
    f.weight = in.f64(kWeightField);
    if (!IsValidWeight(f.weight))
        throw DataError(QStringLiteral("%1: the second-dimension weight %2 is outside (0, 1]")
                            .arg(path, QString::number(f.weight)));
    f.column1 = in.text(kColumn1Field, kColumnWidth).trimmed();
    f.column2 = in.text(kColumn2Field, kColumnWidth).trimmed();
    return f;
}

std::optional<ScalingFile> ScalingFile::ReadIn(const QString &root)
{
    const QString path = PathIn(root);
    if (!QFileInfo::exists(path))
        return std::nullopt;
    return Read(path);
}

void ScalingFile::write(const QString &path) const
{
    ByteWriter w(kRecordLength);
    w.setI16(kVersionField, qint16(kVersion));
    w.setF64(kWeightField, weight);
    w.setText(kColumn1Field, column1.left(kColumnWidth), kColumnWidth);
    w.setText(kColumn2Field, column2.left(kColumnWidth), kColumnWidth);
    WriteWholeFile(path, w.data());
}

} // namespace rollscan
