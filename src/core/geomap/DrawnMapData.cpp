#include "core/geomap/DrawnMapData.h"

#include "core/data/CongressIndex.h"
#include "core/data/DataTree.h"
#include "core/geomap/DrawnMapPass.h"

#include <QFileInfo>

#include <algorithm>

namespace rollscan {

DrawnMapData DrawnMapData::Load(const QString &root, int congress)
{
    DrawnMapData data;
    data.congress = congress;
    const CongressCounts counts = LoadCongressCounts(root, true, congress);
    data.states = ReadStateOutlines(root);
    data.districts =
        ReadOutlinePoints(CongressFileName(root, true, congress, QStringLiteral(".cds")), counts.outlinePointCount);
    data.districtTable =
        ReadDistrictSeeds(CongressFileName(root, true, congress, QStringLiteral(".ctr")), counts.districtCount);
    QList<DrawnDistrict> table;
    for (const DistrictSeedRecord &r : std::as_const(data.districtTable))
        table.append({r, -1});
    data.districtRows = DistrictIdentifierRows(table, data.districts);
    for (auto it = data.districtRows.cbegin(); it != data.districtRows.cend(); ++it)
        data.districtStates.insert(it.key(), data.districtTable.at(it.value()).state);
    for (int i = 0; i < data.districtTable.size(); ++i) {
        const qint64 key = qint64(data.districtTable.at(i).state) << 16 | quint16(data.districtTable.at(i).district);
        if (!data.m_rowOf.contains(key))
            data.m_rowOf.insert(key, i);
    }
    for (qsizetype i = 0; i < data.districts.size();) {
        qsizetype end = i + 1;
        while (end < data.districts.size() && data.districts.at(end).pen != kPenUp)
            ++end;
        const int row = data.districtRows.value(data.districts.at(i).district, -1);
        if (row >= 0 && end - i > 2) {
            data.m_rings[row].append({i, end - 1});
            DrawnRect &b = data.m_bounds[row];
            for (qsizetype k = i; k < end; ++k) {
                const OutlinePoint &p = data.districts.at(k);
                if (b.isEmpty() && b.left == 0 && b.right == 0 && b.top == 0 && b.bottom == 0)
                    b = {double(p.x), double(p.y), double(p.x), double(p.y)};
                b.left = std::min<double>(b.left, p.x);
                b.right = std::max<double>(b.right, p.x);
                b.top = std::min<double>(b.top, p.y);
                b.bottom = std::max<double>(b.bottom, p.y);
            }
        }
        i = end;
    }
    const QString cityPath = CityBoxesPath(root);
    if (QFileInfo(cityPath).isFile()) {
        // Lines are in congress order: reading stops at the first line of a later congress.
        for (const CityBox &box : ReadCityBoxes(cityPath)) {
            if (box.congress > congress)
                break;
            if (box.congress == congress)
                data.cities.append(box);
        }
    }
    return data;
}

bool DrawnMapData::districtContains(int row, double x, double y) const
{
    bool inside = false;
    for (const auto &[first, last] : m_rings.value(row)) {
        // Crossings of a ray to the right; the ring is closed from its last point to its first.
        for (qsizetype i = first, j = last; i <= last; j = i++) {
            const OutlinePoint &a = districts.at(i), &b = districts.at(j);
            if ((a.y > y) != (b.y > y) && x < double(b.x - a.x) * (y - a.y) / double(b.y - a.y) + a.x)
                inside = !inside;
        }
    }
    return inside;
}

DrawnMapView DrawnMapData::designedView() const
{
    if (congress >= DrawnMapView::kFirstModernCongress)
        return DesignedView(congress, {});
    return DesignedView(congress, OutlineExtent(states, congress, districts));
}

} // namespace rollscan
