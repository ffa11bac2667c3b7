#pragma once

#include <QPointer>
#include <QWidget>

namespace rollscan {

class Services;
class Session;
class frmVoteStartup;
class frmPreferences;

// Opens the program's windows and connects them: each window asks the director for the next one
// instead of knowing how it is built. main() makes one over the real services; tests make one over
// recording services and drive a whole session through it.
class WindowDirector : public QObject {
    Q_OBJECT

public:
    WindowDirector(Session &session, Services &services, frmVoteStartup &main);

    Session &session() { return m_session; }
    Services &services() { return m_services; }
    frmVoteStartup &mainWindow() { return m_main; }

    // The preferences dialog, modeless; an open one is brought to the front.
    frmPreferences *showPreferences();

private:
    Session &m_session;
    Services &m_services;
    frmVoteStartup &m_main;
    QPointer<frmPreferences> m_preferences;
};

} // namespace rollscan
