#pragma once

#include "core/ideology/RollCallInfo.h"
#include "gui/services/ReportPrinter.h"

#include "gui/services/DetailsFrame.h"

#include <QDialog>

class QAction;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QToolBar;

namespace rollscan {

class Services;
class Session;
struct DrawingPass;

// "Roll Call Information": the tallies, errors and reduction in error of the roll call on the map,
// its description record and the legislators the map could not place. Save writes it as a text
// report, Print prints it; Done (or Escape) closes it.
class frmInfo : public QDialog, public DetailsFrame {
    Q_OBJECT

public:
    frmInfo(Session &session, Services &services, QWidget *parent = nullptr);

    // Fills the window from a drawing pass of the map, reading the roll call's description from the
    // session's data tree. A description that cannot be read leaves the details empty.
    void fill(const DrawingPass &pass);
    // Fills the window from information already gathered.
    void showInfo(const RollCallInfo &info);
    const RollCallInfo &info() const { return m_info; }

    // The toolbar's Save: asks for a file and writes the report; cancelling does nothing.
    void save();
    // The toolbar's Print: asks for a printer and prints the report; cancelling does nothing.
    void PrintInfo();
    // The printed report, all in the one fixed-pitch face.
    QList<ReportPrinter::Line> printedLines() const;

    QToolBar *tbrInfo;
    QAction *actSave, *actPrint, *actHelp, *actDone;
    QGroupBox *fraInfo;
    QLabel *lblYeaTag, *lblNayTag, *lblYea, *lblNay, *lblInfoTags, *lblInfo;
    QGroupBox *fraNotShown;
    QLabel *lblCol1, *lblCol2;

public slots:
    // Done, Escape and the close box: the plain details box becomes the visible one again.
    void reject() override;

private:
    Session &m_session;
    Services &m_services;
    RollCallInfo m_info;
};

} // namespace rollscan
