#pragma once

// A small tree for the US map: square states and districts written with shapelib, a state list of
// 50 records, a Senate (107th) and two Houses (104th, 110th) with a few members each.
//
// States (FIPS, ICPSR): Alabama (1, 41), Connecticut (9, 1), District of Columbia (11, 55),
// New York (36, 13); the other 46 records of the state list are made-up states on no map.

#include "support/TreeBuilder.h"

#include "core/app/Session.h"
#include "core/geomap/StateList.h"
#include "core/search/SelectionQueue.h"

#include <QTemporaryDir>

#include <shapefil.h>

#include <vector>

namespace rollscan::test {

// One polygon feature: rings of (x, y) corners, and its attribute values in field order.
struct TestFeature {
    std::vector<std::vector<std::pair<double, double>>> rings;
    QStringList values;
};

// A rectangle as one closed ring, clockwise as shapefiles keep outer rings.
inline std::vector<std::pair<double, double>> Box(double x1, double y1, double x2, double y2)
{
    return {{x1, y1}, {x1, y2}, {x2, y2}, {x2, y1}, {x1, y1}};
}

// Writes a polygon shapefile (with .shx and .dbf) whose text fields are `fields`. False on failure.
inline bool WriteTestLayer(const QString &path, const QStringList &fields, const QList<TestFeature> &features)
{
    const QByteArray name = QFile::encodeName(path);
    SHPHandle shp = SHPCreate(name.constData(), SHPT_POLYGON);
    DBFHandle dbf = DBFCreate(name.constData());
    if (!shp || !dbf)
        return false;
    for (const QString &f : fields)
        DBFAddField(dbf, f.toLatin1().constData(), FTString, 40, 0);
    for (const TestFeature &feature : features) {
        std::vector<int> starts;
        std::vector<double> xs, ys;
        for (const auto &ring : feature.rings) {
            starts.push_back(int(xs.size()));
            for (const auto &[x, y] : ring) {
                xs.push_back(x);
                ys.push_back(y);
            }
        }
        SHPObject *obj = SHPCreateObject(SHPT_POLYGON, -1, int(starts.size()), starts.data(), nullptr, int(xs.size()),
                                         xs.data(), ys.data(), nullptr, nullptr);
        const int id = SHPWriteObject(shp, -1, obj);
        SHPDestroyObject(obj);
        for (int f = 0; f < fields.size(); ++f)
            DBFWriteStringAttribute(dbf, id, f, feature.values.value(f).toLatin1().constData());
    }
    SHPClose(shp);
    DBFClose(dbf);
    return true;
}

// The 50-record state list of the fixture.
inline StateList FixtureStateList()
{
    StateList list;
    auto add = [&](const char *name, const char *postal, int fips, int icpsr) {
        StateListRecord r;
        r.name = QString::fromLatin1(name);
        r.postal = QString::fromLatin1(postal);
        r.fips = qint16(fips);
        r.icpsr = qint16(icpsr);
        r.shortName = r.name.left(8);
        r.order = qint16(list.records.size() + 1);
        list.records.append(r);
    };
    add("Connecticut", "CT", 9, 1);
    add("New York", "NY", 36, 13);
    add("Alabama", "AL", 1, 41);
    for (int i = 0; list.records.size() < StateList::kRecords; ++i)
        add(QStringLiteral("State %1").arg(i).toLatin1().constData(), "ZZ", 60 + i, 90 + i % 9);
    return list;
}

class UsMapTree {
public:
    QTemporaryDir dir;
    TreeBuilder tree{dir.path()};
    Session session{dir.path()};

