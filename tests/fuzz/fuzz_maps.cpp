// The map and scaling readers: the tree's weight file, the state list and a shapefile layer (its .shp,
// .shx and .dbf together). The first byte chooses the reader; a layer's input starts with the lengths
// of its .shp and .shx parts.
#include "fuzz/FuzzSupport.h"

#include "core/data/ScalingFile.h"
#include "core/geomap/ShapeLayer.h"
#include "core/geomap/StateList.h"

#include <cstdlib>

using namespace rollscan;
using namespace rollscan::fuzz;

namespace {

void scaling(const QByteArray &content)
{
    const ScalingFile file = ScalingFile::Read(PutFile(QStringLiteral("scaling.dat"), content));
    // A weight the reader lets through must be one the map can use.
    if (!ScalingFile::IsValidWeight(file.weight))
        std::abort();
}

void stateList(const QByteArray &content)
{
    const StateList list = StateList::Read(PutFile(QStringLiteral("state list.dat"), content));
    if (list.records.size() != StateList::kRecords)
        std::abort();
    for (const StateListRecord &r : list.records)
        list.findFips(r.fips);
    list.fipsOfNames(list.names());
}

void layer(Input &in)
{
    const int shpLength = in.word();
    const int shxLength = in.word();
    const QString shp = PutFile(QStringLiteral("layer.shp"), in.take(size_t(shpLength)));
    PutFile(QStringLiteral("layer.shx"), in.take(size_t(shxLength)));
    PutFile(QStringLiteral("layer.dbf"), in.rest());
    ShapeLayer layer;
    if (!layer.open(shp))
        return;
    const MapExtent extent = layer.fullExtent();
    const QStringList fields = layer.fieldNames();
    for (int i = 0; i < layer.count(); ++i)
        for (const QString &field : fields)
            layer.value(i, field);
    // Hit tests across the extent and just outside it, where the quadtree has nothing.
    for (int step = -1; step <= 5; ++step) {
        const double t = step / 4.0;
        layer.search(extent.minX + t * (extent.maxX - extent.minX), extent.minY + t * (extent.maxY - extent.minY), 0.5);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Input in(data, size);
    const int kind = in.byte() % 3;
    Refusable([&] {
        if (kind == 0)
            scaling(in.rest());
        else if (kind == 1)
            stateList(in.rest());
        else
            layer(in);
    });
    return 0;
}
