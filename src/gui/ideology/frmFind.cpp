#include "gui/ideology/frmFind.h"

#include "core/ideology/IdeologyTexts.h"
#include "gui/app/PaletteColour.h"
#include "gui/services/Services.h"
#include "gui/services/WindowTools.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <numeric>

namespace rollscan {

frmFind::frmFind(Services &services, QWidget *parent) : QDialog(parent), m_services(services)
{
    setObjectName(QStringLiteral("frmFind"));
    setWindowTitle(QStringLiteral("Find Legislator"));
    setAttribute(Qt::WA_DeleteOnClose);

    fraChoose = Named(new QGroupBox(QStringLiteral("Choose Legislator:")), "fraChoose");
    lstFind = Named(new QListWidget, "lstFind");
    lstFind->setToolTip(QStringLiteral("Click on a legislator and then on the OK button to locate the legislator, or "
                                       "simply double-click on the desired legislator."));
    lstFind->setMinimumSize(260, 300);
    chkSortByName = Named(new QCheckBox(QStringLiteral("Sort by &name")), "chkSortByName");
    auto *chooseLayout = new QVBoxLayout(fraChoose);
    chooseLayout->addWidget(lstFind);
    chooseLayout->addWidget(chkSortByName);

    pnlSelected = Named(new QFrame, "pnlSelected");
    pnlSelected->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pnlSelected->setToolTip(QStringLiteral(
        "This shows the currently selected legislator. It is colored according to how the legislator voted."));
    lblSelected = Named(new QLabel(QStringLiteral("Selected:")), "lblSelected");
    lblLegis = Named(new QLabel(QStringLiteral("(none)")), "lblLegis");
    lblLegis->setTextFormat(Qt::PlainText);
    auto *selectedLayout = new QHBoxLayout(pnlSelected);
    selectedLayout->addWidget(lblSelected);
    selectedLayout->addWidget(lblLegis, 1);

    lblFirst = Named(new QLabel(QStringLiteral("The first find request takes a few moments to execute.")), "lblFirst");
    lblFirst->setWordWrap(true);

    btnStart = Named(new QPushButton(QStringLiteral("Start")), "btnStart");
    btnDone = Named(new QPushButton(QStringLiteral("Done")), "btnDone");
    btnHelp = Named(new QPushButton(QStringLiteral("Help")), "btnHelp");
    btnStart->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(btnStart);
    buttons->addWidget(btnDone);
    buttons->addWidget(btnHelp);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(fraChoose, 1);
    layout->addWidget(pnlSelected);
    layout->addWidget(lblFirst);
    layout->addLayout(buttons);

    tmrFind = Named(new QTimer(this), "tmrFind");
    tmrFind->setInterval(kFlashInterval);
    connect(tmrFind, &QTimer::timeout, this, &frmFind::tick);

    connect(chkSortByName, &QCheckBox::toggled, this, &frmFind::showList);
    connect(lstFind, &QListWidget::currentRowChanged, this, &frmFind::showSelected);
    connect(lstFind, &QListWidget::itemDoubleClicked, this, &frmFind::startFind);
    connect(btnStart, &QPushButton::clicked, this, &frmFind::startFind);
    connect(btnDone, &QPushButton::clicked, this, &QDialog::close);
    connect(btnHelp, &QPushButton::clicked, this, [this] { m_services.showHelp(this, QStringLiteral("frmFind")); });
    CentreOnScreen(this);
}

void frmFind::PassVar(bool openedByUSMap)
{
    m_usMap = openedByUSMap;
    lblFirst->setVisible(m_usMap);
}

void frmFind::fillIdeological(const QList<PlottedEntry> &plotted)
{
    PassVar(false);
    tmrFind->stop();
    m_labels.clear();
    m_colours.clear();
    for (const PlottedEntry &entry : plotted) {
        m_labels.append(entry.label);
        m_colours.append(entry.colour);
    }
    showList();
    lblLegis->setText(QStringLiteral("(none)"));
    lblLegis->setStyleSheet(QString());
}

void frmFind::fillUSMap(const QStringList &labels, const QList<int> &colours)
{
    PassVar(true);
    tmrFind->stop();
    m_labels = labels;
    m_colours = colours;
    showList();
    lblLegis->setText(QStringLiteral("(none)"));
    lblLegis->setStyleSheet(QString());
}

void frmFind::showList()
{
    // Each row keeps the place of its legislator in the plotted list, whatever order it is shown in.
    QList<int> order(m_labels.size());
    std::iota(order.begin(), order.end(), 0);
    if (chkSortByName->isChecked())
        std::stable_sort(order.begin(), order.end(), [this](int a, int b) {
            return QString::localeAwareCompare(m_labels.at(a), m_labels.at(b)) < 0;
        });
    lstFind->clear();
    for (const int i : order) {
        auto *item = new QListWidgetItem(m_labels.at(i), lstFind);
        item->setData(Qt::UserRole, i);
    }
}

int frmFind::plottedIndex(int row) const
{
    const QListWidgetItem *item = lstFind->item(row);
    return item ? item->data(Qt::UserRole).toInt() : -1;
}

void frmFind::showSelected()
{
    const int index = plottedIndex(lstFind->currentRow());
    if (index < 0 || index >= m_colours.size())
        return;
    lblLegis->setText(m_labels.at(index));
    lblLegis->setStyleSheet(QStringLiteral("color: %1;").arg(PaletteColour(m_colours.at(index)).name()));
}

void frmFind::startFind()
{
    const int row = lstFind->currentRow();
    if (row < 0 || lstFind->selectedItems().isEmpty()) {
        ReportError(m_services, this, IdeologyText::kFindNoSelection);
        return;
    }
    emit findRequested(plottedIndex(row));
    m_ticks = 0;
    tmrFind->start();
}

void frmFind::tick()
{
    ++m_ticks;
    // Odd ticks hide the highlight, even ones show it; the seventh leaves it shown for good.
    const bool visible = m_ticks % 2 == 0 || m_ticks >= kFlashTicks;
    emit flash(visible);
    if (m_ticks >= kFlashTicks)
        tmrFind->stop();
}

} // namespace rollscan
