#pragma once

// A small House tree for the ideological map: six members of the 97th House on three roll calls
// (a vertical cutting line, no line, a horizontal line), and one member of the 98th House in a party
// the map has no symbol for.

#include "support/TreeBuilder.h"

#include "core/app/Session.h"
#include "core/search/SelectionQueue.h"
#include "gui/ideology/frmIdeological.h"
#include "support/RecordingServices.h"

#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace rollscan::test {

struct Member {
    const char *name;
    float x, y;
};

// Members of the 97th House, in file order. CLARK has no coordinates.
inline const Member kAdams{"ADAMS", 0.5f, 0.5f};
inline const Member kBaker{"BAKER", -0.2f, -0.5f};
inline const Member kClark{"CLARK", 0.0f, 0.0f};
inline const Member kDavis{"DAVIS", -0.6f, 0.6f};
inline const Member kEvans{"EVANS", 0.3f, -0.2f};
inline const Member kFox{"FOX", -0.3f, 0.5f};

class IdeologicalTree {
public:
    QTemporaryDir dir;
    TreeBuilder tree{dir.path()};
    Session session{dir.path()};
    RecordingServices services;

    IdeologicalTree()
    {
        tree.writeStandardTables();
        CongressData h97;
        h97.legislators = {TreeBuilder::legislator(kAdams.name, 1, 1, 100, kAdams.x, kAdams.y, 1001),
                           TreeBuilder::legislator(kBaker.name, 13, 2, 200, kBaker.x, kBaker.y, 1002),
                           TreeBuilder::legislator(kClark.name, 14, 3, 100, kClark.x, kClark.y, 1003),
                           TreeBuilder::legislator(kDavis.name, 21, 4, 200, kDavis.x, kDavis.y, 1004),
                           TreeBuilder::legislator(kEvans.name, 24, 5, 200, kEvans.x, kEvans.y, 1005),
                           TreeBuilder::legislator(kFox.name, 41, 6, 100, kFox.x, kFox.y, 1006)};
        h97.rollCalls = {
            // δ1 0.2 and everything else 0: the vertical line x = 0, yea point (-0.2, 0), nay point (0.2, 0).
            TreeBuilder::rollCall("FIRST VOTE", QDate(1981, 1, 5), 3, 2, 0.2f, 0, 0, 0),
            TreeBuilder::rollCall("SECOND VOTE", QDate(1981, 2, 10), 5, 1),
            // δ2 0.5: the horizontal line y = 0.
            TreeBuilder::rollCall("THIRD VOTE", QDate(1981, 3, 3), 3, 3, 0, 0, 0.5f, 0)};
        // Issue code 10 is in its table, Clausen code 2 is not, the Peltzman codes are 0 and 9.
        h97.rollCalls[0].issueCode = 10;
        h97.rollCalls[0].clausenCode = 2;
        h97.rollCalls[0].peltzmanCode2 = 9;
        h97.voteRows = {"116", "661", "116", "911", "611", "116"};
        tree.addCongress(true, 97, h97, true);

        CongressData h98;
        h98.legislators = {TreeBuilder::legislator("ZED", 1, 1, 777, 0.1f, 0.1f, 2001)};
        h98.rollCalls = {TreeBuilder::rollCall("ZED VOTE", QDate(1983, 1, 5), 1, 0, 0.2f, 0, 0, 0)};
        h98.voteRows = {"1"};
        tree.addCongress(true, 98, h98, true);
        CongressData s97;
        s97.legislators = {TreeBuilder::legislator("GRANT", 1, 0, 200, 0.5f, 0.5f, 3001)};
        s97.rollCalls = {TreeBuilder::rollCall("SENATE VOTE", QDate(1981, 1, 6), 1, 0)};
        s97.voteRows = {"1"};
        tree.addCongress(false, 97, s97, true);
        tree.writeIndexes();
        tree.writeRaw("main/isscodes.dat", " 10   Taxation\r\n 20   Budget\r\n");
        tree.writeRaw("main/clacodes.dat", "  1   Government management\r\n");
        tree.writeRaw("main/pelcodes.dat", "  9   Defense budget\r\n");

        session.Preferences = TreeBuilder::standardPreferences();
        session.newDataFormat = true;
        session.isHouse = true;
        session.findCongresses();
        session.selectedCongresses = {97};
        session.MatchTable.append(TreeBuilder::matchRow(1, "FIRST VOTE", QDate(1981, 1, 5), 97, 3, 2));
        session.MatchTable.append(TreeBuilder::matchRow(2, "SECOND VOTE", QDate(1981, 2, 10), 97, 5, 1));
        session.MatchTable.append(TreeBuilder::matchRow(3, "THIRD VOTE", QDate(1981, 3, 3), 97, 3, 3));
        session.MatchTable.append(TreeBuilder::matchRow(1, "ZED VOTE", QDate(1983, 1, 5), 98, 1, 0));
        // Row 5 is a Senate roll call: queue it with session.isHouse false.
        session.MatchTable.append(TreeBuilder::matchRow(1, "SENATE VOTE", QDate(1981, 1, 6), 97, 1, 0));
    }

    // Queues MatchTable rows (1-based) and opens the map at `position`, shown at a usual size.
    std::unique_ptr<frmIdeological> open(const QList<int> &rows, int position = 1, bool crossTab = false)
    {
        session.queue.clear();
        session.queue.addRows(session.MatchTable, rows, session.smallScreen);
        session.queue.setCurrentQueuePos(position);
        session.crossTabRequested = crossTab;
        auto map = std::make_unique<frmIdeological>(session, services);
        map->setAttribute(Qt::WA_DeleteOnClose, false);
        map->resize(900, 860);
        if (!map->start())
            return {};
        map->show();
        return QTest::qWaitForWindowExposed(map.get()) ? std::move(map) : nullptr;
    }
};

} // namespace rollscan::test
