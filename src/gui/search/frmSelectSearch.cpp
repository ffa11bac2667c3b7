#include "gui/search/frmSelectSearch.h"

#include "core/app/Session.h"
#include "core/data/FileError.h"
#include "core/search/BookmarkFile.h"
#include "core/search/OrdinalSuffix.h"
#include "core/search/RollCallSearch.h"
#include "core/search/SubjectCodeTable.h"
#include "gui/search/frmKeyword.h"
#include "gui/search/frmSubjectAccess.h"
#include "gui/services/Services.h"
#include "gui/services/WaitGuard.h"
#include "gui/services/WaitProgress.h"
#include "gui/services/WindowTools.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>

namespace rollscan {

namespace {
QRadioButton *option(const char *name, const QString &caption, const QString &tip)
{
    auto *button = Named(new QRadioButton(caption), name);
    button->setToolTip(tip);
    return button;
}

QListWidget *congressList(const char *name)
{
    auto *list = Named(new QListWidget, name);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setMinimumSize(220, 260);
    return list;
}

} // namespace

frmSelectSearch::frmSelectSearch(Session &session, Services &services, frmKeyword &keyword, QWidget *parent)
    : QDialog(parent), m_session(session), m_services(services), m_keyword(keyword)
{
    setObjectName(QStringLiteral("frmSelectSearch"));
    setWindowTitle(QStringLiteral("Rollscan Search Type"));
    setAttribute(Qt::WA_DeleteOnClose);

    buildOptions();
    buildLists();
    buildButtons();
    layOut();
    connectControls();
    // The chamber the preferences name comes first; choosing it fills its list.
    if (m_session.Preferences.startWithHouse())
        optHouse->setChecked(true);
    else
        optSenate->setChecked(true);

    adjustSize();
    CentreOnScreen(this);
}

// The chamber and the kind of search.
void frmSelectSearch::buildOptions()
{
    fraCongressType = Named(new QGroupBox(QStringLiteral("Choose &Congress Type")), "fraCongressType");
    optHouse = option("optHouse", QStringLiteral("&House"), QStringLiteral("Search through available Houses."));
    optSenate = option("optSenate", QStringLiteral("&Senate"), QStringLiteral("Search through available Senates."));
    auto *chamberLayout = new QVBoxLayout(fraCongressType);
    chamberLayout->addWidget(optHouse);
    chamberLayout->addWidget(optSenate);

    fraCodeType = Named(new QGroupBox(QStringLiteral("Choose Code &Type")), "fraCodeType");
    optNone = option("optNone", QStringLiteral("&None (Chronological)"),
                     QStringLiteral("Selects a chronological search (no filter). All roll calls are returned."));
    optIssue = option("optIssue", QStringLiteral("&Issue"),
                      QStringLiteral("Selects an 'issue' code filter to narrow your search."));
    optClausen = option("optClausen", QStringLiteral("C&lausen"),
                        QStringLiteral("Selects a 'Clausen' code filter to narrow your search."));
    optPeltzman = option("optPeltzman", QStringLiteral("&Peltzman"),
                         QStringLiteral("Selects a 'Peltzman' code filter to narrow your search."));
    optKeyword = option("optKeyword", QStringLiteral("&Keyword"),
                        QStringLiteral("Selects a Keyword filter to narrow your search."));
    optBookmark = option("optBookmark", QStringLiteral("&Bookmark"),
                         QStringLiteral("Selects a set of roll calls previously bookmarked"));
    auto *codeLayout = new QVBoxLayout(fraCodeType);
    for (QRadioButton *b : {optNone, optIssue, optClausen, optPeltzman, optKeyword, optBookmark})
        codeLayout->addWidget(b);
    optNone->setChecked(true);
}

// The congresses of each chamber; only the chosen chamber's list is shown.
void frmSelectSearch::buildLists()
{
    fraHouse = Named(new QGroupBox(QStringLiteral("Choose &House")), "fraHouse");
    lstHouse = congressList("lstHouse");
    (new QVBoxLayout(fraHouse))->addWidget(lstHouse);
    fraSenate = Named(new QGroupBox(QStringLiteral("Choose &Senate")), "fraSenate");
    lstSenate = congressList("lstSenate");
    lstSenate->setToolTip(QStringLiteral(
        "To select a Congress to search, use the mouse or cursor keys to select it from the presented list. Type "
        "the first digit of the Congress to jump through the list quickly."));
    (new QVBoxLayout(fraSenate))->addWidget(lstSenate);

    lblCongress = Named(new QLabel(QStringLiteral("Number of Houses:")), "lblCongress");
    lblNum = Named(new QLabel(QStringLiteral("0")), "lblNum");
}

void frmSelectSearch::buildButtons()
{
    btnStart = Named(new QPushButton(QStringLiteral("Start")), "btnStart");
    btnStart->setToolTip(QStringLiteral("Click on this button or hit RETURN to commence searching."));
    btnStart->setDefault(true);
    btnCancel = Named(new QPushButton(QStringLiteral("Done")), "btnCancel");
    btnCancel->setToolTip(QStringLiteral("Disregards anything selected and cancels the search."));
    btnCancel->setAutoDefault(false);
    btnHelp = Named(new QPushButton(QStringLiteral("Help")), "btnHelp");
    btnHelp->setAutoDefault(false);
}

void frmSelectSearch::layOut()
{
    auto *left = new QVBoxLayout;
    left->addWidget(fraCongressType);
    left->addWidget(fraCodeType);
    left->addStretch(1);
    auto *countLayout = new QHBoxLayout;
    countLayout->addWidget(lblCongress);
    countLayout->addWidget(lblNum);
    countLayout->addStretch(1);
    auto *middle = new QVBoxLayout;
    middle->addWidget(fraHouse, 1);
    middle->addWidget(fraSenate, 1);
    middle->addLayout(countLayout);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(btnStart);
    buttons->addWidget(btnCancel);
    buttons->addWidget(btnHelp);
    buttons->addStretch(1);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(middle, 1);
    layout->addLayout(buttons);
}

void frmSelectSearch::connectControls()
{
    connect(optHouse, &QRadioButton::toggled, this, [this](bool on) {
        if (!on)
            return;
        m_session.isHouse = true;
        fillList(true);
    });
    connect(optSenate, &QRadioButton::toggled, this, [this](bool on) {
        if (!on)
            return;
        m_session.isHouse = false;
        fillList(false);
    });
    for (QRadioButton *b : {optNone, optIssue, optClausen, optPeltzman, optKeyword, optBookmark})
        connect(b, &QRadioButton::toggled, this, &frmSelectSearch::updateListsEnabled);
    for (QListWidget *list : {lstHouse, lstSenate})
        connect(list, &QListWidget::itemDoubleClicked, this, &frmSelectSearch::startSearch);
    connect(btnStart, &QPushButton::clicked, this, &frmSelectSearch::startSearch);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::close);
    connect(btnHelp, &QPushButton::clicked, this,
            [this] { m_services.showHelp(this, QStringLiteral("frmSelectSearch")); });
}