    UsMapTree()
    {
        tree.writeStandardTables();
        FixtureStateList().write(tree.path(QStringLiteral("main/state list.dat")));
        const QStringList stateFields = {QStringLiteral("STATE_FIPS"), QStringLiteral("STATE_NAME")};
        WriteTestLayer(tree.path(QStringLiteral("maps/states.shp")), stateFields,
                       {{{Box(-88, 30, -85, 35)}, {"01", "Alabama"}},
                        {{Box(-73.7, 41, -71.8, 42)}, {"09", "Connecticut"}},
                        {{Box(-77.2, 38.8, -76.9, 39.1)}, {"11", "District of Columbia"}},
                        {{Box(-79, 40.5, -73.8, 45)}, {"36", "New York"}}});
        const QStringList districtFields = {QStringLiteral("STATE"), QStringLiteral("DISTRICT")};
        // 1995's districts: Connecticut in two halves, New York one seat, Alabama one seat.
        WriteTestLayer(tree.path(QStringLiteral("maps/cd104.shp")), districtFields,
                       {{{Box(-88, 30, -85, 35)}, {"01", "0101"}},
                        {{Box(-73.7, 41, -72.75, 42)}, {"09", "0901"}},
                        {{Box(-72.75, 41, -71.8, 42)}, {"09", "0902"}},
                        {{Box(-79, 40.5, -73.8, 45)}, {"36", "3601"}}});
        // 2007's districts: New York split in two.
        WriteTestLayer(tree.path(QStringLiteral("maps/cd110.shp")), districtFields,
                       {{{Box(-88, 30, -85, 35)}, {"01", "0101"}},
                        {{Box(-73.7, 41, -71.8, 42)}, {"09", "0901"}},
                        {{Box(-79, 40.5, -75.5, 45)}, {"36", "3601"}},
                        {{Box(-75.5, 40.5, -73.8, 45)}, {"36", "3602"}}});

        // Senate 107, roll call 1: Connecticut Yea + absent, New York Yea + Nay, Alabama Nay + Nay,
        // a senator of a made-up state; roll call 2 all Yea.
        CongressData s107;
        s107.legislators = {
            TreeBuilder::legislator(QStringLiteral("DODD"), 1, 0, 100, 0.1f, 0.2f, 101),
            TreeBuilder::legislator(QStringLiteral("LIEBERMAN"), 1, 0, 100, 0.2f, 0.1f, 102),
            TreeBuilder::legislator(QStringLiteral("SCHUMER"), 13, 0, 100, -0.3f, 0.1f, 103),
            TreeBuilder::legislator(QStringLiteral("CLINTON"), 13, 0, 100, -0.4f, 0.2f, 104),
            TreeBuilder::legislator(QStringLiteral("SESSIONS"), 41, 0, 200, 0.6f, 0.1f, 105),
            TreeBuilder::legislator(QStringLiteral("SHELBY"), 41, 0, 200, 0.5f, 0.3f, 106),
            TreeBuilder::legislator(QStringLiteral("NOWHERE"), 99, 0, 200, 0.5f, 0.3f, 107),
        };
        s107.rollCalls = {TreeBuilder::rollCall(QStringLiteral("SENATE MAP VOTE"), QDate(2001, 3, 1), 3, 3),
                          TreeBuilder::rollCall(QStringLiteral("SECOND SENATE VOTE"), QDate(2001, 3, 2), 7, 0)};
        s107.voteRows = {"11", "91", "11", "61", "61", "61", "11"};
        tree.addCongress(false, 107, s107, true);

        // House 110: New York's two seats, Connecticut's first seat, a member without coordinates.
        CongressData h110;
        h110.legislators = {
            TreeBuilder::legislator(QStringLiteral("RANGEL"), 13, 1, 100, -0.5f, 0.1f, 201),
            TreeBuilder::legislator(QStringLiteral("KING"), 13, 2, 200, 0.4f, 0.1f, 202),
            TreeBuilder::legislator(QStringLiteral("LARSON"), 1, 1, 100, -0.3f, 0.2f, 203),
            TreeBuilder::legislator(QStringLiteral("GHOST"), 41, 1, 200, 0.0f, 0.0f, 204),
        };
        h110.rollCalls = {TreeBuilder::rollCall(QStringLiteral("HOUSE MAP VOTE"), QDate(2007, 1, 4), 2, 1)};
        h110.voteRows = {"1", "6", "1", "9"};
        tree.addCongress(true, 110, h110, true);
        tree.writeIndexes();

        session.Preferences = TreeBuilder::standardPreferences();
        session.newDataFormat = true;
        session.findCongresses();
        session.MatchTable.append(TreeBuilder::matchRow(1, "SENATE MAP VOTE", QDate(2001, 3, 1), 107));
        session.MatchTable.append(TreeBuilder::matchRow(2, "SECOND SENATE VOTE", QDate(2001, 3, 2), 107));
        session.MatchTable.append(TreeBuilder::matchRow(1, "HOUSE MAP VOTE", QDate(2007, 1, 4), 110));
    }

    // Queues MatchTable rows (1-based) of one chamber at `position`.
    void queue(bool isHouse, const QList<int> &rows, int position = 1, bool crossTab = false)
    {
        session.isHouse = isHouse;
        session.selectedCongresses = {isHouse ? 110 : 107};
        session.queue.clear();
        session.queue.addRows(session.MatchTable, rows, false);
        session.queue.setCurrentQueuePos(position);
        session.crossTabRequested = crossTab;
    }
};

} // namespace rollscan::test
