#pragma once

#include "core/data/PartyTable.h"
#include "core/ideology/CrossTab.h"
#include "core/ideology/DrawingPass.h"

#include <QDialog>

class QFrame;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace rollscan {

class Services;
class Session;

// "View Cross Tab": for the members of one party, how their votes on the two roll calls of the map's
// cross-tabulation view combine, with Yule's Q and the chi-square of the 2×2 table. Reads the table of
// the map's last drawing pass.
class frmCrossTab : public QDialog {
    Q_OBJECT

public:
    frmCrossTab(Session &session, Services &services, QWidget *parent = nullptr);

    // Takes the table of a drawing pass and lists the parties of its congress, reading the party file
    // of the session's data tree. False when the party file could not be read (reported); the list
    // then stays empty.
    bool fill(const DrawingPass &pass);
    // The same with the party records already read.
    void fill(const DrawingPass &pass, const QList<PartyRecord> &parties);

    // Takes the table of a new pass of the map; the chosen party stays chosen while the congress lists it.
    void refresh(const DrawingPass &pass);

    // The parties of lstParty's entries, in list order, with their codes.
    const QList<PartyRecord> &parties() const { return m_parties; }

    QGroupBox *fraParty;
    QListWidget *lstParty;
    QLabel *pnlYea1, *pnlNay1, *pnlYea2, *pnlNay2;
    QFrame *pnlCrossTab;
    QLabel *lblStats;
    QPushButton *btnOK, *btnHelp;

private:
    // Shows the table and the two statistics of the party at `row` of lstParty.
    void showParty(int row);
    void colourPanels();

    Session &m_session;
    Services &m_services;
    QList<PartyRecord> m_parties;
    QList<LegislatorVoteEntry> m_table;
};

} // namespace rollscan
