#include "gui/ideology/frmInquire.h"

#include "gui/services/WindowTools.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace rollscan {

namespace {
// Window widths in twips, as the other windows measure them; 15 twips make a pixel at 96 dpi.
constexpr int px(int twips)
{
    return twips / 15;
}
} // namespace

frmInquire::frmInquire(bool isHouse, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmInquire"));
    setWindowTitle(QStringLiteral("Inquire Result"));
    lblName = new QLabel(QStringLiteral("Name"), this);
    lblName->setObjectName(QStringLiteral("lblName"));
    lblState = new QLabel(QStringLiteral("State"), this);
    lblState->setObjectName(QStringLiteral("lblState"));
    lblData = new QLabel(this);
    lblData->setObjectName(QStringLiteral("lblData"));
    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    for (QLabel *label : {lblName, lblState, lblData})
        label->setTextFormat(Qt::PlainText);
    connect(btnOK, &QPushButton::clicked, this, &QWidget::hide);
    layoutFor(isHouse);
    CentreOnScreen(this);
}

void frmInquire::layoutFor(bool isHouse)
{
    const int width = px(isHouse ? 3000 : 3500);
    const int rowHeight = fontMetrics().height() + 6;
    // Centred labels, so that names of any length sit in the middle of the window.
    lblName->setGeometry(8, 8, width - 16, rowHeight);
    lblState->setGeometry(8, 8 + rowHeight, width - 16, rowHeight);
    lblData->setGeometry(8, 8 + 2 * rowHeight, width - 16, rowHeight);
    for (QLabel *label : {lblName, lblState, lblData})
        label->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    const int buttonWidth = std::max(px(1200), btnOK->sizeHint().width());
    btnOK->setGeometry((width - buttonWidth) / 2, 12 + 3 * rowHeight, buttonWidth, btnOK->sizeHint().height());
    setFixedSize(width, 20 + 3 * rowHeight + btnOK->sizeHint().height());
}

} // namespace rollscan
