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
// a double click) hands the selected subjects' codes and names to the session; Done (or Escape)
// sets session.dialogCancelled. The caller sets the caption of the scheme before showing it.
class frmSubjectAccess : public QDialog {
    Q_OBJECT

public:
    frmSubjectAccess(Session &session, Services &services, const SubjectCodeTable &table, QWidget *parent = nullptr);

    QGroupBox *fraSubject;
    QListWidget *lstSubject;
    QFrame *pnlSelected;
    QLabel *lblSelected, *lblSubject;
    QPushButton *btnOK, *btnCancel, *btnHelp;

public slots:
    void reject() override;

private:
    void showCurrent();
    void choose();

    Session &m_session;
    Services &m_services;
    SubjectCodeTable m_table;
};

} // namespace rollscan
