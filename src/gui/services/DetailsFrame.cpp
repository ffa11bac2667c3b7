#include "gui/services/DetailsFrame.h"

#include "gui/services/WindowTools.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace rollscan {

namespace {
QLabel *fieldLabel(const char *name)
{
    auto *label = Named(new QLabel, name);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // The fields are fixed-width columns of the record; a fixed font shows them as stored.
    label->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    return label;
}

QPlainTextEdit *detailsBox(const char *name, bool scrolling, const QSize &size)
{
    auto *box = Named(new QPlainTextEdit, name);
    box->setReadOnly(true);
    box->setVerticalScrollBarPolicy(scrolling ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box->setMinimumSize(size);
    return box;
}
} // namespace

DetailsFrame DetailsFrame::Build(const QSize &boxSize)
{
    DetailsFrame d;
    d.fraDetails = Named(new QGroupBox(QStringLiteral("Details")), "fraDetails");
    d.lblGField = fieldLabel("lblGField");
    d.lblJField = fieldLabel("lblJField");
    d.lblType = fieldLabel("lblType");
    d.lblHField = fieldLabel("lblHField");
    d.lblLegislator = fieldLabel("lblLegislator");
    d.txtDetails = detailsBox("txtDetails", false, boxSize);
    d.txtDetailsSB = detailsBox("txtDetailsSB", true, boxSize);
    d.txtDetailsSB->hide();

    auto *fields = new QGridLayout;
    fields->addWidget(d.lblGField, 0, 0);
    fields->addWidget(d.lblJField, 0, 1);
    fields->addWidget(d.lblType, 0, 2);
    fields->addWidget(d.lblHField, 1, 0);
    fields->addWidget(d.lblLegislator, 1, 1, 1, 2);
    auto *layout = new QVBoxLayout(d.fraDetails);
    layout->addLayout(fields);
    layout->addWidget(d.txtDetails, 1);
    layout->addWidget(d.txtDetailsSB, 1);
    return d;
}

void DetailsFrame::showDetails(const std::array<QString, 5> &header, const QString &text, bool scrolling) const
{
    QLabel *labels[] = {lblGField, lblJField, lblType, lblHField, lblLegislator};
    for (std::size_t i = 0; i < header.size(); ++i)
        labels[i]->setText(header[i]);
    txtDetails->setVisible(!scrolling);
    txtDetailsSB->setVisible(scrolling);
    txtDetails->setPlainText(scrolling ? QString() : text);
    txtDetailsSB->setPlainText(scrolling ? text : QString());
}

void DetailsFrame::resetDetails() const
{
    txtDetails->show();
    txtDetailsSB->hide();
}

} // namespace rollscan
