#pragma once

#include "core/analysis/Ratings.h"

#include <QDialog>

class QGroupBox;
class QListWidget;
class QPushButton;

namespace rollscan {

class Services;
class Session;

// "Roll Call Ratings": for each queued roll call the user says whether a Yea or a Nay agrees, then
// Start rates every legislator of the selected congresses. The results window opens through the
// ratingsComputed signal.
class frmRating : public QDialog {
    Q_OBJECT

public:
    frmRating(Session &session, Services &services, QWidget *parent = nullptr);

    const QList<RatingSetting> &settings() const { return m_settings; }

    // What the buttons do.
    void toggleSelected();
    void reverseAll();
    void setAll();
    // Rates under the wait window; emits ratingsComputed when done. False when a file could not be
    // read (the error has been reported).
    bool start();

    QGroupBox *fraRating;
    QListWidget *lstRating;
    QPushButton *btnToggle, *btnReverse, *btnSetAll, *btnOK, *btnCancel, *btnHelp;

signals:
    void ratingsComputed(const rollscan::RatingRun &run);

private:
    void showRows();

    Session &m_session;
    Services &m_services;
    QList<RatingSetting> m_settings;
};

} // namespace rollscan
