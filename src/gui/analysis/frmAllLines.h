#pragma once

#include "core/analysis/AllLines.h"

#include <QDialog>

class QAction;
class QLabel;
class QListWidget;
class QToolBar;

namespace rollscan {

class AllLinesCanvas;
class Services;
class Session;

// "All Cutting Lines": the members of one congress as party tokens and the cutting line of every
// queued roll call of that congress, with the list of the lines and their reduction in error.
class frmAllLines : public QDialog {
    Q_OBJECT

public:
    frmAllLines(Session &session, Services &services, QWidget *parent = nullptr);

    // Reads congress `congress` and the queue under the wait window. False when a file could not be
    // read (the error has been reported).
    bool load(int congress);
    const AllLinesView &view() const { return m_view; }

    // Save Picture: PNG, or SVG for a name ending in ".svg". Save List: comma-separated values.
    void savePicture();
    void saveList();
    void print();

    QToolBar *tbrAllLines;
    QAction *actSavePicture, *actSaveList, *actPrint, *actHelp, *actDone;
    AllLinesCanvas *picLines;
    QLabel *lblTitle;
    QListWidget *lstLines;

private:
    void showLine(int line);

    Session &m_session;
    Services &m_services;
    AllLinesView m_view;
};

} // namespace rollscan
