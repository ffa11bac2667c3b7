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
    m_isHouse = isHouse;
    // A multi-member district names every member, and the data name each one's vote: the window
    // widens and grows to show them whole.
    const QFontMetrics metrics = fontMetrics();
    int width = px(isHouse ? 3000 : 3500);
    const QStringList dataLines = lblData->text().split(QLatin1Char('\n'));
    for (const QString &line : dataLines + QStringList{lblName->text(), lblState->text()})
        width = std::max(width, metrics.horizontalAdvance(line) + 24);
    const int rowHeight = metrics.height() + 6;
    const int dataHeight = rowHeight + metrics.height() * (int(dataLines.size()) - 1);
    // Centred labels, so that names of any length sit in the middle of the window.
    lblName->setGeometry(8, 8, width - 16, rowHeight);
    lblState->setGeometry(8, 8 + rowHeight, width - 16, rowHeight);
    lblData->setGeometry(8, 8 + 2 * rowHeight, width - 16, dataHeight);
    for (QLabel *label : {lblName, lblState, lblData})
        label->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    const int buttonWidth = std::max(px(1200), btnOK->sizeHint().width());
    const int buttonTop = 12 + 2 * rowHeight + dataHeight;
    btnOK->setGeometry((width - buttonWidth) / 2, buttonTop, buttonWidth, btnOK->sizeHint().height());
    setFixedSize(width, buttonTop + 8 + btnOK->sizeHint().height());
}

void frmInquire::setResult(const QString &name, const QString &state, const QString &data)
{
    lblName->setText(name);
    lblState->setText(state);
    lblData->setText(data);
    layoutFor(m_isHouse);
}

} // namespace rollscan
