#pragma once

#include "core/search/KeywordCriteria.h"

#include <QDialog>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace rollscan {

class Services;

// The keyword dialog: up to three keywords tied by AND, OR or NOT. It is made once and only hidden
// between uses, so the last entries are there for the next search. Start accepts it; Done (or
// Escape, or closing it) rejects it.
class frmKeyword : public QDialog {
    Q_OBJECT

public:
    frmKeyword(Services &services, QWidget *parent = nullptr);

    // What the dialog holds now, as typed.
    KeywordCriteria criteria() const;

    // Shows the dialog modally, centred, with the primary keyword ready for typing. True when the
    // user pressed Start; false when the user left with Done.
    bool ask();

    QGroupBox *fraKeyword;
    QLineEdit *txtKeyword, *txtKeyword2, *txtKeyword3;
    QComboBox *cmbKey2, *cmbKey3;
    QLabel *lblKeyword, *lblKeyword2, *lblKeyword3;
    QPushButton *btnOK, *btnCancel, *btnHelp;

private:
    Services &m_services;
};

} // namespace rollscan
