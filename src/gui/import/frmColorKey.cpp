#include "gui/import/frmColorKey.h"

#include "gui/services/ScreenFit.h"
#include "gui/services/Services.h"
#include "gui/services/WindowTools.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace rollscan {

frmColorKey::frmColorKey(Services &services, QWidget *parent) : QWidget(parent, Qt::Window), m_services(services)
{
    setObjectName(QStringLiteral("frmColorKey"));
    setWindowTitle(QStringLiteral("Color Key"));
    setAttribute(Qt::WA_DeleteOnClose);

    static const char *const kPanelNames[] = {"pnlColor1", "pnlColor2", "pnlColor3", "pnlColor4",
                                              "pnlColor5", "pnlColor6", "pnlColor7", "pnlColor8"};
    static const char *const kLabelNames[] = {"lblNum1", "lblNum2", "lblNum3", "lblNum4",
                                              "lblNum5", "lblNum6", "lblNum7", "lblNum8"};
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    for (int k = 0; k < kPanels; ++k) {
        pnlColor[k] = Named(new QFrame, kPanelNames[k]);
        pnlColor[k]->setFrameShape(QFrame::Box);
        pnlColor[k]->setAutoFillBackground(true);
        pnlColor[k]->setMinimumSize(48, 22);
        lblNum[k] = Named(new QLabel, kLabelNames[k]);
        lblNum[k]->setTextFormat(Qt::PlainText);
        grid->addWidget(pnlColor[k], k, 0);
        grid->addWidget(lblNum[k], k, 1);
    }
    grid->setColumnStretch(1, 1);

    hscColor = Named(new QScrollBar(Qt::Horizontal), "hscColor");
    hscColor->setPageStep(kPanels);
    btnDone = Named(new QPushButton(QStringLiteral("&Done")), "btnDone");
    btnHelp = Named(new QPushButton(QStringLiteral("&Help")), "btnHelp");
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnDone);
    buttons->addWidget(btnHelp);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(hscColor);
    layout->addStretch(1);
    layout->addLayout(buttons);

    connect(hscColor, &QScrollBar::valueChanged, this, &frmColorKey::showPanels);
    connect(btnDone, &QPushButton::clicked, this, &QWidget::close);
    connect(btnHelp, &QPushButton::clicked, this, [this] { m_services.showHelp(this, QStringLiteral("frmColorKey")); });
    btnDone->setDefault(true);
    resize(260, 0);
    FitToScreen(this);
}

void frmColorKey::setKey(const QuantKey &key)
{
    m_key = key;
    const int n = key.intervals;
    hscColor->blockSignals(true);
    hscColor->setRange(0, std::max(0, n - kPanels));
    hscColor->setValue(0);
    hscColor->blockSignals(false);
    hscColor->setVisible(n > kPanels);
    showPanels();
}

int frmColorKey::classAt(int panel) const
{
    const int cls = panel + 1 + hscColor->value();
    return (panel < std::min(kPanels, m_key.intervals) && cls <= m_key.intervals) ? cls : 0;
}

void frmColorKey::showPanels()
{
    for (int k = 0; k < kPanels; ++k) {
        const int cls = classAt(k);
        pnlColor[k]->setVisible(cls > 0);
        lblNum[k]->setVisible(cls > 0);
        if (cls == 0)
            continue;
        const Rgb c = m_key.colour(cls);
        QPalette pal = pnlColor[k]->palette();
        pal.setColor(QPalette::Window, QColor(c.red, c.green, c.blue));
        pnlColor[k]->setPalette(pal);
        lblNum[k]->setText(m_key.label(cls));
    }
}

} // namespace rollscan
