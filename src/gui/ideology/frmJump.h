#pragma once

#include <QDialog>

class QGroupBox;
class QLineEdit;
class QPushButton;

namespace rollscan {

class Services;

// "Jump to Roll Call": asks for a queue position. Start (or Enter) keeps the entry, Done empties it;
// the map then acts on entry().
class frmJump : public QDialog {
    Q_OBJECT

public:
    frmJump(Services &services, int queueLength, QWidget *parent = nullptr);

    QString entry() const;

    QGroupBox *fraJump;
    QLineEdit *mtxJump;
    QPushButton *btnOK, *btnCancel, *btnHelp;

private:
    Services &m_services;
};

} // namespace rollscan
