#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace rollscan {

class Services;

// The about box: title, version, release date, the Qt version and the data tree in use, credits,
// and the system information.
class frmNewAbout : public QDialog {
    Q_OBJECT

public:
    explicit frmNewAbout(Services &services, QWidget *parent = nullptr, const QString &dataTree = {});

    // The lines shown by "System Info...": operating system, kernel, processor architecture and
    // the Qt version in use; "System Information Is Unavailable At This Time" when none is known.
    static QString SystemInformation();

    QLabel *imgIcon, *lblTitle, *lblVersion, *lblDate, *lblQtVersion, *lblDataTree, *lblDescription, *lblDisclaimer;
    QPushButton *cmdOK, *cmdSysInfo;

private:
    Services &m_services;
};

} // namespace rollscan
