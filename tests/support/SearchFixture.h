#pragma once

// A small data tree for the search windows: three Houses and one Senate in the extended layouts,
// with subject codes, keywords in descriptions and description entries, and the three code files.

#include "support/TreeBuilder.h"

#include "core/app/Session.h"
#include "core/data/DataTree.h"
#include "core/data/Dates.h"
#include "support/RecordingServices.h"

#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

namespace rollscan::test {

inline QStringList Lines(const QListWidget *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out.append(list->item(i)->text());
    return out;
}

class SearchTree {
public:
    QTemporaryDir dir;
    TreeBuilder tree{dir.path()};
    Session session{dir.path()};
    RecordingServices services;

    // House 97: five roll calls; House 98: two; House 99: one; Senate 97: two.
    explicit SearchTree(bool startWithHouse = true)
    {
        tree.writeStandardTables();
        Preferences prefs = TreeBuilder::standardPreferences();
        prefs.setStartWithHouse(startWithHouse);
        prefs.write(tree.path(kPreferencesFile));

        CongressData h97;
        h97.legislators = {TreeBuilder::legislator("ADAMS", 1, 1, 100, 0.1f, 0.2f, 1001),
                           TreeBuilder::legislator("SMITH, JOHN", 41, 2, 200, 0.123f, -0.456f, 1002)};
        h97.rollCalls = {CodedRollCall("TO PASS H.R. 1 TAX CUT", QDate(1981, 1, 5), 234, 190, {10, 0, 1, 5, 0}),
                         CodedRollCall("Tax cut amendment", QDate(1981, 2, 10), 200, 210, {20, 10, 2, 0, 0}),
                         CodedRollCall("BUDGET & APPROPRIATIONS", QDate(1981, 3, 3), 300, 101, {30, 0, 2, 7, 9}),
                         CodedRollCall("ELECT SPEAKER", QDate(1981, 4, 1), 220, 200, {0, 0, 3, 0, 0}),
                         CodedRollCall("FOREIGN AID", QDate(1981, 5, 6), 150, 250, {40, 0, 1, 0, 0})};
        h97.voteRows = {"16196", "61619"};
        h97.descriptions = {Entry("(To pass the tax cut bill.)", {"HR1", "PASSED", "BILL", "FINAL", "ROSTENKOWSKI"}),
                            Entry("An amendment to the tax cut."), Entry(QString(470, QLatin1Char('X'))),
                            Entry("Election of the speaker."),
                            Entry(QString(469, QLatin1Char('X')), {"HR9", "FAILED", "BILL", "AMEND", "INCOME TAX"})};
        tree.addCongress(true, 97, h97, true);

        CongressData h98;
        h98.legislators = {TreeBuilder::legislator("CLARK", 13, 3, 100, -0.5f, 0.25f, 1003)};
        h98.rollCalls = {CodedRollCall("DEFENSE BUDGET", QDate(1983, 1, 20), 260, 160, {20, 0, 4, 9, 0}),
                         CodedRollCall("TAX REFORM", QDate(1983, 6, 2), 310, 95, {10, 0, 6, 5, 0})};
        h98.voteRows = {"16"};
        tree.addCongress(true, 98, h98, true);

        CongressData h99;
        h99.legislators = {TreeBuilder::legislator("DAVIS", 14, 4, 200, 0.3f, 0.3f, 1004)};
        h99.rollCalls = {CodedRollCall("FARM BILL", QDate(1985, 3, 1), 280, 140, {50, 0, 5, 0, 0})};
        h99.voteRows = {"1"};
        tree.addCongress(true, 99, h99, true);

        CongressData s97;
        s97.legislators = {TreeBuilder::legislator("BAKER", 54, 0, 200, 0.4f, -0.1f, 2001)};
        s97.rollCalls = {CodedRollCall("CONFIRM NOMINEE", QDate(1981, 1, 21), 93, 6, {60, 0, 3, 0, 0}),
                         CodedRollCall("SENATE TAX BILL", QDate(1981, 7, 29), 89, 11, {10, 0, 1, 5, 0})};
        s97.voteRows = {"16"};
        tree.addCongress(false, 97, s97, true);
        tree.writeIndexes();

        tree.writeRaw("main/isscodes.dat",
                      " 10   Taxation\r\n 20   Budget   \r\n 30   Appropriations\r\n 40   Foreign aid\r\n");
        tree.writeRaw("main/clacodes.dat",
                      "  1   Government management\r\n  2   Social welfare\r\n  3   Civil liberties\r\n");
        tree.writeRaw("main/pelcodes.dat", "  5   Domestic social policy\r\n  9   Defense budget\r\n");

        session.Preferences = prefs;
        session.newDataFormat = true;
        session.findCongresses();
    }
};

} // namespace rollscan::test
