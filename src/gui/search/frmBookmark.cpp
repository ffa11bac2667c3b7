#include "gui/search/frmBookmark.h"

#include "gui/services/WaitProgress.h"

#include "core/app/Session.h"
#include "core/data/FileError.h"
#include "gui/services/Services.h"
#include "gui/services/WindowTools.h"

#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace rollscan {

namespace {
QPushButton *button(const char *name, const QString &caption)
{
    auto *b = Named(new QPushButton(caption), name);
    b->setAutoDefault(false);
    return b;
}

const QString kNoFile = QStringLiteral("Current Bookmarks: (None)");
constexpr QSize kListSize(340, 320);
} // namespace

frmBookmark::frmBookmark(Session &session, Services &services, QWidget *parent)
    : QDialog(parent), m_session(session), m_services(services)
{
    setObjectName(QStringLiteral("frmBookmark"));
    setWindowTitle(QStringLiteral("Edit Bookmarks"));
    setAttribute(Qt::WA_DeleteOnClose);

    fraBookmark = Named(new QGroupBox(kNoFile), "fraBookmark");
    lstBookmark = Named(new QListWidget, "lstBookmark");
    lstBookmark->setMinimumSize(kListSize);
    lstBookmark->installEventFilter(this);
    lblTotal = Named(new QLabel(QStringLiteral("Total Bookmarks:")), "lblTotal");
    lblBookmarkCount = Named(new QLabel(QStringLiteral("0")), "lblBookmarkCount");
    auto *countLayout = new QHBoxLayout;
    countLayout->addWidget(lblTotal);
    countLayout->addWidget(lblBookmarkCount);
    countLayout->addStretch(1);
    auto *frameLayout = new QVBoxLayout(fraBookmark);
    frameLayout->addWidget(lstBookmark, 1);
    frameLayout->addLayout(countLayout);

    btnLoad = button("btnLoad", QStringLiteral("&Load"));
    btnSave = button("btnSave", QStringLiteral("Sa&ve"));
    btnMoveUp = button("btnMoveUp", QStringLiteral("Move &Up"));
    btnMoveDown = button("btnMoveDown", QStringLiteral("Move &Down"));
    btnRemove = button("btnRemove", QStringLiteral("&Remove"));
    btnClear = button("btnClear", QStringLiteral("&Clear"));
    btnDone = button("btnDone", QStringLiteral("&Done"));
    btnHelp = button("btnHelp", QStringLiteral("Help"));
    auto *buttons = new QVBoxLayout;
    for (QPushButton *b : {btnLoad, btnSave})
        buttons->addWidget(b);
    buttons->addSpacing(12);
    for (QPushButton *b : {btnMoveUp, btnMoveDown, btnRemove, btnClear})
        buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(btnDone);
    buttons->addWidget(btnHelp);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(fraBookmark, 1);
    layout->addLayout(buttons);

    connect(btnLoad, &QPushButton::clicked, this, &frmBookmark::load);
    connect(btnSave, &QPushButton::clicked, this, &frmBookmark::save);
    connect(btnMoveUp, &QPushButton::clicked, this, &frmBookmark::moveUp);
    connect(btnMoveDown, &QPushButton::clicked, this, &frmBookmark::moveDown);
    connect(btnRemove, &QPushButton::clicked, this, &frmBookmark::remove);
    connect(btnClear, &QPushButton::clicked, this, &frmBookmark::clear);
    connect(btnDone, &QPushButton::clicked, this, &QDialog::close);
    connect(btnHelp, &QPushButton::clicked, this, [this] { m_services.showHelp(this, QStringLiteral("frmBookmark")); });
    connect(lstBookmark, &QListWidget::currentRowChanged, this, &frmBookmark::updateButtons);

    updateButtons();
    adjustSize();
    CentreOnScreen(this);
}

void frmBookmark::showEntries(int currentRow)
{
    lstBookmark->clear();
    lstBookmark->addItems(m_list.lines());
    lblBookmarkCount->setText(QString::number(m_list.count()));
    if (currentRow >= 0 && currentRow < lstBookmark->count())
        lstBookmark->setCurrentRow(currentRow);
    updateButtons();
}

void frmBookmark::updateButtons()
{
    // Moving and removing need a row; saving and clearing need something to save or clear.
    const bool hasRow = lstBookmark->currentRow() >= 0 && lstBookmark->currentRow() < lstBookmark->count();
    const bool hasEntries = m_list.count() > 0;
    btnRemove->setEnabled(hasRow);
    btnMoveUp->setEnabled(hasRow);
    btnMoveDown->setEnabled(hasRow);
    btnSave->setEnabled(hasEntries);
    btnClear->setEnabled(hasEntries);
}

void frmBookmark::setFileCaption(const QString &path)
{
    fraBookmark->setTitle(QStringLiteral("Current Bookmarks: ") + QDir::toNativeSeparators(path));
}

void frmBookmark::load()
{
    const QString path = m_services.openFileNameIn(this, QStringLiteral("Open Bookmark File"), kBookmarkFilters,
                                                   QStringLiteral("BMK"), {m_session.userDir, false});
    if (path.isEmpty())
        return;
    bool loaded = false;
    if (!RunReportingErrors(m_services, this, [&] { loaded = m_list.load(path); }) || !loaded)
        return;
    showEntries(-1);
    setFileCaption(path);
    if (m_list.truncated())
        ReportError(m_services, this,
                    QStringLiteral("That bookmark file holds more than %1 bookmarks. Only the first %1 were loaded.")
                        .arg(BookmarkList::kMaxEntries));
}

void frmBookmark::save()
{
    const QString path = m_services.saveFileNameIn(this, QStringLiteral("Save Bookmark File"), kBookmarkFilters,
                                                   QStringLiteral("BMK"), {m_session.userDir, false});
    if (path.isEmpty())
        return;
    if (!RunReportingErrors(m_services, this, [&] { m_list.save(path); }))
        return;
    setFileCaption(path);
}

void frmBookmark::moveUp()
{
    const int row = lstBookmark->currentRow();
    if (row >= 0)
        showEntries(m_list.moveUp(row));
}

void frmBookmark::moveDown()
{
    const int row = lstBookmark->currentRow();
    if (row >= 0)
        showEntries(m_list.moveDown(row));
}

void frmBookmark::remove()
{
    const int row = lstBookmark->currentRow();
    if (row < 0 || !m_list.remove(row))
        return;
    // The row below moves up into the removed one's place, so the keyboard can keep removing.
    showEntries(std::min(row, m_list.count() - 1));
}

void frmBookmark::clear()
{
    m_list.clear();
    showEntries(-1);
}

bool frmBookmark::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lstBookmark && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Delete || key->key() == Qt::Key_Backspace) {
            remove();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace rollscan
