#include "core/geomap/DrawnMapData.h"

#include "core/data/CongressIndex.h"
#include "core/data/DataTree.h"
#include "core/geomap/DrawnMapPass.h"

#include <QFileInfo>

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

DrawnMapView DrawnMapData::designedView() const
{
    if (congress >= DrawnMapView::kFirstModernCongress)
        return DesignedView(congress, {});
    return DesignedView(congress, OutlineExtent(states, congress, districts));
}

} // namespace rollscan
