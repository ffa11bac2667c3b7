#pragma once

#include "core/ideology/CongressFit.h"

#include <QDialog>

class QAction;
class QLabel;
class QToolBar;
class QTreeWidget;

namespace rollscan {

class Services;
class Session;

// The fit of one congress: the three congress figures over a list of its legislators with their
// scaled votes, errors and error rates, sortable by any column. Double-clicking a legislator asks
// for him on the map. Saves the list as a text report or a spreadsheet and prints it.
class frmFit : public QDialog {
    Q_OBJECT

public:
    // Columns of lstFit.
    enum Column { ColName, ColParty, ColState, ColVotes, ColErrors, ColRate, ColumnCount };

    frmFit(Session &session, Services &services, QWidget *parent = nullptr);

    // Counts the fit of the congress under the wait window. False (after the error report) when
    // its files could not be read; the window then shows nothing.
    bool load(bool isHouse, int congress);
    const CongressFit &fit() const { return m_fit; }

    void saveText();
    void saveSpreadsheet();
    void printFit();

    QToolBar *tbrFit;
    QAction *actSaveText, *actSaveSheet, *actPrint, *actHelp, *actDone;
    QLabel *lblHeading, *lblFigures;
    QTreeWidget *lstFit;

signals:
    // The user double-clicked legislator `recordNumber` (1-based, legislator-file order).
    void legislatorChosen(int recordNumber);

private:
    void fill();

    Session &m_session;
    Services &m_services;
    CongressFit m_fit;
};

} // namespace rollscan