void frmSelectSearch::fillList(bool house)
{
    QGroupBox *shown = house ? fraHouse : fraSenate;
    QGroupBox *hidden = house ? fraSenate : fraHouse;
    QListWidget *list = house ? lstHouse : lstSenate;
    const QList<int> &congresses = house ? m_session.houseList : m_session.senateList;

    hidden->setEnabled(false);
    hidden->hide();
    shown->setEnabled(true);
    shown->show();
    list->clear();
    for (int congress : congresses)
        list->addItem(CongressListLine(congress));
    lblCongress->setText(house ? QStringLiteral("Number of Houses:") : QStringLiteral("Number of Senates:"));
    lblNum->setText(QString::number(congresses.size()));
    updateListsEnabled();
    list->setFocus();
}

QListWidget *frmSelectSearch::currentList() const
{
    return optHouse->isChecked() ? lstHouse : lstSenate;
}

void frmSelectSearch::updateListsEnabled()
{
    // A bookmark file names its own congresses; every other search reads the chosen ones.
    const bool bookmark = optBookmark->isChecked();
    currentList()->setEnabled(!bookmark);
    const int count = int(optHouse->isChecked() ? m_session.houseList.size() : m_session.senateList.size());
    btnStart->setEnabled(count > 0 || bookmark);
}

