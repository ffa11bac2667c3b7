#include "gui/app/frmPreferences.h"

#include "core/app/Session.h"
#include "core/data/FileError.h"
#include "gui/app/PaletteColour.h"
#include "gui/services/Services.h"
#include "gui/services/WaitProgress.h"
#include "gui/services/WindowTools.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

namespace rollscan {

namespace {
void fillColours(QComboBox *combo)
{
    for (int i = 0; i < kColourCount; ++i)
        combo->addItem(ColourName(i));
}

void setTextColour(QLabel *label, int index)
{
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, PaletteColour(index));
    label->setPalette(p);
}

void setBackground(QLineEdit *box, int index)
{
    QPalette p = box->palette();
    p.setColor(QPalette::Base, PaletteColour(index));
    box->setPalette(p);
}

} // namespace

frmPreferences::frmPreferences(Session &session, Services &services, QWidget *parent)
    : QDialog(parent), m_session(session), m_services(services)
{
    setObjectName(QStringLiteral("frmPreferences"));
    setWindowTitle(QStringLiteral("Rollscan Preferences"));
    setAttribute(Qt::WA_DeleteOnClose);
    const Preferences &p = session.Preferences;

    buildColourFrame();
    buildViewFrame();
    buildGeneralFrame();
    buildButtons();
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton *b : {btnOK, btnSave, btnCancel, btnHelp})
        buttons->addWidget(b);

    auto *right = new QVBoxLayout;
    right->addWidget(fraView);
    right->addWidget(fraGeneral);
    right->addStretch();
    auto *columns = new QHBoxLayout;
    columns->addWidget(fraColor);
    columns->addLayout(right);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(buttons);

    (p.displayKind() == QLatin1Char('i') ? optIdeological : optUS)->setChecked(true);
    chkCase->setChecked(p.tokenCase() == QLatin1Char('l'));
    (p.startWithHouse() ? optHouse : optSenate)->setChecked(true);

    connect(btnOK, &QPushButton::clicked, this, [this] {
        applyChoices();
        close();
    });
    connect(btnSave, &QPushButton::clicked, this, &frmPreferences::onSave);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::close);
    connect(btnHelp, &QPushButton::clicked, this,
            [this] { m_services.showHelp(this, QStringLiteral("frmPreferences")); });

    adjustSize();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

// The nine colour settings, each a caption and a list of the palette.
void frmPreferences::buildColourFrame()
{
    const Preferences &p = m_session.Preferences;
    fraColor = Named(new QGroupBox(QStringLiteral("Color Defaults")), "fraColor");
    auto *colourGrid = new QGridLayout(fraColor);
    // The nine colour settings: caption, control, tool tip, and where the setting lives.
    struct ColourSetting {
        const char *caption;
        const char *name;
        const char *tip;
        QComboBox *frmPreferences::*control;
        int (Preferences::*get)() const;
        void (Preferences::*set)(int);
    };
    static const ColourSetting kSettings[9] = {
        {"&Yea Vote", "cmbYeaColor",
         "This selects the color of 'Yea' vote tokens and districts, as well as a 'Yea-Yea' cross-tab vote "
         "combination.",
         &frmPreferences::cmbYeaColor, &Preferences::yeaColour, &Preferences::setYeaColour},
        {"&Nay Vote", "cmbNayColor",
         "This selects the color of 'Nay' vote tokens and districts, as well as a 'Nay-Nay' cross-tab vote "
         "combination.",
         &frmPreferences::cmbNayColor, &Preferences::nayColour, &Preferences::setNayColour},
        {"N&ot Available", "cmbNAcolor", "This selects the color of 'Not Available' vote tokens and districts.",
         &frmPreferences::cmbNAcolor, &Preferences::notVotingColour, &Preferences::setNotVotingColour},
        {"Yea-Nay Cross Tab", "cmbYeaNayColor",
         "This selects the color of cross-tabbed vote tokens, for a 'Yea' on the current roll call, and a 'Nay' on the "
         "other one.",
         &frmPreferences::cmbYeaNayColor, &Preferences::yeaNayColour, &Preferences::setYeaNayColour},
        {"Nay-Yea Cross Tab", "cmbNayYeaColor",
         "This selects the color of cross-tabbed vote tokens, for a 'Nay' on the current roll call, and a 'Yea' on the "
         "other one.",
         &frmPreferences::cmbNayYeaColor, &Preferences::nayYeaColour, &Preferences::setNayYeaColour},
        {"Starting data color", "cmbStartColor",
         "This selects the color of the (relative) minimum imported quantitative variable data.",
         &frmPreferences::cmbStartColor, &Preferences::gradientStartColour, &Preferences::setGradientStartColour},
        {"Ending data color", "cmbEndColor",
         "This selects the color of the (relative) maximum imported quantitative variable data.",
         &frmPreferences::cmbEndColor, &Preferences::gradientEndColour, &Preferences::setGradientEndColour},
        {"No Cross Tab Match", "cmbNoMatch", "", &frmPreferences::cmbNoMatch, &Preferences::noMatchColour,
         &Preferences::setNoMatchColour},
        {"Yea-Nay Senate", "cmbYNSenColor", "", &frmPreferences::cmbYNSenColor, &Preferences::splitColour,
         &Preferences::setSplitColour},
    };
    for (int row = 0; row < 9; ++row) {
        const ColourSetting &setting = kSettings[row];
        QComboBox *combo = addColourChoice(row, QString::fromLatin1(setting.caption), QString::fromLatin1(setting.name),
                                           QString::fromLatin1(setting.tip), (p.*setting.get)());
        this->*setting.control = combo;
        m_choices[row].combo = combo;
        m_choices[row].set = setting.set;
    }
    for (int row = 0; row < 9; ++row) {
        colourGrid->addWidget(m_choices[row].label, row, 0);
        colourGrid->addWidget(m_choices[row].combo, row, 1);
    }
}

