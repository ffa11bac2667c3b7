#pragma once

#include "core/attach/RollCallAttachments.h"
#include "gui/services/WaitProgress.h"

#include <QPointer>
#include <QWidget>

namespace rollscan {

class Services;
class Session;
class frmVoteStartup;
class frmPreferences;
class frmSelectSearch;
class frmKeyword;
class frmViewCalls;
class frmBookmark;
class frmIdeological;
class frmInfo;
class frmStatistics;
class frmCrossTab;
class frmRating;
class frmResults;
class frmTrack;
class frmTrackRes;
class frmAllLines;
class frmAttach;
class frmUSMap;
class frmFit;
class frmImport;
class frmColorKey;
struct DrawingPass;
struct RatingRun;
struct TrackRun;

// Opens the program's windows and connects them: each window asks the director for the next one
// instead of knowing how it is built. main() makes one over the real services; tests make one over
// recording services and drive a whole session through it.
//
// How a window asks for another one:
//  - the window declares a request signal (`void ratingRequested();`, with the data the other window
//    needs as arguments, e.g. `void infoRequested(const DrawingPass &pass);`), emits it from its
//    QAction or button, and in its public updateCommands() enables that command only while
//    isSignalConnected() says the request has a receiver;
//  - the director answers the request with answer(window, &Window::ratingRequested, work) where it
//    creates the window (showViewCalls, showIdeological, ...). answer() runs the work through the
//    shared error report and calls the window's updateCommands(), so the command comes alive.
// A command whose window is not part of the program yet is simply never answered, and stays disabled.
class WindowDirector : public QObject {
    Q_OBJECT

public:
    WindowDirector(Session &session, Services &services, frmVoteStartup &main);

    // Connects `request` of `window` to `work` and brings the window's commands in line. File and data
    // errors that the work throws are reported over `window`, so none reaches the event loop.
    template <typename Window, typename Work, typename... Args>
    void answer(Window *window, void (Window::*request)(Args...), Work work)
    {
        connect(window, request, this,
                [this, window, work](Args... args) { RunReportingErrors(m_services, window, [&] { work(args...); }); });
        window->updateCommands();
    }

    Session &session() { return m_session; }
    Services &services() { return m_services; }
    frmVoteStartup &mainWindow() { return m_main; }

    // The preferences dialog, modeless; an open one is brought to the front.
    frmPreferences *showPreferences();

    // The search dialog, modeless; an open one is brought to the front. Each search that finds
    // something opens the roll-call list afresh.
    frmSelectSearch *showSearch();
    // The roll-call list of the session's MatchTable: an open one is closed and a new one shown.
    frmViewCalls *showViewCalls();
    // The bookmark editor, modeless; an open one is brought to the front.
    frmBookmark *showBookmarkEditor();
    // The keyword dialog shared by the search dialog and the list, made once and kept for the run
    // so that its entries stay for the next search.
    frmKeyword &keywordDialog();

    // The open windows, or null.
    frmSelectSearch *searchWindow() const;
    frmViewCalls *viewCallsWindow() const;
    frmBookmark *bookmarkWindow() const;

    // The ideological map of the queue entry at session.queue.currentQueuePos() (the list has set it), as a
    // cross-tabulation of two roll calls when `crossTab`. An open map is closed first. Null when the
    // roll call could not be drawn (the error has been reported).
    frmIdeological *showIdeological(bool crossTab);
    frmIdeological *ideologicalWindow() const;

    // The US map of the queue entry at session.queue.currentQueuePos(), as a cross-tabulation when
    // `crossTab`. An open one is closed first. When the list asks for both views the ideological map
    // opens beside it. Null when the map could not be shown (the error has been reported).
    // Opens the US map beside `opener`, the window whose command asked for it.
    frmUSMap *showUSMap(bool crossTab, const QWidget *opener = nullptr);
    frmUSMap *usMapWindow() const;

