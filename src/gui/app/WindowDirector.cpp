#include "gui/app/WindowDirector.h"

#include "core/app/Session.h"
#include "core/search/CongressExtras.h"
#include "gui/analysis/frmAllLines.h"
#include "gui/analysis/frmRating.h"
#include "gui/analysis/frmResults.h"
#include "gui/analysis/frmTrack.h"
#include "gui/analysis/frmTrackRes.h"
#include "gui/app/MaintenanceTools.h"
#include "gui/app/frmPreferences.h"
#include "gui/app/frmVoteStartup.h"
#include "gui/attach/frmAttach.h"
#include "gui/geomap/frmCities.h"
#include "gui/geomap/frmUSMap.h"
#include "gui/ideology/frmCrossTab.h"
#include "gui/ideology/frmFit.h"
#include "gui/ideology/frmIdeological.h"
#include "gui/ideology/frmInfo.h"
#include "gui/ideology/frmStatistics.h"
#include "gui/import/frmColorKey.h"
#include "gui/import/frmImport.h"
#include "gui/search/frmBookmark.h"
#include "gui/search/frmKeyword.h"
#include "gui/search/frmSelectSearch.h"
#include "gui/search/frmViewCalls.h"
#include "gui/services/ScreenFit.h"
#include "gui/services/Services.h"
#include "gui/services/WindowTools.h"

#include <QListWidget>

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

WindowDirector::WindowDirector(Session &session, Services &services, frmVoteStartup &main)
    : QObject(&main), m_session(session), m_services(services), m_main(main)
{
    answer(&main, &frmVoteStartup::preferencesRequested, [this] { showPreferences(); });
    answer(&main, &frmVoteStartup::searchRequested, [this] { showSearch(); });
    answer(&main, &frmVoteStartup::bookmarkEditorRequested, [this] { showBookmarkEditor(); });
    answer(&main, &frmVoteStartup::tokenListRequested,
           [this] { MaintenanceTools::ListTokens(m_session, m_services, &m_main); });
    answer(&main, &frmVoteStartup::voteMatchCheckRequested,
           [this] { MaintenanceTools::CheckMatches(m_session, m_services, &m_main, true); });
    answer(&main, &frmVoteStartup::senateMatchCheckRequested,
           [this] { MaintenanceTools::CheckMatches(m_session, m_services, &m_main, false); });
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
        m_keyword = new frmKeyword(m_services, &m_main);
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
    // The new list starts with an empty queue: a map still showing the old queue would be stale.
    if (m_ideological)
        m_ideological->queueChanged();
    if (m_session.queue.length() == 0)
        closeNow(m_usMap);
    // A data set read for another chamber or other congresses is no longer offered.
    if (m_session.dropImportNotFitting()) {
        closeNow(m_colorKey);
        if (m_import)
            m_import->showData();
    }
    return raise(m_viewCalls.data());
}

void WindowDirector::connectViewCalls(frmViewCalls &list)
{
    answer(&list, &frmViewCalls::bookmarkEditorRequested, [this] { showBookmarkEditor(); });
    answer(&list, &frmViewCalls::importRequested, [this] { showImport(); });
    // The list has set session.queue.currentQueuePos() and, for a cross-tabulation, session.crossTabRequested.
    answer(&list, &frmViewCalls::ideologicalRequested, [this] { showIdeological(m_session.crossTabRequested); });
    answer(&list, &frmViewCalls::ratingRequested, [this] { showRating(); });
    answer(&list, &frmViewCalls::trackRequested, [this] { showTrack(); });
    answer(&list, &frmViewCalls::allLinesRequested, [this, &list] {
        // The congress of the queue row the user picked, else that of the first queued roll call.
        const QList<QueuedRollCall> queue = QueueOf(m_session);
        if (queue.isEmpty())
            return;
        const int row = list.lstSelected->currentRow();
        showAllLines(queue.at(row >= 0 && row < queue.size() ? row : 0).congress);
    });
    // The list offers the attachments of the one congress searched.
    const auto congressAttachment = [this](AttachmentKind kind) {
        return [this, kind] {
            if (!m_session.selectedCongresses.isEmpty())
                showAttachment(kind, m_session.selectedCongresses.constFirst(), kCongressAttachment);
        };
    };
    answer(&list, &frmViewCalls::textAttachmentRequested, congressAttachment(AttachmentKind::Text));
    answer(&list, &frmViewCalls::pictureAttachmentRequested, congressAttachment(AttachmentKind::Picture));
    answer(&list, &frmViewCalls::audioAttachmentRequested, congressAttachment(AttachmentKind::Sound));
    answer(&list, &frmViewCalls::usMapRequested, [this, &list] { showUSMap(m_session.crossTabRequested, &list); });
    connect(&list, &frmViewCalls::queueChanged, this, [this] {
        if (m_ideological)
            m_ideological->queueChanged();
    });
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
    PlaceBeside(map, m_viewCalls);
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
    answer(&map, &frmIdeological::allLinesRequested, [this](int congress) { showAllLines(congress); });
    const auto rollCallAttachment = [this, &map](AttachmentKind kind) {
        return [this, &map, kind] { showAttachment(kind, map.pass().congress, map.pass().rollCall); };
    };
    answer(&map, &frmIdeological::textAttachmentRequested, rollCallAttachment(AttachmentKind::Text));
    answer(&map, &frmIdeological::audioAttachmentRequested, rollCallAttachment(AttachmentKind::Sound));
    answer(&map, &frmIdeological::pictureAttachmentRequested, rollCallAttachment(AttachmentKind::Picture));
    answer(&map, &frmIdeological::rollCallChanged, [this](const DrawingPass &pass) {
        closeStatistics();
        refreshSideWindows(pass);
        // The US map follows to the queue position the ideological map moved to; it does not echo
        // the move back, which would rebuild the ideological map.
        if (m_usMap)
            m_usMap->DoMap(false);
    });
    // The US map is offered where the tree has what it needs to draw it.
    if (FindCongressExtras(m_session).usMap)
        answer(&map, &frmIdeological::usMapRequested, [this, &map] { showUSMap(m_session.crossTabRequested, &map); });
    answer(&map, &frmIdeological::fitRequested, [this](bool isHouse, int congress) { showFit(isHouse, congress); });
}

