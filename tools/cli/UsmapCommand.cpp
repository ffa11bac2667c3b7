// rollscan-cli usmap: how the features of the US map are coloured for one roll call.
#include "cli/Command.h"
#include "cli/RollCallArgs.h"

#include "core/data/DataTree.h"
#include "core/data/FileError.h"
#include "core/geomap/ShapeLayer.h"
#include "core/geomap/StateList.h"
#include "core/geomap/UsMapColouring.h"
#include "core/geomap/UsMapPass.h"
#include "core/geomap/UsMapRules.h"
#include "gui/geomap/UsMapPainter.h"
#include "gui/geomap/UsMapPictureFile.h"

namespace rollscan::cli {

namespace {
const QSize kPictureSize(800, 600);

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
        Err() << "rollscan-cli usmap: the House up to the 102nd congress has no shapefile map\n";
        return kExitUsage;
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
                   "as the window shows it, 800 x 600."),
    run,
});
} // namespace

} // namespace rollscan::cli