void frmPreferences::buildViewFrame()
{
    fraView = Named(new QGroupBox(QStringLiteral("Roll Call Viewing Defaults")), "fraView");
    auto *viewLayout = new QGridLayout(fraView);
    auto *chamberBox = new QWidget;
    auto *chamberLayout = new QVBoxLayout(chamberBox);
    chamberLayout->setContentsMargins(0, 0, 0, 0);
    optHouse = Named(new QRadioButton(QStringLiteral("&House search")), "optHouse");
    optHouse->setToolTip(
        QStringLiteral("This makes the House the default type of Congress to be searched and displayed."));
    optSenate = Named(new QRadioButton(QStringLiteral("&Senate search")), "optSenate");
    optSenate->setToolTip(
        QStringLiteral("This makes the Senate the default type of Congress to be searched and displayed."));
    chamberLayout->addWidget(optHouse);
    chamberLayout->addWidget(optSenate);
    auto *displayBox = new QWidget;
    auto *displayLayout = new QVBoxLayout(displayBox);
    displayLayout->setContentsMargins(0, 0, 0, 0);
    optUS = Named(new QRadioButton(QStringLiteral("&US map display")), "optUS");
    optUS->setToolTip(QStringLiteral("This makes the default viewing type a US map."));
    optIdeological = Named(new QRadioButton(QStringLiteral("&Ideological map display")), "optIdeological");
    optIdeological->setToolTip(
        QStringLiteral("This makes the default viewing of Rollscan scalings an ideological map."));
    displayLayout->addWidget(optUS);
    displayLayout->addWidget(optIdeological);
    chkCase = Named(new QCheckBox(QStringLiteral("&Lower case tokens")), "chkCase");
    chkCase->setToolTip(QStringLiteral("A check here indicates the default token letter is lowercase."));
    viewLayout->addWidget(chamberBox, 0, 0);
    viewLayout->addWidget(displayBox, 0, 1);
    viewLayout->addWidget(chkCase, 1, 0, 1, 2);
}