frmUSMap *WindowDirector::usMapWindow() const
{
    return m_usMap;
}

frmUSMap *WindowDirector::showUSMap(bool crossTab, const QWidget *opener)
{
    if (m_usMap) {
        // A new start replaces the map.
        frmUSMap *old = m_usMap;
        old->disconnect(this);
        old->close();
        delete old;
    }
    m_session.crossTabRequested = crossTab;
    auto *map = new frmUSMap(m_session, m_services, &m_main);
    m_usMap = map;
    PlaceBeside(map, opener);
    connect(map, &frmUSMap::endProgram, &m_main, &frmVoteStartup::endProgram);
    connect(map, &frmUSMap::displayClosed, this, [this] {
        if (m_viewCalls)
            m_viewCalls->mnuCrossTab->setChecked(false);
    });
    connect(map, &frmUSMap::closeStatistics, this, &WindowDirector::closeStatistics);
    answer(map, &frmUSMap::ideologicalRequested, [this] { showIdeological(m_session.crossTabRequested); });
    // The ideological map follows the US map's roll call while it is open.
    answer(map, &frmUSMap::otherForms, [this] {
        if (m_ideological)
            showIdeological(m_session.crossTabRequested);
    });
    answer(map, &frmUSMap::infoRequested, [this](const DrawingPass &pass) { showInfo(pass); });
    answer(map, &frmUSMap::statisticsRequested, [this](const DrawingPass &pass) { showStatistics(pass); });
    answer(map, &frmUSMap::citiesRequested, [this, map] {
        auto *cities = new frmCities(m_services, &m_main);
        if (!cities->showCities(m_session.dataRoot, map->drawnData(), map->drawnPass().DistrictTable)) {
            delete cities;
            return;
        }
        PlaceBeside(cities, map);
        cities->show();
    });
    answer(map, &frmUSMap::attachmentRequested,
           [this, map](AttachmentKind kind) { showAttachment(kind, map->pass().congress, map->pass().rollCall); });
    answer(map, &frmUSMap::colorKeyRequested, [this] { showColorKey(); });
    // The key of the data set waits, hidden, while the map shows a roll call the set does not fit.
    connect(map, &frmUSMap::importShownChanged, this, [this](bool shown) {
        if (m_colorKey)
            m_colorKey->setVisible(shown);
    });
    // The key describes the map's classes: it goes when the map goes.
    connect(map, &QObject::destroyed, this, [this] { closeNow(m_colorKey); });
    if (!map->start()) {
        map->disconnect(this);
        map->close();
        delete map;
        return nullptr;
    }
    raise(map);
    if (m_viewCalls && m_viewCalls->mnuDouble->isChecked() && !m_ideological)
        showIdeological(crossTab);
    return m_usMap;
}

frmBookmark *WindowDirector::showBookmarkEditor()
{
    if (!m_bookmark)
        m_bookmark = new frmBookmark(m_session, m_services, &m_main);
    return raise(m_bookmark.data());
}

frmInfo *WindowDirector::showInfo(const DrawingPass &pass)
{
    if (!m_info) {
        m_info = new frmInfo(m_session, m_services, &m_main);
        PlaceBeside(m_info, m_ideological);
    }
    m_info->fill(pass);
    return raise(m_info.data());
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
    PlaceBeside(window, m_ideological);
    return raise(window);
}

