// rollscan-cli usmap: how the features of the US map are coloured for one roll call.
#include "cli/Command.h"
#include "cli/RollCallArgs.h"

#include "core/data/DataTree.h"
#include "core/data/FileError.h"
#include "core/data/FileIO.h"
#include "core/data/StateTable.h"
#include "core/geomap/DrawnMapData.h"
#include "core/geomap/DrawnMapPass.h"
#include "core/geomap/ShapeLayer.h"
#include "core/geomap/StateList.h"
#include "core/geomap/UsMapColouring.h"
#include "core/geomap/UsMapPass.h"
#include "core/geomap/UsMapRules.h"
#include "core/import/DrawnImport.h"
#include "core/import/ImportTexts.h"
#include "core/import/ImportedMap.h"
#include "core/import/QuantData.h"
#include "core/import/QuantKey.h"
#include "gui/geomap/DrawnMapPainter.h"
#include "gui/geomap/UsMapPainter.h"
#include "gui/geomap/UsMapPictureFile.h"
#include "gui/import/DrawnCircles.h"

#include <QBuffer>
#include <QImage>

namespace rollscan::cli {

namespace {
const QSize kPictureSize(800, 600);
const QSize kDrawnPictureSize(1600, 1000);

// Reads an import file for the chamber; a bad file is told as the import window tells it.
QuantData ReadImport(const QString &tree, const QString &path, bool isHouse)
{
    const StateTable states = StateTable::Read(DataFileName(tree, kMainDir, QStringLiteral("state.dat")));
    try {
        QuantData data = QuantData::Read(path, states);
        data.isHouse = isHouse;
        return data;
    } catch (const FileError &e) {
        throw DataError(ImportErrorText(e));
    }
}

// What --import asks for.
struct ImportOptions {
    QString file;
    int intervals = QuantKey::kDefaultIntervals;
    bool withVotes = false;
};

// The House up to the 102nd congress on its drawn districts.
int runDrawn(const RollCallArgs &a, const QString &png, const ImportOptions &import)
{
    return RunReportingErrors(QStringLiteral("usmap"), [&] {
        const DrawingRequest request = MakeDrawingRequest(a);
        const DrawnMapPass pass = RunDrawnMapPass(request);
        DrawnFillPlan plan = VoteFillPlan(pass, {});
        QList<DrawnVoteCircle> circles;
        if (!import.file.isEmpty()) {
            const QuantData data = ReadImport(a.tree, import.file, true);
            const QuantKey key = MakeQuantKey(data, import.intervals, request.preferences);
            plan = ImportFillPlan(pass, data, key, {});
            if (import.withVotes)
                circles = DrawnVoteCircles(pass, data, request.preferences, {});
            Out() << "title: " << data.title << "\n";
            for (int i = 1; i <= key.intervals; ++i) {
                const Rgb c = key.colour(i);
                Out() << "class\t" << key.label(i) << "\t" << c.red << ',' << c.green << ',' << c.blue << "\n";
            }
            for (const DrawnMember &m : pass.DrawnVoteTable) {
                const int row = ImportRowFor(data, true, m.state, m.district, m.id1);
                Out() << "member\t" << m.recordNumber << '\t' << m.displayName << '\t';
                if (row < 0)
                    Out() << "no value\n";
                else
                    Out() << QString::number(data.rows.at(row).value, 'g', 10) << "\tclass "
                          << key.classOf(data.rows.at(row).value) << "\n";
            }
        } else {
            for (const DrawnDistrict &d : pass.DistrictTable)
                Out() << "district\t" << d.record.state << '\t' << d.record.district << '\t' << d.colour << "\n";
            for (const DrawnMember &m : pass.DrawnVoteTable)
                Out() << "member\t" << m.recordNumber << '\t' << m.displayName << '\t' << m.seedCount << '\t'
                      << FeatureClassName(m.voteClass) << "\n";
            for (auto it = pass.atLarge.cbegin(); it != pass.atLarge.cend(); ++it)
                Out() << "at_large\t" << it.key() << '\t' << it.value().yea << '-' << it.value().nay << '-'
                      << it.value().notAvailable << '\t' << pass.atLargeColour.value(it.key()) << "\n";
        }
        if (!png.isEmpty()) {
            auto data = std::make_shared<DrawnMapData>(DrawnMapData::Load(a.tree, a.congress));
            DrawnMapPainter painter;
            painter.setData(data);
            QImage picture = painter.render(kDrawnPictureSize, data->designedView(), plan, {});
            PaintDrawnCircles(picture, data->designedView(), circles);
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
    QString png, svg, importFile;
    int intervals = QuantKey::kDefaultIntervals;
    bool listUnmatched = false, withVotes = false;
    for (int i = 0; i < all.size(); ++i) {
        const QString &a = all.at(i);
        if ((a == QLatin1String("--png") || a == QLatin1String("--svg")) && i + 1 < all.size())
            (a == QLatin1String("--png") ? png : svg) = all.at(++i);
        else if (a == QLatin1String("--import") && i + 1 < all.size())
            importFile = all.at(++i);
        else if (a == QLatin1String("--intervals") && i + 1 < all.size()) {
            bool ok = false;
            intervals = all.at(++i).toInt(&ok);
            if (!ok || intervals < QuantKey::kMinIntervals || intervals > QuantKey::kMaxIntervals) {
                Err() << "rollscan-cli usmap: --intervals takes a number from 2 to 50\n";
                return kExitUsage;
            }
        } else if (a == QLatin1String("--with-votes"))
            withVotes = true;
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
        return runDrawn(*a, png, {importFile, intervals, withVotes});
    }
    return RunReportingErrors(QStringLiteral("usmap"), [&] {
        const DrawingRequest request = MakeDrawingRequest(*a);
        const StateList states = StateList::Read(DataFileName(a->tree, kMainDir, QStringLiteral("state list.dat")));
        ShapeLayer layer;
        const QString layerPath = UsMapLayerPath(a->tree, a->isHouse, a->congress);
        if (!layer.open(layerPath))
            throw FileError(FileErrorNumber::BadFormat, layerPath, QStringLiteral("GIS Map not valid!"));
        const UsMapPass pass = RunUsMapPass(request, states);
        const QStringList keys = layer.values(a->isHouse ? kDistrictField : kStateFipsField);
        UsMapColouring colouring;
        QList<VoteCircle> circles;
        if (importFile.isEmpty()) {
            colouring = ColourUsMap(pass, keys, request.preferences);
        } else {
            const QuantData data = ReadImport(a->tree, importFile, a->isHouse);
            const QuantKey key = MakeQuantKey(data, intervals, request.preferences);
            colouring = ColourImported(pass, keys, data, key, request.preferences);
            if (withVotes)
                circles = VoteCircles(pass, colouring, data, request.preferences);
            Out() << "title: " << data.title << "\n";
            for (int i = 1; i <= key.intervals; ++i) {
                const Rgb c = key.colour(i);
                Out() << "class\t" << key.label(i) << "\t" << c.red << ',' << c.green << ',' << c.blue << "\n";
            }
            const QList<std::optional<double>> values = MemberValues(pass, data);
            for (int row = 0; row < pass.GisVoteTable.size(); ++row) {
                const UsMapMember &m = pass.GisVoteTable.at(row);
                Out() << "member\t" << m.label() << "\t" << (a->isHouse ? m.district : m.id1) << '\t';
                if (values.at(row))
                    Out() << QString::number(*values.at(row), 'g', 10) << "\tclass " << key.classOf(*values.at(row));
                else
                    Out() << "no value";
                Out() << "\n";
            }
        }
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
            for (const VoteCircle &c : circles)
                picture.circles.append(
                    {c.feature, c.place, c.sideBySide, QColor(c.colour.red, c.colour.green, c.colour.blue)});
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
                   "[--list-unmatched] [--import FILE [--intervals N] [--with-votes]]\n\n"
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
                   "of their majority. --png writes the drawn map, 1600 x 1000.\n\n"
                   "--import FILE colours the map by an imported data set (.hqd for the House, .sqd for the\n"
                   "Senate) in N equal-width classes (2 to 50, default 8) instead of the votes: it prints the\n"
                   "title, one 'class' line per class (number, lower bound, red,green,blue), one 'member' line\n"
                   "per legislator (name, district or identification number, value and class, or 'no value'),\n"
                   "and the features as above with class-N for a graded feature; the pictures show the\n"
                   "graded map, with --with-votes a circle per member in the colour of his vote on the roll\n"
                   "call (white Yea, black Nay, the N/A colour otherwise)."),
    run,
});
} // namespace

} // namespace rollscan::cli
