#pragma once

// A small tree for the drawn US map: three square states in the drawn map's units, House 96 and 97.
//
//   Connecticut (1): x -400..-200, y -200..0, districts 1 (left half) and 2 (right half)
//   New York (13):   x -200..0,    y -200..0, one district with two members
//   Delaware (11):   x 0..100,     y -200..-100, two members at large, filled from the .ctr seed
//   Texas (49):      x -400..-200, y 100..300, outline only, first drawn in 1846
// One city, "Hartford", holds Connecticut's two districts (its outline points at eight times the
// precision, as the city files keep them).
//
// House 97, roll call 1: CTONE Yea, CTTWO Nay, NYFIRST Yea, NYSECOND Nay, DEONE Yea, DETWO Yea,
// NOWHERE (no coordinates) Yea; roll call 2: everyone Nay except CTTWO (Yea).
// House 96 holds CTONE, NYFIRST and DETWO (by id); roll call 1: all Nay.

#include "support/TreeBuilder.h"

#include "core/app/Session.h"
#include "core/data/CongressIndex.h"
#include "core/data/DataTree.h"
#include "core/geomap/DrawnMapFiles.h"
#include "core/search/SelectionQueue.h"

#include <QTemporaryDir>

namespace rollscan::test {

inline QList<OutlinePoint> SquareRing(qint16 id, int x1, int y1, int x2, int y2)
{
    auto p = [id](qint16 pen, int x, int y) { return OutlinePoint{pen, 0, id, qint16(x), qint16(y)}; };
    return {p(kPenUp, x1, y1), p(0, x2, y1), p(0, x2, y2), p(0, x1, y2), p(0, x1, y1)};
}

class DrawnMapTree {
public:
    QTemporaryDir dir;
    TreeBuilder tree{dir.path()};
    Session session{dir.path()};

    static Legislator member(const char *name, int state, int district, int id1, QList<QPair<int, int>> seeds,
                             float x = 0.3f)
    {
        Legislator l = TreeBuilder::legislator(QString::fromLatin1(name), state, district, 100, x, 0.1f, id1);
        l.seedCount = qint16(seeds.size());
        for (int i = 0; i < seeds.size(); ++i) {
            l.seedX[std::size_t(i)] = qint16(seeds.at(i).first);
            l.seedY[std::size_t(i)] = qint16(seeds.at(i).second);
        }
        return l;
    }

    DrawnMapTree()
    {
        tree.writeStandardTables();
        StateOutlines states;
        auto outline = [&](const char *name, int firstYear, QList<StatePoint> points) {
            states.index.append({QString::fromLatin1(name), qint16(firstYear), qint16(states.points.size() + 1),
                                 qint16(points.size())});
            states.points.append(points);
        };
        outline("Connecticut", 1788, {{-400, -200}, {-200, -200}, {-200, 0}, {-400, 0}, {-400, -200}});
        outline("New York", 1788, {{-200, -200}, {0, -200}, {0, 0}, {-200, 0}, {-200, -200}});
        outline("Delaware", 1788, {{0, -200}, {100, -200}, {100, -100}, {0, -100}, {0, -200}});
        outline("Texas", 1846, {{-400, 100}, {-200, 100}, {-200, 300}, {-400, 300}, {-400, 100}});
        while (states.index.size() < StateOutlines::kRecords)
            states.index.append({QString(), 0, 1, 0});
        WriteStateOutlines(tree.root(), states);

        QList<OutlinePoint> cds = SquareRing(1, -400, -200, -300, 0);
        cds += SquareRing(2, -300, -200, -200, 0);
        cds += SquareRing(3, -200, -200, 0, 0);
        cds += SquareRing(4, 0, -200, 100, -100);
        WriteOutlinePoints(CongressFileName(tree.root(), true, 97, QStringLiteral(".cds")), cds);
        WriteDistrictSeeds(CongressFileName(tree.root(), true, 97, QStringLiteral(".ctr")),
                           {{1, 1, {0, 0, 1}}, {1, 2, {0, 0, 1}}, {13, 1, {0, 0, 1}}, {11, 1, {50, -150, 1}}});

        QList<CityPoint> city;
        for (const OutlinePoint &p : cds.mid(0, 10))
            city.append({0, qint16(p.x * 8), p.district, 0, qint16(p.y * 8)});
        WriteCityPoints(CongressFileName(tree.root(), true, 97, QStringLiteral(".cit")), city);
        WriteCityBoxes(CityBoxesPath(tree.root()), {{96, QStringLiteral("Elsewhere"), 0, 0, 10, 10},
                                                    {97, QStringLiteral("Hartford"), -410, -210, -190, 10},
                                                    {98, QStringLiteral("Later"), 0, 0, 10, 10}});

        CongressData h97;
        h97.legislators = {member("CTONE", 1, 1, 301, {{-350, -100}}),
                           member("CTTWO", 1, 2, 302, {{-250, -100}, {-250, -50}}),
                           member("NYFIRST", 13, 1, 303, {{-100, -100}}),
                           member("NYSECOND", 13, 1, 304, {{-60, -60}}),
                           member("DEONE", 11, 1, 305, {}),
                           member("DETWO", 11, 1, 306, {}),
                           member("NOWHERE", 13, 1, 307, {{-100, -100}}, 0.0f)};
        h97.legislators[6].coord2 = 0.0f;
        h97.rollCalls = {TreeBuilder::rollCall(QStringLiteral("DRAWN MAP VOTE"), QDate(1981, 3, 4), 5, 2),
                         TreeBuilder::rollCall(QStringLiteral("SECOND DRAWN VOTE"), QDate(1981, 3, 5), 1, 6)};
        h97.voteRows = {"16", "61", "16", "66", "16", "16", "16"};
        tree.addCongress(true, 97, h97, true);
        CongressData h96;
        h96.legislators = {member("CTONE", 1, 1, 301, {{-350, -100}}), member("NYFIRST", 13, 1, 303, {{-100, -100}}),
                           member("DETWO", 11, 1, 306, {})};
        h96.rollCalls = {TreeBuilder::rollCall(QStringLiteral("EARLIER VOTE"), QDate(1979, 3, 4), 0, 3)};
        h96.voteRows = {"6", "6", "6"};
        tree.addCongress(true, 96, h96, true);
        tree.setCounts(true, 97, CongressCounts{7, 2, 4, 0, qint16(cds.size())});
        tree.writeIndexes();

        session.Preferences = TreeBuilder::standardPreferences();
        session.newDataFormat = true;
        session.findCongresses();
        session.MatchTable.append(TreeBuilder::matchRow(1, "DRAWN MAP VOTE", QDate(1981, 3, 4), 97));
        session.MatchTable.append(TreeBuilder::matchRow(2, "SECOND DRAWN VOTE", QDate(1981, 3, 5), 97));
        session.MatchTable.append(TreeBuilder::matchRow(1, "EARLIER VOTE", QDate(1979, 3, 4), 96));
    }

    // Queues MatchTable rows (1-based) of the House at `position`.
    void queue(const QList<int> &rows, int position = 1, bool crossTab = false)
    {
        session.isHouse = true;
        session.selectedCongresses = {97};
        session.queue.clear();
        session.queue.addRows(session.MatchTable, rows, false);
        session.queue.setCurrentQueuePos(position);
        session.crossTabRequested = crossTab;
    }
};

} // namespace rollscan::test
