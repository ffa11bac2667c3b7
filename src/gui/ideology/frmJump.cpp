#include "gui/ideology/frmJump.h"

#include "core/ideology/QueueNavigation.h"
#include "gui/services/Services.h"
#include "gui/services/WindowTools.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace rollscan {

frmJump::frmJump(Services &services, int queueLength, QWidget *parent) : QDialog(parent), m_services(services)
{
    setObjectName(QStringLiteral("frmJump"));
    setWindowTitle(QStringLiteral("Jump to Roll Call"));

    fraJump = new QGroupBox(QStringLiteral("Jump to..."));
    fraJump->setObjectName(QStringLiteral("fraJump"));
    mtxJump = new QLineEdit;
    mtxJump->setObjectName(QStringLiteral("mtxJump"));
    mtxJump->setToolTip(QStringLiteral("Enter the relative roll call number, then click on OK or press ENTER to "
                                       "quickly jump to a selected roll call."));
    // As many digits as the mask has places: the longest position the queue can hold.
    const int digits = int(JumpMask(queueLength).size());
    mtxJump->setMaxLength(digits);
    mtxJump->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,%1}").arg(digits)), mtxJump));
    auto *frameLayout = new QVBoxLayout(fraJump);
    frameLayout->addWidget(mtxJump);

    btnOK = new QPushButton(QStringLiteral("Start"));
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnCancel = new QPushButton(QStringLiteral("Done"));
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnHelp = new QPushButton(QStringLiteral("Help"));
    btnHelp->setObjectName(QStringLiteral("btnHelp"));
    btnOK->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    buttons->addWidget(btnHelp);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(fraJump);
    layout->addLayout(buttons);

    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, [this] {
        mtxJump->clear();
        reject();
    });
    connect(btnHelp, &QPushButton::clicked, this, [this] { m_services.showHelp(this, QStringLiteral("frmJump")); });
    CentreOnScreen(this);
}

QString frmJump::entry() const
{
    return mtxJump->text().trimmed();
}

} // namespace rollscan
