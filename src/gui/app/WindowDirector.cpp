#include "gui/app/WindowDirector.h"

#include "core/app/Session.h"
#include "gui/app/frmPreferences.h"
#include "gui/app/frmVoteStartup.h"
#include "gui/ideology/frmCrossTab.h"
#include "gui/ideology/frmIdeological.h"
#include "gui/ideology/frmInfo.h"
#include "gui/ideology/frmStatistics.h"
#include "gui/search/frmBookmark.h"
#include "gui/search/frmKeyword.h"
#include "gui/search/frmSelectSearch.h"
#include "gui/search/frmViewCalls.h"

namespace rollscan {

namespace {
// Shows a window and brings it to the front, whether it was just made or already open.
template <typename W> W *raise(W *window)
{
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}
} // namespace

WindowDirector::WindowDirector(Session &session, Services &services, frmVoteStartup &main)
    : QObject(&main), m_session(session), m_services(services), m_main(main)
{
    answer(&main, &frmVoteStartup::preferencesRequested, [this] { showPreferences(); });
    answer(&main, &frmVoteStartup::searchRequested, [this] { showSearch(); });
    answer(&main, &frmVoteStartup::bookmarkEditorRequested, [this] { showBookmarkEditor(); });
}

frmPreferences *WindowDirector::showPreferences()
{
    if (!m_preferences)
        m_preferences = new frmPreferences(m_session, m_services, &m_main);
    return raise(m_preferences.data());
}

frmSelectSearch *WindowDirector::searchWindow() const
{
    return m_search;
}

frmViewCalls *WindowDirector::viewCallsWindow() const
{
    return m_viewCalls;
}

frmBookmark *WindowDirector::bookmarkWindow() const
{
    return m_bookmark;
}

frmKeyword &WindowDirector::keywordDialog()
{
    if (!m_keyword)
        m_keyword = new frmKeyword(m_session, m_services, &m_main);
    return *m_keyword;
}

frmSelectSearch *WindowDirector::showSearch()
{
    if (!m_search) {
        m_search = new frmSelectSearch(m_session, m_services, keywordDialog(), &m_main);
        connect(m_search, &frmSelectSearch::searchCompleted, this, [this] { showViewCalls(); });
    }
    return raise(m_search.data());
}

frmViewCalls *WindowDirector::showViewCalls()
{
    if (m_viewCalls) {
        // A search replaces the list: the old window goes now, not at the next turn of the event loop.
        frmViewCalls *old = m_viewCalls;
        old->close();
        delete old;
    }
    m_viewCalls = new frmViewCalls(m_session, m_services, keywordDialog(), &m_main);
    connectViewCalls(*m_viewCalls);
    return raise(m_viewCalls.data());
}

void WindowDirector::connectViewCalls(frmViewCalls &list)
{
    answer(&list, &frmViewCalls::bookmarkEditorRequested, [this] { showBookmarkEditor(); });
    // The list has set session.currentQueuePos and, for a cross-tabulation, session.crossTabRequested.
    answer(&list, &frmViewCalls::ideologicalRequested, [this] { showIdeological(m_session.crossTabRequested); });
}

frmIdeological *WindowDirector::ideologicalWindow() const
{
    return m_ideological;
}

frmIdeological *WindowDirector::showIdeological(bool crossTab)
{
    if (m_ideological) {
        // A new start replaces the map: the old window and its side windows go now.
        frmIdeological *old = m_ideological;
        old->disconnect(this);
        old->close();
        delete old;
        closeSideWindows();
    }
    m_session.crossTabRequested = crossTab;
    auto *map = new frmIdeological(m_session, m_services, &m_main);
    m_ideological = map;
    connect(map, &frmIdeological::endProgram, &m_main, &frmVoteStartup::endProgram);
    connectIdeological(*map);
    if (!map->start()) {
        map->close();
        delete map;
        return nullptr;
    }
    return raise(map);
}

void WindowDirector::connectIdeological(frmIdeological &map)
{
    connect(&map, &frmIdeological::displayClosed, this, [this] {
        closeSideWindows();
        // The cross-tab request ends with the display that showed it.
        if (m_viewCalls)
            m_viewCalls->mnuCrossTab->setChecked(false);
    });
    // The side windows read the map's drawing pass; they follow it when it moves and go when it closes.
    answer(&map, &frmIdeological::infoRequested, [this](const DrawingPass &pass) { showInfo(pass); });
    answer(&map, &frmIdeological::statisticsRequested, [this](const DrawingPass &pass) { showStatistics(pass); });
    answer(&map, &frmIdeological::crossTabStatisticsRequested, [this](const DrawingPass &pass) { showCrossTab(pass); });
    answer(&map, &frmIdeological::rollCallChanged, [this](const DrawingPass &pass) {
        closeStatistics();
        refreshSideWindows(pass);
    });
}

frmBookmark *WindowDirector::showBookmarkEditor()
{
    if (!m_bookmark)
        m_bookmark = new frmBookmark(m_session, m_services, &m_main);
    return raise(m_bookmark.data());
}

frmInfo *WindowDirector::showInfo(const DrawingPass &pass)
{
    if (!m_info)
        m_info = new frmInfo(m_session, m_services, &m_main);
    m_info->fill(pass);
    return raise(m_info.data());
}

// Closes a window now rather than at the next turn of the event loop, so that its successor is the
// only one of its kind from here on.
template <typename W> static void closeNow(QPointer<W> &window)
{
    if (!window)
        return;
    W *old = window;
    window = nullptr;
    old->close();
    delete old;
}

frmStatistics *WindowDirector::showStatistics(const DrawingPass &pass)
{
    closeNow(m_statistics);
    auto *window = new frmStatistics(m_session, m_services, &m_main);
    if (!window->load(pass)) {
        delete window;
        return nullptr;
    }
    m_statistics = window;
    return raise(window);
}

frmCrossTab *WindowDirector::showCrossTab(const DrawingPass &pass)
{
    closeNow(m_crossTab);
    m_crossTab = new frmCrossTab(m_session, m_services, &m_main);
    m_crossTab->fill(pass);
    return raise(m_crossTab.data());
}

void WindowDirector::closeStatistics()
{
    closeNow(m_statistics);
}

void WindowDirector::refreshSideWindows(const DrawingPass &pass)
{
    if (m_info)
        m_info->fill(pass);
    if (m_crossTab)
        m_crossTab->refresh(pass);
}

frmInfo *WindowDirector::infoWindow() const
{
    return m_info;
}

frmStatistics *WindowDirector::statisticsWindow() const
{
    return m_statistics;
}

frmCrossTab *WindowDirector::crossTabWindow() const
{
    return m_crossTab;
}

void WindowDirector::closeSideWindows()
{
    closeNow(m_info);
    closeNow(m_statistics);
    closeNow(m_crossTab);
}

} // namespace rollscan
