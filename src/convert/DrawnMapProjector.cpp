#include "convert/DrawnMapProjector.h"

#include "core/data/FileError.h"

#include <proj.h>

#include <QString>

#include <array>
#include <limits>

namespace rollscan {

struct DrawnMapProjector::Private {
    PJ_CONTEXT *context = nullptr;
    std::array<PJ *, 3> projections{};
    std::array<const DrawnMapRegion *, 3> regions{&kContiguousRegion, &kAlaskaRegion, &kHawaiiRegion};
};

DrawnMapProjector::DrawnMapProjector() : d(std::make_unique<Private>())
{
    d->context = proj_context_create();
    for (size_t i = 0; i < d->regions.size(); ++i) {
        d->projections[i] = proj_create(d->context, d->regions[i]->projection);
        if (!d->projections[i]) {
            const QString reason =
                QString::fromUtf8(proj_context_errno_string(d->context, proj_context_errno(d->context)));
            for (PJ *p : d->projections)
                if (p)
                    proj_destroy(p);
            proj_context_destroy(d->context);
            throw DataError(
                QStringLiteral("projection \"%1\": %2").arg(QLatin1String(d->regions[i]->projection), reason));
        }
    }
}

DrawnMapProjector::~DrawnMapProjector()
{
    for (PJ *p : d->projections)
        proj_destroy(p);
    proj_context_destroy(d->context);
}

DrawnMapProjector::Region DrawnMapProjector::RegionOfState(int icpsr)
{
    if (icpsr == kAlaskaIcpsr)
        return Region::Alaska;
    if (icpsr == kHawaiiIcpsr)
        return Region::Hawaii;
    return Region::Contiguous;
}

QPointF DrawnMapProjector::project(double longitude, double latitude, Region region) const
{
    const size_t i = size_t(region);
    const PJ_COORD in = proj_coord(proj_torad(longitude), proj_torad(latitude), 0, 0);
    const PJ_COORD out = proj_trans(d->projections[i], PJ_FWD, in);
    if (out.xy.x == HUGE_VAL || out.xy.y == HUGE_VAL) {
        proj_errno_reset(d->projections[i]);
        return QPointF(std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::quiet_NaN());
    }
    const DrawnMapRegion &r = *d->regions[i];
    return QPointF(out.xy.x * r.scale + r.offsetX, r.offsetY - out.xy.y * r.scale);
}

} // namespace rollscan
