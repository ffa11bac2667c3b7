#pragma once

#include "core/ideology/ReportLine.h"
#include "core/ideology/VoteStatistics.h"
#include "gui/services/ReportPrinter.h"

#include <QDialog>

class QAction;
class QGroupBox;
class QLabel;
class QToolBar;

namespace rollscan {

class Services;
class Session;
struct DrawingPass;

// "Roll Call Statistics": the votes of the roll call on the map counted by vote code over the whole
// chamber and by party, the Democrats and Whigs also split into their northern and southern members.
// The map opens it afresh for each roll call and closes it when it moves on.
class frmStatistics : public QDialog {
    Q_OBJECT

public:
    frmStatistics(Session &session, Services &services, QWidget *parent = nullptr);

    // Counts the votes of the pass's roll call from the session's data tree under the wait window
    // and shows them. False when a file could not be read; the error has then been reported.
    bool load(const DrawingPass &pass);
    // Shows counts already made, for the roll call `heading` names.
    void showStatistics(const ReportRollCall &heading, const VoteStatistics &stats);
    const VoteStatistics &statistics() const { return m_stats; }

    // The toolbar's Save: asks for a file and writes the report; cancelling does nothing.
    void save();
    // The toolbar's Print: asks for a printer and prints the report; cancelling does nothing.
    void print();
    // The printed report: the saved lines in the faces and sizes of their roles.
    QList<ReportPrinter::Line> printedLines() const;

    QToolBar *tbrStatistics;
    QAction *actSave, *actPrint, *actHelp, *actDone;
    QGroupBox *fraVotes;
    QLabel *lblRollCallCaptions, *pnlBreakdown;
    QGroupBox *fraParty;
    QLabel *lblNum, *lblParty, *lblYea, *lblNay;
    QLabel *pnlNum, *pnlParty, *pnlYea, *pnlNay;

private:
    Session &m_session;
    Services &m_services;
    ReportRollCall m_heading;
    VoteStatistics m_stats;
};

} // namespace rollscan
