// rollscan-cli maps: the US map's data (state list, shapefiles, drawn-map files) into a data tree.
#include "cli/Command.h"

#include "convert/DrawnMapBuilder.h"
#include "convert/MapData.h"
#include "core/data/FileError.h"

#include <QDir>
#include <QFileInfo>

namespace rollscan::cli {

namespace {
const char *const kUsage =
    "Usage: rollscan-cli maps GEO TREE\n"
    "\n"
    "Writes TREE/main/state list.dat (the 50 states in order of admission) from GEO/states.csv and\n"
    "copies the shapefiles of GEO/shapefiles (states.shp and every cdNNN.shp with their .shx, .dbf\n"
    "and .prj) into TREE/maps/. When GEO/districts holds district shapes and TREE has Houses up to the\n"
    "102nd, also writes the drawn map of each such House that a district file covers (NNN.cds, .ctr,\n"
    ".cit, the seed points in NNN.lcr, the counts in houses.dat), the state outlines (main/map.dat,\n"
    "main/mapindex.dat) and the city rectangles (main/city.dat), and reports each congress's figures\n"
    "on the error stream. Lists the files written.\n"
    "\n"
    "Exit codes: 0 written, 1 bad or missing input, 2 bad usage.";

int run(const QStringList &args)
{
    if (args.size() != 2 || args.at(0).startsWith(QLatin1String("--")) || args.at(1).startsWith(QLatin1String("--"))) {
        Err() << "rollscan-cli maps: give the geography folder and the data tree\n"
              << "Try 'rollscan-cli maps --help'.\n";
        return kExitUsage;
    }
    if (!QFileInfo(args.at(1)).isDir()) {
        Err() << "rollscan-cli maps: " << args.at(1) << " is not a folder\n";
        return kExitUsage;
    }
    try {
        for (const QString &f : WriteMapData(args.at(0), args.at(1)))
            Out() << f << "\n";
        if (QFileInfo(QDir(args.at(0)).filePath(QStringLiteral("districts"))).isDir()) {
            const DrawnMapReport drawn = WriteDrawnMaps(args.at(0), args.at(1));
            for (const QString &f : drawn.written)
                Out() << f << "\n";
            for (const QString &note : drawn.notes)
                Err() << "rollscan-cli maps: " << note << "\n";
            for (const DrawnMapFigures &f : drawn.congresses)
                Err() << "rollscan-cli maps: House " << f.congress << " from " << f.sourceFile << ": " << f.districts
                      << " districts, " << f.outlinePoints << " outline points (tolerance " << f.tolerance << "), "
                      << f.seededMembers << " members seeded, " << f.crampedDistricts
                      << " districts too small for a seed, " << f.unsimplifiedDistricts << " kept unsimplified, "
                      << f.cities << " cities with " << f.cityPoints << " points\n";
        }
        return kExitOk;
    } catch (const FileError &e) {
        Err() << "rollscan-cli maps: " << e.sentence() << " (" << e.path() << ")\n";
    } catch (const DataError &e) {
        Err() << "rollscan-cli maps: " << e.message() << "\n";
    }
    return kExitBadData;
}

const CommandRegistration registration({
    QStringLiteral("maps"),
    QStringLiteral("state list and shapefiles of the US map into a data tree"),
    QString::fromLatin1(kUsage),
    run,
});
} // namespace

} // namespace rollscan::cli
