#pragma once

#include "core/analysis/Tracking.h"

#include <QDialog>

class QGroupBox;
class QListWidget;
class QPushButton;

namespace rollscan {

class Services;
class Session;

// "Legislator Tracking": every legislator of the selected congresses; the user picks some and
// Start (or a double-click) lists their votes on the queued roll calls through trackingComputed.
class frmTrack : public QDialog {
    Q_OBJECT

public:
    frmTrack(Session &session, Services &services, QWidget *parent = nullptr);

    // Reads the legislators of the selected congresses under the wait window. False when a file
    // could not be read (the error has been reported).
    bool load();
    const QList<TrackEntry> &table() const { return m_table; }

    // Tracks the selected rows; does nothing without a selection. False when a file could not be
    // read (the error has been reported).
    bool start();

    QGroupBox *fraTrack;
    QListWidget *lstTrack;
    QPushButton *btnStart, *btnCancel, *btnHelp;

signals:
    void trackingComputed(const rollscan::TrackRun &run);

private:
    Session &m_session;
    Services &m_services;
    QList<TrackEntry> m_table;
};

} // namespace rollscan
