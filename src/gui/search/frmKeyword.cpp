#include "gui/search/frmKeyword.h"

#include "gui/services/Services.h"
#include "gui/services/WindowTools.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace rollscan {

namespace {
constexpr int kKeywordWidth = 260;
} // namespace

frmKeyword::frmKeyword(Services &services, QWidget *parent) : QDialog(parent), m_services(services)
{
    setObjectName(QStringLiteral("frmKeyword"));
    setWindowTitle(QStringLiteral("Keyword Search"));
    setModal(true);

    fraKeyword = Named(new QGroupBox(QStringLiteral("Enter &Keyword:")), "fraKeyword");
    txtKeyword = Named(new QLineEdit, "txtKeyword");
    txtKeyword->setToolTip(QStringLiteral(
        "This is the primary keyword entry area. Enter a keyword to search for, then hit ENTER or click on the OK "
        "button to execute the search."));
    txtKeyword2 = Named(new QLineEdit, "txtKeyword2");
    txtKeyword2->setToolTip(QStringLiteral(
        "This is the secondary keyword entry area. You must change the logical operator to its left from (none) to "
        "a valid operator for this to function. It is logically evaluated in conjunction with the primary keyword "
        "entry area."));
    txtKeyword3 = Named(new QLineEdit, "txtKeyword3");
    txtKeyword3->setToolTip(QStringLiteral(
        "This is the tertiary keyword entry area. You must change the logical operator to its left from (none) to "
        "a valid operator for this to function. It is logically evaluated in conjunction with the primary keyword "
        "entry area."));
    for (QLineEdit *box : {txtKeyword, txtKeyword2, txtKeyword3})
        box->setMinimumWidth(kKeywordWidth);

    cmbKey2 = Named(new QComboBox, "cmbKey2");
    cmbKey2->setToolTip(QStringLiteral(
        "Click on the down arrow and then click on the desired logical operator that is to be used with the primary "
        "and secondary keyword entry areas."));
    cmbKey3 = Named(new QComboBox, "cmbKey3");
    cmbKey3->setToolTip(QStringLiteral(
        "Click on the down arrow and then click on the logical operator that is to be used with the primary and "
        "tertiary keyword entry areas."));
    for (QComboBox *combo : {cmbKey2, cmbKey3}) {
        combo->addItems(KeywordOperatorTexts());
        combo->setCurrentIndex(0);
    }

    // Short row captions so that the three boxes can be told apart and reached from the keyboard.
    lblKeyword = Named(new QLabel(QStringLiteral("&Primary")), "lblKeyword");
    lblKeyword->setBuddy(txtKeyword);
    lblKeyword2 = Named(new QLabel(QStringLiteral("S&econdary")), "lblKeyword2");
    lblKeyword2->setBuddy(cmbKey2);
    lblKeyword3 = Named(new QLabel(QStringLiteral("&Tertiary")), "lblKeyword3");
    lblKeyword3->setBuddy(cmbKey3);

    auto *grid = new QGridLayout(fraKeyword);
    grid->addWidget(lblKeyword, 0, 0);
    grid->addWidget(txtKeyword, 0, 2);
    grid->addWidget(lblKeyword2, 1, 0);
    grid->addWidget(cmbKey2, 1, 1);
    grid->addWidget(txtKeyword2, 1, 2);
    grid->addWidget(lblKeyword3, 2, 0);
    grid->addWidget(cmbKey3, 2, 1);
    grid->addWidget(txtKeyword3, 2, 2);
    grid->setColumnStretch(2, 1);

    btnOK = Named(new QPushButton(QStringLiteral("Start")), "btnOK");
    btnOK->setToolTip(QStringLiteral("Click on this button to execute your keyword search request."));
    btnOK->setDefault(true);
    btnCancel = Named(new QPushButton(QStringLiteral("Done")), "btnCancel");
    btnHelp = Named(new QPushButton(QStringLiteral("Help")), "btnHelp");
    btnHelp->setAutoDefault(false);
    btnCancel->setAutoDefault(false);

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    buttons->addWidget(btnHelp);
    buttons->addStretch(1);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(fraKeyword, 1);
    layout->addLayout(buttons);

    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnHelp, &QPushButton::clicked, this, [this] { m_services.showHelp(this, QStringLiteral("frmKeyword")); });

    adjustSize();
    CentreOnScreen(this);
}

KeywordCriteria frmKeyword::criteria() const
{
    KeywordCriteria c;
    c.keyword1 = txtKeyword->text();
    c.keyword2 = txtKeyword2->text();
    c.keyword3 = txtKeyword3->text();
    c.op2 = KeywordOperatorFromText(cmbKey2->currentText());
    c.op3 = KeywordOperatorFromText(cmbKey3->currentText());
    return c;
}

bool frmKeyword::ask()
{
    CentreOnScreen(this);
    txtKeyword->setFocus();
    txtKeyword->selectAll();
    return exec() == QDialog::Accepted;
}

} // namespace rollscan