bool frmSelectSearch::askCodes(SubjectScheme scheme, SearchCriteria &criteria)
{
    SubjectCodeTable table;
    if (!RunReportingErrors(m_services, this, [&] {
            table = SubjectCodeTable::Read(m_session.mainFileName(SubjectCodeFileName(scheme)));
        }))
        return false;
    frmSubjectAccess picker(m_session, m_services, table, this);
    picker.setWindowTitle(SubjectAccessCaption(scheme));
    const bool chosen = picker.exec() == QDialog::Accepted;
    repaint();
    if (!chosen)
        return false;
    m_session.chosenCodes = picker.chosenCodes();
    m_session.chosenCodeNames = picker.chosenNames();
    criteria.kind = scheme == SubjectScheme::Issue     ? SearchKind::Issue
                    : scheme == SubjectScheme::Clausen ? SearchKind::Clausen
                                                       : SearchKind::Peltzman;
    criteria.codes = m_session.chosenCodes;
    return true;
}

bool frmSelectSearch::takeChosenCongresses()
{
    // A bookmark file may have switched the chamber since the options were last touched.
    m_session.isHouse = optHouse->isChecked();
    QListWidget *list = currentList();
    QList<int> rows;
    const QList<QListWidgetItem *> selected = list->selectedItems();
    for (const QListWidgetItem *item : selected)
        rows.append(list->row(item));
    if (rows.isEmpty()) {
        ReportError(m_services, this, NoCongressSelectedMessage(m_session.isHouse));
        return false;
    }
    std::sort(rows.begin(), rows.end());
    const QList<int> &congresses = m_session.isHouse ? m_session.houseList : m_session.senateList;
    for (int row : rows) {
        if (m_session.selectedCongresses.size() >= kMaxSelectedCongresses)
            break;
        m_session.selectedCongresses.append(congresses.at(row));
    }
    if (list->currentRow() >= 0)
        m_session.currentCongress = congresses.at(list->currentRow());
    return true;
}

void frmSelectSearch::startSearch()
{
    if (!btnStart->isEnabled())
        return;
    m_session.selectedCongresses.clear();
    const bool bookmark = optBookmark->isChecked();

    SearchCriteria criteria;
    std::optional<SubjectScheme> scheme;
    if (optIssue->isChecked())
        scheme = SubjectScheme::Issue;
    else if (optClausen->isChecked())
        scheme = SubjectScheme::Clausen;
    else if (optPeltzman->isChecked())
        scheme = SubjectScheme::Peltzman;

    if (scheme) {
        if (!askCodes(*scheme, criteria))
            return;
    } else if (optKeyword->isChecked()) {
        if (!m_keyword.ask())
            return;
        criteria.kind = SearchKind::Keyword;
        criteria.keywords = m_keyword.criteria();
    }

    QString summary;
    if (!bookmark) {
        if (!takeChosenCongresses())
            return;
        summary = SearchSummary(m_session.isHouse, int(m_session.selectedCongresses.size()));
    }

    QString bookmarkFile;
    if (bookmark) {
        bookmarkFile = m_services.openFileNameIn(this, QStringLiteral("Open Bookmark File"), kBookmarkFilters,
                                                 QStringLiteral("BMK"), {m_session.userDir, false});
        if (bookmarkFile.isEmpty())
            return;
    }

    SearchOutcome outcome;
    const bool searched = RunReportingErrors(m_services, this, [&] {
        const WaitGuard wait(m_services, kLoadingText);
        const ProgressCallback progress = WaitProgress(m_services, false);
        outcome =
            bookmark ? LoadBookmarkFile(m_session, bookmarkFile, progress) : RunSearch(m_session, criteria, progress);
    });
    if (!searched)
        return;

    if (outcome.matchCount == 0) {
        const bool codeSearch = scheme.has_value();
        ReportError(m_services, this,
                    criteria.kind == SearchKind::Keyword
                        ? FailedKeywordSearchMessage(criteria.keywords, summary)
                        : FailedSearchMessage(codeSearch ? m_session.chosenCodeNames : QStringList(), summary));
        return;
    }
    if (!outcome.message.isEmpty())
        ReportError(m_services, this, outcome.message);
    emit searchCompleted();
}

} // namespace rollscan
