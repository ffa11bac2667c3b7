#include "gui/search/frmQuickInfo.h"

#include "core/data/Description.h"
#include "core/ideology/RollCallInfo.h"
#include "gui/services/Services.h"
#include "gui/services/WindowTools.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace rollscan {

namespace {
constexpr QSize kDetailsSize(520, 190);
constexpr QSize kSmallDetailsSize(287, 190); // 4300 twips wide on a small screen
} // namespace

frmQuickInfo::frmQuickInfo(Services &services, bool smallScreen, QWidget *parent)
    : QDialog(parent), m_services(services)
{
    setObjectName(QStringLiteral("frmQuickInfo"));
    setWindowTitle(QStringLiteral("Quick Roll Call Information"));
    setAttribute(Qt::WA_DeleteOnClose);

    static_cast<DetailsFrame &>(*this) = DetailsFrame::Build(smallScreen ? kSmallDetailsSize : kDetailsSize);

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
    connect(btnHelp, &QPushButton::clicked, this,
            [this] { m_services.showHelp(this, QStringLiteral("frmQuickInfo")); });

    adjustSize();
    CentreOnScreen(this);
}

void frmQuickInfo::showDescription(const Description &description)
{
    showDetails(description.header, DetailsText(description.text),
                description.text.size() >= RollCallInfo::kScrollingLength);
}

void frmQuickInfo::reject()
{
    resetDetails();
    QDialog::reject();
}

} // namespace rollscan
