#include "gui/services/HelpWindow.h"

#include "core/app/HelpIndex.h"

#include <QDesktopServices>
#include <QDirIterator>
#include <QFile>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

// The pages are compiled into the library; a static library's resources must be registered by hand.
static void RegisterHelpPages()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(help);
        return true;
    }();
    Q_UNUSED(registered);
}

namespace rollscan {

namespace {
const QString kHelpPrefix = QStringLiteral("/help/");
const QUrl kContentsPage(QStringLiteral("qrc:/help/index.html"));
} // namespace

HelpWindow::HelpWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    RegisterHelpPages();
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Rollscan Help"));

    txtHelp = new QTextBrowser(this);
    txtHelp->setObjectName(QStringLiteral("txtHelp"));
    // Links to outside sites go to the system's browser; the help pages stay in this window.
    txtHelp->setOpenLinks(false);
    connect(txtHelp, &QTextBrowser::anchorClicked, this, [this](const QUrl &url) {
        if (IsHelpAddress(url) || url.isRelative())
            txtHelp->setSource(txtHelp->source().resolved(url));
        else
            QDesktopServices::openUrl(url);
    });
    connect(txtHelp, &QTextBrowser::sourceChanged, this, [this] {
        const QString title = txtHelp->documentTitle();
        setWindowTitle(title.isEmpty() ? QStringLiteral("Rollscan Help") : QStringLiteral("Rollscan Help - ") + title);
    });

    btnBack = new QPushButton(QStringLiteral("&Back"), this);
    btnBack->setObjectName(QStringLiteral("btnBack"));
    btnForward = new QPushButton(QStringLiteral("&Forward"), this);
    btnForward->setObjectName(QStringLiteral("btnForward"));
    btnContents = new QPushButton(QStringLiteral("&Contents"), this);
    btnContents->setObjectName(QStringLiteral("btnContents"));
    btnClose = new QPushButton(QStringLiteral("Close"), this);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    btnBack->setEnabled(false);
    btnForward->setEnabled(false);
    connect(btnBack, &QPushButton::clicked, txtHelp, &QTextBrowser::backward);
    connect(btnForward, &QPushButton::clicked, txtHelp, &QTextBrowser::forward);
    connect(btnContents, &QPushButton::clicked, this, [this] { txtHelp->setSource(kContentsPage); });
    connect(btnClose, &QPushButton::clicked, this, &QWidget::close);
    connect(txtHelp, &QTextBrowser::backwardAvailable, btnBack, &QPushButton::setEnabled);
    connect(txtHelp, &QTextBrowser::forwardAvailable, btnForward, &QPushButton::setEnabled);
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    txtSearch = new QLineEdit(this);
    txtSearch->setObjectName(QStringLiteral("txtSearch"));
    txtSearch->setPlaceholderText(QStringLiteral("Search help"));
    txtSearch->setClearButtonEnabled(true);
    lstTopics = new QListWidget(this);
    lstTopics->setObjectName(QStringLiteral("lstTopics"));
    connect(txtSearch, &QLineEdit::textChanged, this, &HelpWindow::fillTopics);
    connect(lstTopics, &QListWidget::currentItemChanged, this, [this](QListWidgetItem *item) {
        if (item)
            txtHelp->setSource(QUrl(QStringLiteral("qrc:") + kHelpPrefix + item->data(Qt::UserRole).toString()));
    });
    // Enter in the search box opens the first topic found.
    connect(txtSearch, &QLineEdit::returnPressed, this, [this] {
        if (lstTopics->count() > 0)
            lstTopics->setCurrentRow(0);
    });
    QDirIterator pages(QStringLiteral(":") + kHelpPrefix, {QStringLiteral("*.html")}, QDir::Files);
    while (pages.hasNext()) {
        QFile page(pages.next());
        if (page.open(QIODevice::ReadOnly))
            m_index.add(pages.fileName(), QString::fromUtf8(page.readAll()));
    }
    fillTopics();

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(btnBack);
    buttons->addWidget(btnForward);
    buttons->addWidget(btnContents);
    buttons->addStretch(1);
    buttons->addWidget(btnClose);
    auto *side = new QVBoxLayout;
    side->addWidget(txtSearch);
    side->addWidget(lstTopics, 1);
    auto *body = new QHBoxLayout;
    body->addLayout(side);
    body->addWidget(txtHelp, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addLayout(body, 1);
    lstTopics->setMaximumWidth(240);
    resize(800, 560);
}

QUrl HelpWindow::TopicUrl(const QString &topic)
{
    RegisterHelpPages();
    const QString resource = QStringLiteral(":") + kHelpPrefix + topic + QStringLiteral(".html");
    if (topic.isEmpty() || !QFile::exists(resource))
        return kContentsPage;
    return QUrl(QStringLiteral("qrc") + resource);
}

bool HelpWindow::IsHelpAddress(const QUrl &url)
{
    return url.scheme() == QLatin1String("qrc") && url.path().startsWith(kHelpPrefix);
}

void HelpWindow::fillTopics()
{
    const QSignalBlocker blocker(lstTopics);
    lstTopics->clear();
    for (const HelpIndex::Topic &topic : m_index.search(txtSearch->text())) {
        auto *item = new QListWidgetItem(topic.title, lstTopics);
        item->setData(Qt::UserRole, topic.page);
    }
}

void HelpWindow::showText(const QString &title, const QString &text)
{
    txtHelp->setSource(QUrl());
    txtHelp->setPlainText(text);
    txtHelp->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setWindowTitle(QStringLiteral("Rollscan - ") + title);
    show();
    raise();
    activateWindow();
}

void HelpWindow::showPage(const QUrl &url)
{
    txtHelp->setFont(QFont());
    if (txtHelp->source() == url)
        txtHelp->reload();
    else
        txtHelp->setSource(url);
    show();
    raise();
    activateWindow();
}

} // namespace rollscan
