#include "WindowDirector.h"

#include "frmPreferences.h"
#include "frmVoteStartup.h"

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
    main.attach(frmVoteStartup::Hook::EditPreferences, [this] { showPreferences(); });
}

frmPreferences *WindowDirector::showPreferences()
{
    if (!m_preferences)
        m_preferences = new frmPreferences(m_session, m_services, &m_main);
    return raise(m_preferences.data());
}

} // namespace rollscan
