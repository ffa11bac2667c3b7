#include "gui/search/frmSubjectAccess.h"

#include "core/app/Session.h"
#include "gui/services/Services.h"
#include "gui/services/WindowTools.h"

#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace rollscan {

namespace {
const QString kNone = QStringLiteral("(none)");
constexpr QSize kListSize(360, 300);
constexpr int kSmallScreenPoints = 9;
} // namespace

frmSubjectAccess::frmSubjectAccess(const Session &session, Services &services, const SubjectCodeTable &table,
                                   QWidget *parent)
    : QDialog(parent), m_services(services), m_table(table)
{
    setObjectName(QStringLiteral("frmSubjectAccess"));
    setWindowTitle(QStringLiteral("Subject Access"));
    setModal(true);

    fraSubject = Named(new QGroupBox(QStringLiteral("Choose Subject:")), "fraSubject");
    lstSubject = Named(new QListWidget, "lstSubject");
    lstSubject->setToolTip(QStringLiteral(
        "Click on the subject you wish to search for, then click on the OK button to execute your search, or "
        "double-click to both select and execute your search."));
    // Several subjects may be searched at once: the hand-over takes every selected row.
    lstSubject->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lstSubject->setMinimumSize(kListSize);
    if (session.smallScreen) {
        QFont font(QStringList{QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
        font.setPointSize(kSmallScreenPoints);
        lstSubject->setFont(font);
    }
    lstSubject->addItems(m_table.names());
    auto *frameLayout = new QVBoxLayout(fraSubject);
    frameLayout->addWidget(lstSubject);

    pnlSelected = Named(new QFrame, "pnlSelected");
    pnlSelected->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pnlSelected->setToolTip(QStringLiteral("This shows the subject that is currently selected."));
    lblSelected = Named(new QLabel(QStringLiteral("Selected:")), "lblSelected");
    lblSubject = Named(new QLabel(kNone), "lblSubject");
    lblSubject->setTextFormat(Qt::PlainText);
    auto *panelLayout = new QHBoxLayout(pnlSelected);
    panelLayout->addWidget(lblSelected);
    panelLayout->addWidget(lblSubject, 1);

    btnOK = Named(new QPushButton(QStringLiteral("Start")), "btnOK");
    btnOK->setToolTip(
        QStringLiteral("Click on this button to search the selected Congress(es) for the selected subject."));
    btnOK->setDefault(true);
    btnCancel = Named(new QPushButton(QStringLiteral("Done")), "btnCancel");
    btnCancel->setAutoDefault(false);
    btnHelp = Named(new QPushButton(QStringLiteral("Help")), "btnHelp");
    btnHelp->setAutoDefault(false);

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    buttons->addWidget(btnHelp);
    buttons->addStretch(1);
    auto *left = new QVBoxLayout;
    left->addWidget(fraSubject, 1);
    left->addWidget(pnlSelected);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);

    connect(lstSubject, &QListWidget::currentRowChanged, this, &frmSubjectAccess::showCurrent);
    connect(lstSubject, &QListWidget::itemDoubleClicked, this, &frmSubjectAccess::choose);
    connect(btnOK, &QPushButton::clicked, this, &frmSubjectAccess::choose);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnHelp, &QPushButton::clicked, this,
            [this] { m_services.showHelp(this, QStringLiteral("frmSubjectAccess")); });

    lstSubject->setFocus();
    adjustSize();
    CentreOnScreen(this);
}

void frmSubjectAccess::showCurrent()
{
    const QListWidgetItem *item = lstSubject->currentItem();
    lblSubject->setText(item ? item->text() : kNone);
}

void frmSubjectAccess::choose()
{
    showCurrent();
    QList<int> rows;
    const QList<QListWidgetItem *> selected = lstSubject->selectedItems();
    for (const QListWidgetItem *item : selected)
        rows.append(lstSubject->row(item));
    m_chosen = m_table.choose(rows);
    accept();
}

} // namespace rollscan
