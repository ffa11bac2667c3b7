#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;
class QPushButton;
class QRadioButton;

namespace rollscan {

class Services;

// The state list of the US map: the user picks the states the map is restricted to. The names come
// in the order of the file (the order of admission); the user may list them alphabetically.
// exec() returns Accepted for OK; Cancel leaves the map's filter as it was.
class frmState : public QDialog {
    Q_OBJECT

public:
    frmState(Services &services, const QStringList &unionOrder, QWidget *parent = nullptr);

    // True when the map is in shapefile mode (the names are those of the state list).
    void PassVar(bool gisMode) { m_gisMode = gisMode; }
    bool gisMode() const { return m_gisMode; }
    // Marks the names chosen before, so that the list opens as the user left it.
    void select(const QStringList &names);
    // The chosen names, in the order shown.
    QStringList selectedNames() const;
    // Lists the names alphabetically (optAlpha) or in the order of the file (optUnion).
    void showAlphabetical(bool alphabetical);

    QListWidget *lstState;
    QRadioButton *optAlpha, *optUnion;
    QPushButton *btnOK, *btnCancel, *btnHelp;

private:
    Services &m_services;
    QStringList m_union;
    QStringList m_alphabetical;
    bool m_gisMode = true;
};

} // namespace rollscan
