#include "gui/geomap/frmState.h"

#include "gui/services/Services.h"
#include "gui/services/WindowTools.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QVBoxLayout>

#include <algorithm>

namespace rollscan {

frmState::frmState(Services &services, const QStringList &unionOrder, QWidget *parent)
    : QDialog(parent), m_services(services), m_union(unionOrder), m_alphabetical(unionOrder)
{
    setObjectName(QStringLiteral("frmState"));
    setWindowTitle(QStringLiteral("Select States"));
    std::sort(m_alphabetical.begin(), m_alphabetical.end());

    lstState = Named(new QListWidget, "lstState");
    lstState->setSelectionMode(QAbstractItemView::MultiSelection);
    lstState->setToolTip(QStringLiteral("Click on the states to show; click again to leave one out."));
    optUnion = Named(new QRadioButton(QStringLiteral("&Union Order")), "optUnion");
    optAlpha = Named(new QRadioButton(QStringLiteral("&Alphabetical Order")), "optAlpha");
    btnOK = Named(new QPushButton(QStringLiteral("OK")), "btnOK");
    btnCancel = Named(new QPushButton(QStringLiteral("Cancel")), "btnCancel");
    btnHelp = Named(new QPushButton(QStringLiteral("Help")), "btnHelp");
    btnOK->setDefault(true);

    auto *order = new QHBoxLayout;
    order->addWidget(optUnion);
    order->addWidget(optAlpha);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    buttons->addWidget(btnHelp);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lstState);
    layout->addLayout(order);
    layout->addLayout(buttons);

    optUnion->setChecked(true);
    showAlphabetical(false);
    connect(optAlpha, &QRadioButton::toggled, this, [this](bool on) { showAlphabetical(on); });
    connect(lstState, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem *item) {
        item->setSelected(true);
        accept();
    });
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnHelp, &QPushButton::clicked, this, [this] { m_services.showHelp(this, QStringLiteral("frmState")); });
    resize(300, 440);
    CentreOnScreen(this);
}

void frmState::showAlphabetical(bool alphabetical)
{
    const QStringList chosen = selectedNames();
    lstState->clear();
    lstState->addItems(alphabetical ? m_alphabetical : m_union);
    select(chosen);
}

void frmState::select(const QStringList &names)
{
    const QSet<QString> wanted(names.cbegin(), names.cend());
    for (int i = 0; i < lstState->count(); ++i)
        lstState->item(i)->setSelected(wanted.contains(lstState->item(i)->text()));
}

QStringList frmState::selectedNames() const
{
    QStringList out;
    for (int i = 0; i < lstState->count(); ++i)
        if (lstState->item(i)->isSelected())
            out.append(lstState->item(i)->text());
    return out;
}

} // namespace rollscan
