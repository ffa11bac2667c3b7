#pragma once

#include "core/search/SubjectCodeTable.h"

#include <QDialog>

class QFrame;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace rollscan {

class Services;
class Session;

// The subject picker of a code search: the subjects of one scheme's code file, by name. Start (or
// a double click) accepts it with the selected subjects as its answer; Done (or Escape) rejects it.
// The caller sets the caption of the scheme before showing it.
class frmSubjectAccess : public QDialog {
    Q_OBJECT

public:
    frmSubjectAccess(const Session &session, Services &services, const SubjectCodeTable &table,
                     QWidget *parent = nullptr);

    QGroupBox *fraSubject;
    QListWidget *lstSubject;
    QFrame *pnlSelected;
    QLabel *lblSelected, *lblSubject;
    QPushButton *btnOK, *btnCancel, *btnHelp;

    // The answer of an accepted dialog: the codes and names of the chosen subjects, in list order.
    const QList<int> &chosenCodes() const { return m_chosen.codes; }
    const QStringList &chosenNames() const { return m_chosen.names; }

private:
    void showCurrent();
    void choose();

    Services &m_services;
    SubjectCodeTable m_table;
    ChosenSubjects m_chosen;
};

} // namespace rollscan
