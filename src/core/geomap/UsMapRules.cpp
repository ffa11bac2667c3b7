#include "core/geomap/UsMapRules.h"

#include "core/data/Dates.h"
#include "core/geomap/ShapeLayer.h"

#include <QRegularExpression>

namespace rollscan {

UsMapMode UsMapModeFor(bool isHouse, int congress)
{
    return (isHouse && congress <= 102) ? UsMapMode::Drawn : UsMapMode::Shapefile;
}

MapExtent FullMapExtent(const MapExtent &full)
{
    MapExtent e = full;
    if (e.width() > kFullMapTrim)
        e.maxX -= kFullMapTrim;
    return e;
}

MapExtent FullMapExtent(const ShapeLayer &layer)
{
    MapExtent e = FullMapExtent(layer.mainExtent());
    const double dx = e.width() * kFullMapMargin;
    const double dy = e.height() * kFullMapMargin;
    return {e.minX - dx, e.minY - dy, e.maxX + dx, e.maxY + dy};
}

double LabelHeight(double currentWidth, double fullWidth)
{
    if (fullWidth > 0.0 && currentWidth / fullWidth < 0.6)
        return currentWidth / 60.0;
    return currentWidth / 30.0;
}

QString DistrictFileFor(const QStringList &mapFiles, int congress)
{
    static const QRegularExpression pattern(QStringLiteral("^cd(\\d{3})\\.shp$"),
                                            QRegularExpression::CaseInsensitiveOption);
    QString best;
    QString fallback;
    int bestNumber = 0;
    for (const QString &name : mapFiles) {
        const QRegularExpressionMatch m = pattern.match(name);
        if (!m.hasMatch())
            continue;
        const int n = m.captured(1).toInt();
        if (n == 104)
            fallback = name;
        if (n >= 103 && n <= congress && n > bestNumber) {
            bestNumber = n;
            best = name;
        }
    }
    if (!best.isEmpty())
        return best;
    return fallback.isEmpty() ? kDistrictsFile : fallback;
}

QString UsMapShortCaption(bool isHouse, int congress, int rollCall, const TaggedDate &date, int queuePosition,
                          int queueLength)
{
    const QString dateText = date.isDate() ? FormatShortYearDate(date.date()) : date.text;
    return (isHouse ? QStringLiteral("H #") : QStringLiteral("S #")) + QString::number(congress) +
           QStringLiteral(" RC #") + QString::number(rollCall) + QStringLiteral("  ") + dateText +
           QStringLiteral("  (") + QString::number(queuePosition) + QLatin1Char('/') + QString::number(queueLength) +
           QLatin1Char(')');
}

} // namespace rollscan

#include "core/data/DataTree.h"

#include <QDir>

namespace rollscan {
QString UsMapLayerPath(const QString &dataRoot, bool isHouse, int congress)
{
    if (!isHouse)
        return DataFileName(dataRoot, kMapsDir, kStatesFile);
    const QDir maps(DataFolder(dataRoot, kMapsDir));
    return maps.filePath(DistrictFileFor(maps.entryList({QStringLiteral("*.shp")}, QDir::Files), congress));
}
} // namespace rollscan
