#pragma once

#include "core/analysis/Ratings.h"

#include <QDialog>

class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace rollscan {

class Services;

// "Rating Results": every legislator's rating, the highest, lowest and average, and the report
// saved as text or comma-separated values, or printed.
class frmResults : public QDialog {
    Q_OBJECT

public:
    frmResults(const RatingRun &run, Services &services, const QString &dataRoot, QWidget *parent = nullptr);

    const RatingRun &run() const { return m_run; }

    // Asks for a file and writes the report, or the comma-separated ratings for a ".csv" name.
    void save();
    void print();

    QGroupBox *fraResults, *fraInfo;
    QListWidget *lstResults;
    QLabel *lblCaptions, *lblNames, *lblCounts, *lblValues;
    QPushButton *btnSave, *btnPrint, *btnOK, *btnHelp;

private:
    RatingRun m_run;
    Services &m_services;
    QString m_dataRoot;
};

} // namespace rollscan
