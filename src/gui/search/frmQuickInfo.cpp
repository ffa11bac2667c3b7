#include "frmQuickInfo.h"

#include "data/Description.h"
#include "ideology/RollCallInfo.h"
#include "services/Services.h"
#include "services/WindowTools.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace rollscan {

namespace {
QLabel *fieldLabel(const char *name)
{
    auto *label = Named(new QLabel, name);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // The fields are fixed-width columns of the record; a fixed font keeps them legible as stored.
    label->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    return label;
}

QPlainTextEdit *detailsBox(const char *name, bool scrolling)
{
    auto *box = Named(new QPlainTextEdit, name);
    box->setReadOnly(true);
    box->setVerticalScrollBarPolicy(scrolling ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    return box;
}

constexpr QSize kDetailsSize(520, 190);
constexpr QSize kSmallDetailsSize(287, 190); // 4300 twips wide on a small screen
} // namespace

frmQuickInfo::frmQuickInfo(Services &services, bool smallScreen, QWidget *parent)
    : QDialog(parent), m_services(services)
{
    setObjectName(QStringLiteral("frmQuickInfo"));
    setWindowTitle(QStringLiteral("Quick Roll Call Information"));
    setAttribute(Qt::WA_DeleteOnClose);

    fraDetails = Named(new QGroupBox(QStringLiteral("Details")), "fraDetails");
    lblGField = fieldLabel("lblGField");
    lblJField = fieldLabel("lblJField");
    lblType = fieldLabel("lblType");
    lblHField = fieldLabel("lblHField");
    lblLegislator = fieldLabel("lblLegislator");
    txtDetails = detailsBox("txtDetails", false);
    txtDetailsSB = detailsBox("txtDetailsSB", true);
    txtDetailsSB->hide();

    for (QPlainTextEdit *box : {txtDetails, txtDetailsSB})
        box->setMinimumSize(smallScreen ? kSmallDetailsSize : kDetailsSize);

    auto *fields = new QGridLayout;
    fields->addWidget(lblGField, 0, 0);
    fields->addWidget(lblJField, 0, 1);
    fields->addWidget(lblType, 0, 2);
    fields->addWidget(lblHField, 1, 0);
    fields->addWidget(lblLegislator, 1, 1, 1, 2);
    auto *frameLayout = new QVBoxLayout(fraDetails);
    frameLayout->addLayout(fields);
    frameLayout->addWidget(txtDetails, 1);
    frameLayout->addWidget(txtDetailsSB, 1);

    btnHelp = Named(new QPushButton(QStringLiteral("Help")), "btnHelp");
    btnHelp->setAutoDefault(false);
    btnOK = Named(new QPushButton(QStringLiteral("Done")), "btnOK");
    btnOK->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnOK);
    buttons->addWidget(btnHelp);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(fraDetails, 1);
    layout->addLayout(buttons);

    connect(btnOK, &QPushButton::clicked, this, &frmQuickInfo::reject);
    connect(btnHelp, &QPushButton::clicked, this, [this] { m_services.showHelp(this, QStringLiteral("frmQuickInfo")); });

    adjustSize();
    CentreOnScreen(this);
}

void frmQuickInfo::showDescription(const Description &description)
{
    QLabel *labels[] = {lblGField, lblJField, lblType, lblHField, lblLegislator};
    for (std::size_t i = 0; i < description.header.size(); ++i)
        labels[i]->setText(description.header[i]);
    const bool scrolling = description.text.size() >= RollCallInfo::kScrollingLength;
    const QString text = DetailsText(description.text);
    txtDetails->setVisible(!scrolling);
    txtDetailsSB->setVisible(scrolling);
    txtDetails->setPlainText(scrolling ? QString() : text);
    txtDetailsSB->setPlainText(scrolling ? text : QString());
}

void frmQuickInfo::reject()
{
    txtDetails->show();
    txtDetailsSB->hide();
    QDialog::reject();
}

} // namespace rollscan
