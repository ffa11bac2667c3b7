#pragma once

#include "gui/services/DetailsFrame.h"

#include <QDialog>

class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace rollscan {

class Services;
struct Description;

// The description record of one roll call: the five heading fields and the free text, the text in
// a scrolling box when it is long. Opened from the roll-call list; Done closes it.
class frmQuickInfo : public QDialog, public DetailsFrame {
    Q_OBJECT

public:
    // `smallScreen`: the narrower layout of small screens.
    frmQuickInfo(Services &services, bool smallScreen, QWidget *parent = nullptr);

    // Fills the window from a description record.
    void showDescription(const Description &description);

    QPushButton *btnHelp, *btnOK;

public slots:
    // Done, Escape and the close box: the plain text box is made the visible one again.
    void reject() override;

private:
    Services &m_services;
};

} // namespace rollscan
