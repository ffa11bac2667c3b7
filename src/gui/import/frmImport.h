#pragma once

#include <QWidget>

class QAction;
class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QToolBar;

namespace rollscan {

class Services;
class Session;

// The quantitative import: reads an ".hqd" (House) or ".sqd" (Senate) data set into the session,
// shows its title, description and rows, and on Start classes it into the chosen number of
// intervals and asks for the US map to show it, with the votes of the roll call when chkCrossTab
// is checked. Prints the data set.
class frmImport : public QWidget {
    Q_OBJECT

public:
    frmImport(Session &session, Services &services, QWidget *parent = nullptr);

    // Reads `path` as the session's data set. On success the data set replaces the one in the
    // session and is shown; on failure the error is reported and the session keeps what it had.
    bool readFile(const QString &path);
    // btnSelect: asks for a file of the chamber in use and reads it.
    void selectFile();
    // Toolbar Start: classes the data set and asks for the map; "There's no data to read!" without one.
    void start();
    // Toolbar Print: the heading, the title line, the description and the rows.
    void printData();
    // The lines printed, each as the printer receives it.
    QStringList printLines() const;
    // Enables Start by whether the map request has a receiver.
    void updateCommands();
    // Shows the session's data set, or that none is loaded.
    void showData();

    QLineEdit *txtTitle;
    QPlainTextEdit *txtDetails, *txtData;
    QSpinBox *spnInterval; // the interval count with its spinner, 2..50
    QCheckBox *chkCrossTab;
    QPushButton *btnSelect;
    QToolBar *Toolbar;
    QAction *tbStart, *tbPrint, *tbHelp, *tbDone;

signals:
    // The data set is classed: the US map should show it.
    void mapRequested();

private:
    Session &m_session;
    Services &m_services;
};

} // namespace rollscan
