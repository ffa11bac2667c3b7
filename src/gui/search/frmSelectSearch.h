#pragma once

#include "core/search/SubjectCodeTable.h"

#include <QDialog>

class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace rollscan {

class Services;
class Session;
class frmKeyword;
struct SearchCriteria;

// The search dialog, where every piece of work starts: a chamber, its congresses and a kind of
// search. Start gathers the criteria (subject picker, keyword dialog or bookmark file), searches
// under the wait window and, when something was found, announces the new result. The dialog stays
// open after a search; Done closes it.
class frmSelectSearch : public QDialog {
    Q_OBJECT

public:
    frmSelectSearch(Session &session, Services &services, frmKeyword &keyword, QWidget *parent = nullptr);

    // The most congresses one search takes.
    static constexpr int kMaxSelectedCongresses = 250;

    QGroupBox *fraCongressType, *fraCodeType, *fraHouse, *fraSenate;
    QRadioButton *optHouse, *optSenate;
    QRadioButton *optNone, *optIssue, *optClausen, *optPeltzman, *optKeyword, *optBookmark;
    QListWidget *lstHouse, *lstSenate;
    QLabel *lblCongress, *lblNum;
    QPushButton *btnStart, *btnCancel, *btnHelp;

    // What Start does.
    void startSearch();

signals:
    // The session's MatchTable holds a new, non-empty result.
    void searchCompleted();

private:
    void buildOptions();
    void buildLists();
    void buildButtons();
    void layOut();
    void connectControls();
    // The codes of a subject-code search, asked for in the code picker; false when none were chosen.
    bool askCodes(SubjectScheme scheme, SearchCriteria &criteria);
    // The congresses chosen in the list into the session; false (and the user told) when there are none.
    bool takeChosenCongresses();
    void fillList(bool house);
    void updateListsEnabled();
    QListWidget *currentList() const;

    Session &m_session;
    Services &m_services;
    frmKeyword &m_keyword;
};

} // namespace rollscan