frmCrossTab *WindowDirector::showCrossTab(const DrawingPass &pass)
{
    closeNow(m_crossTab);
    m_crossTab = new frmCrossTab(m_session, m_services, &m_main);
    PlaceBeside(m_crossTab, m_ideological);
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

frmAttach *WindowDirector::showAttachment(AttachmentKind kind, int congress, int rollCall)
{
    closeNow(m_attach);
    auto *window = new frmAttach(m_session, m_services, &m_main);
    if (!window->showAttachment(kind, congress, rollCall)) {
        delete window;
        return nullptr;
    }
    m_attach = window;
    connect(window, &frmAttach::noteSaved, this, [this] {
        if (m_ideological)
            m_ideological->refreshAttachments();
        if (m_usMap)
            m_usMap->refreshAttachments();
        if (m_viewCalls)
            m_viewCalls->refreshAttachments();
    });
    return window;
}

frmAttach *WindowDirector::attachWindow() const
{
    return m_attach;
}

void WindowDirector::closeAll()
{
    // The data set belongs to the tree it was read with.
    m_session.clearImport();
    closeSideWindows();
    closeNow(m_attach);
    closeNow(m_ideological);
    closeNow(m_viewCalls);
    closeNow(m_search);
    closeNow(m_bookmark);
    closeNow(m_preferences);
    closeNow(m_rating);
    closeNow(m_results);
    closeNow(m_track);
    closeNow(m_trackRes);
    closeNow(m_allLines);
    closeNow(m_fit);
    closeNow(m_usMap);
    closeNow(m_import);
    closeNow(m_colorKey);
}

frmImport *WindowDirector::showImport()
{
    if (m_import)
        return raise(m_import.data());
    m_import = new frmImport(m_session, m_services, &m_main);
    PlaceBeside(m_import, m_viewCalls);
    answer(m_import.data(), &frmImport::mapRequested, [this] {
        // The map shows the data with the roll call the queue is at, the first when it has not started.
        if (m_session.queue.currentQueuePos() < 1 || m_session.queue.currentQueuePos() > m_session.queue.length()) {
            if (!m_session.queue.start()) {
                m_session.importedDataShown = false;
                ReportError(m_services, m_import, QStringLiteral("You must select at least one roll call to view."));
                return;
            }
        }
        if (showUSMap(m_session.crossTabRequested, m_import) && m_session.importedDataShown)
            showColorKey();
    });
    return raise(m_import.data());
}

frmImport *WindowDirector::importWindow() const
{
    return m_import;
}

frmColorKey *WindowDirector::showColorKey()
{
    if (!m_colorKey) {
        m_colorKey = new frmColorKey(m_services, &m_main);
        PlaceBeside(m_colorKey, m_usMap);
    }
    m_colorKey->setKey(m_session.importKey);
    return raise(m_colorKey.data());
}

frmColorKey *WindowDirector::colorKeyWindow() const
{
    return m_colorKey;
}

frmFit *WindowDirector::showFit(bool isHouse, int congress)
{
    closeNow(m_fit);
    auto *window = new frmFit(m_session, m_services, &m_main);
    if (!window->load(isHouse, congress)) {
        delete window;
        return nullptr;
    }
    connect(window, &frmFit::legislatorChosen, this, [this](int recordNumber) {
        if (m_ideological && m_ideological->findRecord(recordNumber))
            raise(m_ideological.data());
    });
    m_fit = window;
    return raise(window);
}

frmFit *WindowDirector::fitWindow() const
{
    return m_fit;
}

void WindowDirector::closeSideWindows()
{
    closeNow(m_fit);
    closeNow(m_info);
    closeNow(m_statistics);
    closeNow(m_crossTab);
}

frmRating *WindowDirector::ratingWindow() const
{
    return m_rating;
}

frmResults *WindowDirector::resultsWindow() const
{
    return m_results;
}

frmTrack *WindowDirector::trackWindow() const
{
    return m_track;
}

frmTrackRes *WindowDirector::trackResultsWindow() const
{
    return m_trackRes;
}

frmAllLines *WindowDirector::allLinesWindow() const
{
    return m_allLines;
}

frmRating *WindowDirector::showRating()
{
    closeNow(m_rating);
    m_rating = new frmRating(m_session, m_services, &m_main);
    connect(m_rating, &frmRating::ratingsComputed, this, [this](const RatingRun &run) { showResults(run); });
    return raise(m_rating.data());
}

frmResults *WindowDirector::showResults(const RatingRun &run)
{
    closeNow(m_results);
    m_results = new frmResults(run, m_services, m_session.dataRoot, &m_main);
    return raise(m_results.data());
}

frmTrack *WindowDirector::showTrack()
{
    closeNow(m_track);
    auto *track = new frmTrack(m_session, m_services, &m_main);
    if (!track->load()) {
        delete track;
        return nullptr;
    }
    m_track = track;
    connect(track, &frmTrack::trackingComputed, this, [this](const TrackRun &run) { showTrackResults(run); });
    return raise(track);
}

frmTrackRes *WindowDirector::showTrackResults(const TrackRun &run)
{
    closeNow(m_trackRes);
    m_trackRes = new frmTrackRes(run, m_services, m_session.dataRoot, m_session.smallScreen, &m_main);
    return raise(m_trackRes.data());
}

frmAllLines *WindowDirector::showAllLines(int congress)
{
    closeNow(m_allLines);
    auto *lines = new frmAllLines(m_session, m_services, &m_main);
    if (!lines->load(congress)) {
        delete lines;
        return nullptr;
    }
    m_allLines = lines;
    return raise(lines);
}

} // namespace rollscan
