#include "convert/MapData.h"

#include "convert/CsvReader.h"
#include "core/data/DataTree.h"
#include "core/data/FileError.h"
#include "core/data/FileIO.h"
#include "core/geomap/ShapeLayer.h"
#include "core/geomap/UsMapRules.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace rollscan {

namespace {
const QString kStateListFile = QStringLiteral("state list.dat");
const QString kDistrictOfColumbia = QStringLiteral("DC");

QString shortNameOf(const QString &name)
{
    QString s = name;
    s.remove(QLatin1Char(' '));
    return s.left(8);
}

bool isLayerName(const QString &baseName)
{
    static const QRegularExpression districts(QStringLiteral("^cd\\d{3}$"), QRegularExpression::CaseInsensitiveOption);
    return baseName.compare(QStringLiteral("states"), Qt::CaseInsensitive) == 0 || districts.match(baseName).hasMatch();
}
} // namespace

StateList StateListFromTable(const QString &csvPath)
{
    CsvReader in = CsvReader::Open(csvPath);
    const int fips = in.requireColumn(QStringLiteral("fips"));
    const int postal = in.requireColumn(QStringLiteral("postal"));
    const int name = in.requireColumn(QStringLiteral("name"));
    const int icpsr = in.requireColumn(QStringLiteral("icpsr"));
    const int admitted = in.requireColumn(QStringLiteral("admitted"));
    struct Row {
        StateListRecord record;
        int admitted = 0;
    };
    QList<Row> rows;
    while (in.next()) {
        if (in.text(postal) == kDistrictOfColumbia)
            continue;
        Row r;
        r.record.name = in.text(name).left(15);
        r.record.postal = in.text(postal);
        r.record.fips = qint16(in.integer(fips, QStringLiteral("fips")));
        r.record.icpsr = qint16(in.integer(icpsr, QStringLiteral("icpsr")));
        r.record.shortName = shortNameOf(r.record.name);
        r.admitted = in.integer(admitted, QStringLiteral("admitted"));
        rows.append(r);
    }
    if (rows.size() != StateList::kRecords)
        throw DataError(QStringLiteral("%1: %2 states instead of 50").arg(csvPath).arg(rows.size()));
    std::stable_sort(rows.begin(), rows.end(), [](const Row &a, const Row &b) { return a.admitted < b.admitted; });
    StateList list;
    for (int i = 0; i < rows.size(); ++i) {
        StateListRecord r = rows.at(i).record;
        r.order = qint16(i + 1);
        list.records.append(r);
    }
    return list;
}

QStringList WriteMapData(const QString &geoDir, const QString &treeRoot)
{
    QStringList written;
    const StateList states = StateListFromTable(QDir(geoDir).filePath(QStringLiteral("states.csv")));
    QDir().mkpath(DataFolder(treeRoot, kMainDir));
    states.write(DataFileName(treeRoot, kMainDir, kStateListFile));
    written.append(kMainDir + QLatin1Char('/') + kStateListFile);

    const QDir shapes(QDir(geoDir).filePath(QStringLiteral("shapefiles")));
    const QString maps = DataFolder(treeRoot, kMapsDir);
    QDir().mkpath(maps);
    QStringList layers;
    for (const QFileInfo &f : shapes.entryInfoList({QStringLiteral("*.shp")}, QDir::Files, QDir::Name))
        if (isLayerName(f.completeBaseName()))
            layers.append(f.completeBaseName());
    if (!layers.contains(QStringLiteral("states")) || !layers.contains(QStringLiteral("cd104")))
        throw DataError(QStringLiteral("%1: states.shp and cd104.shp are needed").arg(shapes.path()));
    for (const QString &layer : std::as_const(layers)) {
        for (const char *ext : {".shp", ".shx", ".dbf", ".prj"}) {
            const QString name = layer + QLatin1String(ext);
            const QString source = shapes.filePath(name);
            if (!QFileInfo::exists(source)) {
                if (QLatin1String(ext) == QLatin1String(".prj"))
                    continue;
                throw DataError(QStringLiteral("%1: missing").arg(source));
            }
            WriteWholeFile(QDir(maps).filePath(name), ReadWholeFile(source));
            written.append(kMapsDir + QLatin1Char('/') + name);
        }
    }
    return written;
}

QStringList CheckMapData(const QString &treeRoot)
{
    QStringList faults;
    const QDir root(treeRoot);
    const QString listPath = DataFileName(treeRoot, kMainDir, kStateListFile);
    const QDir maps(DataFolder(treeRoot, kMapsDir));
    const QStringList layerFiles = maps.entryList({QStringLiteral("*.shp")}, QDir::Files, QDir::Name);
    if (!QFileInfo::exists(listPath) && layerFiles.isEmpty())
        return faults;
    auto fault = [&](const QString &path, const QString &message) {
        faults.append(root.relativeFilePath(path) + QStringLiteral(": ") + message);
    };

    StateList states;
    bool haveStates = false;
    try {
        states = StateList::Read(listPath);
        haveStates = true;
    } catch (const FileError &e) {
        fault(listPath, QStringLiteral("cannot be read: ") + e.description());
    }

    const QString statesPath = maps.filePath(kStatesFile);
    ShapeLayer statesLayer;
    if (!statesLayer.open(statesPath)) {
        fault(statesPath, QStringLiteral("is not a readable layer"));
    } else if (!statesLayer.fieldNames().contains(kStateFipsField)) {
        fault(statesPath, QStringLiteral("has no field STATE_FIPS"));
    } else if (haveStates) {
        QSet<int> present;
        for (const QString &v : statesLayer.values(kStateFipsField))
            present.insert(v.toInt());
        for (const StateListRecord &r : std::as_const(states.records))
            if (!present.contains(r.fips))
                fault(statesPath,
                      QStringLiteral("lacks %1 (STATE_FIPS %2)").arg(r.name).arg(r.fips, 2, 10, QLatin1Char('0')));
    }

    bool sawDistricts = false;
    for (const QString &name : layerFiles) {
        if (!name.startsWith(QStringLiteral("cd"), Qt::CaseInsensitive))
            continue;
        sawDistricts = true;
        const QString path = maps.filePath(name);
        ShapeLayer layer;
        if (!layer.open(path)) {
            fault(path, QStringLiteral("is not a readable layer"));
            continue;
        }
        if (!layer.fieldNames().contains(kDistrictField) || !layer.fieldNames().contains(kStateField)) {
            fault(path, QStringLiteral("has no fields STATE and DISTRICT"));
            continue;
        }
        QSet<QString> seen;
        for (const QString &key : layer.values(kDistrictField)) {
            if (seen.contains(key))
                fault(path, QStringLiteral("holds DISTRICT %1 more than once").arg(key));
            seen.insert(key);
        }
    }
    if (!sawDistricts)
        fault(maps.filePath(kDistrictsFile), QStringLiteral("is missing"));
    return faults;
}

} // namespace rollscan