void frmPreferences::buildGeneralFrame()
{
    const Preferences &p = m_session.Preferences;
    // The general frame previews fonts and a background colour; none of it is stored.
    fraGeneral = Named(new QGroupBox(QStringLiteral("General Preferences")), "fraGeneral");
    auto *generalLayout = new QGridLayout(fraGeneral);
    cmbFontName = Named(new QFontComboBox, "cmbFontName");
    cmbFontSize = Named(new QComboBox, "cmbFontSize");
    for (int size : {8, 9, 10, 11, 12, 14, 16, 18, 20, 24})
        cmbFontSize->addItem(QString::number(size));
    lblFontTest = Named(new QLabel(QStringLiteral("The Quick Brown Fox Jumped Over The Lazy Dogs")), "lblFontTest");
    txtBackground = Named(new QLineEdit(QStringLiteral("Background")), "txtBackground");
    txtBackground->setReadOnly(true);
    cmbBackColor = Named(new QComboBox, "cmbBackColor");
    fillColours(cmbBackColor);
    cmbBackColor->setCurrentIndex(qBound(0, p.backgroundColour(), kColourCount - 1));
    auto *fontNameLabel = new QLabel(QStringLiteral("&Font name"));
    fontNameLabel->setBuddy(cmbFontName);
    auto *fontSizeLabel = new QLabel(QStringLiteral("Font &size"));
    fontSizeLabel->setBuddy(cmbFontSize);
    generalLayout->addWidget(fontNameLabel, 0, 0);
    generalLayout->addWidget(cmbFontName, 0, 1);
    generalLayout->addWidget(fontSizeLabel, 1, 0);
    generalLayout->addWidget(cmbFontSize, 1, 1);
    generalLayout->addWidget(lblFontTest, 2, 0, 1, 2);
    generalLayout->addWidget(txtBackground, 3, 0);
    generalLayout->addWidget(cmbBackColor, 3, 1);
    setBackground(txtBackground, p.backgroundColour());
    connect(cmbBackColor, &QComboBox::currentIndexChanged, this, [this](int i) { setBackground(txtBackground, i); });
    connect(cmbFontName, &QFontComboBox::currentFontChanged, this, [this](const QFont &f) {
        QFont font = f;
        font.setPointSize(lblFontTest->font().pointSize());
        lblFontTest->setFont(font);
    });
    connect(cmbFontSize, &QComboBox::currentTextChanged, this, [this](const QString &size) {
        QFont font = lblFontTest->font();
        font.setPointSize(size.toInt());
        lblFontTest->setFont(font);
    });
}

void frmPreferences::buildButtons()
{
    btnOK = Named(new QPushButton(QStringLiteral("Done")), "btnOK");
    btnOK->setToolTip(QStringLiteral(
        "This accepts your changes (if any) in Rollscan preferences for the current session, but does not save them."));
    btnSave = Named(new QPushButton(QStringLiteral("&Save")), "btnSave");
    btnSave->setToolTip(QStringLiteral("This accepts your changes (if any) in Rollscan preferences for the current "
                                       "session, and saves them for future sessions."));
    btnCancel = Named(new QPushButton(QStringLiteral("Cancel")), "btnCancel");
    btnHelp = Named(new QPushButton(QStringLiteral("Help")), "btnHelp");
    btnOK->setDefault(true);
}

QComboBox *frmPreferences::addColourChoice(int row, const QString &caption, const QString &name, const QString &tip,
                                           int index)
{
    auto *combo = new QComboBox;
    combo->setObjectName(name);
    fillColours(combo);
    auto *label = new QLabel(caption);
    label->setObjectName(QStringLiteral("lbl") + name.mid(3));
    label->setBuddy(combo);
    if (!tip.isEmpty()) {
        combo->setToolTip(tip);
        label->setToolTip(tip);
    }
    m_choices[row].label = label;
    // A stored index outside the table shows as the first entry rather than as nothing.
    combo->setCurrentIndex(qBound(0, index, kColourCount - 1));
    setTextColour(label, combo->currentIndex());
    connect(combo, &QComboBox::currentIndexChanged, label, [label](int i) { setTextColour(label, i); });
    return combo;
}

void frmPreferences::applyChoices()
{
    Preferences &p = m_session.Preferences;
    for (const ColourChoice &choice : m_choices)
        (p.*choice.set)(choice.combo->currentIndex());
    p.setTokenCase(chkCase->isChecked() ? QLatin1Char('l') : QLatin1Char('u'));
    p.setDisplayKind(optUS->isChecked() ? QLatin1Char('u') : QLatin1Char('i'));
    p.setStartWithHouse(optHouse->isChecked());
}

void frmPreferences::onSave()
{
    applyChoices();
    ErrorReporting how;
    how.fileErrorText = [](const FileError &e) {
        return QStringLiteral("An error (") + QString::number(e.number()) +
               QStringLiteral(") has occurred while saving preferences.");
    };
    // When the file cannot be written, the choices already applied stay in force for this run.
    if (!RunReportingErrors(
            m_services, this, [&] { m_session.Preferences.write(m_session.preferencesPath()); }, how))
        return;
    close();
}

} // namespace rollscan