    // The side windows of the ideological map, each filled from the map's last drawing pass.
    // The information window: an open one is filled anew and brought to the front.
    frmInfo *showInfo(const DrawingPass &pass);
    // The statistics window: an open one is closed and a new one counts the pass's roll call. Null
    // when the counting failed; the error has been reported.
    frmStatistics *showStatistics(const DrawingPass &pass);
    // The cross-tab window of a cross-tabulation pass: an open one is closed and a new one shown.
    frmCrossTab *showCrossTab(const DrawingPass &pass);
    // Closes an open statistics window (the map moved to another roll call).
    void closeStatistics();
    // After the map moved to another roll call: an open information or cross-tab window shows the
    // new pass, so that it never describes a roll call the map no longer shows.
    void refreshSideWindows(const DrawingPass &pass);
    // Closes the information, statistics and cross-tab windows (the map is closing).
    void closeSideWindows();
    // The open side windows, or null.
    frmInfo *infoWindow() const;
    frmStatistics *statisticsWindow() const;
    frmCrossTab *crossTabWindow() const;

    // The analyses over the queue. An open window of the kind is closed and a new one shown.
    frmRating *showRating();
    frmResults *showResults(const RatingRun &run);
    // Null when the legislators could not be read (the error has been reported).
    frmTrack *showTrack();
    frmTrackRes *showTrackResults(const TrackRun &run);
    // The cutting lines of the queued roll calls of `congress`; null when it could not be read.
    frmAllLines *showAllLines(int congress);
    frmRating *ratingWindow() const;
    frmResults *resultsWindow() const;
    frmTrack *trackWindow() const;
    frmTrackRes *trackResultsWindow() const;
    frmAllLines *allLinesWindow() const;
    // The attachment window showing an attachment of the chamber in use: of roll call `rollCall` of
    // `congress`, or of the congress (kCongressAttachment). An open one is closed first. Null when the
    // attachment could not be shown (the error has been reported).
    frmAttach *showAttachment(AttachmentKind kind, int congress, int rollCall);
    frmAttach *attachWindow() const;

    // Closes every window but the main one (another data tree is opening).
    void closeAll();
    // The fit of a congress, opened from the map: an open one is closed and a new one counts the
    // congress. Double-clicking a legislator there circles him on the map. Null when the counting
    // failed; the error has been reported.
    frmFit *showFit(bool isHouse, int congress);
    frmFit *fitWindow() const;

    // The quantitative import, modeless; an open one is brought to the front. Its Start opens the US
    // map on the imported data (at the queue's roll call) with the colour key beside it.
    frmImport *showImport();
    frmImport *importWindow() const;
    // The colour key of the imported classes, filled anew when open.
    frmColorKey *showColorKey();
    frmColorKey *colorKeyWindow() const;

private:
    void connectViewCalls(frmViewCalls &list);
    void connectIdeological(frmIdeological &map);

    Session &m_session;
    Services &m_services;
    frmVoteStartup &m_main;
    QPointer<frmPreferences> m_preferences;
    QPointer<frmSelectSearch> m_search;
    QPointer<frmViewCalls> m_viewCalls;
    QPointer<frmBookmark> m_bookmark;
    QPointer<frmKeyword> m_keyword;
    QPointer<frmIdeological> m_ideological;
    QPointer<frmInfo> m_info;
    QPointer<frmStatistics> m_statistics;
    QPointer<frmAttach> m_attach;
    QPointer<frmCrossTab> m_crossTab;
    QPointer<frmRating> m_rating;
    QPointer<frmResults> m_results;
    QPointer<frmTrack> m_track;
    QPointer<frmTrackRes> m_trackRes;
    QPointer<frmAllLines> m_allLines;
    QPointer<frmUSMap> m_usMap;
    QPointer<frmFit> m_fit;
    QPointer<frmImport> m_import;
    QPointer<frmColorKey> m_colorKey;
};

} // namespace rollscan
