// rollscan-cli usmap: how the features of the US map are coloured for one roll call.
#include "cli/Command.h"
#include "cli/RollCallArgs.h"

#include "core/data/DataTree.h"
#include "core/data/FileError.h"
#include "core/data/FileIO.h"
#include "core/geomap/DrawnMapData.h"
#include "core/geomap/DrawnMapPass.h"
#include "core/geomap/ShapeLayer.h"
#include "core/geomap/StateList.h"
#include "core/geomap/UsMapColouring.h"
#include "core/geomap/UsMapPass.h"
#include "core/geomap/UsMapRules.h"
#include "gui/geomap/DrawnMapPainter.h"
#include "gui/geomap/UsMapPainter.h"
#include "gui/geomap/UsMapPictureFile.h"

#include <QBuffer>
#include <QImage>

namespace rollscan::cli {

namespace {
const QSize kPictureSize(800, 600);
const QSize kDrawnPictureSize(1600, 1000);

// The House up to the 102nd congress on its drawn districts.
int runDrawn(const RollCallArgs &a, const QString &png)
{
    return RunReportingErrors(QStringLiteral("usmap"), [&] {
        const DrawingRequest request = MakeDrawingRequest(a);
        const DrawnMapPass pass = RunDrawnMapPass(request);
        for (const DrawnDistrict &d : pass.DistrictTable)
            Out() << "district\t" << d.record.state << '\t' << d.record.district << '\t' << d.colour << "\n";
        for (const DrawnMember &m : pass.DrawnVoteTable)
            Out() << "member\t" << m.recordNumber << '\t' << m.displayName << '\t' << m.seedCount << '\t'
                  << FeatureClassName(m.voteClass) << "\n";
        for (auto it = pass.atLarge.cbegin(); it != pass.atLarge.cend(); ++it)
            Out() << "at_large\t" << it.key() << '\t' << it.value().yea << '-' << it.value().nay << '-'
                  << it.value().notAvailable << '\t' << pass.atLargeColour.value(it.key()) << "\n";
        if (!png.isEmpty()) {
            auto data = std::make_shared<DrawnMapData>(DrawnMapData::Load(a.tree, a.congress));
            DrawnMapPainter painter;
            painter.setData(data);
            const QImage picture = painter.render(kDrawnPictureSize, data->designedView(), VoteFillPlan(pass, {}), {});
            QByteArray bytes;
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            if (!picture.save(&buffer, "PNG"))
                throw FileError(FileErrorNumber::AccessError, png, QStringLiteral("The picture could not be encoded"));
            WriteWholeFile(png, bytes);
        }
        return kExitOk;
    });
}

int run(const QStringList &all)
{
    QStringList args;
    QString png, svg;
    bool listUnmatched = false;
    for (int i = 0; i < all.size(); ++i) {
        const QString &a = all.at(i);
        if ((a == QLatin1String("--png") || a == QLatin1String("--svg")) && i + 1 < all.size())
            (a == QLatin1String("--png") ? png : svg) = all.at(++i);
        else if (a == QLatin1String("--list-unmatched"))
            listUnmatched = true;
        else
            args.append(a);
    }
    QString error;
    std::optional<RollCallArgs> a = ParseRollCallArgs(args, true, error);
    if (!a) {
        Err() << "rollscan-cli usmap: " << error << "\n";
        return kExitUsage;
    }
    if (UsMapModeFor(a->isHouse, a->congress) == UsMapMode::Drawn) {
        if (!svg.isEmpty() || listUnmatched) {
            Err() << "rollscan-cli usmap: --svg and --list-unmatched are for the shapefile map\n";
            return kExitUsage;
        }
        return runDrawn(*a, png);
    }
    return RunReportingErrors(QStringLiteral("usmap"), [&] {
        const DrawingRequest request = MakeDrawingRequest(*a);
        const StateList states = StateList::Read(DataFileName(a->tree, kMainDir, QStringLiteral("state list.dat")));
        ShapeLayer layer;
        const QString layerPath = UsMapLayerPath(a->tree, a->isHouse, a->congress);
        if (!layer.open(layerPath))
            throw FileError(FileErrorNumber::BadFormat, layerPath, QStringLiteral("GIS Map not valid!"));
        const UsMapPass pass = RunUsMapPass(request, states);
        const UsMapColouring colouring =
            ColourUsMap(pass, layer.values(a->isHouse ? kDistrictField : kStateFipsField), request.preferences);
        for (const FeatureFill &f : colouring.fills)
            Out() << f.key << '\t' << f.className << "\n";
        Out() << "members_matched: " << colouring.membersMatched << "\n";
        Out() << "members_unmatched: " << colouring.membersUnmatched << "\n";
        if (listUnmatched) {
            for (int row : colouring.unmatchedRows) {
                const UsMapMember &m = pass.GisVoteTable.at(row);
                Out() << "unmatched\t" << m.name << "\tstate " << m.icpsr << "\tdistrict " << m.district << "\n";
            }
        }
        if (!png.isEmpty() || !svg.isEmpty()) {
            UsMapPainter painter;
            painter.setLayer(&layer);
            UsMapPicture picture;
            picture.fills = colouring.fills;
            picture.view = FullMapExtent(layer);
            if (!png.isEmpty())
                WriteUsMapPicture(painter, picture, kPictureSize, png);
            if (!svg.isEmpty())
                WriteUsMapPicture(painter, picture, kPictureSize, svg);
        }
        return kExitOk;
    });
}

const CommandRegistration registration({
    QStringLiteral("usmap"),
    QStringLiteral("the colour of every feature of the US map for one roll call"),
    QStringLiteral("Usage: rollscan-cli usmap TREE --house|--senate --congress N --roll R "
                   "[--partner-congress N2 --partner-roll R2] [--extended] [--png FILE] [--svg FILE] "
                   "[--list-unmatched]\n\n"
                   "Prints one line per feature of the map, in file order: its key (DISTRICT in the House,\n"
                   "STATE_FIPS in the Senate), a tab and its class: yea, nay, na, split, yea-hatched,\n"
                   "nay-hatched, default, or in a cross-tabulation yea-nay, nay-yea, no-match. Then\n"
                   "members_matched and members_unmatched: the members with coordinates that do and do not\n"
                   "land in a feature (--list-unmatched lists the latter). --png and --svg write the full map\n"
                   "as the window shows it, 800 x 600.\n\n"
                   "The House up to the 102nd congress is drawn on its own district outlines instead. Then\n"
                   "the lines are: district, a tab, state code, district number and the colour index it was\n"
                   "filled with (-1: by nobody), one per district of the congress's .ctr file; member, the\n"
                   "record number, \"NAME, ST\", the seed count and the class, one per member placed on the\n"
                   "map; at_large, the state code, Yea-Nay-N/A of its members elected at large and the colour\n"
                   "of their majority. --png writes the drawn map, 1600 x 1000."),
    run,
});
} // namespace

} // namespace rollscan::cli
