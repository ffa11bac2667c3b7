#pragma once

#include "core/analysis/Tracking.h"

#include <QDialog>

class QFrame;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace rollscan {

class Services;

// "Legislator Track Results": the votes of the tracked legislators, block after block, with the
// Yea, Nay and n/a totals; saved as text or comma-separated values, or printed.
class frmTrackRes : public QDialog {
    Q_OBJECT

public:
    frmTrackRes(const TrackRun &run, Services &services, const QString &dataRoot, bool smallScreen,
                QWidget *parent = nullptr);

    const TrackRun &run() const { return m_run; }

    void save();
    void print();

    QGroupBox *fraTrackRes;
    QListWidget *lstTrackRes;
    QFrame *pnlTotals;
    QLabel *lblCaptions, *lblNums;
    QPushButton *btnPrint, *btnSave, *btnDone, *btnHelp;

private:
    QStringList reportLines() const;

    TrackRun m_run;
    Services &m_services;
    QString m_dataRoot;
};

} // namespace rollscan
