#pragma once

#include "core/data/Preferences.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QFontComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace rollscan {

class Services;
class Session;

// The preferences dialog: colours of the displays, default chamber, default display, token case.
// Done applies the choices for this run; Save also writes "rollscan.prf"; Cancel changes nothing.
class frmPreferences : public QDialog {
    Q_OBJECT

public:
    frmPreferences(Session &session, Services &services, QWidget *parent = nullptr);

    QComboBox *cmbYeaColor, *cmbNayColor, *cmbNAcolor, *cmbYeaNayColor, *cmbNayYeaColor, *cmbStartColor, *cmbEndColor,
        *cmbNoMatch, *cmbYNSenColor;
    QRadioButton *optHouse, *optSenate, *optUS, *optIdeological;
    QCheckBox *chkCase;
    QGroupBox *fraColor, *fraView, *fraGeneral;
    QFontComboBox *cmbFontName;
    QComboBox *cmbFontSize, *cmbBackColor;
    QLabel *lblFontTest;
    QLineEdit *txtBackground;
    QPushButton *btnOK, *btnSave, *btnCancel, *btnHelp;

private:
    struct ColourChoice {
        QComboBox *combo;
        QLabel *label;
        void (Preferences::*set)(int); // where Done and Save store the choice
    };
    std::array<ColourChoice, 9> m_choices{};

    QComboBox *addColourChoice(int row, const QString &caption, const QString &name, const QString &tip, int index);
    void applyChoices();
    void buildColourFrame();
    void buildViewFrame();
    void buildGeneralFrame();
    void buildButtons();
    void onSave();

    Session &m_session;
    Services &m_services;
};

} // namespace rollscan
